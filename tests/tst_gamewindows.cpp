// The game's windows driven as a player would: whole games of multiple-choice
// questions, skip, keyboard selection, the no-category and exhausted-category
// paths, the export lines, the setup screen and the score screen.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "store/records.h"
#include "screens/namemewindow.h"
#include "screens/portraitmatchwindow.h"
#include "screens/multiplechoicewindow.h"
#include "screens/matchwidgets.h"
#include "screens/matchwindow.h"
#include "screens/oddoneoutwindow.h"
#include "screens/sortwindow.h"
#include "screens/quotationwindow.h"
#include "screens/scorewindow.h"
#include "widgets/windowhelpers.h"
#include "setup/setupdialog.h"
#include "hof/nameentrydialog.h"
#include "widgets/focusmarks.h"
#include "game/questionexport.h"
#include "screens/reviewwindow.h"
#include "testsupport.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QCheckBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTextBrowser>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

// The settings as a fresh start of the program would read them from the file.
Settings reread(const Fixture& f)
{
    SettingsStore other(f.program->dir);
    other.load();
    return other.settings;
}

QString scoreLine(int score, int possible, int percent)
{
    return QStringLiteral("Current score: %1 of %2  (%3%)").arg(score).arg(possible).arg(percent);
}

const QString kNoCategory = QStringLiteral(
    "0No questions possible with current selections.  Change difficulty levels or question types");

void prepare(Fixture& f)
{
    f.loadSampleRecords();
    fillHallOfFame(f.program->hof);
    f.program->settings.settings.soundon = -1;
    f.program->sounds.setFile(5, QStringLiteral("right.wav"));
    f.program->sounds.setFile(8, QStringLiteral("wrong.wav"));
}

// One answer in the question window w: a click on a choice (again: Space on
// another), "Done", or the letters of the hidden name (again: its first one).
void answer(QWidget* w, const Records& records, bool again)
{
    if (auto* c = qobject_cast<ChoiceWindow*>(w)) {
        if (again)
            QTest::keyClick(c->choices[1], Qt::Key_Space);
        else
            QTest::mouseClick(c->choices[0], Qt::LeftButton);
    } else if (auto* o = qobject_cast<OddOneOutWindow*>(w)) {
        QTest::mouseClick(o->items[again ? 1 : 0], Qt::LeftButton);
    } else if (auto* q = qobject_cast<brev::SortWindow*>(w)) {
        QTest::mouseClick(q->doneButton, Qt::LeftButton);
    } else if (auto* m = qobject_cast<MatchingWindow*>(w)) {
        QTest::mouseClick(m->doneButton, Qt::LeftButton);
    } else if (auto* n = qobject_cast<NameMeWindow*>(w)) {
        const QString name = records.presidents[size_t(n->model().record())].name;
        for (const QChar c : again ? name.left(1) : name)
            if (c.isLetter())
                QTest::keyClick(n, c.toLatin1());
    } else {
        w->close();
        QFAIL("not a question window: " + w->objectName().toLatin1());
    }
}

} // namespace

class TestGameWindows : public QObject {
    Q_OBJECT
private slots:
    void enterPressesTheFocusedButton();
    void wholeGameOfMultipleChoice();
    void endGameFromTheScoreScreen();
    void skipChangesNothing();
    void keyboardSelectionDoesNotAnswer();
    void noCategoryLeadsToSetupAndContinues();
    void exhaustedCategoryIsSwitchedOff();
    void exportModesWriteTheirLines();
    void helpMessage();
    void setupClampsAndSaves();
    void setupLoadNormalisesAndExportKeepsLimit();
    void scoreScreenCaptionAndResize();
    void narrowQuestionWindowKeepsLayoutAndSize();
    void bonusTickKeptOutsideSettings();
    void laterPresidentsUntickedForTheNextGame();
    void questionWindowKeepsItsSize();
    void choiceButtonsInsideAtSharedSize();
    void enterLeavesDialogOpen_data();
    void enterLeavesDialogOpen();
    void restoreOfShownWindowSavesOnce();
    void unchangedSettingsAreNotWritten();
    void secondAnswerScoresNothing_data();
    void secondAnswerScoresNothing();
};

