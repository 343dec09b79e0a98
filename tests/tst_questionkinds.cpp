// The table of question kinds: every kind in it makes its model and its
// window, and writes the export forms it claims and no other, on the shipped
// records with a seeded draw.
#include "game/questionkinds.h"
#include "game/questionlines.h"
#include "screens/questionwindow.h"
#include "screens/questionwindows.h"
#include "store/records.h"
#include "testsupport.h"

#include <QtTest>

Q_DECLARE_METATYPE(brev::Screen)

using namespace brev;
using namespace brev::test;

namespace {

void loadShipped(Fixture& fx)
{
    Program& p = *fx.program;
    const auto error = readRecords(p.records, QStringLiteral(BREV_DATA_DIR "/brev.dat"));
    QVERIFY2(!error, error ? qPrintable(*error) : "");
    p.session.resetUsage(p.records.loadedRecords());
}

// The first category a game draws that the kind asks.
int categoryOf(Screen screen)
{
    for (int category = 0; category < kCategories; ++category)
        if (screenFor(category) == screen && categoryRow(category).listing != Listing::Unused)
            return category;
    return -1;
}

} // namespace

class TstQuestionKinds : public QObject {
    Q_OBJECT
private slots:
    void everyRowHasAnEntry();
    void everyKindMakesItsModelAndWindow_data();
    void everyKindMakesItsModelAndWindow();
    void everyKindWritesTheFormsItClaims_data();
    void everyKindWritesTheFormsItClaims();
};

void TstQuestionKinds::everyRowHasAnEntry()
{
    QCOMPARE(questionKinds().size(), kKindFacts.size());
    for (std::size_t i = 0; i < kKindFacts.size(); ++i)
        QCOMPARE(&questionKinds()[i].facts, &kKindFacts[i]);
    QVERIFY(!questionKind(Screen::None));
    Fixture fx;
    QVERIFY(!makeQuestion(Screen::None, fx.program->draw, 0, 1));
}

void TstQuestionKinds::everyKindMakesItsModelAndWindow_data()
{
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("window");
    QTest::addRow("multiple choice") << Screen::MultipleChoice << QStringLiteral("mchoice");
    QTest::addRow("quotation") << Screen::Quotation << QStringLiteral("quote");
    QTest::addRow("odd one out") << Screen::OddOneOut << QStringLiteral("qoddout");
    QTest::addRow("sorting") << Screen::Sorting << QStringLiteral("qsort");
    QTest::addRow("matching") << Screen::Matching << QStringLiteral("qmatch");
    QTest::addRow("portraits") << Screen::Portraits << QStringLiteral("imatch");
    QTest::addRow("name me") << Screen::NameMe << QStringLiteral("NameMe");
}

void TstQuestionKinds::everyKindMakesItsModelAndWindow()
{
    QFETCH(Screen, screen);
    QFETCH(QString, window);
    Fixture fx(7);
    loadShipped(fx);
    Program& p = *fx.program;
    const int category = categoryOf(screen);
    const auto question = makeQuestion(screen, p.draw, category, 3);
    QVERIFY(question);
    QCOMPARE(question->screen(), screen);
    QVERIFY(question->load());
    const auto shown = makeWindow(*question, fx.parts(), QStringLiteral(BREV_DATA_DIR), nullptr);
    QVERIFY(shown);
    QCOMPARE(shown->objectName(), window);
}

void TstQuestionKinds::everyKindWritesTheFormsItClaims_data()
{
    // The online block's first line names the form; a kind without a form
    // writes nothing, and the export leaves its questions out.
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<QString>("online");
    QTest::addColumn<bool>("tabbed");
    QTest::addColumn<bool>("help");
    QTest::addRow("multiple choice") << Screen::MultipleChoice << QStringLiteral("MULT") << true << true;
    QTest::addRow("quotation") << Screen::Quotation << QStringLiteral("MULTQ") << true << true;
    QTest::addRow("odd one out") << Screen::OddOneOut << QStringLiteral("ODDOUT") << true << true;
    QTest::addRow("sorting") << Screen::Sorting << QStringLiteral("SORT") << false << true;
    QTest::addRow("matching") << Screen::Matching << QStringLiteral("MATCH") << true << true;
    QTest::addRow("portraits") << Screen::Portraits << QStringLiteral("IMATCH") << false << true;
    QTest::addRow("name me") << Screen::NameMe << QString() << false << false;
}

void TstQuestionKinds::everyKindWritesTheFormsItClaims()
{
    QFETCH(Screen, screen);
    QFETCH(QString, online);
    QFETCH(bool, tabbed);
    QFETCH(bool, help);
    Fixture fx(3);
    loadShipped(fx);
    const int category = categoryOf(screen);
    const auto question = makeQuestion(screen, fx.program->draw, category, 1);
    QVERIFY(question->load());
    const QuestionRecord record = question->unanswered();
    QCOMPARE(onlineLines(record).value(0), online);
    QCOMPARE(writtenIn(category, RunMode::OnlineExport), !online.isEmpty());
    QCOMPARE(tabbedLines(record).size(), tabbed ? 1 : 0);
    QCOMPARE(writtenIn(category, RunMode::TabbedExport), tabbed);
    QVERIFY(!writtenIn(category, RunMode::Play));
    QCOMPARE(playLines(record).isEmpty(), screen == Screen::NameMe);
    QCOMPARE(!kindHelp(screen).isEmpty(), help);
}

QTEST_MAIN(TstQuestionKinds)
#include "tst_questionkinds.moc"
