#include "app/host_registry.h"

#include "app/program_folder.h"
#include "base/texts.h"
#include "platform/kwin/kwinrc_guard.h"
#include "platform/runtime/shared_module.h"

#include <cstring>
#include <map>
#include <string>

namespace torvel {

namespace {

// A host in a module of its own, loaded only where the session could be
// its: an X11 session never maps Wayland's libraries, nor GNOME's GIO.
struct HostModule {
    const char* name;
    bool (*possible)(const HostEnvironment&);
};

bool onWayland(const HostEnvironment& env) {
    return !env.waylandDisplay.isEmpty();
}
bool onX(const HostEnvironment& env) {
    return !env.xDisplay.isEmpty();
}

constexpr HostModule waylandModule{"wayland", onWayland};
constexpr HostModule kwinModule{"kwin", onWayland};
constexpr HostModule gnomeModule{"gnome", onWayland};
constexpr HostModule x11Module{"x11", onX};

QString& folderChosen() {
    static QString folder;
    return folder;
}

// Each module once per process, and never unloaded: its entry and the
// objects it makes live as long as the process.
const HostEntry* load(const char* name, QString& why) {
    static std::map<std::string, std::pair<const HostEntry*, QString>> loaded;
    const auto [at, first] = loaded.try_emplace(name);
    auto& [entry, failure] = at->second;
    if (first) {
        const QString path = hostModuleFolder() +
                             QStringLiteral("/torvelbar-host-%1.so").arg(QString::fromLatin1(name));
        auto module = SharedModule::load(path);
        const auto release = module ? reinterpret_cast<HostModuleRelease>(
                                          module.value().symbol(hostModuleReleaseSymbol))
                                    : nullptr;
        const auto entryOf =
            release
                ? reinterpret_cast<HostModuleEntry>(module.value().symbol(hostModuleEntrySymbol))
                : nullptr;
        if (!module) {
            failure = Texts::tr("the %1 host's module cannot be loaded: %2")
                          .arg(QString::fromLatin1(name), module.error());
        } else if (!release || !entryOf) {
            failure = Texts::tr("%1 is not a TorvelBar host module").arg(path);
        } else if (std::strcmp(release(), TORVEL_VERSION) != 0) {
            failure = Texts::tr("%1 is of release %2, not %3")
                          .arg(path, QString::fromUtf8(release()), QStringLiteral(TORVEL_VERSION));
        } else {
            entry = entryOf();
        }
    }
    why = failure;
    return entry;
}

template <const HostModule& M>
const HostEntry* resolveModule(const HostEnvironment& env, QString& why) {
    return M.possible(env) ? load(M.name, why) : nullptr;
}

} // namespace

std::span<const HostEntry* const> hostRegistry() {
    // Night lights after the compositor they stand in for, KWin first,
    // since a Plasma session may also run GNOME's settings daemon.
    static const HostEntry wayland{.name = "wayland", .resolve = resolveModule<waylandModule>};
    static const HostEntry kwin{.name = "kwin",
                                .standsInFor = "wayland",
                                .helperArgument = kwinrcGuard::argument,
                                .resolve = resolveModule<kwinModule>};
    static const HostEntry gnome{
        .name = "gnome", .standsInFor = "wayland", .resolve = resolveModule<gnomeModule>};
    static const HostEntry x11{.name = "x11", .resolve = resolveModule<x11Module>};
    static const HostEntry* const entries[] = {&wayland, &kwin, &gnome, &x11};
    return entries;
}

QString hostModuleFolder() {
    if (!folderChosen().isEmpty()) {
        return folderChosen();
    }
    return programFolder(QStringLiteral("hosts"), QStringLiteral(TORVEL_HOST_MODULE_RELDIR));
}

void useHostModuleFolder(const QString& folder) {
    folderChosen() = folder;
}

const HostEntry* helperFor(int argc, char** argv, std::span<const HostEntry* const> entries) {
    if (argc < 2) {
        return nullptr;
    }
    for (const HostEntry* entry : entries) {
        if (entry->helperArgument && std::strcmp(argv[1], entry->helperArgument) == 0) {
            // Its module whatever the session: the app that runs it chose it.
            QString why;
            const HostEntry* helper = entry->resolve ? load(entry->name, why) : entry;
            return helper && helper->runHelper ? helper : nullptr;
        }
    }
    return nullptr;
}

std::unique_ptr<DesktopSession> openDesktopSession(const DisplayHost& host,
                                                   const QString& qtPlatform) {
    if (!host.entry || !host.entry->open) {
        return nullptr;
    }
    return host.entry->open({qEnvironmentVariable("XDG_CURRENT_DESKTOP"), qtPlatform});
}

} // namespace torvel
