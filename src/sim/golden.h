#pragma once

// The golden matches: fixed codes, each with a digest of the whole match it
// plays (every line at its clock step, every moment, how and when it ended).
// Together they draw every skit, both endings of the injury, the walk-off
// early and late, half time and full time, and kick off at every phase of
// the clock. A change that makes one of them play differently changes what
// every shared code plays: it must bump the rules version in the same
// change, and record the golden matches anew.

#include <cstdint>
#include <string>
#include <vector>

#include "sim/simulator.h"

struct GoldenMatch {
  const char* code;
  const char* covers;  // what it is in the table for
  std::uint64_t digest;
};

extern const std::vector<GoldenMatch> GoldenMatches;

// The digest of a match played from its code: FNV-1a over each line with its
// step from the kick-off, each moment with its second, the end and the
// match's length.
std::uint64_t goldenDigest(const SimulatedMatch& match);

// What does not hold of the golden matches, one sentence each that says
// what to do; empty when each plays as recorded.
std::vector<std::string> goldenFailures();

// The table of golden matches as this build plays them, in this program's
// version, to record anew after a bump.
std::string goldenTable();
