// A tiny web site on 127.0.0.1 for the pane tests: every request gets the
// same small page titled "served"; the first answer carries the headers
// given (a Set-Cookie, say), later ones do not.
#pragma once

#include <QByteArray>
#include <QTcpServer>
#include <QUrl>

namespace dorvane::testing {

class LoopbackSite : public QObject {
    Q_OBJECT
  public:
    // listens on a free port of 127.0.0.1
    explicit LoopbackSite(QByteArray extraHeaders = {});
    bool Listening() const { return server_.isListening(); }
    QUrl Address() const;

  private:
    void handleNewConnection();

    QTcpServer server_;
    QByteArray extraHeaders_;
};

}  // namespace dorvane::testing
