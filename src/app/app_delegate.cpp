#include "app/app_delegate.h"

namespace torvel {

AppDelegate::AppDelegate(AppHost host)
    : host_(std::move(host))
    , settings_(host_.preferences)
    , gamma_(host_.display, host_.mainQueue, host_.openBacklight)
    , loginItem_(host_.loginItemService, host_.log) {}

Coordinator& AppDelegate::coordinator() {
    if (!coordinator_) {
        coordinator_ =
            std::make_unique<Coordinator>(settings_, gamma_, host_.mainQueue, host_.systemEvents,
                                          host_.clock, host_.locationService, host_.windowWatcher);
    }
    return *coordinator_;
}

void AppDelegate::didFinishLaunching() {
    coordinator().start();
    const QString key = QString::fromLatin1(loginItemConfiguredKey);
    if (host_.preferences.boolValue(key)) {
        return;
    }
    // Stored whatever the outcome: the first launch asks once, and a later
    // choice of the user is never overridden.
    loginItem_.setEnabled(true);
    host_.preferences.setBool(key, true);
}

void AppDelegate::willTerminate() {
    gamma_.apply(std::nullopt, {}, {fullBrightness, QDateTime::currentDateTime(), {}});
    // A change still waiting for its write goes to disk before the end,
    // waiting a moment for another writer's lock if it must.
    host_.preferences.flush(2000);
}

} // namespace torvel
