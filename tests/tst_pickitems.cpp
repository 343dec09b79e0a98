// Random choice of question items: counters, distinct texts, category checks.
#include "store/score.h"
#include "testsupport.h"

#include <QtTest>
#include <set>

using namespace brev;

namespace {
// The uniform number that draws record n out of 41.
double drawOf(int n) { return (n - 1 + 0.5) / 41.0; }
} // namespace

class TstPickitems : public QObject {
    Q_OBJECT
private slots:
    void firstDrawRaisesCounters();
    void fillsSlotsWithDistinctTexts();
    void honoursCategoryChecks();
    void levelOneTakesOnlyUnusedRecords_data();
    void levelOneTakesOnlyUnusedRecords();
    void widensLevelOnlyWhenNeeded();
    void givesUpAfterAllWidenings();
    void keepsCountersWithin16Bits();
    void reportsCategoryWithoutCheck();
};

void TstPickitems::firstDrawRaisesCounters()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 1;
    c.presidents.edit(9).term.clear();   // blank texts are never drawn
    fx.random->script = {drawOf(9), drawOf(12), drawOf(12), drawOf(30)};
    QCOMPARE(pickitems(c, 0), 12);
    QCOMPARE(c.game.chosen[0], 12);
    QCOMPARE(c.game.itemUse[12], 10);
    QCOMPARE(c.game.itemUse[9], 0);
    // Record 12 now has counter 10 and is passed over; 30 is taken for slot 1.
    QCOMPARE(pickitems(c, 1), 30);
    QCOMPARE(c.game.itemUse[30], 1);
    QCOMPARE(fx.random->calls, 4);
    // Right and wrong answers move the counters, never below 0.
    recordanswer(c.game, 12, 4);
    QCOMPARE(c.game.itemUse[12], 14);
    recordanswer(c.game, 9, -1);
    QCOMPARE(c.game.itemUse[9], 0);
}

void TstPickitems::fillsSlotsWithDistinctTexts()
{
    for (quint64 seed = 1; seed <= 40; ++seed) {
        test::Fixture fx(seed);
        fx.loadSampleRecords();
        AppContext& c = *fx.ctx;
        c.game.category = 5;
        // Four presidents shared one vice president; two had none to speak of.
        for (int i : {3, 4, 5, 6})
            c.presidents.edit(i).vice = QStringLiteral("Same Person");
        c.presidents.edit(10).vice = QStringLiteral("none");
        c.presidents.edit(11).vice = QStringLiteral("abcd");
        std::set<QString> texts;
        for (int slot = 0; slot < 5; ++slot) {
            const int r = pickitems(c, slot);
            QVERIFY(r >= 1 && r <= 41);
            QVERIFY(r != 10 && r != 11);
            texts.insert(c.presidents[r].vice);
        }
        QCOMPARE(texts.size(), size_t(5));
    }
}

void TstPickitems::honoursCategoryChecks()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    for (int i = 1; i <= 41; ++i) {
        c.presidents.edit(i).termKey = i == 20 ? 1 : 0;
        c.presidents.edit(i).birthKey = i == 21 ? 5 : -1;
        c.presidents.edit(i).wife = i == 22 ? QStringLiteral("Lady X") : QStringLiteral("none");
        c.presidents.edit(i).court = i == 23 ? QStringLiteral("J") : QStringLiteral(" ");
        c.presidents.edit(i).image = i == 24 ? QStringLiteral("x.gif") : QString();
    }
    const std::map<int, int> only{{4, 20}, {12, 21}, {6, 22}, {13, 22}, {22, 23}, {11, 24}, {21, 24}};
    for (const auto& [category, record] : only) {
        c.game.category = category;
        std::fill(c.game.itemUse.begin(), c.game.itemUse.end(), 0);
        QCOMPARE(pickitems(c, 0), record);
    }
    QVERIFY(fx.messages->texts.isEmpty());
}

void TstPickitems::levelOneTakesOnlyUnusedRecords_data()
{
    QTest::addColumn<int>("counter");
    QTest::addColumn<int>("taken");
    QTest::newRow("unused: taken") << 0 << 5;
    QTest::newRow("used once: skipped") << 1 << 6;
    QTest::newRow("used twice: skipped") << 2 << 6;
}

void TstPickitems::levelOneTakesOnlyUnusedRecords()
{
    QFETCH(int, counter);
    QFETCH(int, taken);
    test::Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 1;
    c.game.itemUse[5] = counter;
    fx.random->script = {drawOf(5), drawOf(6)};
    QCOMPARE(pickitems(c, 1), taken);
    QCOMPARE(c.game.itemUse[5], counter + (taken == 5 ? 1 : 0));
}

void TstPickitems::widensLevelOnlyWhenNeeded()
{
    test::Fixture fx(7);
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 7;
    std::fill(c.game.itemUse.begin(), c.game.itemUse.end(), 10);
    c.game.itemUse[17] = 14;
    const int r = pickitems(c, 0);
    QVERIFY(r != 17);              // the lowest counters win
    QCOMPARE(c.game.itemUse[r], 20);
    // Level 1 + 2 per 101 draws must pass 10: at least 5 widenings.
    QVERIFY2(fx.random->calls >= 5 * 101, qPrintable(QString::number(fx.random->calls)));
    QVERIFY(fx.random->calls <= 6 * 101);
}

void TstPickitems::givesUpAfterAllWidenings()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 2;
    c.game.chosen[3] = 8;
    for (int i = 1; i <= 41; ++i)
        c.presidents.edit(i).vice = i <= 3 ? QStringLiteral("Vice %1").arg(i) : QStringLiteral("none");
    for (int slot = 0; slot < 3; ++slot)
        QVERIFY(pickitems(c, slot) > 0);
    const int before = fx.random->calls;
    QCOMPARE(pickitems(c, 3), 0);
    QCOMPARE(fx.random->calls - before, 2500 * 101);
    QCOMPARE(c.game.chosen[3], 8);   // the slot keeps its old record
}

void TstPickitems::keepsCountersWithin16Bits()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.itemUse[5] = 32765;
    recordanswer(c.game, 5, 4);
    QCOMPARE(c.game.itemUse[5], 32767);
    recordanswer(c.game, 5, -1);
    QCOMPARE(c.game.itemUse[5], 32766);
}

void TstPickitems::reportsCategoryWithoutCheck()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 0;
    fx.random->script = {drawOf(3)};
    QCOMPARE(pickitems(c, 0), 3);
    QCOMPARE(fx.messages->texts, QStringList(QStringLiteral("No special check for 0 Name")));
}

QTEST_GUILESS_MAIN(TstPickitems)
#include "tst_pickitems.moc"
