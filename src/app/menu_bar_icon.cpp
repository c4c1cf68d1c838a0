#include "app/menu_bar_icon.h"

#include <cmath>
#include <QFont>
#include <QFontMetricsF>
#include <QGuiApplication>
#include <QPainter>

namespace torvel {

namespace {

// The square a 12-point semibold symbol occupies.
constexpr qreal symbolSize = 15.0;

QFont digitFont() {
    QFont font = QGuiApplication::font();
    font.setPixelSize(11);
    font.setWeight(QFont::DemiBold);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QString menuBarText(std::int64_t kelvin) {
    // Integer arithmetic: the same as rounding kelvin / 100.0 with halves
    // away from zero, and exact beyond the 53 bits a double holds.
    std::int64_t hundreds = kelvin / 100;
    const std::int64_t rest = kelvin % 100;
    if (rest >= 50) {
        ++hundreds;
    } else if (rest <= -50) {
        --hundreds;
    }
    return QString::number(static_cast<long long>(hundreds));
}

MenuBarIconLayout menuBarIconLayout(std::int64_t kelvin, bool isOff) {
    MenuBarIconLayout layout{};
    layout.symbol = traySymbolFor(kelvin, isOff);
    layout.text = isOff ? QString() : menuBarText(kelvin);
    layout.symbolWidth = symbolSize;
    layout.gap = layout.text.isEmpty() ? 0 : 2;
    layout.textWidth =
        layout.text.isEmpty() ? 0 : QFontMetricsF(digitFont()).horizontalAdvance(layout.text);
    layout.width = static_cast<int>(std::ceil(layout.symbolWidth + layout.gap + layout.textWidth));
    return layout;
}

QImage menuBarIcon(std::int64_t kelvin, bool isOff, qreal devicePixelRatio) {
    const MenuBarIconLayout layout = menuBarIconLayout(kelvin, isOff);
    const qreal dpr = devicePixelRatio > 0 ? devicePixelRatio : 1.0;
    QImage image(QSize(static_cast<int>(std::ceil(layout.width * dpr)),
                       static_cast<int>(std::ceil(layout.height * dpr))),
                 QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(dpr);
    image.fill(Qt::transparent);

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setBrush(Qt::black);
    drawTraySymbol(painter, layout.symbol, QPointF(0, (layout.height - symbolSize) * 0.5),
                   symbolSize);
    if (!layout.text.isEmpty()) {
        const QFont font = digitFont();
        const QFontMetricsF metrics(font);
        painter.setFont(font);
        painter.setPen(Qt::black);
        const qreal top = (layout.height - metrics.height()) * 0.5;
        painter.drawText(QPointF(layout.symbolWidth + layout.gap, top + metrics.ascent()),
                         layout.text);
    }
    return image;
}

QImage tintedIcon(const QImage& templateImage, const QColor& color) {
    QImage image = templateImage.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&image);
    painter.setCompositionMode(QPainter::CompositionMode_SourceIn);
    painter.fillRect(QRectF(QPointF(0, 0), image.deviceIndependentSize()), color);
    return image;
}

} // namespace torvel
