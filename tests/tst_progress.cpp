// What the game remembers between games: mastery and the practice order from
// hand-built histories, the progress table, and the progress file through a
// real SQLite file: fresh, reopened, deleted, and damaged, foreign, newer,
// locked or read-only files, which must be reported once and left alone.
#include "rules/mastery.h"
#include "rules/practice.h"
#include "store/progressstore.h"
#include "rules/progresstable.h"
#include "base/seams.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QSemaphore>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QtTest>
#include <cstdio>
#include <deque>
#include <thread>
#include <unistd.h>

using namespace brev;

namespace {

const QDateTime kMorning(QDate(2026, 3, 1), QTime(9, 30), Qt::UTC);

// Random numbers in the order given.
struct Scripted : RandomSource {
    std::deque<double> values;
    double uniform() override
    {
        const double v = values.front();
        values.pop_front();
        return v;
    }
};

QList<bool> answers(const char* newestFirst) // "RWR": right, wrong, right
{
    QList<bool> out;
    for (const char* c = newestFirst; *c; ++c)
        out << (*c == 'R');
    return out;
}

PresidentHistory history(int record, const char* newestFirst)
{
    const QList<bool> recent = answers(newestFirst);
    return {record, QString(), int(recent.size()), int(recent.count(true)), recent.mid(0, kMasteryWindow)};
}

QList<PresidentEntry> presidents(int count)
{
    QList<PresidentEntry> set;
    for (int r = 1; r <= count; ++r)
        set.append({r, QStringLiteral("President %1").arg(r)});
    return set;
}

JudgedItem item(int record, bool right, int points = 1)
{
    return {record, QStringLiteral("President %1").arg(record), right, points};
}

QByteArray bytesOf(const QString& file)
{
    QFile f(file);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Runs SQL on the file through a connection of its own, as another program would.
void runSql(const QString& file, const QStringList& statements)
{
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("other"));
        db.setDatabaseName(file);
        QVERIFY(db.open());
        QSqlQuery q(db);
        for (const QString& s : statements)
            QVERIFY2(q.exec(s), qPrintable(s));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("other"));
}

// One value a statement reads from the file, through a connection of its own.
QVariant sqlValue(const QString& file, const QString& statement)
{
    QVariant value;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("reader"));
        db.setDatabaseName(file);
        QSqlQuery q(db);
        if (db.open() && q.exec(statement) && q.next())
            value = q.value(0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("reader"));
    return value;
}

// A player's questions per category, in words, or the problem reading them.
QStringList accuracyOf(ProgressStore& store, const QString& player)
{
    const Result<QList<CategoryAccuracy>> accuracy = store.categoryAccuracy(player);
    if (const Problem problem = accuracy.problem())
        return {*problem};
    QStringList got;
    for (const CategoryAccuracy& c : *accuracy)
        got << QStringLiteral("%1: %2 right, %3 partly of %4")
                   .arg(c.category)
                   .arg(c.right)
                   .arg(c.partlyRight)
                   .arg(c.answered);
    return got;
}

// The child process of readOnlyFileReportedOnce: the problem of beginning a
// game, then what a read-only report reads from the same file.
int probeReadOnly(const QString& file)
{
    ProgressStore store(file);
    const Problem problem = store.beginGame(QStringLiteral("Ann"), kMorning, false);
    ProgressStore report(file, ProgressStore::Access::ReadOnly);
    const Result<QList<PresidentHistory>> read = report.presidentHistories(QStringLiteral("Ann"));
    const Problem reading = read.problem();
    QTextStream(stdout) << problem.value_or(QStringLiteral("no problem")) << '\n'
                        << (reading ? *reading : QString::number(read->size())) << '\n';
    // Without the leak check at exit: it cannot trace a process that changed user.
    std::fflush(stdout);
    ::_exit(0);
}

