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
