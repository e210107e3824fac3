#include "skits/asides.h"

#include <string>

#include "app/form1.h"
#include "skits/script.h"

namespace {

// The asides that are plain lines, by their number. 32 has none: it says
// nothing and just releases the display.
struct PlainAside {
  int aside;
  Script lines;
};

const PlainAside PlainAsides[] = {
    {0, {{"What a nice piece of ball handling", NoWait}}},
    {1,
     {
         {"Artfully done!", Delay(2000)},
         {"(you know, it i use words like 'artfully' the fans start ", Delay(3500)},
         {"to believe there's more to it than there actually is.)", NoWait},
     }},
    {2, {{"Nicely played.", NoWait}}},
    {3, {{"Good ball.. excellent control", NoWait}}},
    {4,
     {
         {"As the game goes on they really do start looking like a bunch "},
         {"of dehydrated marathoners, don't they?", Delay(4500)},
     }},
    {5, {{"That was an inelegant bit of play.", Delay(4500)}}},
    {6,
     {
         {"Soccer players are just ordinary people with calves the size ", Delay(4500)},
         {"of watermelons", NoWait},
     }},
    {7,
     {
         {"Soccer developed from a desire to recreate World War 1 before "},
         {"the Americans joined and took care of business."},
         {"Back and forth along a narrow front.  A lot of stupid, useless "},
         {"activity without really accomplishing anything."},
     }},
    {8,
     {
         {"It is a well known fact that the USA won both the World Wars "},
         {"due to the European habit of playing soccer.  Little European "},
         {"boys would grow up kicking the ball while their arms and upper "},
         {"bodies withered.  Consequently, Americans, with their physiques "},
         {"toned through an upbringing of (real) football and baseball "},
         {"throwing, were able to hurl their grenades far greater distances."},
         {"Yes, the war did drag on for several years as the Europeans, "},
         {"weened on soccer, were able flee and run away for a bit."},
     }},
    {9, {{"Nicely done!"}}},
    {10, {{"(yawn)"}}},
    {11, {{"I wish this game would end soon."}}},
    {12, {{"Sigh.  Soccer is so boring."}}},
    {13,
     {
         {"You can tell how good a player is by how "},
         {"stupid his hair is."},
     }},
    {14,
     {
         {"The reason soccer is so popular in all the backwards"},
         {"countries where fans are such idiots about it because"},
         {"the rules are so braindeadly simple even your  average"},
         {"{*Frenchman*Spaniard*Mexican*South American} can understand them"},
     }},
    {15,
     {
         {"Note that the game time we have posted for you is but an"},
         {"approximation.  Since in underdeveloped countries such as"},
         {"{*France*Portugal*Argentina*Croatia} clocks are at such"},
         {"a premium, only the referee knows the actual game time--and even"},
         {"then he makes it up as he goes along.  This sort of clock"},
         {"system ensures that there is a minimum of suspense and excitement"},
         {"towards the end of the game (that, and the players look like "},
         {"refugees) as in American sports.", NoWait},
     }},
    {16,
     {
         {"If Americans ruled soccer, punching would be encouraged, "},
         {"red cards would be desirable, and players who feigned"},
         {"injuries would be made to wear a dress"},
         {"for the duration for the first offense, and would be"},
         {"summarily executed for the second.", NoWait},
     }},
    // The results from other matches.
    {17,
     {
         {"Here are the scores from some matches earlier today:"},
         {"{*Finland 0 - Pakistan 0*Burundi 0 - Lichtensten 0}"},
         {"{*Chile 0 - Laos 0*Lesotho 0 - Ghana 0}"},
         {"{*Holland 0 - Tajikistan 0*Vatican City 0 - Mexico 0}"},
         {"{*Belarus 0 - Haiti 0*Barbados 0 - Mauritius 0}"},
         {"{*Liberia 0 - France 0*Portugal 0 - Sri Lanka 0}"},
     }},
    {19, {{"Soccer makes TV wrestling look like a sport"}}},
    {20, {{"What a bunch of pansies!"}}},
    {21, {{"Nice play.."}}},
    {22, {{"Pass.. Kick..zzzzzzzzzzzzzz"}}},
    {23,
     {
         {"A common strategy is to wait for a restart"},
         {"or an injury and then quickly take a shot on net"},
         {"while the other team is paying attention to something"},
         {"else.  Taking advantage of an inattentive opponent?"},
         {"Occasionally, yes.  But more often than not it is"},
         {"just a pathetic unsportsmanlike way to deal with the"},
         {"anticompetitive rules of the game."},
     }},
    {24, {{"Nice play.."}}},
    {25,
     {
         {"I remind you--be thankful this game moves at five times"},
         {"the clip of a regular soccer match--so it's only one"},
         {"fifth as dull", NoWait},
     }},
    {27,
     {
         {"This game just goes on and on doesn't it.  I wonder if a real"},
         {"football game (by that of course I mean one played with a brown"},
         {"oblong ball) is on another channel now."},
     }},
    {28,
     {
         {"perhaps we'll get some excitement out of this game if "},
         {"the English start to riot.  Other than that, soccer=naptime."},
     }},
};

// 18: the first time, a player between 2 and 20 turns into a little girl
// for the rest of the match; afterwards a plain line.
void LittleGirl(Form1& f) {
  if (f.GirlShown) {
    Say(f, {"Soccer players are a bunch of ballerinas."});
    return;
  }
  f.GirlShown = True;
  const int j = f.rnd().below(19) + 2;
  Figure& figure = f.player[j];
  figure.picture = f.girl.picture;
  figure.height = f.girl.height;
  figure.width = f.girl.width;
  for (auto part :
       {&Form1::shpShirt, &Form1::shpShorts, &Form1::shpHead, &Form1::shpHair, &Form1::shpSocks,
        &Form1::shpLegs, &Form1::Shape10, &Form1::shpArms, &Form1::shpShoulders})
    (f.*part)[j].visible = false;
  // The stroke between the legs goes with them, or it would cross her dress.
  f.Line4[j].visible = false;
  Say(f, {"It appears as if one of the players has revealed"});
  Say(f, {"his true form and has turned into a little girl."});
}

// 26: a player of one of the two teams has been arrested.
const Script Arrest = {
    {"I hear the {*left*right} {*winger*defenseman}"},
    {"of {*{home}*{visitors}} was arrested"},
    {"for impersonating an athlete"},
};

void Arrested(Form1& f) {
  Say(f, Arrest, {{"{home}", f.Label17.caption}, {"{visitors}", f.Label18.caption}});
}

// Takes away the speech balloon with the tail at `tail` and `tail` + 1.
void HideBalloon(Form1& f, int tail) {
  f.Label24.visible = false;
  f.Shape25[0].visible = false;
  f.Line1[tail].visible = false;
  f.Line1[tail + 1].visible = false;
}

// 29: the bald businessman orders the players shot.
void OrderToShoot(Form1& f) {
  f.burns.visible = true;
  f.DelayMs(5000);
  f.Label24.caption = "Smithers! Have these " +
                      f.OneOf("*lollygaggers*blubberbutts*ballerinas*idle-Annies") +
                      " shot at once!";
  f.Shape25[0].visible = true;
  f.Line1[2].visible = true;
  f.Line1[3].visible = true;
  f.Label24.visible = true;
  f.DelayMs(10000);
  HideBalloon(f, 2);
  f.DelayMs(2000);
  f.burns.visible = false;
}

// 30 and 31: a fan appears, then speaks in the balloon, its tail at `tail`;
// the girl is hushed by the man beside her before the balloon goes.
void FanSpeaks(Form1& f, Image& fan, int tail, const char* choices, bool hushed) {
  fan.visible = true;
  f.DelayMs(3000);
  f.Line1[tail].visible = true;
  f.Line1[tail + 1].visible = true;
  f.Shape25[0].visible = true;
  f.Label24.caption = f.OneOf(choices);
  f.Label24.visible = true;
  f.DelayMs(5000);
  if (hushed) {
    f.shh.visible = true;
    f.DelayMs(5000);
    f.shh.visible = false;
    f.DelayMs(3000);
  }
  HideBalloon(f, tail);
  f.DelayMs(2000);
  fan.visible = false;
}

// What the fans say: each a whole alternatives list, kept on one line.
// clang-format off
constexpr const char* FanLines = "*I cant take this any more this sport is so lame*Soccer is so damn boring!*I'm drunk and this game still isnt interesting!";
constexpr const char* GirlLines = "*These guys play like a bunch of little girls*What a stupid sport*I'd take a real football player over these any day.";
// clang-format on

void FanGivesUp(Form1& f) { FanSpeaks(f, f.Argh, 4, FanLines, false); }
void GirlIsHushed(Form1& f) { FanSpeaks(f, f.smGirl, 6, GirlLines, true); }

struct StagedAside {
  int aside;
  void (*run)(Form1&);
};

constexpr StagedAside StagedAsides[] = {
    {18, LittleGirl}, {26, Arrested}, {29, OrderToShoot}, {30, FanGivesUp}, {31, GirlIsHushed},
};

}  // namespace

void Aside(Form1& f) {
  f.replay.moment(MomentKind::Interjection);
  const int k = f.rnd().below(33);
  for (const StagedAside& staged : StagedAsides)
    if (staged.aside == k) return staged.run(f);
  for (const PlainAside& plain : PlainAsides)
    if (plain.aside == k) Say(f, plain.lines);
}
