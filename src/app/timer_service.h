#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "app/elements.h"

// Fires the program's timers from the platform's heartbeat, one heartbeat
// per clock step. A timer's interval is rounded up to whole steps. A timer
// never fires while its own handler is still running: a tick that falls due
// then is skipped, not queued; and a late heartbeat fires a due timer once,
// without replaying the steps it missed. A timer fired a step or two late
// (behind a long handler of an earlier timer) keeps its beat, so the match
// clock stays at five match seconds per 64 steps.
class TimerService {
 public:
  // Timers fire in the order they were added.
  void add(Timer& timer, std::function<void()> handler);

  // The heartbeat of clock step `step`.
  void heartbeat(std::uint64_t step);

 private:
  struct Entry {
    Timer* timer;
    std::function<void()> handler;
    bool armed = false;  // enabled as of the last heartbeat
    bool running = false;
    std::uint64_t due = 0;
  };
  std::vector<Entry> entries_;
  std::uint64_t lastStep_ = 0;
};
