#include "ui/popover_header.h"

#include "base/texts.h"
#include "ui/popover_measures.h"
#include "ui/swatch.h"
#include "ui/text_button.h"
#include "ui/text_line.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

namespace torvel {

namespace m = popoverMeasures;

PopoverHeader::PopoverHeader(std::function<void()> resume, QWidget* parent)
    : QWidget(parent)
    , swatch_(new Swatch(std::nullopt, m::headerSwatch))
    , kelvin_(new TextLine(m::titleSize, QFont::DemiBold, TextTone::primary))
    , unit_(new TextLine(m::unitSize, QFont::Medium, TextTone::secondary, Texts::tr("K")))
    , off_(new TextLine(m::titleSize, QFont::DemiBold, TextTone::primary, Texts::tr("Off")))
    , status_(new TextLine(m::statusSize, QFont::Normal, TextTone::secondary))
    , notes_(new TextLine(m::statusSize, QFont::Normal, TextTone::secondary))
    , resume_(new TextButton(m::footerSize, Texts::tr("Resume"))) {
    setAttribute(Qt::WA_TranslucentBackground);
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(m::headerSpacing);
    row->addWidget(swatch_, 0, Qt::AlignTop);

    auto* title = new QHBoxLayout;
    title->setSpacing(m::unitSpacing);
    // The unit sits on the number's first baseline.
    unit_->setBaselineOffset(kelvin_->baseline() - unit_->baseline());
    title->addWidget(kelvin_, 0, Qt::AlignTop);
    title->addWidget(unit_, 0, Qt::AlignTop);
    title->addWidget(off_);
    title->addStretch(1);
    resume_->setObjectName(QStringLiteral("resume"));
    QObject::connect(resume_, &QAbstractButton::clicked, this, [resume = std::move(resume)] {
        if (resume) {
            resume();
        }
    });
    title->addWidget(resume_, 0, Qt::AlignVCenter);

    auto* texts = new QVBoxLayout;
    texts->setSpacing(m::titleToStatus);
    texts->addLayout(title);
    status_->setObjectName(QStringLiteral("status"));
    status_->setFixedWidth(m::statusWidth);
    status_->setMaxLines(2);
    texts->addWidget(status_);
    notes_->setObjectName(QStringLiteral("notes"));
    notes_->setFixedWidth(m::statusWidth);
    texts->addWidget(notes_);
    row->addLayout(texts, 1);
    setState({});
}

void PopoverHeader::setState(const HeaderState& state) {
    swatch_->setKelvin(state.kelvin);
    if (state.kelvin) {
        kelvin_->setText(QString::number(*state.kelvin));
    }
    kelvin_->setVisible(state.kelvin.has_value());
    unit_->setVisible(state.kelvin.has_value());
    off_->setText(state.held ? Texts::tr("Paused") : Texts::tr("Off"));
    off_->setVisible(!state.kelvin);
    resume_->setVisible(state.resumable);
    status_->setText(state.status);
    notes_->setText(state.notes);
    notes_->setVisible(!state.notes.isEmpty());
}

QString PopoverHeader::titleText() const {
    return off_->isVisibleTo(this) ? off_->text() : kelvin_->text();
}

QString PopoverHeader::statusText() const {
    return status_->text();
}

QString PopoverHeader::notesText() const {
    return notes_->isVisibleTo(this) ? notes_->text() : QString();
}

QAbstractButton* PopoverHeader::resumeButton() const {
    return resume_;
}

} // namespace torvel
