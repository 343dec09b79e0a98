// The game loop without windows: category draw and dispatch, question
// headers in the log, the no-category path, the tabbed export count, the
// adjusted score and the final message; and the multiple-choice export lines.
#include "game/gameloop.h"
#include "game/questionexport.h"
#include "game/questionlines.h"
#include "models/exportlines.h"
#include "models/multiplechoicemodel.h"
#include "store/gamelog.h"
#include "store/settingsstore.h"
#include "testsupport.h"

#include <QtTest>
#include <functional>

using namespace brev;
using namespace brev::test;

namespace {

// A question that loads whatever the records and writes nothing: the loop's
// tests are about the loop, not the screens.
class StubQuestion : public QuestionModel {
public:
    using QuestionModel::QuestionModel;
    bool load() override { return true; }
    // A stand-in's record has no screen: it writes nothing.
    QuestionRecord unanswered() const override
    {
        QuestionRecord r = QuestionModel::unanswered();
        r.screen = Screen::None;
        return r;
    }
};

QuestionMaker stubs()
{
    return [](Screen s, ItemDraw& draw, int category, int) -> std::unique_ptr<QuestionModel> {
        if (s == Screen::None)
            return nullptr;
        return std::make_unique<StubQuestion>(draw, category);
    };
}

// The game over the fixture's program, with stub questions.
Game stubGame(Fixture& f)
{
    Program& p = *f.program;
    return Game(p.settings, p.session, p.log, p.questionFile, p.draw, &p.sounds, stubs());
}

struct FakeUi : GameUi {
    explicit FakeUi(Program& c) : ctx(c) {}
    Program& ctx;
    QList<int> asked; // categories, in order
    QList<Screen> screens;
    int setups = 0;
    bool haveWindows = true;
    std::function<void(Screen)> onOpen; // what the "screen" does
    std::function<void(int)> onSetup;   // what the player does on setup (1-based call)
    struct Hof {
        int adjusted;
        int percent;
    };
    QList<Hof> hof;

    Answered ask(QuestionModel& q, const QuestionPosition&, const ApplyTurn&) override
    {
        asked << q.category();
        screens << q.screen();
        if (!haveWindows)
            return Asked::NoScreen;
        if (onOpen)
            onOpen(q.screen());
        return Asked::Yes;
    }
    void givenUp(const QString& message) override { ctx.messages.ok(message); }
    bool showSetup() override
    {
        ++setups;
        if (onSetup)
            onSetup(setups);
        return true;
    }
    void tell(const QString& text) override { ctx.messages.ok(text); }
    void enterHof(int a, int p) override { hof << Hof{a, p}; }
};

// A random number that floor(r x 19) turns into k.
double drawOf(int k)
{
    return (k + 0.5) / 19.0;
}

const QString kNoCategory = QStringLiteral(
    "0No questions possible with current selections.  Change difficulty levels or question types");

} // namespace

class TestGameLoop : public QObject {
    Q_OBJECT
private slots:
    void adjustedScoreRoundsHalfToEven();
    void drawMapsZeroToOneAndSkipsDisabled();
    void categoryOneHasDoubleWeight();
    void questionHeadersOnlyOutsideExport();
    void categoryWithoutScreenCountsAsAsked();
    void noCategoryOpensSetupAndContinues();
    void tabbedModeCountsWrittenLines();
    void tabbedModeStopsWithoutProgress();
    void finalMessageAndHallOfFame();
    void exportLineMarkers();
    void multipleChoiceAnswerPosition_data();
    void multipleChoiceAnswerPosition();
    void multipleChoiceVerdict_data();
    void multipleChoiceVerdict();
    void judgedLinesPerForm();
    void abandonedQuestionLeavesNoTrace();
    void bonusQuestionsJoinTheDraw();
    void bonusCategoriesNeverInterrupt_data();
    void bonusCategoriesNeverInterrupt();
    void laterPresidentsInAndOutOfPlay();
};

