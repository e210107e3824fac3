#pragma once

#include <QWidget>

#include "app/form1.h"
#include "platform/options.h"
#include "qt/qt_platform.h"
#include "qt/view.h"

// The program on the real window: the platform, the form and its view,
// wired together.
struct QtProgram {
  QtPlatform platform;
  Form1 form{platform};
  View view{form};

  explicit QtProgram(const Options& options = {}) {
    platform.attach(form, view);
    applyOptions(options, platform);
  }

  // Start-up, then the window shows and the clock starts stepping.
  void start() {
    form.load();
    view.sync();
    if (form.ended()) return;
    view.window()->show();
    platform.start();
  }
};
