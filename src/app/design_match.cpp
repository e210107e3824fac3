// The match screen's design: the stadium and the pitch, the scoreboard, the
// titles and credits, the announcer and his commentary line.
#include "app/design.h"
#include "app/form1.h"

void Form1::matchDesign(DesignRows& rows) {
  // clang-format off
  // The stadium and the pitch markings, the crowd back-most. The green
  // patches hide the parts of the penalty arcs inside the penalty areas.
  rows.add({
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
  rows.add({
      {Shape8,     "Shape8",  -1, Picture1, 7440,  270, 2715, 1515, {.back = Grey, .shape = Rounded, .opaque = true, .border = Orange, .borderWidth = 3}},
      {Label17,    "Label17", -1, Picture1, 8220,  570, 0, 0, {.text = "Home",    .font = arial(11.25f, Bold), .fore = White, .autoSize = true, .role = Role::Team}},
      {Label18,    "Label18", -1, Picture1, 8250, 1020, 0, 0, {.text = "Visitor", .font = arial(11.25f, Bold), .fore = White, .autoSize = true, .role = Role::Team}},
      {Label19[0], "Label19",  0, Picture1, 9855,  600, 0, 0, {.text = "0", .font = arial(11.25f, Bold), .fore = White, .align = Align::Right, .autoSize = true, .role = Role::Score}},
      {Label19[1], "Label19",  1, Picture1, 9840,  990, 0, 0, {.text = "0", .font = arial(11.25f, Bold), .fore = White, .align = Align::Right, .autoSize = true, .role = Role::Score}},
      {Label20,    "Label20", -1, Picture1, 8520, 1440, 0, 0, {.text = "00:00", .font = arial(8.25f, Bold), .fore = White, .autoSize = true, .role = Role::Clock}},
      {Picture7[2], "Picture7", 2, Picture1, 7590, 510, 555, 375, {.back = WindowBackground, .frame = true}},
      {Picture7[3], "Picture7", 3, Picture1, 7590, 960, 555, 375, {.back = WindowBackground, .frame = true}},
  });
  smallFlagDesign(rows, 2, 225, 185, 375);
  smallFlagDesign(rows, 3, 225, 185, 375);
  rows.add({
      {Label1[6], "Label1", 6, Picture1,  750, 210, 0, 0, {.text = "World Cup '98", .font = TitleFont, .fore = DarkRed, .autoSize = true}},
      {Label1[5], "Label1", 5, Picture1,  660, 150, 0, 0, {.text = "World Cup '98", .font = TitleFont, .fore = White, .autoSize = true}},
      {Label1[7], "Label1", 7, Picture1, 1350, 870, 0, 0, {.text = "Blunderfest", .font = arial(11.25f, BoldItalic), .fore = White, .autoSize = true}},
      {Label21[0], "Label21", 0, Picture1, 1860, 6960, 0, 0, {.text = "brought to you by ", .font = arial(9), .fore = White, .autoSize = true}},
      {Label21[1], "Label21", 1, Picture1, 3300, 6930, 0, 0, {.text = "The Grobnik", .font = arial(11.25f, Bold), .fore = Yellow, .autoSize = true}},
      {Label21[2], "Label21", 2, Picture1, 2250, 7230, 0, 0, {.text = "\"mmm... datsa gooda donut\"", .font = arial(9), .fore = White, .autoSize = true}},
      {Image5,     "Image5",  -1, Picture1, 1320, 7110, 480, 480, {.picture = Picture::Sponsor, .natural = true}},
  });

  // The announcer: jacket, shirt and tie below his head, a microphone
  // pointing at him, and the box of his commentary line.
  rows.add({
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
      {Announcer, "Announcer", -1, Picture1, 1530, 6570, 6525, 285, {.text = "Announcer", .font = Bold975, .fore = WindowText, .align = Align::Center, .singleLine = true, .role = Role::Commentary}},
      {cmdExit,   "cmdExit",   -1, Picture1,  240, 7020,  705, 375, {.text = "&Exit", .font = arial(12, Bold), .back = LightBlue, .disabled = true}},
  });
  // clang-format on
}