void TestGameLoop::adjustedScoreRoundsHalfToEven()
{
    QCOMPARE(adjustedScore(35, 2, 70), 49);
    QCOMPARE(adjustedScore(5, 1, 50), 2);    // 2.5
    QCOMPARE(adjustedScore(15, 1, 50), 8);   // 7.5
    QCOMPARE(adjustedScore(25, 3, 100), 75); // a perfect game at difficulty 3
    QCOMPARE(adjustedScore(0, 3, 0), 0);
    QCOMPARE(adjustedScore(7, 1, 50), 4);               // 3.5
    QCOMPARE(adjustedScore(2000000000, 3, 100), 32767); // held at the 16-bit bound, no overflow
}

void TestGameLoop::drawMapsZeroToOneAndSkipsDisabled()
{
    Fixture f;
    Program& ctx = *f.program;
    for (int k = 1; k <= 18; ++k)
        ctx.settings.settings.catenabled[k] = (k == 7 || k == 1 || k == 18) ? -1 : 0;
    ctx.settings.settings.catenabled[0] = -1; // never drawn on its own
    ctx.settings.settings.nquestions = 4;
    // 0 -> 1; 2 is off: draw again; 18; the top of the range is 18 too; 7.
    f.random->script = {0.0, drawOf(2), drawOf(18), 0.99999, drawOf(7)};
    FakeUi ui(ctx);
    stubGame(f).askQuestions(ui);
    QCOMPARE(ui.asked, (QList<int>{1, 18, 18, 7}));
    QCOMPARE(ui.screens.at(3), Screen::Matching);

    // One question with only "Match Birthplaces": exactly that, then the end.
    Fixture g;
    g.program->settings.settings.catenabled[7] = 1;
    g.program->settings.settings.nquestions = 1;
    FakeUi ui2(*g.program);
    stubGame(g).play(ui2);
    QCOMPARE(ui2.asked, QList<int>{7});
    QCOMPARE(g.messages->texts.size(), 1);
    QVERIFY(g.messages->texts.first().startsWith(QStringLiteral("You scored ")));
}

void TestGameLoop::categoryOneHasDoubleWeight()
{
    Fixture f(42);
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[1] = -1;
    ctx.settings.settings.catenabled[2] = -1;
    ctx.settings.settings.catenabled[9] = 5; // any non-zero value is on
    ctx.settings.settings.nquestions = 8000;
    FakeUi ui(ctx);
    stubGame(f).askQuestions(ui);
    QCOMPARE(ui.asked.size(), 8000);
    const double ones = ui.asked.count(1), twos = ui.asked.count(2), nines = ui.asked.count(9);
    QCOMPARE(ones + twos + nines, 8000.0);
    // Expected 4000 : 2000 : 2000; allow about five standard deviations.
    QVERIFY2(qAbs(ones - 4000) < 230, qPrintable(QString::number(ones)));
    QVERIFY2(qAbs(twos - 2000) < 200, qPrintable(QString::number(twos)));
    QVERIFY2(qAbs(nines - 2000) < 200, qPrintable(QString::number(nines)));
}

