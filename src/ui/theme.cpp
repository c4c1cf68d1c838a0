#include "ui/theme.h"

#include <atomic>
#include <QGuiApplication>
#include <QPalette>

namespace torvel {

namespace {
// -1 no preference, 0 light, 1 dark.
std::atomic<int> desktopPreference{-1};
} // namespace

bool Theme::isDark() {
    const int preference = desktopPreference.load();
    if (preference >= 0) {
        return preference == 1;
    }
    return QGuiApplication::palette().color(QPalette::Window).lightnessF() < 0.5;
}

void Theme::setDesktopPrefersDark(std::optional<bool> prefersDark) {
    desktopPreference.store(prefersDark ? (*prefersDark ? 1 : 0) : -1);
}

} // namespace torvel
