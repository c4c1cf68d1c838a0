#include "app/display_host.h"

#include "base/texts.h"

#include <algorithm>
#include <cstring>

namespace torvel {

namespace {

bool named(const char* name, const char* other) {
    return name && other && std::strcmp(name, other) == 0;
}

} // namespace

std::vector<HostAnswer> askHosts(std::span<const HostEntry* const> entries,
                                 const HostEnvironment& environment) {
    std::vector<HostAnswer> answers;
    const HostEntry* refused = nullptr;
    for (const HostEntry* entry : entries) {
        const bool asked =
            refused ? named(entry->standsInFor, refused->name) : entry->standsInFor == nullptr;
        if (!asked) {
            continue;
        }
        // A module's entry is loaded only where the session could be its.
        const HostEntry* asking = entry;
        if (entry->resolve) {
            QString why;
            asking = entry->resolve(environment, why);
            if (!asking) {
                answers.push_back(
                    {entry, why.isEmpty() ? HostProbe::notHere() : HostProbe::refuses(why)});
                if (!why.isEmpty() && !refused) {
                    refused = entry;
                }
                continue;
            }
        }
        const HostProbe probe = asking->probe(environment);
        answers.push_back({asking, probe});
        if (probe.answer == HostProbe::Answer::fits) {
            break;
        }
        if (probe.answer == HostProbe::Answer::refuses && !refused) {
            refused = entry;
        }
    }
    return answers;
}

DisplayHost chooseDisplayHost(std::span<const HostAnswer> answers,
                              const HostEnvironment& environment) {
    for (const HostAnswer& a : answers) {
        if (a.probe.answer == HostProbe::Answer::fits) {
            return DisplayHost{a.entry, {}, a.entry->qtPlatform, a.entry->displayKey(environment)};
        }
    }
    const auto first = std::find_if(answers.begin(), answers.end(),
                                    [](const HostAnswer& a) { return !a.probe.reason.isEmpty(); });
    if (first == answers.end()) {
        return DisplayHost{
            nullptr,
            Texts::tr("no display to tint (neither WAYLAND_DISPLAY nor DISPLAY is set)"),
            {},
            {}};
    }
    QString message = first->probe.reason;
    if (first->probe.answer == HostProbe::Answer::refuses) {
        // Point at the setting of the desktop the user is in.
        for (const HostAnswer& a : answers) {
            if (named(a.entry->standsInFor, first->entry->name) && a.entry->desktopName &&
                a.entry->ownSetting &&
                environment.currentDesktop.contains(QLatin1String(a.entry->desktopName))) {
                message += QStringLiteral(" (%1)").arg(QString::fromUtf8(a.entry->ownSetting));
                break;
            }
        }
    }
    return DisplayHost{nullptr, message, {}, {}};
}

HostEnvironment hostEnvironment() {
    return {qEnvironmentVariable("WAYLAND_DISPLAY"), qEnvironmentVariable("DISPLAY"),
            qEnvironmentVariable("XDG_CURRENT_DESKTOP"), qEnvironmentVariable("XDG_RUNTIME_DIR")};
}

DisplayHost detectDisplayHost(std::span<const HostEntry* const> entries) {
    const HostEnvironment environment = hostEnvironment();
    return chooseDisplayHost(askHosts(entries, environment), environment);
}

} // namespace torvel
