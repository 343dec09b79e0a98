// brevallo-hofd as a player's browser meets it: the real server on a free loopback
// port with a temporary database, asked through QNetworkAccessManager. Every
// request has a time limit; the server is killed and restarted for durability.
#include "hof/hofd/hofpage.h"
#include "hof/hofd/hofrequest.h"
#include "hof/hofd/hofstore.h"
#include "store/hoflist.h"
#include "hofdsupport.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QDir>
#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QScopeGuard>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QDeadlineTimer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <cstdio>
#include <unistd.h>
#include <utility>

namespace {

struct Answer {
    int status = 0;
    QByteArray body;
};

QByteArray enc(const QString& value)
{
    return QUrl::toPercentEncoding(value);
}

} // namespace

class TestHofd : public QObject {
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void parsesQueries_data();
    void parsesQueries();
    void submissionIsListedAndMarked();
    void onePageSetServesEachEntryOfABatch();
    void onlyThirtyBestListedTiesBelowEarlier();
    void fiveDigitScoresAndDatesAsListed();
    void namesAreEscapedAndStoredAsText();
    void badInputGets400AndStoresNothing_data();
    void badInputGets400AndStoresNothing();
    void unknownPathAndOversizedHeader();
    void rawSpaceBeforeDifIsAccepted();
    void acknowledgedEntriesSurviveKill();
    void listingFollowsNewEntriesAndSqlGameCodes();
    void headAndOtherMethods();
    void otherWritersSeenAtNextListing();
    void gameSubmissionAddressIsStored();
    void submissionRateLimit();
    void readOnlyDatabaseRefusedAtStart();
    void badTimeoutsRefused_data();
    void badTimeoutsRefused();
    void refusedEntryFailsAlone();
    void lockHeldElsewhereWaitsOffTheLoop();
    void retryOfDoubtfulEntryStoredOnce();
    void databaseFileGoneStopsTheService_data();
    void databaseFileGoneStopsTheService();
    void logShowsTheClientsTextEscaped();

private:
    void startServer();
    Answer get(const QByteArray& pathAndQuery, const QByteArray& extraHeaderValue = {});
    Answer submit(const QString& game, int score, const QString& name, int dif);

    QTemporaryDir dir_;
    QProcess server_;
    quint16 port_ = 0;
    QNetworkAccessManager net_;
    QList<QByteArray> bodies_; // every page served, checked for the e-mail address
    const QByteArray email_ = "secret.player@mail.example";
};

void TestHofd::startServer()
{
    port_ = hofdtest::startHofd(server_, dir_.filePath("hof.sqlite"),
                                {QStringLiteral("--submissions-per-minute"), QStringLiteral("0")});
    QVERIFY(port_ != 0);
}

void TestHofd::init()
{
    bodies_.clear();
    const QByteArray test = QTest::currentTestFunction();
    if (test != "parsesQueries" && test != "badTimeoutsRefused" && test != "refusedEntryFailsAlone" &&
        test != "retryOfDoubtfulEntryStoredOnce")
        startServer();
}

