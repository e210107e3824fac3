// The window on screens of every size: its title bar always on the screen,
// the design's centring wherever the window fits, and full screen the whole
// broadcast, smaller where the screen is, centred on black and played by
// clicks as at its own size.

#include <gtest/gtest.h>

#include <QApplication>
#include <QMouseEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>
#include <algorithm>

#include "app/design.h"
#include "qt/painting.h"
#include "qt/scale.h"
#include "support/desktop.h"

namespace {

QImage rgb(const QPixmap& pixmap) { return pixmap.toImage().convertToFormat(QImage::Format_RGB32); }

// Whether two pictures look alike seen from afar: the averages of their
// 16 x 16 pixel blocks within a few shades of each other. A block drawn
// wrongly or not at all stands out; drawing smaller, or half a pixel aside,
// does not.
bool alike(const QImage& a, const QImage& b) {
  const QSize afar = a.size() / 16;
  const QImage x = a.scaled(afar, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  const QImage y = b.scaled(afar, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  for (int row = 0; row < afar.height(); ++row)
    for (int column = 0; column < afar.width(); ++column) {
      const QRgb p = x.pixel(column, row), q = y.pixel(column, row);
      if (std::max({std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                    std::abs(qBlue(p) - qBlue(q))}) > 40)
        return false;
    }
  return true;
}

// Ending makes every later event loop return at once; a short exec clears that.
void clearTheEnd() {
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
}

}  // namespace

TEST(Screen, TheWindowKeepsItsTitleBarOnTheScreenAndTheDesignsCentringWhereItFits) {
  Desktop program;
  program.start();
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  const QRect outer(program.view.window()->pos(),
                    QSize(toPixels(FormWidth), toPixels(FormHeight)) + designFrameSize());
  EXPECT_TRUE(screen.contains(outer.topLeft())) << outer.x() << "," << outer.y();
  if (screen.width() >= outer.width() && screen.height() >= outer.height())
    EXPECT_EQ(outer.center(), screen.center());
  else  // smaller both ways: as near the centre as keeps the title bar on it
    EXPECT_EQ(outer.topLeft(), screen.topLeft());
  program.form.click(program.form.Command3);
  clearTheEnd();
}

TEST(Screen, FullScreenShowsTheWholeBroadcastCentredOnBlackAndClicksReachIt) {
  Options options;
  options.fullScreen = true;
  Desktop program(options);
  program.start();
  QCoreApplication::processEvents();
  QWidget& broadcast = *program.view.window();
  QWidget& picture = screenWindow(broadcast);
  ASSERT_NE(&picture, &broadcast);
  const QRect screen = QGuiApplication::primaryScreen()->geometry();
  EXPECT_EQ(picture.geometry(), screen);
  // As large as the screen allows, at most the design's size at this scale.
  const double fit = std::min(1.0, largestFit(screen.size(), broadcast.size()));
  QRect drawn(QPoint(), broadcast.size() * fit);
  drawn.moveCenter(QRect(QPoint(), screen.size()).center());
  const QImage image = rgb(picture.grab());
  EXPECT_EQ(image.pixel(0, 0), 0xff000000u);
  EXPECT_EQ(image.pixel(image.width() - 1, image.height() - 1), 0xff000000u);
  EXPECT_TRUE(alike(
      image.copy(drawn),
      rgb(broadcast.grab()).scaled(drawn.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  // The builder's "&Go", clicked where it is drawn, shows the lineups.
  QWidget* go = program.view.widgetOf(program.form.Command2);
  const QPointF middle =
      QPointF(go->mapTo(&broadcast, go->rect().center())) * fit + drawn.topLeft();
  for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
    QMouseEvent click(type, middle, picture.mapToGlobal(middle), Qt::LeftButton,
                      type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QCoreApplication::sendEvent(picture.windowHandle(), &click);
  }
  QCoreApplication::processEvents();
  EXPECT_TRUE(program.form.Picture6.visible);
  picture.close();
  EXPECT_TRUE(program.form.ended());
  clearTheEnd();
}
