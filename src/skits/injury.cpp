#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/figures.h"
#include "app/form1.h"
#include "skits/script.h"

// The staged injury. A player drops to the ground and lies there in his own
// skin and hair, the announcer doubts that anybody touched him, then either
// seven judges mark the dive or an ambulance comes to fetch him, and in the
// end he recovers miraculously. Play is frozen and the commentary display
// held for the whole run.

namespace {

// Most of the skit's lines stay four seconds, while play stands still.
constexpr Pause Held = Wait(4000);

// The first line, one of which is drawn, and the name, with odds 1 in 4.
const ScriptLine Openings[2] = {
    {"A player {*appears to be injured*has fallen*appears to be down}", Held},
    {"{*It looks as if we have an injury*It looks like a player is down}", Held},
};
const ScriptLine Named = {
    "The {*injured player*victim*fallen player} {*appears to be*is*is} {name}", Held};

// The remarks on the dive, one script of which is drawn; {yards} is the
// distance to the nearest opponent.
const Script DiveRemarks[] = {
    {{"Considering there was nobody within {yards} yards of him, ", Held},
     {"this injury might be a tough sell", Held}},
    {{"He's lying on the ground writhing in agony.", Held}},
    {{"it looks as if he has been tapped with all the full force of the ", Held},
     {"landing of a butterfly.  Of course in soccer this gives carte blanche ", Held},
     {"to lie on the ground and cry like a little girl", Held}},
    {{"It looks like he has a little boo-boo based on how he is faking.", Held}},
    {{"Let's see if this draws a card, even though there was nobody around him.", Held}},
    {{"I believe it was an excellent dive.  Fully consistent with the best ", Held},
     {"spineless traditions of {*football*soccer}", Held}},
};

// A judging: the seven judges' marks, left to right, and what the announcer
// makes of them.
struct MarkSet {
  std::array<const char*, 7> marks;
  Script remarks;
};

const MarkSet TechnicalMarks[] = {
    {{"5.8", "5.8", "5.3", "5.9", "5.8", "5.5", "5.8"},
     {{"A solid technical performance.  Good, not great."},
      {"He may want to polish his dramatic tumbles if "},
      {"he intends to reach the top of this game."}}},
    {{"4.6", "4.9", "4.9", "4.8", "5.1", "4.9", "4.7"},
     {{"He's not going to be happy with those marks."}}},
    {{"6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0"},
     {{"A perfect score on the technical side.  His injury"},
      {"faking technique clearly places him among the soccer elite."}}},
    {{"5.8", "5.8", "5.7", "5.8", "5.8", "5.5", "5.7"},
     {{"High technical marks for the veteran--"}, {"He still can fake it with the best of them."}}},
    {{"5.3", "5.4", "5.2", "5.1", "5.4", "5.2", "5.3"},
     {{"I don't think those are the numbers he was"},
      {"hoping for.  He really needs to work on making"},
      {"a convincing dive."}}},
};

const MarkSet ArtisticMarks[] = {
    {{"5.9", "5.6", "5.8", "5.5", "5.5", "5.6", "5.7"},
     {{"Fair marks for artistic impression.  The"},
      {"agonizing whining was convincing, but nothing the"},
      {"judges havent seen before."}}},
    {{"5.2", "5.1", "4.9", "5.2", "5.1", "5.0", "5.1"},
     {{"Not so good marks for artistic merit here..", Held},
      {"Perhaps if he'd stop giggling while attemting ", Held},
      {"to feign pain he'd do better", Held}}},
    {{"5.0", "5.2", "5.1", "5.1", "5.3", "5.1", "5.5"},
     {{"Not very convincing there.  Perhaps he needs", Held}, {"more acting classes.", Held}}},
    {{"5.8", "6.0", "5.7", "6.0", "5.9", "6.0", "6.0"},
     {{"Those last few judges really helped his score--", Held},
      {"Of course he has always been a sentimental favorite here.", Held}}},
    {{"6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0"},
     {{"Truly well done.  High marks well deserved.", Held},
      {"he really has the artistic range of some of the ", Held},
      {"best professional soccer players as far as the key "},
      {"skill of injury feigning goes."}}},
};

// The lines of the judging that come before the marks.
const ScriptLine JudgesCalled = {"Let's see what the judges say", Wait(1000)};
const ScriptLine TechnicalComing = {"First come the marks for technical difficulty"};
const ScriptLine ArtisticComing = {"And now the marks for artistic {*merit*impression}"};

// The medics' lines, in the order they come, between the drives.
// clang-format off
const ScriptLine WhatsThis = {"{*What's this now?*Oh look at this}", NoWait};
const ScriptLine HelpComing = {"{*They're sending out the doctor*Here comes the ambulance*Here comes the doctor*The paramedics are on their way}", NoWait};
const ScriptLine FineActing = {"{*Another excellent thespian job*He should be able to win a card with this performance*Excellent acting--pehaps winning a card*Excellent acting!  Soccer sportsmanship at its best}"};
// clang-format on
const ScriptLine GoodEnough = {"A dive good enough to draw out the medics--", NoWait};
const ScriptLine TrueSkill = {"true soccer skill!  a wonderful performance", NoWait};

// The player is up again; blanks are neither merged nor trimmed, so an empty
// or blank choice leaves its blanks standing.
const ScriptLine GettingUp = {
    "{*What's this?* * * * *Amazing!*Unbelievable} {*it appears as if*it looks that*******} "
    "the \"injured\" player is {*getting up!*back on his feet!*up and about!}",
    Held};

// The marvelling at the recovery, one script of which is drawn.
const Script RecoveryRemarks[] = {
    {{"can you believe it?  a miraculous recovery!  thirty ", Held},
     {"seconds ago {*this man*{name}} appeared near death", Held},
     {"and here he is, good as ever!  Doctors and scientists are baffled!", Held}},
    {{"Can you believe the strength of this player!  A moment ", Held},
     {"ago he was writhing in agony perhaps never to play again ", Held},
     {"and now he is ready to go.", Held},
     {"What skill!  What courage!  What acting!", Held}},
    {{"{*this man*{name}} is up and ready to play!", Held},
     {"His acting skills really have made him one of the best "},
     {"players in the game today.  What talent!", Held}},
    {{"{*this man*{name}} lives!  ", Held},
     {"It's a miracle!", Held},
     {"the way he was writhing in pain you would have thought he"},
     {"was a dead man for sure.", Held},
     {"It just goes to show how the truly great players really ", Held},
     {"can put on an act.", Held}},
};

// Where the ambulance waits, out of sight left of the pitch, and how far it
// drives per step.
constexpr float GarageLeft = -1020, LaneTop = 1410, AmbulanceStep = 40;

// One run of the skit: the fallen player and the figure lying in his place
// are shared by all its phases.
class Injury {
 public:
  Injury(Form1& form, std::size_t moment) : form_(form), moment_(moment) {}

