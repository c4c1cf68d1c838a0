// Edit latency, popover opening and a full slider drag through the real
// event loop, the real settings file and the real X server; prints one
// JSON object for the report. Usage: interaction_bench <steps>
#include "app/popover_window.h"
#include "core/coordinator.h"
#include "fakes/fake_login_item_service.h"
#include "platform/linux/linux_system_events.h"
#include "platform/qt/qt_main_queue.h"
#include "platform/x11/x11_display_layer.h"
#include "settings/login_item.h"
#include "support/temp_dir.h"
#include "support/widget_part.h"
#include "ui/color_row.h"
#include "ui/flat_slider.h"
#include "ui/popover_view.h"

#include <algorithm>
#include <cstdio>
#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QMouseEvent>
#include <QTimer>
#include <sys/resource.h>

namespace {

using namespace torvel;

// Counts table writes on the way to the real layer.
class CountingLayer final : public TableDisplayLayer {
public:
    explicit CountingLayer(TableDisplayLayer& real)
        : real_(real)
        , forward_(real.subscribeReconfiguration(
              [this](const DisplayChange& c) { notifyReconfiguration(c); }))
        , forwardWake_(real.subscribeScreensWake([this] { notifyScreensWake(); })) {}
    std::vector<DisplayId> onlineDisplays() override { return real_.onlineDisplays(); }
    DisplayName nameOf(DisplayId d) override { return real_.nameOf(d); }
    void releaseDisplay(DisplayId d) override { real_.releaseDisplay(d); }
    void setTransferTable(DisplayId d, std::span<const float> r, std::span<const float> g,
                          std::span<const float> b) override {
        ++writes;
        real_.setTransferTable(d, r, g, b);
    }
    void restoreColorSettings() override { real_.restoreColorSettings(); }
    long writes = 0;

private:
    TableDisplayLayer& real_;
    Subscription forward_;
    Subscription forwardWake_;
};

class PaintCounter final : public QObject {
public:
    long paints = 0;
    bool eventFilter(QObject*, QEvent* event) override {
        paints += event->type() == QEvent::Paint;
        return false;
    }
};

double cpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1e3 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e3;
}

void spinUntil(const std::function<bool()>& done) {
    while (!done()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
}

double percentile(std::vector<double> v, double p) {
    std::sort(v.begin(), v.end());
    return v[static_cast<std::size_t>(p * static_cast<double>(v.size() - 1))];
}

void watchPaints(QWidget& root, PaintCounter& counter) {
    root.installEventFilter(&counter);
    for (QWidget* child : root.findChildren<QWidget*>()) {
        child->installEventFilter(&counter);
    }
}

} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    const int steps = argc > 1 ? std::atoi(argv[1]) : 1000;
    test::TempDir dir;
    auto created = X11DisplayLayer::create(QString());
    if (!created) {
        std::fprintf(stderr, "interaction_bench: %s\n", qPrintable(created.error()));
        return 1;
    }
    auto& x11 = created.value();
    CountingLayer display(*x11);
    Preferences prefs(dir.file(QStringLiteral("torvelbar.conf")));
    prefs.setWriteDelay(std::chrono::milliseconds(500)); // as the app writes
    SettingsStore settings(prefs);
    QtMainQueue queue;
    GammaService gamma(display, queue);
    LinuxSystemEvents events;
    Coordinator coordinator(settings, gamma, queue, events);
    FakeLoginItemService service;
    LoginItem loginItem(service, [](const std::string&) {});
    coordinator.start();

    // 4. A settings change to the tables written, through the loop.
    std::vector<double> latencies;
    LightSchedule schedule = settings.schedule();
    settings.setMode(TorvelMode::manual);
    spinUntil([&] { return true; });
    for (int i = 0; i < steps; ++i) {
        const long before = display.writes;
        QElapsedTimer t;
        t.start();
        settings.setManualKelvin(1000 + (i % 110) * 50);
        spinUntil([&] { return display.writes > before; });
        latencies.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
    }
    settings.setMode(TorvelMode::automatic);

    // 5. Click to painted, first and later opens.
    PopoverWindow window(settings, coordinator, loginItem);
    std::vector<double> opens;
    for (int i = 0; i < 6; ++i) {
        PaintCounter painted;
        watchPaints(window, painted);
        QElapsedTimer t;
        t.start();
        window.toggle(QRect(), QPoint(400, 10));
        spinUntil([&] { return painted.paints > 0; });
        opens.push_back(static_cast<double>(t.nsecsElapsed()) / 1e6);
        window.hide();
        QCoreApplication::processEvents();
        QElapsedTimer settle;
        settle.start();
        while (settle.elapsed() < 350) { // past the reopen guard
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        }
    }

    // 6. A full drag of the night slider, one step per ~2 pixels, over about
    // two seconds as a hand would.
    window.toggle(QRect(), QPoint(400, 10));
    spinUntil([&] { return window.isVisible(); });
    FlatSlider& night = test::part<ColorRow>(window.view(), "night")->slider();
    PaintCounter repaints;
    watchPaints(window, repaints);
    int settingWrites = 0;
    auto counting = settings.objectWillChange().subscribe([&] { ++settingWrites; });
    const long tablesBefore = display.writes;
    prefs.flush();
    const int fileWritesBefore = prefs.fileWrites();
    const double cpuBefore = cpuMs();
    QElapsedTimer drag;
    drag.start();
    auto send = [&](QEvent::Type type, int x) {
        QMouseEvent e(type, QPointF(x, 9), night.mapToGlobal(QPointF(x, 9)), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QApplication::sendEvent(&night, &e);
        QCoreApplication::processEvents();
    };
    send(QEvent::MouseButtonPress, 0);
    const int moves = night.width() / 2 + 1;
    for (int x = 0; x <= night.width(); x += 2) {
        send(QEvent::MouseMove, x);
        // Asleep in the loop between steps, as the app is between a hand's moves.
        QEventLoop between;
        QTimer::singleShot(2000 / moves, &between, &QEventLoop::quit);
        between.exec();
    }
    send(QEvent::MouseButtonRelease, night.width());
    QCoreApplication::processEvents();
    prefs.flush();
    const double dragCpu = cpuMs() - cpuBefore;
    const int fileWrites = prefs.fileWrites() - fileWritesBefore;
    (void)schedule;

    std::printf("{\"edit_median_ms\": %.4f, \"edit_p99_ms\": %.4f, \"steps\": %d, "
                "\"open_first_ms\": %.2f, \"open_later_ms\": %.2f, "
                "\"drag_cpu_ms\": %.1f, \"drag_wall_ms\": %.1f, \"drag_setting_writes\": %d, "
                "\"drag_table_writes\": %ld, \"drag_repaints\": %ld, \"drag_file_writes\": %d}\n",
                percentile(latencies, 0.5), percentile(latencies, 0.99), steps, opens.front(),
                percentile(std::vector<double>(opens.begin() + 1, opens.end()), 0.5), dragCpu,
                static_cast<double>(drag.elapsed()), settingWrites, display.writes - tablesBefore,
                repaints.paints, fileWrites);
    return 0;
}
