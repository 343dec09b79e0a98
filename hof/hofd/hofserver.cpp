#include "hof/hofd/hofserver.h"

#include "hof/hofd/hofpage.h"

#include <QDateTime>
#include <algorithm>
#include <cstdio>
#include <utility>

namespace hofd
{

namespace
{

const char* const kPath = "/games/triv/triviahf.asp";
constexpr int kMaxBatch = 500;      // entries stored in one transaction
constexpr int kMaxCachedGames = 64; // more game codes asked: the lists in memory start afresh
constexpr int kMaxDoubtful = 10000; // entries remembered as perhaps stored

void logLine(const QString& peer, const QString& text, int status, const QElapsedTimer& since)
{
    const QString line = QDateTime::currentDateTimeUtc().toString(Qt::ISODate) + u' ' + peer + u' ' +
                         escapedForLog(text) + u' ' + QString::number(status) + u' ' +
                         QString::number(double(since.nsecsElapsed()) / 1e6, 'f', 2) + QStringLiteral("ms\n");
    std::fputs(line.toUtf8().constData(), stderr);
}

void logProblem(const QString& text)
{
    std::fputs((escapedForLog(text) + u'\n').toUtf8().constData(), stderr);
}

QString entryKey(const Submission& e)
{
    return QStringList{e.game, QString::number(e.score), e.name, QString::number(e.difficulty), e.email}.join(
        QChar(0));
}

template <typename T> void dropAnswered(std::vector<std::shared_ptr<T>>& list)
{
    list.erase(std::remove_if(list.begin(), list.end(), [](const auto& item) { return item->answered; }),
               list.end());
}

} // namespace

QString escapedForLog(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const char32_t c : text.toUcs4()) {
        const bool control = c < 0x20 || (c >= 0x7f && c < 0xa0);
        const bool hiding = c == 0x2028 || c == 0x2029 || c == 0x200e || c == 0x200f || c == 0xfeff ||
                            (c >= 0x202a && c <= 0x202e) || (c >= 0x2066 && c <= 0x2069);
        if (c == u'\\')
            out += QStringLiteral("\\\\");
        else if (control)
            out += QStringLiteral("\\x") + QString::number(uint(c), 16).rightJustified(2, u'0');
        else if (hiding)
            out += QStringLiteral("\\u{") + QString::number(uint(c), 16) + u'}';
        else
            out += QStringView(QChar::fromUcs4(c));
    }
    return out;
}

// A submission waiting to be stored and answered.
struct HofServer::Submit {
    Submission entry;
    HttpReply reply;
    QHostAddress client;
    quint64 connection = 0;
    QString peer;
    QElapsedTimer since;
    QString key;           // what makes two entries identical
    QDateTime arrived;     // UTC
    QDateTime sameSince;   // the retry of a doubtful entry: its first attempt
    QDeadlineTimer stored; // not stored after this
    qint64 giveUpAt = 0;   // clock_ ms: answered 503 then
    bool answered = false;
    bool done = false; // counted out of its connection's unanswered submissions
};

// A listing waiting for the reader.
struct HofServer::Listing {
    QString game;
    HttpReply reply;
    QString peer;
    QElapsedTimer since;
    qint64 giveUpAt = 0; // clock_ ms: served from memory then, or 503 when not there
    bool answered = false;
};

HofServer::HofServer(HofDatabase& database, const HofServerOptions& options, QObject* parent)
    : QObject(parent), database_(database), options_(options),
      rate_(options.submissionsPerMinute, options.submissionBurst)
{
    clock_.start();
    storeTimer_.setSingleShot(true);
    storeTimer_.setInterval(0); // the submissions of one pass of the event loop go together
    connect(&storeTimer_, &QTimer::timeout, this, &HofServer::storeQueued);
    giveUpTimer_.setSingleShot(true);
    connect(&giveUpTimer_, &QTimer::timeout, this, &HofServer::giveUp);
    connect(&database_, &HofDatabase::changed, this, &HofServer::forgetAll);
    connect(&database_, &HofDatabase::watching, this, [this](bool on) { watching_ = on; });
}

HofServer::~HofServer() = default;

brev::Problem HofServer::start(const QHostAddress& address, quint16 port, quint16* bound)
{
    auto* tcp = new HttpListener(
        options_.http, [this](const HttpRequest& request, const HttpReply& reply) { handle(request, reply); },
        this);
    connect(tcp, &HttpListener::refused, this, [](const QString& peer, int status, const QByteArray& reason) {
        QElapsedTimer none;
        none.start();
        logLine(peer.isEmpty() ? QStringLiteral("-") : peer,
                QStringLiteral("(refused: ") + QLatin1String(reason) + u')', status, none);
    });
    if (!tcp->start(address, port)) {
        const QString why = QStringLiteral("cannot listen on %1 port %2: %3")
                                .arg(address.toString())
                                .arg(port)
                                .arg(tcp->errorString());
        delete tcp;
        return why;
    }
    listeners_.append(tcp);
    *bound = tcp->serverPort();
    return {};
}

