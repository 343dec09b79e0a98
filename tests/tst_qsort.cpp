// The sorting question: judging of the ten pairs (in order, reversed, ties),
// pushing lines up, the load and export lines, and the real window played by
// mouse and by keyboard.
#include "gameflow/gamelog.h"
#include "gameflow/gameui.h"
#include "refdata/brevmain.h"
#include "screens/core/qsortmodel.h"
#include "screens/qsort.h"
#include "screens/showscor.h"
#include "testsupport.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;
using Chosen = std::array<int, 5>;

namespace {

// A record's draw value for pickitems: floor(r x 41) + 1 gives the record.
double drawOf(int record)
{
    return (record - 0.5) / 41.0;
}

void scriptDraws(Fixture& f, const Chosen& records)
{
    for (int r : records)
        f.random->script.push_back(drawOf(r));
}

void place(AppContext& ctx, const Chosen& order)
{
    for (size_t k = 0; k < order.size(); ++k)
        ctx.game.chosen[k] = order[k];
}

Chosen order(const AppContext& ctx)
{
    return {ctx.game.chosen[0], ctx.game.chosen[1], ctx.game.chosen[2], ctx.game.chosen[3],
            ctx.game.chosen[4]};
}

QStringList logLines(const Fixture& f)
{
    QStringList lines = QString::fromLatin1(f.read(QString::fromLatin1(kLogFile))).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

QPoint lineCentre(brev::qsort* q, int line)
{
    return q->List1->visualItemRect(q->List1->item(line)).center();
}

} // namespace

class TestQsort : public QObject {
    Q_OBJECT
private slots:
    void inOrderIsAllCorrect();
    void reverseOrderHasNoCorrectPair();
    void equalKeysAreInOrderEitherWay_data();
    void equalKeysAreInOrderEitherWay();
    void pushUp_data();
    void pushUp();
    void loadLines_data();
    void loadLines();
    void exhaustedCategoryAsksNothing();
    void mouseSortsAndDone();
    void keyboardSortsAndDone();
    void wholeGameOfSortingCategories();
};

void TestQsort::inOrderIsAllCorrect()
{
    Fixture f;
    f.loadSampleRecords();
    f.ctx->game.category = 12;
    place(*f.ctx, {1, 2, 3, 4, 5});
    const Verdict v = SortModel(*f.ctx).judge();
    QCOMPARE(v.points, 10);
    QCOMPARE(v.possible, 10);
    QCOMPARE(v.results, QStringLiteral("*** All correct!\r\n*** 10 of 10 correct "));
    QCOMPARE(v.heading, QStringLiteral("Results for Sort by birthdate"));
    // Only the upper item of each pair is credited.
    const QList<Credit> credits{{1, 4}, {1, 4}, {1, 4}, {1, 4}, {2, 4},
                                {2, 4}, {2, 4}, {3, 4}, {3, 4}, {4, 4}};
    QCOMPARE(v.credits, credits);
    QCOMPARE(v.log, (QList<LogLine>{{" *** All Correct!", 1}}));
    QCOMPARE(v.sound, -1);

    f.ctx->game.onlineQuestionMode = -1;   // the online export keeps the play line out
    QVERIFY(SortModel(*f.ctx).judge().log.isEmpty());
}

void TestQsort::reverseOrderHasNoCorrectPair()
{
    Fixture f;
    f.loadSampleRecords();
    f.ctx->game.category = 12;
    place(*f.ctx, {5, 4, 3, 2, 1});
    const Verdict v = SortModel(*f.ctx).judge();
    QCOMPARE(v.points, 0);
    QCOMPARE(v.possible, 10);
    const QStringList pairs{
        "President 5 1745 > President 4 1742", "President 5 1745 > President 3 1739",
        "President 5 1745 > President 2 1736", "President 5 1745 > President 1 1733",
        "President 4 1742 > President 3 1739", "President 4 1742 > President 2 1736",
        "President 4 1742 > President 1 1733", "President 3 1739 > President 2 1736",
        "President 3 1739 > President 1 1733", "President 2 1736 > President 1 1733"};
    QCOMPARE(v.results, " \r\n" + pairs.join("\r\n") + "\r\n*** 0 of 10 correct ");
    QCOMPARE(v.log.size(), 10);
    QCOMPARE(v.log.last(), (LogLine{"President 2 1736 > President 1 1733", 1}));
    const QList<Credit> credits{{5, -1}, {4, -1}, {5, -1}, {3, -1}, {5, -1}, {2, -1}, {5, -1},
                                {1, -1}, {4, -1}, {3, -1}, {4, -1}, {2, -1}, {4, -1}, {1, -1},
                                {3, -1}, {2, -1}, {3, -1}, {1, -1}, {2, -1}, {1, -1}};
    QCOMPARE(v.credits, credits);
}

void TestQsort::equalKeysAreInOrderEitherWay_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<Chosen>("drawn");
    // John Quincy Adams and Andrew Jackson, both born 1767.
    QTest::addRow("birth_1767") << 12 << Chosen{1, 6, 7, 9, 20};
    // William Henry Harrison and John Tyler, both in office from 1841.
    QTest::addRow("inauguration_1841") << 15 << Chosen{8, 9, 10, 11, 12};
}

