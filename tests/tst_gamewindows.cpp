// The game's windows driven as a player would: whole games of multiple-choice
// questions, skip, keyboard selection, the no-category and exhausted-category
// paths, the export lines, the setup screen and the score screen.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "store/brevmain.h"
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
#include "testsupport.h"

#include <QApplication>
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
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

// The settings as a fresh start of the program would read them from the file.
Settings reread(const Fixture& f)
{
    Fixture other;
    other.ctx->dir = f.ctx->dir;
    loadsettings(*other.ctx);
    return other.ctx->settings;
}

QString scoreLine(int score, int possible, int percent)
{
    return QStringLiteral("Current score: %1 of %2  (%3%)").arg(score).arg(possible).arg(percent);
}

const QString kNoCategory = QStringLiteral(
    "0No questions possible with current selections.  Change difficulty levels or question types");

#define EXPECT_WINDOW(Type, var, w)                                                            \
    auto* var = qobject_cast<Type*>(w);                                                        \
    if (!var) {                                                                                \
        w->close();                                                                            \
        QFAIL("expected the " #Type " window, got " + w->objectName().toLatin1());             \
    }

void prepare(Fixture& f)
{
    f.loadSampleRecords();
    fillHallOfFame(*f.ctx);
    f.ctx->settings.soundon = -1;
    f.ctx->sndfiles[5] = QStringLiteral("right.wav");
    f.ctx->sndfiles[8] = QStringLiteral("wrong.wav");
}

// One answer in the question window w: a click on a choice (again: Space on
// another), "Done", or the letters of the hidden name (again: its first one).
void answer(QWidget* w, const AppContext& ctx, bool again)
{
    if (auto* c = qobject_cast<ChoiceWindow*>(w)) {
        if (again)
            QTest::keyClick(c->choice[1], Qt::Key_Space);
        else
            QTest::mouseClick(c->choice[0], Qt::LeftButton);
    } else if (auto* o = qobject_cast<OddOneOutWindow*>(w)) {
        QTest::mouseClick(o->Option1[again ? 1 : 0], Qt::LeftButton);
    } else if (auto* q = qobject_cast<brev::SortWindow*>(w)) {
        QTest::mouseClick(q->Command1, Qt::LeftButton);
    } else if (auto* m = qobject_cast<MatchWindow*>(w)) {
        QTest::mouseClick(m->Command1, Qt::LeftButton);
    } else if (auto* p = qobject_cast<PortraitMatchWindow*>(w)) {
        QTest::mouseClick(p->Command1, Qt::LeftButton);
    } else if (auto* n = qobject_cast<NameMeWindow*>(w)) {
        const QString name = ctx.presidents[size_t(n->model().record())].name;
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
    AppContext& ctx = *f.ctx;
    for (int k = 1; k <= 3; ++k)
        ctx.settings.catenabled[k] = -1;
    ctx.settings.nquestions = 5;
    ctx.settings.maxdif = 2;
    newlog(ctx);

    // Right, wrong, right (with the right mouse button), right, wrong (the fifth choice).
    const bool right[5] = {true, false, true, true, false};
    QStringList expectedLog;
    std::vector<int> expectedUse;
    int score = 0, possible = 0;
    int windowWidth = 0;

    WindowGameUi ui(ctx);
    ModalDriver driver;
    for (int q = 0; q < 5; ++q) {
        driver.then([&, q](QWidget* w) {
            EXPECT_WINDOW(MultipleChoiceWindow, m, w);
            windowWidth = outerWidthTwips(m);
            const int slot = m->answerSlot();
            QVERIFY(slot >= 0 && slot <= 3);
            QCOMPARE(m->windowTitle(), QStringLiteral("Multiple Choice"));
            const QString question = m->Label1->text();
            const QString answer = m->choice[slot]->text();
            QCOMPARE(question, getquestion(ctx, TextKind::Question, ctx.game.chosen[slot], ctx.game.category));
            for (int i = 0; i < 5; ++i)
                QCOMPARE(m->choice[i]->text(), getquestion(ctx, TextKind::Answer, ctx.game.chosen[i], ctx.game.category));
            expectedLog << QStringLiteral("---- Question %1").arg(q + 1)
                        << QStringLiteral("Multiple Choice");
            expectedUse = ctx.game.itemUse;
            const int pick = right[q] ? slot : (q == 4 ? 4 : (slot + 1) % 4);
            if (right[q]) {
                expectedUse[ctx.game.chosen[pick]] += 4;
                score += 5;
            } else {
                expectedLog << question + QLatin1Char(' ') + answer;
                for (int r : {ctx.game.chosen[pick], ctx.game.chosen[slot]})
                    expectedUse[r] = qMax(0, expectedUse[r] - 1);
            }
            possible += 5;
            QTest::mouseClick(m->choice[pick], q == 2 ? Qt::RightButton : Qt::LeftButton);
        });
        driver.then([&, q](QWidget* w) {
            EXPECT_WINDOW(ScoreWindow, s, w);
            QCOMPARE(s->windowTitle(), QStringLiteral("Score"));
            QCOMPARE(s->Label1->text(), "Results for " + ctx.catnames[ctx.game.category]);
            if (right[q])
                QCOMPARE(s->Text1->toPlainText(), QStringLiteral(" Correct, +5 pts"));
            else
                QVERIFY(s->Text1->toPlainText().startsWith(QStringLiteral("Sorry, the answer was ")));
            QCOMPARE(s->Label2->text(), scoreLine(score, possible, score * 100 / possible));
            QCOMPARE(ctx.game.itemUse, expectedUse);
            QTest::mouseClick(s->Command1, Qt::LeftButton);
        });
    }
    playgame(ctx, ui);
    QVERIFY(driver.done());

    QCOMPARE(ctx.game.score, 15);
    QCOMPARE(ctx.game.possible, 25);
    QCOMPARE(ctx.game.percent, 60);
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

void TestGameWindows::skipChangesNothing()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    ctx.game.score = 10;
    ctx.game.possible = 15;
    ctx.game.percent = 66;
    std::vector<int> afterLoad;
    QByteArray logAfterLoad;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        afterLoad = ctx.game.itemUse;
        logAfterLoad = f.read(QString::fromLatin1(kLogFile));
        QCOMPARE(m->Command1->text(), QStringLiteral("skip"));
        QTest::mouseClick(m->Command1, Qt::LeftButton);
    });
    askquestion(ctx, ui, 2);
    QVERIFY(driver.done());
    QCOMPARE(ctx.game.score, 10);
    QCOMPARE(ctx.game.possible, 15);
    QCOMPARE(ctx.game.percent, 66);
    QCOMPARE(ctx.game.itemUse, afterLoad);
    QCOMPARE(f.read(QString::fromLatin1(kLogFile)), logAfterLoad);
    QVERIFY(f.sound->played.isEmpty());
    QVERIFY(f.messages->texts.isEmpty());
}

