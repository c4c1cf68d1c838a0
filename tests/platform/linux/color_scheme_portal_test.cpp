#include "platform/linux/color_scheme_portal.h"
#include "support/event_loop.h"
#include "support/private_bus.h"

#include <gtest/gtest.h>
#include <QDBusMessage>
#include <QDBusVariant>

namespace torvel {
namespace {

// Answers Read() like a portal whose desktop prefers dark.
class FakePortal : public QObject {
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.freedesktop.portal.Settings")
public:
    uint scheme = 1;
public Q_SLOTS:
    QDBusVariant Read(const QString& group, const QString& key) {
        if (group != QLatin1String("org.freedesktop.appearance") ||
            key != QLatin1String("color-scheme")) {
            return QDBusVariant(QVariant());
        }
        // Version 1 of the portal wraps the value twice.
        return QDBusVariant(QVariant::fromValue(QDBusVariant(scheme)));
    }
};

TEST(ColorSchemePortal, ReadsAtStartAndFollowsChanges) {
    test::PrivateBus bus;
    if (!bus.running()) {
        GTEST_SKIP() << "dbus-daemon is not installed";
    }
    QDBusConnection portalSide = bus.connect(QStringLiteral("portal"));
    FakePortal portal;
    ASSERT_TRUE(portalSide.registerObject(QStringLiteral("/org/freedesktop/portal/desktop"),
                                          &portal, QDBusConnection::ExportAllSlots));
    ASSERT_TRUE(portalSide.registerService(QStringLiteral("org.freedesktop.portal.Desktop")));

    std::vector<std::optional<bool>> seen;
    ColorSchemePortal watch([&](std::optional<bool> dark) { seen.push_back(dark); },
                            bus.connect(QStringLiteral("app")));
    ASSERT_TRUE(test::spinUntil([&] { return seen.size() == 1; }, 3000));
    EXPECT_EQ(seen[0], true);

    auto signal = QDBusMessage::createSignal(QStringLiteral("/org/freedesktop/portal/desktop"),
                                             QStringLiteral("org.freedesktop.portal.Settings"),
                                             QStringLiteral("SettingChanged"));
    signal << QStringLiteral("org.freedesktop.appearance") << QStringLiteral("color-scheme")
           << QVariant::fromValue(QDBusVariant(2u));
    portalSide.send(signal);
    ASSERT_TRUE(test::spinUntil([&] { return seen.size() == 2; }, 3000));
    EXPECT_EQ(seen[1], false);

    EXPECT_EQ(ColorSchemePortal::prefersDark(0), std::nullopt);
}

} // namespace
} // namespace torvel

#include "color_scheme_portal_test.moc"
