#pragma once

// The live channel: always on the air, the same broadcast for everyone who
// tunes in at the same moment, with no server. What is on is a function of
// UTC time alone.
//
// Time is counted in clock steps (1/64 s) since 1970-01-01T00:00:00Z. Each
// UTC hour is an anchor: the hour's first match shows its lineups from the
// hour on, with a countdown of a minute, and kicks off at one minute past.
// Each next match shows its lineups from the previous one's end and kicks
// off a minute after the second it ended in. A match that would not end more than a minute before
// the next anchor is not played: the rest of the hour goes to short filler
// matches, whose countdowns (of 45 to 60 seconds) take up what is left, so
// that the hour's last match ends exactly at the next anchor. Every match
// plays whole, and finding what is on plays at most the matches of one hour.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/match_code.h"

inline constexpr std::uint64_t LiveStepsPerSecond = 64;
inline constexpr std::uint64_t LiveStepsPerHour = 3600 * LiveStepsPerSecond;
// The lineups' countdown between two matches, and the shortest a filler's
// countdown may be.
inline constexpr std::uint64_t CountdownSteps = 60 * LiveStepsPerSecond;
inline constexpr std::uint64_t ShortestCountdownSteps = 45 * LiveStepsPerSecond;

// A short match that fills the end of an hour, and its length in clock steps
// from its kick-off to its end.
struct Filler {
  const char* code;
  std::uint64_t steps;
};
// By length, shortest first; consecutive lengths differ by less than the
// span of a filler's countdown, so that any time left from the shortest
// filler on can be filled.
extern const std::vector<Filler> Fillers;

// One match on the channel.
struct LiveMatch {
  std::uint64_t hour = 0;  // of its anchor, in hours since 1970
  int index = 0;           // its place in the hour
  bool filler = false;
  KickOff kickOff;
  std::string code;
  std::string home, away;  // the countries; a filler's are not played for
  std::uint64_t lineupsAt = 0, kickOffAt = 0, endAt = 0;  // clock steps since 1970
  bool fullTime = false;                                  // else the walk-off ended it
};

// The kick-off of a start-up seeded by `seed`, the builder's "&Random" for
// each country, then its "&Go", as a viewer might have pressed them; the
// phase of its kick-off from the same seed.
KickOff builderKickOff(std::uint64_t seed);
// The kick-off of the hour's slot: the builder's, seeded by the slot.
KickOff slotKickOff(std::uint64_t hour, int index);

// What a kick-off plays, played unseen to its end in virtual time.
struct PlayedMatch {
  std::string home, away;   // the countries
  std::uint64_t steps = 0;  // from the kick-off to the end
  bool fullTime = false;
  bool ended = false;  // false where it ran past `most` steps and was left
};
PlayedMatch playUnseen(const KickOff& kickOff, std::uint64_t most = UINT64_MAX);

// The matches whose lineups show in the hour, in order; only as far as the
// one on at step `until`, where one is given.
std::vector<LiveMatch> hourOnAir(std::uint64_t hour, std::uint64_t until = UINT64_MAX);

// What the channel shows at a clock step: the match whose lineups or play
// it is in.
struct OnAir {
  LiveMatch match;
  std::uint64_t at = 0;  // the clock step asked for
  bool beforeKickOff() const { return at < match.kickOffAt; }
  // The step of the match clock, counted from the kick-off (0 before it).
  std::uint64_t matchStep() const { return beforeKickOff() ? 0 : at - match.kickOffAt; }
};
OnAir onAir(std::uint64_t step);

// The matches from the one on at `step`, `count` of them.
std::vector<LiveMatch> schedule(std::uint64_t step, int count);

// "2026-12-24T20:05:00Z" (seconds, with or without a fraction, or a date
// alone at midnight) as a clock step; none with one sentence in `why`.
std::optional<std::uint64_t> parseUtc(const std::string& text, std::string& why);
// A clock step as "2026-12-24T20:05:00Z", the fraction of a second left out.
std::string utcText(std::uint64_t step);