void TestGameWindows::keyboardSelectionDoesNotAnswer()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    bool stillOpen = false;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        m->choice[0]->setFocus();
        for (int i = 0; i < 3; ++i)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Up);
        QApplication::processEvents();
        int checked = 0;
        for (auto* c : m->choice)
            checked += c->isChecked() ? 1 : 0;
        QCOMPARE(checked, 1);   // the arrows moved the selection...
        QCOMPARE(QApplication::focusWidget(), m->choice[2]);
        stillOpen = m->isVisible() && QApplication::activeModalWidget() == m;
        QCOMPARE(ctx.game.possible, 0);   // ...but judged nothing
        m->choice[m->answerSlot()]->setFocus();
        QTest::keyClick(m->choice[m->answerSlot()], Qt::Key_Space);   // Space picks the focused choice
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    askquestion(ctx, ui, 1);
    QVERIFY(driver.done());
    QVERIFY(stillOpen);
    QCOMPARE(ctx.game.score, 5);
    QCOMPARE(ctx.game.possible, 5);
    QCOMPARE(f.sound->played, QStringList{f.path("right.wav")});
}

void TestGameWindows::noCategoryLeadsToSetupAndContinues()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    ctx.settings.nquestions = 1;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(SetupDialog, s, w);
        QCOMPARE(f.messages->texts, QStringList{kNoCategory});
        s->List1->item(2)->setSelected(true);   // "When was this president born?"
        QTest::mouseClick(s->cmdOK, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        QCOMPARE(ctx.game.category, 3);
        QTest::mouseClick(m->choice[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    playgame(ctx, ui);
    QVERIFY(driver.done());
    QCOMPARE(f.messages->texts,
             (QStringList{kNoCategory, "You scored 5 out of 5 (100%)\r\nScore adjusted for difficulty: 5"}));
    QCOMPARE(ctx.settings.catenabled[3], -1);
    QCOMPARE(reread(f).catenabled[3], -1);
}

void TestGameWindows::exhaustedCategoryIsSwitchedOff()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    for (int i = 4; i <= kRecords; ++i)
        ctx.presidents.edit(i).vice = QStringLiteral("n/a");   // too short for the vice categories
    ctx.settings.catenabled[1] = -1;
    ctx.settings.catenabled[2] = -1;
    ctx.game.score = 5;
    ctx.game.possible = 10;
    bool listShowsItOff = false;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(SetupDialog, s, w);
        listShowsItOff = !s->List1->item(1)->isSelected() && s->List1->item(0)->isSelected();
        QTest::mouseClick(s->cmdOK, Qt::LeftButton);
    });
    askquestion(ctx, ui, 2);
    QVERIFY(driver.done());
    QVERIFY(listShowsItOff);
    QCOMPARE(f.messages->texts,
             QStringList{"Current set doesn't provide enough items for Who was this president's "
                         "Vice President?. Use another question type or change difficulty level "
                         "to include more."});
    QCOMPARE(ctx.settings.catenabled[2], 0);
    QCOMPARE(ctx.settings.catenabled[1], -1);
    QCOMPARE(reread(f).catenabled[2], 0);
    QCOMPARE(ctx.game.chosen[0], 0);
    QCOMPARE(ctx.game.score, 5);
    QCOMPARE(ctx.game.possible, 10);
    QVERIFY(f.sound->played.isEmpty());
}

