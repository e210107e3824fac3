#include "qt/view.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QFont>
#include <QPaintDevice>
#include <QPaintEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <tuple>
#include <type_traits>
#include <unordered_map>
#include <vector>

#include "app/form1.h"
#include "qt/painting.h"
#include "qt/pictures.h"

namespace {

QColor qcolor(Color c) { return QColor(c.red(), c.green(), c.blue()); }

// ---- What sync() compares ------------------------------------------------------

// Where an element is and whether it shows.
struct Place {
  float left = 0, top = 0, width = 0, height = 0;
  bool visible = false;
  int zorder = 0;
  friend bool operator==(const Place&, const Place&) = default;
};

Place placeOf(const Element& e) { return {e.left, e.top, e.width, e.height, e.visible, e.zorder}; }

// Everything else about an element that shows on screen, per kind.
auto looksOf(const Panel& p) { return std::tie(p.backColor, p.border, p.toolTip, p.picture); }
auto looksOf(const Label& l) {
  return std::tie(l.caption, l.font, l.foreColor, l.opaque, l.backColor, l.alignment, l.autoSize);
}
auto looksOf(const Button& b) {
  return std::tie(b.caption, b.font, b.coloured, b.backColor, b.enabled, b.tabIndex);
}
auto looksOf(const List& l) { return std::tie(l.entries, l.listIndex, l.font, l.tabIndex); }
auto looksOf(const Shape& s) {
  return std::tie(s.shape, s.opaque, s.fillColor, s.hatch, s.hatchColor, s.border, s.borderColor,
                  s.borderWidth, s.borderInside);
}
auto looksOf(const Line& l) { return std::tie(l.x1, l.y1, l.x2, l.y2, l.color, l.lineWidth); }
auto looksOf(const Image& i) { return std::tie(i.picture, i.stretch); }

// A stored copy of the references looksOf() ties together.
template <typename... T>
std::tuple<std::decay_t<T>...> copyOf(const std::tuple<T...>& tied) {
  return tied;
}

class PanelWidget;

// One element as the view last applied it.
struct Item {
  explicit Item(Element& e) : element(e) {}
  virtual ~Item() = default;
  // True when the element's looks differ from the last ones seen; remembers them.
  virtual bool looksChanged() = 0;

  Element& element;
  PanelWidget* host = nullptr;  // the container's widget; none for the window itself
  QWidget* widget = nullptr;    // panels, buttons and lists have one of their own
  bool applied = false;         // nothing applied yet: everything counts as changed
  Place place;
  QRect box;     // windowless: where it draws, in the host's pixels
  QRect bounds;  // windowless: the pixels it may touch, for repaints
  QString text;  // labels: the caption as drawn
  QFont font;    // labels: the font as drawn
  // Shapes drawn from a sprite: the sprite, made again after a change of
  // looks or size.
  mutable QPixmap sprite;
  mutable bool spriteStale = true;
};

template <typename T>
struct Tracked final : Item {
  explicit Tracked(T& e) : Item(e), typed(e), looks(copyOf(looksOf(e))) {}
  bool looksChanged() override {
    if (looks == looksOf(typed)) return false;
    looks = copyOf(looksOf(typed));
    return true;
  }
  T& typed;
  decltype(copyOf(looksOf(std::declval<T&>()))) looks;
};

std::unique_ptr<Item> track(Element& e) {
  switch (e.kind) {
    case Kind::Panel:
      return std::make_unique<Tracked<Panel>>(static_cast<Panel&>(e));
    case Kind::Label:
      return std::make_unique<Tracked<Label>>(static_cast<Label&>(e));
    case Kind::Button:
      return std::make_unique<Tracked<Button>>(static_cast<Button&>(e));
    case Kind::List:
      return std::make_unique<Tracked<List>>(static_cast<List&>(e));
    case Kind::Shape:
      return std::make_unique<Tracked<Shape>>(static_cast<Shape&>(e));
    case Kind::Line:
      return std::make_unique<Tracked<Line>>(static_cast<Line&>(e));
    case Kind::Image:
      return std::make_unique<Tracked<Image>>(static_cast<Image&>(e));
  }
  return nullptr;
}

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

// A panel: its background, its windowless elements in stacking order, its
// frame. Child widgets (panels, buttons, lists) lie in front of all of them
// and are clipped by it.
class PanelWidget : public QWidget {
 public:
  PanelWidget(Panel& panel, QWidget* parent) : QWidget(parent), panel_(panel) {
    setAttribute(Qt::WA_OpaquePaintEvent);
  }

  std::vector<Item*> windowless;  // back to front
  std::vector<Item*> widgets;     // back to front
  bool paintOrderDirty = true;
  bool stackDirty = true;

