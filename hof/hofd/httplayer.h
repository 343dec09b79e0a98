// The HTTP/1.1 connection layer of brevallo-hofd, on QTcpServer and QTcpSocket.
// It holds the limits a service on an open network needs, whatever the clients do:
// - a request line over maxRequestLine bytes gets 414, a head over maxHeader 431;
// - no body is kept: one of up to maxBody bytes is read and dropped, a larger one
//   (or a chunked one) gets 413; Content-Length and Transfer-Encoding are read as
//   RFC 9112 says, and a conflict or an invalid value gets 400;
// - a head not complete within headerTimeoutMs gets 408, a kept-alive connection
//   with nothing asked for idleTimeoutMs is closed, and so is one whose client
//   has not taken its answers for idleTimeoutMs;
// - a field value is trimmed of spaces and tabs only: another control character
//   in it gets 400; a head arriving in pieces is looked at once, not per piece;
// - at most maxConnections are open: a newcomer closes the idlest one, and when
//   every one is busy it gets 503; running out of file descriptors lowers that
//   cap to what fits (closing the idlest connections), and when nothing can be
//   closed accepting pauses for a moment instead of spinning;
// - answers leave in request order, however the handler completes them; at most
//   maxPipelined requests are read ahead of their answers, and none while 16 KiB
//   of answers wait for their client to take them (the kernel's send buffer is
//   kept to 16 KiB too), so a client that never reads costs little memory;
// - HEAD is answered like GET without the body; HTTP/1.0 and "Connection: close"
//   close after the answer.
// Every refusal closes the connection once written.
#pragma once

#include <QByteArray>
#include <QHostAddress>
#include <QList>
#include <QPair>
#include <QPointer>
#include <QTcpServer>
#include <functional>

class QSocketNotifier;
class QTimer;

namespace hofd
{

struct HttpLimits {
    int maxRequestLine = 4096;
    int maxHeader = 8192;
    int maxBody = 1024;
    int headerTimeoutMs = 10000;
    int idleTimeoutMs = 30000;
    int maxConnections = 1000;
    int maxPipelined = 32;
    int backlog = 511;
};

// A request head as read from the bytes at the front of a connection's input.
struct RequestHead {
    int status = 0;         // 0: acceptable; otherwise the refusal (400, 413, 414, 431, 505)
    qsizetype consumed = 0; // bytes of the head; 0 with status 0: more bytes needed
    QByteArray method;
    QByteArray target;        // raw spaces encoded as %20, absolute form reduced to its path
    qint64 contentLength = 0; // bytes of body that follow the head
    bool close = false;       // HTTP/1.0 or "Connection: close"
    QByteArray reason;        // what was wrong, for the log
};

RequestHead parseRequestHead(const QByteArray& data, const HttpLimits& limits);

struct HttpRequest {
    QByteArray method;
    QByteArray path;  // still percent-encoded
    QByteArray query; // after '?', still percent-encoded
    QHostAddress peer;
};

struct HttpResponse {
    int status = 200;
    QByteArray body;
    // Content-Type and the like; Content-Length, Date and Connection are added.
    QList<QPair<QByteArray, QByteArray>> headers;
};

class HttpConnection;

// The handle that answers one request, now or later. A copy is cheap.
class HttpReply
{
  public:
    HttpReply() = default;
    // Queues the answer behind the ones asked before it. Returns false when the
    // client has gone (the answer is dropped).
    bool send(const HttpResponse& response) const;
    bool connected() const;
    // True while requests asked before this one on its connection are unanswered.
    bool followsUnanswered() const;
    // Tells connections apart (never reused); 0 once the client has gone.
    quint64 connectionId() const;

  private:
    friend class HttpConnection;
    HttpReply(HttpConnection* connection, quint64 sequence);
    QPointer<HttpConnection> connection_;
    quint64 sequence_ = 0;
};

class HttpListener : public QTcpServer
{
    Q_OBJECT
  public:
    using Handler = std::function<void(const HttpRequest&, const HttpReply&)>;

    HttpListener(const HttpLimits& limits, Handler handler, QObject* parent = nullptr);
    ~HttpListener() override;

    // listen() and then accepting by this class (QTcpServer's own accepting
    // would spin when the process runs out of file descriptors).
    bool start(const QHostAddress& address, quint16 port);
    void stop();

    const HttpLimits& limits() const { return limits_; }
    int openConnections() const { return int(connections_.size()); }

  signals:
    // The layer answered by itself (400, 408, 413, 414, 431, 503, 505).
    void refused(const QString& peer, int status, const QByteArray& reason);

  protected:
    void incomingConnection(qintptr descriptor) override;

  private:
    friend class HttpConnection;
    void acceptWaiting();
    void outOfDescriptors();
    void forget(HttpConnection* connection);
    bool makeRoom();

    HttpLimits limits_;
    Handler handler_;
    QList<HttpConnection*> connections_;
    QSocketNotifier* acceptNotifier_ = nullptr;
    QTimer* resumeTimer_;
};

} // namespace hofd
