// The HTTP side of brevallo-hofd: one path, "/games/triv/triviahf.asp", answered
// with the list page (GET with game), or with a new entry stored and the list page
// marking it (GET with game, a, b and c). HEAD is answered as GET without the body
// and never stores; other methods get 405. Submissions arriving together are
// stored in one transaction and answered only after it commits; a listing
// pipelined behind its client's submissions shows them; a client address
// over its submission rate gets 429. One line per request goes to standard error
// (never a name or an e-mail address). The list pages of the games asked recently
// are kept in memory while the database has not changed.
#pragma once

#include "hof/hofd/hofstore.h"
#include "hof/hofd/httplayer.h"
#include "hof/hofd/ratelimit.h"

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
};

class HofServer : public QObject
{
    Q_OBJECT
  public:
    HofServer(HofStore& store, const HofServerOptions& options, QObject* parent = nullptr);
    ~HofServer() override;

    // Returns the port listened on, 0 on failure (with the reason in *error).
    quint16 start(const QHostAddress& address, quint16 port, QString* error);

    // Stops taking connections and answers the submissions still waiting.
    void stop();

  private:
    struct Waiting;
    void handle(const HttpRequest& request, const HttpReply& reply);
    void storeWaiting();
    void listing(const QString& game, const HttpReply& reply, const QString& peer,
                 const QElapsedTimer& since);
    bool bestOf(const QString& game, QList<ListedEntry>* out);
    void answer(const HttpReply& reply, const QString& peer, int status, const QByteArray& page,
                const QString& logText, const QElapsedTimer& since,
                const QList<QPair<QByteArray, QByteArray>>& extra = {});

    HofStore& store_;
    HofServerOptions options_;
    RateLimiter rate_;
    QElapsedTimer clock_;
    std::vector<std::unique_ptr<Waiting>> waiting_;
    QTimer storeTimer_;
    QList<QPointer<HttpListener>> listeners_;
    // The best entries and the plain list page of recently asked games; a game's
    // are dropped when new entries of it are stored, all when another writer
    // changed the database.
    QHash<QString, QList<ListedEntry>> best_;
    QHash<QString, QByteArray> pages_;
};

} // namespace hofd
