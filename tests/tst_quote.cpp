// The quotation question: its export lines (line breaks flattened, the
// length markers), records without a quotation left out, and the window
// played by a click.
#include "app/gameui.h"
#include "game/questionlines.h"
#include "models/quotationmodel.h"
#include "screens/quotationwindow.h"
#include "screens/scorewindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>
#include <set>

using namespace brev;
using namespace brev::test;

namespace {

const QString kChoices = QStringLiteral("President 1\tPresident 2\tPresident 3\tPresident 4\t1");
const QString kMarker = QStringLiteral("* Quote TOO LONG * ");

} // namespace

class TstQuote : public QObject {
    Q_OBJECT
private slots:
    void exportLines_data();
    void exportLines();
    void drawsOnlyRecordsWithAQuotation();
    void playedByAClick();
    void wrongPickShowsTheQuotationsSource();
};

void TstQuote::exportLines_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("quotation");
    QTest::addColumn<QString>("secondName");
    QTest::addColumn<QStringList>("expected");
    const QString a100(100, u'a'), a101(101, u'a'), a49(49, u'a'), a50(50, u'a'), b49(49, u'b');
    const QString longName(131, u'N');
    QTest::addRow("two line breaks") << false << "Let us\r\nhave\r\npeace."
                                     << "President 2"
                                     << QStringList{"Who said this? -- Let us/ have/ peace.\t" + kChoices};
    QTest::addRow("lone line feed") << false << "Let us\nhave peace."
                                    << "President 2"
                                    << QStringList{"Who said this? -- Let us/ have peace.\t" + kChoices};
    QTest::addRow("lone carriage return")
        << false << "Let us\rhave peace."
        << "President 2" << QStringList{"Who said this? -- Let us/ have peace.\t" + kChoices};
    QTest::addRow("100 characters") << false << a100 << "President 2"
                                    << QStringList{"Who said this? -- " + a100 + "\t" + kChoices};
    QTest::addRow("101 characters") << false << a101 << "President 2"
                                    << QStringList{kMarker + "Who said this? -- " + a101 + "\t" + kChoices};
    QTest::addRow("100 once flattened")
        << false << a49 + "\r\n" + b49 << "President 2"
        << QStringList{"Who said this? -- " + a49 + "/ " + b49 + "\t" + kChoices};
    QTest::addRow("101 once flattened")
        << false << a50 + "\r\n" + b49 << "President 2"
        << QStringList{kMarker + "Who said this? -- " + a50 + "/ " + b49 + "\t" + kChoices};
    QTest::addRow("choice of 131 characters")
        << false << "Short." << longName
        << QStringList{kMarker + "Who said this? -- Short.\tPresident 1\t" + longName +
                       "\tPresident 3\tPresident 4\t1"};
    QTest::addRow("online block")
        << true << "Let us\r\nhave peace."
        << "President 2"
        << QStringList{
               "MULTQ",       "Who said it?", "President 1",    "President 2",           "President 3",
               "President 4", "President 5",  "Who said this?", "Let us\r\nhave peace.", "*****",
               " 1"};
}

void TstQuote::exportLines()
{
    QFETCH(bool, online);
    QFETCH(QString, quotation);
    QFETCH(QString, secondName);
    QFETCH(QStringList, expected);
    Fixture fx;
    fx.loadSampleRecords();
    Records& c = fx.program->records;
    for (int i = 1; i <= 5; ++i)
        c.presidents.edit(i).quotation = QStringLiteral("Words of %1").arg(i);
    c.presidents.edit(1).quotation = quotation;
    c.presidents.edit(2).name = secondName;
    // Records 1..5 in slots 0..4, the answer in the first place.
    ChosenDraw draw(*fx.program, {1, 2, 3, 4, 5});
    QuotationModel m(draw, kQuoteCategory);
    QVERIFY(m.load());
    QCOMPARE(m.answerSlot(), 0);
    QCOMPARE(m.quotation(), quotation);
    QCOMPARE(online ? onlineLines(m.unanswered()) : tabbedLines(m.unanswered()), expected);
}

