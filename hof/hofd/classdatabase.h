// The class tables as the event loop sees them: two connections, each on a
// thread of its own (a writer for reports, new classes, assignments and
// deletions; a reader for the teacher's pages and the game's assignment), so
// that no wait for the database stops the loop. Work is handed over as a job
// that runs on the thread with its store and returns what is to run back on
// the thread that made the ClassDatabase; once the ClassDatabase is gone,
// what a late job returns is dropped. A PostgreSQL connection found broken is
// opened again before the next job.
#pragma once

#include "base/problem.h"
#include "hof/hofd/classstore.h"

#include <QObject>
#include <functional>
#include <memory>

namespace hofd {

class ClassDatabase : public QObject {
    Q_OBJECT
public:
    using Done = std::function<void()>;
    using Job = std::function<Done(ClassStore&)>;

    explicit ClassDatabase(QObject* parent = nullptr);
    ~ClassDatabase() override;

    // Opens both connections (the writer's making the class tables when
    // missing) and waits until they are open. timeoutMs: how long a statement
    // may wait for another writer's lock.
    brev::Problem open(const QString& where, int timeoutMs);

    void write(Job job);
    void read(Job job);

    // Ends both threads; false when one still waits for the database after
    // waitMs (it is left behind).
    bool close(int waitMs);

private:
    class Outbox;
    class Worker;
    void post(Worker* worker, Job job);

    std::shared_ptr<Outbox> outbox_;
    std::unique_ptr<Worker> writer_;
    std::unique_ptr<Worker> reader_;
};

} // namespace hofd
