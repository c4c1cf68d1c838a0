#include "fakes/app_rig.h"
#include "schedule/time_text.h"
#include "support/reference_image.h"
#include "support/widget_part.h"
#include "ui/color_row.h"
#include "ui/day_curve.h"
#include "ui/flat_segmented.h"
#include "ui/flat_slider.h"
#include "ui/flat_switch.h"
#include "ui/popover_header.h"
#include "ui/popover_measures.h"
#include "ui/popover_text.h"
#include "ui/popover_view.h"
#include "ui/stepper_control.h"
#include "ui/style.h"
#include "ui/text_line.h"

#include <cmath>
#include <gtest/gtest.h>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QPainter>
#include <QTest>
#include <QTimeZone>
#include <QXmlStreamReader>

namespace torvel {
namespace {

using test::part;
namespace m = popoverMeasures;

QDateTime at(int h, int m) {
    return QDateTime(QDate(2026, 12, 7), QTime(h, m), QTimeZone::utc());
}

TEST(ScheduleEditing, SteppingWrapsAndWindDownClamps) {
    EXPECT_EQ(steppedMinute(1430, 15), 5);
    EXPECT_EQ(steppedMinute(0, -15), 1425);
    EXPECT_EQ(steppedMinute(1413, 15), 1428);
    EXPECT_EQ(steppedMinute(1413, -15), 1398);
    EXPECT_EQ(steppedMinute(INT64_MAX, 15), (INT64_MAX % 1440 + 15) % 1440);
    EXPECT_EQ(steppedMinute(INT64_MIN, -15), steppedMinute(INT64_MIN % 1440 + 1440, -15));
    EXPECT_EQ(changedWindDown(30, -30), 30);
    EXPECT_EQ(changedWindDown(480, 30), 480);
    EXPECT_EQ(changedWindDown(500, -30), 470);
    EXPECT_EQ(changedWindDown(500, 30), 480);
    EXPECT_EQ(changedWindDown(10, -30), 30);
    EXPECT_EQ(changedWindDown(INT64_MAX, 30), 480);
    EXPECT_EQ(changedWindDown(INT64_MIN, -30), 30);
    EXPECT_EQ(truncatedKelvin(3449.9), 3449);
    EXPECT_EQ(truncatedKelvin(-2.5), -2);
}

TEST(DayCurve, SamplesMarkerAndShape) {
    const auto samples = dayCurveSamples(LightSchedule{});
    ASSERT_EQ(samples.size(), 145u);
    for (std::size_t i = 0; i < samples.size(); ++i) {
        EXPECT_EQ(samples[i].x, static_cast<std::int64_t>(i) * 10);
    }
    EXPECT_EQ(samples.front().kelvin, samples.back().kelvin);
    auto k = [&](std::int64_t x) { return samples[static_cast<std::size_t>(x / 10)].kelvin; };
    EXPECT_EQ(k(0), 6500);
    EXPECT_EQ(k(510), 6500);
    EXPECT_LT(k(600), 6500);
    EXPECT_EQ(k(690), 2700);
    EXPECT_EQ(k(1140), 2700);
    EXPECT_EQ(k(1170), 6500);
    EXPECT_EQ(k(1440), 6500);

    EXPECT_EQ(dayCurveX(13 * 60), 60);
    EXPECT_EQ(dayCurveX(30), 750);
    EXPECT_EQ(dayCurveX(720), 0) << "noon is 0, never 1440";
    EXPECT_EQ(dayCurveLabel(0), "Noon");
    EXPECT_EQ(dayCurveLabel(360), "6 PM");
    EXPECT_EQ(dayCurveLabel(720), "Midnight");
    EXPECT_EQ(dayCurveLabel(1080), "6 AM");
    EXPECT_EQ(dayCurveLabel(1440), "Noon");
    EXPECT_EQ(dayCurveLabel(100), "");

    DayCurve curve;
    curve.resize(268, DayCurve::curveHeight);
    EXPECT_EQ(curve.height(), 84);
    // A 1000 K night sits on the floor: the area has no height there.
    EXPECT_EQ(curve.toWidget(900, 1000).y(), curve.plotRect().bottom());
    EXPECT_GT(curve.toWidget(0, 6500).y(), curve.plotRect().top()) << "6500 stays below the top";
    // The 10-wide ringed point is whole at both ends (noon).
    EXPECT_GE(curve.toWidget(0, 3000).x() - 5, 0);
    EXPECT_LE(curve.toWidget(1440, 3000).x() + 5, curve.width());
}

struct Rig : test::AppRig {
    PopoverView view{settings, coordinator, loginItem};

