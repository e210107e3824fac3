// The clock steps the program sees on a platform with a real clock: none is
// ever left out, a stall is a pause, and a hurry runs steps at once.
#include "platform/stepped_platform.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// A platform whose real clock the test sets.
struct Clocked final : SteppedPlatform {
  std::uint64_t real = 1000;
  std::uint64_t realStep() const override { return real; }
  void processEventsOnce() override {}
  void endProgram() override {}
  void messageBox(const std::string&, const std::string&) override {}
  int screenWidth() override { return 0; }
  int screenHeight() override { return 0; }
  void moveWindow(int, int) override {}
  Random& random() override { return random_; }
  using SteppedPlatform::advance;
  using SteppedPlatform::caughtUp;
  using SteppedPlatform::keepPace;
  using SteppedPlatform::owed;

  // The passes a platform makes at the real clock's reading `now` until no
  // step is owed: the steps delivered, each with "d" when that pass draws.
  std::string passesAt(std::uint64_t now) {
    real = now;
    std::string delivered;
    for (int pass = 0; pass < 200 && owed(); ++pass) {
      delivered += (delivered.empty() ? "" : " ") + std::to_string(advance());
      if (caughtUp()) delivered += "d";
    }
    return delivered;
  }

  Random random_;
};

}  // namespace

// "6 7 ... 69d": the steps from `first` to `last`, the last one drawn.
std::string caughtUpOn(int first, int last) {
  std::string steps;
  for (int s = first; s < last; ++s) steps += std::to_string(s) + " ";
  return steps + std::to_string(last) + "d";
}

TEST(SteppedPlatform, NoStepIsLeftOutAndAStallOfMoreThanASecondIsAPause) {
  Clocked clock;
  clock.keepPace();  // at real step 1000: the first step falls due at 1001
  const struct {
    std::uint64_t now;
    std::string delivered;
  } readings[] = {
      {1000, ""},                 // the first step is still ahead
      {1001, "1d"},               // on time
      {1001, ""},                 // woke early
      {1005, "2 3 4 5d"},         // late: the steps owed at once, drawn when caught up
      {1069, caughtUpOn(6, 69)},  // a whole second owed is still caught up on
      {1134, "70d"},              // more than a second: a pause, from where it was
      {1135, "71d"},              // and on at the real pace
  };
  for (const auto& r : readings) EXPECT_EQ(clock.passesAt(r.now), r.delivered) << r.now;
  EXPECT_EQ(clock.tickCount(), msOfStep(71));
}

TEST(SteppedPlatform, HurriedEveryPassDeliversAStepAtOnceWithoutDrawing) {
  Clocked clock;
  clock.keepPace();
  clock.hurry(true);
  for (std::uint64_t s = 1; s <= 500; ++s) {  // far more than a second, at one reading
    ASSERT_TRUE(clock.owed());
    EXPECT_FALSE(clock.caughtUp());
    EXPECT_EQ(clock.advance(), s);
  }
  // Once over, the real pace resumes from where the clock is.
  clock.hurry(false);
  EXPECT_EQ(clock.passesAt(1000), "");
  EXPECT_EQ(clock.passesAt(1001), "501d");
}
