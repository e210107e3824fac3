#include "sim/simulator.h"

#include <algorithm>
#include <functional>
#include <optional>
#include <random>

#include "match/engine.h"
#include "virtual/virtual_platform.h"

namespace {

constexpr std::uint64_t StepsPerMinute = 60 * StepsPerSecond;
// A wait of 4000 ms or 10000 ms ends on the first step past it.
constexpr std::uint64_t FourSeconds = 257, TenSeconds = 641;
// Far beyond any match: one that has not ended by then never will.
constexpr std::uint64_t MostSteps = 3 * 60 * StepsPerMinute;

// Something the user does once the match runs: "&Exit" or closing the
// window, at the first pass from a given step on that runs at least this
// deeply nested (two minutes later at any depth).
struct Leaving {
  bool exit;  // else closing the window
  std::uint64_t from;
  int depth;
  bool done = false;
};

class Simulation {
 public:
  Simulation(std::uint64_t seed, const SimulationOptions& options)
      : user_(seed * 7919 + 17), startAt_(options.startAt), liveStep_(options.liveStep) {
    result_.seed = seed;
    platform_.script().seed(seed);
    platform_.attach(form_);
    platform_.afterEachPass([this](int depth) { check(depth); });
    if (options.replay) form_.replay.open(*options.replay);
    form_.replay.startAt(options.startAt);
    if (liveStep_)
      form_.replay.followLive([step = static_cast<std::int64_t>(*liveStep_)] { return step; });
    if (options.transcript)
      form_.replay.transcribe([this](const std::string& line) {
        // In the heartbeat that moves the clock on, the engine's tick comes first.
        const std::uint64_t step = platform_.step() - *form_.replay.kickOffStep();
        const int second = form_.MatchMinute * 60 + form_.MatchSecond;
        const int due = static_cast<int>(5 * (step / StepsPerSecond));
        if ((second != due && (second != due - 5 || step % StepsPerSecond != 0)) ||
            line.rfind(matchTime(second) + " ", 0) != 0)
          fail("\"" + line + "\" has the wrong clock");
        result_.transcript.push_back({step, second, line});
      });
    form_.load();
    if (options.replay)
      planTheGo(1 + static_cast<std::uint64_t>(below(600)), below(2) == 0);
    else
      plan(options);
  }

  SimulatedMatch run() {
    if (goBetweenPassesAt_) {
      platform_.run(*goBetweenPassesAt_ - platform_.step());
      // Handled by the idle event loop, outside every pass.
      outsidePasses_ = true;
      form_.click(form_.Command5);
      outsidePasses_ = false;
      check(1);  // as after the pass it would have come in
    }
    while (!form_.ended() && platform_.step() < MostSteps) platform_.run(StepsPerMinute);
    if (!form_.ended()) fail("the match never ended");
    result_.code = form_.replay.code();
    result_.endedBeforeItsStart = form_.endedBeforeItsStart();
    result_.kickOffStep = form_.replay.kickOffStep().value_or(0);
    for (const auto& left : {exitAt_, closeAt_})
      if (left && endStep_ && *left <= *endStep_ &&
          (!result_.userLeft || *left - result_.kickOffStep < *result_.userLeft))
        result_.userLeft = *left - result_.kickOffStep;
    result_.steps = platform_.step();
    result_.deepest = platform_.deepest();
    result_.lotteryStarts = form_.lotteryStarts;
    judgeTheEnd();
    checkTheSignOff();
    checkNothingRunsAfterTheEnd();
    checkHalfAndFullTime();
    checkTheStart();
    checkTheMoments();
    digestLines();
    return result_;
  }

 private:
  int below(int n) { return static_cast<int>(user_() % static_cast<std::uint64_t>(n)); }

