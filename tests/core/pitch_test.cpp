// The ball's flight and the figures' wandering.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "support/session.h"

namespace {

// Flies the ball from (x, y) to a receiver whose feet are at (tx, ty); gives
// the number of steps the flight took.
int fly(Form1& f, float x, float y, float tx, float ty, std::vector<double>* remaining = nullptr) {
  Figure& receiver = f.player[7];
  receiver.left = tx + 200 - receiver.width;
  receiver.top = ty + 200 - receiver.height;
  f.picBall.left = x;
  f.picBall.top = y;
  f.PlanFlight(receiver);
  int steps = 0;
  do {
    if (remaining) remaining->push_back(f.FlightRemainingX);
    ++steps;
  } while (!f.FlightStep() && steps < 10000);
  return steps;
}

}  // namespace

TEST(BallFlight, FourHundredTwipsRightTakeElevenStepsAndStopFortyBack) {
  Session p;
  Form1& f = p.form;
  std::vector<double> remaining;
  EXPECT_EQ(fly(f, 1000, 3000, 1400, 3000, &remaining), 11);
  EXPECT_EQ(remaining.front(), 400);
  EXPECT_EQ(remaining.back(), 0);
  EXPECT_LT(f.FlightRemainingX, 0);
  EXPECT_EQ(f.picBall.left, 1360);  // the eleventh step, taken from the target's x, went back
  EXPECT_EQ(f.picBall.top, 3000);
}

TEST(BallFlight, AFlightStraightUpOrDownCompletesLikeAnyOtherOfItsLength) {
  Session p;
  Form1& f = p.form;
  // 500 twips: twelve and a half steps of 40, so thirteen, in every direction.
  EXPECT_EQ(fly(f, 2000, 3000, 2500, 3000), 13);
  EXPECT_EQ(fly(f, 2000, 3000, 2300, 3400), 13);
  EXPECT_EQ(fly(f, 2000, 3000, 2000, 3500), 13);
  EXPECT_EQ(f.picBall.left, 2000);
  EXPECT_NEAR(f.picBall.top, 3500, 40);
  EXPECT_EQ(fly(f, 2000, 3000, 2000, 2500), 13);
  EXPECT_NEAR(f.picBall.top, 2500, 40);
  // A flight of no length ends on its first step and leaves the ball where it is.
  EXPECT_EQ(fly(f, 2000, 3000, 2000, 3000), 1);
  EXPECT_EQ(f.picBall.left, 2000);
  EXPECT_EQ(f.picBall.top, 3000);
}

TEST(BallFlight, TheStartIsRoundedHalvesToEven) {
  Session p;
  Form1& f = p.form;
  const std::vector<std::pair<float, int>> cases = {
      {1000.5f, 1000}, {1001.5f, 1002}, {1000.4f, 1000}, {-20.5f, -20}, {999.75f, 1000}};
  for (const auto& [left, start] : cases) {
    f.picBall.left = left;
    f.picBall.top = left;
    f.PlanFlight(f.player[3]);
    EXPECT_EQ(f.FlightStartX, start) << left;
    EXPECT_EQ(f.FlightStartY, start) << left;
  }
}

// ---- Wandering --------------------------------------------------------------------------