void TestGameWindows::wholeGameOfMultipleChoice()
{
    Fixture f(7);
    prepare(f);
    Program& ctx = *f.program;
    for (int k = 1; k <= 3; ++k)
        ctx.settings.settings.catenabled[k] = -1;
    ctx.settings.settings.nquestions = 5;
    ctx.settings.settings.maxdif = 2;
    ctx.session.score = 9; // the last game's
    ctx.session.possible = 13;
    ctx.session.percent = 69;
    ctx.log.clear();

    // Right, wrong, right (with the right mouse button), right, wrong (the fifth choice).
    const bool right[5] = {true, false, true, true, false};
    QStringList expectedLog;
    std::vector<int> expectedUse;
    int score = 0, possible = 0;
    int windowWidth = 0;
    int category = 0;

    WindowGameUi ui(ctx);
    ModalDriver driver;
    for (int q = 0; q < 5; ++q) {
        driver.then([&, q](QWidget* w) {
            EXPECT_WINDOW(MultipleChoiceWindow, m, w);
            windowWidth = outerWidthTwips(m);
            const int slot = m->answerSlot();
            QVERIFY(slot >= 0 && slot <= 3);
            QCOMPARE(m->windowTitle(), QStringLiteral("Multiple Choice"));
            // Where the game stands, on the window and to a screen reader.
            // No percentage before anything was possible, whatever the last game's.
            const QString position = q == 0 ? QStringLiteral("Question 1 of 5     Score: 0 of 0")
                                            : QStringLiteral("Question %1 of 5     Score: %2 of %3 (%4%)")
                                                  .arg(q + 1)
                                                  .arg(score)
                                                  .arg(possible)
                                                  .arg(score * 100 / possible);
            QCOMPARE(m->positionLabel->text(), position);
            QCOMPARE(m->accessibleDescription(), position);
            QVERIFY(m->positionLabel->isVisible());
            for (const QWidget* child : m->findChildren<QAbstractButton*>())
                QVERIFY(child->geometry().bottom() < m->positionLabel->y());
            const QString question = m->questionLabel->text();
            const QString answer = m->choices[slot]->text();
            const Chosen& chosen = m->model().chosen();
            category = m->model().category();
            QCOMPARE(question,
                     questionText(ctx.records, category, TextKind::Question, chosen[slot], category));
            for (int i = 0; i < 5; ++i)
                QCOMPARE(m->choices[i]->text(),
                         questionText(ctx.records, category, TextKind::Answer, chosen[i], category));
            expectedLog << QStringLiteral("---- Question %1").arg(q + 1) << QStringLiteral("Multiple Choice");
            expectedUse = ctx.session.itemUse;
            const int pick = right[q] ? slot : (q == 4 ? 4 : (slot + 1) % 4);
            if (right[q]) {
                expectedUse[chosen[pick]] += 4;
                score += 5;
            } else {
                expectedLog << question + QLatin1Char(' ') + answer;
                for (int r : {chosen[pick], chosen[slot]})
                    expectedUse[r] = qMax(0, expectedUse[r] - 1);
            }
            possible += 5;
            QTest::mouseClick(m->choices[pick], q == 2 ? Qt::RightButton : Qt::LeftButton);
        });
        driver.then([&, q](QWidget* w) {
            EXPECT_WINDOW(ScoreWindow, s, w);
            QCOMPARE(s->windowTitle(), QStringLiteral("Score"));
            QCOMPARE(s->headingLabel->text(), "Results for " + categoryName(category));
            if (right[q])
                QCOMPARE(s->resultsText(), QStringLiteral(" Correct, +5 pts"));
            else
                QVERIFY(s->resultsText().startsWith(QStringLiteral("Sorry, the answer was ")));
            QCOMPARE(s->scoreLabel->text(), scoreLine(score, possible, score * 100 / possible));
            QCOMPARE(s->questionsLeftLabel->text(), q == 4 ? QStringLiteral("That was the last question.")
                                                    : q == 3
                                                        ? QStringLiteral("One question left")
                                                        : QStringLiteral("%1 questions left").arg(4 - q));
            QCOMPARE(s->endGameButton->isVisible(), q < 4);
            QCOMPARE(ctx.session.itemUse, expectedUse);
            QTest::mouseClick(s->okButton, Qt::LeftButton);
        });
    }
    driver.then([&](QWidget* w) {
        // The review lists the five questions in order, marked as judged.
        EXPECT_WINDOW(ReviewWindow, r, w);
        const QString text = r->list->toPlainText();
        int from = 0;
        for (int q = 0; q < 5; ++q) {
            from = text.indexOf(QStringLiteral("Question %1: ").arg(q + 1), from);
            QVERIFY2(from >= 0, qPrintable(text));
            const QString block = text.mid(from, text.indexOf(QStringLiteral("Points:"), from) - from);
            QVERIFY2(block.contains(right[q] ? QStringLiteral("right") : QStringLiteral("wrong")),
                     qPrintable(block));
        }
        QTest::mouseClick(r->copyButton, Qt::LeftButton);
        QVERIFY(QApplication::clipboard()->text().startsWith(QStringLiteral("Question 1 (")));
        QTest::mouseClick(r->closeButton, Qt::LeftButton);
    });
    f.game().play(ui);
    QVERIFY(driver.done());

    QCOMPARE(ctx.session.score, 15);
    QCOMPARE(ctx.session.possible, 25);
    QCOMPARE(ctx.session.percent, 60);
    QCOMPARE(f.messages->texts,
             QStringList{"You scored 15 out of 25 (60%)\r\nScore adjusted for difficulty: 18"});
    const QString r = f.path("right.wav"), wr = f.path("wrong.wav");
    QCOMPARE(f.sound->played, (QStringList{r, wr, r, r, wr}));
    QCOMPARE(f.logLines(), expectedLog);

    // The question window's size went into the settings file with the rest.
    const Settings saved = reread(f);
    QCOMPARE(saved.nquestions, 5);
    QCOMPARE(saved.maxdif, 2);
    QCOMPARE(saved.windowplaces[SlotMultipleChoice].width, windowWidth);
    QCOMPARE(saved.windowplaces[SlotScore].width, 0);
}

