#include "hof/hofd/hofserver.h"

#include "hof/hofd/hofpage.h"
#include "hof/hofd/hofstore.h"
#include "hof/hofd/requestguard.h"

#include <QDateTime>
#include <QHttpServerRequest>
#include <QHttpServerResponder>
#include <QTcpSocket>
#include <cstdio>

namespace hofd
{

namespace
{

const char* const kPath = "/games/triv/triviahf.asp";
using Status = QHttpServerResponder::StatusCode;

void logLine(const QString& peer, const QString& text, int status, const QElapsedTimer& since)
{
    const QString line = QStringLiteral("%1 %2 %3 %4 %5ms\n")
                             .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate), peer, text)
                             .arg(status)
                             .arg(double(since.nsecsElapsed()) / 1e6, 0, 'f', 2);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

bool wantsClose(const QHttpServerRequest& request)
{
    return request.value("Connection").toLower().contains("close");
}

QString peerOf(const QTcpSocket* socket)
{
    return socket ? socket->peerAddress().toString() : QStringLiteral("-");
}

} // namespace

struct HofServer::Waiting {
    Submission entry;
    QHttpServerResponder responder;
    QPointer<QTcpSocket> socket;
    QString peer;
    QElapsedTimer since;
    bool close;
};

HofServer::HofServer(HofStore& store, QObject* parent) : QAbstractHttpServer(parent), store_(store)
{
    storeTimer_.setSingleShot(true);
    storeTimer_.setInterval(0);
    connect(&storeTimer_, &QTimer::timeout, this, &HofServer::storeWaiting);
}

HofServer::~HofServer() = default;

quint16 HofServer::start(const QHostAddress& address, quint16 port, QString* error)
{
    auto* tcp = new GuardedTcpServer(this);
    connect(tcp, &GuardedTcpServer::refused, this, [](const QString& peer, int status) {
        QElapsedTimer none;
        none.start();
        logLine(peer, QStringLiteral("(oversized request refused)"), status, none);
    });
    if (!tcp->listen(address, port)) {
        *error = QStringLiteral("cannot listen on %1 port %2: %3")
                     .arg(address.toString())
                     .arg(port)
                     .arg(tcp->errorString());
        delete tcp;
        return 0;
    }
    bind(tcp);
    listeners_.append(tcp);
    return tcp->serverPort();
}

void HofServer::stop()
{
    for (const QPointer<QTcpServer>& tcp : listeners_) {
        if (tcp)
            tcp->close();
    }
    storeTimer_.stop();
    storeWaiting();
}

bool HofServer::handleRequest(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QElapsedTimer since;
    since.start();
    const QUrl url = request.url();
    if (url.path() != QLatin1String(kPath))
        return false;
    const bool close = wantsClose(request);
    QHttpServerResponder responder = makeResponder(request, socket);
    if (request.method() != QHttpServerRequest::Method::Get) {
        answer(responder, socket, 405,
               errorPage(QStringLiteral("Method not allowed"), QStringLiteral("Only GET is served here.")),
               QStringLiteral("(not GET) ") + url.path(), since, close);
        return true;
    }
    const HofRequest parsed = parseHofQuery(url.query(QUrl::FullyEncoded).toLatin1());
    const QString what =
        (parsed.submit ? QStringLiteral("submit game=") : QStringLiteral("list game=")) + parsed.entry.game;
    if (!parsed.error.isEmpty()) {
        answer(responder, socket, 400, errorPage(QStringLiteral("Not stored"), parsed.error), what, since,
               close);
        return true;
    }
    if (parsed.submit) {
        waiting_.push_back(std::unique_ptr<Waiting>(
            new Waiting{parsed.entry, std::move(responder), socket, peerOf(socket), since, close}));
        if (!storeTimer_.isActive())
            storeTimer_.start();
        return true;
    }
    auto page = pages_.constFind(parsed.entry.game);
    if (page == pages_.cend()) {
        QList<ListedEntry> entries;
        if (!bestOf(parsed.entry.game, &entries)) {
            answer(responder, socket, 500,
                   errorPage(QStringLiteral("Server error"),
                             QStringLiteral("The list cannot be read just now.")),
                   what, since, close);
            return true;
        }
        page = pages_.insert(parsed.entry.game, listPage(parsed.entry.game, entries));
    }
    answer(responder, socket, 200, *page, what, since, close);
    return true;
}

