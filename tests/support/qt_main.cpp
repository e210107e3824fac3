#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QSize>
#include <cstdio>
#include <optional>
#include <string>

#include "qt/scale.h"
#include "support/offscreen_screen.h"

// The suites that need the toolkit share one application object, made before
// any test runs, on the offscreen window system unless another is named.
// `--screen WxH` shows it one screen of that many pixels. `--scale F` draws
// everything F times larger, set up as the program sets up its own --scale,
// on a screen of 2400 x 1800 pixels, which the window fits at every scale
// the tests use.
int main(int argc, char** argv) {
  std::optional<QSize> screen;
  std::optional<double> scale;
  for (int i = 1; i + 1 < argc; ++i) {
    const QByteArray option(argv[i]);
    if (option == "--scale") scale = std::stod(argv[i + 1]);
    if (option == "--screen") {
      QSize size;
      if (std::sscanf(argv[i + 1], "%dx%d", &size.rwidth(), &size.rheight()) != 2) return 2;
      screen = size;
    }
  }
  if (scale && !screen) screen = QSize(2400, 1800);
  std::optional<OffscreenScreen> offscreen;
  if (screen)
    offscreen.emplace(*screen);
  else if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
    qputenv("QT_QPA_PLATFORM", "offscreen");
  if (scale) useScale(*scale);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
