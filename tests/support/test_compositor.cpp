#include "support/test_compositor.h"

#include "gamma-control-server.h"
#include "support/temp_dir.h"

#include <algorithm>
#include <condition_variable>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <list>
#include <mutex>
#include <stdexcept>
#include <sys/eventfd.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <thread>
#include <unistd.h>
#include <wayland-server.h>

namespace torvel::test {

namespace {
constexpr std::size_t maxKeptWrites = 1000;
}

struct TestCompositor::State {
    struct Output {
        State* state = nullptr;
        std::uint32_t name = 0;
        std::uint32_t gammaSize = 0;
        QByteArray connector; // empty: TEST-<name>
        wl_global* global = nullptr;
        bool held = false;
        wl_resource* control = nullptr;
    };

    TempDir dir;
    QString socketPath;
    wl_display* display = nullptr;
    int wakeFd = -1;
    wl_event_source* wakeSource = nullptr;
    bool stopping = false;
    std::thread thread;
    // Globals are named in creation order, from 1; libwayland numbers them
    // the same way.
    std::uint32_t nextName = 1;

    std::mutex mutex; // guards what follows, shared with the test's thread
    std::deque<std::function<void()>> work;
    std::list<Output> outputs;
    std::deque<GammaWrite> writes; // the latest, so a benchmark's memory stays bounded
    int liveControls = 0;
    int controlsCreated = 0;
    int protocolErrors = 0;

    Output* find(std::uint32_t name) {
        for (auto& o : outputs) {
            if (o.name == name && o.global) {
                return &o;
            }
        }
        return nullptr;
    }

    // --- wl_output ---
    static void releaseOutput(wl_client*, wl_resource* resource) { wl_resource_destroy(resource); }
    static constexpr struct wl_output_interface outputImplementation { .release = &releaseOutput };

    static void bindOutput(wl_client* client, void* data, std::uint32_t version, std::uint32_t id) {
        auto* o = static_cast<Output*>(data);
        wl_resource* r = wl_resource_create(client, &wl_output_interface,
                                            static_cast<int>(std::min(version, 4u)), id);
        wl_resource_set_implementation(r, &outputImplementation, o, nullptr);
        wl_output_send_geometry(r, 0, 0, 300, 200, WL_OUTPUT_SUBPIXEL_UNKNOWN, "Test", "Output",
                                WL_OUTPUT_TRANSFORM_NORMAL);
        wl_output_send_mode(r, WL_OUTPUT_MODE_CURRENT, 1280, 800, 60000);
        if (version >= WL_OUTPUT_NAME_SINCE_VERSION) {
            // As sway names and describes its outputs.
            const QByteArray connector =
                o->connector.isEmpty() ? "TEST-" + QByteArray::number(o->name) : o->connector;
            wl_output_send_name(r, connector.constData());
            wl_output_send_description(
                r, ("Test Output SN" + QByteArray::number(o->name) + " (" + connector + ")")
                       .constData());
        }
        if (version >= WL_OUTPUT_DONE_SINCE_VERSION) {
            wl_output_send_done(r);
        }
    }

    // --- zwlr_gamma_control_v1 ---
    static void setGamma(wl_client*, wl_resource* resource, std::int32_t fd) {
        auto* o = static_cast<Output*>(wl_resource_get_user_data(resource));
        State* s = o ? o->state : nullptr;
        if (!s || o->control != resource) {
            ::close(fd);
            return; // a control that already failed: ignored, as real compositors do
        }
        const std::size_t n = o->gammaSize;
        std::vector<std::uint16_t> all(n * 3 + 1);
        const ssize_t got = ::pread(fd, all.data(), all.size() * 2, 0);
        const int seals = ::fcntl(fd, F_GET_SEALS);
        ::close(fd);
        if (got != static_cast<ssize_t>(n * 3 * 2)) {
            std::lock_guard lock(s->mutex);
            ++s->protocolErrors;
            wl_resource_post_error(resource, ZWLR_GAMMA_CONTROL_V1_ERROR_INVALID_GAMMA,
                                   "the ramps must be 3 x gamma_size x 2 bytes");
            return;
        }
        GammaWrite w;
        w.output = o->name;
        w.red.assign(all.begin(), all.begin() + n);
        w.green.assign(all.begin() + n, all.begin() + 2 * n);
        w.blue.assign(all.begin() + 2 * n, all.begin() + 3 * n);
        w.sealed = seals >= 0 && (seals & F_SEAL_WRITE) && (seals & F_SEAL_SHRINK) &&
                   (seals & F_SEAL_GROW);
        std::lock_guard lock(s->mutex);
        if (s->writes.size() == maxKeptWrites) {
            s->writes.pop_front();
        }
        s->writes.push_back(std::move(w));
    }

