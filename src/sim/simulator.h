#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "app/form1.h"
#include "app/match_code.h"

// Plays seeded matches of the whole program in virtual time, from start-up
// to their end, with every skit real and, optionally, a user who makes
// random choices on the builder, reads the information sheets, and clicks
// "&Exit" or closes the window at random moments, also inside nested waits.
// After every pass it checks what must always hold. It also plays the match
// of a code, with "&Go" at a random moment as the only thing the user does.

enum class EndCause { Exit, WalkOff, FullTime, Closed, Unexplained };
inline constexpr int EndCauses = 5;
inline const char* nameOf(EndCause cause) {
  static constexpr const char* Names[EndCauses] = {"Exit", "walk-off", "full time", "window closed",
                                                   "unexplained"};
  return Names[static_cast<int>(cause)];
}

// A commentary line shown: the clock step it came in, counted from the step
// the match clock counts from, the match second the clock showed, and the
// line with that clock in front ("MM:SS line").
struct TranscriptLine {
  std::uint64_t step;
  int second;
  std::string line;
  bool operator==(const TranscriptLine&) const = default;
};

struct SimulatedMatch {
  std::uint64_t seed = 0;
  std::uint64_t steps = 0;  // clock steps from start-up to the end
  EndCause cause = EndCause::Unexplained;
  int endDepth = 0;                          // how deeply passes were nested when the end came
  int deepest = 0;                           // the deepest nesting of passes seen
  std::vector<std::uint64_t> lotteryStarts;  // by the skits' rows
  bool halfTime = false, fullTime = false;
  // The commentary lines shown, and a digest of them with their steps: two
  // builds of the program that show the same lines at the same steps agree.
  std::uint64_t lines = 0, linesDigest = 0;
  std::vector<std::string> violations;  // what did not hold, with the step
  std::string code;                     // the match's code, "" where it has none
  std::uint64_t kickOffStep = 0;        // the step the match clock counts from
  // The step the user ended the match in ("&Exit" or closing the window),
  // from kick-off, where he did so before anything else ended it.
  std::optional<std::uint64_t> userLeft;
  std::vector<TranscriptLine> transcript;  // when asked for
  std::vector<Moment> moments;
  // Where the broadcast was to start past the match's end, the sentence
  // that says when the match ended; "" otherwise.
  std::string endedBeforeItsStart;
};

struct SimulationOptions {
  bool userActs = true;  // the user plays with the builder and may leave early
  // The lineups' "&Go" comes between two passes, with the tick counter still
  // at the last heartbeat's step, instead of in a pass before its heartbeat.
  bool goBetweenPasses = false;
  // Plays the match of this kick-off instead: its lineups open at start-up,
  // and the only thing the user does is "&Go", at a random moment, in a pass
  // or between two.
  std::optional<KickOff> replay = std::nullopt;
  int startAt = 0;  // the match second the broadcast starts at
  // Follows a live channel that is this many clock steps past the kick-off.
  std::optional<std::uint64_t> liveStep = std::nullopt;
  bool transcript = false;  // keeps each line shown
};

SimulatedMatch simulateMatch(std::uint64_t seed, const SimulationOptions& options = {});
