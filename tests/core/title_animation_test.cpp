#include <gtest/gtest.h>

#include "support/session.h"

namespace {

constexpr Color DarkBlue = rgb(0x0000c0);
constexpr Color White = rgb(0xffffff);

}  // namespace

// Runs the animation until it has reset the scene: the first fall starts
// from the design position, every later one from 40.
void runToReset(Form1& f) {
  int ticks = 0;
  do {
    f.Timer1_Timer();
    ++ticks;
  } while (f.lebomb.top != 40 && ticks < 1000);
  ASSERT_EQ(ticks, 115);  // from 180: past 3600 on the 115th tick
}

TEST(TitleAnimation, OneCycleFromAResetTakes119Ticks) {
  Session p;
  Form1& f = p.form;
  runToReset(f);
  auto blasts = [&] {
    return std::to_string(f.Explosion[0].visible) + std::to_string(f.Explosion[1].visible) +
           std::to_string(f.Explosion[2].visible);
  };
  for (int tick = 1; tick <= 119; ++tick) {
    f.Timer1_Timer();
    SCOPED_TRACE(tick);
    std::string expected = tick <= 110 ? "000" : tick <= 113 ? "001" : tick <= 115 ? "011" : "111";
    if (tick < 119) {
      EXPECT_EQ(blasts(), expected);
      EXPECT_EQ(f.lebomb.visible, tick <= 110);
      EXPECT_EQ(f.Picture2.backColor, tick >= 117 ? White : DarkBlue);
    }
  }
  EXPECT_EQ(f.lebomb.top, 40);
  EXPECT_TRUE(f.lebomb.visible);
  EXPECT_EQ(blasts(), "000");
  EXPECT_EQ(f.Picture2.backColor, DarkBlue);
}

TEST(TitleAnimation, RunsEveryTwoStepsFromStartUp) {
  Session p;
  Form1& f = p.form;
  float start = f.lebomb.top;
  p.platform.run(20);
  EXPECT_EQ(f.lebomb.top, start + 10 * 30);
}

TEST(TitleAnimation, OpeningTheLineupsDuringTheFlashLeavesTheTitleWhite) {
  Session p;
  Form1& f = p.form;
  runToReset(f);
  for (int tick = 1; tick <= 117; ++tick) f.Timer1_Timer();
  ASSERT_EQ(f.Picture2.backColor, White);
  f.click(f.Command2);
  p.platform.run(200);
  EXPECT_FALSE(f.Picture2.visible);
  EXPECT_EQ(f.Picture2.backColor, White);
  EXPECT_TRUE(f.Explosion[0].visible);
}
