#include "sim/golden.h"

#include <cinttypes>
#include <cstdio>

#include "app/match_code.h"

// clang-format off
const std::vector<GoldenMatch> GoldenMatches = {
    {"BZEzdiRh6nMoAABG0aaByZFb", "phase 0 after its heartbeat; a walk-off in minute 74, both injuries, the girl", 0xe6dc775caf215bfaull},
    {"BAAAAAAAAV-MAAAtW6bi67a2", "phase 1 after; full time", 0x67b864e21b9b80a9ull},
    {"BAAAAAAAAWJQAAAwnCJjaGpa", "phase 2 after; a walk-off in minute 17, two cards", 0x223b0fffb88db481ull},
    {"ByHVWMahXICEAABa6ZLk_ttf", "phase 3 after; a walk-off in minute 7", 0x98cd1e4e56bc0cb5ull},
    {"BAAAAAAABRLgAAA8UrJloSWe", "phase 4 after; a walk-off after half time, three football dreams", 0xf7e7d317b0cf1b8full},
    {"BAAAAAAAAQgAAAAca9RG821h", "phase 5 after; a walk-off in minute 16, a card", 0x28c6c1ca3b52f23bull},
    {"Bb68KICoiHVEAAAi08UHf5aD", "phase 6 after; the judges' marks, an arrest, a walk-off in minute 11", 0x3638654dd69c368eull},
    {"BAAAAAAAAU9YAAAu1BJoYN2t", "phase 7 after; the ambulance four times, a walk-off in minute 57", 0xc523e3e96ae3142bull},
    {"BAAAAAAAAI6UAABGSakJtDCI", "phase 0 before its heartbeat; full time", 0x08e295c2f0316688ull},
    {"BaURnmxy396AAAAfKbjq22Cy", "phase 1 before; a walk-off in minute 39", 0x98ab23dd6a146c73ull},
    {"BBDxf8f4kKkwAABVGbJNdfsO", "phase 4 before; a walk-off in minute 83", 0xd73e640ae9c74479ull},
    {"BAAAAAAABB14AAAqG9AOtenQ", "phase 5 before; full time, every skit", 0xbf3baa1fd1f2a0d0ull},
};
// clang-format on

namespace {

SimulatedMatch play(const KickOff& kickOff) {
  return simulateMatch(1, {.userActs = false, .replay = kickOff, .transcript = true});
}

}  // namespace

std::uint64_t goldenDigest(const SimulatedMatch& m) {
  std::uint64_t h = 14695981039346656037ull;
  auto add = [&h](const std::string& bytes) {
    for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    h = (h ^ '\n') * 1099511628211ull;
  };
  for (const TranscriptLine& line : m.transcript) add(std::to_string(line.step) + " " + line.line);
  for (const Moment& moment : m.moments)
    add(std::to_string(moment.second) + " " + nameOf(moment.kind));
  add(std::string(nameOf(m.cause)) + " " + std::to_string(m.steps - m.kickOffStep));
  return h;
}

std::vector<std::string> goldenFailures() {
  std::vector<std::string> failures;
  for (const GoldenMatch& golden : GoldenMatches) {
    std::string why;
    const std::optional<KickOff> kickOff = decodeMatch(golden.code, why);
    const std::string which =
        std::string("The golden match ") + golden.code + " (" + golden.covers + ")";
    if (!kickOff) {
      failures.push_back(which + " is refused: " + why +
                         " After a bump of the rules version, record the golden matches anew "
                         "(simulate --golden prints them).");
      continue;
    }
    const SimulatedMatch m = play(*kickOff);
    for (const std::string& v : m.violations) failures.push_back(which + ": " + v);
    if (const std::uint64_t digest = goldenDigest(m); digest != golden.digest) {
      char text[64];
      std::snprintf(text, sizeof text, "%016" PRIx64 ", not %016" PRIx64, digest, golden.digest);
      failures.push_back(which + " plays differently (digest " + text +
                         "): this change alters what shared codes play, so bump the rules "
                         "version (RulesVersion in src/app/match_code.cpp) in the same change and "
                         "record the golden matches anew (simulate --golden prints them).");
    }
  }
  return failures;
}

std::string goldenTable() {
  std::string table;
  for (const GoldenMatch& golden : GoldenMatches) {
    std::string why;
    // A code of earlier rules is recorded anew as the same kick-off under these.
    std::optional<KickOff> kickOff = decodeMatch(golden.code, why);
    if (!kickOff) kickOff = earlierKickOff(golden.code);
    if (!kickOff) continue;
    const std::string code = encodeMatch(*kickOff);
    char digest[32];
    std::snprintf(digest, sizeof digest, "0x%016" PRIx64 "ull", goldenDigest(play(*kickOff)));
    table += "    {\"" + code + "\", \"" + golden.covers + "\", " + digest + "},\n";
  }
  return table;
}
