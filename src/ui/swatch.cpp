#include "ui/swatch.h"

#include "color/channel_gains.h"
#include "ui/style.h"

#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace torvel {

void paintSwatch(QPainter& painter, const QRectF& square, std::optional<std::int64_t> kelvin) {
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill(Qt::transparent);
    if (kelvin) {
        const ChannelGains gains(*kelvin);
        fill = QColor::fromRgbF(static_cast<float>(gains.red), static_cast<float>(gains.green),
                                static_cast<float>(gains.blue));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(fill);
    painter.drawEllipse(square);
    // A white (6500 K) or empty swatch would otherwise melt into the background.
    QPen ring(Style::controlBorder().resolve(), 1.0);
    ring.setCapStyle(Qt::FlatCap);
    ring.setJoinStyle(Qt::MiterJoin);
    ring.setMiterLimit(10);
    painter.setPen(ring);
    painter.setBrush(Qt::NoBrush);
    painter.drawEllipse(square.adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

Swatch::Swatch(std::optional<std::int64_t> kelvin, qreal size, QWidget* parent)
    : QWidget(parent)
    , kelvin_(kelvin) {
    const int side = static_cast<int>(std::ceil(size));
    setFixedSize(side, side);
    setAttribute(Qt::WA_TranslucentBackground);
}

void Swatch::setKelvin(std::optional<std::int64_t> kelvin) {
    kelvin_ = kelvin;
    update();
}

void Swatch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    paintSwatch(painter, QRectF(rect()), kelvin_);
}

} // namespace torvel
