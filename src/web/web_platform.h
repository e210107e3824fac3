#pragma once

#include <cstdint>
#include <memory>
#include <string>

#include "platform/random.h"
#include "platform/stepped_platform.h"

class Program;
class WebView;

// The platform of the web page: the clock steps of 1/64 s measured from the
// page's monotonic clock, and a pass of a wait that hands control back to the
// browser until the next step boundary or the next input. Inputs wait in the
// page's queue and are handled inside a pass, in the order they came, as the
// desktop handles clicks inside a pass; a step's heartbeat ends every pass
// that is running, the innermost first.
class WebPlatform : public SteppedPlatform {
 public:
  WebPlatform();
  ~WebPlatform() override;

  // Attaches the program and its view; the clock's steps follow the page's
  // from now on.
  void attach(Program& program, WebView& view);
  // The idle loop: passes until the program ends.
  void run();

  void processEventsOnce() override;
  void endProgram() override;
  // The page's modal dialog. The clock goes on under it, as under the
  // desktop's message box: heartbeats fire, and the title animation runs.
  void messageBox(const std::string& title, const std::string& text) override;
  int screenWidth() override;
  int screenHeight() override;
  void moveWindow(int, int) override {}  // the page places the broadcast itself
  Random& random() override { return random_; }
  Speaker* speaker() override { return speaker_.get(); }
  // The browser's speech synthesis reads the lines aloud.
  void giveVoice();
  // The page's address, where the match's links lead.
  void linkTo(std::string site) { site_ = std::move(site); }
  // On the live channel, a match that ends by itself hands over to the next.
  bool live = false;

  std::uint64_t realStep() const override;

 private:
  // Waits for the next step or input and handles what came: every queued
  // input, then the step's heartbeat. `modal` drops every input but OK and
  // returns whether OK came.
  bool await(bool modal);
  // The next step: its heartbeat, and the page's address after it.
  void beat();
  void handle(int kind, int element, int entry);
  // Hands the page the match's address when its clock has moved on.
  void follow();

  bool ended() const;

  Program* program_ = nullptr;
  WebView* view_ = nullptr;
  Random random_;
  std::unique_ptr<Speaker> speaker_;
  std::string site_;
  int hurriedSteps_ = 0;     // hurried steps since the last look at the page
  std::uint64_t beats_ = 0;  // heartbeats so far: a pass lasts until the next one
  int addressed_ = -1;       // the match second the page's address carries, -1 for none
};