void TestGameWindows::endGameFromTheScoreScreen()
{
    // Ended on the second of five questions: the final message counts two,
    // the review lists two, and the next game starts afresh.
    Fixture f(7);
    prepare(f);
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[1] = -1;
    ctx.settings.settings.nquestions = 5;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    for (int q = 0; q < 2; ++q) {
        driver.then([&](QWidget* w) {
            EXPECT_WINDOW(MultipleChoiceWindow, m, w);
            QTest::mouseClick(m->choices[m->answerSlot()], Qt::LeftButton);
        });
        driver.then([&, q](QWidget* w) {
            EXPECT_WINDOW(ScoreWindow, s, w);
            QTest::mouseClick(q == 0 ? s->okButton : s->endGameButton, Qt::LeftButton);
        });
    }
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ReviewWindow, r, w);
        const QString text = r->list->toPlainText();
        QVERIFY(text.contains("Question 2: ") && !text.contains("Question 3: "));
        r->accept();
    });
    Game game = f.game();
    game.play(ui);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts.value(0),
             "You scored 10 out of 10 (100%)\r\nScore adjusted for difficulty: 10");
    QCOMPARE(game.reviewed().size(), 2);
}

void TestGameWindows::skipChangesNothing()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    ctx.session.score = 10;
    ctx.session.possible = 15;
    ctx.session.percent = 66;
    std::vector<int> afterLoad;
    QByteArray logAfterLoad;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        afterLoad = ctx.session.itemUse;
        logAfterLoad = f.read(QString::fromLatin1(kLogFile));
        QCOMPARE(m->skipButton->text(), QStringLiteral("skip"));
        QTest::mouseClick(m->skipButton, Qt::LeftButton);
    });
    f.game().ask(ui, 2);
    QVERIFY(driver.done());
    QCOMPARE(ctx.session.score, 10);
    QCOMPARE(ctx.session.possible, 15);
    QCOMPARE(ctx.session.percent, 66);
    QCOMPARE(ctx.session.itemUse, afterLoad);
    QCOMPARE(f.read(QString::fromLatin1(kLogFile)), logAfterLoad);
    QVERIFY(f.sound->played.isEmpty());
    QVERIFY(f.messages->texts.isEmpty());
}

void TestGameWindows::keyboardSelectionDoesNotAnswer()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    bool stillOpen = false;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        m->choices[0]->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QApplication::processEvents();
        int checked = 0;
        for (auto* c : m->choices)
            checked += c->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1); // the arrows moved the selection...
        QCOMPARE(QApplication::focusWidget(), m->choices[2]);
        stillOpen = m->isVisible() && QApplication::activeModalWidget() == m;
        QCOMPARE(ctx.session.possible, 0); // ...but judged nothing
        m->choices[m->answerSlot()]->setFocus();
        QTest::keyClick(m->choices[m->answerSlot()], Qt::Key_Space); // Space picks the focused choice
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    f.game().ask(ui, 1);
    QVERIFY(driver.done());
    QVERIFY(stillOpen);
    QCOMPARE(ctx.session.score, 5);
    QCOMPARE(ctx.session.possible, 5);
    QCOMPARE(f.sound->played, QStringList{f.path("right.wav")});
}

void TestGameWindows::noCategoryLeadsToSetupAndContinues()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    ctx.settings.settings.nquestions = 1;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(SetupDialog, s, w);
        QCOMPARE(f.messages->texts, QStringList{kNoCategory});
        s->categoryList->item(2)->setSelected(true); // "When was this president born?"
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        QCOMPARE(m->model().category(), 3);
        QTest::mouseClick(m->choices[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ReviewWindow, r, w);
        r->accept();
    });
    f.game().play(ui);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts,
             (QStringList{kNoCategory, "You scored 5 out of 5 (100%)\r\nScore adjusted for difficulty: 5"}));
    QCOMPARE(ctx.settings.settings.catenabled[3], -1);
    QCOMPARE(reread(f).catenabled[3], -1);
}

void TestGameWindows::exhaustedCategoryIsSwitchedOff()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    for (int i = 4; i <= kRecords; ++i)
        ctx.records.presidents.edit(i).vice = QStringLiteral("n/a"); // too short for the vice categories
    ctx.settings.settings.catenabled[1] = -1;
    ctx.settings.settings.catenabled[2] = -1;
    ctx.session.score = 5;
    ctx.session.possible = 10;
    bool listShowsItOff = false;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(SetupDialog, s, w);
        listShowsItOff = !s->categoryList->item(1)->isSelected() && s->categoryList->item(0)->isSelected();
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(f.game().ask(ui, 2).asked, Asked::Abandoned);
    QVERIFY(driver.done());
    QVERIFY(listShowsItOff);
    QCOMPARE(f.messages->texts,
             QStringList{"Current set doesn't provide enough items for Who was this president's "
                         "Vice President?. Use another question type or change difficulty level "
                         "to include more."});
    QCOMPARE(ctx.settings.settings.catenabled[2], 0);
    QCOMPARE(ctx.settings.settings.catenabled[1], -1);
    QCOMPARE(reread(f).catenabled[2], 0);
    QCOMPARE(ctx.session.score, 5);
    QCOMPARE(ctx.session.possible, 10);
    QVERIFY(f.sound->played.isEmpty());
}

