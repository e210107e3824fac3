#include "virtual/virtual_platform.h"

#include <algorithm>

void VirtualPlatform::processEventsOnce() {
  const std::uint64_t now = advance();
  ++passes_;
  struct Nesting {
    int& depth;
    explicit Nesting(int& d) : depth(d) { ++depth; }
    ~Nesting() { --depth; }
  } nesting{depth_};
  deepest_ = std::max(deepest_, depth_);
  // Events due by now, in the order they were scheduled.
  while (!events_.empty() && events_.begin()->first <= now) {
    auto event = std::move(events_.begin()->second);
    events_.erase(events_.begin());
    event();
  }
  if (program_) program_->heartbeat(now);
  if (afterPass_) afterPass_(depth_);
}

void VirtualPlatform::run(std::uint64_t passes) {
  for (std::uint64_t i = 0; i < passes && !(program_ && program_->ended()); ++i)
    processEventsOnce();
}

void VirtualPlatform::VirtualSpeaker::say(const std::string& line) {
  const std::uint64_t now = platform.step();
  spoken.push_back({now, line});
  const std::uint64_t ms = line.size() * static_cast<std::uint64_t>(msPerCharacter);
  until = now + std::max<std::uint64_t>(1, (ms * StepsPerSecond + 999) / 1000);
}

void VirtualPlatform::VirtualSpeaker::stop() {
  if (speaking()) spoken.back().cut = true;
  until = platform.step();
}
