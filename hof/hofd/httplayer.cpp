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
// Bytes Qt reads ahead for one connection (a head is gathered in the
// connection's own buffer, up to the largest allowed).
constexpr qint64 kReadBuffer = 4 * 1024;
// Answers not yet taken by their client: past this no further request of that
// connection is read, so a client that pipelines and never reads holds this
// much of the service's memory, and the kernel's send buffer below, at most.
constexpr qint64 kMaxUnsent = 16 * 1024;
// The kernel's send buffer, fixed (it doubles it to 16 KiB): grown by the kernel
// for a client that never reads it would take megabytes of answers, and those
// taken go to the client's receive buffer, every page costing the service its
// making. Three list pages; a client that reads keeps it empty.
constexpr int kSendBuffer = 8 * 1024;
// A head that arrives in many small pieces (a byte at a time) is gathered by the
// kernel: after kHeadPieces reads the socket wakes the service only once the
// largest head could be complete, or after a wait of kHeadPieceWaitMs, doubled
// for each further wait up to kHeadPieceMaxWaitMs. A head in two pieces (one
// over a network's packet size) is not held back.
constexpr int kHeadPieces = 2;
constexpr int kHeadPieceWaitMs = 100;
constexpr int kHeadPieceMaxWaitMs = 800;
constexpr int kLingerMs = 2000; // reading what a refused client still sends
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

// Only spaces and tabs surround a field value; any other control character is
// refused rather than read as padding, so that every reader of the stream reads
// the same requests.
QByteArray trimSpaces(const QByteArray& text)
{
    qsizetype begin = 0, end = text.size();
    while (begin < end && (text.at(begin) == ' ' || text.at(begin) == '\t'))
        ++begin;
    while (end > begin && (text.at(end - 1) == ' ' || text.at(end - 1) == '\t'))
        --end;
    return text.mid(begin, end - begin);
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

// One write per answer: a head and a body written apart would wait for the
// client's acknowledgement of the head (Nagle's algorithm).
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
        const QByteArray value = trimSpaces(field.mid(colon + 1));
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
                h.close = h.close || trimSpaces(option).toLower() == "close";
        }
    }
    if (!codings.isEmpty()) {
        if (haveLength)
            return refuse(400, "both Content-Length and Transfer-Encoding");
        if (!http11 || trimSpaces(codings.split(',').last()).toLower() != "chunked")
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
    quint64 id() const { return id_; }
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
    qsizetype headEnd();
    void forgetHead(qsizetype bytes);
    void flushAnswers();
    void refuse(int status, const QByteArray& reason);
    void onTimeout();
    void onBytesWritten();
    void startLinger();
    void armIdle();
    void readLater();
    void gatherHead(bool on);
    bool outputFull() const;

    static inline quint64 lastId_ = 0;
    const quint64 id_ = ++lastId_;
    QTcpSocket* socket_;
    HttpListener* listener_;
    QTimer timer_;
    QTimer gatherTimer_;
    QByteArray input_;
    qsizetype scanned_ = 0;    // bytes of input_ searched for the end of the head
    qsizetype lineStart_ = -1; // where the head's current line begins; -1: no request line yet
    bool requestLineRead_ = false;
    int headPieces_ = 0; // reads that left the head incomplete
    int gatherMs_ = kHeadPieceWaitMs;
    bool gathering_ = false; // the kernel gathers the head's bytes
    qint64 skipBody_ = 0;
    std::deque<Pending> pending_;
    qint64 heldBytes_ = 0;       // answers complete but waiting behind an earlier one
    qint64 lastAnswerBytes_ = 0; // what an answer not made yet is taken to need
    bool readLater_ = false;
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
    gatherTimer_.setSingleShot(true);
    connect(&gatherTimer_, &QTimer::timeout, this, [this] { gatherHead(false); });
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

// The answers not taken by the client yet, those waiting behind an earlier one,
// and those still to be made (as large as the last one) fill the room for them.
bool HttpConnection::outputFull() const
{
    qint64 unsent = socket_->bytesToWrite() + heldBytes_;
    for (const Pending& p : pending_)
        unsent += p.done ? 0 : lastAnswerBytes_;
    return unsent > kMaxUnsent;
}

// Reading resumes from the event loop, never from within an answer being sent:
// a handler is not called again while it is answering.
void HttpConnection::readLater()
{
    if (readLater_)
        return;
    readLater_ = true;
    QTimer::singleShot(0, this, [this] {
        readLater_ = false;
        readInput();
    });
}

// Kept alive with nothing asked, or with answers the client does not take: the
// idle timeout runs from the last answer written.
void HttpConnection::armIdle()
{
    lastActive_ = now();
    timer_.start(listener_->limits().idleTimeoutMs);
}

// The length of the head at the front of input_ once its blank line has come,
// else 0. Each byte is looked at once, however the head is split into reads.
qsizetype HttpConnection::headEnd()
{
    while (scanned_ < input_.size()) {
        if (lineStart_ < 0) { // empty lines before a request line are ignored
            const char c = input_.at(scanned_);
            if (c != '\r' && c != '\n')
                lineStart_ = scanned_;
            else
                ++scanned_;
            continue;
        }
        const qsizetype newline = input_.indexOf('\n', scanned_);
        if (newline < 0) {
            scanned_ = input_.size();
            return 0;
        }
        const bool blank =
            newline == lineStart_ || (newline == lineStart_ + 1 && input_.at(lineStart_) == '\r');
        scanned_ = lineStart_ = newline + 1;
        if (blank) // the request line is never blank: the head is complete
            return scanned_;
        requestLineRead_ = true;
    }
    return 0;
}

void HttpConnection::forgetHead(qsizetype bytes)
{
    input_.remove(0, bytes);
    scanned_ = 0;
    lineStart_ = -1;
    requestLineRead_ = false;
    headPieces_ = 0;
    gatherMs_ = kHeadPieceWaitMs;
    if (gathering_)
        gatherHead(false);
}

// Every wake-up costs far more than the bytes it brings when they come one at a
// time; the kernel holds them back until a good number has come.
void HttpConnection::gatherHead(bool on)
{
    gathering_ = on;
    const int lowWater = on ? int(qMax<qint64>(1, listener_->limits().maxHeader + 4 - input_.size())) : 1;
    ::setsockopt(int(socket_->socketDescriptor()), SOL_SOCKET, SO_RCVLOWAT, &lowWater, sizeof lowWater);
    if (on) {
        gatherTimer_.start(gatherMs_);
        gatherMs_ = qMin(2 * gatherMs_, kHeadPieceMaxWaitMs);
    } else {
        gatherTimer_.stop();
    }
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
        if (pending_.size() >= std::size_t(limits.maxPipelined) || outputFull())
            break; // resumed once answers are written
        const qint64 room = limits.maxHeader + 4 - input_.size();
        if (room > 0 && socket_->bytesAvailable() > 0)
            input_ += socket_->read(qMin(room, socket_->bytesAvailable()));
        if (input_.isEmpty())
            break;
        if (!receiving_) {
            receiving_ = true;
            lastActive_ = now(); // the slowest request is the oldest one begun
            timer_.start(limits.headerTimeoutMs);
        }
        // The head is read once it is complete; its request line as soon as it
        // is, and anything too long at once, so that those are refused early.
        const bool lineBefore = requestLineRead_;
        const qsizetype end = headEnd();
        const bool tooLong =
            input_.size() > limits.maxHeader ||
            (!requestLineRead_ && lineStart_ >= 0 && input_.size() - lineStart_ > limits.maxRequestLine);
        if (end == 0 && lineBefore == requestLineRead_ && !tooLong) { // the rest is still to come
            if (++headPieces_ >= kHeadPieces && !gathering_)
                gatherHead(true);
            break;
        }
        const RequestHead head = parseRequestHead(input_, limits);
        if (head.status != 0) {
            refuse(head.status, head.reason);
            break;
        }
        if (head.consumed == 0)
            break;
        forgetHead(head.consumed);
        const qsizetype bodyInInput = qsizetype(qMin<qint64>(head.contentLength, input_.size()));
        forgetHead(bodyInInput);
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
            heldBytes_ += p.bytes.size();
            lastAnswerBytes_ = p.bytes.size();
            break;
        }
    }
    flushAnswers();
}

