#include <gtest/gtest.h>

#include "program.h"
#include "timeline.h"

using Lines = std::vector<std::string>;

namespace {

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

}  // namespace

TEST(SkitFootball, ShowsAndHidesItsPropsInOrderBetweenItsLinesAndDrawsNothing) {
  Program p;
  Form1& f = p.form;
  p.kickOff();
  f.PlayHalted = True;  // so that nothing else draws meanwhile
  const std::uint64_t drawn = p.platform.script().drawn();
  Timeline t(p, dreamProps(f));
  f.SkitFootball();

  EXPECT_EQ(t.lines(), (Lines{
                           "0 Wait a minute.. something's happening here",
                           "257 it appears as if an American Football logo has appeared",
                           "514 And what's this now? goalposts being erected?",
                           "772 The fans are starting to cheer!",
                           "967 and now it appears that several of the players have ",
                           "1160 turned into real football players..",
                           "1482 ... and the ball!...",
                           "1739 this is quickly turning into the most exciting day ",
                           "1996 of soccer of all time",
                           "2638 oh no!  what's happened to the ball?",
                           "2962 and the goalposts now!  no this can't be happening!",
                           "3349 and now the logo's gone too..",
                           "3606 I guess it was just a dream--a wonderful, exciting dream'",
                           "3863 Perhaps one of these days soccer fans will wake up and",
                           "4120 realize how lame soccer really is, but for now it's",
                           "4377 back to the match.",
                       }));
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
