#include "platform/x11/x11_display_layer.h"

#include "base/shown_text.h"
#include "base/texts.h"
#include "color/ramp_resample.h"
#include "platform/runtime/host_state_guard.h"
#include "platform/runtime/trouble_report.h"
#include "platform/x11/edid_name.h"
#include "platform/x11/gamma_record.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <QLoggingCategory>
#include <QMetaObject>
#include <QSocketNotifier>
#include <set>
#include <utility>
#include <xcb/randr.h>
#include <xcb/screensaver.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

namespace torvel {

Q_LOGGING_CATEGORY(x11Log, "torvelbar.x11", QtWarningMsg)

namespace {

template <typename T> using Reply = std::unique_ptr<T, decltype(&std::free)>;
template <typename T> Reply<T> reply(T* p) {
    return Reply<T>(p, &std::free);
}

// Drivers report 256 to 4096 entries; anything above X's own limit is garbage.
constexpr std::uint32_t maxGammaSize = 65535;

bool allZero(const CapturedRamps& r) {
    const auto zero = [](const std::vector<std::uint16_t>& v) {
        return std::all_of(v.begin(), v.end(), [](std::uint16_t x) { return x == 0; });
    };
    return zero(r.red) && zero(r.green) && zero(r.blue);
}

std::vector<std::uint16_t> identityRamp(std::uint32_t size) {
    std::vector<std::uint16_t> out(size, 0);
    for (std::uint32_t i = 0; size > 1 && i < size; ++i) {
        out[i] = static_cast<std::uint16_t>(
            (static_cast<std::uint64_t>(i) * 65535 + (size - 1) / 2) / (size - 1));
    }
    return out;
}

// Zeros, which some servers (Xvfb among them) report for ramps nobody set,
// stand for the straight ramp: handing those back would black the screen.
CapturedRamps ownRamps(CapturedRamps ramps) {
    if (allZero(ramps)) {
        ramps.red = ramps.green = ramps.blue =
            identityRamp(static_cast<std::uint32_t>(ramps.red.size()));
    }
    return ramps;
}

bool sameRamps(const CapturedRamps& a, const CapturedRamps& b) {
    return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// Straight to within a 256th: X servers start CRTCs at i << 8 (a top of
// 65280), which is no calibration.
bool isStraight(const std::vector<std::uint16_t>& ramp) {
    const auto straight = identityRamp(static_cast<std::uint32_t>(ramp.size()));
    for (std::size_t i = 0; i < ramp.size(); ++i) {
        if (std::abs(int{ramp[i]} - int{straight[i]}) > 256) {
            return false;
        }
    }
    return true;
}

// A table through the CRTC's own curve; with a straight curve, exactly the
// table resampled.
std::vector<std::uint16_t> rampFor(std::span<const float> table,
                                   const std::vector<std::uint16_t>& own, std::uint32_t size) {
    if (own.size() != size || isStraight(own)) {
        return resampleRamp(table, size);
    }
    return composeRamp(table, own, size);
}

} // namespace

struct X11DisplayLayer::Impl {
    xcb_connection_t* connection = nullptr;
    QString displayName;
    std::vector<xcb_window_t> roots;
    bool randr13 = false;
    std::uint8_t randrEventBase = 0;
    std::uint8_t screensaverEventBase = 0;
    bool hasScreensaver = false;

    std::unique_ptr<QSocketNotifier> notifier;
    std::deque<xcb_generic_event_t*> pending; // read while waiting for replies
    bool dispatchQueued = false;

    std::function<void(const DisplayChange&)> notify; // the owning layer's subscribers
    std::function<void()> screensWoke;                // the owning layer's subscribers

    // The ramps of each CRTC from before our first change to it.
    std::optional<HostStateGuard<CapturedGamma>> guard;
    // CRTCs that take no gamma ramp (size 0, or one the server would not
    // report), until the configuration changes.
    std::set<xcb_randr_crtc_t> refusing;
    TroubleReport trouble{x11Log, Texts::tr("the X server takes our color again")};

