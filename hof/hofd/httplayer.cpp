#include "hof/hofd/httplayer.h"

#include "hof/hofd/hofpage.h"

#include <QElapsedTimer>
#include <QSocketNotifier>
#include <algorithm>
#include <cerrno>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <microhttpd.h>
#include <netinet/in.h>
#include <linux/tcp.h> // tcp_info with the bytes received
#include <sys/resource.h>
#include <sys/socket.h>
#include <vector>

namespace hofd {

namespace {

// The kernel's send buffer, fixed (it doubles it to 16 KiB): grown by the kernel
// for a client that never reads it would take megabytes of answers. Three list
// pages; a client that reads keeps it empty.
constexpr int kSendBuffer = 8 * 1024;
// An answer over kLargeAnswer (a class's downloads; no page is that long) gets a
// larger buffer while it is sent: with room for one segment only, every segment
// would wait for the client's delayed acknowledgement (about 40 ms on Linux),
// and 17 MB took 15 s. A client that does not read it holds at most that buffer.
constexpr qsizetype kLargeAnswer = 64 * 1024;
constexpr int kLargeSendBuffer = 512 * 1024;
// What the library may use per connection: a head up to the limits above, and
// an answer's head. A head too large for it is refused by the library itself.
constexpr std::size_t kConnectionMemory = 24 * 1024;
// Connections the library takes beyond the cap, so that a newcomer can close
// the idlest one rather than wait in the kernel's queue.
constexpr unsigned kConnectionSlack = 16;
constexpr int kDeadlineCheckMs = 50;
// Descriptors kept for the database, the log and the library's own; the cap
// comes down kDescriptorSlack below what is open when a connection would take
// one of those.
constexpr rlim_t kDescriptorReserve = 32;
constexpr int kDescriptorSlack = 8;
// A head that arrives in pieces over more than a check (a byte at a time) is
// gathered by the kernel: the socket wakes the service only once the largest
// head could be complete, or after kHeadPieceWaitMs, doubled for each further
// wait up to kHeadPieceMaxWaitMs. A head that comes whole is never held back.
constexpr int kHeadPieceWaitMs = 100;
// Until its first request, a new connection wakes the service for no fewer bytes
// than the shortest request ("GET / HTTP/1.0" and its blank line).
constexpr int kHeadLowWater = 16;
constexpr int kHeadPieceMaxWaitMs = 800;

void setSendBuffer(int fd, int bytes)
{
    if (fd >= 0)
        ::setsockopt(fd, SOL_SOCKET, SO_SNDBUF, &bytes, sizeof bytes);
}

// Bytes the kernel has received on a TCP connection since it began.
quint64 bytesReceived(int fd)
{
    tcp_info info = {};
    socklen_t size = sizeof info;
    return ::getsockopt(fd, IPPROTO_TCP, TCP_INFO, &info, &size) == 0 ? info.tcpi_bytes_received : 0;
}

void setLowWater(int fd, int bytes)
{
    ::setsockopt(fd, SOL_SOCKET, SO_RCVLOWAT, &bytes, sizeof bytes);
}

qint64 nowMs()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

QString refusalTitle(int status)
{
    switch (status) {
    case 404: return QStringLiteral("Not found");
    case 405: return QStringLiteral("Method not allowed");
    case 408: return QStringLiteral("Request Timeout");
    case 413: return QStringLiteral("Content Too Large");
    case 414: return QStringLiteral("URI Too Long");
    case 431: return QStringLiteral("Request Header Fields Too Large");
    case 503: return QStringLiteral("Service Unavailable");
    case 505: return QStringLiteral("HTTP Version Not Supported");
    default: return QStringLiteral("Bad Request");
    }
}

QString refusalText(int status)
{
    switch (status) {
    case 404: return QStringLiteral("There is no page at this address.");
    case 405: return QStringLiteral("This address does not take that method.");
    case 408: return QStringLiteral("The request did not arrive in time.");
    case 413: return QStringLiteral("The request's body is too large.");
    case 414:
    case 431: return QStringLiteral("The request is too large.");
    case 503: return QStringLiteral("The service is busy or stopping; please try again in a moment.");
    case 505: return QStringLiteral("Only HTTP versions 1.0 and 1.1 are served.");
    default: return QStringLiteral("The request is not valid HTTP.");
    }
}

HttpResponse refusal(int status)
{
    HttpResponse r;
    r.status = status;
    r.body = errorPage(refusalTitle(status), refusalText(status));
    r.headers = {{"Content-Type", "text/html; charset=utf-8"}, {"Cache-Control", "no-store"}};
    if (status == 503)
        r.headers.append({QByteArray("Retry-After"), QByteArray("1")});
    return r;
}

bool isTokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("!#$%&'*+-.^_`|~", c) != nullptr);
}

