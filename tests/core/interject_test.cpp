#include <gtest/gtest.h>

#include <set>
#include <string>
#include <utility>
#include <vector>

#include "match/engine.h"
#include "support/session.h"

namespace {

constexpr int NoPause = -1;  // a last line that stays on the display

// A line of a script and the pause after it, in milliseconds.
struct Cue {
  std::string text;
  int pause;
};

// What happened over time: each entry with the clock step, counted from the
// start of the skit, in which it happened; the last entry is Done.
using Timeline = std::vector<std::pair<std::string, std::uint64_t>>;
const std::string Done = "(done)";

// The steps a pause takes: the wait ends on the first reading past it, and
// every pause of the skit is a whole number of eighths of a second.
std::uint64_t stepsOf(int ms) { return ms == NoPause ? 0 : ms * 64 / 1000 + 1; }

Timeline timelineOf(const std::vector<Cue>& script) {
  Timeline t;
  std::uint64_t at = 0;
  for (const Cue& line : script) {
    t.push_back({line.text, at});
    at += stepsOf(line.pause);
  }
  t.push_back({Done, at});
  return t;
}

// An alternative that a draw of OneOf picks: alternative `n` (from 0) of `list`.
struct Choice {
  std::string list;
  int n;
};

std::string nameOf(const Element& e) {
  return e.index < 0 ? e.name : e.name + "(" + std::to_string(e.index) + ")";
}

// The program after kick-off with play halted, so that the skit's draws are
// the only ones.
struct Match : Session {
  Match() {
    kickOff();
    form.PlayHalted = True;
  }

  void pushChoice(const Choice& choice) { Session::pushChoice(choice.list, choice.n); }

  // The lines said since transcript entry `from`, counted from step `start`.
  Timeline heardSince(std::size_t from, std::uint64_t start) {
    Timeline t;
    const auto& said = platform.transcript();
    for (std::size_t i = from; i < said.size(); ++i) {
      EXPECT_TRUE(said[i].interrupts) << said[i].line;
      t.push_back({said[i].line, said[i].step - start});
    }
    t.push_back({Done, platform.step() - start});
    return t;
  }

  Timeline interject() {
    const std::size_t from = platform.transcript().size();
    const std::uint64_t start = platform.step();
    form.SkitInterject();
    return heardSince(from, start);
  }
};

const std::vector<Cue> HalfTimeSpeech = {
    {"Well we're past halftime now--and no, ", 4000},
    {"we're not going to take a break and rest", 4000},
    {"and analyze the gameplay or the strategy", 4000},
    {"or anything like that because it can be", 4000},
    {"summed up in one sentence:  a bunch of European", 4000},
    {"and/or otherwise non-American wussies with long", 4000},
    {"and/or no hair pranced around for 45 minutes faking", 4000},
    {"injuries and kicking the ball around like a bunch", 4000},
    {"of primadonnas.  Let's do it for another 45!", 4000},
    {"The match continues.", NoPause},
};

const std::vector<Cue> FullTimeSpeech = {
    {"The referee's blown his whistle--that's full time", 4000},
    {"Another breathtakingly dull nil-nil match is complete.", 4000},
    {"Of course the socialist \"work\" ethic prevents", 4000},
    {"the teams from continuing on like men and finishing", 4000},
    {"the job.  If they did play like athletes instead of", 4000},
    {"a bunch of wussies of course thr truck drivers and", 4000},
    {"stevedores in their respective countries would", 4000},
    {"immediately go on strike in protest.", 4000},
    {"Still, it's all for the best, since less soccer is", 4000},
    {"better soccer and less excercise means the out-of-shape", 4000},
    {"Europeans will be in less of a position to throttle each", 4000},
    {"other again over something stupid like Belgium", 4000},
    {"On behalf of the Grobnik and ugly and not so ugly Americans", 4000},
    {"everywhere, this is your announcer reminding you that real", 4000},
    {"football is played with an oblong ball.", 4000},
    {"Good night and good bye.  May all your days be soccer-free.", 10000},
};

}  // namespace

