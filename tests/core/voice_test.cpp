// The announcer's voice in virtual time: which lines are read aloud, which
// cut another short, which are let go.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "program.h"

namespace {

// A reading speed near a speech engine's: "Smith to Jones." takes 58 steps.
constexpr int MsPerCharacter = 60;

using Spoken = VirtualPlatform::Spoken;

}  // namespace

TEST(Voice, SkitLinesCutInPlayByPlayWaitsForSilenceAndHeldLinesAreNeverRead) {
  Program p;
  Form1& f = p.form;
  p.platform.giveVoice(MsPerCharacter);
  const std::uint64_t t = p.platform.step();
  const struct {
    std::uint64_t after;
    bool skit;
    const char* line;
  } timeline[] = {
      {1, false, "Smith to Jones."},   // read, until step 59
      {10, false, "Jones to Brown."},  // let go: Smith is still being read
      {20, true, "GOAL!"},             // cuts Smith short, read until step 40
      {39, false, "Brown shoots."},    // let go
      {40, false, "Kowalski to Ng."},  // silence again: read, until step 98
  };
  for (const auto& e : timeline)
    p.platform.at(t + e.after, [&f, &e] { e.skit ? f.Announce2(e.line) : f.Announce(e.line); });
  // A skit holds the display: its play-by-play never shows, so is never read.
  p.platform.at(t + 100, [&f] {
    f.HoldAnnouncer = True;
    f.Announce("Ng to Kim.");
    f.Announce2("Time for a word from our sponsor.");
  });
  p.platform.run(120);

  const std::vector<Spoken> expected = {
      {t + 1, "Smith to Jones.", true},
      {t + 20, "GOAL!", false},
      {t + 40, "Kowalski to Ng.", false},
      {t + 100, "Time for a word from our sponsor.", false},
  };
  const auto& spoken = p.platform.spoken();
  ASSERT_EQ(spoken.size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i) {
    SCOPED_TRACE(expected[i].line);
    EXPECT_EQ(spoken[i].step, expected[i].step);
    EXPECT_EQ(spoken[i].line, expected[i].line);
    EXPECT_EQ(spoken[i].cut, expected[i].cut);
  }
}

TEST(Voice, AWholeMatchReadsEverySkitLineAndChangesNothingOnTheDisplay) {
  // A seeded match from kick-off to the sign-off, with or without a voice.
  const auto play = [](bool voiced) {
    Program p(0, Options{.seed = 1998});
    if (voiced) p.platform.giveVoice(MsPerCharacter);
    p.kickOff();
    for (int minute = 0; minute < 30 && !p.form.ended(); ++minute)
      p.platform.run(60 * StepsPerSecond);
    EXPECT_TRUE(p.form.ended());
    return std::make_pair(p.platform.transcript(),
                          voiced ? p.platform.spoken() : std::vector<Spoken>{});
  };
  const auto [silent, none] = play(false);
  const auto [transcript, spoken] = play(true);

  // The same lines at the same steps: the voice takes no time and no draw.
  ASSERT_EQ(transcript.size(), silent.size());
  for (std::size_t i = 0; i < silent.size(); ++i) {
    EXPECT_EQ(transcript[i].step, silent[i].step) << i;
    EXPECT_EQ(transcript[i].line, silent[i].line) << i;
  }

  // What is read is what the display shows, as it shows it; every skit line
  // is read, and only a skit line cuts another short.
  std::size_t next = 0, readPlays = 0, letGo = 0;
  for (const auto& said : transcript) {
    const bool read =
        next < spoken.size() && spoken[next].step == said.step && spoken[next].line == said.line;
    if (said.interrupts) {
      EXPECT_TRUE(read) << said.step << " " << said.line;
    } else {
      ++(read ? readPlays : letGo);
    }
    if (!read) continue;
    if (next > 0 && spoken[next - 1].cut) {
      EXPECT_TRUE(said.interrupts) << "cut short by " << said.line;
    }
    ++next;
  }
  EXPECT_EQ(next, spoken.size()) << "read but never shown: " << spoken[next].line;
  // Play-by-play comes faster than it can be read: some is read, some let go.
  EXPECT_GT(readPlays, 0u);
  EXPECT_GT(letGo, 0u);
}
