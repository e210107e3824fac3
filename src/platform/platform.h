#pragma once

#include <cstdint>
#include <string>

#include "platform/random.h"
#include "platform/speaker.h"

// The fixed dialog frame around the window's client area, in twips, where
// the toolkit cannot tell it: 3-pixel borders and a 23-pixel title bar.
inline constexpr int NominalFrameWidth = 6 * 15;
inline constexpr int NominalFrameHeight = (6 + 23) * 15;

// What the program needs from the toolkit underneath it. The Qt platform runs
// the real window, the web platform the page; the virtual platform runs the
// program in virtual time for the tests and the tools.
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

  // The screen's size, in twips.
  virtual int screenWidth() = 0;
  virtual int screenHeight() = 0;
  // The window's frame and title bar around its client area, in twips, as
  // the window system reports them once the window shows; before that, and
  // where nothing frames the window, the nominal dialog frame.
  virtual int windowFrameWidth() { return NominalFrameWidth; }
  virtual int windowFrameHeight() { return NominalFrameHeight; }

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
  // waiting for real time and without drawing: the match runs unseen
  // towards the moment a broadcast starts at. Once off, the clock goes on
  // from where it is at the real pace.
  virtual void hurry(bool on) = 0;
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
