#pragma once
// The host's record of whether this program opens at login.

#include <string>

namespace torvel {

enum class LoginItemStatus { notRegistered, enabled, requiresApproval, notFound };

class LoginItemService {
public:
    virtual ~LoginItemService() = default;

    // Each returns true on success, or false with a printable description of
    // what went wrong in `error`.
    virtual bool registerItem(std::string& error) = 0;
    virtual bool unregisterItem(std::string& error) = 0;
    virtual LoginItemStatus status() = 0;
};

} // namespace torvel
