#include "tray/menu_bar_icon.h"

#include "tray/tray_digits.h"

#include <algorithm>
#include <cmath>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace torvel {

namespace {

// The attention mark's colour: a red that reads on light and dark panels.
const QColor attentionRed(0xe5, 0x3e, 0x3e);

// Below this many device pixels a symbol beside the number would leave the
// digits too small to read: the number stands alone.
constexpr int symbolFromPixels = 20;
// Digits may be narrowed this far before they are made smaller.
constexpr qreal narrowestDigits = 0.72;
constexpr qreal haloOpacity = 0.6;

// The digits' ink fills `box`'s height, centred, narrowed or shrunk to fit
// its width: a long number (a settings file may hold 100000 K) still fits.
QPainterPath fittedDigits(const QString& text, const QRect& box) {
    const QPainterPath path = trayDigits(text);
    const QRectF ink = path.boundingRect();
    if (ink.isEmpty()) {
        return {};
    }
    qreal sy = box.height() / ink.height();
    qreal sx = sy;
    if (ink.width() * sx > box.width()) {
        // Narrowed to fit; past the narrowest, smaller too. One comparison of
        // scales, not of the widths they give, so a number that just fits
        // when narrowed is never shrunk by a rounding error.
        sx = box.width() / ink.width();
        sy = std::min(sy, sx / narrowestDigits);
    }
    QTransform t;
    t.translate(box.left() + (box.width() - ink.width() * sx) / 2,
                box.top() + (box.height() - ink.height() * sy) / 2);
    t.scale(sx, sy);
    t.translate(-ink.left(), -ink.top());
    return t.map(path);
}

// A ring of `opacity` around every inked pixel, `radius` pixels wide,
// under the ink.
QImage withHalo(const QImage& inked, const QColor& halo, int radius, qreal opacity) {
    const int w = inked.width(), h = inked.height();
    QImage out(inked.size(), QImage::Format_ARGB32_Premultiplied);
    out.fill(Qt::transparent);
    const auto alphaAt = [&](int x, int y) {
        return qAlpha(reinterpret_cast<const QRgb*>(inked.constScanLine(y))[x]);
    };
    for (int y = 0; y < h; ++y) {
        auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
        for (int x = 0; x < w; ++x) {
            int around = 0;
            for (int ny = std::max(y - radius, 0); ny <= std::min(y + radius, h - 1); ++ny) {
                for (int nx = std::max(x - radius, 0); nx <= std::min(x + radius, w - 1); ++nx) {
                    around = std::max(around, alphaAt(nx, ny));
                }
            }
            const int a = static_cast<int>(std::lround(around * opacity * halo.alphaF()));
            line[x] = qPremultiply(qRgba(halo.red(), halo.green(), halo.blue(), a));
        }
    }
    QPainter painter(&out);
    painter.drawImage(0, 0, inked);
    return out;
}

double channel(double c) {
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double contrast(double a, double b) {
    return (std::max(a, b) + 0.05) / (std::min(a, b) + 0.05);
}

const QColor lightInk(0xff, 0xff, 0xff);
const QColor darkInk(0x1e, 0x1e, 0x1e);

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

double relativeLuminance(const QColor& color) {
    return 0.2126 * channel(color.redF()) + 0.7152 * channel(color.greenF()) +
           0.0722 * channel(color.blueF());
}

TrayInk trayInkFor(const PanelLook& look) {
    bool light = true;
    bool known = true;
    if (look.background) {
        const double bg = relativeLuminance(*look.background);
        light =
            contrast(bg, relativeLuminance(lightInk)) >= contrast(bg, relativeLuminance(darkInk));
    } else if (look.panelFollowsScheme && look.prefersDark) {
        light = *look.prefersDark;
    } else {
        known = false;
    }
    return light ? TrayInk{lightInk, QColor(0, 0, 0), !known}
                 : TrayInk{darkInk, QColor(0xff, 0xff, 0xff), !known};
}

TrayIconLayout trayIconLayout(int p, TrayLook look) {
    // A pixel of margin all round for the halo.
    const QRect inner(1, 1, std::max(p - 2, 1), std::max(p - 2, 1));
    if (look != TrayLook::tinted) {
        const int s = std::max(static_cast<int>(std::lround(p * 0.8)), 1);
        return {QRect((p - s) / 2, (p - s) / 2, s, s), std::nullopt};
    }
    if (p < symbolFromPixels) {
        // The number alone, as tall as legibility wants and the width allows.
        const int h = std::max(static_cast<int>(std::lround(p * 0.62)), 1);
        return {std::nullopt, QRect(inner.left(), (p - h) / 2, inner.width(), h)};
    }
    const int s = static_cast<int>(std::lround(p * 0.44));
    const int gap = std::max(1, static_cast<int>(std::lround(p / 22.0)));
    const int top = s + gap;
    return {QRect((p - s) / 2, 0, s, s),
            QRect(inner.left(), top, inner.width(), inner.bottom() + 1 - top)};
}

QImage menuBarIcon(const TrayPicture& picture, int slot, qreal dpr, const TrayInk& ink) {
    const std::int64_t kelvin = picture.kelvin;
    const TrayLook look = picture.look;
    const qreal ratio = dpr > 0 ? dpr : 1.0;
    const int p = std::max(static_cast<int>(std::lround(slot * ratio)), 1);
    const TrayIconLayout layout = trayIconLayout(p, look);
    // Drawn in device pixels, so strokes land on the pixel grid of the slot.
    QImage inked(p, p, QImage::Format_ARGB32_Premultiplied);
    inked.fill(Qt::transparent);
    {
        QPainter painter(&inked);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setBrush(ink.ink);
        if (layout.symbol) {
            drawTraySymbol(painter, traySymbolFor(kelvin, look), layout.symbol->topLeft(),
                           layout.symbol->width());
        }
        if (layout.digits) {
            painter.fillPath(fittedDigits(menuBarText(kelvin), *layout.digits), ink.ink);
        }
        if (picture.attention) {
            // Beside a symbol there is room for a gap around the dot; the
            // number alone fills the slot, and a smaller dot sits on it
            // rather than cutting a digit away.
            const bool roomy = layout.symbol.has_value();
            const qreal d = roomy ? std::max(6.0, p * 0.32) : std::max(4.0, p * 0.26);
            const QRectF dot(p - d, 0, d, d);
            painter.setPen(Qt::NoPen);
            if (roomy) {
                const qreal gap = std::max(1.0, p / 24.0);
                painter.setCompositionMode(QPainter::CompositionMode_Clear);
                painter.drawEllipse(dot.adjusted(-gap, -gap, gap, gap));
                painter.setCompositionMode(QPainter::CompositionMode_SourceOver);
            }
            painter.setBrush(attentionRed);
            painter.drawEllipse(dot);
        }
    }
    // An outline grows with the slot: a pixel, two from 36 device pixels.
    const int radius = ink.outlined ? std::max(1, static_cast<int>(std::lround(p / 24.0))) : 1;
    QImage image = withHalo(inked, ink.halo, radius, ink.outlined ? 1.0 : haloOpacity);
    image.setDevicePixelRatio(ratio);
    return image;
}

QIcon trayIcon(const TrayPicture& picture, qreal dpr, const TrayInk& ink, int slot) {
    QIcon icon;
    if (slot > 0) {
        // The slot is known: the one image that fills it is all that is shown.
        icon.addPixmap(QPixmap::fromImage(menuBarIcon(picture, slot, dpr, ink)));
        return icon;
    }
    for (const int size : traySlotSizes) {
        icon.addPixmap(QPixmap::fromImage(menuBarIcon(picture, size, dpr, ink)));
    }
    return icon;
}

} // namespace torvel
