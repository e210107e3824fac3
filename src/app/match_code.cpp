#include "app/match_code.h"

#include <cstdio>
#include <span>

#include "teams/countries.h"

namespace {

constexpr int Version = 1;
constexpr std::string_view Alphabet =
    "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789-_";

// The fields of a version-1 code, in bits, in the order they are written:
// the version (so the first character names it), the seed, the draws, the
// syllables of the six lists, the kick-off's step (0 before the kick-off,
// else 1 + phase, plus 8 for a "&Go" before its heartbeat), then the check
// of the 120 bits before it.
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
  bits.put(Version, VersionBits);
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

std::optional<KickOff> decodeMatch(std::string_view code, std::string& why) {
  if (code.empty()) {
    why = "The match code is empty.";
    return std::nullopt;
  }
  if (code.size() != MatchCodeLength) {
    why = sentence("A match code has 24 characters; this one has %zu.", code.size());
    return std::nullopt;
  }
  Bits bits;
  for (std::size_t i = 0; i < MatchCodeLength; ++i) {
    const std::size_t sextet = Alphabet.find(code[i]);
    if (sextet == std::string_view::npos) {
      why = "A match code holds only letters, digits, '-' and '_'.";
      return std::nullopt;
    }
    bits.put(sextet, 6);
  }
  bits.at = 0;
  if (const std::uint64_t version = bits.take(VersionBits); version != Version) {
    why = sentence("This match code is of version %zu; this program plays codes of version 1.",
                   static_cast<std::size_t>(version));
    return std::nullopt;
  }
  KickOff k;
  k.seed = bits.take(SeedBits);
  k.draws = bits.take(DrawBits);
  for (int list = 0; list < 6; ++list)
    k.syllables[static_cast<std::size_t>(list)] =
        static_cast<int>(bits.take(SyllableBits[list % 3]));
  const int step = static_cast<int>(bits.take(StepBits));
  if (bits.take(CheckBits) != check(std::span(bits.bytes).first(CheckedBytes))) {
    why = "This match code is mistyped: its check characters do not match the rest.";
    return std::nullopt;
  }
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

std::string matchTime(int second) {
  char text[32];
  std::snprintf(text, sizeof text, "%02d:%02d", second / 60, second % 60);
  return text;
}

std::optional<int> parseMatchTime(std::string_view text, std::string& why) {
  const std::size_t colon = text.find(':');
  auto digits = [](std::string_view part) {
    for (const char c : part)
      if (c < '0' || c > '9') return false;
    return !part.empty();
  };
  if (colon == std::string_view::npos || colon > 3 || text.size() != colon + 3 ||
      !digits(text.substr(0, colon)) || !digits(text.substr(colon + 1)) || text[colon + 1] > '5') {
    why = "A match time is minutes and seconds, such as 20:05.";
    return std::nullopt;
  }
  int minutes = 0;
  for (const char c : text.substr(0, colon)) minutes = minutes * 10 + (c - '0');
  return minutes * 60 + (text[colon + 1] - '0') * 10 + (text[colon + 2] - '0');
}

std::string matchLink(std::string_view site, std::string_view code, int atSecond) {
  std::string link = std::string(site) + "?match=" + std::string(code);
  if (atSecond > 0) link += "&at=" + matchTime(atSecond);
  return link;
}
