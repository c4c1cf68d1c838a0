#include "app/popover_window.h"
#include "fakes/app_rig.h"
#include "fakes/plain_desktop_session.h"
#include "support/widget_part.h"
#include "ui/color_row.h"
#include "ui/flat_slider.h"
#include "ui/popover_view.h"

#include <gtest/gtest.h>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>

namespace torvel {
namespace {

TEST(PopoverWindow, ShowingRefreshesTheLoginItemAndHidingEndsAPreview) {
    test::AppRig r;
    Coordinator& coordinator = r.coordinator;
    FakeLoginItemService& service = r.service;
    InMemoryDisplayLayer& display = r.display;
    coordinator.start();
    PopoverWindow window(r.settings, coordinator, r.loginItem);

    const int queries = service.statusQueries;
    window.toggle(QRect(), QPoint(500, 10));
    EXPECT_TRUE(window.isVisible());
    EXPECT_EQ(window.width(), 300);
    EXPECT_EQ(service.statusQueries, queries + 1);

    // Mid-drag of the night colour, the popover goes away.
    FlatSlider& night = test::part<ColorRow>(window.view(), "night")->slider();
    QTest::mousePress(&night, Qt::LeftButton, {}, QPoint(30, 9));
    EXPECT_EQ(coordinator.preview(), Preview::night);
    const int writes = display.tableWrites;
    QTest::keyClick(&window, Qt::Key_Escape);
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(coordinator.preview(), std::nullopt);
    EXPECT_GT(display.tableWrites, writes) << "the update ran: the schedule is back";
    EXPECT_TRUE(window.justClosed());
    window.toggle(QRect(), QPoint(500, 10));
    EXPECT_FALSE(window.isVisible()) << "the click that closed it does not reopen it";

    // The release never came; the next drag must start a preview again.
    EXPECT_FALSE(night.dragging());
    ASSERT_TRUE(QTest::qWaitFor([&] { return !window.justClosed(); }, 2000));
    window.toggle(QRect(), QPoint(500, 10));
    QTest::mouseRelease(&night, Qt::LeftButton, {}, QPoint(30, 9));
    QTest::mousePress(&night, Qt::LeftButton, {}, QPoint(60, 9));
    EXPECT_EQ(coordinator.preview(), Preview::night);
    QTest::mouseRelease(&night, Qt::LeftButton, {}, QPoint(60, 9));
    EXPECT_EQ(coordinator.preview(), std::nullopt);
}

TEST(PopoverWindow, FromABottomPanelItGrowsUpwardAndStaysOnScreen) {
    test::AppRig r;
    r.settings.setMode(TorvelMode::off);
    r.coordinator.start();
    PopoverWindow window(r.settings, r.coordinator, r.loginItem);
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect icon(area.right() - 40, area.bottom() - 22, 22, 22);
    window.toggle(icon, icon.center());
    ASSERT_TRUE(window.isVisible());
    const int bottom = window.geometry().bottom();
    EXPECT_LT(bottom, icon.top());

    r.settings.setMode(TorvelMode::automatic); // the schedule section is much taller
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.height() > 300; }, 2000));
    EXPECT_EQ(window.geometry().bottom(), bottom) << "grew upward, against the icon";
    EXPECT_TRUE(area.contains(window.geometry())) << "and stayed on the screen";
}

TEST(PopoverWindow, OnWaylandTheCompositorPlacesItAndLosingFocusClosesIt) {
    test::AppRig r;
    r.coordinator.start();
    EXPECT_EQ(test::sessionOn("offscreen").popoverPlacement(), PopoverPlacement::nextToIcon)
        << "offscreen is not Wayland";
    EXPECT_EQ(test::sessionOn("wayland").popoverPlacement(), PopoverPlacement::byCompositor);
    PopoverWindow window(r.settings, r.coordinator, r.loginItem,
                         PopoverWindow::Placement::byCompositor);
    EXPECT_EQ(window.windowType(), Qt::Window);
    EXPECT_TRUE(window.windowFlags() & Qt::FramelessWindowHint);

    window.toggle(QRect(), QPoint(500, 10));
    ASSERT_TRUE(window.isVisible());
    EXPECT_EQ(window.pos(), QPoint(0, 0)) << "nothing of ours moved it";
    // Fixed size: tiling compositors float such windows instead of tiling them.
    EXPECT_EQ(window.minimumSize(), window.maximumSize());
    EXPECT_EQ(window.width(), 300);
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));

    FlatSlider& night = test::part<ColorRow>(window.view(), "night")->slider();
    QTest::mousePress(&night, Qt::LeftButton, {}, QPoint(30, 9));
    ASSERT_EQ(r.coordinator.preview(), Preview::night);
    QWidget elsewhere;
    elsewhere.show();
    elsewhere.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&elsewhere));
    EXPECT_FALSE(window.isVisible());
    EXPECT_EQ(r.coordinator.preview(), std::nullopt);
}

} // namespace
} // namespace torvel
