// The odd-one-out question: where the odd item stands, judging a right and a
// wrong pick, and the window played by mouse and keyboard.
#include "store/gamelog.h"
#include "store/records.h"
#include "app/gameui.h"
#include "game/questionlines.h"
#include "models/oddoneoutmodel.h"
#include "screens/oddoneoutwindow.h"
#include "screens/scorewindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <set>

Q_DECLARE_METATYPE(brev::Verdict)

using namespace brev;
using namespace brev::test;

namespace {

// Slots 0..3 get records 1, 2, 6 and 11 (end of term: Died in office,
// Assassinated, Died in office, Died in office); the shuffle swaps nothing.
struct Question {
    Question(Fixture& f, int category, QList<int> records = {1, 2, 6, 11}, QList<double> numbers = {})
        : draw(*f.program, std::move(records), std::move(numbers)), model(draw, category)
    {}
    ChosenDraw draw;
    OddOneOutModel model;
};

} // namespace

class TstQoddout : public QObject {
    Q_OBJECT
private slots:
    void oddItemNeverAtPositionThree_data();
    void oddItemNeverAtPositionThree();
    void runsOutWithoutThreeOfAPattern();
    void judgesThePick_data();
    void judgesThePick();
    void tabbedLineWithMarkers();
    void playedByMouseAndKeyboard();
    void unfillableBonusLeavesQuietly();
};

void TstQoddout::oddItemNeverAtPositionThree_data()
{
    QTest::addColumn<int>("category");
    QTest::addRow("party") << 20;
    QTest::addRow("end of term") << 25;
}

