// The hall of fame windows driven as a player would: a one-question game
// through the name entry to the list and the saved file, the close box, the
// Clear question and the setup screen's HOF button.
#include "gameflow/gameui.h"
#include "gameflow/showscor.h"
#include "hof/HOF.h"
#include "hof/NameEntry.h"
#include "screens/mchoice.h"
#include "services/realseams.h"
#include "setup/setup.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

#define EXPECT_WINDOW(Type, var, w)                                                            \
    auto* var = qobject_cast<Type*>(w);                                                        \
    if (!var) {                                                                                \
        w->close();                                                                            \
        QFAIL("expected the " #Type " window, got " + w->objectName().toLatin1());             \
    }

const QString kHeader = QStringLiteral("Rank   Score  % Dif Name           Date ");

} // namespace

class TestHofWindows : public QObject {
    Q_OBJECT
private slots:
    void oneQuestionGameToTheList();
    void closeBoxKeepsEntryAndName();
    void clearAsksWithNoAsDefault();
    void setupOpensEmptyList();
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
    ctx.settings.playeremail = QStringLiteral("old@x");

    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(mchoice, m, w);
        QTest::mouseClick(m->choice[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(showscor, s, w);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntry, n, w);
        QCOMPARE(n->windowTitle(), QString());
        QCOMPARE(n->Label1->text(),
                 QStringLiteral("You have made number 1 on the Hall of Fame list. Please enter your name:"));
        QCOMPARE(n->Name1->text(), QStringLiteral("Old"));
        QCOMPARE(n->email->text(), QStringLiteral("old@x"));
        QCOMPARE(f.sound->played.last(), f.path("fame.wav"));
        n->Name1->clear();
        QTest::keyClicks(n->Name1, QStringLiteral("Ann \"Ace\" Lincoln-Brevallo"));
        QCOMPARE(n->Name1->text(), QStringLiteral("Ann \"Ace\" Lincoln-Br"));   // 20 at most
        QTest::keyClick(n->Name1, Qt::Key_Return);
        QVERIFY(n->isVisible());   // Enter chooses nothing
        n->email->clear();
        QTest::keyClicks(n->email, QStringLiteral("ann@example.org.and.some.more.text"));
        QCOMPARE(n->email->text().size(), 30);
        n->email->setText(QStringLiteral("ann@example.org"));
        QTest::mouseClick(n->Command1, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HOF, h, w);
        QCOMPARE(h->Text1->toPlainText(),
                 kHeader + QStringLiteral("\n  1      15 100  3  Ann 'Ace' Lincoln12/7/2026"));
        QTest::mouseClick(h->cmdOK, Qt::LeftButton);
    });
    playgame(ctx, ui);
    QVERIFY(driver.done());

    QCOMPARE(f.messages->texts,
             QStringList{"You scored 5 out of 5 (100%)\r\nScore adjusted for difficulty: 15"});
    QCOMPARE(f.shell->urls, QStringList{"http://localhost:8642/games/triv/triviahf.asp?game=brev&a=15"
                                        "&b=Ann%20%27Ace%27%20Lincoln-Br%20dif%3D3&c=ann%40example.org"});
    QCOMPARE(f.read("brev.hof"),
             QByteArray(
                 " 1 \r\n 15 \r\n 100 \r\n 0 \r\nbrev    \r\n\"3  Ann 'Ace' Lincoln-Br\"\r\n12/7/2026\r\n"));
    QCOMPARE(ctx.settings.playername, QStringLiteral("Ann 'Ace' Lincoln-Br"));
    QCOMPARE(ctx.settings.playeremail, QStringLiteral("ann@example.org"));
}

void TestHofWindows::closeBoxKeepsEntryAndName()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.settings.playername = QStringLiteral("Old");
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntry, n, w);
        n->Name1->setText(QStringLiteral("Bea"));
        n->close();
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HOF, h, w);
        QTest::mouseClick(h->cmdOK, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntry, n, w);
        QCOMPARE(n->Name1->text(), QStringLiteral("Bea"));   // offered again
        QVERIFY(n->Label1->text().startsWith(QStringLiteral("You have made number 2 ")));
        QTest::mouseClick(n->OK, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HOF, h, w);
        QTest::mouseClick(h->cmdOK, Qt::LeftButton);
    });
    ui.enterHof(30, QStringLiteral("brev"), 50, ctx.settings.playername, 0);
    ui.enterHof(20, QStringLiteral("brev"), 40, ctx.settings.playername, 0);
    QVERIFY(driver.done());
    QCOMPARE(ctx.hofcount, 2);
    QCOMPARE(ctx.hof[1].name, QStringLiteral("1  Bea"));
    QCOMPARE(ctx.hof[2].name, QStringLiteral("1  Bea"));
    QVERIFY(f.shell->urls.isEmpty());
}

void TestHofWindows::clearAsksWithNoAsDefault()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.hof[1] = HofEntry{40, "brev    ", 80, "2  Cy", "5/6/2026", 0};
    ctx.hofcount = 1;
    QVERIFY(putHOF(ctx));
    ctx.messages = makeMessageBoxes();   // the real question box
    int asked = 0;
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HOF, h, w);
        QTest::mouseClick(h->cmdClear, Qt::LeftButton);   // answered No: the list stays
        QVERIFY(h->isVisible());
        QCOMPARE(ctx.hofcount, 1);
        QTest::mouseClick(h->cmdClear, Qt::LeftButton);   // answered Yes
    });
    for (const auto answer : {QMessageBox::No, QMessageBox::Yes})
        driver.then([&, answer](QWidget* w) {
            EXPECT_WINDOW(QMessageBox, box, w);
            ++asked;
            QCOMPARE(box->windowTitle(), QStringLiteral("Clear HOF"));
            QCOMPARE(box->text(), QStringLiteral("Really clear Hall of Frame?"));
            QCOMPARE(box->icon(), QMessageBox::Warning);
            QCOMPARE(box->defaultButton(), box->button(QMessageBox::No));
            QTest::mouseClick(box->button(answer), Qt::LeftButton);
        });
    HOF window(ctx);
    QCOMPARE(window.exec(), int(QDialog::Accepted));
    QVERIFY(driver.done());
    QCOMPARE(asked, 2);
    QCOMPARE(ctx.hofcount, 0);
    QVERIFY(!QFile::exists(f.path("brev.hof")));
}

void TestHofWindows::setupOpensEmptyList()
{
    Fixture f;
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(setup, s, w);
        QTest::mouseClick(s->cmdhof, Qt::LeftButton);
        s->close();
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HOF, h, w);
        QCOMPARE(f.messages->texts, QStringList{"Hof was recently cleared"});
        QCOMPARE(h->Text1->toPlainText(), kHeader);
        QCOMPARE(h->cmdOnline->toolTip(), QStringLiteral("Check Velmora Website HOFs"));
        QTest::mouseClick(h->cmdOnline, Qt::LeftButton);
        QTest::mouseClick(h->cmdOK, Qt::LeftButton);
    });
    setup s(*f.ctx);
    s.exec();
    QVERIFY(driver.done());
    QCOMPARE(f.shell->urls, QStringList{"http://localhost:8642/games/triv/triviahf.asp?game=brev"});
}

QTEST_MAIN(TestHofWindows)
#include "tst_hofwindows.moc"
