// The classes' pieces that the service test cannot reach from outside: the
// presidents' names against the game's records, the reader's language, the
// CSV's quoting, the practice set's form, the class's mark, and retention on
// a store whose clock the test sets.
#include "hof/hofd/classcsv.h"
#include "hof/hofd/classfacts.h"
#include "hof/hofd/classpages.h"
#include "hof/hofd/classstore.h"
#include "store/records.h"

#include <QTemporaryDir>
#include <QTest>

using namespace Qt::StringLiterals;

class TestClasses : public QObject {
    Q_OBJECT

private slots:
    void presidentsAsTheRecordsName();
    void readersLanguage_data();
    void readersLanguage();
    void csvQuotesAndDisarmsFormulas();
    void practiceSetForm();
    void classMarkNeedsFiveAnswers();
    void retentionCountsFromTheLastGame();
};

void TestClasses::presidentsAsTheRecordsName()
{
    brev::Records records;
    QVERIFY(!brev::readRecords(records, QStringLiteral(BREV_DATA_DIR "/brev.dat")));
    QVERIFY(!brev::readAddOn(records, QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), true));
    QCOMPARE(records.loadedRecords(), hofd::kPresidents);
    for (int record = 1; record <= hofd::kPresidents; ++record)
        QCOMPARE(hofd::presidentName(record), records.presidents[std::size_t(record)].name);
    QVERIFY(hofd::presidentName(0).isEmpty() && hofd::presidentName(46).isEmpty());
}

void TestClasses::readersLanguage_data()
{
    QTest::addColumn<QByteArray>("header");
    QTest::addColumn<QByteArray>("language");
    QTest::addRow("none") << QByteArray() << QByteArray("en");
    QTest::addRow("region") << QByteArray("es-MX") << QByteArray("es");
    QTest::addRow("first of equals") << QByteArray("de, es") << QByteArray("de");
    QTest::addRow("higher q later") << QByteArray("es;q=0.5, DE;q=0.7") << QByteArray("de");
    QTest::addRow("refused") << QByteArray("de;q=0, fr") << QByteArray("en");
    QTest::addRow("others only") << QByteArray("fr-FR, it;q=0.9") << QByteArray("en");
    QTest::addRow("english first") << QByteArray("en-GB, de;q=0.9") << QByteArray("en");
    QTest::addRow("bad q") << QByteArray("es;q=x, de;q=0.1") << QByteArray("de");
}

void TestClasses::readersLanguage()
{
    QFETCH(QByteArray, header);
    QFETCH(QByteArray, language);
    QCOMPARE(QByteArray(hofd::languageTag(hofd::pageLanguage(header))), language);
}

void TestClasses::csvQuotesAndDisarmsFormulas()
{
    const QDateTime ended(QDate(2026, 12, 8), QTime(20, 9, 41), Qt::UTC);
    QList<hofd::GameRow> games;
    for (const QString& name :
         {u"=SUM(A1)"_s, u"+1"_s, u"-2"_s, u"@cmd"_s, u"a,b"_s, u"say \"hi\""_s, u"Zoë"_s})
        games.append({name, ended, 3, 5, true});
    QCOMPARE(hofd::gamesCsv(games), QByteArray("player,ended,score,possible,practice\r\n"
                                               "'=SUM(A1),2026-12-08T20:09:41Z,3,5,yes\r\n"
                                               "'+1,2026-12-08T20:09:41Z,3,5,yes\r\n"
                                               "'-2,2026-12-08T20:09:41Z,3,5,yes\r\n"
                                               "'@cmd,2026-12-08T20:09:41Z,3,5,yes\r\n"
                                               "\"a,b\",2026-12-08T20:09:41Z,3,5,yes\r\n"
                                               "\"say \"\"hi\"\"\",2026-12-08T20:09:41Z,3,5,yes\r\n"
                                               "Zo\xc3\xab,2026-12-08T20:09:41Z,3,5,yes\r\n"));
    // A category's name holding a comma and an apostrophe.
    QCOMPARE(
        hofd::answersCsv({{u"Ann"_s, ended, 2, 20, 44, false}}).split('\n').at(1),
        "Ann,2026-12-08T20:09:41Z,2,odd-one-out,20,Who didn't belong to this party?,44,Donald Trump,no\r");
}

void TestClasses::practiceSetForm()
{
    QCOMPARE(hofd::parsePresidents({u" 3-1 "_s}).problem(), brev::Problem(u"3-1"_s));
    for (const QString& wrong : {u"0"_s, u"46"_s, u"1-2-3"_s, u"x"_s, u"44-46"_s})
        QVERIFY2(!hofd::parsePresidents({wrong}), qPrintable(wrong));
    const brev::Result<QList<int>> set = hofd::parsePresidents({u"16"_s, u"1-4, 3,45"_s, u""_s});
    QCOMPARE(set.value_or({}), QList<int>({1, 2, 3, 4, 16, 45}));
    QCOMPARE(hofd::rangeText(*set), u"1-4, 16, 45"_s);
    const brev::Result<QList<int>> none = hofd::parsePresidents({u""_s});
    QVERIFY(none && none->isEmpty());
}

void TestClasses::classMarkNeedsFiveAnswers()
{
    QCOMPARE(hofd::classMark(0, 0), 0);
    QCOMPARE(hofd::classMark(4, 4), 1);
    QCOMPARE(hofd::classMark(5, 4), 3);
    QCOMPARE(hofd::classMark(10, 7), 2);
    QCOMPARE(hofd::classMark(10, 5), 2);
    QCOMPARE(hofd::classMark(10, 4), 1);
}

// A class lives for its retention time after its last game, or after its
// making when it has none.
void TestClasses::retentionCountsFromTheLastGame()
{
    QTemporaryDir dir;
    hofd::ClassStore store(u"retention"_s);
    QVERIFY(!store.open(dir.filePath(u"c.sqlite"_s), true, 1000));
    const QDateTime made(QDate(2026, 1, 1), QTime(8, 0), Qt::UTC);
    const auto playedClass = store.makeClass(u"Played"_s, made);
    const auto idleClass = store.makeClass(u"Idle"_s, made);
    QVERIFY(playedClass && idleClass);
    const QString played = playedClass->code, idle = idleClass->code;
    hofd::Report r;
    r.game = u"3f1c2a9e-5b7d-4c1e-9a0b-2d4e6f8a1c3b"_s;
    r.player = u"Tess"_s;
    r.started = r.ended = made;
    const auto outcomes = store.storeReports({{played, r}}, made.addDays(100));
    QVERIFY(outcomes);
    QCOMPARE(outcomes->first().kind, hofd::ReportOutcome::Stored);
    QCOMPARE(store.purgeExpired(made.addDays(30), 30).value_or(-1), 0);
    QCOMPARE(store.purgeExpired(made.addDays(30).addSecs(1), 30).value_or(-1), 1);
    const auto idleInfo = store.findClass(idle);
    QVERIFY(idleInfo && !*idleInfo);
    QCOMPARE(store.purgeExpired(made.addDays(130), 30).value_or(-1), 0);
    QCOMPARE(store.purgeExpired(made.addDays(130).addSecs(1), 30).value_or(-1), 1);
    const auto playedInfo = store.findClass(played);
    QVERIFY(playedInfo && !*playedInfo);
    const auto games = store.games(1, QString());
    QVERIFY(games && games->isEmpty());
}

QTEST_GUILESS_MAIN(TestClasses)
#include "tst_classes.moc"
