#pragma once

#include <string>

class Platform;

// The announcer's voice: decides which commentary lines are read aloud by the
// platform's speaker, if it has one. A line that a skit, the goal sequence or
// the sign-off shows cuts short whatever is being read; a play-by-play line is
// read only into silence and is otherwise let go, so the voice never falls
// behind the display. Nothing is queued, drawn or waited for.
class Voice {
 public:
  explicit Voice(Platform& platform) : platform_(platform) {}

  // A new line has appeared on the commentary display.
  void hear(const std::string& line, bool interrupts);

 private:
  Platform& platform_;
};