void TestGameWindows::exportModesWriteTheirLines()
{
    for (int mode = 0; mode < 2; ++mode) {
        Fixture f;
        prepare(f);
        AppContext& ctx = *f.ctx;
        ctx.settings.loglevel = mode == 0 ? 2 : 0;   // 0: a header at level 1 would show
        (mode == 0 ? ctx.game.onlineQuestionMode : ctx.game.tabbedQuestionMode) = -1;
        QStringList expected;
        WindowGameUi ui(ctx);
        ModalDriver driver;
        driver.then([&](QWidget* w) {
            EXPECT_WINDOW(MultipleChoiceWindow, m, w);
            QStringList captions;
            for (auto* c : m->choice)
                captions << c->text();
            const QString number = QString::number(m->answerSlot() + 1);
            if (mode == 0)
                expected << "MULT" << ctx.catnames[1] << captions << m->Label1->text() << " " + number;
            else
                expected << m->Label1->text() + "\t" + captions.mid(0, 4).join("\t") + "\t" + number;
            QTest::mouseClick(m->Command1, Qt::LeftButton);
        });
        askquestion(ctx, ui, 1);
        QVERIFY(driver.done());
        QCOMPARE(f.logLines(), expected);
        QCOMPARE(ctx.game.questionsWritten, mode == 0 ? 0 : 1);
    }
}

void TestGameWindows::helpMessage()
{
    Fixture f;
    prepare(f);
    f.ctx->game.category = 3;
    MultipleChoiceWindow m(*f.ctx);
    QCOMPARE(m.cmdhelp->text(), QStringLiteral("help"));
    QTest::mouseClick(m.cmdhelp, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"Click on the best description.\r\n"
                                            "Click on skip to move to the next question"});
    QCOMPARE(f.ctx->game.possible, 0);
}

