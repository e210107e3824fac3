#include "app/design.h"

#include "app/form1.h"

namespace {

void applyLook(Element& e, const Look& look) {
  e.visible = !look.hidden;
  switch (e.kind) {
    case Kind::Panel: {
      auto& p = static_cast<Panel&>(e);
      if (look.back) p.backColor = *look.back;
      p.border = look.frame;
      if (look.toolTip) p.toolTip = look.toolTip;
      if (look.tag) p.tag = look.tag;
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

void Form1::loadDesign() {
  Form.name = "Form1";
  Form.width = 10365;
  Form.height = 7590;

  // Back to front: a later row lies in front of an earlier one.
  const Row rows[] = {
      // The three screens: the match behind, the lineups, the builder in front.
      {Picture1, "Picture1", -1, Form, -30, -30, 10935, 7635, {.back = PitchGreen, .frame = true}},
      {Picture6, "Picture6", -1, Form, 0, 0, 5775, 5565,
       {.back = DarkBlue, .frame = true, .hidden = true}},
      {Picture2, "Picture2", -1, Form, 0, 0, 7635, 4455, {.back = DarkBlue, .frame = true}},

      {Command3, "Command3", -1, Picture2, 930, 3330, 1785, 705,
       {.text = "&Exit", .font = arial(27.75f, BoldItalic), .back = LightBlue, .tab = 9}},
      {Command2, "Command2", -1, Picture2, 2760, 3330, 1785, 705,
       {.text = "&Go", .font = arial(27.75f, BoldItalic), .back = LightBlue, .tab = 8}},

      {Command5, "Command5", -1, Picture6, 2490, 2850, 945, 675,
       {.text = "&Go", .font = arial(26.25f, BoldItalic), .back = LightBlue}},

      {Announcer, "Announcer", -1, Picture1, 1530, 6570, 6525, 285,
       {.text = "Announcer", .font = arial(9.75f, Bold), .fore = WindowText, .align = Align::Center}},
      {cmdExit, "cmdExit", -1, Picture1, 240, 7020, 705, 375,
       {.text = "&Exit", .font = arial(12, Bold), .back = LightBlue, .disabled = true}},
  };
  for (const Row& row : rows) {
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
