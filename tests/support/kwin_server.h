#pragma once
// Debian's KWin, headless on a virtual output, with a private session bus,
// runtime folder and config folder, for the life of the object. The
// packaged binary carries a file capability a container refuses, so a copy
// of it runs (under its own name, which KWin's platform plugin insists on).

#include "support/temp_dir.h"

#include <memory>
#include <QDBusConnection>
#include <QProcess>
#include <QString>
#include <QVariantMap>

namespace torvel::test {

class PrivateBus;

class KWinServer {
public:
    KWinServer();
    ~KWinServer();
    KWinServer(const KWinServer&) = delete;
    KWinServer& operator=(const KWinServer&) = delete;

    bool running() const { return error_.isEmpty(); }
    const QString& error() const { return error_; }

    const QString& busAddress() const { return busAddress_; }
    QString runtimeDir() const { return runtime_.path(); }
    QString configDir() const { return config_.path(); }
    QString kwinrc() const { return config_.file(QStringLiteral("kwinrc")); }
    // The Wayland socket's name inside runtimeDir().
    static QString socketName() { return QStringLiteral("torvel-kwin"); }

    // Night Color's properties as KWin reports them, from Plasma 5's object or
    // Plasma 6's, whichever this KWin has.
    QVariantMap nightColor() const;
    // Waits until KWin reports `property` equal to `value`.
    // True for Plasma 6's object, found when the server started.
    bool offersPlasma6() const;
    bool waitFor(const QString& property, const QVariant& value, int timeoutMs = 8000) const;

    // Writes kwinrc as a user's settings tool does: the file, then KConfig's
    // change notice for the NightColor group.
    void writeUserConfig(const QString& text) const;
    QString readKwinrc() const;
    // Runs a KWin script once, as a user's widget or shortcut would.
    bool runScript(const QString& source) const;
    bool scriptLoaded(const QString& name) const;
    // KWin dies at once (SIGKILL), as in a crash; the bus stays.
    void crash();

private:
    TempDir runtime_;
    TempDir config_;
    TempDir bin_;
    std::unique_ptr<PrivateBus> bus_; // private, with the environment its services need
    QProcess kwin_;
    QString busAddress_;
    QString connectionName_;
    mutable QString nightColorPath_; // found at the first answer
    QString error_;
};

} // namespace torvel::test
