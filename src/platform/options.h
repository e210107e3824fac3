#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "platform/platform.h"

// What the command line chose for one run. Left empty, the program runs as it
// always has.
struct Options {
  // Seeds the shared generator at start-up instead of the clock: the same seed
  // and the same user actions give the same countries, names and match.
  std::optional<std::uint64_t> seed = std::nullopt;
  // The window drawn this many times larger, from 1 to 4. Only the window's
  // toolkit reads it: the program itself keeps working in the design's twips.
  std::optional<double> scale = std::nullopt;
  // The broadcast shown full-screen, as large as the screen allows, on black.
  // Only the window's toolkit reads it.
  bool fullScreen = false;
  // The announcer's lines read aloud by the platform's speech engine. Only
  // the window's toolkit reads it: the program decides what is read either way.
  bool voice = false;
  // The match of this code opens on its lineups, and its "&Go" kicks it off
  // as it was kicked off: the same match, line for line.
  std::optional<std::string> match = std::nullopt;
  // The broadcast starts at this match second: the match before it runs
  // unseen, as fast as the machine goes.
  std::optional<int> atSecond = std::nullopt;
  // Each commentary line goes to standard output with the match clock.
  bool transcript = false;
  // Tunes in to the live channel: the match on now, where it is now, and
  // the next ones after it.
  bool live = false;
  // For tests only: the channel's clock starts at this UTC time (in clock
  // steps since 1970) instead of the system's, and goes on at the real pace.
  std::optional<std::uint64_t> liveTestStart = std::nullopt;
};

// A seed as typed: digits only (no sign, blank or base prefix), a whole number
// of 64 bits. Anything else is refused, and `why` says so, quoting `shown`,
// the text as the platform may show it.
std::optional<std::uint64_t> parseSeed(std::string_view text, std::string_view shown,
                                       std::string& why);

// Hands the options to the core through its platform, before start-up.
inline void applyOptions(const Options& options, Platform& platform) {
  if (options.seed) platform.random().fixSeed(*options.seed);
}
