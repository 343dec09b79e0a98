// Classes on a real brevallo-hofd over loopback: a class made with --new-class,
// games reported as the game sends them, the teacher's pages, downloads and
// forms with and without the key, the bad-input table, retention at start and
// the page in headless Chromium (skipped without it). Every wait is bounded.
#include "hofdsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

using namespace Qt::StringLiterals;

namespace {

struct Reply {
    int status = 0;
    QByteArray head;
    QByteArray body;
};

Reply call(quint16 port, const QByteArray& method, const QByteArray& target, const QByteArray& body = {},
           const QByteArray& headers = {})
{
    QByteArray bytes =
        method + ' ' + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\nConnection: close\r\n" + headers;
    if (method == "POST")
        bytes += "Content-Length: " + QByteArray::number(body.size()) + "\r\n";
    const QByteArray reply = hofdtest::exchange(port, bytes + "\r\n" + body).reply;
    const qsizetype end = reply.indexOf("\r\n\r\n");
    return {reply.mid(9, 3).toInt(), reply.left(end), end < 0 ? QByteArray() : reply.mid(end + 4)};
}

QJsonObject question(const char* kind, int category, bool skipped, QList<std::pair<int, bool>> items)
{
    QJsonArray list;
    for (const auto& [president, right] : items)
        list.append(QJsonObject{{"president", president}, {"right", right}});
    return {{"kind", kind},   {"category", category}, {"points", skipped ? 0 : 6},
            {"possible", 10}, {"skipped", skipped},   {"items", list}};
}

// The report of the contract's example, with its own game identifier.
QJsonObject report(const QString& player = u"Tess Tester"_s, const QString& ended = u"2026-12-08T20:09:41Z"_s)
{
    return {{"format", 1},
            {"game", QUuid::createUuid().toString(QUuid::WithoutBraces)},
            {"player", player},
            {"started", "2026-12-08T20:01:02Z"},
            {"ended", ended},
            {"score", 34},
            {"possible", 50},
            {"practice", false},
            {"questions", QJsonArray{question("sorting", 12, false, {{4, true}, {19, false}}),
                                     question("multiple-choice", 2, true, {{7, false}})}}};
}

QByteArray body(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

// The report with one field changed; path "questions/0/items/0/president".
QByteArray changed(const QString& path, const QJsonValue& value)
{
    std::function<QJsonValue(QJsonValue, QStringList)> set = [&](QJsonValue at,
                                                                 QStringList keys) -> QJsonValue {
        const QString key = keys.takeFirst();
        if (at.isArray()) {
            QJsonArray a = at.toArray();
            a[key.toInt()] = keys.isEmpty() ? value : set(a[key.toInt()], keys);
            return a;
        }
        QJsonObject o = at.toObject();
        if (keys.isEmpty() && value.isUndefined())
            o.remove(key);
        else
            o[key] = keys.isEmpty() ? value : set(o[key], keys);
        return o;
    };
    return body(set(report(), path.split(u'/')).toObject());
}

} // namespace

class TestHofdClasses : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void reportStoredOnceAndDownloaded();
    void badReportsStoreNothing_data();
    void badReportsStoreNothing();
    void nothingOfTheClassWithoutItsKey();
    void namesEscapedOnEveryPage();
    void practiceSetByTheTeacher();
    void lateGameKeepsTheNewestFirst();
    void deletingAsksFirst();
    void pagesInTheReadersLanguage();
    void reportsPerAddressLimited();
    void retentionAndOldDatabaseAtStart();
    void pageInHeadlessChromium();

private:
    QByteArray teacher(const QByteArray& path = {}, const QByteArray& key = {});
    QStringList makeClass(const QString& database, const QString& name);

    QTemporaryDir dir_;
    QProcess server_;
    quint16 port_ = 0;
    QByteArray code_, key_, otherCode_, otherKey_;
};

// Makes a class on database; returns its code and its teacher's address.
QStringList TestHofdClasses::makeClass(const QString& database, const QString& name)
{
    QProcess make;
    make.start(QStringLiteral(HOFD_EXE), {u"--database"_s, database, u"--new-class"_s, name});
    if (!make.waitForFinished(10000) || make.exitCode() != 0)
        return {};
    return QString::fromUtf8(make.readAllStandardOutput()).trimmed().split(u' ');
}

