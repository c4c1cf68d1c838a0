#pragma once
// The tray's context menu as plain data, so the StatusNotifierItem host can
// draw it (over com.canonical.dbusmenu) and an XEmbed icon can show the
// same entries in a menu of its own.

#include <QString>
#include <vector>

namespace torvel {

struct TrayMenuEntry {
    enum class Kind { action, check, radio, separator };
    int id = 0; // 1 and up; 0 is the menu itself
    Kind kind = Kind::action;
    QString label;
    bool checked = false;
    bool enabled = true;
    friend bool operator==(const TrayMenuEntry&, const TrayMenuEntry&) = default;
};

using TrayMenu = std::vector<TrayMenuEntry>;

} // namespace torvel
