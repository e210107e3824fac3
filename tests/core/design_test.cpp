#include "app/design.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "app/form1.h"
#include "support/session.h"

namespace {

template <class Array>
void addAll(std::vector<Element*>& out, Array& array) {
  for (auto& e : array) {
    if constexpr (requires { e.second; })
      out.push_back(&e.second);
    else
      out.push_back(&e);
  }
}

// Every display element member of the window, whether the design placed it or not.
std::vector<Element*> allMembers(Form1& f) {
  std::vector<Element*> all = {
      &f.Form,    &f.Picture2, &f.Picture4,  &f.Label2,   &f.Picture5, &f.lebomb,     &f.Image1,
      &f.Shape4,  &f.Shape5,   &f.Command3,  &f.Command2, &f.Picture6, &f.Shape6,     &f.Label7,
      &f.Label6,  &f.Label4,   &f.Label3,    &f.Label5,   &f.Label8,   &f.Line5,      &f.Label10,
      &f.Label11, &f.Label9,   &f.Label12,   &f.Label13,  &f.Command5, &f.Picture1,   &f.field,
      &f.Line6,   &f.Shape7,   &f.Crowd,     &f.Shape8,   &f.Label17,  &f.Label18,    &f.Label20,
      &f.Image5,  &f.Picture8, &f.Announcer, &f.cmdExit,  &f.picBall,  &f.lblGOal,    &f.OFFS1,
      &f.OFFS2,   &f.OFFS3,    &f.Shape14,   &f.Shape15,  &f.RedCard,  &f.RedCardWho, &f.Ambulance,
      &f.Shape11, &f.Image4,   &f.picJudge,  &f.Label23,  &f.NFLLogo,  &f.imgSoc,     &f.imgFB,
      &f.Label24, &f.burns,    &f.girl,      &f.smGirl,   &f.shh,      &f.Argh,
  };
  addAll(all, f.Label1);
  addAll(all, f.Picture3);
  addAll(all, f.Combo1);
  addAll(all, f.Command1);
  addAll(all, f.Command4);
  addAll(all, f.FlagShape);
  addAll(all, f.Shape2);
  addAll(all, f.Shape3);
  addAll(all, f.Explosion);
  addAll(all, f.Line3);
  addAll(all, f.Line2);
  addAll(all, f.Picture7);
  addAll(all, f.smFlag);
  addAll(all, f.GoalieBox);
  addAll(all, f.Shape25);
  addAll(all, f.shpGoal);
  addAll(all, f.Shape9);
  addAll(all, f.Line8);
  addAll(all, f.Label19);
  addAll(all, f.Label21);
  addAll(all, f.Shape1);
  addAll(all, f.Line1);
  addAll(all, f.player);
  for (auto* parts : {&f.shpHair, &f.shpHead, &f.shpArms, &f.shpLegs, &f.shpShoulders, &f.shpShirt,
                      &f.shpShorts, &f.shpSocks, &f.Shape10})
    addAll(all, *parts);
  addAll(all, f.Line4);
  addAll(all, f.Line9);
  addAll(all, f.NFLhelmet);
  addAll(all, f.Shape12);
  addAll(all, f.Shape13);
  addAll(all, f.Label22);
  addAll(all, f.Image3);
  addAll(all, f.lblTD);
  addAll(all, f.lblAM);
  addAll(all, f.picFG);
  addAll(all, f.Line7);
  return all;
}

std::string id(const Element& e) { return e.name + "(" + std::to_string(e.index) + ")"; }

constexpr float Pixel = 15;

}  // namespace

// ---- Every element is in the design, once, in a container -------------------------

TEST(Design, EveryElementIsPlacedOnceAndReachableByNameAndIndex) {
  Opened w;
  Form1& f = w.form;
  const std::vector<Element*> members = allMembers(f);
  const std::vector<Element*>& placed = f.elements();
  EXPECT_EQ(placed.size(), members.size()) << "an element was placed twice or is not a member";

  std::set<std::pair<std::string, int>> ids;
  for (Element* e : placed) EXPECT_TRUE(ids.insert({e->name, e->index}).second) << id(*e);

  for (Element* e : members) {
    ASSERT_FALSE(e->name.empty()) << "a member has no design row";
    EXPECT_EQ(f.find(e->name, e->index), e) << id(*e);
  }
}