void TestHofdClasses::initTestCase()
{
    const QString database = dir_.filePath(u"hof.sqlite"_s);
    const QStringList made = makeClass(database, u"<b>8B</b> History"_s);
    QCOMPARE(made.size(), 2);
    const QRegularExpression address(
        u"^http://127\\.0\\.0\\.1:8642/classes/([A-HJ-NP-Z2-9]{6})\\?key=([\\w-]{32})$"_s);
    const QRegularExpressionMatch match = address.match(made.last());
    QVERIFY2(match.hasMatch() && match.captured(1) == made.first(), qPrintable(made.join(u' ')));
    code_ = match.captured(1).toLatin1();
    key_ = match.captured(2).toLatin1();
    const QStringList other = makeClass(database, u"Other"_s);
    QCOMPARE(other.size(), 2);
    otherCode_ = other.first().toLatin1();
    otherKey_ = other.last().section(u"key="_s, 1).toLatin1();
    port_ =
        hofdtest::startHofd(server_, database, {u"--reports-per-minute"_s, u"0"_s}, dir_.filePath(u"log"_s));
    QVERIFY(port_ != 0);
}

void TestHofdClasses::cleanupTestCase()
{
    server_.terminate();
    QVERIFY(server_.waitForFinished(5000));
    QCOMPARE(server_.exitCode(), 0);
    QFile log(dir_.filePath(u"log"_s));
    QVERIFY(log.open(QIODevice::ReadOnly));
    const QByteArray said = log.readAll();
    QVERIFY2(said.contains("class " + code_ + "/reports 201 ") && !said.contains(key_) &&
                 !said.contains(otherKey_) && !said.contains("Tess"),
             said.constData());
}

QByteArray TestHofdClasses::teacher(const QByteArray& path, const QByteArray& key)
{
    const Reply r = call(port_, "GET", "/classes/" + code_ + path + "?key=" + (key.isNull() ? key_ : key));
    return r.status == 200 ? r.body : "status " + QByteArray::number(r.status);
}

void TestHofdClasses::reportStoredOnceAndDownloaded()
{
    const QByteArray sent = body(report());
    const Reply first = call(port_, "POST", "/classes/" + code_.toLower() + "/reports", sent);
    QCOMPARE(first.status, 201);
    QCOMPARE(first.body, R"j({"assignment":[],"stored":true})j");
    QCOMPARE(call(port_, "POST", "/classes/" + code_ + "/reports", sent).status, 200);
    QCOMPARE(teacher("/games.csv"), "player,ended,score,possible,practice\r\n"
                                    "Tess Tester,2026-12-08T20:09:41Z,34,50,no\r\n");
    // The skipped question's item is no answer.
    QCOMPARE(teacher("/answers.csv"),
             "player,game ended,question,kind,category,category name,president number,president,right\r\n"
             "Tess Tester,2026-12-08T20:09:41Z,1,sorting,12,Sort by birthdate,4,James Madison,yes\r\n"
             "Tess Tester,2026-12-08T20:09:41Z,1,sorting,12,Sort by birthdate,19,Rutherford B. Hayes,no\r\n");
    const QByteArray page = teacher();
    QVERIFY(page.contains("<td class=\"n\">1</td><td>12/8/2026</td><td class=\"n\">68%</td>"));
    QVERIFY(page.contains("<th scope=\"row\">Rutherford B. Hayes</th><td>0% (0 of 1)</td><td><span "
                          "class=\"mark m1\">Learning</span>"));
}

