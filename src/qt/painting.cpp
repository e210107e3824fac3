#include "qt/painting.h"

#include <QFontMetrics>
#include <QPaintDevice>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>

#include "app/shape_drawing.h"
#include "qt/pictures.h"

namespace {

QRect rectOf(const PixelBox& b) { return QRect(b.left, b.top, b.width, b.height); }

// The outline of a shape filling `box`; a rounded box's corners have radius
// `radius`.
QPainterPath outlineOf(Outline outline, const PixelBox& box, qreal radius) {
  QPainterPath path;
  if (box.empty()) return path;
  const QRectF r = rectOf(box);
  switch (outline) {
    case Outline::Box:
      path.addRect(r);
      break;
    case Outline::RoundedBox:
      path.addRoundedRect(r, radius, radius);
      break;
    case Outline::Ellipse:
      path.addEllipse(r);
      break;
  }
  return path;
}

}  // namespace

QRect boxOf(const Element& e) { return rectOf(pixelBox(e)); }

void installFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}

QFont fontOf(const Font& f) {
  QFont font(f.face == Face::TimesNewRoman ? QStringLiteral("Times New Roman")
                                           : QStringLiteral("Arial"));
  font.setPixelSize(pixelSize(f));
  font.setBold(f.bold);
  font.setItalic(f.italic);
  return font;
}

QString labelText(const std::string& caption) {
  QString text = QString::fromStdString(caption);
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  return text;
}

QRect labelBox(const Label& label, const QString& text, const QFont& font) {
  QRect box = boxOf(label);
  if (!label.autoSize) return box;
  const QFontMetrics metrics(font);
  QSize size = metrics.size(0, text);
  // An empty caption still takes one line's height, as the label keeps its place.
  size.setHeight(std::max(size.height(), metrics.height()));
  return QRect(box.topLeft(), size);
}

QRect textArea(const Label& label, const QRect& box, const QString& text, const QFont& font) {
  if (!label.singleLine) return box;
  const int extra = QFontMetrics(font).horizontalAdvance(text) - box.width();
  if (extra <= 0) return box;
  switch (label.alignment) {
    case Align::Left:
      return box.adjusted(0, 0, extra, 0);
    case Align::Right:
      return box.adjusted(-extra, 0, 0, 0);
    case Align::Center:
      break;
  }
  return box.adjusted(-extra / 2, 0, extra - extra / 2, 0);
}

QRect lineBounds(const Line& line) {
  const QPoint a(toPixels(line.x1), toPixels(line.y1));
  const QPoint b(toPixels(line.x2), toPixels(line.y2));
  const int reach = std::max(1, line.lineWidth) / 2 + 2;
  return QRect(a, b).normalized().adjusted(-reach, -reach, reach, reach);
}

QRect imageBounds(const Image& image) {
  const QRect box = boxOf(image);
  if (image.stretch) return box;
  return QRect(box.topLeft(), pictureSize(image.picture));
}

void paintShape(QPainter& painter, const Shape& s) {
  const ShapeDrawing d = drawingOf(s);
  if (d.area.empty()) return;
  const int bw = d.border;

  if (d.outline == Outline::Box && d.hatch == Hatch::None) {
    // Straight to the pixels: the inside, then the four sides of the border.
    const QRect box = rectOf(d.area);
    if (d.filled) painter.fillRect(rectOf(d.inside), qcolor(d.fill));
    if (bw > 0) {
      const QColor c = qcolor(d.borderColor);
      const int w = box.width(), h = box.height();
      painter.fillRect(QRect(box.left(), box.top(), w, std::min(bw, h)), c);
      painter.fillRect(QRect(box.left(), box.bottom() - std::min(bw, h) + 1, w, std::min(bw, h)),
                       c);
      painter.fillRect(QRect(box.left(), box.top(), std::min(bw, w), h), c);
      painter.fillRect(QRect(box.right() - std::min(bw, w) + 1, box.top(), std::min(bw, w), h), c);
    }
    return;
  }

  const QPainterPath outer = outlineOf(d.outline, d.area, d.cornerRadius);
  const QPainterPath inner = outlineOf(d.outline, d.inside, d.insideCornerRadius);

  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(Qt::NoPen);
  if (d.filled) painter.fillPath(inner, qcolor(d.fill));
  if (d.hatch == Hatch::DiagonalCross) {
    // The lattice scales with the painter like every other line, so that a
    // high-dpi screen shows it twice the size rather than twice as dense.
    painter.setRenderHint(QPainter::NonCosmeticBrushPatterns);
    painter.setBrushOrigin(d.hatchLeft, d.hatchTop);
    painter.fillPath(inner, QBrush(qcolor(d.hatchColor), Qt::DiagCrossPattern));
  } else if (d.hatch == Hatch::VerticalLines && !inner.isEmpty()) {
    // Whole pixel columns, so a high-dpi screen doubles them in place.
    painter.setClipPath(inner, Qt::IntersectClip);
    const QRect columns = rectOf(d.inside);
    for (int x = d.hatchLeft; x <= columns.right(); x += 2)
      painter.fillRect(QRect(x, columns.top(), 1, columns.height()), qcolor(d.hatchColor));
    painter.setClipping(false);
  }
  if (bw > 0) {
    QPainterPath ring = outer;
    ring.addPath(inner);
    ring.setFillRule(Qt::OddEvenFill);
    painter.fillPath(ring, qcolor(d.borderColor));
  }
  painter.restore();
}

