// What moves on the pitch during play: the ball, flying in a straight line
// to each new receiver, and the figures, wandering at random inside their
// home boxes while they do not have the ball. Positions are the elements'
// 32-bit float lefts and tops, in twips.
#include <cmath>
#include <cstdint>

#include "app/figures.h"
#include "app/form1.h"

namespace {

// The ball covers this much straight line per engine tick.
constexpr double BallStep = 40;

// The ball aims at the receiver's feet, this far in from his right and bottom edges.
constexpr float FeetInset = 200;

// The wandering directions, a compass numbered clockwise from north; 0, 9
// and 10 stand still. Each step moves 15 twips along each axis named.
struct Heading {
  float x, y;
};
constexpr Heading Compass[] = {
    {0, 0},      // 0 stand still
    {0, -15},    // 1 north
    {15, -15},   // 2 north-east
    {15, 0},     // 3 east
    {15, 15},    // 4 south-east
    {0, 15},     // 5 south
    {-15, 15},   // 6 south-west
    {-15, 0},    // 7 west
    {-15, -15},  // 8 north-west
    {0, 0},      // 9 stand still
    {0, 0},      // 10 stand still
};
constexpr int Headings = 11;
constexpr int MostSteps = 40;  // a direction lasts 0..39 steps

// The opposite heading: 1 and 5, 2 and 6, 3 and 7, 4 and 8 swap; the
// stand-still codes become moving ones.
void turnBack(Figure& figure) {
  figure.Direction = (figure.Direction + 4) % 8;
  if (figure.Direction == 0) figure.Direction = 8;
}

}  // namespace

void Form1::PlanFlight(const Figure& receiver) {
  TargetY = receiver.top + receiver.height - FeetInset;
  TargetX = receiver.left + receiver.width - FeetInset;
  // Rounded to the nearest whole twip, halves to even.
  FlightStartX = static_cast<std::int32_t>(std::nearbyint(picBall.left));
  FlightStartY = static_cast<std::int32_t>(std::nearbyint(picBall.top));
  const double dx = static_cast<double>(TargetX) - FlightStartX;
  const double dy = static_cast<double>(TargetY) - FlightStartY;
  const double distance = std::sqrt(dx * dx + dy * dy);
  FlightRemainingX = std::abs(dx);
  FlightRemainingY = std::abs(dy);
  // A flight of no length has no direction: it ends on its first step and
  // leaves the ball where it is.
  FlightDirX = distance > 0 ? std::abs(dx) / distance : 0;
  FlightDirY = distance > 0 ? std::abs(dy) / distance : 0;
}

// Each step decides its sense afresh from where the ball is, so the last
// step may overshoot the target or turn back from it.
bool Form1::FlightStep() {
  const double stepX = BallStep * FlightDirX;
  const double stepY = BallStep * FlightDirY;
  picBall.left =
      static_cast<float>(picBall.left < TargetX ? picBall.left + stepX : picBall.left - stepX);
  picBall.top =
      static_cast<float>(picBall.top < TargetY ? picBall.top + stepY : picBall.top - stepY);
  FlightRemainingX -= stepX;
  if (FlightDirX > 0) return FlightRemainingX < 0;
  // Straight up or down, or nowhere: done when the vertical distance is
  // covered, after as many steps as a flight of that length takes in any
  // other direction.
  FlightRemainingY -= BallStep;
  return FlightRemainingY < 0;
}

// Every figure but the one with the ball (or the one it flies to), the goal
// markers and the lying figures; the keepers stay in their goal areas.
void Form1::Wander() {
  for (int index = 0; index < Players; ++index) {
    Figure& figure = player[index];
    if (index == HolderIndex || figure.name() == "GOAL") continue;
    WanderFigure(figure, isKeeper(index) ? GoalieBox[sideOf(index)] : field);
  }
}

void Form1::WanderFigure(Figure& figure, const Shape& box) {
  if (figure.StepsLeft <= 0 || figure.Direction == NoDirection) {
    // A new direction and count; the figure stands still on this tick.
    figure.Direction = rnd().below(Headings);
    figure.StepsLeft = rnd().below(MostSteps);
  } else {
    figure.StepsLeft -= 1;
    figure.top += Compass[figure.Direction].y;
    figure.left += Compass[figure.Direction].x;
  }

  // Held inside the box, each edge tested with what the one before left.
  if (figure.left < box.left) {
    turnBack(figure);
    if (figure.Direction < 2 || figure.Direction > 4) figure.Direction = 3;
    figure.left = box.left;
  }
  if (figure.left > box.left + box.width - figure.width) {
    turnBack(figure);
    figure.left = box.left + box.width - figure.width;
  }
  if (figure.top < box.top) {
    turnBack(figure);
    figure.top = box.top;
  }
  if (figure.top + figure.height > box.top + box.height) {
    turnBack(figure);
    figure.top = box.top + box.height - figure.height;
  }
}
