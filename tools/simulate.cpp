// Plays many seeded matches in virtual time with a random user and prints
// what came of them: how the matches ended, which skits the lottery drew,
// how deeply the waits nested, and every invariant that did not hold.
//
//   simulate [MATCHES] [FIRST_SEED] [--each]      (10000 and 1 by default)
//   simulate --match CODE [--at MM:SS] [--transcript]
//   simulate --golden
//   simulate --schedule [--from TIME] [--count N]
//   simulate --live [--at TIME] [--transcript]
//   simulate --fillers
//
// With --each it first prints one line per match: its seed, steps, end and
// depth of nesting at the end, deepest nesting, the skits drawn, half and full
// time, the number and digest of its commentary lines, and its code; two
// builds of the program print the same lines. The exit status is 1 when any
// invariant broke.
//
// With --match it plays the match of a code instead, "&Go" one second after
// its lineups open, and prints that line for it; with --transcript, each
// commentary line with the match clock shown then, from the start second of
// --at on. A code or a time that is refused is said in one line on stderr,
// with status 2.
//
// With --golden it plays the golden matches and says whether each plays as
// recorded; where one does not, what to do, and the table as this build
// plays it (status 1).
//
// With --schedule it prints the live channel's guide from TIME (a UTC time
// such as 2026-12-24T20:05:00Z; now by default): N matches (10 by default),
// one a line: kick-off, countries, code, end, and how it ended. With --live
// it tells what the channel shows at TIME, and with --transcript every line
// from then to that match's end, with the UTC second it shows at. --fillers
// prints a table of short matches for the ends of the channel's hours;
// --lookup-cost [--from TIME] [--count DAYS] what finding what is on costs.

#include <algorithm>
#include <array>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "app/match_code.h"
#include "live/channel.h"
#include "live_guide.h"
#include "match/engine.h"
#include "sim/golden.h"
#include "sim/simulator.h"

namespace {

void printMatch(const SimulatedMatch& m) {
  std::printf("seed %llu steps %llu end %s depth %d deepest %d skits",
              static_cast<unsigned long long>(m.seed), static_cast<unsigned long long>(m.steps),
              nameOf(m.cause), m.endDepth, m.deepest);
  for (std::uint64_t k : m.lotteryStarts) std::printf(" %llu", static_cast<unsigned long long>(k));
  std::printf(" half %d full %d lines %llu %016llx code %s\n", m.halfTime, m.fullTime,
              static_cast<unsigned long long>(m.lines),
              static_cast<unsigned long long>(m.linesDigest),
              m.code.empty() ? "-" : m.code.c_str());
}

int refuse(const std::string& why) {
  std::fprintf(stderr, "simulate: %s\n", why.c_str());
  return 2;
}

// An argument as a refusal quotes it: what does not print as \xHH, and a
// long one cut short.
std::string shown(std::string_view argument) {
  std::string text;
  for (const unsigned char c : argument) {
    if (text.size() >= 40) return text + "...";
    char piece[8];
    std::snprintf(piece, sizeof piece, c >= 0x20 && c < 0x7f ? "%c" : "\\x%02x", c);
    text += piece;
  }
  return text;
}

// One match, of a code.
int replay(const char* code, const char* at, bool transcript) {
  std::string why;
  const std::optional<KickOff> kickOff = decodeMatch(code, why);
  if (!kickOff) return refuse(why);
  std::optional<int> startAt = 0;
  if (at && !(startAt = parseMatchTime(at, why))) return refuse(why);
  const SimulatedMatch m = simulateMatch(
      1, {.userActs = false, .replay = kickOff, .startAt = *startAt, .transcript = transcript});
  if (!m.endedBeforeItsStart.empty()) return refuse(m.endedBeforeItsStart);
  if (transcript)
    for (const TranscriptLine& line : m.transcript) std::printf("%s\n", line.line.c_str());
  else
    printMatch(m);
  for (const std::string& v : m.violations) std::printf("%s\n", v.c_str());
  return m.violations.empty() ? 0 : 1;
}

int playGolden() {
  const std::vector<std::string> failures = goldenFailures();
  for (const std::string& failure : failures) std::printf("%s\n", failure.c_str());
  if (failures.empty()) {
    std::printf("%zu golden matches play as recorded\n", GoldenMatches.size());
    return 0;
  }
  std::printf("The golden matches as this build plays them:\n%s", goldenTable().c_str());
  return 1;
}

}  // namespace

constexpr const char* Usage =
    "usage: simulate [MATCHES] [FIRST_SEED] [--each]\n"
    "       simulate --match CODE [--at MM:SS] [--transcript]\n"
    "       simulate --golden\n"
    "       simulate --schedule [--from TIME] [--count N]\n"
    "       simulate --live [--at TIME] [--transcript]\n"
    "Plays seeded matches in virtual time (10000 from seed 1 by default) and says how they\n"
    "ended and what broke; --each adds a line per match. --match plays the match of a code,\n"
    "--at from a time of it, --transcript prints its lines. --golden plays the golden matches.\n"
    "--schedule prints the live channel's guide from TIME (UTC, such as 2026-12-24T20:05:00Z;\n"
    "now by default), N matches; --live tells what the channel shows at TIME, --transcript\n"
    "with every line from then to that match's end.\n";