    // The active CRTCs and their gamma sizes, asked for once and kept until a
    // RandR notice says the configuration changed: a tick's write then needs
    // no reply from the server, so it never waits on it.
    std::optional<std::vector<xcb_randr_crtc_t>> knownCrtcs;
    std::map<xcb_randr_crtc_t, std::uint32_t> knownGammaSizes;
    std::map<xcb_randr_crtc_t, DisplayName> knownNames;
    // What this process last sent each CRTC. Before each later write the
    // CRTC's ramps are asked for, not waited on, with what we had sent then;
    // the answer, looked at by the next write, differs when another program
    // (a calibration loader) set new ramps in between.
    std::map<xcb_randr_crtc_t, CapturedRamps> lastWritten;
    struct ReadBack {
        xcb_randr_get_crtc_gamma_cookie_t cookie;
        CapturedRamps expected;
    };
    std::map<xcb_randr_crtc_t, ReadBack> readBacks;

    void forgetWrites(std::optional<xcb_randr_crtc_t> only = std::nullopt) {
        for (auto it = readBacks.begin(); it != readBacks.end();) {
            if (!only || it->first == *only) {
                xcb_discard_reply(connection, it->second.cookie.sequence);
                it = readBacks.erase(it);
            } else {
                ++it;
            }
        }
        if (only) {
            lastWritten.erase(*only);
        } else {
            lastWritten.clear();
        }
    }

    void forgetConfiguration() {
        knownCrtcs.reset();
        knownGammaSizes.clear();
        knownNames.clear();
        refusing.clear();
    }

    ~Impl() {
        for (auto* e : pending) {
            std::free(e);
        }
        notifier.reset();
        if (connection) {
            xcb_disconnect(connection);
        }
    }

    bool broken() const { return connection == nullptr || xcb_connection_has_error(connection); }

    QString brokenLine() const {
        return Texts::tr("the connection to the X server %1 broke").arg(displayName);
    }

    // After a write to `crtc`: trouble once every active CRTC refused.
    void lookAtRefusals(xcb_randr_crtc_t crtc, bool refused) {
        if (!refused) {
            refusing.erase(crtc);
            trouble.set(std::nullopt);
            return;
        }
        refusing.insert(crtc);
        const auto active = activeCrtcs();
        if (!active.empty() && std::all_of(active.begin(), active.end(),
                                           [this](auto c) { return refusing.count(c) != 0; })) {
            trouble.set(
                Texts::tr("no screen of the X server %1 takes a gamma ramp").arg(displayName));
        }
    }

    std::vector<xcb_randr_crtc_t> activeCrtcs() {
        if (broken()) {
            return {};
        }
        if (!knownCrtcs) {
            knownCrtcs = queryActiveCrtcs();
        }
        return *knownCrtcs;
    }

    std::vector<xcb_randr_crtc_t> queryActiveCrtcs() {
        std::vector<xcb_randr_crtc_t> out;
        for (const xcb_window_t root : roots) {
            xcb_randr_crtc_t* crtcs = nullptr;
            int count = 0;
            xcb_timestamp_t stamp = 0;
            Reply<xcb_randr_get_screen_resources_current_reply_t> current(nullptr, &std::free);
            Reply<xcb_randr_get_screen_resources_reply_t> full(nullptr, &std::free);
            if (randr13) {
                current = reply(xcb_randr_get_screen_resources_current_reply(
                    connection, xcb_randr_get_screen_resources_current(connection, root), nullptr));
                if (!current) {
                    continue;
                }
                crtcs = xcb_randr_get_screen_resources_current_crtcs(current.get());
                count = xcb_randr_get_screen_resources_current_crtcs_length(current.get());
                stamp = current->config_timestamp;
            } else {
                full = reply(xcb_randr_get_screen_resources_reply(
                    connection, xcb_randr_get_screen_resources(connection, root), nullptr));
                if (!full) {
                    continue;
                }
                crtcs = xcb_randr_get_screen_resources_crtcs(full.get());
                count = xcb_randr_get_screen_resources_crtcs_length(full.get());
                stamp = full->config_timestamp;
            }
            // Ask for every CRTC first, then collect: one round trip per screen.
            std::vector<xcb_randr_get_crtc_info_cookie_t> cookies;
            cookies.reserve(static_cast<std::size_t>(std::max(count, 0)));
            for (int i = 0; i < count; ++i) {
                cookies.push_back(xcb_randr_get_crtc_info(connection, crtcs[i], stamp));
            }
            for (int i = 0; i < count; ++i) {
                auto info = reply(xcb_randr_get_crtc_info_reply(connection, cookies[i], nullptr));
                if (info && info->mode != XCB_NONE && info->num_outputs > 0) {
                    out.push_back(crtcs[i]);
                }
            }
        }
        queuePending();
        return out;
    }

