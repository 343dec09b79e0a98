// The portrait matching screen: the fixed last portrait, the online form of
// one scripted question, and the real window: drags, the keyboard, a second
// bar on a portrait, missing pictures, the re-layout, and judging through
// the score screen.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "models/portraitmatchmodel.h"
#include "screens/portraitmatchwindow.h"
#include "screens/matchwidgets.h"
#include "screens/scorewindow.h"
#include "widgets/windowhelpers.h"
#include "testsupport.h"

#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

// Records 3, 14, 25, 36 for bars 0..3; the shuffle swaps 0/1, then 1/2, so
// the portraits show the records of bars 1, 2, 0, 3.
void prepare(Fixture& f)
{
    f.loadSampleRecords();
    f.ctx->game.category = 11;
    f.ctx->settings.soundon = -1;
    const char* files[] = {"pickup.wav", "place.wav", "", "", "", "right.wav", "", "", "wrong.wav"};
    for (int i = 0; i < 9; ++i)
        f.ctx->sndfiles[size_t(i)] = QString::fromLatin1(files[i]);
    for (int record : {3, 14, 25, 36})
        f.random->script.push_back((record - 0.5) / 41.0);
    for (double r : {0.5, 0.9})
        f.random->script.push_back(r);
    for (int i = 0; i < 18; ++i)
        f.random->script.push_back(0.1);
}

// Where a bar rests on a portrait: centred, 10 twips above its lower edge.
QPoint restingPlace(PortraitMatchWindow& w, int bar, int p)
{
    const QRect image = w.Image1[p]->geometry();
    return {image.x() + image.width() / 2 - w.Btn1[bar]->width() / 2,
            image.bottom() + 1 - w.Btn1[bar]->height() - twips(&w, 10)};
}

} // namespace

class TestPortraitMatch : public QObject {
    Q_OBJECT
private slots:
    void lastPortraitNeverMoves();
    void onlineForm();
    void placingBars();
    void relayoutKeepsPairs();
    void judging_data();
    void judging();
};

void TestPortraitMatch::lastPortraitNeverMoves()
{
    Fixture f(5);
    f.loadSampleRecords();
    f.ctx->game.category = 11;
    QList<int> firstPlaces(4, 0);
    for (int round = 0; round < 300; ++round) {
        std::fill(f.ctx->game.itemUse.begin(), f.ctx->game.itemUse.end(), 0);
        PortraitMatchModel m(*f.ctx);
        QVERIFY(m.load());
        QCOMPARE(m.imageOrder(3), 3);
        ++firstPlaces[m.imageOrder(0)];
    }
    QCOMPARE(firstPlaces[3], 0);
    for (int k = 0; k < 3; ++k)
        QVERIFY(firstPlaces[k] > 0);
}

void TestPortraitMatch::onlineForm()
{
    Fixture f;
    prepare(f);
    f.ctx->game.onlineQuestionMode = -1;
    f.ctx->settings.loglevel = 2;
    newlog(*f.ctx);
    PortraitMatchModel m(*f.ctx);
    QVERIFY(m.load());
    m.writeLoadLines();
    // Record 25's picture is brev26.gif: the files skip a number after 23.
    QCOMPARE(f.logLines(), (QStringList{"IMATCH", "Portraits ", "President 3", "President 14", "President 25",
                                       "President 36", "2", "brev14.gif", "3", "brev26.gif", "1", "brev3.gif",
                                       "4", "brev37.gif"}));
}