void TestGameWindows::exportModesWriteTheirLines()
{
    for (int mode = 0; mode < 2; ++mode) {
        Fixture f;
        prepare(f);
        Program& ctx = *f.program;
        ctx.settings.settings.loglevel = mode == 0 ? 2 : 0; // 0: a header at level 1 would show
        ctx.session.mode = mode == 0 ? RunMode::OnlineExport : RunMode::TabbedExport;
        QStringList expected;
        WindowGameUi ui(ctx);
        ModalDriver driver;
        driver.then([&](QWidget* w) {
            EXPECT_WINDOW(MultipleChoiceWindow, m, w);
            QStringList captions;
            for (auto* c : m->choices)
                captions << c->text();
            const QString number = QString::number(m->answerSlot() + 1);
            if (mode == 0)
                expected << "MULT" << categoryName(1) << captions << m->questionLabel->text() << " " + number;
            else
                expected << m->questionLabel->text() + "\t" + captions.mid(0, 4).join("\t") + "\t" + number;
            QTest::mouseClick(m->skipButton, Qt::LeftButton);
        });
        f.game().ask(ui, 1);
        QVERIFY(driver.done());
        QCOMPARE(f.logLines(), expected);
        QCOMPARE(ctx.session.questionsWritten, mode == 0 ? 0 : 1);
    }
}

void TestGameWindows::helpMessage()
{
    Fixture f;
    prepare(f);
    const auto q = f.question<MultipleChoiceModel>(3);
    QVERIFY(q);
    MultipleChoiceWindow m(*q, f.parts());
    QCOMPARE(m.helpButton->text(), QStringLiteral("help"));
    QTest::mouseClick(m.helpButton, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"Click on the best description.\r\n"
                                            "Click on skip to move to the next question"});
    QCOMPARE(f.program->session.possible, 0);
}

void TestGameWindows::setupClampsAndSaves()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.nquestions = 7;
    ctx.settings.settings.maxdif = 3;
    ctx.settings.settings.catenabled[4] = 7; // any non-zero value is on
    ctx.settings.settings.catenabled[18] = -1;
    ctx.settings.settings.catenabled[20] = 9; // not on the list: left alone
    TestSetup s(ctx);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QCOMPARE(s.windowTitle(), QStringLiteral("Brevallo Game Setup"));
    QCOMPARE(s.categoryList->count(), 18);
    QCOMPARE(s.categoryList->item(0)->text(), categoryName(1));
    QVERIFY(s.categoryList->item(3)->isSelected());
    QVERIFY(s.categoryList->item(17)->isSelected());
    QVERIFY(!s.categoryList->item(0)->isSelected());

    auto type = [](QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
        return box->text();
    };
    QCOMPARE(type(s.questionsBox, "15"), QStringLiteral("10"));
    QCOMPARE(type(s.questionsBox, "0"), QStringLiteral("1"));
    QCOMPARE(type(s.questionsBox, "-3"), QStringLiteral("1"));
    QCOMPARE(type(s.questionsBox, "6"), QStringLiteral("6"));
    QTest::keyClicks(s.questionsBox, "x"); // not a number: the last one stays
    QCOMPARE(s.questionsBox->text(), QStringLiteral("6"));
    QCOMPARE(type(s.questionsBox, "99999999999"), QStringLiteral("10")); // each key clamps as typed
    s.questionsBox->selectAll();
    QTest::keyClick(s.questionsBox, Qt::Key_Backspace); // an empty box while typing...
    QCOMPARE(s.questionsBox->text(), QString());
    QTest::keyClick(s.questionsBox, Qt::Key_Tab); // ...shows its number again when left
    QCOMPARE(s.questionsBox->text(), QStringLiteral("10"));
    QCOMPARE(type(s.questionsBox, "6"), QStringLiteral("6"));

    QCOMPARE(s.maxDifficultyBox->text(), QStringLiteral("3"));
    QTest::mouseClick(s.maxDifficultySpin->up, Qt::LeftButton);
    QCOMPARE(s.maxDifficultyBox->text(), QStringLiteral("3"));
    QCOMPARE(type(s.maxDifficultyBox, "5"), QStringLiteral("3"));
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(s.maxDifficultySpin->down, Qt::LeftButton);
    QCOMPARE(s.maxDifficultyBox->text(), QStringLiteral("1"));
    QTest::mouseClick(s.maxDifficultySpin->up, Qt::LeftButton);
    QCOMPARE(s.maxDifficultyBox->text(), QStringLiteral("2"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(s.questionsSpin->up, Qt::LeftButton);
    QCOMPARE(s.questionsBox->text(), QStringLiteral("9"));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(s.questionsSpin->up, Qt::LeftButton);
    QCOMPARE(s.questionsBox->text(), QStringLiteral("10"));

    QTest::mouseClick(s.soundBox, Qt::LeftButton);
    QCOMPARE(ctx.settings.settings.soundon, 1);
    s.categoryList->item(3)->setSelected(false);
    s.categoryList->item(0)->setSelected(true);

    f.write(QStringLiteral("brevhelp.txt"), "How to play\r\n");
    QTest::mouseClick(s.helpButton, Qt::LeftButton);
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        help = w->objectName() == QLatin1String("textviewer") && w->isVisible() ? w : help;
    QVERIFY(help);
    QVERIFY(f.shell->urls.isEmpty());
    help->close();

    s.close(); // the close box saves as OK does
    QVERIFY(!s.isVisible());
    const Settings saved = reread(f);
    for (const Settings* st : std::array<const Settings*, 2>{&ctx.settings.settings, &saved}) {
        QCOMPARE(st->nquestions, 10);
        QCOMPARE(st->maxdif, 2);
        QCOMPARE(st->mindif, 1);
        QCOMPARE(st->loglevel, 0);
        QCOMPARE(st->soundon, 1);
        QCOMPARE(st->catenabled[1], -1);
        QCOMPARE(st->catenabled[4], 0);
        QCOMPARE(st->catenabled[18], -1);
        QCOMPARE(st->catenabled[2], 0);
    }
    QCOMPARE(ctx.settings.settings.catenabled[20], 9);
}

void TestGameWindows::bonusTickKeptOutsideSettings()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    {
        TestSetup s(ctx);
        s.show();
        QVERIFY(!s.bonusBox->isChecked());
        QTest::mouseClick(s.bonusBox, Qt::LeftButton);
        QVERIFY(ctx.settings.bonusQuestions);
        QCOMPARE(ctx.settings.settings.catenabled[25], -1);
        QTest::mouseClick(s.okButton, Qt::LeftButton);
    }
    QVERIFY(f.read(QStringLiteral("brevplus.ini")).contains("bonusQuestions=true"));
    QCOMPARE(f.read(QStringLiteral("brev.INI")).count("\r\n"), 32);
    TestSetup again(ctx);
    QVERIFY(again.bonusBox->isChecked());
}