// What probeReadOnly says, run in a child process; root writes any file and
// folder, so the child runs as nobody then.
QStringList probedAsNobody(const QString& file)
{
    QProcess child;
    child.setProcessEnvironment([&] {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("BREV_PROGRESS_PROBE"), file);
        return env;
    }());
    child.setChildProcessModifier([] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
    });
    child.start(QCoreApplication::applicationFilePath(), {});
    if (!child.waitForFinished(20000) || child.exitCode() != 0)
        return {QStringLiteral("the probe failed: exit code %1").arg(child.exitCode())};
    return QString::fromUtf8(child.readAllStandardOutput()).split(u'\n');
}

} // namespace

class TestProgress : public QObject {
    Q_OBJECT
private slots:
    void masteryLevels_data();
    void masteryLevels();
    void masteryInWords();
    void practiceOrderWeakestFirst();
    void practiceFocus();
    void progressTable();
    void recordsAndReadsBack();
    void deletedFileStartsNewHistory();
    void unusableFileLeftAlone_data();
    void unusableFileLeftAlone();
    void firstVersionUpgraded();
    void lockedFileWaitsBoundedOnce();
    void historyStartedMeanwhileIsUsed();
    void readOnlyFileReportedOnce();
    void reportReadsFromReadOnlyFolder();

private:
    QTemporaryDir dir_;
};

void TestProgress::masteryLevels_data()
{
    QTest::addColumn<QString>("newestFirst");
    QTest::addColumn<int>("level");
    QTest::addColumn<int>("points");
    const auto row = [](const char* name, const char* a, MasteryLevel level, int points) {
        QTest::newRow(name) << QString::fromLatin1(a) << int(level) << points;
    };
    row("never asked", "", MasteryLevel::Unseen, 0);
    row("one right is not yet familiar", "R", MasteryLevel::Learning, 5);
    row("two right make familiar", "RR", MasteryLevel::Familiar, 9);
    row("three right make mastered", "RRR", MasteryLevel::Mastered, 12);
    row("only the latest five count", "RRRWWRRRRR", MasteryLevel::Mastered, 12);
    row("12 exactly", "RRWRR", MasteryLevel::Mastered, 12);
    row("11 just below", "RWRRR", MasteryLevel::Familiar, 11);
    row("a newest miss drops mastery", "WRRRR", MasteryLevel::Familiar, 10);
    row("8 exactly", "RWRWW", MasteryLevel::Familiar, 8);
    row("7 just below", "WRRWW", MasteryLevel::Learning, 7);
    row("two newest misses", "WWRRR", MasteryLevel::Learning, 6);
    row("newest weighs most", "RWWWW", MasteryLevel::Learning, 5);
    row("oldest weighs least", "WWWWR", MasteryLevel::Learning, 1);
}

void TestProgress::masteryLevels()
{
    QFETCH(QString, newestFirst);
    QFETCH(int, level);
    const Mastery m = masteryOf(answers(qPrintable(newestFirst)));
    QCOMPARE(int(m.level), level);
    QTEST(m.points, "points");
    QCOMPARE(m.counted, std::min(int(newestFirst.size()), kMasteryWindow));
}

void TestProgress::masteryInWords()
{
    QCOMPARE(masteryWord(MasteryLevel::Familiar), QStringLiteral("Familiar"));
    QCOMPARE(masteryKey(MasteryLevel::Unseen), QStringLiteral("Unseen"));
    QCOMPARE(masteryHint(masteryOf(answers(""))), QStringLiteral("Not asked yet"));
    QCOMPARE(masteryHint(masteryOf(answers("W"))), QStringLiteral("Wrong the one time asked"));
    QCOMPARE(masteryHint(masteryOf(answers("RW"))),
             QStringLiteral("1 of the last 2 answers right, the latest right"));
    QCOMPARE(masteryHint(masteryOf(answers("WRRWRRR"))),
             QStringLiteral("3 of the last 5 answers right, the latest wrong"));
}

