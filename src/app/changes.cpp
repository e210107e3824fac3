#include "app/changes.h"

#include <tuple>
#include <type_traits>

namespace {

// Everything else about an element that shows on screen, per kind.
auto looksOf(const Panel& p) { return std::tie(p.backColor, p.border, p.toolTip, p.picture); }
auto looksOf(const Label& l) {
  return std::tie(l.caption, l.font, l.foreColor, l.opaque, l.backColor, l.alignment, l.autoSize,
                  l.singleLine);
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

template <typename T>
class Tracked final : public Sighting {
 public:
  explicit Tracked(T& e) : Sighting(e), typed_(e), looks_(copyOf(looksOf(e))) {}

 protected:
  bool looksChanged() override {
    if (looks_ == looksOf(typed_)) return false;
    looks_ = copyOf(looksOf(typed_));
    return true;
  }

 private:
  const T& typed_;
  decltype(copyOf(looksOf(std::declval<T&>()))) looks_;
};

}  // namespace

Place placeOf(const Element& e) { return {e.left, e.top, e.width, e.height, e.visible, e.zorder}; }

bool insideHidden(const Element& element) {
  for (const Panel* c = element.container; c; c = c->container)
    if (!c->visible) return true;
  return false;
}

std::unique_ptr<Sighting> Sighting::of(Element& e) {
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

namespace {

// Where the element is and whether it shows, compared where it lies: most
// elements change nothing between two looks, and then nothing is copied.
bool samePlace(const Element& e, const Place& p) {
  return e.left == p.left && e.top == p.top && e.width == p.width && e.height == p.height &&
         e.visible == p.visible && e.zorder == p.zorder;
}

}  // namespace

Change Sighting::look() {
  const bool first = !seen_;
  const bool moved = first || !samePlace(element, place_);
  // Asked on every look, so that the looks remembered stay the latest.
  const bool restyled = looksChanged() || first;
  if (!moved && !restyled) return {};
  Change change;
  change.first = first;
  change.moved = moved;
  change.restyled = restyled;
  change.before = place_;
  const Place now = placeOf(element);
  change.restacked = !first && place_.zorder != now.zorder;
  place_ = now;
  seen_ = true;
  return change;
}
