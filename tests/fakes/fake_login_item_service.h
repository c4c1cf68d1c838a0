#pragma once
// A login-item service whose answers the test sets.

#include "platform/login_item_service.h"

#include <functional>
#include <string>

namespace torvel {

class FakeLoginItemService final : public LoginItemService {
public:
    Result<void> registerItem() override {
        ++registerCalls;
        if (beforeRequest) {
            beforeRequest();
        }
        if (!failWith.empty()) {
            return Result<void>::failure(QString::fromStdString(failWith));
        }
        current = statusAfterRegister;
        return Result<void>::success();
    }
    Result<void> unregisterItem() override {
        ++unregisterCalls;
        if (!failWith.empty()) {
            return Result<void>::failure(QString::fromStdString(failWith));
        }
        current = LoginItemStatus::notRegistered;
        return Result<void>::success();
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
