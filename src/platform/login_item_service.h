#pragma once
// The host's record of whether this program opens at login.

#include "base/result.h"

namespace torvel {

enum class LoginItemStatus { notRegistered, enabled, requiresApproval, notFound };

class LoginItemService {
public:
    virtual ~LoginItemService() = default;

    // Each fails with a printable description of what went wrong.
    virtual Result<void> registerItem() = 0;
    virtual Result<void> unregisterItem() = 0;
    virtual LoginItemStatus status() = 0;
};

} // namespace torvel
