#pragma once

#include <QString>

namespace torvel {

// $XDG_RUNTIME_DIR/torvelbar, or a private folder in the temp dir when
// there is no runtime dir; created 0700. Empty when no such folder can be
// had safely (a link, or a folder of another user, in the way).
QString privateRuntimeDir();

} // namespace torvel
