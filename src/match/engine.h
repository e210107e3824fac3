#pragma once

#include <array>

#include "app/form1.h"

// A procedure of the window that the skit lottery can start.
using SkitProcedure = void (Form1::*)();

// The skit lottery's draw is below this.
inline constexpr int LotteryRange = 18000;

// One row of the skit lottery: a draw below `below` (and not below an
// earlier row's bound) starts the procedure.
struct LotteryRow {
  int below;
  SkitProcedure procedure;
  const char* name;
};

// The rows in the order their bounds are tested; a draw of 254 or more
// starts nothing.
inline constexpr std::array<LotteryRow, LotteryRows> Lottery = {{
    {200, &Form1::SkitInterject, "interjection"},  // asides, half time, full time
    {210, &Form1::SkitFootball, "football dream"},
    {233, &Form1::SkitInjury, "injury"},
    {240, &Form1::cmdExit_Click, "walk-off"},
    {254, &Form1::SkitCard, "card"},
}};

// The row a draw falls in, or nullptr for none.
const LotteryRow* LotteryPick(int draw);
