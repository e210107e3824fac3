// The match is its kick-off: a match's code opens the same lineups and plays
// the same match, line for line and step for step, wherever its "&Go" falls;
// a broadcast that starts at a match second joins that match there.

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "sim/golden.h"
#include "sim/simulator.h"
#include "support/session.h"

#ifndef SIMULATED_MATCHES
#define SIMULATED_MATCHES 300
#endif

namespace {

// The lines shown before step `until`, or from the first shown at match
// second `second` on.
std::vector<TranscriptLine> before(const std::vector<TranscriptLine>& lines, std::uint64_t until) {
  std::vector<TranscriptLine> kept;
  for (const TranscriptLine& line : lines)
    if (line.step < until) kept.push_back(line);
  return kept;
}

std::vector<TranscriptLine> from(const std::vector<TranscriptLine>& lines, int second) {
  std::vector<TranscriptLine> kept;
  for (const TranscriptLine& line : lines)
    if (line.second >= second) kept.push_back(line);
  return kept;
}

std::uint64_t length(const SimulatedMatch& m) { return m.steps - m.kickOffStep; }

// What the lineups screen shows and what the kick-off dresses the figures in.
std::vector<std::string> lineups(const Form1& f) {
  std::vector<std::string> seen = {f.Label17.caption, f.Label18.caption, f.Label7.caption,
                                   f.Label6.caption,  f.Label3.caption,  f.Label5.caption,
                                   f.Label10.caption, f.Label11.caption, f.Label12.caption,
                                   f.Label13.caption};
  for (const Figure& figure : f.player) seen.push_back(figure.name());
  for (const Shape& stripe : f.smFlag) seen.push_back(std::to_string(stripe.fillColor.rgb));
  return seen;
}

}  // namespace

TEST(Replay, TheCodeOfASeededMatchReplaysItAndAStartSecondJoinsItThere) {
  std::mt19937_64 pick(27);
  for (std::uint64_t seed = 1; seed <= SIMULATED_MATCHES; ++seed) {
    SCOPED_TRACE("seed " + std::to_string(seed));
    const SimulatedMatch original =
        simulateMatch(seed, {.goBetweenPasses = seed % 2 == 0, .transcript = true});
    std::string why;
    const std::optional<KickOff> kickOff = decodeMatch(original.code, why);
    ASSERT_TRUE(kickOff) << why;
    const SimulatedMatch replay =
        simulateMatch(seed + 1000000, {.replay = kickOff, .transcript = true});
    const int startAt =
        static_cast<int>(pick() % 1200) * 5 % (replay.transcript.back().second + 10);
    const SimulatedMatch joined =
        simulateMatch(seed + 2000000, {.replay = kickOff, .startAt = startAt, .transcript = true});
    for (const SimulatedMatch* m : {&original, &replay, &joined})
      for (const std::string& v : m->violations) ADD_FAILURE() << v;

    EXPECT_EQ(replay.code, original.code);
    if (original.userLeft) {
      EXPECT_EQ(before(replay.transcript, *original.userLeft),
                before(original.transcript, *original.userLeft));
    } else {
      EXPECT_EQ(replay.transcript, original.transcript);
      EXPECT_EQ(replay.moments, original.moments);
      EXPECT_EQ(length(replay), length(original));
      EXPECT_EQ(replay.cause, original.cause);
    }
    EXPECT_EQ(joined.transcript, from(replay.transcript, startAt)) << "from " << startAt;
    EXPECT_EQ(joined.moments, replay.moments);
    EXPECT_EQ(length(joined), length(replay));
    EXPECT_EQ(joined.cause, replay.cause);
  }
}

