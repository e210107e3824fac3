#pragma once

#include <QWidget>
#include <cstdio>
#include <memory>

#include "app/form1.h"
#include "platform/options.h"
#include "qt/display.h"
#include "qt/qt_platform.h"
#include "qt/speech.h"
#include "qt/tv_screen.h"
#include "qt/view.h"

// The program on the real window: the platform, the form and its view,
// wired together.
struct QtProgram {
  QtPlatform platform;
  Form1 form{platform};
  View view{form};
  std::unique_ptr<TvScreen> tv;  // full screen only: the window's place on the screen
  // The program ends when another program destroys its window, as when it is closed.
  WindowDestroyedWatch destroyed{[this] { return &screenWindow(*view.window()); },
                                 [this] { form.closeRequested(); }};

  explicit QtProgram(const Options& options = {}) {
    platform.attach(form, view);
    applyOptions(options, platform);
    if (options.fullScreen) tv = std::make_unique<TvScreen>(*view.window());
    if (options.voice) {
      QString silence;
      platform.setSpeaker(startVoice(silence));
      if (!silence.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(silence));
    }
  }

  // Start-up, then the window shows and the clock starts stepping.
  void start() {
    form.load();
    view.sync();
    if (form.ended()) return;
    if (tv)
      tv->showFullScreen();
    else
      view.window()->show();
    platform.start();
  }
};
