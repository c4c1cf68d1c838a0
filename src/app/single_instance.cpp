#include "app/single_instance.h"

#include "platform/linux/runtime_dir.h"

#include <QLocalSocket>

namespace torvel {

namespace {
constexpr char showRequest[] = "show\n";
}

SingleInstance::SingleInstance(QString socketPath)
    : socketPath_(std::move(socketPath)) {}

QString SingleInstance::defaultSocketPath() {
    const QString dir = privateRuntimeDir();
    return dir.isEmpty() ? QString() : dir + QStringLiteral("/instance.socket");
}

bool SingleInstance::askRunningInstanceToShow() {
    if (socketPath_.isEmpty()) {
        return false;
    }
    QLocalSocket socket;
    socket.connectToServer(socketPath_);
    if (!socket.waitForConnected(1000)) {
        return false;
    }
    socket.write(showRequest);
    socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return true;
}

bool SingleInstance::listen(std::function<void()> onShow) {
    if (socketPath_.isEmpty()) {
        return true; // no private folder: run without the guard
    }
    // A socket file nobody answers on is left by a process that died.
    QLocalServer::removeServer(socketPath_);
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    if (!server_->listen(socketPath_)) {
        server_.reset();
        return false;
    }
    QObject::connect(server_.get(), &QLocalServer::newConnection, server_.get(),
                     [this, onShow = std::move(onShow)] {
                         while (QLocalSocket* socket = server_->nextPendingConnection()) {
                             QObject::connect(socket, &QLocalSocket::readyRead, socket,
                                              [socket, onShow] {
                                                  if (socket->readAll().contains("show")) {
                                                      onShow();
                                                  }
                                              });
                             QObject::connect(socket, &QLocalSocket::disconnected, socket,
                                              &QObject::deleteLater);
                         }
                     });
    return true;
}

} // namespace torvel
