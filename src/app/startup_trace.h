#pragma once
// Where a start's time goes: each phase's moment since main() began, logged
// under torvelbar.startup at debug level (off unless QT_LOGGING_RULES turns
// it on, and then one line a phase).

#include <QLoggingCategory>

namespace torvel {

Q_DECLARE_LOGGING_CATEGORY(startupLog)

// Starts the clock; call first in main().
void startStartupTrace();
// "host chosen", "first tint", "bus name", "icon"...
void startupPhase(const char* phase);

} // namespace torvel
