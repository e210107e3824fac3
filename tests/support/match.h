#pragma once

#include <string>
#include <vector>

#include "support/session.h"

// A match whose only draws are the ones a test scripts, set up at one of two
// moments: the lineups, after the builder's "&Go" (every figure has its
// name, and the wandering figures are given long, still walks so that they
// draw nothing); or after kick-off with play halted, so that a skit's draws
// are the only ones.
struct Match : Session {
  enum Moment { Lineups, Halted };

  explicit Match(Moment moment = Lineups) {
    if (moment == Halted) {
      kickOff();
      form.PlayHalted = True;
      return;
    }
    form.click(form.Command2);
    for (Figure& figure : form.player) {
      figure.Direction = 0;
      figure.StepsLeft = 1 << 20;
    }
  }

  ScriptedRandom& draws() { return platform.script(); }
  // Every line said so far.
  std::vector<std::string> lines() const {
    std::vector<std::string> out;
    for (const auto& said : platform.transcript()) out.push_back(said.line);
    return out;
  }
};