void HofServer::stop()
{
    for (const QPointer<HttpListener>& tcp : std::as_const(listeners_)) {
        if (tcp)
            tcp->stop();
    }
    stopping_ = true;
    storeTimer_.stop();
    storeQueued();
    checkDrained();
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
    if (parsed.problem) {
        answer(reply, peer, 400, errorPage(QStringLiteral("Not stored"), *parsed.problem), what, since);
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
        auto s = std::make_shared<Submit>();
        s->entry = parsed.entry;
        s->reply = reply;
        s->client = request.peer;
        s->peer = peer;
        s->since = since;
        submit(s);
        return;
    }
    auto l = std::make_shared<Listing>();
    l->game = parsed.entry.game;
    l->reply = reply;
    l->peer = peer;
    l->since = since;
    if (unansweredSubmissions_.value(reply.connectionId()) > 0) // its client's own entries come first
        behindOwn_.push_back(l);
    else
        list(l);
}

void HofServer::submit(const SubmitPtr& s)
{
    s->key = entryKey(s->entry);
    s->arrived = QDateTime::currentDateTimeUtc();
    s->stored = QDeadlineTimer(options_.databaseTimeoutMs);
    s->giveUpAt = clock_.elapsed() + options_.databaseTimeoutMs;
    const auto doubt = doubtful_.constFind(s->key);
    if (doubt != doubtful_.cend() && clock_.elapsed() - doubt->atMs < kDoubtfulWindowMs)
        s->sameSince = doubt->since;
    s->connection = s->reply.connectionId();
    ++unansweredSubmissions_[s->connection];
    queued_.push_back(s);
    if (!storeTimer_.isActive())
        storeTimer_.start();
    if (!giveUpTimer_.isActive())
        armGiveUp();
}

void HofServer::storeQueued()
{
    if (writerBusy_ || queued_.empty())
        return;
    const auto end = queued_.begin() + qMin<qsizetype>(kMaxBatch, qsizetype(queued_.size()));
    storing_.assign(queued_.begin(), end);
    queued_.erase(queued_.begin(), end);
    StoreBatch batch;
    batch.when = QDateTime::currentDateTimeUtc();
    for (const SubmitPtr& s : storing_) {
        batch.entries.append(s->entry);
        batch.deadlines.append(s->stored);
        batch.sameSince.append(s->sameSince);
    }
    writerBusy_ = true;
    QPointer<HofServer> self(this);
    database_.store(batch, [self](const StoreResult& result) {
        if (self)
            self->stored(result);
    });
}

void HofServer::stored(const StoreResult& result)
{
    writerBusy_ = false;
    const std::vector<SubmitPtr> batch = std::move(storing_);
    storing_.clear();
    if (result.problem)
        logProblem(*result.problem);
    if (result.changedElsewhere) {
        forgetAll();                     // another writer too: every list is read again
    } else if (!result.best.isEmpty()) { // fresher than any list being read
        // Taken in now, this service's own commit does not read as another
        // writer's at the next listing. The lists just read hold every change
        // up to the commit; other games' lists are dropped, as they may have
        // missed one; a change made after the writer last looked is caught by
        // the writer within a second.
        if (database_.isSqlite() && database_.changedElsewhere() != HofStore::Change::Unknown) {
            best_.removeIf([&](const auto& it) { return !result.best.contains(it.key()); });
            pages_.removeIf([&](const auto& it) { return !result.best.contains(it.key()); });
        }
        ++generation_;
        for (auto it = result.best.cbegin(); it != result.best.cend(); ++it)
            remember(it.key(), it.value());
    }
    for (qsizetype i = 0; i < qsizetype(batch.size()); ++i) {
        const SubmitPtr& s = batch[std::size_t(i)];
        const QString what = QStringLiteral("submit game=") + s->entry.game;
        const qint64 id = result.ids.value(i);
        const brev::Problem refused = result.refused.value(i);
        if (id != 0 && s->answered) {
            logLine(s->peer, what + QStringLiteral(" (stored after its 503)"), 200, s->since);
        } else if (id != 0 && !s->reply.connected()) {
            logLine(s->peer, what + QStringLiteral(" (client gone)"), 200, s->since);
        } else if (id != 0) {
            // Stored and committed: even when the list cannot be read back, the
            // answer acknowledges the entry.
            answer(s->reply, s->peer, 200,
                   listPage(s->entry.game, result.best.value(s->entry.game), id, s->entry.score), what,
                   s->since);
            // Settled: the next identical entry is another game, stored anew.
            doubtful_.remove(s->key);
        } else if (refused) {
            logProblem(*refused);
            if (!s->answered) {
                rate_.giveBack(s->client); // not stored: not counted
                answer(s->reply, s->peer, 500,
                       errorPage(QStringLiteral("Not stored"),
                                 QStringLiteral("The database refused this entry.")),
                       what, s->since);
            }
        } else if (!s->answered) {
            answerNotStored(s);
        }
        if ((id != 0 && s->answered) || (id == 0 && !refused && result.uncertain))
            rememberDoubtful(*s);
        s->answered = true;
        submissionDone(s);
    }
    storeQueued();
    armGiveUp();
    checkDrained();
}

