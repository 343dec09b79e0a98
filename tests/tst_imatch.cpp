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

void prepare(Fixture& f)
{
    f.loadSampleRecords();
    f.program->settings.settings.soundon = -1;
    const char* files[] = {"pickup.wav", "place.wav", "", "", "", "right.wav", "", "", "wrong.wav"};
    for (int i = 0; i < 9; ++i)
        f.program->sounds.setFile(i, QString::fromLatin1(files[i]));
}

// Records 3, 14, 25, 36 for bars 0..3; the shuffle swaps 0/1, then 1/2, so
// the portraits show the records of bars 1, 2, 0, 3.
struct Question {
    explicit Question(Fixture& f)
        : draw(*f.program, {3, 14, 25, 36}, {0.5, 0.9}), model(draw, 11), loaded(model.load())
    {}
    ChosenDraw draw;
    PortraitMatchModel model;
    bool loaded;
};

// Where a bar rests on a portrait: centred, 10 twips above its lower edge.
QPoint restingPlace(PortraitMatchWindow& w, int bar, int p)
{
    const QRect image = w.portraits[p]->geometry();
    return {image.x() + image.width() / 2 - w.bars[bar]->width() / 2,
            image.bottom() + 1 - w.bars[bar]->height() - twips(&w, 10)};
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
    QList<int> firstPlaces(4, 0);
    for (int round = 0; round < 300; ++round) {
        f.program->session.resetUsage(kRecords);
        PortraitMatchModel m(f.program->draw, 11);
        QVERIFY(m.load());
        QCOMPARE(m.order(3), 3);
        ++firstPlaces[m.order(0)];
    }
    QCOMPARE(firstPlaces[3], 0);
    for (int k = 0; k < 3; ++k)
        QVERIFY(firstPlaces[k] > 0);
}

void TestPortraitMatch::onlineForm()
{
    Fixture f;
    prepare(f);
    Program& p = *f.program;
    p.session.mode = RunMode::OnlineExport;
    p.settings.settings.loglevel = 2;
    p.log.clear();
    Question q(f);
    QVERIFY(q.loaded);
    writeLoadLines(q.model, p.session, p.log, p.questionFile);
    // Record 25's picture is brev26.gif: the files skip a number after 23.
    QCOMPARE(f.logLines(), (QStringList{"IMATCH", "Portraits ", "President 3", "President 14", "President 25",
                                        "President 36", "2", "brev14.gif", "3", "brev26.gif", "1",
                                        "brev3.gif", "4", "brev37.gif"}));
}

void TestPortraitMatch::placingBars()
{
    Fixture f;
    prepare(f);
    // One real picture; the other three files are missing.
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev14.gif"), f.path("brev14.gif")));
    Question q(f);
    QVERIFY(q.loaded);
    PortraitMatchWindow w(q.model, f.parts(), f.program->dir);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Match 'em"));
    QVERIFY(w.portraits[0]->hasPicture());
    for (int p = 1; p < 4; ++p)
        QVERIFY(!w.portraits[p]->hasPicture());

    drag(w.bars[0], w.portraits[1]);
    QCOMPARE(w.model().placedBar(1), 0);
    QCOMPARE(w.bars[0]->pos(), restingPlace(w, 0, 1));
    // Moving it on leaves the first portrait empty.
    drag(w.bars[0], w.portraits[2]);
    QCOMPARE(w.model().placedBar(1), -1);
    QCOMPARE(w.model().placedBar(2), 0);
    QCOMPARE(w.bars[0]->pos(), restingPlace(w, 0, 2));
    // A second bar on the same portrait, from the keyboard: the first goes home.
    w.bars[3]->setFocus();
    QTest::keyClick(w.bars[3], Qt::Key_Space);
    QVERIFY(w.bars[3]->held());
    w.portraits[2]->setFocus();
    QTest::keyClick(w.portraits[2], Qt::Key_Space);
    QCOMPARE(w.model().placedBar(2), 3);
    QCOMPARE(w.model().targetOf(0), -1);
    QCOMPARE(w.bars[0]->pos(), w.home(0).topLeft());
    QCOMPARE(w.bars[3]->pos(), restingPlace(w, 3, 2));
    // A click on a bar and then on a portrait places it, as on the matching screen.
    QTest::mouseClick(w.bars[1], Qt::LeftButton);
    QVERIFY(w.bars[1]->held());
    QTest::mouseClick(w.portraits[0], Qt::LeftButton);
    QCOMPARE(w.model().placedBar(0), 1);
    QCOMPARE(w.bars[1]->pos(), restingPlace(w, 1, 0));
    // Escape puts a picked-up bar down wherever the focus is, and skips nothing.
    QTest::mouseClick(w.bars[2], Qt::LeftButton);
    w.doneButton->setFocus();
    QTest::keyClick(w.doneButton, Qt::Key_Escape);
    QVERIFY(w.isVisible() && !w.bars[2]->held());
    QTest::mouseClick(w.portraits[3], Qt::LeftButton);
    QCOMPARE(w.model().placedBar(3), -1);
    const QString up = f.path("pickup.wav"), put = f.path("place.wav");
    QCOMPARE(f.sound->played, (QStringList{up, put, up, put, up, put, up, put, up}));
    w.reject();
}

