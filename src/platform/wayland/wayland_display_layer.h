#pragma once
// The display layer on wlroots-based Wayland compositors: outputs whose ramps
// the compositor lets us set through its gamma control extension, on a
// connection of our own read through the Qt event loop.

#include "base/result.h"
#include "platform/display_layer.h"

#include <memory>
#include <QString>
#include <vector>

namespace torvel {

class WaylandDisplayLayer final : public TableDisplayLayer {
public:
    // What a compositor that answered offers.
    enum class Probe {
        usable,         // the compositor hands out gamma controls
        noGammaControl, // connected, but the compositor offers no gamma control
    };

    // Connects to `socketName` (WAYLAND_DISPLAY when empty; an absolute path
    // works too) and looks for the gamma control manager. Touches no ramps.
    // A failure when no compositor answers there.
    static Result<Probe> probe(const QString& socketName);

    // A failure unless probe() would say usable. Controls are taken at the
    // first listing of the displays, not here.
    static Result<std::unique_ptr<WaylandDisplayLayer>> create(const QString& socketName);

    // Gives every output its own ramps back before disconnecting.
    ~WaylandDisplayLayer() override;

    // The outputs with a working gamma control, by global name. A listing may
    // wait for one round trip to the compositor, when it first has to ask for
    // controls (at the first tint, after a restore, after a new output).
    std::vector<DisplayId> onlineDisplays() override;
    // Every output not refused, without taking a control: untinted we hold
    // none, so that another program may take them.
    std::vector<DisplayId> listedDisplays() override;
    void setTransferTable(DisplayId display, std::span<const float> red,
                          std::span<const float> green, std::span<const float> blue) override;
    // The output's connector (wl_output 4's name) and, as its key, the
    // compositor's description of it without the connector. The protocol
    // cannot read an output's ramps, so a calibration loaded there is the
    // compositor's business, not ours.
    DisplayName nameOf(DisplayId display) override;
    // Destroys the output's control, and takes none until it is written.
    void releaseDisplay(DisplayId display) override;
    // Destroys the gamma controls, which makes the compositor restore the
    // outputs; the next listing takes new ones.
    void restoreColorSettings() override;
    // Reconfiguration notices come for wl_output globals added or removed,
    // always from the event loop, never from inside one of this layer's calls.

    // Every output refused its control (another program holds them, or
    // they have no ramps), or the compositor withdrew gamma control or went
    // away. Subscribers hear of it after the compositor's events; a write
    // finds it out by itself.
    std::optional<QString> trouble() const override;

    // Every wl_output global currently advertised, usable or not.
    std::vector<DisplayId> knownOutputs() const;
    // Whether the connection to the compositor still works.
    bool connected() const;

    struct Impl;

private:
    explicit WaylandDisplayLayer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