void TestQsort::equalKeysAreInOrderEitherWay()
{
    QFETCH(int, category);
    QFETCH(Chosen, drawn);
    Fixture f;
    QCOMPARE(readdata(*f.ctx, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    f.ctx->itemUse.assign(size_t(f.ctx->nrecords + 1), 0);
    f.ctx->game.category = category;
    scriptDraws(f, drawn);
    SortModel model(*f.ctx);
    QVERIFY(model.load());
    QCOMPARE(order(*f.ctx), drawn);
    for (int round = 0; round < 2; ++round) {
        const Verdict v = model.judge();
        QCOMPARE(v.points, 10);
        QCOMPARE(v.results, QStringLiteral("*** All correct!\r\n*** 10 of 10 correct "));
        QVERIFY(model.pushUp(2));   // the tied pair the other way round
    }
}

void TestQsort::pushUp_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<bool>("moved");
    QTest::addColumn<Chosen>("after");
    QTest::addRow("top_line") << 0 << false << Chosen{1, 2, 3, 4, 5};
    QTest::addRow("line_2") << 2 << true << Chosen{1, 3, 2, 4, 5};
    QTest::addRow("line_4") << 4 << true << Chosen{1, 2, 3, 5, 4};
    QTest::addRow("below_the_list") << 5 << false << Chosen{1, 2, 3, 4, 5};
}

void TestQsort::pushUp()
{
    QFETCH(int, line);
    QFETCH(bool, moved);
    QFETCH(Chosen, after);
    Fixture f;
    f.loadSampleRecords();
    f.ctx->game.category = 13;
    place(*f.ctx, {1, 2, 3, 4, 5});
    SortModel model(*f.ctx);
    QCOMPARE(model.pushUp(line), moved);
    QCOMPARE(order(*f.ctx), after);
    if (line != 4)
        return;
    QCOMPARE(model.lines(), (QStringList{"Lady 1", "Lady 2", "Lady 3", "Lady 5", "Lady 4"}));
    const Verdict v = model.judge();
    QCOMPARE(v.points, 9);
    QCOMPARE(v.results, QStringLiteral(" \r\nLady 5 1808 > Lady 4 1804\r\n*** 9 of 10 correct "));
    QCOMPARE(v.credits.mid(9), (QList<Credit>{{5, -1}, {4, -1}}));
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
    QCOMPARE(ctx.itemUse[3], 10);
    QCOMPARE(ctx.itemUse[2], 1);
    model.writeLoadLines();
    QCOMPARE(logLines(f), expected);
    QCOMPARE(ctx.game.questionsWritten, 0);
}

void TestQsort::exhaustedCategoryAsksNothing()
{
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    for (int i = 5; i <= kRecords; ++i)
        ctx.presidents[i].birthKey = 0;   // four records left to sort by birth
    ctx.settings.catenabled[12] = -1;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        QCOMPARE(w->objectName(), QStringLiteral("setup"));
        w->close();
    });
    QCOMPARE(askquestion(ctx, ui, 12), Asked::Abandoned);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts,
             QStringList{"Current set doesn't provide enough items for Sort by birthdate. Use another "
                         "question type or change difficulty level to include more."});
    QCOMPARE(ctx.settings.catenabled[12], 0);
    QVERIFY(logLines(f).isEmpty());
    QCOMPARE(ctx.game.possible, 0);
}