void TestGameWindows::setupClampsAndSaves()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.settings.nquestions = 7;
    ctx.settings.maxdif = 3;
    ctx.settings.catenabled[4] = 7;     // any non-zero value is on
    ctx.settings.catenabled[18] = -1;
    ctx.settings.catenabled[20] = 9;    // not on the list: left alone
    SetupDialog s(ctx);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QCOMPARE(s.windowTitle(), QStringLiteral("Brevallo Game Setup"));
    QCOMPARE(s.List1->count(), 18);
    QCOMPARE(s.List1->item(0)->text(), ctx.catnames[1]);
    QVERIFY(s.List1->item(3)->isSelected());
    QVERIFY(s.List1->item(17)->isSelected());
    QVERIFY(!s.List1->item(0)->isSelected());

    auto type = [](QLineEdit* box, const QString& keys) {
        box->setFocus();
        box->selectAll();
        QTest::keyClicks(box, keys);
        return box->text();
    };
    QCOMPARE(type(s.nquestion, "15"), QStringLiteral("10"));
    QCOMPARE(type(s.nquestion, "0"), QStringLiteral("1"));
    QCOMPARE(type(s.nquestion, "-3"), QStringLiteral("1"));
    QCOMPARE(type(s.nquestion, "6"), QStringLiteral("6"));
    QTest::keyClicks(s.nquestion, "x");                 // not a number: the last one stays
    QCOMPARE(s.nquestion->text(), QStringLiteral("6"));
    QCOMPARE(type(s.nquestion, "99999999999"), QStringLiteral("10"));   // each key clamps as typed
    s.nquestion->selectAll();
    QTest::keyClick(s.nquestion, Qt::Key_Backspace);    // an empty box while typing...
    QCOMPARE(s.nquestion->text(), QString());
    QTest::keyClick(s.nquestion, Qt::Key_Tab);          // ...shows its number again when left
    QCOMPARE(s.nquestion->text(), QStringLiteral("10"));
    QCOMPARE(type(s.nquestion, "6"), QStringLiteral("6"));

    QCOMPARE(s.tmaxdif->text(), QStringLiteral("3"));
    QTest::mouseClick(s.UpDown3->up, Qt::LeftButton);
    QCOMPARE(s.tmaxdif->text(), QStringLiteral("3"));
    QCOMPARE(type(s.tmaxdif, "5"), QStringLiteral("3"));
    for (int i = 0; i < 4; ++i)
        QTest::mouseClick(s.UpDown3->down, Qt::LeftButton);
    QCOMPARE(s.tmaxdif->text(), QStringLiteral("1"));
    QTest::mouseClick(s.UpDown3->up, Qt::LeftButton);
    QCOMPARE(s.tmaxdif->text(), QStringLiteral("2"));
    for (int i = 0; i < 3; ++i)
        QTest::mouseClick(s.UpDown1->up, Qt::LeftButton);
    QCOMPARE(s.nquestion->text(), QStringLiteral("9"));
    for (int i = 0; i < 2; ++i)
        QTest::mouseClick(s.UpDown1->up, Qt::LeftButton);
    QCOMPARE(s.nquestion->text(), QStringLiteral("10"));

    QTest::mouseClick(s.Check1, Qt::LeftButton);
    QCOMPARE(ctx.settings.soundon, 1);
    s.List1->item(3)->setSelected(false);
    s.List1->item(0)->setSelected(true);

    f.write(QStringLiteral("brevhelp.txt"), "How to play\r\n");
    QTest::mouseClick(s.cmdhelp, Qt::LeftButton);
    QWidget* help = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        help = w->objectName() == QLatin1String("textviewer") && w->isVisible() ? w : help;
    QVERIFY(help);
    QVERIFY(f.shell->urls.isEmpty());
    help->close();

    s.close();                                          // the close box saves as OK does
    QVERIFY(!s.isVisible());
    const Settings saved = reread(f);
    for (const Settings* st : std::array<const Settings*, 2>{&ctx.settings, &saved}) {
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
    QCOMPARE(ctx.settings.catenabled[20], 9);
}

