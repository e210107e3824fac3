#pragma once

#include <cstdint>
#include <string>

#include "app/form1.h"
#include "platform/options.h"
#include "platform/virtual_platform.h"

// The program on the virtual platform, started as the window starts it.
struct Program {
  VirtualPlatform platform;
  Form1 form{platform};

  // The tick counter starts at `startMs`; the command line's options apply.
  explicit Program(std::uint32_t startMs = 0, const Options& options = {}) : platform(startMs) {
    platform.attach(form);
    applyOptions(options, platform);
    form.load();
  }

  // The builder's "&Go", then the lineups' "&Go".
  void kickOff() {
    form.click(form.Command2);
    form.click(form.Command5);
  }

  // Queues the draw that makes OneOf(list) give its k-th alternative, from 0.
  void pushChoice(const std::string& list, int k) {
    std::size_t at = list.find('*');
    while (k-- > 0) at = list.find('*', at + 1);
    platform.script().pushDraw(static_cast<int>(at), static_cast<int>(list.size()));
  }
};
