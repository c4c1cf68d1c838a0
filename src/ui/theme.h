#pragma once
// The one place that decides whether the theme is dark. The desktop's own
// preference (the freedesktop colour-scheme setting, fed in by the shell)
// wins; without it, a dark application palette means a dark theme.

#include <optional>
#include <QColor>

namespace torvel {

class Theme {
public:
    static bool isDark();
    // From the settings portal: true for prefer-dark, false for
    // prefer-light, nothing for no preference or no portal.
    static void setDesktopPrefersDark(std::optional<bool> prefersDark);
};

// A colour that follows the theme: resolved each time it is drawn.
struct DynamicColor {
    QColor light;
    QColor dark;
    QColor resolve() const { return Theme::isDark() ? dark : light; }
};

} // namespace torvel