void HofServer::missingHandler(const QHttpServerRequest& request, QTcpSocket* socket)
{
    QElapsedTimer since;
    since.start();
    QHttpServerResponder responder = makeResponder(request, socket);
    answer(responder, socket, 404,
           errorPage(QStringLiteral("Not found"), QStringLiteral("There is no page at this address.")),
           QStringLiteral("(unknown path)"), since, wantsClose(request));
}

// Stores every waiting submission in one transaction, then answers each with the
// list page; nothing is acknowledged before the commit.
void HofServer::storeWaiting()
{
    if (waiting_.empty())
        return;
    std::vector<std::unique_ptr<Waiting>> batch;
    batch.swap(waiting_);
    QList<Submission> entries;
    for (const auto& w : batch)
        entries.append(w->entry);
    QList<qint64> ids;
    QString error;
    const bool stored = store_.addAll(entries, QDateTime::currentDateTimeUtc(), &ids, &error);
    if (!stored)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    for (const auto& w : batch) {
        best_.remove(w->entry.game);
        pages_.remove(w->entry.game);
    }
    for (std::size_t i = 0; i < batch.size(); ++i) {
        Waiting& w = *batch[i];
        const QString what = QStringLiteral("submit game=") + w.entry.game;
        if (!w.socket || w.socket->state() != QAbstractSocket::ConnectedState) {
            logLine(w.peer, what + QStringLiteral(" (client gone)"), stored ? 200 : 500, w.since);
            continue;
        }
        if (!stored) {
            answer(w.responder, w.socket, 500,
                   errorPage(QStringLiteral("Not stored"),
                             QStringLiteral("The entry could not be stored just now; please try again.")),
                   what, w.since, w.close);
            continue;
        }
        // Stored and committed: even when the list cannot be read back, the
        // answer acknowledges the entry.
        QList<ListedEntry> entries;
        bestOf(w.entry.game, &entries);
        answer(w.responder, w.socket, 200,
               listPage(w.entry.game, entries, ids.at(qsizetype(i)), w.entry.score), what, w.since, w.close);
    }
}

bool HofServer::bestOf(const QString& game, QList<ListedEntry>* out)
{
    const auto known = best_.constFind(game);
    if (known != best_.cend()) {
        *out = *known;
        return true;
    }
    QString error;
    if (!store_.top(game, kListed, out, &error)) {
        std::fprintf(stderr, "%s\n", qPrintable(error));
        return false;
    }
    if (best_.size() >= 64) { // many game codes asked: start afresh
        best_.clear();
        pages_.clear();
    }
    best_.insert(game, *out);
    return true;
}

void HofServer::answer(QHttpServerResponder& responder, QTcpSocket* socket, int status,
                       const QByteArray& page, const QString& logText, const QElapsedTimer& since, bool close)
{
    if (close)
        responder.write(page,
                        {{"Content-Type", "text/html; charset=utf-8"},
                         {"Cache-Control", "no-store"},
                         {"X-Content-Type-Options", "nosniff"},
                         {"Connection", "close"}},
                        Status(status));
    else
        responder.write(page,
                        {{"Content-Type", "text/html; charset=utf-8"},
                         {"Cache-Control", "no-store"},
                         {"X-Content-Type-Options", "nosniff"}},
                        Status(status));
    if (socket && close)
        socket->disconnectFromHost(); // after the answer is written
    else if (socket)
        socket->flush();
    logLine(peerOf(socket), logText, status, since);
}

} // namespace hofd
