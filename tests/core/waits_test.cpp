#include <gtest/gtest.h>

#include <vector>

#include "support/session.h"

TEST(DelayMs, RunsTheEngineOncePerStepAndReturnsOnTheFirstReadingPastTheDuration) {
  for (bool enabledBefore : {false, true}) {
    Session p;
    Form1& f = p.form;
    // Play halted: the ticks still run, but draw no skit that would lengthen the wait.
    f.PlayHalted = True;
    f.Timer2.enabled = enabledBefore;
    std::uint32_t start = p.platform.tickCount();
    std::uint64_t passes = p.platform.passes();
    f.DelayMs(4000);
    std::uint64_t ran = p.platform.passes() - passes;
    // 4000 ms are 256 steps; the reading of step 256 is 4000, not yet past it.
    EXPECT_EQ(ran, 257u);
    EXPECT_GT(p.platform.tickCount() - start, 4000u);
    EXPECT_LE(p.platform.tickCount() - start, 4016u);
    // One tick per pass, called by the wait itself: the timer delivered none.
    EXPECT_EQ(f.engineTicks, ran);
    EXPECT_TRUE(f.Timer2.enabled);
  }
}

TEST(DelayMs, ZeroOrNegativeDurationsStillRunOnePass) {
  Session p;
  Form1& f = p.form;
  for (std::int16_t duration : {std::int16_t{0}, std::int16_t{-5}}) {
    std::uint64_t passes = p.platform.passes();
    std::uint64_t ticks = f.engineTicks;
    f.DelayMs(duration);
    EXPECT_EQ(p.platform.passes() - passes, 1u);
    EXPECT_EQ(f.engineTicks - ticks, 1u);
  }
}

TEST(DelayMs, MeasuresAcrossTheWrapOfTheTickCounter) {
  Session p(0xFFFFFFFFu - 2000);
  // Play halted: the ticks still run, but draw no skit that would lengthen the wait.
  p.form.PlayHalted = True;
  std::uint64_t passes = p.platform.passes();
  p.form.DelayMs(4000);
  EXPECT_EQ(p.platform.passes() - passes, 257u);
}

TEST(WaitMs, OnlyProcessesEventsAndLeavesTheEngineTimerAlone) {
  Session p;
  Form1& f = p.form;
  std::uint64_t passes = p.platform.passes();
  f.WaitMs(1000);
  EXPECT_EQ(p.platform.passes() - passes, 65u);  // 1000 ms are 64 steps
  EXPECT_EQ(f.engineTicks, 0u);
  EXPECT_FALSE(f.Timer2.enabled);

  // With the engine timer on, its ticks arrive as ordinary timer events.
  // Play halted: the ticks still run, but draw no skit that would lengthen the wait.
  f.PlayHalted = True;
  f.Timer2.enabled = true;
  f.WaitMs(0);
  f.WaitMs(1000);
  EXPECT_GE(f.engineTicks, 64u);
  EXPECT_LE(f.engineTicks, 66u);
}

TEST(Waits, AClickMadeDuringAWaitIsHandledBeforeItReturns) {
  Session p;
  Form1& f = p.form;
  f.PlayHalted = True;  // kick-off's introduction then runs without shots or skits
  p.platform.after(20, [&] { f.click(f.Command2); });
  f.WaitMs(500);
  EXPECT_TRUE(f.Picture6.visible);
  EXPECT_FALSE(f.Timer1.enabled);

  p.platform.after(20, [&] { f.click(f.Command5); });
  f.DelayMs(500);
  EXPECT_TRUE(f.cmdExit.enabled);
  EXPECT_TRUE(f.Timer3.enabled);
}

// ---- The timer service -----------------------------------------------------------

TEST(TimerService, IntervalsRoundUpToWholeSteps) {
  EXPECT_EQ(stepsOfInterval(1), 1);
  EXPECT_EQ(stepsOfInterval(30), 2);
  EXPECT_EQ(stepsOfInterval(1000), 64);
  EXPECT_EQ(stepsOfInterval(0), 1);

  TimerService service;
  Timer fast{1, true, ""}, title{30, true, ""}, clock{1000, true, ""};
  int fastTicks = 0, titleTicks = 0, clockTicks = 0;
  service.add(fast, [&] { ++fastTicks; });
  service.add(title, [&] { ++titleTicks; });
  service.add(clock, [&] { ++clockTicks; });
  for (std::uint64_t step = 1; step <= 640; ++step) service.heartbeat(step);
  EXPECT_EQ(fastTicks, 640);
  EXPECT_EQ(titleTicks, 320);
  EXPECT_EQ(clockTicks, 10);
}

TEST(TimerService, ATimerNeverFiresWhileItsHandlerRunsAndALateStepIsNotReplayed) {
  TimerService service;
  Timer engine{1, true, ""}, clock{1000, true, ""};
  int engineTicks = 0, clockTicks = 0, nested = 0;
  std::uint64_t step = 0;
  service.add(engine, [&] {
    ++engineTicks;
    if (engineTicks == 1) {
      // A wait inside the handler: 128 steps of heartbeats.
      for (int i = 0; i < 128; ++i) service.heartbeat(++step);
      nested = engineTicks;
    }
  });
  service.add(clock, [&] { ++clockTicks; });
  service.heartbeat(++step);
  EXPECT_EQ(nested, 1);      // the busy engine timer was skipped, not queued
  EXPECT_EQ(clockTicks, 2);  // the clock went on meanwhile
  EXPECT_EQ(engineTicks, 1);
  service.heartbeat(++step);
  EXPECT_EQ(engineTicks, 2);

  step += 1000;  // the heartbeat comes very late
  service.heartbeat(step);
  EXPECT_EQ(engineTicks, 3);
  EXPECT_EQ(clockTicks, 3);
}

TEST(TimerService, ADisabledTimerRestartsItsIntervalWhenEnabledAgain) {
  TimerService service;
  Timer clock{1000, true, ""};
  int ticks = 0;
  service.add(clock, [&] { ++ticks; });
  for (std::uint64_t s = 1; s <= 100; ++s) service.heartbeat(s);
  EXPECT_EQ(ticks, 1);
  clock.enabled = false;
  service.heartbeat(101);
  clock.enabled = true;
  for (std::uint64_t s = 102; s <= 164; ++s) service.heartbeat(s);
  EXPECT_EQ(ticks, 1);
  service.heartbeat(165);
  EXPECT_EQ(ticks, 2);
}

TEST(TimerService, ATimerFiredLateBehindAnEarlierTimersHandlerKeepsItsBeat) {
  TimerService service;
  Timer engine{1, true, ""}, clock{1000, true, ""};
  std::uint64_t step = 0;
  std::vector<std::uint64_t> clockAt;
  service.add(engine, [&] {
    // At the clock's due step the engine's handler waits three steps first.
    if (step == 64)
      for (int i = 0; i < 3; ++i) service.heartbeat(++step);
  });
  service.add(clock, [&] { clockAt.push_back(step); });
  while (step < 200) service.heartbeat(++step);
  EXPECT_EQ(clockAt, (std::vector<std::uint64_t>{65, 128, 192}));
}
