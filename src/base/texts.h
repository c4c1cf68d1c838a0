#pragma once
// The one route for every word a user reads: the popover, the tray menu and
// tooltip, the status line, the durations and clock words they hold. Texts
// that are data (JSON keys, mode values, bus names, settings keys) stay as
// written.
//
// Call Texts::tr("text") with the literal in place: lupdate reads those
// calls (context "Texts"), so translations/ lists every one. A text whose
// words alone are ambiguous gets a disambiguation, the second argument.

#include <QCoreApplication>
#include <QString>

namespace torvel {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};

} // namespace torvel
