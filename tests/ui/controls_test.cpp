#include "color/channel_gains.h"
#include "support/reference_image.h"
#include "ui/flat_segmented.h"
#include "ui/flat_slider.h"
#include "ui/flat_switch.h"
#include "ui/hairline.h"
#include "ui/stepper_control.h"
#include "ui/style.h"
#include "ui/swatch.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QPainter>
#include <QTest>
#include <QVBoxLayout>
#include <QWheelEvent>

namespace torvel {
namespace {

QImage render(QWidget& widget) {
    QImage image(widget.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    widget.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    return image;
}

bool near(QRgb a, const QColor& b, int tolerance = 3) {
    return std::abs(qRed(a) - b.red()) <= tolerance &&
           std::abs(qGreen(a) - b.green()) <= tolerance &&
           std::abs(qBlue(a) - b.blue()) <= tolerance;
}

struct ThemeGuard {
    explicit ThemeGuard(std::optional<bool> dark) { Theme::setDesktopPrefersDark(dark); }
    ~ThemeGuard() { Theme::setDesktopPrefersDark(std::nullopt); }
};

// WCAG's contrast ratio of two opaque colours.
double contrast(const QColor& a, const QColor& b) {
    const auto luminance = [](const QColor& c) {
        const auto channel = [](double v) {
            return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4);
        };
        return 0.2126 * channel(c.redF()) + 0.7152 * channel(c.greenF()) +
               0.0722 * channel(c.blueF());
    };
    const double x = luminance(a), y = luminance(b);
    return (std::max(x, y) + 0.05) / (std::min(x, y) + 0.05);
}

TEST(Style, ColoursInBothAppearances) {
    for (const bool dark : {false, true}) {
        ThemeGuard theme(dark);
        // An off switch's track and a white or empty swatch show by their edge.
        EXPECT_GE(contrast(Style::controlBorder().resolve(), Style::background().resolve()), 3.0)
            << (dark ? "dark" : "light");
        EXPECT_GE(contrast(Style::controlBorder().resolve(), Style::surface().resolve()), 2.5);
    }
    {
        ThemeGuard light(false);
        EXPECT_EQ(Style::background().resolve(), QColor::fromRgbF(0.975, 0.975, 0.975));
        EXPECT_EQ(Style::raised().resolve(), QColor(Qt::white));
        EXPECT_EQ(Style::hairline().resolve(), QColor::fromRgbF(0, 0, 0, 0.09));
        EXPECT_EQ(Style::knobBorder().resolve(), QColor::fromRgbF(0, 0, 0, 0.18));
    }
    {
        ThemeGuard dark(true);
        EXPECT_EQ(Style::background().resolve(), QColor::fromRgbF(0.13, 0.13, 0.13));
        EXPECT_EQ(Style::raised().resolve(), QColor::fromRgbF(0.32, 0.32, 0.32));
        EXPECT_EQ(Style::surface().resolve(), QColor::fromRgbF(0.205, 0.205, 0.205));
        EXPECT_EQ(Style::hairline().resolve(), QColor::fromRgbF(1, 1, 1, 0.10));
        EXPECT_EQ(Style::knobBorder().resolve(), QColor::fromRgbF(0, 0, 0, 0.35));
        EXPECT_EQ(Style::accent().resolve(), QColor::fromRgbF(0.94f, 0.54f, 0.20f));
        // The tray's menu follows the same appearance.
        const QPalette menu = popupPalette();
        EXPECT_EQ(menu.color(QPalette::Window), Style::background().resolve());
        EXPECT_GT(menu.color(QPalette::WindowText).lightnessF(), 0.5);
    }
    // No desktop preference: the palette decides, and the same Style value
    // follows a palette change.
    const QPalette saved = QApplication::palette();
    QPalette darkPalette = saved;
    darkPalette.setColor(QPalette::Window, QColor(30, 30, 30));
    QApplication::setPalette(darkPalette);
    EXPECT_TRUE(Theme::isDark());
    EXPECT_EQ(Style::background().resolve(), QColor::fromRgbF(0.13, 0.13, 0.13));
    QPalette lightPalette = saved;
    lightPalette.setColor(QPalette::Window, QColor(240, 240, 240));
    QApplication::setPalette(lightPalette);
    EXPECT_FALSE(Theme::isDark());
    QApplication::setPalette(saved);
}

TEST(Swatch, FillsWithTheGainsAndRingsInside) {
    ThemeGuard light(false);
    for (const std::int64_t kelvin : {6500, 2700, 1000}) {
        Swatch swatch(kelvin, 36);
        EXPECT_EQ(swatch.size(), QSize(36, 36));
        const QImage image = render(swatch);
        const ChannelGains gains(kelvin);
        EXPECT_TRUE(near(image.pixel(18, 18), QColor::fromRgbF(gains.red, gains.green, gains.blue)))
            << kelvin;
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0) << "nothing outside the circle";
        EXPECT_GT(qAlpha(image.pixel(18, 0)), 0) << "the ring lies inside the square";
    }
    Swatch empty(std::nullopt, 20);
    const QImage image = render(empty);
    EXPECT_EQ(qAlpha(image.pixel(10, 10)), 0);
    EXPECT_GT(qAlpha(image.pixel(10, 0)), 0);
}

TEST(FlatSlider, GeometryOfTheWorkedCases) {
    const SliderGeometry g{1000, 6500, 50, 216};
    EXPECT_EQ(g.usable(), 200);
    EXPECT_EQ(g.valueAt(8), 1000);
    EXPECT_EQ(g.valueAt(208), 6500);
    EXPECT_EQ(g.valueAt(108), 3750);
    EXPECT_EQ(g.valueAt(-20), 1000);
    EXPECT_EQ(g.valueAt(400), 6500);
    EXPECT_EQ(g.knobX(3750), 100);
    EXPECT_EQ(g.knobX(800), 0) << "outside the range: the nearer end";
    EXPECT_EQ(g.knobX(9000), 200);

    const SliderGeometry narrow{1000, 6500, 50, 10};
    EXPECT_EQ(narrow.usable(), 1);
    EXPECT_EQ(narrow.valueAt(7.9), 1000);
    EXPECT_EQ(narrow.valueAt(9), 6500);
}

TEST(FlatSlider, DragWritesOnlyChangesAndTellsEditingOnceEachWay) {
    double value = 3000;
    int writes = 0;
    std::vector<bool> editing;
    Binding<double> binding{[&] { return value; },
                            [&](const double& v) {
                                value = v;
                                ++writes;
                            }};
    FlatSlider slider(binding, 1000, 6500, 50, [&](bool e) { editing.push_back(e); });
    slider.resize(216, FlatSlider::controlHeight);
    EXPECT_EQ(slider.height(), 18);

    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(108, 9));
    EXPECT_EQ(value, 3750);
    EXPECT_EQ(editing, std::vector<bool>{true});
    QTest::mouseMove(&slider, QPoint(108, 9)); // same value: no write
    QMouseEvent move(QEvent::MouseMove, QPointF(108.4, 9), QPointF(108.4, 9), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &move); // 3761 still rounds to 3750
    EXPECT_EQ(writes, 1);
    QMouseEvent past(QEvent::MouseMove, QPointF(400, 9), QPointF(400, 9), Qt::NoButton,
                     Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&slider, &past);
    EXPECT_EQ(value, 6500);
    QTest::mouseRelease(&slider, Qt::LeftButton, {}, QPoint(400, 9));
    EXPECT_EQ(editing, (std::vector<bool>{true, false}));
    EXPECT_EQ(writes, 2);
    EXPECT_FALSE(slider.dragging());

