#pragma once
// The one life cycle that keeps a host's colour settings safe from our
// crashes, for every host whose settings outlive the process that changed
// them (X servers keep ramps, kwinrc and dconf keep values):
//
//   capture  before the first change, the host's own state is read and
//            recorded on disk (CaptureFile), so that a SIGKILL cannot lose it;
//   restore  the state goes back and the record is removed once the host
//            took it (a refused write keeps the record for the next start);
//   replay   at start, a record left by a process that is gone goes back;
//   claim    a live process's record is its own to restore, unless the
//            caller holds the display's instance lock (then no other writer
//            of this display lives, whatever pid the record names).
//
// The backend supplies how its state is read and written and the record's
// form; the guard decides when. Main thread only.

#include "base/result.h"
#include "platform/runtime/capture_file.h"
#include "platform/runtime/runtime_log.h"

#include <functional>
#include <optional>
#include <QJsonObject>
#include <QString>

namespace torvel {

template <class State> class HostStateGuard {
public:
    struct Hooks {
        // The host's state now; nothing when it cannot be read (then
        // nothing may be changed either). May be empty for a backend that
        // hands its state to keep() itself.
        std::function<std::optional<State>()> read;
        // Puts `state` back; false when the host did not take it.
        std::function<bool(const State&)> write;
        // The record's form. fromRecord gives nothing for anything it would
        // not have written: a file can hold anything.
        std::function<QJsonObject(const State&)> toRecord;
        std::function<std::optional<State>(const QJsonObject&)> fromRecord;
    };
    struct Options {
        QString recordPath;         // empty: no crash safety, the host still tints
        bool displayLocked = false; // the caller holds the display's instance lock
    };

    HostStateGuard(Options options, Hooks hooks)
        : file_(std::move(options.recordPath))
        , displayLocked_(options.displayLocked)
        , hooks_(std::move(hooks)) {}

    const QString& recordPath() const { return file_.path(); }
    const std::optional<State>& kept() const { return kept_; }

    // Before a change: true when the host's own state is kept, read now if
    // it was not yet. Recording it on disk can fail; the host is changed
    // anyway (losing the tint would be worse than losing crash safety), and
    // the log says so.
    bool captureBeforeChange() {
        if (kept_) {
            return true;
        }
        std::optional<State> now = hooks_.read ? hooks_.read() : std::nullopt;
        if (!now) {
            return false;
        }
        keep(std::move(*now));
        return true;
    }

    // For a host whose state grows as it goes (a display seen for the first
    // time): `state` is the whole of what is kept from now on.
    void keep(State state) {
        kept_ = std::move(state);
        if (const Result<void> saved =
                file_.saveUnlessClaimed(hooks_.toRecord(*kept_), displayLocked_);
            !saved) {
            qCWarning(runtimeLog, "no crash safety for the colour settings: %s",
                      qUtf8Printable(saved.error()));
        }
    }

    // Gives the kept state back; the record goes once the host took it.
    // True when nothing was kept or the host took it.
    bool restore() {
        if (!kept_) {
            return true;
        }
        const bool done = hooks_.write(*kept_);
        if (done) {
            file_.remove();
        }
        kept_.reset();
        return done;
    }

    // The host can no longer be written (its connection broke): what is
    // kept is dropped, and the record stays for the next start.
    void forget() { kept_.reset(); }

    // At start: a record left by a process that is gone goes back.
    void replayLeftover() { replay(file_.takeLeftover(displayLocked_)); }

    // A record that is still `ownerPid`'s goes back (a guard process acting
    // for an owner that ended without restoring).
    void replayRecordOf(std::int64_t ownerPid) {
        const auto record = file_.load();
        if (record && record->pid == ownerPid) {
            replay(record->state);
        }
    }

private:
    void replay(const std::optional<QJsonObject>& record) {
        if (!record) {
            return;
        }
        if (std::optional<State> state = hooks_.fromRecord(*record)) {
            kept_ = std::move(*state);
            if (!restore()) {
                qCWarning(runtimeLog, "the host refused the colour settings left by a crash; "
                                      "they are kept for the next start");
            }
        } else {
            file_.remove(); // written atomically, so never ours
        }
    }

    CaptureFile file_;
    bool displayLocked_ = false;
    Hooks hooks_;
    std::optional<State> kept_;
};

} // namespace torvel
