#include "platform/runtime/display_key.h"

#include <algorithm>
#include <QDir>

namespace torvel {

namespace {

bool isLowerAscii(QChar c) {
    return c >= u'a' && c <= u'z';
}

bool isDigit(QChar c) {
    return c >= u'0' && c <= u'9';
}

bool allOf(QStringView text, bool (*test)(QChar)) {
    return std::all_of(text.begin(), text.end(), test);
}

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
    // [protocol/][host]:number[.screen]; a host of "[::1]" form keeps its
    // colons, so the number follows the last one.
    QStringView rest(name);
    const qsizetype slash = rest.indexOf(u'/');
    if (slash > 0 && allOf(rest.first(slash), isLowerAscii)) {
        rest = rest.sliced(slash + 1);
    }
    const qsizetype colon = rest.lastIndexOf(u':');
    const QStringView tail = colon < 0 ? QStringView() : rest.sliced(colon + 1);
    const qsizetype dot = tail.indexOf(u'.');
    const QStringView number = dot < 0 ? tail : tail.first(dot);
    const QStringView screen = dot < 0 ? QStringView(u"0") : tail.sliced(dot + 1);
    if (number.isEmpty() || screen.isEmpty() || !allOf(number, isDigit) ||
        !allOf(screen, isDigit)) {
        return QStringLiteral("x11-") + fileSafe(name);
    }
    const QString host = rest.first(colon).toString();
    static const QStringList local{QString(),
                                   QStringLiteral("unix"),
                                   QStringLiteral("localhost"),
                                   QStringLiteral("127.0.0.1"),
                                   QStringLiteral("::1"),
                                   QStringLiteral("[::1]")};
    const QString shown = QString::number(number.toULongLong());
    return local.contains(host) ? QStringLiteral("x11-") + shown
                                : QStringLiteral("x11-%1-%2").arg(fileSafe(host), shown);
}

QString waylandDisplayKey(const QString& waylandDisplay, const QString& runtimeDir) {
    const QString path =
        waylandDisplay.startsWith(u'/') ? waylandDisplay : runtimeDir + u'/' + waylandDisplay;
    return QStringLiteral("wayland-") + fileSafe(QDir::cleanPath(path));
}

} // namespace torvel
