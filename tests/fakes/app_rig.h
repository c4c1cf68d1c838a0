#pragma once
// The three shared objects of the app over fakes and a real settings file
// in a temporary folder, for tests of the views and the shell. Header-only:
// a test links the libraries it uses.

#include "core/coordinator.h"
#include "fakes/fake_login_item_service.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_main_queue.h"
#include "fakes/manual_system_events.h"
#include "settings/login_item.h"
#include "support/temp_dir.h"

#include <QTimeZone>

namespace torvel::test {

struct AppRig {
    TempDir dir;
    Preferences prefs{dir.file(QStringLiteral("torvelbar.conf"))};
    SettingsStore settings{prefs};
    InMemoryDisplayLayer display;
    ManualMainQueue queue;
    GammaService gamma{display, queue};
    ManualSystemEvents events;
    // Noon UTC unless the test moves it.
    QDateTime clock{QDate(2026, 12, 7), QTime(12, 0), QTimeZone::utc()};
    Coordinator coordinator{settings, gamma, queue, events, [this] { return clock; }};
    FakeLoginItemService service;
    LoginItem loginItem{service, [](const std::string&) {}};
};

} // namespace torvel::test