void TestProgress::practiceOrderWeakestFirst()
{
    const QList<PresidentHistory> histories{
        history(1, "RRR"),   history(3, "WWWWW"), history(4, "W"), history(5, "RR"),
        history(7, "WWWWR"), history(8, "RWWWW"), history(99, ""), // 99 is not in the set
    };
    // 2 and 6 unseen; 3 and 4 both at 0 points, 3 with more misses; the newest
    // right answer of 8 outweighs the oldest of 7.
    QCOMPARE(practiceOrder(presidents(8), histories), (QList<int>{2, 6, 3, 4, 7, 8, 5, 1}));
    Scripted random;
    random.values = {0.5, 0.9, 0.5, 0.5, 0.5, 0.1, 0.5, 0.5}; // one per president, term order
    QCOMPARE(practiceOrder(presidents(8), histories, &random), (QList<int>{6, 2, 3, 4, 7, 8, 5, 1}));
    QVERIFY(random.values.empty());
}

void TestProgress::practiceFocus()
{
    const PracticeFocus focus({5, 3, 9, 1, 2, 4}, 3);
    QCOMPARE(focus.records(), (QList<int>{5, 3, 9}));
    QVERIFY(focus.contains(9) && !focus.contains(1));
    QList<bool> suits; // a majority of the drawn records must be in focus
    const QList<QList<int>> draws{
        {5}, {1}, {1, 3}, {5, 1, 2}, {1, 9, 2, 3}, {5, 3, 1, 2, 4}, {5, 3, 9, 2, 4}};
    for (const QList<int>& drawn : draws)
        suits << focus.suits(drawn);
    QCOMPARE(suits, (QList<bool>{true, false, true, false, true, false, true}));
    QCOMPARE(PracticeFocus({5, 3}, 10).records().size(), 2);
}

void TestProgress::progressTable()
{
    const QList<PresidentEntry> set{{1, QStringLiteral("George Washington")},
                                    {16, QStringLiteral("Abraham Lincoln")}};
    QList<PresidentHistory> histories{history(16, "RRRRWW")};
    QCOMPARE(brev::progressTable(set, histories),
             QStringLiteral("No  President          Answered  Right  Mastery\n"
                            " 1  George Washington         0      0  Unseen\n"
                            "16  Abraham Lincoln           6      4  Mastered\n"));
    QCOMPARE(brev::progressTable(set, histories, TableForm::Tabbed).split(u'\n').at(2),
             QStringLiteral("16\tAbraham Lincoln\t6\t4\tMastered"));
}

