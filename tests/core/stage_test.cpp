// Skits asked for on the spot (the stage tool, the page's console): each
// starts as the lottery starts it, once play runs free, and the end of the
// program inside one unwinds in the core like any other.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "support/session.h"
#include "support/timeline.h"

TEST(Stage, AStagedSkitTakesTheLotterysPlaceAtTheFirstTickOfFreePlay) {
  struct Case {
    const char* skit;
    std::vector<std::string> openings;  // how its first line may begin
  };
  const Case cases[] = {
      {"card",
       {"It looks like we're going to have a card here", "The referee is reaching into his pocket",
        "We might have a card here", "That might be a card.."}},
      {"football", {"Wait a minute.. something's happening here"}},
      {"injury", {"A player "}},
      {"interject", {"Well we're past halftime now--and no, "}},  // the interjection due
  };
  EXPECT_FALSE(Session().form.stage("dance"));  // no skit of that name
  for (const Case& c : cases) {
    SCOPED_TRACE(c.openings.front());
    Session p;
    Form1& f = p.form;
    EXPECT_TRUE(static_cast<Program&>(f).stage(c.skit));
    p.platform.run(64);  // the title screen: no match to stage it in
    EXPECT_TRUE(p.platform.transcript().empty());
    p.kickOff();  // the introduction holds the display meanwhile
    f.MatchMinute = 45;
    const auto& said = p.platform.transcript();
    const std::size_t before = said.size();
    Timeline t(p, {{"HoldAnnouncer", [&f] { return f.HoldAnnouncer != False; }}});
    p.platform.run(1);
    ASSERT_GT(said.size(), before);
    EXPECT_TRUE(std::any_of(c.openings.begin(), c.openings.end(), [&](const std::string& o) {
      return said[before].line.rfind(o, 0) == 0;
    })) << said[before].line;
    ASSERT_FALSE(t.changes().empty());
    EXPECT_EQ(t.changes().front(), "1 HoldAnnouncer on");  // in the first step's tick
  }
}

TEST(Stage, ASkitStagedInsideAnothersWaitsStartsAfterIt) {
  Session p;
  Form1& f = p.form;
  p.kickOff();
  p.platform.after(64, [&] { f.stage("football"); });
  f.SkitCard();
  const auto& said = p.platform.transcript();
  const std::size_t afterCard = said.size();
  for (std::size_t i = 0; i < afterCard; ++i)
    EXPECT_NE(said[i].line, "Wait a minute.. something's happening here");
  p.platform.run(1);
  ASSERT_GT(said.size(), afterCard);
  EXPECT_EQ(said[afterCard].line, "Wait a minute.. something's happening here");
}

TEST(Stage, TheEndInsideAStagedSkitUnwindsInTheCore) {
  Session p;
  Form1& f = p.form;
  p.kickOff();
  f.stage("football");
  const std::uint64_t start = p.platform.step();
  p.platform.after(100, [&] { f.closeRequested(); });
  p.platform.run(1000);
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(p.platform.endCalls(), 1);
  EXPECT_EQ(p.platform.step(), start + 100);
}
