// The sorting question: judging the ten pairs (in order, reversed, ties), the
// load and export lines, running out of records, and the real window played
// by mouse and by keyboard.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "store/brevmain.h"
#include "screens/sortwindow.h"
#include "screens/scorewindow.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScopeGuard>
#include <QtTest>

using namespace brev;
using namespace brev::test;
using Chosen = std::array<int, 5>;

namespace {

// pickitems draws record floor(r x 41) + 1.
void scriptDraws(Fixture& f, const Chosen& records)
{
    for (int r : records)
        f.random->script.push_back((r - 0.5) / 41.0);
}

Chosen order(const AppContext& ctx)
{
    const auto& c = ctx.game.chosen;
    return {c[0], c[1], c[2], c[3], c[4]};
}

void loadShipped(Fixture& f)
{
    QCOMPARE(readdata(*f.ctx, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    f.ctx->game.itemUse.assign(size_t(f.ctx->nrecords + 1), 0);
}

// The window refuses Escape and its close box; a failed step still ends it.
auto endOnFailure(brev::SortWindow* q)
{
    return qScopeGuard([q] {
        if (QTest::currentTestFailed() && q->isVisible())
            q->done(QDialog::Rejected);
    });
}

void clickLine(brev::SortWindow* q, int line)
{
    const QPoint at = q->List1->visualItemRect(q->List1->item(line)).center();
    QTest::mouseClick(q->List1->viewport(), Qt::LeftButton, {}, at);
}

} // namespace

class TestQsort : public QObject {
    Q_OBJECT
private slots:
    void judge_data();
    void judge();
    void equalKeysInEitherOrder_data();
    void equalKeysInEitherOrder();
    void loadLines_data();
    void loadLines();
    void exhaustedCategoryLoadsNothing();
    void wholeGameByMouseAndKeyboard();
};

void TestQsort::judge_data()
{
    QTest::addColumn<Chosen>("lines");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QList<Credit>>("credits");
    // Sample birth years: record i was born in 1730 + 3i.
    QTest::addRow("in_order") << Chosen{1, 2, 3, 4, 5} << 10
                              << QStringList{"*** All correct!", "*** 10 of 10 correct "}
                              << QList<Credit>{{1, 4}, {1, 4}, {1, 4}, {1, 4}, {2, 4},
                                               {2, 4}, {2, 4}, {3, 4}, {3, 4}, {4, 4}};
    QTest::addRow("last_two_swapped")
        << Chosen{1, 2, 3, 5, 4} << 9
        << QStringList{" ", "President 5 1745 > President 4 1742", "*** 9 of 10 correct "}
        << QList<Credit>{{1, 4}, {1, 4}, {1, 4}, {1, 4}, {2, 4}, {2, 4},
                         {2, 4}, {3, 4}, {3, 4}, {5, -1}, {4, -1}};
    QList<Credit> reversed;
    const int pairs[10][2] = {{5, 4}, {5, 3}, {5, 2}, {5, 1}, {4, 3}, {4, 2}, {4, 1}, {3, 2}, {3, 1}, {2, 1}};
    for (const auto& pair : pairs)
        reversed << Credit{pair[0], -1} << Credit{pair[1], -1};
    QTest::addRow("reversed") << Chosen{5, 4, 3, 2, 1} << 0
                              << QStringList{" ",
        "President 5 1745 > President 4 1742", "President 5 1745 > President 3 1739",
        "President 5 1745 > President 2 1736", "President 5 1745 > President 1 1733",
        "President 4 1742 > President 3 1739", "President 4 1742 > President 2 1736",
        "President 4 1742 > President 1 1733", "President 3 1739 > President 2 1736",
        "President 3 1739 > President 1 1733", "President 2 1736 > President 1 1733",
        "*** 0 of 10 correct "} << reversed;
}

void TestQsort::judge()
{
    QFETCH(Chosen, lines);
    QFETCH(int, points);
    QFETCH(QStringList, results);
    QFETCH(QList<Credit>, credits);
    Fixture f;
    f.loadSampleRecords();
    f.ctx->game.category = 12;
    std::copy(lines.begin(), lines.end(), f.ctx->game.chosen.begin());
    const Verdict v = SortModel(*f.ctx).judge();
    QCOMPARE(v.points, points);
    QCOMPARE(v.possible, 10);
    QCOMPARE(v.results.split("\r\n"), results);
    QCOMPARE(v.credits, credits);
    QCOMPARE(v.log.size(), points == 10 ? 1 : 10 - points);
    QCOMPARE(v.log.first().text, points == 10 ? " *** All Correct!" : results[1]);
    QCOMPARE(v.heading, QStringLiteral("Results for Sort by birthdate"));
}

void TestQsort::equalKeysInEitherOrder_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<Chosen>("drawn");
    QTest::addRow("born_1767") << 12 << Chosen{1, 6, 7, 9, 20};   // J. Q. Adams, Jackson
    QTest::addRow("inaugurated_1841") << 15 << Chosen{8, 9, 10, 11, 12};   // W. H. Harrison, Tyler
}

void TestQsort::equalKeysInEitherOrder()
{
    QFETCH(int, category);
    QFETCH(Chosen, drawn);
    Fixture f;
    loadShipped(f);
    f.ctx->game.category = category;
    scriptDraws(f, drawn);
    SortModel model(*f.ctx);
    QVERIFY(model.load());
    QCOMPARE(order(*f.ctx), drawn);
    QCOMPARE(model.judge().points, 10);
    QVERIFY(model.pushUp(2));   // the tied pair the other way round
    QCOMPARE(model.judge().points, 10);
}

void TestQsort::loadLines_data()
{
    QTest::addColumn<int>("mode");   // 0 none, 1 online, 2 tabbed
    QTest::addColumn<QStringList>("expected");
    const QStringList play{"Sorting: Sort First Ladies by term", "President 3", "President 1",
                           "President 4", "President 5", "President 2"};
    QTest::addRow("play") << 0 << play;
    QTest::addRow("online") << 1
                            << QStringList{"SORT", "Sort First Ladies by term", "Lady 3", "Lady 1", "Lady 4",
                                           "Lady 5", "Lady 2", "1800", "1792", "1804", "1808", "1796"};
    QTest::addRow("tabbed_has_no_form") << 2 << play;
}

void TestQsort::loadLines()
{
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    ctx.game.category = 13;
    ctx.game.onlineQuestionMode = mode == 1 ? -1 : 0;
    ctx.game.tabbedQuestionMode = mode == 2 ? -1 : 0;
    scriptDraws(f, {3, 1, 4, 5, 2});
    SortModel model(ctx);
    QVERIFY(model.load());
    QCOMPARE(model.heading(), QStringLiteral("Sort First Ladies by term, in order of Presidency"));
    model.writeLoadLines();
    QCOMPARE(f.logLines(), expected);
    QCOMPARE(ctx.game.questionsWritten, 0);
}

void TestQsort::exhaustedCategoryLoadsNothing()
{
    Fixture f;
    f.loadSampleRecords();
    for (int i = 5; i <= kRecords; ++i)
        f.ctx->presidents.edit(i).birthKey = 0;   // four records left to sort by birth
    f.ctx->game.category = 12;
    QVERIFY(!SortModel(*f.ctx).load());
    QVERIFY(f.logLines().isEmpty());
}

void TestQsort::wholeGameByMouseAndKeyboard()
{
    Fixture f(12);
    loadShipped(f);
    AppContext& ctx = *f.ctx;
    for (int k = 12; k <= 18; ++k)
        ctx.settings.catenabled[size_t(k)] = -1;
    ctx.settings.nquestions = 2;
    fillHallOfFame(ctx);
    f.random->script.push_back(12.5 / 19.0);   // category 12, then Polk, Washington, Adams, Jackson, Monroe
    scriptDraws(f, {11, 1, 2, 7, 5});
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<brev::SortWindow*>(w);
        QVERIFY(q);
        const auto guard = endOnFailure(q);
        QCOMPARE(q->windowTitle(), QStringLiteral(" Sort "));
        QCOMPARE(q->Label1->text(), QStringLiteral("Sort by birthdate"));
        QTest::mouseClick(q->Command2, Qt::LeftButton);
        clickLine(q, 0);
        QTest::mouseClick(q->List1->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(order(ctx), (Chosen{11, 1, 2, 7, 5}));
        for (int line : {1, 2, 4, 3, 4})
            clickLine(q, line);
        QCOMPARE(q->List1->item(3)->text(), QStringLiteral("Andrew Jackson"));
        QVERIFY(q->List1->selectedItems().isEmpty());
        QTest::mouseClick(q->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->Label1->text(), QStringLiteral("Results for Sort by birthdate"));
        QCOMPARE(s->Text1->toPlainText(), QStringLiteral("*** All correct!\n*** 10 of 10 correct "));
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<brev::SortWindow*>(w);
        QVERIFY(s);
        const auto guard = endOnFailure(s);
        QVERIFY(ctx.game.category >= 12 && ctx.game.category <= 18);
        const Chosen drawn = order(ctx);
        QCOMPARE(QApplication::focusWidget(), s->List1);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Down, Qt::Key_Space, Qt::Key_End, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(s->isVisible());   // Escape does not skip
        QCOMPARE(order(ctx), (Chosen{drawn[1], drawn[0], drawn[2], drawn[4], drawn[3]}));
        QVERIFY(s->List1->item(3)->isSelected());   // the selection follows the pushed item
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
    });
    driver.then([](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s && s->Text1->toPlainText().endsWith(" of 10 correct "));
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    playgame(ctx, ui);
    QVERIFY(driver.done());
    QCOMPARE(ctx.game.possible, 20);
    QCOMPARE(f.messages->texts.size(), 2);
    QCOMPARE(f.messages->texts.first(), "Sort the items listed.  Click on a line to move that item up one "
                                        "level.  When all are in position, click 'Done'");
    QCOMPARE(ctx.game.itemUse[1], 17);   // drawn for slot 1, then four credits on top
    QCOMPARE(f.logLines().mid(0, 8), (QStringList{"---- Question 1", "Sorting: Sort by birthdate", "James K. Polk",
                                                 "George Washington", "John Adams", "Andrew Jackson",
                                                 "James Monroe", " *** All Correct!"}));
}

QTEST_MAIN(TestQsort)
#include "tst_qsort.moc"
