#pragma once
// The one route for user-visible words a translator may change: the
// header's and footer's fixed words and the tray menu's own entries. Every
// other text (computed lines, row titles, mode names) is shown as written.
//
// Call Texts::tr("key") with the literal in place: lupdate reads those
// calls (context "Texts"), so the build's translation template lists
// every key.

#include <QCoreApplication>
#include <QString>

namespace torvel {

struct Texts {
    Q_DECLARE_TR_FUNCTIONS(Texts)
};

} // namespace torvel
