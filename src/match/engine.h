#pragma once

#include "app/form1.h"

// A procedure of the window that the skit lottery can start.
using SkitProcedure = void (Form1::*)();

// The skit lottery's draw is below this.
inline constexpr int LotteryRange = 18000;

// The procedure the lottery starts for a draw, or nullptr for none.
SkitProcedure LotteryPick(int draw);
