// Plays many seeded matches in virtual time with a random user and prints
// what came of them: how the matches ended, which skits the lottery drew,
// how deeply the waits nested, and every invariant that did not hold.
//
//   simulate [MATCHES] [FIRST_SEED] [--each]      (10000 and 1 by default)
//
// With --each it first prints one line per match: its seed, steps, end and
// depth of nesting at the end, deepest nesting, the skits drawn, half and full
// time, and the number and digest of its commentary lines; two builds of the
// program print the same lines. The exit status is 1 when any invariant broke.

#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "match/engine.h"
#include "sim/simulator.h"

int main(int argc, char** argv) {
  const bool each = argc > 1 && std::strcmp(argv[argc - 1], "--each") == 0;
  if (each) --argc;
  const std::uint64_t matches = argc > 1 ? std::strtoull(argv[1], nullptr, 10) : 10000;
  const std::uint64_t first = argc > 2 ? std::strtoull(argv[2], nullptr, 10) : 1;
  const auto start = std::chrono::steady_clock::now();

  std::array<std::uint64_t, EndCauses> ends{};
  std::array<std::uint64_t, LotteryRows> skits{};
  std::array<std::uint64_t, 8> endDepths{};
  std::uint64_t steps = 0, halfTimes = 0, fullTimes = 0, violations = 0;
  int deepest = 0;
  for (std::uint64_t seed = first; seed < first + matches; ++seed) {
    const SimulatedMatch m = simulateMatch(seed);
    if (each) {
      std::printf("seed %llu steps %llu end %s depth %d deepest %d skits",
                  static_cast<unsigned long long>(seed), static_cast<unsigned long long>(m.steps),
                  nameOf(m.cause), m.endDepth, m.deepest);
      for (std::uint64_t k : m.lotteryStarts)
        std::printf(" %llu", static_cast<unsigned long long>(k));
      std::printf(" half %d full %d lines %llu %016llx\n", m.halfTime, m.fullTime,
                  static_cast<unsigned long long>(m.lines),
                  static_cast<unsigned long long>(m.linesDigest));
    }
    steps += m.steps;
    ++ends[static_cast<std::size_t>(m.cause)];
    ++endDepths[std::min<std::size_t>(static_cast<std::size_t>(m.endDepth), endDepths.size() - 1)];
    for (std::size_t k = 0; k < skits.size(); ++k) skits[k] += m.lotteryStarts[k];
    halfTimes += m.halfTime;
    fullTimes += m.fullTime;
    deepest = std::max(deepest, m.deepest);
    for (const std::string& v : m.violations) {
      ++violations;
      std::printf("seed %llu: %s\n", static_cast<unsigned long long>(seed), v.c_str());
    }
  }

  const std::chrono::duration<double> wall = std::chrono::steady_clock::now() - start;
  const double hours = static_cast<double>(steps) / StepsPerSecond / 3600;
  std::printf("matches                %llu (seeds %llu to %llu)\n",
              static_cast<unsigned long long>(matches), static_cast<unsigned long long>(first),
              static_cast<unsigned long long>(first + matches - 1));
  std::printf("virtual hours played   %.1f (%.1f minutes a match on average)\n", hours,
              hours * 60 / static_cast<double>(matches));
  std::printf("ends by cause\n");
  for (int c = 0; c < EndCauses; ++c)
    std::printf("  %-20s %llu\n", nameOf(static_cast<EndCause>(c)),
                static_cast<unsigned long long>(ends[static_cast<std::size_t>(c)]));
  std::printf("ends by depth of nesting\n");
  for (std::size_t d = 1; d < endDepths.size(); ++d)
    if (endDepths[d])
      std::printf("  %zu%-19s %llu\n", d, d + 1 == endDepths.size() ? "+" : "",
                  static_cast<unsigned long long>(endDepths[d]));
  std::printf("skits drawn by the lottery\n");
  for (std::size_t k = 0; k < skits.size(); ++k)
    std::printf("  %-20s %llu\n", Lottery[k].name, static_cast<unsigned long long>(skits[k]));
  std::printf("half-time speeches     %llu\n", static_cast<unsigned long long>(halfTimes));
  std::printf("full-time speeches     %llu\n", static_cast<unsigned long long>(fullTimes));
  std::printf("deepest nesting        %d passes\n", deepest);
  std::printf("invariant violations   %llu\n", static_cast<unsigned long long>(violations));
  std::printf("wall time              %.1f s\n", wall.count());
  return violations ? 1 : 0;
}
