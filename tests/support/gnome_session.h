#pragma once
// The parts of a GNOME session that Night Light lives in, headless: a
// private session bus (whose dconf service writes into a private config
// folder), mutter on a virtual monitor and gnome-settings-daemon's colour
// plugin, for the life of the object.

#include "support/temp_dir.h"

#include <memory>
#include <QProcess>
#include <QString>

namespace torvel::test {

class PrivateBus;

class GnomeSession {
public:
    GnomeSession();
    ~GnomeSession();
    GnomeSession(const GnomeSession&) = delete;
    GnomeSession& operator=(const GnomeSession&) = delete;

    bool running() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

    const QString& busAddress() const { return busAddress_; }
    QString runtimeDir() const { return runtime_.path(); }
    QString configDir() const { return config_.path(); }
    static QString waylandDisplay() { return QStringLiteral("torvel-mutter"); }
    // The environment the session's own programs see.
    QProcessEnvironment environment() const;
    // Puts this process in the session (its bus, config and runtime folders,
    // and dconf), before its GIO first looks: GIO keeps what it saw.
    void enterThisProcess() const;

    // A Night Light key through the gsettings tool, as GVariant text.
    QString get(const QString& key) const;
    void set(const QString& key, const QString& value) const;
    void reset(const QString& key) const;
    // Whether the user has a value of their own for the key (dconf).
    bool hasUserValue(const QString& key) const;
    // GNOME's "Disable until tomorrow", through the daemon's interface.
    void setDisabledUntilTomorrow(bool disabled) const;

private:
    QString run(const QString& program, const QStringList& args) const;

    TempDir runtime_;
    TempDir config_;
    std::unique_ptr<PrivateBus> bus_; // private, with the environment its services need
    QProcess mutter_;
    QProcess gsd_;
    QString busAddress_;
    QString error_;
};

} // namespace torvel::test
