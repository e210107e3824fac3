#include "app/timer_service.h"

#include "platform/platform.h"

void TimerService::add(Timer& timer, std::function<void()> handler) {
  entries_.push_back(Entry{&timer, std::move(handler)});
}

void TimerService::heartbeat(std::uint64_t step) {
  // A timer switched on since the last heartbeat counts its interval from
  // that heartbeat, as if it had been enabled then.
  std::uint64_t previous = lastStep_;
  if (step > lastStep_) lastStep_ = step;
  for (Entry& e : entries_) {
    if (!e.timer->enabled) {
      e.armed = false;
      continue;
    }
    std::uint64_t steps = static_cast<std::uint64_t>(stepsOfInterval(e.timer->interval));
    if (!e.armed) {
      e.armed = true;
      e.due = previous + steps;
    }
    // Handlers of earlier timers may have run nested heartbeats.
    std::uint64_t now = lastStep_;
    if (e.running || now < e.due) continue;
    // Late by less than an interval, the next tick keeps the timer's beat;
    // later than that, it counts from now and the missed ticks are lost.
    e.due += steps;
    if (e.due <= now) e.due = now + steps;
    e.running = true;
    struct Reset {
      bool& flag;
      ~Reset() { flag = false; }
    } reset{e.running};
    e.handler();
  }
}
