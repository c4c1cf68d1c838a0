#include "ui/flat_segmented.h"

#include "ui/control_paint.h"
#include "ui/style.h"

#include <algorithm>
#include <QAccessible>
#include <QAccessibleWidget>
#include <QFocusEvent>
#include <QFontMetricsF>
#include <QKeyEvent>
#include <QPainter>

namespace torvel {

namespace {

constexpr qreal outer = 2, spacing = 2, vPadding = 5;
// Each side of a label, inside its segment.
constexpr qreal labelPadding = 8;

QFont labelFont(bool selected) {
    QFont font;
    font.setPixelSize(12);
    font.setWeight(selected ? QFont::DemiBold : QFont::Normal);
    return font;
}

} // namespace

// Each segment is a plain button: the whole rectangle is its hit area and
// it carries the segment's accessible name.
class FlatSegmentedBase::Segment final : public QAbstractButton {
public:
    Segment(FlatSegmentedBase& owner, int index, const QString& label)
        : QAbstractButton(&owner)
        , owner_(owner)
        , index_(index) {
        setText(label);
        setAccessibleName(label);
        setFocusPolicy(Qt::NoFocus); // the control takes focus as one
        connect(this, &QAbstractButton::clicked, this, [this] { owner_.select(index_); });
    }

protected:
    void paintEvent(QPaintEvent*) override {} // the owner draws everything

public:
    FlatSegmentedBase& owner() const { return owner_; }
    bool selected() const { return owner_.selectedIndex() == index_; }

private:
    FlatSegmentedBase& owner_;
    int index_;
};

namespace {

// Each segment is a radio button, checked when selected; while the picker
// has the keyboard, the selected one has the focus for assistive technology.
class SegmentAccessible final : public QAccessibleWidget {
public:
    explicit SegmentAccessible(QWidget* segment)
        : QAccessibleWidget(segment, QAccessible::RadioButton) {}

    QAccessible::State state() const override {
        QAccessible::State s = QAccessibleWidget::state();
        const auto& segment = dynamic_cast<const FlatSegmentedBase::Segment&>(*widget());
        s.checkable = true;
        s.checked = segment.selected();
        s.focusable = true;
        s.focused = segment.selected() && segment.owner().hasFocus();
        return s;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& name) override {
        if (name == pressAction()) {
            static_cast<QAbstractButton*>(widget())->click();
        }
    }
};

// The picker holds the radio buttons, and passes its focus to the selected one.
class PickerAccessible final : public QAccessibleWidget {
public:
    explicit PickerAccessible(FlatSegmentedBase* picker)
        : QAccessibleWidget(picker, QAccessible::Grouping) {}

    QAccessibleInterface* focusChild() const override {
        const auto* picker = static_cast<const FlatSegmentedBase*>(widget());
        const int i = picker->selectedIndex();
        return picker->hasFocus() && i >= 0 ? child(i) : nullptr;
    }
};

QAccessibleInterface* segmentAccessible(const QString&, QObject* object) {
    if (auto* segment = dynamic_cast<FlatSegmentedBase::Segment*>(object)) {
        return new SegmentAccessible(segment);
    }
    if (auto* picker = dynamic_cast<FlatSegmentedBase*>(object)) {
        return new PickerAccessible(picker);
    }
    return nullptr;
}

} // namespace

FlatSegmentedBase::FlatSegmentedBase(Binding<QVariant> selection,
                                     std::vector<std::pair<QVariant, QString>> options,
                                     QWidget* parent)
    : QWidget(parent)
    , selection_(std::move(selection))
    , options_(std::move(options)) {
    // Before the segments exist: the first question about one keeps its answer.
    static const bool installed = [] {
        QAccessible::installFactory(segmentAccessible);
        return true;
    }();
    (void)installed;
    announced_ = selectedIndex();
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
        segments_.push_back(new Segment(*this, i, options_[static_cast<std::size_t>(i)].second));
    }
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setFixedHeight(sizeHint().height());
    setAttribute(Qt::WA_TranslucentBackground);
}

int FlatSegmentedBase::selectedIndex() const {
    const QVariant current = selection_.get();
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
        if (options_[static_cast<std::size_t>(i)].first == current) {
            return i;
        }
    }
    return -1;
}

