#include "ui/style.h"

#include <QGuiApplication>
#include <QPalette>

namespace torvel {

namespace {
QColor grey(double white, double alpha = 1.0) {
    return QColor::fromRgbF(white, white, white, alpha);
}
} // namespace

const DynamicColor& Style::accent() {
    static const DynamicColor c{QColor::fromRgbF(0.94f, 0.54f, 0.20f),
                                QColor::fromRgbF(0.94f, 0.54f, 0.20f)};
    return c;
}
const DynamicColor& Style::background() {
    static const DynamicColor c{grey(0.975), grey(0.13)};
    return c;
}
const DynamicColor& Style::surface() {
    static const DynamicColor c{grey(0.915), grey(0.205)};
    return c;
}
const DynamicColor& Style::raised() {
    static const DynamicColor c{grey(1.0), grey(0.32)};
    return c;
}
const DynamicColor& Style::hairline() {
    static const DynamicColor c{grey(0.0, 0.09), grey(1.0, 0.10)};
    return c;
}
const DynamicColor& Style::controlBorder() {
    static const DynamicColor c{grey(0.55), grey(0.45)};
    return c;
}
const DynamicColor& Style::knobBorder() {
    static const DynamicColor c{grey(0.0, 0.18), grey(0.0, 0.35)};
    return c;
}

QPalette popupPalette() {
    QPalette p = QGuiApplication::palette();
    const QColor background = Style::background().resolve();
    const QColor text = primaryLabel();
    for (const auto role : {QPalette::Window, QPalette::Base, QPalette::Button}) {
        p.setColor(role, background);
    }
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(role, text);
    }
    p.setColor(QPalette::Highlight, Style::accent().resolve());
    p.setColor(QPalette::HighlightedText, Qt::white);
    p.setColor(QPalette::Mid, Style::hairline().resolve());
    for (const auto role : {QPalette::WindowText, QPalette::Text, QPalette::ButtonText}) {
        p.setColor(QPalette::Disabled, role, secondaryLabel());
    }
    return p;
}

QColor primaryLabel() {
    // In the dark theme the palette may still be a light one (the desktop
    // said dark, Qt's palette did not follow): keep text readable.
    const QColor text = QGuiApplication::palette().color(QPalette::WindowText);
    if (Theme::isDark() && text.lightnessF() < 0.5) {
        return QColor(Qt::white);
    }
    if (!Theme::isDark() && text.lightnessF() >= 0.5) {
        return QColor(Qt::black);
    }
    return text;
}

QColor secondaryLabel() {
    QColor c = primaryLabel();
    c.setAlphaF(0.55f);
    return c;
}

} // namespace torvel
