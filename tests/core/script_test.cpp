#include "skits/script.h"

#include <gtest/gtest.h>

#include "support/session.h"
#include "support/timeline.h"

using Lines = std::vector<std::string>;

TEST(Script, MarkersAreFilledInOrderAndAValuePutInIsNotSearchedAgain) {
  struct Case {
    std::string text, expected;
  };
  const std::string name = "{P} and {P}", empty;
  for (const Case& c : {
           Case{"{P} passes to {R}", "{P} and {P} passes to Bo"},
           Case{"no marker", "no marker"},
           Case{"{R}{R}", "BoBo"},
       })
    EXPECT_EQ(filled(c.text, {{"{P}", name}, {"{R}", std::string("Bo")}}), c.expected) << c.text;
  EXPECT_EQ(filled("between {home} and", {{"{home}", empty}}), "between  and");
}

// A line's lists are drawn from left to right when it is said, after its
// markers are filled, and the pause after it is of its own kind.
TEST(Script, ALineDrawsItsListsInReadingOrderThenPausesAsItSays) {
  struct Case {
    Pause after;
    std::uint64_t steps;  // the steps the line takes
    bool playGoesOn;      // the engine ticks meanwhile
  };
  for (const Case& c :
       {Case{Delay(4000), 257, true}, Case{Wait(2000), 129, false}, Case{NoWait, 0, false}}) {
    Session p;
    Form1& f = p.form;
    f.PlayHalted = True;  // the ticks draw nothing
    p.pushChoice("*left*right", 1);
    p.pushChoice("*this man*Bo", 1);
    p.pushChoice("*a*b*", 2);
    const std::string who = "Bo";
    Timeline t(p, {});
    const std::uint64_t start = p.platform.step(), ticks = f.engineTicks;
    Say(f, {"the {*left*right} {*this man*{who}} said {*a*b*}.", c.after}, {{"{who}", who}});

    EXPECT_EQ(t.lines(), Lines{"0 the right Bo said ."});
    EXPECT_EQ(p.platform.script().pending(), 0u);
    EXPECT_EQ(p.platform.step() - start, c.steps);
    EXPECT_EQ(f.engineTicks > ticks, c.playGoesOn);
  }
}

TEST(Script, EachLineShowsTheValueOfItsMarkerAtTheMomentItIsSaid) {
  Session p;
  Form1& f = p.form;
  std::string name = "Bo";
  p.platform.at(p.platform.step() + 30,
                [&] { name = "a name far too long to fit where the first one was"; });
  Timeline t(p, {});
  Say(f, Script{{"{name}?", Wait(1000)}, {"{name}!", NoWait}}, {{"{name}", name}});

  EXPECT_EQ(t.lines(), (Lines{"0 Bo?", "65 a name far too long to fit where the first one was!"}));
}
