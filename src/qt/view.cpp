#include "qt/view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QHelpEvent>
#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QToolTip>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "app/changes.h"
#include "app/form1.h"
#include "qt/accessibility.h"
#include "qt/painting.h"
#include "qt/pictures.h"

namespace {

QColor qcolor(Color c) { return QColor(c.red(), c.green(), c.blue()); }

class PanelWidget;

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

// ---- Widgets -----------------------------------------------------------------------

void paintWindowless(QPainter& painter, const Item& item) {
  switch (item.element.kind) {
    case Kind::Shape: {
      const auto& shape = static_cast<const Shape&>(item.element);
      if (!wantsSprite(shape)) {
        paintShape(painter, shape);
        break;
      }
      const qreal ratio = painter.device()->devicePixelRatioF();
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
void paintPanel(QPainter& painter, const Item& item) {
  const auto& panel = static_cast<const Panel&>(item.element);
  const qreal ratio = painter.device()->devicePixelRatioF();
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
      if (content->element.visible) paintWindowless(inside, *content);
    for (const Item* inner : item.panels)
      if (inner->element.visible) paintPanel(inside, *inner);
    if (panel.border) paintSunkenFrame(inside, QRect(QPoint(0, 0), size));
    item.spriteStale = false;
  }
  painter.drawPixmap(boxOf(panel).topLeft(), item.sprite);
}

// A panel with a widget: its background, its windowless elements in stacking
// order, the panels it paints in front of them, its frame. Child widgets
// (screens, rows, buttons, lists) lie in front of all of them and are
// clipped by it.
class PanelWidget : public QWidget {
 public:
  PanelWidget(Panel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

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
  void repaintPending() {
    if (pending_.empty()) return;
    update(unite(pending_.data(), pending_.size()));
    pending_.clear();
  }

  // That picture must be drawn again where `area` is, or everywhere.
  void layerChanged(const QRect& area) { layerDirty_ += area; }
  void layerChanged() { layerDirty_ = rect(); }

 protected:
  // A match frame dirties a few small patches scattered over the whole
  // pitch: they are copied from the picture of the panel's background and
  // windowless elements, with the frontmost element (the ball, from kick-off
  // on) and the painted panels (the figures and props) drawn over them.
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    const QRegion& dirty = event->region();
    const qreal ratio = devicePixelRatioF();
    updateLayer(ratio);
    // Patch by patch: a small copy stays on this thread, where one copy of
    // the whole panel through the clip would be shared out among threads.
    for (const QRect& r : dirty)
      painter.drawPixmap(QPointF(r.topLeft()), layer_,
                         QRectF(QPointF(r.topLeft()) * ratio, QSizeF(r.size()) * ratio));
    if (!windowless.empty()) {
      const Item* front = windowless.back();
      if (front->element.visible && dirty.intersects(front->bounds))
        paintWindowless(painter, *front);
    }
    for (const Item* item : painted)
      if (item->element.visible && dirty.intersects(item->bounds)) paintPanel(painter, *item);
    if (panel_.border) paintSunkenFrame(painter, rect());
  }

  // The names of the painted panels (the figures' names) show as tool-tips.
  bool event(QEvent* event) override {
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

 private:
  // Draws the picture of the background and the windowless elements under
  // the frontmost one again where it changed: the clock's or the
  // commentary's patch, once a second or so.
  void updateLayer(qreal ratio) {
    if (layer_.devicePixelRatio() != ratio || layer_.size() != size() * ratio) {
      layer_ = QPixmap(size() * ratio);
      layer_.setDevicePixelRatio(ratio);
      layerDirty_ = rect();
    }
    if (layerDirty_.isEmpty()) return;
    QPainter painter(&layer_);
    painter.setClipRegion(layerDirty_);
    const QColor back = qcolor(panel_.backColor);
    for (const QRect& r : layerDirty_) painter.fillRect(r, back);
    if (panel_.picture != Picture::None)
      painter.drawPixmap(QPoint(0, 0),
                         renderPicture(panel_.picture, pictureSize(panel_.picture), ratio));
    for (std::size_t i = 0; i + 1 < windowless.size(); ++i) {
      const Item* item = windowless[i];
      if (item->element.visible && layerDirty_.intersects(item->bounds))
        paintWindowless(painter, *item);
    }
    layerDirty_ = QRegion();
  }

  // The region of many patches, joined pairwise.
  static QRegion unite(const QRect* rects, std::size_t n) {
    if (n == 1) return QRegion(rects[0]);
    return unite(rects, n / 2).united(unite(rects + n / 2, n - n / 2));
  }

  Panel& panel_;
  QPixmap layer_;
  QRegion layerDirty_;
  std::vector<QRect> pending_;
};

// The window: the form's root panel as a fixed-size dialog. Closing it ends
// the program.
class WindowWidget final : public PanelWidget {
 public:
  explicit WindowWidget(Form1& form) : PanelWidget(form.Form, nullptr), form_(form) {
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    setWindowTitle(QStringLiteral("World Cup '98 - Blunderfest"));
    setWindowIcon(::windowIcon());  // the soccer ball, not QWidget::windowIcon()
    setFixedSize(toPixels(form.Form.width), toPixels(form.Form.height));
  }

 protected:
  void closeEvent(QCloseEvent* event) override {
    form_.closeRequested();
    event->accept();
  }

 private:
  Form1& form_;
};

// Coloured buttons keep a raised, classic look in their own colour.
QString colouredButtonStyle(Color back) {
  const QColor face = qcolor(back);
  const QString light = face.lighter(140).name();
  const QString dark = face.darker(200).name();
  return QStringLiteral(
             "QPushButton { background-color: %1; color: black; border-style: solid;"
             " border-width: 2px; border-color: %2 %3 %3 %2; padding: 0px; }"
             "QPushButton:focus { border-color: %2 black black %2; }"
             "QPushButton:pressed { border-color: %3 %2 %2 %3; }"
             "QPushButton:disabled { color: #808080; }")
      .arg(face.name(), light, dark);
}

// The panels of the match screen that hold no button or list are painted by
// it, like its windowless elements, and so are the panels inside them. The
// figures and the props move every step: a widget each would cost far more
// than drawing them.
std::unordered_set<const Element*> paintedPanels(const Form1& form) {
  std::unordered_set<const Element*> holdWidgets, painted;
  for (const Element* e : form.elements())
    if (e->kind == Kind::Button || e->kind == Kind::List)
      for (const Panel* c = e->container; c; c = c->container) holdWidgets.insert(c);
  for (const Element* e : form.elements())  // containers come before their contents
    if (e->kind == Kind::Panel && !holdWidgets.count(e) && e->container &&
        (e->container->paintsPanels || painted.count(e->container)))
      painted.insert(e);
  return painted;
}

void sortByZorder(std::vector<Item*>& items) {
  std::stable_sort(items.begin(), items.end(), [](const Item* a, const Item* b) {
    return a->element.zorder < b->element.zorder;
  });
}

}  // namespace

// ---- The view ------------------------------------------------------------------------

struct View::Impl {
  explicit Impl(Form1& f);
  void sync();
  void syncItem(Item& item);
  void syncWidget(Item& item, bool moved, bool restyled, bool first);
  void syncWindowless(Item& item, const Place& before, bool restyled, bool first);
  void applyTabOrder();
  void applyAccessibleNames();

  Form1& form;
  std::vector<std::unique_ptr<Item>> items;  // the window's own panel first
  std::vector<PanelWidget*> panels;
  bool tabOrderDirty = true;
  bool namesDirty = true;  // a syllable list changed: the names that tell its country
  // At a fractional device pixel ratio (a scale such as 2.13) a box's edges
  // fall inside device pixels, and a drawing may touch one more device pixel
  // than a later repaint of its box covers, on the backing store or on the
  // screen: the repaints of a windowless element, and of the place a widget
  // leaves, then take in one more pixel all round, so that nothing stays
  // behind when it moves.
  bool seam = false;
  // Declared last so it goes first: no widget outlives the items it paints.
  std::unique_ptr<WindowWidget> window;
};

View::Impl::Impl(Form1& f) : form(f), window(std::make_unique<WindowWidget>(f)) {
  std::unordered_map<const Element*, PanelWidget*> widgetOf;
  std::unordered_map<const Element*, Item*> paintedBy;
  const auto painted = paintedPanels(form);
  auto root = std::make_unique<Item>(form.Form);
  root->widget = window.get();
  items.push_back(std::move(root));
  widgetOf[&form.Form] = window.get();
  panels.push_back(window.get());

  // Containers come before their contents, so each host already exists; the
  // window's own panel, first, is the window.
  for (Element* e : form.elements()) {
    if (e == &form.Form) continue;
    auto item = std::make_unique<Item>(*e);
    if (auto owner = paintedBy.find(e->container); owner != paintedBy.end()) {
      item->owner = owner->second;
      item->host = owner->second->host;
    } else {
      auto host = widgetOf.find(e->container);
      item->host = host != widgetOf.end() ? host->second : window.get();
    }
    switch (e->kind) {
      case Kind::Panel: {
        if (painted.count(e)) {
          paintedBy[e] = item.get();
          break;
        }
        auto* panel = new PanelWidget(static_cast<Panel&>(*e), item->host);
        widgetOf[e] = panel;
        panels.push_back(panel);
        item->widget = panel;
        break;
      }
      case Kind::Button: {
        auto* button = new QPushButton(item->host);
        Button& element = static_cast<Button&>(*e);
        QObject::connect(button, &QPushButton::clicked, [this, &element] {
          form.click(element);
          sync();
        });
        item->widget = button;
        break;
      }
      case Kind::List: {
        auto* list = new QComboBox(item->host);
        list->setEditable(false);
        List& element = static_cast<List&>(*e);
        QObject::connect(list, &QComboBox::activated, [this, &element](int entry) {
          form.choose(element, entry);
          sync();
        });
        item->widget = list;
        break;
      }
      default:
        break;
    }
    const bool panel = e->kind == Kind::Panel;
    if (item->widget)
      item->host->widgets.push_back(item.get());
    else if (item->owner)
      (panel ? item->owner->panels : item->owner->contents).push_back(item.get());
    else
      (panel ? item->host->painted : item->host->windowless).push_back(item.get());
    items.push_back(std::move(item));
  }
  exposeMatchScreen(*widgetOf.at(&form.Picture1), form);
  sync();
}

void View::Impl::sync() {
  const qreal ratio = window->devicePixelRatioF();
  seam = ratio != std::floor(ratio);
  for (auto& item : items) syncItem(*item);
  for (auto& item : items) {
    if (!item->orderDirty) continue;
    item->orderDirty = false;
    sortByZorder(item->contents);
    sortByZorder(item->panels);
  }
  for (PanelWidget* panel : panels) {
    if (panel->stackDirty) {
      panel->stackDirty = false;
      sortByZorder(panel->widgets);
      for (Item* item : panel->widgets) item->widget->raise();
    }
    panel->repaintPending();
    if (panel->paintOrderDirty) {
      panel->paintOrderDirty = false;
      sortByZorder(panel->windowless);
      sortByZorder(panel->painted);
      panel->layerChanged();
      panel->update();
    }
  }
  if (tabOrderDirty) applyTabOrder();
  if (namesDirty) applyAccessibleNames();
}

void View::Impl::syncItem(Item& item) {
  const Change change = item.seen->look();
  if (!change) return;
  const bool first = change.first, moved = change.moved, restyled = change.restyled;
  const Place& before = change.before;
  if (item.host && change.restacked) {
    if (item.widget)
      item.host->stackDirty = true;
    else if (item.owner)
      item.owner->orderDirty = true;
    else
      item.host->paintOrderDirty = true;
  }
  if (item.widget)
    syncWidget(item, moved, restyled, first);
  else
    syncWindowless(item, before, restyled, first);
}

void View::Impl::syncWidget(Item& item, bool moved, bool restyled, bool first) {
  QWidget* w = item.widget;
  const Element& e = item.element;
  if (moved && item.host) {
    const QRect box = boxOf(e);
    if (w->geometry() != box) {
      const QRect old = w->geometry();
      w->setGeometry(box);
      if (seam && !first) item.host->update(old.adjusted(-1, -1, 1, 1));
    }
    if (first || w->isHidden() == e.visible) w->setVisible(e.visible);
  }
  if (!restyled) return;
  switch (e.kind) {
    case Kind::Panel: {
      const auto& panel = static_cast<const Panel&>(e);
      const QString tip = QString::fromStdString(panel.toolTip);
      if (w->toolTip() != tip) w->setToolTip(tip);
      static_cast<PanelWidget*>(w)->layerChanged();
      w->update();
      break;
    }
    case Kind::Button: {
      const auto& button = static_cast<const Button&>(e);
      auto* b = static_cast<QPushButton*>(w);
      const QString caption = QString::fromStdString(button.caption);
      if (b->text() != caption) b->setText(caption);
      b->setFont(fontOf(button.font));
      b->setStyleSheet(button.coloured ? colouredButtonStyle(button.backColor) : QString());
      b->setEnabled(button.enabled);
      tabOrderDirty = true;
      break;
    }
    case Kind::List: {
      const auto& list = static_cast<const List&>(e);
      auto* combo = static_cast<QComboBox*>(w);
      // Choices made by the program must not come back as the user's.
      const QSignalBlocker quiet(combo);
      bool same = combo->count() == static_cast<int>(list.entries.size());
      for (int i = 0; same && i < combo->count(); ++i)
        same = combo->itemText(i) == QString::fromStdString(list.entries[i]);
      if (!same) {
        combo->clear();
        for (const std::string& entry : list.entries) combo->addItem(QString::fromStdString(entry));
      }
      const int index = list.listIndex < combo->count() ? list.listIndex : -1;
      if (combo->currentIndex() != index) combo->setCurrentIndex(index);
      combo->setFont(fontOf(list.font));
      tabOrderDirty = true;
      namesDirty = true;
      break;
    }
    default:
      break;
  }
}

void View::Impl::syncWindowless(Item& item, const Place& before, bool restyled, bool first) {
  const Element& e = item.element;
  const Place& now = item.seen->place();
  const QRect oldBounds = item.bounds;
  switch (e.kind) {
    case Kind::Label: {
      const auto& label = static_cast<const Label&>(e);
      if (restyled) {
        item.text = labelText(label.caption);
        item.font = fontOf(label.font);
      }
      item.box = labelBox(label, item.text, item.font);
      // Italic glyphs of an autosize label may lean past the measured text,
      // and a one-line label's text runs past its box.
      const int lean = label.autoSize || label.singleLine ? item.font.pixelSize() / 4 + 2 : 0;
      item.bounds = textArea(label, item.box, item.text, item.font).adjusted(-lean, 0, lean, 0);
      break;
    }
    case Kind::Shape:
      item.box = item.bounds = boxOf(e);
      if (restyled || before.width != now.width || before.height != now.height)
        item.spriteStale = true;
      break;
    case Kind::Line:
      item.box = item.bounds = lineBounds(static_cast<const Line&>(e));
      break;
    case Kind::Image:
      item.box = item.bounds = imageBounds(static_cast<const Image&>(e));
      break;
    case Kind::Panel:  // a painted panel
      item.box = item.bounds = boxOf(e);
      if (restyled || before.width != now.width || before.height != now.height)
        item.spriteStale = true;
      break;
    default:
      break;
  }
  if (seam) item.bounds.adjust(-1, -1, 1, 1);
  if (item.owner) {
    // Drawn into a painted panel: that panel (and any it lies in) is drawn anew.
    for (Item* outer = item.owner; outer; outer = outer->owner) {
      outer->spriteStale = true;
      if (!outer->owner && outer->element.visible) outer->host->repaint(outer->bounds);
    }
    return;
  }
  if (e.kind != Kind::Panel && item.host->layerHolds(&item))
    item.host->layerChanged(first ? item.bounds : oldBounds.united(item.bounds));
  // A step of a few pixels: one patch over where it was and where it is.
  const bool wasShown = !first && before.visible;
  if (wasShown && e.visible && oldBounds.intersects(item.bounds))
    item.host->repaint(oldBounds.united(item.bounds));
  else {
    if (wasShown) item.host->repaint(oldBounds);
    if (e.visible) item.host->repaint(item.bounds);
  }
}

void View::Impl::applyTabOrder() {
  tabOrderDirty = false;
  std::vector<std::pair<int, QWidget*>> order;
  for (const auto& item : items) {
    const Element& e = item->element;
    int tab = -1;
    if (e.kind == Kind::Button) tab = static_cast<const Button&>(e).tabIndex;
    if (e.kind == Kind::List) tab = static_cast<const List&>(e).tabIndex;
    if (tab >= 0) order.emplace_back(tab, item->widget);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void View::Impl::applyAccessibleNames() {
  namesDirty = false;
  for (const auto& item : items) {
    if (!item->widget) continue;
    const QString name = accessibleNameOf(form, item->element);
    if (name.isEmpty() || item->widget->accessibleName() == name) continue;
    item->widget->setAccessibleName(name);
    // On Linux a list's name is its chosen entry: what it concerns goes in
    // its description.
    if (item->element.kind == Kind::List) item->widget->setAccessibleDescription(name);
  }
}

View::View(Form1& form) : impl_(std::make_unique<Impl>(form)) {}

View::~View() = default;

QWidget* View::window() { return impl_->window.get(); }

QWidget* View::widgetOf(const Element& element) {
  for (const auto& item : impl_->items)
    if (&item->element == &element) return item->widget;
  return nullptr;
}

void View::sync() { impl_->sync(); }

void installFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}
