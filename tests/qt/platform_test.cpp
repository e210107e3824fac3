#include <gtest/gtest.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "qt/program.h"
#include "qt/view.h"

namespace {

struct Window : QtProgram {
  Window() { start(); }
  ~Window() {
    // Ending calls QCoreApplication::exit, which makes every later event
    // loop return at once; a short exec of the application clears that.
    QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    QCoreApplication::exec();
  }
};

}  // namespace

TEST(QtPlatform, TheTickCounterMovesInWholeStepsAndAPassWaitsForTheNextOne) {
  Window w;
  for (int i = 0; i < 8; ++i) {
    std::uint64_t before = w.platform.currentStep();
    w.platform.processEventsOnce();
    std::uint64_t after = w.platform.currentStep();
    EXPECT_GT(after, before);
    // The reading is the start of a whole step, the one just read or, on a
    // loaded machine, one that began since.
    const std::uint32_t ms = w.platform.tickCount();
    const std::uint64_t now = w.platform.currentStep();
    bool whole = false;
    for (std::uint64_t s = after; s <= now; ++s) whole = whole || ms == msOfStep(s);
    EXPECT_TRUE(whole) << ms << " ms is not the start of a step from " << after << " to " << now;
  }
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
