#include "app/app_delegate.h"
#include "fakes/fake_login_item_service.h"
#include "fakes/in_memory_display_layer.h"
#include "fakes/manual_main_queue.h"
#include "fakes/manual_system_events.h"
#include "support/temp_dir.h"

#include <gtest/gtest.h>

namespace torvel {
namespace {

struct Host {
    test::TempDir dir;
    QString path = dir.file(QStringLiteral("torvelbar.conf"));
    std::unique_ptr<Preferences> prefs = std::make_unique<Preferences>(path);
    InMemoryDisplayLayer display;
    ManualMainQueue queue;
    ManualSystemEvents events;
    FakeLoginItemService service;
    std::vector<std::string> logged;

    AppHost host() {
        return AppHost{*prefs,  display,
                       queue,   events,
                       service, [this](const std::string& line) { logged.push_back(line); }};
    }
};

TEST(AppDelegate, FirstLaunchRegistersOnceAfterTheCoordinatorStarted) {
    Host h;
    int writesAtRegistration = -1;
    h.service.beforeRequest = [&] { writesAtRegistration = h.display.tableWrites; };
    {
        AppDelegate delegate(h.host());
        EXPECT_EQ(h.display.tableWrites, 0) << "creating writes nothing";
        Coordinator* early = &delegate.coordinator(); // the scene asks first
        delegate.didFinishLaunching();
        EXPECT_EQ(&delegate.coordinator(), early);
        EXPECT_EQ(h.queue.activeTimers(), 1) << "started once";
        EXPECT_EQ(h.service.registerCalls, 1);
        EXPECT_GT(writesAtRegistration, 0) << "registration comes after the first update";
        EXPECT_TRUE(delegate.loginItem().isEnabled());
        EXPECT_TRUE(h.prefs->boolValue(QStringLiteral("loginItemConfigured")));
    }
    // Second launch: the flag is set, whatever the status says.
    h.service.current = LoginItemStatus::notRegistered;
    AppDelegate again(h.host());
    again.didFinishLaunching();
    EXPECT_EQ(h.service.registerCalls, 1);
    EXPECT_FALSE(again.loginItem().isEnabled());
}

TEST(AppDelegate, FailedFirstRegistrationIsLoggedAndNotRetried) {
    Host h;
    h.service.failWith = "read-only file system";
    {
        AppDelegate delegate(h.host());
        delegate.didFinishLaunching();
    }
    ASSERT_EQ(h.logged.size(), 1u);
    EXPECT_EQ(h.logged[0], "TorvelBar: could not register the login item: read-only file system");
    EXPECT_TRUE(h.prefs->boolValue(QStringLiteral("loginItemConfigured")));
    AppDelegate again(h.host());
    again.didFinishLaunching();
    EXPECT_EQ(h.service.registerCalls, 1);
}

TEST(AppDelegate, QuittingRestoresOnlyWhatWasTinted) {
    Host h;
    {
        AppDelegate delegate(h.host());
        delegate.didFinishLaunching();
        delegate.willTerminate();
        EXPECT_EQ(h.display.restores, 1);
        delegate.willTerminate();
        EXPECT_EQ(h.display.restores, 1) << "a second end restores nothing more";
    }
    Host off;
    AppDelegate delegate(off.host());
    delegate.settings().setMode(TorvelMode::off);
    delegate.didFinishLaunching();
    delegate.willTerminate();
    EXPECT_EQ(off.display.restores, 0);
}

TEST(LoginItem, RequestsLogFailuresVerbatimThenRefresh) {
    FakeLoginItemService service;
    std::vector<std::string> logged;
    LoginItem item(service, [&](const std::string& line) { logged.push_back(line); });
    EXPECT_EQ(service.statusQueries, 1) << "read at creation";
    EXPECT_FALSE(item.isEnabled());

    service.statusAfterRegister = LoginItemStatus::requiresApproval;
    item.setEnabled(true);
    EXPECT_FALSE(item.isEnabled()) << "awaiting approval is not on";
    EXPECT_TRUE(logged.empty());

    service.current = LoginItemStatus::enabled;
    service.failWith = "disk 100% full";
    item.setEnabled(false);
    ASSERT_EQ(logged.size(), 1u);
    EXPECT_EQ(logged[0], "TorvelBar: could not unregister the login item: disk 100% full");
    EXPECT_TRUE(item.isEnabled()) << "the status the service reports after the failure";

    service.current = LoginItemStatus::notFound;
    item.refresh();
    EXPECT_FALSE(item.isEnabled());
}

} // namespace
} // namespace torvel
