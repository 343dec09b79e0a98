// What the service's benchmarks share: a blocking HTTP client on loopback
// (kept-alive connections, whole answers read by their Content-Length), the
// service started on a free port with its log in a file, and percentiles.
// Every read gives up after 5 s; a failure is a status of -1.
#pragma once

#include <QFile>
#include <QProcess>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStringList>
#include <QTemporaryDir>

#include <algorithm>
#include <arpa/inet.h>
#include <chrono>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <string>
#include <sys/socket.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace hofdbench {

inline int connectTo(quint16 port)
{
    const int fd = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in addr = {};
    addr.sin_family = AF_INET;
    addr.sin_port = htons(port);
    addr.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval timeout{5, 0};
    ::setsockopt(fd, SOL_SOCKET, SO_RCVTIMEO, &timeout, sizeof timeout);
    const int one = 1;
    ::setsockopt(fd, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(fd, reinterpret_cast<sockaddr*>(&addr), sizeof addr) != 0) {
        ::close(fd);
        return -1;
    }
    return fd;
}

// Sends one request (a GET, or a POST of body) and reads the whole answer;
// returns the status, or -1. The answer's body goes to *answer when given.
inline int roundTrip(int fd, const std::string& target, const std::string& method = "GET",
                     const std::string& body = {}, std::string* answer = nullptr)
{
    std::string request = method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n";
    if (method == "POST")
        request +=
            "Content-Type: application/json\r\nContent-Length: " + std::to_string(body.size()) + "\r\n";
    request += "\r\n" + body;
    if (::send(fd, request.data(), request.size(), MSG_NOSIGNAL) != ssize_t(request.size()))
        return -1;
    std::string in;
    char buf[16384];
    std::size_t headerEnd = std::string::npos;
    std::size_t total = 0;
    for (;;) {
        const ssize_t n = ::recv(fd, buf, sizeof buf, 0);
        if (n <= 0)
            return -1;
        in.append(buf, std::size_t(n));
        if (headerEnd == std::string::npos) {
            headerEnd = in.find("\r\n\r\n");
            if (headerEnd == std::string::npos)
                continue;
            const std::size_t cl = in.find("Content-Length: ");
            if (cl == std::string::npos || cl > headerEnd)
                return -1;
            total = headerEnd + 4 + std::stoul(in.substr(cl + 16));
        }
        if (in.size() >= total)
            break;
    }
    if (answer)
        *answer = in.substr(headerEnd + 4);
    return in.size() > 12 ? std::stoi(in.substr(9, 3)) : -1;
}

// The rows of a table in an SQLite file, read after the server has stopped;
// -1 when the file cannot be read.
inline qint64 rowsIn(const QString& file, const QString& table)
{
    qint64 count = -1;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(file);
        if (db.open()) {
            QSqlQuery q(QStringLiteral("SELECT COUNT(*) FROM ") + table, db);
            if (q.next())
                count = q.value(0).toLongLong();
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return count;
}

inline double percentile(const std::vector<double>& sorted, std::size_t p)
{
    return sorted.empty() ? 0 : sorted[std::min(sorted.size() - 1, sorted.size() * p / 100)];
}

// The server on a free port with a database in a temporary folder; its log goes
// to a file, so that a full pipe never stalls it.
struct Service {
    QTemporaryDir dir;
    QProcess process;
    quint16 port = 0;
    QString exe = QStringLiteral(HOFD_EXE);
    QStringList options{QStringLiteral("--submissions-per-minute"), QStringLiteral("0")};

    QString database() const { return dir.filePath(QStringLiteral("load.sqlite")); }
    bool start()
    {
        QFile log(dir.filePath(QStringLiteral("hofd.log")));
        process.setStandardOutputFile(QProcess::nullDevice());
        process.setStandardErrorFile(log.fileName());
        process.start(exe, QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                                       QStringLiteral("--database"), database()} +
                               options);
        QByteArray banner;
        for (int tries = 0; tries < 100 && !banner.contains('\n'); ++tries) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            if (log.open(QIODevice::ReadOnly)) {
                banner = log.readLine();
                log.close();
            }
        }
        const qsizetype at = banner.indexOf("://127.0.0.1:");
        port = at < 0 ? 0 : quint16(banner.mid(at + 13).split('/').first().toUInt());
        return port != 0;
    }
    void stop()
    {
        process.terminate();
        if (!process.waitForFinished(10000))
            process.kill();
        process.waitForFinished(5000);
    }
    ~Service() { stop(); }
    // /proc/PID/status's VmRSS in MB, or the main thread's time on a processor in ms.
    double procValue(bool cpu) const
    {
        QFile f(QStringLiteral("/proc/%1/%2").arg(process.processId()).arg(cpu ? "schedstat" : "status"));
        if (!f.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray text = f.readAll();
        if (cpu)
            return text.split(' ').first().toDouble() / 1e6;
        const qsizetype at = text.indexOf("VmRSS:");
        return text.mid(at + 6, text.indexOf('\n', at) - at - 6).trimmed().split(' ').first().toDouble() /
               1024;
    }
};

} // namespace hofdbench