void TestHofdClasses::badReportsStoreNothing_data()
{
    QTest::addColumn<QByteArray>("code");
    QTest::addColumn<QByteArray>("sent");
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("answer");
    const QByteArray good = body(report(u"Bad Input"_s));
    QTest::addRow("unknown class") << QByteArray("K7P2QX") << good << 404
                                   << QByteArray(R"j({"code":"K7P2QX","error":"unknown class"})j");
    QTest::addRow("not a code") << QByteArray("K7P2Q0") << good << 404
                                << QByteArray(R"j({"code":"K7P2Q0","error":"unknown class"})j");
    QTest::addRow("not json") << QByteArray() << QByteArray("{\"format\":1,") << 400
                              << QByteArray(
                                     R"j({"error":"the body is not JSON: unterminated object at byte 12"})j");
    QTest::addRow("missing") << QByteArray() << changed(u"score"_s, QJsonValue::Undefined) << 400
                             << QByteArray(R"j({"error":"score: missing"})j");
    QTest::addRow("wrong type") << QByteArray() << changed(u"practice"_s, u"no"_s) << 400
                                << QByteArray(R"j({"error":"practice: not true or false"})j");
    QTest::addRow("no president")
        << QByteArray() << changed(u"questions/0/items/0/president"_s, 46) << 400
        << QByteArray(R"j({"error":"questions[0].items[0].president: 46 is not a president"})j");
    QTest::addRow("twice") << QByteArray() << changed(u"questions/0/items/1/president"_s, 4) << 400
                           << QByteArray(
                                  R"j({"error":"questions[0].items[1].president: 4 is asked twice"})j");
    QTest::addRow("question not an object") << QByteArray() << changed(u"questions/1"_s, 5) << 400
                                            << QByteArray(R"j({"error":"questions[1]: not an object"})j");
    QTest::addRow("item not an object")
        << QByteArray() << changed(u"questions/0/items/1"_s, u"x"_s) << 400
        << QByteArray(R"j({"error":"questions[0].items[1]: not an object"})j");
    QTest::addRow("no category") << QByteArray() << changed(u"questions/1/category"_s, 19) << 400
                                 << QByteArray(
                                        R"j({"error":"questions[1].category: 19 is not a category"})j");
    QTest::addRow("other kind")
        << QByteArray() << changed(u"questions/0/kind"_s, u"matching"_s) << 400
        << QByteArray(R"j({"error":"questions[0].category: 12 is a sorting category, not matching"})j");
    QTest::addRow("no kind")
        << QByteArray() << changed(u"questions/0/kind"_s, u"essay"_s) << 400
        << QByteArray(R"j({"error":"questions[0].kind: \"essay\" is not a kind of question"})j");
    QTest::addRow("skipped right")
        << QByteArray() << changed(u"questions/1/items/0/right"_s, true) << 400
        << QByteArray(R"j({"error":"questions[1].items[0].right: a skipped question has no right answer"})j");
    QTest::addRow("late start") << QByteArray() << changed(u"started"_s, u"2026-12-08T20:09:42Z"_s) << 400
                                << QByteArray(R"j({"error":"ended: before started"})j");
    QTest::addRow("local time") << QByteArray() << changed(u"ended"_s, u"2026-12-08T21:09:41+01:00"_s) << 400
                                << QByteArray(
                                       R"j({"error":"ended: not a UTC time such as 2026-12-08T20:01:02Z"})j");
    QTest::addRow("score") << QByteArray() << changed(u"score"_s, 51) << 400
                           << QByteArray(R"j({"error":"score: 51 is more than possible (50)"})j");
    QJsonArray many;
    for (int i = 0; i < 101; ++i)
        many.append(question("portraits", 11, false, {{1, true}}));
    QTest::addRow("101 questions") << QByteArray() << changed(u"questions"_s, many) << 400
                                   << QByteArray(R"j({"error":"questions: more than 100"})j");
    QTest::addRow("over 64 KiB") << QByteArray() << changed(u"padding"_s, QString(65536, u'x')) << 413
                                 << QByteArray();
}

// Each bad report is answered as the game expects and stores nothing.
void TestHofdClasses::badReportsStoreNothing()
{
    QFETCH(QByteArray, code);
    QFETCH(QByteArray, sent);
    QFETCH(int, status);
    QFETCH(QByteArray, answer);
    const Reply r = call(port_, "POST", "/classes/" + (code.isEmpty() ? code_ : code) + "/reports", sent);
    QCOMPARE(r.status, status);
    if (!answer.isEmpty())
        QCOMPARE(r.body, answer);
    QVERIFY(!teacher("/games.csv").contains("Bad Input"));
}