// Unticking "Presidents after 1993" takes the add-on's records out of the
// very next game, without a restart, and is kept in brevplus.ini.
void TestGameWindows::laterPresidentsUntickedForTheNextGame()
{
    Fixture f(4);
    Program& ctx = *f.program;
    QCOMPARE(readRecords(ctx.records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    QCOMPARE(readAddOn(ctx.records, QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), true), std::nullopt);
    QCOMPARE(ctx.records.inPlay(), 45);
    ctx.session.resetUsage(ctx.records.loadedRecords());
    for (int k = 1; k <= 18; ++k)
        ctx.settings.settings.catenabled[size_t(k)] = -1;
    {
        TestSetup s(ctx);
        s.show();
        QVERIFY(s.laterBox->isChecked());
        QTest::mouseClick(s.laterBox, Qt::LeftButton);
        QTest::mouseClick(s.okButton, Qt::LeftButton);
    }
    QVERIFY(f.read(QStringLiteral("brevplus.ini")).contains("laterPresidents=false"));
    struct Recorder : ExportGameUi {
        using ExportGameUi::ExportGameUi;
        Answered ask(QuestionModel& question, const QuestionPosition&, const ApplyTurn& turn) override
        {
            for (int r : question.chosen())
                latest = std::max(latest, r);
            return ExportGameUi::ask(question, {}, turn);
        }
        int latest = 0;
    } ui;
    ctx.settings.settings.nquestions = 60;
    f.game().askQuestions(ui);
    QVERIFY(ui.latest > 30);
    QVERIFY(ui.latest <= 41);
}

void TestGameWindows::setupLoadNormalisesAndExportKeepsLimit()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.nquestions = 12; // left by an export
    ctx.settings.settings.maxdif = 9;
    ctx.settings.settings.mindif = 3;
    ctx.settings.settings.loglevel = 2;
    ctx.settings.settings.catenabled[6] = 1;
    {
        TestSetup s(ctx);
        QCOMPARE(s.questionsBox->text(), QStringLiteral("10"));
        QCOMPARE(s.maxDifficultyBox->text(), QStringLiteral("3"));
        QCOMPARE(ctx.settings.settings.loglevel, 0);
        QCOMPARE(ctx.settings.settings.mindif, 1);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QVERIFY(s.soundBox->isVisible() && !s.soundBox->isChecked());
        QCOMPARE(s.okButton->toolTip(), QStringLiteral("Click here to continue"));
        QCOMPARE(s.categoryList->toolTip(), QStringLiteral("Colored items are selected"));
        QCOMPARE(s.editButton->toolTip(), QStringLiteral("Change item data"));
        QCOMPARE(s.hofButton->toolTip(), QStringLiteral("Show Hall of Fame"));
        QCOMPARE(s.onlineButton->text(), QStringLiteral("Make online questions"));
        QCOMPARE(s.tabbedButton->text(), QStringLiteral("Make 50 tabbed questions"));
        QVERIFY(!QFile::exists(f.path(QString::fromLatin1(kSettingsFile))));
        QTest::mouseClick(s.okButton, Qt::LeftButton);
    }
    const Settings saved = reread(f);
    QCOMPARE(saved.nquestions, 10);
    QCOMPARE(saved.maxdif, 3);
    QCOMPARE(saved.mindif, 1);
    QCOMPARE(saved.loglevel, 0);
    QCOMPARE(saved.catenabled[6], -1);

    // With an export mode on, closing stores the screen's question limit.
    ctx.session.mode = RunMode::TabbedExport;
    {
        TestSetup s(ctx);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.questionsBox->selectAll();
        QTest::keyClicks(s.questionsBox, "4");
        QTest::mouseClick(s.okButton, Qt::LeftButton);
    }
    QCOMPARE(ctx.settings.settings.nquestions, 10);
    QCOMPARE(reread(f).nquestions, 10);
}

