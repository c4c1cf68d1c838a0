// The built torvelbar on a real X server with a real tray host: it tints,
// shows its icon, opens a 300-wide popover on a click, lets a second start
// hand over to it, and gives the ramps back on SIGTERM.
#include "platform/x11/randr_probe.h"
#include "support/event_loop.h"
#include "support/temp_dir.h"
#include "support/xvfb_server.h"

#include <csignal>
#include <gtest/gtest.h>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QStandardPaths>

namespace torvel {
namespace {

using test::spinUntil;

class Desktop {
public:
    explicit Desktop(const test::XvfbServer& x)
        : x_(x) {
        env_ = QProcessEnvironment::systemEnvironment();
        env_.insert(QStringLiteral("DISPLAY"), x.display());
        env_.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtime_.path());
        env_.insert(QStringLiteral("XDG_CONFIG_HOME"), config_.path());
        // No session bus: Qt uses the XEmbed tray the test runs.
        env_.remove(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"));
        env_.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), QStringLiteral("disabled:"));
        env_.remove(QStringLiteral("WAYLAND_DISPLAY"));
        env_.remove(QStringLiteral("QT_QPA_PLATFORM"));
    }

    QString run(const QString& program, const QStringList& args) const {
        QProcess p;
        p.setProcessEnvironment(env_);
        p.start(program, args);
        p.waitForFinished(10000);
        return QString::fromUtf8(p.readAllStandardOutput());
    }
    void start(QProcess& p, const QString& program, const QStringList& args) const {
        p.setProcessEnvironment(env_);
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

private:
    const test::XvfbServer& x_;
    test::TempDir runtime_, config_;
    QProcessEnvironment env_;
};

TEST(TorvelbarRun, TintsShowsTheTrayAndPopoverAndRestoresOnSigterm) {
    if (!test::XvfbServer::available()) {
        GTEST_SKIP() << "Xvfb is not installed";
    }
    for (const char* tool : {"trayer", "xdotool"}) {
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty()) {
            GTEST_SKIP() << tool << " is not installed";
        }
    }
    test::XvfbServer x;
    ASSERT_TRUE(x.running()) << x.error().toStdString();
    Desktop desktop(x);
    test::RandrProbe probe(x.display());
    const auto crtcs = probe.activeCrtcs();
    ASSERT_FALSE(crtcs.empty());
    const std::uint32_t crtc = crtcs.front();
    const std::size_t size = probe.ramps(crtc).red.size();
    const test::Ramps calibration = test::RandrProbe::curve(size, 0.8, 0.9, 1.1);
    probe.setRamps(crtc, calibration);

    QProcess tray;
    desktop.start(tray, QStringLiteral("trayer"),
                  {QStringLiteral("--edge"), QStringLiteral("top"), QStringLiteral("--align"),
                   QStringLiteral("left"), QStringLiteral("--widthtype"), QStringLiteral("pixel"),
                   QStringLiteral("--width"), QStringLiteral("120"), QStringLiteral("--height"),
                   QStringLiteral("24")});
    ASSERT_TRUE(tray.waitForStarted());
    ASSERT_TRUE(
        spinUntil([&] { return !desktop.windows(QStringLiteral("trayer"), false).empty(); }, 5000));

    QProcess app;
    desktop.start(app, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(app.waitForStarted());
    EXPECT_TRUE(spinUntil([&] { return !(probe.ramps(crtc) == calibration); }, 5000))
        << "the screens are tinted";

    std::vector<std::pair<QString, QRect>> icons;
    ASSERT_TRUE(spinUntil(
        [&] {
            icons = desktop.windows(QStringLiteral("torvelbar"), true);
            return !icons.empty();
        },
        5000))
        << "the tray icon is embedded";
    const QRect icon = icons.front().second;
    EXPECT_LE(icon.width(), 32);

    desktop.run(QStringLiteral("xdotool"),
                {QStringLiteral("mousemove"), QString::number(icon.center().x()),
                 QString::number(icon.center().y()), QStringLiteral("click"), QStringLiteral("1")});
    std::vector<std::pair<QString, QRect>> shown;
    EXPECT_TRUE(spinUntil(
        [&] {
            shown = desktop.windows(QStringLiteral("torvelbar"), true);
            return std::any_of(shown.begin(), shown.end(),
                               [](const auto& w) { return w.second.width() == 300; });
        },
        5000))
        << "a click opens the 300-wide popover";
    desktop.run(QStringLiteral("xdotool"), {QStringLiteral("key"), QStringLiteral("Escape")});

    // A second start hands over to the running one and leaves.
    QProcess second;
    desktop.start(second, QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(second.waitForFinished(5000));
    EXPECT_EQ(second.exitCode(), 0);
    EXPECT_EQ(app.state(), QProcess::Running);

    ::kill(static_cast<pid_t>(app.processId()), SIGTERM);
    ASSERT_TRUE(app.waitForFinished(5000));
    EXPECT_EQ(app.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(app.exitCode(), 0);
    const test::Ramps after = probe.ramps(crtc);
    ASSERT_EQ(after.red.size(), calibration.red.size());
    for (std::size_t i = 0; i < after.red.size(); ++i) {
        ASSERT_NEAR(after.red[i], calibration.red[i], 1) << i;
        ASSERT_NEAR(after.blue[i], calibration.blue[i], 1) << i;
    }
    tray.kill();
    tray.waitForFinished();
}

TEST(TorvelbarRun, StartUpErrorsAreShortAndNonZero) {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.remove(QStringLiteral("DISPLAY"));
    env.remove(QStringLiteral("WAYLAND_DISPLAY"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_EQ(p.readAllStandardError().trimmed(),
              "torvelbar: no X display to tint (DISPLAY is not set)");

    env.insert(QStringLiteral("DISPLAY"), QStringLiteral(":999"));
    p.setProcessEnvironment(env);
    p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_NE(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardError().startsWith("torvelbar: "));

    p.start(QStringLiteral(TORVELBAR_EXECUTABLE), {QStringLiteral("--version")});
    ASSERT_TRUE(p.waitForFinished(5000));
    EXPECT_EQ(p.exitCode(), 0);
    EXPECT_TRUE(p.readAllStandardOutput().startsWith("torvelbar "));
}

} // namespace
} // namespace torvel
