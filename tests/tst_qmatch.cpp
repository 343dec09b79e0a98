// The matching screen: the shared bar rules (font steps, the shuffle that
// keeps the last place), the export forms of one scripted question, and the
// real window played by mouse drags, clicks and the keyboard through the
// score screen.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "game/questionlines.h"
#include "models/matchrules.h"
#include "models/matchboard.h"
#include "models/matchmodel.h"
#include "screens/matchwidgets.h"
#include "screens/matchwindow.h"
#include "screens/scorewindow.h"
#include "testsupport.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

void prepare(Fixture& f)
{
    f.loadSampleRecords();
    f.program->settings.settings.soundon = -1;
    const char* files[] = {"pickup.wav", "click.wav", "drop.wav", "", "", "right.wav", "", "", "wrong.wav"};
    for (int i = 0; i < 9; ++i)
        f.program->sounds.setFile(i, QString::fromLatin1(files[i]));
}

// "Match Birthplaces" on records 3, 14, 25, 36, 7 for bars 0..4; the shuffle
// swaps 0/1, 2/3, 1/2, so the descriptions show the records of bars 1, 3, 0, 2, 4.
struct Question {
    explicit Question(Fixture& f)
        : draw(*f.program, {3, 14, 25, 36, 7}, {0.3, 0.8, 0.6}), model(draw, 7), loaded(model.load())
    {}
    ChosenDraw draw;
    MatchModel model;
    bool loaded;
};

} // namespace

class TestMatch : public QObject {
    Q_OBJECT
private slots:
    void fontSteps_data();
    void fontSteps();
    void lastPlaceNeverMoves();
    void exportForms_data();
    void exportForms();
    void boardRules_data();
    void boardRules();
    void placingByClickAndKeyboard();
    void judging_data();
    void judging();
    void playedByAccessibleActions();
};

void TestMatch::fontSteps_data()
{
    QTest::addColumn<bool>("portraits");
    QTest::addColumn<QList<int>>("lengths");
    QTest::addColumn<int>("size");
    QTest::addRow("match_18_chars") << false << QList<int>{18, 3, 18, 18, 5} << 18;
    QTest::addRow("match_19_chars") << false << QList<int>{5, 19} << 14;
    QTest::addRow("match_25_chars") << false << QList<int>{25} << 14;
    QTest::addRow("match_26_chars") << false << QList<int>{26} << 12;
    QTest::addRow("match_33_chars") << false << QList<int>{3, 33, 19} << 10;
    QTest::addRow("portrait_16_chars") << true << QList<int>{16} << 18;
    QTest::addRow("portrait_17_chars") << true << QList<int>{17} << 14;
    QTest::addRow("portrait_20_chars") << true << QList<int>{20, 2} << 12;
    QTest::addRow("portrait_24_chars") << true << QList<int>{4, 24} << 10;
}

void TestMatch::fontSteps()
{
    QFETCH(bool, portraits);
    QFETCH(QList<int>, lengths);
    QFETCH(int, size);
    QStringList names;
    for (int n : lengths)
        names << QString(n, QLatin1Char('x'));
    QCOMPARE(barFontSize(names, portraits ? kPortraitFontSteps : kMatchFontSteps), size);
}

void TestMatch::lastPlaceNeverMoves()
{
    Fixture f(11);
    f.loadSampleRecords();
    QList<int> firstPlaces(5, 0);
    for (int round = 0; round < 300; ++round) {
        f.program->session.resetUsage(kRecords);
        MatchModel m(f.program->draw, 5);
        QVERIFY(m.load());
        QCOMPARE(m.order(4), 4);
        QCOMPARE(m.description(4), QStringLiteral("Vice %1").arg(m.chosen()[4]));
        ++firstPlaces[m.order(0)];
    }
    // Bars 0..3 all reach the first place; bar 4 never does.
    QCOMPARE(firstPlaces[4], 0);
    for (int k = 0; k < 4; ++k)
        QVERIFY(firstPlaces[k] > 0);
}

