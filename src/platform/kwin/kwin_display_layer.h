#pragma once
// The display layer on KDE Plasma's Wayland session. KWin gives
// applications no gamma tables, but its Night Color holds a constant
// temperature that its `[NightColor]` group in kwinrc names: while we tint,
// that group says Active=true, Mode=Constant, NightTemperature=<ours>, and
// the user's own group comes back exactly when we stop: on every way out,
// KWin's own end and an exit that skips destructors included. kwinrc is
// read and written as bytes, a link there written through to its target.

#include "base/result.h"
#include "platform/display_layer.h"

#include <memory>
#include <QString>

namespace torvel {

class KWinDisplayLayer final : public TemperatureDisplayLayer {
public:
    // Where Night Color answers on the session bus.
    enum class Interface {
        none,
        plasma5, // /ColorCorrect, org.kde.kwin.ColorCorrect
        plasma6, // /org/kde/KWin/NightLight, org.kde.KWin.NightLight
    };
    // Asks the session bus, on a connection of its own, so it works before
    // the application object exists. Blocks for a round trip or two.
    static Interface probe();

    struct Options {
        QString kwinrc;  // empty: $XDG_CONFIG_HOME/kwinrc
        QString capture; // empty: kwin-night-color.json in the private runtime folder
        // The caller holds the instance lock, so no other writer lives: a
        // capture left in the folder is replayed whatever process it names.
        bool displayLocked = false;
        // Starts the guard process (this program, run with the guard's
        // argument) that gives the group back after an exit that skips
        // every destructor. Empty: no guard.
        QString guardProgram;
    };
    // A failure when Night Color does not answer. Before returning, a
    // group that a process no longer running left in kwinrc is given back
    // to the user.
    static Result<std::unique_ptr<KWinDisplayLayer>> create(const Options& options);

    // Gives the user's Night Color settings back.
    ~KWinDisplayLayer() override;

    // Writes kwinrc and tells KWin only when the value changed or KWin
    // shows something else (the user changed Night Color, KWin restarted).
    void setTemperature(std::int64_t kelvin) override;
    // Writes the user's own group back as it was before the first change.
    void restoreColorSettings() override;
    // While another program holds Night Color off through KWin (a game, a
    // video player): KWin shows its own colours then, whatever we ask.
    std::optional<QString> hostHold() const override;
    // kwinrc cannot be read whole as a regular file (a FIFO, a folder, over
    // 16 MiB) or cannot be written: nothing is written then.
    std::optional<QString> trouble() const override;

    // For the guard process (kwinrc_guard.h): gives the group in the
    // record at `capture` back to kwinrc if the record is `ownerPid`'s,
    // telling KWin when it is there.
    static void giveBackAfter(std::int64_t ownerPid, const QString& kwinrc, const QString& capture);

    QString kwinrcPath() const;
    // Where the layer keeps kwinrc and its record when the options leave
    // them empty; the guard process acts on these and nothing else.
    static QString defaultKwinrc();
    static QString defaultRecordPath();
    // Whether the record at `path` is one the guard may give back: it reads
    // in full as a record of ours, and is `ownerPid`'s.
    static bool isRecordOf(const QString& path, std::int64_t ownerPid);
    QString captureFilePath() const;

    struct Impl;

private:
    explicit KWinDisplayLayer(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

} // namespace torvel
