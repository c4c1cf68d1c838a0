// Cost of one gamma write: tables built, displays listed, one set per display.
#include "core/gamma_service.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_main_queue.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/wayland/wayland_display_layer.h"
#include "platform/x11/randr_probe.h"
#include "platform/x11/x11_display_layer.h"
#include "support/temp_dir.h"
#include "support/test_compositor.h"
#include "support/xvfb_server.h"

#include <benchmark/benchmark.h>
#include <numeric>

namespace {

void writeInMemory(benchmark::State& state) {
    std::vector<torvel::DisplayId> ids(static_cast<std::size_t>(state.range(0)));
    std::iota(ids.begin(), ids.end(), 1);
    torvel::InMemoryDisplayLayer display(ids);
    torvel::ManualMainQueue queue;
    torvel::GammaService gamma(display, queue);
    std::int64_t k = 1000;
    for (auto _ : state) {
        gamma.apply(k);
        k = k >= 6500 ? 1000 : k + 50;
    }
}
BENCHMARK(writeInMemory)->Arg(1)->Arg(4);

// Applies a colour on every turn against the X server `x` runs, each
// display as `displays` says; the timing loop of the X benchmarks.
void writeX11(benchmark::State& state, const torvel::test::XvfbServer& x,
              const torvel::DisplayOptionsMap& displays = {}) {
    if (!x.running()) {
        state.SkipWithError(x.error().toStdString().c_str());
        return;
    }
    auto created = torvel::X11DisplayLayer::create(x.display());
    if (!created) {
        state.SkipWithError(created.error().toStdString().c_str());
        return;
    }
    auto& layer = created.value();
    torvel::QtMainQueue queue;
    torvel::GammaService gamma(*layer, queue);
    std::int64_t k = 1000;
    for (auto _ : state) {
        gamma.apply(k, displays);
        k = k >= 6500 ? 1000 : k + 50;
    }
    gamma.apply(std::nullopt);
}

// One apply on a real X server: the RandR queries plus one set-gamma request
// per CRTC, flushed to the server.
void writeXvfb(benchmark::State& state) {
    torvel::test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    writeX11(state, torvel::test::XvfbServer(static_cast<int>(state.range(0))));
}
BENCHMARK(writeXvfb)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

// One apply on two monitors of one desktop (Xorg's dummy driver), each
// CRTC's ramps read back before the write: with straight ramps (the
// tables as they are), with a calibration on both (the tables read through
// it), and with the second at half strength and named (the EDID asked once).
void writeTwoMonitors(benchmark::State& state) {
    torvel::test::TempDir runtime;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    torvel::test::XorgDummyServer x(2);
    if (x.running() && state.range(0) == 1) {
        torvel::test::RandrProbe probe(x.display());
        for (const auto crtc : probe.activeCrtcs()) {
            probe.setRamps(
                crtc, torvel::test::RandrProbe::curve(probe.ramps(crtc).red.size(), 2.2, 1.8, 1.0));
        }
    }
    const torvel::DisplayOptionsMap half{{QStringLiteral("DUMMY1"), {true, 50}}};
    writeX11(state, x, state.range(0) == 2 ? half : torvel::DisplayOptionsMap{});
}
BENCHMARK(writeTwoMonitors)->Arg(0)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

// One apply on Wayland, against the test compositor on its own thread: per
// output a resample to its 1024 entries, a sealed memfd and one set_gamma,
// flushed. The compositor's reading of the file runs on its own thread.
void writeWayland(benchmark::State& state) {
    torvel::test::TestCompositor compositor;
    for (int i = 0; i < state.range(0); ++i) {
        compositor.addOutput(1024);
    }
    auto created = torvel::WaylandDisplayLayer::create(compositor.socket());
    if (!created) {
        state.SkipWithError(created.error().toStdString().c_str());
        return;
    }
    auto& layer = created.value();
    torvel::QtMainQueue queue;
    torvel::GammaService gamma(*layer, queue);
    gamma.apply(3000); // takes the controls: one round trip, not measured
    std::int64_t k = 1000;
    for (auto _ : state) {
        gamma.apply(k);
        k = k >= 6500 ? 1000 : k + 50;
    }
    gamma.apply(std::nullopt);
}
BENCHMARK(writeWayland)->Arg(1)->Arg(4)->Unit(benchmark::kMicrosecond);

} // namespace
