// A class on the hall-of-fame service, the game's side: the report of a
// game, the outbox and what each answer does to it, the setup screen's class
// code, the class's practice set in the practice draw and the Progress
// window, and reports going over loopback to a real brevallo-hofd.
#include "app/gameui.h"
#include "app/networkloader.h"
#include "app/playerprogress.h"
#include "app/progresswindow.h"
#include "game/classreport.h"
#include "screens/multiplechoicewindow.h"
#include "screens/reviewwindow.h"
#include "screens/scorewindow.h"
#include "hofdsupport.h"
#include "testsupport.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTcpServer>
#include <QUuid>
#include <QtTest>

using namespace brev;
using namespace brev::test;

class TestClassReports : public QObject {
    Q_OBJECT
private slots:
    void reportOfAGame();
    void outboxAnswers();
    void gamesReportAndPracticeTheClassSet();
    void setupBoxTakesTheCodeAlphabet();
    void progressNamesTheClassSet();
    void reportsOverLoopback();
};

void TestClassReports::reportOfAGame()
{
    QuestionRecord sort{Screen::Sorting, 12, {}, {}, {}, {}, {}, 6, 10, false, {}};
    sort.items = {
        {4, {}, {}, {}, true}, {19, {}, {}, {}, false}, {4, {}, {}, {}, true}, {46, {}, {}, {}, true}};
    QuestionRecord skipped{
        Screen::MultipleChoice, 2, {}, {}, {{7, {}, {}, {}, true}}, {}, {}, 0, 0, true, {}};
    // A question that names no president is left out.
    QuestionRecord nobody{Screen::NameMe, 21, {}, {}, {}, {}, {}, 5, 5, false, {}};
    const ClassReport report{QStringLiteral("3f1c2a9e-5b7d-4c1e-9a0b-2d4e6f8a1c3b"),
                             QStringLiteral("  Tess Tester "),
                             QDateTime(QDate(2026, 12, 8), QTime(21, 1, 2, 700), Qt::OffsetFromUTC, 3600),
                             QDateTime(QDate(2026, 12, 8), QTime(20, 9, 41), Qt::UTC),
                             6,
                             10,
                             true,
                             {sort, skipped, nobody}};
    QCOMPARE(classReportJson(report),
             QByteArray(R"({"ended":"2026-12-08T20:09:41Z","format":1,)"
                        R"("game":"3f1c2a9e-5b7d-4c1e-9a0b-2d4e6f8a1c3b",)"
                        R"("player":"Tess Tester","possible":10,"practice":true,"questions":[)"
                        R"({"category":12,"items":[{"president":4,"right":true},)"
                        R"({"president":19,"right":false}],"kind":"sorting","points":6,"possible":10,)"
                        R"("skipped":false},{"category":2,"items":[{"president":7,"right":false}],)"
                        R"("kind":"multiple-choice","points":0,"possible":0,"skipped":true}],"score":6,)"
                        R"("started":"2026-12-08T20:01:02Z"})"));
}

namespace {

constexpr char kCode[] = "K7P2QX";

// Queues a finished game's report as the game does.
void queueReport(ProgressStore& store, const QString& game)
{
    const QDateTime when(QDate(2026, 12, 8), QTime(20, 0), Qt::UTC);
    QVERIFY(!store.beginGame(QStringLiteral("Ada"), when, false));
    const QueuedReport report{0, QString::fromLatin1(kCode), game, "{\"game\":\"" + game.toUtf8() + "\"}"};
    QVERIFY(!store.finishGame(QStringLiteral("Ada"), 0, 0, false, when, &report));
}

QStringList waitingGames(ProgressStore& store)
{
    QStringList games;
    for (const QueuedReport& r : store.waitingReports().value_or({}))
        games << r.game;
    return games;
}

LinkReply reply(int status, const QByteArray& body = {})
{
    return {status, body, status == 0 ? QStringLiteral("Connection refused") : QString()};
}

} // namespace

