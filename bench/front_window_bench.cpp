// From the window in front changing to the screens' ramps written: the
// window manager's _NET_ACTIVE_WINDOW set on a real X server, our watcher's
// PropertyNotify, the coordinator's update and the X11 gamma write. The
// window manager is played by setting the root property directly.
#include "core/coordinator.h"
#include "fakes/manual_system_events.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/x11/x11_display_layer.h"
#include "platform/x11/x11_window_watcher.h"
#include "support/temp_dir.h"
#include "support/xvfb_server.h"

#include <benchmark/benchmark.h>
#include <cstdlib>
#include <cstring>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    xcb_intern_atom_reply_t* r = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = r ? r->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(r);
    return a;
}

xcb_window_t window(xcb_connection_t* c, xcb_window_t root, const QByteArray& wmClass) {
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, root, 0, 0, 100, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, XCB_COPY_FROM_PARENT, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(wmClass.size()), wmClass.constData());
    return w;
}

void frontWindowToRamp(benchmark::State& state) {
    torvel::test::TempDir runtime, config;
    qputenv("XDG_RUNTIME_DIR", runtime.path().toLocal8Bit());
    torvel::test::XvfbServer x;
    auto layer = x.running()
                     ? torvel::X11DisplayLayer::create(x.display())
                     : torvel::Result<std::unique_ptr<torvel::X11DisplayLayer>>::failure(x.error());
    xcb_connection_t* c = xcb_connect(x.display().toLocal8Bit().constData(), nullptr);
    if (!layer || xcb_connection_has_error(c)) {
        state.SkipWithError("no X server");
        xcb_disconnect(c);
        return;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(c)).data->root;
    const xcb_window_t player = window(c, root, QByteArray("mpv\0mpv\0", 8));
    const xcb_window_t editor = window(c, root, QByteArray("xterm\0XTerm\0", 12));
    const xcb_atom_t active = atom(c, "_NET_ACTIVE_WINDOW");
    const auto bringToFront = [&](xcb_window_t w) {
        xcb_change_property(c, XCB_PROP_MODE_REPLACE, root, active, XCB_ATOM_WINDOW, 32, 1, &w);
        xcb_flush(c);
    };
    bringToFront(editor);

    torvel::Preferences prefs(config.file(QStringLiteral("torvelbar.conf")));
    torvel::SettingsStore settings(prefs);
    settings.setMode(torvel::TorvelMode::manual);
    static_cast<void>(settings.setPauseApps({QStringLiteral("mpv")}));
    torvel::QtMainQueue queue;
    torvel::GammaService gamma(*layer.value(), queue);
    torvel::ManualSystemEvents events;
    torvel::X11WindowWatcher watcher(x.display());
    torvel::Coordinator coordinator(settings, gamma, queue, events, {}, nullptr, &watcher);
    coordinator.start();
    QCoreApplication::processEvents();

    bool inFront = false;
    for (auto _ : state) {
        inFront = !inFront;
        bringToFront(inFront ? player : editor);
        QElapsedTimer waited;
        waited.start();
        while (coordinator.state().tinted() == inFront && waited.elapsed() < 2000) {
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        }
        if (coordinator.state().tinted() == inFront) {
            state.SkipWithError("the change never arrived");
            break;
        }
    }
    xcb_disconnect(c);
}
BENCHMARK(frontWindowToRamp)->Unit(benchmark::kMicrosecond)->UseRealTime();

} // namespace
