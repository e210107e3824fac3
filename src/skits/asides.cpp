#include <string>

#include "app/form1.h"
#include "skits/interject.h"

namespace {

// The asides that are plain lines, by their number. 32 has none: it says
// nothing and just releases the display.
struct AsideLine {
  int aside;
  ScriptLine line;
};

constexpr AsideLine PlainAsides[] = {
    {0, {"What a nice piece of ball handling", NoWait}},

    {1, {"Artfully done!", 2000}},
    {1, {"(you know, it i use words like 'artfully' the fans start ", 3500}},
    {1, {"to believe there's more to it than there actually is.)", NoWait}},

    {2, {"Nicely played.", NoWait}},

    {3, {"Good ball.. excellent control", NoWait}},

    {4, {"As the game goes on they really do start looking like a bunch ", 4000}},
    {4, {"of dehydrated marathoners, don't they?", 4500}},

    {5, {"That was an inelegant bit of play.", 4500}},

    {6, {"Soccer players are just ordinary people with calves the size ", 4500}},
    {6, {"of watermelons", NoWait}},

    {7, {"Soccer developed from a desire to recreate World War 1 before ", 4000}},
    {7, {"the Americans joined and took care of business.", 4000}},
    {7, {"Back and forth along a narrow front.  A lot of stupid, useless ", 4000}},
    {7, {"activity without really accomplishing anything.", 4000}},

    {8, {"It is a well known fact that the USA won both the World Wars ", 4000}},
    {8, {"due to the European habit of playing soccer.  Little European ", 4000}},
    {8, {"boys would grow up kicking the ball while their arms and upper ", 4000}},
    {8, {"bodies withered.  Consequently, Americans, with their physiques ", 4000}},
    {8, {"toned through an upbringing of (real) football and baseball ", 4000}},
    {8, {"throwing, were able to hurl their grenades far greater distances.", 4000}},
    {8, {"Yes, the war did drag on for several years as the Europeans, ", 4000}},
    {8, {"weened on soccer, were able flee and run away for a bit.", 4000}},

    {9, {"Nicely done!", 4000}},
    {10, {"(yawn)", 4000}},
    {11, {"I wish this game would end soon.", 4000}},
    {12, {"Sigh.  Soccer is so boring.", 4000}},

    {13, {"You can tell how good a player is by how ", 4000}},
    {13, {"stupid his hair is.", 4000}},

    {14, {"The reason soccer is so popular in all the backwards", 4000}},
    {14, {"countries where fans are such idiots about it because", 4000}},
    {14, {"the rules are so braindeadly simple even your  average", 4000}},
    {14, {"", 4000, "*Frenchman*Spaniard*Mexican*South American", " can understand them"}},

    {15, {"Note that the game time we have posted for you is but an", 4000}},
    {15, {"approximation.  Since in underdeveloped countries such as", 4000}},
    {15, {"", 4000, "*France*Portugal*Argentina*Croatia", " clocks are at such"}},
    {15, {"a premium, only the referee knows the actual game time--and even", 4000}},
    {15, {"then he makes it up as he goes along.  This sort of clock", 4000}},
    {15, {"system ensures that there is a minimum of suspense and excitement", 4000}},
    {15, {"towards the end of the game (that, and the players look like ", 4000}},
    {15, {"refugees) as in American sports.", NoWait}},

    {16, {"If Americans ruled soccer, punching would be encouraged, ", 4000}},
    {16, {"red cards would be desirable, and players who feigned", 4000}},
    {16, {"injuries would be made to wear a dress", 4000}},
    {16, {"for the duration for the first offense, and would be", 4000}},
    {16, {"summarily executed for the second.", NoWait}},

    // The results from other matches.
    {17, {"Here are the scores from some matches earlier today:", 4000}},
    {17, {"", 4000, "*Finland 0 - Pakistan 0*Burundi 0 - Lichtensten 0"}},
    {17, {"", 4000, "*Chile 0 - Laos 0*Lesotho 0 - Ghana 0"}},
    {17, {"", 4000, "*Holland 0 - Tajikistan 0*Vatican City 0 - Mexico 0"}},
    {17, {"", 4000, "*Belarus 0 - Haiti 0*Barbados 0 - Mauritius 0"}},
    {17, {"", 4000, "*Liberia 0 - France 0*Portugal 0 - Sri Lanka 0"}},

    {19, {"Soccer makes TV wrestling look like a sport", 4000}},
    {20, {"What a bunch of pansies!", 4000}},
    {21, {"Nice play..", 4000}},
    {22, {"Pass.. Kick..zzzzzzzzzzzzzz", 4000}},

    {23, {"A common strategy is to wait for a restart", 4000}},
    {23, {"or an injury and then quickly take a shot on net", 4000}},
    {23, {"while the other team is paying attention to something", 4000}},
    {23, {"else.  Taking advantage of an inattentive opponent?", 4000}},
    {23, {"Occasionally, yes.  But more often than not it is", 4000}},
    {23, {"just a pathetic unsportsmanlike way to deal with the", 4000}},
    {23, {"anticompetitive rules of the game.", 4000}},

    {24, {"Nice play..", 4000}},

    {25, {"I remind you--be thankful this game moves at five times", 4000}},
    {25, {"the clip of a regular soccer match--so it's only one", 4000}},
    {25, {"fifth as dull", NoWait}},

    {27, {"This game just goes on and on doesn't it.  I wonder if a real", 4000}},
    {27, {"football game (by that of course I mean one played with a brown", 4000}},
    {27, {"oblong ball) is on another channel now.", 4000}},

    {28, {"perhaps we'll get some excitement out of this game if ", 4000}},
    {28, {"the English start to riot.  Other than that, soccer=naptime.", 4000}},
};

// 18: the first time, a player between 2 and 20 turns into a little girl
// for the rest of the match; afterwards a plain line.
void LittleGirl(Form1& f) {
  if (f.GirlShown) {
    f.Say("Soccer players are a bunch of ballerinas.", 4000);
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
  f.Say("It appears as if one of the players has revealed", 4000);
  f.Say("his true form and has turned into a little girl.", 4000);
}

// 26: a player of one of the two teams has been arrested.
void Arrest(Form1& f) {
  const std::string side = f.OneOf("*left*right");
  const std::string position = f.OneOf("*winger*defenseman");
  f.Say("I hear the " + side + " " + position, 4000);
  const std::string countries = "*" + f.Label17.caption + "*" + f.Label18.caption;
  SayLine(f, {"of ", 4000, countries.c_str(), " was arrested"});
  f.Say("for impersonating an athlete", 4000);
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
    {18, LittleGirl}, {26, Arrest}, {29, OrderToShoot}, {30, FanGivesUp}, {31, GirlIsHushed},
};

}  // namespace

void Aside(Form1& f) {
  f.replay.moment(MomentKind::Interjection);
  const int k = f.rnd().below(33);
  for (const StagedAside& staged : StagedAsides)
    if (staged.aside == k) return staged.run(f);
  for (const AsideLine& plain : PlainAsides)
    if (plain.aside == k) SayLine(f, plain.line);
}