  // The user's whole part, scheduled as events of the passes they fall in.
  void plan(const SimulationOptions& options) {
    Form1& f = form_;
    std::uint64_t at = 1;
    if (options.userActs) {
      for (int n = below(5); n > 0; --n) {
        at += 1 + static_cast<std::uint64_t>(below(200));
        const int k = below(2);
        switch (below(3)) {
          case 0: {
            List& list = f.Combo1[static_cast<std::size_t>(below(6))];
            const int entry = below(static_cast<int>(list.entries.size()) + 1) - 1;
            platform_.at(at, [&f, &list, entry] { f.choose(list, entry); });
            break;
          }
          case 1:
            platform_.at(at, [&f, k] { f.click(f.Command1[static_cast<std::size_t>(k)]); });
            break;
          default:
            platform_.at(at, [&f, k] { f.click(f.Command4[static_cast<std::size_t>(k)]); });
        }
      }
    }
    at += 1 + static_cast<std::uint64_t>(below(200));
    platform_.at(at, [&f] { f.click(f.Command2); });
    at += 1 + static_cast<std::uint64_t>(below(300));
    planTheGo(at, options.goBetweenPasses);
    if (!options.userActs) return;
    for (bool exit : {true, false})
      if (below(3) == 0)
        leavings_.push_back(
            {exit, at + static_cast<std::uint64_t>(below(24 * static_cast<int>(StepsPerMinute))),
             1 + below(3)});
  }

  // The lineups' "&Go" in the pass of step `at`, or just before it.
  void planTheGo(std::uint64_t at, bool betweenPasses) {
    if (betweenPasses)
      goBetweenPassesAt_ = at - 1;
    else
      platform_.at(at, [this] { form_.click(form_.Command5); });
  }

  void leaveIfDue(int depth) {
    for (Leaving& l : leavings_) {
      const std::uint64_t step = platform_.step();
      if (l.done || step < l.from) continue;
      if (depth < l.depth && step < l.from + 2 * StepsPerMinute) continue;
      l.done = true;
      Form1& f = form_;
      if (l.exit) {
        exitAt_ = step + 1;
        platform_.at(step + 1, [&f] { f.click(f.cmdExit); });
      } else {
        closeAt_ = step + 1;
        platform_.at(step + 1, [&f] { f.closeRequested(); });
      }
    }
  }

  void fail(const std::string& what) {
    if (result_.violations.size() < 20)
      result_.violations.push_back("step " + std::to_string(platform_.step()) + ": " + what);
  }

  // ---- After every pass --------------------------------------------------------------

  void check(int depth) {
    Form1& f = form_;
    if (outsidePasses_) ++depth;
    const std::uint64_t step = platform_.step();
    if (endStep_) {
      // The passes that were running when the end came finish; none starts.
      if (platform_.passes() != endPasses_) fail("a pass ran after the end");
      return;
    }
    if (f.ended()) {
      endStep_ = step;
      endPasses_ = platform_.passes();
      result_.endDepth = depth;
      return;
    }
    leaveIfDue(depth);
    const std::optional<std::uint64_t> clockFrom = f.replay.kickOffStep();
    if (!clockFrom) return;
    const std::uint64_t shown = static_cast<std::uint64_t>(f.MatchMinute * 60 + f.MatchSecond);
    if (shown != 5 * ((step - *clockFrom) / StepsPerSecond))
      fail("the clock shows " + f.Label20.caption + " after " + std::to_string(step - *clockFrom) +
           " steps");
    if (depth == 1) checkIdle(step);
  }

  // In the idle loop nothing runs: no skit, no goal sequence, no wait.
  void checkIdle(std::uint64_t step) {
    Form1& f = form_;
    if (lastIdle_ + 1 == step && f.engineTicks != lastTicks_ + 1)
      fail("the engine ticked " + std::to_string(f.engineTicks - lastTicks_) + " times in a step");
    lastIdle_ = step;
    lastTicks_ = f.engineTicks;

    if (f.PlayHalted) fail("play is halted with no skit running");
    if (f.HoldAnnouncer && !(f.ShotInFlight && f.phase() == PlayPhase::Flight))
      fail("the display is held with no skit running and no shot in the air");
    // The goal sequence's props, and each skit's.
    for (const Element* prop :
         std::initializer_list<const Element*>{&f.lblGOal, &f.OFFS1, &f.OFFS2})
      if (prop->visible) fail(prop->name + " shows with no goal being called");
    for (const SkitRow& skit : Skits)
      for (const Element* prop : skit.props(f))
        if (prop->visible)
          fail(prop->name + " of the " + std::string(skit.name) + " shows with no skit running");
    if (f.picBall.picture != Picture::SoccerBall) fail("the ball is not a soccer ball");

    int girls = 0;
    for (int i = 0; i < Players; ++i) {
      const Figure& figure = f.player[static_cast<std::size_t>(i)];
      if (!figure.visible) fail("player " + std::to_string(i) + " is not on his feet");
      if (figure.picture == Picture::Girl) ++girls;
      if (i == f.HolderIndex || f.engineTicks < ticksToSettle_) continue;
      const Shape& box = isKeeper(i) ? f.GoalieBox[sideOf(i)] : f.field;
      if (figure.left < box.left || figure.left + figure.width > box.left + box.width ||
          figure.top < box.top || figure.top + figure.height > box.top + box.height)
        fail("player " + std::to_string(i) + " is outside his home box");
    }
    if (girls > 1 || (girls == 1) != (f.GirlShown != False))
      fail(std::to_string(girls) + " girls on the pitch");
  }

