#include "ui/popover_view.h"

#include "base/texts.h"
#include "core/coordinator.h"
#include "settings/login_item.h"
#include "settings/settings_store.h"
#include "ui/color_row.h"
#include "ui/dim_row.h"
#include "ui/displays_section.h"
#include "ui/flat_segmented.h"
#include "ui/flat_switch.h"
#include "ui/hairline.h"
#include "ui/mode_section.h"
#include "ui/popover_header.h"
#include "ui/popover_measures.h"
#include "ui/popover_text.h"
#include "ui/schedule_section.h"
#include "ui/style.h"
#include "ui/text_button.h"
#include "ui/text_line.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPainter>
#include <QVBoxLayout>
#include <vector>

namespace torvel {

namespace m = popoverMeasures;

namespace {

// The manual mode's section: a colour row and its brightness, which
// never preview: the manual mode shows them as they are set.
class ManualSection final : public ModeSection {
public:
    explicit ManualSection(SettingsStore& settings)
        : row_(new ColorRow(
              Texts::tr("Color"), [&settings] { return settings.manualKelvin(); },
              [&settings](std::int64_t k) { settings.setManualKelvin(k); }, {}))
        , dim_(new DimRow([&settings] { return settings.manualBrightness(); },
                          [&settings](int percent) {
                              static_cast<void>(settings.setManualBrightness(percent));
                          },
                          {})) {
        row_->setObjectName(QStringLiteral("manual"));
        dim_->setObjectName(QStringLiteral("manualDim"));
        auto* column = new QVBoxLayout(this);
        column->setContentsMargins(0, m::pickerToManual, 0, 0);
        column->setSpacing(0);
        column->addWidget(row_);
        column->addSpacing(m::colorToDim);
        column->addWidget(dim_);
    }
    void refresh() override {
        row_->refresh();
        dim_->refresh();
    }

private:
    ColorRow* row_;
    DimRow* dim_;
};

int modeIndex(TorvelMode mode) {
    return static_cast<int>(mode);
}

} // namespace

PopoverView::PopoverView(SettingsStore& settings, Coordinator& coordinator, LoginItem& loginItem,
                         QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , coordinator_(coordinator)
    , loginItem_(loginItem)
    , quit_([] { QCoreApplication::quit(); })
    // Hidden (most of the time) the view reads nothing on the tick; it
    // only notes that it is behind, and catches up when shown.
    , follow_(this,
              [this] {
                  if (isVisible()) {
                      refresh();
                  } else {
                      stale_ = true;
                  }
              })
    , layout_(new QVBoxLayout(this))
    , header_(new PopoverHeader([this] { coordinator_.resume(); })) {
    setFixedWidth(m::viewWidth);
    layout_->setContentsMargins(m::padding, m::padding, m::padding, m::padding);
    layout_->setSpacing(0);
    layout_->setSizeConstraint(QLayout::SetFixedSize);
    header_->setObjectName(QStringLiteral("header"));
    layout_->addWidget(header_);
    layout_->addSpacing(m::headerToPicker);

    std::vector<std::pair<int, QString>> options;
    options.reserve(allModes.size());
    for (const TorvelMode mode : allModes) {
        options.emplace_back(modeIndex(mode), modeName(mode));
    }
    picker_ = new FlatSegmented<int>(
        Binding<int>{
            [this] { return modeIndex(settings_.mode()); },
            [this](const int& i) { settings_.setMode(allModes[static_cast<std::size_t>(i)]); }},
        options);
    picker_->setObjectName(QStringLiteral("mode"));
    picker_->setAccessibleName(Texts::tr("Mode"));
    picker_->setFixedWidth(m::contentWidth);
    layout_->addWidget(picker_);
    // The section goes here, right after the picker.
    displays_ = new DisplaysSection(settings_, coordinator_);
    displays_->setObjectName(QStringLiteral("displays"));
    layout_->addWidget(displays_);

    layout_->addSpacing(m::sectionToFooter);
    auto* separator = new Hairline;
    separator->setObjectName(QStringLiteral("footerSeparator"));
    separator->setFixedWidth(m::contentWidth);
    layout_->addWidget(separator);
    layout_->addSpacing(m::separatorToFooter);

    auto* footer = new QHBoxLayout;
    footer->setSpacing(m::footerSpacing);
    loginSwitch_ =
        new FlatSwitch(Binding<bool>{[this] { return loginItem_.isEnabled(); },
                                     [this](const bool& on) { loginItem_.setEnabled(on); }});
    loginSwitch_->setObjectName(QStringLiteral("login"));
    loginSwitch_->setAccessibleName(Texts::tr("Open at login"));
    footer->addWidget(loginSwitch_);
    footer->addWidget(new TextLine(m::footerSize, QFont::Normal, TextTone::secondary,
                                   Texts::tr("Open at login")));
    footer->addStretch(1);
    auto* quit = new TextButton(m::footerSize, Texts::tr("Quit"), this);
    quit->setObjectName(QStringLiteral("quit"));
    connect(quit, &QAbstractButton::clicked, this, [this] { quit_(); });
    quitButton_ = quit;
    footer->addWidget(quit);
    layout_->addLayout(footer);

    follow_.observe(settings_.objectWillChange());
    follow_.observe(coordinator_.objectWillChange());
    follow_.observe(loginItem_.objectWillChange());
    follow_.observe(coordinator_.displaysWillChange());
    refresh();
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
    switch (mode) {
    case TorvelMode::automatic:
        section_ = new ScheduleSection(settings_, coordinator_);
        break;
    case TorvelMode::manual:
        section_ = new ManualSection(settings_);
        break;
    case TorvelMode::off:
        section_ = new ModeSection;
        section_->setFixedHeight(0);
        break;
    }
    layout_->insertWidget(layout_->indexOf(picker_) + 1, section_);
    restoreTabOrder();
}

// A rebuilt section's controls would otherwise come last in the Tab order,
// after Quit: the order follows the picture again, top to bottom.
void PopoverView::restoreTabOrder() {
    QWidget* previous = picker_;
    for (QWidget* part : {static_cast<QWidget*>(section_), static_cast<QWidget*>(displays_)}) {
        for (QWidget* w : part->findChildren<QWidget*>()) {
            if (w->focusPolicy() & Qt::TabFocus) {
                setTabOrder(previous, w);
                previous = w;
            }
        }
    }
    setTabOrder(previous, loginSwitch_);
    setTabOrder(loginSwitch_, quitButton_);
}

void PopoverView::refresh() {
    stale_ = false;
    buildSection();
    // Held, the header says so in the tinting modes, and a pause of ours
    // can be ended from it.
    const TintState& state = coordinator_.state();
    const bool held = state.hold && state.mode != TorvelMode::off;
    header_->setState({.kelvin = state.tinted() ? std::optional(state.kelvin) : std::nullopt,
                       .held = held,
                       .resumable = held && state.hold->kind == Hold::Kind::pause,
                       .status = state.report.headline,
                       .notes = state.report.notes});
    picker_->refresh();
    section_->refresh();
    if (displays_->refresh()) {
        restoreTabOrder();
    }
    loginSwitch_->refresh();
}

void PopoverView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (stale_) {
        refresh();
    }
}

void PopoverView::paintEvent(QPaintEvent*) {
    if (!paintsBackground_) {
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), Style::background().resolve());
}

} // namespace torvel