void TestGameWindows::bonusTickKeptOutsideSettings()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    {
        SetupDialog s(ctx);
        s.show();
        QVERIFY(!s.chkBonus->isChecked());
        QTest::mouseClick(s.chkBonus, Qt::LeftButton);
        QVERIFY(ctx.bonusQuestions);
        QCOMPARE(ctx.settings.catenabled[25], -1);
        QTest::mouseClick(s.cmdOK, Qt::LeftButton);
    }
    QVERIFY(f.read(QStringLiteral("brevplus.ini")).contains("bonusQuestions=true"));
    QCOMPARE(f.read(QStringLiteral("brev.INI")).count("\r\n"), 32);
    SetupDialog again(ctx);
    QVERIFY(again.chkBonus->isChecked());
}

// Unticking "Presidents after 1993" takes the add-on's records out of the
// very next game, without a restart, and is kept in brevplus.ini.
void TestGameWindows::laterPresidentsUntickedForTheNextGame()
{
    Fixture f(4);
    AppContext& ctx = *f.ctx;
    QCOMPARE(readdata(ctx, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    QCOMPARE(readAddOn(ctx, QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), true), std::nullopt);
    QCOMPARE(ctx.nrecords, 45);
    for (int k = 1; k <= 18; ++k)
        ctx.settings.catenabled[size_t(k)] = -1;
    {
        SetupDialog s(ctx);
        s.show();
        QVERIFY(s.chkLater->isChecked());
        QTest::mouseClick(s.chkLater, Qt::LeftButton);
        QTest::mouseClick(s.cmdOK, Qt::LeftButton);
    }
    QVERIFY(f.read(QStringLiteral("brevplus.ini")).contains("laterPresidents=false"));
    struct Recorder : ExportGameUi {
        using ExportGameUi::ExportGameUi;
        Asked openScreen(Screen screen) override
        {
            ctx().game.chosen.fill(0);
            const Asked a = ExportGameUi::openScreen(screen);
            for (int r : ctx().game.chosen)
                latest = std::max(latest, r);
            return a;
        }
        AppContext& ctx() { return *context; }
        AppContext* context = nullptr;
        int latest = 0;
    } ui(ctx);
    ui.context = &ctx;
    ctx.settings.nquestions = 60;
    nextquestion(ctx, ui);
    QVERIFY(ui.latest > 30);
    QVERIFY(ui.latest <= 41);
}

void TestGameWindows::setupLoadNormalisesAndExportKeepsLimit()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.settings.nquestions = 12;      // left by an export
    ctx.settings.maxdif = 9;
    ctx.settings.mindif = 3;
    ctx.settings.loglevel = 2;
    ctx.settings.catenabled[6] = 1;
    {
        SetupDialog s(ctx);
        QCOMPARE(s.nquestion->text(), QStringLiteral("10"));
        QCOMPARE(s.tmaxdif->text(), QStringLiteral("3"));
        QCOMPARE(ctx.settings.loglevel, 0);
        QCOMPARE(ctx.settings.mindif, 1);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QVERIFY(s.Check1->isVisible() && !s.Check1->isChecked());
        QCOMPARE(s.cmdOK->toolTip(), QStringLiteral("Click here to continue"));
        QCOMPARE(s.List1->toolTip(), QStringLiteral("Colored items are selected"));
        QCOMPARE(s.cmdEdit->toolTip(), QStringLiteral("Change item data"));
        QCOMPARE(s.cmdhof->toolTip(), QStringLiteral("Show Hall of Fame"));
        QCOMPARE(s.cmdmakeq->text(), QStringLiteral("Make online questions"));
        QCOMPARE(s.cmdTabbed->text(), QStringLiteral("Make 50 tabbed questions"));
        QVERIFY(!QFile::exists(f.path(QString::fromLatin1(kSettingsFile))));
        QTest::mouseClick(s.cmdOK, Qt::LeftButton);
    }
    const Settings saved = reread(f);
    QCOMPARE(saved.nquestions, 10);
    QCOMPARE(saved.maxdif, 3);
    QCOMPARE(saved.mindif, 1);
    QCOMPARE(saved.loglevel, 0);
    QCOMPARE(saved.catenabled[6], -1);

    // With an export mode on, closing stores the screen's question limit.
    ctx.game.tabbedQuestionMode = -1;
    {
        SetupDialog s(ctx);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        s.nquestion->selectAll();
        QTest::keyClicks(s.nquestion, "4");
        QTest::mouseClick(s.cmdOK, Qt::LeftButton);
    }
    QCOMPARE(ctx.settings.nquestions, 10);
    QCOMPARE(reread(f).nquestions, 10);
}

