// The hall of fame windows driven as a player would: a one-question game
// through the name entry to the list and the saved file, the close box, Enter
// in the name box, Clear and the list after it.
#include "app/gameui.h"
#include "screens/scorewindow.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "screens/reviewwindow.h"
#include "screens/multiplechoicewindow.h"
#include "testsupport.h"

#include <QTextBrowser>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

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
    Program& ctx = *f.program;
    Settings& settings = ctx.settings.settings;
    settings.soundon = -1;
    ctx.sounds.setFile(5, QStringLiteral("right.wav"));
    ctx.sounds.setFile(9, QStringLiteral("fame.wav"));
    settings.catenabled[1] = -1;
    settings.nquestions = 1;
    settings.maxdif = 3;
    settings.playername = QStringLiteral("Old");
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        QTest::mouseClick(m->choices[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        // After the final message, the review: the one question, answered right.
        EXPECT_WINDOW(ReviewWindow, r, w);
        QVERIFY2(r->list->toPlainText().contains("Question 1: ") && r->list->toPlainText().contains("right"),
                 qPrintable(r->list->toPlainText()));
        QTest::mouseClick(r->closeButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QCOMPARE(n->prompt->text(),
                 "You have made number 1 on the Hall of Fame list. Please enter your name:");
        QCOMPARE(n->nameBox->text(), QStringLiteral("Old"));
        QCOMPARE(f.sound->played.last(), f.path("fame.wav"));
        n->nameBox->clear();
        QTest::keyClicks(n->nameBox, QStringLiteral("Ann \"Ace\" Lincoln-Brevallo"));
        QTest::keyClicks(n->emailBox, QStringLiteral("ann@example.org.and.then.some.more"));
        QTest::mouseClick(n->websiteButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QCOMPARE(h->list->toPlainText(), kHeader + "\n  1      15 100  3  Ann 'Ace' Lincoln 12/7/2026");
        QTest::mouseClick(h->okButton, Qt::LeftButton);
    });
    f.game().play(ui);
    QVERIFY(driver.done());
    // The name box took 20 characters, the address box 30.
    QCOMPARE(f.shell->urls,
             QStringList{"http://localhost:8642/games/triv/triviahf.asp?game=brev&a=15"
                         "&b=Ann%20%27Ace%27%20Lincoln-Br%20dif%3D3&c=ann%40example.org.and.then.some."});
    QCOMPARE(f.read("brev.hof"),
             QByteArray(
                 " 1 \r\n 15 \r\n 100 \r\n 0 \r\nbrev    \r\n\"3  Ann 'Ace' Lincoln-Br\"\r\n12/7/2026\r\n"));
    QCOMPARE(settings.playername, QStringLiteral("Ann 'Ace' Lincoln-Br"));
}

void TestHofWindows::closeBoxKeepsEntryAndName()
{
    Fixture f;
    Program& ctx = *f.program;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QTest::keyClicks(n->nameBox, QStringLiteral("Bea"));
        n->close();
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QTest::mouseClick(h->okButton, Qt::LeftButton);
        QCOMPARE(ctx.hof.count, 1);
        QCOMPARE(ctx.hof.entries[1].name, QStringLiteral("1  Bea"));
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QCOMPARE(n->nameBox->text(), QStringLiteral("Bea")); // offered again
        QVERIFY(n->localButton->isDefault());
        QTest::keyClick(n->nameBox, Qt::Key_Return); // "Local HOF only", the default button
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QTest::mouseClick(h->clearButton, Qt::LeftButton); // the test double answers yes
    });
    ui.enterHof(30, 50);
    ui.enterHof(20, 40);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts, QStringList{"Really clear Hall of Frame?"});
    QCOMPARE(ctx.hof.count, 0);
    QVERIFY(f.shell->urls.isEmpty());
    TestHallOfFame cleared(ctx);
    QCOMPARE(cleared.list->toPlainText(), kHeader + "\n\nNo games are recorded yet.");
    QCOMPARE(f.messages->texts.size(), 1); // not while it is built
    cleared.show();
    QCOMPARE(f.messages->texts.last(), QStringLiteral("Hof was recently cleared"));
}

QTEST_MAIN(TestHofWindows)
#include "tst_hofwindows.moc"