    // Keys and the wheel: one edit held open while they come and for a
    // moment after, so a keyboard user sees the colour being picked.
    editing.clear();
    QTest::keyClick(&slider, Qt::Key_Left);
    EXPECT_EQ(value, 6450);
    QTest::keyClick(&slider, Qt::Key_PageDown);
    EXPECT_EQ(value, 5950);
    QTest::keyClick(&slider, Qt::Key_Home);
    EXPECT_EQ(value, 1000);
    QWheelEvent wheel(QPointF(100, 9), QPointF(100, 9), QPoint(), QPoint(0, 240), Qt::NoButton,
                      Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(&slider, &wheel);
    EXPECT_EQ(value, 1100);
    QTest::keyClick(&slider, Qt::Key_End);
    EXPECT_EQ(value, 6500);
    EXPECT_EQ(editing, std::vector<bool>{true}) << "still held";
    EXPECT_TRUE(QTest::qWaitFor([&] { return editing.size() == 2; }, 3000));
    EXPECT_EQ(editing, (std::vector<bool>{true, false}));

    QTest::keyClick(&slider, Qt::Key_Down);
    QFocusEvent out(QEvent::FocusOut, Qt::TabFocusReason);
    QApplication::sendEvent(&slider, &out);
    EXPECT_EQ(editing, (std::vector<bool>{true, false, true, false})) << "leaving ends it";
}

TEST(FlatSegmented, SelectedTileEqualWidthsAndKeys) {
    ThemeGuard light(false);
    int selection = 1;
    int writes = 0;
    Binding<int> binding{[&] { return selection; },
                         [&](const int& v) {
                             selection = v;
                             ++writes;
                         }};
    FlatSegmented<int> picker(binding, {{0, QStringLiteral("Schedule")},
                                        {1, QStringLiteral("Manual")},
                                        {2, QStringLiteral("Off")}});
    picker.resize(268, picker.height());
    picker.show();
    EXPECT_EQ(picker.segmentRect(0).width(), picker.segmentRect(2).width());
    EXPECT_EQ(picker.segmentRect(0).left(), 2);
    EXPECT_NEAR(picker.segmentRect(2).right(), 266, 1e-9);

    const QImage image = render(picker);
    const QColor raised = Style::raised().resolve();
    const QPoint tileCorner = picker.segmentRect(1).topLeft().toPoint() + QPoint(3, 2);
    EXPECT_TRUE(near(image.pixel(tileCorner), raised));
    const QPoint otherCorner = picker.segmentRect(0).topLeft().toPoint() + QPoint(3, 2);
    EXPECT_TRUE(near(image.pixel(otherCorner), Style::surface().resolve()));

    // A real click lands on the segment under the pointer.
    auto click = [&](int index) {
        const QPoint at = picker.segmentRect(index).center().toPoint();
        QWidget* segment = picker.childAt(at);
        ASSERT_NE(segment, nullptr);
        QTest::mouseClick(segment, Qt::LeftButton, {}, segment->mapFrom(&picker, at));
    };
    click(1);
    EXPECT_EQ(selection, 1) << "the selected segment sets the same value again";
    click(2);
    EXPECT_EQ(selection, 2);
    QTest::keyClick(&picker, Qt::Key_Left);
    EXPECT_EQ(selection, 1);
    EXPECT_EQ(writes, 3);
}

TEST(StepperControl, SizeGrowthAndRepeatWhileHeld) {
    int increments = 0, decrements = 0;
    StepperControl stepper(
        QStringLiteral("10:30 PM"), [&] { ++decrements; }, [&] { ++increments; });
    EXPECT_EQ(stepper.size(), QSize(122, 24));
    stepper.setText(QStringLiteral("a much longer label than seventy"));
    EXPECT_GT(stepper.width(), 122);
    stepper.setText(QStringLiteral("3 h"));
    EXPECT_EQ(stepper.width(), 122);

    stepper.show();
    QTest::mouseClick(&stepper.minusButton(), Qt::LeftButton);
    EXPECT_EQ(decrements, 1);
    QAbstractButton& plus = stepper.plusButton();
    QTest::mousePress(&plus, Qt::LeftButton);
    EXPECT_TRUE(QTest::qWaitFor([&] { return increments >= 3; }, 5000)) << "holding keeps stepping";
    QTest::mouseRelease(&plus, Qt::LeftButton);
    const int afterRelease = increments;
    // Two repeat periods: a repeat still running would have stepped again.
    QTest::qWait(2 * plus.autoRepeatInterval());
    EXPECT_EQ(increments, afterRelease);
}

TEST(FlatSwitch, ToggleSlidesAndRing) {
    ThemeGuard light(false);
    bool on = false;
    FlatSwitch toggle(Binding<bool>::to(on));
    EXPECT_EQ(toggle.size(), QSize(26, 15));
    EXPECT_EQ(toggle.knobCenterX(), 7.5);
    const QImage off = render(toggle);

    QTest::mouseClick(&toggle, Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(on);
    EXPECT_EQ(toggle.animation().duration(), 150);
    EXPECT_TRUE(QTest::qWaitFor([&] { return toggle.position() == 1.0; }, 1000));
    EXPECT_EQ(toggle.knobCenterX(), 18.5);
    const QImage onImage = render(toggle);
    EXPECT_TRUE(near(onImage.pixel(2, 7), Style::accent().resolve(), 6));
    // Off: the knob's left edge (x = 2) carries the ring; on, the knob's
    // right edge (x = 23) is plain white.
    EXPECT_LT(qRed(off.pixel(2, 7)), 240);
    EXPECT_GT(qRed(onImage.pixel(23, 7)), 240);

    QTest::keyClick(&toggle, Qt::Key_Space);
    EXPECT_FALSE(on);
}

TEST(Gallery, EveryControlInBothAppearancesLooksAsBefore) {
    const QString folder = QStringLiteral(TORVEL_GALLERY_DIR);
    QDir().mkpath(folder);
    for (const bool dark : {false, true}) {
        ThemeGuard theme(dark);
        QWidget panel;
        panel.setAutoFillBackground(true);
        QPalette p = panel.palette();
        p.setColor(QPalette::Window, Style::background().resolve());
        p.setColor(QPalette::WindowText, dark ? Qt::white : Qt::black);
        panel.setPalette(p);
        auto* layout = new QVBoxLayout(&panel);
        layout->setContentsMargins(16, 16, 16, 16);
        layout->setSpacing(12);
        static int mode = 0;
        static double kelvin = 3400;
        static bool onA = true, onB = false;
        layout->addWidget(
            new FlatSegmented<int>(Binding<int>::to(mode), {{0, QStringLiteral("Schedule")},
                                                            {1, QStringLiteral("Manual")},
                                                            {2, QStringLiteral("Off")}}));
        layout->addWidget(new FlatSlider(Binding<double>::to(kelvin), 1000, 6500, 50, {}));
        layout->addWidget(new StepperControl(QStringLiteral("11:30 PM"), {}, {}));
        auto* row = new QHBoxLayout;
        row->addWidget(new FlatSwitch(Binding<bool>::to(onA)));
        row->addWidget(new FlatSwitch(Binding<bool>::to(onB)));
        for (const std::int64_t k : {6500, 4500, 3400, 2700, 1000}) {
            row->addWidget(new Swatch(k, 24));
        }
        row->addWidget(new Swatch(std::nullopt, 24));
        row->addStretch();
        layout->addLayout(row);
        layout->addWidget(new Hairline);
        panel.setFixedWidth(300);
        panel.adjustSize();
        QImage image(panel.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        panel.render(&image);
        const QString name =
            dark ? QStringLiteral("controls-dark.png") : QStringLiteral("controls-light.png");
        EXPECT_TRUE(test::matchesReference(image, QStringLiteral(TORVEL_REFERENCE_DIR "/") + name,
                                           folder + "/" + name));
    }
}

} // namespace
} // namespace torvel