 protected:
  void paintEvent(QPaintEvent* event) override {
    QPainter painter(this);
    const QRegion& dirty = event->region();
    const QColor back = qcolor(panel_.backColor);
    for (const QRect& r : dirty) painter.fillRect(r, back);
    if (panel_.picture != Picture::None)
      painter.drawPixmap(QPoint(0, 0), renderPicture(panel_.picture, pictureSize(panel_.picture),
                                                     devicePixelRatioF()));
    // Only what touches the dirty parts: a match frame dirties a few small
    // patches scattered over the whole pitch.
    for (const Item* item : windowless)
      if (item->element.visible && dirty.intersects(item->bounds)) paintWindowless(painter, *item);
    if (panel_.border) paintSunkenFrame(painter, rect());
  }

 private:
  Panel& panel_;
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

}  // namespace

// ---- The view ------------------------------------------------------------------------

struct View::Impl {
  explicit Impl(Form1& f);
  void sync();
  void syncItem(Item& item);
  void syncWidget(Item& item, bool moved, bool restyled, bool first);
  void syncWindowless(Item& item, const Place& before, bool restyled, bool first);
  void applyTabOrder();

  Form1& form;
  std::vector<std::unique_ptr<Item>> items;  // the window's own panel first
  std::vector<PanelWidget*> panels;
  bool tabOrderDirty = true;
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
  std::unordered_map<const Panel*, PanelWidget*> widgetOf;
  auto root = track(form.Form);
  root->widget = window.get();
  items.push_back(std::move(root));
  widgetOf[&form.Form] = window.get();
  panels.push_back(window.get());

  // Containers come before their contents, so each host already exists.
  for (Element* e : form.elements()) {
    auto item = track(*e);
    auto host = widgetOf.find(e->container);
    item->host = host != widgetOf.end() ? host->second : window.get();
    switch (e->kind) {
      case Kind::Panel: {
        auto* panel = new PanelWidget(static_cast<Panel&>(*e), item->host);
        widgetOf[static_cast<Panel*>(e)] = panel;
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
    (item->widget ? item->host->widgets : item->host->windowless).push_back(item.get());
    items.push_back(std::move(item));
  }
  sync();
}

void View::Impl::sync() {
  const qreal ratio = window->devicePixelRatioF();
  seam = ratio != std::floor(ratio);
  for (auto& item : items) syncItem(*item);
  const auto byZorder = [](const Item* a, const Item* b) {
    return a->element.zorder < b->element.zorder;
  };
  for (PanelWidget* panel : panels) {
    if (panel->stackDirty) {
      panel->stackDirty = false;
      std::stable_sort(panel->widgets.begin(), panel->widgets.end(), byZorder);
      for (Item* item : panel->widgets) item->widget->raise();
    }
    if (panel->paintOrderDirty) {
      panel->paintOrderDirty = false;
      std::stable_sort(panel->windowless.begin(), panel->windowless.end(), byZorder);
      panel->update();
    }
  }
  if (tabOrderDirty) applyTabOrder();
}

void View::Impl::syncItem(Item& item) {
  const Element& e = item.element;
  const Place now = placeOf(e);
  const bool first = !item.applied;
  const bool moved = first || !(now == item.place);
  const bool restyled = item.looksChanged() || first;
  if (!moved && !restyled) return;
  const Place before = item.place;
  item.place = now;
  item.applied = true;
  if (item.host && !first && before.zorder != now.zorder)
    (item.widget ? item.host->stackDirty : item.host->paintOrderDirty) = true;
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
      break;
    }
    default:
      break;
  }
}

void View::Impl::syncWindowless(Item& item, const Place& before, bool restyled, bool first) {
  const Element& e = item.element;
  const Place& now = item.place;
  const QRect oldBounds = item.bounds;
  switch (e.kind) {
    case Kind::Label: {
      const auto& label = static_cast<const Label&>(e);
      if (restyled) {
        item.text = labelText(label.caption);
        item.font = fontOf(label.font);
      }
      item.box = labelBox(label, item.text, item.font);
      // Italic glyphs of an autosize label may lean past the measured text.
      const int lean = label.autoSize ? item.font.pixelSize() / 4 + 2 : 0;
      item.bounds = item.box.adjusted(-lean, 0, lean, 0);
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
    default:
      break;
  }
  if (seam) item.bounds.adjust(-1, -1, 1, 1);
  if (!first && before.visible) item.host->update(oldBounds);
  if (e.visible) item.host->update(item.bounds);
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

View::View(Form1& form) : impl_(std::make_unique<Impl>(form)) {}

View::~View() = default;

QWidget* View::window() { return impl_->window.get(); }

void View::sync() { impl_->sync(); }

void installFontSubstitutions() {
  QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
  QFont::insertSubstitution(QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif"));
}