void TestHofd::cleanup()
{
    for (const QByteArray& body : bodies_)
        QVERIFY(!body.contains(email_) && !body.contains(enc(QString::fromLatin1(email_))));
    if (server_.state() != QProcess::NotRunning) {
        server_.terminate();
        QVERIFY(server_.waitForFinished(5000));
        QCOMPARE(server_.exitStatus(), QProcess::NormalExit);
        QCOMPARE(server_.exitCode(), 0);
    }
    // The database and what SQLite keeps beside it: a write-ahead log left
    // behind would be read into the next test's new database.
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(dir_.filePath("hof.sqlite") + QLatin1String(suffix));
    QCOMPARE(QDir(dir_.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
             QStringList());
}

Answer TestHofd::get(const QByteArray& pathAndQuery, const QByteArray& extraHeaderValue)
{
    QNetworkRequest request(
        QUrl::fromEncoded("http://127.0.0.1:" + QByteArray::number(port_) + pathAndQuery));
    if (!extraHeaderValue.isEmpty())
        request.setRawHeader("X-Fill", extraHeaderValue);
    QNetworkReply* reply = net_.get(request);
    QEventLoop loop;
    connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QTimer::singleShot(5000, &loop, &QEventLoop::quit);
    loop.exec();
    Answer a;
    if (reply->isFinished()) {
        a.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
        a.body = reply->readAll();
    }
    reply->abort();
    reply->deleteLater();
    bodies_.append(a.body);
    return a;
}

Answer TestHofd::submit(const QString& game, int score, const QString& name, int dif)
{
    return get("/games/triv/triviahf.asp?game=" + enc(game) + "&a=" + QByteArray::number(score) +
               "&b=" + enc(name + QStringLiteral(" dif=") + QString::number(dif)) + "&c=" + enc(email_));
}

void TestHofd::parsesQueries_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addColumn<QString>("expected"); // game|score|name|dif|email, or the error's start
    QTest::addRow("encoded") << QByteArray("game=brev&a=120&b=Ann%20dif%3D3&c=a%40b.c")
                             << "brev|120|Ann|3|a@b.c";
    QTest::addRow("raw_equals_in_b") << QByteArray("game=brev&a=7&b=Ann%20dif=1&c=") << "brev|7|Ann|1|";
    QTest::addRow("name_with_dif_text")
        << QByteArray("game=brev&a=7&b=x%20dif=2%20dif=3") << "brev|7|x dif=2|3|";
    QTest::addRow("plus_is_a_space") << QByteArray("game=brev&a=0&b=A+B%20dif=2") << "brev|0|A B|2|";
    QTest::addRow("form_encoded") << QByteArray("game=brev&a=9&b=Ann+dif%3D2&c=a%2Bb%40c.d")
                                  << "brev|9|Ann|2|a+b@c.d";
    QTest::addRow("stray_percent_elsewhere")
        << QByteArray("x=100%&game=brev&a=1&b=x+dif%3D1") << "brev|1|x|1|";
    QTest::addRow("stray_percent_in_name")
        << QByteArray("game=brev&a=1&b=100%+dif%3D1") << "The name holds a '%'";
    QTest::addRow("bad_hex_in_email")
        << QByteArray("game=brev&a=1&b=x+dif%3D1&c=a%G1") << "The e-mail address holds";
    QTest::addRow("nul_in_score") << QByteArray("game=brev&a=1%002&b=x+dif%3D1")
                                  << "The score holds a control";
    QTest::addRow("c1_in_game") << QByteArray("game=br%C2%85ev") << "The game code holds a control";
    QTest::addRow("cap_counts_characters")
        << QByteArray("game=brev&a=1&b=" + QByteArray("%F0%9F%98%80").repeated(25) + "+dif%3D1")
        << "brev|1|" + QString::fromUtf8("\xF0\x9F\x98\x80").repeated(20) + "|1|";
    QTest::addRow("caps") << QByteArray("game=brevallo_x&a=1&b=ABCDEFGHIJKLMNOPQRSTUVW%20dif=1&c=" +
                                        QByteArray(40, 'e'))
                          << "brevallo|1|ABCDEFGHIJKLMNOPQRST|1|" + QString(30, u'e');
    QTest::addRow("invalid_utf8_only_in_its_value")
        << QByteArray("game=brev&a=5&b=Jos%E9%20dif=2&c=%C3%A9") << QString::fromUtf8("brev|5|Jos\uFFFD|2|é");
    QTest::addRow("no_game") << QByteArray("a=5&b=x%20dif=2") << "The game code";
    QTest::addRow("no_dif") << QByteArray("game=brev&a=5&b=x") << "The difficulty";
    QTest::addRow("name_blank") << QByteArray("game=brev&a=5&b=%E3%85%A4+dif%3D2") << "The name is missing";
    // Whole characters: composed, three marks at most, and never more code
    // points than the column holds (a family emoji is five).
    QTest::addRow("marks_limited") << QByteArray("game=brev&a=1&b=e" + QByteArray("%CC%81").repeated(6) +
                                                 "+dif%3D1")
                                   << QString::fromUtf8("brev|1|\u00e9\u0301\u0301\u0301|1|");
    const QByteArray family = "%F0%9F%91%A8%E2%80%8D%F0%9F%91%A9%E2%80%8D%F0%9F%91%A7";
    QTest::addRow("clusters_fit_the_column")
        << QByteArray("game=brev&a=1&b=" + family.repeated(20) + "+dif%3D1")
        << "brev|1|" + QString::fromUtf8("\U0001F468\u200D\U0001F469\u200D\U0001F467").repeated(16) + "|1|";
}

