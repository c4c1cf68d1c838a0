#include "app/translations.h"

#include <gtest/gtest.h>

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

} // namespace
} // namespace torvel
