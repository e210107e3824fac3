// The window as painted: screens, shapes, lines and labels at their designed
// pixels and colours, clipping by panels, stacking, tool-tips, incremental
// repaints, and the way clicks and list choices reach the program.

#include "qt/view.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QFontMetrics>
#include <QHelpEvent>
#include <QImage>
#include <QPaintEvent>
#include <QPushButton>
#include <QRegion>
#include <QScreen>
#include <QToolTip>
#include <QWidget>
#include <memory>

#include "app/form1.h"
#include "qt/painting.h"
#include "support/viewed.h"

namespace {

constexpr QRgb Orange = 0xffff8000;
constexpr QRgb White = 0xffffffff;
constexpr QRgb PitchGreen = 0xff008000;
constexpr QRgb DarkBlue = 0xff0000c0;
constexpr QRgb Yellow = 0xffffff00;
constexpr QRgb Black = 0xff000000;

QRgb qrgb(Color c) { return 0xff000000u | c.rgb; }

class ViewTest : public ::testing::Test, protected Viewed {
 protected:
  QImage shot() { return view->window()->grab().toImage().convertToFormat(QImage::Format_RGB32); }

  // What the window shows after its pending repaints: only the changed
  // parts are painted again, so a missed repaint shows here.
  QImage screen() {
    QWidget* w = view->window();
    if (!w->isVisible()) w->show();
    QCoreApplication::processEvents();
    return w->screen()->grabWindow(w->winId()).toImage().convertToFormat(QImage::Format_RGB32);
  }

  // The window pixel of the point (x, y) in twips of `container`.
  QPoint at(const Panel& container, float x, float y) {
    QPoint p(toPixels(x), toPixels(y));
    for (const Panel* c = &container; c && c != &form.Form; c = c->container)
      p += QPoint(toPixels(c->left), toPixels(c->top));
    return p;
  }
  QPoint centreOf(const Element& e) {
    return at(*e.container, e.left + e.width / 2, e.top + e.height / 2);
  }
  QWidget* widgetAt(const Element& e) { return view->window()->childAt(centreOf(e)); }

  // The number of pixels of `colour` within `area` of the window, or within the element's box.
  static int count(const QImage& image, const QRect& area, QRgb colour) {
    int n = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
      for (int x = area.left(); x <= area.right(); ++x)
        if (image.valid(x, y) && image.pixel(x, y) == colour) ++n;
    return n;
  }
  int count(const QImage& image, const Element& e, QRgb colour) {
    return count(
        image, QRect(at(*e.container, e.left, e.top), QSize(toPixels(e.width), toPixels(e.height))),
        colour);
  }

  void toMatch() {
    form.Command2_Click();
    form.Command5_Click();
    view->sync();
  }

  // The match screen with no figure on the pitch but `keep`.
  void clearPitch(int keep = -1) {
    for (std::size_t i = 0; i < form.player.size(); ++i)
      form.player[i].visible = static_cast<int>(i) == keep;
    view->sync();
  }

