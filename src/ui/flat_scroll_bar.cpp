#include "ui/flat_scroll_bar.h"

#include "ui/style.h"

#include <QScrollBar>

namespace torvel {

namespace {

QString rgba(QColor c, double alpha) {
    return QStringLiteral("rgba(%1, %2, %3, %4)")
        .arg(c.red())
        .arg(c.green())
        .arg(c.blue())
        .arg(static_cast<int>(alpha * 255));
}

} // namespace

void makeFlat(QScrollBar& bar) {
    const QColor ink = secondaryLabel();
    // A style sheet, so the thumb Qt hits is the thumb we draw.
    bar.setStyleSheet(QStringLiteral("QScrollBar:vertical { background: transparent; width: 10px;"
                                     " margin: 4px 2px 4px 0; }"
                                     "QScrollBar::handle:vertical { background: %1;"
                                     " border-radius: 4px; min-height: 32px; }"
                                     "QScrollBar::handle:vertical:hover,"
                                     " QScrollBar::handle:vertical:pressed { background: %2; }"
                                     "QScrollBar::add-line:vertical, QScrollBar::sub-line:vertical"
                                     " { height: 0; border: none; background: none; }"
                                     "QScrollBar::add-page:vertical, QScrollBar::sub-page:vertical"
                                     " { background: none; }")
                          .arg(rgba(ink, 0.35), rgba(ink, 0.6)));
}

} // namespace torvel
