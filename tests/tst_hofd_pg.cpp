// brevallo-hofd on PostgreSQL: a server of the test's own, made in a temporary
// folder with initdb and pg_ctl and listening on 127.0.0.1 only (skipped when
// PostgreSQL is not installed). Run as root, the server runs as the postgres
// user (initdb refuses root). The service's database timeout is one second;
// every wait is bounded.
#include "hofdsupport.h"

#include <QDir>
#include <QSqlDatabase>
#include <QTcpServer>
#include <QTemporaryDir>
#include <QTest>
#include <csignal>
#include <pwd.h>
#include <unistd.h>

using hofdtest::exchange;
using hofdtest::request;
using namespace Qt::StringLiterals;

namespace {

const QByteArray kList = "/games/triv/triviahf.asp?game=pg";

QByteArray submission(const QString& name)
{
    return request(kList + "&a=50&b=" + QUrl::toPercentEncoding(name) + "+dif%3D1", "Connection: close\r\n");
}

} // namespace

class TestHofdPg : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void databaseWithoutUtf8Refused_data();
    void databaseWithoutUtf8Refused();
    void restartSeenBySecondService();
    void stoppedServerLeavesTheLoopFree();
    void listsStayUpWhileTheServerHangs();
    void entryStoredWhileNotListeningShows();
    void classReportsStoredAndShown();

private:
    bool run(const QString& tool, const QStringList& args);
    bool sql(const QString& database, const QStringList& statements);
    QString address(const QString& database) const;
    void signalServer(int signal);

    QTemporaryDir dir_;
    QString bin_;
    quint16 port_ = 0;
    uid_t uid_ = 0;
    gid_t gid_ = 0;
};

bool TestHofdPg::run(const QString& tool, const QStringList& args)
{
    QProcess p;
    p.setProcessChannelMode(QProcess::MergedChannels);
    const uid_t uid = uid_;
    const gid_t gid = gid_;
    p.setChildProcessModifier([uid, gid] {
        if (uid != 0 && (::setgid(gid) != 0 || ::setuid(uid) != 0))
            ::_exit(3);
    });
    p.start(bin_ + u'/' + tool, args);
    const bool done = p.waitForFinished(60000) && p.exitCode() == 0;
    if (!done)
        qWarning("%s: %s", qPrintable(tool), p.readAll().constData());
    return done;
}

bool TestHofdPg::sql(const QString& database, const QStringList& statements)
{
    QStringList args{u"-Xq"_s,   u"-vON_ERROR_STOP=1"_s, u"-h127.0.0.1"_s, u"-p%1"_s.arg(port_),
                     u"-Uhof"_s, u"-d"_s + database};
    for (const QString& statement : statements)
        args << u"-c"_s << statement;
    return run(u"psql"_s, args);
}

QString TestHofdPg::address(const QString& database) const
{
    return u"postgresql://hof@127.0.0.1:%1/%2"_s.arg(port_).arg(database);
}

void TestHofdPg::initTestCase()
{
    for (const QString& version :
         QDir(u"/usr/lib/postgresql"_s).entryList(QDir::Dirs | QDir::NoDotAndDotDot)) {
        if (QFile::exists(u"/usr/lib/postgresql/%1/bin/initdb"_s.arg(version)))
            bin_ = u"/usr/lib/postgresql/%1/bin"_s.arg(version);
    }
    if (bin_.isEmpty())
        QSKIP("PostgreSQL is not installed (no /usr/lib/postgresql/*/bin/initdb; make pg-deps installs it)");
    if (!QSqlDatabase::isDriverAvailable(u"QPSQL"_s))
        QSKIP("the Qt PostgreSQL driver is not installed (libqt6sql6-psql; make pg-deps installs it)");
    if (::geteuid() == 0) {
        const passwd* user = ::getpwnam("postgres");
        uid_ = user ? user->pw_uid : 65534;
        gid_ = user ? user->pw_gid : 65534;
        QVERIFY(::chown(QFile::encodeName(dir_.path()).constData(), uid_, gid_) == 0);
    }
    QTcpServer probe; // a free port, given back at once
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    port_ = probe.serverPort();
    probe.close();
    const QString data = dir_.filePath(u"data"_s);
    QVERIFY(run(u"initdb"_s,
                {u"-D"_s, data, u"-U"_s, u"hof"_s, u"--auth=trust"_s, u"--locale=C"_s, u"-E"_s, u"UTF8"_s}));
    QVERIFY(run(u"pg_ctl"_s,
                {u"-D"_s, data, u"-l"_s, dir_.filePath(u"server.log"_s), u"-w"_s, u"-o"_s,
                 u"-p %1 -k %2 -c listen_addresses=127.0.0.1"_s.arg(port_).arg(dir_.path()), u"start"_s}));
    QVERIFY(
        sql(u"postgres"_s, {u"CREATE DATABASE hof"_s, u"CREATE DATABASE frozen"_s, u"CREATE DATABASE hang"_s,
                            u"CREATE DATABASE gap"_s, u"CREATE DATABASE classes"_s,
                            u"CREATE DATABASE ascii ENCODING 'SQL_ASCII' TEMPLATE template0"_s,
                            u"CREATE DATABASE latin ENCODING 'LATIN1' TEMPLATE template0"_s}));
}