void TestGameLoop::questionHeadersOnlyOutsideExport()
{
    {
        Fixture f;
        f.program->settings.settings.catenabled[3] = -1;
        f.program->settings.settings.nquestions = 3;
        FakeUi ui(*f.program);
        ui.onOpen = [&](Screen) { f.program->log.write(QStringLiteral("asked"), 1); };
        stubGame(f).play(ui);
        QCOMPARE(f.logLines(), (QStringList{"---- Question 1", "asked", "---- Question 2", "asked",
                                            "---- Question 3", "asked"}));
    }
    {
        // A log that cannot be written is told once, after the question that met it.
        Fixture f;
        f.program->settings.settings.catenabled[3] = -1;
        f.program->settings.settings.nquestions = 2;
        QVERIFY(QDir().mkdir(f.path(QStringLiteral("brevquiz.log"))));
        FakeUi ui(*f.program);
        QStringList toldWhenOpened;
        ui.onOpen = [&](Screen) { toldWhenOpened << QString::number(f.messages->texts.size()); };
        stubGame(f).play(ui);
        QCOMPARE(toldWhenOpened, (QStringList{"0", "1"}));
        QCOMPARE(f.messages->texts.size(), 2); // and the final score
        QVERIFY(f.messages->texts[0].startsWith(QStringLiteral("The log file ")));
    }
    {
        // A threshold above 2 keeps the headers out.
        Fixture f;
        f.program->settings.settings.catenabled[3] = -1;
        f.program->settings.settings.nquestions = 2;
        f.program->settings.settings.loglevel = 3;
        FakeUi ui(*f.program);
        stubGame(f).play(ui);
        QCOMPARE(f.logLines(), QStringList());
    }
    for (int mode = 0; mode < 2; ++mode) {
        Fixture f;
        f.program->settings.settings.catenabled[1] = -1;
        f.program->settings.settings.nquestions = 3;
        f.program->settings.settings.loglevel = 2;
        f.program->session.mode = mode == 0 ? RunMode::OnlineExport : RunMode::TabbedExport;
        FakeUi ui(*f.program);
        ui.onOpen = [&](Screen) {
            f.program->log.write(QStringLiteral("export"), 4);
            ++f.program->session.questionsWritten;
        };
        stubGame(f).play(ui);
        QCOMPARE(ui.asked.size(), 3);
        QCOMPARE(f.logLines(), (QStringList{"export", "export", "export"}));
    }
}

void TestGameLoop::categoryWithoutScreenCountsAsAsked()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[1] = -1;
    ctx.settings.settings.nquestions = 2;
    FakeUi ui(ctx);
    ui.haveWindows = false;
    stubGame(f).play(ui);
    QCOMPARE(ui.asked.size(), 2);
    QCOMPARE(f.messages->texts.size(), 3);
    QCOMPARE(f.messages->texts.at(0), QStringLiteral("No question set for When did this president serve?"));
    QCOMPARE(f.messages->texts.at(1), f.messages->texts.at(0));

    // Categories the loop never draws, and numbers outside the table.
    f.messages->texts.clear();
    FakeUi ui2(ctx);
    stubGame(f).ask(ui2, 0);
    stubGame(f).ask(ui2, 19);
    stubGame(f).ask(ui2, 99);
    stubGame(f).ask(ui2, -4);
    stubGame(f).ask(ui2, 20); // odd one out: opened through the seam
    stubGame(f).ask(ui2, kQuoteCategory);
    QCOMPARE(f.messages->texts, (QStringList{"No question set for Name", "No question set for ",
                                             "No question set for ", "No question set for "}));
    QCOMPARE(ui2.screens, (QList<Screen>{Screen::OddOneOut, Screen::Quotation}));
    QCOMPARE(ui2.asked.last(), kQuoteCategory);
}

void TestGameLoop::noCategoryOpensSetupAndContinues()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.nquestions = 2;
    ctx.settings.settings.catenabled[0] = -1; // not one of 1..18: does not count
    ctx.settings.settings.catenabled[20] = -1;
    FakeUi ui(ctx);
    // The first visit to setup changes nothing, the second enables category 5.
    ui.onSetup = [&](int call) {
        if (call == 2)
            ctx.settings.settings.catenabled[5] = -1;
    };
    stubGame(f).play(ui);
    QCOMPARE(ui.setups, 2);
    QCOMPARE(ui.asked, (QList<int>{5, 5}));
    QCOMPARE(f.messages->texts.size(), 3);
    QCOMPARE(f.messages->texts.at(0), kNoCategory);
    QCOMPARE(f.messages->texts.at(1), kNoCategory);
    QVERIFY(f.messages->texts.at(2).startsWith(QStringLiteral("You scored 0 out of 0")));
    // The question numbers go on from where the game stood.
    QCOMPARE(f.logLines(), (QStringList{"---- Question 1", "---- Question 2"}));
}

