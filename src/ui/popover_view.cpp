#include "ui/popover_view.h"

#include "schedule/time_text.h"
#include "ui/day_curve.h"
#include "ui/flat_segmented.h"
#include "ui/flat_slider.h"
#include "ui/flat_switch.h"
#include "ui/hairline.h"
#include "ui/popover_text.h"
#include "ui/stepper_control.h"
#include "ui/style.h"
#include "ui/swatch.h"
#include "ui/text_line.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>

namespace torvel {

namespace {

QString localized(const char* text) {
    return QCoreApplication::translate("PopoverView", text);
}

// The plain "Quit" button: text only, the whole rectangle clickable.
class TextButton final : public QAbstractButton {
public:
    TextButton(const QString& text, QWidget* parent)
        : QAbstractButton(parent)
        , line_(12, QFont::Normal, true, text) {
        setText(text);
        setAccessibleName(text);
        setFocusPolicy(Qt::StrongFocus);
        setFont(line_.font());
        setFixedSize(line_.sizeHint());
    }

protected:
    void paintEvent(QPaintEvent*) override {
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

private:
    TextLine line_;
};

QWidget* spacer(int height) {
    auto* w = new QWidget;
    w->setFixedHeight(height);
    w->setAttribute(Qt::WA_TranslucentBackground);
    return w;
}

int modeIndex(TorvelMode mode) {
    return static_cast<int>(mode);
}

} // namespace

ColorRow::ColorRow(const QString& title, std::function<std::int64_t()> get,
                   std::function<void(std::int64_t)> set,
                   std::function<void(bool)> onEditingChanged, QWidget* parent)
    : QWidget(parent)
    , get_(std::move(get)) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(8);
    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    row->addWidget(new TextLine(13, QFont::Normal, false, title));
    row->addStretch(1);
    swatch_ = new Swatch(get_(), 10);
    row->addWidget(swatch_);
    value_ = new TextLine(13, QFont::Normal, true, valueText());
    row->addWidget(value_);
    column->addLayout(row);
    slider_ = new FlatSlider(
        Binding<double>{[this] { return static_cast<double>(get_()); },
                        [set = std::move(set)](const double& v) { set(truncatedKelvin(v)); }},
        GammaService::minKelvin, GammaService::maxKelvin, GammaService::kelvinStep,
        std::move(onEditingChanged));
    slider_->setAccessibleName(title);
    column->addWidget(slider_);
}

QString ColorRow::valueText() const {
    return QString::number(get_()) + QStringLiteral(" K");
}

void ColorRow::refresh() {
    swatch_->setKelvin(get_());
    value_->setText(valueText());
    slider_->update();
}

PopoverView::PopoverView(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                         QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , quit_([] { QCoreApplication::quit(); })
    , follow_(this, [this] { refresh(); }) {
    setFixedWidth(viewWidth);
    layout_ = new QVBoxLayout(this);
    layout_->setContentsMargins(padding, padding, padding, padding);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);

    // Header.
    auto* header = new QHBoxLayout;
    header->setSpacing(12);
    swatch_ = new Swatch(std::nullopt, 36);
    header->addWidget(swatch_);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(2);
    auto* title = new QHBoxLayout;
    title->setSpacing(3);
    kelvinTitle_ = new TextLine(22, QFont::DemiBold, false);
    kelvinUnit_ = new TextLine(14, QFont::Medium, true, localized("K"));
    offTitle_ = new TextLine(22, QFont::DemiBold, false, localized("Off"));
    // The unit sits on the number's first baseline.
    kelvinUnit_->setBaselineOffset(kelvinTitle_->baseline() - kelvinUnit_->baseline());
    title->addWidget(kelvinTitle_, 0, Qt::AlignTop);
    title->addWidget(kelvinUnit_, 0, Qt::AlignTop);
    title->addWidget(offTitle_);
    title->addStretch(1);
    texts->addLayout(title);
    status_ = new TextLine(12, QFont::Normal, true);
    status_->setFixedWidth(viewWidth - 2 * padding - 36 - 12);
    texts->addWidget(status_);
    header->addLayout(texts, 1);
    layout_->addLayout(header);

    // Mode picker.
    layout_->addWidget(spacer(16));
    std::vector<std::pair<int, QString>> options;
    for (const TorvelMode mode : allModes) {
        options.emplace_back(modeIndex(mode),
                             mode == TorvelMode::automatic ? QStringLiteral("Schedule")
                             : mode == TorvelMode::manual  ? QStringLiteral("Manual")
                                                           : QStringLiteral("Off"));
    }
    picker_ = new FlatSegmented<int>(
        Binding<int>{
            [this] { return modeIndex(settings_.mode()); },
            [this](const int& i) { settings_.setMode(allModes[static_cast<std::size_t>(i)]); }},
        options);
    picker_->setAccessibleName(QStringLiteral("Mode"));
    picker_->setFixedWidth(viewWidth - 2 * padding);
    layout_->addWidget(picker_);

    buildSection();

    // Footer.
    layout_->addWidget(spacer(14));
    sectionHairline_ = new Hairline;
    sectionHairline_->setFixedWidth(viewWidth - 2 * padding);
    layout_->addWidget(sectionHairline_);
    layout_->addWidget(spacer(14));
    auto* footer = new QHBoxLayout;
    footer->setSpacing(8);
    loginSwitch_ =
        new FlatSwitch(Binding<bool>{[this] { return loginItem_.isEnabled(); },
                                     [this](const bool& on) { loginItem_.setEnabled(on); }});
    loginSwitch_->setAccessibleName(localized("Open at login"));
    footer->addWidget(loginSwitch_);
    footer->addWidget(new TextLine(12, QFont::Normal, true, localized("Open at login")));
    footer->addStretch(1);
    auto* quit = new TextButton(localized("Quit"), this);
    connect(quit, &QAbstractButton::clicked, this, [this] { quit_(); });
    quitButton_ = quit;
    footer->addWidget(quit);
    layout_->addLayout(footer);

    follow_.observe(settings_.objectWillChange());
    follow_.observe(coordinator_.objectWillChange());
    follow_.observe(loginItem_.objectWillChange());
    refresh();
    restoreTabOrder();
}

// A rebuilt section's controls would otherwise come last in the Tab order,
// after Quit: the order follows the picture again, top to bottom.
void PopoverView::restoreTabOrder() {
    if (!loginSwitch_ || !quitButton_) {
        return; // still being built
    }
    QWidget* previous = picker_;
    for (QWidget* w : section_->findChildren<QWidget*>()) {
        if (w->focusPolicy() & Qt::TabFocus) {
            setTabOrder(previous, w);
            previous = w;
        }
    }
    setTabOrder(previous, loginSwitch_);
    setTabOrder(loginSwitch_, quitButton_);
}

PopoverView::~PopoverView() = default;

void PopoverView::buildSection() {
    const TorvelMode mode = settings_.mode();
    if (sectionMode_ == mode) {
        return;
    }
    sectionMode_ = mode;
    if (section_) {
        layout_->removeWidget(section_);
        section_->deleteLater();
    }
    manualRow_ = dayRow_ = nightRow_ = nullptr;
    curve_ = nullptr;
    bedtime_ = wake_ = windDown_ = nullptr;
    windDownDetail_ = nullptr;

    section_ = new QWidget;
    section_->setAttribute(Qt::WA_TranslucentBackground);
    section_->setFixedWidth(viewWidth - 2 * padding);
    auto* column = new QVBoxLayout(section_);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    if (mode == TorvelMode::automatic) {
        column->addWidget(spacer(16));
        column->addWidget(buildScheduleSection());
    } else if (mode == TorvelMode::manual) {
        column->addWidget(spacer(18));
        manualRow_ = new ColorRow(
            QStringLiteral("Color"), [this] { return settings_.manualKelvin(); },
            [this](std::int64_t k) { settings_.setManualKelvin(k); }, {});
        column->addWidget(manualRow_);
    } else {
        section_->setFixedHeight(0);
    }
    layout_->insertWidget(layout_->indexOf(picker_) + 1, section_);
    restoreTabOrder();
}

QWidget* PopoverView::settingRow(const QString& title, TextLine* detail, QWidget* control) {
    auto* row = new QWidget;
    row->setAttribute(Qt::WA_TranslucentBackground);
    auto* h = new QHBoxLayout(row);
    h->setContentsMargins(0, 4, 0, 4);
    h->setSpacing(8);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(1);
    texts->addWidget(new TextLine(13, QFont::Normal, false, title));
    if (detail) {
        texts->addWidget(detail);
    }
    h->addLayout(texts);
    h->addStretch(1);
    h->addWidget(control);
    return row;
}

void PopoverView::stepField(std::int64_t LightSchedule::*field, std::int64_t by) {
    LightSchedule schedule = settings_.schedule();
    schedule.*field = steppedMinute(schedule.*field, by);
    settings_.setSchedule(schedule);
}

void PopoverView::changeWindDown(std::int64_t by) {
    LightSchedule schedule = settings_.schedule();
    schedule.windDown = changedWindDown(schedule.windDown, by);
    settings_.setSchedule(schedule);
}

QWidget* PopoverView::buildScheduleSection() {
    auto* box = new QWidget;
    box->setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(box);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    curve_ = new DayCurve;
    column->addWidget(curve_);
    column->addWidget(spacer(12));

    bedtime_ = new StepperControl(
        {}, [this] { stepField(&LightSchedule::bedtime, -15); },
        [this] { stepField(&LightSchedule::bedtime, 15); });
    bedtime_->setAccessibleName(QStringLiteral("Bedtime"));
    column->addWidget(settingRow(QStringLiteral("Bedtime"), nullptr, bedtime_));
    wake_ = new StepperControl(
        {}, [this] { stepField(&LightSchedule::wake, -15); },
        [this] { stepField(&LightSchedule::wake, 15); });
    wake_->setAccessibleName(QStringLiteral("Wake up"));
    column->addWidget(settingRow(QStringLiteral("Wake up"), nullptr, wake_));
    windDown_ = new StepperControl(
        {}, [this] { changeWindDown(-30); }, [this] { changeWindDown(30); });
    windDown_->setAccessibleName(QStringLiteral("Wind-down"));
    windDownDetail_ = new TextLine(11, QFont::Normal, true);
    column->addWidget(settingRow(QStringLiteral("Wind-down"), windDownDetail_, windDown_));

    column->addWidget(spacer(12));
    column->addWidget(new Hairline);
    column->addWidget(spacer(12));

    auto previewWhileEditing = [this](Coordinator::Preview preview) {
        return [this, preview](bool editing) {
            coordinator_.setPreview(editing ? std::optional(preview) : std::nullopt);
        };
    };
    dayRow_ = new ColorRow(
        QStringLiteral("Day"), [this] { return settings_.schedule().dayKelvin; },
        [this](std::int64_t k) {
            LightSchedule s = settings_.schedule();
            s.dayKelvin = k;
            settings_.setSchedule(s);
        },
        previewWhileEditing(Coordinator::Preview::day));
    column->addWidget(dayRow_);
    column->addWidget(spacer(14));
    nightRow_ = new ColorRow(
        QStringLiteral("Night"), [this] { return settings_.schedule().nightKelvin; },
        [this](std::int64_t k) {
            LightSchedule s = settings_.schedule();
            s.nightKelvin = k;
            settings_.setSchedule(s);
        },
        previewWhileEditing(Coordinator::Preview::night));
    column->addWidget(nightRow_);
    return box;
}

QString PopoverView::titleText() const {
    return coordinator_.showsOwnColors() ? offTitle_->text() : kelvinTitle_->text();
}

QString PopoverView::statusText() const {
    return status_->text();
}

QString PopoverView::windDownDetail() const {
    return windDownDetail_ ? windDownDetail_->text() : QString();
}

void PopoverView::refresh() {
    buildSection();
    const TorvelMode mode = settings_.mode();
    // Paused or inhibited, the header reads as in the off mode.
    const bool off = coordinator_.showsOwnColors();
    swatch_->setKelvin(off ? std::nullopt : std::optional(coordinator_.kelvin()));
    kelvinTitle_->setText(QString::number(coordinator_.kelvin()));
    kelvinTitle_->setVisible(!off);
    kelvinUnit_->setVisible(!off);
    offTitle_->setVisible(off);
    status_->setText(statusLine(mode, settings_.schedule(), coordinator_.preview(),
                                coordinator_.phase(), coordinator_.now(),
                                suspensionOf(coordinator_)));
    picker_->update();
    const LightSchedule& schedule = settings_.schedule();
    if (curve_) {
        curve_->setValues(schedule, coordinator_.now());
        bedtime_->setText(clockString(schedule.bedtime));
        wake_->setText(clockString(schedule.wake));
        windDown_->setText(durationString(schedule.windDown));
        windDownDetail_->setText(QStringLiteral("Starts ") + clockString(windDownStart(schedule)));
    }
    for (ColorRow* row : {manualRow_, dayRow_, nightRow_}) {
        if (row) {
            row->refresh();
        }
    }
    loginSwitch_->refresh();
}

void PopoverView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Style::background().resolve());
}

} // namespace torvel
