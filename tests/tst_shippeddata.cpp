// The records that ship with the game: complete, well formed, and able to fill
// every question the game asks.
#include "models/namememodel.h"
#include "models/sortmodel.h"
#include "base/peoplelists.h"
#include "game/questionkinds.h"
#include "testsupport.h"

#include <QRegularExpression>
#include <QtTest>
#include <set>

using namespace brev;

namespace {

// Items a question screen draws for each category the game asks.
int slotsFor(int category)
{
    return category == 11 || category == 20 || category == 25 ? 4 : 5;
}

// The categories of 1..18 and those with screens of their own beyond them.
const std::vector<int> kAsked{
    1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 20, 25, kQuoteCategory};

void loadShipped(test::Fixture& fx, bool withAddOn = false)
{
    Program& p = *fx.program;
    const auto error = readRecords(p.records, QStringLiteral(BREV_DATA_DIR "/brev.dat"));
    QVERIFY2(!error, error ? qPrintable(*error) : "");
    const auto problem =
        withAddOn ? readAddOn(p.records, QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), true) : std::nullopt;
    QVERIFY2(!problem, problem ? qPrintable(*problem) : "");
    p.session.resetUsage(p.records.loadedRecords());
}

QByteArray shippedFile(const char* name)
{
    QFile f(QStringLiteral(BREV_DATA_DIR "/") + QLatin1String(name));
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Fills one question of the category; false when a slot cannot be filled.
bool fillQuestion(Program& c, int category, Chosen* out = nullptr)
{
    Chosen chosen{};
    for (int slot = 0; slot < slotsFor(category); ++slot)
        if (c.draw.pick(category, chosen, slot) == 0)
            return false;
    if (out)
        *out = chosen;
    return true;
}

} // namespace

class TstShippedData : public QObject {
    Q_OBJECT
private slots:
    void readsAsFortyOneRecordsWithLinks();
    void isExactlyWhatTheProgramWrites();
    void namesAreUniqueAndGuessable();
    void recordsFollowTermOrder();
    void fieldsHoldSensibleValues();
    void fillsEveryCategoryFromFreshCounters();
    void fillsEveryCategoryAfterLongUse();
    void helpTextIsPlainText_data();
    void helpTextIsPlainText();
    void everyQuestionHasOneRightAnswer_data();
    void everyQuestionHasOneRightAnswer();
    void namesOfOnePersonAreKnown_data();
    void namesOfOnePersonAreKnown();
    void addOnBringsTheLaterPresidents();
};

void TstShippedData::readsAsFortyOneRecordsWithLinks()
{
    test::Fixture fx;
    loadShipped(fx);
    QCOMPARE(fx.program->records.inPlay(), 41);
    QVERIFY(fx.program->records.linkbase.startsWith(QStringLiteral("https://")));
    std::set<QString> links;
    for (int i = 1; i <= 41; ++i) {
        QVERIFY2(!fx.program->records.presidents[i].link.isEmpty(), qPrintable(QString::number(i)));
        links.insert(fx.program->records.presidents[i].link);
    }
    QCOMPARE(links.size(), size_t(41));
    QCOMPARE(fx.program->records.presidents[1].name, QStringLiteral("George Washington"));
    QCOMPARE(fx.program->records.presidents[22].name, QStringLiteral("Grover Cleveland"));
    QCOMPARE(fx.program->records.presidents[23].name, QStringLiteral("Benjamin Harrison"));
    QCOMPARE(fx.program->records.presidents[24].name, QStringLiteral("William McKinley"));
    QCOMPARE(fx.program->records.presidents[41].name, QStringLiteral("Bill Clinton"));
}

void TstShippedData::isExactlyWhatTheProgramWrites()
{
    // Written back through the program's own writer, the file is unchanged: plain
    // ASCII, CR LF line ends, every text quoted, no quote inside a text.
    test::Fixture fx;
    loadShipped(fx);
    QFile f(QStringLiteral(BREV_DATA_DIR "/brev.dat"));
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray bytes = f.readAll();
    QCOMPARE(dataText(fx.program->records), bytes);
    for (char ch : bytes)
        QVERIFY(ch == '\r' || ch == '\n' || (ch >= 32 && ch < 127));
}

void TstShippedData::namesAreUniqueAndGuessable()
{
    test::Fixture fx;
    loadShipped(fx);
    const QRegularExpression guessable(QStringLiteral("^[A-Za-z][A-Za-z. ]*[A-Za-z.]$"));
    std::set<QString> names;
    for (int i = 1; i <= 41; ++i) {
        const QString& name = fx.program->records.presidents[i].name;
        QVERIFY2(guessable.match(name).hasMatch(), qPrintable(name));
        QVERIFY2(!name.contains(QStringLiteral("  ")), qPrintable(name));
        names.insert(name);
    }
    QCOMPARE(names.size(), size_t(41));
}

