#include "hof/hofd/hofserver.h"

#include "hof/hofd/hofpage.h"

#include <QDateTime>
#include <cstdio>

namespace hofd
{

namespace
{

const char* const kPath = "/games/triv/triviahf.asp";

void logLine(const QString& peer, const QString& text, int status, const QElapsedTimer& since)
{
    const QString line = QStringLiteral("%1 %2 %3 %4 %5ms\n")
                             .arg(QDateTime::currentDateTimeUtc().toString(Qt::ISODate), peer, text)
                             .arg(status)
                             .arg(double(since.nsecsElapsed()) / 1e6, 0, 'f', 2);
    std::fputs(line.toLocal8Bit().constData(), stderr);
}

} // namespace

// A submission to store, or a listing asked after submissions still waiting.
struct HofServer::Waiting {
    bool store;
    Submission entry;
    HttpReply reply;
    QString peer;
    QElapsedTimer since;
};

HofServer::HofServer(HofStore& store, const HofServerOptions& options, QObject* parent)
    : QObject(parent), store_(store), options_(options),
      rate_(options.submissionsPerMinute, options.submissionBurst)
{
    clock_.start();
    storeTimer_.setSingleShot(true);
    storeTimer_.setInterval(0);
    connect(&storeTimer_, &QTimer::timeout, this, &HofServer::storeWaiting);
}

HofServer::~HofServer() = default;

quint16 HofServer::start(const QHostAddress& address, quint16 port, QString* error)
{
    auto* tcp = new HttpListener(
        options_.http, [this](const HttpRequest& request, const HttpReply& reply) { handle(request, reply); },
        this);
    connect(tcp, &HttpListener::refused, this, [](const QString& peer, int status, const QByteArray& reason) {
        QElapsedTimer none;
        none.start();
        logLine(peer.isEmpty() ? QStringLiteral("-") : peer,
                QStringLiteral("(refused: %1)").arg(QLatin1String(reason)), status, none);
    });
    if (!tcp->start(address, port)) {
        *error = QStringLiteral("cannot listen on %1 port %2: %3")
                     .arg(address.toString())
                     .arg(port)
                     .arg(tcp->errorString());
        delete tcp;
        return 0;
    }
    listeners_.append(tcp);
    return tcp->serverPort();
}

void HofServer::stop()
{
    for (const QPointer<HttpListener>& tcp : std::as_const(listeners_)) {
        if (tcp)
            tcp->stop();
    }
    storeTimer_.stop();
    storeWaiting();
}

void HofServer::handle(const HttpRequest& request, const HttpReply& reply)
{
    QElapsedTimer since;
    since.start();
    const QString peer = request.peer.toString();
    if (request.path != kPath) {
        answer(reply, peer, 404,
               errorPage(QStringLiteral("Not found"), QStringLiteral("There is no page at this address.")),
               QStringLiteral("(unknown path)"), since);
        return;
    }
    const bool head = request.method == "HEAD";
    if (request.method != "GET" && !head) {
        answer(reply, peer, 405,
               errorPage(QStringLiteral("Method not allowed"),
                         QStringLiteral("Only GET and HEAD are served here.")),
               QStringLiteral("(method not allowed)"), since, {{"Allow", "GET, HEAD"}});
        return;
    }
    const HofRequest parsed = parseHofQuery(request.query);
    const QString what =
        (parsed.submit ? QStringLiteral("submit game=") : QStringLiteral("list game=")) + parsed.entry.game;
    if (!parsed.error.isEmpty()) {
        answer(reply, peer, 400, errorPage(QStringLiteral("Not stored"), parsed.error), what, since);
        return;
    }
    if (parsed.submit && !head) {
        int retryAfter = 0;
        if (!rate_.take(request.peer, clock_.elapsed(), &retryAfter)) {
            answer(reply, peer, 429,
                   errorPage(QStringLiteral("Too many entries"),
                             QStringLiteral("Too many entries from this computer; please try again in %1 s.")
                                 .arg(retryAfter)),
                   what, since, {{"Retry-After", QByteArray::number(retryAfter)}});
            return;
        }
        waiting_.push_back(std::unique_ptr<Waiting>(new Waiting{true, parsed.entry, reply, peer, since}));
        if (!storeTimer_.isActive())
            storeTimer_.start();
        return;
    }
    if (reply.followsUnanswered()) { // its client's own submissions come first
        waiting_.push_back(std::unique_ptr<Waiting>(new Waiting{false, parsed.entry, reply, peer, since}));
        return;
    }
    listing(parsed.entry.game, reply, peer, since);
}

void HofServer::listing(const QString& game, const HttpReply& reply, const QString& peer,
                        const QElapsedTimer& since)
{
    const QString what = QStringLiteral("list game=") + game;
    if (store_.changedElsewhere()) {
        best_.clear();
        pages_.clear();
    }
    auto page = pages_.constFind(game);
    if (page == pages_.cend()) {
        QList<ListedEntry> entries;
        if (!bestOf(game, &entries)) {
            answer(reply, peer, 500,
                   errorPage(QStringLiteral("Server error"),
                             QStringLiteral("The list cannot be read just now.")),
                   what, since);
            return;
        }
        page = pages_.insert(game, listPage(game, entries));
    }
    answer(reply, peer, 200, *page, what, since);
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
    for (const auto& w : batch) {
        if (w->store)
            entries.append(w->entry);
    }
    QList<qint64> ids;
    QString error;
    const bool stored = store_.addAll(entries, QDateTime::currentDateTimeUtc(), &ids, &error);
    if (!stored)
        std::fprintf(stderr, "%s\n", qPrintable(error));
    for (const auto& w : batch) {
        if (w->store) {
            best_.remove(w->entry.game);
            pages_.remove(w->entry.game);
        }
    }
    qsizetype storedIndex = 0;
    for (const auto& waiting : batch) {
        Waiting& w = *waiting;
        if (!w.store) {
            listing(w.entry.game, w.reply, w.peer, w.since);
            continue;
        }
        const qint64 id = stored ? ids.at(storedIndex++) : 0;
        const QString what = QStringLiteral("submit game=") + w.entry.game;
        if (!w.reply.connected()) {
            logLine(w.peer, what + QStringLiteral(" (client gone)"), stored ? 200 : 500, w.since);
            continue;
        }
        if (!stored) {
            answer(w.reply, w.peer, 500,
                   errorPage(QStringLiteral("Not stored"),
                             QStringLiteral("The entry could not be stored just now; please try again.")),
                   what, w.since);
            continue;
        }
        // Stored and committed: even when the list cannot be read back, the
        // answer acknowledges the entry.
        QList<ListedEntry> entries;
        bestOf(w.entry.game, &entries);
        answer(w.reply, w.peer, 200, listPage(w.entry.game, entries, id, w.entry.score), what, w.since);
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

void HofServer::answer(const HttpReply& reply, const QString& peer, int status, const QByteArray& page,
                       const QString& logText, const QElapsedTimer& since,
                       const QList<QPair<QByteArray, QByteArray>>& extra)
{
    HttpResponse response;
    response.status = status;
    response.body = page;
    response.headers = {{"Content-Type", "text/html; charset=utf-8"},
                        {"Cache-Control", "no-store"},
                        {"X-Content-Type-Options", "nosniff"}};
    response.headers.append(extra);
    reply.send(response);
    logLine(peer, logText, status, since);
}

} // namespace hofd
