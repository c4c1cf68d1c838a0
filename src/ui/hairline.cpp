#include "ui/hairline.h"

#include "ui/style.h"

#include <QPainter>

namespace torvel {

Hairline::Hairline(QWidget* parent)
    : QWidget(parent) {
    setFixedHeight(1);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
}

void Hairline::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Style::hairline().resolve());
}

} // namespace torvel
