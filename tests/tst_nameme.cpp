// The Name Me screen: tries by difficulty, the mask, the growing stage
// picture, winning and losing, and one real window played by key presses.
#include "app/gameui.h"
#include "screens/namemewindow.h"
#include "models/namememodel.h"
#include "screens/scorewindow.h"
#include "testsupport.h"

#include <QFile>
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
    return NameMeModel(f.program->draw, 21, maxdif);
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
    void windowLost_data();
    void windowLost();
};

void TestNameMe::maskAndFontSize_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("mask");
    QTest::addColumn<double>("points");
    QTest::addRow("initial_and_full_stop") << "Ulysses S. Grant"
                                           << "_ _ _ _ _ _ _   _ .   _ _ _ _ _ " << 18.0;
    QTest::addRow("fourteen") << "Abcdefghijklmn"
                              << "_ _ _ _ _ _ _ _ _ _ _ _ _ _ " << 24.0;
    QTest::addRow("twenty") << "Abcdefghij Klmnopqrs"
                            << QString("_ ").repeated(10) + "  " + QString("_ ").repeated(9) << 14.0;
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
    QCOMPARE(m.press(u'Q').outcome, NameMeModel::Outcome::Repeated); // lower and upper case alike
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
        QTest::keyClick(n->quitButton, Qt::Key_A); // keys reach the game whatever has focus
        QTest::keyClick(n, Qt::Key_Z);
        shownMask = n->nameLabel->text();
        QCOMPARE(n->lettersLabel->text(), QStringLiteral(" Z"));
        QVERIFY(n->stage->isVisible());
        QTest::keyClick(n, Qt::Key_B);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->resultsText(), QStringLiteral("AB\nYou got it!\n*** Scored 5 of 6"));
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

namespace {
// The stage picture file the window shows, by its pixels.
QString stageShown(const Fixture& f, const NameMeWindow* n)
{
    const QImage shown = n->stage->pixmap().toImage();
    for (int k = 1; k <= 6; ++k) {
        const QString file = QStringLiteral("eagle%1.jpg").arg(k);
        if (!shown.isNull() && shown == QPixmap(f.path(file)).toImage())
            return file;
    }
    return {};
}
} // namespace

void TestNameMe::windowLost_data()
{
    QTest::addColumn<int>("maxdif");
    QTest::addColumn<QStringList>("stages");
    QTest::addColumn<QStringList>("tries");
    QTest::addColumn<bool>("byQuit");
    QTest::addColumn<QString>("scoreLine");
    QTest::addRow("four tries, then a key")
        << 3 << QStringList{"eagle4.jpg", "eagle3.jpg", "eagle2.jpg", "eagle1.jpg"}
        << QStringList{"4 tries left", "3 tries left", "2 tries left", "One try left"} << false
        << "Current score: 3 of 10  (30%)";
    QTest::addRow("six tries, then quit")
        << 1
        << QStringList{"eagle6.jpg", "eagle5.jpg", "eagle4.jpg", "eagle3.jpg", "eagle2.jpg", "eagle1.jpg"}
        << QStringList{"6 tries left", "5 tries left", "4 tries left",
                       "3 tries left", "2 tries left", "One try left"}
        << true << "Current score: 3 of 12  (25%)";
}

// Each wrong letter shows the next stage, the finished eagle exactly at the
// last try, and the tries left in words; the lost name stays in sight until
// the next key or "quit" opens its score screen, with its points, and then
// the window closes.
void TestNameMe::windowLost()
{
    QFETCH(int, maxdif);
    QFETCH(QStringList, stages);
    QFETCH(QStringList, tries);
    QFETCH(bool, byQuit);
    QFETCH(QString, scoreLine);
    Fixture f;
    nameAll(f, QStringLiteral("Ab"));
    for (int k = 1; k <= 6; ++k) {
        const QString file = QStringLiteral("eagle%1.jpg").arg(k);
        QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/") + file, f.path(file)));
    }
    f.program->settings.settings.maxdif = maxdif;
    f.program->session.score = 3;
    f.program->session.possible = 6;
    WindowGameUi ui(*f.program);
    ModalDriver driver;
    QStringList triesShown, stagesShown;
    driver.then([&](QWidget* w) {
        auto* n = qobject_cast<NameMeWindow*>(w);
        QVERIFY(n);
        // A screen reader hears the tries left too, and where the game stands.
        QVERIFY(n->accessibleDescription().contains(tries.first()) &&
                n->accessibleDescription().contains(QStringLiteral("Question 1 of")));
        for (const QChar c : QStringLiteral("ZYXWVU").left(stages.size())) {
            triesShown << n->triesLabel->text();
            QTest::keyClick(n, Qt::Key(c.unicode()));
            stagesShown << stageShown(f, n);
        }
        QCOMPARE(n->triesLabel->text(), QStringLiteral("No tries left. Press any key to see your score."));
        QCOMPARE(n->nameLabel->text(), QStringLiteral("AB"));
        QCOMPARE(f.program->session.possible, 6); // judged as its score screen opens
        QVERIFY(n->isVisible());
        if (byQuit)
            QTest::mouseClick(n->quitButton, Qt::LeftButton);
        else
            QTest::keyClick(n, Qt::Key_Q);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->headingLabel->text(), QStringLiteral("Results for Name Me"));
        QCOMPARE(s->resultsText(),
                 QStringLiteral("AB\nToo many tries!\n*** Scored 0 of %1").arg(stages.size()));
        QCOMPARE(s->scoreLabel->text(), scoreLine);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    const Answered answered = f.game().ask(ui, 21);
    QCOMPARE(answered.asked, Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(stagesShown, stages);
    QCOMPARE(triesShown, tries);
    // A lost name is judged (wrong, for the review and the progress file), not skipped.
    QVERIFY(answered.verdict && answered.verdict->record.possible == stages.size() &&
            answered.verdict->record.points == 0);
    QCOMPARE(f.program->session.score, 3);
    QCOMPARE(soundNumbers(f), QStringList(stages.size(), QStringLiteral("6")) << QStringLiteral("8"));
}

QTEST_MAIN(TestNameMe)
#include "tst_nameme.moc"
