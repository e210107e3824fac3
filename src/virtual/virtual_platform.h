#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "platform/program.h"
#include "platform/random.h"
#include "platform/stepped_platform.h"

// The platform of the tests, the simulator and the pictures made at build
// time: no window, virtual time that advances one clock step per pass of the
// event processing (always hurried, as it were), scripted clicks and list
// choices, a recorded message box and an observable end.
class VirtualPlatform : public SteppedPlatform {
 public:
  struct Message {
    std::string title, text;
  };
  // A line that appeared on the commentary display, and the step it came in.
  struct Said {
    std::uint64_t step;
    std::string line;
    bool interrupts;
  };
  // The platform told to hurry (or to stop), and the step it was told in.
  struct Hurry {
    std::uint64_t step;
    bool on;
  };
  // A line the voice read aloud, the step it began in, and whether a later
  // line cut it short.
  struct Spoken {
    std::uint64_t step;
    std::string line;
    bool cut = false;
  };

  // The tick counter starts at `startMs` (to try its wrap-around).
  explicit VirtualPlatform(std::uint32_t startMs = 0) : SteppedPlatform(startMs) {}

  void attach(Program& program) { program_ = &program; }

  void processEventsOnce() override;
  void endProgram() override { ++endCalls_; }
  void messageBox(const std::string& title, const std::string& text) override {
    messages_.push_back({title, text});
  }
  int screenWidth() override { return screenWidth_; }
  int screenHeight() override { return screenHeight_; }
  void moveWindow(int left, int top) override {
    windowLeft_ = left;
    windowTop_ = top;
  }
  Random& random() override { return random_; }
  void commentary(const std::string& line, bool interrupts) override {
    transcript_.push_back({step(), line, interrupts});
  }
  Speaker* speaker() override { return voice_ ? &*voice_ : nullptr; }
  // Every pass is a step at once anyway: the calls are only kept.
  void hurry(bool on) override { hurries_.push_back({step(), on}); }

  // ---- For the tests ----
  ScriptedRandom& script() { return random_; }
  void setScreen(int width, int height) {
    screenWidth_ = width;
    screenHeight_ = height;
  }
  // Runs something (a click, a list choice) in the pass that reaches step `step`.
  void at(std::uint64_t step, std::function<void()> event) {
    events_.emplace(step, std::move(event));
  }
  // Runs something in the pass `passes` steps from now.
  void after(std::uint64_t passes, std::function<void()> event) {
    at(step() + passes, std::move(event));
  }
  // The idle event loop: `passes` passes, or until the program has ended.
  void run(std::uint64_t passes);
  void runMs(std::uint32_t ms) { run(static_cast<std::uint64_t>(ms) * StepsPerSecond / 1000); }

  std::uint64_t passes() const { return passes_; }
  // How deeply passes are nested right now (1 in the idle loop, one more in
  // every wait that runs inside a pass), and the deepest seen so far.
  int depth() const { return depth_; }
  int deepest() const { return deepest_; }
  // Something to run after every pass, with the depth that pass ran at.
  void afterEachPass(std::function<void(int depth)> check) { afterPass_ = std::move(check); }
  int endCalls() const { return endCalls_; }
  const std::vector<Message>& messages() const { return messages_; }
  // Every commentary line so far, in order.
  const std::vector<Said>& transcript() const { return transcript_; }
  void clearTranscript() { transcript_.clear(); }
  // The program's calls of hurry(), in order.
  const std::vector<Hurry>& hurries() const { return hurries_; }
  // Gives the program a voice that takes `msPerCharacter` ms to read each
  // character of a line, counted in whole clock steps; without one it is silent.
  void giveVoice(int msPerCharacter) { voice_.emplace(*this, msPerCharacter); }
  // Every line read aloud so far, in order.
  const std::vector<Spoken>& spoken() const { return voice_.value().spoken; }
  int windowLeft() const { return windowLeft_; }
  int windowTop() const { return windowTop_; }
  // Its time is its passes.
  std::uint64_t realStep() const override { return step(); }

 private:
  // A voice in virtual time: a line is being read from the step it begins in
  // until its reading time is up or it is stopped.
  struct VirtualSpeaker final : Speaker {
    VirtualSpeaker(const VirtualPlatform& platform, int msPerCharacter)
        : platform(platform), msPerCharacter(msPerCharacter) {}
    void say(const std::string& line) override;
    void stop() override;
    bool speaking() override { return platform.step() < until; }

    const VirtualPlatform& platform;
    const int msPerCharacter;
    std::uint64_t until = 0;  // the first step of silence
    std::vector<Spoken> spoken;
  };

  Program* program_ = nullptr;
  std::uint64_t passes_ = 0;
  int depth_ = 0, deepest_ = 0;
  std::function<void(int)> afterPass_;
  int endCalls_ = 0;
  std::multimap<std::uint64_t, std::function<void()>> events_;
  std::vector<Message> messages_;
  std::vector<Said> transcript_;
  std::vector<Hurry> hurries_;
  ScriptedRandom random_;
  std::optional<VirtualSpeaker> voice_;
  int screenWidth_ = 1024 * 15, screenHeight_ = 768 * 15;
  int windowLeft_ = 0, windowTop_ = 0;
};