  // ---- At the end -------------------------------------------------------------------------

  // The step a moment began in, counted from start-up.
  std::uint64_t stepOf(const Moment& m) const { return result_.kickOffStep + m.step; }

  // The end must come from one of its causes, no earlier than that cause
  // allows: the moments tell which came.
  void judgeTheEnd() {
    if (!endStep_) return;
    const std::uint64_t end = *endStep_;
    if (closeAt_ && *closeAt_ == end) {
      result_.cause = EndCause::Closed;
      return;
    }
    std::optional<std::pair<std::uint64_t, EndCause>> first;
    auto consider = [&](std::uint64_t due, EndCause cause) {
      if (due <= end && (!first || due < first->first)) first = {due, cause};
    };
    const auto& said = platform_.transcript();
    for (const Moment& m : form_.replay.moments()) {
      if (m.kind == MomentKind::SignOff)
        consider(stepOf(m) + FourSeconds,
                 stepOf(m) == exitAt_ ? EndCause::Exit : EndCause::WalkOff);
      // The full-time speech ends ten seconds after its last line.
      if (m.kind == MomentKind::FullTime && !said.empty())
        consider(said.back().step + TenSeconds, EndCause::FullTime);
    }
    if (first)
      result_.cause = first->second;
    else
      fail("the program ended with no cause due");
  }

  // "&Exit" and the walk-off end four seconds after their line, to the step,
  // with that line the last one shown; only closing the window comes sooner.
  void checkTheSignOff() {
    const auto& moments = form_.replay.moments();
    const auto signOff = std::find_if(moments.begin(), moments.end(), [](const Moment& m) {
      return m.kind == MomentKind::SignOff;
    });
    if (signOff == moments.end() || !endStep_) return;
    const auto& said = platform_.transcript();
    if (said.empty() || said.back().step != stepOf(*signOff))
      fail("a line came after the sign-off, or none with it");
    const std::uint64_t due = stepOf(*signOff) + FourSeconds;
    if (closeAt_ && *closeAt_ == *endStep_ && *endStep_ <= due) return;
    if (*endStep_ != due)
      fail("the program ended " + std::to_string(*endStep_ - stepOf(*signOff)) +
           " steps after the sign-off");
  }

  void checkNothingRunsAfterTheEnd() {
    Form1& f = form_;
    const auto ticks = f.engineTicks;
    const auto lines = platform_.transcript().size();
    const auto clock = f.Label20.caption;
    const auto passes = platform_.passes();
    platform_.run(100);
    f.heartbeat(platform_.step() + 1000);
    f.click(f.cmdExit);
    f.click(f.Command5);
    f.closeRequested();
    if (f.engineTicks != ticks || platform_.transcript().size() != lines ||
        f.Label20.caption != clock || platform_.passes() != passes)
      fail("something ran after the end");
  }

