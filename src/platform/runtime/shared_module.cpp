#include "platform/runtime/shared_module.h"

#include <dlfcn.h>

namespace torvel {

Result<SharedModule> SharedModule::load(const QString& path) {
    void* handle = ::dlopen(path.toLocal8Bit().constData(), RTLD_NOW | RTLD_LOCAL);
    if (!handle) {
        const char* why = ::dlerror();
        return Result<SharedModule>::failure(why ? QString::fromLocal8Bit(why) : path);
    }
    return SharedModule(handle);
}

void* SharedModule::symbol(const char* name) const {
    return ::dlsym(handle_, name);
}

} // namespace torvel