void TestProgress::recordsAndReadsBack()
{
    const QString file = dir_.filePath(QStringLiteral("kept.sqlite"));
    {
        ProgressStore store(file);
        QVERIFY(!QFile::exists(file)); // nothing opens before it is needed
        QCOMPARE(store.beginGame(QStringLiteral(" Ann "), kMorning, false), Problem());
        QCOMPARE(store.recordQuestion({4, 4, 10, {item(16, true, 2), item(1, false, 0), item(2, true, 2)}},
                                      kMorning),
                 Problem());
        QCOMPARE(store.recordQuestion({1, 0, 5, {item(16, false, 0)}}, kMorning), Problem());
        QCOMPARE(store.finishGame(QStringLiteral("Ann"), 7, 10, false, kMorning.addSecs(120)), Problem());
        QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning.addDays(1), true), Problem());
        QCOMPARE(store.recordQuestion({1, 3, 5, {item(16, true, 3)}}, kMorning), Problem());
        QCOMPARE(store.finishGame(QStringLiteral("Ann"), 2, 3, true, kMorning), Problem());
        store.finishGame(QStringLiteral("Ann"), 9, 9, false, kMorning); // no game begun: nothing
        QCOMPARE(store.beginGame(QString(), kMorning, false), Problem());
        QCOMPARE(store.recordQuestion({1, 1, 1, {item(16, true)}}, kMorning), Problem());
        QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem()); // never finished
        QCOMPARE(store.recordQuestion({7, 1, 1, {item(1, true)}}, kMorning), Problem());
    }
    ProgressStore again(file);
    const Result<QStringList> players = again.players();
    QCOMPARE(players.problem(), Problem());
    QCOMPARE(*players, (QStringList{QStringLiteral("Ann"), QStringLiteral("Player")}));

    const Result<QList<PresidentHistory>> histories = again.presidentHistories(QStringLiteral("Ann"));
    QCOMPARE(histories.problem(), Problem());
    QStringList got;
    for (const PresidentHistory& h : *histories) {
        got << QStringLiteral("%1 %2 %3/%4 ").arg(h.record).arg(h.name).arg(h.right).arg(h.answered);
        for (bool right : h.recent)
            got.last() += right ? u'R' : u'W';
    }
    QCOMPARE(got, (QStringList{"1 President 1 1/2 RW", "2 President 2 1/1 R", "16 President 16 2/3 RWR"}));

    // Questions, not items: 0 of 5 is wrong, 3 of 5 and 4 of 10 partly right.
    QCOMPARE(
        accuracyOf(again, QStringLiteral("Ann")),
        (QStringList{"1: 0 right, 1 partly of 2", "4: 0 right, 1 partly of 1", "7: 1 right, 0 partly of 1"}));

    const Result<QList<GameResult>> games = again.gameResults(QStringLiteral("Ann"));
    QCOMPARE(games.problem(), Problem());
    got.clear();
    for (const GameResult& g : *games)
        got << QStringLiteral("%1/%2 %3% %4")
                   .arg(g.score)
                   .arg(g.possible)
                   .arg(g.percent)
                   .arg(QStringLiteral("%1 %2").arg(g.practice).arg(g.endedEarly));
    QCOMPARE(got, (QStringList{"7/10 70% 0 0", "2/3 66% 1 1"})); // rounded down, as the game does
    QCOMPARE((*games)[0].started, kMorning);
    QCOMPARE((*games)[0].finished, kMorning.addSecs(120));
    const Result<QList<GameResult>> bobs = again.gameResults(QStringLiteral("Bob"));
    QCOMPARE(bobs.problem(), Problem());
    QVERIFY(bobs->isEmpty());
}

void TestProgress::deletedFileStartsNewHistory()
{
    const QString file = dir_.filePath(QStringLiteral("deleted.sqlite"));
    ProgressStore store(file);
    QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
    QCOMPARE(store.recordQuestion({1, 1, 1, {item(1, true)}}, kMorning), Problem());
    QVERIFY(QFile::remove(file));
    QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
    QCOMPARE(store.recordQuestion({1, 1, 1, {item(2, true)}}, kMorning), Problem());
    ProgressStore reader(file);
    const Result<QList<PresidentHistory>> histories = reader.presidentHistories(QStringLiteral("Ann"));
    QCOMPARE(histories.problem(), Problem());
    QCOMPARE(histories->size(), 1);
    QCOMPARE((*histories)[0].record, 2);

    // A report reads a missing file as an empty history, and does not make it.
    const QString missing = dir_.filePath(QStringLiteral("missing.sqlite"));
    ProgressStore report(missing, ProgressStore::Access::ReadOnly);
    const Result<QList<PresidentHistory>> none = report.presidentHistories(QStringLiteral("Ann"));
    QCOMPARE(none.problem(), Problem());
    QVERIFY(none->isEmpty() && !QFile::exists(missing));
}

void TestProgress::unusableFileLeftAlone_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("sql"); // makes the file; none: junk bytes
    QTest::addColumn<QString>("said");
    QTest::newRow("junk bytes") << "junk.sqlite" << QStringList() << "is damaged or is not a database";
    QTest::newRow("another program's")
        << "foreign.sqlite" << QStringList{"CREATE TABLE notes (text)", "INSERT INTO notes VALUES ('mine')"}
        << "another program's database (tables: notes)";
    QTest::newRow("another program's, with a version")
        << "versioned.sqlite" << QStringList{"CREATE TABLE items (x)", "PRAGMA user_version = 7"}
        << "another program's database (tables: items)";
    QTest::newRow("newer version")
        << "newer.sqlite" << QStringList{"PRAGMA user_version = 4"}
        << "newer version of the game (history version 4; this one knows version 3";
    QTest::newRow("a table missing") << "dropped.sqlite" << QStringList{"DROP TABLE items"}
                                     << "is damaged: a table of games or answers is missing or changed";
}

