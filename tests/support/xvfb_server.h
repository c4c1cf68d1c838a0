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

protected:
    struct Program {
        QString path;
        QStringList args;
    };
    // Starts `program`, given -displayfd: a server that writes its display
    // number there once it takes connections.
    // Nothing starts for an empty path.
    explicit XvfbServer(const Program& program);
    void start(const Program& program);

    pid_t pid_ = -1;
    QString display_;
    QString error_;
};

// Xorg with its dummy driver (any user: it takes no VT), `outputs` active outputs
// (DUMMY0, DUMMY1, ... side by side), each on a CRTC of its own with its
// own gamma ramps, as several monitors of one desktop are.
class XorgDummyServer : public XvfbServer {
public:
    explicit XorgDummyServer(int outputs = 2);
    ~XorgDummyServer();
    // Why it cannot run here; empty when it can.
    static QString unavailable();
    // Switches the output off and on again, as a cable pulled and plugged.
    bool replug(int output) const;

private:
    static QString folder();
    static Program program();
};

} // namespace torvel::test
