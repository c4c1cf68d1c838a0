#pragma once
// Warnings go to standard error (the journal in a desktop session);
// QT_LOGGING_RULES="torvelbar.*.debug=true" shows the rest.

#include <QLoggingCategory>

namespace torvel {

Q_DECLARE_LOGGING_CATEGORY(kwinLog)

} // namespace torvel
