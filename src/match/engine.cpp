#include "match/engine.h"

const SkitRow* LotteryPick(int draw) {
  for (const SkitRow& row : Skits)
    if (draw < row.below) return &row;
  return nullptr;
}

const SkitRow* skitNamed(std::string_view name) {
  for (const SkitRow& row : Skits)
    if (row.name == name) return &row;
  return nullptr;
}

// The engine tick: the main loop of the match, run by Timer2 and, during the
// skits, by DelayMs directly. A skit it starts runs to its end inside the
// tick, with further ticks nested in its waits; the possession step then
// works on whatever those ticks left.
void Form1::Timer2_Timer() {
  ++engineTicks;
  if (PlayHalted) return;
  if (!HoldAnnouncer && !SigningOff) RunSkitLottery();
  AdvancePossession();
  Wander();
}

void Form1::RunSkitLottery() {
  if (runStaged()) return;  // a skit asked for on the spot takes the draw's place
  const SkitRow* row = LotteryPick(rnd().below(LotteryRange));
  if (!row) return;
  ++lotteryStarts[static_cast<std::size_t>(row - Skits.data())];
  (this->*row->procedure)();
}
