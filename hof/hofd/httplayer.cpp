#include "hof/hofd/httplayer.h"

#include "hof/hofd/hofpage.h"

#include <QDateTime>
#include <QElapsedTimer>
#include <QLocale>
#include <QSocketNotifier>
#include <QTcpSocket>
#include <QTimer>
#include <algorithm>
#include <cctype>
#include <cstring>
#include <deque>

#include <cerrno>
#include <sys/socket.h>
#include <unistd.h>

namespace hofd
{

namespace
{

constexpr int kMaxFields = 100;
constexpr qint64 kReadBuffer = 64 * 1024; // bytes Qt reads ahead for one connection
constexpr qint64 kMaxUnsent = 256 * 1024; // answers not yet taken by a client that pipelines
constexpr int kLingerMs = 2000;           // reading what a refused client still sends
constexpr qint64 kMaxLingerBytes = 1024 * 1024;
constexpr int kAcceptPauseMs = 100;
constexpr int kAcceptBatch = 64;    // connections taken at one wake-up
constexpr int kDescriptorSlack = 8; // connections closed when descriptors run out

bool isTokenChar(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
           (c != 0 && std::strchr("!#$%&'*+-.^_`|~", c) != nullptr);
}

bool isToken(const QByteArray& text)
{
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isTokenChar);
}

// Control characters other than a tab, which header values may hold.
bool hasControlByte(const QByteArray& text, bool tabAllowed)
{
    return std::any_of(text.begin(), text.end(), [tabAllowed](char c) {
        return (uchar(c) < 0x20 && !(tabAllowed && c == '\t')) || c == 0x7f;
    });
}

QByteArray withoutCr(const QByteArray& line)
{
    return line.endsWith('\r') ? line.chopped(1) : line;
}

const char* reasonPhrase(int status)
{
    switch (status) {
    case 200:
        return "OK";
    case 400:
        return "Bad Request";
    case 404:
        return "Not Found";
    case 405:
        return "Method Not Allowed";
    case 408:
        return "Request Timeout";
    case 413:
        return "Content Too Large";
    case 414:
        return "URI Too Long";
    case 429:
        return "Too Many Requests";
    case 431:
        return "Request Header Fields Too Large";
    case 500:
        return "Internal Server Error";
    case 503:
        return "Service Unavailable";
    case 505:
        return "HTTP Version Not Supported";
    default:
        return "Unknown";
    }
}

QString refusalText(int status)
{
    switch (status) {
    case 408:
        return QStringLiteral("The request did not arrive in time.");
    case 413:
        return QStringLiteral("This service takes no request body.");
    case 414:
    case 431:
        return QStringLiteral("The request is too large.");
    case 503:
        return QStringLiteral("The service is busy; please try again in a moment.");
    case 505:
        return QStringLiteral("Only HTTP versions 1.0 and 1.1 are served.");
    default:
        return QStringLiteral("The request is not valid HTTP.");
    }
}

// The Date header's value, made once a second.
QByteArray httpDate()
{
    static qint64 second = -1;
    static QByteArray text;
    const QDateTime now = QDateTime::currentDateTimeUtc();
    if (now.toSecsSinceEpoch() != second) {
        second = now.toSecsSinceEpoch();
        text = QLocale::c().toString(now, QStringLiteral("ddd, dd MMM yyyy HH:mm:ss 'GMT'")).toLatin1();
    }
    return text;
}

QByteArray serialize(const HttpResponse& response, bool head, bool close)
{
    QByteArray out;
    out.reserve(response.body.size() + 256);
    out += "HTTP/1.1 " + QByteArray::number(response.status) + ' ' + reasonPhrase(response.status) + "\r\n";
    for (const auto& [name, value] : response.headers)
        out += name + ": " + value + "\r\n";
    out += "Content-Length: " + QByteArray::number(response.body.size()) + "\r\nDate: " + httpDate() + "\r\n";
    if (close)
        out += "Connection: close\r\n";
    out += "\r\n";
    if (!head)
        out += response.body;
    return out;
}

HttpResponse refusal(int status)
{
    HttpResponse r;
    r.status = status;
    r.body = errorPage(QString::fromLatin1(reasonPhrase(status)), refusalText(status));
    r.headers = {{"Content-Type", "text/html; charset=utf-8"}, {"Cache-Control", "no-store"}};
    if (status == 503)
        r.headers.append(qMakePair(QByteArray("Retry-After"), QByteArray("1")));
    return r;
}

qint64 now()
{
    static QElapsedTimer clock = [] {
        QElapsedTimer t;
        t.start();
        return t;
    }();
    return clock.elapsed();
}

} // namespace