// What the head says about framing and hosts, gathered from its fields.
struct HeadFields {
    int lengths = 0;
    int hosts = 0;
    QByteArray length;
    QByteArray codings;
    const char* problem = nullptr;
};

MHD_Result gatherField(void* cls, MHD_ValueKind, const char* key, size_t keySize, const char* value,
                       size_t valueSize)
{
    auto* h = static_cast<HeadFields*>(cls);
    const QByteArray name = QByteArray(key, qsizetype(keySize)).toLower();
    if (name.isEmpty() || !std::all_of(name.begin(), name.end(), isTokenChar)) {
        h->problem = "malformed header field";
        return MHD_NO;
    }
    // Only spaces and tabs pad a value: a proxy reading \v5 as 5 would take the
    // next request's bytes as this one's body.
    for (size_t i = 0; i < valueSize; ++i) {
        const uchar c = uchar(value[i]);
        if ((c < 0x20 && c != '\t') || c == 0x7f) {
            h->problem = "control character in a header field";
            return MHD_NO;
        }
    }
    const QByteArray text = QByteArray(value, qsizetype(valueSize)).trimmed();
    if (name == "content-length") {
        ++h->lengths;
        h->length = text;
    } else if (name == "transfer-encoding") {
        h->codings += (h->codings.isEmpty() ? "" : ",") + text;
    } else if (name == "host") {
        ++h->hosts;
    }
    return MHD_YES;
}

} // namespace

struct HttpServer::Connection {
    MHD_Connection* mhd = nullptr;
    int fd = -1;
    QHostAddress peer;
    qint64 deadline = 0;  // a whole head must have come by then (while not in a request)
    qint64 idleSince = 0; // accepted, or its last answer given
    bool inRequest = false;
    bool dropped = false;
    HttpExchange* current = nullptr;
    quint64 boundaryBytes = 0; // received when its last answer was given, as the next check saw it
    quint64 bytesSeen = 0;     // at the last check
    bool lowWater = true;      // the kernel holds small reads back
    bool largeBuffer = false;  // the send buffer is grown for a large answer
    bool counted = true;       // boundaryBytes is known
    bool gathering = false;
    int gatherMs = kHeadPieceWaitMs;
    qint64 gatherUntil = 0;
};

// One request, from its request line to its answer's end.
struct HttpExchange {
    HttpServer* server = nullptr; // none once the request is over
    HttpServer::Connection* connection = nullptr;
    MHD_Connection* mhd = nullptr;
    QByteArray target; // as sent, an absolute form cut to its path
    QByteArray body;
    const HttpServer::Handler* handler = nullptr;
    qint64 maxBody = 0;
    std::optional<HttpResponse> pending; // given, not yet handed to the library
    int status = 0;
    bool started = false;
    bool given = false;       // an answer is given (pending or queued)
    bool fromHandler = false; // the answer came through HttpReply
    bool dispatching = false;
    bool suspended = false;
};

// The library's callbacks, handed to the server that registered them.
struct HttpCallbacks {
    static MHD_Result access(void* cls, MHD_Connection* connection, const char*, const char* method,
                             const char* version, const char* upload, size_t* uploadSize, void** context)
    {
        return static_cast<HttpServer*>(cls)->access(connection, method, version, upload, uploadSize,
                                                     context) != 0
                   ? MHD_YES
                   : MHD_NO;
    }
    static void* begin(void* cls, const char* uri, MHD_Connection* connection)
    {
        return static_cast<HttpServer*>(cls)->begin(uri, connection);
    }
    static void completed(void* cls, MHD_Connection*, void** context, MHD_RequestTerminationCode how)
    {
        static_cast<HttpServer*>(cls)->completed(context, int(how));
    }
    static void connection(void* cls, MHD_Connection* connection, void** context,
                           MHD_ConnectionNotificationCode code)
    {
        static_cast<HttpServer*>(cls)->connectionEvent(connection, context,
                                                       code == MHD_CONNECTION_NOTIFY_STARTED);
    }
    static void log(void* cls, const char* format, va_list args)
    {
        char text[512];
        std::vsnprintf(text, sizeof text, format, args);
        auto* server = static_cast<HttpServer*>(cls);
        const QByteArray line = QByteArray(text).trimmed();
        if (server->daemon_ == nullptr) // while starting: the reason it cannot
            server->startProblem_ = QString::fromLocal8Bit(line);
        else
            emit server->refused(QString(), 0, "libmicrohttpd: " + line);
    }
};

