#include "qt/panel_widget.h"

#include <QCloseEvent>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>
#include <QToolTip>
#include <algorithm>
#include <cmath>

#include "platform/program.h"
#include "qt/painting.h"
#include "qt/pictures.h"

namespace {

// `ratio` is the device pixel ratio of what `painter` paints on, asked once
// per frame: asking a widget for it asks its window for its screen.
void paintWindowless(QPainter& painter, const Item& item, qreal ratio) {
  switch (item.element.kind) {
    case Kind::Shape: {
      const auto& shape = static_cast<const Shape&>(item.element);
      if (!wantsSprite(shape)) {
        paintShape(painter, shape);
        break;
      }
      if (item.spriteStale || item.sprite.devicePixelRatio() != ratio) {
        item.sprite = shapeSprite(shape, ratio);
        item.spriteStale = false;
      }
      if (!item.sprite.isNull()) painter.drawPixmap(boxOf(shape).topLeft(), item.sprite);
      break;
    }
    case Kind::Line:
      paintLine(painter, static_cast<const Line&>(item.element));
      break;
    case Kind::Label:
      paintLabel(painter, static_cast<const Label&>(item.element), item.text, item.font, item.box);
      break;
    case Kind::Image:
      paintImage(painter, static_cast<const Image&>(item.element));
      break;
    default:
      break;
  }
}

// A painted panel as one picture of its box: its background, its picture,
// its windowless elements and panels in stacking order, its frame. Made once
// and copied while nothing inside changes, however the panel moves.
void paintPanel(QPainter& painter, const Item& item, qreal ratio) {
  const auto& panel = static_cast<const Panel&>(item.element);
  if (item.spriteStale || item.sprite.devicePixelRatio() != ratio) {
    const QSize size = boxOf(panel).size();
    item.sprite = QPixmap(size * ratio);
    item.sprite.setDevicePixelRatio(ratio);
    item.sprite.fill(qcolor(panel.backColor));
    QPainter inside(&item.sprite);
    if (panel.picture != Picture::None)
      inside.drawPixmap(QPoint(0, 0),
                        renderPicture(panel.picture, pictureSize(panel.picture), ratio));
    for (const Item* content : item.contents)
      if (content->element.visible) paintWindowless(inside, *content, ratio);
    for (const Item* inner : item.panels)
      if (inner->element.visible) paintPanel(inside, *inner, ratio);
    if (panel.border) paintSunkenFrame(inside, QRect(QPoint(0, 0), size));
    item.spriteStale = false;
  }
  painter.drawPixmap(boxOf(panel).topLeft(), item.sprite);
}

// The region of many patches, joined pairwise.
QRegion unite(const QRect* rects, std::size_t n) {
  if (n == 1) return QRegion(rects[0]);
  return unite(rects, n / 2).united(unite(rects + n / 2, n - n / 2));
}

}  // namespace

PanelWidget::PanelWidget(Panel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PanelWidget::repaintPending() {
  if (pending_.empty()) return;
  update(unite(pending_.data(), pending_.size()));
  pending_.clear();
}

// The dirty patches in few copies: every call through a clip of many
// rectangles costs far more than its pixels, but the toolkit shares a copy
// of many lines (one a row of each rectangle it meets) out among threads,
// which costs more again. So the region's bands (rows of rectangles of the
// same height) are gathered, top to bottom, into boxes of at most 90 such
// lines, each copied once and kept to the patches by the painter's clip.
const std::vector<QRect>& PanelWidget::copies(const QRegion& dirty, qreal ratio) {
  constexpr double MostLines = 90;
  copies_.clear();
  QRect box;
  double lines = 0;
  for (auto r = dirty.begin(); r != dirty.end();) {
    const int top = r->top(), height = r->height();
    QRect band;
    int across = 0;
    for (; r != dirty.end() && r->top() == top; ++r, ++across) band |= *r;
    const double bandLines = across * height * ratio;
    if (!box.isEmpty() && lines + bandLines > MostLines) {
      copies_.push_back(box);
      box = QRect();
      lines = 0;
    }
    if (bandLines <= MostLines) {
      box |= band;
      lines += bandLines;
      continue;
    }
    // A band too tall for one copy: in slices of as many rows as fit.
    const int rows = std::max(1, static_cast<int>(MostLines / (across * ratio)));
    for (int y = band.top(); y <= band.bottom(); y += rows)
      copies_.push_back(band & QRect(band.left(), y, band.width(), rows));
  }
  if (!box.isEmpty()) copies_.push_back(box);
  return copies_;
}

// A match frame dirties a few dozen small patches scattered over the whole
// pitch: they are copied from the picture of the panel's background and
// windowless elements, with the frontmost element (the ball, from kick-off
// on) and the painted panels (the figures and props) drawn over them.
void PanelWidget::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const QRegion& dirty = event->region();
  const qreal ratio = devicePixelRatioF();
  updateLayer(ratio);
  if (ratio == std::floor(ratio)) {
    for (const QRect& r : copies(dirty, ratio))
      painter.drawPixmap(r.topLeft(), layer_, QRect(r.topLeft() * ratio, r.size() * ratio));
  } else {
    // At a fractional ratio a patch's corner falls inside a device pixel:
    // each patch is copied from whole device pixels of the picture, to the
    // place the picture copied whole from its corner puts them, so that no
    // patch lands a device pixel off the rest.
    for (const QRect& r : dirty) {
      const QRect source = QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio)
                               .toAlignedRect()
                               .intersected(layer_.rect());
      painter.drawPixmap(QPointF(source.topLeft()) / ratio, layer_, source);
    }
  }
  if (!windowless.empty()) {
    const Item* front = windowless.back();
    if (front->element.visible && dirty.intersects(front->bounds))
      for (const QRect& r : dirty) {
        if (!r.intersects(front->bounds)) continue;
        painter.setClipRect(r);
        paintWindowless(painter, *front, ratio);
      }
    painter.setClipping(false);
  }
  for (const Item* item : painted)
    if (item->element.visible && dirty.intersects(item->bounds)) paintPanel(painter, *item, ratio);
  if (panel_.border) paintSunkenFrame(painter, rect());
}