RequestHead parseRequestHead(const QByteArray& data, const HttpLimits& limits)
{
    RequestHead h;
    auto refuse = [&h](int status, const char* reason) {
        h.status = status;
        h.reason = reason;
        h.consumed = 0;
        return h;
    };

    // Empty lines before a request line are ignored.
    qsizetype pos = 0;
    while (pos < data.size() && (data.at(pos) == '\n' || data.at(pos) == '\r'))
        ++pos;
    const qsizetype lineEnd = data.indexOf('\n', pos);
    if (lineEnd < 0) {
        if (data.size() - pos > limits.maxRequestLine)
            return refuse(414, "request line too long");
        if (data.size() > limits.maxHeader)
            return refuse(431, "head too large");
        return h;
    }
    const QByteArray line = withoutCr(data.mid(pos, lineEnd - pos));
    if (line.size() > limits.maxRequestLine)
        return refuse(414, "request line too long");
    if (lineEnd + 1 > limits.maxHeader)
        return refuse(431, "head too large");
    if (hasControlByte(line, false))
        return refuse(400, "control character in the request line");
    const qsizetype first = line.indexOf(' ');
    const qsizetype last = line.lastIndexOf(' ');
    if (first <= 0 || last <= first + 1)
        return refuse(400, "malformed request line");
    h.method = line.left(first);
    if (!isToken(h.method))
        return refuse(400, "malformed method");
    const QByteArray version = line.mid(last + 1);
    const bool http11 = version == "HTTP/1.1";
    if (!http11 && version != "HTTP/1.0") {
        const bool wellFormed = version.size() == 8 && version.startsWith("HTTP/") &&
                                std::isdigit(uchar(version.at(5))) && version.at(6) == '.' &&
                                std::isdigit(uchar(version.at(7)));
        return wellFormed ? refuse(505, "HTTP version not served") : refuse(400, "malformed HTTP version");
    }
    // Older clients left the spaces of a query unencoded.
    h.target = line.mid(first + 1, last - first - 1).replace(" ", "%20");
    const QByteArray lower = h.target.left(8).toLower();
    if (lower.startsWith("http://") || lower.startsWith("https://")) {
        const qsizetype slash = h.target.indexOf('/', lower.startsWith("http://") ? 7 : 8);
        h.target = slash < 0 ? QByteArray("/") : h.target.mid(slash);
    } else if (h.target != "*" && !h.target.startsWith('/')) {
        return refuse(400, "malformed request target");
    }

    int fields = 0;
    int hosts = 0;
    bool haveLength = false;
    QByteArray codings;
    pos = lineEnd + 1;
    for (;;) {
        const qsizetype end = data.indexOf('\n', pos);
        if (end < 0 || end + 1 > limits.maxHeader) {
            if (end >= 0 || data.size() > limits.maxHeader)
                return refuse(431, "head too large");
            h.method.clear();
            h.target.clear();
            return h; // more bytes needed
        }
        const QByteArray field = withoutCr(data.mid(pos, end - pos));
        pos = end + 1;
        if (field.isEmpty())
            break;
        if (++fields > kMaxFields)
            return refuse(431, "too many header fields");
        const qsizetype colon = field.indexOf(':');
        const QByteArray name = field.left(colon).toLower();
        if (colon <= 0 || !isToken(name))
            return refuse(400, "malformed header field");
        const QByteArray value = field.mid(colon + 1).trimmed();
        if (hasControlByte(value, true))
            return refuse(400, "control character in a header field");
        if (name == "content-length") {
            const bool digits =
                !value.isEmpty() && value.size() <= 18 &&
                std::all_of(value.begin(), value.end(), [](char c) { return c >= '0' && c <= '9'; });
            if (haveLength || !digits)
                return refuse(400, haveLength ? "more than one Content-Length" : "invalid Content-Length");
            haveLength = true;
            h.contentLength = value.toLongLong();
        } else if (name == "transfer-encoding") {
            codings += (codings.isEmpty() ? "" : ",") + value;
        } else if (name == "host") {
            ++hosts;
        } else if (name == "connection") {
            for (const QByteArray& option : value.split(','))
                h.close = h.close || option.trimmed().toLower() == "close";
        }
    }
    if (!codings.isEmpty()) {
        if (haveLength)
            return refuse(400, "both Content-Length and Transfer-Encoding");
        if (!http11 || codings.split(',').last().trimmed().toLower() != "chunked")
            return refuse(400, "invalid Transfer-Encoding");
        return refuse(413, "chunked body");
    }
    if (hosts > 1 || (http11 && hosts == 0))
        return refuse(400, "missing or repeated Host");
    if (h.contentLength > limits.maxBody)
        return refuse(413, "body too large");
    h.close = h.close || !http11;
    h.consumed = pos;
    return h;
}

