#include <QComboBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <algorithm>
#include <cmath>

#include "qt/accessibility.h"
#include "qt/painting.h"
#include "qt/view_impl.h"

// Bringing the widget tree up to date with the element structs: the
// widgets' places and looks, the patches to repaint, the stacking order.

namespace {

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

void sortByZorder(std::vector<Item*>& items) {
  std::stable_sort(items.begin(), items.end(), [](const Item* a, const Item* b) {
    return a->element.zorder < b->element.zorder;
  });
}

}  // namespace

void View::Impl::sync() {
  const qreal ratio = window->devicePixelRatioF();
  seam = ratio != std::floor(ratio);
  for (auto& item : items)
    if (!insideHidden(item->element)) syncItem(*item);
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
  if (tabOrderDirty) {
    tabOrderDirty = false;
    applyTabOrder(widgets);
  }
  if (namesDirty) {
    namesDirty = false;
    applyAccessibleNames(program, widgets);
  }
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
