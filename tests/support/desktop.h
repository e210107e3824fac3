#pragma once

#include "app/form1.h"
#include "qt/program.h"

// The program on the real window, with its window object in reach: the
// program the core makes is the one window object.
struct Desktop : QtProgram {
  explicit Desktop(const Options& options = {}) : QtProgram(options) {}
  Form1& form = static_cast<Form1&>(*program);
};
