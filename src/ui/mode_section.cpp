#include "ui/mode_section.h"

#include "ui/popover_measures.h"

namespace torvel {

ModeSection::ModeSection(QWidget* parent)
    : QWidget(parent) {
    setObjectName(QStringLiteral("section"));
    setAttribute(Qt::WA_TranslucentBackground);
    setFixedWidth(popoverMeasures::contentWidth);
}

} // namespace torvel
