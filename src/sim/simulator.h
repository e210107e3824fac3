#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"

// Plays seeded matches of the whole program in virtual time, from start-up
// to their end, with every skit real and, optionally, a user who makes
// random choices on the builder, reads the information sheets, and clicks
// "&Exit" or closes the window at random moments, also inside nested waits.
// After every pass it checks what must always hold.

enum class EndCause { Exit, WalkOff, FullTime, Closed, Unexplained };
inline constexpr int EndCauses = 5;
const char* nameOf(EndCause cause);

struct SimulatedMatch {
  std::uint64_t seed = 0;
  std::uint64_t steps = 0;  // clock steps from start-up to the end
  EndCause cause = EndCause::Unexplained;
  int endDepth = 0;  // how deeply passes were nested when the end came
  int deepest = 0;   // the deepest nesting of passes seen
  std::array<std::uint64_t, LotteryRows> lotteryStarts{};
  bool halfTime = false, fullTime = false;
  // The commentary lines shown, and a digest of them with their steps: two
  // builds of the program that show the same lines at the same steps agree.
  std::uint64_t lines = 0, linesDigest = 0;
  std::vector<std::string> violations;  // what did not hold, with the step
};

struct SimulationOptions {
  bool userActs = true;  // the user plays with the builder and may leave early
};

SimulatedMatch simulateMatch(std::uint64_t seed, const SimulationOptions& options = {});
