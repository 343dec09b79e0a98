// brevallo-hofd for tests: started on a free loopback port, and raw HTTP on a
// socket for what a browser would never send. Everything waits a bounded time.
#pragma once

#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>

namespace hofdtest {

// Starts the service on 127.0.0.1; returns its port, or 0 when it did not start.
// With a log file its log goes there: a test busy with many clients does not
// read the pipe, and a service writing to a full pipe waits.
inline quint16 startHofd(QProcess& server, const QString& database, const QStringList& extra = {},
                         const QString& logFile = {})
{
    server.setReadChannel(QProcess::StandardError);
    server.setStandardErrorFile(logFile); // none: a pipe again
    server.start(QStringLiteral(HOFD_EXE),
                 QStringList{QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                             QStringLiteral("--database"), database} +
                     extra);
    QByteArray banner;
    QFile log(logFile);
    for (QElapsedTimer clock; !clock.isValid() || (!banner.contains("/ with") && clock.elapsed() < 5000);) {
        if (!clock.isValid())
            clock.start();
        if (logFile.isEmpty() ? !server.waitForReadyRead(5000) : server.waitForFinished(20))
            break;
        banner += logFile.isEmpty() ? server.readAllStandardError()
                                    : (log.open(QIODevice::ReadOnly) ? log.readAll() : QByteArray());
        log.close();
    }
    const qsizetype at = banner.indexOf("://127.0.0.1:");
    return at < 0 ? 0 : quint16(banner.mid(at + 13).split('/').first().toUInt());
}

struct Raw {
    QByteArray reply;
    bool closed = false; // the server closed the connection
    qint64 ms = 0;       // until it closed, or the wait ran out
};

// Sends bytes on a new connection and reads until the server closes it or
// waitMs pass.
inline Raw exchange(quint16 port, const QByteArray& bytes, int waitMs = 3000)
{
    Raw r;
    QElapsedTimer clock;
    clock.start();
    QTcpSocket socket;
    socket.connectToHost(QStringLiteral("127.0.0.1"), port);
    if (!socket.waitForConnected(waitMs))
        return r;
    socket.write(bytes);
    while (clock.elapsed() < waitMs && socket.state() == QAbstractSocket::ConnectedState) {
        socket.waitForReadyRead(int(qMax<qint64>(1, waitMs - clock.elapsed())));
        r.reply += socket.readAll();
    }
    r.reply += socket.readAll();
    r.closed = socket.state() != QAbstractSocket::ConnectedState;
    r.ms = clock.elapsed();
    return r;
}

// The status of each answer in a stream of them, each read to the end of its
// Content-Length; bytes after the last whole answer are not counted.
inline QList<QByteArray> statuses(const QByteArray& stream)
{
    QList<QByteArray> found;
    for (qsizetype at = 0; stream.mid(at, 9).startsWith("HTTP/1.1 ");) {
        const qsizetype end = stream.indexOf("\r\n\r\n", at);
        const qsizetype length = stream.indexOf("\r\nContent-Length: ", at);
        if (end < 0 || length < 0 || length > end)
            break;
        found << stream.mid(at + 9, 3);
        at = end + 4 + stream.mid(length + 18, stream.indexOf("\r\n", length + 2) - length - 18).toLongLong();
    }
    return found;
}

inline QByteArray request(const QByteArray& target, const QByteArray& extraHeaders = {},
                          const QByteArray& version = "HTTP/1.1")
{
    return "GET " + target + ' ' + version + "\r\nHost: 127.0.0.1\r\n" + extraHeaders + "\r\n";
}

} // namespace hofdtest
