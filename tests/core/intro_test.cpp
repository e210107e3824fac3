#include <gtest/gtest.h>

#include "support/session.h"
#include "support/timeline.h"

using Lines = std::vector<std::string>;

TEST(SkitIntro, BuildsEachLineFromItsChoicesInReadingOrderBlanksIncluded) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  f.Label7.caption = "Bobonia";
  f.Label6.caption = "Kalistan";
  f.PlayHalted = True;  // the engine draws nothing meanwhile
  auto& draws = p.platform.script();
  p.pushChoice("*Good Morning*Good Afternoon*Good Evening", 2);
  p.pushChoice("*sports fans*assorted rabble*unwashed masses", 1);
  p.pushChoice("*drunken Europeans*drunken Englishmen*tratorious Americans", 1);
  draws.push(0.0f);  // r = 0 lands on a list's first separator: "another typically"
  draws.push(0.0f);  // "monotonously dull"
  p.pushChoice("*World Cup * * * * ", 3);
  p.pushChoice("*game*match*contest", 2);
  p.pushChoice(
      "*traditional rivals *the banana republics of *the workers pararadises of * * * * * * * * "
      "* * * * * * * * * * * * ",
      17);
  p.pushChoice("*game*match*contest", 1);
  p.pushChoice("*soccer*football", 1);
  draws.pushDraw(3, 6);
  p.pushChoice("*And we're underway*The match begins...*Here we go", 2);
  Timeline t(p, {});
  f.SkitIntro();

  EXPECT_EQ(t.lines(), (Lines{
                           "0 Good Evening assorted rabble and drunken Englishmen!",
                           "257 Welcome to another typically monotonously dull  contest",
                           "514 between  Bobonia and Kalistan.",
                           "771 But, of course it doesn't matter how boring the ",
                           "1028 match actually is, for we all know the ",
                           "1285 real pupose of football is to ",
                           "1542 let English men escape their ugly, ugly women for a few hours.",
                           "1799 Here we go",
                       }));
  EXPECT_EQ(draws.pending(), 0u);
  EXPECT_EQ(p.platform.step(), 2056u);
  EXPECT_EQ(f.HoldAnnouncer, False);
}

TEST(SkitIntro, KickOffOpensWithItWhileTheClockRunsAndEngineLinesAreHeldBack) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  f.PlayHalted = True;  // no goal sequence stretches a wait
  Timeline t(p, {{"HoldAnnouncer", [&f] { return f.HoldAnnouncer != False; }}});
  p.platform.at(300, [&] { f.Announce("Pass."); });
  f.click(f.Command5);

  const Lines lines = t.lines();
  ASSERT_EQ(lines.size(), 8u);
  for (std::size_t i = 0; i < lines.size(); ++i)
    EXPECT_EQ(lines[i].substr(0, lines[i].find(' ')), std::to_string(257 * i));
  EXPECT_EQ(t.changes(), (Lines{"0 HoldAnnouncer on", "2056 HoldAnnouncer off"}));
  EXPECT_EQ(f.Label20.caption, "02:40");  // 32 seconds of clock ticks
  EXPECT_TRUE(f.Timer2.enabled);
}
