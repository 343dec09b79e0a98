// The Name Me screen: tries by difficulty, the mask, the growing stage
// picture, winning and losing, and one real window played by key presses.
#include "app/gameui.h"
#include "screens/namemewindow.h"
#include "models/namememodel.h"
#include "screens/scorewindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {
// Every record named `name`, so the draw always lands on it.
void nameAll(Fixture& f, const QString& name)
{
    f.loadSampleRecords();
    for (int i = 1; i <= kRecords; ++i) {
        f.program->records.presidents.edit(i).name = name;
        f.program->records.presidents.edit(i).dif = 1;
    }
    f.program->settings.settings.soundon = -1;
    for (int n = 0; n < 10; ++n)
        f.program->sounds.setFile(n, QStringLiteral("s%1.wav").arg(n));
}

QStringList soundNumbers(const Fixture& f)
{
    QStringList out;
    for (const QString& p : f.sound->played)
        out << p.section(u's', -1).section(u'.', 0, 0);
    return out;
}
// The Name Me question at difficulty `maxdif`.
NameMeModel question(Fixture& f, int maxdif = 1)
{
    return NameMeModel(f.program->draw, 21, RunMode::Play, maxdif);
}
} // namespace

class TestNameMe : public QObject {
    Q_OBJECT
private slots:
    void maskAndFontSize_data();
    void maskAndFontSize();
    void triesByDifficulty_data();
    void triesByDifficulty();
    void winWithOneMiss();
    void lostNameClosesOnAnyKey();
    void windowPlayedByKeys();
    void windowLost();
};

void TestNameMe::maskAndFontSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<double>("points");
    QTest::addRow("initial_and_full_stop") << "Ulysses S. Grant"
                                           << "_ _ _ _ _ _ _   _ .   _ _ _ _ _ " << 18.0;
    QTest::addRow("fourteen") << "Abcdefghijklmn" << "_ _ _ _ _ _ _ _ _ _ _ _ _ _ " << 24.0;
    QTest::addRow("twenty") << "Abcdefghij Klmnopqrs" << QString("_ ").repeated(10) + "  " + QString("_ ").repeated(9)
                            << 14.0;
    QTest::addRow("twenty_eight") << QString(28, u'a') << QString("_ ").repeated(28) << 10.0;
}

void TestNameMe::maskAndFontSize()
{
    QFETCH(QString, name);
    QFETCH(QString, mask);
    QFETCH(double, points);
    Fixture f;
    nameAll(f, name);
    NameMeModel m = question(f);
    QVERIFY(m.load());
    QCOMPARE(m.mask(), mask);
    QCOMPARE(m.answer(), name.toUpper());
    QCOMPARE(m.nameFontSize(), points);
}

void TestNameMe::triesByDifficulty_data()
{
    QTest::addColumn<int>("maxdif");
    QTest::addColumn<int>("tries");
    QTest::addColumn<QString>("firstStage");
    QTest::addRow("easy") << 1 << 6 << "eagle6.jpg";
    QTest::addRow("medium") << 2 << 5 << "eagle5.jpg";
    QTest::addRow("hard") << 3 << 4 << "eagle4.jpg";
}

void TestNameMe::triesByDifficulty()
{
    QFETCH(int, maxdif);
    QFETCH(int, tries);
    QFETCH(QString, firstStage);
    Fixture f;
    nameAll(f, QStringLiteral("Ab C."));
    NameMeModel m = question(f, maxdif);
    QVERIFY(m.load());
    QCOMPARE(m.triesAllowed(), tries);
    QCOMPARE(m.stageRect(), QRectF(6000, 1320, 1215, 1455));

    const QString wrong = QStringLiteral("zyxwvu");
    for (int i = 0; i < tries; ++i) {
        const auto r = m.press(wrong[i]);
        QCOMPARE(r.sounds, QList<int>{6});
        if (i == 0) {
            QCOMPARE(m.stagePicture(), firstStage);
            // 1.2 times as wide, 1.5 times as high as wide, around the designed centre.
            QCOMPARE(m.stageRect(), QRectF(6607.5 - 729, 2047.5 - 1093.5, 1458, 2187));
        }
        QCOMPARE(r.outcome, i + 1 < tries ? NameMeModel::Outcome::Missed : NameMeModel::Outcome::Lost);
    }
    QCOMPARE(m.stagePicture(), QStringLiteral("eagle1.jpg"));
    QCOMPARE(m.tried(), QStringLiteral(" Z Y X W V U").left(2 * tries));
    QCOMPARE(m.mask(), QStringLiteral("AB C."));
}