  void run() {
    form_.HoldAnnouncer = True;
    form_.PlayHalted = True;
    fall();
    opening();
    const bool judged = form_.rnd().below(2) == 0;
    form_.replay.momentCameTo(moment_, judged ? JudgesMarks : Ambulance);
    if (judged)
      judging();
    else
      medics();
    recovery();
    form_.HoldAnnouncer = False;
    form_.PlayHalted = False;
  }

 private:
  // Says the lines of a script: {name} is the fallen player, and the
  // distance of {yards} is drawn only for the line that tells it.
  void say(const Script& script) {
    for (const ScriptLine& line : script) {
      const bool far = line.text.find("{yards}") != std::string::npos;
      const std::string yards = far ? std::to_string(form_.rnd().below(10) + 5) : "";
      say(line, yards);
    }
  }
  void say(const ScriptLine& line, const std::string& yards = "") {
    Say(form_, line, {{"{name}", form_.player[injured_].name()}, {"{yards}", yards}});
  }

  // A field player or the home keeper drops, and the lying figure of his
  // side takes his place in his skin and hair; its kit is already his side's.
  void fall() {
    injured_ = form_.rnd().below(20) + 1;
    Figure& standing = form_.player[injured_];
    standing.visible = false;
    lying_ = lyingFigureOf(sideOf(injured_));
    const int body = bodyOf(lying_);
    for (auto part : {&Form1::shpHead, &Form1::shpArms, &Form1::shpLegs, &Form1::shpHair})
      (form_.*part)[body].fillColor = (form_.*part)[injured_].fillColor;
    Figure& lying = form_.player[lying_];
    lying.top = standing.top;
    lying.left = standing.left;
    lying.visible = true;
    form_.WaitMs(2500);
  }