// One client connection: reads requests in turn, hands them to the listener's
// handler and writes the answers in request order.
class HttpConnection : public QObject
{
  public:
    HttpConnection(QTcpSocket* socket, HttpListener* listener);

    void complete(quint64 sequence, const HttpResponse& response);
    bool isIdle() const { return pending_.empty() && !receiving_; }
    bool unansweredBefore(quint64 sequence) const
    {
        return !pending_.empty() && pending_.front().sequence < sequence;
    }
    bool isReceiving() const { return receiving_ && !closing_; }
    qint64 lastActive() const { return lastActive_; }
    void drop() { socket_->abort(); }

  private:
    struct Pending {
        quint64 sequence = 0;
        bool done = false;
        bool head = false;
        bool close = false;
        QByteArray bytes;
    };

    void readInput();
    void flushAnswers();
    void refuse(int status, const QByteArray& reason);
    void onTimeout();
    void onBytesWritten();
    void startLinger();
    void armIdle();

    QTcpSocket* socket_;
    HttpListener* listener_;
    QTimer timer_;
    QByteArray input_;
    qint64 skipBody_ = 0;
    std::deque<Pending> pending_;
    quint64 nextSequence_ = 1;
    qint64 lastActive_ = now(); // when it became idle, or its request began
    qint64 lingerBytes_ = 0;
    bool receiving_ = false; // a request begun, its head or body not yet read
    bool closing_ = false;   // no more requests are read; close after the answers
    bool lingering_ = false; // answers written, the sending side shut
    bool reading_ = false;
};

HttpConnection::HttpConnection(QTcpSocket* socket, HttpListener* listener)
    : QObject(listener), socket_(socket), listener_(listener)
{
    socket_->setParent(this);
    socket_->setReadBufferSize(kReadBuffer);
    timer_.setSingleShot(true);
    connect(&timer_, &QTimer::timeout, this, &HttpConnection::onTimeout);
    connect(socket_, &QTcpSocket::readyRead, this, &HttpConnection::readInput);
    connect(socket_, &QTcpSocket::bytesWritten, this, &HttpConnection::onBytesWritten);
    connect(socket_, &QTcpSocket::disconnected, this, [this] {
        timer_.stop();
        listener_->forget(this);
        deleteLater();
    });
    // The first request is awaited no longer than a request's head.
    timer_.start(listener_->limits().headerTimeoutMs);
}

void HttpConnection::armIdle()
{
    lastActive_ = now();
    timer_.start(listener_->limits().idleTimeoutMs);
}

