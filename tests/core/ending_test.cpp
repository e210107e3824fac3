#include <gtest/gtest.h>

#include "program.h"

TEST(Ending, TitleExitEndsAtOnceAndNothingRunsAfterwards) {
  Program p;
  Form1& f = p.form;
  f.click(f.Command3);
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  float bombTop = f.lebomb.top;
  p.platform.run(100);
  EXPECT_EQ(p.platform.passes(), 0u);
  f.heartbeat(1000);
  f.click(f.Command2);
  EXPECT_EQ(f.lebomb.top, bombTop);
  EXPECT_TRUE(f.Picture2.visible);
}

TEST(Ending, MatchExitSaysItsLineAndEndsFourSecondsLaterWithTheEngineTicking) {
  Program p;
  Form1& f = p.form;
  p.kickOff();
  f.PlayHalted = True;  // no shot or skit drawn in the wait stretches it
  p.platform.run(10);
  std::uint64_t clickedAt = p.platform.step() + 1;
  std::uint64_t ticks = f.engineTicks;
  const int clockBefore = f.MatchMinute * 60 + f.MatchSecond;
  p.platform.after(1, [&] { f.click(f.cmdExit); });
  p.platform.run(1);  // the click's wait runs inside this pass
  EXPECT_EQ(f.Announcer.caption, "Typical of a soccer player.  Quitter.  C-ya.");
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  EXPECT_EQ(p.platform.step(), clickedAt + 257);
  EXPECT_GE(f.engineTicks - ticks, 257u);
  // The clock ran through the four seconds.
  EXPECT_EQ(f.MatchMinute * 60 + f.MatchSecond - clockBefore, 20);
  p.platform.run(100);
  EXPECT_EQ(p.platform.step(), clickedAt + 257);
}

TEST(Ending, ClosingTheWindowEndsTheProgramAtAnyMoment) {
  // On the title screen.
  {
    Program p;
    p.form.closeRequested();
    EXPECT_TRUE(p.form.ended());
    EXPECT_EQ(p.platform.endCalls(), 1);
  }
  // While the clock ticks, during the introduction.
  {
    Program p;
    p.platform.after(64 * 3, [&] { p.form.closeRequested(); });
    p.kickOff();
    p.platform.run(1000);
    EXPECT_TRUE(p.form.ended());
    EXPECT_EQ(p.platform.step(), 64u * 3);
    // The close comes before that step's clock tick.
    EXPECT_EQ(p.form.Label20.caption, "00:10");
  }
}

TEST(Ending, ClosingInsideTwoNestedWaitsUnwindsBoth) {
  Program p;
  Form1& f = p.form;
  p.kickOff();
  // The match's Exit starts a 4 s wait; inside it a second click starts
  // another; the window is closed inside that one.
  p.platform.after(5, [&] { f.click(f.cmdExit); });
  p.platform.after(50, [&] { f.click(f.cmdExit); });
  p.platform.after(100, [&] { f.closeRequested(); });
  std::uint64_t closeAt = p.platform.step() + 100;
  p.platform.run(2000);
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  EXPECT_EQ(p.platform.step(), closeAt);  // neither wait ran another pass
  std::uint64_t ticks = f.engineTicks;
  f.heartbeat(p.platform.step() + 1);
  EXPECT_EQ(f.engineTicks, ticks);
}

TEST(Ending, ASecondExitInsideTheFirstEndsWhenTheInnerWaitIsOver) {
  Program p;
  Form1& f = p.form;
  p.kickOff();
  f.PlayHalted = True;
  p.platform.after(5, [&] { f.click(f.cmdExit); });
  std::uint64_t innerAt = p.platform.step() + 100;
  p.platform.after(100, [&] { f.click(f.cmdExit); });
  p.platform.run(2000);
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  EXPECT_EQ(p.platform.step(), innerAt + 257);
}
