#include "hof/hofd/hofdatabase.h"

#include <QDeadlineTimer>
#include <atomic>
#include <QMutex>
#include <QThread>
#include <QTimer>

namespace hofd {

namespace {

constexpr int kFileCheckMs = 1000;
constexpr int kReconnectMs = 1000;
// The driver reads the server's notifications as they come, and so learns at
// once when the server goes away; how soon the reader looks.
constexpr int kConnectionCheckMs = 100;

} // namespace

// What the threads send back, run on the HofDatabase's thread while it lives.
// A thread still waiting for the database when the HofDatabase is destroyed
// (close() ran out of time) sends into nothing once it returns: the threads
// reach the HofDatabase only through here.
class HofDatabase::Outbox {
public:
    explicit Outbox(HofDatabase* to) : to_(to) {}

    void post(std::function<void(HofDatabase&)> call)
    {
        const QMutexLocker lock(&mutex_);
        if (to_)
            QMetaObject::invokeMethod(
                to_, [to = to_, call = std::move(call)] { call(*to); }, Qt::QueuedConnection);
    }
    void close() // what is posted and not yet run ends with the HofDatabase
    {
        const QMutexLocker lock(&mutex_);
        to_ = nullptr;
    }

private:
    QMutex mutex_;
    HofDatabase* to_;
};

// One connection and the thread it is used on. The store is made, used and
// deleted on that thread only; context lives there and ends with it.
class HofDatabase::Worker {
public:
    Worker(const QString& name, std::shared_ptr<Outbox> outbox) : context(new QObject), out(std::move(outbox))
    {
        thread.setObjectName(name);
        context->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, context, &QObject::deleteLater);
        thread.start();
    }

    template <typename F>
    void post(F&& work) // runs on the thread, in the order posted
    {
        QMetaObject::invokeMethod(context, std::forward<F>(work), Qt::QueuedConnection);
    }
    template <typename F>
    void run(F&& work) // the same, waiting for it
    {
        QMetaObject::invokeMethod(context, std::forward<F>(work), Qt::BlockingQueuedConnection);
    }

    QThread thread;
    QObject* context;
    std::shared_ptr<Outbox> out;
    std::unique_ptr<HofStore> store;
    // The writer's server process id, set by the writer, read by the reader:
    // its own changes are not another writer's.
    std::shared_ptr<std::atomic<qint64>> writerPid = std::make_shared<std::atomic<qint64>>(0);
    QTimer* retry = nullptr; // the reader's next attempt to reconnect
    bool watched = false;    // the reader is subscribed to the notifications
};

HofDatabase::HofDatabase(QObject* parent) : QObject(parent), outbox_(std::make_shared<Outbox>(this))
{}

HofDatabase::~HofDatabase()
{
    const bool ended = close(2000);
    outbox_->close();
    if (!ended) { // a thread waiting for the database is left to the end of the process
        (void)writer_.release();
        (void)reader_.release();
    }
}

brev::Problem HofDatabase::open(const QString& where, int timeoutMs)
{
    brev::Problem problem;
    writer_ = std::make_unique<Worker>(QStringLiteral("hofd writer"), outbox_);
    writer_->run([&] {
        writer_->store = std::make_unique<HofStore>(QStringLiteral("hofd writer"));
        problem = writer_->store->open(where, true, timeoutMs);
        writer_->writerPid->store(writer_->store->backendPid());
        description_ = writer_->store->describe();
        sqlite_ = writer_->store->isSqlite();
    });
    if (problem)
        return problem;
    reader_ = std::make_unique<Worker>(QStringLiteral("hofd reader"), outbox_);
    reader_->run([&] {
        reader_->store = std::make_unique<HofStore>(QStringLiteral("hofd reader"));
        problem = reader_->store->open(where, false, timeoutMs);
    });
    if (problem)
        return problem;
    if (sqlite_) {
        checker_ = std::make_unique<HofStore>(QStringLiteral("hofd checker"));
        if (const brev::Problem checker = checker_->open(where, false, 0))
            return checker;
        checker_->changedElsewhere();
        watchFile();
    } else {
        watchServer();
    }
    return {};
}

HofStore::Change HofDatabase::changedElsewhere()
{
    return checker_ ? checker_->changedElsewhere() : HofStore::Change::Unknown;
}