void TestHofd::parsesQueries()
{
    QFETCH(QByteArray, query);
    QFETCH(QString, expected);
    const brev::Result<hofd::HofRequest> r = hofd::parseHofQuery(query);
    const hofd::Submission e = r.ok() ? r->entry : hofd::Submission();
    const QString got = r ? QStringLiteral("%1|%2|%3|%4|%5")
                                .arg(e.game)
                                .arg(e.score)
                                .arg(e.name)
                                .arg(e.difficulty)
                                .arg(e.email)
                          : r.problem()->left(expected.size());
    QCOMPARE(got, expected);
}

void TestHofd::submissionIsListedAndMarked()
{
    const Answer first = submit("brev", 120, "Ann", 3);
    QCOMPARE(first.status, 200);
    QVERIFY(first.body.contains("Your score of 120 is number 1."));
    QVERIFY(first.body.contains("<tr class=\"new\"><td class=\"n\">1</td><td class=\"n\">120</td>"
                                "<td class=\"n\">3</td><td><bdi>Ann</bdi></td>"));
    const Answer list = get("/games/triv/triviahf.asp?game=brev");
    QCOMPARE(list.status, 200);
    QVERIFY(list.body.contains(
        "<tr><td class=\"n\">1</td><td class=\"n\">120</td><td class=\"n\">3</td><td><bdi>Ann</bdi></td>"));
    QVERIFY(!list.body.contains("class=\"new\""));
    QVERIFY(get("/games/triv/triviahf.asp?game=other").body.contains("No entries yet."));
}

void TestHofd::onePageSetServesEachEntryOfABatch()
{
    // The answers of one batch are made from one set of rows: each marks its
    // own entry and no other, and gives its own place.
    const QDate day(2026, 3, 4);
    const hofd::ListPage pages(QStringLiteral("brev"), {{7, 300, 2, QStringLiteral("Ann"), day},
                                                        {9, 200, 1, QStringLiteral("Bo"), day}});
    const QByteArray second = pages.page(9, 200);
    QVERIFY(second.contains("Your score of 200 is number 2."));
    QVERIFY(second.contains("<tr><td class=\"n\">1</td><td class=\"n\">300</td>"));
    QVERIFY(second.contains("<tr class=\"new\"><td class=\"n\">2</td><td class=\"n\">200</td>"
                            "<td class=\"n\">1</td><td><bdi>Bo</bdi></td><td>3/4/2026</td></tr>"));
    QCOMPARE(second.count("class=\"new\""), 1);
    const QByteArray first = pages.page(7, 300);
    QVERIFY(first.contains("Your score of 300 is number 1."));
    QVERIFY(first.contains("<tr class=\"new\"><td class=\"n\">1</td>"));
    QCOMPARE(first.count("class=\"new\""), 1);
    const QByteArray unlisted = pages.page(11, 5);
    QVERIFY(unlisted.contains("Your score of 5 is stored; it is not among the best 30."));
    QVERIFY(!unlisted.contains("class=\"new\""));
    QVERIFY(!pages.page().contains("Your score"));
}

void TestHofd::onlyThirtyBestListedTiesBelowEarlier()
{
    for (int i = 1; i <= 31; ++i)
        QCOMPARE(submit("t31", 1000 + i, QStringLiteral("P%1").arg(i), 1).status, 200);
    QCOMPARE(submit("t31", 1031, "Later", 2).status, 200); // ties with P31
    const Answer last = submit("t31", 1000, "Lowest", 1);
    QVERIFY(last.body.contains("Your score of 1000 is stored; it is not among the best 30."));
    const QByteArray list = get("/games/triv/triviahf.asp?game=t31").body;
    QVERIFY(list.contains(
        "<td class=\"n\">1</td><td class=\"n\">1031</td><td class=\"n\">1</td><td><bdi>P31</bdi></td>"));
    QVERIFY(list.contains(
        "<td class=\"n\">2</td><td class=\"n\">1031</td><td class=\"n\">2</td><td><bdi>Later</bdi></td>"));
    QVERIFY(list.contains("<td class=\"n\">30</td><td class=\"n\">1003</td>"));
    QVERIFY(!list.contains("<td><bdi>P2</bdi></td>") && !list.contains("<td><bdi>P1</bdi></td>") &&
            !list.contains("Lowest"));
}