TEST(Design, ContainersComeBeforeTheirContentsAndEndAtTheWindow) {
  Opened w;
  Form1& f = w.form;
  ASSERT_EQ(f.elements().front(), &f.Form);  // the window's own panel first
  EXPECT_EQ(f.Form.container, nullptr);
  std::set<const Element*> seen = {&f.Form};
  for (Element* e : f.elements()) {
    if (e == &f.Form) continue;
    ASSERT_NE(e->container, nullptr) << id(*e);
    if (e->container != &f.Form) {
      EXPECT_TRUE(seen.count(e->container)) << id(*e);
    }
    int depth = 0;
    const Panel* p = e->container;
    while (p != &f.Form && p != nullptr && depth < 10) p = p->container, ++depth;
    EXPECT_EQ(p, &f.Form) << id(*e);
    const auto& siblings = e->container->children;
    EXPECT_EQ(std::count(siblings.begin(), siblings.end(), e), 1) << id(*e);
    seen.insert(e);
  }
}

TEST(Design, EachRoleIsHeldByItsElementsInOrder) {
  Opened w;
  Form1& f = w.form;
  std::map<Role, std::vector<const Element*>> byRole;
  for (const Element* e : f.elements()) byRole[e->role].push_back(e);
  std::vector<const Element*> figures;
  for (const Figure& figure : f.player) figures.push_back(&figure);
  EXPECT_EQ(byRole[Role::Commentary], std::vector<const Element*>{&f.Announcer});
  EXPECT_EQ(byRole[Role::Screen],
            (std::vector<const Element*>{&f.Picture1, &f.Picture6, &f.Picture2}));
  EXPECT_EQ(byRole[Role::Figure], figures);
  // What the page repeats in captions: home before away.
  EXPECT_EQ(byRole[Role::Team], (std::vector<const Element*>{&f.Label17, &f.Label18}));
  EXPECT_EQ(byRole[Role::Score], (std::vector<const Element*>{&f.Label19[0], &f.Label19[1]}));
  EXPECT_EQ(byRole[Role::Clock], std::vector<const Element*>{&f.Label20});
  EXPECT_EQ(byRole[Role::Balloon], std::vector<const Element*>{&f.Label24});
  EXPECT_EQ(byRole[Role::Speaker], (std::vector<const Element*>{&f.burns, &f.Argh, &f.smGirl}));
  for (const Element* speaker : byRole[Role::Speaker])
    EXPECT_FALSE(f.spokenName(*speaker).empty()) << id(*speaker);
  // Only the match screen draws its panels itself.
  for (const Element* e : f.elements()) {
    if (e->kind == Kind::Panel) {
      EXPECT_EQ(static_cast<const Panel*>(e)->paintsPanels, e == &f.Picture1) << id(*e);
    }
  }
}

TEST(Design, ArraysSpreadOverTheirContainers) {
  Opened w;
  Form1& f = w.form;
  EXPECT_EQ(f.Label1[0].container, &f.Picture2);
  EXPECT_EQ(f.Label1[3].container, &f.lebomb);
  EXPECT_EQ(f.Label1[4].container, &f.Picture6);
  for (int i : {5, 6, 7}) EXPECT_EQ(f.Label1[i].container, &f.Picture1) << i;
  for (int i = 0; i < 6; ++i) {
    EXPECT_EQ(f.Combo1[i].container, &f.Picture3[i / 3]) << i;
    EXPECT_EQ(f.FlagShape[i].container, &f.Picture3[i / 3]) << i;
  }
  for (int i = 0; i < 12; ++i) EXPECT_EQ(f.smFlag[i].container, &f.Picture7[i / 3]) << i;
  for (int i = 0; i < 8; ++i) EXPECT_EQ(f.Line7[i].container, &f.picFG[i / 4]) << i;
  EXPECT_EQ(f.Shape1[3].container, &f.Picture8);
  EXPECT_EQ(f.Shape1[0].container, &f.Picture1);
  EXPECT_EQ(f.NFLhelmet[0].container, &f.player[19]);
  EXPECT_EQ(f.NFLhelmet[4].container, &f.player[4]);
  EXPECT_EQ(f.NFLhelmet[12].container, &f.player[12]);
}

