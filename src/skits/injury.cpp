#include <algorithm>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/form1.h"

// The staged injury. A player drops to the ground and lies there in his own
// skin and hair, the announcer doubts that anybody touched him, then either
// seven judges mark the dive or an ambulance comes to fetch him, and in the
// end he recovers miraculously. Play is frozen and the commentary display
// held for the whole run.

namespace {

// The wait that follows a line: DelayMs runs the engine tick meanwhile (it
// returns at once while play is halted), WaitMs only processes events.
enum class Pause { Wait, Delay };
using enum Pause;

// What is drawn into a line between its text and its rest.
enum class Fill {
  None,
  Yards,     // the distance to the nearest opponent, 5..14 yards
  Sport,     // "football" or "soccer"
  Somebody,  // "this man" or the injured player's name
};

// One line of a script; every such line stays four seconds.
struct Remark {
  const char* text;
  Pause pause = Wait;
  Fill fill = Fill::None;
  const char* rest = "";
};
using Script = std::vector<Remark>;

constexpr std::int16_t LineMs = 4000;

// The remarks on the dive, one script of which is drawn.
const Script DiveRemarks[] = {
    {{"Considering there was nobody within ", Wait, Fill::Yards, " yards of him, "},
     {"this injury might be a tough sell"}},
    {{"He's lying on the ground writhing in agony."}},
    {{"it looks as if he has been tapped with all the full force of the "},
     {"landing of a butterfly.  Of course in soccer this gives carte blanche "},
     {"to lie on the ground and cry like a little girl"}},
    {{"It looks like he has a little boo-boo based on how he is faking."}},
    {{"Let's see if this draws a card, even though there was nobody around him."}},
    {{"I believe it was an excellent dive.  Fully consistent with the best "},
     {"spineless traditions of ", Wait, Fill::Sport}},
};

// A judging: the seven judges' marks, left to right, and what the announcer
// makes of them.
struct MarkSet {
  std::array<const char*, 7> marks;
  Script remarks;
};

const MarkSet TechnicalMarks[] = {
    {{"5.8", "5.8", "5.3", "5.9", "5.8", "5.5", "5.8"},
     {{"A solid technical performance.  Good, not great.", Delay},
      {"He may want to polish his dramatic tumbles if ", Delay},
      {"he intends to reach the top of this game.", Delay}}},
    {{"4.6", "4.9", "4.9", "4.8", "5.1", "4.9", "4.7"},
     {{"He's not going to be happy with those marks.", Delay}}},
    {{"6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0"},
     {{"A perfect score on the technical side.  His injury", Delay},
      {"faking technique clearly places him among the soccer elite.", Delay}}},
    {{"5.8", "5.8", "5.7", "5.8", "5.8", "5.5", "5.7"},
     {{"High technical marks for the veteran--", Delay},
      {"He still can fake it with the best of them.", Delay}}},
    {{"5.3", "5.4", "5.2", "5.1", "5.4", "5.2", "5.3"},
     {{"I don't think those are the numbers he was", Delay},
      {"hoping for.  He really needs to work on making", Delay},
      {"a convincing dive.", Delay}}},
};

const MarkSet ArtisticMarks[] = {
    {{"5.9", "5.6", "5.8", "5.5", "5.5", "5.6", "5.7"},
     {{"Fair marks for artistic impression.  The", Delay},
      {"agonizing whining was convincing, but nothing the", Delay},
      {"judges havent seen before.", Delay}}},
    {{"5.2", "5.1", "4.9", "5.2", "5.1", "5.0", "5.1"},
     {{"Not so good marks for artistic merit here..", Wait},
      {"Perhaps if he'd stop giggling while attemting ", Wait},
      {"to feign pain he'd do better", Wait}}},
    {{"5.0", "5.2", "5.1", "5.1", "5.3", "5.1", "5.5"},
     {{"Not very convincing there.  Perhaps he needs", Wait}, {"more acting classes.", Wait}}},
    {{"5.8", "6.0", "5.7", "6.0", "5.9", "6.0", "6.0"},
     {{"Those last few judges really helped his score--", Wait},
      {"Of course he has always been a sentimental favorite here.", Wait}}},
    {{"6.0", "6.0", "6.0", "6.0", "6.0", "6.0", "6.0"},
     {{"Truly well done.  High marks well deserved.", Wait},
      {"he really has the artistic range of some of the ", Wait},
      {"best professional soccer players as far as the key ", Delay},
      {"skill of injury feigning goes.", Delay}}},
};

// The marvelling at the recovery, one script of which is drawn.
const Script RecoveryRemarks[] = {
    {{"can you believe it?  a miraculous recovery!  thirty "},
     {"seconds ago ", Wait, Fill::Somebody, " appeared near death"},
     {"and here he is, good as ever!  Doctors and scientists are baffled!"}},
    {{"Can you believe the strength of this player!  A moment "},
     {"ago he was writhing in agony perhaps never to play again "},
     {"and now he is ready to go."},
     {"What skill!  What courage!  What acting!"}},
    {{"", Wait, Fill::Somebody, " is up and ready to play!"},
     {"His acting skills really have made him one of the best ", Delay},
     {"players in the game today.  What talent!"}},
    {{"", Wait, Fill::Somebody, " lives!  "},
     {"It's a miracle!"},
     {"the way he was writhing in pain you would have thought he", Delay},
     {"was a dead man for sure."},
     {"It just goes to show how the truly great players really "},
     {"can put on an act."}},
};

// What the announcer says as the ambulance comes and while it stays.
// clang-format off
constexpr const char* HelpComing = "*They're sending out the doctor*Here comes the ambulance*Here comes the doctor*The paramedics are on their way";
constexpr const char* FineActing = "*Another excellent thespian job*He should be able to win a card with this performance*Excellent acting--pehaps winning a card*Excellent acting!  Soccer sportsmanship at its best";
// clang-format on

// Where the ambulance waits, out of sight left of the pitch, and how far it
// drives per step.
constexpr float GarageLeft = -1020, LaneTop = 1410, AmbulanceStep = 40;

// One run of the skit: the fallen player and the figure lying in his place
// are shared by all its phases.
class Injury {
 public:
  explicit Injury(Form1& form) : form_(form) {}

