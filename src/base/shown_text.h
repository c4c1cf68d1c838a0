#pragma once
// Text from outside (a window's class, a program's reason, a place's name)
// as we show it: on a terminal through the command line, in a tooltip, on
// the bus. Control characters would be commands to a terminal, and bidi
// overrides would make a line read as something else; both go.

#include <QList>
#include <QString>

namespace torvel {

inline bool isShownCharacter(char32_t c) {
    const bool c0 = c < 0x20 || c == 0x7f;
    const bool c1 = c >= 0x80 && c <= 0x9f;
    const bool bidi = (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069) || c == 0x200e ||
                      c == 0x200f || c == 0x061c;
    return !c0 && !c1 && !bidi;
}

// `text` without C0 and C1 control characters and bidirectional controls.
inline QString shownText(const QString& text) {
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        if (isShownCharacter(c)) {
            out += QString::fromUcs4(&c, 1);
        }
    }
    return out;
}

} // namespace torvel
