// The sorting question: judging the ten pairs (in order, reversed, ties), the
// load and export lines, running out of records, and the real window played
// by mouse and by keyboard.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "store/records.h"
#include "screens/sortwindow.h"
#include "screens/scorewindow.h"
#include "screens/reviewwindow.h"
#include "testsupport.h"

#include <QTextBrowser>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTextBlock>
#include <QScopeGuard>
#include <QtTest>

using namespace brev;
using namespace brev::test;
using Lines = std::array<int, 5>;

namespace {

// The records on the lines, top down.
Lines order(const SortModel& model)
{
    const auto& c = model.chosen();
    return {c[0], c[1], c[2], c[3], c[4]};
}

void loadShipped(Fixture& f)
{
    QCOMPARE(readRecords(f.program->records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    f.program->session.resetUsage(f.program->records.inPlay());
}

// A sorting question of `category` on the records given, top down.
struct Question {
    Question(Fixture& f, int category, const Lines& lines)
        : draw(*f.program, QList<int>(lines.begin(), lines.end())), model(draw, category)
    {}
    ChosenDraw draw;
    SortModel model;
};

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
    const QPoint at = q->itemList->visualItemRect(q->itemList->item(line)).center();
    QTest::mouseClick(q->itemList->viewport(), Qt::LeftButton, {}, at);
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
    void itemsOfTwoYearsStandApart();
    void wholeGameByMouseAndKeyboard();
    void longResultOpensAtItsFirstLine();
};

void TestQsort::judge_data()
{
    QTest::addColumn<Lines>("lines");
    QTest::addColumn<int>("points");
    QTest::addColumn<QStringList>("results");
    QTest::addColumn<QList<Credit>>("credits");
    // Sample birth years: record i was born in 1730 + 3i.
    QTest::addRow("in_order") << Lines{1, 2, 3, 4, 5} << 10
                              << QStringList{"*** All correct!", "*** 10 of 10 correct "}
                              << QList<Credit>{{1, 4}, {1, 4}, {1, 4}, {1, 4}, {2, 4},
                                               {2, 4}, {2, 4}, {3, 4}, {3, 4}, {4, 4}};
    QTest::addRow("last_two_swapped")
        << Lines{1, 2, 3, 5, 4} << 9
        << QStringList{" ", "President 5 1745 > President 4 1742", "*** 9 of 10 correct "}
        << QList<Credit>{{1, 4}, {1, 4}, {1, 4}, {1, 4},  {2, 4}, {2, 4},
                         {2, 4}, {3, 4}, {3, 4}, {5, -1}, {4, -1}};
    QList<Credit> reversed;
    const int pairs[10][2] = {{5, 4}, {5, 3}, {5, 2}, {5, 1}, {4, 3}, {4, 2}, {4, 1}, {3, 2}, {3, 1}, {2, 1}};
    for (const auto& pair : pairs)
        reversed << Credit{pair[0], -1} << Credit{pair[1], -1};
    QTest::addRow("reversed") << Lines{5, 4, 3, 2, 1} << 0
                              << QStringList{" ",
                                             "President 5 1745 > President 4 1742",
                                             "President 5 1745 > President 3 1739",
                                             "President 5 1745 > President 2 1736",
                                             "President 5 1745 > President 1 1733",
                                             "President 4 1742 > President 3 1739",
                                             "President 4 1742 > President 2 1736",
                                             "President 4 1742 > President 1 1733",
                                             "President 3 1739 > President 2 1736",
                                             "President 3 1739 > President 1 1733",
                                             "President 2 1736 > President 1 1733",
                                             "*** 0 of 10 correct "}
                              << reversed;
}

void TestQsort::judge()
{
    QFETCH(Lines, lines);
    QFETCH(int, points);
    QFETCH(QStringList, results);
    QFETCH(QList<Credit>, credits);
    Fixture f;
    f.loadSampleRecords();
    Question q(f, 12, lines);
    QVERIFY(q.model.load());
    const Verdict v = q.model.judge();
    QCOMPARE(v.record.points, points);
    QCOMPARE(v.record.possible, 10);
    QCOMPARE(v.results.split("\r\n"), results);
    QCOMPARE(v.credits, credits);
    QCOMPARE(v.log.size(), points == 10 ? 1 : 10 - points);
    QCOMPARE(v.log.first().text, points == 10 ? " *** All Correct!" : results[1]);
    QCOMPARE(v.heading, QStringLiteral("Results for Sort by birthdate"));
}

void TestQsort::equalKeysInEitherOrder_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<Lines>("drawn");
    QTest::addRow("born_1767") << 12 << Lines{1, 6, 7, 9, 20};          // J. Q. Adams, Jackson
    QTest::addRow("inaugurated_1841") << 15 << Lines{8, 9, 10, 11, 12}; // W. H. Harrison, Tyler
}

void TestQsort::equalKeysInEitherOrder()
{
    QFETCH(int, category);
    QFETCH(Lines, drawn);
    Fixture f;
    loadShipped(f);
    Question q(f, category, drawn);
    SortModel& model = q.model;
    QVERIFY(model.load());
    QCOMPARE(order(model), drawn);
    QCOMPARE(model.judge().record.points, 10);
    QVERIFY(model.pushUp(2)); // the tied pair the other way round
    QCOMPARE(model.judge().record.points, 10);
}

void TestQsort::loadLines_data()
{
    QTest::addColumn<int>("mode"); // 0 none, 1 online, 2 tabbed
    QTest::addColumn<QStringList>("expected");
    const QStringList play{"Sorting: Sort First Ladies by term",
                           "President 3",
                           "President 1",
                           "President 4",
                           "President 5",
                           "President 2"};
    QTest::addRow("play") << 0 << play;
    QTest::addRow("online") << 1 << QStringList{"SORT",   "Sort First Ladies by term",
                                                "Lady 3", "Lady 1",
                                                "Lady 4", "Lady 5",
                                                "Lady 2", "1800",
                                                "1792",   "1804",
                                                "1808",   "1796"};
    QTest::addRow("tabbed_has_no_form") << 2 << QStringList{};
}

void TestQsort::loadLines()
{
    QFETCH(int, mode);
    QFETCH(QStringList, expected);
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    p.session.mode = mode == 1 ? RunMode::OnlineExport : mode == 2 ? RunMode::TabbedExport : RunMode::Play;
    Question q(f, 13, {3, 1, 4, 5, 2});
    QVERIFY(q.model.load());
    QCOMPARE(q.model.heading(), QStringLiteral("Sort First Ladies by term, in order of Presidency"));
    writeLoadLines(q.model, p.session, p.log, p.questionFile);
    QCOMPARE(f.logLines(), expected);
    QCOMPARE(p.session.questionsWritten, 0);
}

void TestQsort::exhaustedCategoryLoadsNothing()
{
    Fixture f;
    f.loadSampleRecords();
    for (int i = 5; i <= kRecords; ++i)
        f.program->records.presidents.edit(i).birthKey = 0; // four records left to sort by birth
    QVERIFY(!SortModel(f.program->draw, 12).load());
    QVERIFY(f.logLines().isEmpty());
}

// An item whose one person served two presidents in that office fits both
// years: no other item of its question lies between them or level with
// either.
void TestQsort::itemsOfTwoYearsStandApart()
{
    const QHash<QString, std::pair<int, int>> twoYears{{"John J. Crittenden", {1841, 1850}},
                                                       {"Daniel Webster", {1841, 1850}},
                                                       {"James G. Blaine", {1881, 1889}}};
    Fixture f;
    loadShipped(f);
    for (int n = 0; n < 400; ++n) {
        SortModel m(f.program->draw, n % 2 ? 16 : 18);
        QVERIFY(m.load());
        const QStringList items = m.lines();
        const auto yearOf = [&](int record) { return f.program->records.presidents[size_t(record)].termKey; };
        for (int i = 0; i < SortModel::kItems; ++i) {
            const int year = yearOf(m.chosen()[size_t(i)]);
            const auto [from, to] = twoYears.value(items[i], {year, year});
            for (const int other : order(m)) {
                const int y = yearOf(other);
                QVERIFY2(y == year || y < from || y > to, qPrintable(items.join(" / ")));
            }
        }
    }
}

void TestQsort::wholeGameByMouseAndKeyboard()
{
    Fixture f(12);
    loadShipped(f);
    Program& ctx = *f.program;
    for (int k = 12; k <= 18; ++k)
        ctx.settings.settings.catenabled[size_t(k)] = -1;
    ctx.settings.settings.nquestions = 2;
    fillHallOfFame(ctx.hof);
    // Category 12, then 15, each on Polk, Washington, Adams, Jackson, Monroe.
    ChosenDraw draw(ctx, {11, 1, 2, 7, 5}, {12.5 / 19.0, 15.5 / 19.0});
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<brev::SortWindow*>(w);
        QVERIFY(q);
        const auto guard = endOnFailure(q);
        QCOMPARE(q->windowTitle(), QStringLiteral(" Sort "));
        QCOMPARE(q->headingLabel->text(), QStringLiteral("Sort by birthdate"));
        QTest::mouseClick(q->helpButton, Qt::LeftButton);
        clickLine(q, 0);
        QTest::mouseClick(q->itemList->viewport(), Qt::RightButton, {}, QPoint(5, 5));
        QCOMPARE(order(q->model()), (Lines{11, 1, 2, 7, 5}));
        for (int line : {1, 2, 4, 3, 4})
            clickLine(q, line);
        QCOMPARE(q->itemList->item(3)->text(), QStringLiteral("Andrew Jackson"));
        QVERIFY(q->itemList->selectedItems().isEmpty());
        QTest::mouseClick(q->doneButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->headingLabel->text(), QStringLiteral("Results for Sort by birthdate"));
        QCOMPARE(s->resultsText(), QStringLiteral("*** All correct!\n*** 10 of 10 correct "));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<brev::SortWindow*>(w);
        QVERIFY(s);
        const auto guard = endOnFailure(s);
        QCOMPARE(s->model().category(), 15);
        const Lines drawn = order(s->model());
        QCOMPARE(QApplication::focusWidget(), s->itemList);
        for (Qt::Key key : {Qt::Key_Escape, Qt::Key_Down, Qt::Key_Space, Qt::Key_End, Qt::Key_Return})
            QTest::keyClick(QApplication::focusWidget(), key);
        QVERIFY(s->isVisible()); // Escape does not skip
        QCOMPARE(order(s->model()), (Lines{drawn[1], drawn[0], drawn[2], drawn[4], drawn[3]}));
        QVERIFY(s->itemList->item(3)->isSelected()); // the selection follows the pushed item
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Space})
            QTest::keyClick(QApplication::focusWidget(), key);
    });
    driver.then([](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s && s->resultsText().endsWith(" of 10 correct "));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([](QWidget* w) {
        // The review gives each sorting question's order as placed and as right.
        auto* r = qobject_cast<ReviewWindow*>(w);
        QVERIFY(r);
        const QString text = r->list->toPlainText();
        QVERIFY2(text.contains("Your answer:") && text.contains("Right answer:"), qPrintable(text));
        r->accept();
    });
    Game(ctx.settings, ctx.session, ctx.log, ctx.questionFile, draw).play(ui);
    QVERIFY(driver.done());
    QCOMPARE(ctx.session.possible, 20);
    QCOMPARE(f.messages->texts.size(), 2);
    QCOMPARE(f.messages->texts.first(), "Sort the items listed.  Click on a line to move that item up one "
                                        "level.  When all are in position, click 'Done'");
    // Washington, in slot 1 of both questions and first in both orders: drawn
    // (1), then four right pairs of 4 points, twice.
    QCOMPARE(ctx.session.itemUse[1], 34);
    QCOMPARE(f.logLines().mid(0, 8), (QStringList{"---- Question 1", "Sorting: Sort by birthdate",
                                                  "James K. Polk", "George Washington", "John Adams",
                                                  "Andrew Jackson", "James Monroe", " *** All Correct!"}));
}