void TestNameMe::winWithOneMiss()
{
    Fixture f;
    nameAll(f, QStringLiteral("Ab C."));
    NameMeModel m = question(f, 2);
    QVERIFY(m.load());
    QCOMPARE(m.press(u'a').outcome, NameMeModel::Outcome::Found);
    QCOMPARE(m.mask(), QStringLiteral("A _    _  . "));
    QCOMPARE(m.press(u'q').outcome, NameMeModel::Outcome::Missed);
    QCOMPARE(m.press(u'Q').outcome, NameMeModel::Outcome::Repeated);   // lower and upper case alike
    QCOMPARE(m.press(u'q').outcome, NameMeModel::Outcome::Repeated);
    QCOMPARE(m.lettersText(), QStringLiteral(" Q"));
    QCOMPARE(m.press(u'3').outcome, NameMeModel::Outcome::NotALetter);
    QCOMPARE(m.press(u'b').outcome, NameMeModel::Outcome::Found);
    const auto won = m.press(u'c');
    QCOMPARE(won.outcome, NameMeModel::Outcome::Won);
    QCOMPARE(won.verdict.record.points, 4);
    QCOMPARE(won.verdict.record.possible, 5);
    QCOMPARE(won.verdict.sound, 5);
    QCOMPARE(won.verdict.results, QStringLiteral("AB C.\r\nYou got it!\r\n*** Scored 4 of 5"));
    QCOMPARE(won.verdict.heading, QStringLiteral("Results for Name Me"));
    QVERIFY(won.verdict.credits.isEmpty());
}

void TestNameMe::lostNameClosesOnAnyKey()
{
    Fixture f;
    nameAll(f, QStringLiteral("Ab"));
    NameMeModel m = question(f, 3);
    QVERIFY(m.load());
    NameMeModel::KeyResult last;
    for (const QChar c : QStringLiteral("wxyz"))
        last = m.press(c);
    QCOMPARE(last.outcome, NameMeModel::Outcome::Lost);
    QCOMPARE(last.verdict.record.points, 0);
    QCOMPARE(last.verdict.record.possible, 4);
    QCOMPARE(last.verdict.sound, 8);
    // The same score screen as a won name: the name, that it was lost, the points.
    QCOMPARE(last.verdict.heading, QStringLiteral("Results for Name Me"));
    QCOMPARE(last.verdict.results, QStringLiteral("AB\r\nToo many tries!\r\n*** Scored 0 of 4"));
    QCOMPARE(m.lettersText(), QStringLiteral("Better luck next time!"));
    QCOMPARE(m.warning(), QStringLiteral("Too many tries!"));
    QCOMPARE(m.press(u'1').outcome, NameMeModel::Outcome::Closes);
    QCOMPARE(m.press(u'a').outcome, NameMeModel::Outcome::Closes);
}

void TestNameMe::windowPlayedByKeys()
{
    Fixture f;
    nameAll(f, QStringLiteral("Ab"));
    QString shownMask;
    QString title;
    WindowGameUi ui(*f.program);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* n = qobject_cast<NameMeWindow*>(w);
        QVERIFY(n);
        title = n->windowTitle();
        QTest::keyClick(n->quitButton, Qt::Key_A);   // keys reach the game whatever has focus
        QTest::keyClick(n, Qt::Key_Z);
        shownMask = n->nameLabel->text();
        QCOMPARE(n->lettersLabel->text(), QStringLiteral(" Z"));
        QVERIFY(n->stage->isVisible());
        QTest::keyClick(n, Qt::Key_B);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->resultsBox->toPlainText(), QStringLiteral("AB\nYou got it!\n*** Scored 5 of 6"));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(f.game().ask(ui, 21).asked, Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(title, QStringLiteral("Name Me -- Press the letter keys to enter my name... "));
    QCOMPARE(shownMask, QStringLiteral("A _  "));
    QCOMPARE(f.program->session.score, 5);
    QCOMPARE(f.program->session.possible, 6);
    QCOMPARE(soundNumbers(f), (QStringList{"3", "6", "3", "5"}));
}

// Too many wrong letters: the tries allowed count as possible points, the
// losing sound plays, and the next key closes the window without a score screen.
void TestNameMe::windowLost()
{
    Fixture f;
    nameAll(f, QStringLiteral("Ab"));
    f.program->settings.settings.maxdif = 2;
    f.program->session.score = 3;
    f.program->session.possible = 4;
    WindowGameUi ui(*f.program);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* n = qobject_cast<NameMeWindow*>(w);
        QVERIFY(n);
        // A screen reader hears the hidden name and tries, and where the game stands.
        QVERIFY(n->accessibleDescription().contains(QStringLiteral("Tries left: 5"))
                && n->accessibleDescription().contains(QStringLiteral("Question 1 of")));
        QTest::keyClicks(n, QStringLiteral("vwxyz"));   // five tries at medium difficulty
        QCOMPARE(f.program->session.possible, 9);
        QCOMPARE(n->nameLabel->text(), QStringLiteral("AB"));
        QVERIFY(n->isVisible());
        QTest::keyClick(n, Qt::Key_Q);
    });
    const Answered answered = f.game().ask(ui, 21);
    QCOMPARE(answered.asked, Asked::Yes);
    QVERIFY(driver.done());
    // A lost name is judged (wrong, for the review and the progress file), not skipped.
    QVERIFY(answered.verdict && answered.verdict->record.possible == 5
            && answered.verdict->record.points == 0);
    QCOMPARE(f.program->session.score, 3);
    QCOMPARE(f.program->session.possible, 9);
    QCOMPARE(f.program->session.percent, 33);
    QCOMPARE(soundNumbers(f), (QStringList{"6", "6", "6", "6", "6", "8"}));
}

QTEST_MAIN(TestNameMe)
#include "tst_nameme.moc"
