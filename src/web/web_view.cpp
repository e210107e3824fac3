#include "web/web_view.h"

#include <algorithm>
#include <string>
#include <unordered_map>

#include "app/form1.h"
#include "web/page.h"

namespace {

// Panels, buttons and lists lie in front of the labels, shapes, lines and
// images of their container, whatever their own stacking.
constexpr int WindowedInFront = 1 << 24;

bool windowed(Kind kind) {
  return kind == Kind::Panel || kind == Kind::Button || kind == Kind::List;
}

const char* fileOf(Picture p) {
  const char* file = pictureFile(p).file;
  return file ? file : "";
}

}  // namespace

WebView::WebView(Form1& form) : form_(form) {
  std::unordered_map<const Element*, int> ids;
  seen_.push_back(Sighting::of(form.Form));
  ids[&form.Form] = 0;
  web_create(0, static_cast<int>(Kind::Panel), -1, form.Form.name.c_str(), -1);
  // Containers come before their contents, so each container already exists.
  for (Element* e : form.elements()) {
    if (e == &form.Form) continue;
    const int id = static_cast<int>(seen_.size());
    ids[e] = id;
    seen_.push_back(Sighting::of(*e));
    const auto container = ids.find(e->container);
    web_create(id, static_cast<int>(e->kind), container != ids.end() ? container->second : 0,
               e->name.c_str(), e->index);
  }
  sync();
}

Element* WebView::elementOf(int id) const {
  if (id < 0 || id >= static_cast<int>(seen_.size())) return nullptr;
  return &seen_[static_cast<std::size_t>(id)]->element;
}

void WebView::sync() {
  for (std::size_t id = 0; id < seen_.size(); ++id) {
    const Change change = seen_[id]->look();
    if (change) apply(*seen_[id], change, static_cast<int>(id));
  }
  if (namesDirty_) applyNames();
}

void WebView::apply(const Sighting& seen, const Change& change, int id) {
  const Element& e = seen.element;
  if (change.moved) {
    const Place& p = seen.place();
    web_place(id, toPixels(p.left), toPixels(p.top), std::max(0, toPixels(p.width)),
              std::max(0, toPixels(p.height)), p.visible,
              p.zorder + (windowed(e.kind) ? WindowedInFront : 0));
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
    case Kind::Shape: {
      const auto& s = static_cast<const Shape&>(e);
      web_shape(id, static_cast<int>(s.shape), s.opaque, s.fillColor.rgb, static_cast<int>(s.hatch),
                s.hatchColor.rgb, s.border ? std::max(1, s.borderWidth) : 0, s.borderColor.rgb);
      break;
    }
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
    const std::string name = form_.spokenName(seen_[id]->element);
    if (!name.empty()) web_name(static_cast<int>(id), name.c_str());
  }
}