    static void destroyControl(wl_client*, wl_resource* resource) { wl_resource_destroy(resource); }

    static constexpr struct zwlr_gamma_control_v1_interface controlImplementation {
        .set_gamma = &setGamma, .destroy = &destroyControl,
    };

    // The control's resource is gone (destroyed by the client, or the client left).
    static void controlGone(wl_resource* resource) {
        auto* o = static_cast<Output*>(wl_resource_get_user_data(resource));
        if (!o) {
            return;
        }
        std::lock_guard lock(o->state->mutex);
        --o->state->liveControls;
        if (o->control == resource) {
            o->control = nullptr;
        }
    }

    // Takes the output's control away the way wlroots does: `failed`, and
    // the object lives on, inert, until the client destroys it.
    void takeControlAway(Output& o) {
        if (!o.control) {
            return;
        }
        wl_resource_set_user_data(o.control, nullptr);
        zwlr_gamma_control_v1_send_failed(o.control);
        std::lock_guard lock(mutex);
        --liveControls;
        o.control = nullptr;
    }

    // --- zwlr_gamma_control_manager_v1 ---
    static void getGammaControl(wl_client* client, wl_resource* manager, std::uint32_t id,
                                wl_resource* outputResource) {
        State* s = static_cast<State*>(wl_resource_get_user_data(manager));
        auto* o = static_cast<Output*>(wl_resource_get_user_data(outputResource));
        wl_resource* r = wl_resource_create(client, &zwlr_gamma_control_v1_interface, 1, id);
        {
            std::lock_guard lock(s->mutex);
            ++s->liveControls;
            ++s->controlsCreated;
        }
        const bool usable = o && o->global && !o->held && !o->control && o->gammaSize > 0;
        wl_resource_set_implementation(r, &controlImplementation, usable ? o : nullptr,
                                       &controlGone);
        if (!usable) {
            // Not counted against any output.
            std::lock_guard lock(s->mutex);
            --s->liveControls;
            wl_resource_set_destructor(r, nullptr);
            zwlr_gamma_control_v1_send_failed(r);
            return;
        }
        o->control = r;
        zwlr_gamma_control_v1_send_gamma_size(r, o->gammaSize);
    }

    static void destroyManager(wl_client*, wl_resource* resource) { wl_resource_destroy(resource); }

    static constexpr struct zwlr_gamma_control_manager_v1_interface managerImplementation {
        .get_gamma_control = &getGammaControl, .destroy = &destroyManager,
    };

    static void bindManager(wl_client* client, void* data, std::uint32_t, std::uint32_t id) {
        wl_resource* r =
            wl_resource_create(client, &zwlr_gamma_control_manager_v1_interface, 1, id);
        wl_resource_set_implementation(r, &managerImplementation, data, nullptr);
    }