void TstShippedData::recordsFollowTermOrder()
{
    test::Fixture fx;
    loadShipped(fx);
    for (int i = 2; i <= 41; ++i)
        QVERIFY2(fx.program->records.presidents[i].termKey >= fx.program->records.presidents[i - 1].termKey,
                 qPrintable(fx.program->records.presidents[i].name));
    QCOMPARE(fx.program->records.presidents[1].termKey, 1789);
    QCOMPARE(fx.program->records.presidents[41].termKey, 1993);
}

void TstShippedData::fieldsHoldSensibleValues()
{
    test::Fixture fx;
    loadShipped(fx, true);
    QCOMPARE(fx.program->records.inPlay(), 45);
    const QRegularExpression dated(QStringLiteral("\\b(17|18|19|20)\\d\\d\\b"));
    int quotations = 0;
    for (int i = 1; i <= 45; ++i) {
        const President& p = fx.program->records.presidents[i];
        const QByteArray who = p.name.toLatin1();
        QVERIFY2(p.endKind >= 0 && p.endKind <= (i == 44 ? 5 : 4), who); // only Trump is "In office"
        QVERIFY2(dated.match(p.quotationSource).hasMatch(), who);        // a document or speech, and its date
        QVERIFY2(p.dif >= 1 && p.dif <= 3, who);
        QVERIFY2(p.birthKey > 1700 && p.birthKey < p.termKey, who);
        QVERIFY2(p.term.startsWith(QString::number(p.termKey)), who);
        QVERIFY2(p.birth.endsWith(QString::number(p.birthKey)), who);
        for (const QString* text : {&p.term, &p.birth, &p.vice, &p.birthplace, &p.home, &p.wife, &p.party,
                                    &p.opponent, &p.secState, &p.secWar, &p.attnGen})
            QVERIFY2(!text->isEmpty() && text->size() <= 120, who);
        QVERIFY2(p.quotation.size() <= 200, who); // the quotation, when there is one
        quotations += p.quotation.isEmpty() ? 0 : 1;
    }
    QCOMPARE(quotations, 45);
}

void TstShippedData::fillsEveryCategoryFromFreshCounters()
{
    for (int category : kAsked) {
        test::Fixture fx(category);
        loadShipped(fx);
        QVERIFY2(fillQuestion(*fx.program, category), qPrintable(categoryName(category)));
        QVERIFY(fx.messages->texts.isEmpty());
    }
}

void TstShippedData::fillsEveryCategoryAfterLongUse()
{
    // A long run: many questions of every kind, with right and wrong answers.
    test::Fixture fx(99);
    loadShipped(fx);
    Program& c = *fx.program;
    for (int round = 0; round < 60; ++round) {
        for (int category : kAsked) {
            Chosen chosen{};
            QVERIFY2(fillQuestion(c, category, &chosen),
                     qPrintable(QStringLiteral("round %1: %2").arg(round).arg(categoryName(category))));
            for (int slot = 0; slot < slotsFor(category); ++slot)
                c.session.credit(chosen[size_t(slot)], fx.random->uniform() < 0.7 ? 4 : -1);
        }
    }
    QVERIFY(fx.messages->texts.isEmpty());
}

// The presidents after 1993 come from the add-on as records 42 to 45, each
// with a portrait, and the add-on is exactly what the program writes.
// Trump's two terms sort by the first; Name Me reaches each of them.
void TstShippedData::addOnBringsTheLaterPresidents()
{
    test::Fixture fx(7);
    loadShipped(fx, true);
    Program& c = *fx.program;
    const QStringList later{"George W. Bush", "Barack Obama", "Donald Trump", "Joe Biden"};
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(c.records.presidents[size_t(42 + i)].name, later[i]);
        const QString portrait = QStringLiteral("brev%1.gif").arg(43 + i);
        QCOMPARE(c.records.presidents[size_t(42 + i)].image, portrait);
        QVERIFY(!QImage(QStringLiteral(BREV_DATA_DIR "/") + portrait).isNull());
    }
    QCOMPARE(fieldText(c.records, 44, 24), QStringLiteral("In office"));
    QCOMPARE(addOnText(c.records), shippedFile("brevplus.dat"));
    QCOMPARE(dataText(c.records), shippedFile("brev.dat"));

    // Sort by term served.
    test::ChosenDraw inOrder(c, {41, 42, 43, 44, 45});
    SortModel sorted(inOrder, 15);
    QVERIFY(sorted.load());
    QCOMPARE(sorted.judge().record.points, sorted.judge().record.possible);
    test::ChosenDraw swapped(c, {41, 42, 43, 45, 44});
    SortModel unsorted(swapped, 15);
    QVERIFY(unsorted.load());
    QVERIFY(unsorted.judge().record.points < unsorted.judge().record.possible);

    QSet<int> named;
    for (int n = 0; n < 400 && named.size() < 4; ++n) {
        NameMeModel m(c.draw, 21, 1);
        QVERIFY(m.load());
        if (m.record() > 41)
            named.insert(m.record());
    }
    QCOMPARE(named.size(), 4);
}

void TstShippedData::helpTextIsPlainText_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("accents");
    QTest::newRow("English") << "brevhelp.txt" << false;
    QTest::newRow("Spanish") << "brevhelp_es.txt" << true;
    QTest::newRow("German") << "brevhelp_de.txt" << true;
}