// ---- What shows when the window opens ---------------------------------------------

TEST(Design, TheSkitPropsAreHiddenAndTheMatchShows) {
  Opened w;
  Form1& f = w.form;
  const std::vector<std::pair<const char*, int>> props = {
      {"lblGOal", -1},
      {"OFFS1", -1},
      {"OFFS2", -1},
      {"RedCard", -1},
      {"Ambulance", -1},
      {"picJudge", -1},
      {"picFG", 0},
      {"picFG", 1},
      {"NFLLogo", -1},
      {"imgSoc", -1},
      {"imgFB", -1},
      {"Label24", -1},
      {"Shape25", 0},
      {"burns", -1},
      {"girl", -1},
      {"smGirl", -1},
      {"shh", -1},
      {"Argh", -1},
      {"NFLhelmet", 0},
      {"NFLhelmet", 4},
      {"NFLhelmet", 12},
      {"player", goalMarkerOf(HomeSide)},
      {"player", goalMarkerOf(Visitors)},
      {"player", lyingFigureOf(HomeSide)},
      {"player", lyingFigureOf(Visitors)},
      {"Explosion", 0},
      {"Explosion", 1},
      {"Explosion", 2},
      {"Picture6", -1},
  };
  for (auto [name, index] : props) {
    Element* e = f.find(name, index);
    ASSERT_NE(e, nullptr) << name << index;
    EXPECT_FALSE(e->visible) << name << "(" << index << ")";
  }
  for (int i = 2; i <= 7; ++i) EXPECT_FALSE(f.Line1[i].visible) << i;

  for (Element* e : {static_cast<Element*>(&f.Picture1), static_cast<Element*>(&f.Picture2),
                     static_cast<Element*>(&f.picBall), static_cast<Element*>(&f.Shape25[7]),
                     static_cast<Element*>(&f.Announcer), static_cast<Element*>(&f.lebomb),
                     static_cast<Element*>(&f.Crowd)})
    EXPECT_TRUE(e->visible) << id(*e);
  for (int i = 0; i < Players; ++i) EXPECT_TRUE(f.player[i].visible) << i;
  // The contents of the hidden props are not hidden themselves: showing the
  // panel shows them.
  EXPECT_TRUE(f.Shape11.visible);
  EXPECT_TRUE(f.lblTD[3].visible);
  EXPECT_TRUE(f.OFFS3.visible);
}

TEST(Design, TimersAndButtonsStartAsDesigned) {
  Opened w;
  Form1& f = w.form;
  EXPECT_EQ(f.Timer1.interval, 30);
  EXPECT_TRUE(f.Timer1.enabled);
  EXPECT_EQ(f.Timer2.interval, 1);
  EXPECT_FALSE(f.Timer2.enabled);
  EXPECT_EQ(f.Timer2.tag, "1");
  EXPECT_EQ(f.phase(), PlayPhase::Holding);
  EXPECT_EQ(f.Timer3.interval, 1000);
  EXPECT_FALSE(f.Timer3.enabled);
  EXPECT_FALSE(f.cmdExit.enabled);

  // The builder's keyboard order: random, team 1's lists right to left,
  // team 2's left to right, random, go, exit, the information buttons.
  const Element* order[] = {&f.Command1[0], &f.Combo1[2], &f.Combo1[1],   &f.Combo1[0],
                            &f.Combo1[3],   &f.Combo1[4], &f.Combo1[5],   &f.Command1[1],
                            &f.Command2,    &f.Command3,  &f.Command4[0], &f.Command4[1]};
  for (int tab = 0; tab < 12; ++tab) {
    const Element* e = order[tab];
    int actual = e->kind == Kind::List ? static_cast<const List*>(e)->tabIndex
                                       : static_cast<const Button*>(e)->tabIndex;
    EXPECT_EQ(actual, tab) << id(*e);
  }
}

// ---- Values that are easy to get wrong ------------------------------------------------

