// The figures on the pitch, generated: one standing figure drawn from a
// template of body parts, scaled to each player's box, and turned on its side
// for the lying figures; the ball in front of them.
#include "app/design.h"
#include "app/form1.h"

namespace {

// What one body wears: hair, skin and shoes, and the kit.
struct Kit {
  Color hair, skin, shirt, shoulders, shorts, socks, shoes;
};

// One part of the standing figure, in a figure box of 315 x 585 twips.
struct FigurePart {
  std::array<Shape, BodyParts> Form1::*array;
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

// The players at their kick-off places on the pitch.
// clang-format off
constexpr Box KickOffPlaces[Players] = {
    {8850, 5340, 315, 615}, { 930, 2220, 315, 585}, {1590, 5160, 315, 645}, {2340, 3540, 315, 585},
    {3720, 2220, 345, 645}, {4320, 5400, 315, 615}, {4920, 3090, 345, 585}, {6120, 5160, 315, 645},
    {7680, 1980, 315, 585}, {3600, 4830, 315, 615}, {3270, 5400, 345, 645}, {4200, 2490, 315, 555},
    {6750, 2790, 375, 705}, {3000, 2430, 315, 585}, {6390, 3930, 285, 585}, {6960, 4530, 315, 585},
    {5550, 2310, 315, 585}, {8820, 2280, 315, 615}, {2730, 5160, 315, 645}, {3660, 3120, 405, 765},
    { 540, 3690, 315, 615}, {9150, 3660, 285, 645},
};
// clang-format on

// The goal markers and the lying figures, by side; both hidden at start.
constexpr Box GoalMarkers[2] = {{210, 3810, 315, 285}, {9900, 4050, 315, 285}};
constexpr Box LyingFigures[2] = {{120, 2340, 675, 345}, {60, 2760, 675, 345}};

// Natural hair colours, handed out to the bodies in an irregular pattern.
constexpr Color HairColours[] = {
    rgb(0x000000),  // black
    rgb(0x3c2414),  // dark brown
    rgb(0x6e4423),  // brown
    rgb(0x8c3a1c),  // auburn
    rgb(0xe8c860),  // blond
    rgb(0xd8662a),  // ginger
    rgb(0xa8a8a8),  // grey
};
constexpr int HairOf[BodyParts] = {1, 4, 0, 2, 5, 1, 3, 0, 6, 2, 1, 4,
                                   0, 3, 2, 1, 5, 0, 2, 4, 1, 0, 3, 2};

constexpr Color Shoes = DarkGrey;

// The field players wear a plain kit until kick-off dresses them in their
// flags' colours; the keepers keep their own kits.
Kit kitOf(int body) {
  Color hair = HairColours[HairOf[body]];
  if (body == keeperOf(HomeSide)) return {hair, Skin, DarkBlue, Black, Purple, Blue, Shoes};
  if (body == keeperOf(Visitors)) return {hair, Skin, Purple, LightGreen, Purple, Blue, Shoes};
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

}  // namespace

// The players at their kick-off places, the two hidden goal markers and the
// two hidden lying figures, each figure but the markers with its body parts.
void Form1::figuresDesign(DesignRows& rows) {
  // clang-format off
  for (int i = 0; i < Figures; ++i) {
    const bool marker = isGoalMarker(i), lying = isLyingFigure(i);
    const Box& box = marker ? GoalMarkers[sideOf(i)] : lying ? LyingFigures[sideOf(i)] : KickOffPlaces[i];
    const char* name = lying ? "INJURY" : marker ? "GOAL" : nullptr;
    const char* tag = marker || lying ? name : isKeeper(i) ? "G" : nullptr;
    rows.add({player[i], "player", i, Picture1, box.left, box.top, box.width, box.height,
              {.back = PitchGreen, .hidden = marker || lying, .toolTip = name, .tag = tag, .role = Role::Figure}});
    if (marker) continue;

    // The standing template scaled to the figure's box; a lying figure is
    // the template turned on its side, head to the left.
    const int body = bodyOf(i);
    const float sx = box.width / (lying ? TemplateHeight : TemplateWidth);
    const float sy = box.height / (lying ? TemplateWidth : TemplateHeight);
    auto scaled = [&](float left, float top, float width, float height) {
      return lying ? Box{top * sx, left * sy, height * sx, width * sy}
                   : Box{left * sx, top * sy, width * sx, height * sy};
    };
    const Kit kit = kitOf(body);
    for (const FigurePart& part : FigureTemplate) {
      Box b = scaled(part.left, part.top, part.width, part.height);
      rows.add({(this->*part.array)[body], part.name, body, player[i], b.left, b.top, b.width, b.height,
                {.back = kit.*part.colour, .shape = part.shape, .opaque = true, .borderInside = true, .hatch = part.hatch}});
    }
    Box legs = scaled(LegLineX, LegLineTop, 0, LegLineBottom - LegLineTop);
    rows.add({lying ? Line9[body] : Line4[body], lying ? "Line9" : "Line4", body, player[i],
              legs.left, legs.top, legs.left + legs.width, legs.top + legs.height, {.fore = Black}});

    for (const Helmet& h : Helmets)
      if (h.wearer == i)
        rows.add({NFLhelmet[h.index], "NFLhelmet", h.index, player[i], h.offset, h.offset, 480, 420,
                  {.hidden = true, .picture = h.picture}});
  }
  rows.add({picBall, "picBall", -1, Picture1, 5100, 3570, 240, 270, {.picture = Picture::SoccerBall}});
  // clang-format on
}