void TestGameLoop::tabbedModeCountsWrittenLines()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.session.mode = RunMode::TabbedExport;
    ctx.session.questionsWritten = 17; // left from an earlier game: cleared at the start
    ctx.settings.settings.catenabled[1] = -1;
    ctx.settings.settings.catenabled[12] = -1;
    ctx.settings.settings.nquestions = 3;
    f.random->script = {drawOf(12), drawOf(12), drawOf(1), drawOf(12), drawOf(1), drawOf(1)};
    FakeUi ui(ctx);
    ui.onOpen = [&](Screen s) {
        if (s == Screen::MultipleChoice)
            ++ctx.session.questionsWritten; // sorting questions write no tabbed line
    };
    stubGame(f).askQuestions(ui);
    QCOMPARE(ui.asked, (QList<int>{12, 12, 1, 12, 1, 1}));
    QCOMPARE(ctx.session.questionsWritten, 3);
}

void TestGameLoop::tabbedModeStopsWithoutProgress()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.session.mode = RunMode::TabbedExport;
    ctx.settings.settings.catenabled[15] = -1; // sorting only: never a tabbed line
    ctx.settings.settings.nquestions = 50;
    FakeUi ui(ctx);
    stubGame(f).play(ui); // must return
    QVERIFY(ui.asked.size() >= 50);
    QVERIFY(ui.asked.size() <= 1000);
    QVERIFY(f.messages->texts.last().startsWith(QStringLiteral("You scored ")));
}

void TestGameLoop::finalMessageAndHallOfFame()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[2] = -1;
    ctx.settings.settings.nquestions = 5;
    ctx.settings.settings.maxdif = 3;
    ctx.session.score = 40; // the last game's figures
    ctx.session.possible = 50;
    ctx.session.percent = 80;
    FakeUi ui(ctx);
    ui.onOpen = [&](Screen) { ctx.session.addPoints(5, 5); };
    stubGame(f).play(ui);
    QCOMPARE(f.messages->texts,
             QStringList{"You scored 25 out of 25 (100%)\r\nScore adjusted for difficulty: 75"});
    QCOMPARE(ui.hof.size(), 1);
    QCOMPARE(ui.hof[0].adjusted, 75);
    QCOMPARE(ui.hof[0].percent, 100);

    // Mixed answers: 35 of 50 at difficulty 2 -> 49.
    f.messages->texts.clear();
    ctx.settings.settings.nquestions = 10;
    ctx.settings.settings.maxdif = 2;
    int n = 0;
    ui.onOpen = [&](Screen) { ctx.session.addPoints(++n <= 7 ? 5 : 0, 5); };
    stubGame(f).play(ui);
    QCOMPARE(f.messages->texts,
             QStringList{"You scored 35 out of 50 (70%)\r\nScore adjusted for difficulty: 49"});

    // Every question skipped: nothing of the last game's 70% is left.
    f.messages->texts.clear();
    ui.onOpen = {};
    stubGame(f).play(ui);
    QCOMPARE(f.messages->texts,
             QStringList{"You scored 0 out of 0 (0%)\r\nScore adjusted for difficulty: 0"});
    QCOMPARE(ui.hof.last().percent, 0);
}

void TestGameLoop::exportLineMarkers()
{
    const QString c60(60, QLatin1Char('c'));
    const QString c61(61, QLatin1Char('d'));
    const QString q130(130, QLatin1Char('q'));
    const QString q131(131, QLatin1Char('r'));

    QCOMPARE(onlineAnswerLine(0), QStringLiteral(" 1"));
    QCOMPARE(onlineAnswerLine(3), QStringLiteral(" 4"));

    { // At the limits: no marker; the fifth choice never joins the line.
        TabbedQuestionLine t;
        t.addChoice(0, c60);
        t.addChoice(1, QStringLiteral("b"));
        t.addChoice(2, QStringLiteral("c"));
        t.addChoice(3, QStringLiteral("d"));
        t.addChoice(4, c61);
        QVERIFY(!t.tooLong());
        QCOMPARE(t.line(q130, 1), q130 + "\t" + c60 + "\tb\tc\td\t2");
    }
    { // One over each limit: the answer marker first, then the question marker.
        TabbedQuestionLine t;
        t.addChoice(0, QStringLiteral("a"));
        t.addChoice(1, QStringLiteral("b"));
        t.addChoice(2, c61);
        t.addChoice(3, c61);
        t.addChoice(4, QStringLiteral("e"));
        QVERIFY(t.tooLong());
        QCOMPARE(t.line(q131, 3),
                 "* ANS 3 TOO LONG * * Question TOO LONG * " + q131 + "\ta\tb\t" + c61 + "\t" + c61 + "\t4");
    }
    { // Only the question too long.
        TabbedQuestionLine t;
        for (int i = 0; i < 5; ++i)
            t.addChoice(i, QString::number(i));
        QCOMPARE(t.line(q131, 0), "* Question TOO LONG * " + q131 + "\t0\t1\t2\t3\t1");
    }
}