void TestPortraitMatch::relayoutKeepsPairs()
{
    Fixture f;
    prepare(f);
    Question q(f);
    QVERIFY(q.loaded);
    PortraitMatchWindow w(q.model, f.parts(), f.program->dir);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    drag(w.bars[2], w.portraits[1]);
    const int heightBefore = w.portraits[0]->height();
    setOuterSizeTwips(&w, 10000, 9000);
    QVERIFY(w.portraits[0]->height() > heightBefore);
    QCOMPARE(w.model().placedBar(1), 2);
    QCOMPARE(w.bars[2]->pos(), restingPlace(w, 2, 1));
    QCOMPARE(w.bars[0]->pos(), w.home(0).topLeft());
    QCOMPARE(f.program->settings.settings.windowplaces[SlotPortraits].height, 9000);
    // Below 4000 twips high nothing moves and nothing is remembered.
    const QRect image = w.portraits[0]->geometry();
    setOuterSizeTwips(&w, 5000, 3900);
    QCOMPARE(w.portraits[0]->geometry(), image);
    QCOMPARE(f.program->settings.settings.windowplaces[SlotPortraits].height, 9000);
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
    // Every bar left unplaced is told where its portrait is.
    QTest::addRow("nothing_placed") << QList<QPoint>{}
                                    << "\r\nPresident 3 was not placed: his image is the bottom left one"
                                       "\r\nPresident 14 was not placed: his image is the top left one"
                                       "\r\nPresident 25 was not placed: his image is the top right one"
                                       "\r\nPresident 36 was not placed: his image is the bottom right one"
                                       "\r\n\r\n*** Scored 0 of 4"
                                    << 0 << QList<int>{10, 1, 1, 1} << QStringList{} << false;
    QTest::addRow("all_correct") << QList<QPoint>{{0, 2}, {1, 0}, {2, 1}, {3, 3}} << "*** All correct!" << 8
                                 << QList<int>{14, 5, 5, 5} << QStringList{" *** All correct!"} << true;
    QTest::addRow("one_wrong_one_right")
        << QList<QPoint>{{0, 0}, {3, 3}}
        << "\r\nPresident 3 placed on image of President 14"
           "\r\nPresident 14 was not placed: his image is the top left one"
           "\r\nPresident 25 was not placed: his image is the top right one\r\n\r\n*** Scored 1 of 4"
        << 2 << QList<int>{9, 1, 1, 5} << QStringList{"President 3 placed on image of President 14"} << false;
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
    Program& p = *f.program;
    p.log.clear();
    Question q(f);
    QVERIFY(q.loaded);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* m = qobject_cast<PortraitMatchWindow*>(w);
        QVERIFY(m);
        for (const QPoint& d : drops)
            drag(m->bars[d.x()], m->portraits[d.y()]);
        QTest::mouseClick(m->doneButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->headingLabel->text(), QStringLiteral("Results for Portraits "));
        QCOMPARE(s->resultsText(), QString(results).replace("\r\n", "\n"));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(askInWindow(p, q.model), Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(p.session.score, score);
    QCOMPARE(p.session.possible, 8);
    QList<int> counters;
    for (int r : {3, 14, 25, 36})
        counters << p.session.itemUse[size_t(r)];
    QCOMPARE(counters, use);
    QCOMPARE(f.sound->played.last(), f.path(allRight ? "right.wav" : "wrong.wav"));
    QCOMPARE(f.logLines(), QStringList({"Match Portraits ", "President 3", "President 14", "President 25",
                                        "President 36"}) +
                               log);
}

QTEST_MAIN(TestPortraitMatch)
#include "tst_imatch.moc"