HttpServer::HttpServer(const HttpLimits& limits, QObject* parent) : QObject(parent), limits_(limits)
{
    runTimer_.setSingleShot(true);
    connect(&runTimer_, &QTimer::timeout, this, &HttpServer::run);
    deadlineTimer_.setInterval(kDeadlineCheckMs);
    connect(&deadlineTimer_, &QTimer::timeout, this, &HttpServer::checkDeadlines);
}

HttpServer::~HttpServer()
{
    blockSignals(true);
    abort();
}

void HttpServer::route(const QByteArray& path, const QList<QByteArray>& methods, qint64 maxBody,
                       Handler handler)
{
    routes_.insert(path, Route{methods, maxBody, std::move(handler)});
}

void HttpServer::routePrefix(const QByteArray& prefix, const QList<QByteArray>& methods, qint64 maxBody,
                             Handler handler)
{
    prefixRoutes_.append({prefix, Route{methods, maxBody, std::move(handler)}});
}

brev::Problem HttpServer::start(const QHostAddress& address, quint16 port, const TlsFiles& tls)
{
    sockaddr_in v4 = {};
    sockaddr_in6 v6 = {};
    const bool ipv6 = address.protocol() == QAbstractSocket::IPv6Protocol;
    if (ipv6) {
        v6.sin6_family = AF_INET6;
        v6.sin6_port = htons(port);
        const Q_IPV6ADDR bytes = address.toIPv6Address();
        std::memcpy(&v6.sin6_addr, bytes.c, sizeof bytes.c);
    } else {
        v4.sin_family = AF_INET;
        v4.sin_port = htons(port);
        v4.sin_addr.s_addr = htonl(address.toIPv4Address());
    }
    secure_ = !tls.certificate.isEmpty();
    unsigned flags = MHD_USE_EPOLL | MHD_ALLOW_SUSPEND_RESUME | MHD_USE_ERROR_LOG;
    if (ipv6)
        flags |= MHD_USE_IPv6;
    if (secure_)
        flags |= MHD_USE_TLS;
    const unsigned idleSeconds = unsigned((qMax(1, limits_.idleTimeoutMs) + 999) / 1000);
    auto fn = [](auto f) { return reinterpret_cast<intptr_t>(f); };
    std::vector<MHD_OptionItem> options = {
        {MHD_OPTION_SOCK_ADDR, 0, ipv6 ? static_cast<void*>(&v6) : static_cast<void*>(&v4)},
        {MHD_OPTION_CONNECTION_LIMIT, intptr_t(unsigned(limits_.maxConnections) + kConnectionSlack), nullptr},
        {MHD_OPTION_CONNECTION_TIMEOUT, intptr_t(idleSeconds), nullptr},
        {MHD_OPTION_CONNECTION_MEMORY_LIMIT, intptr_t(kConnectionMemory), nullptr},
        {MHD_OPTION_LISTEN_BACKLOG_SIZE, intptr_t(limits_.backlog), nullptr},
        {MHD_OPTION_URI_LOG_CALLBACK, fn(&HttpCallbacks::begin), this},
        {MHD_OPTION_NOTIFY_COMPLETED, fn(&HttpCallbacks::completed), this},
        {MHD_OPTION_NOTIFY_CONNECTION, fn(&HttpCallbacks::connection), this},
        {MHD_OPTION_EXTERNAL_LOGGER, fn(&HttpCallbacks::log), this},
        {MHD_OPTION_SIGPIPE_HANDLED_BY_APP, 1, nullptr},
    };
    // The library keeps the pointers only while starting.
    QByteArray certificate = tls.certificate, key = tls.key;
    if (secure_) {
        options.push_back({MHD_OPTION_HTTPS_MEM_CERT, 0, certificate.data()});
        options.push_back({MHD_OPTION_HTTPS_MEM_KEY, 0, key.data()});
    }
    options.push_back({MHD_OPTION_END, 0, nullptr});
    startProblem_.clear();
    daemon_ = MHD_start_daemon(flags, port, nullptr, nullptr, &HttpCallbacks::access, this, MHD_OPTION_ARRAY,
                               options.data(), MHD_OPTION_END);
    key.fill('\0');
    if (!daemon_)
        return startProblem_.isEmpty() ? QStringLiteral("the HTTP library did not start") : startProblem_;
    const MHD_DaemonInfo* epoll = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_EPOLL_FD);
    const MHD_DaemonInfo* bound = MHD_get_daemon_info(daemon_, MHD_DAEMON_INFO_BIND_PORT);
    port_ = bound ? bound->port : port;
    notifier_ = new QSocketNotifier(epoll->epoll_fd, QSocketNotifier::Read, this);
    connect(notifier_, &QSocketNotifier::activated, this, &HttpServer::run);
    deadlineTimer_.start();
    runSoon();
    return std::nullopt;
}

