// Floods the X server with changes of the root's _NET_ACTIVE_WINDOW and a
// window's _NET_WM_STATE, as a runaway client would, while the running
// torvelbar watches the window in front; meanwhile measures how long a
// property read over D-Bus waits for an answer. Prints one JSON object.
// Usage: x_flood [changes]
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QElapsedTimer>
#include <QTimer>
#include <thread>
#include <vector>
#include <xcb/xcb.h>

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name) {
    auto* reply = xcb_intern_atom_reply(
        c, xcb_intern_atom(c, 0, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t{XCB_ATOM_NONE};
    std::free(reply);
    return a;
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const long changes = argc > 1 ? std::atol(argv[1]) : 100000;
    std::atomic<bool> done = false;
    QElapsedTimer clock;
    clock.start();
    std::thread flood([&] {
        xcb_connection_t* c = xcb_connect(nullptr, nullptr);
        xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
        const xcb_atom_t active = atom(c, "_NET_ACTIVE_WINDOW");
        const xcb_atom_t state = atom(c, "_NET_WM_STATE");
        const xcb_atom_t fullscreen = atom(c, "_NET_WM_STATE_FULLSCREEN");
        xcb_window_t windows[2];
        for (xcb_window_t& w : windows) {
            w = xcb_generate_id(c);
            xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 10, 10, 0,
                              XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                                8, "mpv\0mpv\0");
        }
        for (long i = 0; i < changes; ++i) {
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, screen->root, active, XCB_ATOM_WINDOW, 32,
                                1, &windows[i % 2]);
            xcb_change_property(c, XCB_PROP_MODE_REPLACE, windows[i % 2], state, XCB_ATOM_ATOM, 32,
                                i % 3 == 0 ? 1 : 0, &fullscreen);
        }
        std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
        xcb_disconnect(c);
        done = true;
    });
    std::vector<double> waits;
    QDBusConnection bus = QDBusConnection::sessionBus();
    QTimer reads;
    QObject::connect(&reads, &QTimer::timeout, [&] {
        QDBusMessage get = QDBusMessage::createMethodCall(
            QStringLiteral("org.torvelbar.TorvelBar"), QStringLiteral("/org/torvelbar/TorvelBar"),
            QStringLiteral("org.freedesktop.DBus.Properties"), QStringLiteral("Get"));
        get << QStringLiteral("org.torvelbar.TorvelBar1") << QStringLiteral("Status");
        QElapsedTimer t;
        t.start();
        bus.call(get, QDBus::Block, 30000);
        waits.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        if (done) {
            app.quit();
        }
    });
    reads.start(20);
    QCoreApplication::exec();
    flood.join();
    std::sort(waits.begin(), waits.end());
    std::printf("{\"changes\": %ld, \"flood_ms\": %lld, \"read_median_ms\": %.2f, "
                "\"read_max_ms\": %.2f}\n",
                changes * 2, static_cast<long long>(clock.elapsed()),
                waits.empty() ? 0.0 : waits[waits.size() / 2], waits.empty() ? 0.0 : waits.back());
    return 0;
}