    static int onWake(int fd, std::uint32_t, void* data) {
        auto* s = static_cast<State*>(data);
        std::uint64_t count = 0;
        [[maybe_unused]] const ssize_t n = ::read(fd, &count, sizeof count);
        std::deque<std::function<void()>> todo;
        {
            std::lock_guard lock(s->mutex);
            todo.swap(s->work);
        }
        for (auto& w : todo) {
            w();
        }
        return 0;
    }
};

TestCompositor::TestCompositor(bool offerGammaControl)
    : state_(std::make_unique<State>()) {
    State& s = *state_;
    s.display = wl_display_create();
    s.socketPath = s.dir.file(QStringLiteral("wayland-test"));
    const int listener = ::socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    const QByteArray path = s.socketPath.toLocal8Bit();
    if (static_cast<std::size_t>(path.size()) >= sizeof address.sun_path) {
        throw std::runtime_error("socket path too long");
    }
    std::memcpy(address.sun_path, path.constData(), static_cast<std::size_t>(path.size()));
    if (::bind(listener, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        ::listen(listener, 16) != 0 || wl_display_add_socket_fd(s.display, listener) != 0) {
        throw std::runtime_error("cannot listen on the test compositor's socket");
    }
    if (offerGammaControl) {
        wl_global_create(s.display, &zwlr_gamma_control_manager_v1_interface, 1, &s,
                         &State::bindManager);
        ++s.nextName;
    }
    s.wakeFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    s.wakeSource = wl_event_loop_add_fd(wl_display_get_event_loop(s.display), s.wakeFd,
                                        WL_EVENT_READABLE, &State::onWake, &s);
    s.thread = std::thread([&s] {
        wl_event_loop* loop = wl_display_get_event_loop(s.display);
        while (!s.stopping) {
            wl_display_flush_clients(s.display);
            wl_event_loop_dispatch(loop, -1);
        }
    });
}

TestCompositor::~TestCompositor() {
    State& s = *state_;
    run([&s] {
        s.stopping = true;
        wl_display_destroy_clients(s.display);
    });
    s.thread.join();
    wl_event_source_remove(s.wakeSource);
    wl_display_destroy(s.display);
    ::close(s.wakeFd);
}

void TestCompositor::run(std::function<void()> work) const {
    std::mutex doneMutex;
    std::condition_variable doneSignal;
    bool done = false;
    {
        std::lock_guard lock(state_->mutex);
        state_->work.push_back([&] {
            work();
            std::lock_guard doneLock(doneMutex);
            done = true;
            doneSignal.notify_one();
        });
    }
    const std::uint64_t one = 1;
    [[maybe_unused]] const ssize_t n = ::write(state_->wakeFd, &one, sizeof one);
    std::unique_lock lock(doneMutex);
    doneSignal.wait(lock, [&] { return done; });
}

QString TestCompositor::socket() const {
    return state_->socketPath;
}

std::uint32_t TestCompositor::addOutput(std::uint32_t gammaSize, const QByteArray& connector) {
    std::uint32_t name = 0;
    run([this, gammaSize, &connector, &name] {
        State& s = *state_;
        State::Output* o = nullptr;
        {
            std::lock_guard lock(s.mutex);
            o = &s.outputs.emplace_back();
        }
        o->state = &s;
        o->gammaSize = gammaSize;
        o->connector = connector;
        o->name = name = s.nextName++;
        o->global = wl_global_create(s.display, &wl_output_interface, 4, o, &State::bindOutput);
    });
    return name;
}

void TestCompositor::removeOutput(std::uint32_t name) {
    run([this, name] {
        State::Output* o = state_->find(name);
        if (!o) {
            return;
        }
        state_->takeControlAway(*o);
        // Outputs' resources keep pointing at the record, which stays in the
        // list until the compositor goes.
        wl_global_destroy(o->global);
        o->global = nullptr;
    });
}

void TestCompositor::failControl(std::uint32_t name) {
    run([this, name] {
        if (State::Output* o = state_->find(name)) {
            state_->takeControlAway(*o);
        }
    });
}

void TestCompositor::setHeldElsewhere(std::uint32_t name, bool held) {
    run([this, name, held] {
        if (State::Output* o = state_->find(name)) {
            o->held = held;
        }
    });
}

std::vector<TestCompositor::GammaWrite> TestCompositor::writes() const {
    std::lock_guard lock(state_->mutex);
    return {state_->writes.begin(), state_->writes.end()};
}

int TestCompositor::liveControls() const {
    std::lock_guard lock(state_->mutex);
    return state_->liveControls;
}

int TestCompositor::controlsCreated() const {
    std::lock_guard lock(state_->mutex);
    return state_->controlsCreated;
}

int TestCompositor::protocolErrors() const {
    std::lock_guard lock(state_->mutex);
    return state_->protocolErrors;
}

} // namespace torvel::test
