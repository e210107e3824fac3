#pragma once

#include <cstdint>
#include <string>

#include "app/form1.h"
#include "platform/options.h"
#include "virtual/virtual_platform.h"

// The program on the virtual platform as the window opens, before start-up.
// The tick counter starts at `startMs`.
struct Opened {
  VirtualPlatform platform;
  Form1 form{platform};

  explicit Opened(std::uint32_t startMs = 0) : platform(startMs) { platform.attach(form); }
};

// A run of the program on the virtual platform, started as the window starts it.
struct Session : Opened {
  // The command line's options apply.
  explicit Session(std::uint32_t startMs = 0, const Options& options = {}) : Opened(startMs) {
    applyOptions(options, platform);
    std::string refused;
    form.replay.useOptions(options, refused);
    form.load();
  }

  // The builder's "&Go", then the lineups' "&Go".
  void kickOff() {
    form.click(form.Command2);
    form.click(form.Command5);
  }

  // A shot from `passer` at goal marker `marker`, the ball at its feet: the
  // next flight step arrives.
  void shotArriving(int passer, int marker) {
    Form1& f = form;
    f.PreviousIndex = passer;
    f.PreviousName = f.player[passer].name();
    f.HolderIndex = marker;
    f.HolderName = "GOAL";
    f.HoldAnnouncer = f.ShotInFlight = True;
    Figure& r = f.player[marker];
    f.picBall.left = r.left + r.width - 200;
    f.picBall.top = r.top + r.height - 200;
    f.PlanFlight(r);
    f.setPhase(PlayPhase::Flight);
  }

  // Queues the draw that makes OneOf(list) give its k-th alternative, from 0.
  void pushChoice(const std::string& list, int k) {
    std::size_t at = list.find('*');
    while (k-- > 0) at = list.find('*', at + 1);
    platform.script().pushDraw(static_cast<int>(at), static_cast<int>(list.size()));
  }
};