TEST(Design, ScoreboardGoalsAndSpeechBoxes) {
  Opened w;
  Form1& f = w.form;
  EXPECT_EQ(f.Shape8.shape, ShapeKind::RoundedRectangle);
  EXPECT_TRUE(f.Shape8.opaque);
  EXPECT_EQ(f.Shape8.fillColor, rgb(0x808080));
  EXPECT_EQ(f.Shape8.borderColor, rgb(0xff8000));
  EXPECT_EQ(f.Shape8.borderWidth, 3);

  for (const Shape& net : f.shpGoal) {
    EXPECT_FALSE(net.opaque);
    EXPECT_EQ(net.hatch, Hatch::DiagonalCross);
    EXPECT_EQ(net.hatchColor, rgb(0x404040));
    EXPECT_EQ(net.borderColor, White);
  }
  for (const Shape* line : {&f.field, &f.GoalieBox[0], &f.Shape25[1], &f.Shape25[3]}) {
    EXPECT_FALSE(line->opaque) << id(*line);
    EXPECT_EQ(line->borderColor, White) << id(*line);
  }
  EXPECT_EQ(f.Shape25[3].shape, ShapeKind::Circle);

  for (int i : {0, 7}) {
    EXPECT_EQ(f.Shape25[i].shape, ShapeKind::RoundedRectangle) << i;
    EXPECT_TRUE(f.Shape25[i].opaque) << i;
    EXPECT_EQ(f.Shape25[i].fillColor, White) << i;
    EXPECT_EQ(f.Shape25[i].borderColor, Black) << i;
  }
  for (const Shape& patch : f.Shape9) {
    EXPECT_TRUE(patch.opaque);
    EXPECT_FALSE(patch.border);
    EXPECT_EQ(patch.fillColor, PitchGreen);
  }
  for (const Shape& wheel : f.Shape13) EXPECT_EQ(wheel.borderWidth, 4);
}

TEST(Design, CaptionsAreTheProgramsOwnTexts) {
  Opened w;
  Form1& f = w.form;
  EXPECT_EQ(f.Label1[0].caption, "World Cup '98");
  EXPECT_EQ(f.Label1[5].caption, "World Cup '98");
  EXPECT_EQ(f.Label21[0].caption, "brought to you by ");
  EXPECT_EQ(f.Label21[2].caption, "\"mmm... datsa gooda donut\"");
  EXPECT_EQ(f.Label7.caption, "the \"athletes\"");
  for (const Label* l : {&f.Label3, &f.Label5, &f.Label10, &f.Label11, &f.Label12, &f.Label13})
    EXPECT_EQ(l->caption, "Label3") << l->name;
  for (int j = 0; j < 7; ++j) {
    EXPECT_EQ(f.lblTD[j].caption, "6.0");
    EXPECT_EQ(f.lblAM[j].caption, "6.0");
  }
  EXPECT_EQ(f.Ambulance.tag, "-1020");
  EXPECT_EQ(f.Ambulance.left, -1020);
  for (int i : {goalMarkerOf(HomeSide), goalMarkerOf(Visitors)}) {
    EXPECT_EQ(f.player[i].toolTip, "GOAL");
    EXPECT_EQ(f.player[i].tag, "GOAL");
  }
  for (int i : {lyingFigureOf(HomeSide), lyingFigureOf(Visitors)}) {
    EXPECT_EQ(f.player[i].toolTip, "INJURY");
    EXPECT_EQ(f.player[i].tag, "INJURY");
  }
  EXPECT_EQ(f.player[keeperOf(HomeSide)].tag, "G");
  EXPECT_EQ(f.player[keeperOf(Visitors)].tag, "G");
  EXPECT_EQ(f.player[0].tag, "");
  EXPECT_EQ(f.player[0].toolTip, "");
}