void HttpConnection::readInput()
{
    if (lingering_ || closing_) {
        const qint64 dropped = socket_->skip(socket_->bytesAvailable());
        lingerBytes_ += qMax<qint64>(dropped, 0);
        if (lingerBytes_ > kMaxLingerBytes)
            socket_->abort();
        return;
    }
    if (reading_)
        return;
    reading_ = true;
    const HttpLimits& limits = listener_->limits();
    while (!closing_) {
        if (skipBody_ > 0) {
            const qint64 skipped = socket_->skip(skipBody_);
            if (skipped <= 0)
                break;
            skipBody_ -= skipped;
            if (skipBody_ > 0)
                continue;
            receiving_ = false;
            if (pending_.empty())
                armIdle();
        }
        if (pending_.size() >= std::size_t(limits.maxPipelined) || socket_->bytesToWrite() > kMaxUnsent)
            break; // resumed once answers are written
        const qint64 room = limits.maxHeader + 4 - input_.size();
        if (room > 0 && socket_->bytesAvailable() > 0)
            input_ += socket_->read(room);
        if (input_.isEmpty())
            break;
        if (!receiving_) {
            receiving_ = true;
            lastActive_ = now(); // the slowest request is the oldest one begun
            timer_.start(limits.headerTimeoutMs);
        }
        const RequestHead head = parseRequestHead(input_, limits);
        if (head.status != 0) {
            refuse(head.status, head.reason);
            break;
        }
        if (head.consumed == 0)
            break; // the rest of the head is still to come
        input_.remove(0, head.consumed);
        const qsizetype bodyInInput = qsizetype(qMin<qint64>(head.contentLength, input_.size()));
        input_.remove(0, bodyInInput);
        skipBody_ = head.contentLength - bodyInInput;
        receiving_ = skipBody_ > 0;
        if (!receiving_)
            timer_.stop();

        const quint64 sequence = nextSequence_++;
        pending_.push_back(Pending{sequence, false, head.method == "HEAD", head.close, {}});
        closing_ = head.close;
        HttpRequest request;
        request.method = head.method;
        const qsizetype hash = head.target.indexOf('#');
        const QByteArray target = hash < 0 ? head.target : head.target.left(hash);
        const qsizetype question = target.indexOf('?');
        request.path = question < 0 ? target : target.left(question);
        request.query = question < 0 ? QByteArray() : target.mid(question + 1);
        request.peer = socket_->peerAddress();
        listener_->handler_(request, HttpReply(this, sequence));
    }
    reading_ = false;
}

void HttpConnection::complete(quint64 sequence, const HttpResponse& response)
{
    for (Pending& p : pending_) {
        if (p.sequence == sequence && !p.done) {
            p.done = true;
            p.bytes = serialize(response, p.head, p.close);
            break;
        }
    }
    flushAnswers();
}

void HttpConnection::refuse(int status, const QByteArray& reason)
{
    closing_ = true;
    receiving_ = false;
    input_.clear();
    skipBody_ = 0;
    emit listener_->refused(socket_->peerAddress().toString(), status, reason);
    pending_.push_back(Pending{nextSequence_++, true, false, true, serialize(refusal(status), false, true)});
    flushAnswers();
}

void HttpConnection::flushAnswers()
{
    bool wrote = false;
    while (!pending_.empty() && pending_.front().done) {
        socket_->write(pending_.front().bytes);
        wrote = true;
        const bool close = pending_.front().close;
        pending_.pop_front();
        if (close) {
            pending_.clear();
            closing_ = true;
            timer_.start(kLingerMs);
            break;
        }
    }
    if (wrote)
        socket_->flush();
    if (closing_ && pending_.empty()) {
        if (socket_->bytesToWrite() == 0)
            startLinger();
        return;
    }
    if (isIdle())
        armIdle();
    if (!reading_ && (socket_->bytesAvailable() > 0 || !input_.isEmpty()))
        QTimer::singleShot(0, this, &HttpConnection::readInput);
}

void HttpConnection::onBytesWritten()
{
    if (closing_ && pending_.empty() && socket_->bytesToWrite() == 0 && !lingering_) {
        startLinger();
        return;
    }
    if (isIdle())
        armIdle();
    if (!closing_ && socket_->bytesToWrite() <= kMaxUnsent && socket_->bytesAvailable() > 0)
        readInput();
}

// Shuts the sending side and reads what the client still sends for a moment, so
// that closing with unread bytes does not reset the connection before the client
// has read the answer.
void HttpConnection::startLinger()
{
    if (lingering_)
        return;
    lingering_ = true;
    ::shutdown(int(socket_->socketDescriptor()), SHUT_WR);
    timer_.start(kLingerMs);
    readInput();
}

void HttpConnection::onTimeout()
{
    if (lingering_ || closing_ || (pending_.empty() && !receiving_)) {
        socket_->abort(); // lingered enough, or kept alive with nothing asked
    } else if (receiving_) {
        refuse(408, "request not complete in time");
    }
}

