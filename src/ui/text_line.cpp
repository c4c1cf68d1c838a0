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
    relayout();
}

void TextLine::setText(const QString& text) {
    if (text == text_) {
        return;
    }
    text_ = text;
    setAccessibleName(text);
    relayout();
    updateGeometry();
    update();
}

void TextLine::setMaxLines(int lines) {
    maxLines_ = std::max(lines, 1);
    relayout();
    update();
}

void TextLine::resizeEvent(QResizeEvent*) {
    relayout();
}

QStringList TextLine::wrapped() const {
    const QFontMetricsF metrics(font());
    const qreal room = width();
    QStringList lines;
    if (maxLines_ > 1 && metrics.horizontalAdvance(text_) > room) {
        const QStringList words = text_.split(u' ', Qt::SkipEmptyParts);
        QString line;
        for (qsizetype i = 0; i < words.size(); ++i) {
            const QString longer = line.isEmpty() ? words[i] : line + u' ' + words[i];
            if (line.isEmpty() || metrics.horizontalAdvance(longer) <= room) {
                line = longer;
                continue;
            }
            lines << line;
            if (lines.size() == maxLines_ - 1) {
                line = words.mid(i).join(u' '); // the rest, elided below
                break;
            }
            line = words[i];
        }
        lines << line;
    } else {
        lines << text_;
    }
    for (QString& line : lines) {
        line = metrics.elidedText(line, Qt::ElideRight, room);
    }
    return lines;
}

void TextLine::relayout() {
    lines_ = wrapped();
    const bool cut = lines_.last().endsWith(QChar(0x2026)) && !text_.endsWith(QChar(0x2026));
    setToolTip(cut ? text_ : QString());
    if (maxLines_ == 1) {
        return;
    }
    const auto extra = static_cast<int>(lines_.size()) - 1;
    if (const int height = sizeHint().height() + extra * lineStep(); height != this->height()) {
        setFixedHeight(height);
    }
}

int TextLine::lineStep() const {
    return static_cast<int>(std::ceil(QFontMetricsF(font()).lineSpacing()));
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
    qreal baseline = baselineOffset_ + std::ceil(metrics.ascent());
    for (const QString& line : lines_) {
        painter.drawText(QPointF(0, baseline), line);
        baseline += lineStep();
    }
}

} // namespace torvel