  // One half-time speech from minute 45 on, then at most one full-time
  // speech from minute 90 on.
  void checkHalfAndFullTime() {
    for (const Moment& m : form_.replay.moments()) {
      if (m.kind == MomentKind::HalfTime) {
        if (result_.halfTime) fail("a second half-time speech");
        if (m.second < 45 * 60) fail("half time before minute 45");
        result_.halfTime = true;
      }
      if (m.kind == MomentKind::FullTime) {
        if (result_.fullTime) fail("a second full-time speech");
        if (!result_.halfTime) fail("full time before half time");
        if (m.second < 90 * 60) fail("full time before minute 90");
        result_.fullTime = true;
      }
    }
  }

  // A broadcast that starts at a match second hurries from the kick-off to
  // the step at which the clock first shows that second or a later one.
  void checkTheStart() {
    const auto& hurries = platform_.hurries();
    if ((startAt_ <= 0 && liveStep_.value_or(0) == 0) || !endStep_) {
      if (!hurries.empty()) fail("the platform hurried for no start");
      return;
    }
    const std::uint64_t from = result_.kickOffStep;
    // A live channel's step (or the next, where the kick-off's own heartbeat
    // runs the first waits), or the step the clock first shows the start second at.
    const std::uint64_t shown =
        from +
        (liveStep_ ? *liveStep_ : StepsPerSecond * static_cast<std::uint64_t>((startAt_ + 4) / 5));
    if (hurries.empty() || !hurries[0].on || hurries[0].step < from || hurries[0].step > from + 1)
      fail("the platform did not hurry from the kick-off");
    else if (hurries.size() != (*endStep_ >= shown ? 2u : 1u) ||
             (hurries.size() == 2 && (hurries[1].on || hurries[1].step < shown ||
                                      hurries[1].step > shown + (liveStep_ ? 1 : 0))))
      fail("the platform did not stop hurrying when the clock came to the start");
  }

  // The moments are the skits the lottery drew, the goals and the sign-offs,
  // in order, each at the second the clock showed when it began: each
  // skit's row says which moments it begins, and the user's "&Exit" begins
  // a sign-off too.
  void checkTheMoments() {
    const auto& moments = result_.moments = form_.replay.moments();
    std::array<std::uint64_t, std::size(MomentRows)> kinds{};
    int last = 0;
    bool exitSignedOff = false;
    for (const Moment& m : moments) {
      ++kinds[static_cast<std::size_t>(m.kind)];
      if (m.second < last) fail(std::string("the ") + nameOf(m.kind) + " came before its moment");
      last = m.second;
      exitSignedOff |= m.kind == MomentKind::SignOff && stepOf(m) == exitAt_;
    }
    for (std::size_t k = 0; k < Skits.size(); ++k) {
      std::uint64_t begun = 0;
      for (const MomentKind kind : Skits[k].moments) begun += kinds[static_cast<std::size_t>(kind)];
      if (Skits[k].moments.front() == MomentKind::SignOff) begun -= exitSignedOff;
      if (begun != form_.lotteryStarts[k])
        fail("the moments are not the " + std::string(Skits[k].name) + " skits drawn");
    }
  }

  // FNV-1a over every line with its step and kind.
  void digestLines() {
    std::uint64_t h = 14695981039346656037ull;
    auto add = [&h](const std::string& bytes) {
      for (unsigned char c : bytes) h = (h ^ c) * 1099511628211ull;
    };
    for (const auto& said : platform_.transcript()) {
      add(std::to_string(said.step) + (said.interrupts ? "!" : ":"));
      add(said.line);
      add("\n");
    }
    result_.lines = platform_.transcript().size();
    result_.linesDigest = h;
  }

  VirtualPlatform platform_;
  Form1 form_{platform_};
  std::mt19937_64 user_;
  const int startAt_;
  const std::optional<std::uint64_t> liveStep_;
  bool outsidePasses_ = false;
  SimulatedMatch result_;
  std::vector<Leaving> leavings_;
  std::optional<std::uint64_t> goBetweenPassesAt_, exitAt_, closeAt_, endStep_;
  std::uint64_t endPasses_ = 0, lastIdle_ = 0, lastTicks_ = 0;
  // The keepers stand outside their goal areas until their first wandering step.
  const std::uint64_t ticksToSettle_ = 2;
};

}  // namespace

SimulatedMatch simulateMatch(std::uint64_t seed, const SimulationOptions& options) {
  return Simulation(seed, options).run();
}
