#pragma once
// The display layer on GNOME's Wayland session. Mutter gives applications
// no gamma tables (it builds them itself from gnome-settings-daemon's
// temperature and the colour profile), but GNOME's own Night Light takes a
// temperature from its settings: while we tint, Night Light is on, with a
// manual window around the present moment and our temperature, and the
// user's own five settings come back exactly when we stop.

#include "base/result.h"
#include "platform/display_layer.h"

#include <functional>
#include <memory>
#include <QDateTime>
#include <QString>

namespace torvel {

class GnomeDisplayLayer final : public TemperatureDisplayLayer {
public:
    // Whether gnome-settings-daemon's colour service answers on the session
    // bus and Night Light's settings schema is installed. Uses a connection
    // of its own, so it works before the application object exists.
    static bool probe();

    struct Options {
        QString capture;                  // empty: gnome-night-light.json in the runtime folder
        bool displayLocked = false;       // see KWinDisplayLayer::Options
        std::function<QDateTime()> clock; // empty: the system clock
    };
    // A failure when Night Light cannot be driven. Before returning,
    // settings a process no longer running left changed are given back.
    static Result<std::unique_ptr<GnomeDisplayLayer>> create(const Options& options);

    // Gives the user's Night Light settings back.
    ~GnomeDisplayLayer() override;

    // Writes only what differs from what should stand: the temperature when
    // it changed, the window when the moment nears an edge, and anything the
    // user changed behind our back. Nothing while GNOME's "Disable until
    // tomorrow" holds.
    void setTemperature(std::int64_t kelvin) override;
    void restoreColorSettings() override;
    std::optional<QString> hostHold() const override;
    // Night Light's keys locked by dconf's lockdown, until they are not.
    std::optional<QString> trouble() const override;

    QString captureFilePath() const;

    struct Impl;

private:
    explicit GnomeDisplayLayer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