void HttpServer::run()
{
    if (!daemon_ || running_)
        return;
    running_ = true;
    MHD_run(daemon_);
    running_ = false;
    MHD_UNSIGNED_LONG_LONG timeout = 0;
    if (daemon_ && MHD_get_timeout(daemon_, &timeout) == MHD_YES)
        runTimer_.start(int(qMin<MHD_UNSIGNED_LONG_LONG>(timeout, 60000)));
    else
        runTimer_.stop();
}

void HttpServer::runSoon()
{
    if (!runTimer_.isActive() || runTimer_.remainingTime() > 0)
        runTimer_.start(0);
}

void* HttpServer::begin(const char* uri, MHD_Connection* connection)
{
    auto* holder = new std::shared_ptr<HttpExchange>(std::make_shared<HttpExchange>());
    HttpExchange& x = **holder;
    x.server = this;
    x.mhd = connection;
    const MHD_ConnectionInfo* info = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_SOCKET_CONTEXT);
    x.connection = info ? static_cast<Connection*>(info->socket_context) : nullptr;
    if (x.connection)
        x.connection->current = &x;
    // Older clients left the spaces of a query unencoded; an absolute form
    // names the path after its host.
    x.target = QByteArray(uri).replace(" ", "%20");
    if (const qsizetype hash = x.target.indexOf('#'); hash >= 0)
        x.target.truncate(hash);
    const QByteArray lower = x.target.left(8).toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://")) {
        const qsizetype slash = x.target.indexOf('/', lower.startsWith("http://") ? 7 : 8);
        x.target = slash < 0 ? QByteArray("/") : x.target.mid(slash);
    }
    return holder;
}

std::variant<qint64, HttpServer::Refusal> HttpServer::checkHead(MHD_Connection* connection,
                                                                const char* version) const
{
    const MHD_ConnectionInfo* size =
        MHD_get_connection_info(connection, MHD_CONNECTION_INFO_REQUEST_HEADER_SIZE);
    HeadFields h;
    MHD_get_connection_values_n(connection, MHD_HEADER_KIND, &gatherField, &h);
    const bool http11 = std::strcmp(version, "HTTP/1.1") == 0;
    auto refuse = [](int code, const char* why) -> std::variant<qint64, Refusal> {
        return Refusal{code, QByteArray(why)};
    };
    if (size && size->header_size > std::size_t(limits_.maxHeader))
        return refuse(431, "head too large");
    if (!http11 && std::strcmp(version, "HTTP/1.0") != 0)
        return refuse(505, "HTTP version not served");
    if (h.problem)
        return refuse(400, h.problem);
    if (h.lengths > 1)
        return refuse(400, "more than one Content-Length");
    if (!h.codings.isEmpty()) {
        if (h.lengths > 0)
            return refuse(400, "both Content-Length and Transfer-Encoding");
        if (!http11 || h.codings.split(',').last().trimmed().toLower() != "chunked")
            return refuse(400, "invalid Transfer-Encoding");
        return refuse(413, "chunked body");
    }
    if (h.hosts > 1 || (http11 && h.hosts == 0))
        return refuse(400, "missing or repeated Host");
    if (h.lengths == 1) {
        const bool digits =
            !h.length.isEmpty() && h.length.size() <= 18 &&
            std::all_of(h.length.begin(), h.length.end(), [](char c) { return c >= '0' && c <= '9'; });
        if (!digits)
            return refuse(400, "invalid Content-Length");
        return h.length.toLongLong();
    }
    return qint64(0);
}

