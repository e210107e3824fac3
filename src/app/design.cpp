#include "app/design.h"

#include "app/form1.h"

namespace {

void applyLook(Element& e, const Look& look) {
  e.visible = !look.hidden;
  e.role = look.role;
  switch (e.kind) {
    case Kind::Panel: {
      auto& p = static_cast<Panel&>(e);
      if (look.back) p.backColor = *look.back;
      p.border = look.frame;
      if (look.toolTip) p.toolTip = look.toolTip;
      if (look.tag) p.tag = look.tag;
      p.paintsPanels = look.paintsPanels;
      break;
    }
    case Kind::Label: {
      auto& l = static_cast<Label&>(e);
      if (look.text) l.caption = look.text;
      if (look.font) l.font = *look.font;
      if (look.fore) l.foreColor = *look.fore;
      if (look.back) {
        l.opaque = true;
        l.backColor = *look.back;
      }
      l.alignment = look.align;
      l.autoSize = look.autoSize;
      l.singleLine = look.singleLine;
      break;
    }
    case Kind::Button: {
      auto& b = static_cast<Button&>(e);
      if (look.text) b.caption = look.text;
      if (look.font) b.font = *look.font;
      if (look.back) {
        b.coloured = true;
        b.backColor = *look.back;
      }
      b.enabled = !look.disabled;
      b.tabIndex = look.tab;
      break;
    }
    case Kind::List: {
      auto& l = static_cast<List&>(e);
      if (look.font) l.font = *look.font;
      l.tabIndex = look.tab;
      break;
    }
    case Kind::Shape: {
      auto& s = static_cast<Shape&>(e);
      if (look.shape) s.shape = *look.shape;
      s.opaque = look.opaque;
      if (look.back) s.fillColor = *look.back;
      if (look.border) s.borderColor = *look.border;
      s.border = !look.noBorder;
      s.borderWidth = look.borderWidth;
      s.borderInside = look.borderInside;
      s.hatch = look.hatch;
      s.hatchColor = look.hatchColor;
      break;
    }
    case Kind::Line: {
      auto& l = static_cast<Line&>(e);
      if (look.fore) l.color = *look.fore;
      l.lineWidth = look.borderWidth;
      break;
    }
    case Kind::Image: {
      auto& i = static_cast<Image&>(e);
      i.picture = look.picture;
      i.stretch = !look.natural;
      break;
    }
  }
}

}  // namespace

void DesignRows::add(std::initializer_list<Row> table) {
  for (const Row& row : table) rows_.push_back(row);
}

void DesignRows::add(const Row& row) { rows_.push_back(row); }

void Form1::loadDesign() {
  Form.name = "Form1";
  Form.width = FormWidth;
  Form.height = FormHeight;

  // The rows, back to front: a later row lies in front of an earlier one in
  // the same container, and a container's row comes before its contents.
  DesignRows rows;
  // clang-format off
  // ---- The three screens: the match behind, the lineups, the builder in front.
  rows.add({
      {Picture1, "Picture1", -1, Form, -30, -30, 10935, 7635, {.back = PitchGreen, .frame = true, .paintsPanels = true, .role = Role::Screen}},
      {Picture6, "Picture6", -1, Form,   0,   0,  5775, 5565, {.back = DarkBlue, .frame = true, .hidden = true, .role = Role::Screen}},
      {Picture2, "Picture2", -1, Form,   0,   0,  7635, 4455, {.back = DarkBlue, .frame = true, .role = Role::Screen}},
  });
  // clang-format on
  builderDesign(rows);
  lineupsDesign(rows);
  matchDesign(rows);
  figuresDesign(rows);
  propsDesign(rows);

  for (const Row& row : rows.all()) {
    Element& e = row.element;
    e.name = row.name;
    e.index = row.index;
    e.left = row.left;
    e.top = row.top;
    e.width = row.width;
    e.height = row.height;
    if (e.kind == Kind::Line) {
      auto& line = static_cast<Line&>(e);
      line.x1 = row.left, line.y1 = row.top, line.x2 = row.width, line.y2 = row.height;
      line.left = line.top = line.width = line.height = 0;
    }
    applyLook(e, row.look);
    adopt(e, row.container);
  }

  Timer1 = Timer{30, true, ""};
  Timer2 = Timer{1, false, "1"};
  Timer3 = Timer{1000, false, ""};
}
