// A TCP server for the HTTP layer that watches every connection's incoming bytes
// before the HTTP parser sees them: a request line over kMaxRequestLine bytes gets
// 414, a request line and header block over kMaxHeader bytes gets 431, and the
// connection is closed. Bodies are not expected (the service answers GET only), so
// any run of kMaxHeader bytes without a blank line is refused.
// It also repairs a request line whose target holds raw spaces, as older clients
// sent "b=Ann dif=3": the spaces inside the target become %20.
#pragma once

#include <QTcpServer>

namespace hofd
{

class GuardedTcpServer : public QTcpServer
{
    Q_OBJECT
  public:
    static constexpr int kMaxRequestLine = 4096;
    static constexpr int kMaxHeader = 8192;

    using QTcpServer::QTcpServer;

  signals:
    // A connection was refused with this status (414 or 431).
    void refused(const QString& peer, int status);

  protected:
    void incomingConnection(qintptr descriptor) override;
};

// Exposed for tests: the request line with raw spaces in its target encoded, or
// the line unchanged when it has none.
QByteArray repairRequestLine(const QByteArray& line);

} // namespace hofd