bool wantsSprite(const Shape& s) {
  return s.shape != ShapeKind::Rectangle || s.hatch != Hatch::None;
}

QPixmap shapeSprite(const Shape& s, qreal devicePixelRatio) {
  const QRect box = boxOf(s);
  if (box.isEmpty()) return QPixmap();
  QPixmap sprite(box.size() * devicePixelRatio);
  sprite.setDevicePixelRatio(devicePixelRatio);
  sprite.fill(Qt::transparent);
  QPainter painter(&sprite);
  painter.translate(-box.topLeft());
  paintShape(painter, s);
  return sprite;
}

void paintLine(QPainter& painter, const Line& line) {
  const int width = std::max(1, line.lineWidth);
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  painter.setPen(QPen(qcolor(line.color), width, Qt::SolidLine,
                      width > 1 ? Qt::RoundCap : Qt::FlatCap, Qt::RoundJoin));
  painter.drawLine(QPoint(toPixels(line.x1), toPixels(line.y1)),
                   QPoint(toPixels(line.x2), toPixels(line.y2)));
  painter.restore();
}

void paintLabel(QPainter& painter, const Label& label, const QString& text, const QFont& font,
                const QRect& box) {
  if (label.opaque) painter.fillRect(box, qcolor(label.backColor));
  if (text.isEmpty()) return;
  int flags = Qt::AlignTop;
  switch (label.alignment) {
    case Align::Left:
      flags |= Qt::AlignLeft;
      break;
    case Align::Right:
      flags |= Qt::AlignRight;
      break;
    case Align::Center:
      flags |= Qt::AlignHCenter;
      break;
  }
  // A fixed label wraps its words within its box and is clipped by it; an
  // autosize label is as big as its text (italic overhang may peek out), and
  // a one-line label's text is laid out whole, past its box if need be.
  if (label.singleLine)
    flags |= Qt::TextSingleLine | Qt::TextDontClip;
  else
    flags |= label.autoSize ? Qt::TextDontClip : Qt::TextWordWrap;
  painter.setFont(font);
  painter.setPen(qcolor(label.foreColor));
  painter.drawText(textArea(label, box, text, font), flags, text);
}

void paintImage(QPainter& painter, const Image& image) {
  if (image.picture == Picture::None) return;
  const QRect bounds = imageBounds(image);
  if (bounds.isEmpty()) return;
  const QPixmap pixmap =
      renderPicture(image.picture, bounds.size(), painter.device()->devicePixelRatioF());
  if (!pixmap.isNull()) painter.drawPixmap(bounds.topLeft(), pixmap);
}

void paintSunkenFrame(QPainter& painter, const QRect& rect) {
  if (rect.width() < 4 || rect.height() < 4) return;
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, false);
  const QRect inner = rect.adjusted(1, 1, -1, -1);
  const auto edge = [&painter](const QRect& r, QColor topLeft, QColor bottomRight) {
    painter.fillRect(QRect(r.left(), r.top(), r.width() - 1, 1), topLeft);
    painter.fillRect(QRect(r.left(), r.top(), 1, r.height() - 1), topLeft);
    painter.fillRect(QRect(r.left(), r.bottom(), r.width(), 1), bottomRight);
    painter.fillRect(QRect(r.right(), r.top(), 1, r.height()), bottomRight);
  };
  edge(rect, QColor(0xa0, 0xa0, 0xa0), QColor(0xff, 0xff, 0xff));
  edge(inner, QColor(0x69, 0x69, 0x69), QColor(0xe3, 0xe3, 0xe3));
  painter.restore();
}