// Scores of five digits are stored, and a day is written month/day/year.
void TestHofd::fiveDigitScoresAndDatesAsListed()
{
    QCOMPARE(submit("brev", 32767, "Top", 1).status, 200);
    QCOMPARE(submit("brev", 10000, "Ten", 1).status, 200);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("dated"));
        db.setDatabaseName(dir_.filePath("hof.sqlite"));
        QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral(
                                 "INSERT INTO entries (game, score, name, difficulty, email, created)"
                                 " VALUES ('brev', 5, 'Old', 1, '', '2025-03-25 10:00:00')")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("dated"));
    const QByteArray list = get("/games/triv/triviahf.asp?game=brev").body;
    QVERIFY(list.contains("<td class=\"n\">1</td><td class=\"n\">32767</td>"));
    QVERIFY(list.contains("<td class=\"n\">2</td><td class=\"n\">10000</td>"));
    QVERIFY(list.contains("<td><bdi>Old</bdi></td><td>3/25/2025</td>"));
}

void TestHofd::namesAreEscapedAndStoredAsText()
{
    const Answer script = submit("brev", 10, "<script>alert(1)</script>", 1);
    QCOMPARE(script.status, 200);
    QVERIFY(script.body.contains("<td><bdi>&lt;script&gt;alert(1)&lt;/sc</bdi></td>"));
    QVERIFY(!script.body.contains("<script>"));
    QCOMPARE(submit("brev", 20, "x'); DROP TABLE entries; --", 2).status, 200);
    const QByteArray list = get("/games/triv/triviahf.asp?game=brev").body;
    QVERIFY(list.contains("<td><bdi>x'); DROP TABLE entr</bdi></td>"));
    QVERIFY(list.contains("alert(1)"));
    QVERIFY(get("/games/triv/triviahf.asp?game=%3Cb%3E").body.contains("Hall of Fame: &lt;b&gt;"));
}

void TestHofd::badInputGets400AndStoresNothing_data()
{
    QTest::addColumn<QByteArray>("query");
    QTest::addRow("score_text") << QByteArray("a=abc&b=x%20dif%3D1");
    QTest::addRow("score_negative") << QByteArray("a=-1&b=x%20dif%3D1");
    QTest::addRow("score_too_big") << QByteArray("a=32768&b=x%20dif%3D1");
    QTest::addRow("score_empty") << QByteArray("a=&b=x%20dif%3D1");
    QTest::addRow("dif_0") << QByteArray("a=5&b=x%20dif%3D0");
    QTest::addRow("dif_4") << QByteArray("a=5&b=x%20dif%3D4");
    QTest::addRow("dif_missing") << QByteArray("a=5&b=x");
    QTest::addRow("name_spaces_only") << QByteArray("a=5&b=+%C2%A0+dif%3D1");
    QTest::addRow("name_invisible_only") << QByteArray("a=5&b=%E2%80%8B%E2%80%8D%CC%81+dif%3D1");
}

void TestHofd::badInputGets400AndStoresNothing()
{
    QFETCH(QByteArray, query);
    QCOMPARE(get("/games/triv/triviahf.asp?game=bad&" + query + "&c=" + enc(email_)).status, 400);
    QVERIFY(get("/games/triv/triviahf.asp?game=bad").body.contains("No entries yet."));
}

void TestHofd::unknownPathAndOversizedHeader()
{
    QCOMPARE(get("/games/triv/other.asp?game=brev").status, 404);
    QCOMPARE(get("/").status, 404);
    QCOMPARE(get("/games/triv/triviahf.asp?game=brev", QByteArray(9000, 'a')).status, 431);
    QCOMPARE(get("/games/triv/triviahf.asp?game=brev&x=" + QByteArray(5000, 'a')).status, 414);
    QCOMPARE(get("/games/triv/triviahf.asp?game=brev", QByteArray(3000, 'a')).status, 200);
}

