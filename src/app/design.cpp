#include "app/design.h"

#include <array>
#include <initializer_list>
#include <vector>

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

constexpr ShapeKind Rect = ShapeKind::Rectangle;
constexpr ShapeKind Rounded = ShapeKind::RoundedRectangle;
constexpr ShapeKind Oval = ShapeKind::Oval;
constexpr ShapeKind Circle = ShapeKind::Circle;

// ---- The figures -----------------------------------------------------------

// What one body wears: hair, skin and shoes, and the kit.
struct Kit {
  Color hair, skin, shirt, shoulders, shorts, socks, shoes;
};

// One part of the standing figure, in a figure box of 315 x 585 twips.
struct FigurePart {
  std::array<Shape, 24> Form1::*array;
  const char* name;
  ShapeKind shape;
  float left, top, width, height;
  Color Kit::*colour;
  Hatch hatch;
};

constexpr float TemplateWidth = 315, TemplateHeight = 585;

// The standing figure, back to front. The parts overlap so that the whole
// body fits in 585: the hair peeks out above and beside the head, the
// shoulders cover the neck, the arms hang beside the shirt, the shorts cover
// the shirt's hem and the tops of the legs, the shoes the ends of the socks.
// clang-format off
const FigurePart FigureTemplate[] = {
    // array               name            shape    left   top  width height colour           hatch
    {&Form1::shpHair,      "shpHair",      Oval,      75,    0,  165,  120, &Kit::hair,      Hatch::None},
    {&Form1::shpHead,      "shpHead",      Oval,     105,   15,  105,  195, &Kit::skin,      Hatch::None},
    {&Form1::shpArms,      "shpArms",      Rect,       0,  195,  315,  210, &Kit::skin,      Hatch::None},
    {&Form1::shpShirt,     "shpShirt",     Rect,      60,  195,  195,  255, &Kit::shirt,     Hatch::VerticalLines},
    {&Form1::shpLegs,      "shpLegs",      Rect,      75,  435,  165,  120, &Kit::skin,      Hatch::None},
    {&Form1::shpSocks,     "shpSocks",     Rect,      75,  495,  165,   60, &Kit::socks,     Hatch::None},
    {&Form1::Shape10,      "Shape10",      Rect,      45,  540,  225,   45, &Kit::shoes,     Hatch::None},
    {&Form1::shpShorts,    "shpShorts",    Rect,      60,  345,  195,  105, &Kit::shorts,    Hatch::None},
    {&Form1::shpShoulders, "shpShoulders", Rounded,    0,  165,  315,   75, &Kit::shoulders, Hatch::VerticalLines},
};
// clang-format on

// The line between the legs: from the middle of the shorts to the ground,
// in front of every other part.
constexpr float LegLineX = 157.5f, LegLineTop = 405, LegLineBottom = 585;

struct Box {
  float left, top, width, height;
};

// The 22 players at their kick-off places on the pitch.
// clang-format off
constexpr Box KickOffPlaces[22] = {
    {8850, 5340, 315, 615}, { 930, 2220, 315, 585}, {1590, 5160, 315, 645}, {2340, 3540, 315, 585},
    {3720, 2220, 345, 645}, {4320, 5400, 315, 615}, {4920, 3090, 345, 585}, {6120, 5160, 315, 645},
    {7680, 1980, 315, 585}, {3600, 4830, 315, 615}, {3270, 5400, 345, 645}, {4200, 2490, 315, 555},
    {6750, 2790, 375, 705}, {3000, 2430, 315, 585}, {6390, 3930, 285, 585}, {6960, 4530, 315, 585},
    {5550, 2310, 315, 585}, {8820, 2280, 315, 615}, {2730, 5160, 315, 645}, {3660, 3120, 405, 765},
    { 540, 3690, 315, 615}, {9150, 3660, 285, 645},
};
// clang-format on

// The goal markers (22, 23) and the lying figures (24, 25).
constexpr Box Extras[4] = {
    {210, 3810, 315, 285}, {9900, 4050, 315, 285}, {120, 2340, 675, 345}, {60, 2760, 675, 345}};

// Natural hair colours, handed out to the 24 bodies in an irregular pattern.
constexpr Color HairColours[] = {
    rgb(0x000000),  // black
    rgb(0x3c2414),  // dark brown
    rgb(0x6e4423),  // brown
    rgb(0x8c3a1c),  // auburn
    rgb(0xe8c860),  // blond
    rgb(0xd8662a),  // ginger
    rgb(0xa8a8a8),  // grey
};
constexpr int HairOf[24] = {1, 4, 0, 2, 5, 1, 3, 0, 6, 2, 1, 4, 0, 3, 2, 1, 5, 0, 2, 4, 1, 0, 3, 2};

