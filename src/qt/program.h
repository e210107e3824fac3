#pragma once

#include <QWidget>
#include <cstdio>
#include <memory>

#include "platform/options.h"
#include "platform/program.h"
#include "qt/display.h"
#include "qt/qt_platform.h"
#include "qt/share.h"
#include "qt/speech.h"
#include "qt/tv_screen.h"
#include "qt/view.h"

// The program on the real window: the platform, the program and its view,
// wired together.
struct QtProgram {
  QtPlatform platform;
  std::unique_ptr<Program> program = makeProgram(platform);
  View view{*program};
  std::unique_ptr<TvScreen> tv;  // full screen only: the window's place on the screen
  std::unique_ptr<ShareKey> share;
  // The program ends when another program destroys its window, as when it is closed.
  WindowDestroyedWatch destroyed{[this] { return &screenWindow(*view.window()); },
                                 [this] { program->closeRequested(); }};

  explicit QtProgram(const Options& options = {}) {
    platform.attach(*program, view);
    platform.live = options.live;
    applyOptions(options, platform);
    // The command line has refused a bad code already.
    if (std::string refused; !program->open(options, refused))
      std::fprintf(stderr, "blunderfest: %s\n", refused.c_str());
    if (options.transcript) program->transcribe(writeTranscriptLine);
    if (options.fullScreen) tv = std::make_unique<TvScreen>(*view.window());
    share = std::make_unique<ShareKey>(screenWindow(*view.window()), *program);
    if (options.voice) {
      QString silence;
      platform.setSpeaker(startVoice(silence));
      if (!silence.isEmpty()) std::fprintf(stderr, "%s\n", qPrintable(silence));
    }
  }

  // Start-up, then the window shows and the clock starts stepping.
  void start() {
    program->load();
    view.sync();
    if (program->ended()) return;
    if (tv)
      tv->showFullScreen();
    else
      view.window()->show();
    platform.start();
  }
};
