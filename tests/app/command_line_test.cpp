#include "app/command_line.h"
#include "app/command_table.h"
#include "app/control_client.h"

#include <gtest/gtest.h>
#include <QJsonDocument>
#include <QJsonObject>

namespace torvel {
namespace {

Command parsed(const QStringList& args) {
    const auto result = parseCommandLine(args);
    EXPECT_TRUE(std::holds_alternative<Command>(result)) << std::get<QString>(result).toStdString();
    return std::holds_alternative<Command>(result) ? std::get<Command>(result) : Command{};
}

TEST(CommandLine, CommandsAndDurations) {
    using Kind = Command::Kind;
    EXPECT_EQ(parsed({}).kind, Kind::start);
    const Command status = parsed({"status", "--follow", "--json"});
    EXPECT_TRUE(status.json && status.follow);
    EXPECT_EQ(parsed({"mode", "off"}).mode, "off");
    EXPECT_EQ(parsed({"kelvin", "1000"}).kelvin, 1000);
    EXPECT_EQ(parsed({"kelvin", "6500"}).kelvin, 6500) << "the slider's range, ends included";
    EXPECT_EQ(parsed({"pause"}).seconds, 0u) << "until the wake time";
    EXPECT_EQ(parsed({"pause", "1h30m"}).seconds, 5400u);
    EXPECT_EQ(parsed({"mode", "schedule"}).mode, "auto") << "the popover's word";
    EXPECT_EQ(parsed({"bedtime", "7:05"}).value, 425);
    EXPECT_EQ(parsed({"wake", "23:59"}).value, 1439);
    EXPECT_EQ(parsed({"wind-down", "1h30m"}).value, 90);
    EXPECT_EQ(parsed({"wind-down", "0"}).value, 0) << "no wind-down at all";
    EXPECT_EQ(parsed({"wind-down", "12h"}).value, 720);
    EXPECT_EQ(parsed({"night-kelvin", "1000"}).value, 1000);
    EXPECT_EQ(parseDuration("30m"), 1800u);
    EXPECT_EQ(parseDuration("2h"), 7200u);
    EXPECT_EQ(parseDuration("45"), 2700u) << "a bare number counts minutes";
    EXPECT_EQ(parseDuration("1193046h28m15s"), 4294967295u) << "the most 32 bits hold";
    for (const char* bad : {"", "0m", "1193046h28m16s", "999999999999h", "1h-5m", "m", "1d"}) {
        EXPECT_FALSE(parseDuration(QString::fromLatin1(bad))) << bad;
    }
}

TEST(CommandLine, BadInputIsOneLineNamingTheProblem) {
    const QStringList bad[] = {{"frob"},
                               {"--frob"},
                               {"mode"},
                               {"mode", "Auto"},
                               {"kelvin", "abc"},
                               {"kelvin", "99999999999999999999"},
                               {"pause", "soon"},
                               {"resume", "now"},
                               {"status", "--yaml"},
                               {"kelvin", "999"},
                               {"kelvin", "6501"},
                               {"kelvin", "-5"},
                               {"kelvin", "99999999"},
                               {"bedtime", "24:00"},
                               {"bedtime", "7"},
                               {"wake", "7:60"},
                               {"wind-down", "12h1m"},
                               {"wind-down", "90s"},
                               {"day-kelvin", "6501"},
                               {"night-kelvin", "warm"}};
    for (const QStringList& args : bad) {
        const auto result = parseCommandLine(args);
        ASSERT_TRUE(std::holds_alternative<QString>(result)) << args.join(' ').toStdString();
        EXPECT_FALSE(std::get<QString>(result).contains(u'\n'));
    }
    const auto range = parseCommandLine({"kelvin", "99999999"});
    EXPECT_TRUE(std::get<QString>(range).startsWith("kelvin takes 1000 to 6500 K, not 99999999"));
}

// The help is the table's: every command in it, and each one's own help
// asked for either way.
TEST(CommandLine, HelpComesFromTheCommandTable) {
    const QString all = helpText();
    for (const CommandRow* row : commandTable()) {
        EXPECT_TRUE(all.contains(QStringLiteral("  torvelbar ") + QLatin1String(row->name)))
            << row->name;
        for (const QStringList& asked :
             {QStringList{QStringLiteral("help"), QLatin1String(row->name)},
              QStringList{QLatin1String(row->name), QStringLiteral("--help")}}) {
            const Command c = parsed(asked);
            EXPECT_EQ(c.kind, Command::Kind::help);
            EXPECT_EQ(c.topic, QLatin1String(row->name));
        }
        const QString one = helpText(QLatin1String(row->name));
        EXPECT_TRUE(one.contains(QLatin1String(row->help).left(20))) << row->name;
        EXPECT_FALSE(one.contains(QStringLiteral("torvelbar --help | --version")));
    }
    EXPECT_TRUE(std::holds_alternative<QString>(parseCommandLine({"help", "frob"})));
}

TEST(CommandLine, StatusLinesForPeopleAndForWaybar) {
    QVariantMap p{{"Mode", "auto"},
                  {"Kelvin", 2700LL},
                  {"Phase", "night"},
                  {"Tinted", true},
                  {"PausedUntil", 0LL},
                  {"Inhibited", false},
                  {"Status", "Night \u00B7 wake at 07:30"}};
    EXPECT_EQ(statusText(p, false), QStringLiteral("Night \u00B7 wake at 07:30 \u00B7 2700 K"));
    QJsonObject o = QJsonDocument::fromJson(statusText(p, true).toUtf8()).object();
    EXPECT_EQ(o.value("text").toString(), "2700K");
    EXPECT_EQ(o.value("alt").toString(), "night");
    EXPECT_EQ(o.value("class").toString(), "night");
    EXPECT_EQ(o.value("kelvin").toInt(), 2700);

    p["Tinted"] = false;
    p["PausedUntil"] = 1796700000LL;
    o = QJsonDocument::fromJson(statusText(p, true).toUtf8()).object();
    EXPECT_EQ(o.value("text").toString(), "paused") << "a pause is not off";
    EXPECT_EQ(o.value("class").toString(), "paused");
    EXPECT_FALSE(o.value("tinted").toBool());

    p["PausedUntil"] = 0LL;
    p["Inhibited"] = true;
    o = QJsonDocument::fromJson(statusText(p, true).toUtf8()).object();
    EXPECT_EQ(o.value("text").toString(), "inhibited");
    p["Mode"] = "off";
    o = QJsonDocument::fromJson(statusText(p, true).toUtf8()).object();
    EXPECT_EQ(o.value("text").toString(), "off");
    EXPECT_EQ(o.value("class").toString(), "off") << "off wins over a hold";
}

} // namespace
} // namespace torvel