  void run() {
    form_.HoldAnnouncer = True;
    form_.PlayHalted = True;
    fall();
    opening();
    if (form_.rnd().below(2) == 0)
      judging();
    else
      medics();
    recovery();
    form_.HoldAnnouncer = False;
    form_.PlayHalted = False;
  }

 private:
  void pause(Pause kind, std::int16_t ms) {
    if (kind == Delay)
      form_.DelayMs(ms);
    else
      form_.WaitMs(ms);
  }

  // Shows one line, drawing what goes into it only now, and waits.
  void say(const Remark& remark) {
    std::string line = remark.text;
    switch (remark.fill) {
      case Fill::None:
        break;
      case Fill::Yards:
        line += std::to_string(form_.rnd().below(10) + 5);
        break;
      case Fill::Sport:
        line += form_.OneOf("*football*soccer");
        break;
      case Fill::Somebody:
        line += form_.OneOf("*this man*" + form_.player[injured_].name());
        break;
    }
    form_.Announce2(line + remark.rest);
    pause(remark.pause, LineMs);
  }

  void say(const Script& script) {
    for (const Remark& remark : script) say(remark);
  }

  // A field player or the home keeper drops, and the lying figure of his
  // side takes his place in his skin and hair; its kit is already his side's.
  void fall() {
    injured_ = form_.rnd().below(20) + 1;
    Figure& standing = form_.player[injured_];
    standing.visible = false;
    lying_ = injured_ % 2 == 1 ? 25 : 24;
    const int body = lying_ - 2;
    for (auto part : {&Form1::shpHead, &Form1::shpArms, &Form1::shpLegs, &Form1::shpHair})
      (form_.*part)[body].fillColor = (form_.*part)[injured_].fillColor;
    Figure& lying = form_.player[lying_];
    lying.top = standing.top;
    lying.left = standing.left;
    lying.visible = true;
    form_.WaitMs(2500);
  }

