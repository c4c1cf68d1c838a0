// Cost of the pure colour maths that every tick and every swatch runs.
#include "color/channel_gains.h"
#include "schedule/light_schedule.h"
#include "schedule/sun_times.h"

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

// What following the sun adds to every update: one day's sunrise and dusk.
void sunScheduleOfADay(benchmark::State& state) {
    const torvel::LightSchedule schedule;
    const QTimeZone zone("Europe/Oslo");
    QDate date(2026, 1, 1);
    for (auto _ : state) {
        benchmark::DoNotOptimize(torvel::sunSchedule(schedule, date, zone, {59.91, 10.75}));
        date = date.month() == 12 && date.day() == 31 ? QDate(2026, 1, 1) : date.addDays(1);
    }
}
BENCHMARK(sunScheduleOfADay)->Unit(benchmark::kMicrosecond);

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