void TestHofd::rawSpaceBeforeDifIsAccepted()
{
    QTcpSocket socket;
    socket.connectToHost(QHostAddress::LocalHost, port_);
    QVERIFY(socket.waitForConnected(5000));
    socket.write("GET /games/triv/triviahf.asp?game=brev&a=120&b=Old Timer dif=3&c= HTTP/1.1\r\n"
                 "Host: 127.0.0.1\r\nConnection: close\r\n\r\n");
    QByteArray reply;
    while (socket.waitForReadyRead(5000))
        reply += socket.readAll();
    QVERIFY(reply.startsWith("HTTP/1.1 200"));
    QVERIFY(reply.contains("<td class=\"n\">3</td><td><bdi>Old Timer</bdi></td>"));
}

void TestHofd::acknowledgedEntriesSurviveKill()
{
    // 30 submissions in flight at once; the server is killed after the 10th answer.
    QList<QNetworkReply*> replies;
    QStringList acknowledged;
    QEventLoop loop;
    for (int i = 0; i < 30; ++i) {
        const QString name = QStringLiteral("K%1").arg(i);
        QNetworkReply* r = net_.get(QNetworkRequest(QUrl::fromEncoded(
            "http://127.0.0.1:" + QByteArray::number(port_) + "/games/triv/triviahf.asp?game=kill&a=" +
            QByteArray::number(100 + i) + "&b=" + enc(name) + "%20dif%3D1&c=")));
        connect(r, &QNetworkReply::finished, &loop, [&, r, name] {
            if (r->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt() == 200 &&
                r->readAll().contains("<td><bdi>" + name.toLatin1() + "</bdi></td>"))
                acknowledged << name;
            if (acknowledged.size() == 10 && server_.state() == QProcess::Running) {
                server_.kill();
                loop.quit();
            }
        });
        replies << r;
    }
    QTimer::singleShot(10000, &loop, &QEventLoop::quit);
    loop.exec();
    QVERIFY(server_.waitForFinished(5000));
    QCOMPARE(server_.exitStatus(), QProcess::CrashExit);
    QVERIFY(acknowledged.size() >= 10);
    for (QNetworkReply* r : replies) {
        r->disconnect();
        r->abort();
        r->deleteLater();
    }

    startServer();
    const QByteArray list = get("/games/triv/triviahf.asp?game=kill").body;
    for (const QString& name : acknowledged)
        QVERIFY2(list.contains("<td><bdi>" + name.toLatin1() + "</bdi></td>"), qPrintable(name));
}

void TestHofd::listingFollowsNewEntriesAndSqlGameCodes()
{
    QVERIFY(get("/games/triv/triviahf.asp?game=brev").body.contains("No entries yet."));
    QCOMPARE(get("/games/triv/triviahf.asp?game=brev&a=55&b=New+comer+dif%3D2&c=").status,
             200); // as forms send it
    QVERIFY(get("/games/triv/triviahf.asp?game=brev")
                .body.contains("<td class=\"n\">2</td><td><bdi>New comer</bdi></td>"));
    const Answer sql = get("/games/triv/triviahf.asp?game=" + enc("x' OR 1=1--"));
    QCOMPARE(sql.status, 200);
    QVERIFY(sql.body.contains("Hall of Fame: x' OR 1=") && sql.body.contains("No entries yet."));
}

void TestHofd::headAndOtherMethods()
{
    const QByteArray target = "/games/triv/triviahf.asp?game=brev";
    const hofdtest::Raw got = hofdtest::exchange(port_, hofdtest::request(target, "Connection: close\r\n"));
    const hofdtest::Raw head =
        hofdtest::exchange(port_, "HEAD" + hofdtest::request(target, "Connection: close\r\n").mid(3));
    QVERIFY(head.reply.startsWith("HTTP/1.1 200 OK\r\n"));
    const qsizetype length = got.reply.indexOf("Content-Length: ");
    QVERIFY(length > 0 &&
            head.reply.contains(got.reply.mid(length, got.reply.indexOf('\r', length) - length)));
    QVERIFY(head.reply.endsWith("\r\n\r\n"));
    for (const QByteArray method : {"POST", "PUT", "DELETE", "PATCH", "OPTIONS", "TRACE"}) {
        const hofdtest::Raw r = hofdtest::exchange(
            port_, method + hofdtest::request(target + "&a=1&b=M+dif%3D1", "Connection: close\r\n").mid(3));
        QVERIFY2(r.reply.startsWith("HTTP/1.1 405 ") && r.reply.contains("\r\nAllow: GET, HEAD\r\n"),
                 method.constData());
    }
    QVERIFY(get(target).body.contains("No entries yet.")); // neither HEAD nor the others stored
}

