// Cost of one coordinator update over the in-memory layer, and of one
// settings write through to a real file.
#include "core/coordinator.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_main_queue.h"
#include "fakes/manual_system_events.h"
#include "support/temp_dir.h"

#include <benchmark/benchmark.h>

namespace {

// Updates in a loop, over settings `prepare` may change first.
void updateLoop(benchmark::State& state, void (*prepare)(torvel::SettingsStore&)) {
    torvel::test::TempDir dir;
    torvel::Preferences prefs(dir.file(QStringLiteral("torvelbar.conf")));
    torvel::SettingsStore settings(prefs);
    prepare(settings);
    torvel::InMemoryDisplayLayer display;
    torvel::ManualMainQueue queue;
    torvel::GammaService gamma(display, queue);
    torvel::ManualSystemEvents events;
    torvel::Coordinator coordinator(settings, gamma, queue, events);
    coordinator.start();
    for (auto _ : state) {
        coordinator.update();
    }
}

void coordinatorUpdate(benchmark::State& state) {
    updateLoop(state, [](torvel::SettingsStore&) {});
}
BENCHMARK(coordinatorUpdate);

// The same with the schedule following the sun from a typed place.
void coordinatorUpdateWithTheSun(benchmark::State& state) {
    updateLoop(state, [](torvel::SettingsStore& settings) {
        settings.setScheduleSource(torvel::ScheduleSource::sun);
        static_cast<void>(settings.setLocation(torvel::GeoPoint{59.91, 10.75}));
    });
}
BENCHMARK(coordinatorUpdateWithTheSun);

// One slider step: announce, store, encode, write the file atomically.
void settingsWrite(benchmark::State& state) {
    torvel::test::TempDir dir;
    torvel::Preferences prefs(dir.file(QStringLiteral("torvelbar.conf")));
    torvel::SettingsStore settings(prefs);
    torvel::LightSchedule schedule = settings.schedule();
    for (auto _ : state) {
        schedule.nightKelvin = schedule.nightKelvin >= 6500 ? 1000 : schedule.nightKelvin + 50;
        settings.setSchedule(schedule);
    }
}
BENCHMARK(settingsWrite)->Unit(benchmark::kMicrosecond);

// A drag of 100 steps, as the user makes it.
void sliderDrag100(benchmark::State& state) {
    torvel::test::TempDir dir;
    torvel::Preferences prefs(dir.file(QStringLiteral("torvelbar.conf")));
    torvel::SettingsStore settings(prefs);
    torvel::LightSchedule schedule = settings.schedule();
    for (auto _ : state) {
        for (int step = 0; step < 100; ++step) {
            schedule.nightKelvin = 1000 + step * 50;
            settings.setSchedule(schedule);
        }
    }
}
BENCHMARK(sliderDrag100)->Unit(benchmark::kMillisecond);

} // namespace
