#include "qt/pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

namespace {

struct PictureInfo {
  const char* file;
  int width;
  int height;
};

PictureInfo infoFor(Picture p) {
  switch (p) {
    case Picture::None:
      return {nullptr, 0, 0};
    case Picture::Icon:
      return {"icon.svg", 32, 32};
    case Picture::SoccerBall:
      return {"ball.svg", 16, 18};
    case Picture::Football:
      return {"football.svg", 17, 18};
    case Picture::Crowd:
      return {"crowd.svg", 700, 140};
    case Picture::Trefoil:
      return {"trefoil.svg", 35, 37};
    case Picture::Sponsor:
      return {"sponsor.svg", 32, 32};
    case Picture::FlagSweden:
      return {"flag_sweden.svg", 32, 32};
    case Picture::FlagNetherlands:
      return {"flag_netherlands.svg", 32, 32};
    case Picture::FlagSouthKorea:
      return {"flag_south_korea.svg", 32, 32};
    case Picture::FlagSovietUnion:
      return {"flag_soviet_union.svg", 32, 32};
    case Picture::FlagIran:
      return {"flag_iran.svg", 32, 32};
    case Picture::FlagNigeria:
      return {"flag_nigeria.svg", 32, 32};
    case Picture::FlagColombia:
      return {"flag_colombia.svg", 32, 32};
    case Picture::RedCross:
      return {"red_cross.svg", 26, 26};
    case Picture::LeagueLogo:
      return {"league_logo.svg", 32, 32};
    case Picture::HelmetA:
      return {"helmet_a.svg", 32, 28};
    case Picture::HelmetB:
      return {"helmet_b.svg", 32, 28};
    case Picture::Burns:
      return {"burns.svg", 32, 32};
    case Picture::Girl:
      return {"girl.svg", 32, 32};
    case Picture::SmallGirl:
      return {"small_girl.svg", 32, 32};
    case Picture::Shh:
      return {"shh.svg", 32, 32};
    case Picture::Argh:
      return {"argh.svg", 32, 32};
  }
  return {nullptr, 0, 0};
}

// One parsed renderer per picture: parsing the crowd is far dearer than drawing it.
QSvgRenderer* rendererFor(Picture p) {
  static QHash<int, std::shared_ptr<QSvgRenderer>> renderers;
  const int key = static_cast<int>(p);
  auto it = renderers.find(key);
  if (it == renderers.end()) {
    it = renderers.insert(key, std::make_shared<QSvgRenderer>(picturePath(p)));
  }
  return it.value().get();
}

struct CacheKey {
  int picture;
  int width;
  int height;
  qint64 ratioMilli;  // the ratio in thousandths, so near-equal doubles share an entry
  bool operator==(const CacheKey&) const = default;
};

size_t qHash(const CacheKey& k, size_t seed = 0) {
  return qHashMulti(seed, k.picture, k.width, k.height, k.ratioMilli);
}

// Window resizes can ask for many sizes of the stretched pictures; past this many
// entries the cache starts over rather than growing without bound.
constexpr qsizetype kMaxCachedPixmaps = 512;

}  // namespace

QSize pictureSize(Picture p) {
  const PictureInfo info = infoFor(p);
  if (info.file == nullptr) return {};
  return {info.width, info.height};
}

QString picturePath(Picture p) {
  const PictureInfo info = infoFor(p);
  if (info.file == nullptr) return {};
  return QStringLiteral(":/pictures/") + QLatin1String(info.file);
}

QPixmap renderPicture(Picture p, QSize logical, qreal devicePixelRatio) {
  if (p == Picture::None || logical.isEmpty() || !(devicePixelRatio > 0)) return {};

  static QHash<CacheKey, QPixmap> cache;
  const CacheKey key{static_cast<int>(p), logical.width(), logical.height(),
                     std::llround(devicePixelRatio * 1000.0)};
  if (auto it = cache.constFind(key); it != cache.constEnd()) return it.value();

  QSvgRenderer* renderer = rendererFor(p);
  if (!renderer->isValid()) return {};

  const QSize device(static_cast<int>(std::ceil(logical.width() * devicePixelRatio - 0.001)),
                     static_cast<int>(std::ceil(logical.height() * devicePixelRatio - 0.001)));
  QPixmap pixmap(device);
  pixmap.fill(Qt::transparent);
  {
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    renderer->render(&painter, QRectF(QPointF(0, 0), QSizeF(device)));
  }
  pixmap.setDevicePixelRatio(devicePixelRatio);

  if (cache.size() >= kMaxCachedPixmaps) cache.clear();
  cache.insert(key, pixmap);
  return pixmap;
}

QIcon windowIcon() {
  QIcon icon;
  for (int side : {16, 32, 64, 256}) {
    icon.addPixmap(renderPicture(Picture::Icon, QSize(side, side), 1.0));
  }
  return icon;
}