void TestMatch::exportForms_data()
{
    QTest::addColumn<int>("mode"); // 1 online, 2 tabbed
    QTest::addColumn<int>("longName");
    QTest::addColumn<int>("longPlace");
    QTest::addColumn<QStringList>("lines");
    const QString q = QStringLiteral("Match Birthplaces -- Town 3, State");
    QTest::addRow("online")
        << 1 << 0 << 0
        << QString("MATCH|Match Birthplaces|President 3|President 14|President 25|President 36|President "
                   "7|Town 14, State|Town 36, State|Town 3, State|Town 25, State|Town 7, State|2|4|1|3|5")
               .split('|');
    QTest::addRow("tabbed") << 2 << 0 << 0
                            << QStringList{q + "\tPresident 14\tPresident 36\tPresident 3\tPresident 25\t3"};
    // Bar 1's and bar 3's names at 61 characters: one marker each; bar 2's at
    // 60 and a question part of 130 carry none.
    const QString n61 = QString(61, QLatin1Char('N')), n60 = QString(60, QLatin1Char('N'));
    QTest::addRow("tabbed_too_long_names") << 2 << 61 << 0
                                           << QStringList{"* TOO LONG * * TOO LONG * " + q + "\t" + n61 +
                                                          "\t" + n61 + "\tPresident 3\t" + n60 + "\t3"};
    const QString place = QString(130 - 21, QLatin1Char('p'));
    QTest::addRow("tabbed_question_130")
        << 2 << 0 << 130 - 21
        << QStringList{"Match Birthplaces -- " + place +
                       "\tPresident 14\tPresident 36\tPresident 3\tPresident 25\t3"};
    QTest::addRow("tabbed_question_131")
        << 2 << 0 << 131 - 21
        << QStringList{"* Question TOO LONG * Match Birthplaces -- " + place + "p" +
                       "\tPresident 14\tPresident 36\tPresident 3\tPresident 25\t3"};
}

void TestMatch::exportForms()
{
    QFETCH(int, mode);
    QFETCH(int, longName);
    QFETCH(int, longPlace);
    QFETCH(QStringList, lines);
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    if (longName) {
        ctx.records.presidents.edit(14).name = QString(longName, QLatin1Char('N'));
        ctx.records.presidents.edit(36).name = QString(longName, QLatin1Char('N'));
        ctx.records.presidents.edit(25).name = QString(60, QLatin1Char('N'));
    }
    if (longPlace)
        ctx.records.presidents.edit(3).birthplace = QString(longPlace, QLatin1Char('p'));
    ctx.session.mode = mode == 1 ? RunMode::OnlineExport : RunMode::TabbedExport;
    ctx.settings.settings.loglevel = 2;
    ctx.log.clear();
    Question q(f);
    QVERIFY(q.loaded);
    const QuestionRecord loaded = q.model.unanswered();
    QCOMPARE(mode == 1 ? onlineLines(loaded) : tabbedLines(loaded), lines);
    writeLoadLines(q.model, ctx.session, ctx.log, ctx.questionFile);
    QCOMPARE(f.logLines(), lines);
    QCOMPARE(ctx.session.questionsWritten, mode == 2 ? 1 : 0);
}

void TestMatch::boardRules_data()
{
    // Moves as (bar, target); (-1, p) drops with no bar picked up.
    QTest::addColumn<QList<QPoint>>("moves");
    QTest::addColumn<QList<int>>("placed"); // the bar on each target afterwards
    QTest::addColumn<int>("lastSentHome");  // what the last drop sent home; -2 for no drop
    QTest::addRow("moved_on") << QList<QPoint>{{0, 1}, {0, 2}} << QList<int>{-1, -1, 0, -1} << -1;
    QTest::addRow("taken_over") << QList<QPoint>{{1, 2}, {0, 2}} << QList<int>{-1, -1, 0, -1} << 1;
    QTest::addRow("same_place_again") << QList<QPoint>{{3, 2}, {3, 2}} << QList<int>{-1, -1, 3, -1} << -1;
    QTest::addRow("nothing_picked_up") << QList<QPoint>{{-1, 2}} << QList<int>{-1, -1, -1, -1} << -2;
    QTest::addRow("off_the_board") << QList<QPoint>{{1, 0}, {1, 4}} << QList<int>{1, -1, -1, -1} << -2;
    QTest::addRow("moved_onto_another")
        << QList<QPoint>{{0, 1}, {1, 2}, {0, 2}} << QList<int>{-1, -1, 0, -1} << 1;
}

void TestMatch::boardRules()
{
    QFETCH(QList<QPoint>, moves);
    QFETCH(QList<int>, placed);
    QFETCH(int, lastSentHome);
    MatchBoard board(4);
    std::optional<int> sent;
    for (const QPoint& m : moves) {
        if (m.x() >= 0)
            board.pickUp(m.x());
        sent = board.drop(m.y());
    }
    QList<int> on;
    for (int p = 0; p < 4; ++p)
        on << board.placedBar(p);
    QCOMPARE(on, placed);
    QCOMPARE(sent.value_or(-2), lastSentHome);
    for (int p = 0; p < 4; ++p) {
        if (placed[p] >= 0)
            QCOMPARE(board.targetOf(placed[p]), p);
    }
}