void TestHofdPg::cleanupTestCase()
{
    if (port_ != 0 && !bin_.isEmpty())
        run(u"pg_ctl"_s, {u"-D"_s, dir_.filePath(u"data"_s), u"-m"_s, u"immediate"_s, u"-w"_s, u"stop"_s});
}

// The server and every backend, stopped or continued.
void TestHofdPg::signalServer(int signal)
{
    QFile pidFile(dir_.filePath(u"data/postmaster.pid"_s));
    QVERIFY(pidFile.open(QIODevice::ReadOnly));
    const QByteArray server = pidFile.readLine().trimmed();
    QFile children(u"/proc/%1/task/%1/children"_s.arg(QLatin1String(server)));
    QVERIFY(children.open(QIODevice::ReadOnly));
    for (const QByteArray& pid : children.readAll().split(' ') + QList<QByteArray>{server}) {
        if (!pid.trimmed().isEmpty())
            ::kill(pid.trimmed().toInt(), signal);
    }
}

void TestHofdPg::databaseWithoutUtf8Refused_data()
{
    QTest::addColumn<QString>("database");
    QTest::addColumn<QByteArray>("encoding");
    QTest::addRow("sql_ascii") << "ascii" << QByteArray("SQL_ASCII");
    QTest::addRow("latin1") << "latin" << QByteArray("LATIN1");
}

void TestHofdPg::databaseWithoutUtf8Refused()
{
    QFETCH(QString, database);
    QFETCH(QByteArray, encoding);
    QProcess service;
    service.start(QStringLiteral(HOFD_EXE),
                  {u"--listen"_s, u"127.0.0.1:0"_s, u"--database"_s, address(database)});
    QVERIFY(service.waitForFinished(10000));
    QCOMPARE(service.exitCode(), 1);
    const QByteArray said = service.readAllStandardError();
    QVERIFY2(said.contains(encoding) && said.contains("UTF-8"), said.constData());
}

// A second service keeps a list in memory; after the server restarts it shows
// the first one's new entry at once. The table was made with 20-character
// names: the service widens it, so that 20 emoji sequences fit.
void TestHofdPg::restartSeenBySecondService()
{
    QVERIFY(
        sql(u"hof"_s,
            {QStringLiteral("CREATE TABLE entries (id BIGSERIAL PRIMARY KEY, game VARCHAR(8) NOT NULL,"
                            " score INTEGER NOT NULL, name VARCHAR(20) NOT NULL, difficulty INTEGER NOT NULL,"
                            " email VARCHAR(30) NOT NULL, created VARCHAR(19) NOT NULL)")}));
    QProcess first, second;
    const quint16 one = hofdtest::startHofd(first, address(u"hof"_s));
    const quint16 two = hofdtest::startHofd(second, address(u"hof"_s));
    QVERIFY(one != 0 && two != 0);
    QVERIFY(exchange(one, submission(u"Before"_s)).reply.startsWith("HTTP/1.1 200 "));
    QVERIFY(exchange(two, request(kList, "Connection: close\r\n")).reply.contains("<bdi>Before</bdi>"));
    QVERIFY(run(u"pg_ctl"_s, {u"-D"_s, dir_.filePath(u"data"_s), u"-m"_s, u"fast"_s, u"-w"_s, u"restart"_s}));
    const QString after =
        u"After"_s + QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467").repeated(15);
    const hofdtest::Raw stored = exchange(one, submission(after));
    QVERIFY2(stored.reply.startsWith("HTTP/1.1 200 "), stored.reply.left(40).constData());
    QVERIFY(exchange(two, request(kList, "Connection: close\r\n"))
                .reply.contains("<bdi>" + after.toUtf8() + "</bdi>"));
    for (QProcess* service : {&first, &second}) {
        service->terminate();
        QVERIFY(service->waitForFinished(5000));
        QCOMPARE(service->exitStatus(), QProcess::NormalExit);
        QCOMPARE(service->exitCode(), 0);
    }
}