void TestGameWindows::scoreScreenCaptionAndResize()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.game.score = 15;
    ctx.game.possible = 20;
    ctx.game.percent = 75;
    const QString ini = f.path(QString::fromLatin1(kSettingsFile));
    ScoreWindow s(ctx);
    QCOMPARE(s.Label2->text(), QStringLiteral("Current score: 15 of 20  (75%)"));
    ctx.game.score = 20;
    ctx.game.possible = 25;
    ctx.game.percent = 80;
    s.scoreCaption();
    QCOMPARE(s.Label2->text(), QStringLiteral("Current score: 20 of 25  (80%)"));
    QCOMPARE(s.Command1->text(), QStringLiteral("ok"));
    QCOMPARE(s.Command1->toolTip(), QStringLiteral("Click here when  ready to proceed"));
    QVERIFY(s.Text1->isReadOnly());
    QCOMPARE(s.Text1->y(), twips(&s, 1940));

    // At 96 dpi a pixel is 15 twips; the offscreen frame adds 2 px on each side.
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    s.resize(600, 400);
    QCOMPARE(s.frameGeometry().size(), QSize(604, 404));
    // Frame1: the outer size less 100 twips, but no more than stays inside the
    // window with its 8 px margin on each side; Text1 100 twips inside Frame1
    // and 400 twips narrower.
    QTRY_COMPARE(s.Frame1->size(), QSize(584, 384));
    QCOMPARE(s.Text1->x(), 15);
    QCOMPARE(s.Text1->width(), 557);
    const QRect wideText = s.Text1->geometry();

    s.resize(160, 300);                                 // 2460 twips outside: narrower than 3000
    QTRY_COMPARE(s.Frame1->size(), QSize(144, 284));
    QCOMPARE(s.Text1->geometry(), wideText);
    for (int i = 0; i < 3; ++i) {
        s.resize(twips(&s, 6000 + 500 * i), twips(&s, 5000));
        QApplication::processEvents();
    }
    QVERIFY(!QFile::exists(ini));                       // never remembered
    QCOMPARE(ctx.settings.windowplaces[SlotScore].width, 0);
    QTest::mouseClick(s.Command1, Qt::LeftButton);
    QVERIFY(!s.isVisible());
}

void TestGameWindows::narrowQuestionWindowKeepsLayoutAndSize()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    ctx.game.category = 1;
    const QString ini = QString::fromLatin1(kSettingsFile);
    MultipleChoiceWindow m(ctx);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QApplication::processEvents();
    QCOMPARE(m.choice[4]->objectName(), QStringLiteral("choice4"));
    QCOMPARE(m.Frame1->width(), twips(&m, outerWidthTwips(&m) - 80));

    m.resize(twips(&m, 10000), twips(&m, 7500));
    QTRY_COMPARE(ctx.settings.windowplaces[SlotMultipleChoice].width, outerWidthTwips(&m));
    QCOMPARE(reread(f).windowplaces[SlotMultipleChoice].height, outerHeightTwips(&m));
    const int frameWidth = toTwips(&m, m.Frame1->width());
    QCOMPARE(m.choice[2]->width(), twips(&m, frameWidth - 400));
    QCOMPARE(m.Label1->width(), twips(&m, frameWidth - 400));
    // Nothing overlaps: each choice ends above the next, the last above the buttons.
    for (int i = 0; i < 4; ++i)
        QVERIFY(m.choice[i]->geometry().bottom() < m.choice[i + 1]->geometry().top());
    QVERIFY(m.choice[4]->geometry().bottom() < m.cmdhelp->geometry().top());
    QVERIFY(m.cmdhelp->geometry().right() < m.Command1->geometry().left());

    QList<QRect> wide;
    for (auto* c : m.choice)
        wide << c->geometry();
    const QRect wideLabel = m.Label1->geometry();
    const QByteArray saved = f.read(ini);
    m.resize(twips(&m, 2800), twips(&m, 5000));         // the frame is now under 3000
    QTRY_COMPARE(m.Frame1->width(), twips(&m, outerWidthTwips(&m) - 80));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(m.choice[i]->geometry(), wide[i]);
    QCOMPARE(m.Label1->geometry(), wideLabel);
    QCOMPARE(f.read(ini), saved);
    m.close();
}

