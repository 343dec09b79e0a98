#include "hof/hofd/classdatabase.h"

#include <QDeadlineTimer>
#include <QMutex>
#include <QThread>

namespace hofd {

// What the threads send back, run on the ClassDatabase's thread while it lives.
class ClassDatabase::Outbox {
public:
    explicit Outbox(ClassDatabase* to) : to_(to) {}

    void post(Done done)
    {
        const QMutexLocker lock(&mutex_);
        if (to_)
            QMetaObject::invokeMethod(to_, std::move(done), Qt::QueuedConnection);
    }
    void close()
    {
        const QMutexLocker lock(&mutex_);
        to_ = nullptr;
    }

private:
    QMutex mutex_;
    ClassDatabase* to_;
};

// One connection and its thread; the store is made, used and deleted there.
class ClassDatabase::Worker {
public:
    explicit Worker(const QString& name) : context(new QObject)
    {
        thread.setObjectName(name);
        context->moveToThread(&thread);
        QObject::connect(&thread, &QThread::finished, context, &QObject::deleteLater);
        thread.start();
    }

    QThread thread;
    QObject* context;
    std::unique_ptr<ClassStore> store;
};

ClassDatabase::ClassDatabase(QObject* parent) : QObject(parent), outbox_(std::make_shared<Outbox>(this))
{}

ClassDatabase::~ClassDatabase()
{
    const bool ended = close(2000);
    outbox_->close();
    if (!ended) { // a thread waiting for the database is left to the end of the process
        (void)writer_.release();
        (void)reader_.release();
    }
}

brev::Problem ClassDatabase::open(const QString& where, int timeoutMs)
{
    brev::Problem problem;
    for (const bool writer : {true, false}) {
        const QString name = writer ? QStringLiteral("classes writer") : QStringLiteral("classes reader");
        auto worker = std::make_unique<Worker>(name);
        Worker* w = worker.get();
        (writer ? writer_ : reader_) = std::move(worker);
        QMetaObject::invokeMethod(
            w->context,
            [&, w] {
                w->store = std::make_unique<ClassStore>(name);
                problem = w->store->open(where, writer, timeoutMs);
            },
            Qt::BlockingQueuedConnection);
        if (problem)
            return problem;
    }
    return {};
}

void ClassDatabase::post(Worker* w, Job job)
{
    QMetaObject::invokeMethod(
        w->context,
        [w, job = std::move(job), out = outbox_] {
            w->store->reconnectIfBroken(); // a failure shows in the job's own statements
            if (Done done = job(*w->store))
                out->post(std::move(done));
        },
        Qt::QueuedConnection);
}

void ClassDatabase::write(Job job)
{
    post(writer_.get(), std::move(job));
}

void ClassDatabase::read(Job job)
{
    post(reader_.get(), std::move(job));
}

bool ClassDatabase::close(int waitMs)
{
    const QDeadlineTimer deadline(waitMs);
    bool ended = true;
    for (Worker* w : {writer_.get(), reader_.get()}) {
        if (!w || !w->thread.isRunning())
            continue;
        QMetaObject::invokeMethod(
            w->context,
            [w] {
                w->store.reset();
                QThread::currentThread()->quit();
            },
            Qt::QueuedConnection);
    }
    for (Worker* w : {writer_.get(), reader_.get()}) {
        if (w && !w->thread.wait(deadline))
            ended = false;
    }
    return ended;
}

} // namespace hofd