// What each answer does: 503 and no answer keep the report (the player told
// once), 404 keeps it and tells once naming the code, 201 delivers it and
// keeps the practice set, 400 drops it into the play log.
void TestClassReports::outboxAnswers()
{
    Fixture f;
    Program& p = *f.program;
    QStringList told;
    p.classes.tell = [&told](const QString& text) { told << text; };
    QVERIFY(!p.settings.saveClassCode(QString::fromLatin1(kCode)));
    // A file of the version before the outbox: brought up to date, its game kept.
    {
        ProgressStore before(f.path(QString::fromLatin1(kProgressFile)));
        QVERIFY(!before.beginGame(QStringLiteral("Ada"), QDateTime::currentDateTimeUtc(), false));
        QVERIFY(!before.finishGame(QStringLiteral("Ada"), 5, 5, false, QDateTime::currentDateTimeUtc()));
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("v2"));
        db.setDatabaseName(f.path(QString::fromLatin1(kProgressFile)));
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const char* sql : {"DROP TABLE outbox", "DROP TABLE classes", "PRAGMA user_version = 2"})
            QVERIFY2(q.exec(QString::fromLatin1(sql)), sql);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("v2"));
    queueReport(p.progress, QStringLiteral("game-a"));
    const Result<QList<GameResult>> games = p.progress.gameResults(QStringLiteral("Ada"));
    QVERIFY(games);
    QCOMPARE(games->size(), 2);

    f.link->replies = {reply(503)};
    p.sendClassReports();
    f.link->replies = {reply(0)};
    p.sendClassReports();
    QCOMPARE(waitingGames(p.progress), QStringList{"game-a"});
    QCOMPARE(told.size(), 1);
    QVERIFY(told[0].contains(QStringLiteral("http://localhost:8642 now (status 503)")));
    QCOMPARE(f.link->requests[0].url, QStringLiteral("http://localhost:8642/classes/K7P2QX/reports"));
    QCOMPARE(f.link->requests[0].body, QByteArray("{\"game\":\"game-a\"}"));

    // A class the service does not know: the round skips its other reports.
    queueReport(p.progress, QStringLiteral("game-b"));
    f.link->replies = {reply(404), reply(404)};
    p.sendClassReports();
    p.sendClassReports();
    QCOMPARE(f.link->requests.size(), 4);
    QCOMPARE(waitingGames(p.progress), (QStringList{"game-a", "game-b"}));
    QCOMPARE(told.size(), 2);
    QCOMPARE(told[1],
             QStringLiteral("The class code K7P2QX is not known to the hall-of-fame service at "
                            "http://localhost:8642: check it with your teacher. Reports for that code "
                            "wait on this computer until it is known."));

    f.link->replies = {reply(201, R"({"stored":true,"assignment":[4,1,2,3,46]})"),
                       reply(400, R"({"error":"questions[0].items[0].president: 46 is not a president"})")};
    p.sendClassReports();
    QCOMPARE(f.link->requests.size(), 6);
    QCOMPARE(waitingGames(p.progress), QStringList());
    const Result<QList<int>> set = p.progress.classSet(QString::fromLatin1(kCode));
    QVERIFY(set);
    QCOMPARE(*set, (QList<int>{1, 2, 3, 4}));
    p.log.flush();
    QVERIFY(f.logLines().join('\n').contains(
        "Class report of game game-b for class K7P2QX dropped: the service at http://localhost:8642 "
        "answered 400 (questions[0].items[0].president: 46 is not a president)."));
    // Known again, the code is told again the next time it is unknown.
    f.link->replies = {reply(404)};
    p.contactClass();
    QCOMPARE(f.link->requests.last().url, QStringLiteral("http://localhost:8642/classes/K7P2QX/assignment"));
    QCOMPARE(told.size(), 3);
}

