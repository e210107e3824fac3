// The window drawn larger by the toolkit's scaling: every part at its design
// place times the scale, with sharp edges, the window still centred on the
// screen, and no trail left behind by what moves.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QCoreApplication>
#include <QFontMetrics>
#include <QImage>
#include <QLabel>
#include <QScreen>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cmath>
#include <memory>

#include "app/form1.h"
#include "platform/options.h"
#include "platform/virtual_platform.h"
#include "qt/painting.h"
#include "qt/program.h"
#include "qt/scale.h"
#include "qt/view.h"

namespace {

constexpr QRgb White = 0xffffffff;
constexpr QRgb PitchGreen = 0xff008000;
constexpr QRgb Orange = 0xffff8000;
constexpr QRgb Grey = 0xff808080;

class ScaledWindow : public ::testing::Test {
 protected:
  void SetUp() override {
    platform.attach(form);
    form.load();
    view = std::make_unique<View>(form);
    form.Command2_Click();
    form.Command5_Click();  // the kick-off: its introduction runs in virtual time
    view->sync();
    scale = view->window()->devicePixelRatioF();
  }

  // The device pixel at the middle of the design pixel (x, y) of the match
  // screen, given in twips.
  QPoint at(float x, float y) const {
    const auto device = [this](float twips, float origin) {
      return static_cast<int>(std::floor((toPixels(twips) + toPixels(origin) + 0.5) * scale));
    };
    return {device(x, form.Picture1.left), device(y, form.Picture1.top)};
  }

  QImage painted() {
    return view->window()->grab().toImage().convertToFormat(QImage::Format_RGB32);
  }
  // What the window's backing store holds after its pending repaints: only
  // the changed parts are painted again, so a stale pixel shows here.
  QImage onScreen() {
    QCoreApplication::processEvents();
    QPaintDevice* store = view->window()->backingStore()->paintDevice();
    if (store->devType() != QInternal::Image) return {};
    return static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
  }

  VirtualPlatform platform;
  Form1 form{platform};
  std::unique_ptr<View> view;
  qreal scale = 1;
};

}  // namespace

TEST_F(ScaledWindow, EveryPartLiesAtItsDesignPlaceTimesTheScaleWithSharpEdges) {
  ASSERT_GT(scale, 1.0);
  for (Figure& figure : form.player) figure.visible = false;
  view->sync();
  const QImage image = painted();
  EXPECT_NEAR(image.width(), 691 * scale, 1);
  EXPECT_NEAR(image.height(), 506 * scale, 1);
  // The field's white outline, one design pixel wide, on the green.
  const Shape& field = form.field;
  EXPECT_EQ(image.pixel(at(field.left, 4000)), White);
  EXPECT_EQ(image.pixel(at(field.left + 15, 4000)), PitchGreen);
  EXPECT_EQ(image.pixel(at(3000, field.top)), White);
  EXPECT_EQ(image.pixel(at(3000, field.top + 15)), PitchGreen);
  // The halfway line: about the scale's width of white, and nothing but white
  // and green around it, as a blurred copy would show.
  int white = 0;
  for (QPoint p = at(5010 - 45, 4000); p.x() <= at(5010 + 45, 4000).x(); ++p.rx()) {
    white += image.pixel(p) == White;
    EXPECT_TRUE(image.pixel(p) == White || image.pixel(p) == PitchGreen) << p.x();
  }
  EXPECT_GE(white, std::floor(scale));
  EXPECT_LE(white, std::ceil(scale) + 1);
  // The scoreboard: its three-pixel orange border, then grey inside.
  const Shape& board = form.Shape8;
  const float middle = board.top + board.height / 2;
  EXPECT_EQ(image.pixel(at(board.left, middle)), Orange);
  EXPECT_EQ(image.pixel(at(board.left + 2 * 15, middle)), Orange);
  EXPECT_EQ(image.pixel(at(board.left + 3 * 15, middle)), Grey);
  // The announcer's box: white inside its black border.
  const Shape& box = form.Shape25[7];
  EXPECT_EQ(image.pixel(at(box.left, 6700)), 0xff000000u);
  EXPECT_EQ(image.pixel(at(box.left + 15, 6700)), White);
}

TEST_F(ScaledWindow, WhatMovesLeavesNoTrailBehind) {
  view->window()->show();
  onScreen();
  // Figures and the ball wander in small steps; the screen, repainted only
  // where things changed, must show what painting it all afresh shows.
  for (int step = 0; step < 40; ++step) {
    for (std::size_t i = 0; i < Players; ++i) {
      // Across, down or both, by a few twips or pixels.
      form.player[i].left += static_cast<float>((step + i) % 7) * 11 - 33;
      form.player[i].top += static_cast<float>((step * 3 + i) % 5) * 9 - 18;
    }
    form.picBall.left += 23;
    form.picBall.top -= 9;
    view->sync();
    QCoreApplication::processEvents();
  }
  EXPECT_EQ(onScreen(), painted());
}

