#include "core/front_window_rule.h"

#include "base/texts.h"

namespace torvel {

std::optional<QString> matchingAppId(const FrontWindow& front, const QString& listed) {
    for (const QString& id : front.appIds) {
        if (id.compare(listed, Qt::CaseInsensitive) == 0) {
            return id;
        }
        const qsizetype dot = id.lastIndexOf(u'.');
        if (dot >= 0 && QStringView(id).mid(dot + 1).compare(listed, Qt::CaseInsensitive) == 0) {
            return id;
        }
    }
    return std::nullopt;
}

std::optional<Hold> frontWindowHold(const std::optional<FrontWindow>& front,
                                    const QStringList& apps, bool pauseFullscreen) {
    if (!front) {
        return std::nullopt;
    }
    for (const QString& listed : apps) {
        if (const auto id = matchingAppId(*front, listed)) {
            return Hold{Hold::Kind::app, *id, std::nullopt};
        }
    }
    if (pauseFullscreen && front->fullscreen) {
        // A window that names no app still steps us aside.
        return Hold{Hold::Kind::fullscreen,
                    front->appIds.isEmpty() ? Texts::tr("a window") : front->appIds.front(),
                    std::nullopt};
    }
    return std::nullopt;
}

std::vector<DisplayName> displaysUnder(const FrontWindow& window,
                                       const std::vector<DisplayName>& displays) {
    if (!window.area && window.outputs.isEmpty()) {
        return {};
    }
    std::vector<DisplayName> under;
    for (const DisplayName& display : displays) {
        if (window.area && display.area.isEmpty()) {
            return {};
        }
        if (window.area ? display.area.intersects(*window.area)
                        : window.outputs.contains(display.connector)) {
            under.push_back(display);
        }
    }
    if (under.size() == displays.size()) {
        return {};
    }
    return under;
}

} // namespace torvel