int HttpServer::access(MHD_Connection* connection, const char* method, const char* version,
                       const char* upload, size_t* uploadSize, void** context)
{
    auto* holder = static_cast<std::shared_ptr<HttpExchange>*>(*context);
    if (!holder)
        return 0;
    HttpExchange& x = **holder;
    if (!x.started) {
        x.started = true;
        if (Connection* c = x.connection) {
            c->inRequest = true;
            c->idleSince = nowMs();
            c->gatherMs = kHeadPieceWaitMs;
            if (c->lowWater || c->gathering) // a body may come in pieces of any size
                setLowWater(c->fd, 1);
            c->lowWater = c->gathering = false;
        }
        if (stopping_)
            return refuse(x, 503, "stopping");
        const qsizetype requestLine =
            qsizetype(std::strlen(method) + std::strlen(version)) + 2 + x.target.size();
        if (requestLine > limits_.maxRequestLine)
            return refuse(x, 414, "request line too long");
        const std::variant<qint64, Refusal> head = checkHead(connection, version);
        if (const Refusal* refusal = std::get_if<Refusal>(&head))
            return refuse(x, refusal->status, refusal->why);
        const qint64 length = std::get<qint64>(head);
        const qsizetype question = x.target.indexOf('?');
        const QByteArray path = question < 0 ? x.target : x.target.left(question);
        const Route* route = nullptr;
        if (const auto exact = routes_.constFind(path); exact != routes_.cend())
            route = &*exact;
        for (qsizetype i = 0; !route && i < prefixRoutes_.size(); ++i) {
            if (path.startsWith(prefixRoutes_.at(i).first))
                route = &prefixRoutes_.at(i).second;
        }
        if (!route)
            return refuse(x, 404, "unknown path");
        const QByteArray name(method);
        if (!route->methods.contains(name) && !(name == "HEAD" && route->methods.contains("GET"))) {
            QByteArray allow = route->methods.join(", ");
            if (route->methods.contains("GET") && !route->methods.contains("HEAD"))
                allow += ", HEAD";
            HttpResponse r = refusal(405);
            r.headers.append({QByteArray("Allow"), allow});
            emit refused(x.connection ? x.connection->peer.toString() : QString(), 405, "method not allowed");
            return queue(x, r, true);
        }
        if (length > route->maxBody)
            return refuse(x, 413, "body too large");
        x.handler = &route->handler;
        x.maxBody = route->maxBody;
        return 1; // the body, if any, comes next
    }
    if (*uploadSize > 0) {
        const std::size_t size = *uploadSize;
        *uploadSize = 0;
        if (x.given)
            return 1; // refused: the rest is dropped
        if (x.body.size() + qint64(size) > x.maxBody)
            return refuse(x, 413, "body too large");
        x.body.append(upload, qsizetype(size));
        return 1;
    }
    if (x.given) { // answered later, the connection resumed
        if (x.pending) {
            const HttpResponse r = std::move(*x.pending);
            x.pending.reset();
            return queue(x, r, false);
        }
        return 1;
    }
    HttpRequest request;
    request.method = method;
    const qsizetype question = x.target.indexOf('?');
    request.path = question < 0 ? x.target : x.target.left(question);
    request.query = question < 0 ? QByteArray() : x.target.mid(question + 1);
    request.body = std::move(x.body);
    if (x.connection)
        request.peer = x.connection->peer;
    request.host = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Host");
    request.acceptLanguage = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "Accept-Language");
    request.forwardedProto = MHD_lookup_connection_value(connection, MHD_HEADER_KIND, "X-Forwarded-Proto");
    x.dispatching = true;
    (*x.handler)(request, HttpReply(*holder));
    x.dispatching = false;
    if (x.pending) {
        const HttpResponse r = std::move(*x.pending);
        x.pending.reset();
        return queue(x, r, false);
    }
    if (!x.given) {
        MHD_suspend_connection(connection);
        x.suspended = true;
    }
    return 1;
}

