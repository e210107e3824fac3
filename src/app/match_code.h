#pragma once

// A match as a short code that anyone can pass on: everything its kick-off
// needs, in 24 characters of letters, digits, '-' and '_' (base64url), with a
// version and a check. From the kick-off on, the broadcast is a function of
// what the program holds then, so the same kick-off plays the same match,
// line for line and clock step for clock step.

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// What the program holds at kick-off, told by what made it: the generator's
// seed and its draws up to the builder's "&Go" (the lineups' names and
// everything after are drawn from there), the syllable chosen in each of the
// six lists, and where the lineups' "&Go" fell among the clock steps.
struct KickOff {
  std::uint64_t seed = 0;
  std::uint64_t draws = 0;
  // The entry chosen in Combo1(0) to Combo1(5), from 0.
  std::array<int, 6> syllables{};
  // The phase (step mod 8) of the clock step the kick-off read the tick
  // counter at: a wait of so many milliseconds lasts a step more or less by
  // it, as a step is 15 or 16 ms. None while the lineups wait for "&Go".
  std::optional<int> phase = std::nullopt;
  // Whether "&Go" came in a step's pass before that step's heartbeat, or
  // after a heartbeat, before the next pass.
  bool beforeHeartbeat = false;

  bool operator==(const KickOff&) const = default;
};

// The most draws a code may ask to skip: far more than anyone makes on the
// builder, and few enough to skip at once.
inline constexpr std::uint64_t MostDraws = std::uint64_t{1} << 20;

inline constexpr std::size_t MatchCodeLength = 24;

// The code of a kick-off; "" for one no program makes (a value out of range).
std::string encodeMatch(const KickOff& kickOff);

// The kick-off of a code of this program's rules, or none with one sentence
// in `why` that says what is wrong with it. A code of earlier rules is never
// played by these: its sentence gives the code of its countries and lineups
// under these rules, a new match.
std::optional<KickOff> decodeMatch(std::string_view code, std::string& why);

// The kick-off written in a code of earlier rules whose check holds, as it
// was written; none for any other code.
std::optional<KickOff> earlierKickOff(std::string_view code);

// The version of the rules this program plays, which its codes carry.
int rulesVersion();

// A match second as the clock shows it, "MM:SS".
std::string matchTime(int second);

// What the lineups of a match joined at `second` say until the kick-off:
// "Starts at 04:10 - press Go".
std::string startsAt(int second);

// "MM:SS" (one to three digits of minutes, two of seconds) as a match
// second, or none with one sentence in `why`.
std::optional<int> parseMatchTime(std::string_view text, std::string& why);

// The address of the page at `site` that plays the match of `code`, from
// its kick-off or from a match second on. Where there is no site, the same
// in words that work with the program and with any copy of the page:
// "blunderfest --match CODE --at 20:05 (on the page: ?match=CODE&at=20:05)".
std::string matchLink(std::string_view site, std::string_view code, int atSecond = 0);