// No key, a wrong one, another class's, a class that does not exist: the same
// page, naming nothing of the class.
void TestHofdClasses::nothingOfTheClassWithoutItsKey()
{
    const QByteArray unknown = code_ == "K7P2QX" ? "K7P2QY" : "K7P2QX";
    QList<QByteArray> pages;
    for (const QByteArray& code : {code_, unknown}) {
        for (const QByteArray& path :
             {QByteArray(), QByteArray("/games.csv"), QByteArray("/players/Tess%20Tester")}) {
            for (const QByteArray& query : {QByteArray(), "?key=" + key_.left(31) + "A", "?key=" + otherKey_})
                pages << call(port_, "GET", "/classes/" + code + path + query).body;
        }
        for (const QByteArray& path : {QByteArray("/assignment"), QByteArray("/delete")})
            pages << call(port_, "POST", "/classes/" + code + path,
                          "key=" + otherKey_ + "&presidents=1&confirm=yes")
                         .body;
    }
    pages << call(port_, "GET", "/classes/" + unknown + "?key=" + key_).body;
    const Reply first = call(port_, "GET", "/classes/" + code_ + "?key=" + otherKey_);
    QCOMPARE(first.status, 403);
    for (const QByteArray& page : std::as_const(pages))
        QCOMPARE(page, first.body);
    QVERIFY(!first.body.contains(code_) && !first.body.contains("History"));
    QVERIFY(teacher().contains("History")); // the class and its practice set are still there
    QCOMPARE(call(port_, "GET", "/classes/" + code_ + "/assignment").body,
             R"j({"format":1,"presidents":[]})j");
}

void TestHofdClasses::namesEscapedOnEveryPage()
{
    const QString name = u"<script>x()</script> \"Q\" &amp; \u202Egnp.exe"_s;
    const QByteArray escaped =
        "<bdi>&lt;script&gt;x()&lt;/script&gt; &quot;Q&quot; &amp;amp; \u202Egnp.exe</bdi>";
    QCOMPARE(call(port_, "POST", "/classes/" + code_ + "/reports", body(report(name))).status, 201);
    const QByteArray player = "/players/" + QUrl::toPercentEncoding(name);
    const QByteArray form = "key=" + key_;
    const QList<QByteArray> pages{
        teacher(), teacher(player), call(port_, "POST", "/classes/" + code_ + player + "/delete", form).body,
        call(port_, "POST", "/classes/" + code_ + player + "/delete", form + "&confirm=yes").body};
    for (const QByteArray& page : pages)
        QVERIFY2(page.contains(escaped) && !page.contains("<script") && !page.contains("<b>"),
                 page.constData());
    QVERIFY(pages.first().contains("<h1>Class <bdi>&lt;b&gt;8B&lt;/b&gt; History</bdi></h1>"));
}

void TestHofdClasses::practiceSetByTheTeacher()
{
    const QByteArray path = "/classes/" + code_ + "/assignment";
    const Reply set = call(port_, "POST", path, "key=" + key_ + "&presidents=4-1");
    QCOMPARE(set.status, 400); // a range the wrong way round
    QCOMPARE(call(port_, "POST", path, "key=" + key_ + "&presidents=1-4%2C+16").status, 303);
    QCOMPARE(call(port_, "GET", path).body, R"j({"format":1,"presidents":[1,2,3,4,16]})j");
    const Reply ticks = call(port_, "POST", path, "key=" + key_ + "&presidents=16&presidents=2");
    QVERIFY2(ticks.head.contains("\r\nLocation: /classes/" + code_ + "?key=" + key_ + "#practice"),
             ticks.head);
    const QByteArray stored = call(port_, "POST", "/classes/" + code_ + "/reports", body(report())).body;
    QCOMPARE(stored, R"j({"assignment":[2,16],"stored":true})j");
    QVERIFY(teacher().contains("Now: 2 John Adams, 16 Abraham Lincoln."));
    QCOMPARE(call(port_, "POST", path, "key=" + key_ + "&presidents=").status, 303);
    QCOMPARE(call(port_, "GET", path).body, R"j({"format":1,"presidents":[]})j");
}

