#pragma once
// Owns the four long-lived objects and runs the life cycle: created in
// order at start, the coordinator started when launching finishes, the
// login item registered at the first launch only, the displays handed back
// when the app ends.

#include "core/coordinator.h"
#include "core/gamma_service.h"
#include "platform/display_layer.h"
#include "platform/location_service.h"
#include "platform/login_item_service.h"
#include "platform/main_queue.h"
#include "platform/system_events.h"
#include "settings/login_item.h"
#include "settings/preferences.h"
#include "settings/settings_store.h"

#include <memory>

namespace torvel {

// What the host provides; all outlive the delegate.
struct AppHost {
    Preferences& preferences;
    DisplayLayer& display;
    MainQueue& mainQueue;
    SystemEvents& systemEvents;
    LoginItemService& loginItemService;
    LoginItem::Log log = {};
    Coordinator::Clock clock = {};
    LocationService* locationService = nullptr; // none: the sun's place is typed or the zone's
    WindowWatcher* windowWatcher = nullptr;   // none: this host cannot say which window is in front
    BacklightDimmer::Open openBacklight = {}; // none: no backlight is dimmed
};

class AppDelegate {
public:
    static constexpr const char* loginItemConfiguredKey = "loginItemConfigured";

    // Settings store, gamma service, login item, in this order. The
    // coordinator waits for its first use.
    explicit AppDelegate(AppHost host);
    AppDelegate(const AppDelegate&) = delete;
    AppDelegate& operator=(const AppDelegate&) = delete;

    SettingsStore& settings() { return settings_; }
    GammaService& gamma() { return gamma_; }
    LoginItem& loginItem() { return loginItem_; }
    // Created on first access, then the same object.
    Coordinator& coordinator();

    // The first turn of the event loop.
    void didFinishLaunching();
    // Every normal end: the tint, if any, is restored once.
    void willTerminate();

private:
    AppHost host_;
    SettingsStore settings_;
    GammaService gamma_;
    LoginItem loginItem_;
    std::unique_ptr<Coordinator> coordinator_;
};

} // namespace torvel
