#include <string>

#include "app/form1.h"
#include "skits/script.h"

namespace {

// clang-format off
const ScriptLine CardComing = {"{*It looks like we're going to have a card here*The referee is reaching into his pocket*We might have a card here*That might be a card..}", Delay(2000)};
const ScriptLine CardGiven = {"{*Yes, it looks like a {colour} card for {name}*A {colour} card has been {given} to {name}*{name} gets a {colour} card*The {colour} card is going to be given to {name}}"};
// clang-format on

// What the announcer makes of the card; {name} is the carded player.
const Script StaysOn = {
    {"However, the player will stay on because "},
    {"the programmer was much too lazy to take him off"},
    {"and besides, players should be rewarded, not"},
    {"punished for good, aggrssive play.  Oh wait a"},
    {"minute.. what am I saying... being removed from  "},
    {"the lame game of soccer is a reward"},
};
const Script Arbitrary = {
    {"An arbitrary yellow card--what else is new.  Punishing "},
    {"the player for playing like a man instead of a fairy."},
};
const Script ThreePoints = {
    {"A red card!  Well done. According to the new American"},
    {"scoring system designed to put some some backbone"},
    {"into this ballerina sport, that's three points for "},
    {"his team.  Well done {name}!"},
};
const Script OnePoint = {
    {"A yellow card!  Nice Job! In the new American"},
    {"scoring system for this spineless sport, that "},
    {"would count for one point for his team."},
    {"Good job {name}!"},
};
const Script Mystery = {
    {"You ask WHY he got the card?"},
    {"This is a mystery to all.  In soccer officials"},
    {"are inculpable perversions of logic.  Given the"},
    {"low scores, an official's attitude towards a team"},
    {"or a player is generally the deciding factor in any"},
    {"given match--skill has no place in this \"sport\""},
};
// clang-format off
const Script Transgression = {
    {"And what was his transgression?  We shall"},
    {"perhaps never know.  Perhaps the referee didn't"},
    {"like {*the look on his face.*that he was playing like a man, not a ballerina.*his hard work and hustle.}"},
};
// clang-format on

// The comments by the draw, for a yellow and for a red card.
struct Comment {
  const Script& yellow;
  const Script& red;
};
const Comment Comments[4] = {
    {Arbitrary, StaysOn},
    {OnePoint, ThreePoints},
    {Mystery, Mystery},
    {Transgression, Transgression},
};

}  // namespace

// A yellow or red card for one of the first eighteen figures: the announcer
// suspects it, the card goes up with the name on it, he says who got it and
// comments on the decision. Play stands still throughout.
void Form1::SkitCard() {
  const std::size_t moment = replay.moment(MomentKind::Card);
  HoldAnnouncer = True;
  PlayHalted = True;

  const bool red = rnd().below(2) != 0;
  const std::string colour = red ? "red" : "yellow";
  replay.momentCameTo(moment, colour);
  RedCard.backColor = red ? rgb(0xff0000) : rgb(0xffff00);
  // Figure 0 and the figures above 18 never get a card.
  RedCardWho.caption = player[rnd().below(18) + 1].name();
  const std::string name = RedCardWho.caption;

  Say(*this, CardComing);
  RedCard.visible = true;
  DelayMs(2000);
  const std::string given = OneOf("*issued*given");
  Say(*this, CardGiven, {{"{colour}", colour}, {"{name}", name}, {"{given}", given}});
  const Comment& comment = Comments[rnd().below(4)];
  Say(*this, red ? comment.red : comment.yellow, {{"{name}", name}});

  RedCard.visible = false;
  PlayHalted = False;
  HoldAnnouncer = False;
}