void TestMatch::placingByClickAndKeyboard()
{
    Fixture f;
    prepare(f);
    Question q(f);
    QVERIFY(q.loaded);
    MatchWindow w(q.model, f.parts());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Match 'em"));
    QCOMPARE(w.questionLabel->text(), QStringLiteral("Match Birthplaces"));
    QCOMPARE(w.descriptions[2]->text(), QStringLiteral("Town 3, State"));
    const QRect home1 = w.bars[1]->geometry();

    // Click bar 2, then click the description at position 3 (its own).
    QTest::mouseClick(w.bars[2], Qt::LeftButton);
    QCOMPARE(w.eventLabel->text(), QStringLiteral("2 click"));
    QVERIFY(w.bars[2]->held());
    QTest::mouseClick(w.descriptions[3], Qt::LeftButton);
    QCOMPARE(w.model().placedBar(3), 2);
    // It rests in the description's slot, beside its text, not over it.
    const auto restsBeside = [&](int k, int p) {
        const QRect text = w.descriptions[p]->contentsRect().translated(w.descriptions[p]->pos());
        return w.descriptions[p]->geometry().contains(w.bars[k]->geometry()) &&
               !text.intersects(w.bars[k]->geometry());
    };
    QVERIFY(restsBeside(2, 3));
    QVERIFY(!w.bars[2]->held());

    // A plain drag plays only the drop sound.
    drag(w.bars[1], w.descriptions[0]);
    QCOMPARE(w.eventLabel->text(), QStringLiteral("1 mousedown"));
    QCOMPARE(w.model().placedBar(0), 1);
    QVERIFY(restsBeside(1, 0));

    // Keyboard: Space on bar 4 (the top one), Tab down the staircase to the
    // first description, Space: bar 4 takes the place of bar 1, which goes
    // back to its step of the staircase.
    w.bars[4]->setFocus();
    QTest::keyClick(w.bars[4], Qt::Key_Space);
    for (int step = 0; step < 5; ++step)
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), w.descriptions[0]);
    QTest::keyClick(w.descriptions[0], Qt::Key_Space);
    QCOMPARE(w.model().placedBar(0), 4);
    QVERIFY(restsBeside(4, 0));
    QCOMPARE(w.model().targetOf(1), -1);
    QCOMPARE(w.bars[1]->geometry(), home1);

    // Released anywhere else: the bar goes back where it was.
    const QPoint before = w.bars[3]->pos();
    drag(w.bars[3], w.questionLabel);
    QCOMPARE(w.bars[3]->pos(), before);

    // A click on a description with no bar picked up does nothing.
    QTest::mouseClick(w.descriptions[1], Qt::LeftButton);
    QCOMPARE(w.model().placedBar(1), -1);
    const QString c = f.path("click.wav"), d = f.path("drop.wav");
    QCOMPARE(f.sound->played, (QStringList{c, d, d, c, d}));
    w.reject();
}

void TestMatch::judging_data()
{
    // Drops as (bar, description position); the descriptions show bars 1, 3, 0, 2, 4.
    QTest::addColumn<QList<QPoint>>("drops");
    QTest::addColumn<QString>("results");
    QTest::addColumn<int>("score");
    QTest::addColumn<QList<int>>("use");  // counters of records 3, 14, 25, 36, 7
    QTest::addColumn<QStringList>("log"); // after the question's lines
    QTest::addColumn<bool>("allRight");
    // Every bar not on its own description is told its description, placed or not.
    const QString others = "\r\nPresident 25 = Town 25, State\r\nPresident 36 = Town 36, State"
                           "\r\nPresident 7 = Town 7, State";
    QTest::addRow("nothing_placed") << QList<QPoint>{}
                                    << "\r\nPresident 3 = Town 3, State\r\nPresident 14 = Town 14, State" +
                                           others + "\r\n*** Scored 0 of 10"
                                    << 0 << QList<int>{10, 1, 1, 1, 1} << QStringList{} << false;
    QTest::addRow("one_wrong") << QList<QPoint>{{1, 2}}
                               << "\r\nPresident 3 = Town 3, State\r\nPresident 14 = Town 14, State" +
                                      others + "\r\n*** Scored 0 of 10"
                               << 0 << QList<int>{10, 0, 1, 1, 1}
                               << QStringList{"President 14 = Town 14, State"} << false;
    QTest::addRow("all_correct") << QList<QPoint>{{0, 2}, {1, 0}, {2, 3}, {3, 1}, {4, 4}}
                                 << "*** All correct!" << 10 << QList<int>{14, 5, 5, 5, 5}
                                 << QStringList{" *** All correct!"} << true;
    // A bar counts where it was dropped last: the wrong place it left is empty.
    QTest::addRow("moved_wrong_to_right")
        << QList<QPoint>{{0, 0}, {0, 2}}
        << "\r\nPresident 14 = Town 14, State" + others + "\r\n*** Scored 2 of 10" << 2
        << QList<int>{14, 1, 1, 1, 1} << QStringList{} << false;
    QTest::addRow("two_bars_on_one") << QList<QPoint>{{1, 2}, {0, 2}}
                                     << "\r\nPresident 14 = Town 14, State" + others +
                                            "\r\n*** Scored 2 of 10"
                                     << 2 << QList<int>{14, 1, 1, 1, 1} << QStringList{} << false;
}

