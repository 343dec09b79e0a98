#include "hof/hofd/hofserver.h"

#include "hof/hofd/hoflog.h"
#include "hof/hofd/hofpage.h"

#include <algorithm>
#include <utility>

namespace hofd {

namespace {

const char* const kPath = "/games/triv/triviahf.asp";
constexpr int kMaxBatch = 500;      // entries stored in one transaction
constexpr int kMaxDoubtful = 10000; // entries remembered as perhaps stored
constexpr qint64 kMaxQuery = 1024;  // bytes of body read and dropped
// While fewer submissions wait than the last batch and those that waited for
// it, the first waits this long for the others to come (the clients answered
// together come back together), so that one commit stores them all rather than
// a few at a time.
constexpr int kGatherMs = 1;

void logProblem(const QString& text)
{
    logText(escapedForLog(text));
}

QString entryKey(const Submission& e)
{
    return QStringList{e.game, QString::number(e.score), e.name, QString::number(e.difficulty), e.email}.join(
        QChar(0));
}

template <typename T>
void dropAnswered(std::vector<std::shared_ptr<T>>& list)
{
    list.erase(std::remove_if(list.begin(), list.end(), [](const auto& item) { return item->answered; }),
               list.end());
}

} // namespace

void logRequest(const QString& peer, const QString& text, int status, const QElapsedTimer& since)
{
    logText(QDateTime::currentDateTimeUtc().toString(Qt::ISODate) + u' ' + peer + u' ' + escapedForLog(text) +
            u' ' + QString::number(status) + u' ' +
            QString::number(double(since.nsecsElapsed()) / 1e6, 'f', 2) + QStringLiteral("ms"));
}

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
      rate_(options.submissionsPerMinute, options.submissionBurst),
      reads_(kListingReadsPerMinute, kListingReadsPerMinute)
{
    clock_.start();
    storeTimer_.setSingleShot(true);
    storeTimer_.setTimerType(Qt::PreciseTimer);
    connect(&storeTimer_, &QTimer::timeout, this, &HofServer::storeQueued);
    giveUpTimer_.setSingleShot(true);
    connect(&giveUpTimer_, &QTimer::timeout, this, &HofServer::giveUp);
    connect(&database_, &HofDatabase::changed, this, &HofServer::markAllStale);
    connect(&database_, &HofDatabase::watching, this, [this](bool on) { watching_ = on; });
    stopTimer_.setSingleShot(true);
    connect(&stopTimer_, &QTimer::timeout, this, [this] {
        // Out of time: what has not reached its client is logged as such.
        for (const QPointer<HttpServer>& http : std::as_const(listeners_))
            if (http)
                http->abort();
        emit stopped();
    });
}

HofServer::~HofServer() = default;

brev::Result<quint16> HofServer::start(const QHostAddress& address, quint16 port, const TlsFiles& tls)
{
    auto* http = new HttpServer(options_.http, this);
    http->route(kPath, {"GET", "HEAD"}, kMaxQuery,
                [this](const HttpRequest& request, const HttpReply& reply) { hallOfFame(request, reply); });
    connect(http, &HttpServer::refused, this, [](const QString& peer, int status, const QByteArray& reason) {
        QElapsedTimer none;
        none.start();
        if (status == 0)
            logProblem(QString::fromUtf8(reason));
        else
            logRequest(peer.isEmpty() ? QStringLiteral("-") : peer,
                       QStringLiteral("(refused: ") + QLatin1String(reason) + u')', status, none);
    });
    connect(http, &HttpServer::abandoned, this, [](const QString& peer, int status) {
        QElapsedTimer none;
        none.start();
        logRequest(peer, QStringLiteral("(the answer did not reach the client)"), status, none);
    });
    connect(http, &HttpServer::allClosed, this, &HofServer::checkStopped);
    if (extraRoutes_)
        extraRoutes_(*http);
    if (const brev::Problem why = http->start(address, port, tls)) {
        delete http;
        return brev::failure(
            QStringLiteral("cannot listen on %1 port %2: %3").arg(address.toString()).arg(port).arg(*why));
    }
    listeners_.append(http);
    return http->port();
}

// No request is read any more: the entries queued are stored now, and the stop
// ends once every answer is out, or when graceMs have passed.
void HofServer::stop(int graceMs)
{
    if (stopping_)
        return;
    stopping_ = true;
    stopTimer_.start(graceMs);
    for (const QPointer<HttpServer>& http : std::as_const(listeners_))
        if (http)
            http->stop();
    storeTimer_.stop();
    storeQueued();
    checkStopped();
}

void HofServer::hallOfFame(const HttpRequest& request, const HttpReply& reply)
{
    QElapsedTimer since;
    since.start();
    const QString peer = request.peer.toString();
    const brev::Result<HofRequest> parsed = parseHofQuery(request.query);
    const QString what = describeHofQuery(request.query);
    if (!parsed) {
        answer(reply, peer, 400, errorPage(QStringLiteral("Not stored"), *parsed.problem()), what, since);
        return;
    }
    if (parsed->submit && request.method != "HEAD") {
        if (const int retryAfter = rate_.take(request.peer, clock_.elapsed())) {
            answer(reply, peer, 429,
                   errorPage(QStringLiteral("Too many entries"),
                             QStringLiteral("Too many entries from this computer; please try again in %1 s.")
                                 .arg(retryAfter)),
                   what, since, {{"Retry-After", QByteArray::number(retryAfter)}});
            return;
        }
        auto s = std::make_shared<Submit>();
        s->entry = parsed->entry;
        s->reply = reply;
        s->client = request.peer;
        s->peer = peer;
        s->since = since;
        submit(s);
        return;
    }
    const int retryAfter =
        kept_.contains(parsed->entry.game) ? 0 : reads_.take(request.peer, clock_.elapsed());
    if (retryAfter > 0) {
        answer(reply, peer, 429,
               errorPage(QStringLiteral("Too many lists"),
                         QStringLiteral("Too many different lists asked from this computer; please try again "
                                        "in %1 s.")
                             .arg(retryAfter)),
               what, since, {{"Retry-After", QByteArray::number(retryAfter)}});
        return;
    }
    auto l = std::make_shared<Listing>();
    l->game = parsed->entry.game;
    l->reply = reply;
    l->peer = peer;
    l->since = since;
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
    queued_.push_back(s);
    const bool enough = queued_.size() >= expected_;
    if (!storeTimer_.isActive() || (enough && storeTimer_.interval() > 0))
        storeTimer_.start(enough ? 0 : kGatherMs);
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
    if (result.changedElsewhere)
        markAllStale(); // another writer too: every list is read again
    // Taken in now, this service's own commit does not read as another
    // writer's at the next listing; the writer saw no other writer's change up
    // to its commit, and one made just after it is caught by the writer within
    // a second.
    if (database_.isSqlite() && !result.best.isEmpty() && !result.changedElsewhere)
        database_.changedElsewhere();
    for (auto it = result.best.cbegin(); it != result.best.cend(); ++it) // fresher than any list being read
        remember(it.key(), it.value());
    QHash<QString, ListPage> pages; // each game's rows written once for the batch
    for (qsizetype i = 0; i < qsizetype(batch.size()); ++i) {
        const SubmitPtr& s = batch[std::size_t(i)];
        const QString what = QStringLiteral("submit game=") + s->entry.game;
        const qint64 id = result.ids.value(i);
        const brev::Problem refused = result.refused.value(i);
        if (id != 0 && s->answered) {
            logRequest(s->peer, what + QStringLiteral(" (stored after its 503)"), 200, s->since);
        } else if (id != 0 && !s->reply.connected()) {
            logRequest(s->peer, what + QStringLiteral(" (client gone)"), 200, s->since);
        } else if (id != 0) {
            // Stored and committed: even when the list cannot be read back, the
            // answer acknowledges the entry.
            auto page = pages.constFind(s->entry.game);
            if (page == pages.cend())
                page = pages.insert(s->entry.game, ListPage(s->entry.game, result.best.value(s->entry.game)));
            answer(s->reply, s->peer, 200, page->page(id, s->entry.score), what, s->since);
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
    }
    // The clients just answered come back together with the ones that waited
    // meanwhile: gathered, they share one commit rather than take turns.
    expected_ = std::min(batch.size() + queued_.size(), std::size_t(kMaxBatch));
    if (stopping_ || queued_.size() >= expected_)
        storeQueued();
    else if (!queued_.empty())
        storeTimer_.start(kGatherMs);
    armGiveUp();
    checkStopped();
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
           QStringLiteral("submit game=") + s->entry.game, s->since, {retryAfterTimeout()});
}

void HofServer::list(const ListingPtr& l)
{
    // A list in memory is served at once while PostgreSQL notifies every
    // change, or while SQLite's data version says nothing changed.
    auto known = kept_.find(l->game);
    if (known != kept_.end() && !known->stale && !watching_ && database_.isSqlite()) {
        const HofStore::Change change = database_.changedElsewhere();
        if (change != HofStore::Change::None)
            markAllStale();
    } else if (known != kept_.end() && !watching_) {
        known->stale = true; // PostgreSQL not listening: changes may go unnoticed
    }
    if (known != kept_.end() && !known->stale) {
        known->used = ++uses_;
        serveList(l, &*known, false);
        return;
    }
    const bool inMemory = known != kept_.end(); // served from memory if the reader is slow
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
    for (auto it = result.best.cbegin(); it != result.best.cend(); ++it) {
        remember(it.key(), it.value());
        // Read before another writer's change: as good as any for the listings
        // asked before it, to be read again for the next.
        kept_[it.key()].stale = generation_ != generation;
    }
    for (const ListingPtr& l : batch) {
        if (l->answered)
            continue;
        const auto kept = kept_.constFind(l->game); // the read failed: the last list read
        serveList(l, kept != kept_.cend() ? &*kept : nullptr, !result.best.contains(l->game));
    }
    readQueued();
    armGiveUp();
    checkStopped();
}

void HofServer::serveList(const ListingPtr& l, const Kept* kept, bool stale)
{
    l->answered = true;
    const QString what = QStringLiteral("list game=") + l->game;
    if (!kept) {
        answer(l->reply, l->peer, 503,
               errorPage(QStringLiteral("Server error"), QStringLiteral("The list cannot be read just now.")),
               what, l->since, {retryAfterTimeout()});
        return;
    }
    if (kept->page.isEmpty())
        kept_[l->game].page = listPage(l->game, kept->entries);
    answer(l->reply, l->peer, 200, kept_.value(l->game).page,
           stale ? what + QStringLiteral(" (stale)") : what, l->since);
}

// A list read again as it was (the usual case after another writer's change to
// another game) keeps its page. The game asked least recently makes room.
void HofServer::remember(const QString& game, const QList<ListedEntry>& entries)
{
    auto it = kept_.find(game);
    if (it == kept_.end()) {
        if (kept_.size() >= kMaxCachedGames) {
            const auto oldest = std::min_element(
                kept_.begin(), kept_.end(), [](const Kept& a, const Kept& b) { return a.used < b.used; });
            kept_.erase(oldest);
        }
        it = kept_.insert(game, Kept{});
    } else if (it->entries != entries) {
        it->page.clear();
    }
    it->entries = entries;
    it->stale = false;
    it->used = ++uses_;
}

// Another writer changed the entries, or may have unseen: every list is read
// again before it is served fresh, and kept meanwhile.
void HofServer::markAllStale()
{
    for (Kept& kept : kept_)
        kept.stale = true;
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
        if (s->giveUpAt <= now)
            answerNotStored(s);
    }
    dropAnswered(queued_);
    for (const SubmitPtr& s : storing) {
        if (!s->answered && s->giveUpAt <= now) {
            answerNotStored(s);
            rememberDoubtful(*s);
        }
    }
    for (const std::vector<ListingPtr>& waiting : {toRead_, reading_}) {
        for (const ListingPtr& l : waiting) {
            if (!l->answered && l->giveUpAt <= now) {
                const auto kept = kept_.constFind(l->game);
                serveList(l, kept != kept_.cend() ? &*kept : nullptr, true);
            }
        }
    }
    dropAnswered(toRead_);
    armGiveUp();
    checkStopped();
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

// Stopped once every entry handed to the writer has come back, and every
// connection has closed after its answer.
void HofServer::checkStopped()
{
    if (!stopping_ || writerBusy_ || !queued_.empty())
        return;
    for (const QPointer<HttpServer>& http : std::as_const(listeners_))
        if (http && http->openConnections() > 0)
            return;
    if (!stopTimer_.isActive())
        return;
    stopTimer_.stop();
    QMetaObject::invokeMethod(this, &HofServer::stopped, Qt::QueuedConnection);
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
        logRequest(peer, logText + QStringLiteral(" (client gone)"), status, since);
        return;
    }
    logRequest(peer, logText, status, since);
}

} // namespace hofd
