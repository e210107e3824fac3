#include "platform/stepped_platform.h"

namespace {

// The most steps the program's clock catches up on; further behind, the
// real clock has stalled and the program's clock pauses instead.
constexpr std::int64_t MostOwed = StepsPerSecond;

}  // namespace

void SteppedPlatform::hurry(bool on) {
  if (!on && hurried_) keepPace();
  hurried_ = on;
}

void SteppedPlatform::keepPace() {
  dueOffset_ = static_cast<std::int64_t>(realStep()) - static_cast<std::int64_t>(step_);
}

std::uint64_t SteppedPlatform::nextDue() {
  const auto now = static_cast<std::int64_t>(realStep());
  if (hurried_) return static_cast<std::uint64_t>(now);
  const auto next = static_cast<std::int64_t>(step_) + 1;
  // Owed more than a second of steps: the program's clock goes on from where
  // it was, its next step due now.
  if (now - (next + dueOffset_) >= MostOwed) dueOffset_ = now - next;
  return static_cast<std::uint64_t>(next + dueOffset_);
}
