// The player's progress as the game keeps it: the presidents a question
// asked about, games recorded through the windows under the name entered, the practice game and its
// draw, the Progress window and the command line's table.
#include "app/gameui.h"
#include "app/playerprogress.h"
#include "app/progresswindow.h"
#include "models/multiplechoicemodel.h"
#include "models/namememodel.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "screens/multiplechoicewindow.h"
#include "screens/reviewwindow.h"
#include "screens/scorewindow.h"
#include "screens/sortwindow.h"
#include "rules/mastery.h"
#include "store/progressstore.h"
#include "testsupport.h"

#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace brev;
using namespace brev::test;

class TestPlayerProgress : public QObject {
    Q_OBJECT
private slots:
    void rowsAreThePresidentsAsked();
    void firstGameUnderTheNameEntered();
    void recordedGameAndPractice();
    void practiceDrawTriesTheWeakestFirst();
    void progressWindowShowsEveryPresident();
    void longHistoryChartsTheLatestGames();
    void commandLineTable();
};

// Each answer recorded, per president, as the command line's report reads it.
QMap<int, QString> answersOf(Program& p, const QString& player)
{
    ProgressStore report(p.path(QString::fromLatin1(kProgressFile)), ProgressStore::Access::ReadOnly);
    const Result<QList<PresidentHistory>> histories = report.presidentHistories(player);
    QMap<int, QString> answers;
    if (const Problem problem = histories.problem())
        answers[0] = *problem;
    for (const PresidentHistory& h : histories.value_or({}))
        answers[h.record] = QStringLiteral("%1 of %2 right").arg(h.right).arg(h.answered);
    return answers;
}