void TestHofd::otherWritersSeenAtNextListing()
{
    QVERIFY(get("/games/triv/triviahf.asp?game=brev").body.contains("No entries yet.")); // cached
    QProcess second;
    const quint16 secondPort = hofdtest::startHofd(second, dir_.filePath("hof.sqlite"));
    QVERIFY(secondPort != 0);
    const quint16 firstPort = std::exchange(port_, secondPort);
    QCOMPARE(submit("brev", 77, "Elsewhere", 1).status, 200);
    port_ = firstPort;
    second.terminate();
    QVERIFY(second.waitForFinished(5000));
    QVERIFY(get("/games/triv/triviahf.asp?game=brev").body.contains("<td><bdi>Elsewhere</bdi></td>"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("moderator"));
        db.setDatabaseName(dir_.filePath("hof.sqlite"));
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral("DELETE FROM entries WHERE name = 'Elsewhere'")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("moderator"));
    QVERIFY(get("/games/triv/triviahf.asp?game=brev").body.contains("No entries yet."));
}

void TestHofd::gameSubmissionAddressIsStored()
{
    brev::test::Fixture f;
    f.write(QString::fromLatin1(brev::kPlusSettingsFile),
            "[hof]\nbaseUrl=http://127.0.0.1:" + QByteArray::number(port_) + "/\n");
    const QUrl base = f.program->settings.hofBaseUrl();
    const QUrl url = brev::hofSubmissionUrl(base, 4321, QStringLiteral("Zoë O'Brien & <Co>"), 3,
                                            QString::fromLatin1(email_));
    QCOMPARE(
        get(url.path(QUrl::FullyEncoded).toLatin1() + '?' + url.query(QUrl::FullyEncoded).toLatin1()).status,
        200);
    const QUrl list = brev::onlineHofUrl(base);
    const Answer listed =
        get(list.path(QUrl::FullyEncoded).toLatin1() + '?' + list.query(QUrl::FullyEncoded).toLatin1());
    QVERIFY(listed.body.contains(QStringLiteral("<td class=\"n\">4321</td><td class=\"n\">3</td>"
                                                "<td><bdi>Zoë O'Brien &amp; &lt;Co&gt;</bdi></td>")
                                     .toUtf8()));
}

void TestHofd::submissionRateLimit()
{
    cleanup();
    port_ = hofdtest::startHofd(server_, dir_.filePath("hof.sqlite"),
                                {QStringLiteral("--submissions-per-minute"), QStringLiteral("2")});
    QCOMPARE(submit("brev", 1, "One", 1).status, 200);
    QCOMPARE(submit("brev", 2, "Two", 1).status, 200);
    const hofdtest::Raw third =
        hofdtest::exchange(port_, hofdtest::request("/games/triv/triviahf.asp?game=brev&a=3&b=Three+dif%3D1",
                                                    "Connection: close\r\n"));
    QVERIFY(third.reply.startsWith("HTTP/1.1 429 ") && third.reply.contains("\r\nRetry-After: 30\r\n"));
    const QByteArray list = get("/games/triv/triviahf.asp?game=brev").body;
    QVERIFY(list.contains("<td><bdi>Two</bdi></td>") && !list.contains("Three"));
}

void TestHofd::readOnlyDatabaseRefusedAtStart()
{
    QCOMPARE(submit("brev", 1, "Kept", 1).status, 200);
    server_.terminate();
    QVERIFY(server_.waitForFinished(5000));
    QFile(dir_.filePath("hof.sqlite")).setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadOther);
    QFile(dir_.path()).setPermissions(QFileDevice::Permissions(0x7777)); // the journal files can be made
    const auto writable = qScopeGuard([this] {
        QFile(dir_.path())
            .setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
        QFile(dir_.filePath("hof.sqlite")).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    });
    QProcess readOnly;
    readOnly.setReadChannel(QProcess::StandardError);
    readOnly.setChildProcessModifier([] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0)) // root writes any file
            ::_exit(3);
    });
    readOnly.start(QStringLiteral(HOFD_EXE), {QStringLiteral("--listen"), QStringLiteral("127.0.0.1:0"),
                                              QStringLiteral("--database"), dir_.filePath("hof.sqlite")});
    QVERIFY(readOnly.waitForFinished(5000));
    const QByteArray said = readOnly.readAllStandardError();
    QCOMPARE(readOnly.exitCode(), 1);
    QVERIFY2(said.contains("hof.sqlite") && said.contains("cannot be written"), said.constData());
}