    std::uint32_t gammaSize(xcb_randr_crtc_t crtc) {
        if (const auto known = knownGammaSizes.find(crtc); known != knownGammaSizes.end()) {
            return known->second;
        }
        auto r = reply(xcb_randr_get_crtc_gamma_size_reply(
            connection, xcb_randr_get_crtc_gamma_size(connection, crtc), nullptr));
        const std::uint32_t size = r ? r->size : 0;
        if (size > 0) {
            knownGammaSizes[crtc] = size;
        }
        return size;
    }

    std::optional<CapturedRamps> readRamps(xcb_randr_crtc_t crtc, std::uint32_t size) {
        return rampsOf(crtc, size,
                       reply(xcb_randr_get_crtc_gamma_reply(
                           connection, xcb_randr_get_crtc_gamma(connection, crtc), nullptr)));
    }

    static std::optional<CapturedRamps> rampsOf(xcb_randr_crtc_t crtc, std::uint32_t size,
                                                const Reply<xcb_randr_get_crtc_gamma_reply_t>& r) {
        if (!r || r->size != size) {
            return std::nullopt;
        }
        CapturedRamps ramps;
        ramps.crtc = crtc;
        const auto* red = xcb_randr_get_crtc_gamma_red(r.get());
        const auto* green = xcb_randr_get_crtc_gamma_green(r.get());
        const auto* blue = xcb_randr_get_crtc_gamma_blue(r.get());
        ramps.red.assign(red, red + size);
        ramps.green.assign(green, green + size);
        ramps.blue.assign(blue, blue + size);
        return ramps;
    }

    const CapturedRamps* keptRamps(xcb_randr_crtc_t crtc) const {
        if (!guard->kept()) {
            return nullptr;
        }
        const auto& all = *guard->kept();
        const auto found = std::find_if(all.begin(), all.end(),
                                        [crtc](const CapturedRamps& r) { return r.crtc == crtc; });
        return found == all.end() ? nullptr : &*found;
    }

    // The CRTC's own ramps from now on (on disk before any change is sent),
    // in place of any kept before.
    void keepOwn(CapturedRamps ramps) {
        CapturedGamma all = guard->kept() ? *guard->kept() : CapturedGamma{};
        std::erase_if(all, [&](const CapturedRamps& r) { return r.crtc == ramps.crtc; });
        all.push_back(ownRamps(std::move(ramps)));
        guard->keep(std::move(all));
    }

    // The CRTC's own ramps: those from before our first change (read then,
    // waiting for the answer), or those another program set since. Nothing
    // when they cannot be read.
    const CapturedRamps* capture(xcb_randr_crtc_t crtc, std::uint32_t size) {
        if (keptRamps(crtc)) {
            adoptForeignRamps(crtc, size);
            return keptRamps(crtc);
        }
        auto now = readRamps(crtc, size);
        if (!now) {
            return nullptr;
        }
        keepOwn(std::move(*now));
        return keptRamps(crtc);
    }

