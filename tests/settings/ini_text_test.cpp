#include "settings/ini_text.h"
#include "settings/preferences.h"
#include "settings/settings_file.h"
#include "settings/settings_store.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>
#include <QRandomGenerator>
#include <QSettings>

namespace torvel {
namespace {

QByteArray randomBytes(QRandomGenerator& random) {
    // Weighted toward what escaping must get right.
    static const QByteArray tricky("\"\\,;= \n\t\x01\x7f\x80\xff"
                                   "0123456789abcdefABCDEF@()x");
    QByteArray out;
    const int size = random.bounded(0, 40);
    for (int i = 0; i < size; ++i) {
        out += random.bounded(3) == 0 ? static_cast<char>(random.bounded(256))
                                      : tricky[random.bounded(static_cast<int>(tricky.size()))];
    }
    return out;
}

TEST(IniText, ByteStringsRoundTripWithQSettingsBothWays) {
    test::TempDir dir;
    QRandomGenerator random(20261207);
    for (int round = 0; round < 300; ++round) {
        const QByteArray value = randomBytes(random);
        // Ours to QSettings: older versions of the app read our files.
        const QString ours = dir.file(QStringLiteral("ours%1.conf").arg(round));
        {
            Preferences prefs(ours);
            prefs.setData(QStringLiteral("k"), value);
        }
        QSettings qt(ours, QSettings::IniFormat);
        EXPECT_EQ(qt.value(QStringLiteral("k")).toByteArray(), value) << value.toHex().constData();

        // QSettings to ours: files older versions wrote.
        const QString theirs = dir.file(QStringLiteral("theirs%1.conf").arg(round));
        {
            QSettings writer(theirs, QSettings::IniFormat);
            writer.setValue(QStringLiteral("k"), value);
        }
        EXPECT_EQ(Preferences(theirs).data(QStringLiteral("k")), value)
            << value.toHex().constData();
    }
}

TEST(IniText, AHostileValueInAKeyWeNeverReadCannotStopTheStart) {
    // A @Variant of lists nested 30,000 deep: QSettings' own decoding of it
    // overflows the stack.
    QByteArray nested;
    for (int i = 0; i < 30000; ++i) {
        nested += "\\0\\0\\0\\t\\0\\0\\0\\0\\x1";
    }
    test::TempDir dir;
    const QString path = dir.file(QStringLiteral("torvelbar.conf"));
    test::writeFile(path, "[General]\nmode=@ByteArray(\\\"off\\\")\nhostile=@Variant(" + nested +
                              ")\nlist=a,b\n\n[Other]\nx=1\n");
    Preferences prefs(path);
    SettingsStore store(prefs);
    EXPECT_EQ(store.mode(), TorvelMode::off);
    EXPECT_FALSE(prefs.object(QStringLiteral("hostile")).isValid());
    store.setManualKelvin(3000);
    const QByteArray after = test::readFile(path);
    EXPECT_TRUE(after.contains("hostile=@Variant(")) << "what we do not read is kept as it was";
    EXPECT_TRUE(after.contains("[Other]\nx=1"));
}

} // namespace
} // namespace torvel
