#pragma once
// The ramps CRTCs had before this process first changed them, kept on disk so
// that a crash or SIGKILL never leaves the screens tinted beyond the next
// start: X servers keep ramps after the client that set them is gone.

#include "platform/runtime/capture_file.h"

#include <cstdint>
#include <optional>
#include <QString>
#include <vector>

namespace torvel {

struct CapturedRamps {
    std::uint32_t crtc = 0;
    std::vector<std::uint16_t> red, green, blue;
};

// The ramps as a CaptureFile record: what is kept where, and when it is
// replayed, is CaptureFile's; this is only the ramps' form in it.
class GammaCaptureFile {
public:
    explicit GammaCaptureFile(QString path)
        : file_(std::move(path)) {}

    // <private runtime folder>/<display key>-gamma.json, the key naming the
    // server however DISPLAY spells it. Empty when no private folder can be
    // had.
    static QString defaultPath(const QString& displayName);

    const QString& path() const { return file_.path(); }

    // Atomically replaces the file (mode 0600) with the ramps and this
    // process's ID. False when it could not be written.
    bool save(const std::vector<CapturedRamps>& ramps) const;

    struct Contents {
        std::int64_t pid = 0;
        std::vector<CapturedRamps> ramps;
    };
    // Nothing when the file is absent or not a valid record.
    std::optional<Contents> load() const;

    // The ramps a start should write back (see CaptureFile::takeLeftover);
    // a record that holds no valid ramps is removed.
    std::optional<std::vector<CapturedRamps>> takeLeftover(bool displayLocked) const;

    void remove() const { file_.remove(); }

private:
    CaptureFile file_;
};

} // namespace torvel