void TstQoddout::oddItemNeverAtPositionThree()
{
    QFETCH(int, category);
    std::set<int> oddPositions;
    std::set<QString> patterns;
    std::set<QString> pairs; // the pattern and the odd one's text
    for (quint64 seed = 1; seed <= 150; ++seed) {
        Fixture fx(seed);
        Program& c = *fx.program;
        QCOMPARE(readRecords(c.records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
        c.session.resetUsage(c.records.inPlay());
        OddOneOutModel m(c.draw, category);
        QVERIFY(m.load());
        QVERIFY(m.oddPosition() >= 0 && m.oddPosition() <= 2);
        QCOMPARE(m.slotAt(m.oddPosition()), 1);
        QCOMPARE(m.slotAt(3), 3);
        oddPositions.insert(m.oddPosition());
        // Four presidents: three share the label's pattern, the odd one does not.
        std::set<QString> names;
        for (int p = 0; p < 4; ++p) {
            const int record = m.chosen()[size_t(m.slotAt(p))];
            QCOMPARE(m.itemText(p), c.records.presidents[record].name);
            names.insert(m.itemText(p));
            const bool shares = fieldText(c.records, record, category) == m.question();
            QVERIFY2(shares == (p != m.oddPosition()), qPrintable(m.itemText(p) + " / " + m.question()));
        }
        QCOMPARE(names.size(), size_t(4));
        patterns.insert(m.question());
        pairs.insert(m.question() + " / " + fieldText(c.records, m.chosen()[1], category));
        QVERIFY(fx.messages->texts.isEmpty());
    }
    QCOMPARE(oddPositions, (std::set<int>{0, 1, 2}));
    QVERIFY(patterns.size() >= 2);
    if (category == 25) {
        // A president who lost re-election served his term; an assassinated
        // one died in office: neither is the one answer beside those.
        QVERIFY(!pairs.count("Served term / Lost try at re-election"));
        QVERIFY(!pairs.count("Died in office / Assassinated"));
        QVERIFY(pairs.count("Lost try at re-election / Served term"));
        QVERIFY(pairs.count("Served term / Died in office"));
    }
}

// Without three records of one pattern and an odd one beside them the
// category has run out: nothing is drawn.
void TstQoddout::runsOutWithoutThreeOfAPattern()
{
    for (const bool allAlike : {true, false}) {
        Fixture fx;
        fx.loadSampleRecords();
        Program& c = *fx.program;
        for (int i = 1; i <= kRecords; ++i)
            c.records.presidents.edit(i).party =
                allAlike ? QStringLiteral("Whig") : QStringLiteral("Party %1").arg(i);
        if (!allAlike)
            c.records.presidents.edit(7).party = QStringLiteral("Party 1"); // two of a kind at most
        OddOneOutModel m(c.draw, 20);
        QVERIFY(!m.load());
        QCOMPARE(c.session.itemUse, std::vector<int>(kRecords + 1, 0));
    }
    // Three terms that ended alike and a fourth that also ended that way (a
    // lost re-election after a term served, an assassination in office), or
    // three still running, which is no way a term ended. The rest resigned.
    for (const auto& [alike, fourth] : std::initializer_list<std::pair<int, int>>{{0, 3}, {1, 2}, {5, 0}}) {
        Fixture fx;
        fx.loadSampleRecords();
        Program& c = *fx.program;
        for (int i = 1; i <= kRecords; ++i)
            c.records.presidents.edit(i).endKind = i <= 3 ? alike : i == 4 ? fourth : 4;
        OddOneOutModel m(c.draw, 25);
        QVERIFY(!m.load());
        QCOMPARE(c.session.itemUse, std::vector<int>(kRecords + 1, 0));
    }
}

void TstQoddout::judgesThePick_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<Verdict>("expected");
    const QString heading = QStringLiteral("Results for Who didn't finish this term this way? ");
    const QString sentence = QStringLiteral("President 2's end of term: Assassinated, not Died in office");
    const QString wrong = "No, " + sentence;
    // Slots 0..3 hold records 1, 2 (the odd one), 6 and 11, unshuffled; the
    // question asks about the odd one alone.
    const auto verdict = [&](const QString& picked, const QList<Credit>& credits, const QList<LogLine>& log) {
        const bool right = picked == QLatin1String("President 2");
        Verdict v;
        v.record = {Screen::OddOneOut,
                    25,
                    QStringLiteral("Which does not fit: Died in office?"),
                    {"President 1", "President 2", "President 6", "President 11"},
                    {{2, "President 2", picked, "President 2", right}},
                    picked,
                    "President 2",
                    right ? 5 : 0,
                    5,
                    false,
                    {}};
        v.record.written.question = QStringLiteral("Died in office");
        v.record.written.choices = {"President 1", "President 2", "President 6", "President 11"};
        v.record.written.answer = 1;
        v.credits = credits;
        v.log = log;
        v.sound = right ? 4 : 6;
        v.results = right ? "Correct -- " + sentence : wrong;
        v.heading = heading;
        return v;
    };
    const LogLine explained{wrong, 2, LineKind::Explanation};
    QTest::addRow("right: the odd one") << 1 << verdict("President 2", {{2, 4}}, {});
    QTest::addRow("wrong: the pattern itself") << 0 << verdict("President 1", {{1, -1}}, {explained});
    QTest::addRow("wrong: position 3") << 3 << verdict("President 11", {{11, -1}}, {explained});
    QTest::addRow("wrong: position 2") << 2 << verdict("President 6", {{6, -1}}, {explained});
}

void TstQoddout::judgesThePick()
{
    QFETCH(int, position);
    QFETCH(Verdict, expected);
    Fixture fx;
    fx.loadSampleRecords();
    Question q(fx, 25);
    OddOneOutModel& m = q.model;
    QVERIFY(m.load());
    QCOMPARE(m.question(), QStringLiteral("Died in office"));
    const Verdict v = m.choose(position);
    QCOMPARE(v, expected);
    // The play log takes the explanation; an export's question file, no log line.
    QCOMPARE(judgedLines(v, RunMode::Play), expected.log);
    QCOMPARE(judgedLines(v, RunMode::TabbedExport), QList<LogLine>());
    QCOMPARE(judgedLines(v, RunMode::OnlineExport), QList<LogLine>());
}

void TstQoddout::tabbedLineWithMarkers()
{
    Fixture fx;
    fx.loadSampleRecords();
    Records& c = fx.program->records;
    const QString q(131, u'Q'), l(61, u'L'), m(61, u'M');
    for (int i : {1, 3, 5})
        c.presidents.edit(i).party = q;
    c.presidents.edit(2).party = QStringLiteral("Federalist");
    c.presidents.edit(3).name = l;
    c.presidents.edit(5).name = m;
    // The first swap exchanges positions 0 and 1.
    Question tabbed(fx, 20, {1, 2, 3, 5}, {0.5});
    QVERIFY(tabbed.model.load());
    QCOMPARE(tabbedLines(tabbed.model.unanswered()),
             QStringList{"* TOO LONG * * TOO LONG * * Question TOO LONG * " + q +
                         "\tPresident 2\tPresident 1\t" + l + "\t" + m + "\t1"});
    fx.program->session.resetUsage(kRecords);
    Question online(fx, 20, {1, 2, 3, 5}, {0.5});
    QVERIFY(online.model.load());
    QCOMPARE(onlineLines(online.model.unanswered()),
             (QStringList{"ODDOUT", "Who didn't belong to this party? ", q, "President 2", "President 1", l,
                          m, " 1"}));
}

void TstQoddout::playedByMouseAndKeyboard()
{
    Fixture f(3);
    f.loadSampleRecords();
    Program& ctx = *f.program;
    ctx.settings.settings.soundon = -1;
    ctx.sounds.setFile(4, QStringLiteral("odd.wav"));
    ctx.sounds.setFile(6, QStringLiteral("notodd.wav"));
    ctx.log.clear();
    const QString caption = QStringLiteral("Who didn't finish this term this way? ");
    QString wrongSentence;
    WindowGameUi ui(ctx);
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<OddOneOutWindow*>(w);
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), caption);
        QCOMPARE(q->patternLabel->text(), fieldText(ctx.records, q->model().chosen()[0], 25));
        QTest::mouseClick(q->helpButton, Qt::LeftButton);
        QCOMPARE(f.messages->texts, QStringList{"Click on the item that does NOT fit the pattern"});
        QTest::mouseClick(q->items[q->model().oddPosition()], Qt::RightButton); // not a click
        QCOMPARE(ctx.session.possible, 0);
        QTest::mouseClick(q->items[q->model().oddPosition()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QVERIFY(s->resultsText().startsWith(QStringLiteral("Correct -- ")));
        QCOMPARE(s->headingLabel->text(), "Results for " + caption);
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<OddOneOutWindow*>(w);
        QVERIFY(q);
        q->items[3]->setFocus(); // never the odd one
        QTest::keyClick(q->items[3], Qt::Key_Space);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        wrongSentence = s->resultsText();
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    Game game = f.game();
    game.ask(ui, 25);
    game.ask(ui, 25);
    QVERIFY(driver.done());
    QVERIFY(wrongSentence.startsWith(QStringLiteral("No, ")));
    QCOMPARE(ctx.session.score, 5);
    QCOMPARE(ctx.session.possible, 10);
    QCOMPARE(f.sound->played, (QStringList{f.path("odd.wav"), f.path("notodd.wav")}));
    const QString log = QString::fromLatin1(f.read(QString::fromLatin1(kLogFile)));
    QCOMPARE(log, caption + "\r\n" + caption + "\r\n" + wrongSentence + "\r\n");
}

// A bonus category the records cannot fill leaves the draw without a word: no
// message, no setup screen, and the game loop is told to draw another.
void TstQoddout::unfillableBonusLeavesQuietly()
{
    Fixture f;
    f.loadSampleRecords();
    Program& ctx = *f.program;
    for (int i = 1; i <= kRecords; ++i)
        ctx.records.presidents.edit(i).party = QStringLiteral("Whig");
    ctx.settings.settings.catenabled[20] = -1;
    QString opened;
    ModalDriver driver;
    driver.then([&](QWidget* w) {
        opened = w->objectName();
        w->close();
    });
    WindowGameUi ui(ctx);
    QVERIFY(f.game().ask(ui, 20).asked == Asked::LeftOut);
    QCOMPARE(opened, QString());
    QCOMPARE(f.messages->texts, QStringList());
    QCOMPARE(ctx.settings.settings.catenabled[20], 0);
}

QTEST_MAIN(TstQoddout)
#include "tst_qoddout.moc"
