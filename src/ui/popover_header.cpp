#include "ui/popover_header.h"

#include "ui/popover_measures.h"
#include "ui/swatch.h"
#include "ui/text_line.h"
#include "ui/translated.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvel {

namespace m = popoverMeasures;

PopoverHeader::PopoverHeader(QWidget* parent)
    : QWidget(parent)
    , swatch_(new Swatch(std::nullopt, m::headerSwatch))
    , kelvin_(new TextLine(m::titleSize, QFont::DemiBold, TextTone::primary))
    , unit_(new TextLine(m::unitSize, QFont::Medium, TextTone::secondary, Texts::tr("K")))
    , off_(new TextLine(m::titleSize, QFont::DemiBold, TextTone::primary, Texts::tr("Off")))
    , status_(new TextLine(m::statusSize, QFont::Normal, TextTone::secondary)) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(m::headerSpacing);
    row->addWidget(swatch_);

    auto* title = new QHBoxLayout;
    title->setSpacing(m::unitSpacing);
    // The unit sits on the number's first baseline.
    unit_->setBaselineOffset(kelvin_->baseline() - unit_->baseline());
    title->addWidget(kelvin_, 0, Qt::AlignTop);
    title->addWidget(unit_, 0, Qt::AlignTop);
    title->addWidget(off_);
    title->addStretch(1);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(m::titleToStatus);
    texts->addLayout(title);
    status_->setFixedWidth(m::statusWidth);
    texts->addWidget(status_);
    row->addLayout(texts, 1);
    setState(std::nullopt, {});
}

void PopoverHeader::setState(std::optional<std::int64_t> kelvin, const QString& status) {
    swatch_->setKelvin(kelvin);
    if (kelvin) {
        kelvin_->setText(QString::number(*kelvin));
    }
    kelvin_->setVisible(kelvin.has_value());
    unit_->setVisible(kelvin.has_value());
    off_->setVisible(!kelvin);
    status_->setText(status);
}

QString PopoverHeader::titleText() const {
    return off_->isVisibleTo(this) ? off_->text() : kelvin_->text();
}

QString PopoverHeader::statusText() const {
    return status_->text();
}

} // namespace torvel