void TestProgress::unusableFileLeftAlone()
{
    QFETCH(QString, name);
    QFETCH(QStringList, sql);
    const QString file = dir_.filePath(name);
    if (sql.isEmpty()) {
        QFile junk(file);
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(3000, '\x5a') + "SQLite format 3");
    } else if (name == QLatin1String("newer.sqlite") || name == QLatin1String("dropped.sqlite")) {
        ProgressStore ours(file);
        QCOMPARE(ours.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
    }
    if (!sql.isEmpty())
        runSql(file, sql);
    const QByteArray before = bytesOf(file);

    ProgressStore store(file);
    const Problem problem = store.beginGame(QStringLiteral("Ann"), kMorning, false);
    QVERIFY(problem);
    QVERIFY2(problem->contains(QDir::toNativeSeparators(file)), qPrintable(*problem));
    QFETCH(QString, said);
    QVERIFY2(problem->contains(said), qPrintable(*problem));
    QVERIFY(store.isOff());
    // Said once; the game goes on and nothing is written.
    QCOMPARE(store.recordQuestion({1, 1, 1, {item(1, true)}}, kMorning), Problem());
    QCOMPARE(store.finishGame(QStringLiteral("Ann"), 1, 1, false, kMorning), Problem());
    QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
    QCOMPARE(store.presidentHistories(QStringLiteral("Ann")).problem(), problem); // a reader says why
    QVERIFY2(problem->contains(QStringLiteral("The game goes on")), qPrintable(*problem));
    // A report names the file and what is wrong, with no game to go on.
    ProgressStore report(file, ProgressStore::Access::ReadOnly);
    const Problem reported = report.presidentHistories(QStringLiteral("Ann")).problem();
    QCOMPARE(reported, problem->left(problem->indexOf(QStringLiteral(" The game goes on"))));
    QCOMPARE(bytesOf(file), before);
}

// A file of the first version, with answers per president and no questions:
// a report reads it as it is, and the game brings it up to date in place,
// each question derived from its items, then goes on recording.
void TestProgress::firstVersionUpgraded()
{
    const QString file = dir_.filePath(QStringLiteral("first.sqlite"));
    runSql(
        file,
        {"CREATE TABLE games (id INTEGER PRIMARY KEY, player TEXT NOT NULL, started TEXT NOT NULL,"
         " practice INTEGER NOT NULL, finished TEXT, score INTEGER, possible INTEGER, ended_early INTEGER)",
         "CREATE TABLE items (id INTEGER PRIMARY KEY, game INTEGER NOT NULL, question INTEGER NOT NULL,"
         " asked TEXT NOT NULL, player TEXT NOT NULL, category INTEGER NOT NULL, record INTEGER NOT NULL,"
         " president TEXT NOT NULL, correct INTEGER NOT NULL, points INTEGER NOT NULL)",
         "INSERT INTO games VALUES (1, 'Ann', '2025-01-01T10:00:00Z', 0, '2025-01-01T10:05:00Z', 5, 20, 0)",
         // A sort all right, a match two of three right, a sort all wrong.
         "INSERT INTO items (game, question, asked, player, category, record, president, correct, points)"
         " VALUES (1, 1, 't', 'Ann', 15, 1, 'A', 1, 2), (1, 1, 't', 'Ann', 15, 2, 'B', 1, 2),"
         " (1, 2, 't', 'Ann', 7, 3, 'C', 1, 1), (1, 2, 't', 'Ann', 7, 4, 'D', 0, 0),"
         " (1, 2, 't', 'Ann', 7, 5, 'E', 1, 1), (1, 3, 't', 'Ann', 15, 6, 'F', 0, 0)",
         "PRAGMA application_id = 1112687958", "PRAGMA user_version = 1"});
    const QByteArray before = bytesOf(file);
    const QStringList derived{"7: 0 right, 1 partly of 1", "15: 1 right, 0 partly of 2"};
    ProgressStore report(file, ProgressStore::Access::ReadOnly);
    QCOMPARE(accuracyOf(report, QStringLiteral("Ann")), derived);
    QCOMPARE(bytesOf(file), before);

    ProgressStore store(file);
    QCOMPARE(accuracyOf(store, QStringLiteral("Ann")), derived);
    QCOMPARE(sqlValue(file, QStringLiteral("PRAGMA user_version")).toInt(), 3);
    QCOMPARE(sqlValue(file, QStringLiteral("SELECT COUNT(*) FROM outbox")).toInt(), 0);
    QCOMPARE(sqlValue(file,
                      QStringLiteral("SELECT group_concat(p, ' ') FROM (SELECT points || '/' || possible AS p"
                                     " FROM questions ORDER BY game, question)")),
             QVariant(QStringLiteral("2/2 2/3 0/1")));
    QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
    QCOMPARE(store.recordQuestion({7, 10, 10, {item(3, true, 2)}}, kMorning), Problem());
    QCOMPARE(accuracyOf(store, QStringLiteral("Ann")),
             (QStringList{"7: 1 right, 1 partly of 2", "15: 1 right, 0 partly of 2"}));
    const Result<QList<PresidentHistory>> histories = store.presidentHistories(QStringLiteral("Ann"));
    QCOMPARE(histories.problem(), Problem());
    QCOMPARE(histories->size(), 6); // every answer of the first version kept
    QCOMPARE((*histories)[2].answered, 2);
}

