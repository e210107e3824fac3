#include <string>

#include "app/form1.h"

namespace {

// clang-format off
constexpr const char* CardComing = "*It looks like we're going to have a card here*The referee is reaching into his pocket*We might have a card here*That might be a card..";
constexpr const char* Grudges = "*the look on his face.*that he was playing like a man, not a ballerina.*his hard work and hustle.";
// clang-format on

}  // namespace

// A yellow or red card for one of the first eighteen figures: the announcer
// suspects it, the card goes up with the name on it, he says who got it and
// comments on the decision. Play stands still throughout.
void Form1::SkitCard() {
  replay.moment(MomentKind::Card);
  HoldAnnouncer = True;
  PlayHalted = True;
  auto say = [this](const std::string& line, std::int16_t wait = 4000) { Say(line, wait); };

  const bool red = rnd().below(2) != 0;
  const std::string colour = red ? "red" : "yellow";
  RedCard.backColor = red ? rgb(0xff0000) : rgb(0xffff00);
  // Figure 0 and the figures above 18 never get a card.
  RedCardWho.caption = player[rnd().below(18) + 1].name();
  const std::string name = RedCardWho.caption;

  say(OneOf(CardComing), 2000);
  RedCard.visible = true;
  DelayMs(2000);
  const std::string given = OneOf("*issued*given");
  say(OneOf("*Yes, it looks like a " + colour + " card for " + name + "*A " + colour +
            " card has been " + given + " to " + name + "*" + name + " gets a " + colour +
            " card*The " + colour + " card is going to be given to " + name));

  const int comment = rnd().below(4);
  if (red && comment == 0) {
    say("However, the player will stay on because ");
    say("the programmer was much too lazy to take him off");
    say("and besides, players should be rewarded, not");
    say("punished for good, aggrssive play.  Oh wait a");
    say("minute.. what am I saying... being removed from  ");
    say("the lame game of soccer is a reward");
  } else if (comment == 0) {
    say("An arbitrary yellow card--what else is new.  Punishing ");
    say("the player for playing like a man instead of a fairy.");
  } else if (red && comment == 1) {
    say("A red card!  Well done. According to the new American");
    say("scoring system designed to put some some backbone");
    say("into this ballerina sport, that's three points for ");
    say("his team.  Well done " + name + "!");
  } else if (comment == 1) {
    say("A yellow card!  Nice Job! In the new American");
    say("scoring system for this spineless sport, that ");
    say("would count for one point for his team.");
    say("Good job " + name + "!");
  } else if (comment == 2) {
    say("You ask WHY he got the card?");
    say("This is a mystery to all.  In soccer officials");
    say("are inculpable perversions of logic.  Given the");
    say("low scores, an official's attitude towards a team");
    say("or a player is generally the deciding factor in any");
    say("given match--skill has no place in this \"sport\"");
  } else {
    say("And what was his transgression?  We shall");
    say("perhaps never know.  Perhaps the referee didn't");
    say("like " + OneOf(Grudges));
  }

  RedCard.visible = false;
  PlayHalted = False;
  HoldAnnouncer = False;
}
