// The live channel: what is on is a function of UTC time; every match plays
// whole with a short wait between; a viewer joins the channel's match at
// the very step it is at, and catches up after a pause.

#include <gtest/gtest.h>

#include <set>

#include "app/form1.h"
#include "live/channel.h"
#include "sim/golden.h"
#include "sim/simulator.h"
#include "virtual/virtual_platform.h"

void PrintTo(const TranscriptLine& line, std::ostream* out) {
  *out << line.step << " " << line.line;
}

#ifndef LIVE_DAYS
#define LIVE_DAYS 30
#endif

namespace {

std::uint64_t utc(const char* text) {
  std::string why;
  const std::optional<std::uint64_t> step = parseUtc(text, why);
  EXPECT_TRUE(step) << text << ": " << why;
  return step.value_or(0);
}

constexpr std::int64_t Second = LiveStepsPerSecond;

// What is on at instants that matter. A change to any row changes what
// viewers of different builds see at once: the channel is no longer one.
TEST(Live, InstantsAgainstTheSchedule) {
  struct Row {
    const char* what;
    const char* at;
    std::int64_t nudge;  // steps added to `at`
    const char* code;
    std::int64_t matchStep;  // from its kick-off; negative: the countdown left
  };
  const Row rows[] = {
      {"mid-match", "2026-12-24T20:05:00Z", 0, "Bcych00tFzGEAAAZEaKFlK8v", 240 * Second},
      {"lineups between matches", "2026-12-24T20:38:40Z", 0, "BSRkee2NLcY4AAAZKNTGpKA4",
       -34 * Second},
      {"last step before a kick-off", "2026-12-24T20:39:14Z", -1, "BSRkee2NLcY4AAAZKNTGpKA4", -1},
      {"first step of a kick-off", "2026-12-24T20:39:14Z", 0, "BSRkee2NLcY4AAAZKNTGpKA4", 0},
      // The last steps of fillers 8924 and 15511 steps long.
      {"last second of an hour", "2026-12-24T20:59:59Z", 63, "BAAAAAAAAAA4AAAZQiinrJal", 8923},
      {"its anchor", "2026-12-24T21:00:00Z", 0, "BvHGt76kxs2IAAAYK5UCkcl6", -60 * Second},
      {"the last step of a year", "2026-12-31T23:59:59Z", 63, "BAAAAAAAAAZUAAAYglMClJy3", 15510},
      {"the new year's first kick-off", "2027-01-01T00:01:00Z", 0, "BSdxdcmr8t48AAAYrDKoENH_", 0},
      {"a day on, the same time", "2027-01-02T00:05:00Z", 0, "BskkePUhGzgsAAAY4xCHp_ec",
       -12 * Second},
      {"a leap day", "2028-02-29T12:00:00Z", 0, "B6BU7u-3rlQYAAAZE1hkAWKD", -60 * Second},
  };
  for (const Row& row : rows) {
    const std::uint64_t at = utc(row.at) + static_cast<std::uint64_t>(row.nudge);
    const OnAir on = onAir(at);
    EXPECT_EQ(on.match.code, row.code) << row.what;
    const std::int64_t step =
        static_cast<std::int64_t>(at) - static_cast<std::int64_t>(on.match.kickOffAt);
    EXPECT_EQ(step, row.matchStep) << row.what;
    EXPECT_EQ(on.beforeKickOff(), row.matchStep < 0) << row.what;
    EXPECT_TRUE(on.match.lineupsAt <= at && at < on.match.endAt) << row.what;
  }
}

// Over 30 days: each hour opens with its lineups at the hour and its kick-off
// a minute later; every match shows its lineups from the last one's end, for
// at most a minute and a second and, at the end of an hour, at least 45
// seconds; the hour's last match ends at the next hour; every match plays
// whole, to the length its code plays.
TEST(Live, ThirtyDaysOfSchedule) {
  const std::uint64_t first = utc("2026-12-01T00:00:00Z") / LiveStepsPerHour;
  std::set<std::string> regulars;
  std::uint64_t matches = 0, fillers = 0;
  for (std::uint64_t hour = first; hour < first + 24 * LIVE_DAYS; ++hour) {
    const std::vector<LiveMatch> chain = hourOnAir(hour);
    ASSERT_FALSE(chain.empty());
    std::uint64_t end = hour * LiveStepsPerHour;
    EXPECT_EQ(chain.front().kickOffAt, end + CountdownSteps) << hour;
    for (const LiveMatch& m : chain) {
      const std::string which = utcText(m.kickOffAt) + " " + m.code;
      EXPECT_EQ(m.lineupsAt, end) << which;
      EXPECT_LE(m.kickOffAt - m.lineupsAt, CountdownSteps + Second) << which;
      EXPECT_GE(m.kickOffAt - m.lineupsAt, m.filler ? ShortestCountdownSteps : CountdownSteps)
          << which;
      std::string why;
      EXPECT_EQ(decodeMatch(m.code, why), m.kickOff) << which << why;
      if (m.filler)
        ++fillers;
      else
        EXPECT_TRUE(regulars.insert(m.code).second) << which << " is on twice";
      ++matches;
      end = m.endAt;
    }
    EXPECT_EQ(end, (hour + 1) * LiveStepsPerHour) << hour;
  }
  // Whole: a sample of the regular matches plays to the end the schedule says.
  for (std::uint64_t hour = first; hour < first + 24 * LIVE_DAYS; hour += 97)
    for (const LiveMatch& m : hourOnAir(hour)) {
      const SimulatedMatch played = simulateMatch(1, {.userActs = false, .replay = m.kickOff});
      EXPECT_EQ(played.steps - played.kickOffStep, m.endAt - m.kickOffAt) << m.code;
      EXPECT_TRUE(played.violations.empty()) << m.code;
    }
  std::printf("%llu matches in %d days, %llu of them fillers\n",
              static_cast<unsigned long long>(matches), LIVE_DAYS,
              static_cast<unsigned long long>(fillers));
}

// Each filler plays to the length the table gives it, the walk-off ending
// it; their lengths leave no gap a countdown cannot take up.
TEST(Live, FillersPlayTheirLengths) {
  for (std::size_t k = 0; k < Fillers.size(); ++k) {
    std::string why;
    const std::optional<KickOff> kickOff = decodeMatch(Fillers[k].code, why);
    ASSERT_TRUE(kickOff) << Fillers[k].code << why;
    const PlayedMatch played = playUnseen(*kickOff);
    EXPECT_EQ(played.steps, Fillers[k].steps) << Fillers[k].code;
    EXPECT_FALSE(played.fullTime) << Fillers[k].code;
    if (k > 0) {
      EXPECT_LT(Fillers[k].steps - Fillers[k - 1].steps, CountdownSteps - ShortestCountdownSteps)
          << Fillers[k].code;
    }
  }
}

// Tuned in at any step of a match, the viewer sees from the next step on
// what a viewer from its kick-off sees, line for line.
TEST(Live, JoinsAtTheChannelsStep) {
  for (const GoldenMatch& golden : GoldenMatches) {
    std::string why;
    const KickOff kickOff = *decodeMatch(golden.code, why);
    const SimulatedMatch whole =
        simulateMatch(1, {.userActs = false, .replay = kickOff, .transcript = true});
    const std::uint64_t length = whole.steps - whole.kickOffStep;
    for (const std::uint64_t at : {std::uint64_t{1}, length / 3, length - 300}) {
      const SimulatedMatch live = simulateMatch(
          2, {.userActs = false, .replay = kickOff, .liveStep = at, .transcript = true});
      std::vector<TranscriptLine> expected;
      for (const TranscriptLine& line : whole.transcript)
        if (line.step > at) expected.push_back(line);
      EXPECT_EQ(live.transcript, expected) << golden.code << " at " << at;
      EXPECT_EQ(live.violations, std::vector<std::string>{}) << golden.code << " at " << at;
    }
  }
}

// A viewer whose broadcast stops (a hidden tab, a machine asleep) finds the
// channel where it is now: the broadcast hurries on to it, and shows the
// lines the channel shows from there. The kick-off waits for the channel.
TEST(Live, CatchesUpAfterAPause) {
  std::string why;
  const KickOff kickOff = *decodeMatch("BAAAAAAAAV-MAAAtW6bi67a2", why);  // to full time
  const SimulatedMatch whole =
      simulateMatch(1, {.userActs = false, .replay = kickOff, .transcript = true});
  VirtualPlatform platform;
  Form1 form{platform};
  platform.attach(form);
  std::vector<std::pair<std::uint64_t, std::string>> shown;
  form.replay.transcribe([&](const std::string& line) {
    shown.emplace_back(platform.step() - *form.replay.kickOffStep(), line);
  });
  // The channel kicks off at step 500 of this platform's real clock, which
  // stands still while the platform hurries; it jumps five minutes ahead at
  // step 2000, as a tab hidden that long would find it.
  const std::uint64_t pause = 5 * 60 * Second;
  form.replay.followLive([&] {
    std::uint64_t hurried = 0;
    const auto& hurries = platform.hurries();
    for (std::size_t k = 0; k < hurries.size(); k += 2)
      hurried += (k + 1 < hurries.size() ? hurries[k + 1].step : platform.step()) - hurries[k].step;
    const std::uint64_t real = platform.step() - hurried;
    return static_cast<std::int64_t>(real + (real >= 2000 ? pause : 0)) - 500;
  });
  form.replay.open(kickOff);
  form.load();
  platform.run(400);
  EXPECT_EQ(form.Command5.caption, "00:02");
  EXPECT_FALSE(form.Command5.enabled);
  form.click(form.Command5);  // the viewer's "&Go" changes nothing
  EXPECT_FALSE(form.replay.kickOffStep());
  platform.run(8 * 60 * Second);
  ASSERT_TRUE(form.replay.kickOffStep());
  EXPECT_GE(*form.replay.kickOffStep(), 493u);
  EXPECT_LE(*form.replay.kickOffStep(), 500u);
  // The pause hurries the broadcast on, by as much as it lasted.
  const auto& hurries = platform.hurries();
  ASSERT_GE(hurries.size(), 2u);
  const auto& on = hurries[hurries.size() - 2];
  const auto& off = hurries.back();
  EXPECT_TRUE(on.on && !off.on);
  EXPECT_NEAR(static_cast<double>(on.step), 2000 + 8, 8);
  // It kicked off a few steps ahead of the channel, which it stays.
  const std::uint64_t ahead = 500 - *form.replay.kickOffStep();
  EXPECT_NEAR(static_cast<double>(off.step - on.step), static_cast<double>(pause - ahead), 1);
  // It shows what the channel shows from where it caught up.
  const std::uint64_t caughtUp = off.step - *form.replay.kickOffStep();
  std::vector<std::pair<std::uint64_t, std::string>> expected;
  for (const TranscriptLine& line : whole.transcript)
    if (line.step > caughtUp && line.step <= shown.back().first)
      expected.emplace_back(line.step, line.line);
  std::vector<std::pair<std::uint64_t, std::string>> after;
  for (const auto& line : shown)
    if (line.first > caughtUp) after.push_back(line);
  EXPECT_EQ(after, expected);
}

TEST(Live, UtcTimes) {
  std::string why;
  EXPECT_EQ(parseUtc("1970-01-01T00:00:01Z", why), Second);
  EXPECT_EQ(parseUtc("1970-01-02", why), 86400 * Second);
  EXPECT_EQ(parseUtc("2026-12-24T20:05:00.5Z", why), utc("2026-12-24T20:05:00Z") + 32);
  EXPECT_EQ(utcText(utc("2028-02-29T23:59:59Z") + Second), "2028-03-01T00:00:00Z");
  for (const char* wrong : {"2026-02-29T00:00:00Z", "2026-12-24T24:00:00Z", "2026-12-24 20:05",
                            "2026-12-24T20:05:00", "1969-12-31T23:59:59Z", ""}) {
    why.clear();
    EXPECT_FALSE(parseUtc(wrong, why)) << wrong;
    EXPECT_FALSE(why.empty()) << wrong;
  }
}

}  // namespace
