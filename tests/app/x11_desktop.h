#pragma once
// A desktop session on a test's Xvfb for the built torvelbar: its
// environment, a trayer panel, and the windows xdotool finds there.

#include "support/child_process.h"
#include "support/event_loop.h"
#include "support/midday_zone.h"
#include "support/temp_dir.h"
#include "support/xvfb_server.h"

#include <gtest/gtest.h>
#include <initializer_list>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>
#include <vector>

namespace torvel::test {

// True, with a failure naming it, when one of `tools` cannot be found.
inline bool toolsMissing(std::initializer_list<const char*> tools) {
    for (const char* tool : tools) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            ADD_FAILURE() << tool << " is not installed";
            return true;
        }
    }
    return false;
}

class Desktop {
public:
    // No session bus unless `busAddress` names one.
    explicit Desktop(const XvfbServer& x, const QString& busAddress = {}) {
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("DISPLAY"), x.display());
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        // Without a session bus the icon goes to the XEmbed tray the test runs.
        env_.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"),
                    busAddress.isEmpty() ? QStringLiteral("disabled:") : busAddress);
        // Nor the machine's location service: where we are comes from the test.
        env_.insert(QStringLiteral("DBUS_SYSTEM_BUS_ADDRESS"),
                    QStringLiteral("unix:path=/nonexistent/system_bus_socket"));
        env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env_.remove(QStringLiteral("QT_QPA_PLATFORM"));
        env_.insert(QStringLiteral("TZ"), middayZone());
    }

    QProcessEnvironment& environment() { return env_; }
    QString runtimeDir() const { return runtime_.path(); }
    QString configDir() const { return config_.path(); }

    QString run(const QString& program, const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(program, args);
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    void start(QProcess& p, const QString& program, const QStringList& args) const {
        p.setProcessEnvironment(env_);
        endWithTest(p);
        p.start(program, args);
    }
    // Windows whose class (or, with `byInstance`, instance name) matches, each
    // as {id, geometry}.
    std::vector<std::pair<QString, QRect>> windows(const QString& name, bool byInstance) const {
        QStringList args{QStringLiteral("search"), QStringLiteral("--onlyvisible")};
        args << (byInstance ? QStringLiteral("--classname") : QStringLiteral("--class")) << name;
        std::vector<std::pair<QString, QRect>> out;
        for (const QString& id :
             run(QStringLiteral("xdotool"), args).split('\n', Qt::SkipEmptyParts)) {
            const QString geometry =
                run(QStringLiteral("xdotool"), {QStringLiteral("getwindowgeometry"), id});
            static const QRegularExpression re(
                QStringLiteral("Position: (-?\\d+),(-?\\d+).*Geometry: (\\d+)x(\\d+)"),
                QRegularExpression::DotMatchesEverythingOption);
            const auto m = re.match(geometry);
            if (m.hasMatch()) {
                out.push_back({id, QRect(m.captured(1).toInt(), m.captured(2).toInt(),
                                         m.captured(3).toInt(), m.captured(4).toInt())});
            }
        }
        return out;
    }

    // A panel with a system tray along the top (or bottom) edge, light or dark.
    bool startTray(QProcess& tray, int height = 24, bool dark = false, bool bottom = false) const {
        QStringList args{QStringLiteral("--edge"),
                         bottom ? QStringLiteral("bottom") : QStringLiteral("top"),
                         QStringLiteral("--align"),
                         QStringLiteral("left"),
                         QStringLiteral("--widthtype"),
                         QStringLiteral("pixel"),
                         QStringLiteral("--width"),
                         QStringLiteral("120"),
                         QStringLiteral("--height"),
                         QString::number(height)};
        args << (dark ? QStringList{QStringLiteral("--transparent"), QStringLiteral("true"),
                                    QStringLiteral("--alpha"), QStringLiteral("0"),
                                    QStringLiteral("--tint"), QStringLiteral("0x202020")}
                      : QStringList{QStringLiteral("--transparent"), QStringLiteral("false")});
        start(tray, QStringLiteral("trayer"), args);
        return tray.waitForStarted() &&
               spinUntil([&] { return !windows(QStringLiteral("trayer"), false).empty(); }, 5000);
    }
    // The embedded tray icon of torvelbar, or an empty rect.
    QRect waitForIcon() const {
        QRect icon;
        spinUntil(
            [&] {
                const auto shown = windows(QStringLiteral("torvelbar"), true);
                icon = shown.empty() ? QRect() : shown.front().second;
                return !shown.empty();
            },
            5000);
        return icon;
    }
    void click(QPoint at) const {
        run(QStringLiteral("xdotool"),
            {QStringLiteral("mousemove"), QString::number(at.x()), QString::number(at.y()),
             QStringLiteral("click"), QStringLiteral("1")});
    }
    // The popover window (300 wide, more with a shadow), or an empty rect
    // when none shows up.
    QRect waitForPopover(int width = 300) const {
        QRect popover;
        spinUntil(
            [&] {
                for (const auto& w : windows(QStringLiteral("torvelbar"), true)) {
                    if (w.second.width() == width) {
                        popover = w.second;
                    }
                }
                return popover.isValid();
            },
            5000);
        return popover;
    }

    // wmctrl against this desktop: whether it succeeded.
    bool wmctrl(const QStringList& args) const {
        QProcess p;
        start(p, QStringLiteral("wmctrl"), args);
        p.waitForFinished(5000);
        return p.exitCode() == 0;
    }
    // Openbox in `wm`, once it manages windows; false when it never does.
    bool startWindowManager(QProcess& wm) const {
        start(wm, QStringLiteral("openbox"), {QStringLiteral("--sm-disable")});
        if (!spinUntil([&] { return wmctrl({QStringLiteral("-m")}); }, 5000)) {
            return false;
        }
        spinFor(1000); // it names itself before it takes over mapping
        return true;
    }
    // A plain window of the class `name`, titled `title`.
    void showWindow(QProcess& p, const QString& name, const QString& title) const {
        start(p, QStringLiteral("xmessage"),
              {QStringLiteral("-name"), name, QStringLiteral("-title"), title, title});
    }

private:
    TempDir runtime_, config_;
    QProcessEnvironment env_;
};

} // namespace torvel::test