// A one-question game's windows: the question answered by `play`, the
// score screen's ok, the review closed.
void oneQuestion(ModalDriver& driver, ModalDriver::Step play)
{
    driver.then(std::move(play));
    driver.then([](QWidget* w) {
        EXPECT_WINDOW(ScoreWindow, s, w);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([](QWidget* w) {
        EXPECT_WINDOW(ReviewWindow, r, w);
        r->accept();
    });
}

// The progress rows of a game are the presidents its questions asked about,
// each once: the five of a sort; of a wrong multiple choice only the one
// asked about, not the one whose text was picked.
void TestPlayerProgress::rowsAreThePresidentsAsked()
{
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    fillHallOfFame(p.hof);
    p.settings.settings.nquestions = 1;
    p.settings.settings.catenabled[15] = -1;
    WindowGameUi ui(p);
    Chosen sorted{};
    ModalDriver driver;
    oneQuestion(driver, [&](QWidget* w) {
        EXPECT_WINDOW(SortWindow, s, w);
        sorted = s->model().chosen();
        QTest::mouseClick(s->doneButton, Qt::LeftButton);
    });
    playRecordedGame(p, ui, GameKind::Ordinary);
    QVERIFY(driver.done());
    QMap<int, QString> answers = answersOf(p, QStringLiteral("Player"));
    QCOMPARE(answers.size(), 5);
    for (int slot = 0; slot < 5; ++slot)
        QVERIFY2(answers.value(sorted[size_t(slot)]).endsWith(QStringLiteral(" of 1 right")),
                 qPrintable(QString::number(sorted[size_t(slot)])));

    p.settings.settings.catenabled[15] = 0;
    p.settings.settings.catenabled[1] = -1;
    int asked = 0;
    oneQuestion(driver, [&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        const int slot = m->answerSlot();
        asked = m->model().chosen()[size_t(slot)];
        QTest::mouseClick(m->choices[(slot + 1) % 4], Qt::LeftButton);
    });
    playRecordedGame(p, ui, GameKind::Ordinary);
    QVERIFY(driver.done());
    // One more answer, wrong, about him alone (the sort may have asked about him too).
    const QString before = answers.value(asked);
    answers[asked] =
        before.isEmpty() ? QStringLiteral("0 of 1 right") : before.section(u' ', 0, 0) + " of 2 right";
    QCOMPARE(answersOf(p, QStringLiteral("Player")), answers);

    // The accuracy table counts questions: one sort, one wrong choice.
    ProgressWindow window(p.progress, QStringLiteral("Player"), presidentSet(p.records), {}, nullptr);
    QCOMPARE(window.categoryTable->rowCount(), 2);
    QCOMPARE(window.categoryTable->item(0, 1)->text(), QStringLiteral("1"));
    QCOMPARE(window.categoryTable->item(1, 1)->text(), QStringLiteral("1"));
    QCOMPARE(window.categoryTable->item(0, 2)->text(), QStringLiteral("0 (0%)"));
    QCOMPARE(window.categoryTable->horizontalHeaderItem(3)->text(), QStringLiteral("Partly right"));
}

// The first game's answers belong to the name the player enters at its end.
void TestPlayerProgress::firstGameUnderTheNameEntered()
{
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    p.settings.settings.nquestions = 1;
    p.settings.settings.catenabled[1] = -1;
    WindowGameUi ui(p);
    ModalDriver driver;
    oneQuestion(driver, [&](QWidget* w) {
        EXPECT_WINDOW(MultipleChoiceWindow, m, w);
        QTest::mouseClick(m->choices[m->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(NameEntryDialog, n, w);
        QTest::keyClicks(n->nameBox, QStringLiteral("Tess Tester"));
        QTest::mouseClick(n->localButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        EXPECT_WINDOW(HallOfFameWindow, h, w);
        QTest::mouseClick(h->okButton, Qt::LeftButton);
    });
    playRecordedGame(p, ui, GameKind::Ordinary);
    QVERIFY(driver.done());
    QCOMPARE(answersOf(p, QStringLiteral("Tess Tester")).values(), QStringList{"1 of 1 right"});
    QVERIFY(answersOf(p, QStringLiteral("Player")).isEmpty());
    ProgressStore store(f.path(QString::fromLatin1(kProgressFile)));
    const Result<QList<GameResult>> games = store.gameResults(QStringLiteral("Tess Tester"));
    QVERIFY(games);
    QCOMPARE(games->size(), 1);
    const Result<QList<CategoryAccuracy>> accuracy = store.categoryAccuracy(QStringLiteral("Tess Tester"));
    QVERIFY(accuracy);
    QCOMPARE(accuracy->size(), 1);
}

void TestPlayerProgress::recordedGameAndPractice()
{
    // The third game writes a question file (the setup screen's export): a
    // teacher's game, which the player's progress leaves out.
    using Case = std::pair<GameKind, bool>;
    for (const auto& [kind, exporting] :
         {Case{GameKind::Ordinary, false}, Case{GameKind::Practice, false}, Case{GameKind::Ordinary, true}}) {
        Fixture f;
        f.loadSampleRecords();
        Program& p = *f.program;
        fillHallOfFame(p.hof);
        if (exporting)
            p.session.mode = RunMode::OnlineExport;
        p.settings.settings.catenabled[1] = -1;
        p.settings.settings.nquestions = 2;
        p.settings.settings.playername = QStringLiteral("Ada");
        WindowGameUi ui(p);
        ModalDriver driver;
        int answered = 0;
        for (int q = 0; q < 2; ++q) {
            driver.then([&](QWidget* w) {
                EXPECT_WINDOW(MultipleChoiceWindow, m, w);
                answered = m->model().chosen()[size_t(m->answerSlot())];
                QTest::mouseClick(m->choices[m->answerSlot()], Qt::LeftButton);
            });
            driver.then([&](QWidget* w) {
                EXPECT_WINDOW(ScoreWindow, s, w);
                QTest::mouseClick(s->okButton, Qt::LeftButton);
            });
        }
        if (!exporting) {
            driver.then([&](QWidget* w) {
                EXPECT_WINDOW(ReviewWindow, r, w);
                r->accept();
            });
        }
        playRecordedGame(p, ui, kind);
        QVERIFY(driver.done());

        // Two right answers under the player's name, and the game with its score.
        ProgressStore store(f.path(QString::fromLatin1(kProgressFile)));
        const Result<QList<PresidentHistory>> readHistories = store.presidentHistories(QStringLiteral("Ada"));
        QVERIFY(readHistories);
        const QList<PresidentHistory>& histories = *readHistories;
        const Result<QList<GameResult>> readGames = store.gameResults(QStringLiteral("Ada"));
        QVERIFY(readGames);
        const QList<GameResult>& games = *readGames;
        if (exporting) {
            QVERIFY(histories.isEmpty() && games.isEmpty());
            continue;
        }
        int right = 0;
        for (const PresidentHistory& h : histories)
            right += h.right;
        QCOMPARE(right, 2);
        QVERIFY(historyOf(histories, answered));
        QCOMPARE(games.size(), 1);
        QCOMPARE(games[0].score, 10);
        QCOMPARE(games[0].practice, kind == GameKind::Practice);
        // A practice game says it stays out of the hall of fame.
        QCOMPARE(f.messages->texts.value(0).contains("practice game"), kind == GameKind::Practice);
    }
}

void TestPlayerProgress::practiceDrawTriesTheWeakestFirst()
{
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    PracticeDraw draw(p.records, p.session.itemUse, p.random, PracticeFocus({9, 4}, 2));
    Chosen chosen{};
    for (int i = 0; i < 6; ++i) {
        const int r = draw.pick(1, chosen, 0);
        QVERIFY2(r == 9 || r == 4, qPrintable(QString::number(r)));
    }
    // A slot none of them suits is drawn as usual.
    const int other = draw.pick(1, chosen, 0, PickRule::NewText, [](int r) { return r > 20; });
    QVERIFY(other > 20);
}

void TestPlayerProgress::progressWindowShowsEveryPresident()
{
    Fixture f;
    f.loadSampleRecords();
    ProgressStore store(f.path(QString::fromLatin1(kProgressFile)));
    const QDateTime when(QDate(2026, 12, 1), QTime(10, 0), Qt::UTC);
    QVERIFY(!store.beginGame(QStringLiteral("Ada"), when, false));
    for (int i = 0; i < 3; ++i)
        QVERIFY(
            !store.recordQuestion({1, 5, 5, {JudgedItem{2, QStringLiteral("President 2"), true, 5}}}, when));
    QVERIFY(!store.recordQuestion({3, 0, 5, {JudgedItem{5, QStringLiteral("President 5"), false, 0}}}, when));
    QVERIFY(!store.finishGame(QStringLiteral("Ada"), 15, 20, false, when));

    const QList<PresidentEntry> set = presidentSet(f.program->records);
    ProgressWindow window(store, QStringLiteral("Ada"), set, QStringList(), nullptr);
    QCOMPARE(window.windowTitle(), QStringLiteral("Progress"));
    QCOMPARE(window.presidentGrid->count(), int(set.size()));
    const auto wordOf = [&](int row) { return window.presidentGrid->item(row)->text().section('\n', 1); };
    QCOMPARE(wordOf(1), masteryWord(MasteryLevel::Mastered)); // three right in a row
    QCOMPARE(wordOf(4), masteryWord(MasteryLevel::Learning));
    QCOMPARE(wordOf(0), masteryWord(MasteryLevel::Unseen));
    QVERIFY(window.presidentGrid->item(1)->toolTip().contains(masteryHint(masteryOf({true, true, true}))));
    QCOMPARE(window.categoryTable->rowCount(), 2);
    QCOMPARE(window.chart->accessibleDescription(),
             QStringLiteral("1 game(s); the latest 75%, the best 75%."));
    QVERIFY(!window.problemLabel->isVisibleTo(&window));
    window.show();
    QTest::mouseClick(window.practiceButton, Qt::LeftButton);
    QCOMPARE(window.result(), int(ProgressWindow::PracticeChosen));
}

void TestPlayerProgress::longHistoryChartsTheLatestGames()
{
    QList<GameResult> results;
    for (int game = 1; game <= 1000; ++game)
        results << GameResult{game, {}, {}, game % 100, 100, game % 100, false, false};
    ScoreChart chart;
    chart.resize(400, 200);
    chart.setResults(results);
    const QList<GameResult> drawn = chart.drawnResults();
    QVERIFY(drawn.size() >= 20 && drawn.size() <= 50); // a dot every 8 pixels or more
    QCOMPARE(drawn.last().game, 1000);
    QCOMPARE(drawn.first().game, 1001 - drawn.size());
    QCOMPARE(chart.accessibleDescription(), QStringLiteral("1000 game(s); the latest 0%, the best 99%."));
    chart.setResults(results.mid(0, 3));
    QCOMPARE(chart.drawnResults().size(), 3);
}

void TestPlayerProgress::commandLineTable()
{
    const QString program = QStringLiteral(BREV_EXE);
    QTemporaryDir dir;
    const QDir exeDir = QFileInfo(program).dir();
    for (const char* name : {"brev.dat", "brevplus.dat"})
        QVERIFY(QFile::copy(exeDir.filePath(name), dir.filePath(name)));
    QProcess run;
    run.start(program, {"--dir", dir.path(), "--progress"});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 0);
    const QString table = QString::fromUtf8(run.readAllStandardOutput());
    QVERIFY2(table.contains("Washington") && table.contains(masteryKey(MasteryLevel::Unseen)),
             qPrintable(table));
    QVERIFY(!QFile::exists(dir.filePath(QString::fromLatin1(kProgressFile)))); // reading creates nothing
    run.setStandardOutputFile(QStringLiteral("/dev/full")); // a table that cannot be written fails
    run.start(program, {"--dir", dir.path(), "--progress"});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 1);
    QVERIFY(run.readAllStandardError().contains("could not be written"));
    run.setStandardOutputFile(QString());
    run.start(program, {"--progress", "--export", "online"});
    QVERIFY(run.waitForFinished(30000));
    QCOMPARE(run.exitCode(), 2);
}

QTEST_MAIN(TestPlayerProgress)
#include "tst_playerprogress.moc"
