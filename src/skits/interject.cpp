#include "skits/interject.h"

#include <string>

#include "app/form1.h"

namespace {

constexpr ScriptLine HalfTimeSpeech[] = {
    {"Well we're past halftime now--and no, ", 4000},
    {"we're not going to take a break and rest", 4000},
    {"and analyze the gameplay or the strategy", 4000},
    {"or anything like that because it can be", 4000},
    {"summed up in one sentence:  a bunch of European", 4000},
    {"and/or otherwise non-American wussies with long", 4000},
    {"and/or no hair pranced around for 45 minutes faking", 4000},
    {"injuries and kicking the ball around like a bunch", 4000},
    {"of primadonnas.  Let's do it for another 45!", 4000},
    {"The match continues.", NoWait},
};

constexpr ScriptLine FullTimeSpeech[] = {
    {"The referee's blown his whistle--that's full time", 4000},
    {"Another breathtakingly dull nil-nil match is complete.", 4000},  // whatever the score
    {"Of course the socialist \"work\" ethic prevents", 4000},
    {"the teams from continuing on like men and finishing", 4000},
    {"the job.  If they did play like athletes instead of", 4000},
    {"a bunch of wussies of course thr truck drivers and", 4000},
    {"stevedores in their respective countries would", 4000},
    {"immediately go on strike in protest.", 4000},
    {"Still, it's all for the best, since less soccer is", 4000},
    {"better soccer and less excercise means the out-of-shape", 4000},
    {"Europeans will be in less of a position to throttle each", 4000},
    {"other again over something stupid like ", 4000, "*Frnace*Belgium*Serbia"},
    {"On behalf of the Grobnik and ugly and not so ugly Americans", 4000},
    {"everywhere, this is your announcer reminding you that real", 4000},
    {"football is played with an oblong ball.", 4000},
    {"Good night and good bye.  May all your days be soccer-free.", 10000},
};

void HalfTime(Form1& f) {
  f.replay.moment(MomentKind::HalfTime);
  f.HalfTimeDone = True;
  for (const ScriptLine& line : HalfTimeSpeech) SayLine(f, line);
}

// Play stops for good, the announcer signs off and the program ends: the
// display is never released.
void FullTime(Form1& f) {
  f.replay.moment(MomentKind::FullTime);
  f.FullTimeDone = True;
  f.PlayHalted = True;
  for (const ScriptLine& line : FullTimeSpeech) SayLine(f, line);
  f.EndProgram();
}

}  // namespace

void SayLine(Form1& f, const ScriptLine& line) {
  std::string text = line.text;
  if (line.choices) text += f.OneOf(line.choices) + line.tail;
  if (line.wait == NoWait)
    f.Announce2(text);
  else
    f.Say(text, line.wait);
}

// The announcer's interlude: the half-time speech, the full-time speech or
// an aside, tested in that order, so that a first run after minute 90 still
// gives half time and full time waits for the next run.
void Form1::SkitInterject() {
  if (HoldAnnouncer) return;
  HoldAnnouncer = True;
  if (MatchMinute >= 45 && !HalfTimeDone)
    HalfTime(*this);
  else if (MatchMinute >= 90 && !FullTimeDone)
    FullTime(*this);
  else
    Aside(*this);
  HoldAnnouncer = False;
}