    // The answer to the read-back sent before the last write, if it came.
    void adoptForeignRamps(xcb_randr_crtc_t crtc, std::uint32_t size) {
        const auto found = readBacks.find(crtc);
        if (found == readBacks.end()) {
            return;
        }
        void* got = nullptr;
        xcb_generic_error_t* error = nullptr;
        if (xcb_poll_for_reply(connection, found->second.cookie.sequence, &got, &error) == 0) {
            return; // not yet: the next write looks again
        }
        std::free(error);
        const ReadBack asked = std::move(found->second);
        readBacks.erase(found);
        auto now = rampsOf(crtc, size,
                           Reply<xcb_randr_get_crtc_gamma_reply_t>(
                               static_cast<xcb_randr_get_crtc_gamma_reply_t*>(got), &std::free));
        if (!now || sameRamps(*now, asked.expected)) {
            return;
        }
        qCInfo(x11Log) << "CRTC" << crtc << "was given new ramps by another program;"
                       << "they are its own from now on";
        keepOwn(std::move(*now));
    }

    // Before a write over one of ours: what is there now, asked for.
    void askBeforeWrite(xcb_randr_crtc_t crtc) {
        const auto written = lastWritten.find(crtc);
        if (written != lastWritten.end() && !readBacks.contains(crtc)) {
            readBacks.emplace(
                crtc, ReadBack{xcb_randr_get_crtc_gamma(connection, crtc), written->second});
        }
    }

    // Hands one CRTC its own ramps back and stops keeping them.
    void release(xcb_randr_crtc_t crtc) {
        const CapturedRamps* kept = keptRamps(crtc);
        forgetWrites(crtc);
        if (!kept || broken()) {
            return;
        }
        writeRamps(*kept);
        xcb_flush(connection);
        CapturedGamma rest = *guard->kept();
        std::erase_if(rest, [crtc](const CapturedRamps& r) { return r.crtc == crtc; });
        guard->keep(std::move(rest));
        if (guard->kept()->empty()) {
            guard->restore(); // nothing left to keep: the record goes
        }
    }

    // The CRTC's outputs' first name, and the monitor's own from its EDID.
    DisplayName nameOf(xcb_randr_crtc_t crtc) {
        if (const auto known = knownNames.find(crtc); known != knownNames.end()) {
            return known->second;
        }
        DisplayName name;
        auto info = reply(xcb_randr_get_crtc_info_reply(
            connection, xcb_randr_get_crtc_info(connection, crtc, XCB_CURRENT_TIME), nullptr));
        if (info && info->num_outputs > 0) {
            const xcb_randr_output_t output = xcb_randr_get_crtc_info_outputs(info.get())[0];
            name = outputName(output);
            name.area = QRect(info->x, info->y, info->width, info->height);
        }
        queuePending();
        if (!broken()) {
            knownNames[crtc] = name;
        }
        return name;
    }

    DisplayName outputName(xcb_randr_output_t output) {
        auto info = reply(xcb_randr_get_output_info_reply(
            connection, xcb_randr_get_output_info(connection, output, XCB_CURRENT_TIME), nullptr));
        if (!info) {
            return {};
        }
        const QString connector = shownConnector(info.get());
        static constexpr char edidAtom[] = "EDID";
        auto atom = reply(xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 1, sizeof edidAtom - 1, edidAtom), nullptr));
        if (atom && atom->atom != XCB_NONE) {
            // 128 32-bit units: the base block and three extensions.
            auto property = reply(xcb_randr_get_output_property_reply(
                connection,
                xcb_randr_get_output_property(connection, output, atom->atom, XCB_ATOM_ANY, 0, 128,
                                              0, 0),
                nullptr));
            if (property && property->format == 8) {
                const std::span<const std::uint8_t> bytes(
                    xcb_randr_get_output_property_data(property.get()),
                    static_cast<std::size_t>(
                        xcb_randr_get_output_property_data_length(property.get())));
                if (auto fromEdid = edidDisplayName(bytes, connector)) {
                    return *fromEdid;
                }
            }
        }
        return {connector, connector, connector, {}};
    }

    static QString shownConnector(xcb_randr_get_output_info_reply_t* info) {
        const auto* bytes = reinterpret_cast<const char*>(xcb_randr_get_output_info_name(info));
        return shownText(QString::fromUtf8(bytes, xcb_randr_get_output_info_name_length(info)));
    }

