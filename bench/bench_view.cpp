// What the window costs per frame: sync() and the repaints it schedules,
// painted by Qt into the offscreen window's backing store. The heartbeat
// runs 64 frames a second, so each benchmark also reports its share of one
// CPU core at that rate (cpu_pct_at_64fps).
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QCoreApplication>
#include <QImage>
#include <QWidget>
#include <ctime>
#include <memory>

#include "app/form1.h"
#include "platform/virtual_platform.h"
#include "qt/view.h"

namespace {

QApplication& application() {
  static int argc = 1;
  static char name[] = "bench_view";
  static char* argv[] = {name, nullptr};
  static QApplication* app = [] {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    auto* a = new QApplication(argc, argv);
    installFontSubstitutions();
    return a;
  }();
  return *app;
}

// A shown window over a loaded form, with nothing pending.
struct Scene {
  Scene() {
    application();
    platform.script().seed(7);
    platform.attach(form);
    form.load();
    view = std::make_unique<View>(form);
    view->window()->show();
    frame();
  }
  // One frame as the heartbeat makes it: sync, then let Qt paint what changed.
  void frame() {
    view->sync();
    QCoreApplication::processEvents();
  }
  void kickOff() {
    form.Command2_Click();
    form.Command5_Click();
    // The match runs on the benchmark's own moves only.
    form.Timer2.enabled = form.Timer3.enabled = false;
    frame();
  }

  VirtualPlatform platform;
  Form1 form{platform};
  std::unique_ptr<View> view;
};

// Per-frame CPU time, and what it comes to at the heartbeat's 64 frames a
// second as a percentage of one core.
void report(benchmark::State& state, std::clock_t spent) {
  if (state.iterations() == 0) return;
  const double perFrame =
      static_cast<double>(spent) / CLOCKS_PER_SEC / static_cast<double>(state.iterations());
  state.counters["frame_cpu_us"] = perFrame * 1e6;
  state.counters["cpu_pct_at_64fps"] = perFrame * StepsPerSecond * 100;
}

// The title screen: the bomb falls, the blasts flash, the builder blinks white.
void BM_TitleAnimationFrame(benchmark::State& state) {
  Scene scene;
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    scene.form.Timer1_Timer();
    scene.frame();
  }
  report(state, std::clock() - start);
}
BENCHMARK(BM_TitleAnimationFrame);

// The match: all 22 players step a few twips, the ball flies 40 twips, the
// clock changes once a second and the commentary line now and then.
void BM_MatchFrame(benchmark::State& state) {
  Scene scene;
  scene.kickOff();
  Form1& form = scene.form;
  int n = 0;
  const std::clock_t start = std::clock();
  for (auto _ : state) {
    const float sway = (n / 16) % 2 == 0 ? 15.0f : -15.0f;
    for (int i = 0; i < Players; ++i) {
      form.player[i].left += (i % 2 == 0) ? sway : -sway;
      form.player[i].top += (i % 3 == 0) ? sway : -sway / 2;
    }
    form.picBall.left += (n / 32) % 2 == 0 ? 40.0f : -40.0f;
    if (n % StepsPerSecond == 0) form.Timer3_Timer();
    if (n % 100 == 0) form.Announcer.caption = n % 200 == 0 ? "He passes." : "He passes again.";
    scene.frame();
    ++n;
  }
  report(state, std::clock() - start);
}
BENCHMARK(BM_MatchFrame);

// A frame in which nothing changed: what every idle heartbeat costs.
void BM_IdleFrame(benchmark::State& state) {
  Scene scene;
  scene.kickOff();
  const std::clock_t start = std::clock();
  for (auto _ : state) scene.frame();
  report(state, std::clock() - start);
}
BENCHMARK(BM_IdleFrame);

// For scale: painting the whole window from scratch, as on first show.
void BM_WholeWindowPaint(benchmark::State& state) {
  Scene scene;
  scene.kickOff();
  QImage image(scene.view->window()->size(), QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) {
    scene.view->window()->render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
}
BENCHMARK(BM_WholeWindowPaint);

}  // namespace

BENCHMARK_MAIN();
