#pragma once
// A minimal Wayland compositor for tests, on its own thread: outputs and the
// gamma control manager, nothing to draw on. It records every ramp a client
// sets and can add outputs, remove them and take controls away.

#include <cstdint>
#include <functional>
#include <memory>
#include <QByteArray>
#include <QString>
#include <vector>

namespace torvel::test {

class TestCompositor {
public:
    struct GammaWrite {
        std::uint32_t output = 0; // global name
        std::vector<std::uint16_t> red, green, blue;
        bool sealed = false; // the file could not be written or resized
    };

    explicit TestCompositor(bool offerGammaControl = true);
    ~TestCompositor();
    TestCompositor(const TestCompositor&) = delete;
    TestCompositor& operator=(const TestCompositor&) = delete;

    // The socket's absolute path, usable as WAYLAND_DISPLAY.
    QString socket() const;

    // Advertises a new wl_output whose controls report `gammaSize` (0 makes
    // them fail at once), named `connector` (else TEST-<name>); returns its
    // global name.
    std::uint32_t addOutput(std::uint32_t gammaSize, const QByteArray& connector = {});
    void removeOutput(std::uint32_t name);
    // Sends `failed` to the output's control, as when another client takes it.
    void failControl(std::uint32_t name);
    // Makes the next controls for this output fail, as if another client
    // held it; `false` lets them work again.
    void setHeldElsewhere(std::uint32_t name, bool held);

    // The latest 1000 writes, oldest first.
    std::vector<GammaWrite> writes() const;
    // Controls that exist now, and all ever created.
    int liveControls() const;
    int controlsCreated() const;
    // Protocol errors the compositor raised against a client.
    int protocolErrors() const;

    struct State;

private:
    // Runs `work` on the compositor's thread and waits for it.
    void run(std::function<void()> work) const;
    std::unique_ptr<State> state_;
};

} // namespace torvel::test
