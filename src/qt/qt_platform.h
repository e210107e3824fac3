#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <cstdint>
#include <memory>
#include <vector>

#include "platform/random.h"
#include "platform/stepped_platform.h"

class Program;

// Settles how the window reaches the screen; called before the application
// object is made, once the scale is chosen. At the design's size a match
// frame sends a few dozen small patches: through the X connection they cost
// less than through shared memory, where every frame first waits for the X
// server to finish with the last one. Drawn larger, the patches carry four
// times the pixels and shared memory is the cheaper way again. A choice made
// in the environment stands.
void prepareWindowSystem();
class QEventLoop;
class View;

// The real platform: the clock steps of 1/64 s measured from an elapsed
// timer, one heartbeat per step from a precise timer armed for the step's
// boundary, and a pass of a wait that sleeps in an event loop until that
// boundary instead of spinning.
class QtPlatform : public QObject, public SteppedPlatform {
 public:
  QtPlatform();
  ~QtPlatform() override;

  void attach(Program& program, View& view);
  // Starts the heartbeat; the real clock runs from construction.
  void start();

  void processEventsOnce() override;
  void endProgram() override;
  void messageBox(const std::string& title, const std::string& text) override;
  int screenWidth() override;
  int screenHeight() override;
  int windowFrameWidth() override;
  int windowFrameHeight() override;
  void moveWindow(int left, int top) override;
  Random& random() override { return random_; }
  // Tells assistive technology of the new line; the voice, if any, reads it.
  void commentary(const std::string& line, bool interrupts) override;
  Speaker* speaker() override { return speaker_.get(); }
  void setSpeaker(std::unique_ptr<Speaker> speaker) { speaker_ = std::move(speaker); }
  void hurry(bool on) override;
  // On the live channel a match that ends by itself hands over to the next,
  // whose window takes the place of this one's.
  bool live = false;

  std::uint64_t realStep() const override;

 protected:
  void timerEvent(QTimerEvent* event) override;

 private:
  void armHeartbeat();

  Program* program_ = nullptr;
  View* view_ = nullptr;
  QElapsedTimer clock_;
  Random random_;
  std::unique_ptr<Speaker> speaker_;
  int heartbeatTimer_ = 0;
  std::vector<QEventLoop*> passes_;  // the passes of the waits now running, innermost last
};
