#include "qt/pictures.h"

#include <QHash>
#include <QPainter>
#include <QSvgRenderer>
#include <cmath>
#include <memory>

namespace {

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
  const PictureFile info = pictureFile(p);
  if (info.file == nullptr) return {};
  return {info.width, info.height};
}

QString picturePath(Picture p) {
  const PictureFile info = pictureFile(p);
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
