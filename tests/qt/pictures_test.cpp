// Checks the compiled-in vector art: every picture loads and draws at its designed size,
// figures keep a transparent background, flags show their colours where they belong, and
// the renderer's cache and the window icon behave.

#include "qt/pictures.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QImage>
#include <QSet>
#include <QSvgRenderer>
#include <vector>

namespace {

struct Expected {
  Picture picture;
  const char* name;
  QSize size;
  bool opaqueBackground;  // a full rectangle; every other picture is a figure on transparency
};

const std::vector<Expected>& everyPicture() {
  static const std::vector<Expected> list = {
      {Picture::Icon, "Icon", {32, 32}, false},
      {Picture::SoccerBall, "SoccerBall", {16, 18}, false},
      {Picture::Football, "Football", {17, 18}, false},
      {Picture::Crowd, "Crowd", {700, 140}, true},
      {Picture::Trefoil, "Trefoil", {35, 37}, false},
      {Picture::Sponsor, "Sponsor", {32, 32}, false},
      {Picture::FlagSweden, "FlagSweden", {32, 32}, false},
      {Picture::FlagNetherlands, "FlagNetherlands", {32, 32}, false},
      {Picture::FlagSouthKorea, "FlagSouthKorea", {32, 32}, false},
      {Picture::FlagSovietUnion, "FlagSovietUnion", {32, 32}, false},
      {Picture::FlagIran, "FlagIran", {32, 32}, false},
      {Picture::FlagNigeria, "FlagNigeria", {32, 32}, false},
      {Picture::FlagColombia, "FlagColombia", {32, 32}, false},
      {Picture::RedCross, "RedCross", {26, 26}, true},
      {Picture::LeagueLogo, "LeagueLogo", {32, 32}, false},
      {Picture::HelmetA, "HelmetA", {32, 28}, false},
      {Picture::HelmetB, "HelmetB", {32, 28}, false},
      {Picture::Burns, "Burns", {32, 32}, false},
      {Picture::Girl, "Girl", {32, 32}, false},
      {Picture::SmallGirl, "SmallGirl", {32, 32}, false},
      {Picture::Shh, "Shh", {32, 32}, false},
      {Picture::Argh, "Argh", {32, 32}, false},
  };
  return list;
}

QImage naturalImage(Picture p) {
  return renderPicture(p, pictureSize(p), 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
}

bool near(QColor actual, QColor wanted) {
  constexpr int kTolerance = 48;
  return std::abs(actual.red() - wanted.red()) <= kTolerance &&
         std::abs(actual.green() - wanted.green()) <= kTolerance &&
         std::abs(actual.blue() - wanted.blue()) <= kTolerance && actual.alpha() > 200;
}

}  // namespace

TEST(Pictures, EveryPictureLoadsAndDrawsAtItsDesignedSize) {
  for (const Expected& e : everyPicture()) {
    SCOPED_TRACE(e.name);
    EXPECT_EQ(pictureSize(e.picture), e.size);

    const QString path = picturePath(e.picture);
    ASSERT_TRUE(path.startsWith(":/pictures/") && path.endsWith(".svg")) << path.toStdString();
    ASSERT_TRUE(QFile::exists(path)) << path.toStdString();
    QSvgRenderer renderer(path);
    ASSERT_TRUE(renderer.isValid());
    // The SVG's own width and height are the natural size, so it also looks right
    // wherever it is drawn at its default size.
    EXPECT_EQ(renderer.defaultSize(), e.size);

    const QImage image = naturalImage(e.picture);
    ASSERT_EQ(image.size(), e.size);
    QSet<QRgb> opaqueColours;
    for (int y = 0; y < image.height(); ++y) {
      for (int x = 0; x < image.width(); ++x) {
        const QRgb px = image.pixel(x, y);
        if (qAlpha(px) == 255) opaqueColours.insert(px);
      }
    }
    EXPECT_GT(opaqueColours.size(), 1) << "a single flat colour";

    const bool cornerTransparent = qAlpha(image.pixel(0, 0)) == 0 ||
                                   qAlpha(image.pixel(image.width() - 1, 0)) == 0 ||
                                   qAlpha(image.pixel(0, image.height() - 1)) == 0 ||
                                   qAlpha(image.pixel(image.width() - 1, image.height() - 1)) == 0;
    EXPECT_EQ(cornerTransparent, !e.opaqueBackground)
        << "figures sit on the pitch with a transparent background";
  }
}

TEST(Pictures, EachPictureHasItsOwnArt) {
  QSet<QString> paths;
  QSet<QByteArray> images;
  for (const Expected& e : everyPicture()) {
    paths.insert(picturePath(e.picture));
    const QImage image = naturalImage(e.picture);
    images.insert(
        QByteArray(reinterpret_cast<const char*>(image.constBits()), image.sizeInBytes()));
  }
  EXPECT_EQ(paths.size(), static_cast<qsizetype>(everyPicture().size()));
  EXPECT_EQ(images.size(), static_cast<qsizetype>(everyPicture().size()));
}

TEST(Pictures, NoneHasNoArt) {
  EXPECT_TRUE(pictureSize(Picture::None).isEmpty());
  EXPECT_TRUE(picturePath(Picture::None).isEmpty());
  EXPECT_TRUE(renderPicture(Picture::None, QSize(32, 32), 1.0).isNull());
  EXPECT_TRUE(renderPicture(Picture::SoccerBall, QSize(0, 18), 1.0).isNull());
  EXPECT_TRUE(renderPicture(Picture::SoccerBall, QSize(16, 18), 0.0).isNull());
}

// Colours sampled where each flag (and the bomb's sign) must show them; a swapped file or
// a stripe in the wrong order fails here.
TEST(Pictures, FlagsShowTheirColoursInTheRightPlaces) {
  const QColor red(200, 20, 30), white(255, 255, 255), blue(10, 60, 150), green(0, 140, 70),
      yellow(250, 205, 20), black(0, 0, 0);
  struct Sample {
    Picture picture;
    const char* name;
    QPoint at;
    QColor colour;
  };
  const std::vector<Sample> samples = {
      {Picture::FlagSweden, "Sweden blue field", {4, 10}, blue},
      {Picture::FlagSweden, "Sweden cross upright", {12, 9}, yellow},
      {Picture::FlagSweden, "Sweden cross bar", {24, 16}, yellow},
      {Picture::FlagNetherlands, "Netherlands top", {16, 9}, QColor(175, 30, 40)},
      {Picture::FlagNetherlands, "Netherlands middle", {16, 16}, white},
      {Picture::FlagNetherlands, "Netherlands bottom", {16, 23}, QColor(33, 70, 139)},
      {Picture::FlagNigeria, "Nigeria hoist", {4, 16}, green},
      {Picture::FlagNigeria, "Nigeria middle", {16, 16}, white},
      {Picture::FlagNigeria, "Nigeria fly", {28, 16}, green},
      {Picture::FlagColombia, "Colombia yellow half", {16, 10}, yellow},
      {Picture::FlagColombia, "Colombia blue", {16, 20}, QColor(0, 56, 147)},
      {Picture::FlagColombia, "Colombia red", {16, 24}, red},
      {Picture::FlagIran, "Iran green", {28, 9}, QColor(35, 159, 64)},
      {Picture::FlagIran, "Iran white", {28, 16}, white},
      {Picture::FlagIran, "Iran red", {28, 23}, QColor(218, 0, 0)},
      {Picture::FlagSovietUnion, "Soviet red field", {24, 16}, red},
      {Picture::FlagSouthKorea, "Korea white field", {16, 7}, white},
      {Picture::Trefoil, "trefoil centre", {17, 18}, black},
      {Picture::Trefoil, "trefoil disc", {17, 6}, yellow},
  };
  for (const Sample& s : samples) {
    SCOPED_TRACE(s.name);
    const QColor actual = naturalImage(s.picture).pixelColor(s.at);
    EXPECT_TRUE(near(actual, s.colour)) << actual.name().toStdString();
  }
}

TEST(Pictures, HighDpiRenderingIsSharpAndCached) {
  const QSize ball = pictureSize(Picture::SoccerBall);
  const QPixmap twice = renderPicture(Picture::SoccerBall, ball, 2.0);
  EXPECT_EQ(twice.size(), ball * 2);
  EXPECT_DOUBLE_EQ(twice.devicePixelRatio(), 2.0);
  EXPECT_EQ(twice.deviceIndependentSize().toSize(), ball);

  const QPixmap fractional = renderPicture(Picture::Football, QSize(17, 18), 1.5);
  EXPECT_EQ(fractional.size(), QSize(26, 27));
  EXPECT_DOUBLE_EQ(fractional.devicePixelRatio(), 1.5);

  // Stretched to another box (the ball is also shown 17 x 18).
  EXPECT_EQ(renderPicture(Picture::SoccerBall, QSize(17, 18), 1.0).size(), QSize(17, 18));

  // The same request is served from the cache; a different one is not.
  EXPECT_EQ(renderPicture(Picture::SoccerBall, ball, 2.0).cacheKey(), twice.cacheKey());
  EXPECT_NE(renderPicture(Picture::SoccerBall, ball, 1.0).cacheKey(), twice.cacheKey());
  EXPECT_NE(renderPicture(Picture::Icon, ball, 2.0).cacheKey(), twice.cacheKey());
}

TEST(Pictures, WindowIconHasEverySize) {
  const QIcon icon = windowIcon();
  ASSERT_FALSE(icon.isNull());
  const QList<QSize> sizes = icon.availableSizes();
  for (int side : {16, 32, 64, 256}) {
    EXPECT_TRUE(sizes.contains(QSize(side, side))) << side;
  }
  const QImage big = icon.pixmap(QSize(256, 256)).toImage();
  ASSERT_EQ(big.size(), QSize(256, 256));
  EXPECT_EQ(qAlpha(big.pixel(0, 0)), 0);  // a round ball, not a tile
  EXPECT_EQ(qAlpha(big.pixel(128, 128)), 255);
}
