#pragma once
// A private Xvfb on a display number of its own choosing, for the life of
// the object.

#include <QString>
#include <QStringList>
#include <sys/types.h>

namespace torvel::test {

class XvfbServer {
public:
    // `screens` X screens of the given geometry; extra arguments go to Xvfb.
    explicit XvfbServer(int screens = 1, QStringList extraArgs = {},
                        const QString& geometry = QStringLiteral("1024x768x24"));
    ~XvfbServer();
    XvfbServer(const XvfbServer&) = delete;
    XvfbServer& operator=(const XvfbServer&) = delete;

    static bool available();
    bool running() const { return pid_ > 0 && !display_.isEmpty(); }
    // ":N"
    const QString& display() const { return display_; }
    // Why it is not running.
    const QString& error() const { return error_; }

    // The server dies at once (SIGKILL), as in a crash.
    void crash();

    // Runs a client program against this display and returns its exit code.
    int runClient(const QString& program, const QStringList& args) const;

private:
    pid_t pid_ = -1;
    QString display_;
    QString error_;
};

} // namespace torvel::test
