#include <gtest/gtest.h>

#include <QApplication>
#include <QSize>
#include <cstdio>

#include "../offscreen_screen.h"

// The window's tests on one screen of `--screen WxH` pixels (640x480 unless
// said otherwise).
int main(int argc, char** argv) {
  QSize size(640, 480);
  for (int i = 1; i + 1 < argc; ++i)
    if (QByteArray(argv[i]) == "--screen" &&
        std::sscanf(argv[i + 1], "%dx%d", &size.rwidth(), &size.rheight()) != 2)
      return 2;
  const OffscreenScreen screen(size);
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
