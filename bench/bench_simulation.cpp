// How long the virtual platform takes to run a whole match: 18 real minutes
// of clock steps, from kick-off, with the engine ticking every step and the
// clock every 64.
#include <benchmark/benchmark.h>

#include "app/form1.h"
#include "platform/virtual_platform.h"

static void BM_VirtualMatch18Minutes(benchmark::State& state) {
  constexpr std::uint64_t Steps = 18ull * 60 * StepsPerSecond;
  for (auto _ : state) {
    VirtualPlatform platform;
    platform.script().seed(7);
    Form1 form(platform);
    platform.attach(form);
    form.load();
    form.click(form.Command2);
    form.click(form.Command5);
    platform.run(Steps);
    benchmark::DoNotOptimize(form.engineTicks);
    state.counters["engine_ticks"] = static_cast<double>(form.engineTicks);
    state.counters["match_minute"] = form.MatchMinute;
  }
}
BENCHMARK(BM_VirtualMatch18Minutes)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
