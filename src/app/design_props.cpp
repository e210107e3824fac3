// The props of the skits, all hidden at start: the cartoon figures and their
// speech box, the football dream, the judges' panel, the ambulance, the card,
// the offside sign and the goal caption.
#include "app/design.h"
#include "app/form1.h"

namespace {

// The judges' flags, left to right.
constexpr Picture JudgesFlags[7] = {Picture::FlagSweden,     Picture::FlagNetherlands,
                                    Picture::FlagSouthKorea, Picture::FlagSovietUnion,
                                    Picture::FlagIran,       Picture::FlagNigeria,
                                    Picture::FlagColombia};

}  // namespace

void Form1::propsDesign(DesignRows& rows) {
  // clang-format off
  // The cartoon figures near the top of the pitch, the tails of the speech
  // box pointing down at them (2, 3: burns; 4, 5: Argh; 6, 7: smGirl), the
  // box and its text.
  rows.add({
      {girl,   "girl",   -1, Picture1, 6210, 6810, 480, 480, {.hidden = true, .picture = Picture::Girl,      .natural = true}},
      {burns,  "burns",  -1, Picture1, 4530, 1230, 480, 480, {.hidden = true, .picture = Picture::Burns,     .natural = true, .role = Role::Speaker}},
      {Argh,   "Argh",   -1, Picture1, 6360, 1320, 480, 480, {.hidden = true, .picture = Picture::Argh,      .natural = true, .role = Role::Speaker}},
      {smGirl, "smGirl", -1, Picture1, 1380, 1260, 480, 480, {.hidden = true, .picture = Picture::SmallGirl, .natural = true, .role = Role::Speaker}},
      {shh,    "shh",    -1, Picture1, 1650, 1200, 480, 480, {.hidden = true, .picture = Picture::Shh,       .natural = true}},
      {Line1[2], "Line1", 2, Picture1, 4230,  900, 4530, 1290, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[3], "Line1", 3, Picture1, 4470,  900, 4530, 1290, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[4], "Line1", 4, Picture1, 6090,  870, 6390, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[5], "Line1", 5, Picture1, 6330,  870, 6390, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[6], "Line1", 6, Picture1, 2100,  810, 1830, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Line1[7], "Line1", 7, Picture1, 2250,  810, 1830, 1260, {.fore = White, .borderWidth = 5, .hidden = true}},
      {Shape25[0], "Shape25", 0, Picture1, 2070, 600, 4785, 375, {.back = White, .shape = Rounded, .opaque = true, .hidden = true}},
      {Label24, "Label24", -1, Picture1, 1230, 660, 6525, 225, {.text = "Smithers! Have these lollygaggers shot at once", .font = arial(8.25f, Bold), .align = Align::Center, .hidden = true, .role = Role::Balloon}},
  });

  // The football dream: the ball pictures, the league logo and the goal posts.
  rows.add({
      {imgSoc,  "imgSoc",  -1, Picture1,  840, 7050, 255, 270, {.hidden = true, .picture = Picture::SoccerBall}},
      {imgFB,   "imgFB",   -1, Picture1,  390, 6660, 255, 270, {.hidden = true, .picture = Picture::Football}},
      {NFLLogo, "NFLLogo", -1, Picture1, 4770, 3930, 480, 480, {.hidden = true, .picture = Picture::LeagueLogo, .natural = true}},
  });
  // Each post: an upright from the ground to the crossbar, the crossbar and
  // the two uprights above it.
  for (int k = 0; k < 2; ++k) {
    static constexpr Box PostLines[4] = {{292, 1575, 292, 900}, {45, 900, 540, 900}, {45, 900, 45, 60}, {540, 900, 540, 60}};
    rows.add({picFG[k], "picFG", k, Picture1, k == 0 ? 9750.f : 90.f, k == 0 ? 3480.f : 3390.f, 585, 1575, {.back = PitchGreen, .hidden = true}});
    for (int j = 0; j < 4; ++j) {
      const Box& l = PostLines[j];
      rows.add({Line7[4 * k + j], "Line7", 4 * k + j, picFG[k], l.left, l.top, l.width, l.height, {.fore = Yellow, .borderWidth = 3}});
    }
  }

  // The judges' panel: a title, the two row titles, and for each of the seven
  // judges a flag with the two score cards below it.
  rows.add({
      {picJudge,  "picJudge", -1, Picture1, 270, 240, 6975, 1215, {.frame = true, .hidden = true}},
      {Label22[1], "Label22",  1, picJudge,  60,  90, 1755, 285, {.text = "Judges' Scores", .font = arial(8.25f, Bold), .back = LightGrey, .align = Align::Center}},
      {Label22[0], "Label22",  0, picJudge,  60, 480, 1755, 255, {.text = "Technical Difficulty", .font = arial(8.25f, Bold)}},
      {Label23,    "Label23", -1, picJudge,  60, 810, 1755, 255, {.text = "Artistic Merit", .font = arial(8.25f, Bold)}},
  });
  for (int j = 0; j < 7; ++j) {
    const float x = 720.f * j;
    rows.add({Image3[j], "Image3", j, picJudge, 1950 + x, 0, 480, 480, {.picture = JudgesFlags[j], .natural = true}});
    rows.add({lblTD[j], "lblTD", j, picJudge, 1860 + x, 480, 645, 255, {.text = "6.0", .font = Bold975, .back = White, .align = Align::Center}});
    rows.add({lblAM[j], "lblAM", j, picJudge, 1860 + x, 810, 645, 255, {.text = "6.0", .font = Bold975, .back = White, .align = Align::Center}});
  }

  // The ambulance, driving to the right: box body, cab, windows, the red
  // cross, the wheels in front.
  rows.add({
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
  rows.add({
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
}