  void opening() {
    if (form_.rnd().below(2) == 0)
      form_.Announce2("A player " +
                      form_.OneOf("*appears to be injured*has fallen*appears to be down"));
    else
      form_.Announce2(
          form_.OneOf("*It looks as if we have an injury*It looks like a player is down"));
    form_.WaitMs(LineMs);

    if (form_.rnd().below(4) == 2) {
      const std::string who = form_.OneOf("*injured player*victim*fallen player");
      const std::string is = form_.OneOf("*appears to be*is*is");
      form_.Announce2("The " + who + " " + is + " " + form_.player[injured_].name());
      form_.WaitMs(LineMs);
    }
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
    form_.Announce2("Let's see what the judges say");
    form_.WaitMs(1000);
    // The last judging's marks stay in the labels until now.
    for (std::size_t k = 0; k < form_.lblTD.size(); ++k) {
      form_.lblTD[k].caption = "";
      form_.lblAM[k].caption = "";
    }
    form_.picJudge.visible = true;
    form_.WaitMs(4000);
    form_.Announce2("First come the marks for technical difficulty");
    form_.DelayMs(4000);
    showMarks(form_.lblTD, TechnicalMarks[form_.rnd().below(5)]);
    form_.Announce2("And now the marks for artistic " + form_.OneOf("*merit*impression"));
    form_.DelayMs(4000);
    showMarks(form_.lblAM, ArtisticMarks[form_.rnd().below(5)]);
    form_.picJudge.visible = false;
  }

  // The ambulance drives in along its lane above the pitch, comes down over
  // the lying figure's top edge, goes back up and, hidden, back to where it
  // started. Its position is read back from the element at every step.
  void medics() {
    Panel& ambulance = form_.Ambulance;
    const Figure& lying = form_.player[lying_];
    form_.Announce2(form_.OneOf("*What's this now?*Oh look at this"));
    ambulance.left = GarageLeft;
    ambulance.top = LaneTop;
    ambulance.visible = true;
    form_.DelayMs(4000);
    do {
      form_.DelayMs(5);
      ambulance.left += AmbulanceStep;
    } while (ambulance.left < lying.left);

    form_.Announce2(form_.OneOf(HelpComing));
    std::int16_t steps = 0;
    do {
      ++steps;
      form_.DelayMs(5);
      ambulance.top += AmbulanceStep;
    } while (ambulance.top + ambulance.height <= lying.top);
    // The time spent driving down comes off a stay of four seconds; a stay of
    // zero or less is the shortest pause DelayMs makes.
    form_.DelayMs(static_cast<std::int16_t>(std::max(4000 - 5 * steps, 0)));

    form_.Announce2(form_.OneOf(FineActing));
    form_.DelayMs(4000);
    form_.Announce2("A dive good enough to draw out the medics--");
    do {
      ambulance.top -= AmbulanceStep;
      form_.DelayMs(4);
    } while (ambulance.top > LaneTop);
    ambulance.visible = false;
    form_.DelayMs(2000);

    form_.Announce2("true soccer skill!  a wonderful performance");
    do {
      ambulance.left -= AmbulanceStep;
      form_.DelayMs(4);
    } while (ambulance.left > GarageLeft);
    form_.DelayMs(2000);
  }

  void recovery() {
    form_.player[lying_].visible = false;
    form_.player[injured_].visible = true;
    const std::string what = form_.OneOf("*What's this?* * * * *Amazing!*Unbelievable");
    const std::string seems = form_.OneOf("*it appears as if*it looks that*******");
    const std::string up = form_.OneOf("*getting up!*back on his feet!*up and about!");
    // Blanks are neither merged nor trimmed: an empty or blank choice leaves
    // its blanks standing.
    form_.Announce2(what + " " + seems + " " + "the \"injured\" player is " + up);
    form_.WaitMs(LineMs);
    say(RecoveryRemarks[form_.rnd().below(4)]);
  }

  Form1& form_;
  int injured_ = 0;  // the player who fell, 1..20
  int lying_ = 0;    // the lying figure in his place, 24 or 25
};

}  // namespace

void Form1::SkitInjury() {
  replay.moment(MomentKind::Injury);
  Injury(*this).run();
}
