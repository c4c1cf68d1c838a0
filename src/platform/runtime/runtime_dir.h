#pragma once

#include <QString>

namespace torvel {

// The app's private runtime folder: $XDG_RUNTIME_DIR/torvelbar when
// XDG_RUNTIME_DIR is a folder of ours that only we can use (0700), else
// torvelbar-runtime-<uid> in the temp folder; created 0700, and checked
// without following links to be ours and private. Decided once per process,
// so every part of the app uses the same folder. Empty when no such folder
// can be had; runtimeDirProblem() then says why in a few words.
QString privateRuntimeDir();
QString runtimeDirProblem();

} // namespace torvel
