#include "ui/displays_section.h"

#include "base/texts.h"
#include "core/coordinator.h"
#include "settings/settings_store.h"
#include "ui/flat_slider.h"
#include "ui/flat_switch.h"
#include "ui/hairline.h"
#include "ui/popover_measures.h"
#include "ui/popover_text.h"
#include "ui/text_line.h"

#include <algorithm>
#include <cmath>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvel {

namespace m = popoverMeasures;

namespace {

bool sameDisplays(const std::vector<DisplayReport>& a, const std::vector<DisplayReport>& b) {
    return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                      [](const DisplayReport& x, const DisplayReport& y) {
                          return x.name.key == y.name.key && x.name.model == y.name.model;
                      });
}

QString percent(int strength) {
    return QString::number(strength) + QStringLiteral(" %");
}

} // namespace

DisplaysSection::DisplaysSection(SettingsStore& settings, Coordinator& coordinator, QWidget* parent)
    : QWidget(parent)
    , settings_(settings)
    , coordinator_(coordinator)
    , rows_(new QVBoxLayout) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, m::sectionToFooter, 0, 0);
    column->setSpacing(0);
    auto* separator = new Hairline;
    separator->setFixedWidth(m::contentWidth);
    column->addWidget(separator);
    column->addSpacing(m::separatorToColors);
    column->addWidget(
        new TextLine(m::colorTitleSize, QFont::DemiBold, TextTone::primary, Texts::tr("Displays")));
    column->addSpacing(m::colorTitleToSlider);
    rows_->setContentsMargins(0, 0, 0, 0);
    rows_->setSpacing(m::dayToNight);
    column->addLayout(rows_);
    refresh();
}

DisplayOptions DisplaysSection::optionsAt(std::size_t row) const {
    return row < displays_.size() ? displays_[row].options : DisplayOptions{};
}

void DisplaysSection::set(std::size_t row, const DisplayOptions& options) {
    if (row < displays_.size()) {
        displays_[row].options = options; // read back at once by the controls
        static_cast<void>(settings_.setDisplay(displays_[row].name.key, options));
    }
}

bool DisplaysSection::refresh() {
    std::vector<DisplayReport> now = coordinator_.displays();
    const bool rebuildNeeded = !sameDisplays(now, displays_);
    displays_ = std::move(now);
    if (rebuildNeeded) {
        rebuild();
    }
    setVisible(displays_.size() >= 2);
    for (const auto& refreshRow : refreshRows_) {
        refreshRow();
    }
    return rebuildNeeded;
}

void DisplaysSection::rebuild() {
    while (QLayoutItem* item = rows_->takeAt(0)) {
        delete item->widget();
        delete item;
    }
    refreshRows_.clear();
    for (std::size_t i = 0; i < displays_.size(); ++i) {
        const QString name = displays_[i].name.model;
        auto* row = new QWidget;
        row->setAttribute(Qt::WA_TranslucentBackground);
        auto* line = new QHBoxLayout;
        line->setSpacing(m::footerSpacing);
        auto* toggle = new FlatSwitch(Binding<bool>{[this, i] { return optionsAt(i).tint; },
                                                    [this, i](const bool& on) {
                                                        DisplayOptions options = optionsAt(i);
                                                        options.tint = on;
                                                        set(i, options);
                                                    }});
        toggle->setObjectName(QStringLiteral("display"));
        toggle->setAccessibleName(Texts::tr("Tint %1").arg(name));
        line->addWidget(toggle);
        auto* title = new TextLine(m::colorTitleSize, QFont::Normal, TextTone::primary, name);
        line->addWidget(title, 1);
        auto* value = new TextLine(m::colorTitleSize, QFont::Normal, TextTone::secondary,
                                   percent(optionsAt(i).strength));
        line->addWidget(value);
        auto* slider = new FlatSlider(
            Binding<double>{[this, i] { return static_cast<double>(optionsAt(i).strength); },
                            [this, i](const double& v) {
                                DisplayOptions options = optionsAt(i);
                                options.strength = static_cast<int>(std::lround(v));
                                set(i, options);
                            }},
            0, fullStrength, 5, {});
        slider->setObjectName(QStringLiteral("strength"));
        slider->setAccessibleName(Texts::tr("%1 strength").arg(name));
        slider->setUnit(QStringLiteral("%"));
        auto* column = new QVBoxLayout(row);
        column->setContentsMargins(0, 0, 0, 0);
        column->setSpacing(m::colorTitleToSlider);
        column->addLayout(line);
        column->addWidget(slider);
        rows_->addWidget(row);
        refreshRows_.push_back([this, i, toggle, value, slider] {
            toggle->refresh();
            value->setText(percent(optionsAt(i).strength));
            slider->refresh();
            // Left as it is, a display has no strength to set.
            slider->setVisible(optionsAt(i).tint);
            value->setVisible(optionsAt(i).tint);
        });
    }
}

} // namespace torvel