// Perhaps stored unseen: a retry finds it rather than storing it twice. When the
// table is full, the entries past their window make room; when none has passed
// it, the entry is not remembered.
void HofServer::rememberDoubtful(const Submit& s)
{
    const qint64 now = clock_.elapsed();
    if (doubtful_.size() >= kMaxDoubtful)
        doubtful_.removeIf([&](const auto& it) { return it.value().atMs < now - kDoubtfulWindowMs; });
    if (doubtful_.size() < kMaxDoubtful)
        doubtful_.insert(s.key, {s.sameSince.isValid() ? s.sameSince : s.arrived, now});
}

// After the database kept a request waiting: ask again once its timeout, in
// whole seconds, has passed.
QPair<QByteArray, QByteArray> HofServer::retryAfterTimeout() const
{
    return {"Retry-After", QByteArray::number(qMax(1, options_.databaseTimeoutMs / 1000))};
}

// Not stored, or not known to be: it does not count against its client's rate.
void HofServer::answerNotStored(const SubmitPtr& s)
{
    s->answered = true;
    rate_.giveBack(s->client);
    answer(s->reply, s->peer, 503,
           errorPage(QStringLiteral("Not stored"),
                     QStringLiteral("The entry could not be stored just now; please try again.")),
           QStringLiteral("submit game=") + s->entry.game, s->since,
           {retryAfterTimeout()});
}

// Its connection's listings waiting behind it may be answered once every
// submission before them is.
void HofServer::submissionDone(const SubmitPtr& s)
{
    if (s->done)
        return;
    s->done = true;
    const quint64 connection = s->connection;
    const auto count = unansweredSubmissions_.find(connection);
    if (count == unansweredSubmissions_.end() || --*count > 0)
        return;
    unansweredSubmissions_.erase(count);
    std::vector<ListingPtr> released;
    behindOwn_.erase(std::remove_if(behindOwn_.begin(), behindOwn_.end(),
                                    [&](const ListingPtr& l) {
                                        const quint64 id = l->reply.connectionId();
                                        if (id != connection && id != 0)
                                            return false;
                                        released.push_back(l);
                                        return true;
                                    }),
                     behindOwn_.end());
    for (const ListingPtr& l : released)
        list(l);
}

void HofServer::list(const ListingPtr& l)
{
    // A list in memory is served at once while PostgreSQL notifies every
    // change, or while SQLite's data version says nothing changed.
    const auto known = best_.constFind(l->game);
    bool fresh = known != best_.cend() && watching_;
    if (known != best_.cend() && !watching_ && database_.isSqlite()) {
        const HofStore::Change change = database_.changedElsewhere();
        fresh = change == HofStore::Change::None;
        if (change == HofStore::Change::Some)
            forgetAll();
    }
    if (fresh) {
        serveList(l, &*known);
        return;
    }
    const bool inMemory = best_.contains(l->game); // served from memory if the reader is slow
    l->giveUpAt = clock_.elapsed() + (inMemory ? kCachedWaitMs : options_.databaseTimeoutMs);
    toRead_.push_back(l);
    readQueued();
    if (!giveUpTimer_.isActive() || giveUpTimer_.remainingTime() > l->giveUpAt - clock_.elapsed())
        armGiveUp();
}

void HofServer::readQueued()
{
    dropAnswered(toRead_);
    if (readerBusy_ || toRead_.empty())
        return;
    reading_.swap(toRead_);
    toRead_.clear();
    QStringList games;
    for (const ListingPtr& l : reading_) {
        if (!games.contains(l->game))
            games.append(l->game);
    }
    readerBusy_ = true;
    const quint64 generation = generation_;
    QPointer<HofServer> self(this);
    database_.read(games, [self, generation](const ReadResult& result) {
        if (self)
            self->read(result, generation);
    });
}