    void settle() {
        view.show();
        queue.runPosted();
        QCoreApplication::processEvents();
        queue.runPosted();
        QCoreApplication::processEvents();
        view.adjustSize();
        QCoreApplication::processEvents();
    }
};

void drag(FlatSlider& slider, std::initializer_list<int> xs) {
    auto it = xs.begin();
    QTest::mousePress(&slider, Qt::LeftButton, {}, QPoint(*it, 9));
    for (++it; it != xs.end(); ++it) {
        QMouseEvent move(QEvent::MouseMove, QPointF(*it, 9), QPointF(*it, 9), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(&slider, &move);
    }
}

// Each language's longest translation, from the catalogues translators edit.
QStringList longestTranslations() {
    QStringList longest;
    const QDir folder(QStringLiteral(TORVEL_TS_DIR));
    for (const QString& file : folder.entryList({QStringLiteral("*.ts")})) {
        QFile ts(folder.filePath(file));
        EXPECT_TRUE(ts.open(QIODevice::ReadOnly)) << file.toStdString();
        QXmlStreamReader xml(&ts);
        QString best;
        while (!xml.atEnd()) {
            if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"translation") {
                const QString text = xml.readElementText();
                best = text.size() > best.size() ? text : best;
            }
        }
        longest << best;
    }
    EXPECT_EQ(longest.size(), 10);
    return longest;
}

// Each line's box holds every glyph's ink, with the desktop fonts Debian
// ships and at the scales users run: drawn at the device's size, where
// hinting moves the outlines, onto a canvas larger than the box. English
// and every language's longest text.
TEST(TextLine, TheBoxHoldsTheInkInDejaVuAndNotoAtScalesOneToTwo) {
    const QFont saved = QApplication::font();
    const QStringList texts = QStringList{QStringLiteral("Winding down\u2026"),
                                          QStringLiteral("Open at login"),
                                          QStringLiteral("Previewing\u2026"),
                                          QStringLiteral("Screen colors are unchanged"),
                                          QStringLiteral("Night from dusk to sunrise"),
                                          QStringLiteral("6500 K")} +
                              longestTranslations();
    for (const char* family : {"DejaVu Sans", "Noto Sans"}) {
        ASSERT_TRUE(QFontDatabase::hasFamily(QString::fromLatin1(family))) << family;
        QFont font = saved;
        font.setFamily(QString::fromLatin1(family));
        QApplication::setFont(font);
        for (const int size : {m::titleSize, m::unitSize, m::statusSize, m::rowTitleSize,
                               m::rowDetailSize, m::footerSize}) {
            for (const QString& text : texts) {
                TextLine line(size, QFont::Medium, TextTone::primary, text);
                line.resize(line.sizeHint());
                for (const qreal scale : {1.0, 1.5, 2.0}) {
                    SCOPED_TRACE(testing::Message() << family << " " << size << " px, scale "
                                                    << scale << ": " << text.toStdString());
                    const int margin = 16;
                    QImage canvas(QSize(line.width() + 2 * margin, line.height() + 2 * margin) *
                                      scale,
                                  QImage::Format_ARGB32_Premultiplied);
                    canvas.setDevicePixelRatio(scale);
                    canvas.fill(Qt::transparent);
                    QPainter painter(&canvas);
                    painter.setFont(line.font());
                    painter.setPen(Qt::black);
                    painter.drawText(QPointF(margin, margin + line.baseline()), text);
                    painter.end();
                    int top = canvas.height(), bottom = -1, right = -1;
                    for (int y = 0; y < canvas.height(); ++y) {
                        for (int x = 0; x < canvas.width(); ++x) {
                            if (qAlpha(canvas.pixel(x, y)) > 48) {
                                top = std::min(top, y);
                                bottom = std::max(bottom, y);
                                right = std::max(right, x);
                            }
                        }
                    }
                    ASSERT_GE(bottom, 0);
                    EXPECT_GE(top, std::floor(margin * scale)) << "the top is cut";
                    EXPECT_LT(bottom, std::ceil((margin + line.height()) * scale))
                        << "descenders are cut";
                    EXPECT_LT(right, std::ceil((margin + line.width()) * scale) + 1)
                        << "the end is cut";
                }
            }
        }
    }
    QApplication::setFont(saved);
}

TEST(PopoverView, LayoutInEachMode) {
    Rig r;
    r.coordinator.start();
    r.settle();
    r.view.adjustSize();
    EXPECT_EQ(r.view.width(), 300);
    EXPECT_EQ(part<FlatSegmentedBase>(r.view, "mode")->width(), 268);
    EXPECT_EQ(part<FlatSegmentedBase>(r.view, "mode")->geometry().left(), 16);
    EXPECT_GE(part<FlatSegmentedBase>(r.view, "mode")->geometry().top(), 16 + 36 + 16)
        << "under the header";
    ASSERT_NE(part<DayCurve>(r.view, "curve"), nullptr);
    EXPECT_EQ(part<DayCurve>(r.view, "curve")->width(), 268);
    EXPECT_EQ(part<DayCurve>(r.view, "curve")->height(), 84);
    EXPECT_EQ(part<StepperControl>(r.view, "bedtime")->text(), clockString(1410));
    EXPECT_EQ(part<StepperControl>(r.view, "windDown")->text(), durationString(180));
    EXPECT_EQ(part<TextLine>(r.view, "windDownDetail")->text(),
              QStringLiteral("Starts ") + clockString(1230));
    // The "K" stands on the number's baseline.
    TextLine* number = nullptr;
    TextLine* unit = nullptr;
    // TextLine has no meta-object of its own: findChildren<TextLine*> would
    // return every widget.
    for (QWidget* w : r.view.findChildren<QWidget*>()) {
        auto* line = dynamic_cast<TextLine*>(w);
        if (!line) {
            continue;
        }
        if (line->text() == QStringLiteral("K")) {
            unit = line;
        } else if (line->text() == QString::number(r.coordinator.kelvin())) {
            number = line;
        }
    }
    ASSERT_TRUE(number && unit);
    EXPECT_EQ(number->mapTo(&r.view, QPoint(0, number->baseline())).y(),
              unit->mapTo(&r.view, QPoint(0, unit->baseline())).y());

    r.settings.setMode(TorvelMode::off);
    r.settle();
    r.view.adjustSize();
    EXPECT_EQ(part<PopoverHeader>(r.view, "header")->titleText(), "Off");
    EXPECT_EQ(part<PopoverHeader>(r.view, "header")->statusText(), "Screen colors are unchanged");
    EXPECT_EQ(part<QWidget>(r.view, "footerSeparator")->geometry().top(),
              part<FlatSegmentedBase>(r.view, "mode")->geometry().bottom() + 1 + 14)
        << "the separator follows the picker directly";
    EXPECT_EQ(part<DayCurve>(r.view, "curve"), nullptr);

    r.settings.setMode(TorvelMode::manual);
    r.settle();
    ASSERT_NE(part<ColorRow>(r.view, "manual"), nullptr);
    EXPECT_EQ(part<ColorRow>(r.view, "manual")->width(), 268);
    EXPECT_EQ(part<PopoverHeader>(r.view, "header")->statusText(), "Fixed color");
}

// Held, the header says so and why, whole; a pause of ours ends from it,
// another program's inhibition does not; notes keep a line of their own.
TEST(PopoverView, AHoldReadsAsPausedWithItsWholeReasonAndOursResumes) {
    Rig r;
    r.settings.setMode(TorvelMode::manual);
    r.settings.setManualKelvin(3400);
    r.coordinator.start();
    r.settle();
    auto* header = part<PopoverHeader>(r.view, "header");
    const int oneLine = header->height();
    EXPECT_FALSE(header->resumeButton()->isVisibleTo(header));

    r.coordinator.pauseFor(3600);
    r.settle();
    EXPECT_EQ(header->titleText(), "Paused");
    EXPECT_EQ(header->statusText(), QStringLiteral("Paused until ") + clockString(13 * 60));
    ASSERT_TRUE(header->resumeButton()->isVisibleTo(header));
    header->resumeButton()->click();
    r.settle();
    EXPECT_EQ(header->titleText(), "3400");
    EXPECT_FALSE(r.coordinator.pausedUntil());

    const QString reason = QStringLiteral("Watching a film in the living room with the family");
    const std::uint32_t cookie = r.coordinator.inhibit(reason);
    r.settle();
    EXPECT_EQ(header->titleText(), "Paused");
    EXPECT_FALSE(header->resumeButton()->isVisibleTo(header)) << "not ours to end";
    EXPECT_EQ(part<TextLine>(*header, "status")->shownLines().join(u' '),
              QStringLiteral("Paused: ") + reason)
        << "on two lines, nothing cut";
    EXPECT_GT(header->height(), oneLine);
    r.coordinator.uninhibit(cookie);

    // A settings file that cannot be written is a note under the status.
    QFile::remove(r.prefs.path());
    ASSERT_TRUE(QDir().mkdir(r.prefs.path()));
    r.settings.setManualKelvin(3300);
    r.prefs.flush();
    r.coordinator.update();
    r.settle();
    EXPECT_EQ(header->statusText(), "Fixed color");
    EXPECT_EQ(header->notesText(), "settings not saved");
    EXPECT_EQ(r.coordinator.state().report.status, "Fixed color \u00B7 settings not saved");
}

// Hidden, the view does no work on notices (the tick's among them); shown
// again, it reads everything at once.
TEST(PopoverView, AHiddenViewCatchesUpWhenShown) {
    Rig r;
    r.coordinator.start();
    r.settle();
    r.view.hide();
    r.settings.setMode(TorvelMode::manual);
    r.queue.runPosted();
    QCoreApplication::processEvents();
    EXPECT_EQ(part<ColorRow>(r.view, "manual"), nullptr) << "nothing rebuilt while hidden";
    r.view.show();
    EXPECT_NE(part<ColorRow>(r.view, "manual"), nullptr);
    EXPECT_EQ(part<PopoverHeader>(r.view, "header")->statusText(), "Fixed color");
}

TEST(PopoverView, TabFollowsThePictureAfterEveryRebuild) {
    Rig r;
    r.coordinator.start();
    for (const TorvelMode mode : {TorvelMode::off, TorvelMode::manual, TorvelMode::automatic}) {
        r.settings.setMode(mode);
        r.settle();
        // The chain from the picker: the section's controls, then the
        // switch, then Quit.
        std::vector<QWidget*> chain;
        for (QWidget* w = part<FlatSegmentedBase>(r.view, "mode")->nextInFocusChain();
             w != part<FlatSegmentedBase>(r.view, "mode"); w = w->nextInFocusChain()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                chain.push_back(w);
            }
        }
        const auto at = [&](QWidget* w) { return std::find(chain.begin(), chain.end(), w); };
        ASSERT_NE(at(part<QWidget>(r.view, "login")), chain.end());
        EXPECT_EQ(at(part<QWidget>(r.view, "login")) + 1, at(part<QWidget>(r.view, "quit")));
        for (QWidget* w : part<QWidget>(r.view, "section")->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                EXPECT_LT(at(w), at(part<QWidget>(r.view, "login"))) << static_cast<int>(mode);
            }
        }
    }
}