void TestPortraitMatch::placingBars()
{
    Fixture f;
    prepare(f);
    // One real picture; the other three files are missing.
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev14.gif"), f.path("brev14.gif")));
    PortraitMatchWindow w(*f.ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Match 'em"));
    QVERIFY(w.Image1[0]->hasPicture());
    for (int p = 1; p < 4; ++p)
        QVERIFY(!w.Image1[p]->hasPicture());

    drag(w.Btn1[0], w.Image1[1]);
    QCOMPARE(w.model().placedBar(1), 0);
    QCOMPARE(w.Btn1[0]->pos(), restingPlace(w, 0, 1));
    // Moving it on leaves the first portrait empty.
    drag(w.Btn1[0], w.Image1[2]);
    QCOMPARE(w.model().placedBar(1), -1);
    QCOMPARE(w.model().placedBar(2), 0);
    QCOMPARE(w.Btn1[0]->pos(), restingPlace(w, 0, 2));
    // A second bar on the same portrait, from the keyboard: the first goes home.
    w.Btn1[3]->setFocus();
    QTest::keyClick(w.Btn1[3], Qt::Key_Space);
    QVERIFY(w.Btn1[3]->held());
    w.Image1[2]->setFocus();
    QTest::keyClick(w.Image1[2], Qt::Key_Space);
    QCOMPARE(w.model().placedBar(2), 3);
    QCOMPARE(w.model().portraitOf(0), -1);
    QCOMPARE(w.Btn1[0]->pos(), w.home(0));
    QCOMPARE(w.Btn1[3]->pos(), restingPlace(w, 3, 2));
    // A click on a bar and then on a portrait places nothing on this screen.
    QTest::mouseClick(w.Btn1[1], Qt::LeftButton);
    QTest::mouseClick(w.Image1[0], Qt::LeftButton);
    QCOMPARE(w.model().placedBar(0), -1);
    QCOMPARE(w.Btn1[1]->pos(), w.home(1));
    const QString up = f.path("pickup.wav"), put = f.path("place.wav");
    QCOMPARE(f.sound->played, (QStringList{up, put, up, put, up, put, up}));
    w.reject();
}

void TestPortraitMatch::relayoutKeepsPairs()
{
    Fixture f;
    prepare(f);
    PortraitMatchWindow w(*f.ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    drag(w.Btn1[2], w.Image1[1]);
    const int heightBefore = w.Image1[0]->height();
    setOuterSizeTwips(&w, 10000, 9000);
    QVERIFY(w.Image1[0]->height() > heightBefore);
    QCOMPARE(w.model().placedBar(1), 2);
    QCOMPARE(w.Btn1[2]->pos(), restingPlace(w, 2, 1));
    QCOMPARE(w.Btn1[0]->pos(), w.home(0));
    QCOMPARE(f.ctx->settings.windowplaces[SlotPortraits].height, 9000);
    // Below 4000 twips high nothing moves and nothing is remembered.
    const QRect image = w.Image1[0]->geometry();
    setOuterSizeTwips(&w, 5000, 3900);
    QCOMPARE(w.Image1[0]->geometry(), image);
    QCOMPARE(f.ctx->settings.windowplaces[SlotPortraits].height, 9000);
    w.reject();
}

void TestPortraitMatch::judging_data()
{
    // Drops as (bar, portrait); the portraits show bars 1, 2, 0, 3.
    QTest::addColumn<QList<QPoint>>("drops");
    QTest::addColumn<QString>("results");
    QTest::addColumn<int>("score");
    QTest::addColumn<QList<int>>("use"); // counters of records 3, 14, 25, 36
    QTest::addColumn<QStringList>("log");
    QTest::addColumn<bool>("allRight");
    QTest::addRow("nothing_placed") << QList<QPoint>{} << "\r\n\r\n*** Scored 0 of 4" << 0
                                    << QList<int>{10, 1, 1, 1} << QStringList{} << false;
    QTest::addRow("all_correct") << QList<QPoint>{{0, 2}, {1, 0}, {2, 1}, {3, 3}} << "*** All correct!" << 8
                                 << QList<int>{14, 5, 5, 5} << QStringList{" *** All correct!"} << true;
    QTest::addRow("one_wrong_one_right")
        << QList<QPoint>{{0, 0}, {3, 3}}
        << "\r\nPresident 3 placed on image of President 14\r\n\r\n*** Scored 1 of 4" << 2
        << QList<int>{9, 1, 1, 5} << QStringList{"President 3 placed on image of President 14"} << false;
}

void TestPortraitMatch::judging()
{
    QFETCH(QList<QPoint>, drops);
    QFETCH(QString, results);
    QFETCH(int, score);
    QFETCH(QList<int>, use);
    QFETCH(QStringList, log);
    QFETCH(bool, allRight);
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    newlog(ctx);
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* m = qobject_cast<PortraitMatchWindow*>(w);
        QVERIFY(m);
        for (const QPoint& d : drops)
            drag(m->Btn1[d.x()], m->Image1[d.y()]);
        QTest::mouseClick(m->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->Label1->text(), QStringLiteral("Results for Portraits "));
        QCOMPARE(s->Text1->toPlainText(), QString(results).replace("\r\n", "\n"));
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    QCOMPARE(askquestion(ctx, ui, 11), Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(ctx.game.score, score);
    QCOMPARE(ctx.game.possible, 8);
    QList<int> counters;
    for (int r : {3, 14, 25, 36})
        counters << ctx.game.itemUse[size_t(r)];
    QCOMPARE(counters, use);
    QCOMPARE(f.sound->played.last(), f.path(allRight ? "right.wav" : "wrong.wav"));
    QCOMPARE(f.logLines(), QStringList({"Match Portraits ", "President 3", "President 14", "President 25",
                                       "President 36"}) +
                              log);
}

QTEST_MAIN(TestPortraitMatch)
#include "tst_imatch.moc"
