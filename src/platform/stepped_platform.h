#pragma once

#include <cstdint>

#include "platform/platform.h"

// The clock steps the program sees, kept one way on every platform. The
// program's clock moves one step a heartbeat and never leaves a step out, so
// that the broadcast is a function of clock steps alone, never of the
// machine's speed. A platform with a real clock measures it in steps from an
// arbitrary start; the program's clock follows it:
// - behind it (a late heartbeat, a long handler), every pass delivers the
//   next step owed at once, one heartbeat each, and nothing is drawn until
//   the program's clock has caught up;
// - more than a second behind (a stopped process, a machine asleep), it is
//   a pause, not a race: the program's clock goes on from where it was, at
//   the real pace;
// - hurried, every pass delivers the next step at once, drawing nothing;
//   once the hurry is over the clock goes on from where it is at the real
//   pace, as after a pause.
class SteppedPlatform : public Platform {
 public:
  std::uint32_t tickCount() final { return startMs_ + msOfStep(step_); }
  void hurry(bool on) override;

  // The program's clock step: the last step delivered.
  std::uint64_t step() const { return step_; }
  // The real clock, in whole steps from an arbitrary start.
  virtual std::uint64_t realStep() const = 0;

 protected:
  // The tick counter reads `startMs` at step 0.
  explicit SteppedPlatform(std::uint32_t startMs = 0) : startMs_(startMs) {}

  // From now on the program's clock follows the real one: its next step
  // falls due at the next real step.
  void keepPace();
  // The real step at which the next step falls due: the current one or an
  // earlier one when it is owed now. A stall of more than a second is
  // forgiven here.
  std::uint64_t nextDue();
  // Whether the next step is owed now.
  bool owed() { return nextDue() <= realStep(); }
  // Whether a pass is to draw: the program's clock has caught up with the
  // real one and is not hurried.
  bool caughtUp() { return !hurried_ && nextDue() > realStep(); }
  // The next step: the program's clock moves on by one.
  std::uint64_t advance() { return ++step_; }
  bool hurried() const { return hurried_; }

 private:
  std::uint32_t startMs_;
  std::uint64_t step_ = 0;
  // Step s falls due at real step s + dueOffset_.
  std::int64_t dueOffset_ = 0;
  bool hurried_ = false;
};
