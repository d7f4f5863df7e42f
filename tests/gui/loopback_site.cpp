#include "loopback_site.h"

#include <QHostAddress>
#include <QTcpSocket>
#include <utility>

namespace dorvane::testing {

LoopbackSite::LoopbackSite(QByteArray extraHeaders) : extraHeaders_(std::move(extraHeaders)) {
    connect(&server_, &QTcpServer::newConnection, this, &LoopbackSite::handleNewConnection);
    server_.listen(QHostAddress::LocalHost);
}

QUrl LoopbackSite::Address() const {
    return QUrl(QStringLiteral("http://127.0.0.1:%1/").arg(server_.serverPort()));
}

void LoopbackSite::handleNewConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        // answer once the request's headers are in; the request itself does not matter
        connect(socket, &QTcpSocket::readyRead, socket, [this, socket] {
            if (!socket->peek(1 << 16).contains("\r\n\r\n")) return;
            socket->readAll();
            const QByteArray body = "<title>served</title>";
            socket->write("HTTP/1.1 200 OK\r\nContent-Type: text/html\r\nConnection: close\r\n" +
                          std::exchange(extraHeaders_, {}) +
                          "Content-Length: " + QByteArray::number(body.size()) + "\r\n\r\n" + body);
            socket->disconnectFromHost();
        });
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    }
}

}  // namespace dorvane::testing
