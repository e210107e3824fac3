#include <gtest/gtest.h>

#include "support/session.h"

TEST(StartUp, OpensOnTheBuilderWithTheMatchStopped) {
  Session p;
  Form1& f = p.form;
  EXPECT_TRUE(f.Picture2.visible);
  EXPECT_FALSE(f.Picture6.visible);
  EXPECT_TRUE(f.Picture1.visible);
  EXPECT_TRUE(f.Timer1.enabled);
  EXPECT_FALSE(f.Timer2.enabled);
  EXPECT_FALSE(f.Timer3.enabled);
  EXPECT_FALSE(f.cmdExit.enabled);
  EXPECT_EQ(f.Announcer.caption, "");  // the design caption is never seen
}

TEST(StartUp, CentresPanelsOnTheOuterWindowAndTheWindowOnTheScreen) {
  Session p;
  Form1& f = p.form;
  const float outerWidth = 10365 + NominalFrameWidth;
  const float outerHeight = 7590 + NominalFrameHeight;
  EXPECT_FLOAT_EQ(f.Picture6.top, (outerHeight - 5565) / 2);
  EXPECT_FLOAT_EQ(f.Picture2.top, (outerHeight - 4455) / 2);
  EXPECT_FLOAT_EQ(f.Picture6.left, (outerWidth - 5775) / 2);
  EXPECT_FLOAT_EQ(f.Picture2.left, (outerWidth - 7635) / 2);
  EXPECT_EQ(p.platform.windowLeft(), static_cast<int>((1024 * 15 - outerWidth) / 2));
  EXPECT_EQ(p.platform.windowTop(), static_cast<int>((768 * 15 - outerHeight) / 2));
}

TEST(StartUp, OnAScreenSmallerThanTheWindowTheCornerLiesOffScreen) {
  VirtualPlatform platform;
  platform.setScreen(640 * 15, 480 * 15);
  Form1 form(platform);
  platform.attach(form);
  form.load();
  EXPECT_LT(platform.windowLeft(), 0);
  EXPECT_LT(platform.windowTop(), 0);
}

TEST(Screens, BuilderGoStopsTheBombAndShowsTheLineups) {
  Session p;
  Form1& f = p.form;
  p.platform.run(10);
  float bombTop = f.lebomb.top;
  f.click(f.Command2);
  EXPECT_FALSE(f.Timer1.enabled);
  EXPECT_FALSE(f.Picture2.visible);
  EXPECT_TRUE(f.Picture6.visible);
  p.platform.run(50);
  EXPECT_EQ(f.lebomb.top, bombTop);  // the animation stays where it stopped
}

TEST(Screens, KickOffUncoversThePitchAndStartsTheMatch) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  f.click(f.Command5);
  EXPECT_FALSE(f.Picture6.visible);
  EXPECT_TRUE(f.Timer2.enabled);
  EXPECT_TRUE(f.Timer3.enabled);
  EXPECT_TRUE(f.cmdExit.enabled);
  for (Element* e : f.Picture1.children) {
    if (e != &f.picBall) {
      EXPECT_LT(e->zorder, f.picBall.zorder) << e->name;
    }
  }
}

TEST(Screens, MatchExitIsDisabledBeforeKickOff) {
  Session p;
  p.form.click(p.form.cmdExit);
  EXPECT_FALSE(p.form.ended());
  EXPECT_EQ(p.form.Announcer.caption, "");
}

// ---- The match clock --------------------------------------------------------

TEST(MatchClock, CountsFiveMatchSecondsPerTick) {
  Session p;
  Form1& f = p.form;
  f.Timer3_Timer();
  EXPECT_EQ(f.Label20.caption, "00:05");
  for (int i = 2; i <= 12; ++i) f.Timer3_Timer();
  EXPECT_EQ(f.Label20.caption, "01:00");
  for (int i = 13; i <= 540; ++i) f.Timer3_Timer();
  EXPECT_EQ(f.MatchMinute, 45);
  EXPECT_EQ(f.Label20.caption, "45:00");
  for (int i = 541; i <= 1080; ++i) f.Timer3_Timer();
  EXPECT_EQ(f.Label20.caption, "90:00");
  for (int i = 1081; i <= 1200; ++i) f.Timer3_Timer();
  EXPECT_EQ(f.Label20.caption, "100:00");
}

TEST(MatchClock, TicksOncePerSecondFromKickOff) {
  Session p;
  Form1& f = p.form;
  // The first second passes during the introduction.
  int secondBeforeTick = -1;
  std::string shownAfterTick;
  p.platform.at(64, [&] { secondBeforeTick = f.MatchSecond; });  // before that step's tick
  p.platform.at(65, [&] { shownAfterTick = f.Label20.caption; });
  f.PlayHalted = True;  // goal sequences and skits would add passes of their own
  p.kickOff();
  EXPECT_EQ(secondBeforeTick, 0);
  EXPECT_EQ(shownAfterTick, "00:05");
  p.platform.runMs(60 * 1000);
  EXPECT_EQ(f.Label20.caption, "07:40");  // the introduction's 32 s, then 60 s
}

// ---- Announcer lines -----------------------------------------------------------

TEST(Announcer, TheEngineYieldsToAHeldDisplayAndTheSkitsDoNot) {
  Session p;
  Form1& f = p.form;
  f.Announce("Pass.");
  EXPECT_EQ(f.Announcer.caption, "Pass.");
  f.HoldAnnouncer = True;
  f.Announce("Another pass.");
  EXPECT_EQ(f.Announcer.caption, "Pass.");
  f.Announce2("Skit line.");
  EXPECT_EQ(f.Announcer.caption, "Skit line.");
  // Only the lines that appeared reach the platform, the skits' as interrupting.
  const auto& said = p.platform.transcript();
  ASSERT_EQ(said.size(), 2u);
  EXPECT_EQ(said[0].line, "Pass.");
  EXPECT_FALSE(said[0].interrupts);
  EXPECT_EQ(said[1].line, "Skit line.");
  EXPECT_TRUE(said[1].interrupts);
}
