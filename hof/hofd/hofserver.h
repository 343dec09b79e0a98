// The HTTP side of brevallo-hofd: one path, "/games/triv/triviahf.asp", answered
// with the list page (GET with game), or with a new entry stored and the list page
// marking it (GET with game, a, b and c). HEAD is answered as GET without the body
// and never stores; other methods get 405.
//
// The database is never waited for on the event loop (HofDatabase): submissions
// arriving while a batch is being stored are stored together in the next one,
// each answered only after its commit; one the database refuses fails alone. A
// submission not stored within the database timeout gets 503 with Retry-After.
// The lists of the games asked recently are kept in memory while the database
// has not changed, and served at once: with PostgreSQL while the server
// notifies every change, with SQLite while its data version (asked at every
// listing, without waiting for any lock) says no other connection changed the
// entries. This service's own commits are taken in as they are answered (a
// change another writer makes just then is seen by the writer within a second). A
// list that must be read again waits for the reader at most kCachedWaitMs when
// an older one is in memory (which is served then), at most the database
// timeout otherwise (then 503).
//
// A listing pipelined behind its client's submissions shows them. A client
// address over its submission rate gets 429; a submission not stored is not
// counted. The retry of an entry whose store may have been committed unseen (the
// connection broke at the commit, or the timeout passed during it) is taken as
// that entry when the database holds an identical one made since the first
// attempt, for kDoubtfulWindowMs or until a retry is answered as stored (an
// identical entry after that is another game). One line per request goes to
// standard error (never a name or an e-mail address; the client's text escaped).
#pragma once

#include "hof/hofd/hofdatabase.h"
#include "hof/hofd/httplayer.h"
#include "hof/hofd/ratelimit.h"

#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

namespace hofd
{

struct HofServerOptions {
    HttpLimits http;
    int submissionsPerMinute = 30; // per client address; 0: no limit
    int submissionBurst = 30;
    int databaseTimeoutMs = 5000; // a submission or an unlisted game waits no longer
};

constexpr int kCachedWaitMs = 200;
constexpr qint64 kDoubtfulWindowMs = 10 * 60 * 1000;

// The client's text in a log line: a character that a terminal would act on,
// or that would hide what follows, written as \xNN or \u{N}; a backslash doubled.
QString escapedForLog(const QString& text);

class HofServer : public QObject
{
    Q_OBJECT
  public:
    HofServer(HofDatabase& database, const HofServerOptions& options, QObject* parent = nullptr);
    ~HofServer() override;

    // Listens on address and port (0: any free one), the port taken in *bound.
    brev::Problem start(const QHostAddress& address, quint16 port, quint16* bound);

    // Stops taking connections; drained() follows once every submission is answered.
    void stop();

  signals:
    void drained();

  private:
    struct Submit;
    struct Listing;
    using SubmitPtr = std::shared_ptr<Submit>;
    using ListingPtr = std::shared_ptr<Listing>;

    void handle(const HttpRequest& request, const HttpReply& reply);
    void submit(const SubmitPtr& s);
    void list(const ListingPtr& l);
    void storeQueued();
    void stored(const StoreResult& result);
    void readQueued();
    void read(const ReadResult& result, quint64 generation);
    void giveUp();
    void armGiveUp();
    void submissionDone(const SubmitPtr& s);
    void serveList(const ListingPtr& l, const QList<ListedEntry>* entries);
    void remember(const QString& game, const QList<ListedEntry>& entries);
    void forgetAll();
    void checkDrained();
    void answer(const HttpReply& reply, const QString& peer, int status, const QByteArray& page,
                const QString& logText, const QElapsedTimer& since,
                const QList<QPair<QByteArray, QByteArray>>& extra = {});
    void answerNotStored(const SubmitPtr& s);
    void rememberDoubtful(const Submit& s);
    QPair<QByteArray, QByteArray> retryAfterTimeout() const;

    HofDatabase& database_;
    HofServerOptions options_;
    RateLimiter rate_;
    QElapsedTimer clock_;
    QList<QPointer<HttpListener>> listeners_;
    std::vector<SubmitPtr> queued_;  // not yet handed to the writer
    std::vector<SubmitPtr> storing_; // the batch the writer has
    std::vector<ListingPtr> toRead_; // waiting for the next read
    std::vector<ListingPtr> reading_;
    QHash<quint64, int> unansweredSubmissions_; // by connection
    std::vector<ListingPtr> behindOwn_;         // listings waiting for their connection's submissions
    bool writerBusy_ = false;
    bool readerBusy_ = false;
    bool watching_ = false; // PostgreSQL notifies every change
    bool stopping_ = false;
    QTimer storeTimer_;
    QTimer giveUpTimer_;
    // The best entries and the plain list page of recently asked games; a
    // game's are replaced when entries of it are stored, all dropped when
    // another writer changed the database. generation_ counts the changes, so
    // that a list read before one is not kept after it.
    QHash<QString, QList<ListedEntry>> best_;
    QHash<QString, QByteArray> pages_;
    quint64 generation_ = 0;
    QHash<QString, QList<ListedEntry>> previousBest_; // as they were before the last change
    QHash<QString, QByteArray> previousPages_;
    // Entries whose store may have been committed unseen: when each was first
    // submitted (UTC), and the clock then.
    struct Doubtful {
        QDateTime since;
        qint64 atMs;
    };
    QHash<QString, Doubtful> doubtful_;
};

} // namespace hofd