// The names of the painted panels (the figures' names) show as tool-tips.
bool PanelWidget::event(QEvent* event) {
  if (event->type() != QEvent::ToolTip) return QWidget::event(event);
  const auto* help = static_cast<QHelpEvent*>(event);
  for (auto it = painted.rbegin(); it != painted.rend(); ++it) {
    const auto& panel = static_cast<const Panel&>((*it)->element);
    if (!panel.visible || !(*it)->bounds.contains(help->pos())) continue;
    if (panel.toolTip.empty()) break;
    QToolTip::showText(help->globalPos(), QString::fromStdString(panel.toolTip), this,
                       (*it)->bounds);
    return true;
  }
  QToolTip::hideText();
  event->ignore();
  return true;
}

// Draws the picture of the background and the windowless elements under the
// frontmost one again where it changed: the clock's or the commentary's
// patch, once a second or so. The picture reaches one pixel past the panel's
// right and bottom edges, where a fractional ratio puts them inside a device
// pixel that the panel still shows.
void PanelWidget::updateLayer(qreal ratio) {
  const QSize device(static_cast<int>(std::ceil((width() + 1) * ratio)),
                     static_cast<int>(std::ceil((height() + 1) * ratio)));
  if (layer_.devicePixelRatio() != ratio || layer_.size() != device) {
    layer_ = QPixmap(device);
    layer_.setDevicePixelRatio(ratio);
    layerChanged();
  }
  if (layerDirty_.isEmpty()) return;
  QPainter painter(&layer_);
  const QColor back = qcolor(panel_.backColor);
  // One rectangle at a time: text and smoothed edges drawn through a clip of
  // many rectangles come out a shade apart from the same drawn whole, so a
  // patch is drawn as a redraw of everything draws it.
  for (QRect r : layerDirty_) {
    if (r.right() == width() - 1) r.setRight(width());
    if (r.bottom() == height() - 1) r.setBottom(height());
    painter.setClipRect(r);
    painter.fillRect(r, back);
    if (panel_.picture != Picture::None)
      painter.drawPixmap(QPoint(0, 0),
                         renderPicture(panel_.picture, pictureSize(panel_.picture), ratio));
    for (std::size_t i = 0; i + 1 < windowless.size(); ++i) {
      const Item* item = windowless[i];
      if (item->element.visible && r.intersects(item->bounds))
        paintWindowless(painter, *item, ratio);
    }
  }
  layerDirty_ = QRegion();
}

WindowWidget::WindowWidget(Program& program)
    : PanelWidget(static_cast<Panel&>(*program.elements().front()), nullptr), program_(program) {
  const Element& window = *program.elements().front();
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
  setWindowTitle(QStringLiteral("World Cup '98 - Blunderfest"));
  setWindowIcon(::windowIcon());  // the soccer ball, not QWidget::windowIcon()
  setFixedSize(toPixels(window.width), toPixels(window.height));
}

void WindowWidget::closeEvent(QCloseEvent* event) {
  program_.closeRequested();
  event->accept();
}