TEST(Interject, ReturnsAtOnceWhenTheDisplayIsAlreadyHeld) {
  Match m;
  m.form.MatchMinute = 95;
  m.form.HoldAnnouncer = True;
  const std::uint64_t drawn = m.platform.script().drawn();
  EXPECT_EQ(m.interject(), timelineOf({}));  // no line, no pause
  EXPECT_EQ(m.platform.script().drawn(), drawn);
  EXPECT_EQ(m.form.HoldAnnouncer, True);
  EXPECT_EQ(m.form.HalfTimeDone, False);
}

TEST(Interject, HalfTimeIsGivenOnceAndOnlyFromMinute45) {
  Match m;
  Form1& f = m.form;
  f.MatchMinute = 44;
  m.platform.script().pushDraw(32, 33);  // the aside that says nothing
  EXPECT_EQ(m.interject(), timelineOf({}));
  EXPECT_EQ(f.HalfTimeDone, False);

  f.MatchMinute = 45;
  const std::uint64_t drawn = m.platform.script().drawn();
  EXPECT_EQ(m.interject(), timelineOf(HalfTimeSpeech));
  EXPECT_EQ(f.HalfTimeDone, True);
  EXPECT_EQ(m.platform.script().drawn(), drawn);  // no aside was drawn

  // Later, and before minute 90: an aside again, not a second speech.
  f.MatchMinute = 89;
  m.platform.script().pushDraw(9, 33);
  EXPECT_EQ(m.interject(), timelineOf({{"Nicely done!", 4000}}));
  EXPECT_EQ(f.FullTimeDone, False);
  EXPECT_FALSE(f.ended());
}

TEST(Interject, FullTimeComesAfterHalfTimeFromMinute90AndEndsTheProgramForGood) {
  Match m;
  Form1& f = m.form;
  // The first run after minute 90 gives half time; full time waits.
  f.MatchMinute = 95;
  EXPECT_EQ(m.interject(), timelineOf(HalfTimeSpeech));
  EXPECT_EQ(f.FullTimeDone, False);

  // The next one, drawn by the lottery with play going on, is full time:
  // play stops at once, so the ticks inside its waits draw and move nothing.
  f.PlayHalted = False;
  std::vector<std::pair<float, float>> placesBefore;
  for (const Figure& figure : f.player) placesBefore.push_back({figure.left, figure.top});
  m.platform.script().pushDraw(0, LotteryRange);
  m.pushChoice({"*Frnace*Belgium*Serbia", 1});
  const std::size_t from = m.platform.transcript().size();
  const std::uint64_t start = m.platform.step() + 1;  // the pass of the tick that draws it
  m.platform.run(5000);
  EXPECT_TRUE(f.ended());
  EXPECT_EQ(m.platform.endCalls(), 1);
  // The program ends right after the last line's ten seconds.
  EXPECT_EQ(m.heardSince(from, start), timelineOf(FullTimeSpeech));
  EXPECT_EQ(m.platform.script().pending(), 0u);
  EXPECT_EQ(f.PlayHalted, True);
  EXPECT_EQ(f.FullTimeDone, True);
  std::vector<std::pair<float, float>> placesAfter;
  for (const Figure& figure : f.player) placesAfter.push_back({figure.left, figure.top});
  EXPECT_EQ(placesAfter, placesBefore);

  // Nothing runs afterwards: no pass, no tick, no clock.
  const std::uint64_t step = m.platform.step(), ticks = f.engineTicks;
  const std::string clock = f.Label20.caption;
  m.platform.run(100);
  f.heartbeat(step + 64);
  EXPECT_EQ(m.platform.step(), step);
  EXPECT_EQ(f.engineTicks, ticks);
  EXPECT_EQ(f.Label20.caption, clock);
}

