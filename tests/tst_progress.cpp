// What the game remembers between games: mastery and the practice order from
// hand-built histories, and the progress table.
#include "store/mastery.h"
#include "store/practice.h"
#include "store/progresstable.h"
#include "base/seams.h"

#include <QtTest>
#include <deque>

using namespace brev;

namespace {

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

QList<bool> answers(const char* newestFirst)   // "RWR": right, wrong, right
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
        history(1, "RRR"),   history(3, "WWWWW"), history(4, "W"),   history(5, "RR"),
        history(7, "WWWWR"), history(8, "RWWWW"), history(99, ""),  // 99 is not in the set
    };
    // 2 and 6 unseen; 3 and 4 both at 0 points, 3 with more misses; the newest
    // right answer of 8 outweighs the oldest of 7.
    QCOMPARE(practiceOrder(presidents(8), histories), (QList<int>{2, 6, 3, 4, 7, 8, 5, 1}));
    Scripted random;
    random.values = {0.5, 0.9, 0.5, 0.5, 0.5, 0.1, 0.5, 0.5};   // one per president, term order
    QCOMPARE(practiceOrder(presidents(8), histories, &random), (QList<int>{6, 2, 3, 4, 7, 8, 5, 1}));
    QVERIFY(random.values.empty());
}

void TestProgress::practiceFocus()
{
    const PracticeFocus focus({5, 3, 9, 1, 2, 4}, 3);
    QCOMPARE(focus.records(), (QList<int>{5, 3, 9}));
    QVERIFY(focus.contains(9) && !focus.contains(1));
    QList<bool> suits;   // a majority of the drawn records must be in focus
    const QList<QList<int>> draws{{5},          {1},          {1, 3}, {5, 1, 2}, {1, 9, 2, 3},
                                  {5, 3, 1, 2, 4}, {5, 3, 9, 2, 4}};
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

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    TestProgress test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_progress.moc"