// A game sent late (from the outbox) that ended before the player's last one
// does not count as his newest answer.
void TestHofdClasses::lateGameKeepsTheNewestFirst()
{
    QJsonObject newer = report(u"Late Larry"_s, u"2026-12-09T10:00:00Z"_s);
    QJsonObject older = report(u"Late Larry"_s, u"2026-12-08T20:09:41Z"_s);
    older["questions"] = QJsonArray{question("sorting", 12, false, {{4, false}, {19, true}})};
    for (const QJsonObject& r : {newer, older})
        QCOMPARE(call(port_, "POST", "/classes/" + code_ + "/reports", body(r)).status, 201);
    const QByteArray page = teacher("/players/Late%20Larry");
    QVERIFY(
        page.contains("James Madison</th><td><span class=\"mark m1\">Learning</span></td><td>1 of the last 2 "
                      "answers right, the latest right</td>"));
    QVERIFY(
        page.contains("Rutherford B. Hayes</th><td><span class=\"mark m1\">Learning</span></td><td>1 of the "
                      "last 2 answers right, the latest wrong</td>"));
}

void TestHofdClasses::deletingAsksFirst()
{
    QCOMPARE(call(port_, "POST", "/classes/" + code_ + "/reports", body(report(u"Dora Delete"_s))).status,
             201);
    const QByteArray ask =
        call(port_, "POST", "/classes/" + code_ + "/players/Dora%20Delete/delete", "key=" + key_).body;
    QVERIFY(ask.contains("Delete all data of <bdi>Dora Delete</bdi>?") &&
            ask.contains("name=\"confirm\" value=\"yes\""));
    QVERIFY(teacher("/games.csv").contains("Dora Delete"));
    call(port_, "POST", "/classes/" + code_ + "/players/Dora%20Delete/delete",
         "key=" + key_ + "&confirm=yes");
    QVERIFY(!teacher("/games.csv").contains("Dora Delete") && teacher("/games.csv").contains("Tess Tester"));
    QCOMPARE(teacher("/players/Dora%20Delete"), "status 404");

    const QByteArray other = "/classes/" + otherCode_;
    QCOMPARE(call(port_, "POST", other + "/reports", body(report())).status, 201);
    QVERIFY(call(port_, "POST", other + "/delete", "key=" + otherKey_)
                .body.contains("Delete all data of the class"));
    QCOMPARE(call(port_, "GET", other + "/assignment").status, 200);
    QCOMPARE(call(port_, "POST", other + "/delete", "key=" + otherKey_ + "&confirm=yes").status, 200);
    QCOMPARE(call(port_, "GET", other + "/assignment").status, 404);
    QCOMPARE(call(port_, "POST", other + "/reports", body(report())).status, 404);
}

void TestHofdClasses::pagesInTheReadersLanguage()
{
    const QByteArray path = "/classes/" + code_ + "?key=" + key_;
    const QByteArray spanish =
        call(port_, "GET", path, {}, "Accept-Language: fr, de;q=0.8, es;q=0.9\r\n").body;
    QVERIFY(spanish.contains("<html lang=\"es\">") && spanish.contains("Los más flojos primero"));
    const QByteArray german = call(port_, "GET", path, {}, "Accept-Language: de-AT\r\n").body;
    QVERIFY(german.contains("<html lang=\"de\">") && german.contains("<td>08.12.2026</td>"));
    QVERIFY(
        call(port_, "GET", "/classes/new", {}, "Accept-Language: de\r\n").body.contains("Klasse anlegen"));
}