void TestMatch::judging()
{
    QFETCH(QList<QPoint>, drops);
    QFETCH(QString, results);
    QFETCH(int, score);
    QFETCH(QList<int>, use);
    QFETCH(QStringList, log);
    QFETCH(bool, allRight);
    Fixture f;
    prepare(f);
    Program& p = *f.program;
    p.session.score = 5;
    p.session.possible = 5;
    p.log.clear();
    Question q(f);
    QVERIFY(q.loaded);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* m = qobject_cast<MatchWindow*>(w);
        QVERIFY(m);
        for (const QPoint& d : drops)
            drag(m->bars[d.x()], m->descriptions[d.y()]);
        QTest::mouseClick(m->doneButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->headingLabel->text(), QStringLiteral("Results for Match Birthplaces"));
        QCOMPARE(s->resultsText(), QString(results).replace("\r\n", "\n"));
        QCOMPARE(s->scoreLabel->text(),
                 QStringLiteral("Current score: %1 of 15  (%2%)").arg(5 + score).arg((5 + score) * 100 / 15));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(askInWindow(p, q.model), Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(p.session.possible, 15);
    QList<int> counters;
    for (int r : {3, 14, 25, 36, 7})
        counters << p.session.itemUse[size_t(r)];
    QCOMPARE(counters, use);
    QCOMPARE(f.sound->played.last(), f.path(allRight ? "right.wav" : "wrong.wav"));
    QCOMPARE(f.logLines(), QStringList({"Match Birthplaces", "President 3", "President 14", "President 25",
                                        "President 36", "President 7"}) +
                               log);
}

void TestMatch::playedByAccessibleActions()
{
    Fixture f;
    prepare(f);
    Question q(f);
    QVERIFY(q.loaded);
    ModalDriver driver;
    auto press = [](QWidget* w) {
        QAccessibleInterface* a = QAccessible::queryAccessibleInterface(w);
        QVERIFY(a && a->actionInterface());
        a->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    };
    driver.then([&](QWidget* w) {
        auto* m = qobject_cast<MatchWindow*>(w);
        QVERIFY(m);
        QAccessibleInterface* bar = QAccessible::queryAccessibleInterface(m->bars[0]);
        QCOMPARE(bar->role(), QAccessible::Button);
        QCOMPARE(bar->text(QAccessible::Name), QStringLiteral("President 3"));
        QCOMPARE(bar->text(QAccessible::Description), QStringLiteral("Not placed"));
        press(m->bars[0]);
        QVERIFY(bar->state().pressed);
        QCOMPARE(bar->text(QAccessible::Description), QStringLiteral("Picked up"));
        // The descriptions show the records of bars 1, 3, 0, 2, 4.
        for (QPoint d : {QPoint(0, 2), QPoint(1, 0), QPoint(2, 3), QPoint(3, 1), QPoint(4, 4)}) {
            press(m->bars[d.x()]);
            press(m->descriptions[d.y()]);
        }
        QVERIFY(!bar->state().pressed);
        QCOMPARE(bar->text(QAccessible::Description), QStringLiteral("Placed on \"Town 3, State\""));
        QCOMPARE(QAccessible::queryAccessibleInterface(m->descriptions[0])->text(QAccessible::Description),
                 QStringLiteral("Holds President 14"));
        press(m->doneButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->resultsText(), QStringLiteral("*** All correct!"));
        press(s->okButton);
    });
    QCOMPARE(askInWindow(*f.program, q.model), Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(f.program->session.score, 10);
}

QTEST_MAIN(TestMatch)
#include "tst_qmatch.moc"