void TestGameLoop::multipleChoiceAnswerPosition_data()
{
    QTest::addColumn<double>("r");
    QTest::addColumn<int>("slot");
    QTest::addRow("r_0") << 0.0 << 0;
    QTest::addRow("just_under_a_quarter") << 0.2499 << 0;
    QTest::addRow("a_quarter") << 0.25 << 1;
    QTest::addRow("just_under_three_quarters") << 0.7499 << 2;
    QTest::addRow("highest") << 0.99999 << 3;
}

void TestGameLoop::multipleChoiceAnswerPosition()
{
    QFETCH(double, r);
    QFETCH(int, slot);
    Fixture f;
    f.loadSampleRecords();
    ChosenDraw draw(*f.program, {7, 3, 12, 5, 9}, {r});
    MultipleChoiceModel m(draw, 1);
    QVERIFY(m.load());
    QCOMPARE(m.answerSlot(), slot);
    // The question is about the record of the right choice, whose term is its answer.
    const int record = m.chosen()[size_t(slot)];
    QCOMPARE(m.question(), QStringLiteral("When did President %1 serve?").arg(record));
    QCOMPARE(m.choiceText(slot), QStringLiteral("%1-%2").arg(1788 + 4 * record).arg(1792 + 4 * record));
}

void TestGameLoop::multipleChoiceVerdict_data()
{
    QTest::addColumn<int>("category");
    QTest::addColumn<bool>("right");
    QTest::addColumn<QString>("results");
    QTest::addColumn<QString>("logLine");
    QTest::addColumn<QString>("heading");
    // Records 7, 3, 12, 5, 9; the answer in slot 1.
    QTest::addRow("right_term") << 1 << true << " Correct, +5 pts"
                                << ""
                                << "Results for When did this president serve?";
    QTest::addRow("wrong_term") << 1 << false << "Sorry, the answer was 1800-1804"
                                << "When did President 3 serve? 1800-1804"
                                << "Results for When did this president serve?";
    QTest::addRow("wrong_vice") << 2 << false << "Sorry, the answer was Vice 3"
                                << "Who served as Vice President under President 3? Vice 3"
                                << "Results for Who was this president's Vice President?";
}

void TestGameLoop::multipleChoiceVerdict()
{
    QFETCH(int, category);
    QFETCH(bool, right);
    QFETCH(QString, results);
    QFETCH(QString, logLine);
    QFETCH(QString, heading);
    Fixture f;
    f.loadSampleRecords();
    ChosenDraw draw(*f.program, {7, 3, 12, 5, 9}, {0.3});
    MultipleChoiceModel m(draw, category);
    QVERIFY(m.load());
    QCOMPARE(m.chosen(), (std::array<int, 6>{7, 3, 12, 5, 9, 0}));
    QCOMPARE(m.answerSlot(), 1);

    const Verdict v = m.choose(right ? 1 : 4);
    QCOMPARE(v.record.points, right ? 5 : 0);
    QCOMPARE(v.record.possible, 5);
    QCOMPARE(v.results, results);
    QCOMPARE(v.heading, heading);
    QCOMPARE(v.sound, right ? 5 : 8);
    if (right) {
        QCOMPARE(v.credits, (QList<Credit>{{3, 4}}));
        QVERIFY(v.log.isEmpty());
    } else {
        QCOMPARE(v.credits, (QList<Credit>{{9, -1}, {3, -1}}));
        QCOMPARE(v.log, (QList<LogLine>{{logLine, 1}}));
    }
}

