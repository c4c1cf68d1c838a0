#include "platform/runtime/display_key.h"

#include <QDir>
#include <QRegularExpression>

namespace torvel {

namespace {

QString fileSafe(const QString& text) {
    QString out;
    for (const QChar c : text) {
        out += (c.isLetterOrNumber() && c.unicode() < 128) || c == u'.' || c == u'-' ? c : u'_';
    }
    return out;
}

} // namespace

QString x11DisplayKey(const QString& display) {
    const QString name = display.isEmpty() ? qEnvironmentVariable("DISPLAY") : display;
    // [protocol/][host]:number[.screen]; a host of "[::1]" form keeps its colons.
    static const QRegularExpression form(
        QStringLiteral("^(?:[a-z]+/)?(.*):([0-9]+)(?:\\.[0-9]+)?$"));
    const auto m = form.match(name);
    if (!m.hasMatch()) {
        return QStringLiteral("x11-") + fileSafe(name);
    }
    const QString host = m.captured(1);
    static const QStringList local{QString(),
                                   QStringLiteral("unix"),
                                   QStringLiteral("localhost"),
                                   QStringLiteral("127.0.0.1"),
                                   QStringLiteral("::1"),
                                   QStringLiteral("[::1]")};
    const QString number = QString::number(m.captured(2).toULongLong());
    return local.contains(host) ? QStringLiteral("x11-") + number
                                : QStringLiteral("x11-%1-%2").arg(fileSafe(host), number);
}

QString waylandDisplayKey(const QString& waylandDisplay, const QString& runtimeDir) {
    const QString path =
        waylandDisplay.startsWith(u'/') ? waylandDisplay : runtimeDir + u'/' + waylandDisplay;
    return QStringLiteral("wayland-") + fileSafe(QDir::cleanPath(path));
}

} // namespace torvel
