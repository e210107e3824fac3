#include "app/form1.h"
#include "skits/asides.h"
#include "skits/script.h"

namespace {

const Script HalfTimeSpeech = {
    {"Well we're past halftime now--and no, "},
    {"we're not going to take a break and rest"},
    {"and analyze the gameplay or the strategy"},
    {"or anything like that because it can be"},
    {"summed up in one sentence:  a bunch of European"},
    {"and/or otherwise non-American wussies with long"},
    {"and/or no hair pranced around for 45 minutes faking"},
    {"injuries and kicking the ball around like a bunch"},
    {"of primadonnas.  Let's do it for another 45!"},
    {"The match continues.", NoWait},
};

const Script FullTimeSpeech = {
    {"The referee's blown his whistle--that's full time"},
    {"Another breathtakingly dull nil-nil match is complete."},  // whatever the score
    {"Of course the socialist \"work\" ethic prevents"},
    {"the teams from continuing on like men and finishing"},
    {"the job.  If they did play like athletes instead of"},
    {"a bunch of wussies of course thr truck drivers and"},
    {"stevedores in their respective countries would"},
    {"immediately go on strike in protest."},
    {"Still, it's all for the best, since less soccer is"},
    {"better soccer and less excercise means the out-of-shape"},
    {"Europeans will be in less of a position to throttle each"},
    {"other again over something stupid like {*Frnace*Belgium*Serbia}"},
    {"On behalf of the Grobnik and ugly and not so ugly Americans"},
    {"everywhere, this is your announcer reminding you that real"},
    {"football is played with an oblong ball."},
    {"Good night and good bye.  May all your days be soccer-free.", Delay(10000)},
};

void HalfTime(Form1& f) {
  f.replay.moment(MomentKind::HalfTime);
  f.HalfTimeDone = True;
  Say(f, HalfTimeSpeech);
}

// Play stops for good, the announcer signs off and the program ends: the
// display is never released.
void FullTime(Form1& f) {
  f.replay.moment(MomentKind::FullTime);
  f.FullTimeDone = True;
  f.PlayHalted = True;
  Say(f, FullTimeSpeech);
  f.EndProgram();
}

}  // namespace

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