// Ten pairs out of order: the score screen opens at the first of its lines,
// with the points line whole under the box, however long the result.
void TestQsort::longResultOpensAtItsFirstLine()
{
    Fixture f;
    loadShipped(f);
    Program& ctx = *f.program;
    ChosenDraw draw(ctx, {5, 4, 3, 2, 1}); // Monroe down to Washington: the youngest first
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<brev::SortWindow*>(w);
        QVERIFY(q);
        const auto guard = endOnFailure(q);
        QTest::mouseClick(q->doneButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QVERIFY(QTest::qWaitForWindowExposed(s));
        QPlainTextEdit* box = s->resultsBox;
        QVERIFY(box->verticalScrollBar()->maximum() > 0); // longer than the box
        QCOMPARE(box->verticalScrollBar()->value(), 0);
        QCOMPARE(box->cursorForPosition(QPoint(4, 4)).blockNumber(), 0);
        QCOMPARE(box->document()->findBlockByNumber(1).text(),
                 QStringLiteral("James Monroe 1758 > James Madison 1751"));
        QCOMPARE(s->pointsLabel->text(), QStringLiteral("*** 0 of 10 correct "));
        QVERIFY(s->pointsLabel->isVisible());
        QVERIFY(s->pointsLabel->y() >= box->geometry().bottom() &&
                s->pointsLabel->geometry().bottom() < s->okButton->y());
        QVERIFY(s->pointsLabel->height() >= s->pointsLabel->heightForWidth(s->pointsLabel->width()));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(Game(ctx.settings, ctx.session, ctx.log, ctx.questionFile, draw).ask(ui, 12).asked, Asked::Yes);
    QVERIFY(driver.done());
}

QTEST_MAIN(TestQsort)
#include "tst_qsort.moc"
