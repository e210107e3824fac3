// The scale chosen for a screen, and the full-screen picture: the window
// centred on black, closed with it.

#include "qt/scale.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QImage>
#include <QScreen>
#include <QTimer>

#include "app/design.h"
#include "qt/painting.h"
#include "support/desktop.h"

namespace {

// The design's client area in pixels.
const QSize Client(toPixels(FormWidth), toPixels(FormHeight));

}  // namespace

TEST(Scale, AWindowScaleIsReducedToTheLargestThatFitsButNeverBelowTheDesign) {
  EXPECT_EQ(Client, QSize(691, 506));
  const struct {
    QSize screen;
    double requested, used;
  } cases[] = {
      {{1920, 1080}, 2, 2},      // fits
      {{1920, 1080}, 4, 2.01},   // 1080 / (506 + 29), to a hundredth below
      {{1366, 768}, 1.5, 1.43},  // the height decides
      {{1280, 1024}, 3, 1.83},   // the width decides: 1280 / (691 + 6)
      {{1394, 1070}, 2.5, 2},    // exactly twice the window and its frame
      {{3840, 2160}, 4, 4},      // room to spare
      {{640, 480}, 2, 1},        // not even the design fits: the design's size
      {{640, 480}, 1, 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message()
                 << c.screen.width() << "x" << c.screen.height() << " at " << c.requested);
    EXPECT_DOUBLE_EQ(windowScale(c.screen, Client, c.requested), c.used);
  }
}

TEST(Scale, FullScreenFillsTheScreenOneWayAndCentresTheOther) {
  EXPECT_DOUBLE_EQ(fullScreenScale({1920, 1080}, Client), 1080.0 / 506);
  EXPECT_DOUBLE_EQ(fullScreenScale({1280, 1024}, Client), 1280.0 / 691);
  EXPECT_DOUBLE_EQ(fullScreenScale({691 * 3, 506 * 3}, Client), 3);
  EXPECT_DOUBLE_EQ(fullScreenScale({640, 480}, Client), 640.0 / 691);  // smaller than designed
}

TEST(Scale, FullScreenShowsTheWindowCentredOnBlackAndClosingItEndsTheProgram) {
  Options options;
  options.fullScreen = true;
  Desktop program(options);
  program.start();
  QCoreApplication::processEvents();  // the window system makes it full-screen
  QWidget* window = program.view.window();
  QWidget* picture = window->window();
  ASSERT_NE(picture, window);
  const QRect screen = picture->screen()->geometry();
  EXPECT_EQ(picture->geometry(), screen);
  EXPECT_EQ(window->geometry().center(), QRect(QPoint(), screen.size()).center());
  const auto rgb = [](const QPixmap& p) {
    return p.toImage().convertToFormat(QImage::Format_RGB32);
  };
  const QImage image = rgb(picture->grab());
  EXPECT_EQ(image.pixel(2, 2), 0xff000000u);
  EXPECT_EQ(image.pixel(image.width() - 3, image.height() - 3), 0xff000000u);
  EXPECT_EQ(image.copy(window->geometry()), rgb(window->grab()));

  picture->close();
  EXPECT_TRUE(program.form.ended());
  EXPECT_FALSE(picture->isVisible());
  // Ending makes every later event loop return at once; a short exec clears that.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
}