void TestHofd::badTimeoutsRefused_data()
{
    QTest::addColumn<QString>("option");
    QTest::addRow("zero") << QStringLiteral("--database-timeout=0");
    QTest::addRow("below_a_millisecond") << QStringLiteral("--database-timeout=0.0009");
    QTest::addRow("junk") << QStringLiteral("--database-timeout=5s");
}

void TestHofd::badTimeoutsRefused()
{
    QFETCH(QString, option);
    QProcess bad;
    bad.start(QStringLiteral(HOFD_EXE), {option, QStringLiteral("--database"), dir_.filePath("hof.sqlite")});
    QVERIFY(bad.waitForFinished(5000));
    QCOMPARE(bad.exitCode(), 2);
    QVERIFY(bad.readAllStandardError().contains("--database-timeout"));
}

void TestHofd::refusedEntryFailsAlone()
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("strict"));
        db.setDatabaseName(dir_.filePath("hof.sqlite"));
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(QStringLiteral(
            "CREATE TABLE entries (id INTEGER PRIMARY KEY AUTOINCREMENT, game VARCHAR(8) NOT NULL,"
            " score INTEGER NOT NULL, name VARCHAR(80) NOT NULL CHECK (name <> 'Bad'), difficulty INTEGER "
            "NOT NULL,"
            " email VARCHAR(30) NOT NULL, created VARCHAR(19) NOT NULL)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("strict"));
    port_ = hofdtest::startHofd(server_, dir_.filePath("hof.sqlite"),
                                {QStringLiteral("--submissions-per-minute"), QStringLiteral("3")});
    QByteArray batch; // read together, stored in one transaction
    for (const QByteArray name : {"First", "Bad", "Last"})
        batch += hofdtest::request("/games/triv/triviahf.asp?game=brev&a=5&b=" + name + "+dif%3D1");
    const hofdtest::Raw r = hofdtest::exchange(
        port_, batch + hofdtest::request("/games/triv/triviahf.asp?game=brev", "Connection: close\r\n"));
    QList<QByteArray> statuses;
    for (qsizetype at = r.reply.indexOf("HTTP/1.1 "); at >= 0; at = r.reply.indexOf("HTTP/1.1 ", at + 1))
        statuses << r.reply.mid(at + 9, 3);
    QCOMPARE(statuses, (QList<QByteArray>{"200", "500", "200", "200"}));
    const QByteArray list = r.reply.mid(r.reply.lastIndexOf("HTTP/1.1 "));
    QVERIFY(list.contains("<bdi>First</bdi>") && list.contains("<bdi>Last</bdi>") && !list.contains("Bad"));
    QCOMPARE(submit("brev", 5, "Third", 1).status, 200); // the refused one did not count
}

void TestHofd::lockHeldElsewhereWaitsOffTheLoop()
{
    cleanup();
    port_ = hofdtest::startHofd(server_, dir_.filePath("hof.sqlite"),
                                {QStringLiteral("--database-timeout"), QStringLiteral("1"),
                                 QStringLiteral("--submissions-per-minute"), QStringLiteral("3")});
    const QByteArray list = "/games/triv/triviahf.asp?game=brev";
    QVERIFY(get(list).body.contains("No entries yet.")); // in memory now
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("backup"));
    db.setDatabaseName(dir_.filePath("hof.sqlite"));
    QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("BEGIN IMMEDIATE")));
    QTcpSocket waiting;
    waiting.connectToHost(QHostAddress::LocalHost, port_);
    QVERIFY(waiting.waitForConnected(2000));
    waiting.write(hofdtest::request(list + "&a=9&b=Patient+dif%3D1&c=", "Connection: close\r\n"));
    QVERIFY(waiting.waitForBytesWritten(2000));
    QTest::qWait(100);
    // The submission waits for the lock; the list in memory, a 404 and a new
    // connection are answered meanwhile.
    QVERIFY(hofdtest::exchange(port_, hofdtest::request(list, "Connection: close\r\n"))
                .reply.startsWith("HTTP/1.1 200"));
    QVERIFY(hofdtest::exchange(port_, hofdtest::request("/x", "Connection: close\r\n"))
                .reply.startsWith("HTTP/1.1 404"));
    QCOMPARE(waiting.bytesAvailable(), 0);
    QByteArray refused;
    while (!refused.contains("\r\n\r\n") && waiting.waitForReadyRead(3000))
        refused += waiting.readAll();
    QVERIFY2(refused.startsWith("HTTP/1.1 503 ") && refused.contains("\r\nRetry-After: 1\r\n"),
             refused.constData());
    QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
    db.close();
    db = QSqlDatabase();
    QSqlDatabase::removeDatabase(QStringLiteral("backup"));
    // Not stored, and not counted against the submissions a minute.
    QCOMPARE(submit("brev", 9, "Patient", 1).status, 200);
    QCOMPARE(get(list).body.count("<bdi>Patient</bdi>"), 1);
    // Perhaps stored late: its retry is stored once, which settles the doubt;
    // the same again later is another game.
    for (int games = 2; games <= 3; ++games) {
        QCOMPARE(get(list + "&a=9&b=Patient+dif%3D1&c=").status, 200);
        QCOMPARE(get(list).body.count("<bdi>Patient</bdi>"), games);
    }
}

