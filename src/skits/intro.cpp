#include "app/form1.h"
#include "skits/script.h"

namespace {

// The introduction; {home} and {visitors} are the two countries of the
// lineups. Its last line but one ends with one of the real purposes.
// clang-format off
const Script Introduction = {
    {"{*Good Morning*Good Afternoon*Good Evening} {*sports fans*assorted rabble*unwashed masses} and {*drunken Europeans*drunken Englishmen*tratorious Americans}!"},
    {"Welcome to {*another typically*yet another*another} {*monotonously dull*boring*monumentally uninteristing*dull} {*World Cup * * * * }{*game*match*contest}"},
    {"between {*traditional rivals *the banana republics of *the workers pararadises of * * * * * * * * * * * * * * * * * * * * }{home} and {visitors}."},
    // This line runs on into the next one.
    {"But, of course it doesn't matter how boring the "},
    {"{*game*match*contest} actually is, for we all know the "},
    {"real pupose of {*soccer*football} is to "},
};
// clang-format on

// What the sport is really for.
const ScriptLine RealPurposes[6] = {
    {"keep the Germans occupied so they won't attack France."},
    {"give the Italians another excuse for not going to work."},
    {"give the English an excuse to break things."},
    {"let English men escape their ugly, ugly women for a few hours."},
    {"keep the peasants of assorted banana republics from rebelling."},
    {"fool the rest of the world into feeling superior to the USA in something."},
};

const ScriptLine Underway = {"{*And we're underway*The match begins...*Here we go}"};

}  // namespace

// The announcer's introduction at kick-off: eight lines of four seconds each.
// The match already runs underneath; its own lines stay off the display until
// the introduction lets go of it at the end.
void Form1::SkitIntro() {
  HoldAnnouncer = True;
  Say(*this, Introduction, {{"{home}", Label7.caption}, {"{visitors}", Label6.caption}});
  Say(*this, RealPurposes[rnd().below(6)]);
  Say(*this, Underway);
  HoldAnnouncer = False;
}