bool HttpServer::refuse(HttpExchange& x, int status, const QByteArray& reason)
{
    emit refused(x.connection ? x.connection->peer.toString() : QString(), status, reason);
    return queue(x, refusal(status), true);
}

bool HttpServer::queue(HttpExchange& x, const HttpResponse& response, bool close)
{
    x.given = true;
    x.status = response.status;
    MHD_Response* r =
        MHD_create_response_from_buffer(std::size_t(response.body.size()),
                                        const_cast<char*>(response.body.constData()), MHD_RESPMEM_MUST_COPY);
    if (!r)
        return false;
    for (const auto& [name, value] : response.headers)
        MHD_add_response_header(r, name.constData(), value.constData());
    if (close || stopping_)
        MHD_add_response_header(r, "Connection", "close");
    if (x.connection && response.body.size() > kLargeAnswer) {
        setSendBuffer(x.connection->fd, kLargeSendBuffer);
        x.connection->largeBuffer = true;
    }
    const bool queued = MHD_queue_response(x.mhd, unsigned(response.status), r) == MHD_YES;
    MHD_destroy_response(r);
    return queued;
}

void HttpServer::answerLater(HttpExchange& x)
{
    if (x.suspended) {
        x.suspended = false;
        MHD_resume_connection(x.mhd);
    }
    runSoon();
}

bool HttpReply::send(const HttpResponse& response) const
{
    if (!exchange_ || !exchange_->server || exchange_->given)
        return false;
    HttpExchange& x = *exchange_;
    x.given = true;
    x.fromHandler = true;
    x.status = response.status;
    x.pending = response;
    if (!x.dispatching)
        x.server->answerLater(x);
    return true;
}

bool HttpReply::connected() const
{
    return exchange_ && exchange_->server;
}

void HttpServer::completed(void** context, int how)
{
    auto* holder = static_cast<std::shared_ptr<HttpExchange>*>(*context);
    if (!holder)
        return;
    *context = nullptr;
    HttpExchange& x = **holder;
    Connection* c = x.connection;
    if (x.fromHandler && how != MHD_REQUEST_TERMINATED_COMPLETED_OK)
        emit abandoned(c ? c->peer.toString() : QString(), x.status);
    x.server = nullptr;
    if (c) {
        c->current = nullptr;
        c->inRequest = false;
        c->idleSince = nowMs();
        // The next head, kept alive: the idle timeout, then the time for a head.
        c->deadline = c->idleSince + limits_.idleTimeoutMs + limits_.headerTimeoutMs;
        c->counted = false; // the next check counts from there
        if (c->largeBuffer)
            setSendBuffer(c->fd, kSendBuffer);
        c->largeBuffer = false;
        if (stopping_)
            dropConnection(c, false);
    }
    delete holder;
}

void HttpServer::connectionEvent(MHD_Connection* connection, void** context, bool started)
{
    if (!started) {
        auto* c = static_cast<Connection*>(*context);
        if (!c)
            return;
        if (c->current)
            c->current->connection = nullptr;
        connections_.removeOne(c);
        delete c;
        *context = nullptr;
        if (stopping_ && connections_.isEmpty())
            QMetaObject::invokeMethod(this, &HttpServer::allClosed, Qt::QueuedConnection);
        return;
    }
    auto* c = new Connection;
    c->mhd = connection;
    if (const MHD_ConnectionInfo* fd = MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CONNECTION_FD))
        c->fd = fd->connect_fd;
    if (const MHD_ConnectionInfo* peer =
            MHD_get_connection_info(connection, MHD_CONNECTION_INFO_CLIENT_ADDRESS))
        c->peer = QHostAddress(peer->client_addr);
    c->idleSince = nowMs();
    c->deadline = c->idleSince + limits_.headerTimeoutMs; // the first request is awaited no longer
    setSendBuffer(c->fd, kSendBuffer);
    setLowWater(c->fd, kHeadLowWater);
    connections_.append(c);
    *context = c;
    if (stopping_) {
        dropConnection(c, false);
        return;
    }
    rlimit files{};
    if (::getrlimit(RLIMIT_NOFILE, &files) == 0 && files.rlim_cur != RLIM_INFINITY &&
        rlim_t(c->fd) + kDescriptorReserve >= files.rlim_cur) {
        const int fits = qMax(1, int(connections_.size()) - kDescriptorSlack);
        if (fits < limits_.maxConnections) {
            limits_.maxConnections = fits;
            emit refused(QString(), 503,
                         "out of file descriptors: at most " + QByteArray::number(fits) +
                             " connections from now on");
        }
    }
    makeRoom(c);
}

