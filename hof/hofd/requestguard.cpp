#include "hof/hofd/requestguard.h"

#include <QTcpSocket>

#include <unistd.h>

namespace hofd
{

QByteArray repairRequestLine(const QByteArray& line)
{
    const qsizetype first = line.indexOf(' ');
    const qsizetype last = line.lastIndexOf(' ');
    if (first < 0 || last <= first || !line.mid(last + 1).startsWith("HTTP/"))
        return line;
    QByteArray target = line.mid(first + 1, last - first - 1);
    if (!target.contains(' '))
        return line;
    target.replace(" ", "%20");
    return line.left(first + 1) + target + line.mid(last);
}

namespace
{

// Per-connection watcher; its readyRead slot is connected before the HTTP
// layer's, so it sees every byte first.
class HeaderWatch : public QObject
{
  public:
    HeaderWatch(QTcpSocket* socket, GuardedTcpServer* server)
        : QObject(socket), socket_(socket), server_(server)
    {
        connect(socket, &QTcpSocket::readyRead, this, &HeaderWatch::inspect);
    }

  private:
    void inspect()
    {
        if (refused_) {
            socket_->readAll();
            return;
        }
        QByteArray data = socket_->peek(socket_->bytesAvailable());
        if (atRequestStart_)
            repairAtStart(data);
        for (const char c : data) {
            ++headerBytes_;
            if (inRequestLine_)
                ++lineBytes_;
            if (c == '\n') {
                inRequestLine_ = false;
                if (lastWasNewline_) {
                    // blank line: the next byte starts a new request
                    headerBytes_ = lineBytes_ = 0;
                    inRequestLine_ = atRequestStart_ = true;
                    lastWasNewline_ = false;
                    continue;
                }
                lastWasNewline_ = true;
            } else if (c != '\r') {
                lastWasNewline_ = false;
                atRequestStart_ = false;
            }
            if (lineBytes_ > GuardedTcpServer::kMaxRequestLine)
                return refuse(414, "URI Too Long");
            if (headerBytes_ > GuardedTcpServer::kMaxHeader)
                return refuse(431, "Request Header Fields Too Large");
        }
    }

    // A whole request line at the front of the buffer with raw spaces in its
    // target is replaced by its repaired form.
    void repairAtStart(QByteArray& data)
    {
        const qsizetype end = data.indexOf('\n');
        if (end < 0 || end > GuardedTcpServer::kMaxRequestLine)
            return;
        const qsizetype lineEnd = end > 0 && data.at(end - 1) == '\r' ? end - 1 : end;
        const QByteArray line = data.left(lineEnd);
        const QByteArray repaired = repairRequestLine(line);
        if (repaired == line)
            return;
        socket_->read(data.size());
        data = repaired + data.mid(lineEnd);
        for (qsizetype i = data.size() - 1; i >= 0; --i)
            socket_->ungetChar(data.at(i));
    }

    void refuse(int status, const char* reason)
    {
        refused_ = true;
        socket_->readAll(); // the HTTP layer never sees the oversized request
        const QByteArray body = QByteArray("<!DOCTYPE html>\n<html><head><title>") + reason +
                                "</title></head><body><p>The request is too large.</p></body></html>\n";
        socket_->write("HTTP/1.1 " + QByteArray::number(status) + ' ' + reason +
                       "\r\nContent-Type: text/html; charset=utf-8\r\nConnection: close\r\nContent-Length: " +
                       QByteArray::number(body.size()) + "\r\n\r\n" + body);
        emit server_->refused(socket_->peerAddress().toString(), status);
        socket_->disconnectFromHost();
    }

    QTcpSocket* socket_;
    GuardedTcpServer* server_;
    qint64 headerBytes_ = 0;
    qint64 lineBytes_ = 0;
    bool inRequestLine_ = true;
    bool atRequestStart_ = true;
    bool lastWasNewline_ = false;
    bool refused_ = false;
};

} // namespace

void GuardedTcpServer::incomingConnection(qintptr descriptor)
{
    auto* socket = new QTcpSocket(this);
    if (!socket->setSocketDescriptor(descriptor)) {
        delete socket;
        ::close(int(descriptor));
        return;
    }
    new HeaderWatch(socket, this);
    addPendingConnection(socket);
}

} // namespace hofd