constexpr Color Shoes = DarkGrey;

// The field players wear a plain kit until kick-off dresses them in their
// flags' colours; the keepers keep their own kits.
Kit kitOf(int body) {
  Color hair = HairColours[HairOf[body]];
  if (body == 20) return {hair, Skin, DarkBlue, Black, Purple, Blue, Shoes};
  if (body == 21) return {hair, Skin, Purple, LightGreen, Purple, Blue, Shoes};
  return {hair, Skin, White, White, Grey, White, Shoes};
}

// The NFL helmets sit over the heads of three players.
struct Helmet {
  int index, wearer;
  float offset;
  Picture picture;
};
constexpr Helmet Helmets[] = {
    {0, 19, -30, Picture::HelmetA}, {4, 4, -60, Picture::HelmetB}, {12, 12, -30, Picture::HelmetA}};

// ---- The judges' panel -------------------------------------------------------

constexpr Picture JudgesFlags[7] = {Picture::FlagSweden,     Picture::FlagNetherlands,
                                    Picture::FlagSouthKorea, Picture::FlagSovietUnion,
                                    Picture::FlagIran,       Picture::FlagNigeria,
                                    Picture::FlagColombia};

}  // namespace

void Form1::loadDesign() {
  Form.name = "Form1";
  Form.width = FormWidth;
  Form.height = FormHeight;

  // The rows, back to front: a later row lies in front of an earlier one in
  // the same container, and a container's row comes before its contents.
  std::vector<Row> rows;
  auto add = [&rows](std::initializer_list<Row> table) {
    for (const Row& row : table) rows.push_back(row);
  };

  const Font title = arial(36, BoldItalic);
  const Font bold975 = arial(9.75f, Bold);

  // clang-format off

  // ---- The three screens: the match behind, the lineups, the builder in front.
  add({
      {Picture1, "Picture1", -1, Form, -30, -30, 10935, 7635, {.back = PitchGreen, .frame = true}},
      {Picture6, "Picture6", -1, Form,   0,   0,  5775, 5565, {.back = DarkBlue, .frame = true, .hidden = true}},
      {Picture2, "Picture2", -1, Form,   0,   0,  7635, 4455, {.back = DarkBlue, .frame = true}},
  });

  // ---- Country builder -----------------------------------------------------
  // The seascape: horizon, islands, palm tree, then the blasts over them.
  add({
      {Line2[0], "Line2", 0, Picture2, 3810, 3540, 7290, 3480, {.fore = Cyan}},
      {Line2[1], "Line2", 1, Picture2, 4590, 3660, 6420, 3630, {.fore = Cyan}},
      {Shape5,   "Shape5", -1, Picture2, 6330, 3540, 2895, 1275, {.back = BrightGreen, .shape = Oval, .opaque = true}},
      {Shape4,   "Shape4", -1, Picture2, 4800, 3900, 2895, 1275, {.back = BrightGreen, .shape = Oval, .opaque = true}},
  });
  // The palm tree: a leaning trunk, fronds fanning from its crown at about
  // (6540, 2900), some with drooping tips.
  struct PalmLine { float x1, y1, x2, y2; Color colour; };
  const PalmLine palm[14] = {
      {6720, 3960, 6540, 2910, Brown},        {6780, 3960, 6600, 2910, Brown},
      {6540, 2900, 6060, 3180, BrightGreen},  {6540, 2900, 6180, 2700, BrightGreen},
      {6540, 2900, 6420, 2640, PitchGreen},   {6540, 2900, 6750, 2640, BrightGreen},
      {6570, 2900, 6960, 2760, BrightGreen},  {6570, 2900, 7020, 3090, BrightGreen},
      {6570, 2910, 6900, 3330, BrightGreen},  {6540, 2910, 6210, 3390, BrightGreen},
      {6180, 2700, 6060, 2880, BrightGreen},  {6960, 2760, 7020, 2940, BrightGreen},
      {6060, 3180, 6090, 3360, BrightGreen},  {6900, 3330, 6930, 3510, BrightGreen},
  };
  for (int i = 0; i < 14; ++i) {
    const PalmLine& p = palm[i];
    rows.push_back({Line3[i], "Line3", i, Picture2, p.x1, p.y1, p.x2, p.y2, {.fore = p.colour, .borderWidth = 5}});
  }
  add({
      // The blasts grow: the small yellow one lies in front of the pink and red.
      {Explosion[0], "Explosion", 0, Picture2, 2190, 1140, 6555, 4425, {.back = Red,    .shape = Oval, .opaque = true, .noBorder = true, .hidden = true}},
      {Explosion[1], "Explosion", 1, Picture2, 3390, 1980, 5325, 3435, {.back = Pink,   .shape = Oval, .opaque = true, .noBorder = true, .hidden = true}},
      {Explosion[2], "Explosion", 2, Picture2, 6120, 3600,  495,  405, {.back = Yellow, .shape = Oval, .opaque = true, .noBorder = true, .hidden = true}},

      // The title, white over its dark-red shadow.
      {Label1[2], "Label1", 2, Picture2, 510, 990, 0, 0, {.text = "Blunderfest", .font = arial(11.25f, BoldItalic), .fore = White, .autoSize = true}},
      {Label1[1], "Label1", 1, Picture2, 150, 300, 0, 0, {.text = "World Cup '98", .font = title, .fore = DarkRed, .autoSize = true}},
      {Label1[0], "Label1", 0, Picture2, 120, 240, 0, 0, {.text = "World Cup '98", .font = title, .fore = White, .autoSize = true}},

      {Command3, "Command3", -1, Picture2,  930, 3330, 1785, 705, {.text = "&Exit", .font = arial(27.75f, BoldItalic), .back = LightBlue, .tab = 9}},
      {Command2, "Command2", -1, Picture2, 2760, 3330, 1785, 705, {.text = "&Go",   .font = arial(27.75f, BoldItalic), .back = LightBlue, .tab = 8}},

      // The bomb falls from behind the flag.
      {lebomb, "lebomb", -1, Picture2, 5580, 180, 1815, 855, {.back = DarkBlue}},
  });
  add({
      // Tail fins behind the body: a neck, two fins and the tail ring.
      {Shape3[4], "Shape3", 4, lebomb, 1740,  90,   60,  675, {.back = Black, .opaque = true}},
      {Shape3[3], "Shape3", 3, lebomb, 1530, 465,  255,  330, {.back = Black, .shape = Rounded, .opaque = true}},
      {Shape3[2], "Shape3", 2, lebomb, 1530,  90,  255,  330, {.back = Black, .shape = Rounded, .opaque = true}},
      {Shape3[1], "Shape3", 1, lebomb, 1320, 300,  435,  255, {.back = Black, .opaque = true}},
      {Shape3[0], "Shape3", 0, lebomb,   30,  60, 1335,  765, {.back = Black, .shape = Rounded, .opaque = true}},
      {Image1,    "Image1", -1, lebomb,  390, 120,  525,  555, {.picture = Picture::Trefoil}},
      // Stencilled on the body, so it lies in front of it.
      {Label1[3], "Label1", 3, lebomb, 1050, 600, 0, 0, {.text = "ACME", .font = times(8.25f), .fore = Grey, .autoSize = true}},

      {Picture5, "Picture5", -1, Picture2, 5190, 120, 2265, 1095, {.back = DarkBlue, .frame = true}},
      {Shape2[2], "Shape2", 2, Picture5,    0, 0, 765, 1095, {.back = Crimson,   .opaque = true, .noBorder = true}},
      {Shape2[0], "Shape2", 0, Picture5,  750, 0, 765, 1095, {.back = White,     .opaque = true, .noBorder = true}},
      {Shape2[1], "Shape2", 1, Picture5, 1500, 0, 765, 1095, {.back = LightBlue, .opaque = true, .noBorder = true}},
  });

  // The two team rows: flag stripes behind the syllable lists and buttons.
  add({
      {Picture3[1], "Picture3", 1, Picture2, 240, 2340, 5235, 855, {.frame = true}},
      {FlagShape[3], "FlagShape", 3, Picture3[1], -120, -30, 1845, 885, {.back = Teal,   .opaque = true, .noBorder = true}},
      {FlagShape[4], "FlagShape", 4, Picture3[1], 1440,   0, 2025, 885, {.back = Red,    .opaque = true, .noBorder = true}},
      {FlagShape[5], "FlagShape", 5, Picture3[1], 3210, -30, 2025, 885, {.back = Yellow, .opaque = true, .noBorder = true}},
      {Combo1[3],   "Combo1",   3, Picture3[1],  210, 240,  945, 360, {.font = bold975, .tab = 4}},
      {Combo1[4],   "Combo1",   4, Picture3[1], 1140, 240, 1005, 360, {.font = bold975, .tab = 5}},
      {Combo1[5],   "Combo1",   5, Picture3[1], 2130, 240, 1245, 360, {.font = bold975, .tab = 6}},
      {Command1[1], "Command1", 1, Picture3[1], 3390, 240, 1035, 345, {.text = "&Random", .font = bold975, .tab = 7}},
      {Command4[1], "Command4", 1, Picture3[1], 4440, 240,  405, 345, {.text = "i.", .font = times(9.75f, Bold), .tab = 11}},

      {Picture3[0], "Picture3", 0, Picture2, 240, 1350, 5235, 855, {.frame = true}},
      {FlagShape[0], "FlagShape", 0, Picture3[0], -300, -30, 2025, 885, {.back = Teal,   .opaque = true, .noBorder = true}},
      {FlagShape[1], "FlagShape", 1, Picture3[0], 1440, -30, 2025, 885, {.back = Red,    .opaque = true, .noBorder = true}},
      {FlagShape[2], "FlagShape", 2, Picture3[0], 3390,   0, 2025, 885, {.back = Yellow, .opaque = true, .noBorder = true}},
      {Combo1[0],   "Combo1",   0, Picture3[0],  180, 180,  975, 360, {.font = bold975, .tab = 3}},
      {Combo1[1],   "Combo1",   1, Picture3[0], 1140, 180, 1035, 360, {.font = bold975, .tab = 2}},
      {Combo1[2],   "Combo1",   2, Picture3[0], 2160, 180, 1215, 360, {.font = bold975, .tab = 1}},
      {Command1[0], "Command1", 0, Picture3[0], 3390, 180, 1035, 345, {.text = "&Random", .font = bold975, .tab = 0}},
      {Command4[0], "Command4", 0, Picture3[0], 4440, 180,  405, 345, {.text = "i.", .font = times(9.75f, Bold), .tab = 10}},

      // The "VS" box straddles the gap between the rows, in front of both.
      {Picture4, "Picture4", -1, Picture2, 2370, 2040, 945, 465, {.back = DarkBlue, .frame = true}},
      {Label2,   "Label2",   -1, Picture4,  210,   30, 645, 405, {.text = "VS", .font = arial(15.75f, BoldItalic), .fore = White}},
  });

  // ---- Lineups ---------------------------------------------------------------
  add({
      {Shape6,    "Shape6", -1, Picture6, -180, -30, 6225, 1305, {.back = Yellow, .opaque = true}},
      {Label1[4], "Label1",  4, Picture6, 1650, 270, 0, 0, {.text = "PLAYBILL", .font = times(24, Bold), .fore = WindowText, .back = Yellow, .autoSize = true}},
      {Picture7[0], "Picture7", 0, Picture6,  120, 210, 1335, 675, {.back = WindowBackground, .frame = true}},
      {Picture7[1], "Picture7", 1, Picture6, 4260, 180, 1335, 675, {.back = WindowBackground, .frame = true}},
  });
  // The small flags: three stripes each, about 495 wide on the lineups and
  // 225 wide on the scoreboard, overlapping so that each shows a third.
  const Color stripes[3] = {Teal, Red, Yellow};
  auto smallFlag = [&](int flag, float stripeWidth, float step, float height) {
    for (int s = 0; s < 3; ++s) {
      int i = flag * 3 + s;
      rows.push_back({smFlag[i], "smFlag", i, Picture7[flag], step * s, 0, stripeWidth, height,
                      {.back = stripes[s], .opaque = true, .noBorder = true}});
    }
  };
  smallFlag(0, 495, 445, 675);
  smallFlag(1, 495, 445, 675);
  add({
      {Label7,  "Label7",  -1, Picture6,  210,  900, 1725,  330, {.text = "the \"athletes\"", .font = times(14.25f, Bold), .fore = Black, .autoSize = true}},
      {Label6,  "Label6",  -1, Picture6, 3720,  900, 1725,  330, {.text = "the \"athletes\"", .font = times(14.25f, Bold), .fore = Black, .align = Align::Right, .autoSize = true}},
      {Label4,  "Label4",  -1, Picture6, 1920, 1350, 2055,  255, {.text = "the \"athletes\"", .font = bold975, .fore = White, .align = Align::Center}},
      {Label3,  "Label3",  -1, Picture6,  270, 1470, 2415, 2865, {.text = "Label3", .font = bold975, .fore = PaleYellow}},
      {Label5,  "Label5",  -1, Picture6, 2880, 1470, 2415, 2745, {.text = "Label3", .font = bold975, .fore = PaleYellow, .align = Align::Right}},
      {Label8,  "Label8",  -1, Picture6, 1830, 4050, 2055,  255, {.text = "keepers goalies", .font = bold975, .fore = White, .align = Align::Center}},
      {Line5,   "Line5",   -1, Picture6, 2130, 4230, 2820, 4170, {.fore = Red, .borderWidth = 2}},
      {Label10, "Label10", -1, Picture6,  300, 4320, 2415,  255, {.text = "Label3", .font = bold975, .fore = PaleYellow}},
      {Label11, "Label11", -1, Picture6, 2820, 4320, 2415,  255, {.text = "Label3", .font = bold975, .fore = PaleYellow, .align = Align::Right}},
      {Label9,  "Label9",  -1, Picture6, 1800, 4620, 2055,  255, {.text = "managers", .font = bold975, .fore = White, .align = Align::Center}},
      {Label12, "Label12", -1, Picture6,  330, 5040, 2415,  255, {.text = "Label3", .font = bold975, .fore = PaleYellow}},
      {Label13, "Label13", -1, Picture6, 2820, 5040, 2415,  255, {.text = "Label3", .font = bold975, .fore = PaleYellow, .align = Align::Right}},
      {Command5, "Command5", -1, Picture6, 2490, 2850, 945, 675, {.text = "&Go", .font = arial(26.25f, BoldItalic), .back = LightBlue}},
  });

  // ---- Match screen ------------------------------------------------------------
  // The stadium and the pitch markings, the crowd back-most. The green
  // patches hide the parts of the penalty arcs inside the penalty areas.
  add({
      {Crowd,  "Crowd",  -1, Picture1,   -60, -240, 10500, 2100, {.picture = Picture::Crowd, .natural = true}},
      {Shape7, "Shape7", -1, Picture1,  -150, 1680, 10695,  285, {.back = DarkGrey, .opaque = true}},
      {Line8[0], "Line8", 0, Picture1,  690, 6210,  855, 6375, {.fore = White}},
      {Line8[1], "Line8", 1, Picture1, 9540, 2130, 9705, 2295, {.fore = White}},
      {Line8[2], "Line8", 2, Picture1,  750, 2280,  930, 2160, {.fore = White}},
      {Line8[3], "Line8", 3, Picture1, 9570, 6330, 9750, 6210, {.fore = White}},
      {shpGoal[0], "shpGoal", 0, Picture1,  210, 3450, 465, 1335, {.border = White, .hatch = Hatch::DiagonalCross, .hatchColor = DarkGrey}},
      {shpGoal[1], "shpGoal", 1, Picture1, 9750, 3510, 465, 1335, {.border = White, .hatch = Hatch::DiagonalCross, .hatchColor = DarkGrey}},
      {Line6,      "Line6",  -1, Picture1, 5010, 2130, 5010, 6360, {.fore = White}},
      {Shape25[3], "Shape25", 3, Picture1, 4140, 2640, 1785, 2985, {.shape = Circle, .border = White}},
      {Shape25[4], "Shape25", 4, Picture1, 1950, 2610,  885, 2985, {.shape = Circle, .border = White}},
      {Shape25[5], "Shape25", 5, Picture1, 7620, 2640,  885, 2985, {.shape = Circle, .border = White}},
      {Shape9[0],  "Shape9",  0, Picture1, 7980, 3270, 1005, 1485, {.back = PitchGreen, .opaque = true, .noBorder = true}},
      {Shape9[1],  "Shape9",  1, Picture1, 1410, 3540, 1005, 1485, {.back = PitchGreen, .opaque = true, .noBorder = true}},
      {Shape25[1], "Shape25", 1, Picture1,  690, 2760, 1785, 2985, {.border = White}},
      {Shape25[2], "Shape25", 2, Picture1, 7950, 2670, 1785, 2985, {.border = White}},
      {GoalieBox[0], "GoalieBox", 0, Picture1,  660, 3420, 525, 1395, {.border = White}},
      {GoalieBox[1], "GoalieBox", 1, Picture1, 9240, 3480, 525, 1395, {.border = White}},
      {field,      "field",  -1, Picture1,  690, 2130, 9045, 4245, {.border = White}},
  });

  // The scoreboard with its small flags, the titles and the credits.
  add({
      {Shape8,     "Shape8",  -1, Picture1, 7440,  270, 2715, 1515, {.back = Grey, .shape = Rounded, .opaque = true, .border = Orange, .borderWidth = 3}},
      {Label17,    "Label17", -1, Picture1, 8220,  570, 0, 0, {.text = "Home",    .font = arial(11.25f, Bold), .fore = White, .autoSize = true}},
      {Label18,    "Label18", -1, Picture1, 8250, 1020, 0, 0, {.text = "Visitor", .font = arial(11.25f, Bold), .fore = White, .autoSize = true}},
      {Label19[0], "Label19",  0, Picture1, 9855,  600, 0, 0, {.text = "0", .font = arial(11.25f, Bold), .fore = White, .align = Align::Right, .autoSize = true}},
      {Label19[1], "Label19",  1, Picture1, 9840,  990, 0, 0, {.text = "0", .font = arial(11.25f, Bold), .fore = White, .align = Align::Right, .autoSize = true}},
      {Label20,    "Label20", -1, Picture1, 8520, 1440, 0, 0, {.text = "00:00", .font = arial(8.25f, Bold), .fore = White, .autoSize = true}},
      {Picture7[2], "Picture7", 2, Picture1, 7590, 510, 555, 375, {.back = WindowBackground, .frame = true}},
      {Picture7[3], "Picture7", 3, Picture1, 7590, 960, 555, 375, {.back = WindowBackground, .frame = true}},
  });
  smallFlag(2, 225, 185, 375);
  smallFlag(3, 225, 185, 375);
  add({
      {Label1[6], "Label1", 6, Picture1,  750, 210, 0, 0, {.text = "World Cup '98", .font = title, .fore = DarkRed, .autoSize = true}},
      {Label1[5], "Label1", 5, Picture1,  660, 150, 0, 0, {.text = "World Cup '98", .font = title, .fore = White, .autoSize = true}},
      {Label1[7], "Label1", 7, Picture1, 1350, 870, 0, 0, {.text = "Blunderfest", .font = arial(11.25f, BoldItalic), .fore = White, .autoSize = true}},
      {Label21[0], "Label21", 0, Picture1, 1860, 6960, 0, 0, {.text = "brought to you by ", .font = arial(9), .fore = White, .autoSize = true}},
      {Label21[1], "Label21", 1, Picture1, 3300, 6930, 0, 0, {.text = "The Grobnik", .font = arial(11.25f, Bold), .fore = Yellow, .autoSize = true}},
      {Label21[2], "Label21", 2, Picture1, 2250, 7230, 0, 0, {.text = "\"mmm... datsa gooda donut\"", .font = arial(9), .fore = White, .autoSize = true}},
      {Image5,     "Image5",  -1, Picture1, 1320, 7110, 480, 480, {.picture = Picture::Sponsor, .natural = true}},
  });

  // The announcer: jacket, shirt and tie below his head, a microphone
  // pointing at him, and the box of his commentary line.
  add({
      {Shape1[0], "Shape1", 0, Picture1, 8790, 6840, 1065, 765, {.back = DarkNavy, .shape = Rounded, .opaque = true}},
      {Shape1[1], "Shape1", 1, Picture1, 9150, 6840,  345, 765, {.back = LightGrey, .opaque = true}},
      {Shape1[2], "Shape1", 2, Picture1, 9270, 6960,  105, 570, {.back = Crimson, .opaque = true}},
      {Shape1[4], "Shape1", 4, Picture1, 9240, 6870,  165, 120, {.back = Crimson, .shape = Oval, .opaque = true}},
      {Line1[0],  "Line1",  0, Picture1, 8250, 6660, 8775, 6735, {.fore = White, .borderWidth = 5}},
      {Line1[1],  "Line1",  1, Picture1, 8250, 6750, 8775, 6735, {.fore = White, .borderWidth = 5}},
      {Picture8,  "Picture8", -1, Picture1, 9000, 6240, 645, 645, {.back = PitchGreen}},
      {Shape1[5], "Shape1", 5, Picture8, 120,  15, 405, 330, {.back = Brown, .shape = Oval, .opaque = true}},
      {Shape1[3], "Shape1", 3, Picture8, 150,  75, 345, 480, {.back = Skin, .shape = Oval, .opaque = true}},
      {Shape1[6], "Shape1", 6, Picture8, 165,  45, 315, 120, {.back = Brown, .shape = Oval, .opaque = true}},
      {Shape1[8], "Shape1", 8, Picture8, 225, 225,  60,  60, {.back = Grey, .shape = Circle, .opaque = true}},
      {Shape1[9], "Shape1", 9, Picture8, 360, 225,  60,  60, {.back = Grey, .shape = Circle, .opaque = true}},
      {Shape1[10], "Shape1", 10, Picture8, 255, 405, 135, 45, {.back = PitchGreen, .shape = Oval, .opaque = true}},
      {Shape1[7], "Shape1", 7, Picture8,  45, 540, 555, 150, {.back = DarkNavy, .shape = Rounded, .opaque = true}},
      {Shape25[7], "Shape25", 7, Picture1, 1410, 6510, 6855, 375, {.back = White, .shape = Rounded, .opaque = true}},
      {Announcer, "Announcer", -1, Picture1, 1530, 6570, 6525, 285, {.text = "Announcer", .font = bold975, .fore = WindowText, .align = Align::Center, .singleLine = true}},
      {cmdExit,   "cmdExit",   -1, Picture1,  240, 7020,  705, 375, {.text = "&Exit", .font = arial(12, Bold), .back = LightBlue, .disabled = true}},
  });

  // The figures: 22 players at their kick-off places, the two hidden goal
  // markers and the two hidden lying figures, each with its body parts.
  for (int i = 0; i < 26; ++i) {
    const Box& box = i < 22 ? KickOffPlaces[i] : Extras[i - 22];
    const char* name = i >= 24 ? "INJURY" : i >= 22 ? "GOAL" : nullptr;
    const char* tag = i >= 22 ? name : i >= 20 ? "G" : nullptr;
    rows.push_back({player[i], "player", i, Picture1, box.left, box.top, box.width, box.height,
                    {.back = PitchGreen, .hidden = i >= 22, .toolTip = name, .tag = tag}});
    if (i == 22 || i == 23) continue;

    // The standing template scaled to the figure's box; a lying figure is
    // the template turned on its side, head to the left.
    const int body = i < 22 ? i : i - 2;
    const bool lying = i >= 24;
    const float sx = box.width / (lying ? TemplateHeight : TemplateWidth);
    const float sy = box.height / (lying ? TemplateWidth : TemplateHeight);
    auto scaled = [&](float left, float top, float width, float height) {
      return lying ? Box{top * sx, left * sy, height * sx, width * sy}
                   : Box{left * sx, top * sy, width * sx, height * sy};
    };
    const Kit kit = kitOf(body);
    for (const FigurePart& part : FigureTemplate) {
      Box b = scaled(part.left, part.top, part.width, part.height);
      rows.push_back({(this->*part.array)[body], part.name, body, player[i], b.left, b.top, b.width, b.height,
                      {.back = kit.*part.colour, .shape = part.shape, .opaque = true, .borderInside = true, .hatch = part.hatch}});
    }
    Box legs = scaled(LegLineX, LegLineTop, 0, LegLineBottom - LegLineTop);
    rows.push_back({lying ? Line9[body] : Line4[body], lying ? "Line9" : "Line4", body, player[i],
                    legs.left, legs.top, legs.left + legs.width, legs.top + legs.height, {.fore = Black}});

    for (const Helmet& h : Helmets)
      if (h.wearer == i)
        rows.push_back({NFLhelmet[h.index], "NFLhelmet", h.index, player[i], h.offset, h.offset, 480, 420,
                        {.hidden = true, .picture = h.picture}});
  }
  rows.push_back({picBall, "picBall", -1, Picture1, 5100, 3570, 240, 270, {.picture = Picture::SoccerBall}});

  // ---- Props of the skits, all hidden at start -------------------------------
  // The cartoon figures near the top of the pitch, the tails of the speech
  // box pointing down at them (2, 3: burns; 4, 5: Argh; 6, 7: smGirl), the
  // box and its text.
  add({
      {girl,   "girl",   -1, Picture1, 6210, 6810, 480, 480, {.hidden = true, .picture = Picture::Girl,      .natural = true}},
      {burns,  "burns",  -1, Picture1, 4530, 1230, 480, 480, {.hidden = true, .picture = Picture::Burns,     .natural = true}},
      {Argh,   "Argh",   -1, Picture1, 6360, 1320, 480, 480, {.hidden = true, .picture = Picture::Argh,      .natural = true}},
      {smGirl, "smGirl", -1, Picture1, 1380, 1260, 480, 480, {.hidden = true, .picture = Picture::SmallGirl, .natural = true}},
      {shh,    "shh",    -1, Picture1, 1650, 1200, 480, 480, {.hidden = true, .picture = Picture::Shh,       .natural = true}},
      {Line1[2], "Line1", 2, Picture1, 4230,  900, 4530, 1290, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[3], "Line1", 3, Picture1, 4470,  900, 4530, 1290, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[4], "Line1", 4, Picture1, 6090,  870, 6390, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[5], "Line1", 5, Picture1, 6330,  870, 6390, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[6], "Line1", 6, Picture1, 2100,  810, 1830, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[7], "Line1", 7, Picture1, 2250,  810, 1830, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Shape25[0], "Shape25", 0, Picture1, 2070, 600, 4785, 375, {.back = White, .shape = Rounded, .opaque = true, .hidden = true}},
      {Label24, "Label24", -1, Picture1, 1230, 660, 6525, 225, {.text = "Smithers! Have these lollygaggers shot at once", .font = arial(8.25f, Bold), .align = Align::Center, .hidden = true}},
  });

  // The football dream: the ball pictures, the league logo and the goal posts.
  add({
      {imgSoc,  "imgSoc",  -1, Picture1,  840, 7050, 255, 270, {.hidden = true, .picture = Picture::SoccerBall}},
      {imgFB,   "imgFB",   -1, Picture1,  390, 6660, 255, 270, {.hidden = true, .picture = Picture::Football}},
      {NFLLogo, "NFLLogo", -1, Picture1, 4770, 3930, 480, 480, {.hidden = true, .picture = Picture::LeagueLogo, .natural = true}},
  });
  // Each post: an upright from the ground to the crossbar, the crossbar and
  // the two uprights above it.
  for (int k = 0; k < 2; ++k) {
    static constexpr Box PostLines[4] = {{292, 1575, 292, 900}, {45, 900, 540, 900}, {45, 900, 45, 60}, {540, 900, 540, 60}};
    rows.push_back({picFG[k], "picFG", k, Picture1, k == 0 ? 9750.f : 90.f, k == 0 ? 3480.f : 3390.f, 585, 1575, {.back = PitchGreen, .hidden = true}});
    for (int j = 0; j < 4; ++j) {
      const Box& l = PostLines[j];
      rows.push_back({Line7[4 * k + j], "Line7", 4 * k + j, picFG[k], l.left, l.top, l.width, l.height, {.fore = Yellow, .borderWidth = 3}});
    }
  }

  // The judges' panel: a title, the two row titles, and for each of the seven
  // judges a flag with the two score cards below it.
  add({
      {picJudge,  "picJudge", -1, Picture1, 270, 240, 6975, 1215, {.frame = true, .hidden = true}},
      {Label22[1], "Label22",  1, picJudge,  60,  90, 1755, 285, {.text = "Judges' Scores", .font = arial(8.25f, Bold), .back = LightGrey, .align = Align::Center}},
      {Label22[0], "Label22",  0, picJudge,  60, 480, 1755, 255, {.text = "Technical Difficulty", .font = arial(8.25f, Bold)}},
      {Label23,    "Label23", -1, picJudge,  60, 810, 1755, 255, {.text = "Artistic Merit", .font = arial(8.25f, Bold)}},
  });
  for (int j = 0; j < 7; ++j) {
    const float x = 720.f * j;
    rows.push_back({Image3[j], "Image3", j, picJudge, 1950 + x, 0, 480, 480, {.picture = JudgesFlags[j], .natural = true}});
    rows.push_back({lblTD[j], "lblTD", j, picJudge, 1860 + x, 480, 645, 255, {.text = "6.0", .font = bold975, .back = White, .align = Align::Center}});
    rows.push_back({lblAM[j], "lblAM", j, picJudge, 1860 + x, 810, 645, 255, {.text = "6.0", .font = bold975, .back = White, .align = Align::Center}});
  }

  // The ambulance, driving to the right: box body, cab, windows, the red
  // cross, the wheels in front.
  add({
      {Ambulance,  "Ambulance", -1, Picture1, -1020, 1410, 1065, 675, {.back = PitchGreen, .hidden = true, .tag = "-1020"}},
      {Shape11,    "Shape11",   -1, Ambulance,   0,   0, 915, 585, {.opaque = true}},
      {Shape12[3], "Shape12",    3, Ambulance, 900, 195, 165, 390, {.shape = Rounded, .opaque = true}},
      {Shape12[0], "Shape12",    0, Ambulance,  60,  75, 240, 435, {}},
      {Shape12[1], "Shape12",    1, Ambulance, 930, 240, 105, 135, {.back = DarkGrey, .opaque = true}},
      {Shape12[2], "Shape12",    2, Ambulance, 105, 105, 150, 135, {.back = DarkGrey, .opaque = true}},
      {Image4,     "Image4",    -1, Ambulance, 390,  75, 390, 390, {.picture = Picture::RedCross}},
      {Shape13[0], "Shape13",    0, Ambulance, 105, 420, 255, 255, {.back = Silver, .shape = Circle, .opaque = true, .borderWidth = 4}},
      {Shape13[1], "Shape13",    1, Ambulance, 675, 420, 255, 255, {.back = Silver, .shape = Circle, .opaque = true, .borderWidth = 4}},
  });

  // The card, the offside sign and line, and the goal caption in front.
  add({
      {RedCard,    "RedCard",    -1, Picture1, 1860, 2970, 1875, 2565, {.back = Red, .hidden = true}},
      {RedCardWho, "RedCardWho", -1, RedCard,    60, 2130, 1725,  270, {.text = "XXX", .font = arial(11.25f, Bold), .fore = Navy, .align = Align::Center, .singleLine = true}},
      {OFFS2,   "OFFS2",   -1, Picture1, 4260, 3420, 1995, 1665, {.back = Olive, .hidden = true}},
      {Shape14, "Shape14", -1, OFFS2,     180,  180,  810,  810, {.back = Orange, .opaque = true}},
      {Shape15, "Shape15", -1, OFFS2,     990,  660,  810,  810, {.back = Orange, .opaque = true}},
      {OFFS3,   "OFFS3",   -1, OFFS2,       0,  690, 1995,  375, {.text = "OFFSIDES", .font = arial(15.75f, Bold), .align = Align::Center}},
      {OFFS1,   "OFFS1",   -1, Picture1, 4170, 3390,  105, 4215, {.back = Black, .hidden = true}},
      {lblGOal, "lblGOal", -1, Picture1, 2970, 3390, 4515, 1965, {.text = "GOAL!", .font = arial(72, Bold), .fore = Orange, .hidden = true}},
  });
  // clang-format on

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
