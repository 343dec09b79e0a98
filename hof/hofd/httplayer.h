// The HTTP side of brevallo-hofd, on libmicrohttpd driven from the Qt event loop
// (its epoll descriptor watched, its timeouts on a timer): the library parses
// requests, keeps connections alive, answers pipelined requests in order, holds
// its memory per connection and speaks TLS. This layer adds what the service
// promises on top:
// - routes: a path, the methods it takes and the largest body it reads; an
//   unknown path gets 404, another method 405 with Allow;
// - a request line over maxRequestLine bytes gets 414, a head over maxHeader
//   431; a body over the route's limit, or a chunked one, gets 413; two
//   Content-Lengths, Content-Length with Transfer-Encoding, a missing or doubled
//   Host (HTTP/1.1) or a control character other than a tab in a header value
//   get 400; each of these closes the connection;
// - a request head not complete within headerTimeoutMs of the connection's
//   start gets 408 (HTTPS: the connection closes without it); a kept-alive
//   connection idle, or whose client takes no answer, for idleTimeoutMs (whole
//   seconds, rounded up) is closed, and one that trickles its next head is
//   closed idleTimeoutMs plus headerTimeoutMs after its last answer;
// - at most maxConnections are open: a newcomer closes the connection idle the
//   longest, and is itself closed when every other one is busy with a request;
//   when the process nears its file limit, that cap comes down to what fits;
// - the kernel's send buffer is kept small, so a client that never reads holds
//   little of the service's memory;
// - stop(): no new connection or request is taken; idle connections close at
//   once, the others after their answer; a head read meanwhile gets 503.
// Answers may be given later than the handler's call (HttpReply): the
// connection is suspended meanwhile and costs the event loop nothing.
// Failure: start() returns the reason (address in use, a certificate or key the
// library refuses).
#pragma once

#include "base/problem.h"

#include <QByteArray>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QPair>
#include <QTimer>
#include <functional>
#include <memory>
#include <optional>
#include <variant>

struct MHD_Daemon;
struct MHD_Connection;
class QSocketNotifier;

namespace hofd {

struct HttpLimits {
    int maxRequestLine = 4096;
    int maxHeader = 8192;
    int headerTimeoutMs = 10000;
    int idleTimeoutMs = 30000;
    int maxConnections = 1000;
    int backlog = 511;
};

// PEM text of a certificate (chain) and its private key; empty: plain HTTP.
struct TlsFiles {
    QByteArray certificate;
    QByteArray key;
};

struct HttpRequest {
    QByteArray method;
    QByteArray path;  // still percent-encoded, as sent
    QByteArray query; // after '?', still percent-encoded, as sent
    QByteArray body;  // at most the route's limit
    QHostAddress peer;
    // The few header fields the pages read; empty when not sent.
    QByteArray host;
    QByteArray acceptLanguage;
    QByteArray forwardedProto; // X-Forwarded-Proto, from a reverse proxy
};

struct HttpResponse {
    int status = 200;
    QByteArray body;
    // Content-Type and the like; Content-Length and Date are added.
    QList<QPair<QByteArray, QByteArray>> headers;
};

class HttpServer;
struct HttpExchange;

// The handle that answers one request, now or later. A copy is cheap.
class HttpReply {
public:
    HttpReply() = default;
    // Answers the request. False when the client has gone (the answer is dropped).
    bool send(const HttpResponse& response) const;
    bool connected() const;

private:
    friend class HttpServer;
    explicit HttpReply(std::shared_ptr<HttpExchange> exchange) : exchange_(std::move(exchange)) {}
    std::shared_ptr<HttpExchange> exchange_;
};

class HttpServer : public QObject {
    Q_OBJECT
public:
    using Handler = std::function<void(const HttpRequest&, const HttpReply&)>;

    explicit HttpServer(const HttpLimits& limits, QObject* parent = nullptr);
    ~HttpServer() override;

    // Serves path with handler for the methods given (HEAD is answered as GET
    // without the body when GET is given), reading a body of up to maxBody bytes.
    void route(const QByteArray& path, const QList<QByteArray>& methods, qint64 maxBody, Handler handler);
    // The same for every path that begins with prefix and has no route of its
    // own; the handler tells the paths it does not know (404) itself.
    void routePrefix(const QByteArray& prefix, const QList<QByteArray>& methods, qint64 maxBody,
                     Handler handler);

    // Listens on address and port (0: any free one). Returns the reason it cannot.
    brev::Problem start(const QHostAddress& address, quint16 port, const TlsFiles& tls = {});
    quint16 port() const { return port_; }
    bool secure() const { return secure_; }

    void stop();
    // Closes every connection at once; what was not sent is lost (abandoned() tells).
    void abort();
    int openConnections() const { return int(connections_.size()); }

signals:
    // The layer answered by itself (400, 404, 405, 408, 413, 414, 431, 503) or
    // closed a connection; peer empty when no client is concerned.
    void refused(const QString& peer, int status, const QByteArray& reason);
    // An answer given to send() did not reach its client whole.
    void abandoned(const QString& peer, int status);
    // After stop(): the last connection has closed.
    void allClosed();

private:
    struct Connection;
    struct Route {
        QList<QByteArray> methods;
        qint64 maxBody = 0;
        Handler handler;
    };
    friend struct HttpExchange;
    friend class HttpReply;
    friend struct HttpCallbacks;

    int access(MHD_Connection* connection, const char* method, const char* version, const char* upload,
               size_t* uploadSize, void** context);
    void* begin(const char* uri, MHD_Connection* connection);
    void completed(void** context, int how);
    void connectionEvent(MHD_Connection* connection, void** context, bool started);
    bool queue(HttpExchange& exchange, const HttpResponse& response, bool close);
    bool refuse(HttpExchange& exchange, int status, const QByteArray& reason);
    void answerLater(HttpExchange& exchange);
    // Why a head is refused, and the status that says so.
    struct Refusal {
        int status = 0;
        QByteArray why;
    };
    // The body's declared length (0 without one), or why the head is refused.
    std::variant<qint64, Refusal> checkHead(MHD_Connection* connection, const char* version) const;
    void run();
    void runSoon();
    void checkDeadlines();
    void dropConnection(Connection* c, bool timedOut);
    void makeRoom(Connection* newcomer);

    HttpLimits limits_;
    QHash<QByteArray, Route> routes_;
    QList<QPair<QByteArray, Route>> prefixRoutes_;
    MHD_Daemon* daemon_ = nullptr;
    QSocketNotifier* notifier_ = nullptr;
    QTimer runTimer_;
    QTimer deadlineTimer_;
    QList<Connection*> connections_;
    quint16 port_ = 0;
    bool secure_ = false;
    bool stopping_ = false;
    bool running_ = false; // inside the library's run
    QString startProblem_;
};

} // namespace hofd
