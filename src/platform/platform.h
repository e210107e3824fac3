#pragma once

#include <cstdint>
#include <string>

#include "platform/random.h"
#include "platform/speaker.h"

// What the core needs from the toolkit underneath it. The Qt platform runs
// the real window; the virtual platform runs the core in virtual time for
// the tests.
class Platform {
 public:
  virtual ~Platform() = default;

  // Milliseconds since an arbitrary fixed start. The clock advances in steps
  // of 1/64 s, so the reading changes once per step.
  virtual std::uint32_t tickCount() = 0;

  // Processes every pending window event once (input, repaints, the timers'
  // heartbeat) and returns. When nothing is pending and the clock has not
  // stepped, it waits for the next event or step instead of spinning.
  virtual void processEventsOnce() = 0;

  // Closes the window; the program ends once the core has unwound.
  virtual void endProgram() = 0;

  // A modal message box with an information icon, a title and an OK button.
  virtual void messageBox(const std::string& title, const std::string& text) = 0;

  // The screen's size and the window's outer size (frame and title bar
  // included), in twips.
  virtual int screenWidth() = 0;
  virtual int screenHeight() = 0;
  virtual int windowOuterWidth() = 0;
  virtual int windowOuterHeight() = 0;

  // Moves the window's outer top-left corner, in twips on the screen.
  virtual void moveWindow(int left, int top) = 0;

  // The shared random source.
  virtual Random& random() = 0;

  // A new line has appeared on the commentary display. `interrupts` is true
  // for the lines a skit, the goal sequence or the sign-off shows, false for
  // the play-by-play.
  virtual void commentary(const std::string& line, bool interrupts) {
    (void)line;
    (void)interrupts;
  }

  // The voice that reads the commentary aloud, or none: the program is silent
  // unless asked to speak.
  virtual Speaker* speaker() { return nullptr; }

  // While on, every pass delivers the next clock step at once, without
  // waiting for real time, drawing or announcing the lines: the match runs
  // unseen towards the moment a broadcast starts at. Switched off, the clock goes on from
  // where it is at the real pace.
  virtual void hurry(bool on) { (void)on; }
};

// One clock step in milliseconds: 1000 / 64.
inline constexpr int StepsPerSecond = 64;

// The tick-counter reading at the start of a clock step.
constexpr std::uint32_t msOfStep(std::uint64_t step) {
  return static_cast<std::uint32_t>(step * 1000 / StepsPerSecond);
}

// A timer interval rounded up to whole clock steps (at least one).
constexpr int stepsOfInterval(int ms) {
  int steps = (ms * StepsPerSecond + 999) / 1000;
  return steps < 1 ? 1 : steps;
}

// The fixed dialog frame around the client area, in twips, where the toolkit
// cannot tell it before the window is shown: 3-pixel borders and a 23-pixel
// title bar.
inline constexpr int NominalFrameWidth = 6 * 15;
inline constexpr int NominalFrameHeight = (6 + 23) * 15;