QSize FlatSegmentedBase::sizeHint() const {
    const QFontMetricsF metrics(labelFont(true));
    qreal widest = 0;
    for (const auto& option : options_) {
        widest = std::max(widest, metrics.horizontalAdvance(option.second));
    }
    const int n = static_cast<int>(options_.size());
    return QSize(static_cast<int>(
                     std::ceil(2 * outer + n * (widest + 2 * labelPadding) + (n - 1) * spacing)),
                 static_cast<int>(std::ceil(2 * outer + 2 * vPadding + metrics.height())));
}

QRectF FlatSegmentedBase::segmentRect(int index) const {
    const int n = static_cast<int>(options_.size());
    if (n == 0) {
        return {};
    }
    const qreal room = width() - 2 * outer - (n - 1) * spacing;
    // Equal thirds while every label fits one; else a long label (a
    // language's "Schedule") takes room from the short ones, each keeping
    // its padding, so nothing is cut.
    const QFontMetricsF metrics(labelFont(true));
    std::vector<qreal> need;
    qreal total = 0;
    qreal widest = 0;
    for (const auto& option : options_) {
        need.push_back(metrics.horizontalAdvance(option.second) + 2 * labelPadding);
        total += need.back();
        widest = std::max(widest, need.back());
    }
    std::vector<qreal> each(need.size(), room / n);
    if (widest > room / n) {
        for (std::size_t i = 0; i < need.size(); ++i) {
            each[i] = total <= room ? need[i] + (room - total) / n : room * need[i] / total;
        }
    }
    qreal left = outer;
    for (int i = 0; i < index; ++i) {
        left += each[static_cast<std::size_t>(i)] + spacing;
    }
    return QRectF(left, outer, each[static_cast<std::size_t>(index)], height() - 2 * outer);
}

void FlatSegmentedBase::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    for (int i = 0; i < static_cast<int>(segments_.size()); ++i) {
        segments_[static_cast<std::size_t>(i)]->setGeometry(segmentRect(i).toAlignedRect());
    }
}

void FlatSegmentedBase::select(int index) {
    selection_.set(options_[static_cast<std::size_t>(index)].first);
    refresh();
}

void FlatSegmentedBase::refresh() {
    update();
    const int now = selectedIndex();
    if (now == announced_) {
        return;
    }
    const int before = std::exchange(announced_, now);
    if (!QAccessible::isActive()) {
        return;
    }
    QAccessible::State checked;
    checked.checked = true;
    for (const int i : {before, now}) {
        if (i >= 0) {
            QAccessibleStateChangeEvent event(segments_[static_cast<std::size_t>(i)], checked);
            QAccessible::updateAccessibility(&event);
        }
    }
    announceFocus();
}

void FlatSegmentedBase::announceFocus() {
    const int i = selectedIndex();
    if (hasFocus() && i >= 0 && QAccessible::isActive()) {
        QAccessibleEvent event(segments_[static_cast<std::size_t>(i)], QAccessible::Focus);
        QAccessible::updateAccessibility(&event);
    }
}

void FlatSegmentedBase::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::TextAntialiasing);
    fillRounded(painter, QRectF(rect()), 8, Style::surface().resolve());
    const int selected = selectedIndex();
    for (int i = 0; i < static_cast<int>(options_.size()); ++i) {
        const QRectF r = segmentRect(i);
        const bool isSelected = i == selected;
        if (isSelected) {
            fillRounded(painter, r, 6, Style::raised().resolve());
        }
        painter.setFont(labelFont(isSelected));
        painter.setPen(isSelected ? primaryLabel() : secondaryLabel());
        painter.drawText(r, Qt::AlignCenter, options_[static_cast<std::size_t>(i)].second);
    }
    paintFocusRing(painter, *this, QRectF(rect()), 8);
}

void FlatSegmentedBase::focusInEvent(QFocusEvent* event) {
    noteFocusReason(*this, event->reason());
    QWidget::focusInEvent(event);
    announceFocus();
}

void FlatSegmentedBase::keyPressEvent(QKeyEvent* event) {
    const int n = static_cast<int>(options_.size());
    const int current = std::max(selectedIndex(), 0);
    if (event->key() == Qt::Key_Left && current > 0) {
        select(current - 1);
    } else if (event->key() == Qt::Key_Right && current + 1 < n) {
        select(current + 1);
    } else {
        QWidget::keyPressEvent(event);
    }
}

} // namespace torvel
