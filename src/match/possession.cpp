// The possession cycle: a figure holds the ball, passes it, the ball flies,
// the receiver holds it. Every hand-over is narrated; every shot ends in a
// goal that is disallowed for offside.
#include <array>
#include <string>
#include <vector>

#include "app/figures.h"
#include "app/form1.h"
#include "skits/script.h"

namespace {

// The rows of the hand-over narration, in the order their conditions are tested.
enum class HandOver {
  Boring,        // from one goal marker to the other
  Restart,       // after a goal
  Shot,          // at a goal marker
  BackToKeeper,  // to his own keeper
  OnKeeper,      // to the other side's keeper
  FirstTouch,    // nobody has had the ball yet
  OwnPlay,       // to himself
  TeamPass,      // to a team-mate
  Interception,  // the other side wins it
};

// The lines of each row, in the order of the draw that picks one; {P} stands
// for the passer's name, {R} for the receiver's. A row of one line draws nothing.
const std::array<std::vector<const char*>, 9> HandOverLines = {{
    {"soccer is so boring.."},
    {"The ball is sent out to {R}", "The ball goes to {R}", "It's put back into play to {R}"},
    {"He shoots....", "{P} shoots....", "{P} takes a shot at the net....",
     "{P} sends a swerving ball to the net...."},
    {"{P} sends it lamely back to his own keeper", "{P} prudently sends it back to his keeper",
     "{P} kicks it back to his keeper {R}"},
    {"{P} shoots....", "{P} tries to put a shot on keeper {R}...", "{P} puts it on net...."},
    {"The ball is sent accross to {R}", "The ball goes to {R}", "It's passed to {R}"},
    {"What a skill play by {R}", "Artfully handled by {R}", "Competent ball handling by {R}"},
    {"{P} prudently sends it to {R}", "{P} passes it to {R}", "{P} sends it to {R}",
     "{P} kicks it along to {R}", "{R} receives it from {P}", "{P} cautiously passes it to {R}",
     "{P} clears it to {R}"},
    {"{R} gets the ball from {P}", "{R} intercepts it", "{R} intercepts the pass from {P}",
     "{P}'s ball is intercepted by {R}"},
}};

const std::string Goal = "GOAL";

// clang-format off
const ScriptLine GoalScored = {"{*and it's in!*GOOOOOOOAAAAAAALLLLL*it's in the back of the net!*GOOOOAALLL*GOAL!!!!!!}", Wait(2500)};
const ScriptLine Offside = {"{*the play's been called offsides*offsides has been called*offsides!}", NoWait};
// clang-format on

HandOver handOverOf(const std::string& passer, const std::string& receiver, int from, int to) {
  const bool sameSide = from % 2 == to % 2;
  if (receiver == Goal && passer == Goal) return HandOver::Boring;
  if (passer == Goal) return HandOver::Restart;
  if (receiver == Goal) return HandOver::Shot;
  if (isKeeper(to) && sameSide) return HandOver::BackToKeeper;
  if (isKeeper(to)) return HandOver::OnKeeper;
  if (passer.empty()) return HandOver::FirstTouch;
  if (to == from) return HandOver::OwnPlay;
  if (sameSide) return HandOver::TeamPass;
  return HandOver::Interception;
}

}  // namespace

void Form1::AdvancePossession() {
  switch (phase()) {
    case PlayPhase::Holding:
      PreviousName = HolderName;
      PreviousIndex = HolderIndex;
      if (rnd().below(10) == 5) setPhase(PlayPhase::PassDue);
      break;
    case PlayPhase::PassDue:
      HolderIndex = ChooseReceiver();
      HolderName = player[HolderIndex].name();
      ShotInFlight = False;
      NarrateHandOver();
      PlanFlight(player[HolderIndex]);
      setPhase(PlayPhase::Flight);
      break;
    case PlayPhase::Flight:
      if (!FlightStep()) break;
      // The receiver holds the ball from now on. The cycle moves on before a
      // goal sequence, so that a tick run during its waits (from the wait of
      // "&Exit") cannot take the same arrival, and score the same goal, again.
      // While the announcer signs off, a shot just lies in the net: no goal
      // is called, and the next pass restarts from the goal marker.
      setPhase(PlayPhase::Holding);
      if (ShotInFlight && !SigningOff) GoalSequence();
      break;
  }
}

// Any figure but figure 0, a lying figure or the passer's own goal marker;
// the passer himself may get it back.
int Form1::ChooseReceiver() {
  for (;;) {
    const int drawn = rnd().below(static_cast<int>(player.size()));
    const std::string& name = player[drawn].name();
    if (drawn == 0 || name == "INJURY") continue;
    if (name == Goal && drawn % 2 == PreviousIndex % 2) continue;
    return drawn;
  }
}

void Form1::NarrateHandOver() {
  const HandOver row = handOverOf(PreviousName, HolderName, PreviousIndex, HolderIndex);
  const auto& lines = HandOverLines[static_cast<int>(row)];
  const int drawn = lines.size() > 1 ? rnd().below(static_cast<int>(lines.size())) : 0;
  Announce(filled(lines[drawn], {{"{P}", PreviousName}, {"{R}", HolderName}}));
  if (row == HandOver::Shot) {
    HoldAnnouncer = True;
    ShotInFlight = True;
  }
}

// Every shot goes in, and every goal is disallowed.
void Form1::GoalSequence() {
  replay.moment(MomentKind::Goal);
  lblGOal.visible = true;
  Say(*this, GoalScored);
  Say(*this, {"oh wait.. ", NoWait});
  OFFS1.visible = true;
  OFFS2.visible = true;
  WaitMs(2000);
  Say(*this, Offside);
  lblGOal.visible = false;
  WaitMs(3000);
  Say(*this, {"just as it always is for every reasonable offensive ", Wait(3000)});
  Say(*this, {"play in this pansy sport.", Wait(2000)});
  OFFS1.visible = false;
  OFFS2.visible = false;
  HoldAnnouncer = False;
}