TEST(Interject, TheLittleGirlComesOnceAndOnlyToFigures2To20) {
  for (int draw : {0, 18}) {
    Match m;
    Form1& f = m.form;
    std::vector<bool> visibleBefore;
    for (const Element* e : f.elements()) visibleBefore.push_back(e->visible);
    m.platform.script().pushDraw(18, 33);
    m.platform.script().pushDraw(draw, 19);
    EXPECT_EQ(m.interject(),
              timelineOf({{"It appears as if one of the players has revealed", 4000},
                          {"his true form and has turned into a little girl.", 4000}}));

    const int j = draw + 2;
    auto girls = [&] {
      std::vector<int> who;
      for (int k = 0; k < Figures; ++k)
        if (f.player[k].picture == Picture::Girl) who.push_back(k);
      return who;
    };
    std::set<std::string> hidden;
    for (std::size_t e = 0; e < f.elements().size(); ++e) {
      const Element& el = *f.elements()[e];
      if (el.visible != visibleBefore[e]) hidden.insert(nameOf(el) + (el.visible ? " shown" : ""));
    }
    const std::string i = "(" + std::to_string(j) + ")";
    EXPECT_EQ(hidden,
              (std::set<std::string>{"shpShirt" + i, "shpShorts" + i, "shpHead" + i, "shpHair" + i,
                                     "shpSocks" + i, "shpLegs" + i, "Shape10" + i, "shpArms" + i,
                                     "shpShoulders" + i, "Line4" + i}));
    EXPECT_EQ(girls(), std::vector<int>{j});
    EXPECT_EQ(f.player[j].width, 480);
    EXPECT_EQ(f.player[j].height, 480);

    // A later draw of the same aside gives its other line and nobody else turns.
    m.platform.script().pushDraw(18, 33);
    m.platform.script().pushDraw(5, 19);  // would pick player 7, if anyone drew it
    EXPECT_EQ(m.interject(), timelineOf({{"Soccer players are a bunch of ballerinas.", 4000}}));
    EXPECT_EQ(m.platform.script().pending(), 1u);
    EXPECT_EQ(girls(), std::vector<int>{j});
  }
}