// The multiple-choice screen shares its remembered size with the lower
// quotation screen: opened at that size, its buttons are still inside it.
void TestGameWindows::choiceButtonsInsideAtSharedSize()
{
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    ctx.game.category = 1;
    ctx.settings.windowplaces[SlotMultipleChoice] = {0, 0, 6345, 8625};   // the quotation screen's
    MultipleChoiceWindow m(ctx);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QApplication::processEvents();
    for (const QWidget* button : {static_cast<QWidget*>(m.cmdhelp), static_cast<QWidget*>(m.Command1)})
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
    AppContext& ctx = *f.ctx;
    ctx.game.category = 1;
    ctx.settings.windowplaces[SlotMultipleChoice] = {0, 0, 7500, 9000};
    QCOMPARE(QGuiApplication::primaryScreen()->logicalDotsPerInchY(), 96.0);   // 15 twips a pixel
    for (int opening = 1; opening <= 10; ++opening) {
        MultipleChoiceWindow m(ctx);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QApplication::processEvents();
        QCOMPARE(m.frameGeometry().size(), QSize(600, 500));
        QCOMPARE(ctx.settings.windowplaces[SlotMultipleChoice].width, 9000);
        QCOMPARE(ctx.settings.windowplaces[SlotMultipleChoice].height, 7500);
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
    AppContext& ctx = *f.ctx;
    ctx.game.category = 1;
    MultipleChoiceWindow m(ctx);
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    ctx.settings.windowplaces[SlotMultipleChoice] = {0, 0, 7500, 9750};
    FileWrites ini(ctx.dir, QString::fromLatin1(kSettingsFile));
    sizeform(ctx, &m, SlotMultipleChoice, SizeMode::Restore);
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
    AppContext& ctx = *f.ctx;
    ctx.game.category = 1;
    {
        MultipleChoiceWindow m(ctx);   // the first opening stores the window's size
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
        MultipleChoiceWindow m(ctx);
        m.show();
        QVERIFY(QTest::qWaitForWindowExposed(&m));
        QApplication::processEvents();
        m.close();
    }
    QCOMPARE(savesettings(ctx), std::nullopt);
    QCOMPARE(QFileInfo(ini).lastModified(), old);

    Fixture again;   // a run that read the file
    again.ctx->dir = ctx.dir;
    loadsettings(*again.ctx);
    QCOMPARE(savesettings(*again.ctx), std::nullopt);
    QCOMPARE(QFileInfo(ini).lastModified(), old);
    again.ctx->settings.maxdif = 2;
    QCOMPARE(savesettings(*again.ctx), std::nullopt);
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
    AppContext& ctx = *f.ctx;
    QCOMPARE(readdata(ctx, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    ctx.game.itemUse.assign(size_t(ctx.nrecords + 1), 0);
    ctx.settings.maxdif = 3;
    ctx.settings.soundon = -1;
    for (int n = 0; n < 10; ++n)
        ctx.sndfiles[size_t(n)] = QStringLiteral("s%1.wav").arg(n);
    GameState judged;
    qsizetype sounds = -1;
    int moreScreens = 0;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) { answer(w, ctx, false); });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        judged = ctx.game;
        sounds = f.sound->played.size();
        QTimer closer;   // a second score screen would wait for its button
        connect(&closer, &QTimer::timeout, [&] {
            if (QWidget* m = QApplication::activeModalWidget(); m && m != s) {
                ++moreScreens;
                m->close();
            }
        });
        closer.start(10);
        answer(s->parentWidget(), ctx, true);
        QApplication::processEvents();
        QTest::mouseClick(s->Command1, Qt::LeftButton);
    });
    QCOMPARE(askquestion(ctx, ui, category), Asked::Yes);
    QVERIFY(driver.done());
    QVERIFY(judged.possible > 0);
    QCOMPARE(moreScreens, 0);
    QCOMPARE(ctx.game.score, judged.score);
    QCOMPARE(ctx.game.possible, judged.possible);
    QCOMPARE(f.sound->played.size(), sounds);
}