// With every server process stopped, the list in memory, a 404 and new
// connections are answered; a submission gets 503 after the timeout and is not
// stored when the server goes on.
void TestHofdPg::stoppedServerLeavesTheLoopFree()
{
    QProcess service;
    const quint16 port =
        hofdtest::startHofd(service, address(u"frozen"_s), {u"--database-timeout"_s, u"1"_s});
    QVERIFY(port != 0);
    QVERIFY(exchange(port, request(kList, "Connection: close\r\n")).reply.contains("No entries yet."));
    signalServer(SIGSTOP);
    QTcpSocket waiting;
    waiting.connectToHost(QHostAddress::LocalHost, port);
    QVERIFY(waiting.waitForConnected(2000));
    waiting.write(submission(u"Frozen"_s));
    QVERIFY(waiting.waitForBytesWritten(2000));
    QTest::qWait(100);
    const bool listed =
        exchange(port, request(kList, "Connection: close\r\n")).reply.contains("No entries yet.");
    const bool missing =
        exchange(port, request("/x", "Connection: close\r\n")).reply.startsWith("HTTP/1.1 404 ");
    const qint64 early = waiting.bytesAvailable();
    QByteArray refused;
    while (!refused.contains("\r\n\r\n") && waiting.waitForReadyRead(3000))
        refused += waiting.readAll();
    signalServer(SIGCONT);
    QVERIFY(listed && missing && early == 0);
    QVERIFY2(refused.startsWith("HTTP/1.1 503 ") && refused.contains("\r\nRetry-After: 1\r\n"),
             refused.constData());
    QVERIFY(exchange(port, submission(u"Thawed"_s)).reply.startsWith("HTTP/1.1 200 "));
    const QByteArray list = exchange(port, request(kList, "Connection: close\r\n")).reply;
    QVERIFY(list.contains("<bdi>Thawed</bdi>") && !list.contains("Frozen"));
    service.terminate();
    QVERIFY(service.waitForFinished(5000));
    QCOMPARE(service.exitStatus(), QProcess::NormalExit);
    QCOMPARE(service.exitCode(), 0);
}

// This service's own entry leaves another game's list fresh; another writer's
// entry makes the lists be read again, and while the server hangs the last list
// read is served (stale in the log only).
void TestHofdPg::listsStayUpWhileTheServerHangs()
{
    QProcess service;
    const QString log = dir_.filePath(u"hang.log"_s);
    const quint16 port =
        hofdtest::startHofd(service, address(u"hang"_s), {u"--database-timeout"_s, u"1"_s}, log);
    QVERIFY(port != 0);
    const QByteArray other = "/games/triv/triviahf.asp?game=other";
    QVERIFY(exchange(port, request(other, "Connection: close\r\n")).reply.contains("No entries yet."));
    QVERIFY(exchange(port, submission(u"Own"_s)).reply.startsWith("HTTP/1.1 200 "));
    QTest::qWait(300); // its change notified
    signalServer(SIGSTOP);
    const hofdtest::Raw kept = exchange(port, request(other, "Connection: close\r\n"));
    signalServer(SIGCONT);
    QVERIFY(sql(u"hang"_s, {u"INSERT INTO entries (game, score, name, difficulty, email, created)"
                            " VALUES ('pg', 99, 'Elsewhere', 1, '', '2026-01-01 00:00:00')"_s}));
    QTest::qWait(300);
    signalServer(SIGSTOP);
    const hofdtest::Raw pg = exchange(port, request(kList, "Connection: close\r\n"));
    signalServer(SIGCONT);
    QVERIFY(kept.reply.startsWith("HTTP/1.1 200 "));
    QVERIFY2(pg.reply.startsWith("HTTP/1.1 200 ") && pg.reply.contains("<bdi>Own</bdi>") &&
                 !pg.reply.contains("Elsewhere"),
             pg.reply.left(40).constData());
    QVERIFY(exchange(port, request(kList, "Connection: close\r\n")).reply.contains("<bdi>Elsewhere</bdi>"));
    service.terminate();
    QVERIFY(service.waitForFinished(5000));
    QFile file(log);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray said = file.readAll();
    QVERIFY2(said.contains(" list game=pg (stale) 200 ") && !said.contains("game=other (stale)"),
             said.constData());
}

// An entry stored while the service's reader was cut off (no notification
// reaches it) shows once the reader is back.
void TestHofdPg::entryStoredWhileNotListeningShows()
{
    QProcess service;
    const quint16 port = hofdtest::startHofd(service, address(u"gap"_s));
    QVERIFY(port != 0);
    QVERIFY(exchange(port, request(kList, "Connection: close\r\n")).reply.contains("No entries yet."));
    // One query string, one transaction: the entry is committed before the
    // reader can be back.
    QVERIFY(sql(u"gap"_s, {u"SELECT pg_terminate_backend(pid) FROM pg_stat_activity"
                           " WHERE datname = 'gap' AND pid <> pg_backend_pid();"
                           " INSERT INTO entries (game, score, name, difficulty, email, created)"
                           " VALUES ('pg', 7, 'Unheard', 1, '', '2026-01-01 00:00:00')"_s}));
    QTRY_VERIFY_WITH_TIMEOUT(
        exchange(port, request(kList, "Connection: close\r\n")).reply.contains("<bdi>Unheard</bdi>"), 5000);
    service.terminate();
    QVERIFY(service.waitForFinished(5000));
    QCOMPARE(service.exitCode(), 0);
}

