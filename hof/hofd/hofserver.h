// The HTTP side of brevallo-hofd: one path, "/games/triv/triviahf.asp", answered
// with the list page (GET with game), or with a new entry stored and the list page
// marking it (GET with game, a, b and c). Submissions arriving together are stored
// in one transaction and answered only after it commits. One line per request goes
// to standard error (never a name or an e-mail address). The lists of the games
// asked recently are kept in memory until entries of that game are stored.
#pragma once

#include "hof/hofd/hofstore.h"

#include <QAbstractHttpServer>
#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QPointer>
#include <QTimer>
#include <memory>
#include <vector>

class QHttpServerResponder;

namespace hofd
{

class HofServer : public QAbstractHttpServer
{
    Q_OBJECT
  public:
    explicit HofServer(HofStore& store, QObject* parent = nullptr);
    ~HofServer() override;

    // Returns the port listened on, 0 on failure (with the reason in *error).
    quint16 start(const QHostAddress& address, quint16 port, QString* error);

    // Stops taking connections and answers the submissions still waiting.
    void stop();

  protected:
    bool handleRequest(const QHttpServerRequest& request, QTcpSocket* socket) override;
    void missingHandler(const QHttpServerRequest& request, QTcpSocket* socket) override;

  private:
    struct Waiting;
    void storeWaiting();
    bool bestOf(const QString& game, QList<ListedEntry>* out);
    // close: the client asked for "Connection: close"; the socket is closed once
    // the answer is written.
    void answer(QHttpServerResponder& responder, QTcpSocket* socket, int status, const QByteArray& page,
                const QString& logText, const QElapsedTimer& since, bool close);

    HofStore& store_;
    std::vector<std::unique_ptr<Waiting>> waiting_;
    QTimer storeTimer_;
    QList<QPointer<QTcpServer>> listeners_;
    // The best entries and the plain list page of recently asked games; a game's
    // are dropped when new entries of it are stored.
    QHash<QString, QList<ListedEntry>> best_;
    QHash<QString, QByteArray> pages_;
};

} // namespace hofd
