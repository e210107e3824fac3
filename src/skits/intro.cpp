#include <initializer_list>
#include <string>

#include "app/form1.h"

namespace {

constexpr const char* GameWords = "*game*match*contest";
// clang-format off
constexpr const char* Rivals = "*traditional rivals *the banana republics of *the workers pararadises of * * * * * * * * * * * * * * * * * * * * ";
// clang-format on

// What the sport is really for: the last line but one ends with one of these.
constexpr const char* RealPurposes[6] = {
    "keep the Germans occupied so they won't attack France.",
    "give the Italians another excuse for not going to work.",
    "give the English an excuse to break things.",
    "let English men escape their ugly, ugly women for a few hours.",
    "keep the peasants of assorted banana republics from rebelling.",
    "fool the rest of the world into feeling superior to the USA in something.",
};

// A line run together from its pieces, untrimmed. The pieces of a braced list
// are worked out from left to right, so the choices among them are drawn in
// reading order.
std::string joined(std::initializer_list<std::string> pieces) {
  std::string line;
  for (const std::string& piece : pieces) line += piece;
  return line;
}

}  // namespace

// The announcer's introduction at kick-off: eight lines of four seconds each.
// The match already runs underneath; its own lines stay off the display until
// the introduction lets go of it at the end.
void Form1::SkitIntro() {
  HoldAnnouncer = True;
  auto say = [this](const std::string& line) { Say(line, 4000); };

  say(joined({OneOf("*Good Morning*Good Afternoon*Good Evening"), " ",
              OneOf("*sports fans*assorted rabble*unwashed masses"), " and ",
              OneOf("*drunken Europeans*drunken Englishmen*tratorious Americans"), "!"}));
  say(joined({"Welcome to ", OneOf("*another typically*yet another*another"), " ",
              OneOf("*monotonously dull*boring*monumentally uninteristing*dull"), " ",
              OneOf("*World Cup * * * * "), OneOf(GameWords)}));
  say(joined({"between ", OneOf(Rivals), Label7.caption, " and ", Label6.caption, "."}));
  // This line runs on into the next one.
  say("But, of course it doesn't matter how boring the ");
  say(joined({OneOf(GameWords), " actually is, for we all know the "}));
  say(joined({"real pupose of ", OneOf("*soccer*football"), " is to "}));
  say(RealPurposes[rnd().below(6)]);
  say(OneOf("*And we're underway*The match begins...*Here we go"));

  HoldAnnouncer = False;
}