  void opening() {
    say(Openings[form_.rnd().below(2)]);
    if (form_.rnd().below(4) == 2) say(Named);
    say(DiveRemarks[form_.rnd().below(6)]);
  }

  // Fills one row of the judges' panel, one mark a second from the left, and
  // comments on it.
  void showMarks(std::array<Label, 7>& row, const MarkSet& set) {
    for (std::size_t k = 0; k < row.size(); ++k) {
      row[k].caption = set.marks[k];
      form_.DelayMs(1000);
    }
    say(set.remarks);
  }

  void judging() {
    say(JudgesCalled);
    // The last judging's marks stay in the labels until now.
    for (std::size_t k = 0; k < form_.lblTD.size(); ++k) {
      form_.lblTD[k].caption = "";
      form_.lblAM[k].caption = "";
    }
    form_.picJudge.visible = true;
    form_.WaitMs(4000);
    say(TechnicalComing);
    showMarks(form_.lblTD, TechnicalMarks[form_.rnd().below(5)]);
    say(ArtisticComing);
    showMarks(form_.lblAM, ArtisticMarks[form_.rnd().below(5)]);
    form_.picJudge.visible = false;
  }

  // The ambulance drives in along its lane above the pitch, comes down over
  // the lying figure's top edge, goes back up and, hidden, back to where it
  // started. Its position is read back from the element at every step.
  void medics() {
    Panel& ambulance = form_.Ambulance;
    const Figure& lying = form_.player[lying_];
    say(WhatsThis);
    ambulance.left = GarageLeft;
    ambulance.top = LaneTop;
    ambulance.visible = true;
    form_.DelayMs(4000);
    do {
      form_.DelayMs(5);
      ambulance.left += AmbulanceStep;
    } while (ambulance.left < lying.left);

    say(HelpComing);
    std::int16_t steps = 0;
    do {
      ++steps;
      form_.DelayMs(5);
      ambulance.top += AmbulanceStep;
    } while (ambulance.top + ambulance.height <= lying.top);
    // The time spent driving down comes off a stay of four seconds; a stay of
    // zero or less is the shortest pause DelayMs makes.
    form_.DelayMs(static_cast<std::int16_t>(std::max(4000 - 5 * steps, 0)));

    say(FineActing);
    say(GoodEnough);
    do {
      ambulance.top -= AmbulanceStep;
      form_.DelayMs(4);
    } while (ambulance.top > LaneTop);
    ambulance.visible = false;
    form_.DelayMs(2000);

    say(TrueSkill);
    do {
      ambulance.left -= AmbulanceStep;
      form_.DelayMs(4);
    } while (ambulance.left > GarageLeft);
    form_.DelayMs(2000);
  }

  void recovery() {
    form_.player[lying_].visible = false;
    form_.player[injured_].visible = true;
    say(GettingUp);
    say(RecoveryRemarks[form_.rnd().below(4)]);
  }

  Form1& form_;
  const std::size_t moment_;
  int injured_ = 0;  // the player who fell, 1..20
  int lying_ = 0;    // the lying figure of his side in his place
};

}  // namespace

void Form1::SkitInjury() { Injury(*this, replay.moment(MomentKind::Injury)).run(); }
