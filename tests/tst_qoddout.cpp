// The odd-one-out question: where the odd item stands, judging a right and a
// wrong pick, and the window played by mouse and keyboard.
#include "gameflow/gamelog.h"
#include "gameflow/gameui.h"
#include "screens/core/oddoutmodel.h"
#include "screens/qoddout.h"
#include "screens/showscor.h"
#include "testsupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <set>

Q_DECLARE_METATYPE(brev::Verdict)

using namespace brev;
using namespace brev::test;

namespace {

// The uniform number that draws record n out of 41.
double drawOf(int n) { return (n - 1 + 0.5) / 41.0; }

// Slots 0..3 get records 1, 2, 3 and 5; the twenty shuffle draws swap nothing.
void scriptDraws(Fixture& fx)
{
    for (int r : {1, 2, 3, 5})
        fx.random->script.push_back(drawOf(r));
    fx.random->script.insert(fx.random->script.end(), 20, 0.0);
}

} // namespace

class TstQoddout : public QObject {
    Q_OBJECT
private slots:
    void oddItemNeverAtPositionThree_data();
    void oddItemNeverAtPositionThree();
    void judgesThePick_data();
    void judgesThePick();
    void tabbedLineWithMarkers();
    void playedByMouseAndKeyboard();
};

void TstQoddout::oddItemNeverAtPositionThree_data()
{
    QTest::addColumn<int>("category");
    QTest::addRow("party") << 20;
    QTest::addRow("end of term") << 25;
}

void TstQoddout::oddItemNeverAtPositionThree()
{
    QFETCH(int, category);
    const std::set<QString> endKinds{"Served term", "Died in office", "Assassinated",
                                     "Lost try at re-election"};
    std::set<int> oddPositions;
    for (quint64 seed = 1; seed <= 150; ++seed) {
        Fixture fx(seed);
        AppContext& c = *fx.ctx;
        QCOMPARE(readdata(c, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
        c.itemUse.assign(c.nrecords + 1, 0);
        c.game.category = category;
        OddOneOutModel m(c);
        QVERIFY(m.load());
        QVERIFY(m.oddPosition() >= 0 && m.oddPosition() <= 2);
        QCOMPARE(m.slotAt(m.oddPosition()), 1);
        QCOMPARE(m.slotAt(3), 3);
        oddPositions.insert(m.oddPosition());
        std::set<QString> texts;
        for (int p = 0; p < 4; ++p)
            texts.insert(m.itemText(p));
        QCOMPARE(texts.size(), size_t(4));
        if (category == 25)
            QCOMPARE(texts, endKinds);
        QVERIFY(fx.messages->texts.isEmpty());
    }
    QCOMPARE(oddPositions, (std::set<int>{0, 1, 2}));
}

void TstQoddout::judgesThePick_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<bool>("exporting");
    QTest::addColumn<Verdict>("expected");
    const QString heading = QStringLiteral("Results for Who didn't finish this term this way? ");
    const QString wrong = QStringLiteral("No, Assassinated is not Died in office");
    // Slots 0..3 hold records 1 (Died in office), 2 (Assassinated), 3 and 5, unshuffled.
    QTest::addRow("right: the odd one")
        << 1 << false
        << Verdict{5, 5, {{2, 4}}, {}, 4, "Correct -- Assassinated is not Died in office", heading};
    QTest::addRow("wrong: the pattern itself")
        << 0 << false << Verdict{0, 5, {{1, -1}}, {{wrong, 2}}, 6, wrong, heading};
    QTest::addRow("wrong: position 3") << 3 << false
                                       << Verdict{0, 5, {{5, -1}}, {{wrong, 2}}, 6, wrong, heading};
    QTest::addRow("wrong while exporting: no log line")
        << 2 << true << Verdict{0, 5, {{3, -1}}, {}, 6, wrong, heading};
}

void TstQoddout::judgesThePick()
{
    QFETCH(int, position);
    QFETCH(bool, exporting);
    QFETCH(Verdict, expected);
    Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 25;
    c.game.tabbedQuestionMode = exporting ? -1 : 0;
    scriptDraws(fx);
    OddOneOutModel m(c);
    QVERIFY(m.load());
    QCOMPARE(m.question(), QStringLiteral("Died in office"));
    QCOMPARE(m.choose(position), expected);
}

void TstQoddout::tabbedLineWithMarkers()
{
    Fixture fx;
    fx.loadSampleRecords();
    AppContext& c = *fx.ctx;
    c.game.category = 20;
    c.game.tabbedQuestionMode = -1;
    const QString q(131, u'Q'), l(61, u'L');
    const QString parties[] = {q, "Federalist", l, "Whig", "Republican"};
    for (int i = 1; i <= 5; ++i)
        c.presidents[i].party = parties[i - 1];
    scriptDraws(fx);
    fx.random->script[4] = 0.5;   // the first swap exchanges positions 0 and 1
    OddOneOutModel m(c);
    QVERIFY(m.load());
    QCOMPARE(m.exportLines(), QStringList{"* TOO LONG * * TOO LONG * * Question TOO LONG * " + q
                                          + "\tFederalist\t" + q + "\t" + l + "\tRepublican\t1"});
}

void TstQoddout::playedByMouseAndKeyboard()
{
    Fixture f(3);
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    ctx.settings.soundon = -1;
    ctx.sndfiles[4] = QStringLiteral("odd.wav");
    ctx.sndfiles[6] = QStringLiteral("notodd.wav");
    newlog(ctx);
    const QString caption = QStringLiteral("Who didn't finish this term this way? ");
    QString wrongSentence;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<qoddout*>(w);
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), caption);
        QCOMPARE(q->Label1->text(), getpstr(ctx, ctx.game.chosen[0], 25));
        QTest::mouseClick(q->cmdhelp, Qt::LeftButton);
        QCOMPARE(f.messages->texts, QStringList{"Click on the item that does NOT fit the pattern"});
        QTest::mouseClick(q->Option1[q->model().oddPosition()], Qt::RightButton);   // not a click
        QCOMPARE(ctx.game.possible, 0);
        QTest::mouseClick(q->Option1[q->model().oddPosition()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<showscor*>(w);
        QVERIFY(s);
        QVERIFY(s->Text1->toPlainText().startsWith(QStringLiteral("Correct -- ")));
        QCOMPARE(s->Label1->text(), "Results for " + caption);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<qoddout*>(w);
        QVERIFY(q);
        q->Option1[3]->setFocus();   // never the odd one
        QTest::keyClick(q->Option1[3], Qt::Key_Space);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<showscor*>(w);
        QVERIFY(s);
        wrongSentence = s->Text1->toPlainText();
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    askquestion(ctx, ui, 25);
    askquestion(ctx, ui, 25);
    QVERIFY(driver.done());
    QVERIFY(wrongSentence.startsWith(QStringLiteral("No, ")));
    QCOMPARE(ctx.game.score, 5);
    QCOMPARE(ctx.game.possible, 10);
    QCOMPARE(f.sound->played, (QStringList{f.path("odd.wav"), f.path("notodd.wav")}));
    const QString log = QString::fromLatin1(f.read(QString::fromLatin1(kLogFile)));
    QCOMPARE(log, caption + "\r\n" + caption + "\r\n" + wrongSentence + "\r\n");
}

QTEST_MAIN(TstQoddout)
#include "tst_qoddout.moc"
