// The announcer's voice in virtual time: which lines are read aloud, which
// cut another short, which are let go.

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

#include "support/session.h"

namespace {
constexpr int MsPerCharacter = 60;  // about a speech engine's pace
auto tied(const VirtualPlatform::Spoken& s) { return std::tie(s.step, s.line, s.cut); }
}  // namespace

TEST(Voice, SkitLinesCutInPlayByPlayWaitsForSilenceAndHeldLinesAreNeverRead) {
  Session p;
  Form1& f = p.form;
  p.platform.giveVoice(MsPerCharacter);
  const std::uint64_t t = p.platform.step();
  p.platform.at(t + 1, [&] { f.Announce("Smith to Jones."); });   // read for 58 steps
  p.platform.at(t + 10, [&] { f.Announce("Jones to Brown."); });  // let go
  p.platform.at(t + 20, [&] { f.Announce2("GOAL!"); });           // cuts in, 20 steps
  p.platform.at(t + 39, [&] { f.Announce("Brown shoots."); });    // let go
  p.platform.at(t + 40, [&] { f.Announce("Kowalski to Ng."); });  // read into silence
  p.platform.at(t + 100, [&] {
    f.HoldAnnouncer = True;  // a skit holds the display: its play-by-play never shows
    f.Announce("Ng to Kim.");
    f.Announce2("A word from our sponsor.");
  });
  p.platform.run(120);
  const std::vector<VirtualPlatform::Spoken> expected = {{t + 1, "Smith to Jones.", true},
                                                         {t + 20, "GOAL!"},
                                                         {t + 40, "Kowalski to Ng."},
                                                         {t + 100, "A word from our sponsor."}};
  ASSERT_EQ(p.platform.spoken().size(), expected.size());
  for (std::size_t i = 0; i < expected.size(); ++i)
    EXPECT_EQ(tied(p.platform.spoken()[i]), tied(expected[i])) << expected[i].line;
}

TEST(Voice, AWholeMatchReadsEverySkitLineAndChangesNothingOnTheDisplay) {
  const auto play = [](bool voiced) {
    Session p(0, Options{.seed = 1998});
    if (voiced) p.platform.giveVoice(MsPerCharacter);
    p.kickOff();
    p.platform.run(30 * 60 * StepsPerSecond);  // to the sign-off
    EXPECT_TRUE(p.form.ended());
    return std::make_pair(p.platform.transcript(),
                          voiced ? p.platform.spoken() : std::vector<VirtualPlatform::Spoken>{});
  };
  const auto silent = play(false).first;
  const auto [transcript, spoken] = play(true);

  // The same lines at the same steps: the voice takes no time and no draw.
  ASSERT_EQ(transcript.size(), silent.size());
  for (std::size_t i = 0; i < silent.size(); ++i)
    EXPECT_EQ(std::tie(transcript[i].step, transcript[i].line),
              std::tie(silent[i].step, silent[i].line));

  // Lines are read as the display shows them; every skit line is, and only a
  // skit line cuts another short.
  std::size_t next = 0, readPlays = 0, letGo = 0;
  for (const auto& said : transcript) {
    const bool read = next < spoken.size() && std::tie(spoken[next].step, spoken[next].line) ==
                                                  std::tie(said.step, said.line);
    EXPECT_TRUE(read || !said.interrupts) << said.line;
    if (!said.interrupts) ++(read ? readPlays : letGo);
    if (!read) continue;
    EXPECT_TRUE(next == 0 || !spoken[next - 1].cut || said.interrupts) << said.line;
    ++next;
  }
  EXPECT_EQ(next, spoken.size());
  EXPECT_GT(readPlays, 0u);  // play-by-play comes faster than it is read:
  EXPECT_GT(letGo, 0u);      // some is read, some let go
}