int main(int argc, char** argv) {
  bool each = false, transcript = false, golden = false, guide = false, live = false,
       fillers = false, cost = false;
  const char *code = nullptr, *at = nullptr, *from = nullptr, *count = nullptr;
  std::array<const char*, 2> numbers{};
  std::size_t given = 0;
  const std::array<std::pair<std::string_view, bool*>, 7> flags{{{"--each", &each},
                                                                 {"--transcript", &transcript},
                                                                 {"--golden", &golden},
                                                                 {"--schedule", &guide},
                                                                 {"--live", &live},
                                                                 {"--fillers", &fillers},
                                                                 {"--lookup-cost", &cost}}};
  // A count of matches or days, as typed: up to four digits, at least 1.
  const auto counted = [&count](int otherwise) -> std::optional<int> {
    const std::string_view n = count ? count : "";
    if (!count) return otherwise;
    if (n.empty() || n.size() > 4 || n.find_first_not_of("0123456789") != std::string_view::npos)
      return std::nullopt;
    return std::max(1, std::stoi(std::string(n)));
  };
  for (int i = 1; i < argc; ++i) {
    const std::string_view arg = argv[i];
    if (arg == "--help" || arg == "-h") {
      std::fputs(Usage, stdout);
      return 0;
    }
    const auto flag =
        std::find_if(flags.begin(), flags.end(), [arg](const auto& f) { return arg == f.first; });
    if (flag != flags.end())
      *flag->second = true;
    else if (arg == "--from" || arg == "--count") {
      if (i + 1 == argc) return refuse(std::string(arg) + " needs a value after it.");
      (arg == "--from" ? from : count) = argv[++i];
    } else if (arg == "--match" || arg == "--at") {
      if (i + 1 == argc)
        return refuse(arg == "--match" ? "--match needs a match code after it."
                                       : "--at needs a match time after it, such as 20:05.");
      (arg == "--match" ? code : at) = argv[++i];
    } else if (given < numbers.size() && !arg.empty() &&
               arg.find_first_not_of("0123456789") == std::string_view::npos && arg.size() <= 19)
      numbers[given++] = argv[i];
    else
      return refuse("unexpected argument '" + shown(arg) + "'. See --help.");
  }
  if (golden && (code || at || transcript || each || given))
    return refuse("--golden goes alone. See --help.");
  if (golden) return playGolden();
  if (fillers) return printFillers();
  if (cost) {
    std::string why;
    const std::optional<std::uint64_t> when = parseUtc(from ? from : "2026-12-01", why);
    if (!when) return refuse(why);
    const std::optional<int> days = counted(30);
    if (!days) return refuse("--count needs a number of days from 1 to 9999.");
    return printLookupCost(*when, *days);
  }
  if (guide || live) {
    if (guide == live || code || each || given || (guide && (at || transcript)) ||
        (live && (from || count)))
      return refuse("--schedule goes with --from and --count, --live with --at and --transcript.");
    std::string why;
    std::optional<std::uint64_t> when = std::chrono::duration_cast<std::chrono::milliseconds>(
                                            std::chrono::system_clock::now().time_since_epoch())
                                            .count() *
                                        LiveStepsPerSecond / 1000;
    if (const char* time = guide ? from : at; time && !(when = parseUtc(time, why)))
      return refuse(why);
    if (live) return printLive(*when, transcript);
    const std::optional<int> matches = counted(10);
    if (!matches) return refuse("--count needs a number of matches from 1 to 9999.");
    return printSchedule(*when, *matches);
  }
  if (from || count) return refuse("--from and --count go with --schedule.");
  if (code && (each || given))
    return refuse("--match plays one match: no seeds or --each with it.");
  if (code) return replay(code, at, transcript);
  if (at || transcript) return refuse("--at and --transcript go with --match.");
  const std::uint64_t matches = numbers[0] ? std::strtoull(numbers[0], nullptr, 10) : 10000;
  const std::uint64_t first = numbers[1] ? std::strtoull(numbers[1], nullptr, 10) : 1;
  const auto start = std::chrono::steady_clock::now();

  std::array<std::uint64_t, EndCauses> ends{};
  std::vector<std::uint64_t> skits(Skits.size());
  std::array<std::uint64_t, 8> endDepths{};
  std::uint64_t steps = 0, halfTimes = 0, fullTimes = 0, violations = 0;
  int deepest = 0;
  for (std::uint64_t seed = first; seed < first + matches; ++seed) {
    const SimulatedMatch m = simulateMatch(seed);
    if (each) printMatch(m);
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
    std::printf("  %-20s %llu\n", std::string(Skits[k].name).c_str(),
                static_cast<unsigned long long>(skits[k]));
  std::printf("half-time speeches     %llu\n", static_cast<unsigned long long>(halfTimes));
  std::printf("full-time speeches     %llu\n", static_cast<unsigned long long>(fullTimes));
  std::printf("deepest nesting        %d passes\n", deepest);
  std::printf("invariant violations   %llu\n", static_cast<unsigned long long>(violations));
  std::printf("wall time              %.1f s\n", wall.count());
  return violations ? 1 : 0;
}