void TestProgress::lockedFileWaitsBoundedOnce()
{
    const QString file = dir_.filePath(QStringLiteral("locked.sqlite"));
    ProgressStore store(file);
    QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("holder"));
        other.setDatabaseName(file);
        QVERIFY(other.open());
        QSqlQuery hold(other);
        QVERIFY(hold.exec(QStringLiteral("BEGIN IMMEDIATE")));
        QVERIFY(
            hold.exec(QStringLiteral("INSERT INTO games (player, started, practice) VALUES ('', '', 0)")));

        QElapsedTimer waited;
        waited.start();
        const Problem problem = store.recordQuestion({1, 1, 1, {item(1, true)}}, kMorning);
        // Waited for the lock, but not until it goes.
        QVERIFY(waited.elapsed() >= kProgressLockWaitMs / 2 && waited.elapsed() < 10 * kProgressLockWaitMs);
        QVERIFY(problem && problem->contains(file) && problem->contains(QStringLiteral("in use by another")));
        waited.restart();
        QCOMPARE(store.recordQuestion({1, 1, 1, {item(2, true)}}, kMorning), Problem());
        QVERIFY(waited.elapsed() < kProgressLockWaitMs); // off: the lock is not waited for again

        QVERIFY(hold.exec(QStringLiteral("COMMIT")));
        QVERIFY(hold.exec(QStringLiteral("SELECT COUNT(*) FROM items")) && hold.next());
        QCOMPARE(hold.value(0).toInt(), 0);
    }
    QSqlDatabase::removeDatabase(QStringLiteral("holder"));
}

