#pragma once
// The display layer on X11: RandR CRTCs as displays, read through the Qt
// event loop on a connection of our own.

#include "base/result.h"
#include "platform/display_layer.h"

#include <memory>
#include <QString>

namespace torvel {

class X11DisplayLayer final : public TableDisplayLayer {
public:
    // Connects to `displayName` (DISPLAY when empty) and needs RandR 1.2.
    // Before returning, ramps that a process that is no longer running left
    // on this display are written back; with `displayLocked` (the caller
    // holds the display's instance lock, so no other writer lives) any left
    // there are, whichever process ID the capture names. A failure when
    // there is no X server or no RandR.
    static Result<std::unique_ptr<X11DisplayLayer>> create(const QString& displayName,
                                                           bool displayLocked = false);

    // Which X server answers: a real one, or a Wayland compositor's
    // Xwayland, whose ramps reach no real output.
    enum class Server { real, xwayland };
    // Whether create() could succeed, without a Qt event loop: for checking
    // the display before the GUI needs it. Touches no ramps.
    static Result<Server> probe(const QString& displayName);

    // Restores any CRTC this layer changed before closing the connection.
    ~X11DisplayLayer() override;

    std::vector<DisplayId> onlineDisplays() override;
    // The tables go through the CRTC's own ramps (a calibration a loader
    // put there) rather than replacing them; ramps another program sets
    // while we tint become the CRTC's own, and a restore gives them back.
    void setTransferTable(DisplayId display, std::span<const float> red,
                          std::span<const float> green, std::span<const float> blue) override;
    // The CRTC's first output: its connector, and the monitor's EDID names.
    DisplayName nameOf(DisplayId display) override;
    void releaseDisplay(DisplayId display) override;
    void restoreColorSettings() override;
    // A broken connection, or every screen refusing a gamma ramp.
    std::optional<QString> trouble() const override;

    // Where the original ramps are kept while this process has ramps set.
    QString captureFilePath() const;

    struct Impl;

private:
    explicit X11DisplayLayer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
