#include "ui/text_line.h"

#include "ui/style.h"

#include <cmath>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFontMetricsF>
#include <QPainter>

namespace torvel {

namespace {

// A label to assistive technology, its text the name.
QAccessibleInterface* lineAccessible(const QString&, QObject* object) {
    if (auto* line = dynamic_cast<TextLine*>(object)) {
        return new QAccessibleWidget(line, QAccessible::StaticText);
    }
    return nullptr;
}

} // namespace

TextLine::TextLine(int pixelSize, QFont::Weight weight, TextTone tone, const QString& text,
                   QWidget* parent)
    : QWidget(parent)
    , text_(text)
    , tone_(tone) {
    static const bool installed = [] {
        QAccessible::installFactory(lineAccessible);
        return true;
    }();
    (void)installed;
    QFont f = font();
    f.setPixelSize(pixelSize);
    f.setWeight(weight);
    setFont(f);
    setAttribute(Qt::WA_TranslucentBackground);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setFixedHeight(sizeHint().height());
    setAccessibleName(text);
}

void TextLine::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    setAccessibleName(text);
    refreshToolTip();
    updateGeometry();
    update();
}

void TextLine::resizeEvent(QResizeEvent*) {
    refreshToolTip();
}

void TextLine::refreshToolTip() {
    const bool cut = QFontMetricsF(font()).horizontalAdvance(text_) > width();
    setToolTip(cut ? text_ : QString());
}

int TextLine::baseline() const {
    return baselineOffset_ + static_cast<int>(std::ceil(QFontMetricsF(font()).ascent()));
}

void TextLine::setBaselineOffset(int pixels) {
    baselineOffset_ = std::max(pixels, 0);
    setFixedHeight(sizeHint().height());
    update();
}

QSize TextLine::sizeHint() const {
    const QFontMetricsF metrics(font());
    // The baseline sits at the ascent rounded up, so the descent gets its own
    // whole pixels below it: ceil(ascent + descent) can leave descenders cut.
    return QSize(static_cast<int>(std::ceil(metrics.horizontalAdvance(text_))),
                 baselineOffset_ + static_cast<int>(std::ceil(metrics.ascent())) +
                     static_cast<int>(std::ceil(metrics.descent())));
}

QSize TextLine::minimumSizeHint() const {
    return QSize(0, sizeHint().height());
}

void TextLine::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setPen(tone_ == TextTone::secondary ? secondaryLabel() : primaryLabel());
    const QFontMetricsF metrics(font());
    const QString shown = metrics.elidedText(text_, Qt::ElideRight, width());
    painter.drawText(QPointF(0, baselineOffset_ + std::ceil(metrics.ascent())), shown);
}

} // namespace torvel
