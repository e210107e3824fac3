#include <gtest/gtest.h>

#include <QApplication>
#include <string>

#include "../offscreen_screen.h"
#include "qt/scale.h"

// The window's tests at a scale, 2 unless `--scale F` says otherwise: the
// application object draws everything F times larger, set up as the program
// sets up its own --scale, on a screen the window fits at that scale.
int main(int argc, char** argv) {
  const OffscreenScreen screen(QSize(2400, 1800));
  double scale = 2;
  for (int i = 1; i + 1 < argc; ++i)
    if (std::string(argv[i]) == "--scale") scale = std::stod(argv[i + 1]);
  useScale(scale);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