void HttpConnection::refuse(int status, const QByteArray& reason)
{
    closing_ = true;
    receiving_ = false;
    forgetHead(input_.size());
    skipBody_ = 0;
    emit listener_->refused(socket_->peerAddress().toString(), status, reason);
    pending_.push_back(Pending{nextSequence_++, true, false, true, serialize(refusal(status), false, true)});
    heldBytes_ += pending_.back().bytes.size();
    flushAnswers();
}

void HttpConnection::flushAnswers()
{
    bool wrote = false;
    while (!pending_.empty() && pending_.front().done) {
        socket_->write(pending_.front().bytes);
        heldBytes_ -= pending_.front().bytes.size();
        wrote = true;
        const bool close = pending_.front().close;
        pending_.pop_front();
        if (close) {
            pending_.clear();
            heldBytes_ = 0;
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
    if (!reading_ && !outputFull() && (socket_->bytesAvailable() > 0 || !input_.isEmpty()))
        readLater();
}

void HttpConnection::onBytesWritten()
{
    if (closing_ && pending_.empty() && socket_->bytesToWrite() == 0 && !lingering_) {
        startLinger();
        return;
    }
    if (isIdle())
        armIdle(); // the client takes its answers: it is not idle yet
    if (!closing_ && !outputFull() && (socket_->bytesAvailable() > 0 || !input_.isEmpty()))
        readLater();
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
        // Lingered enough, kept alive with nothing asked, or its answers not
        // taken for the idle timeout.
        socket_->abort();
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

quint64 HttpReply::connectionId() const
{
    return connection_ ? connection_->id() : 0;
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
    const int sendBuffer = kSendBuffer;
    ::setsockopt(int(descriptor), SOL_SOCKET, SO_SNDBUF, &sendBuffer, sizeof sendBuffer);
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