    void writeRamps(const CapturedRamps& r) {
        if (gammaSize(r.crtc) != r.red.size()) {
            return; // the CRTC changed size or went away
        }
        xcb_randr_set_crtc_gamma(connection, r.crtc, static_cast<std::uint16_t>(r.red.size()),
                                 r.red.data(), r.green.data(), r.blue.data());
    }

    // Waits until the server has handled every request sent so far.
    void sync() {
        std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    }

    // Every captured CRTC back; false when the server is gone.
    bool writeBack(const CapturedGamma& all) {
        if (broken()) {
            return false;
        }
        for (const auto& ramps : all) {
            writeRamps(ramps);
        }
        sync();
        return !broken();
    }

    void restore() {
        forgetWrites();
        if (broken()) {
            guard->forget(); // the record stays for the next start
            return;
        }
        guard->restore();
        queuePending();
    }

    // Events that arrived while we waited for a reply sit in xcb's queue where
    // the socket notifier cannot see them; hand them to the next turn of the
    // loop rather than running callbacks inside a caller's request.
    void queuePending() {
        if (broken()) {
            return;
        }
        while (auto* e = xcb_poll_for_queued_event(connection)) {
            pending.push_back(e);
        }
        if (!pending.empty() && !dispatchQueued && notifier) {
            dispatchQueued = true;
            QMetaObject::invokeMethod(
                notifier.get(), [this] { dispatch(); }, Qt::QueuedConnection);
        }
    }

    void dispatch() {
        dispatchQueued = false;
        if (!broken()) {
            while (auto* e = xcb_poll_for_event(connection)) {
                pending.push_back(e);
            }
        }
        if (broken() && notifier) {
            notifier->setEnabled(false);
            trouble.set(brokenLine());
        }
        while (!pending.empty()) {
            xcb_generic_event_t* e = pending.front();
            pending.pop_front();
            handle(e);
            std::free(e);
        }
    }

    void handle(const xcb_generic_event_t* e) {
        const std::uint8_t type = e->response_type & 0x7f;
        if (type == 0) {
            return; // an error reply to an unchecked request: ignored by design
        }
        if (type == randrEventBase + XCB_RANDR_SCREEN_CHANGE_NOTIFY ||
            type == randrEventBase + XCB_RANDR_NOTIFY) {
            forgetConfiguration();
        }
        if (type == randrEventBase + XCB_RANDR_SCREEN_CHANGE_NOTIFY) {
            const auto* sc = reinterpret_cast<const xcb_randr_screen_change_notify_event_t*>(e);
            notify({sc->root, DisplayChange::Kind::changed});
        } else if (type == randrEventBase + XCB_RANDR_NOTIFY) {
            const auto* n = reinterpret_cast<const xcb_randr_notify_event_t*>(e);
            if (n->subCode == XCB_RANDR_NOTIFY_CRTC_CHANGE) {
                notify({n->u.cc.crtc, DisplayChange::Kind::changed});
            } else if (n->subCode == XCB_RANDR_NOTIFY_OUTPUT_CHANGE) {
                notify({n->u.oc.crtc, n->u.oc.connection == XCB_RANDR_CONNECTION_CONNECTED
                                          ? DisplayChange::Kind::added
                                          : DisplayChange::Kind::removed});
            }
        } else if (hasScreensaver && type == screensaverEventBase + XCB_SCREENSAVER_NOTIFY) {
            const auto* s = reinterpret_cast<const xcb_screensaver_notify_event_t*>(e);
            if (s->state == XCB_SCREENSAVER_STATE_OFF) {
                screensWoke();
            }
        }
    }
};

