// CPU used by the real Qt platform per second of wall time: on the title
// screen with the bomb animation running, and during a four-second DelayMs
// of the match. Runs on whatever display Qt finds (set
// QT_QPA_PLATFORM=offscreen, or run under xvfb-run).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include "qt/painting.h"
#include "qt/view.h"
#include "support/desktop.h"

namespace {

double cpuSeconds() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
         static_cast<double>(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

// Seeded, so that runs to compare (at two scales, say) play much the same
// match: the draws still follow the real time between the engine's steps.
// Seed 1990 plays on without a goal for the whole 20 s.
// With `voice`, as --voice starts it: where no speech engine or audio device
// is found, it is silent, and only the choice of what to read runs.
struct Window : Desktop {
  explicit Window(bool voice = false) : Desktop(seeded(voice)) { start(); }
  static Options seeded(bool voice) {
    Options options;
    options.seed = 1990;
    options.voice = voice;
    return options;
  }
};

// Runs `body` and reports its CPU time as a share of one core over its wall time.
template <class Body>
void measure(benchmark::State& state, Body body) {
  for (auto _ : state) {
    QElapsedTimer wall;
    wall.start();
    double cpu = cpuSeconds();
    body();
    double used = cpuSeconds() - cpu;
    double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    state.counters["cpu_percent_of_one_core"] = 100.0 * used / seconds;
    state.counters["wall_seconds"] = seconds;
  }
}

}  // namespace

static void BM_TitleScreenIdle(benchmark::State& state) {
  Window w;
  QApplication::processEvents();  // settle the first paint
  measure(state, [&] {
    QTimer::singleShot(3000, [] { QCoreApplication::exit(0); });
    QApplication::exec();
  });
  state.counters["bomb_top"] = w.form.lebomb.top;
}
BENCHMARK(BM_TitleScreenIdle)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// Measured inside the kick-off's introduction, whose waits already run the
// match; closing the window then ends the introduction at once.
static void BM_DelayMsDuringTheMatch(benchmark::State& state) {
  Window w;
  w.form.click(w.form.Command2);
  QTimer::singleShot(0, [&] {
    std::uint64_t ticks = w.form.engineTicks;
    measure(state, [&] { w.form.DelayMs(4000); });
    state.counters["engine_ticks_per_second"] =
        static_cast<double>(w.form.engineTicks - ticks) / 4.0;
    w.form.closeRequested();
  });
  w.form.click(w.form.Command5);
}
BENCHMARK(BM_DelayMsDuringTheMatch)->Iterations(1)->Unit(benchmark::kMillisecond)->UseRealTime();

// The match playing in the window's own event loop for 20 s after kick-off:
// the ball and the figures moving, the clock ticking, lines changing. A
// walk-off may end it sooner; the wall time says how long it ran. Argument 1
// plays it with the voice on.
static void BM_MatchPlaying(benchmark::State& state) {
  Window w(state.range(0) != 0);
  QApplication::processEvents();
  std::uint64_t ticks = 0;
  measure(state, [&] {
    QTimer::singleShot(0, [&] { w.form.click(w.form.Command5); });
    // Closing the window ends the program from inside whatever wait runs then.
    QTimer::singleShot(20000, [&] { w.form.closeRequested(); });
    w.form.click(w.form.Command2);
    QApplication::exec();
    ticks = w.form.engineTicks;
  });
  state.counters["engine_ticks"] = static_cast<double>(ticks);
}
BENCHMARK(BM_MatchPlaying)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

int main(int argc, char** argv) {
  if (qgetenv("QT_QPA_PLATFORM").isEmpty() && qgetenv("DISPLAY").isEmpty())
    qputenv("QT_QPA_PLATFORM", "offscreen");
  prepareWindowSystem();
  QApplication app(argc, argv);
  installFontSubstitutions();
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