namespace {

// One multiple-choice question answered rightly, its score screen and review.
void answerOne(ModalDriver& driver, int* asked, QList<int>* choices = nullptr)
{
    driver.then([asked, choices](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        *asked = m->model().chosen()[size_t(m->answerSlot())];
        if (choices)
            *choices = QList<int>(m->model().chosen().begin(), m->model().chosen().begin() + 4);
        QTest::mouseClick(m->choices[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([](QWidget* w) {
        EXPECT_WINDOW(ReviewWindow, r, w);
        r->accept();
    });
}

} // namespace

// A game played while the service is down waits in the outbox and goes,
// oldest first, after the next one; a practice game asks about the class's
// practice set first; a game without a class code reports nothing.
void TestClassReports::gamesReportAndPracticeTheClassSet()
{
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    fillHallOfFame(p.hof);
    p.settings.settings.nquestions = 1;
    p.settings.settings.catenabled[1] = -1;
    p.settings.settings.playername = QStringLiteral("Ada");
    WindowGameUi ui(p);
    ModalDriver driver;
    int asked = 0;
    answerOne(driver, &asked);
    playRecordedGame(p, ui, GameKind::Ordinary);
    QVERIFY(f.link->requests.isEmpty());

    QVERIFY(!p.settings.saveClassCode(QString::fromLatin1(kCode)));
    answerOne(driver, &asked);
    playRecordedGame(p, ui, GameKind::Ordinary);
    QCOMPARE(waitingGames(p.progress).size(), 1);
    QVERIFY(!p.progress.saveClassSet(QString::fromLatin1(kCode), {17, 18, 19, 20}));
    f.link->replies = {reply(201, R"({"stored":true,"assignment":[17,18,19,20]})"),
                       reply(200, R"({"stored":true})")};
    QList<int> choices;
    answerOne(driver, &asked, &choices);
    playRecordedGame(p, ui, GameKind::Practice);
    QVERIFY(driver.done());
    std::sort(choices.begin(), choices.end());
    QCOMPARE(choices, (QList<int>{17, 18, 19, 20}));
    QCOMPARE(waitingGames(p.progress), QStringList());
    QCOMPARE(f.link->requests.size(), 3); // the first post found the service down
    const QJsonObject first = QJsonDocument::fromJson(f.link->requests[1].body).object();
    const QJsonObject practice = QJsonDocument::fromJson(f.link->requests[2].body).object();
    QCOMPARE(first.value("practice"), QJsonValue(false));
    QCOMPARE(practice.value("practice"), QJsonValue(true));
    QCOMPARE(practice.value("player").toString(), QStringLiteral("Ada"));
    QCOMPARE(QJsonDocument(practice.value("questions").toArray()).toJson(QJsonDocument::Compact),
             QByteArray(R"([{"category":1,"items":[{"president":)" + QByteArray::number(asked) +
                        R"(,"right":true}],"kind":"multiple-choice","points":5,"possible":5,)" +
                        R"("skipped":false}])"));
    QVERIFY(first.value("game").toString() != practice.value("game").toString());
}

void TestClassReports::setupBoxTakesTheCodeAlphabet()
{
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    {
        TestSetup setup(p);
        QCOMPARE(setup.classBox->accessibleName(), QStringLiteral("Class code"));
        QVERIFY(!setup.classBox->toolTip().isEmpty());
        QTest::keyClicks(setup.classBox, QStringLiteral("k7p2"));
        QTest::keyClicks(setup.classBox, QStringLiteral("0O1I!-")); // look-alikes and others: refused
        QTest::keyClicks(setup.classBox, QStringLiteral("qxz"));    // a seventh: refused
        QCOMPARE(setup.classBox->text(), QStringLiteral("K7P2QX"));
        setup.accept();
    }
    QVERIFY(f.read(QString::fromLatin1(kPlusSettingsFile)).contains("[class]\ncode=K7P2QX\n"));
    QCOMPARE(SettingsStore(p.dir).classCode(), QStringLiteral("K7P2QX"));
    {
        TestSetup setup(p);
        QCOMPARE(setup.classBox->text(), QStringLiteral("K7P2QX"));
        setup.classBox->backspace();
        setup.accept();
    }
    QCOMPARE(f.messages->texts.last(), QStringLiteral("The class code K7P2Q is not whole: a class code has "
                                                      "six letters and digits. It was not saved."));
    QCOMPARE(SettingsStore(p.dir).classCode(), QStringLiteral("K7P2QX"));
    {
        TestSetup setup(p);
        setup.classBox->clear();
        setup.accept();
    }
    QCOMPARE(SettingsStore(p.dir).classCode(), QString());
}

void TestClassReports::progressNamesTheClassSet()
{
    Records records;
    QVERIFY(!readRecords(records, QStringLiteral(BREV_DATA_DIR "/brev.dat")));
    const QList<PresidentEntry> set = presidentSet(records);
    QCOMPARE(classPracticeText({1, 2, 3, 4}, set), QStringLiteral("Class practice: Washington to Madison"));
    QCOMPARE(classPracticeText({16, 18, 19, 20, 28, 29}, set),
             QStringLiteral("Class practice: Lincoln, Grant to Garfield, Harding, Coolidge"));
    QCOMPARE(classPracticeText({6, 7, 8}, set),
             QStringLiteral("Class practice: John Quincy Adams to Van Buren"));
    QCOMPARE(classPracticeText({1, 3, 5, 7, 9, 11, 13, 15}, set),
             QStringLiteral("Class practice: Washington, Jefferson, Monroe, Jackson, William Henry Harrison, "
                            "and 3 more"));
    QCOMPARE(classPracticeText({44}, set), QString()); // not in play

    Fixture f;
    ProgressWindow window(f.program->progress, QStringLiteral("Ada"), set, QStringList(), nullptr,
                          classPracticeText({16}, set));
    QCOMPARE(window.classLabel->text(), QStringLiteral("Class practice: Lincoln"));
    QVERIFY(!window.classLabel->isHidden());
}

namespace {

// A real game's report of one question about Lincoln.
QueuedReport lincolnReport(const QString& code, const QString& game)
{
    QuestionRecord question{
        Screen::MultipleChoice, 1, {}, {}, {{16, {}, {}, {}, true}}, {}, {}, 5, 5, false, {}};
    const QDateTime now = QDateTime::currentDateTimeUtc();
    const ClassReport r{game, QStringLiteral("Ada"), now, now, 5, 5, false, {question}};
    return {0, code, game, classReportJson(r)};
}

} // namespace

// Through the game's network library to a real brevallo-hofd on loopback: a
// report queued while the service is down is delivered with the next game's,
// and a report sent twice is stored once.
void TestClassReports::reportsOverLoopback()
{
    QTemporaryDir dir;
    const QString database = dir.filePath(QStringLiteral("hof.sqlite"));
    QProcess make;
    make.start(QStringLiteral(HOFD_EXE), {"--database", database, "--new-class", "8B"});
    QVERIFY(make.waitForFinished(10000) && make.exitCode() == 0);
    const QStringList made = QString::fromUtf8(make.readAllStandardOutput()).trimmed().split(u' ');
    QCOMPARE(made.size(), 2);
    QTcpServer probe; // a free port, where nothing listens yet
    QVERIFY(probe.listen(QHostAddress::LocalHost));
    const quint16 port = probe.serverPort();
    probe.close();

    Fixture f;
    const std::unique_ptr<ClassLink> link = makeNetworkLink({QStringLiteral(BREV_NET_DIR)});
    ClassReporter reporter(f.program->progress, link.get());
    QStringList told;
    reporter.tell = [&told](const QString& text) { told << text; };
    const QUrl base(QStringLiteral("http://127.0.0.1:%1").arg(port));
    const QString code = made.first();
    const auto queue = [&f, &code](const QString& game) {
        const QueuedReport report = lincolnReport(code, game);
        QVERIFY(
            !f.program->progress.beginGame(QStringLiteral("Ada"), QDateTime::currentDateTimeUtc(), false));
        QVERIFY(!f.program->progress.finishGame(QStringLiteral("Ada"), 5, 5, false,
                                                QDateTime::currentDateTimeUtc(), &report));
    };
    const QString first = QUuid::createUuid().toString(QUuid::WithoutBraces);
    const QString second = QUuid::createUuid().toString(QUuid::WithoutBraces);
    queue(first);
    reporter.sendWaiting(base);
    QTRY_VERIFY(reporter.idle());
    QCOMPARE(told.size(), 1);
    QCOMPARE(waitingGames(f.program->progress), QStringList{first});

    QProcess service;
    QCOMPARE(hofdtest::startHofd(service, database, {"--listen", QStringLiteral("127.0.0.1:%1").arg(port)}),
             port);
    queue(second);
    queue(first); // the same game again
    reporter.sendWaiting(base);
    QTRY_VERIFY_WITH_TIMEOUT(reporter.idle(), 10000);
    QCOMPARE(waitingGames(f.program->progress), QStringList());
    QCOMPARE(told.size(), 1);
    const QUrl teacher(made.last());
    const hofdtest::Raw csv = hofdtest::exchange(
        port, hofdtest::request(teacher.path().toUtf8() + "/games.csv?" + teacher.query().toUtf8(),
                                "Connection: close\r\n"));
    QCOMPARE(csv.reply.count("\r\nAda,"), 2);
    service.terminate();
    QVERIFY(service.waitForFinished(5000));
}

QTEST_MAIN(TestClassReports)
#include "tst_classreports.moc"