// SQLite keeps writing to a file deleted or replaced under it, and everything
// stored from then on would be lost at the next start.
void HofDatabase::watchFile()
{
    Worker* w = writer_.get();
    w->post([w] {
        auto* timer = new QTimer(w->context);
        QObject::connect(timer, &QTimer::timeout, w->context, [w, timer] {
            if (const brev::Problem gone = w->store->fileProblem()) {
                timer->stop();
                w->out->post([why = *gone](HofDatabase& db) { emit db.failed(why); });
            } else if (w->store->changedElsewhere() != HofStore::Change::None) {
                w->out->post([](HofDatabase& db) { emit db.changed(); });
            }
        });
        timer->start(kFileCheckMs);
    });
}

void HofDatabase::watchServer()
{
    Worker* w = reader_.get();
    w->run([w, writerPid = writer_->writerPid] {
        HofStore::Watch watch;
        watch.onChange = [w, writerPid](qint64 changer) {
            if (changer == 0 || changer != writerPid->load()) // this service's own commits bring their lists
                w->out->post([](HofDatabase& db) { emit db.changed(); });
        };
        watch.onWatching = [w] {
            w->watched = true;
            w->out->post([](HofDatabase& db) {
                emit db.changed();
                emit db.watching(true);
            });
        };
        w->store->watch(watch);
        auto* check = new QTimer(w->context);
        QObject::connect(check, &QTimer::timeout, w->context, [w] { checkReader(w); });
        check->start(kConnectionCheckMs);
    });
}

// On the reader's thread: a broken connection is no longer notified of changes,
// and is opened again.
void HofDatabase::checkReader(Worker* w)
{
    if (!w->watched || w->store->connected())
        return;
    w->watched = false;
    w->out->post([](HofDatabase& db) { emit db.watching(false); });
    reconnectReader(w, 0);
}

// On the reader's thread: tries to open the connection again in delayMs, and
// then every kReconnectMs until the server is back.
void HofDatabase::reconnectReader(Worker* w, int delayMs)
{
    if (!w->retry) {
        w->retry = new QTimer(w->context);
        w->retry->setSingleShot(true);
        QObject::connect(w->retry, &QTimer::timeout, w->context, [w] {
            if (!w->store->connected() && w->store->reconnect()) // subscribed again: onWatching tells
                w->retry->start(kReconnectMs);
        });
    }
    if (!w->retry->isActive())
        w->retry->start(delayMs);
}

void HofDatabase::store(const StoreBatch& batch, std::function<void(const StoreResult&)> done)
{
    Worker* w = writer_.get();
    w->post([w, batch, done = std::move(done)] {
        // The writer's data version moves only with other connections' commits:
        // looked at before and after the batch, and every second, it tells
        // whether the lists of this batch and those kept elsewhere still hold.
        const bool before = w->store->isSqlite() && w->store->changedElsewhere() != HofStore::Change::None;
        StoreResult result = w->store->store(batch);
        w->writerPid->store(w->store->backendPid()); // a new one after a reconnect
        result.changedElsewhere =
            before || (w->store->isSqlite() && w->store->changedElsewhere() != HofStore::Change::None);
        if (result.fatal)
            w->out->post([why = *result.problem](HofDatabase& db) { emit db.failed(why); });
        w->out->post([done, result](HofDatabase&) { done(result); });
    });
}

void HofDatabase::read(const QStringList& games, std::function<void(const ReadResult&)> done)
{
    Worker* w = reader_.get();
    w->post([w, games, done = std::move(done)] {
        ReadResult result;
        for (const QString& game : games) {
            const brev::Result<QList<ListedEntry>> entries = w->store->top(game, kListed);
            result.problem = entries.problem();
            if (result.problem)
                break;
            result.best.insert(game, *entries);
        }
        if (!w->store->isSqlite())
            checkReader(w);
        w->out->post([done, result](HofDatabase&) { done(result); });
    });
}

bool HofDatabase::close(int waitMs)
{
    checker_.reset();
    const QDeadlineTimer deadline(waitMs);
    bool ended = true;
    for (Worker* w : {writer_.get(), reader_.get()}) {
        if (!w || !w->thread.isRunning())
            continue;
        w->post([w] {
            qDeleteAll(w->context->findChildren<QTimer*>()); // none fires once the store is gone
            w->retry = nullptr;
            w->store.reset();
            QThread::currentThread()->quit();
        });
    }
    for (Worker* w : {writer_.get(), reader_.get()}) {
        if (w && !w->thread.wait(deadline))
            ended = false;
    }
    return ended;
}

} // namespace hofd