// Read as Latin-1 like every file of the game: the English help in plain
// ASCII, the Spanish and German ones also with Latin-1's letters (0xA0 to
// 0xFF: á, ñ, ü, ß, «, »); CR LF line ends, and lines as short as the
// English help's, for the reader's width.
void TstShippedData::helpTextIsPlainText()
{
    QFETCH(QString, file);
    QFETCH(bool, accents);
    QFile f(QStringLiteral(BREV_DATA_DIR "/") + file);
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    QVERIFY(text.size() > 2000);
    for (char ch : text) {
        const auto byte = static_cast<unsigned char>(ch);
        QVERIFY2(ch == '\r' || ch == '\n' || (byte >= 32 && byte < 127) || (accents && byte >= 0xA0),
                 qPrintable(QStringLiteral("byte 0x%1").arg(byte, 2, 16, QLatin1Char('0'))));
    }
    QCOMPARE(text.count("\n"), text.count("\r\n"));
    for (const QByteArray& line : text.split('\n'))
        QVERIFY2(line.size() <= 74 + 1, line.constData()); // 74 characters and the CR
}

// Many questions of every category, as the export draws them (the game's
// screens load the same models): no two items of a question name one person
// (written the same way in both records), and no odd one out about how a term
// ended shows a president whose terms ended two ways.
void TstShippedData::everyQuestionHasOneRightAnswer_data()
{
    QTest::addColumn<bool>("laterPresidents");
    QTest::addRow("brev.dat") << false;
    QTest::addRow("with brevplus.dat") << true;
}

void TstShippedData::everyQuestionHasOneRightAnswer()
{
    QFETCH(bool, laterPresidents);
    std::vector<int> categories = kAsked;
    categories.insert(categories.end(), {22, 23, 24, 26, 27});
    const QStringList endedTwoWays{QStringLiteral("Grover Cleveland"), QStringLiteral("Donald Trump")};
    int asked = 0;
    for (quint64 seed = 1; seed <= 10; ++seed) {
        test::Fixture fx(seed);
        loadShipped(fx, laterPresidents);
        Program& c = *fx.program;
        for (int round = 0; round < 4; ++round) {
            for (int category : categories) {
                const auto question = makeQuestion(screenFor(category), c.draw, category, 1);
                if (!question || !question->load())
                    continue;
                ++asked;
                const Chosen& chosen = question->chosen();
                const int items = slotsFor(category);
                const Field field = categoryRow(category).field;
                for (int i = 0; i < items; ++i) {
                    const President& p = c.records.presidents[size_t(chosen[size_t(i)])];
                    if (field == Field::EndKind)
                        QVERIFY2(!endedTwoWays.contains(p.name), qPrintable(p.name));
                    for (int j = 0; j < i && listsPeople(field); ++j) {
                        const QString a = fieldText(c.records, chosen[size_t(i)], category);
                        const QString b = fieldText(c.records, chosen[size_t(j)], category);
                        for (const QString& name : a.split(QStringLiteral(", ")))
                            QVERIFY2(!b.split(QStringLiteral(", ")).contains(name),
                                     qPrintable(QStringLiteral("%1: \"%2\" and \"%3\"")
                                                    .arg(categoryName(category), a, b)));
                    }
                }
            }
        }
    }
    QVERIFY(asked > 10 * 4 * 20);
}

void TstShippedData::namesOfOnePersonAreKnown_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("same");
    QTest::addRow("exact") << "George Clinton, Elbridge Gerry"
                           << "Aaron Burr, George Clinton" << true;
    QTest::addRow("alone") << "John C. Calhoun"
                           << "John C. Calhoun, Martin Van Buren" << true;
    QTest::addRow("middle name spelled out") << "Charles Evans Hughes"
                                             << "Charles E. Hughes" << true;
    QTest::addRow("middle name left out") << "Henry L. Stimson"
                                          << "Henry Stimson" << true;
    QTest::addRow("surname only") << "Black, Reed, Stone"
                                  << "Harlan F. Stone" << true;
    QTest::addRow("suffix") << "Edward R. Stettinius Jr., James F. Byrnes"
                            << "Edward R. Stettinius" << true;
    QTest::addRow("first initial") << "C. C. Pinckney"
                                   << "Charles C. Pinckney" << true;
    QTest::addRow("other first name") << "Hillary Clinton"
                                      << "Bill Clinton" << false;
    QTest::addRow("other middle initials") << "George H. W. Bush"
                                           << "George W. Bush" << false;
    QTest::addRow("father and son") << "J. Donald Cameron"
                                    << "Simon Cameron" << false;
    QTest::addRow("other surname") << "Winfield Scott"
                                   << "Winfield S. Hancock" << false;
    QTest::addRow("no one") << "none"
                            << "Al Gore" << false;
}

void TstShippedData::namesOfOnePersonAreKnown()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, same);
    QCOMPARE(sharePerson(a, b), same);
    QCOMPARE(sharePerson(b, a), same);
}

QTEST_GUILESS_MAIN(TstShippedData)
#include "tst_shippeddata.moc"
