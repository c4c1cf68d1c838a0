#include "platform/xdg/desktop_entry.h"
#include "platform/xdg/xdg_autostart_service.h"
#include "settings/login_item.h"
#include "support/temp_dir.h"

#include <cstdio>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <unistd.h>

namespace torvel {
namespace {

QString makeProgram(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("#!/bin/sh\necho \"$0\"\n");
    file.close();
    file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    return path;
}

TEST(DesktopEntry, ExecQuotingRoundTripsHostilePaths) {
    test::TempDir dir;
    const QStringList names = {QStringLiteral("torvelbar"),
                               QStringLiteral("with space"),
                               QStringLiteral("quote\"s and 'single'"),
                               QStringLiteral("dollar$HOME and `tick`"),
                               QStringLiteral("back\\slash"),
                               QStringLiteral("100% sure %f"),
                               QStringLiteral("semi;colon&(sub)|<>~*?#")};
    const bool haveValidator =
        !QStandardPaths::findExecutable(QStringLiteral("desktop-file-validate")).isEmpty();
    for (const QString& name : names) {
        const QString folder = dir.file(name);
        ASSERT_TRUE(QDir().mkpath(folder));
        const QString program = makeProgram(folder + QStringLiteral("/run me"));
        const QString entry = dir.file(QStringLiteral("e.desktop"));
        XdgAutostartService service(program, entry);
        const auto registered = service.registerItem();
        ASSERT_TRUE(registered) << registered.error().toStdString();

        QFile file(entry);
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString text = QString::fromUtf8(file.readAll());
        const auto exec = desktopEntryValue(text, QStringLiteral("Exec"));
        ASSERT_TRUE(exec);
        EXPECT_EQ(firstExecArgument(*exec), program) << exec->toStdString();
        EXPECT_EQ(service.status(), LoginItemStatus::enabled) << name.toStdString();

        if (haveValidator) {
            QProcess validate;
            validate.start(QStringLiteral("desktop-file-validate"), {entry});
            ASSERT_TRUE(validate.waitForFinished());
            EXPECT_EQ(validate.exitCode(), 0)
                << name.toStdString() << ": " << validate.readAllStandardOutput().toStdString();
        }
    }
}

TEST(XdgAutostart, StatusFollowsTheEntry) {
    test::TempDir dir;
    const QString program = makeProgram(dir.file(QStringLiteral("torvelbar")));
    const QString entry = dir.file(QStringLiteral("autostart/torvelbar.desktop"));
    XdgAutostartService service(program, entry);
    EXPECT_EQ(service.status(), LoginItemStatus::notRegistered);
    ASSERT_TRUE(service.registerItem());
    EXPECT_EQ(service.status(), LoginItemStatus::enabled);

    auto rewrite = [&](const QString& extra) {
        QFile file(entry);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write((service.entryText() + extra).toUtf8());
    };
    rewrite(QStringLiteral("Hidden=true\n"));
    EXPECT_EQ(service.status(), LoginItemStatus::notRegistered);
    rewrite(QStringLiteral("[Other]\nHidden=true\n"));
    EXPECT_EQ(service.status(), LoginItemStatus::enabled) << "other groups do not count";
    QString gnomeOff = service.entryText();
    gnomeOff.replace(QStringLiteral("X-GNOME-Autostart-enabled=true"),
                     QStringLiteral("X-GNOME-Autostart-enabled=false"));
    rewrite(gnomeOff.mid(service.entryText().size())); // nothing extra
    {
        QFile file(entry);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(gnomeOff.toUtf8());
    }
    EXPECT_EQ(service.status(), LoginItemStatus::notRegistered);

    ASSERT_TRUE(service.registerItem());
    QFile::remove(program);
    EXPECT_EQ(service.status(), LoginItemStatus::notFound);

    ASSERT_TRUE(service.unregisterItem());
    EXPECT_FALSE(QFile::exists(entry));
    EXPECT_TRUE(service.unregisterItem()) << "removing an absent entry succeeds";
}

TEST(XdgAutostart, TheEntryNamesTheProgramAsPathFindsItAndTriesItFirst) {
    test::TempDir dir;
    QDir().mkpath(dir.file(QStringLiteral("bin")));
    const QString program = makeProgram(dir.file(QStringLiteral("bin/torvelbar")));
    const QString entry = dir.file(QStringLiteral("autostart/torvelbar.desktop"));
    XdgAutostartService service(program, entry);
    EXPECT_TRUE(service.entryText().contains(QStringLiteral("\nTryExec=") + program + u'\n'));
    EXPECT_TRUE(service.entryText().contains(QStringLiteral("\nExec=") + program + u'\n'));

    const QByteArray path = qgetenv("PATH");
    qputenv("PATH", QFile::encodeName(dir.file(QStringLiteral("bin"))) + ':' + path);
    EXPECT_TRUE(
        service.entryText().contains(QStringLiteral("\nTryExec=torvelbar\nExec=torvelbar\n")));
    ASSERT_TRUE(service.registerItem());
    EXPECT_EQ(service.status(), LoginItemStatus::enabled) << "found on PATH";
    qputenv("PATH", path);
    EXPECT_EQ(service.status(), LoginItemStatus::notFound) << "PATH no longer finds it";
}

TEST(XdgAutostart, FailedRequestWritesTheExactLineToStderr) {
    test::TempDir dir;
    // A file where the autostart folder should be, with a '%' in its name.
    const QString blocker = dir.file(QStringLiteral("50%d autostart"));
    QFile block(blocker);
    ASSERT_TRUE(block.open(QIODevice::WriteOnly));
    block.close();
    const QString program = makeProgram(dir.file(QStringLiteral("torvelbar")));
    XdgAutostartService service(program, blocker + QStringLiteral("/torvelbar.desktop"));

    const QString captured = dir.file(QStringLiteral("stderr"));
    std::fflush(stderr);
    const int saved = ::dup(2);
    const int fd = ::open(QFile::encodeName(captured).constData(), O_WRONLY | O_CREAT, 0600);
    ::dup2(fd, 2);
    {
        LoginItem item(service); // the default log goes to stderr
        item.setEnabled(true);
        EXPECT_FALSE(item.isEnabled());
    }
    std::fflush(stderr);
    ::dup2(saved, 2);
    ::close(fd);
    ::close(saved);

    QFile out(captured);
    ASSERT_TRUE(out.open(QIODevice::ReadOnly));
    EXPECT_EQ(out.readAll().toStdString(),
              "TorvelBar: could not register the login item: cannot create the folder " +
                  blocker.toStdString() + "\n");
}

} // namespace
} // namespace torvel
