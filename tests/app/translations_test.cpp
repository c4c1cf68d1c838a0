#include "app/translations.h"
#include "settings/setting_table.h"

#include <gtest/gtest.h>
#include <QCoreApplication>
#include <QTranslator>

namespace torvel {
namespace {

// Which catalogues a user's languages ask for: each with its region, then
// bare, in their order, up to English, the source text.
TEST(Translations, TheUsersLanguagesUpToEnglishNameTheCatalogues) {
    const struct {
        QStringList languages;
        QStringList names;
    } cases[] = {
        {{QStringLiteral("de-DE"), QStringLiteral("fr")},
         {QStringLiteral("de_DE"), QStringLiteral("de"), QStringLiteral("fr_FR"),
          QStringLiteral("fr")}},
        {{QStringLiteral("pt-BR")}, {QStringLiteral("pt_BR"), QStringLiteral("pt")}},
        {{QStringLiteral("zh-Hans-CN")}, {QStringLiteral("zh_CN"), QStringLiteral("zh")}},
        {{QStringLiteral("en-US"), QStringLiteral("de")}, {}},
        {{QStringLiteral("C"), QStringLiteral("ja")},
         {QStringLiteral("ja_JP"), QStringLiteral("ja")}},
        {{}, {}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(catalogueNames(c.languages), c.names) << c.languages.join(u',').toStdString();
    }
}

// A refusal names its setting in the user's language, with the count's own
// plural form: Russian has three.
TEST(Translations, ARefusalIsComposedInTheLanguageWithItsPluralForm) {
    QTranslator russian;
    ASSERT_TRUE(russian.load(QStringLiteral(TORVEL_TRANSLATIONS_BUILD_DIR "/torvelbar_ru.qm")));
    QCoreApplication::installTranslator(&russian);
    const struct {
        std::int64_t windDown;
        const char* ends;
    } cases[] = {{721, "721 минуту"}, {722, "722 минуты"}, {725, "725 минут"}, {-1, "-1 минуту"}};
    for (const auto& c : cases) {
        LightSchedule s;
        s.windDown = c.windDown;
        const QString why = refusalOf(setting::schedule, s);
        EXPECT_TRUE(why.startsWith(QStringLiteral("расписание принимает"))) << why.toStdString();
        EXPECT_TRUE(why.endsWith(QString::fromUtf8(c.ends))) << why.toStdString();
    }
    QCoreApplication::removeTranslator(&russian);
}

} // namespace
} // namespace torvel