TEST(Replay, ACodeOpensItsLineupsAndItsGoKicksOffAtAStepOfTheSamePhase) {
  Session original(0, {.seed = 1998});
  Form1& f = original.form;
  EXPECT_EQ(f.replay.code(), "");  // the countries are still being made
  f.choose(f.Combo1[2], 8);
  f.click(f.Command1[1]);
  f.click(f.Command4[0]);
  original.platform.run(5);
  f.click(f.Command2);
  const std::string lineupsCode = f.replay.code();
  EXPECT_EQ(lineupsCode.size(), MatchCodeLength);

  // A code from the lineups opens them; its "&Go" kicks off at once.
  Session opened(0, {.match = lineupsCode});
  Form1& g = opened.form;
  EXPECT_FALSE(g.Picture2.visible);
  EXPECT_TRUE(g.Picture6.visible);
  EXPECT_EQ(lineups(g), lineups(f));
  EXPECT_EQ(g.replay.code(), lineupsCode);
  g.click(g.Command5);
  EXPECT_GT(g.MatchMinute * 60 + g.MatchSecond, 0);
  ASSERT_TRUE(g.replay.kickOff());
  EXPECT_TRUE(g.replay.kickOff()->phase);

  // A kick-off's code waits for its phase, in its place around the heartbeat.
  std::string why;
  for (int phase = 0; phase < 8; ++phase)
    for (bool beforeHeartbeat : {false, true}) {
      KickOff k = *decodeMatch(lineupsCode, why);
      k.phase = phase;
      k.beforeHeartbeat = beforeHeartbeat;
      Session replay(0, {.match = encodeMatch(k)});
      Form1& r = replay.form;
      EXPECT_EQ(r.replay.code(), encodeMatch(k));  // copied before the kick-off, the code opened
      replay.platform.run(static_cast<std::uint64_t>(phase) * 5 + 3);
      r.click(r.Command5);
      const std::uint64_t go = replay.platform.step();
      replay.platform.run(9);
      ASSERT_TRUE(r.replay.kickOffStep());
      EXPECT_LE(*r.replay.kickOffStep() + (beforeHeartbeat ? 1 : 0), go + 8);
      EXPECT_EQ(r.replay.code(), encodeMatch(k));
    }
}

TEST(Replay, ARefusedCodeSaysWhyAndLeavesAnOrdinaryMatchSeenFromItsKickOff) {
  Opened opened;
  std::string why;
  EXPECT_FALSE(opened.form.open({.match = "not a code", .atSecond = 600}, why));
  EXPECT_FALSE(why.empty());
  opened.form.load();
  Form1& f = opened.form;
  EXPECT_TRUE(f.Picture2.visible);  // the title screen, as ever
  f.click(f.Command2);
  f.click(f.Command5);
  EXPECT_FALSE(f.replay.hurrying());
  EXPECT_LT(f.MatchMinute, 10);  // not joined at 10:00
}

TEST(Replay, TheEndTellsTheMemorableMomentsOnceEachWithWhatTheyCameTo) {
  // The first golden match has both endings of the injury and many asides.
  std::string why;
  const SimulatedMatch m =
      simulateMatch(1, {.userActs = false, .replay = decodeMatch(GoldenMatches[0].code, why)});
  const std::vector<MatchMoment> told = toldMoments(m.moments);
  auto tells = [&told](const std::string& text) {
    return std::count_if(told.begin(), told.end(),
                         [&text](const MatchMoment& t) { return t.told == text; });
  };
  EXPECT_GT(tells("The injury: the judges' marks"), 0);
  EXPECT_GT(tells("The injury: the ambulance"), 0);
  EXPECT_EQ(tells("The injury"), 0);
  EXPECT_EQ(tells("An aside"), 0);
  EXPECT_EQ(tells("The sign-off"), 1);
  EXPECT_EQ(told.size(), std::count_if(m.moments.begin(), m.moments.end(),
                                       [](const Moment& k) { return rowOf(k.kind).memorable; }));

  const std::vector<MatchMoment> once = {{"A goal, disallowed", 5}, {"A card: red", 5}};
  EXPECT_EQ(toldMoments({{MomentKind::Goal, 5},
                         {MomentKind::Interjection, 5},
                         {MomentKind::Goal, 5},
                         {MomentKind::Card, 5, "red"}}),
            once);
}

TEST(Replay, ABroadcastAskedToStartPastTheMatchsEndSaysWhenTheMatchEnded) {
  // The fourth golden match ends by the walk-off in minute 7.
  std::string why;
  const std::optional<KickOff> k = decodeMatch(GoldenMatches[3].code, why);
  const SimulatedMatch whole = simulateMatch(1, {.userActs = false, .replay = k});
  const int end = static_cast<int>(5 * ((whole.steps - whole.kickOffStep) / StepsPerSecond));
  for (const int startAt : {end - 5, end + 5, 99 * 60}) {
    const SimulatedMatch m = simulateMatch(1, {.userActs = false, .replay = k, .startAt = startAt});
    EXPECT_EQ(m.endedBeforeItsStart, startAt <= end ? ""
                                                    : "This match ended at " + matchTime(end) +
                                                          ", before " + matchTime(startAt) + ".");
    EXPECT_EQ(m.moments, whole.moments);
  }
}