  // Writes the window to <dir>/<name>.png when BLUNDERFEST_SCREENSHOTS names a directory.
  void keep(const char* name) {
    const QString dir = qEnvironmentVariable("BLUNDERFEST_SCREENSHOTS");
    if (dir.isEmpty()) return;
    QDir().mkpath(dir);
    shot().save(dir + "/" + name + ".png");
  }
};

TEST_F(ViewTest, TheWindowIsAFixedDialogOfTheDesignedClientSize) {
  QWidget* w = view->window();
  EXPECT_EQ(w->size(), QSize(691, 506));
  EXPECT_EQ(w->minimumSize(), w->maximumSize());
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(w->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_TRUE(w->windowFlags() & Qt::WindowCloseButtonHint);
  EXPECT_FALSE(w->windowIcon().isNull());
  EXPECT_FALSE(w->windowTitle().isEmpty());
}

TEST_F(ViewTest, TheBuilderOpensInFrontOfTheMatchScreenWithTheLineupsHidden) {
  keep("builder");
  const QImage image = shot();
  // The pitch shows around the builder, the builder's blue in its margin.
  EXPECT_EQ(image.pixel(at(form.Picture1, 690, 6000)), White);  // the field's left touch line
  EXPECT_EQ(image.pixel(at(form.Picture2, 150, 2270)), DarkBlue);
  EXPECT_EQ(count(image, form.Picture6, qrgb(form.Shape6.fillColor)), 0);
  // The builder's rows show their countries' stripes, whatever was drawn.
  for (int row = 0; row < 2; ++row) {
    const Panel& panel = form.Picture3[row];
    EXPECT_EQ(image.pixel(at(panel, 600, 700)), qrgb(form.FlagShape[row * 3].fillColor)) << row;
    EXPECT_EQ(image.pixel(at(panel, 2000, 700)), qrgb(form.FlagShape[row * 3 + 1].fillColor));
    EXPECT_EQ(image.pixel(at(panel, 4700, 700)), qrgb(form.FlagShape[row * 3 + 2].fillColor));
  }
  // The thin sunken frame: dark above and left, light below and right.
  const QPoint corner = at(form.Picture2, 0, 0);
  EXPECT_LT(qGray(image.pixel(corner)), qGray(image.pixel(corner + QPoint(507, 295))));
}

TEST_F(ViewTest, ThePitchIsMarkedInWhiteAndTheScoreboardFramedInOrange) {
  toMatch();
  clearPitch();
  keep("match");
  const QImage image = shot();
  EXPECT_EQ(image.pixel(at(form.Picture1, 690, 6000)), White);   // field's outline
  EXPECT_EQ(image.pixel(at(form.Picture1, 5010, 2500)), White);  // halfway line
  EXPECT_EQ(image.pixel(at(form.Picture1, 5010 + 30, 2500)), PitchGreen);
  // The centre circle is the largest circle in its tall box, not an oval:
  // its top lies well below the box's top.
  const Shape& circle = form.Shape25[3];
  const QPoint box = at(form.Picture1, circle.left, circle.top);
  const int d = toPixels(circle.width), lift = (toPixels(circle.height) - d) / 2;
  EXPECT_EQ(image.pixel(box + QPoint(d / 2 + 5, lift)), White);
  EXPECT_EQ(image.pixel(box + QPoint(d / 2 + 5, lift / 2)), PitchGreen);
  // The scoreboard: a grey rounded board with a 3-pixel orange border inside its box.
  const Shape& board = form.Shape8;
  const QPoint edge = at(form.Picture1, board.left, board.top + board.height / 2);
  EXPECT_EQ(image.pixel(edge), Orange);
  EXPECT_EQ(image.pixel(edge + QPoint(2, 0)), Orange);
  EXPECT_EQ(image.pixel(edge + QPoint(3, 0)), 0xff808080u);
  EXPECT_NE(image.pixel(at(form.Picture1, board.left, board.top)), Orange);  // rounded corner
  // The announcer's box is white; the goal nets hatched dark grey over the pitch.
  EXPECT_EQ(image.pixel(at(form.Picture1, 1500, 6700)), White);
  EXPECT_GT(count(image, form.shpGoal[0], 0xff404040), 20);
  EXPECT_GT(count(image, form.shpGoal[0], PitchGreen), 20);
}

TEST_F(ViewTest, TheLineupsListTenPlayersPerTeamOnePerLine) {
  form.Command2_Click();
  view->sync();
  keep("lineups");
  const QImage image = shot();
  for (const Label* list : {&form.Label3, &form.Label5}) {
    // Count the bands of rows that hold pale yellow text.
    const QPoint origin = at(form.Picture6, list->left, list->top);
    int lines = 0;
    bool inLine = false;
    for (int y = 0; y < toPixels(list->height); ++y) {
      bool ink = false;
      for (int x = 0; x < toPixels(list->width) && !ink; ++x)
        ink = image.pixel(origin + QPoint(x, y)) == qrgb(list->foreColor);
      if (ink && !inLine) ++lines;
      inLine = ink;
    }
    EXPECT_EQ(lines, 10) << list->name;
  }
}

TEST_F(ViewTest, ThePanelClipsWhatReachesPastItsEdge) {
  // The bomb, moved below the builder's flag: its body is black.
  form.lebomb.top = 2000;
  view->sync();
  const Shape& body = form.Shape3[0];
  EXPECT_EQ(shot().pixel(at(form.lebomb, body.left + 150, body.top + 340)), Black);
  // Pushed half out of the bomb's panel, the body stops at the panel's edge.
  form.Shape3[0].left = 1500;
  view->sync();
  const QImage image = shot();
  EXPECT_EQ(image.pixel(at(form.lebomb, 1700, 400)), Black);
  EXPECT_EQ(image.pixel(at(form.lebomb, 1920, 400)), DarkBlue);
}

TEST_F(ViewTest, FiguresStandInFrontOfThePitchAndShowTheirNames) {
  toMatch();
  clearPitch(3);
  Figure& figure = form.player[3];
  const Shape& head = form.shpHead[3];
  // Astride the halfway line: the head hides the line.
  figure.left = 5010 - head.left - head.width / 2;
  figure.top = 3000;
  figure.toolTip = "Mobansmann";
  view->sync();
  const QPoint onLine = at(form.Picture1, 5010, figure.top + head.top + head.height / 2);
  EXPECT_EQ(shot().pixel(onLine), qrgb(head.fillColor));
  // Hovering the figure shows his name; the pitch paints the figures itself.
  QWidget* pitch = widgetAt(figure);
  ASSERT_NE(pitch, nullptr);
  const QPoint spot = pitch->mapFrom(view->window(), centreOf(figure));
  auto hover = [&] {
    QHelpEvent help(QEvent::ToolTip, spot, pitch->mapToGlobal(spot));
    QCoreApplication::sendEvent(pitch, &help);
    return help.isAccepted();
  };
  EXPECT_TRUE(hover());
  EXPECT_EQ(QToolTip::text(), QStringLiteral("Mobansmann"));
  // Hidden, the figure leaves the line to show and names nobody.
  figure.visible = false;
  view->sync();
  EXPECT_EQ(shot().pixel(onLine), White);
  EXPECT_FALSE(hover());
}

TEST_F(ViewTest, HiddenPropsAppearOnlyOnceShownWithTheirContents) {
  toMatch();
  EXPECT_EQ(count(shot(), form.lblGOal, Orange), 0);
  form.lblGOal.visible = true;
  form.OFFS2.visible = true;
  view->sync();
  const QImage image = shot();
  EXPECT_GT(count(image, form.lblGOal, Orange), 500);
  EXPECT_GT(count(image, form.Shape14, Orange), 10);  // the sign's orange squares
}

TEST_F(ViewTest, BringingAScreenToTheFrontStacksItOverTheOther) {
  const QPoint band = at(form.Picture6, 2100, 1050);  // on the playbill's yellow band
  EXPECT_NE(shot().pixel(band), Yellow);
  form.Picture6.visible = true;
  form.bringToFront(form.Picture6);
  view->sync();
  EXPECT_EQ(shot().pixel(band), Yellow);
  form.bringToFront(form.Picture2);
  view->sync();
  EXPECT_NE(shot().pixel(band), Yellow);
}

TEST_F(ViewTest, MovedAndRecolouredElementsRepaintTheirOldAndNewPlaces) {
  toMatch();
  Shape& board = form.Shape8;
  const QPoint oldEdge = at(form.Picture1, board.left, board.top + board.height / 2);
  EXPECT_EQ(screen().pixel(oldEdge), Orange);
  board.left -= 1500;
  form.Label20.caption = "12:35";
  view->sync();
  QImage image = screen();
  EXPECT_EQ(image.pixel(at(form.Picture1, board.left, board.top + board.height / 2)), Orange);
  EXPECT_EQ(image.pixel(oldEdge), 0xff808080u);  // now inside the moved board
  form.Picture1.backColor = rgb(0x0000ff);
  view->sync();
  EXPECT_EQ(screen().pixel(at(form.Picture1, 5010 + 30, 2500)), 0xff0000ffu);
}

TEST_F(ViewTest, AStepOfAFigureOrTheBallRepaintsOnlyWhereItWasAndWhereItIs) {
  toMatch();
  screen();
  // What the pitch repaints, collected from its paint events.
  struct Painted : QObject {
    QRegion region;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() == QEvent::Paint) region += static_cast<QPaintEvent*>(event)->region();
      return false;
    }
  } painted;
  Figure& figure = form.player[5];
  QWidget* pitch = widgetAt(form.picBall);
  ASSERT_NE(pitch, nullptr);
  pitch->installEventFilter(&painted);
  const QRect figureWas = boxOf(figure), ballWas = imageBounds(form.picBall);
  figure.left += 15;
  figure.top -= 15;
  form.picBall.left += 40;
  view->sync();
  screen();
  const QRegion expected =
      QRegion(figureWas.united(boxOf(figure))).united(ballWas.united(imageBounds(form.picBall)));
  EXPECT_FALSE(painted.region.isEmpty());
  EXPECT_TRUE(expected.subtracted(painted.region).isEmpty());  // all of it
  EXPECT_TRUE(painted.region.subtracted(expected).isEmpty());  // and nothing more
}