void TstQuote::drawsOnlyRecordsWithAQuotation()
{
    const std::set<int> quoted{3, 8, 13, 21, 34, 40};
    for (quint64 seed = 1; seed <= 30; ++seed) {
        Fixture fx(seed);
        fx.loadSampleRecords();
        Program& c = *fx.program;
        for (int i : quoted)
            c.records.presidents.edit(i).quotation = QStringLiteral("Words of %1").arg(i);
        c.records.presidents.edit(21).quotation = QStringLiteral(" "); // blank: no quotation
        QuotationModel m(c.draw, kQuoteCategory);
        QVERIFY(m.load());
        for (int slot = 0; slot < 5; ++slot) {
            const int r = m.chosen()[size_t(slot)];
            QVERIFY2(quoted.count(r) == 1 && r != 21, qPrintable(QString::number(r)));
            QCOMPARE(m.choiceText(slot), QStringLiteral("President %1").arg(r));
        }
        QCOMPARE(m.question(), QStringLiteral("Who said this?"));
        QCOMPARE(m.quotation(), QStringLiteral("Words of %1").arg(m.chosen()[size_t(m.answerSlot())]));
        QVERIFY(fx.messages->texts.isEmpty());
    }
}

void TstQuote::playedByAClick()
{
    Fixture f(5);
    f.loadSampleRecords();
    Program& ctx = *f.program;
    for (int i = 1; i <= kRecords; ++i) {
        ctx.records.presidents.edit(i).quotation = QStringLiteral("First line %1\r\nsecond line").arg(i);
        ctx.records.presidents.edit(i).quotationSource = QStringLiteral("Letter %1").arg(i);
    }
    ctx.settings.settings.soundon = -1;
    ctx.sounds.setFile(5, QStringLiteral("right.wav"));
    WindowGameUi ui(ctx);
    ModalDriver driver;
    int speaker = 0;
    driver.then([&](QWidget* w) {
        auto* q = qobject_cast<QuotationWindow*>(w);
        QVERIFY(q);
        QCOMPARE(q->windowTitle(), QStringLiteral("Multiple Choice"));
        QCOMPARE(q->questionLabel->text(), QStringLiteral("Who said this?"));
        speaker = q->model().chosen()[size_t(q->answerSlot())];
        QCOMPARE(q->quotationBox->toPlainText(), QStringLiteral("First line %1\nsecond line").arg(speaker));
        QCOMPARE(q->choices[q->answerSlot()]->text(), QStringLiteral("President %1").arg(speaker));
        QTest::mouseClick(q->choices[q->answerSlot()], Qt::LeftButton);
    });
    driver.then([&](QWidget* w) {
        auto* s = qobject_cast<ScoreWindow*>(w);
        QVERIFY(s);
        QCOMPARE(s->resultsText(), QStringLiteral(" Correct, +5 pts\nSource: Letter %1").arg(speaker));
        QCOMPARE(s->headingLabel->text(), QStringLiteral("Results for Who said it?"));
        QTest::mouseClick(s->okButton, Qt::LeftButton);
    });
    QCOMPARE(f.game().ask(ui, kQuoteCategory).asked, Asked::Yes);
    QVERIFY(driver.done());
    QCOMPARE(ctx.session.score, 5);
    QCOMPARE(ctx.session.possible, 5);
    QCOMPARE(f.sound->played, QStringList{f.path("right.wav")});
}

// After a wrong pick the score screen still names the source of the
// quotation shown, not of the president picked.
void TstQuote::wrongPickShowsTheQuotationsSource()
{
    Fixture f(3);
    f.loadSampleRecords();
    Records& records = f.program->records;
    for (int i = 1; i <= kRecords; ++i) {
        records.presidents.edit(i).quotation = QStringLiteral("Words of %1").arg(i);
        records.presidents.edit(i).quotationSource = QStringLiteral("Letter %1").arg(i);
    }
    // Records 1..5 in slots 0..4, the answer (record 1) in the first place.
    ChosenDraw draw(*f.program, {1, 2, 3, 4, 5});
    QuotationModel m(draw, kQuoteCategory);
    QVERIFY(m.load());
    const int speaker = m.chosen()[size_t(m.answerSlot())];
    QCOMPARE(speaker, 1);
    const int wrong = (m.answerSlot() + 1) % 5;
    const Verdict v = m.choose(wrong);
    QCOMPARE(v.record.points, 0);
    QVERIFY2(v.results.endsWith(QStringLiteral("\r\nSource: Letter %1").arg(speaker)), qPrintable(v.results));
}

QTEST_MAIN(TstQuote)
#include "tst_quote.moc"