// Closes the connections idle the longest while there are more than the cap;
// when every other one is busy with a request, the newcomer goes.
void HttpServer::makeRoom(Connection* newcomer)
{
    qsizetype open = std::count_if(connections_.cbegin(), connections_.cend(),
                                   [](const Connection* c) { return !c->dropped; });
    while (open > limits_.maxConnections) {
        Connection* idlest = nullptr;
        for (Connection* c : std::as_const(connections_)) {
            if (c != newcomer && !c->inRequest && !c->dropped &&
                (!idlest || c->idleSince < idlest->idleSince))
                idlest = c;
        }
        if (!idlest) {
            emit refused(newcomer->peer.toString(), 503, "connection limit reached");
            dropConnection(newcomer, false);
            return;
        }
        dropConnection(idlest, false);
        --open;
    }
}

// The library closes a connection whose socket is shut: it reads the end of it.
// One whose head is late is told so first (not over TLS, whose stream is the
// library's own).
void HttpServer::dropConnection(Connection* c, bool timedOut)
{
    if (c->dropped)
        return;
    c->dropped = true;
    if (timedOut) {
        emit refused(c->peer.toString(), 408, "request not complete in time");
        if (!secure_) {
            const HttpResponse r = refusal(408);
            const QByteArray bytes =
                "HTTP/1.1 408 Request Timeout\r\nContent-Type: text/html; charset=utf-8\r\n"
                "Content-Length: " +
                QByteArray::number(r.body.size()) + "\r\nConnection: close\r\n\r\n" + r.body;
            [[maybe_unused]] const ssize_t n =
                ::send(c->fd, bytes.constData(), std::size_t(bytes.size()), MSG_DONTWAIT | MSG_NOSIGNAL);
        }
    }
    ::shutdown(c->fd, SHUT_RDWR);
    runSoon();
}

void HttpServer::checkDeadlines()
{
    const qint64 now = nowMs();
    for (Connection* c : std::as_const(connections_)) {
        if (c->inRequest || c->dropped)
            continue;
        if (c->deadline <= now) {
            dropConnection(c, true);
            continue;
        }
        const quint64 received = bytesReceived(c->fd);
        if (!c->counted) {
            c->counted = true;
            c->boundaryBytes = c->bytesSeen = received;
            continue;
        }
        if (c->gathering && now >= c->gatherUntil) { // the kernel wakes the service if bytes wait
            c->gathering = false;
            setLowWater(c->fd, 1);
            c->gatherMs = qMin(2 * c->gatherMs, kHeadPieceMaxWaitMs);
        } else if (!c->gathering && received > c->bytesSeen) { // a head still arriving
            c->gathering = true;
            c->gatherUntil = now + c->gatherMs;
            setLowWater(c->fd,
                        int(qMax<qint64>(1, limits_.maxHeader + 4 - qint64(received - c->boundaryBytes))));
        }
        c->bytesSeen = received;
    }
}

void HttpServer::stop()
{
    if (stopping_)
        return;
    stopping_ = true;
    if (daemon_) {
        const MHD_socket listening = MHD_quiesce_daemon(daemon_);
        if (listening != MHD_INVALID_SOCKET)
            ::close(listening);
    }
    for (Connection* c : std::as_const(connections_)) {
        if (!c->inRequest)
            dropConnection(c, false);
    }
    if (connections_.isEmpty())
        QMetaObject::invokeMethod(this, &HttpServer::allClosed, Qt::QueuedConnection);
    runSoon();
}

void HttpServer::abort()
{
    if (!daemon_)
        return;
    deadlineTimer_.stop();
    runTimer_.stop();
    delete notifier_;
    notifier_ = nullptr;
    MHD_Daemon* daemon = daemon_;
    MHD_stop_daemon(daemon);
    daemon_ = nullptr;
}

} // namespace hofd
