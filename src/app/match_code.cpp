#include "app/match_code.h"

#include <cstdio>
#include <span>

#include "teams/countries.h"

namespace {

// The version of the rules a code is played by, written first in every code.
// It covers everything a match depends on: every draw and its order, the
// lottery's rows, the texts and the durations that follow from them, the
// engine's constants, and the code's own layout. A change that makes any
// code play differently bumps it: the golden matches' test fails until then.
constexpr int RulesVersion = 1;
constexpr std::string_view Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// The fields of a code, in bits, in the order they are written: the version
// (so the first character names it), the seed, the draws, the syllables of
// the six lists, the kick-off's step (0 before the kick-off, else 1 + phase,
// plus 8 for a "&Go" before its heartbeat), then the check of the 120 bits
// before it. The check comes last over everything before it in every
// layout, so that a code is checked before anything in it is believed, its
// version included.
constexpr int VersionBits = 6, SeedBits = 64, DrawBits = 25, StepBits = 5, CheckBits = 24;
constexpr int SyllableBits[3] = {3, 3, 4};  // first syllable, middle syllable, ending
constexpr std::size_t CheckedBytes = 15, CodeBytes = 18;
constexpr int Steps = 16;

using Bytes = std::array<std::uint8_t, CodeBytes>;

// Bits written and read from the first byte's highest bit on.
struct Bits {
  Bytes bytes{};
  int at = 0;

  void put(std::uint64_t value, int count) {
    for (int i = count - 1; i >= 0; --i, ++at)
      if ((value >> i) & 1) bytes[static_cast<std::size_t>(at / 8)] |= 0x80 >> (at % 8);
  }
  std::uint64_t take(int count) {
    std::uint64_t value = 0;
    for (int i = 0; i < count; ++i, ++at)
      value = value << 1 | ((bytes[static_cast<std::size_t>(at / 8)] >> (7 - at % 8)) & 1);
    return value;
  }
};

// CRC-24 with OpenPGP's polynomial: it catches every change confined to 24
// bits in a row, so every mistyped character and every two neighbours
// swapped; other changes slip through once in 16 million.
std::uint32_t check(std::span<const std::uint8_t> bytes) {
  std::uint32_t crc = 0xB704CE;
  for (const std::uint8_t byte : bytes) {
    crc ^= static_cast<std::uint32_t>(byte) << 16;
    for (int i = 0; i < 8; ++i) {
      crc <<= 1;
      if (crc & 0x1000000) crc ^= 0x1864CFB;
    }
  }
  return crc & 0xFFFFFF;
}

// What is out of range in a kick-off, or "" when nothing is.
std::string outOfRange(const KickOff& k) {
  if (k.draws > MostDraws) return "This match code asks for more draws than a match can make.";
  for (int list = 0; list < 6; ++list) {
    const int entry = k.syllables[static_cast<std::size_t>(list)];
    if (entry < 0 || entry >= syllableCount(list))
      return "This match code names a syllable that is not in its list.";
  }
  if (k.phase && (*k.phase < 0 || *k.phase >= Steps / 2))
    return "This match code names a kick-off step that no clock has.";
  return "";
}

std::string sentence(const char* format, std::size_t value) {
  char text[128];
  std::snprintf(text, sizeof text, format, value);
  return text;
}

}  // namespace

std::string encodeMatch(const KickOff& k) {
  if (!outOfRange(k).empty()) return "";
  Bits bits;
  bits.put(RulesVersion, VersionBits);
  bits.put(k.seed, SeedBits);
  bits.put(k.draws, DrawBits);
  for (int list = 0; list < 6; ++list)
    bits.put(static_cast<std::uint64_t>(k.syllables[static_cast<std::size_t>(list)]),
             SyllableBits[list % 3]);
  bits.put(k.phase ? static_cast<std::uint64_t>(1 + *k.phase + (k.beforeHeartbeat ? 8 : 0)) : 0,
           StepBits);
  bits.put(check(std::span(bits.bytes).first(CheckedBytes)), CheckBits);
  std::string code;
  for (std::size_t i = 0; i < CodeBytes; i += 3) {
    const std::uint32_t group = static_cast<std::uint32_t>(bits.bytes[i]) << 16 |
                                static_cast<std::uint32_t>(bits.bytes[i + 1]) << 8 |
                                bits.bytes[i + 2];
    for (int shift = 18; shift >= 0; shift -= 6) code += Alphabet[(group >> shift) & 63];
  }
  return code;
}

