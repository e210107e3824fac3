#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "match/engine.h"
#include "support/session.h"

TEST(Ending, TitleExitEndsAtOnceAndNothingRunsAfterwards) {
  Session p;
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
  Session p;
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
    Session p;
    p.form.closeRequested();
    EXPECT_TRUE(p.form.ended());
    EXPECT_EQ(p.platform.endCalls(), 1);
  }
  // While the clock ticks, during the introduction.
  {
    Session p;
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
  Session p;
  Form1& f = p.form;
  // "&Exit" inside a wait of the introduction starts its own wait; the
  // window is closed inside that one.
  p.platform.after(100, [&] { f.click(f.cmdExit); });
  p.platform.after(150, [&] { f.closeRequested(); });
  std::uint64_t closeAt = p.platform.step() + 150;
  p.kickOff();
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  EXPECT_EQ(p.platform.step(), closeAt);  // neither wait ran another pass
  EXPECT_EQ(p.platform.deepest(), 2);
  std::uint64_t ticks = f.engineTicks;
  f.heartbeat(p.platform.step() + 1);
  EXPECT_EQ(f.engineTicks, ticks);
}

TEST(Ending, ASecondExitDuringTheSignOffChangesNothing) {
  Session p;
  Form1& f = p.form;
  p.kickOff();
  f.PlayHalted = True;
  std::uint64_t firstAt = p.platform.step() + 5;
  p.platform.after(5, [&] { f.click(f.cmdExit); });
  p.platform.after(100, [&] { f.click(f.cmdExit); });
  p.platform.run(2000);
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  EXPECT_EQ(p.platform.step(), firstAt + 257);
  EXPECT_EQ(p.platform.transcript().back().step, firstAt);
}

// "&Exit" clicked, or the walk-off drawn, inside each kind of script: the
// sign-off is the last line, nothing new starts (no skit, no goal for the
// shot about to go in, no wait of any kind), and the end comes four seconds
// after the line, to the step.
TEST(Ending, TheSignOffIsTheLastLineAndTheEndComesFourSecondsAfterItFromAnyScene) {
  const std::string SignOff = "Typical of a soccer player.  Quitter.  C-ya.";
  struct Scene {
    const char* name;
    // Sets the scene on the match after its introduction, for its next tick;
    // none for the introduction itself.
    std::function<void(Session&)> cue;
    std::uint64_t leaveAfter = 100;  // steps into the scene
    bool held = true;                // a script holds the display meanwhile
    bool ticking = true;             // its ticks may draw the walk-off
  };
  // The lottery draws the skit; an interjection then draws its aside.
  auto drawn = [](int draw, int aside = -1) {
    return [=](Session& p) {
      p.platform.script().pushDraw(draw, LotteryRange);
      if (aside >= 0) p.platform.script().pushDraw(aside, 33);
    };
  };
  const std::vector<Scene> scenes = {
      {"the running match", [](Session&) {}, 1, false},
      {"the introduction", nullptr},
      {"a card", drawn(240), 100, true, false},
      {"an injury", drawn(210), 100, true, false},
      {"the football dream", drawn(200)},
      {"an aside (seven lines on strategy)", drawn(0, 23)},
      {"a goal sequence", [](Session& p) { p.shotArriving(3, goalMarkerOf(HomeSide)); }, 100, true,
       false},
  };
  for (const Scene& scene : scenes)
    for (bool walkOff : {false, true}) {
      if (walkOff && !scene.ticking) continue;
      SCOPED_TRACE(std::string(scene.name) + (walkOff ? ", walk-off" : ", Exit"));
      Session p;
      Form1& f = p.form;
      f.click(f.Command2);
      if (scene.cue) {
        f.click(f.Command5);
        scene.cue(p);
      }
      std::uint64_t leftAt = 0, skits = 0;
      auto skitsStarted = [&f] {
        std::uint64_t n = 0;
        for (auto started : f.lotteryStarts) n += started;
        return n;
      };
      p.platform.after(scene.leaveAfter, [&] {
        EXPECT_EQ(f.HoldAnnouncer != False, scene.held);
        p.shotArriving(3, goalMarkerOf(HomeSide));
        skits = skitsStarted();
        leftAt = p.platform.step();
        if (walkOff) {
          // The next tick draws it, as once a goal inside the script has
          // given the display back.
          f.HoldAnnouncer = False;
          p.platform.script().pushDraw(233, LotteryRange);
        } else {
          f.click(f.cmdExit);
        }
      });
      // Every pass from the sign-off on belongs to its own wait: none deeper.
      int signOffDepth = 0, deepest = 0;
      p.platform.afterEachPass([&](int depth) {
        const auto& said = p.platform.transcript();
        if (said.empty() || said.back().line != SignOff) return;
        if (!signOffDepth) signOffDepth = depth;
        deepest = std::max(deepest, depth);
      });
      if (!scene.cue) f.click(f.Command5);
      p.platform.run(1000);

      ASSERT_TRUE(f.ended());
      const auto& said = p.platform.transcript();
      ASSERT_EQ(said.back().line, SignOff);
      EXPECT_LE(said.back().step, leftAt + 1);
      EXPECT_EQ(p.platform.step(), said.back().step + 257);
      EXPECT_EQ(deepest, signOffDepth);
      EXPECT_EQ(skitsStarted() - skits, walkOff ? 1u : 0u);
    }
}
