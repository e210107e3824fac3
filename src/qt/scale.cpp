#include "qt/scale.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/options.h"
#include "qt/display.h"
#include "qt/painting.h"

QSize designFrameSize() { return {toPixels(NominalFrameWidth), toPixels(NominalFrameHeight)}; }

double largestFit(QSize screen, QSize content) {
  if (content.isEmpty()) return 0;
  return std::max(0.0, std::min(static_cast<double>(screen.width()) / content.width(),
                                static_cast<double>(screen.height()) / content.height()));
}

double windowScale(QSize available, QSize client, double requested) {
  // The small allowance keeps a scale that fits exactly from losing a hundredth.
  const double fit =
      std::floor(largestFit(available, client + designFrameSize()) * 100 + 1e-6) / 100;
  return std::max(1.0, std::min(requested, fit));
}

double fullScreenScale(QSize screen, QSize client) { return largestFit(screen, client); }

void useScale(double scale) { qputenv("QT_SCALE_FACTOR", QByteArray::number(scale, 'g', 12)); }

void chooseScale(const Options& options, QSize client, char* program) {
  if (!options.scale && !options.fullScreen) return;
  // The screen as it is without a scale of ours: the option replaces any
  // scale factor set in the environment.
  qunsetenv("QT_SCALE_FACTOR");
  QSize whole, available;
  {
    int count = 1;
    char* arguments[] = {program, nullptr};
    const OpeningDisplay opening;
    QGuiApplication probe(count, arguments);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      whole = screen->geometry().size();
      available = screen->availableGeometry().size();
    }
  }
  if (whole.isEmpty()) {  // no screen to measure: a requested scale stands as asked
    if (options.scale) useScale(*options.scale);
    return;
  }
  if (options.fullScreen) {
    // Below the design's size the television picture draws the broadcast
    // smaller itself: the toolkit's scaling draws widgets wrongly below 1.
    useScale(std::max(1.0, fullScreenScale(whole, client)));
    return;
  }
  const double scale = windowScale(available, client, *options.scale);
  // Numbers as the option reads them, with a decimal point in every locale.
  if (scale < *options.scale)
    std::fprintf(stderr, "%s\n",
                 qPrintable(QStringLiteral("blunderfest: a scale of %1 does not fit the screen "
                                           "(%2 x %3 pixels free); using %4.")
                                .arg(QString::number(*options.scale))
                                .arg(available.width())
                                .arg(available.height())
                                .arg(QString::number(scale))));
  useScale(scale);
}
