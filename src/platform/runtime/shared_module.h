#pragma once
// A shared object loaded for the rest of the process, never unloaded: what
// it makes lives as long as the process does. Loading keeps no record on
// the heap, so an early exit leaves nothing behind for a leak checker.

#include "base/result.h"

#include <QString>

namespace torvel {

class SharedModule {
public:
    // Loads `path` with its symbols bound at once and kept to itself, so a
    // missing library is a refusal here rather than a crash later.
    static Result<SharedModule> load(const QString& path);

    // The address of the exported `name`, or null.
    void* symbol(const char* name) const;

private:
    explicit SharedModule(void* handle)
        : handle_(handle) {}
    void* handle_;
};

} // namespace torvel
