#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "qt/view.h"
#include "support/desktop.h"

namespace {

struct Window : Desktop {
  Window() { start(); }
  ~Window() {
    // Ending calls QCoreApplication::exit, which makes every later event
    // loop return at once; a short exec of the application clears that.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
  }
};

}  // namespace

TEST(QtPlatform, EveryPassDeliversTheNextStepAndTheTickCounterReadsItsStart) {
  Window w;
  for (int i = 0; i < 8; ++i) {
    const std::uint64_t before = w.platform.step();
    w.platform.processEventsOnce();
    EXPECT_EQ(w.platform.step(), before + 1);  // one heartbeat a pass, none left out
    EXPECT_EQ(w.platform.tickCount(), msOfStep(w.platform.step()));
    // The program's clock never runs ahead of the real one.
    EXPECT_LE(w.platform.step(), w.platform.realStep());
  }
}

TEST(QtPlatform, HurriedEveryPassComesAtOnceAndTheRealPaceResumesAfter) {
  Window w;
  const std::uint64_t real = w.platform.realStep(), step = w.platform.step();
  w.platform.hurry(true);
  for (int i = 0; i < 640; ++i) w.platform.processEventsOnce();  // ten seconds of steps
  EXPECT_EQ(w.platform.step(), step + 640);
  EXPECT_LT(w.platform.realStep() - real, 320u);  // far fewer than they stand for
  const std::uint64_t resumed = w.platform.realStep();
  w.platform.hurry(false);
  w.platform.processEventsOnce();
  EXPECT_EQ(w.platform.step(), step + 641);
  EXPECT_GT(w.platform.realStep(), resumed);  // the next one waited for the real clock
}

TEST(QtPlatform, TheWindowHasTheDesignedClientAreaAndCannotBeResized) {
  Window w;
  QWidget* window = w.view.window();
  EXPECT_EQ(window->size(), QSize(691, 506));
  EXPECT_EQ(window->minimumSize(), window->maximumSize());
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMinimizeButtonHint);
  EXPECT_FALSE(window->windowFlags() & Qt::WindowMaximizeButtonHint);
  EXPECT_FALSE(window->windowIcon().isNull());
}

TEST(QtPlatform, TheTitleExitEndsTheProgramAndHidesTheWindow) {
  Window w;
  w.form.click(w.form.Command3);
  EXPECT_TRUE(w.form.ended());
  EXPECT_FALSE(w.view.window()->isVisible());
}

// On the live channel a match that ends by itself leaves its window up for
// the next match's to take its place, so that the screen never goes black;
// the viewer's Exit still takes it away.
TEST(QtPlatform, OnTheLiveChannelOnlyTheViewersExitHidesTheWindow) {
  for (const bool viewerLeaves : {false, true}) {
    SCOPED_TRACE(viewerLeaves ? "Exit" : "the walk-off");
    Window w;
    w.platform.live = true;
    w.platform.hurry(true);  // the waits' passes come at once
    // Exit comes in the kick-off's first wait, before any draw of the lottery
    // could end the match by itself.
    if (viewerLeaves)
      QTimer::singleShot(0, [&] { w.form.click(w.form.cmdExit); });
    else
      ASSERT_TRUE(w.form.stage("walk-off"));
    w.form.click(w.form.Command2);
    w.form.click(w.form.Command5);
    for (int pass = 0; pass < 64 * 60 && !w.form.ended(); ++pass) w.platform.processEventsOnce();
    ASSERT_TRUE(w.form.ended());
    EXPECT_EQ(w.form.viewerLeft(), viewerLeaves);
    EXPECT_EQ(w.view.window()->isVisible(), !viewerLeaves);
  }
}

TEST(QtPlatform, ClosingTheWindowInsideNestedWaitsUnwindsAtOnce) {
  Window w;
  w.form.click(w.form.Command2);
  // Kick-off's introduction waits; inside it the match's Exit waits four
  // seconds; a second Exit clicked inside that wait starts another; the
  // window is closed by its frame inside that one.
  QTimer::singleShot(0, [&] {
    QTimer::singleShot(0, [&] {
      QTimer::singleShot(0, [&] { w.view.window()->close(); });
      w.form.click(w.form.cmdExit);
    });
    w.form.click(w.form.cmdExit);
  });
  QElapsedTimer wall;
  wall.start();
  w.form.click(w.form.Command5);
  EXPECT_TRUE(w.form.ended());
  EXPECT_LT(wall.elapsed(), 2000);  // none of the waits went on
  std::uint64_t ticks = w.form.engineTicks;
  QCoreApplication::processEvents();
  EXPECT_EQ(w.form.engineTicks, ticks);
  EXPECT_FALSE(w.view.window()->isVisible());
}
