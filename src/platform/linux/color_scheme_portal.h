#pragma once
// The desktop's light/dark preference from the freedesktop settings portal
// (org.freedesktop.appearance color-scheme: 1 prefer dark, 2 prefer light,
// 0 no preference), read at start and followed when it changes.

#include <functional>
#include <optional>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QObject>

namespace torvel {

class ColorSchemePortal final : public QObject {
    Q_OBJECT
public:
    // `onChange` gets true for dark, false for light, nothing for no
    // preference; called once with the current value when the portal
    // answers, then on every change. Without a portal it is never called.
    ColorSchemePortal(std::function<void(std::optional<bool>)> onChange,
                      QDBusConnection bus = QDBusConnection::sessionBus());

    static std::optional<bool> prefersDark(uint colorScheme);

private Q_SLOTS:
    void settingChanged(const QDBusMessage& message);

private:
    std::function<void(std::optional<bool>)> onChange_;
};

} // namespace torvel
