// Cost of the pure colour maths that every tick and every swatch runs.
#include "color/channel_gains.h"
#include "schedule/light_schedule.h"

#include <benchmark/benchmark.h>

namespace {

void evaluateAcrossTheDay(benchmark::State& state) {
    const torvel::LightSchedule schedule;
    double minute = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(schedule.evaluate(minute));
        minute += 7.3;
        if (minute >= 1440) {
            minute -= 1440;
        }
    }
}
BENCHMARK(evaluateAcrossTheDay);

void mixKelvin(benchmark::State& state) {
    double f = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvel::mixKelvin(6500, 2700, f));
        f = f > 1 ? 0 : f + 0.013;
    }
}
BENCHMARK(mixKelvin);

void channelGains(benchmark::State& state) {
    std::int64_t k = 1000;
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvel::ChannelGains(k));
        k = k > 6500 ? 1000 : k + 37;
    }
}
BENCHMARK(channelGains);

} // namespace