void TestGameWindows::scoreScreenCaptionAndResize()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.session.score = 15;
    ctx.session.possible = 20;
    ctx.session.percent = 75;
    const QString ini = f.path(QString::fromLatin1(kSettingsFile));
    ScoreWindow s(ctx.session);
    s.showRunningScore();
    QCOMPARE(s.scoreLabel->text(), QStringLiteral("Current score: 15 of 20  (75%)"));
    ctx.session.score = 20;
    ctx.session.possible = 25;
    ctx.session.percent = 80;
    s.showRunningScore();
    QCOMPARE(s.scoreLabel->text(), QStringLiteral("Current score: 20 of 25  (80%)"));
    QCOMPARE(s.okButton->text(), QStringLiteral("ok"));
    QCOMPARE(s.okButton->toolTip(), QStringLiteral("Click here when  ready to proceed"));
    QVERIFY(s.resultsBox->isReadOnly());
    QCOMPARE(s.resultsBox->y(), twips(&s, 1940));

    // At 96 dpi a pixel is 15 twips; the offscreen frame adds 2 px on each side.
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.resize(600, 400);
    QCOMPARE(s.frameGeometry().size(), QSize(604, 404));
    // Frame1: the outer size less 100 twips, but no more than stays inside the
    // window with its 8 px margin on each side; Text1 100 twips inside Frame1
    // and 400 twips narrower.
    QTRY_COMPARE(s.frame->size(), QSize(584, 384));
    QCOMPARE(s.resultsBox->x(), 15);
    QCOMPARE(s.resultsBox->width(), 557);
    const QRect wideText = s.resultsBox->geometry();

    s.resize(160, 300); // 2460 twips outside: narrower than 3000
    QTRY_COMPARE(s.frame->size(), QSize(144, 284));
    QCOMPARE(s.resultsBox->geometry(), wideText);
    for (int i = 0; i < 3; ++i) {
        s.resize(twips(&s, 6000 + 500 * i), twips(&s, 5000));
        QApplication::processEvents();
    }
    QVERIFY(!QFile::exists(ini)); // never remembered
    QCOMPARE(ctx.settings.settings.windowplaces[SlotScore].width, 0);
    QTest::mouseClick(s.okButton, Qt::LeftButton);
    QVERIFY(!s.isVisible());
}

void TestGameWindows::narrowQuestionWindowKeepsLayoutAndSize()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    const QString ini = QString::fromLatin1(kSettingsFile);
    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    MultipleChoiceWindow m(*question, f.parts());
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QApplication::processEvents();
    QCOMPARE(m.choices[4]->objectName(), QStringLiteral("choice4"));
    QCOMPARE(m.frame->width(), twips(&m, outerWidthTwips(&m) - 80));

    m.resize(twips(&m, 10000), twips(&m, 7500));
    QTRY_COMPARE(ctx.settings.settings.windowplaces[SlotMultipleChoice].width, outerWidthTwips(&m));
    QCOMPARE(reread(f).windowplaces[SlotMultipleChoice].height, outerHeightTwips(&m));
    const int frameWidth = toTwips(&m, m.frame->width());
    QCOMPARE(m.choices[2]->width(), twips(&m, frameWidth - 400));
    QCOMPARE(m.questionLabel->width(), twips(&m, frameWidth - 400));
    // Nothing overlaps: each choice ends above the next, the last above the buttons.
    for (int i = 0; i < 4; ++i)
        QVERIFY(m.choices[i]->geometry().bottom() < m.choices[i + 1]->geometry().top());
    QVERIFY(m.choices[4]->geometry().bottom() < m.helpButton->geometry().top());
    QVERIFY(m.helpButton->geometry().right() < m.skipButton->geometry().left());

    QList<QRect> wide;
    for (auto* c : m.choices)
        wide << c->geometry();
    const QRect wideLabel = m.questionLabel->geometry();
    const QByteArray saved = f.read(ini);
    m.resize(twips(&m, 2800), twips(&m, 5000)); // the frame is now under 3000
    QTRY_COMPARE(m.frame->width(), twips(&m, outerWidthTwips(&m) - 80));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(m.choices[i]->geometry(), wide[i]);
    QCOMPARE(m.questionLabel->geometry(), wideLabel);
    QCOMPARE(f.read(ini), saved);
    m.close();
}

