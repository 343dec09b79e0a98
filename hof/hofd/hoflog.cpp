#include "hof/hofd/hoflog.h"

#include <QRegularExpression>
#include <cerrno>
#include <chrono>
#include <condition_variable>
#include <deque>
#include <mutex>
#include <string>
#include <thread>
#include <unistd.h>

namespace hofd {

namespace {

struct LogQueue {
    std::mutex mutex;
    std::condition_variable wake;    // lines to write
    std::condition_variable written; // the queue is empty
    std::deque<std::string> lines;
    qsizetype bytes = 0;
    qint64 dropped = 0;
    bool writing = false;
};

LogQueue& queue()
{
    static auto* q = new LogQueue; // outlives every other object: the thread may still use it at exit
    return *q;
}

void writeAll(const std::string& text)
{
    for (std::size_t done = 0; done < text.size();) {
        const ssize_t n = ::write(STDERR_FILENO, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return; // closed: the line is lost
        done += std::size_t(n);
    }
}

// Lines that come within a millisecond are written together: one wake-up and
// one write for many lines under load.
constexpr auto kGather = std::chrono::milliseconds(1);

void writer()
{
    LogQueue& q = queue();
    std::unique_lock lock(q.mutex);
    for (;;) {
        q.wake.wait(lock, [&] { return !q.lines.empty() || q.dropped > 0; });
        lock.unlock();
        std::this_thread::sleep_for(kGather);
        lock.lock();
        std::deque<std::string> batch;
        batch.swap(q.lines);
        q.bytes = 0;
        q.writing = true;
        lock.unlock();
        std::string text;
        for (const std::string& line : batch)
            text += line;
        writeAll(text);
        lock.lock();
        if (q.lines.empty() && q.dropped > 0) { // the writing went on: say what was lost
            const std::string note = "brevallo-hofd: " + std::to_string(q.dropped) +
                                     " log lines dropped while standard error was not read\n";
            q.dropped = 0;
            lock.unlock();
            writeAll(note);
            lock.lock();
        }
        q.writing = false;
        if (q.lines.empty())
            q.written.notify_all();
    }
}

void fromQt(QtMsgType, const QMessageLogContext&, const QString& message)
{
    logText(QStringLiteral("brevallo-hofd: ") + message);
}

} // namespace

void startLog()
{
    std::thread(writer).detach();
    qInstallMessageHandler(fromQt);
}

void logText(const QString& line)
{
    // A user name before a host in a database address is no e-mail address.
    thread_local const QRegularExpression address(
        QStringLiteral("(?<![\\w.+%/-])[\\w.+%-]+@[\\w-]+(?:\\.[\\w-]+)+"));
    std::string text =
        (line.contains(u'@') ? QString(line).replace(address, QStringLiteral("(address)")) : line)
            .toStdString();
    text += '\n';
    LogQueue& q = queue();
    bool first = false; // the writer waits for the first line only
    {
        const std::lock_guard lock(q.mutex);
        if (q.bytes + qsizetype(text.size()) > kLogQueueBytes) {
            ++q.dropped;
            return;
        }
        q.bytes += qsizetype(text.size());
        first = q.lines.empty();
        q.lines.push_back(std::move(text));
    }
    if (first)
        q.wake.notify_one();
}

bool flushLog(int waitMs)
{
    LogQueue& q = queue();
    std::unique_lock lock(q.mutex);
    return q.written.wait_for(lock, std::chrono::milliseconds(waitMs),
                              [&] { return q.lines.empty() && !q.writing && q.dropped == 0; });
}

} // namespace hofd
