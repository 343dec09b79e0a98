// The hall-of-fame database as the event loop sees it: two connections, each on
// a thread of its own, so that no wait for the database (a lock held by another
// process, a PostgreSQL server that hangs or restarts) stops the loop.
// - The writer stores one batch of entries at a time and reads back the lists
//   of the games stored into. SQLite: it checks every second, and around every
//   batch, that the file at the database's path is still the one it opened, and
//   whether another connection changed the entries (changed()).
// - The reader reads lists. With PostgreSQL it is notified of every change as
//   it comes; a broken connection is noticed within a tenth of a second,
//   opened again (every second while the server is away) and subscribed again.
// - SQLite: a third connection, on the caller's thread, tells whether another
//   connection changed the entries (SQLite's data version).
// Results come back as calls on the thread that made the HofDatabase, while it
// lives: destroyed with a thread still waiting for the database, it leaves
// that thread behind, and nothing the thread sends later reaches it.
#pragma once

#include "base/problem.h"
#include "hof/hofd/hofstore.h"

#include <QObject>
#include <QStringList>
#include <functional>
#include <memory>

namespace hofd {

struct ReadResult {
    BestLists best; // the games read
    brev::Problem problem;
};

class HofDatabase : public QObject {
    Q_OBJECT
public:
    explicit HofDatabase(QObject* parent = nullptr);
    ~HofDatabase() override;

    // Opens the writer's connection (making and checking the table) and the
    // reader's; waits until both are open. timeoutMs: how long a statement may
    // wait for another writer's lock, or for a PostgreSQL server to answer a
    // new connection.
    brev::Problem open(const QString& where, int timeoutMs);
    QString describe() const { return description_; }
    bool isSqlite() const { return sqlite_; }

    // SQLite: whether another connection (this service's writer included)
    // changed the entries since the last call. The one statement run on the
    // caller's thread: it never waits for a lock, so a listing of a list in
    // memory is answered at once, unless the entries changed.
    HofStore::Change changedElsewhere();

    void store(const StoreBatch& batch, std::function<void(const StoreResult&)> done);
    void read(const QStringList& games, std::function<void(const ReadResult&)> done);

    // Ends both threads. False when one of them is still waiting for the
    // database after waitMs (it is left behind).
    bool close(int waitMs);

signals:
    void changed();                  // another writer changed the entries, or may have unseen
    void watching(bool on);          // PostgreSQL: whether changes are notified now
    void failed(const QString& why); // nothing can be stored any more

private:
    class Outbox;
    class Worker;
    void watchFile();
    void watchServer();
    // On the reader's thread; they touch the worker only.
    static void checkReader(Worker* w);
    static void reconnectReader(Worker* w, int delayMs);

    std::shared_ptr<Outbox> outbox_; // the threads reach this object through it only
    std::unique_ptr<Worker> writer_;
    std::unique_ptr<Worker> reader_;
    std::unique_ptr<HofStore> checker_; // SQLite, on the caller's thread
    QString description_;
    bool sqlite_ = true;
};

} // namespace hofd