TEST(PopoverView, StepsWriteTheWholeScheduleOnce) {
    Rig r;
    r.coordinator.start();
    r.settle();
    int notices = 0;
    auto watch = r.settings.objectWillChange().subscribe([&] { ++notices; });
    QTest::mouseClick(&part<StepperControl>(r.view, "bedtime")->plusButton(), Qt::LeftButton);
    EXPECT_EQ(notices, 1);
    EXPECT_EQ(r.settings.schedule().bedtime, 1425);
    r.settle();
    EXPECT_EQ(part<TextLine>(r.view, "windDownDetail")->text(),
              QStringLiteral("Starts ") + clockString(1245));
    QTest::mouseClick(&part<StepperControl>(r.view, "windDown")->minusButton(), Qt::LeftButton);
    EXPECT_EQ(r.settings.schedule().windDown, 150);
    QTest::mouseClick(&part<StepperControl>(r.view, "wake")->minusButton(), Qt::LeftButton);
    EXPECT_EQ(r.settings.schedule(), (LightSchedule{1425, 435, 150, 6500, 2700}));
    EXPECT_EQ(notices, 3);
}

TEST(PopoverView, SlidersWriteThroughAndPreviewOnlyForScheduleColours) {
    Rig r;
    r.coordinator.start();
    r.settle();
    r.view.adjustSize();

    FlatSlider& night = part<ColorRow>(r.view, "night")->slider();
    drag(night, {8, 60});
    EXPECT_EQ(r.coordinator.preview(), Preview::night) << "set while dragged";
    r.settle();
    EXPECT_EQ(r.gamma.kelvin(), r.settings.schedule().nightKelvin) << "the screens follow";
    QTest::mouseRelease(&night, Qt::LeftButton, {}, QPoint(60, 9));
    EXPECT_EQ(r.coordinator.preview(), std::nullopt);
    EXPECT_EQ(r.gamma.kelvin(), 6500) << "back to the scheduled colour at noon";

    r.settings.setMode(TorvelMode::manual);
    r.settle();
    FlatSlider& manual = part<ColorRow>(r.view, "manual")->slider();
    drag(manual, {100, -50});
    EXPECT_EQ(r.coordinator.preview(), std::nullopt) << "the manual row never previews";
    QTest::mouseRelease(&manual, Qt::LeftButton, {}, QPoint(-50, 9));
    EXPECT_EQ(r.settings.manualKelvin(), 1000);
    r.settle();
    EXPECT_EQ(part<ColorRow>(r.view, "manual")->valueText(), "1000 K");
    EXPECT_EQ(part<PopoverHeader>(r.view, "header")->titleText(), "1000");
}

