#include "ui/flat_slider.h"

#include "ui/control_paint.h"
#include "ui/style.h"

#include <algorithm>
#include <cmath>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace torvel {

double SliderGeometry::usable() const {
    return std::max(width - knob, 1.0);
}

double SliderGeometry::fraction(double value) const {
    const double f = (value - lower) / (upper - lower);
    if (!(f > 0)) {
        return 0; // also NaN
    }
    return f > 1 ? 1 : f;
}

double SliderGeometry::knobX(double value) const {
    return fraction(value) * usable();
}

double SliderGeometry::valueAt(double x) const {
    const double t = std::clamp((x - knob * 0.5) / usable(), 0.0, 1.0);
    const double raw = lower + (upper - lower) * t;
    return std::round(raw / step) * step; // std::round: halves away from zero
}

namespace {

// A slider with its value, limits and step, the value also said in words.
class SliderAccessible final : public QAccessibleWidget, public QAccessibleValueInterface {
public:
    explicit SliderAccessible(FlatSlider* slider)
        : QAccessibleWidget(slider, QAccessible::Slider) {}

    void* interface_cast(QAccessible::InterfaceType type) override {
        return type == QAccessible::ValueInterface ? static_cast<QAccessibleValueInterface*>(this)
                                                   : QAccessibleWidget::interface_cast(type);
    }
    QString text(QAccessible::Text t) const override {
        if (t == QAccessible::Value) {
            const QString number = QString::number(slider().value());
            return slider().unit().isEmpty() ? number : number + u' ' + slider().unit();
        }
        return QAccessibleWidget::text(t);
    }
    QVariant currentValue() const override { return slider().value(); }
    void setCurrentValue(const QVariant& value) override {
        slider().setValueFrom(value.toDouble());
    }
    QVariant maximumValue() const override { return slider().upper(); }
    QVariant minimumValue() const override { return slider().lower(); }
    QVariant minimumStepSize() const override { return slider().step(); }

private:
    FlatSlider& slider() const { return *static_cast<FlatSlider*>(widget()); }
};

QAccessibleInterface* sliderAccessible(const QString&, QObject* object) {
    if (auto* slider = qobject_cast<FlatSlider*>(object)) {
        return new SliderAccessible(slider);
    }
    return nullptr;
}

} // namespace

FlatSlider::FlatSlider(Binding<double> value, double lower, double upper, double step,
                       std::function<void(bool)> onEditingChanged, QWidget* parent)
    : QWidget(parent)
    , value_(std::move(value))
    , lower_(lower)
    , upper_(upper)
    , step_(step)
    , onEditingChanged_(std::move(onEditingChanged))
    , announced_(value_.get()) {
    static const bool installed = [] {
        QAccessible::installFactory(sliderAccessible);
        return true;
    }();
    (void)installed;
    setFixedHeight(controlHeight);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_TranslucentBackground);
}

SliderGeometry FlatSlider::geometryNow() const {
    return SliderGeometry{lower_, upper_, step_, static_cast<double>(width())};
}

void FlatSlider::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const SliderGeometry g = geometryNow();
    const double x = g.knobX(value_.get());
    const double mid = controlHeight / 2.0;
    fillRounded(painter, QRectF(0, mid - 2, width(), 4), 2, Style::surface().resolve());
    fillRounded(painter, QRectF(0, mid - 2, x + g.knob / 2, 4), 2, Style::accent().resolve());
    const QRectF knob(x, mid - g.knob / 2, g.knob, g.knob);
    fillRounded(painter, knob, g.knob / 2, Qt::white);
    strokeInside(painter, knob, g.knob / 2, 1.0, Style::knobBorder().resolve());
    paintFocusRing(painter, *this, knob.adjusted(-1, -1, 1, 1), g.knob / 2 + 1);
}

void FlatSlider::setValueFrom(double value) {
    if (!std::isfinite(value)) {
        return;
    }
    const double next = std::clamp(std::round(value / step_) * step_, lower_, upper_);
    if (next != value_.get()) {
        value_.set(next);
    }
    refresh();
}

void FlatSlider::refresh() {
    update();
    announceValue();
}

void FlatSlider::announceValue() {
    const double now = value_.get();
    if (now == announced_) {
        return;
    }
    announced_ = now;
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent event(this, now);
        QAccessible::updateAccessibility(&event);
    }
}

void FlatSlider::change(double x) {
    if (!dragging_) {
        dragging_ = true;
        if (onEditingChanged_) {
            onEditingChanged_(true);
        }
    }
    const double next = geometryNow().valueAt(x);
    if (next != value_.get()) {
        value_.set(next);
    }
    refresh();
}

void FlatSlider::end() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    if (onEditingChanged_) {
        onEditingChanged_(false);
    }
}

void FlatSlider::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        change(event->position().x());
    }
}

void FlatSlider::mouseMoveEvent(QMouseEvent* event) {
    if (dragging_ && (event->buttons() & Qt::LeftButton)) {
        change(event->position().x());
    }
}

void FlatSlider::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) {
        end();
    }
}

void FlatSlider::keyPressEvent(QKeyEvent* event) {
    const double pageSteps = 10;
    const double range = (upper_ - lower_) / step_;
    double steps = 0;
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Down:
        steps = -1;
        break;
    case Qt::Key_Right:
    case Qt::Key_Up:
        steps = 1;
        break;
    case Qt::Key_PageDown:
        steps = -pageSteps;
        break;
    case Qt::Key_PageUp:
        steps = pageSteps;
        break;
    case Qt::Key_Home:
        steps = -range;
        break;
    case Qt::Key_End:
        steps = range;
        break;
    default:
        break;
    }
    if (steps == 0 || dragging_) {
        QWidget::keyPressEvent(event);
        return;
    }
    stepBy(steps);
}

void FlatSlider::wheelEvent(QWheelEvent* event) {
    const int notches = event->angleDelta().y() / 120;
    if (dragging_ || event->angleDelta().y() == 0) {
        QWidget::wheelEvent(event);
        return;
    }
    stepBy(notches != 0 ? notches : (event->angleDelta().y() > 0 ? 1 : -1));
    event->accept();
}

void FlatSlider::stepBy(double steps) {
    if (!keyboardEditing_) {
        keyboardEditing_ = true;
        if (onEditingChanged_) {
            onEditingChanged_(true);
        }
    }
    const double next = std::clamp(value_.get() + steps * step_, lower_, upper_);
    if (next != value_.get()) {
        value_.set(next);
    }
    if (!keyboardHold_) {
        keyboardHold_ = new QTimer(this);
        keyboardHold_->setSingleShot(true);
        connect(keyboardHold_, &QTimer::timeout, this, [this] { endKeyboardEdit(); });
    }
    keyboardHold_->start(keyboardHoldMs);
    refresh();
}

void FlatSlider::endKeyboardEdit() {
    if (keyboardHold_) {
        keyboardHold_->stop();
    }
    if (!keyboardEditing_) {
        return;
    }
    keyboardEditing_ = false;
    if (onEditingChanged_) {
        onEditingChanged_(false);
    }
}

void FlatSlider::focusOutEvent(QFocusEvent* event) {
    endKeyboardEdit();
    QWidget::focusOutEvent(event);
}

void FlatSlider::hideEvent(QHideEvent* event) {
    end();
    endKeyboardEdit();
    QWidget::hideEvent(event);
}

void FlatSlider::focusInEvent(QFocusEvent* event) {
    noteFocusReason(*this, event->reason());
    QWidget::focusInEvent(event);
}

} // namespace torvel
