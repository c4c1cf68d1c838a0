#pragma once
// A login-item service whose answers the test sets.

#include "platform/login_item_service.h"

#include <functional>

namespace torvel {

class FakeLoginItemService final : public LoginItemService {
public:
    bool registerItem(std::string& error) override {
        ++registerCalls;
        if (beforeRequest) {
            beforeRequest();
        }
        if (!failWith.empty()) {
            error = failWith;
            return false;
        }
        current = statusAfterRegister;
        return true;
    }
    bool unregisterItem(std::string& error) override {
        ++unregisterCalls;
        if (!failWith.empty()) {
            error = failWith;
            return false;
        }
        current = LoginItemStatus::notRegistered;
        return true;
    }
    LoginItemStatus status() override {
        ++statusQueries;
        return current;
    }

    LoginItemStatus current = LoginItemStatus::notRegistered;
    LoginItemStatus statusAfterRegister = LoginItemStatus::enabled;
    std::string failWith; // non-empty: requests fail with this description
    std::function<void()> beforeRequest;
    int registerCalls = 0, unregisterCalls = 0, statusQueries = 0;
};

} // namespace torvel
