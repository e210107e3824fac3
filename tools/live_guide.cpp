#include "live_guide.h"

#include <algorithm>
#include <chrono>
#include <cinttypes>
#include <cstdio>
#include <ctime>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "live/channel.h"
#include "sim/simulator.h"

namespace {

// "20:05:00" of a clock step.
std::string clockOf(std::uint64_t step) { return utcText(step).substr(11, 8); }

void printGuideLine(const LiveMatch& m) {
  std::string home = m.home, away = m.away;
  if (home.empty()) {
    const PlayedMatch names = playUnseen(m.kickOff, 0);
    home = names.home;
    away = names.away;
  }
  std::printf("%s  %s v %s  %s  ends %s  %s\n", utcText(m.kickOffAt).c_str(), home.c_str(),
              away.c_str(), m.code.c_str(), clockOf(m.endAt).c_str(),
              m.fullTime ? "full time" : "walk-off");
}

}  // namespace

int printSchedule(std::uint64_t from, int count) {
  for (const LiveMatch& m : schedule(from, count)) printGuideLine(m);
  return 0;
}

int printLive(std::uint64_t at, bool transcript) {
  const OnAir on = onAir(at);
  const LiveMatch& m = on.match;
  if (on.beforeKickOff())
    std::printf("%s  the lineups, kick-off in %s:\n", utcText(at).c_str(),
                matchTime(static_cast<int>((m.kickOffAt - at + 63) / 64)).c_str());
  else
    std::printf("%s  on air since %s:\n", utcText(at).c_str(), clockOf(m.kickOffAt).c_str());
  printGuideLine(m);
  if (!transcript) return 0;
  const SimulatedMatch played = simulateMatch(
      1, {.userActs = false, .replay = m.kickOff, .liveStep = on.matchStep(), .transcript = true});
  for (const TranscriptLine& line : played.transcript)
    std::printf("%s  %s\n", utcText(m.kickOffAt + line.step).c_str(), line.line.c_str());
  for (const std::string& v : played.violations) std::printf("%s\n", v.c_str());
  std::printf("%s  the lineups of the next match\n", utcText(m.endAt).c_str());
  return played.violations.empty() ? 0 : 1;
}

// Each hour's dearest moment, its last step, looked up in three passes over
// all the hours: the least of an hour's three times is what the lookup
// costs, the rest the machine's own pauses (a shared machine stalls for a
// second or more at times, doubling whatever runs then). One pass's most is
// told beside it.
int printLookupCost(std::uint64_t from, int days) {
  constexpr int Passes = 3;
  const std::uint64_t first = from / LiveStepsPerHour;
  const std::size_t hours = 24 * static_cast<std::size_t>(days);
  std::vector<double> least(hours, 1e300);
  double most = 0;
  for (int pass = 0; pass < Passes; ++pass)
    for (std::size_t h = 0; h < hours; ++h) {
      const std::uint64_t hour = first + h;
      const auto start = std::chrono::steady_clock::now();
      const OnAir on = onAir((hour + 1) * LiveStepsPerHour - 1);
      const double ms =
          std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
              .count();
      least[h] = std::min(least[h], ms);
      most = std::max(most, ms);
      if (on.match.endAt != (hour + 1) * LiveStepsPerHour) {
        std::printf("the hour from %s does not end at the next one\n",
                    utcText(hour * LiveStepsPerHour).c_str());
        return 1;
      }
    }
  std::sort(least.begin(), least.end());
  std::printf("finding what is on, at the end of each of %zu hours from %s:\n", hours,
              utcText(first * LiveStepsPerHour).c_str());
  std::printf("  the least of %d passes: median %.1f ms, 99th percentile %.1f ms, most %.1f ms\n",
              Passes, least[hours / 2], least[hours * 99 / 100], least.back());
  std::printf("  one pass's most: %.1f ms\n", most);
  return 0;
}

int printFillers() {
  constexpr std::uint64_t Most = 270 * LiveStepsPerSecond, Bucket = 10 * LiveStepsPerSecond;
  constexpr int EachBucket = 3;
  std::map<std::uint64_t, std::map<std::uint64_t, std::string>> kept;  // bucket, length, code
  for (std::uint64_t seed = 1; seed <= 4000; ++seed) {
    const KickOff k = builderKickOff(seed);
    const PlayedMatch played = playUnseen(k, Most);
    if (!played.ended || played.steps > Most) continue;
    auto& bucket = kept[played.steps / Bucket];
    if (static_cast<int>(bucket.size()) < EachBucket) bucket.emplace(played.steps, encodeMatch(k));
  }
  for (const auto& [bucket, codes] : kept)
    for (const auto& [steps, code] : codes)
      std::printf("    {\"%s\", %" PRIu64 "},\n", code.c_str(), steps);
  return 0;
}
