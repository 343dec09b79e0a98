// The classes as a web service, on the hall of fame's listeners, under
// "/classes/":
//   POST /classes/CODE/reports         a finished game's report (JSON, at most 64 KiB)
//   GET  /classes/CODE/assignment      the class's practice set (JSON)
//   GET, POST /classes/new             the form that makes a class, and its answer
//   GET  /classes/CODE?key=KEY         the teacher's page (&order=weakest: weakest presidents first)
//   GET  /classes/CODE/players/NAME?key=KEY, /games.csv?key=KEY, /answers.csv?key=KEY
//   POST /classes/CODE/assignment      (form: key, presidents) sets the practice set
//   POST /classes/CODE/delete, /classes/CODE/players/NAME/delete (form: key, confirm)
// Reports: 201 stored, 200 stored before (same class and game), 404 unknown
// class, 400 naming what is wrong, 429 (Retry-After) past the client
// address's rate, 503 (Retry-After) when the database does not store it in
// time; the stored answers carry the practice set. Reports arriving while a
// batch is being stored are stored together in the next one. A teacher's
// page without the right key (none, a wrong one, another class's, or a class
// that does not exist) is the same 403 page. Pages are in the reader's
// language by Accept-Language. The log names the class code and what was
// asked, never a key or a player's name. Classes without a game for the
// retention time are deleted at start and daily.
#pragma once

#include "hof/hofd/classdatabase.h"
#include "hof/hofd/classfacts.h"
#include "hof/hofd/httplayer.h"
#include "hof/hofd/ratelimit.h"

#include <QElapsedTimer>
#include <QHostAddress>
#include <QObject>
#include <QTimer>
#include <deque>
#include <memory>
#include <vector>

namespace hofd {

struct ClassServerOptions {
    int reportsPerMinute = 120; // per client address, in bursts of as many; 0: no limit
    int retentionDays = 365;
    int databaseTimeoutMs = 5000;
};

// Classes one client address may make: this many at once, then one a minute.
constexpr int kClassesAtOnce = 10;
// Practice sets of codes that are no class one client address may ask a minute.
constexpr int kUnknownLookupsPerMinute = 60;

class ClassServer : public QObject {
    Q_OBJECT
public:
    ClassServer(ClassDatabase& database, const ClassServerOptions& options, QObject* parent = nullptr);
    ~ClassServer() override;

    // Serves "/classes/" on http.
    void addRoutes(HttpServer& http);
    // Deletes the classes past their retention now, and then every day.
    void startRetention();

    // What a request is answered with.
    struct Answer {
        int status = 200;
        QByteArray body;
        QByteArray type = "text/html; charset=utf-8";
        QList<QPair<QByteArray, QByteArray>> headers;
        QString problem; // for the log
    };
    // A request waiting for its answer; answered once, by the database's result
    // or by the give-up timer, whichever comes first.
    struct Pending {
        HttpReply reply;
        QHostAddress client;
        QString peer;
        QString what; // for the log: never a key or a name
        Language language = Language::English;
        QElapsedTimer since;
        qint64 giveUpAt = 0;
        RateLimiter* counted = nullptr; // given back when it was not stored
        bool json = false;              // the game's: answered in JSON
        bool answered = false;
    };
    using PendingPtr = std::shared_ptr<Pending>;

private:
    void handle(const HttpRequest& request, const HttpReply& reply, const HttpServer* http);
    void report(const PendingPtr& p, const QString& code, const QByteArray& body);
    void assignment(const PendingPtr& p, const QString& code);
    void newClass(const PendingPtr& p, const HttpRequest& request, const HttpServer* http);
    void teacher(const PendingPtr& p, const QString& code, const QStringList& rest,
                 const HttpRequest& request);
    void gatherOrStore();
    void storeQueued();
    void giveUp();
    void answer(const PendingPtr& p, const Answer& a);
    Answer tryAgain(const PendingPtr& p) const;
    // Runs build on the reader (or the writer) once the key is the class's;
    // the same 403 otherwise.
    void withClass(const PendingPtr& p, const QString& code, const QString& key, bool write,
                   std::function<Answer(ClassStore&, const ClassInfo&)> build);
    PendingPtr pending(const HttpReply& reply, const HttpRequest& request, const QString& what);

    struct Queued;
    ClassDatabase& database_;
    ClassServerOptions options_;
    RateLimiter reports_;
    RateLimiter classes_;
    RateLimiter lookups_;
    QElapsedTimer clock_;
    std::vector<std::shared_ptr<Queued>> queued_; // reports not yet handed to the writer
    std::size_t gatherFor_ = 1;                   // reports the next batch waits for (kGatherMs at most)
    bool storing_ = false;
    QTimer gatherTimer_;
    std::deque<PendingPtr> waiting_; // in arrival order, so in the order they give up
    QTimer giveUpTimer_;
    QTimer retentionTimer_;
};

} // namespace hofd
