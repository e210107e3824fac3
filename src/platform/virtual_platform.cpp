#include "platform/virtual_platform.h"

#include <algorithm>

#include "app/form1.h"

void VirtualPlatform::processEventsOnce() {
  ++step_;
  ++passes_;
  struct Nesting {
    int& depth;
    explicit Nesting(int& d) : depth(d) { ++depth; }
    ~Nesting() { --depth; }
  } nesting{depth_};
  deepest_ = std::max(deepest_, depth_);
  // Events due by now, in the order they were scheduled.
  while (!events_.empty() && events_.begin()->first <= step_) {
    auto event = std::move(events_.begin()->second);
    events_.erase(events_.begin());
    event();
  }
  if (form_) form_->heartbeat(step_);
  if (afterPass_) afterPass_(depth_);
}

int VirtualPlatform::windowOuterWidth() {
  return static_cast<int>(form_ ? form_->Form.width : 0) + NominalFrameWidth;
}

int VirtualPlatform::windowOuterHeight() {
  return static_cast<int>(form_ ? form_->Form.height : 0) + NominalFrameHeight;
}

void VirtualPlatform::run(std::uint64_t passes) {
  for (std::uint64_t i = 0; i < passes && !(form_ && form_->ended()); ++i) processEventsOnce();
}

void VirtualPlatform::VirtualSpeaker::say(const std::string& line) {
  spoken.push_back({now, line});
  const std::uint64_t ms = line.size() * static_cast<std::uint64_t>(msPerCharacter);
  until = now + std::max<std::uint64_t>(1, (ms * StepsPerSecond + 999) / 1000);
}

void VirtualPlatform::VirtualSpeaker::stop() {
  if (speaking()) spoken.back().cut = true;
  until = now;
}
