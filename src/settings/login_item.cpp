#include "settings/login_item.h"

#include <cstdio>

namespace torvel {

LoginItem::LoginItem(LoginItemService& service, Log log)
    : service_(service)
    , log_(log ? std::move(log) : Log([](const std::string& line) {
        // Plain text: the description may hold '%'.
        std::fputs((line + "\n").c_str(), stderr);
    })) {
    refresh();
}

void LoginItem::setEnabled(bool enabled) {
    const Result<void> done = enabled ? service_.registerItem() : service_.unregisterItem();
    if (!done) {
        log_(std::string("TorvelBar: could not ") + (enabled ? "register" : "unregister") +
             " the login item: " + done.error().toStdString());
    }
    refresh();
}

void LoginItem::refresh() {
    assignPublished(objectWillChange_, isEnabled_, service_.status() == LoginItemStatus::enabled);
}

} // namespace torvel