// A game's log takes every line of a judgement; an export game's question file
// takes only the answers of the screens its form writes.
void TestGameLoop::judgedLinesPerForm()
{
    const LogLine answer{QStringLiteral("Q A"), 1, LineKind::Answer};
    const LogLine why{QStringLiteral("No, P"), 2, LineKind::Explanation};
    const LogLine all{QStringLiteral(" *** All correct!"), 2, LineKind::AllCorrect};
    const QList<LogLine> every{answer, why, all};
    const struct {
        int category;
        RunMode mode;
        QList<LogLine> written;
    } cases[] = {
        {20, RunMode::Play, every},           {1, RunMode::TabbedExport, {answer}},
        {7, RunMode::OnlineExport, {answer}}, {12, RunMode::OnlineExport, {answer}},
        {12, RunMode::TabbedExport, every}, // sorting has no tabbed form
        {11, RunMode::TabbedExport, every}, // nor have portraits
        {21, RunMode::OnlineExport, every}, // Name Me has no form at all
    };
    for (const auto& c : cases) {
        Verdict v;
        v.record.category = c.category;
        v.log = every;
        QCOMPARE(judgedLines(v, c.mode), c.written);
    }
}

// A question whose category runs out of records is never asked: the online
// question file keeps only whole blocks and does not count it, and the play
// log gets no header for it.
void TestGameLoop::abandonedQuestionLeavesNoTrace()
{
    for (const bool online : {true, false}) {
        Fixture f;
        f.loadSampleRecords();
        Program& ctx = *f.program;
        for (int i = 4; i <= kRecords; ++i)
            ctx.records.presidents.edit(i).vice =
                QStringLiteral("n/a"); // category 2 cannot fill five choices
        ctx.settings.settings.catenabled[1] = -1;
        ctx.settings.settings.catenabled[2] = -1;
        ctx.settings.settings.nquestions = 2;
        ctx.settings.settings.loglevel = online ? 4 : 0;
        ctx.session.mode = online ? RunMode::OnlineExport : RunMode::Play;
        f.random->script = {drawOf(2)};
        FakeUi ui(ctx);
        f.game().askQuestions(ui);

        QCOMPARE(ctx.settings.settings.catenabled[2], 0);
        QCOMPARE(f.messages->texts.size(), 1);
        const QStringList lines = f.logLines();
        if (online) {
            QCOMPARE(ui.asked.size(), 2); // the abandoned question did not count
            QCOMPARE(lines.size(), 18);
            QCOMPARE(lines[0], QStringLiteral("MULT"));
            QCOMPARE(lines[9], QStringLiteral("MULT"));
            QCOMPARE(lines[1], QStringLiteral("When did this president serve?"));
        } else {
            QCOMPARE(ui.asked.size(), 1); // and was never shown
            QCOMPARE(lines.first(), QStringLiteral("---- Question 2"));
            QCOMPARE(lines.count(QStringLiteral("Multiple Choice")), 1);
        }
    }
}

