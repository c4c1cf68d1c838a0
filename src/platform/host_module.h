#pragma once
// The two functions each host module exports (host_entry.h names them):
// defines them for the entry `entryOf` returns. One use per module, in its
// host folder.

#include "platform/host_entry.h"

#define TORVEL_HOST_MODULE(entryOf)                                                                \
    extern "C" __attribute__((visibility("default"))) const torvel::HostEntry*                     \
    torvelbarHostEntry() {                                                                         \
        return &(entryOf)();                                                                       \
    }                                                                                              \
    extern "C" __attribute__((visibility("default"))) const char* torvelbarHostRelease() {         \
        return TORVEL_VERSION;                                                                     \
    }