// The multiple-choice screen shares its remembered size with the lower
// quotation screen: opened at that size, its buttons are still inside it.
void TestGameWindows::choiceButtonsInsideAtSharedSize()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    ctx.settings.settings.windowplaces[SlotMultipleChoice] = {0, 0, 6345, 8625}; // the quotation screen's
    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    MultipleChoiceWindow m(*question, f.parts());
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QApplication::processEvents();
    for (const QWidget* button : {static_cast<QWidget*>(m.helpButton), static_cast<QWidget*>(m.skipButton)})
        QVERIFY2(m.rect().contains(QRect(button->mapTo(&m, QPoint(0, 0)), button->size())),
                 qPrintable(button->objectName()));
    m.close();
}

// Opened again and again with nothing else changing, a question window comes
// back at the outer size it stored, and stores that size unchanged.
void TestGameWindows::questionWindowKeepsItsSize()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    ctx.settings.settings.windowplaces[SlotMultipleChoice] = {0, 0, 7500, 9000};
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0); // 15 twips a pixel
    for (int opening = 1; opening <= 10; ++opening) {
        const auto question = f.question<MultipleChoiceModel>(1);
        QVERIFY(question);
        MultipleChoiceWindow m(*question, f.parts());
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QApplication::processEvents();
        QCOMPARE(m.frameGeometry().size(), QSize(600, 500));
        QCOMPARE(ctx.settings.settings.windowplaces[SlotMultipleChoice].width, 9000);
        QCOMPARE(ctx.settings.settings.windowplaces[SlotMultipleChoice].height, 7500);
        const Settings saved = reread(f);
        QCOMPARE(saved.windowplaces[SlotMultipleChoice].width, 9000);
        QCOMPARE(saved.windowplaces[SlotMultipleChoice].height, 7500);
        m.close();
    }
}

// Restoring a shown window to a size that differs in width and height
// rewrites the settings file once, with the restored size.
void TestGameWindows::restoreOfShownWindowSavesOnce()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    MultipleChoiceWindow m(*question, f.parts());
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    ctx.settings.settings.windowplaces[SlotMultipleChoice] = {0, 0, 7500, 9750};
    FileWrites ini(ctx.dir, QString::fromLatin1(kSettingsFile));
    applyWindowSize(ctx.sizes, ctx.messages, &m, SlotMultipleChoice, SizeMode::Restore);
    QApplication::processEvents();
    QCOMPARE(ini.count(), 1);
    QCOMPARE(m.frameGeometry().size(), QSize(650, 500));
    const Settings saved = reread(f);
    QCOMPARE(saved.windowplaces[SlotMultipleChoice].width, 9750);
    QCOMPARE(saved.windowplaces[SlotMultipleChoice].height, 7500);
    m.close();
}

// Opening a question window at the size it remembered, or saving settings the
// file already holds, leaves brev.INI untouched; a real change is written.
void TestGameWindows::unchangedSettingsAreNotWritten()
{
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    {
        MultipleChoiceWindow m(*question, f.parts()); // the first opening stores the window's size
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        m.close();
    }
    QFile ini(f.path(QString::fromLatin1(kSettingsFile)));
    QVERIFY(ini.open(QIODevice::ReadWrite));
    const QDateTime old = QDateTime::fromSecsSinceEpoch(1600000000);
    QVERIFY(ini.setFileTime(old, QFileDevice::FileModificationTime));
    ini.close();
    for (int opening = 1; opening <= 2; ++opening) {
        MultipleChoiceWindow m(*question, f.parts());
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QApplication::processEvents();
        m.close();
    }
    QCOMPARE(ctx.settings.save(), std::nullopt);
    QCOMPARE(QFileInfo(ini).lastModified(), old);

    SettingsStore again(ctx.dir); // a run that read the file
    QCOMPARE(again.load(), std::nullopt);
    QCOMPARE(again.save(), std::nullopt);
    QCOMPARE(QFileInfo(ini).lastModified(), old);
    again.settings.maxdif = 2;
    QCOMPARE(again.save(), std::nullopt);
    QVERIFY(QFileInfo(ini).lastModified() != old);
    QCOMPARE(reread(f).maxdif, 2);
}

// Each question window takes one answer: a second one, given while the first
// one's score screen is open, scores, plays and shows nothing more.
void TestGameWindows::secondAnswerScoresNothing_data()
{
    QTest::addColumn<int>("category");
    QTest::newRow("multiple choice") << 1;
    QTest::newRow("quotation") << kQuoteCategory;
    QTest::newRow("odd one out") << 25;
    QTest::newRow("sorting") << 12;
    QTest::newRow("matching") << 7;
    QTest::newRow("portrait matching") << 11;
    QTest::newRow("Name Me") << 21;
}