// The widest commentary lines and a long carded name: a one-line label's
// text runs past its box at both ends instead of wrapping or being cut, and
// nothing of it stays behind once a shorter text replaces it.
TEST_F(ScaledWindow, TextWiderThanAOneLineLabelShowsWholeOnItsLine) {
  form.RedCard.visible = true;
  struct Case {
    Label& label;
    const char* text;
  };
  const Case cases[] = {
      {form.Announcer, "Welcome to another typically monumentally uninteristing World Cup contest"},
      {form.Announcer, "Let's see if this draws a card, even though there was nobody around him."},
      {form.RedCardWho, "Turarobonsmann"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    c.label.caption = "";
    view->sync();
    const QImage blank = painted();
    c.label.caption = c.text;
    view->sync();
    const QImage shown = painted();
    // The device pixels within design pixels [x0, x1) x [y0, y1) of the
    // label's container that the text changed.
    QPoint origin;
    for (const Panel* p = c.label.container; p != &form.Form; p = p->container)
      origin += boxOf(*p).topLeft();
    auto changed = [&](double x0, double x1, double y0, double y1) {
      int n = 0;
      for (int y = std::ceil((origin.y() + y0) * scale); y < (origin.y() + y1) * scale; ++y)
        for (int x = std::ceil((origin.x() + x0) * scale); x < (origin.x() + x1) * scale; ++x)
          n += shown.pixel(x, y) != blank.pixel(x, y);
      return n;
    };
    const QRect box = boxOf(c.label);
    const QFontMetrics metrics(fontOf(c.label.font));
    const double half = metrics.horizontalAdvance(QString(c.text)) / 2.0;
    const double centre = box.left() + box.width() / 2.0, line = metrics.height();
    ASSERT_GT(2 * half, box.width());
    const double top = box.top(), left = box.left(), right = box.left() + box.width();
    EXPECT_GT(changed(centre - half + 1, left, top, top + line), 0) << "the first word";
    EXPECT_GT(changed(right, centre + half - 1, top, top + line), 0) << "the last word";
    EXPECT_EQ(changed(left, right, top + line + 1, box.top() + box.height()), 0) << "a second line";
  }
  view->window()->show();
  onScreen();
  form.Announcer.caption = "Nice play..";
  view->sync();
  EXPECT_EQ(onScreen(), painted());
}

TEST(ScaledProgram, StartUpCentresTheWindowOnTheScreen) {
  QtProgram program;
  program.start();
  const QWidget* window = program.view.window();
  const QRect screen = window->screen()->geometry();
  const QSize frame = designFrameSize();
  EXPECT_NEAR(window->x() + (window->width() + frame.width()) / 2.0,
              screen.x() + screen.width() / 2.0, 1);
  EXPECT_NEAR(window->y() + (window->height() + frame.height()) / 2.0,
              screen.y() + screen.height() / 2.0, 1);
  program.form.click(program.form.Command3);
  // Ending makes every later event loop return at once; a short exec clears that.
  QTimer::singleShot(0, qApp, &QCoreApplication::quit);
  QCoreApplication::exec();
}

// The longest information sheet, windowed and full screen: every one of its
// nine lines stands on one line, and the box lies on the screen.
TEST(ScaledProgram, TheInformationSheetShowsEachLineWhole) {
  const QStringList sheet = {
      "HUNMANSLAVIA",
      "(pop. 114 million)",
      "",
      "Government: Dictatorship",
      "Head of State: Generalissimo Robobobonsmann (currently dating Brick Malone-Sparkle)",
      "Tax Rate: (99%)",
      "Economic Basis: Internet get-rich-quick schemes",
      "Staple Food: Toblerone",
      "Attitude toward USA: \"We need the foreign aid\""};
  for (bool fullScreen : {false, true}) {
    SCOPED_TRACE(fullScreen ? "full screen" : "windowed");
    Options options;
    options.fullScreen = fullScreen;
    QtProgram program(options);
    program.start();
    QTimer::singleShot(0, [&] {
      QWidget* box = QApplication::activeModalWidget();
      ASSERT_NE(box, nullptr);
      int texts = 0;
      for (const QLabel* label : box->findChildren<QLabel*>()) {
        if (!label->text().startsWith(sheet[0])) continue;
        ++texts;
        const QFontMetrics metrics = label->fontMetrics();
        EXPECT_EQ(label->height(), sheet.size() * metrics.lineSpacing());
        for (const QString& line : sheet)
          EXPECT_LE(metrics.horizontalAdvance(line), label->width());
      }
      EXPECT_EQ(texts, 1);
      EXPECT_TRUE(box->screen()->availableGeometry().contains(box->frameGeometry()));
      box->close();
    });
    program.platform.messageBox("Country Information", sheet.join("\r\n").toStdString());
    program.form.click(program.form.Command3);
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
  }
}