void TestQsort::mouseSortsAndDone()
{
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    scriptDraws(f, {3, 1, 2, 5, 4});
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<brev::qsort*>(w);
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), QStringLiteral(" Sort "));
        QCOMPARE(q->Label1->text(), QStringLiteral("Sort by birthdate"));
        QCOMPARE(q->Label2->text(), QStringLiteral("Click to push an item up one slot"));
        QCOMPARE(q->Command1->text(), QStringLiteral("Done"));
        QTest::mouseClick(q->Command2, Qt::LeftButton);
        for (int line : {0, 1, 2, 4})
            QTest::mouseClick(q->List1->viewport(), Qt::LeftButton, {}, lineCentre(q, line));
        QTest::mouseClick(q->List1->viewport(), Qt::RightButton, {}, lineCentre(q, 1));
        QCOMPARE(q->List1->item(3)->text(), QStringLiteral("President 4"));
        QVERIFY(q->List1->selectedItems().isEmpty());
        QCOMPARE(order(ctx), (Chosen{1, 2, 3, 4, 5}));
        QTest::mouseClick(q->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<showscor*>(w);
        QVERIFY(s);
        QCOMPARE(s->Label1->text(), QStringLiteral("Results for Sort by birthdate"));
        QCOMPARE(s->Text1->toPlainText(), QStringLiteral("*** All correct!\n*** 10 of 10 correct "));
        QCOMPARE(s->Label2->text(), QStringLiteral("Current score: 10 of 10  (100%)"));
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    QCOMPARE(askquestion(ctx, ui, 12), Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts, QStringList{SortModel::helpText()});
    QCOMPARE(ctx.itemUse[1], 17);   // drawn for slot 1, then four credits as the top item
    QCOMPARE(ctx.itemUse[3], 18);   // drawn for slot 0, two credits on line 2
    QCOMPARE(ctx.itemUse[5], 1);    // the bottom item is never credited
    QCOMPARE(logLines(f), (QStringList{"Sorting: Sort by birthdate", "President 3", "President 1",
                                       "President 2", "President 5", "President 4", " *** All Correct!"}));
}

void TestQsort::keyboardSortsAndDone()
{
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    scriptDraws(f, {3, 1, 2, 5, 4});
    bool stayedOpen = false;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<brev::qsort*>(w);
        QVERIFY(q);
        QCOMPARE(QApplication::focusWidget(), q->List1);
        auto key = [](Qt::Key k) { QTest::keyClick(QApplication::focusWidget(), k); };
        key(Qt::Key_Escape);   // no way to skip
        stayedOpen = q->isVisible();
        key(Qt::Key_Down);
        key(Qt::Key_Space);   // line 1 up: 1 3 2 5 4
        QCOMPARE(q->List1->currentRow(), 0);
        QVERIFY(q->List1->item(0)->isSelected());
        key(Qt::Key_Down);
        key(Qt::Key_Down);
        key(Qt::Key_Return);   // line 2 up: 1 2 3 5 4
        key(Qt::Key_End);
        key(Qt::Key_Enter);   // line 4 up: 1 2 3 4 5
        QCOMPARE(order(ctx), (Chosen{1, 2, 3, 4, 5}));
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), q->Command2);
        key(Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), q->Command1);
        key(Qt::Key_Space);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<showscor*>(w);
        QVERIFY(s);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    QCOMPARE(askquestion(ctx, ui, 12), Asked::Yes);
    QVERIFY(driver.done());
    QVERIFY(stayedOpen);
    QCOMPARE(ctx.game.score, 10);
    QCOMPARE(ctx.game.possible, 10);
}

void TestQsort::wholeGameOfSortingCategories()
{
    Fixture f(12);
    QCOMPARE(readdata(*f.ctx, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    AppContext& ctx = *f.ctx;
    ctx.itemUse.assign(size_t(ctx.nrecords + 1), 0);
    for (int k = 12; k <= 18; ++k)
        ctx.settings.catenabled[size_t(k)] = -1;
    ctx.settings.nquestions = 6;
    QList<int> categories;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    for (int q = 0; q < 6; ++q) {
        driver.then([&, q](QWidget* w) {
            auto* s = qobject_cast<brev::qsort*>(w);
            QVERIFY(s);
            categories << ctx.game.category;
            if (q % 2 == 0) {
                QTest::mouseClick(s->List1->viewport(), Qt::LeftButton, {}, lineCentre(s, 3));
                QTest::mouseClick(s->Command1, Qt::LeftButton);
            } else {
                QTest::keyClick(s->List1, Qt::Key_Down);
                QTest::keyClick(s->List1, Qt::Key_Space);
                QTest::keyClick(s->List1, Qt::Key_Tab);
                QTest::keyClick(s->Command2, Qt::Key_Tab);
                QTest::keyClick(s->Command1, Qt::Key_Space);
            }
        });
        driver.then([&](QWidget* w) {
            auto* s = qobject_cast<showscor*>(w);
            QVERIFY(s);
            QVERIFY(s->Text1->toPlainText().endsWith(" of 10 correct "));
            QTest::mouseClick(s->Command1, Qt::LeftButton);
        });
    }
    playgame(ctx, ui);
    QVERIFY(driver.done());
    QCOMPARE(categories.size(), 6);
    for (int c : categories)
        QVERIFY(c >= 12 && c <= 18);
    QCOMPARE(ctx.game.possible, 60);
    QCOMPARE(f.messages->texts.size(), 1);
    QVERIFY(f.messages->texts.first().startsWith("You scored "));
}

QTEST_MAIN(TestQsort)
#include "tst_qsort.moc"
