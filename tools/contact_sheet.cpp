// Renders every picture at its natural size and magnified into one labelled PNG, so the
// art can be checked by eye at the sizes the window really uses.
//
//   contact_sheet OUT.png [SCALE]     SCALE is the magnification of the second copy (2)

#include <QFont>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <utility>
#include <vector>

#include "qt/pictures.h"

namespace {

const std::vector<std::pair<Picture, const char*>>& allPictures() {
  static const std::vector<std::pair<Picture, const char*>> list = {
      {Picture::Icon, "Icon"},
      {Picture::SoccerBall, "SoccerBall"},
      {Picture::Football, "Football"},
      {Picture::Trefoil, "Trefoil"},
      {Picture::Sponsor, "Sponsor"},
      {Picture::FlagSweden, "FlagSweden"},
      {Picture::FlagNetherlands, "FlagNetherlands"},
      {Picture::FlagSouthKorea, "FlagSouthKorea"},
      {Picture::FlagSovietUnion, "FlagSovietUnion"},
      {Picture::FlagIran, "FlagIran"},
      {Picture::FlagNigeria, "FlagNigeria"},
      {Picture::FlagColombia, "FlagColombia"},
      {Picture::RedCross, "RedCross"},
      {Picture::LeagueLogo, "LeagueLogo"},
      {Picture::HelmetA, "HelmetA"},
      {Picture::HelmetB, "HelmetB"},
      {Picture::Burns, "Burns"},
      {Picture::Girl, "Girl"},
      {Picture::SmallGirl, "SmallGirl"},
      {Picture::Shh, "Shh"},
      {Picture::Argh, "Argh"},
      {Picture::Crowd, "Crowd"},  // last: it gets a full-width band of its own
  };
  return list;
}

// The picture rendered at `scale` times its size, as an image painted one device pixel per
// sheet pixel (a high-dpi pixmap would otherwise be painted back at its logical size).
QImage pixelForPixel(Picture picture, QSize logical, int scale) {
  QImage image = renderPicture(picture, logical, scale).toImage();
  image.setDevicePixelRatio(1.0);
  return image;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: %s OUT.png [SCALE]\n", argv[0]);
    return 2;
  }
  const int scale = argc > 2 ? QString::fromLocal8Bit(argv[2]).toInt() : 2;
  if (scale < 1 || scale > 16) {
    std::fprintf(stderr, "SCALE must be between 1 and 16\n");
    return 2;
  }

  constexpr int kMargin = 12;
  constexpr int kLabel = 16;
  constexpr int kColumns = 6;
  const int cellW = 40 + 40 * scale + 3 * kMargin;
  const int cellH = kLabel + 40 * scale + kMargin;
  const QSize crowd = pictureSize(Picture::Crowd);
  const int small = static_cast<int>(allPictures().size()) - 1;
  const int rows = (small + kColumns - 1) / kColumns;
  const int width = std::max(kColumns * cellW, crowd.width() * scale + 2 * kMargin);
  const int height = kMargin + rows * cellH + kLabel + crowd.height() * (1 + scale) + 3 * kMargin;

  QImage sheet(width, height, QImage::Format_ARGB32_Premultiplied);
  sheet.fill(QColor(128, 128, 128));
  QPainter painter(&sheet);
  QFont font = painter.font();
  font.setPixelSize(11);
  painter.setFont(font);

  for (int i = 0; i < small; ++i) {
    const auto& [picture, name] = allPictures()[i];
    const QPoint origin(kMargin + (i % kColumns) * cellW, kMargin + (i / kColumns) * cellH);
    const QSize natural = pictureSize(picture);
    painter.setPen(Qt::black);
    painter.drawText(
        origin + QPoint(0, 11),
        QStringLiteral("%1 %2x%3").arg(name).arg(natural.width()).arg(natural.height()));
    const QPoint top = origin + QPoint(0, kLabel);
    painter.drawPixmap(top, renderPicture(picture, natural, 1.0));
    // The magnified copy is rendered at a higher ratio and drawn pixel for pixel.
    painter.drawImage(top + QPoint(40 + kMargin, 0), pixelForPixel(picture, natural, scale));
  }

  const QPoint crowdTop(kMargin, kMargin + rows * cellH);
  painter.drawText(crowdTop + QPoint(0, 11),
                   QStringLiteral("Crowd %1x%2").arg(crowd.width()).arg(crowd.height()));
  painter.drawPixmap(crowdTop + QPoint(0, kLabel), renderPicture(Picture::Crowd, crowd, 1.0));
  painter.drawImage(crowdTop + QPoint(0, kLabel + crowd.height() + kMargin),
                    pixelForPixel(Picture::Crowd, crowd, scale));
  painter.end();

  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) {
    std::fprintf(stderr, "could not write %s\n", argv[1]);
    return 1;
  }
  return 0;
}