void TestGameLoop::bonusQuestionsJoinTheDraw()
{
    Fixture f(5);
    Program& ctx = *f.program;
    f.write(QString::fromLatin1(kPlusSettingsFile), "[hof]\r\nbaseUrl=http://example.org:1\r\n"
                                                    "[game]\r\nbonusQuestions=true\r\n");
    QCOMPARE(ctx.loadSettings(), Problem());
    QVERIFY(ctx.settings.bonusQuestions);
    QCOMPARE(ctx.settings.settings.catenabled[21], -1);
    ctx.settings.settings.catenabled[1] = -1;
    ctx.settings.settings.catenabled[18] = -1;

    // Off: the top of the range is still 18, and the bonus categories stay out.
    ctx.settings.bonusQuestions = false;
    ctx.settings.settings.nquestions = 2;
    f.random->script = {0.99999, drawOf(1)};
    FakeUi off(ctx);
    stubGame(f).askQuestions(off);
    QCOMPARE(off.asked, (QList<int>{18, 1}));

    // On: 27 equal shares, the last eight the bonus categories.
    ctx.settings.bonusQuestions = true;
    ctx.settings.settings.nquestions = 4;
    f.random->script = {0.99999, 19.5 / 27, 21.5 / 27, 0.0};
    FakeUi on(ctx);
    stubGame(f).askQuestions(on);
    QCOMPARE(on.asked, (QList<int>{29, 20, 22, 1}));
    QCOMPARE(on.screens,
             (QList<Screen>{Screen::Quotation, Screen::OddOneOut, Screen::Sorting, Screen::MultipleChoice}));

    // A long game reaches every bonus category.
    for (int k = 1; k <= 18; ++k)
        ctx.settings.settings.catenabled[size_t(k)] = -1;
    ctx.settings.settings.nquestions = 2000;
    FakeUi run(ctx);
    stubGame(f).askQuestions(run);
    for (const int k : kBonusCategories)
        QVERIFY2(run.asked.contains(k), qPrintable(QString::number(k)));
    QVERIFY(!run.asked.contains(19) && !run.asked.contains(28) && !run.asked.contains(0));
    QVERIFY(!run.asked.contains(24)); // five different end-of-term kinds never exist

    // The tick is stored beside the other keys of the file.
    QCOMPARE(ctx.settings.saveBonusQuestions(false), std::nullopt);
    SettingsStore again(ctx.dir);
    again.load();
    QVERIFY(!again.bonusQuestions);
    QCOMPARE(again.hofBaseUrl(), QUrl(QStringLiteral("http://example.org:1")));
}

void TestGameLoop::bonusCategoriesNeverInterrupt_data()
{
    QTest::addColumn<bool>("starved");
    QTest::addColumn<int>("maxdif");
    for (int maxdif = 1; maxdif <= 3; ++maxdif)
        QTest::addRow("shipped records, difficulty %d", maxdif) << false << maxdif;
    QTest::addRow("records that fill no bonus category but Name Me") << true << 3;
}