TEST(Wandering, AnEdgeTurnsTheFigureBackAndSetsItOntoTheEdge) {
  struct Case {
    float dx, dy;  // from the box's top-left corner, before the step
    int direction, after;
    float left, top;  // from the box's top-left corner, after the step
  };
  Session p;
  Form1& f = p.form;
  const Shape& b = f.field;
  Figure& walker = f.player[5];
  const float right = b.width - walker.width, bottom = b.height - walker.height;
  const std::vector<Case> cases = {
      {0, 100, 7, 3, 0, 100},                // west into the left edge: east
      {0, 100, 8, 4, 0, 100 - 15},           // north-west: south-east
      {-30, 100, 1, 3, 0, 100 - 15},         // north, outside the left edge: east
      {right, 100, 3, 7, right, 100},        // east into the right edge: west
      {right, 100, 2, 6, right, 100 - 15},   // north-east: south-west
      {100, 0, 1, 5, 100, 0},                // north into the top: south
      {100, bottom, 5, 1, 100, bottom},      // south into the bottom: north
      {right, bottom, 4, 4, right, bottom},  // into a corner: turned twice
      {-30, 100, 9, 3, 0, 100},              // standing still outside: turned, moving
      {-30, 100, 0, 4, 0, 100},              //   0 turns to 4, which may stay
      {right + 30, 100, 10, 6, right, 100},  //   10 turns to 6
      {right + 30, 100, 0, 4, right, 100},   //   0 turns to 4
      {100, 100, 6, 6, 100 - 15, 100 + 15},  // inside: one step, no turn
      {100, 100, 9, 9, 100, 100},            // standing still inside
  };
  for (const Case& c : cases) {
    walker.left = b.left + c.dx;
    walker.top = b.top + c.dy;
    walker.Direction = c.direction;
    walker.StepsLeft = 5;
    f.WanderFigure(walker, b);
    EXPECT_EQ(walker.Direction, c.after) << c.direction << " at " << c.dx << "," << c.dy;
    EXPECT_EQ(walker.left - b.left, c.left) << c.direction << " at " << c.dx << "," << c.dy;
    EXPECT_EQ(walker.top - b.top, c.top) << c.direction << " at " << c.dx << "," << c.dy;
    EXPECT_EQ(walker.StepsLeft, 4);
  }
}

TEST(Wandering, AnExhaustedWalkDrawsADirectionAndACountAndStandsForThatTick) {
  Session p;
  Form1& f = p.form;
  Figure& walker = f.player[5];
  const float left = walker.left, top = walker.top;
  p.platform.script().pushDraw(10, 11);
  p.platform.script().pushDraw(39, 40);
  f.WanderFigure(walker, f.field);
  EXPECT_EQ(walker.Direction, 10);
  EXPECT_EQ(walker.StepsLeft, 39);
  EXPECT_EQ(walker.left, left);
  EXPECT_EQ(walker.top, top);
  EXPECT_EQ(p.platform.script().pending(), 0u);
}

TEST(Wandering, EveryoneButTheHolderStaysInsideTheHomeBoxOverALongMatch) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  f.HoldAnnouncer = True;  // no skits: only play
  p.platform.script().seed(5);
  const Figure& keeper = f.player[keeperOf(HomeSide)];
  const float keeperStrip = f.GoalieBox[0].width - keeper.width;
  float keeperLeast = 1e9, keeperMost = -1e9;
  for (int tick = 0; tick < 20000; ++tick) {
    const int holder = f.HolderIndex;
    const float holderLeft = f.player[holder].left, holderTop = f.player[holder].top;
    f.AdvancePossession();
    f.HoldAnnouncer = True;  // a goal sequence frees the display
    f.Wander();
    if (f.HolderIndex == holder) {
      ASSERT_EQ(f.player[holder].left, holderLeft);
      ASSERT_EQ(f.player[holder].top, holderTop);
    }
    for (int i = 0; i < Players; ++i) {
      const Figure& fig = f.player[i];
      const Shape& b = isKeeper(i) ? f.GoalieBox[sideOf(i)] : f.field;
      if (tick == 0 && i == holder) continue;  // not pulled in until it wanders
      ASSERT_GE(fig.left, b.left) << i;
      ASSERT_LE(fig.left + fig.width, b.left + b.width) << i;
      ASSERT_GE(fig.top, b.top) << i;
      ASSERT_LE(fig.top + fig.height, b.top + b.height) << i;
    }
    keeperLeast = std::min(keeperLeast, keeper.left - f.GoalieBox[0].left);
    keeperMost = std::max(keeperMost, keeper.left - f.GoalieBox[0].left);
  }
  // The keeper uses his whole strip, 210 twips wide in a box of 525.
  EXPECT_EQ(keeperStrip, 210);
  EXPECT_EQ(keeperLeast, 0);
  EXPECT_EQ(keeperMost, keeperStrip);
}
