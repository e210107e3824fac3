#include "qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#include <vector>

#include "app/form1.h"
#include "qt/painting.h"

namespace {

// An element the match screen paints itself, as assistive technology sees
// it: the commentary line as static text, a figure as a picture named after
// its player. Made once per element and kept for as long as the screen's own
// interface.
class PaintedAccessible final : public QAccessibleInterface {
 public:
  PaintedAccessible(QAccessibleInterface& screen, QWidget& widget, const Element& element)
      : screen_(screen), widget_(widget), element_(element) {}

  bool isValid() const override { return screen_.isValid(); }
  QObject* object() const override { return nullptr; }
  QWindow* window() const override { return screen_.window(); }
  QAccessibleInterface* parent() const override { return &screen_; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int childCount() const override { return 0; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }
  QAccessibleInterface* childAt(int, int) const override { return nullptr; }
  void setText(QAccessible::Text, const QString&) override {}

  QString text(QAccessible::Text t) const override {
    if (t != QAccessible::Name) return {};
    if (element_.kind == Kind::Label) return labelText(static_cast<const Label&>(element_).caption);
    return QString::fromStdString(static_cast<const Panel&>(element_).toolTip);
  }
  QAccessible::Role role() const override {
    return element_.kind == Kind::Label ? QAccessible::StaticText : QAccessible::Graphic;
  }
  QAccessible::State state() const override {
    QAccessible::State state;
    state.invisible = !element_.visible || !widget_.isVisible();
    state.readOnly = true;
    return state;
  }
  QRect rect() const override {
    const QRect box = boxOf(element_);
    return {widget_.mapToGlobal(box.topLeft()), box.size()};
  }

 private:
  QAccessibleInterface& screen_;
  QWidget& widget_;
  const Element& element_;
};

// The match screen: its widgets as usual, then the commentary line, then the
// figures now on the pitch.
class MatchScreenAccessible final : public QAccessibleWidget {
 public:
  MatchScreenAccessible(QWidget* screen, Form1& form)
      : QAccessibleWidget(screen, QAccessible::Pane), form_(form) {}
  ~MatchScreenAccessible() override {
    for (QAccessible::Id id : ids_) QAccessible::deleteAccessibleInterface(id);
  }

  int childCount() const override {
    return QAccessibleWidget::childCount() + static_cast<int>(painted().size());
  }
  QAccessibleInterface* child(int index) const override {
    const int widgets = QAccessibleWidget::childCount();
    if (index < widgets) return QAccessibleWidget::child(index);
    const auto shown = painted();
    if (index - widgets >= static_cast<int>(shown.size())) return nullptr;
    return interfaceOf(*shown[index - widgets]);
  }
  int indexOfChild(const QAccessibleInterface* child) const override {
    const auto shown = painted();
    for (std::size_t i = 0; i < shown.size(); ++i)
      if (ids_.contains(shown[i]) && QAccessible::accessibleInterface(ids_[shown[i]]) == child)
        return QAccessibleWidget::childCount() + static_cast<int>(i);
    return QAccessibleWidget::indexOfChild(child);
  }

  QAccessibleInterface* commentary() const { return interfaceOf(form_.Announcer); }

 private:
  // The commentary line, then every figure on the pitch that has a name.
  std::vector<const Element*> painted() const {
    std::vector<const Element*> shown = {&form_.Announcer};
    for (const Figure& figure : form_.player)
      if (figure.visible && !figure.name().empty()) shown.push_back(&figure);
    return shown;
  }
  QAccessibleInterface* interfaceOf(const Element& element) const {
    if (!ids_.contains(&element))
      ids_.insert(&element, QAccessible::registerAccessibleInterface(new PaintedAccessible(
                                const_cast<MatchScreenAccessible&>(*this), *widget(), element)));
    return QAccessible::accessibleInterface(ids_[&element]);
  }

  Form1& form_;
  mutable QHash<const Element*, QAccessible::Id> ids_;
};

// The match screens shown, with their forms, for the factory below.
QHash<QObject*, Form1*>& matchScreens() {
  static QHash<QObject*, Form1*> screens;
  return screens;
}

QAccessibleInterface* matchScreenFactory(const QString&, QObject* object) {
  Form1* form = matchScreens().value(object);
  return form ? new MatchScreenAccessible(static_cast<QWidget*>(object), *form) : nullptr;
}

}  // namespace

QString accessibleNameOf(const Form1& form, const Element& element) {
  return QString::fromStdString(form.spokenName(element));
}

void exposeMatchScreen(QWidget& screen, Form1& form) {
  static const bool installed = [] {
    QAccessible::installFactory(matchScreenFactory);
    return true;
  }();
  (void)installed;
  matchScreens().insert(&screen, &form);
  // The widget may already have been given a plain interface, when something
  // listened as it was made: that one makes way.
  QAccessibleInterface* made = QAccessible::queryAccessibleInterface(&screen);
  if (made && !dynamic_cast<MatchScreenAccessible*>(made))
    QAccessible::deleteAccessibleInterface(QAccessible::uniqueId(made));
  QObject::connect(&screen, &QObject::destroyed,
                   [](QObject* gone) { matchScreens().remove(gone); });
}

void commentaryChanged(QWidget& screen) {
  // Nothing listens: no interface is made and no event is sent.
  if (!QAccessible::isActive()) return;
  auto* matchScreen =
      dynamic_cast<MatchScreenAccessible*>(QAccessible::queryAccessibleInterface(&screen));
  if (!matchScreen) return;
  QAccessibleEvent event(matchScreen->commentary(), QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}
