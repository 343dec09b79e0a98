// The hall of fame windows driven as a player would: a one-question game
// through the name entry to the list and the saved file, the close box, Clear
// and the list after it.
#include "app/gameui.h"
#include "screens/scorewindow.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "screens/multiplechoicewindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

#define EXPECT_WINDOW(Type, var, w)                                                            \
    auto* var = qobject_cast<Type*>(w);                                                        \
    if (!var) {                                                                                \
        w->close();                                                                            \
        QFAIL("expected the " #Type " window, got " + w->objectName().toLatin1());             \
    }

static const QString kHeader = QStringLiteral("Rank   Score  % Dif Name           Date ");

class TestHofWindows : public QObject {
    Q_OBJECT
private slots:
    void oneQuestionGameToTheList();
    void closeBoxKeepsEntryAndName();
};

void TestHofWindows::oneQuestionGameToTheList()
{
    Fixture f(3);
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    ctx.settings.soundon = -1;
    ctx.sndfiles[5] = QStringLiteral("right.wav");
    ctx.sndfiles[9] = QStringLiteral("fame.wav");
    ctx.settings.catenabled[1] = -1;
    ctx.settings.nquestions = 1;
    ctx.settings.maxdif = 3;
    ctx.settings.playername = QStringLiteral("Old");
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        QTest::mouseClick(m->choice[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QCOMPARE(n->Label1->text(),
                 "You have made number 1 on the Hall of Fame list. Please enter your name:");
        QCOMPARE(n->Name1->text(), QStringLiteral("Old"));
        QCOMPARE(f.sound->played.last(), f.path("fame.wav"));
        n->Name1->clear();
        QTest::keyClicks(n->Name1, QStringLiteral("Ann \"Ace\" Lincoln-Brevallo"));
        QTest::keyClick(n->Name1, Qt::Key_Return);
        QVERIFY(n->isVisible());   // Enter chooses nothing
        QTest::keyClicks(n->email, QStringLiteral("ann@example.org.and.then.some.more"));
        QTest::mouseClick(n->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QCOMPARE(h->Text1->toPlainText(), kHeader + "\n  1      15 100  3  Ann 'Ace' Lincoln 12/7/2026");
        QTest::mouseClick(h->cmdOK, Qt::LeftButton);
    });
    playgame(ctx, ui);
    QVERIFY(driver.done());
    // The name box took 20 characters, the address box 30.
    QCOMPARE(f.shell->urls,
             QStringList{"http://localhost:8642/games/triv/triviahf.asp?game=brev&a=15"
                         "&b=Ann%20%27Ace%27%20Lincoln-Br%20dif%3D3&c=ann%40example.org.and.then.some."});
    QCOMPARE(f.read("brev.hof"),
             QByteArray(
                 " 1 \r\n 15 \r\n 100 \r\n 0 \r\nbrev    \r\n\"3  Ann 'Ace' Lincoln-Br\"\r\n12/7/2026\r\n"));
    QCOMPARE(ctx.settings.playername, QStringLiteral("Ann 'Ace' Lincoln-Br"));
}

void TestHofWindows::closeBoxKeepsEntryAndName()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QTest::keyClicks(n->Name1, QStringLiteral("Bea"));
        n->close();
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QTest::mouseClick(h->cmdOK, Qt::LeftButton);
        QCOMPARE(ctx.hofcount, 1);
        QCOMPARE(ctx.hof[1].name, QStringLiteral("1  Bea"));
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QCOMPARE(n->Name1->text(), QStringLiteral("Bea"));   // offered again
        QTest::mouseClick(n->OK, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QTest::mouseClick(h->cmdClear, Qt::LeftButton);   // the test double answers yes
    });
    ui.enterHof(30, QStringLiteral("brev"), 50, 0);
    ui.enterHof(20, QStringLiteral("brev"), 40, 0);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts, QStringList{"Really clear Hall of Frame?"});
    QCOMPARE(ctx.hofcount, 0);
    QVERIFY(f.shell->urls.isEmpty());
    HallOfFameWindow cleared(ctx);
    QCOMPARE(cleared.Text1->toPlainText(), kHeader + "\n\nNo games are recorded yet.");
    QCOMPARE(f.messages->texts.size(), 1);   // not while it is built
    cleared.show();
    QCOMPARE(f.messages->texts.last(), QStringLiteral("Hof was recently cleared"));
}

QTEST_MAIN(TestHofWindows)
#include "tst_hofwindows.moc"