void TestHofdClasses::reportsPerAddressLimited()
{
    QProcess limited;
    const quint16 port =
        hofdtest::startHofd(limited, dir_.filePath(u"hof.sqlite"_s), {u"--reports-per-minute"_s, u"2"_s});
    QVERIFY(port != 0);
    QCOMPARE(call(port, "POST", "/classes/K7P2QX/reports", body(report())).status, 404);
    QCOMPARE(call(port, "POST", "/classes/" + code_ + "/reports", body(report(u"Rate One"_s))).status, 201);
    const Reply third = call(port, "POST", "/classes/" + code_ + "/reports", body(report(u"Rate Two"_s)));
    QCOMPARE(third.status, 429);
    QVERIFY2(third.head.contains("\r\nRetry-After: 30"), third.head.constData());
    limited.terminate();
    QVERIFY(limited.waitForFinished(5000));
    QVERIFY(!teacher("/games.csv").contains("Rate Two"));
}

// A hall of fame made before classes existed gains them and keeps its
// entries; a class without a game for the retention time is deleted at start.
void TestHofdClasses::retentionAndOldDatabaseAtStart()
{
    const QString file = dir_.filePath(u"old.sqlite"_s);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"old"_s);
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        QVERIFY(
            q.exec(u"CREATE TABLE entries (id INTEGER PRIMARY KEY AUTOINCREMENT, game VARCHAR(8) NOT NULL,"
                   " score INTEGER NOT NULL, name VARCHAR(80) NOT NULL, difficulty INTEGER NOT NULL,"
                   " email VARCHAR(30) NOT NULL, created VARCHAR(19) NOT NULL)"_s));
        QVERIFY(q.exec(u"INSERT INTO entries (game, score, name, difficulty, email, created)"
                       " VALUES ('brev', 77, 'Kept', 2, '', '2025-01-01 00:00:00')"_s));
    }
    QSqlDatabase::removeDatabase(u"old"_s);
    const QStringList stale = makeClass(file, u"Stale"_s), fresh = makeClass(file, u"Fresh"_s);
    QVERIFY(stale.size() == 2 && fresh.size() == 2);
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(u"QSQLITE"_s, u"age"_s);
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QVERIFY(QSqlQuery(db).exec(
            u"UPDATE classes SET created = '2020-01-01T00:00:00Z' WHERE code = '%1'"_s.arg(stale.first())));
    }
    QSqlDatabase::removeDatabase(u"age"_s);
    QProcess service;
    const quint16 port = hofdtest::startHofd(service, file, {u"--class-retention-days"_s, u"400"_s});
    QVERIFY(port != 0);
    QTRY_COMPARE_WITH_TIMEOUT(
        call(port, "GET", "/classes/" + stale.first().toLatin1() + "/assignment").status, 404, 3000);
    QCOMPARE(call(port, "GET", "/classes/" + fresh.first().toLatin1() + "/assignment").status, 200);
    QVERIFY(call(port, "GET", "/games/triv/triviahf.asp?game=brev").body.contains("<bdi>Kept</bdi>"));
    service.terminate();
    QVERIFY(service.waitForFinished(5000));
}

void TestHofdClasses::pageInHeadlessChromium()
{
    QCOMPARE(call(port_, "POST", "/classes/" + code_ + "/reports", body(report(u"<i>Ivy</i>"_s))).status,
             201);
    const QString chromium = QStandardPaths::findExecutable(u"chromium"_s);
    if (chromium.isEmpty())
        QSKIP("chromium is not installed (make browser-deps)");
    QTemporaryDir profile;
    QProcess browser;
    browser.start(chromium, {u"--headless"_s, u"--no-sandbox"_s, u"--disable-gpu"_s,
                             u"--user-data-dir="_s + profile.path(), u"--dump-dom"_s,
                             u"http://127.0.0.1:%1/classes/%2?key=%3"_s.arg(port_).arg(code_, key_)});
    QVERIFY(browser.waitForFinished(30000));
    const QByteArray dom = browser.readAllStandardOutput();
    QVERIFY2(dom.contains("<caption>Right answers per president</caption>"), dom.left(300).constData());
    QVERIFY(dom.contains("<bdi>&lt;i&gt;Ivy&lt;/i&gt;</bdi>") && !dom.contains("<i>"));
    QCOMPARE(dom.count("<th scope=\"row\">"), 45 + dom.count("<th scope=\"row\"><a "));
}

QTEST_GUILESS_MAIN(TestHofdClasses)
#include "tst_hofd_classes.moc"
