// The hall of fame as a web service: one path, "/games/triv/triviahf.asp",
// answered with the list page (GET with game), or with a new entry stored and the
// list page marking it (GET with game, a, b and c). HEAD is answered as GET
// without the body and never stores; other methods get 405.
//
// The database is never waited for on the event loop (HofDatabase): submissions
// arriving while a batch is being stored are stored together in the next one,
// which waits up to a millisecond for the clients of the last batch to come
// back (so that they share one commit rather than take turns), each answered
// only after its commit; one the database refuses fails alone. A
// submission not stored within the database timeout gets 503 with Retry-After.
// The lists of the games asked recently (up to kMaxCachedGames, the least
// recently asked making room) are kept in memory and served at once while the
// database has not changed: with PostgreSQL while the server notifies every
// change another connection makes, with SQLite while its data version (asked at
// every listing, without waiting for any lock) says no other connection changed
// the entries. This service's own commits renew the lists of the games stored
// into and leave the others be. A list another writer may have changed is read
// again: the listing waits for the reader at most kCachedWaitMs, then gets the
// last list read (logged as stale); a game with no list in memory waits at most
// the database timeout (then 503). Games not in memory are read for one client
// address at most kListingReadsPerMinute a minute (429 past that), so that
// nobody's made-up game codes push the others' lists out.
//
// A client address over its submission rate gets 429; a submission not stored is
// not counted. The retry of an entry whose store may have been committed unseen
// (the connection broke at the commit, or the timeout passed during it) is taken
// as that entry when the database holds an identical one made since the first
// attempt, for kDoubtfulWindowMs or until a retry is answered as stored (an
// identical entry after that is another game). One line per request goes to the
// log (never a name or an e-mail address; the client's text escaped).
//
// stop(): no request is read any more; every one read is answered, every entry
// stored is answered or logged as stored for a client gone, and stopped()
// follows, at the latest graceMs after stop().
#pragma once

#include "hof/hofd/hofdatabase.h"
#include "hof/hofd/httplayer.h"
#include "hof/hofd/ratelimit.h"

#include <QDateTime>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

namespace hofd {

struct HofServerOptions {
    HttpLimits http;
    int submissionsPerMinute = 30; // per client address; 0: no limit
    int submissionBurst = 30;
    int databaseTimeoutMs = 5000; // a submission or an unlisted game waits no longer
};

constexpr int kCachedWaitMs = 200;
constexpr qint64 kDoubtfulWindowMs = 10 * 60 * 1000;
constexpr int kMaxCachedGames = 1024;
constexpr int kListingReadsPerMinute = 60;

// The client's text in a log line: a character that a terminal would act on,
// or that would hide what follows, written as \xNN or \u{N}; a backslash doubled.
QString escapedForLog(const QString& text);
// One line of the request log: the time, the client, text (escaped), the
// status and the milliseconds since the request came.
void logRequest(const QString& peer, const QString& text, int status, const QElapsedTimer& since);

class HofServer : public QObject {
    Q_OBJECT
public:
    HofServer(HofDatabase& database, const HofServerOptions& options, QObject* parent = nullptr);
    ~HofServer() override;

    // Listens on address and port (0: any free one) and returns the port taken;
    // HTTPS when tls holds a certificate and key.
    brev::Result<quint16> start(const QHostAddress& address, quint16 port, const TlsFiles& tls = {});
    // Routes of the services beside the hall of fame (the classes), added to
    // every listener start() makes; set before it.
    void setExtraRoutes(std::function<void(HttpServer&)> add) { extraRoutes_ = std::move(add); }

    void stop(int graceMs);

signals:
    void stopped();

private:
    struct Submit;
    struct Listing;
    using SubmitPtr = std::shared_ptr<Submit>;
    using ListingPtr = std::shared_ptr<Listing>;
    // A game's best entries and their plain page, as last read; stale while
    // another writer may have changed them since.
    struct Kept {
        QList<ListedEntry> entries;
        QByteArray page;
        bool stale = false;
        quint64 used = 0;
    };

    void hallOfFame(const HttpRequest& request, const HttpReply& reply);
    void submit(const SubmitPtr& s);
    void list(const ListingPtr& l);
    void storeQueued();
    void stored(const StoreResult& result);
    void readQueued();
    void read(const ReadResult& result, quint64 generation);
    void giveUp();
    void armGiveUp();
    void serveList(const ListingPtr& l, const Kept* kept, bool stale);
    void remember(const QString& game, const QList<ListedEntry>& entries);
    void markAllStale();
    void checkStopped();
    void answer(const HttpReply& reply, const QString& peer, int status, const QByteArray& page,
                const QString& logText, const QElapsedTimer& since,
                const QList<QPair<QByteArray, QByteArray>>& extra = {});
    void answerNotStored(const SubmitPtr& s);
    void rememberDoubtful(const Submit& s);
    QPair<QByteArray, QByteArray> retryAfterTimeout() const;

    HofDatabase& database_;
    HofServerOptions options_;
    std::function<void(HttpServer&)> extraRoutes_;
    RateLimiter rate_;
    RateLimiter reads_; // lists read for games not in memory, per client address
    QElapsedTimer clock_;
    QList<QPointer<HttpServer>> listeners_;
    std::vector<SubmitPtr> queued_;  // not yet handed to the writer
    std::vector<SubmitPtr> storing_; // the batch the writer has
    std::vector<ListingPtr> toRead_; // waiting for the next read
    std::vector<ListingPtr> reading_;
    // Submissions expected together: the last batch answered and those that
    // waited for it.
    std::size_t expected_ = 1;
    bool writerBusy_ = false;
    bool readerBusy_ = false;
    bool watching_ = false; // PostgreSQL notifies every change
    bool stopping_ = false;
    QTimer storeTimer_;
    QTimer giveUpTimer_;
    QTimer stopTimer_; // the grace of a stop has run out
    QHash<QString, Kept> kept_;
    quint64 uses_ = 0;
    // Counts the changes of other writers, so that a list read before one is
    // not taken as fresh after it.
    quint64 generation_ = 0;
    // Entries whose store may have been committed unseen: when each was first
    // submitted (UTC), and the clock then.
    struct Doubtful {
        QDateTime since;
        qint64 atMs;
    };
    QHash<QString, Doubtful> doubtful_;
};

} // namespace hofd