// No dialog has a default button: Enter in a box commits it and the dialog
// stays open until its own button or the close box.
void TestGameWindows::enterLeavesDialogOpen_data()
{
    QTest::addColumn<QString>("dialog");
    QTest::addColumn<QString>("box");
    QTest::newRow("setup, questions per game") << "setup" << "nquestion";
    QTest::newRow("setup, maximum difficulty") << "setup" << "tmaxdif";
    QTest::newRow("score screen, result text") << "showscor" << "Text1";
    // (Enter on a choice answers, as Space does: see enterPressesTheFocusedButton.)
}

void TestGameWindows::enterLeavesDialogOpen()
{
    QFETCH(QString, dialog);
    QFETCH(QString, box);
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    ctx.game.category = 1;
    std::unique_ptr<QDialog> d;
    if (dialog == QLatin1String("setup"))
        d = std::make_unique<SetupDialog>(ctx);
    else if (dialog == QLatin1String("showscor"))
        d = std::make_unique<ScoreWindow>(ctx);
    else
        d = std::make_unique<MultipleChoiceWindow>(ctx);
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

// Enter acts on a focused button as Space does, never on a text box: the
// score screen's ok, the name entry's buttons, a choice, a matching bar.
void TestGameWindows::enterPressesTheFocusedButton()
{
    installEnterPressesButtons();
    Fixture f;
    prepare(f);
    AppContext& ctx = *f.ctx;
    ScoreWindow score(ctx);
    score.show();
    QVERIFY(QTest::qWaitForWindowExposed(&score));
    score.Command1->setFocus();
    QTest::keyClick(score.Command1, Qt::Key_Return);
    QVERIFY(!score.isVisible());

    NameEntryDialog entry(ctx, 1);
    entry.show();
    QVERIFY(QTest::qWaitForWindowExposed(&entry));
    entry.Name1->setFocus();
    QTest::keyClick(entry.Name1, Qt::Key_Return);   // typing the name, not leaving
    QVERIFY(entry.isVisible());
    entry.Command1->setFocus();
    QTest::keyClick(entry.Command1, Qt::Key_Enter, Qt::KeypadModifier);
    QVERIFY(!entry.isVisible());
    QVERIFY(entry.online());

    ctx.game.category = 1;
    MultipleChoiceWindow choices(ctx);
    choices.show();
    QVERIFY(QTest::qWaitForWindowExposed(&choices));
    const int right = choices.model().answerSlot();
    choices.choice[right]->setFocus();
    ModalDriver driver;
    driver.then([](QWidget* w) { QVERIFY(qobject_cast<ScoreWindow*>(w)); static_cast<QDialog*>(w)->accept(); });
    QTest::keyClick(choices.choice[right], Qt::Key_Return);
    QTRY_VERIFY(driver.done());
    QCOMPARE(ctx.game.score, 5);

    ctx.game.category = 7;
    MatchWindow match(ctx);
    match.show();
    QVERIFY(QTest::qWaitForWindowExposed(&match));
    match.Btn1[2]->setFocus();
    QTest::keyClick(match.Btn1[2], Qt::Key_Return);
    QVERIFY(match.Btn1[2]->held());
    QTest::keyClick(match.Label2[1], Qt::Key_Enter, Qt::KeypadModifier);
    QCOMPARE(match.model().placedBar(1), 2);
    match.reject();
}

QTEST_MAIN(TestGameWindows)
#include "tst_gamewindows.moc"