void TestGameWindows::secondAnswerScoresNothing()
{
    QFETCH(int, category);
    Fixture f;
    Program& ctx = *f.program;
    QCOMPARE(readRecords(ctx.records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    ctx.session.resetUsage(ctx.records.inPlay());
    ctx.settings.settings.maxdif = 3;
    ctx.settings.settings.soundon = -1;
    for (int n = 0; n < 10; ++n)
        ctx.sounds.setFile(n, QStringLiteral("s%1.wav").arg(n));
    GameSession judged;
    qsizetype sounds = -1;
    int moreScreens = 0;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) { answer(w, ctx.records, false); });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        judged.score = ctx.session.score;
        judged.possible = ctx.session.possible;
        sounds = f.sound->played.size();
        QTimer closer; // a second score screen would wait for its button
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* m = QApplication::activeModalWidget(); m && m != s) {
                ++moreScreens;
                m->close();
            }
        });
        closer.start(10);
        answer(s->parentWidget(), ctx.records, true);
        QApplication::processEvents();
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(f.game().ask(ui, category).asked, Asked::Yes);
    QVERIFY(driver.done());
    QVERIFY(judged.possible > 0);
    QCOMPARE(moreScreens, 0);
    QCOMPARE(ctx.session.score, judged.score);
    QCOMPARE(ctx.session.possible, judged.possible);
    QCOMPARE(f.sound->played.size(), sounds);
}

// No dialog has a default button: Enter in a box commits it and the dialog
// stays open until its own button or the close box.
void TestGameWindows::enterLeavesDialogOpen_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("box");
    QTest::newRow("setup, questions per game") << "setup"
                                               << "nquestion";
    QTest::newRow("setup, maximum difficulty") << "setup"
                                               << "tmaxdif";
    QTest::newRow("score screen, result text") << "showscor"
                                               << "Text1";
    // (Enter on a choice answers, as Space does: see enterPressesTheFocusedButton.)
}

void TestGameWindows::enterLeavesDialogOpen()
{
    QFETCH(QString, dialog);
    QFETCH(QString, box);
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    std::unique_ptr<QDialog> d;
    if (dialog == QLatin1String("setup"))
        d = std::make_unique<TestSetup>(ctx);
    else
        d = std::make_unique<ScoreWindow>(ctx.session);
    d->show();
    QVERIFY(QTest::qWaitForWindowExposed(d.get()));
    auto* target = d->findChild<QWidget*>(box);
    QVERIFY(target);
    target->setFocus();
    if (auto* edit = qobject_cast<QLineEdit*>(target)) {
        edit->selectAll();
        QTest::keyClicks(edit, "2");
    }
    QTest::keyClick(target, Qt::Key_Return);
    QTest::keyClick(target, Qt::Key_Enter);
    QApplication::processEvents();
    QVERIFY(d->isVisible());
    if (auto* edit = qobject_cast<QLineEdit*>(target))
        QCOMPARE(edit->text(), QStringLiteral("2"));
    const QList<QPushButton*> buttons = d->findChildren<QPushButton*>();
    for (const QPushButton* b : buttons)
        QVERIFY2(!b->isDefault(), qPrintable(b->objectName()));
    d->close();
}

// Enter acts on a focused button as Space does, never on a text box (but the
// name entry's name, see tst_hofwindows): the score screen's ok, the name
// entry's buttons, a choice, a matching bar.
void TestGameWindows::enterPressesTheFocusedButton()
{
    installEnterPressesButtons();
    Fixture f;
    prepare(f);
    Program& ctx = *f.program;
    ScoreWindow score(ctx.session);
    score.show();
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    score.okButton->setFocus();
    QTest::keyClick(score.okButton, Qt::Key_Return);
    QVERIFY(!score.isVisible());

    TestNameEntry entry(ctx, 1);
    entry.show();
    QVERIFY(QTest::qWaitForWindowExposed(&entry));
    entry.emailBox->setFocus();
    QTest::keyClick(entry.emailBox, Qt::Key_Return); // typing the address, not leaving
    QVERIFY(entry.isVisible());
    entry.websiteButton->setFocus();
    QTest::keyClick(entry.websiteButton, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!entry.isVisible());
    QVERIFY(entry.online());

    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    ModalDriver driver;
    driver.then([](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, choices, w);
        const int right = choices->answerSlot();
        choices->choices[right]->setFocus();
        QTest::keyClick(choices->choices[right], Qt::Key_Return);
    });
    driver.then([](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        s->accept();
    });
    QCOMPARE(askInWindow(ctx, *question), Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(ctx.session.score, 5);

    const auto matching = f.question<MatchModel>(7);
    QVERIFY(matching);
    MatchWindow match(*matching, f.parts());
    match.show();
    QVERIFY(QTest::qWaitForWindowExposed(&match));
    match.bars[2]->setFocus();
    QTest::keyClick(match.bars[2], Qt::Key_Return);
    QVERIFY(match.bars[2]->held());
    QTest::keyClick(match.descriptions[1], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(match.model().placedBar(1), 2);
    match.reject();
}

QTEST_MAIN(TestGameWindows)
#include "tst_gamewindows.moc"
