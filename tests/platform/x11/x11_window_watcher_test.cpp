// The window watcher under a real EWMH window manager (Openbox) on Xvfb:
// the active window's WM_CLASS and fullscreen state, followed as wmctrl
// moves them, and a closed window.
#include "platform/x11/x11_window_watcher.h"
#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/xvfb_server.h"

#include <algorithm>
#include <cstring>
#include <gtest/gtest.h>
#include <QProcess>
#include <QStandardPaths>
#include <vector>
#include <xcb/xcb.h>

namespace torvel {
namespace {

using test::spinUntil;

// A plain mapped window with a title and a WM_CLASS, as an app makes one.
xcb_window_t openWindow(xcb_connection_t* c, const char* title, const char* instance,
                        const char* cls) {
    xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
    const xcb_window_t w = xcb_generate_id(c);
    xcb_create_window(c, XCB_COPY_FROM_PARENT, w, screen->root, 0, 0, 200, 100, 0,
                      XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual, 0, nullptr);
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(std::strlen(title)), title);
    QByteArray wmClass = QByteArray(instance) + '\0' + cls + '\0';
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, w, XCB_ATOM_WM_CLASS, XCB_ATOM_STRING, 8,
                        static_cast<uint32_t>(wmClass.size()), wmClass.constData());
    xcb_map_window(c, w);
    xcb_flush(c);
    return w;
}

TEST(X11WindowWatcher, FollowsTheActiveWindowItsClassAndFullscreenUnderOpenbox) {
    for (const char* tool : {"openbox", "wmctrl"}) {
        ASSERT_FALSE(QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            << tool << " is not installed";
    }
    test::XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), x.display());
    QProcess wm;
    wm.setProcessEnvironment(env);
    test::endWithTest(wm);
    wm.start(QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
    ASSERT_TRUE(wm.waitForStarted());
    const auto wmctrl = [&](const QStringList& args) {
        QProcess p;
        p.setProcessEnvironment(env);
        p.start(QStringLiteral("wmctrl"), args);
        p.waitForFinished(5000);
        return p.exitCode() == 0;
    };
    ASSERT_TRUE(spinUntil([&] { return wmctrl({QStringLiteral("-m")}); }, 5000))
        << "the window manager is up";
    // It names itself before it takes over mapping: a window mapped in
    // between would stay unmanaged.
    test::spinFor(1000);

    X11WindowWatcher watcher(x.display());
    int changes = 0;
    std::vector<std::optional<FrontWindow>> seen; // what each notice found
    watcher.start([&] {
        ++changes;
        seen.push_back(watcher.front());
    });
    xcb_connection_t* app = xcb_connect(x.display().toLocal8Bit().constData(), nullptr);
    ASSERT_EQ(xcb_connection_has_error(app), 0);
    const xcb_window_t film = openWindow(app, "film", "mpv", "mpv");
    openWindow(app, "paint", "gimp-2.10", "Gimp-2.10");
    const auto inFront = [&](const QStringList& ids, bool fullscreen) {
        return spinUntil(
            [&] {
                const auto f = watcher.front();
                return f && f->appIds == ids && f->fullscreen == fullscreen;
            },
            3000);
    };
    const QStringList gimp{QStringLiteral("Gimp-2.10"), QStringLiteral("gimp-2.10")};
    const QStringList mpv{QStringLiteral("mpv")};
    // Once the manager has taken both windows on.
    EXPECT_TRUE(spinUntil(
        [&] {
            return wmctrl({QStringLiteral("-a"), QStringLiteral("paint")});
        },
        5000));
    ASSERT_TRUE(inFront(gimp, false))
        << (watcher.front() ? watcher.front()->appIds.join(u',').toStdString() : "none");

    EXPECT_TRUE(wmctrl({QStringLiteral("-a"), QStringLiteral("film")}));
    EXPECT_TRUE(inFront(mpv, false));
    const int before = changes;
    EXPECT_TRUE(wmctrl({QStringLiteral("-r"), QStringLiteral("film"), QStringLiteral("-b"),
                        QStringLiteral("add,fullscreen")}));
    EXPECT_TRUE(inFront(mpv, true));
    EXPECT_TRUE(wmctrl({QStringLiteral("-r"), QStringLiteral("film"), QStringLiteral("-b"),
                        QStringLiteral("remove,fullscreen")}));
    EXPECT_TRUE(inFront(mpv, false));
    // Going fullscreen also moves the window, which the window manager may
    // say in a later event: a notice each, and none without a change.
    EXPECT_GE(changes, before + 2);
    EXPECT_LE(changes, before + 4);
    for (std::size_t i = std::max(before, 1); i < seen.size(); ++i) {
        EXPECT_NE(seen[i], seen[i - 1]) << "notice " << i << " changed nothing";
    }

    xcb_destroy_window(app, film);
    xcb_flush(app);
    EXPECT_TRUE(spinUntil([&] { return !watcher.front() || watcher.front()->appIds != mpv; }, 3000))
        << "a closed window is no longer in front";
    watcher.stop();
    EXPECT_EQ(watcher.front(), std::nullopt);
    xcb_disconnect(app);
    wm.terminate();
    wm.waitForFinished(5000);
}

} // namespace
} // namespace torvel
