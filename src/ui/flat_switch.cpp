#include "ui/flat_switch.h"

#include "ui/control_paint.h"
#include "ui/style.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QPainter>

namespace torvel {

namespace {
QColor mix(const QColor& a, const QColor& b, qreal t) {
    return QColor::fromRgbF(
        a.redF() + (b.redF() - a.redF()) * t, a.greenF() + (b.greenF() - a.greenF()) * t,
        a.blueF() + (b.blueF() - a.blueF()) * t, a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

// A check box to assistive technology, checked when on.
class SwitchAccessible final : public QAccessibleWidget {
public:
    explicit SwitchAccessible(FlatSwitch* control)
        : QAccessibleWidget(control, QAccessible::CheckBox) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        s.checkable = true;
        s.checked = static_cast<const FlatSwitch*>(widget())->isOn();
        return s;
    }
    QStringList actionNames() const override { return {toggleAction()}; }
    void doAction(const QString& name) override {
        if (name == toggleAction() || name == pressAction()) {
            static_cast<FlatSwitch*>(widget())->click();
        }
    }
};

QAccessibleInterface* switchAccessible(const QString&, QObject* object) {
    if (auto* control = dynamic_cast<FlatSwitch*>(object)) {
        return new SwitchAccessible(control);
    }
    return nullptr;
}

} // namespace

FlatSwitch::FlatSwitch(Binding<bool> isOn, QWidget* parent)
    : QAbstractButton(parent)
    , isOn_(std::move(isOn))
    , position_(isOn_.get() ? 1 : 0)
    , announced_(isOn_.get()) {
    static const bool installed = [] {
        QAccessible::installFactory(switchAccessible);
        return true;
    }();
    (void)installed;
    setFixedSize(trackWidth, trackHeight);
    setFocusPolicy(Qt::StrongFocus);
    setCheckable(false); // the binding holds the state, not the button
    setAttribute(Qt::WA_TranslucentBackground);
    animation_.setDuration(animationMs);
    animation_.setEasingCurve(QEasingCurve::OutCubic);
    connect(&animation_, &QVariantAnimation::valueChanged, this, [this](const QVariant& v) {
        position_ = v.toReal();
        update();
    });
    connect(this, &QAbstractButton::clicked, this, [this] {
        isOn_.set(!isOn_.get());
        refresh();
    });
}

void FlatSwitch::refresh() {
    const bool on = isOn_.get();
    if (on != announced_) {
        announced_ = on;
        if (QAccessible::isActive()) {
            QAccessible::State checked;
            checked.checked = true;
            QAccessibleStateChangeEvent event(this, checked);
            QAccessible::updateAccessibility(&event);
        }
    }
    const qreal target = on ? 1 : 0;
    if (target == position_ && animation_.state() != QAbstractAnimation::Running) {
        return;
    }
    animation_.stop();
    animation_.setStartValue(position_);
    animation_.setEndValue(target);
    animation_.start();
}

qreal FlatSwitch::knobCenterX() const {
    const qreal off = knobPadding + knobSize / 2.0; // 7.5
    return off + position_ * (trackWidth - 2 * off);
}

void FlatSwitch::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QRectF track(0, 0, trackWidth, trackHeight);
    fillRounded(painter, track, trackHeight / 2.0,
                mix(Style::surface().resolve(), Style::accent().resolve(), position_));
    // Off, the track's edge makes it stand out from the background; it fades
    // as the accent comes in.
    QColor edge = Style::controlBorder().resolve();
    edge.setAlphaF(static_cast<float>(1 - position_));
    strokeInside(painter, track, trackHeight / 2.0, 1.0, edge);
    const QRectF knob(knobCenterX() - knobSize / 2.0, knobPadding, knobSize, knobSize);
    fillRounded(painter, knob, knobSize / 2.0, Qt::white);
    // The ring fades out as the switch turns on.
    QColor ring = Style::knobBorder().resolve();
    ring.setAlphaF(ring.alphaF() * static_cast<float>(1 - position_));
    strokeInside(painter, knob, knobSize / 2.0, 1.0, ring);
    // On, the track is the accent itself: the ring takes the label colour.
    paintFocusRing(painter, *this, track, trackHeight / 2.0,
                   position_ > 0.5 ? primaryLabel() : QColor());
}

void FlatSwitch::focusInEvent(QFocusEvent* event) {
    noteFocusReason(*this, event->reason());
    QAbstractButton::focusInEvent(event);
}

} // namespace torvel
