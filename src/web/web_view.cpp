#include "web/web_view.h"

#include <algorithm>
#include <cstddef>
#include <string>
#include <unordered_map>

#include "app/shape_drawing.h"
#include "platform/program.h"
#include "web/page.h"

namespace {

// Panels, buttons and lists lie in front of the labels, shapes, lines and
// images of their container, whatever their own stacking.
constexpr int WindowedInFront = 1 << 24;

bool windowed(Kind kind) {
  return kind == Kind::Panel || kind == Kind::Button || kind == Kind::List;
}

// The names the page knows kinds, roles, outlines and hatches by.
constexpr const char* KindNames[] = {"panel", "label", "button", "list", "shape", "line", "image"};
constexpr const char* RoleNames[] = {"",      "commentary", "screen",  "figure", "team",
                                     "score", "clock",      "balloon", "speaker"};
constexpr const char* OutlineNames[] = {"box", "rounded", "ellipse"};
constexpr const char* HatchNames[] = {"", "cross", "lines"};

template <class Enum, std::size_t N>
const char* nameOf(Enum value, const char* const (&names)[N]) {
  return names[static_cast<std::size_t>(value)];
}

void create(int id, const Element& e, int container) {
  web_create(id, nameOf(e.kind, KindNames), nameOf(e.role, RoleNames), container, e.name.c_str(),
             e.index);
}

// A shape as the core has decided to draw it; the page draws it where it says.
void draw(int id, const Shape& shape) {
  const ShapeDrawing d = drawingOf(shape);
  web_shape(id, d.area.left, d.area.top, d.area.width, d.area.height,
            nameOf(d.outline, OutlineNames), d.cornerRadius, d.insideCornerRadius, d.border,
            d.borderColor.rgb, d.filled, d.fill.rgb, nameOf(d.hatch, HatchNames), d.hatchColor.rgb,
            d.hatchLeft, d.hatchTop);
}

const char* fileOf(Picture p) {
  const char* file = pictureFile(p).file;
  return file ? file : "";
}

}  // namespace

WebView::WebView(Program& program) : program_(program) {
  std::unordered_map<const Element*, int> ids;
  // Containers come before their contents; the window's own panel, first,
  // has none.
  for (Element* e : program.elements()) {
    const int id = static_cast<int>(seen_.size());
    ids[e] = id;
    seen_.push_back(Sighting::of(*e));
    const auto container = ids.find(e->container);
    containers_.push_back(container != ids.end() ? container->second : -1);
  }
}

Element* WebView::elementOf(int id) const {
  if (id < 0 || id >= static_cast<int>(seen_.size())) return nullptr;
  return &seen_[static_cast<std::size_t>(id)]->element;
}

void WebView::sync() {
  if (!shown_) return build();
  for (std::size_t id = 0; id < seen_.size(); ++id) {
    // What lies in a hidden container waits until it shows (the build made
    // every element whole, hidden or not).
    if (insideHidden(seen_[id]->element)) continue;
    const Change change = seen_[id]->look();
    if (change) apply(*seen_[id], change, static_cast<int>(id));
  }
  if (namesDirty_) applyNames();
}

// The page's window is built once, as the program first draws it: each
// element created with its state of now, containers before their contents.
// The page hides the window until it stands whole and takes back control
// between pieces of the work, so that it stays responsive while it builds.
void WebView::build() {
  for (std::size_t id = 0; id < seen_.size(); ++id) {
    const int at = static_cast<int>(id);
    create(at, seen_[id]->element, containers_[id]);
    apply(*seen_[id], seen_[id]->look(), at);
    web_pause();
  }
  applyNames();
  shown_ = true;
  web_shown();
}

void WebView::apply(const Sighting& seen, const Change& change, int id) {
  const Element& e = seen.element;
  if (change.moved) {
    const Place& p = seen.place();
    web_place(id, toPixels(p.left), toPixels(p.top), std::max(0, toPixels(p.width)),
              std::max(0, toPixels(p.height)), p.visible,
              p.zorder + (windowed(e.kind) ? WindowedInFront : 0));
  }
  if (e.kind == Kind::Shape) {
    // Its drawing follows its box as well as its looks: a circle is centred in it.
    draw(id, static_cast<const Shape&>(e));
    return;
  }
  if (!change.restyled) return;
  switch (e.kind) {
    case Kind::Panel: {
      const auto& panel = static_cast<const Panel&>(e);
      const PictureFile picture = pictureFile(panel.picture);
      web_panel(id, panel.backColor.rgb, panel.border, panel.toolTip.c_str(), fileOf(panel.picture),
                picture.width, picture.height);
      break;
    }
    case Kind::Label: {
      const auto& l = static_cast<const Label&>(e);
      web_label(id, l.caption.c_str(), l.font.face == Face::TimesNewRoman, pixelSize(l.font),
                l.font.bold, l.font.italic, l.foreColor.rgb, l.opaque, l.backColor.rgb,
                static_cast<int>(l.alignment), l.autoSize, l.singleLine);
      break;
    }
    case Kind::Button: {
      const auto& b = static_cast<const Button&>(e);
      web_button(id, b.caption.c_str(), b.font.face == Face::TimesNewRoman, pixelSize(b.font),
                 b.font.bold, b.font.italic, b.coloured, b.backColor.rgb, b.enabled, b.tabIndex);
      break;
    }
    case Kind::List: {
      const auto& l = static_cast<const List&>(e);
      std::string entries;
      for (const std::string& entry : l.entries) entries += entry + '\n';
      web_list(id, entries.c_str(), l.listIndex, l.font.face == Face::TimesNewRoman,
               pixelSize(l.font), l.font.bold, l.font.italic, l.tabIndex);
      namesDirty_ = true;
      break;
    }
    case Kind::Shape:
      break;
    case Kind::Line: {
      const auto& l = static_cast<const Line&>(e);
      web_line(id, toPixels(l.x1), toPixels(l.y1), toPixels(l.x2), toPixels(l.y2), l.color.rgb,
               std::max(1, l.lineWidth));
      break;
    }
    case Kind::Image: {
      const auto& i = static_cast<const Image&>(e);
      const PictureFile picture = pictureFile(i.picture);
      web_image(id, fileOf(i.picture), picture.width, picture.height, i.stretch);
      break;
    }
  }
}

void WebView::applyNames() {
  namesDirty_ = false;
  for (std::size_t id = 0; id < seen_.size(); ++id) {
    const std::string name = program_.spokenName(seen_[id]->element);
    if (!name.empty()) web_name(static_cast<int>(id), name.c_str());
  }
}
