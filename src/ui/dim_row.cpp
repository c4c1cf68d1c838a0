#include "ui/dim_row.h"

#include "base/texts.h"
#include "color/brightness.h"
#include "ui/flat_slider.h"
#include "ui/popover_measures.h"
#include "ui/popover_text.h"
#include "ui/text_line.h"

#include <cmath>
#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvel {

namespace m = popoverMeasures;

DimRow::DimRow(std::function<int()> get, std::function<void(int)> set,
               std::function<void(bool)> onEditingChanged, QWidget* parent)
    : QWidget(parent)
    , get_(std::move(get)) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(m::colorTitleToSlider);
    auto* row = new QHBoxLayout;
    row->addWidget(
        new TextLine(m::colorTitleSize, QFont::Normal, TextTone::primary, Texts::tr("Dim")));
    row->addStretch(1);
    value_ = new TextLine(m::colorTitleSize, QFont::Normal, TextTone::secondary, valueText());
    row->addWidget(value_);
    column->addLayout(row);
    slider_ = new FlatSlider(Binding<double>{[this] { return static_cast<double>(get_()); },
                                             [set = std::move(set)](const double& v) {
                                                 set(static_cast<int>(std::lround(v)));
                                             }},
                             minBrightness, fullBrightness, 5, std::move(onEditingChanged));
    slider_->setAccessibleName(Texts::tr("Brightness"));
    slider_->setUnit(QStringLiteral("%"));
    column->addWidget(slider_);
}

QString DimRow::valueText() const {
    const int percent = get_();
    return percent >= fullBrightness ? Texts::tr("Off", "no dimming")
                                     : Texts::tr("to %1%", "dim to a percent").arg(percent);
}

void DimRow::refresh() {
    value_->setText(valueText());
    slider_->refresh();
}

} // namespace torvel