namespace {

// The bits of a code whose check holds, or none with one sentence in `why`.
std::optional<Bits> checkedBits(std::string_view code, std::string& why) {
  if (code.empty()) {
    why = "The match code is empty.";
    return std::nullopt;
  }
  // Characters, not bytes: a character of UTF-8 is a leading byte and the
  // bytes that continue it; a byte that continues nothing counts alone.
  std::size_t characters = 0, outside = 0, continuing = 0;
  for (const char c : code) {
    const auto byte = static_cast<unsigned char>(c);
    if (continuing > 0 && (byte & 0xC0) == 0x80) {
      --continuing;
      continue;
    }
    continuing = byte >= 0xF0 ? 3 : byte >= 0xE0 ? 2 : byte >= 0xC0 ? 1 : 0;
    ++characters;
    if (!outside && Alphabet.find(c) == std::string_view::npos) outside = characters;
  }
  if (characters != MatchCodeLength) {
    why = sentence("A match code has 24 characters; this one has %zu.", characters);
    return std::nullopt;
  }
  if (outside) {
    why = sentence(
        "A match code holds only letters, digits, '-' and '_'; its character %zu is not one.",
        outside);
    return std::nullopt;
  }
  Bits bits;
  for (const char c : code) bits.put(Alphabet.find(c), 6);
  bits.at = CheckedBytes * 8;
  if (bits.take(CheckBits) != check(std::span(bits.bytes).first(CheckedBytes))) {
    why = "This match code is mistyped: its check characters do not match the rest.";
    return std::nullopt;
  }
  bits.at = 0;
  return bits;
}

// The fields of checked bits after their version, or none with one sentence.
std::optional<KickOff> fields(Bits& bits, std::string& why) {
  KickOff k;
  k.seed = bits.take(SeedBits);
  k.draws = bits.take(DrawBits);
  for (int list = 0; list < 6; ++list)
    k.syllables[static_cast<std::size_t>(list)] =
        static_cast<int>(bits.take(SyllableBits[list % 3]));
  const int step = static_cast<int>(bits.take(StepBits));
  if (step > Steps) {
    why = "This match code names a kick-off step that no clock has.";
    return std::nullopt;
  }
  if (step > 0) {
    k.phase = (step - 1) % 8;
    k.beforeHeartbeat = step > 8;
  }
  why = outOfRange(k);
  if (!why.empty()) return std::nullopt;
  return k;
}

}  // namespace

std::optional<KickOff> decodeMatch(std::string_view code, std::string& why) {
  std::optional<Bits> bits = checkedBits(code, why);
  if (!bits) return std::nullopt;
  const int version = static_cast<int>(bits->take(VersionBits));
  if (version == RulesVersion) return fields(*bits, why);
  if (version > RulesVersion) {
    why = sentence(
        "This match was played by a later version of the broadcast (rules %zu); update the "
        "program to watch it.",
        static_cast<std::size_t>(version));
    return std::nullopt;
  }
  const std::optional<KickOff> earlier = earlierKickOff(code);
  if (!earlier) {
    why = sentence("This match code names rules %zu, which no version of the broadcast played.",
                   static_cast<std::size_t>(version));
    return std::nullopt;
  }
  KickOff lineups = *earlier;
  lineups.phase.reset();
  why =
      "This match was played by an earlier version of the broadcast, which would play it "
      "differently now; the code " +
      encodeMatch(lineups) + " opens its countries and lineups as a new match.";
  return std::nullopt;
}

std::optional<KickOff> earlierKickOff(std::string_view code) {
  std::string why;
  std::optional<Bits> bits = checkedBits(code, why);
  if (!bits) return std::nullopt;
  // Every version so far has the same layout.
  const int version = static_cast<int>(bits->take(VersionBits));
  if (version < 1 || version >= RulesVersion) return std::nullopt;
  return fields(*bits, why);
}

int rulesVersion() { return RulesVersion; }

std::string matchTime(int second) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d", second / 60, second % 60);
  return text;
}

std::string startsAt(int second) { return "Starts at " + matchTime(second) + " - press Go"; }

std::optional<int> parseMatchTime(std::string_view text, std::string& why) {
  auto digits = [](std::string_view part) {
    for (const char c : part)
      if (c < '0' || c > '9') return false;
    return !part.empty();
  };
  auto number = [](std::string_view part) {
    int value = 0;
    for (const char c : part) value = value * 10 + (c - '0');
    return value;
  };
  const std::size_t colon = text.find(':');
  const std::string_view minutes = text.substr(0, colon);
  const std::string_view seconds =
      colon == std::string_view::npos ? std::string_view{} : text.substr(colon + 1);
  if (digits(minutes) && minutes.size() <= 3 && seconds.size() == 2 && digits(seconds) &&
      number(seconds) < 60)
    return number(minutes) * 60 + number(seconds);
  why = "A match time is minutes and seconds, such as 20:05";
  // Digits and a colon are quoted as given; anything else could be anything.
  if (digits(minutes) && digits(seconds) && text.size() <= 12) {
    const std::string given(text);
    if (seconds.size() == 1)
      why += ": " + given + " has one digit of seconds";
    else if (seconds.size() != 2)
      why += ": " + given + " has " + std::to_string(seconds.size()) + " digits of seconds";
    else if (number(seconds) >= 60)
      why += ": " + given + " has " + std::string(seconds) + " seconds";
    else
      why += ": " + given + " has more minutes than the clock shows";
  }
  why += ".";
  return std::nullopt;
}

std::string matchLink(std::string_view site, std::string_view code, int atSecond) {
  const std::string at = atSecond > 0 ? matchTime(atSecond) : "";
  const std::string query = "?match=" + std::string(code) + (at.empty() ? "" : "&at=" + at);
  if (!site.empty()) return std::string(site) + query;
  return "blunderfest --match " + std::string(code) + (at.empty() ? "" : " --at " + at) +
         " (on the page: " + query + ")";
}