HttpReply::HttpReply(HttpConnection* connection, quint64 sequence)
    : connection_(connection), sequence_(sequence)
{
}

bool HttpReply::send(const HttpResponse& response) const
{
    if (!connection_)
        return false;
    connection_->complete(sequence_, response);
    return true;
}

bool HttpReply::connected() const
{
    return !connection_.isNull();
}

bool HttpReply::followsUnanswered() const
{
    return connection_ && connection_->unansweredBefore(sequence_);
}

HttpListener::HttpListener(const HttpLimits& limits, Handler handler, QObject* parent)
    : QTcpServer(parent), limits_(limits), handler_(std::move(handler)), resumeTimer_(new QTimer(this))
{
    setListenBacklogSize(limits_.backlog);
    resumeTimer_->setSingleShot(true);
    resumeTimer_->setInterval(kAcceptPauseMs);
    connect(resumeTimer_, &QTimer::timeout, this, [this] {
        if (acceptNotifier_)
            acceptNotifier_->setEnabled(true);
    });
}

bool HttpListener::start(const QHostAddress& address, quint16 port)
{
    if (!listen(address, port))
        return false;
    pauseAccepting();
    acceptNotifier_ = new QSocketNotifier(socketDescriptor(), QSocketNotifier::Read, this);
    connect(acceptNotifier_, &QSocketNotifier::activated, this, &HttpListener::acceptWaiting);
    return true;
}

void HttpListener::stop()
{
    delete acceptNotifier_;
    acceptNotifier_ = nullptr;
    resumeTimer_->stop();
    close();
}

void HttpListener::acceptWaiting()
{
    for (int i = 0; i < kAcceptBatch && acceptNotifier_; ++i) {
        const int fd = ::accept4(int(socketDescriptor()), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
        if (fd >= 0) {
            incomingConnection(fd);
            continue;
        }
        if (errno == EINTR || errno == ECONNABORTED)
            continue;
        if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM)
            outOfDescriptors();
        return;
    }
}

// The process has as many descriptors open as it may: the connection cap comes
// down to what fits, and the idlest connections make room. When none can be
// closed, accepting pauses for a moment rather than waking again at once.
void HttpListener::outOfDescriptors()
{
    const int fits = qMax(1, int(connections_.size()) - kDescriptorSlack);
    if (fits < limits_.maxConnections) {
        limits_.maxConnections = fits;
        emit refused(QString(), 503,
                     "out of file descriptors: at most " + QByteArray::number(fits) +
                         " connections from now on");
    }
    bool freed = false;
    while (connections_.size() >= limits_.maxConnections && makeRoom())
        freed = true;
    if (!freed) {
        acceptNotifier_->setEnabled(false);
        resumeTimer_->start();
    }
}

HttpListener::~HttpListener() = default;

void HttpListener::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket;
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(int(descriptor));
        return;
    }
    if (connections_.size() >= limits_.maxConnections && !makeRoom()) {
        // Every connection is busy with a request: this one is told so.
        emit refused(socket->peerAddress().toString(), 503, "connection limit reached");
        socket->setParent(this);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        socket->write(serialize(refusal(503), false, true));
        socket->disconnectFromHost();
        QTimer::singleShot(kLingerMs, socket, &QTcpSocket::abort);
        return;
    }
    connections_.append(new HttpConnection(socket, this));
}

// Closes the connection idle the longest, or else the one whose request has been
// arriving the longest. Returns false when every connection is waiting for its
// answers.
bool HttpListener::makeRoom()
{
    HttpConnection* idlest = nullptr;
    HttpConnection* slowest = nullptr;
    for (HttpConnection* c : std::as_const(connections_)) {
        if (c->isIdle() && (!idlest || c->lastActive() < idlest->lastActive()))
            idlest = c;
        else if (c->isReceiving() && (!slowest || c->lastActive() < slowest->lastActive()))
            slowest = c;
    }
    HttpConnection* victim = idlest ? idlest : slowest;
    if (!victim)
        return false;
    forget(victim);
    victim->drop();
    return true;
}

void HttpListener::forget(HttpConnection* connection)
{
    connections_.removeOne(connection);
}

} // namespace hofd
