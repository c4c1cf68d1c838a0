#pragma once
// Mirrors whether the program opens at login, as the host reports it.

#include "base/observable.h"
#include "platform/login_item_service.h"

#include <functional>
#include <string>

namespace torvel {

class LoginItem {
public:
    using Log = std::function<void(const std::string& line)>;

    // Reads the status. `log` receives the one line of a failed request;
    // by default it goes to stderr.
    explicit LoginItem(LoginItemService& service, Log log = {});
    LoginItem(const LoginItem&) = delete;
    LoginItem& operator=(const LoginItem&) = delete;

    bool isEnabled() const { return isEnabled_; }
    // Registers or unregisters, logs a failure, then refreshes.
    void setEnabled(bool enabled);
    // True exactly when the host reports the item enabled.
    void refresh();

    const WillChangePublisher& objectWillChange() const { return objectWillChange_; }

private:
    WillChangePublisher objectWillChange_;
    bool isEnabled_ = false;
    LoginItemService& service_;
    Log log_;
};

} // namespace torvel
