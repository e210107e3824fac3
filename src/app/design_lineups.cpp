// The lineup screen's design, and the small flags it shares with the
// scoreboard.
#include "app/design.h"
#include "app/form1.h"

// The small flags: three stripes each, about 495 wide on the lineups and
// 225 wide on the scoreboard, overlapping so that each shows a third.
void Form1::smallFlagDesign(DesignRows& rows, int flag, float stripeWidth, float step,
                            float height) {
  const Color stripes[3] = {Teal, Red, Yellow};
  for (int s = 0; s < 3; ++s) {
    int i = flag * 3 + s;
    rows.add({smFlag[i],
              "smFlag",
              i,
              Picture7[flag],
              step * s,
              0,
              stripeWidth,
              height,
              {.back = stripes[s], .opaque = true, .noBorder = true}});
  }
}

void Form1::lineupsDesign(DesignRows& rows) {
  // clang-format off
  rows.add({
      {Shape6,    "Shape6", -1, Picture6, -180, -30, 6225, 1305, {.back = Yellow, .opaque = true}},
      {Label1[4], "Label1",  4, Picture6, 1650, 270, 0, 0, {.text = "PLAYBILL", .font = times(24, Bold), .fore = WindowText, .back = Yellow, .autoSize = true}},
      {Picture7[0], "Picture7", 0, Picture6,  120, 210, 1335, 675, {.back = WindowBackground, .frame = true}},
      {Picture7[1], "Picture7", 1, Picture6, 4260, 180, 1335, 675, {.back = WindowBackground, .frame = true}},
  });
  smallFlagDesign(rows, 0, 495, 445, 675);
  smallFlagDesign(rows, 1, 495, 445, 675);
  rows.add({
      {Label7,  "Label7",  -1, Picture6,  210,  900, 1725,  330, {.text = "the \"athletes\"", .font = times(14.25f, Bold), .fore = Black, .autoSize = true}},
      {Label6,  "Label6",  -1, Picture6, 3720,  900, 1725,  330, {.text = "the \"athletes\"", .font = times(14.25f, Bold), .fore = Black, .align = Align::Right, .autoSize = true}},
      {Label4,  "Label4",  -1, Picture6, 1920, 1350, 2055,  255, {.text = "the \"athletes\"", .font = Bold975, .fore = White, .align = Align::Center}},
      {Label3,  "Label3",  -1, Picture6,  270, 1470, 2415, 2865, {.text = "Label3", .font = Bold975, .fore = PaleYellow}},
      {Label5,  "Label5",  -1, Picture6, 2880, 1470, 2415, 2745, {.text = "Label3", .font = Bold975, .fore = PaleYellow, .align = Align::Right}},
      {Label8,  "Label8",  -1, Picture6, 1830, 4050, 2055,  255, {.text = "keepers goalies", .font = Bold975, .fore = White, .align = Align::Center}},
      {Line5,   "Line5",   -1, Picture6, 2130, 4230, 2820, 4170, {.fore = Red, .borderWidth = 2}},
      {Label10, "Label10", -1, Picture6,  300, 4320, 2415,  255, {.text = "Label3", .font = Bold975, .fore = PaleYellow}},
      {Label11, "Label11", -1, Picture6, 2820, 4320, 2415,  255, {.text = "Label3", .font = Bold975, .fore = PaleYellow, .align = Align::Right}},
      {Label9,  "Label9",  -1, Picture6, 1800, 4620, 2055,  255, {.text = "managers", .font = Bold975, .fore = White, .align = Align::Center}},
      {Label12, "Label12", -1, Picture6,  330, 5040, 2415,  255, {.text = "Label3", .font = Bold975, .fore = PaleYellow}},
      {Label13, "Label13", -1, Picture6, 2820, 5040, 2415,  255, {.text = "Label3", .font = Bold975, .fore = PaleYellow, .align = Align::Right}},
      {Command5, "Command5", -1, Picture6, 2490, 2850, 945, 675, {.text = "&Go", .font = arial(26.25f, BoldItalic), .back = LightBlue}},
  });
  // clang-format on
}
