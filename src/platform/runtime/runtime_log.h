#pragma once
// Warnings of the runtime folder and the crash-safety records, which every
// host with lasting colour settings shares.

#include <QLoggingCategory>

namespace torvel {

Q_DECLARE_LOGGING_CATEGORY(runtimeLog)

} // namespace torvel