namespace {

// A connection with RandR 1.2 or later, or why there is none.
Result<xcb_connection_t*>
connectWithRandr(const QString& displayName,
                 std::unique_ptr<xcb_randr_query_version_reply_t, decltype(&std::free)>& version) {
    const auto fail = [](const QString& why) { return Result<xcb_connection_t*>::failure(why); };
    const QByteArray name = displayName.toLocal8Bit();
    xcb_connection_t* c = xcb_connect(name.isEmpty() ? nullptr : name.constData(), nullptr);
    if (xcb_connection_has_error(c)) {
        xcb_disconnect(c);
        return fail(Texts::tr("cannot connect to the X server %1").arg(displayName));
    }
    const auto* randr = xcb_get_extension_data(c, &xcb_randr_id);
    if (!randr || !randr->present) {
        xcb_disconnect(c);
        return fail(Texts::tr("the X server %1 has no RandR extension").arg(displayName));
    }
    version.reset(xcb_randr_query_version_reply(c, xcb_randr_query_version(c, 1, 5), nullptr));
    if (!version || (version->major_version == 1 && version->minor_version < 2)) {
        xcb_disconnect(c);
        return fail(Texts::tr("the X server %1 has RandR older than 1.2").arg(displayName));
    }
    return c;
}

// Xwayland 23.1 and later announce themselves with an extension of that
// name; every version names its RandR outputs XWAYLAND0, XWAYLAND1... (A
// server without RandR 1.3 answers the query with an error: no Xwayland is
// that old.)
bool runsOnWayland(xcb_connection_t* c) {
    static constexpr char name[] = "XWAYLAND";
    auto extension =
        reply(xcb_query_extension_reply(c, xcb_query_extension(c, sizeof name - 1, name), nullptr));
    if (extension && extension->present) {
        return true;
    }
    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it)) {
        // The current resources: asking for the full ones makes the server
        // probe every connector, which takes a while on real hardware.
        auto resources = reply(xcb_randr_get_screen_resources_current_reply(
            c, xcb_randr_get_screen_resources_current(c, it.data->root), nullptr));
        if (!resources) {
            continue;
        }
        const xcb_randr_output_t* outputs =
            xcb_randr_get_screen_resources_current_outputs(resources.get());
        const int count = xcb_randr_get_screen_resources_current_outputs_length(resources.get());
        for (int i = 0; i < count; ++i) {
            auto info = reply(xcb_randr_get_output_info_reply(
                c, xcb_randr_get_output_info(c, outputs[i], resources->config_timestamp), nullptr));
            if (!info) {
                continue;
            }
            const auto* outputName =
                reinterpret_cast<const char*>(xcb_randr_get_output_info_name(info.get()));
            const int length = xcb_randr_get_output_info_name_length(info.get());
            if (length >= 8 && std::memcmp(outputName, name, 8) == 0) {
                return true;
            }
        }
    }
    return false;
}

} // namespace

Result<X11DisplayLayer::Server> X11DisplayLayer::probe(const QString& displayName) {
    std::unique_ptr<xcb_randr_query_version_reply_t, decltype(&std::free)> version(nullptr,
                                                                                   &std::free);
    const auto connected = connectWithRandr(displayName, version);
    if (!connected) {
        return Result<Server>::failure(connected.error());
    }
    xcb_connection_t* c = connected.value();
    const Server server = runsOnWayland(c) ? Server::xwayland : Server::real;
    xcb_disconnect(c);
    return server;
}

