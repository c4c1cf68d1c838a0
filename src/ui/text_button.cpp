#include "ui/text_button.h"

#include "ui/style.h"

#include <QPainter>

namespace torvel {

TextButton::TextButton(int pixelSize, const QString& text, QWidget* parent)
    : QAbstractButton(parent)
    , line_(pixelSize, QFont::Normal, TextTone::secondary, text) {
    setText(text);
    setAccessibleName(text);
    setFocusPolicy(Qt::StrongFocus);
    setFont(line_.font());
    setFixedSize(line_.sizeHint());
}

void TextButton::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    QColor color = secondaryLabel();
    if (isDown()) {
        color.setAlphaF(color.alphaF() * 0.6f);
    }
    painter.setPen(color);
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignVCenter, text());
    if (hasFocus()) {
        painter.setPen(QPen(Style::accent().resolve(), 1));
        painter.drawLine(0, height() - 1, width(), height() - 1);
    }
}

} // namespace torvel