// Classes on PostgreSQL, in a database whose hall of fame came first: a report
// stored once however often it is sent, a late one, the teacher's page and
// downloads, a player deleted.
void TestHofdPg::classReportsStoredAndShown()
{
    QVERIFY(sql(u"classes"_s, {u"CREATE TABLE entries (id BIGSERIAL PRIMARY KEY, game VARCHAR(8) NOT NULL,"
                               " score INTEGER NOT NULL, name VARCHAR(80) NOT NULL,"
                               " difficulty INTEGER NOT NULL, email VARCHAR(30) NOT NULL,"
                               " created VARCHAR(19) NOT NULL)"_s,
                               u"INSERT INTO entries (game, score, name, difficulty, email, created)"
                               " VALUES ('pg', 9, 'Kept', 1, '', '2026-01-01 00:00:00')"_s}));
    QProcess make;
    make.start(QStringLiteral(HOFD_EXE), {u"--database"_s, address(u"classes"_s), u"--new-class"_s, u"PG"_s});
    QVERIFY(make.waitForFinished(10000));
    const QByteArray made = make.readAllStandardOutput().trimmed();
    QVERIFY2(make.exitCode() == 0 && made.contains("?key="), make.readAllStandardError().constData());
    const QByteArray code = made.left(6), key = made.mid(made.indexOf("?key=") + 5);
    QProcess service;
    const quint16 port = hofdtest::startHofd(service, address(u"classes"_s));
    QVERIFY(port != 0);
    auto post = [&](const QByteArray& game, const QByteArray& ended, const char* right) {
        const QByteArray body =
            R"({"format":1,"game":")" + game +
            R"(","player":"Pat","started":"2026-12-07T20:00:00Z",)"
            R"("ended":")" +
            ended +
            R"(","score":6,"possible":10,"practice":true,"questions":[{"kind":"sorting",)"
            R"("category":12,"points":6,"possible":10,"skipped":false,"items":[{"president":4,)"
            R"("right":)" +
            right + R"(},{"president":45,"right":true}]}]})";
        const QByteArray reply =
            exchange(port, "POST /classes/" + code.toLower() +
                               "/reports HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                               "Connection: close\r\nContent-Type: application/json\r\nContent-Length: " +
                               QByteArray::number(body.size()) + "\r\n\r\n" + body)
                .reply;
        return reply.mid(9, 3).toInt();
    };
    const QByteArray game = "3f1c2a9e-5b7d-4c1e-9a0b-2d4e6f8a1c3b";
    QCOMPARE(post(game, "2026-12-08T20:09:00Z", "true"), 201);
    QCOMPARE(post(game, "2026-12-08T20:09:00Z", "true"), 200);
    QCOMPARE(post("3f1c2a9e-5b7d-4c1e-9a0b-2d4e6f8a1c3c", "2026-12-07T20:09:00Z", "false"), 201);
    auto get = [&](const QByteArray& path) {
        const QByteArray target = "/classes/" + code + path + "?key=" + key;
        return exchange(port, request(target, "Connection: close\r\n")).reply;
    };
    QVERIFY(get("/games.csv")
                .endsWith("\r\n\r\nplayer,ended,score,possible,practice\r\n"
                          "Pat,2026-12-07T20:09:00Z,6,10,yes\r\n"
                          "Pat,2026-12-08T20:09:00Z,6,10,yes\r\n"));
    QCOMPARE(get("/answers.csv").count("\r\nPat,"), 4);
    // The late game's wrong answer is older than the right one.
    QVERIFY(get("/players/Pat").contains("1 of the last 2 answers right, the latest right"));
    QVERIFY(get("").contains("<td>50% (1 of 2)</td>"));
    QVERIFY(exchange(port, "POST /classes/" + code +
                               "/players/Pat/delete HTTP/1.1\r\nHost: 127.0.0.1\r\n"
                               "Connection: close\r\nContent-Length: " +
                               QByteArray::number(key.size() + 16) + "\r\n\r\nkey=" + key + "&confirm=yes")
                .reply.startsWith("HTTP/1.1 200 "));
    QVERIFY(!get("/games.csv").contains("Pat"));
    QVERIFY(exchange(port, request(kList, "Connection: close\r\n")).reply.contains("<bdi>Kept</bdi>"));
    service.terminate();
    QVERIFY(service.waitForFinished(5000));
    QCOMPARE(service.exitCode(), 0);
}

QTEST_GUILESS_MAIN(TestHofdPg)
#include "tst_hofd_pg.moc"
