#include "platform/kwin/kconfig_group.h"

#include <gtest/gtest.h>

namespace torvel {
namespace {

const QString group = QStringLiteral("NightColor");

const std::vector<std::pair<QString, QString>> ours{
    {QStringLiteral("Active"), QStringLiteral("true")},
    {QStringLiteral("Mode"), QStringLiteral("Constant")},
    {QStringLiteral("NightTemperature"), QStringLiteral("3400")}};

// Sets our entries the way the layer does, then puts the captured group back.
QString roundTrip(const QString& text) {
    const auto captured = groupLines(text, group);
    const QString tinted =
        withGroupLines(text, group, withEntries(captured.value_or(QStringList()), ours));
    EXPECT_EQ(groupLines(tinted, group).value_or(QStringList()).filter(QStringLiteral("=")),
              withEntries(captured.value_or(QStringList()), ours).filter(QStringLiteral("=")));
    return withGroupLines(tinted, group, captured);
}

TEST(KConfigGroup, TintingThenRestoringGivesBackTheSameTextByteForByte) {
    const QStringList files{
        QString(),
        QStringLiteral("[Desktops]\nNumber=1\n"),
        QStringLiteral("# a comment\n[NightColor]\nActive=false\n\n[Tiling]\npadding=4\n"),
        QStringLiteral("[NightColor]\nActive=true\nMode=Automatic\nLatitudeFixed=52.5\n"
                       "LongitudeFixed=13.4\n"),
        QStringLiteral("[NightColor][$i]\nMode=Constant\nNightTemperature=5000\n\n[A]\nx=1\n"),
        QStringLiteral("[NightColor]\nActive=true\n[Other]\ny=2\n[NightColor]\nMode=Times\n"),
        QStringLiteral("[A]\r\nTitle=Caf\u00e9\r\n\r\n[NightColor]\r\nActive=false\r\n"),
        QStringLiteral("[NightColor]\nActive=false"),
    };
    for (const QString& text : files) {
        EXPECT_EQ(roundTrip(text), text) << text.toStdString();
    }
    // Of repeated sections the last is edited, where KConfig's last word is.
    const QString twice =
        QStringLiteral("[NightColor]\nActive=false\n[Other]\ny=2\n[NightColor]\nMode=Times\n");
    const QString tinted =
        withGroupLines(twice, group, withEntries(*groupLines(twice, group), ours));
    EXPECT_TRUE(tinted.startsWith(QStringLiteral("[NightColor]\nActive=false\n[Other]\ny=2\n")));
    EXPECT_EQ(*groupLines(tinted, group),
              (QStringList{QStringLiteral("Mode=Constant"), QStringLiteral("Active=true"),
                           QStringLiteral("NightTemperature=3400"), QString()}));
    // KConfig ends every file with a newline; one without gains it.
    EXPECT_EQ(roundTrip(QStringLiteral("[Desktops]\nNumber=1")),
              QStringLiteral("[Desktops]\nNumber=1\n"));
}

TEST(KConfigGroup, OnlyOurKeysChangeAndSubgroupsAreLeftAlone) {
    const QString text =
        QStringLiteral("[NightColor]\n# kept\nActive=false\nDayTemperature=6000\nActive[de]=x\n\n"
                       "[NightColor][Sub]\nActive=false\n");
    const auto lines = withEntries(*groupLines(text, group), ours);
    EXPECT_EQ(lines, (QStringList{QStringLiteral("# kept"), QStringLiteral("Active=true"),
                                  QStringLiteral("DayTemperature=6000"),
                                  QStringLiteral("Active[de]=x"), QStringLiteral("Mode=Constant"),
                                  QStringLiteral("NightTemperature=3400"), QString()}));
    const QString tinted = withGroupLines(text, group, lines);
    EXPECT_TRUE(tinted.endsWith(QStringLiteral("[NightColor][Sub]\nActive=false\n")));
    EXPECT_EQ(entryKeys(lines),
              (QStringList{QStringLiteral("Active"), QStringLiteral("DayTemperature"),
                           QStringLiteral("Mode"), QStringLiteral("NightTemperature")}));
    EXPECT_FALSE(groupLines(QStringLiteral("[NightColorX]\nA=1\n"), group));
}

} // namespace
} // namespace torvel
