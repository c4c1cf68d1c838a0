#include "app/single_instance.h"

#include <QLocalSocket>

namespace torvel {

namespace {
constexpr char showRequest[] = "show\n";
}

SingleInstance::SingleInstance(QString socketPath)
    : socketPath_(std::move(socketPath)) {}

QString SingleInstance::socketPathFor(const QString& runtimeDir, const QString& displayKey) {
    return runtimeDir + QStringLiteral("/instance-") + displayKey + QStringLiteral(".socket");
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
    // The lock is ours, so a socket file here is a dead instance's.
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