TEST_F(ViewTest, AnAutosizeLabelGrowsFromItsCornerToFitItsText) {
  toMatch();
  const QPoint corner = at(form.Picture1, form.Label20.left, form.Label20.top);
  const QRect first(corner, QSize(40, 14)),
      further(corner + QPoint(50, 0), QSize(50, 14));  // still on the board
  QImage image = screen();
  EXPECT_GT(count(image, first, White), 10);
  EXPECT_EQ(count(image, further, White), 0);
  form.Label20.caption = "00:00 and counting";
  view->sync();
  image = screen();
  EXPECT_GT(count(image, further, White), 10);
}

TEST_F(ViewTest, AClickOnAButtonReachesTheProgram) {
  auto* exitButton = qobject_cast<QPushButton*>(widgetAt(form.cmdExit));
  ASSERT_NE(exitButton, nullptr);
  EXPECT_EQ(exitButton->text(), QStringLiteral("&Exit"));
  EXPECT_FALSE(exitButton->isEnabled());  // until kick-off

  auto* builderExit = qobject_cast<QPushButton*>(widgetAt(form.Command3));
  ASSERT_NE(builderExit, nullptr);
  builderExit->click();
  EXPECT_TRUE(form.ended());
  EXPECT_EQ(platform.endCalls(), 1);
}