Result<std::unique_ptr<X11DisplayLayer>> X11DisplayLayer::create(const QString& displayName,
                                                                 bool displayLocked) {
    auto impl = std::make_unique<Impl>();
    impl->displayName = displayName.isEmpty() ? qEnvironmentVariable("DISPLAY") : displayName;
    std::unique_ptr<xcb_randr_query_version_reply_t, decltype(&std::free)> version(nullptr,
                                                                                   &std::free);
    const auto connected = connectWithRandr(impl->displayName, version);
    if (!connected) {
        return Result<std::unique_ptr<X11DisplayLayer>>::failure(connected.error());
    }
    impl->connection = connected.value();
    xcb_connection_t* c = impl->connection;
    const auto* randr = xcb_get_extension_data(c, &xcb_randr_id);
    impl->randr13 = version->major_version > 1 || version->minor_version >= 3;
    impl->randrEventBase = randr->first_event;

    const auto* saver = xcb_get_extension_data(c, &xcb_screensaver_id);
    impl->hasScreensaver = saver && saver->present;
    impl->screensaverEventBase = impl->hasScreensaver ? saver->first_event : 0;

    for (auto it = xcb_setup_roots_iterator(xcb_get_setup(c)); it.rem; xcb_screen_next(&it)) {
        const xcb_window_t root = it.data->root;
        impl->roots.push_back(root);
        xcb_randr_select_input(c, root,
                               XCB_RANDR_NOTIFY_MASK_SCREEN_CHANGE |
                                   XCB_RANDR_NOTIFY_MASK_CRTC_CHANGE |
                                   XCB_RANDR_NOTIFY_MASK_OUTPUT_CHANGE);
        if (impl->hasScreensaver) {
            xcb_screensaver_select_input(c, root, XCB_SCREENSAVER_EVENT_NOTIFY_MASK);
        }
    }

    Impl* self = impl.get();
    impl->guard.emplace(
        HostStateGuard<CapturedGamma>::Options{.recordPath = gammaRecordPath(impl->displayName),
                                               .displayLocked = displayLocked},
        HostStateGuard<CapturedGamma>::Hooks{
            .read = {}, // each CRTC is read as it is first written
            .write = [self](const CapturedGamma& all) { return self->writeBack(all); },
            .toRecord = gammaRecord,
            .fromRecord = gammaFromRecord});
    impl->guard->replayLeftover();

    impl->notifier =
        std::make_unique<QSocketNotifier>(xcb_get_file_descriptor(c), QSocketNotifier::Read);
    Impl* raw = impl.get();
    QObject::connect(impl->notifier.get(), &QSocketNotifier::activated, [raw] { raw->dispatch(); });
    xcb_flush(c);
    raw->queuePending();
    return std::unique_ptr<X11DisplayLayer>(new X11DisplayLayer(std::move(impl)));
}

X11DisplayLayer::X11DisplayLayer(std::unique_ptr<Impl> impl)
    : impl_(std::move(impl)) {
    impl_->notify = [this](const DisplayChange& change) { notifyReconfiguration(change); };
    impl_->screensWoke = [this] { notifyScreensWake(); };
    impl_->trouble.tellOnChange([this] { notifyTrouble(); });
}

X11DisplayLayer::~X11DisplayLayer() {
    impl_->restore();
}

std::vector<DisplayId> X11DisplayLayer::onlineDisplays() {
    const auto crtcs = impl_->activeCrtcs();
    return {crtcs.begin(), crtcs.end()};
}

void X11DisplayLayer::setTransferTable(DisplayId display, std::span<const float> red,
                                       std::span<const float> green, std::span<const float> blue) {
    if (impl_->broken()) {
        impl_->trouble.set(impl_->brokenLine());
        return;
    }
    const std::uint32_t size = impl_->gammaSize(display);
    const CapturedRamps* own =
        size == 0 || size > maxGammaSize ? nullptr : impl_->capture(display, size);
    impl_->lookAtRefusals(display, own == nullptr);
    if (!own) {
        impl_->queuePending();
        return;
    }
    CapturedRamps sent{display, rampFor(red, own->red, size), rampFor(green, own->green, size),
                       rampFor(blue, own->blue, size)};
    impl_->askBeforeWrite(display);
    xcb_randr_set_crtc_gamma(impl_->connection, display, static_cast<std::uint16_t>(size),
                             sent.red.data(), sent.green.data(), sent.blue.data());
    xcb_flush(impl_->connection);
    impl_->lastWritten[display] = std::move(sent);
    impl_->queuePending();
}

DisplayName X11DisplayLayer::nameOf(DisplayId display) {
    return impl_->broken() ? DisplayName{} : impl_->nameOf(display);
}

void X11DisplayLayer::releaseDisplay(DisplayId display) {
    impl_->release(display);
    impl_->queuePending();
}

void X11DisplayLayer::restoreColorSettings() {
    impl_->restore();
}

std::optional<QString> X11DisplayLayer::trouble() const {
    return impl_->trouble.current();
}

QString X11DisplayLayer::captureFilePath() const {
    return impl_->guard->recordPath();
}

} // namespace torvel