// Two copies of the game start at once on a new file: the second found it
// fresh, then waited for the first one's lock while it started the history.
void TestProgress::historyStartedMeanwhileIsUsed()
{
    const QString file = dir_.filePath(QStringLiteral("raced.sqlite"));
    QSemaphore started;
    std::thread first([&] {
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first"));
            db.setDatabaseName(file);
            QSqlQuery q(db);
            const bool begun =
                db.open() && q.exec(QStringLiteral("BEGIN IMMEDIATE")) &&
                q.exec(QStringLiteral("CREATE TABLE games (id INTEGER PRIMARY KEY, player, started,"
                                      " practice, finished, score, possible, ended_early)")) &&
                q.exec(QStringLiteral("CREATE TABLE items (id INTEGER PRIMARY KEY, game, question, asked,"
                                      " player, category, record, president, correct, points)")) &&
                q.exec(QStringLiteral("PRAGMA application_id = 1112687958")) // "BREV"
                && q.exec(QStringLiteral("PRAGMA user_version = 1"));
            started.release();
            if (begun) {
                std::this_thread::sleep_for(std::chrono::milliseconds(kProgressLockWaitMs / 4));
                q.exec(QStringLiteral("COMMIT"));
            }
        }
        QSqlDatabase::removeDatabase(QStringLiteral("first"));
    });
    started.acquire();
    ProgressStore second(file);
    const Problem problem = second.beginGame(QStringLiteral("Ann"), kMorning, false);
    first.join();
    if (problem && problem->contains(QStringLiteral("in use by another program")))
        QSKIP("The first connection did not commit within the lock wait: the machine is too busy.");
    QVERIFY2(!problem, qPrintable(problem.value_or(QString())));
    QCOMPARE(second.recordQuestion({1, 1, 1, {item(7, true)}}, kMorning), Problem());
}

void TestProgress::readOnlyFileReportedOnce()
{
    const QString file = dir_.filePath(QStringLiteral("readonly.sqlite"));
    {
        ProgressStore store(file);
        QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
        QCOMPARE(store.recordQuestion({1, 1, 1, {item(1, true), item(2, false)}}, kMorning), Problem());
    }
    QVERIFY(QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::ReadOther));
    QVERIFY(QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777)));
    const QByteArray before = bytesOf(file);
    const QStringList said = probedAsNobody(file);
    QVERIFY2(said.size() >= 2, qPrintable(said.join(u'\n')));
    QVERIFY2(said[0].contains(file) && said[0].contains(QStringLiteral("cannot be written")),
             qPrintable(said[0]));
    QCOMPARE(said[1], QStringLiteral("2")); // a report still reads it
    QCOMPARE(bytesOf(file), before);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

// A report reads a file in the write-ahead-log mode from a folder it cannot
// write, where SQLite cannot make the log's index beside the file.
void TestProgress::reportReadsFromReadOnlyFolder()
{
    QVERIFY(QFile::setPermissions(dir_.path(), QFileDevice::Permissions(0x7777)));
    const QString folder = dir_.filePath(QStringLiteral("sealed #1?"));
    const QString file = folder + QStringLiteral("/progress.sqlite");
    QVERIFY(QDir().mkpath(folder));
    {
        ProgressStore store(file);
        QCOMPARE(store.beginGame(QStringLiteral("Ann"), kMorning, false), Problem());
        QCOMPARE(store.recordQuestion({1, 1, 1, {item(1, true), item(2, false)}}, kMorning), Problem());
    }
    QCOMPARE(QDir(folder).entryList(QDir::Files), QStringList{QStringLiteral("progress.sqlite")});
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
    QVERIFY(QFile::setPermissions(file, QFileDevice::Permissions(0x4444)));
    QStringList said = probedAsNobody(file);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
    QVERIFY2(said.size() >= 2, qPrintable(said.join(u'\n')));
    QCOMPARE(said[1], QStringLiteral("2"));

    // A log beside it may hold answers not yet in the file: not read without it.
    QFile log(file + QStringLiteral("-wal"));
    QVERIFY(log.open(QIODevice::WriteOnly));
    log.close();
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x5555)));
    said = probedAsNobody(file);
    QVERIFY(QFile::setPermissions(folder, QFileDevice::Permissions(0x7777)));
    QVERIFY2(said.size() >= 2 && said[1].contains(file), qPrintable(said.join(u'\n')));
}

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (qEnvironmentVariableIsSet("BREV_PROGRESS_PROBE"))
        return probeReadOnly(qEnvironmentVariable("BREV_PROGRESS_PROBE"));
    TestProgress test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_progress.moc"
