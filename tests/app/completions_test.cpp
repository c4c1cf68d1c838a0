// The shells' completions, run by bash, zsh and fish themselves: every
// command of the table is offered, and each command's words after it.

#include "app/command_table.h"

#include <gtest/gtest.h>
#include <QProcess>
#include <QStandardPaths>
#include <set>

namespace torvel {
namespace {

using Words = std::set<std::string>;

const QString dir = QStringLiteral(TORVEL_COMPLETIONS_DIR);

QStringList shellCommand(const QString& shell, const QString& line) {
    if (shell == QLatin1String("bash")) {
        return {QStringLiteral("bash"),
                QStringLiteral("--norc"),
                QStringLiteral("-c"),
                QStringLiteral("source \"$1\"; read -ra COMP_WORDS <<<\"$2\";"
                               "[[ $2 == *' ' ]] && COMP_WORDS+=('');"
                               "COMP_CWORD=$((${#COMP_WORDS[@]} - 1)); _torvelbar;"
                               "printf '%s\\n' \"${COMPREPLY[@]}\""),
                QStringLiteral("bash"),
                dir + QStringLiteral("/torvelbar.bash"),
                line};
    }
    if (shell == QLatin1String("fish")) {
        return {QStringLiteral("fish"),
                QStringLiteral("--no-config"),
                QStringLiteral("-c"),
                QStringLiteral(
                    "source $argv[1]; complete -C $argv[2] | string replace -r '\\t.*' ''; true"),
                dir + QStringLiteral("/torvelbar.fish"),
                line};
    }
    return {QStringLiteral("zsh"), QStringLiteral("-f"), QStringLiteral(TORVEL_ZSH_COMPLETER), dir,
            line};
}

Words complete(const QString& shell, const QString& line) {
    const QStringList command = shellCommand(shell, line);
    QProcess p;
    p.start(command.first(), command.mid(1));
    EXPECT_TRUE(p.waitForFinished(20000)) << shell.toStdString() << ": " << line.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << p.readAllStandardError().toStdString();
    Words words;
    for (const QString& w : QString::fromUtf8(p.readAllStandardOutput()).split(u'\n')) {
        if (!w.trimmed().isEmpty()) {
            words.insert(w.trimmed().toStdString());
        }
    }
    return words;
}

class Completions : public testing::TestWithParam<const char*> {
protected:
    void SetUp() override {
        if (QStandardPaths::findExecutable(QString::fromLatin1(GetParam())).isEmpty()) {
            GTEST_SKIP() << GetParam() << " is not installed (Debian package of that name)";
        }
    }
};

TEST_P(Completions, OfferEveryCommandAndEachCommandsWords) {
    const QString shell = QString::fromLatin1(GetParam());
    Words commands;
    for (const CommandRow* row : commandTable()) {
        commands.insert(row->name);
    }
    // Options are offered once a word begins with '-' (fish's way; the
    // others offer them at once too).
    Words first = complete(shell, QStringLiteral("torvelbar "));
    std::erase_if(first, [](const std::string& w) { return w.starts_with('-'); });
    EXPECT_EQ(first, commands) << shell.toStdString() << ": the command table";
    EXPECT_EQ(complete(shell, QStringLiteral("torvelbar help ")), commands) << shell.toStdString();

    const struct {
        const char* line;
        Words words;
    } cases[] = {
        {"torvelbar --", {"--help", "--version"}},
        {"torvelbar mode ", {"auto", "schedule", "manual", "off"}},
        {"torvelbar mode m", {"manual"}},
        {"torvelbar source ", {"clock", "sun"}},
        {"torvelbar location ", {"auto"}},
        {"torvelbar pause-for ", {"add", "remove", "fullscreen", "list"}},
        {"torvelbar pause-for fullscreen ", {"on", "off"}},
        {"torvelbar display ", {}}, // the running app's displays; none runs here
        {"torvelbar display DP-1 ", {"on", "off", "strength", "dim"}},
        {"torvelbar display DP-1 dim ", {"on", "off"}},
        {"torvelbar brightness ", {"night", "manual"}},
        {"torvelbar status --", {"--json", "--follow", "--help"}},
        {"torvelbar status --json --f", {"--follow"}},
        {"torvelbar wind-", {"wind-down"}},
        {"torvelbar help mode ", {}},
        {"torvelbar mode auto ", {}},
    };
    for (const auto& c : cases) {
        const Words got = complete(shell, QString::fromLatin1(c.line));
        EXPECT_EQ(got, c.words) << shell.toStdString() << ": \"" << c.line << '"';
    }
}

INSTANTIATE_TEST_SUITE_P(Shells, Completions, testing::Values("bash", "zsh", "fish"));

} // namespace
} // namespace torvel
