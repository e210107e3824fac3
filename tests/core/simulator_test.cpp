// Whole matches, seeded, with a random user: nothing that must always hold
// ever breaks, whatever the skits, the nesting of waits and the way out.
#include "sim/simulator.h"

#include <gtest/gtest.h>

#ifndef SIMULATED_MATCHES
#define SIMULATED_MATCHES 300
#endif

TEST(Simulator, SeededMatchesWithARandomUserKeepEveryInvariantAndEndForAReason) {
  std::array<int, EndCauses> ends{};
  int deepest = 0;
  for (std::uint64_t seed = 1; seed <= SIMULATED_MATCHES; ++seed) {
    const SimulatedMatch m = simulateMatch(seed);
    for (const std::string& v : m.violations) ADD_FAILURE() << "seed " << seed << ", " << v;
    ++ends[static_cast<std::size_t>(m.cause)];
    deepest = std::max(deepest, m.deepest);
  }
  EXPECT_EQ(ends[static_cast<std::size_t>(EndCause::Unexplained)], 0);
  // The user's ways out and the walk-off all come up, also deep inside waits.
  for (EndCause cause : {EndCause::Exit, EndCause::WalkOff, EndCause::Closed})
    EXPECT_GT(ends[static_cast<std::size_t>(cause)], 0) << nameOf(cause);
  EXPECT_GE(deepest, 3);
}

TEST(Simulator, ASeedReplaysTheSameMatch) {
  const SimulatedMatch a = simulateMatch(42), b = simulateMatch(42);
  EXPECT_EQ(a.steps, b.steps);
  EXPECT_EQ(a.cause, b.cause);
  EXPECT_EQ(a.lotteryStarts, b.lotteryStarts);
}
