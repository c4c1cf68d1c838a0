#include "ui/stepper_control.h"

#include "base/texts.h"
#include "ui/control_paint.h"
#include "ui/style.h"

#include <cmath>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QPainter>

namespace torvel {

namespace {

QFont textFont() {
    QFont font;
    font.setPixelSize(13);
    font.setWeight(QFont::Medium);
    return font;
}

// A plain button drawing a minus or plus sign (10-point bold weight) in the
// secondary colour; the whole 26 x 24 frame is its hit area.
class StepButton final : public QAbstractButton {
public:
    StepButton(StepperControl::Step step, QWidget* parent)
        : QAbstractButton(parent)
        , plus_(step == StepperControl::Step::up) {
        setFixedSize(StepperControl::buttonWidth, StepperControl::controlHeight);
        setAutoRepeat(true); // the style's delay and interval
        setFocusPolicy(Qt::StrongFocus);
        setAccessibleName(plus_ ? Texts::tr("Increase") : Texts::tr("Decrease"));
        setCursor(Qt::ArrowCursor);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        if (!isEnabled()) {
            return; // a value that is not ours to change shows no signs
        }
        QPainter painter(this);
        painter.setRenderHint(QPainter::Antialiasing);
        QColor color = secondaryLabel();
        if (isDown()) {
            color.setAlphaF(color.alphaF() * 0.6f);
        }
        const QPointF c = QRectF(rect()).center();
        const qreal half = 4.0, thick = 1.6; // a bold 10-point sign
        painter.fillRect(QRectF(c.x() - half, c.y() - thick / 2, 2 * half, thick), color);
        if (plus_) {
            painter.fillRect(QRectF(c.x() - thick / 2, c.y() - half, thick, 2 * half), color);
        }
        paintFocusRing(painter, *this, QRectF(rect()).adjusted(3, 2, -3, -2), 6);
    }
    void focusInEvent(QFocusEvent* event) override {
        noteFocusReason(*this, event->reason());
        QAbstractButton::focusInEvent(event);
    }

private:
    bool plus_;
};

} // namespace

StepperControl::StepperControl(const QString& text, std::function<void()> onDecrement,
                               std::function<void()> onIncrement, QWidget* parent)
    : QWidget(parent)
    , text_(text) {
    minus_ = stepButton(Step::down, std::move(onDecrement));
    plus_ = stepButton(Step::up, std::move(onIncrement));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedSize(sizeHint());
}

QAbstractButton* StepperControl::stepButton(Step step, std::function<void()> action) {
    auto* button = new StepButton(step, this);
    connect(button, &QAbstractButton::clicked, this, [action = std::move(action)] {
        if (action) {
            action();
        }
    });
    return button;
}

qreal StepperControl::textWidth() const {
    return std::max<qreal>(minTextWidth, QFontMetricsF(textFont()).horizontalAdvance(text_));
}

QSize StepperControl::sizeHint() const {
    return QSize(static_cast<int>(std::ceil(2 * buttonWidth + textWidth())), controlHeight);
}

void StepperControl::setStepNames(const QString& minus, const QString& plus) {
    minus_->setAccessibleName(minus);
    plus_->setAccessibleName(plus);
}

void StepperControl::setText(const QString& text) {
    if (text == text_ && accessibleDescription() == text) {
        return; // an unchanged description is not announced again
    }
    text_ = text;
    setFixedSize(sizeHint());
    setAccessibleDescription(text);
    update();
}

void StepperControl::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    minus_->move(0, 0);
    plus_->move(width() - buttonWidth, 0);
}

void StepperControl::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    fillRounded(painter, QRectF(rect()), height() / 2.0, Style::surface().resolve());
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(textFont());
    painter.setPen(primaryLabel());
    painter.drawText(QRectF(buttonWidth, 0, width() - 2 * buttonWidth, height()), Qt::AlignCenter,
                     text_);
}

} // namespace torvel