// Several displays: each a switch and a strength, written through to the
// settings and so to the screens; one display: no such row.
TEST(PopoverView, EachOfSeveralDisplaysHasASwitchAndAStrength) {
    const QString folder = QStringLiteral(TORVEL_GALLERY_DIR);
    for (const bool dark : {false, true}) {
        Theme::setDesktopPrefersDark(dark);
        Rig r;
        r.settings.setMode(TorvelMode::manual);
        r.settings.setManualKelvin(3400);
        r.coordinator.start();
        r.settle();
        auto* section = r.view.findChild<QWidget*>(QStringLiteral("displays"));
        ASSERT_NE(section, nullptr);
        EXPECT_FALSE(section->isVisible()) << "one display: nothing to choose";

        r.display.setDisplays({1, 2});
        r.display.names[1] = {"GSM-5B09-1E2A", "DP-1", "LG UltraFine", {}};
        r.display.names[2] = {"eDP-1", "eDP-1", "eDP-1", {}};
        r.view.refresh();
        r.settle();
        EXPECT_TRUE(section->isVisible());
        const auto switches = test::parts<FlatSwitch>(*section, "display");
        const auto sliders = test::parts<FlatSlider>(*section, "strength");
        ASSERT_EQ(switches.size(), 2);
        ASSERT_EQ(sliders.size(), 2);
        EXPECT_EQ(switches[0]->accessibleName(), QStringLiteral("Tint LG UltraFine"));
        EXPECT_EQ(sliders[1]->accessibleName(), QStringLiteral("eDP-1 strength"));

        switches[1]->click();
        sliders[0]->setValueFrom(42);
        r.settle();
        EXPECT_EQ(optionsFor(r.settings.displays().options, r.display.names[1]),
                  (DisplayOptions{true, 40}))
            << "kept by the monitor's key, in steps of 5";
        EXPECT_FALSE(optionsFor(r.settings.displays().options, r.display.names[2]).tint);
        EXPECT_FALSE(r.display.lastTables.contains(2)) << "handed back at once";
        EXPECT_FALSE(sliders[1]->isVisible()) << "left as it is: no strength";
        ASSERT_TRUE(QTest::qWaitFor([&] { return switches[1]->position() == 0.0; }, 2000));
        EXPECT_EQ(part<PopoverHeader>(r.view, "header")->notesText(), "eDP-1 left as it is");

        QImage image(r.view.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        r.view.render(&image);
        const QString name = QStringLiteral("popover-displays-%1.png").arg(dark ? "dark" : "light");
        EXPECT_TRUE(test::matchesReference(image, QStringLiteral(TORVEL_SCREENSHOT_DIR "/") + name,
                                           folder + "/" + name));
    }
    Theme::setDesktopPrefersDark(std::nullopt);
}

// The README's screenshots are the references: a change in the look fails
// here until they are retaken.
TEST(PopoverView, ScreenshotsInEveryModeAndAppearanceMatchTheReadme) {
    const QString folder = QStringLiteral(TORVEL_GALLERY_DIR);
    QDir().mkpath(folder);
    for (const bool dark : {false, true}) {
        Theme::setDesktopPrefersDark(dark);
        for (const TorvelMode mode : allModes) {
            Rig r;
            r.clock = at(22, 10);
            r.settings.setMode(mode);
            r.settings.setManualKelvin(3400);
            r.service.current = LoginItemStatus::enabled;
            r.loginItem.refresh();
            r.coordinator.start();
            r.settle();
            auto* login = part<FlatSwitch>(r.view, "login");
            ASSERT_TRUE(QTest::qWaitFor([&] { return login->position() == 1.0; }, 2000));
            QImage image(r.view.size() * 2, QImage::Format_ARGB32_Premultiplied);
            image.setDevicePixelRatio(2);
            r.view.render(&image);
            const QString name = QStringLiteral("popover-%1-%2.png")
                                     .arg(QString::fromLatin1(rawValue(mode).data()),
                                          dark ? QStringLiteral("dark") : QStringLiteral("light"));
            EXPECT_TRUE(test::matchesReference(
                image, QStringLiteral(TORVEL_SCREENSHOT_DIR "/") + name, folder + "/" + name));
        }
        // Following the sun from a typed place: the day's dusk and sunrise.
        Rig r;
        r.clock = at(22, 10);
        r.settings.setScheduleSource(ScheduleSource::sun);
        EXPECT_TRUE(r.settings.setLocation(GeoPoint{59.91, 10.75}));
        r.coordinator.start();
        r.settle();
        auto* sun = part<FlatSwitch>(r.view, "followSun");
        ASSERT_TRUE(QTest::qWaitFor([&] { return sun->position() == 1.0; }, 2000));
        EXPECT_FALSE(part<StepperControl>(r.view, "bedtime")->minusButton().isEnabled())
            << "the sun sets bedtime, not the user";
        EXPECT_TRUE(part<StepperControl>(r.view, "windDown")->minusButton().isEnabled());
        QImage image(r.view.size() * 2, QImage::Format_ARGB32_Premultiplied);
        image.setDevicePixelRatio(2);
        r.view.render(&image);
        const QString name = QStringLiteral("popover-sun-%1.png")
                                 .arg(dark ? QStringLiteral("dark") : QStringLiteral("light"));
        EXPECT_TRUE(test::matchesReference(image, QStringLiteral(TORVEL_SCREENSHOT_DIR "/") + name,
                                           folder + "/" + name));
    }
    Theme::setDesktopPrefersDark(std::nullopt);
}

} // namespace
} // namespace torvel