void HofServer::read(const ReadResult& result, quint64 generation)
{
    readerBusy_ = false;
    const std::vector<ListingPtr> batch = std::move(reading_);
    reading_.clear();
    if (result.problem)
        logProblem(*result.problem);
    // Kept only when nothing else changed the lists since they were asked for.
    if (generation_ == generation) {
        for (auto it = result.best.cbegin(); it != result.best.cend(); ++it)
            remember(it.key(), it.value());
    }
    for (const ListingPtr& l : batch) {
        if (l->answered)
            continue;
        const auto fresh = result.best.constFind(l->game);
        const auto kept = best_.constFind(l->game); // the read failed: what memory holds
        serveList(l, fresh != result.best.cend() ? &*fresh : kept != best_.cend() ? &*kept : nullptr);
    }
    readQueued();
    armGiveUp();
    checkDrained();
}

void HofServer::serveList(const ListingPtr& l, const QList<ListedEntry>* entries)
{
    l->answered = true;
    const QString what = QStringLiteral("list game=") + l->game;
    if (!entries) {
        answer(l->reply, l->peer, 503,
               errorPage(QStringLiteral("Server error"), QStringLiteral("The list cannot be read just now.")),
               what, l->since,
               {retryAfterTimeout()});
        return;
    }
    const auto kept = best_.constFind(l->game);
    if (kept == best_.cend() || *kept != *entries) {
        answer(l->reply, l->peer, 200, listPage(l->game, *entries), what, l->since);
        return;
    }
    auto page = pages_.constFind(l->game);
    if (page == pages_.cend())
        page = pages_.insert(l->game, listPage(l->game, *entries));
    answer(l->reply, l->peer, 200, *page, what, l->since);
}

// A list read again as it was (the usual case after this service's own commit,
// which the SQLite reader cannot tell from another writer's) keeps its page.
void HofServer::remember(const QString& game, const QList<ListedEntry>& entries)
{
    if (!best_.contains(game) && best_.size() >= kMaxCachedGames)
        forgetAll();
    const auto old = previousBest_.constFind(game);
    if (old != previousBest_.cend() && *old == entries && previousPages_.contains(game))
        pages_.insert(game, previousPages_.value(game));
    else if (best_.value(game) != entries)
        pages_.remove(game);
    best_.insert(game, entries);
}

void HofServer::forgetAll()
{
    previousBest_ = std::exchange(best_, {});
    previousPages_ = std::exchange(pages_, {});
    ++generation_;
}

// Submissions past their timeout get 503: the ones not yet handed to the writer
// are certainly not stored; the ones the writer has are told the same and
// remembered as doubtful when their outcome shows they were stored after all.
// Listings past their wait are served from memory, or get 503.
void HofServer::giveUp()
{
    const qint64 now = clock_.elapsed();
    const std::vector<SubmitPtr> queued = queued_, storing = storing_;
    for (const SubmitPtr& s : queued) {
        if (s->giveUpAt <= now) {
            answerNotStored(s);
            submissionDone(s);
        }
    }
    dropAnswered(queued_);
    for (const SubmitPtr& s : storing) {
        if (!s->answered && s->giveUpAt <= now) {
            answerNotStored(s);
            rememberDoubtful(*s);
            submissionDone(s);
        }
    }
    for (const std::vector<ListingPtr>& waiting : {toRead_, reading_}) {
        for (const ListingPtr& l : waiting) {
            if (!l->answered && l->giveUpAt <= now) {
                const auto kept = best_.constFind(l->game);
                serveList(l, kept != best_.cend() ? &*kept : nullptr);
            }
        }
    }
    dropAnswered(toRead_);
    armGiveUp();
    checkDrained();
}

void HofServer::armGiveUp()
{
    qint64 first = -1;
    auto consider = [&first](qint64 at) { first = first < 0 ? at : qMin(first, at); };
    for (const std::vector<SubmitPtr>* list : {&queued_, &storing_})
        for (const SubmitPtr& s : *list)
            if (!s->answered)
                consider(s->giveUpAt);
    for (const std::vector<ListingPtr>* list : {&toRead_, &reading_})
        for (const ListingPtr& l : *list)
            if (!l->answered)
                consider(l->giveUpAt);
    if (first < 0)
        giveUpTimer_.stop();
    else
        giveUpTimer_.start(int(qMax<qint64>(0, first - clock_.elapsed())));
}

void HofServer::checkDrained()
{
    if (!stopping_)
        return;
    for (const std::vector<SubmitPtr>* list : {&queued_, &storing_})
        for (const SubmitPtr& s : *list)
            if (!s->answered)
                return;
    stopping_ = false;
    QMetaObject::invokeMethod(this, &HofServer::drained, Qt::QueuedConnection);
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
    if (!reply.send(response)) {
        logLine(peer, logText + QStringLiteral(" (client gone)"), status, since);
        return;
    }
    logLine(peer, logText, status, since);
}

} // namespace hofd