TEST(Design, PicturesKeepTheirNaturalSizeWhereDesigned) {
  Opened w;
  Form1& f = w.form;
  for (const Image* i : {&f.Crowd, &f.Image5, &f.NFLLogo, &f.burns, &f.girl, &f.smGirl, &f.shh,
                         &f.Argh, &f.Image3[0], &f.Image3[6]})
    EXPECT_FALSE(i->stretch) << id(*i);
  for (const Image* i : {&f.picBall, &f.Image1, &f.Image4, &f.imgSoc, &f.imgFB})
    EXPECT_TRUE(i->stretch) << id(*i);
  EXPECT_EQ(f.picBall.picture, Picture::SoccerBall);
  EXPECT_EQ(f.imgFB.picture, Picture::Football);
  EXPECT_EQ(f.Image3[0].picture, Picture::FlagSweden);
  EXPECT_EQ(f.Image3[6].picture, Picture::FlagColombia);
}

// ---- Paint order ---------------------------------------------------------------------

TEST(Design, LaterElementsLieInFront) {
  Opened w;
  Form1& f = w.form;
  // The crowd is the back-most element of the match screen.
  for (const Element* e : f.Picture1.children)
    if (e != &f.Crowd) {
      EXPECT_GT(e->zorder, f.Crowd.zorder) << id(*e);
    }
  // The green patches cover the arcs but not the penalty-area lines.
  for (const Shape& patch : f.Shape9) {
    EXPECT_GT(patch.zorder, f.Shape25[4].zorder);
    EXPECT_GT(patch.zorder, f.Shape25[5].zorder);
    EXPECT_LT(patch.zorder, f.Shape25[1].zorder);
    EXPECT_LT(patch.zorder, f.Shape25[2].zorder);
  }
  EXPECT_GT(f.Label1[0].zorder, f.Label1[1].zorder);  // white over its shadow
  EXPECT_GT(f.Label1[5].zorder, f.Label1[6].zorder);
  EXPECT_GT(f.Label1[4].zorder, f.Shape6.zorder);  // the title on its yellow band
  EXPECT_GT(f.Label17.zorder, f.Shape8.zorder);    // names on the scoreboard
  EXPECT_GT(f.Announcer.zorder, f.Shape25[7].zorder);
  EXPECT_GT(f.Label24.zorder, f.Shape25[0].zorder);
  EXPECT_GT(f.Picture5.zorder, f.lebomb.zorder);   // the bomb falls from behind the flag
  EXPECT_GT(f.Image1.zorder, f.Shape3[0].zorder);  // the trefoil on the body
  for (const Panel& row : f.Picture3)              // the "VS" box straddles both team rows
    EXPECT_GT(f.Picture4.zorder, row.zorder);
}

// ---- The figures -----------------------------------------------------------------------

namespace {

struct Parts {
  const Shape *hair, *head, *arms, *legs, *shoulders, *shirt, *shorts, *socks, *shoes;
  std::vector<const Shape*> all() const {
    return {hair, head, arms, legs, shoulders, shirt, shorts, socks, shoes};
  }
};

Parts partsOf(const Form1& f, int body) {
  return {&f.shpHair[body],   &f.shpHead[body],      &f.shpArms[body],
          &f.shpLegs[body],   &f.shpShoulders[body], &f.shpShirt[body],
          &f.shpShorts[body], &f.shpSocks[body],     &f.Shape10[body]};
}

// A body part belongs to its figure and lies inside the figure's box.
void expectInside(const Shape& s, const Figure& fig) {
  EXPECT_EQ(s.container, &fig) << id(s);
  EXPECT_GE(s.left, -0.5f) << id(s);
  EXPECT_GE(s.top, -0.5f) << id(s);
  EXPECT_LE(s.left + s.width, fig.width + 0.5f) << id(s);
  EXPECT_LE(s.top + s.height, fig.height + 0.5f) << id(s);
}

}  // namespace

