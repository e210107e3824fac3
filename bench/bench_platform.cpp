// CPU used by the real Qt platform per second of wall time: on the title
// screen with the bomb animation running, during a four-second DelayMs of
// the match and during 20 s of a playing match, beside a plain Qt window of
// the same size that only keeps the clock's 64 steps a second (with and
// without a label that changes every step). The run ends with the program's
// shares as multiples of the ticking windows'. Runs on whatever display Qt
// finds (set QT_QPA_PLATFORM=offscreen, or run under xvfb-run).
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QTimer>
#include <QTimerEvent>
#include <QWidget>
#include <cstdio>
#include <map>
#include <string>

#include "app/design.h"
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

// Each benchmark's share of one core, by name, for the ratios at the end.
std::map<std::string, double>& shares() {
  static std::map<std::string, double> measured;
  return measured;
}

// Runs `body` and reports its CPU time as a share of one core over its wall
// time, remembered as `name`'s.
template <class Body>
void measure(benchmark::State& state, const std::string& name, Body body) {
  for (auto _ : state) {
    QElapsedTimer wall;
    wall.start();
    double cpu = cpuSeconds();
    body();
    double used = cpuSeconds() - cpu;
    double seconds = static_cast<double>(wall.nsecsElapsed()) / 1e9;
    state.counters["cpu_percent_of_one_core"] = 100.0 * used / seconds;
    state.counters["wall_seconds"] = seconds;
    shares()[name] = 100.0 * used / seconds;
  }
}

// Runs the application's event loop for `ms` of wall time.
void runFor(int ms) {
  QTimer::singleShot(ms, [] { QCoreApplication::exit(0); });
  QApplication::exec();
}

// The least a window that keeps the clock costs: a window of the broadcast's
// size whose timer is armed for each 1/64 s boundary, as the program's
// heartbeat is, and optionally a label that shows the step's number anew at
// every step.
class TickingWindow : public QWidget {
 public:
  explicit TickingWindow(bool label) {
    setFixedSize(toPixels(FormWidth), toPixels(FormHeight));
    if (label) {
      label_ = new QLabel(QStringLiteral("0"), this);
      label_->setGeometry(10, 10, 100, 20);
    }
    show();
    clock_.start();
    arm();
  }

 protected:
  void timerEvent(QTimerEvent* event) override {
    if (event->timerId() != timer_) return;
    killTimer(timer_);
    ++step_;
    if (label_) label_->setText(QString::number(step_));
    arm();
  }

 private:
  void arm() {
    const qint64 boundaryNs = static_cast<qint64>((step_ + 1) * 1000000000ull / StepsPerSecond);
    const qint64 waitMs = (boundaryNs - clock_.nsecsElapsed() + 999999) / 1000000;
    timer_ = startTimer(static_cast<int>(waitMs < 0 ? 0 : waitMs), Qt::PreciseTimer);
  }

  QElapsedTimer clock_;
  QLabel* label_ = nullptr;
  std::uint64_t step_ = 0;
  int timer_ = 0;
};

// The ratios of the program's shares to the ticking windows', as a table.
void printRatios() {
  const auto& measured = shares();
  const auto find = [&](const std::string& name) {
    const auto found = measured.find(name);
    return found == measured.end() ? 0.0 : found->second;
  };
  const double plain = find("ticking window"), label = find("ticking window, label");
  std::printf("\n%-36s %8s %12s %12s\n", "share of one core", "percent", "/ ticking",
              "/ with label");
  for (const auto& [name, share] : measured)
    std::printf("%-36s %8.2f %11.2fx %11.2fx\n", name.c_str(), share,
                plain > 0 ? share / plain : 0.0, label > 0 ? share / label : 0.0);
}

}  // namespace

// Argument 1 changes the label every step.
static void BM_TickingWindow(benchmark::State& state) {
  const bool label = state.range(0) != 0;
  TickingWindow w(label);
  QApplication::processEvents();  // settle the first paint
  measure(state, label ? "ticking window, label" : "ticking window", [] { runFor(10000); });
}
BENCHMARK(BM_TickingWindow)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

static void BM_TitleScreenIdle(benchmark::State& state) {
  Window w;
  QApplication::processEvents();  // settle the first paint
  measure(state, "title screen", [] { runFor(10000); });
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
    measure(state, "DelayMs during the match", [&] { w.form.DelayMs(4000); });
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
  measure(state, state.range(0) ? "playing match, voice" : "playing match", [&] {
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
  printRatios();
  return 0;
}
