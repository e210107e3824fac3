// How fast the core runs on the virtual platform: one engine tick, a whole
// match from kick-off to its end in virtual time, and opening a match from
// its code.
#include <benchmark/benchmark.h>

#include <chrono>

#include "app/form1.h"
#include "match/engine.h"
#include "virtual/virtual_platform.h"

namespace {

struct Match {
  VirtualPlatform platform;
  Form1 form{platform};
  explicit Match(std::uint64_t seed) {
    platform.script().seed(seed);
    platform.attach(form);
    form.load();
    form.click(form.Command2);
  }
};

}  // namespace

// One tick of play with nothing drawn in the lottery: the possession step and
// 21 wandering figures. A shot's goal sequence now and then is part of it.
static void BM_EngineTick(benchmark::State& state) {
  Match m(3);
  for (auto _ : state) {
    m.platform.script().pushDraw(LotteryRange - 1, LotteryRange);
    m.form.Timer2_Timer();
  }
  state.counters["ticks"] = static_cast<double>(m.form.engineTicks);
}
BENCHMARK(BM_EngineTick);

// A match from kick-off until it ends (the walk-off, the full-time speech) or
// 18 minutes of clock steps have passed, whichever comes first; reported per
// 18 minutes of match so that early ends compare.
static void BM_VirtualMatch(benchmark::State& state) {
  constexpr std::uint64_t Steps = 18ull * 60 * StepsPerSecond;
  std::uint64_t seed = 1, steps = 0;
  const auto start = std::chrono::steady_clock::now();
  for (auto _ : state) {
    Match m(seed++);
    m.form.click(m.form.Command5);
    m.platform.run(Steps);
    steps += m.platform.step();
  }
  const std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
  state.counters["minutes_per_match"] =
      static_cast<double>(steps) / static_cast<double>(state.iterations()) / StepsPerSecond / 60;
  state.counters["ms_per_18_minutes"] =
      spent.count() * static_cast<double>(Steps) / static_cast<double>(steps);
}
BENCHMARK(BM_VirtualMatch)->Unit(benchmark::kMillisecond);

// Start-up with a match code: the generator skips the code's draws (none, or
// the most a code may hold) and the lineups are drawn.
static void BM_OpenMatchCode(benchmark::State& state) {
  KickOff kickOff;
  kickOff.seed = 1998;
  kickOff.draws = static_cast<std::uint64_t>(state.range(0));
  kickOff.phase = 3;
  for (auto _ : state) {
    VirtualPlatform platform;
    Form1 form{platform};
    platform.attach(form);
    form.replay.open(kickOff);
    form.load();
    benchmark::DoNotOptimize(form.Label3.caption.data());
  }
}
BENCHMARK(BM_OpenMatchCode)
    ->Arg(0)
    ->Arg(static_cast<std::int64_t>(MostDraws))
    ->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
