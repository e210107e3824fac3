#pragma once

#include <cstdint>
#include <memory>

#include "platform/platform.h"
#include "platform/random.h"

class Form1;
class WebView;

// The platform of the web page: the clock steps of 1/64 s measured from the
// page's monotonic clock, and a pass of a wait that hands control back to the
// browser until the next step boundary or the next input. Inputs wait in the
// page's queue and are handled inside a pass, in the order they came, as the
// desktop handles clicks inside a pass; a step's heartbeat ends every pass
// that is running, the innermost first.
class WebPlatform : public Platform {
 public:
  WebPlatform();
  ~WebPlatform() override;

  void attach(Form1& form, WebView& view);
  // The idle loop: passes until the program ends.
  void run();

  std::uint32_t tickCount() override { return msOfStep(currentStep()); }
  void processEventsOnce() override;
  void endProgram() override;
  // The page's modal dialog. The clock goes on under it, as under the
  // desktop's message box: heartbeats fire, and the title animation runs.
  void messageBox(const std::string& title, const std::string& text) override;
  int screenWidth() override;
  int screenHeight() override;
  int windowOuterWidth() override;
  int windowOuterHeight() override;
  void moveWindow(int, int) override {}  // the page places the broadcast itself
  Random& random() override { return random_; }
  Speaker* speaker() override { return speaker_.get(); }
  // The browser's speech synthesis reads the lines aloud.
  void giveVoice();

  std::uint64_t currentStep() const;

 private:
  // Waits for the next step or input and handles what came: every queued
  // input, then the step's heartbeat. `modal` drops every input but OK and
  // returns whether OK came.
  bool await(bool modal);
  void handle(int kind, int element, int entry);

  Form1* form_ = nullptr;
  WebView* view_ = nullptr;
  Random random_;
  std::unique_ptr<Speaker> speaker_;
  std::uint64_t lastBeat_ = 0;
  std::uint64_t beats_ = 0;  // heartbeats so far: a pass lasts until the next one
};
