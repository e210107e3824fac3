#include "qt/view.h"

#include <QComboBox>
#include <QPushButton>
#include <unordered_map>
#include <unordered_set>

#include "platform/program.h"
#include "qt/accessibility.h"
#include "qt/view_impl.h"

namespace {

// The panels inside a panel that paints its panels (the match screen) and
// that hold no button or list are painted by it, like its windowless
// elements, and so are the panels inside them. The figures and the props
// move every step: a widget each would cost far more than drawing them.
std::unordered_set<const Element*> paintedPanels(const Program& program) {
  std::unordered_set<const Element*> holdWidgets, painted;
  for (const Element* e : program.elements())
    if (e->kind == Kind::Button || e->kind == Kind::List)
      for (const Panel* c = e->container; c; c = c->container) holdWidgets.insert(c);
  for (const Element* e : program.elements())  // containers come before their contents
    if (e->kind == Kind::Panel && e->container && !holdWidgets.count(e) &&
        (e->container->paintsPanels || painted.count(e->container)))
      painted.insert(e);
  return painted;
}

}  // namespace

// The widget tree: one widget per panel, button and list, but for the
// panels painted whole; every element hosted by the nearest container with
// a widget, or drawn into the painted panel it lies in.
View::Impl::Impl(Program& p) : program(p), window(std::make_unique<WindowWidget>(p)) {
  std::unordered_map<const Element*, PanelWidget*> widgetOf;
  std::unordered_map<const Element*, Item*> paintedBy;
  const auto painted = paintedPanels(program);
  const std::vector<Element*>& elements = program.elements();
  auto root = std::make_unique<Item>(*elements.front());
  root->widget = window.get();
  widgetOf[&root->element] = window.get();
  widgets.emplace_back(&root->element, window.get());
  panels.push_back(window.get());
  items.push_back(std::move(root));

  // Containers come before their contents, so each host already exists.
  for (auto e = elements.begin() + 1; e != elements.end(); ++e) {
    Element& element = **e;
    auto item = std::make_unique<Item>(element);
    if (auto owner = paintedBy.find(element.container); owner != paintedBy.end()) {
      item->owner = owner->second;
      item->host = owner->second->host;
    } else {
      auto host = widgetOf.find(element.container);
      item->host = host != widgetOf.end() ? host->second : window.get();
    }
    switch (element.kind) {
      case Kind::Panel: {
        if (painted.count(&element)) {
          paintedBy[&element] = item.get();
          break;
        }
        auto* panel = new PanelWidget(static_cast<Panel&>(element), item->host);
        widgetOf[&element] = panel;
        panels.push_back(panel);
        item->widget = panel;
        break;
      }
      case Kind::Button: {
        auto* button = new QPushButton(item->host);
        QObject::connect(button, &QPushButton::clicked, [this, &element] {
          program.click(element);
          sync();
        });
        item->widget = button;
        break;
      }
      case Kind::List: {
        auto* list = new QComboBox(item->host);
        list->setEditable(false);
        QObject::connect(list, &QComboBox::activated, [this, &element](int entry) {
          program.choose(element, entry);
          sync();
        });
        item->widget = list;
        break;
      }
      default:
        break;
    }
    const bool panel = element.kind == Kind::Panel;
    if (item->widget) {
      item->host->widgets.push_back(item.get());
      widgets.emplace_back(&element, item->widget);
    } else if (item->owner) {
      (panel ? item->owner->panels : item->owner->contents).push_back(item.get());
    } else {
      (panel ? item->host->painted : item->host->windowless).push_back(item.get());
    }
    items.push_back(std::move(item));
  }
  if (const Element* line = elementIn(program, Role::Commentary))
    exposeMatchScreen(*widgetOf.at(line->container), program);
  sync();
}

View::View(Program& program) : impl_(std::make_unique<Impl>(program)) {}

View::~View() = default;

QWidget* View::window() { return impl_->window.get(); }

QWidget* View::widgetOf(const Element& element) {
  for (const auto& [e, widget] : impl_->widgets)
    if (e == &element) return widget;
  return nullptr;
}

void View::sync() { impl_->sync(); }
