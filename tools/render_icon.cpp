// Renders the window's icon, the soccer ball, into the PNG sizes of a desktop
// icon theme, from the same SVG and loader the window uses. Run at build time.
//
//   render_icon OUTDIR NAME SIZE...     writes OUTDIR/SIZExSIZE/apps/NAME.png

#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QString>
#include <cstdio>

#include "qt/pictures.h"

int main(int argc, char** argv) {
  // A build has no display to open.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: render_icon OUTDIR NAME SIZE...\n");
    return 2;
  }
  const QString outdir = QString::fromLocal8Bit(argv[1]);
  const QString name = QString::fromLocal8Bit(argv[2]);
  for (int i = 3; i < argc; ++i) {
    bool ok = false;
    const int side = QString::fromLocal8Bit(argv[i]).toInt(&ok);
    if (!ok || side < 1 || side > 1024) {
      std::fprintf(stderr, "render_icon: SIZE must be from 1 to 1024, not '%s'\n", argv[i]);
      return 2;
    }
    const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outdir).arg(side);
    const QString file = dir + QLatin1Char('/') + name + QStringLiteral(".png");
    const QImage image = renderPicture(Picture::Icon, QSize(side, side), 1.0).toImage();
    if (image.isNull() || !QDir().mkpath(dir) || !image.save(file)) {
      std::fprintf(stderr, "render_icon: could not write %s\n", qPrintable(file));
      return 1;
    }
  }
  return 0;
}
