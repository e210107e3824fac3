#include <gtest/gtest.h>

#include "support/session.h"
#include "support/timeline.h"

using Lines = std::vector<std::string>;

// Every colour with every comment, the extreme player draws and each form of
// the second line, each card with its own scripted draws.
TEST(SkitCard, ShowsTheCardWithTheNameAndCommentsByColourAndDraw) {
  struct Case {
    int colour, player, form, comment;  // the draws
    std::size_t commentLines;
    std::string lastComment;  // "<name>": the carded name
  };
  const Case cases[] = {
      {0, 0, 0, 0, 2, "the player for playing like a man instead of a fairy."},
      {1, 17, 1, 0, 6, "the lame game of soccer is a reward"},
      {0, 17, 2, 1, 4, "Good job <name>!"},
      {1, 0, 3, 1, 4, "his team.  Well done <name>!"},
      {0, 5, 1, 2, 6, "given match--skill has no place in this \"sport\""},
      {1, 9, 0, 2, 6, "given match--skill has no place in this \"sport\""},
      {0, 12, 3, 3, 3, "like the look on his face."},
      {1, 3, 2, 3, 3, "like the look on his face."},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << "colour " << c.colour << " comment " << c.comment);
    Session p;
    Form1& f = p.form;
    f.click(f.Command2);
    const std::string name = f.player[c.player + 1].name();
    const std::string colour = c.colour ? "red" : "yellow";
    auto named = [&](std::string line) {
      if (std::size_t at = line.find("<name>"); at != std::string::npos) line.replace(at, 6, name);
      return line;
    };
    const std::string given = c.form == 1 ? "given" : "issued";
    const Lines forms = {
        "Yes, it looks like a " + colour + " card for " + name,
        "A " + colour + " card has been " + given + " to " + name,
        name + " gets a " + colour + " card",
        "The " + colour + " card is going to be given to " + name,
    };
    std::string list;
    for (const std::string& form : forms) list += "*" + form;

    auto& draws = p.platform.script();
    draws.pushDraw(c.colour, 2);
    draws.pushDraw(c.player, 18);
    draws.push(0.0f);  // the first way of saying a card is coming
    p.pushChoice("*issued*given", c.form == 1 ? 1 : 0);
    p.pushChoice(list, c.form);
    draws.pushDraw(c.comment, 4);
    draws.push(0.0f);  // the first grudge, if one is drawn
    Timeline t(p, {{"HoldAnnouncer", [&f] { return f.HoldAnnouncer != False; }},
                   {"PlayHalted", [&f] { return f.PlayHalted != False; }},
                   {"RedCard", [&f] { return f.RedCard.visible; }}});
    f.SkitCard();

    EXPECT_EQ(f.RedCard.backColor, c.colour ? rgb(0xff0000) : rgb(0xffff00));
    EXPECT_EQ(f.RedCardWho.caption, name);
    const Lines lines = t.lines();
    ASSERT_EQ(lines.size(), 2 + c.commentLines);
    EXPECT_EQ(lines[0], "0 It looks like we're going to have a card here");
    EXPECT_EQ(lines[1], "258 " + forms[c.form]);
    const std::string end = std::to_string(515 + 257 * c.commentLines);
    EXPECT_EQ(lines.back(),
              std::to_string(515 + 257 * (c.commentLines - 1)) + " " + named(c.lastComment));
    EXPECT_EQ(t.changes(),
              (Lines{"0 HoldAnnouncer on", "0 PlayHalted on", "129 RedCard on",
                     end + " HoldAnnouncer off", end + " PlayHalted off", end + " RedCard off"}));
  }
}

TEST(SkitCard, PlayStandsStillUnderTheCardAndGoesOnAfterIt) {
  Session p;
  Form1& f = p.form;
  f.click(f.Command2);
  f.HolderIndex = 9;  // the ball on its way to figure 9
  f.PlanFlight(f.player[9]);
  f.setPhase(PlayPhase::Flight);
  auto places = [&f] {
    std::vector<float> at = {f.picBall.left, f.picBall.top};
    for (const Figure& figure : f.player) at.insert(at.end(), {figure.left, figure.top});
    return at;
  };
  const std::vector<float> before = places();
  Timeline t(p, {{"something moved", [&] { return places() != before; }}});
  f.SkitCard();
  EXPECT_EQ(t.changes(), Lines{});
  p.platform.run(1);
  EXPECT_NE(places(), before);
}
