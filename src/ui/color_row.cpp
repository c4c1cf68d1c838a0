#include "ui/color_row.h"

#include "color/kelvin.h"
#include "ui/flat_slider.h"
#include "ui/popover_measures.h"
#include "ui/popover_text.h"
#include "ui/swatch.h"
#include "ui/text_line.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvel {

namespace m = popoverMeasures;

ColorRow::ColorRow(const QString& title, std::function<std::int64_t()> get,
                   std::function<void(std::int64_t)> set,
                   std::function<void(bool)> onEditingChanged, QWidget* parent)
    : QWidget(parent)
    , get_(std::move(get)) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* column = new QVBoxLayout(this);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(m::colorTitleToSlider);
    auto* row = new QHBoxLayout;
    row->setSpacing(m::colorTitleSpacing);
    row->addWidget(new TextLine(m::colorTitleSize, QFont::Normal, TextTone::primary, title));
    row->addStretch(1);
    swatch_ = new Swatch(get_(), m::colorSwatch);
    row->addWidget(swatch_);
    value_ = new TextLine(m::colorTitleSize, QFont::Normal, TextTone::secondary, valueText());
    row->addWidget(value_);
    column->addLayout(row);
    slider_ = new FlatSlider(
        Binding<double>{[this] { return static_cast<double>(get_()); },
                        [set = std::move(set)](const double& v) { set(truncatedKelvin(v)); }},
        minKelvin, maxKelvin, kelvinStep, std::move(onEditingChanged));
    slider_->setAccessibleName(title);
    slider_->setUnit(QStringLiteral("K"));
    column->addWidget(slider_);
}

QString ColorRow::valueText() const {
    return QString::number(get_()) + QStringLiteral(" K");
}

void ColorRow::refresh() {
    swatch_->setKelvin(get_());
    value_->setText(valueText());
    slider_->refresh();
}

} // namespace torvel
