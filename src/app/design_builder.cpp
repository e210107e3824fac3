// The title screen's design: the seascape with the falling bomb, the title,
// the two team rows of the country builder and its buttons.
#include "app/design.h"
#include "app/form1.h"

void Form1::builderDesign(DesignRows& rows) {
  // clang-format off
  // The seascape: horizon, islands, palm tree, then the blasts over them.
  rows.add({
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
    rows.add({Line3[i], "Line3", i, Picture2, p.x1, p.y1, p.x2, p.y2, {.fore = p.colour, .borderWidth = 5}});
  }
  rows.add({
      // The blasts grow: the small yellow one lies in front of the pink and red.
      {Explosion[0], "Explosion", 0, Picture2, 2190, 1140, 6555, 4425, {.back = Red,    .shape = Oval, .opaque = true, .noBorder = true, .hidden = true}},
      {Explosion[1], "Explosion", 1, Picture2, 3390, 1980, 5325, 3435, {.back = Pink,   .shape = Oval, .opaque = true, .noBorder = true, .hidden = true}},
      {Explosion[2], "Explosion", 2, Picture2, 6120, 3600,  495,  405, {.back = Yellow, .shape = Oval, .opaque = true, .noBorder = true, .hidden = true}},

      // The title, white over its dark-red shadow.
      {Label1[2], "Label1", 2, Picture2, 510, 990, 0, 0, {.text = "Blunderfest", .font = arial(11.25f, BoldItalic), .fore = White, .autoSize = true}},
      {Label1[1], "Label1", 1, Picture2, 150, 300, 0, 0, {.text = "World Cup '98", .font = TitleFont, .fore = DarkRed, .autoSize = true}},
      {Label1[0], "Label1", 0, Picture2, 120, 240, 0, 0, {.text = "World Cup '98", .font = TitleFont, .fore = White, .autoSize = true}},

      {Command3, "Command3", -1, Picture2,  930, 3330, 1785, 705, {.text = "&Exit", .font = arial(27.75f, BoldItalic), .back = LightBlue, .tab = 9}},
      {Command2, "Command2", -1, Picture2, 2760, 3330, 1785, 705, {.text = "&Go",   .font = arial(27.75f, BoldItalic), .back = LightBlue, .tab = 8}},

      // The bomb falls from behind the flag.
      {lebomb, "lebomb", -1, Picture2, 5580, 180, 1815, 855, {.back = DarkBlue}},
  });
  rows.add({
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
  rows.add({
      {Picture3[1], "Picture3", 1, Picture2, 240, 2340, 5235, 855, {.frame = true}},
      {FlagShape[3], "FlagShape", 3, Picture3[1], -120, -30, 1845, 885, {.back = Teal,   .opaque = true, .noBorder = true}},
      {FlagShape[4], "FlagShape", 4, Picture3[1], 1440,   0, 2025, 885, {.back = Red,    .opaque = true, .noBorder = true}},
      {FlagShape[5], "FlagShape", 5, Picture3[1], 3210, -30, 2025, 885, {.back = Yellow, .opaque = true, .noBorder = true}},
      {Combo1[3],   "Combo1",   3, Picture3[1],  210, 240,  945, 360, {.font = Bold975, .tab = 4}},
      {Combo1[4],   "Combo1",   4, Picture3[1], 1140, 240, 1005, 360, {.font = Bold975, .tab = 5}},
      {Combo1[5],   "Combo1",   5, Picture3[1], 2130, 240, 1245, 360, {.font = Bold975, .tab = 6}},
      {Command1[1], "Command1", 1, Picture3[1], 3390, 240, 1035, 345, {.text = "&Random", .font = Bold975, .tab = 7}},
      {Command4[1], "Command4", 1, Picture3[1], 4440, 240,  405, 345, {.text = "i.", .font = times(9.75f, Bold), .tab = 11}},

      {Picture3[0], "Picture3", 0, Picture2, 240, 1350, 5235, 855, {.frame = true}},
      {FlagShape[0], "FlagShape", 0, Picture3[0], -300, -30, 2025, 885, {.back = Teal,   .opaque = true, .noBorder = true}},
      {FlagShape[1], "FlagShape", 1, Picture3[0], 1440, -30, 2025, 885, {.back = Red,    .opaque = true, .noBorder = true}},
      {FlagShape[2], "FlagShape", 2, Picture3[0], 3390,   0, 2025, 885, {.back = Yellow, .opaque = true, .noBorder = true}},
      {Combo1[0],   "Combo1",   0, Picture3[0],  180, 180,  975, 360, {.font = Bold975, .tab = 3}},
      {Combo1[1],   "Combo1",   1, Picture3[0], 1140, 180, 1035, 360, {.font = Bold975, .tab = 2}},
      {Combo1[2],   "Combo1",   2, Picture3[0], 2160, 180, 1215, 360, {.font = Bold975, .tab = 1}},
      {Command1[0], "Command1", 0, Picture3[0], 3390, 180, 1035, 345, {.text = "&Random", .font = Bold975, .tab = 0}},
      {Command4[0], "Command4", 0, Picture3[0], 4440, 180,  405, 345, {.text = "i.", .font = times(9.75f, Bold), .tab = 10}},

      // The "VS" box straddles the gap between the rows, in front of both.
      {Picture4, "Picture4", -1, Picture2, 2370, 2040, 945, 465, {.back = DarkBlue, .frame = true}},
      {Label2,   "Label2",   -1, Picture4,  210,   30, 645, 405, {.text = "VS", .font = arial(15.75f, BoldItalic), .fore = White}},
  });
  // clang-format on
}
