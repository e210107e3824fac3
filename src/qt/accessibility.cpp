#include "qt/accessibility.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QHash>
#include <QWidget>
#include <algorithm>
#include <vector>

#include "platform/program.h"
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
  MatchScreenAccessible(QWidget* screen, const Program& program)
      : QAccessibleWidget(screen, QAccessible::Pane),
        commentary_(*elementIn(program, Role::Commentary)) {
    for (const Element* e : program.elements())
      if (e->role == Role::Figure) figures_.push_back(static_cast<const Panel*>(e));
  }
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

  QAccessibleInterface* commentary() const { return interfaceOf(commentary_); }

 private:
  // The commentary line, then every figure on the pitch that has a name.
  std::vector<const Element*> painted() const {
    std::vector<const Element*> shown = {&commentary_};
    for (const Panel* figure : figures_)
      if (figure->visible && !figure->toolTip.empty()) shown.push_back(figure);
    return shown;
  }
  QAccessibleInterface* interfaceOf(const Element& element) const {
    if (!ids_.contains(&element))
      ids_.insert(&element, QAccessible::registerAccessibleInterface(new PaintedAccessible(
                                const_cast<MatchScreenAccessible&>(*this), *widget(), element)));
    return QAccessible::accessibleInterface(ids_[&element]);
  }

  const Element& commentary_;
  std::vector<const Panel*> figures_;
  mutable QHash<const Element*, QAccessible::Id> ids_;
};

// The match screens shown, with their programs, for the factory below.
QHash<QObject*, const Program*>& matchScreens() {
  static QHash<QObject*, const Program*> screens;
  return screens;
}

QAccessibleInterface* matchScreenFactory(const QString&, QObject* object) {
  const Program* program = matchScreens().value(object);
  return program ? new MatchScreenAccessible(static_cast<QWidget*>(object), *program) : nullptr;
}

}  // namespace

void applyAccessibleNames(const Program& program, const Widgets& widgets) {
  for (const auto& [element, widget] : widgets) {
    const QString name = QString::fromStdString(program.spokenName(*element));
    if (name.isEmpty() || widget->accessibleName() == name) continue;
    widget->setAccessibleName(name);
    // On Linux a list's name is its chosen entry: what it concerns goes in
    // its description.
    if (element->kind == Kind::List) widget->setAccessibleDescription(name);
  }
}

void applyTabOrder(const Widgets& widgets) {
  std::vector<std::pair<int, QWidget*>> order;
  for (const auto& [e, widget] : widgets) {
    int tab = -1;
    if (e->kind == Kind::Button) tab = static_cast<const Button&>(*e).tabIndex;
    if (e->kind == Kind::List) tab = static_cast<const List&>(*e).tabIndex;
    if (tab >= 0) order.emplace_back(tab, widget);
  }
  std::stable_sort(order.begin(), order.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i)
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
}

void exposeMatchScreen(QWidget& screen, const Program& program) {
  static const bool installed = [] {
    QAccessible::installFactory(matchScreenFactory);
    return true;
  }();
  (void)installed;
  matchScreens().insert(&screen, &program);
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