void TestHofd::retryOfDoubtfulEntryStoredOnce()
{
    hofd::HofStore store(QStringLiteral("doubtful"));
    QVERIFY(!store.open(dir_.filePath("hof.sqlite"), true, 1000));
    const QDateTime firstTry = QDateTime::currentDateTimeUtc().addSecs(-1);
    hofd::StoreBatch batch;
    batch.entries = {hofd::Submission{QStringLiteral("brev"), 70, QStringLiteral("Ann"), 2, QString()}};
    batch.deadlines = {QDeadlineTimer(5000)};
    batch.sameSince = {QDateTime()};
    batch.when = QDateTime::currentDateTimeUtc();
    const qint64 first = store.store(batch).ids.value(0);
    QVERIFY(first > 0);
    batch.sameSince = {firstTry}; // the retry finds it
    QCOMPARE(store.store(batch).ids.value(0), first);
    batch.sameSince = {firstTry.addSecs(60)}; // one made before the first try is another entry
    const qint64 later = store.store(batch).ids.value(0);
    QVERIFY(later > first);
    batch.entries[0].score = 71;
    batch.sameSince = {firstTry};
    QVERIFY(store.store(batch).ids.value(0) > later);
    batch.deadlines = {QDeadlineTimer(0)}; // its submitter was told it is not stored
    const hofd::StoreResult late = store.store(batch);
    QVERIFY(late.ids.value(0) == 0 && late.problem);
}

void TestHofd::databaseFileGoneStopsTheService_data()
{
    QTest::addColumn<bool>("replaced");
    QTest::addRow("deleted") << false;
    QTest::addRow("replaced") << true;
}

void TestHofd::databaseFileGoneStopsTheService()
{
    QFETCH(bool, replaced);
    QCOMPARE(submit("brev", 1, "Kept", 1).status, 200);
    const QString file = dir_.filePath("hof.sqlite");
    if (replaced) {
        QVERIFY(QFile::copy(file, file + ".old"));
        QVERIFY(::rename(QFile::encodeName(file + ".old").constData(), QFile::encodeName(file).constData()) ==
                0);
    } else {
        QVERIFY(QFile::remove(file));
    }
    QVERIFY(server_.waitForFinished(5000));
    QCOMPARE(server_.exitCode(), 1);
    const QByteArray said = server_.readAllStandardError();
    QVERIFY2(said.contains("hof.sqlite") && said.contains(replaced ? "another file" : "deleted"),
             said.constData());
}

void TestHofd::logShowsTheClientsTextEscaped()
{
    server_.readAllStandardError();
    QCOMPARE(get("/games/triv/triviahf.asp?game=%251%E2%80%AEz").status, 200);
    QByteArray log;
    for (int i = 0; i < 20 && !log.contains(" 200 "); ++i) {
        server_.waitForReadyRead(100);
        log += server_.readAllStandardError();
    }
    QVERIFY2(log.contains(" list game=%1\\u{202e}z 200 "), log.constData());
}

QTEST_GUILESS_MAIN(TestHofd)
#include "tst_hofd.moc"