// On the live channel "&Go" counts down to the kick-off: its longest count
// stands whole inside the button, clear of its frame.
TEST_F(ViewTest, TheLiveCountdownStandsWholeInsideGo) {
  form.replay.followLive([] { return -60 * 64; });
  form.Command2_Click();
  platform.run(1);
  view->sync();
  auto* go = qobject_cast<QPushButton*>(widgetAt(form.Command5));
  ASSERT_NE(go, nullptr);
  EXPECT_EQ(go->text(), QStringLiteral("01:00"));
  EXPECT_LE(QFontMetrics(go->font()).horizontalAdvance(go->text()), go->width() - 8);
}

TEST_F(ViewTest, AListChoiceReachesTheProgramAndRecoloursTheFlag) {
  auto* list = qobject_cast<QComboBox*>(widgetAt(form.Combo1[0]));
  ASSERT_NE(list, nullptr);
  ASSERT_EQ(list->count(), static_cast<int>(form.Combo1[0].entries.size()));
  EXPECT_EQ(list->currentIndex(), form.Combo1[0].listIndex);
  const int pick = (form.Combo1[0].listIndex + 1) % list->count();
  list->setCurrentIndex(pick);
  emit list->activated(pick);
  EXPECT_EQ(form.Combo1[0].listIndex, pick);
  EXPECT_EQ(shot().pixel(at(form.Picture3[0], 600, 700)), qrgb(form.FlagShape[0].fillColor));
  // A choice made by the program shows in the list.
  form.Combo1[0].listIndex = 0;
  view->sync();
  EXPECT_EQ(list->currentIndex(), 0);
}

