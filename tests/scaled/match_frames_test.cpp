// What the screen shows, frame after frame through a whole match with every
// skit, the window repainted only where things changed: the same as the
// window drawn whole at that moment.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBackingStore>
#include <QImage>
#include <QWidget>
#include <algorithm>
#include <string>

#include "app/form1.h"
#include "match/engine.h"
#include "qt/view.h"
#include "support/session.h"

TEST(ScaledMatch, EveryFrameOfAMatchWithEverySkitShowsWhatARedrawDraws) {
  Session match(0, {.seed = 1998});
  Form1& form = match.form;
  View view(form);
  QWidget* window = view.window();
  window->show();
  QApplication::processEvents();

  // The builder's and the lineups' "&Go", then each skit by its name, well
  // apart, the walk-off last: it ends the match.
  auto second = [](int s) { return static_cast<std::uint64_t>(s) * StepsPerSecond; };
  bool kickedOff = false;
  match.platform.at(second(2), [&] { form.click(form.Command2); });
  match.platform.at(second(4), [&] {
    kickedOff = true;
    form.click(form.Command5);
  });
  int at = 60;
  for (const SkitRow& row : Skits)
    if (row.name != "walk-off") {
      match.platform.at(second(at), [&form, name = std::string(row.name)] { form.stage(name); });
      at += 200;
    }
  match.platform.at(second(at), [&form] { form.stage("walk-off"); });

  // Frames are compared a prime number of passes apart, so that they fall on
  // every phase of the figures' walks and of the timers: often while the
  // bomb falls and the lineups show, or while a skit, a goal or the
  // introduction runs its waits; now and then in open play.
  int frames = 0, wrong = 0;
  std::string first;
  match.platform.afterEachPass([&](int depth) {
    view.sync();
    QApplication::processEvents();
    if (match.platform.passes() % (!kickedOff ? 3 : depth > 1 ? 29 : 251)) return;
    ++frames;
    QPaintDevice* store = window->backingStore()->paintDevice();
    ASSERT_EQ(store->devType(), QInternal::Image);
    const QImage shown = static_cast<QImage*>(store)->convertToFormat(QImage::Format_RGB32);
    const QImage whole = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
    if (shown != whole && wrong++ == 0) {
      int n = 0;
      for (int y = 0; y < shown.height(); ++y)
        for (int x = 0; x < shown.width(); ++x) n += shown.pixel(x, y) != whole.pixel(x, y);
      first = std::to_string(n) + " pixels at step " + std::to_string(match.platform.step());
    }
  });
  while (!form.ended()) match.platform.run(1);
  match.platform.afterEachPass(nullptr);

  EXPECT_EQ(wrong, 0) << "of " << frames << " frames; the first: " << first;
  // Every skit ran, and a goal came.
  const auto& moments = form.replay.moments();
  const auto happened = [&](MomentKind kind) {
    return std::any_of(moments.begin(), moments.end(),
                       [kind](const auto& m) { return m.kind == kind; });
  };
  for (const SkitRow& row : Skits)
    EXPECT_TRUE(std::any_of(row.moments.begin(), row.moments.end(), happened)) << row.name;
  EXPECT_TRUE(happened(MomentKind::Goal));
}
