#include <gtest/gtest.h>

#include "support/session.h"
#include "support/timeline.h"

namespace {

using Lines = std::vector<std::string>;

std::vector<Timeline::Fact> dreamProps(Form1& f) {
  std::vector<Timeline::Fact> facts = {
      {"HoldAnnouncer", [&f] { return f.HoldAnnouncer != False; }},
      {"PlayHalted", [&f] { return f.PlayHalted != False; }},
      {"NFLLogo", [&f] { return f.NFLLogo.visible; }},
      {"picFG(0)", [&f] { return f.picFG[0].visible; }},
      {"picFG(1)", [&f] { return f.picFG[1].visible; }},
      {"football", [&f] { return f.picBall.picture == f.imgFB.picture; }},
  };
  for (int i : {0, 4, 12})
    facts.push_back(
        {"NFLhelmet(" + std::to_string(i) + ")", [&f, i] { return f.NFLhelmet[i].visible; }});
  return facts;
}

const Lines DreamLines = {
    "Wait a minute.. something's happening here",
    "it appears as if an American Football logo has appeared",
    "And what's this now? goalposts being erected?",
    "The fans are starting to cheer!",
    "and now it appears that several of the players have ",
    "turned into real football players..",
    "... and the ball!...",
    "this is quickly turning into the most exciting day ",
    "of soccer of all time",
    "oh no!  what's happened to the ball?",
    "and the goalposts now!  no this can't be happening!",
    "and now the logo's gone too..",
    "I guess it was just a dream--a wonderful, exciting dream'",
    "Perhaps one of these days soccer fans will wake up and",
    "realize how lame soccer really is, but for now it's",
    "back to the match.",
};

}  // namespace

TEST(SkitFootball, ShowsAndHidesItsPropsInOrderBetweenItsLinesAndDrawsNothing) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  f.PlayHalted = True;  // so that nothing else draws meanwhile
  const std::uint64_t drawn = p.platform.script().drawn();
  Timeline t(p, dreamProps(f));
  f.SkitFootball();

  const std::uint64_t steps[] = {0,    257,  514,  772,  967,  1160, 1482, 1739,
                                 1996, 2638, 2962, 3349, 3606, 3863, 4120, 4377};
  Lines expected;
  for (std::size_t i = 0; i < DreamLines.size(); ++i)
    expected.push_back(std::to_string(steps[i]) + " " + DreamLines[i]);
  EXPECT_EQ(t.lines(), expected);
  EXPECT_EQ(t.changes(), (Lines{
                             "0 HoldAnnouncer on",
                             "0 NFLLogo on",
                             "514 picFG(0) on",
                             "643 picFG(1) on",
                             "772 NFLhelmet(0) on",
                             "837 NFLhelmet(4) on",
                             "902 NFLhelmet(12) on",
                             "1417 football on",
                             "2509 football off",
                             "2767 NFLhelmet(0) off",
                             "2832 NFLhelmet(4) off",
                             "2897 NFLhelmet(12) off",
                             "2962 picFG(0) off",
                             "3155 picFG(1) off",
                             "3284 NFLLogo off",
                             "4506 HoldAnnouncer off",
                         }));
  EXPECT_EQ(f.picBall.picture, Picture::SoccerBall);
  EXPECT_EQ(p.platform.script().drawn(), drawn);
}

// A shot that lands in the dream's first wait: its goal sequence stretches
// that wait and lets go of the display early, so play-by-play comes through
// between the dream's later lines; the dream still ends as it should.
TEST(SkitFootball, AGoalInsideItsWaitLetsPlayByPlayThroughAndTheDreamStillEndsCleanly) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  // A shot by figure 4, one flight step from the visitors' goal marker.
  const Figure& marker = f.player[goalMarkerOf(Visitors)];
  f.PreviousIndex = 4;
  f.HolderIndex = goalMarkerOf(Visitors);
  f.HolderName = "GOAL";
  f.ShotInFlight = True;
  f.picBall.left = marker.left + marker.width - 200;
  f.picBall.top = marker.top + marker.height - 200;
  f.PlanFlight(marker);
  f.setPhase(PlayPhase::Flight);
  // The goal sequence draws its two lines first; from then on every draw is
  // 0.55: no skit, and every holder passes to figure 14 at once.
  auto& draws = p.platform.script();
  draws.push(0.0f);
  draws.push(0.0f);
  for (int i = 0; i < 100000; ++i) draws.push(0.55f);
  const float ballLeft = f.picBall.left;
  Timeline t(p, dreamProps(f));
  f.SkitFootball();

  const auto& said = p.platform.transcript();
  ASSERT_GT(said.size(), 6u);
  EXPECT_EQ(said[1].line, "and it's in!");
  EXPECT_EQ(said[1].step, 1u);
  EXPECT_EQ(said[5].line, "play in this pansy sport.");
  Lines dream = {said[0].line};
  std::size_t firstPlay = 0, lastDream = 0;
  for (std::size_t i = 6; i < said.size(); ++i) {
    if (!said[i].interrupts && !firstPlay) firstPlay = i;
    if (said[i].interrupts) {
      dream.push_back(said[i].line);
      lastDream = i;
    }
  }
  EXPECT_EQ(dream, DreamLines);
  EXPECT_GT(firstPlay, 6u);  // once the dream has said its next line
  EXPECT_LT(firstPlay, lastDream);
  const Lines changes = t.changes();
  EXPECT_EQ(changes.front(), "0 HoldAnnouncer on");
  EXPECT_EQ(changes[2], "806 HoldAnnouncer off");  // the goal sequence's end
  // The first wait lasted until the goal sequence was over: 806 steps, not 257.
  EXPECT_EQ(p.platform.step(), 4506u - 257u + 806u);
  EXPECT_EQ(f.HoldAnnouncer, False);
  EXPECT_FALSE(f.NFLLogo.visible || f.picFG[0].visible || f.picFG[1].visible);
  for (const auto& [index, helmet] : f.NFLhelmet) EXPECT_FALSE(helmet.visible) << index;
  EXPECT_EQ(f.picBall.picture, Picture::SoccerBall);
  EXPECT_NE(f.picBall.left, ballLeft);
}