TEST_F(ViewTest, TheTabKeyWalksTheBuilderInItsDesignedOrder) {
  const Element* designed[] = {&form.Command1[0], &form.Combo1[2],   &form.Combo1[1],
                               &form.Combo1[0],   &form.Combo1[3],   &form.Combo1[4],
                               &form.Combo1[5],   &form.Command1[1], &form.Command2,
                               &form.Command3,    &form.Command4[0], &form.Command4[1]};
  QList<QWidget*> expected;
  for (const Element* e : designed) expected.append(widgetAt(*e));
  ASSERT_FALSE(expected.contains(nullptr));
  // Walk the focus chain once round from the first, keeping the builder's widgets.
  QList<QWidget*> walked{expected.front()};
  for (QWidget* w = expected.front()->nextInFocusChain(); w != expected.front();
       w = w->nextInFocusChain())
    if (expected.contains(w)) walked.append(w);
  EXPECT_EQ(walked, expected);
}

TEST_F(ViewTest, ClosingTheWindowEndsTheProgram) {
  view->window()->show();
  view->window()->close();
  EXPECT_TRUE(form.ended());
}

}  // namespace

TEST_F(ViewTest, AFigureThatTakesOnAPictureShowsItAtItsNaturalSize) {
  toMatch();
  Figure& figure = form.player[2];
  const QRect box(at(*figure.container, figure.left, figure.top), QSize(32, 32));
  auto isPink = [](QRgb c) { return qRed(c) > 200 && qBlue(c) > 120 && qGreen(c) < 190; };
  auto pinkPixels = [&](const QImage& image) {
    int n = 0;
    for (int y = box.top(); y <= box.bottom(); ++y)
      for (int x = box.left(); x <= box.right(); ++x)
        if (isPink(image.pixel(x, y))) ++n;
    return n;
  };
  EXPECT_EQ(pinkPixels(screen()), 0);

  // The girl's picture in place of the player's shapes, at her own size.
  figure.picture = form.girl.picture;
  figure.width = form.girl.width;
  figure.height = form.girl.height;
  for (auto* part : {&form.shpShirt, &form.shpShorts, &form.shpHead, &form.shpHair, &form.shpSocks,
                     &form.shpLegs, &form.Shape10, &form.shpArms, &form.shpShoulders})
    (*part)[2].visible = false;
  view->sync();
  EXPECT_GT(pinkPixels(screen()), 20);
}

TEST_F(ViewTest, OnAHighDpiScreenHatchedBoxesAreTwiceTheSizeNotTwiceAsDense) {
  // At twice the pixel ratio a hatched box (the goal nets, the shirts) is its
  // plain self with every pixel doubled: lattice and stripes included.
  int hatched = 0;
  for (const Element* e : form.elements()) {
    if (e->kind != Kind::Shape) continue;
    const auto& shape = static_cast<const Shape&>(*e);
    if (shape.shape != ShapeKind::Rectangle || shape.hatch == Hatch::None) continue;
    ++hatched;
    const QImage plain = shapeSprite(shape, 1.0).toImage().convertToFormat(QImage::Format_ARGB32);
    QImage sharp = shapeSprite(shape, 2.0).toImage().convertToFormat(QImage::Format_ARGB32);
    sharp.setDevicePixelRatio(1.0);
    const QImage doubled = plain.scaled(plain.size() * 2, Qt::IgnoreAspectRatio);
    EXPECT_EQ(sharp, doubled) << e->name << "(" << e->index << ")";
  }
  EXPECT_GE(hatched, 2 + 22);
}
