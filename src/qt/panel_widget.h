#pragma once

// The panels of the window as widgets, and what they paint: their
// windowless elements (from sprites where those are dear to draw), the
// panels they paint whole (each from a picture of its own), over a picture
// of their background kept between frames.

#include <QFont>
#include <QPixmap>
#include <QRect>
#include <QRegion>
#include <QString>
#include <QWidget>
#include <memory>
#include <vector>

#include "app/changes.h"

class PanelWidget;
class Program;

// One element as the view last applied it.
struct Item {
  explicit Item(Element& e) : seen(Sighting::of(e)), element(e) {}

  std::unique_ptr<Sighting> seen;  // what changed since the last sync
  Element& element;
  // The widget that paints it, or holds its widget: the nearest container
  // with a widget of its own. None for the window itself.
  PanelWidget* host = nullptr;
  // The painted panel it belongs to, if any: it is drawn into that panel's
  // sprite instead of straight onto the host.
  Item* owner = nullptr;
  QWidget* widget = nullptr;  // screens, rows, buttons and lists have one of their own
  QRect box;                  // windowless: where it draws, in its container's pixels
  QRect bounds;               // windowless: the pixels it may touch, for repaints
  QString text;               // labels: the caption as drawn
  QFont font;                 // labels: the font as drawn
  // Shapes drawn from a sprite, and painted panels: the sprite, made again
  // after a change of looks or size (or, for a panel, of what it holds).
  mutable QPixmap sprite;
  mutable bool spriteStale = true;
  // A painted panel's contents, back to front: windowless elements first,
  // then the panels it paints in front of them.
  std::vector<Item*> contents;
  std::vector<Item*> panels;
  bool orderDirty = false;  // something inside changed its place in the stack
};

// A panel with a widget: its background, its windowless elements in stacking
// order, the panels it paints in front of them, its frame. Child widgets
// (screens, rows, buttons, lists) lie in front of all of them and are
// clipped by it.
class PanelWidget : public QWidget {
 public:
  PanelWidget(Panel& panel, QWidget* parent);

  std::vector<Item*> windowless;  // back to front
  std::vector<Item*> painted;     // panels it paints, back to front
  std::vector<Item*> widgets;     // back to front
  bool paintOrderDirty = true;
  bool stackDirty = true;

  // Whether `item`, one of its windowless elements, is part of the picture of
  // what lies under the frontmost one.
  bool layerHolds(const Item* item) const {
    return windowless.empty() || item != windowless.back();
  }
  // Marks `area` for repainting once sync() is done: a frame marks dozens of
  // small patches, and a region grown one patch at a time costs more than
  // the painting.
  void repaint(const QRect& area) {
    if (!area.isEmpty()) pending_.push_back(area);
  }
  void repaintPending();

  // That picture must be drawn again where `area` is, or everywhere.
  void layerChanged(const QRect& area) { layerDirty_ += area; }
  void layerChanged() { layerDirty_ = rect(); }

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void updateLayer(qreal ratio);
  const std::vector<QRect>& copies(const QRegion& dirty, qreal ratio);

  Panel& panel_;
  QPixmap layer_;
  QRegion layerDirty_;
  std::vector<QRect> pending_;
  std::vector<QRect> copies_;  // kept between frames, so that a frame allocates nothing
};

// The window: the program's own panel as a fixed-size dialog. Closing it
// ends the program.
class WindowWidget final : public PanelWidget {
 public:
  explicit WindowWidget(Program& program);

 protected:
  void closeEvent(QCloseEvent* event) override;

 private:
  Program& program_;
};
