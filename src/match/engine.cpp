#include "match/engine.h"

namespace {

// The skit lottery: the first row whose bound the draw is below starts its
// procedure; a draw of 254 or more starts nothing.
struct LotteryRow {
  int below;
  SkitProcedure procedure;
};

constexpr LotteryRow Lottery[] = {
    {200, &Form1::SkitInterject},  // asides, half time, full time
    {210, &Form1::SkitFootball},  {233, &Form1::SkitInjury},
    {240, &Form1::cmdExit_Click},  // the announcer walks off
    {254, &Form1::SkitCard},
};

}  // namespace

SkitProcedure LotteryPick(int draw) {
  for (const LotteryRow& row : Lottery)
    if (draw < row.below) return row.procedure;
  return nullptr;
}

// The engine tick: the main loop of the match, run by Timer2 and, during the
// skits, by DelayMs directly. A skit it starts runs to its end inside the
// tick, with further ticks nested in its waits; the possession step then
// works on whatever those ticks left.
void Form1::Timer2_Timer() {
  ++engineTicks;
  if (PlayHalted) return;
  if (!HoldAnnouncer) RunSkitLottery();
  AdvancePossession();
  Wander();
}

void Form1::RunSkitLottery() {
  if (SkitProcedure procedure = LotteryPick(rnd().below(LotteryRange))) (this->*procedure)();
}