TEST(Interject, EachAsideSaysItsLinesWithTheirPauses) {
  struct Case {
    int aside;
    std::vector<Cue> lines;
    std::vector<Choice> choices = {};  // the alternatives its draws pick, in order
  };
  const std::string Results[] = {
      "*Finland 0 - Pakistan 0*Burundi 0 - Lichtensten 0",
      "*Chile 0 - Laos 0*Lesotho 0 - Ghana 0",
      "*Holland 0 - Tajikistan 0*Vatican City 0 - Mexico 0",
      "*Belarus 0 - Haiti 0*Barbados 0 - Mauritius 0",
      "*Liberia 0 - France 0*Portugal 0 - Sri Lanka 0",
  };
  const std::vector<Case> cases = {
      {0, {{"What a nice piece of ball handling", NoPause}}},
      {1,
       {{"Artfully done!", 2000},
        {"(you know, it i use words like 'artfully' the fans start ", 3500},
        {"to believe there's more to it than there actually is.)", NoPause}}},
      {2, {{"Nicely played.", NoPause}}},
      {3, {{"Good ball.. excellent control", NoPause}}},
      {4,
       {{"As the game goes on they really do start looking like a bunch ", 4000},
        {"of dehydrated marathoners, don't they?", 4500}}},
      {5, {{"That was an inelegant bit of play.", 4500}}},
      {6,
       {{"Soccer players are just ordinary people with calves the size ", 4500},
        {"of watermelons", NoPause}}},
      {7,
       {{"Soccer developed from a desire to recreate World War 1 before ", 4000},
        {"the Americans joined and took care of business.", 4000},
        {"Back and forth along a narrow front.  A lot of stupid, useless ", 4000},
        {"activity without really accomplishing anything.", 4000}}},
      {8,
       {{"It is a well known fact that the USA won both the World Wars ", 4000},
        {"due to the European habit of playing soccer.  Little European ", 4000},
        {"boys would grow up kicking the ball while their arms and upper ", 4000},
        {"bodies withered.  Consequently, Americans, with their physiques ", 4000},
        {"toned through an upbringing of (real) football and baseball ", 4000},
        {"throwing, were able to hurl their grenades far greater distances.", 4000},
        {"Yes, the war did drag on for several years as the Europeans, ", 4000},
        {"weened on soccer, were able flee and run away for a bit.", 4000}}},
      {9, {{"Nicely done!", 4000}}},
      {10, {{"(yawn)", 4000}}},
      {11, {{"I wish this game would end soon.", 4000}}},
      {12, {{"Sigh.  Soccer is so boring.", 4000}}},
      {13, {{"You can tell how good a player is by how ", 4000}, {"stupid his hair is.", 4000}}},
      {14,
       {{"The reason soccer is so popular in all the backwards", 4000},
        {"countries where fans are such idiots about it because", 4000},
        {"the rules are so braindeadly simple even your  average", 4000},
        {"South American can understand them", 4000}},
       {{"*Frenchman*Spaniard*Mexican*South American", 3}}},
      {15,
       {{"Note that the game time we have posted for you is but an", 4000},
        {"approximation.  Since in underdeveloped countries such as", 4000},
        {"France clocks are at such", 4000},
        {"a premium, only the referee knows the actual game time--and even", 4000},
        {"then he makes it up as he goes along.  This sort of clock", 4000},
        {"system ensures that there is a minimum of suspense and excitement", 4000},
        {"towards the end of the game (that, and the players look like ", 4000},
        {"refugees) as in American sports.", NoPause}},
       {{"*France*Portugal*Argentina*Croatia", 0}}},
      {16,
       {{"If Americans ruled soccer, punching would be encouraged, ", 4000},
        {"red cards would be desirable, and players who feigned", 4000},
        {"injuries would be made to wear a dress", 4000},
        {"for the duration for the first offense, and would be", 4000},
        {"summarily executed for the second.", NoPause}}},
      {17,
       {{"Here are the scores from some matches earlier today:", 4000},
        {"Burundi 0 - Lichtensten 0", 4000},
        {"Chile 0 - Laos 0", 4000},
        {"Vatican City 0 - Mexico 0", 4000},
        {"Belarus 0 - Haiti 0", 4000},
        {"Portugal 0 - Sri Lanka 0", 4000}},
       {{Results[0], 1}, {Results[1], 0}, {Results[2], 1}, {Results[3], 0}, {Results[4], 1}}},
      {19, {{"Soccer makes TV wrestling look like a sport", 4000}}},
      {20, {{"What a bunch of pansies!", 4000}}},
      {21, {{"Nice play..", 4000}}},
      {22, {{"Pass.. Kick..zzzzzzzzzzzzzz", 4000}}},
      {23,
       {{"A common strategy is to wait for a restart", 4000},
        {"or an injury and then quickly take a shot on net", 4000},
        {"while the other team is paying attention to something", 4000},
        {"else.  Taking advantage of an inattentive opponent?", 4000},
        {"Occasionally, yes.  But more often than not it is", 4000},
        {"just a pathetic unsportsmanlike way to deal with the", 4000},
        {"anticompetitive rules of the game.", 4000}}},
      {24, {{"Nice play..", 4000}}},
      {25,
       {{"I remind you--be thankful this game moves at five times", 4000},
        {"the clip of a regular soccer match--so it's only one", 4000},
        {"fifth as dull", NoPause}}},
      {26,
       {{"I hear the right winger", 4000},
        {"of Freedonia was arrested", 4000},
        {"for impersonating an athlete", 4000}},
       {{"*left*right", 1}, {"*winger*defenseman", 0}, {"*Ruritania*Freedonia", 1}}},
      {27,
       {{"This game just goes on and on doesn't it.  I wonder if a real", 4000},
        {"football game (by that of course I mean one played with a brown", 4000},
        {"oblong ball) is on another channel now.", 4000}}},
      {28,
       {{"perhaps we'll get some excitement out of this game if ", 4000},
        {"the English start to riot.  Other than that, soccer=naptime.", 4000}}},
      {32, {}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("aside " + std::to_string(c.aside));
    Match m;
    m.form.Label17.caption = "Ruritania";
    m.form.Label18.caption = "Freedonia";
    m.platform.script().pushDraw(c.aside, 33);
    for (const Choice& choice : c.choices) m.pushChoice(choice);
    EXPECT_EQ(m.interject(), timelineOf(c.lines));
    EXPECT_EQ(m.form.HoldAnnouncer, False);
    EXPECT_EQ(m.platform.script().pending(), 0u);
    // The last line stays on the display until the engine's next line.
    if (!c.lines.empty()) {
      EXPECT_EQ(m.form.Announcer.caption, c.lines.back().text);
    }
  }
}

TEST(Interject, TheCartoonFiguresSpeakInTheBalloonAndLeaveNothingBehind) {
  struct Case {
    int aside;
    Choice choice;
    std::string says;
    std::vector<Cue> shown;  // the props in view, and for how long
  };
  const std::vector<Case> cases = {
      {29,
       {"*lollygaggers*blubberbutts*ballerinas*idle-Annies", 3},
       "Smithers! Have these idle-Annies shot at once!",
       {{"burns", 5000},
        {"burns Line1(2) Line1(3) Shape25(0) Label24", 10000},
        {"burns", 2000},
        {"", NoPause}}},
      {30,
       {"*I cant take this any more this sport is so lame*Soccer is so damn boring!*I'm drunk and "
        "this game still isnt interesting!",
        1},
       "Soccer is so damn boring!",
       {{"Argh", 3000},
        {"Argh Line1(4) Line1(5) Shape25(0) Label24", 5000},
        {"Argh", 2000},
        {"", NoPause}}},
      {31,
       {"*These guys play like a bunch of little girls*What a stupid sport*I'd take a real "
        "football player over these any day.",
        2},
       "I'd take a real football player over these any day.",
       {{"smGirl", 3000},
        {"smGirl Line1(6) Line1(7) Shape25(0) Label24", 5000},
        {"smGirl shh Line1(6) Line1(7) Shape25(0) Label24", 5000},
        {"smGirl Line1(6) Line1(7) Shape25(0) Label24", 3000},
        {"smGirl", 2000},
        {"", NoPause}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE("aside " + std::to_string(c.aside));
    Match m;
    Form1& f = m.form;
    const std::vector<const Element*> props = {&f.burns,    &f.Argh,     &f.smGirl,     &f.shh,
                                               &f.Line1[2], &f.Line1[3], &f.Line1[4],   &f.Line1[5],
                                               &f.Line1[6], &f.Line1[7], &f.Shape25[0], &f.Label24};
    auto inView = [&] {
      std::string names;
      for (const Element* e : props)
        if (e->visible) names += (names.empty() ? "" : " ") + nameOf(*e);
      return names;
    };
    // Every pass notes what the skit left in view after the step before it.
    Timeline shown;
    const std::uint64_t start = m.platform.step();
    for (std::uint64_t s = 1; s <= 1500; ++s)
      m.platform.at(start + s, [&, s] {
        if (shown.empty() || shown.back().first != inView()) shown.push_back({inView(), s - 1});
      });
    m.platform.script().pushDraw(c.aside, 33);
    m.pushChoice(c.choice);

    const Timeline heard = m.interject();
    const std::uint64_t end = heard.back().second;
    EXPECT_EQ(heard, (Timeline{{Done, end}}));  // the announcer says nothing
    shown.push_back({inView(), end});
    shown.push_back({Done, end});
    EXPECT_EQ(shown, timelineOf(c.shown));
    EXPECT_EQ(f.Label24.caption, c.says);
  }
}
