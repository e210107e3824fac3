#include "app/form1.h"

// The engine tick: the main loop of the match, run by Timer2 and, during the
// skits, by DelayMs directly.
void Form1::Timer2_Timer() {
  ++engineTicks;
  if (PlayHalted) return;
  if (!HoldAnnouncer) RunSkitLottery();
  AdvancePossession();
  MoveBallAndFigures();
}

void Form1::RunSkitLottery() {}
void Form1::AdvancePossession() {}
void Form1::MoveBallAndFigures() {}