TEST(Figures, EveryStandingFigureIsTheTemplateScaledToItsBox) {
  Opened w;
  Form1& f = w.form;
  for (int i = 0; i < Players; ++i) {
    const Figure& fig = f.player[i];
    const Parts p = partsOf(f, i);
    SCOPED_TRACE("player(" + std::to_string(i) + ")");
    for (const Shape* s : p.all()) {
      expectInside(*s, fig);
      EXPECT_TRUE(s->opaque) << id(*s);
      EXPECT_TRUE(s->border && s->borderInside) << id(*s);
      EXPECT_EQ(s->borderColor, Black) << id(*s);
    }
    // Stacked from the top down, standing on the figure's bottom edge.
    EXPECT_NEAR(p.shoes->top + p.shoes->height, fig.height, Pixel);
    EXPECT_NEAR(p.head->left + p.head->width / 2, fig.width / 2, Pixel);
    EXPECT_NEAR(p.shirt->left + p.shirt->width / 2, fig.width / 2, Pixel);
    EXPECT_LE(p.hair->top, p.head->top);
    EXPECT_LT(p.head->top, p.shoulders->top);
    EXPECT_LT(p.shoulders->top, p.shorts->top);
    EXPECT_LT(p.shorts->top, p.socks->top);
    EXPECT_LT(p.socks->top, p.shoes->top);
    EXPECT_NEAR(p.shoulders->width, fig.width, 0.5f);
    EXPECT_NEAR(p.arms->width, fig.width, 0.5f);
    // The sizes the design gives for a figure of 315 x 585.
    EXPECT_NEAR(p.head->width, 105 * fig.width / 315, 0.5f);
    EXPECT_NEAR(p.head->height, 195 * fig.height / 585, 0.5f);
    EXPECT_NEAR(p.shirt->height, 255 * fig.height / 585, 0.5f);
    EXPECT_NEAR(p.shorts->width, 195 * fig.width / 315, 0.5f);
    // The hair lies behind the head; the line between the legs in front of
    // shorts and legs, down the middle to the ground.
    EXPECT_LT(p.hair->zorder, p.head->zorder);
    const Line& legs = f.Line4[i];
    EXPECT_EQ(legs.container, &fig);
    EXPECT_GT(legs.zorder, p.shorts->zorder);
    EXPECT_GT(legs.zorder, p.legs->zorder);
    EXPECT_NEAR(legs.x1, fig.width / 2, Pixel);
    EXPECT_EQ(legs.x1, legs.x2);
    EXPECT_NEAR(std::max(legs.y1, legs.y2), fig.height, Pixel);
    // Skin, shoes and the striped shirt.
    EXPECT_EQ(p.head->fillColor, Skin);
    EXPECT_EQ(p.arms->fillColor, Skin);
    EXPECT_EQ(p.legs->fillColor, Skin);
    EXPECT_EQ(p.shoes->fillColor, DarkGrey);
    EXPECT_EQ(p.shirt->hatch, Hatch::VerticalLines);
    EXPECT_EQ(p.shoulders->hatch, Hatch::VerticalLines);
    EXPECT_EQ(p.shorts->hatch, Hatch::None);
  }
}

TEST(Figures, TheLyingFiguresLieWithTheHeadToOneSide) {
  Opened w;
  Form1& f = w.form;
  for (int figure : {lyingFigureOf(HomeSide), lyingFigureOf(Visitors)}) {
    const int body = bodyOf(figure);
    const Figure& fig = f.player[figure];
    const Parts p = partsOf(f, body);
    SCOPED_TRACE("player(" + std::to_string(figure) + ")");
    EXPECT_EQ(fig.width, 675);
    EXPECT_EQ(fig.height, 345);
    for (const Shape* s : p.all()) {
      expectInside(*s, fig);
    }
    // Longer than high: head on the left, feet on the right edge.
    EXPECT_GT(p.head->width, p.head->height);
    EXPECT_LT(p.head->left + p.head->width, fig.width / 2);
    EXPECT_NEAR(p.shoes->left + p.shoes->width, fig.width, Pixel);
    EXPECT_NEAR(p.head->top + p.head->height / 2, fig.height / 2, Pixel);
    const Line& legs = f.Line9[body];
    EXPECT_EQ(legs.container, &fig);
    EXPECT_EQ(legs.y1, legs.y2);
    EXPECT_NEAR(legs.y1, fig.height / 2, Pixel);
  }
}