// Games of 40 questions with bonus questions on: every question asked, no
// message, no setup screen and none of the player's categories switched off.
// A bonus category the records cannot fill leaves the draw without a word.
void TestGameLoop::bonusCategoriesNeverInterrupt()
{
    QFETCH(bool, starved);
    QFETCH(int, maxdif);
    struct ModelUi : ExportGameUi {
        using ExportGameUi::ExportGameUi;
        Answered ask(QuestionModel& q, const QuestionPosition&, const ApplyTurn& turn) override
        {
            asked << q.category();
            return ExportGameUi::ask(q, {}, turn);
        }
        QList<int> asked;
    };
    QSet<int> drawn;
    for (quint64 seed = 1; seed <= (starved ? 1u : 5u); ++seed) {
        Fixture f(seed);
        Program& ctx = *f.program;
        QCOMPARE(readRecords(ctx.records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
        ctx.session.resetUsage(ctx.records.inPlay());
        if (starved) {
            for (int r = 1; r <= ctx.records.inPlay(); ++r) {
                President& p = ctx.records.presidents.edit(size_t(r));
                p.party = p.home = p.opponent = QStringLiteral("Same");
                p.endKind = 0;
                p.court.clear();
                p.quotation.clear();
            }
        }
        ctx.settings.settings.maxdif = maxdif;
        const int questions = starved ? 200 : 40; // long enough to draw every bonus category
        ctx.settings.settings.nquestions = questions;
        for (int k = 1; k <= 18; ++k)
            ctx.settings.settings.catenabled[size_t(k)] = -1;
        ctx.settings.setBonusQuestions(true, ctx.session.bonusLeftOut);
        ModelUi ui;
        f.game().askQuestions(ui);

        QCOMPARE(f.messages->texts, QStringList());
        QVERIFY(!ui.ranOut());
        QCOMPARE(ui.asked.size(), questions);
        drawn.unite(QSet<int>(ui.asked.begin(), ui.asked.end()));
        for (int k = 1; k <= 18; ++k)
            QCOMPARE(ctx.settings.settings.catenabled[size_t(k)], -1);
        for (const int k : kBonusCategories) {
            QCOMPARE(ctx.session.bonusLeftOut[size_t(k)], starved && k != 21);
            if (ctx.session.bonusLeftOut[size_t(k)])
                QVERIFY(!ui.asked.contains(k));
        }
        // Ticking bonus questions again does not bring a left-out category back.
        ctx.settings.setBonusQuestions(true, ctx.session.bonusLeftOut);
        QCOMPARE(ctx.settings.settings.catenabled[20], starved ? 0 : -1);
        QCOMPARE(ctx.settings.settings.catenabled[21], -1);
    }
    if (!starved) // every bonus category was asked in these games
        for (const int k : kBonusCategories)
            QVERIFY2(drawn.contains(k), qPrintable(QString::number(k)));
}

// With the add-on in play, a long game asks about each president after 1993
// on the multiple-choice, sorting and matching screens; out of play (or
// without the add-on) the same seed draws exactly the same questions.
void TestGameLoop::laterPresidentsInAndOutOfPlay()
{
    struct Recorder : ExportGameUi {
        using ExportGameUi::ExportGameUi;
        Answered ask(QuestionModel& q, const QuestionPosition&, const ApplyTurn& turn) override
        {
            const Chosen& chosen = q.chosen();
            draws << QStringLiteral("%1:%2,%3,%4,%5,%6")
                         .arg(q.category())
                         .arg(chosen[0])
                         .arg(chosen[1])
                         .arg(chosen[2])
                         .arg(chosen[3])
                         .arg(chosen[4]);
            for (const int r : chosen)
                seen[q.screen()].insert(r);
            return ExportGameUi::ask(q, {}, turn);
        }
        QStringList draws;
        QMap<Screen, QSet<int>> seen;
    };
    enum class AddOn { Missing, OutOfPlay, InPlay };
    const auto play = [](quint64 seed, AddOn addOn, QMap<Screen, QSet<int>>* seen = nullptr) {
        Fixture f(seed);
        Program& ctx = *f.program;
        [&] {
            QCOMPARE(readRecords(ctx.records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
        }();
        if (addOn != AddOn::Missing)
            [&] {
                QCOMPARE(readAddOn(ctx.records, QStringLiteral(BREV_DATA_DIR "/brevplus.dat"),
                                   addOn == AddOn::InPlay),
                         std::nullopt);
            }();
        ctx.session.resetUsage(ctx.records.loadedRecords());
        ctx.settings.settings.nquestions = 150;
        for (int k = 1; k <= 18; ++k)
            ctx.settings.settings.catenabled[size_t(k)] = -1;
        ctx.settings.setBonusQuestions(true, ctx.session.bonusLeftOut);
        Recorder ui;
        f.game().askQuestions(ui);
        if (seen)
            for (auto it = ui.seen.cbegin(); it != ui.seen.cend(); ++it)
                (*seen)[it.key()].unite(it.value());
        return ui.draws;
    };
    QMap<Screen, QSet<int>> seen;
    for (const quint64 seed : {3u, 8u}) {
        const QStringList before = play(seed, AddOn::Missing);
        QCOMPARE(before.size(), 150);
        QCOMPARE(play(seed, AddOn::OutOfPlay), before);
        QVERIFY(play(seed, AddOn::InPlay, &seen) != before);
    }
    for (const Screen s : {Screen::MultipleChoice, Screen::Sorting, Screen::Matching})
        for (int r = 42; r <= 45; ++r)
            QVERIFY2(seen[s].contains(r),
                     qPrintable(QStringLiteral("screen %1, record %2").arg(int(s)).arg(r)));
}

QTEST_GUILESS_MAIN(TestGameLoop)
#include "tst_gameloop.moc"
