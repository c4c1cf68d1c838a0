#include "fakes/app_rig.h"
#include "support/pseudo_translator.h"
#include "support/reference_image.h"
#include "support/widget_part.h"
#include "ui/flat_segmented.h"
#include "ui/popover_measures.h"
#include "ui/popover_view.h"
#include "ui/style.h"
#include "ui/text_line.h"

#include <gtest/gtest.h>
#include <memory>
#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QFontMetricsF>
#include <QTimeZone>
#include <QTranslator>

namespace torvel {
namespace {

struct Language {
    QString name;
    std::unique_ptr<QTranslator> translator;
};

// Every catalogue the build made, and the pseudo-language.
std::vector<Language> languages() {
    std::vector<Language> out;
    const QDir folder(QStringLiteral(TORVEL_TRANSLATIONS_BUILD_DIR));
    for (const QString& file : folder.entryList({QStringLiteral("torvelbar_*.qm")})) {
        auto translator = std::make_unique<QTranslator>();
        EXPECT_TRUE(translator->load(folder.filePath(file))) << file.toStdString();
        out.push_back({file.mid(10).chopped(3), std::move(translator)});
    }
    EXPECT_EQ(out.size(), 10u) << "the ten shipped languages";
    out.push_back({QStringLiteral("pseudo"), std::make_unique<test::PseudoTranslator>()});
    return out;
}

struct Rig : test::AppRig {
    PopoverView view{settings, coordinator, loginItem};
    void settle() {
        view.show();
        for (int i = 0; i < 2; ++i) {
            queue.runPosted();
            QCoreApplication::processEvents();
        }
        view.adjustSize();
        QCoreApplication::processEvents();
    }
};

// In every language, in each mode and with the sun, no line of the popover
// is cut short at its 300 px and each mode's name fits its segment: a
// longer language wraps, or is shortened in its translation, never
// clipped. German, Japanese, Polish (the longest mode names) and the
// pseudo-language are drawn, light and dark, to be looked at.
TEST(Translations, EveryLanguageAndALongerPseudoOneFitThePopover) {
    const QString folder = QStringLiteral(TORVEL_GALLERY_DIR);
    QDir().mkpath(folder);
    for (Language& language : languages()) {
        QCoreApplication::installTranslator(language.translator.get());
        for (int scene = 0; scene < 4; ++scene) {
            SCOPED_TRACE(testing::Message() << language.name.toStdString() << ", scene " << scene);
            Rig r;
            r.clock = QDateTime(QDate(2026, 12, 7), QTime(22, 10), QTimeZone::utc());
            r.settings.setMode(scene == 1   ? TorvelMode::manual
                               : scene == 2 ? TorvelMode::off
                                            : TorvelMode::automatic);
            if (scene == 3) {
                r.settings.setScheduleSource(ScheduleSource::sun);
                EXPECT_TRUE(r.settings.setLocation(GeoPoint{-33.87, 151.21}));
            }
            r.coordinator.start();
            r.settle();
            EXPECT_EQ(r.view.width(), popoverMeasures::viewWidth);
            // Each mode's name keeps at least half its padding in its segment
            // (the picker's bold 12 px).
            QFont bold;
            bold.setPixelSize(12);
            bold.setWeight(QFont::DemiBold);
            for (auto* segment :
                 test::part<FlatSegmentedBase>(r.view, "mode")->findChildren<QAbstractButton*>()) {
                EXPECT_LE(QFontMetricsF(bold).horizontalAdvance(segment->accessibleName()) + 8,
                          segment->width())
                    << segment->accessibleName().toStdString();
            }
            for (QWidget* w : r.view.findChildren<QWidget*>()) {
                if (auto* line = dynamic_cast<TextLine*>(w); line && line->isVisible()) {
                    EXPECT_TRUE(line->toolTip().isEmpty())
                        << "cut: " << line->text().toStdString() << " shown as "
                        << line->shownLines().join(u'|').toStdString();
                }
            }
            if (scene == 0 && (language.name == u"de" || language.name == u"ja" ||
                               language.name == u"pl" || language.name == u"pseudo")) {
                for (const bool dark : {false, true}) {
                    Theme::setDesktopPrefersDark(dark);
                    r.view.update();
                    QImage image(r.view.size() * 2, QImage::Format_ARGB32_Premultiplied);
                    image.setDevicePixelRatio(2);
                    r.view.render(&image);
                    image.save(folder + QStringLiteral("/popover-%1-%2.png")
                                            .arg(language.name, dark ? u"dark" : u"light"));
                }
                Theme::setDesktopPrefersDark(std::nullopt);
            }
        }
        QCoreApplication::removeTranslator(language.translator.get());
    }
}

} // namespace
} // namespace torvel
