// Writes the sheet of tray icons shown in the README: every symbol band,
// each slot size, on a light and a dark panel, at scales 1 and 2.
// Usage: tray_icon_sheet OUT.png
#include "tray/menu_bar_icon.h"

#include <QApplication>
#include <QFont>
#include <QPainter>

using namespace torvel;

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    if (argc < 2) {
        return 2;
    }
    const std::vector<std::pair<std::int64_t, TrayLook>> values{
        {6500, TrayLook::tinted}, {5000, TrayLook::tinted},  {4000, TrayLook::tinted},
        {2700, TrayLook::tinted}, {1900, TrayLook::tinted},  {0, TrayLook::paused},
        {0, TrayLook::off},       {100000, TrayLook::tinted}};
    const std::vector<QColor> panels{QColor(0xf2, 0xf2, 0xf2), QColor(0x20, 0x20, 0x20)};
    const int cell = 104;
    const int label = 70;
    const int rows = static_cast<int>(panels.size() * 2 * std::size(traySlotSizes));
    QImage sheet(label + cell * static_cast<int>(values.size()), 24 + rows * cell,
                 QImage::Format_ARGB32_Premultiplied);
    sheet.fill(Qt::white);
    QPainter painter(&sheet);
    QFont font = QApplication::font();
    font.setPixelSize(11);
    painter.setFont(font);
    for (std::size_t i = 0; i < values.size(); ++i) {
        const auto [kelvin, look] = values[i];
        painter.drawText(QRect(label + static_cast<int>(i) * cell, 4, cell, 16), Qt::AlignCenter,
                         look == TrayLook::off      ? QStringLiteral("off")
                         : look == TrayLook::paused ? QStringLiteral("paused")
                                                    : QStringLiteral("%1 K").arg(kelvin));
    }
    int row = 0;
    for (const QColor& panel : panels) {
        const TrayInk ink = trayInkFor(PanelLook{panel, std::nullopt, false});
        for (const qreal dpr : {1.0, 2.0}) {
            for (const int slot : traySlotSizes) {
                const int y = 24 + row * cell;
                painter.fillRect(0, y, sheet.width(), cell, panel);
                painter.setPen(panel.lightness() > 128 ? Qt::black : Qt::white);
                painter.drawText(QRect(4, y, label, cell), Qt::AlignVCenter,
                                 QStringLiteral("%1 px x%2").arg(slot).arg(dpr));
                for (std::size_t i = 0; i < values.size(); ++i) {
                    QImage image = menuBarIcon({values[i].first, values[i].second}, slot, dpr, ink);
                    image.setDevicePixelRatio(1); // shown at its real pixel size
                    painter.drawImage(label + static_cast<int>(i) * cell +
                                          (cell - image.width()) / 2,
                                      y + (cell - image.height()) / 2, image);
                }
                ++row;
            }
        }
    }
    painter.end();
    return sheet.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