TEST(Figures, KeepersWearTheirKitsAndHairVaries) {
  Opened w;
  Form1& f = w.form;
  const int home = keeperOf(HomeSide), visitors = keeperOf(Visitors);
  EXPECT_EQ(f.shpShirt[home].fillColor, rgb(0x0000c0));
  EXPECT_EQ(f.shpShoulders[home].fillColor, rgb(0x000000));
  EXPECT_EQ(f.shpShorts[home].fillColor, rgb(0x800080));
  EXPECT_EQ(f.shpSocks[home].fillColor, rgb(0x0000ff));
  EXPECT_EQ(f.shpShirt[visitors].fillColor, rgb(0x800080));
  EXPECT_EQ(f.shpShoulders[visitors].fillColor, rgb(0x80ff80));
  EXPECT_EQ(f.shpShorts[visitors].fillColor, rgb(0x800080));
  EXPECT_EQ(f.shpSocks[visitors].fillColor, rgb(0x0000ff));

  std::set<std::uint32_t> hair;
  int sameAsNeighbour = 0;
  for (int i = 0; i < BodyParts; ++i) {
    hair.insert(f.shpHair[i].fillColor.rgb);
    if (i > 0 && f.shpHair[i].fillColor == f.shpHair[i - 1].fillColor) ++sameAsNeighbour;
  }
  EXPECT_GE(hair.size(), 5u);
  EXPECT_EQ(sameAsNeighbour, 0);
}

TEST(Figures, FiguresStandOnThePitchAndTheMarkersInTheGoals) {
  Opened w;
  Form1& f = w.form;
  for (int i = 0; i < Players; ++i) {
    const Figure& fig = f.player[i];
    EXPECT_EQ(fig.container, &f.Picture1);
    EXPECT_EQ(fig.backColor, PitchGreen);
    EXPECT_FALSE(fig.border);
    // Inside the touch lines, or in front of its goal for a keeper.
    EXPECT_GE(fig.left, f.field.left - (isKeeper(i) ? 300 : 0)) << i;
    EXPECT_LE(fig.left + fig.width, f.field.left + f.field.width + (isKeeper(i) ? 300 : 0)) << i;
    EXPECT_GE(fig.top, f.field.top - fig.height) << i;
    EXPECT_LE(fig.top + fig.height, f.field.top + f.field.height) << i;
  }
  // Each keeper overlaps his own goal area; each goal marker lies in its net.
  auto overlaps = [](const Element& a, const Element& b) {
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
  };
  for (int side : {HomeSide, Visitors}) {
    EXPECT_TRUE(overlaps(f.player[keeperOf(side)], f.GoalieBox[side])) << side;
    EXPECT_TRUE(overlaps(f.player[goalMarkerOf(side)], f.shpGoal[side])) << side;
  }
}

// ---- The judges' panel ------------------------------------------------------------------

TEST(Design, EachJudgesFlagStandsOverItsScoreCards) {
  Opened w;
  Form1& f = w.form;
  for (int j = 0; j < 7; ++j) {
    const float flagCentre = f.Image3[j].left + f.Image3[j].width / 2;
    EXPECT_NEAR(flagCentre, f.lblTD[j].left + f.lblTD[j].width / 2, Pixel) << j;
    EXPECT_NEAR(f.lblTD[j].left, f.lblAM[j].left, 0.5f) << j;
    EXPECT_LE(f.Image3[j].top + f.Image3[j].height, f.lblTD[j].top + 0.5f) << j;
    EXPECT_LE(f.lblAM[j].left + f.lblAM[j].width, f.picJudge.width) << j;
    EXPECT_TRUE(f.lblTD[j].opaque);
    EXPECT_EQ(f.lblTD[j].backColor, White);
  }
}

TEST(Design, AWrongIndexOfAnArrayWithGapsChangesNothingOnTheWindow) {
  Opened w;
  Form1& f = w.form;
  const std::size_t elements = f.elements().size();
  Shape& missing = f.Shape25[6];
  EXPECT_EQ(missing.container, nullptr);  // never drawn
  missing.visible = true;
  missing.left = 1234;
  EXPECT_FALSE(f.Shape25.contains(6));
  EXPECT_EQ(f.Shape25[6].left, 0);  // asked again, it is a fresh spare
  EXPECT_EQ(f.elements().size(), elements);
  for (auto& [index, shape] : f.Shape25) EXPECT_NE(shape.left, 1234) << index;
}
