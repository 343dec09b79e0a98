// Category names, end-of-term texts, and the texts and sort keys of records.
#include "rules/itemdraw.h"
#include "testsupport.h"

#include <QtTest>
#include <functional>
#include <map>

using namespace brev;

Q_DECLARE_METATYPE(brev::Screen)

class TstTexts : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        fx = std::make_unique<test::Fixture>();
        fx->loadSampleRecords();
    }
    void namesTheCategories();
    void fieldTextOfEachCategory();
    void questionTextOfEveryKind();
    void sortKeys();
    void categoryTable_data();
    void categoryTable();

private:
    std::unique_ptr<test::Fixture> fx;
};

void TstTexts::namesTheCategories()
{
    std::array<QString, kCategories> n;
    for (int k = 0; k < kCategories; ++k)
        n[size_t(k)] = categoryName(k);
    QCOMPARE(n[0], QStringLiteral("Name"));
    QCOMPARE(n[1], QStringLiteral("When did this president serve?"));
    QCOMPARE(n[2], QStringLiteral("Who was this president's Vice President?"));
    QCOMPARE(n[3], QStringLiteral("When was this president born?"));
    QCOMPARE(n[4], QStringLiteral("Match Presidents and terms"));
    QCOMPARE(n[5], QStringLiteral("Match Vice Presidents"));
    QCOMPARE(n[6], QStringLiteral("Match First Ladies and Presidents"));
    QCOMPARE(n[7], QStringLiteral("Match Birthplaces"));
    QCOMPARE(n[8], QStringLiteral("Match Sec'ys of State"));
    QCOMPARE(n[9], QStringLiteral("Match Sec'ys of War/Defense"));
    QCOMPARE(n[10], QStringLiteral("Match Att'ys General"));
    QCOMPARE(n[11], QStringLiteral("Portraits "));
    QCOMPARE(n[12], QStringLiteral("Sort by birthdate"));
    QCOMPARE(n[13], QStringLiteral("Sort First Ladies by term"));
    QCOMPARE(n[14], QStringLiteral("Sort Vice Presidents"));
    QCOMPARE(n[15], QStringLiteral("Sort by term served"));
    QCOMPARE(n[16], QStringLiteral("Sort Sec'ys of State"));
    QCOMPARE(n[17], QStringLiteral("Sort Sec'ys of War/Defense"));
    QCOMPARE(n[18], QStringLiteral("Sort Att'ys General"));
    QCOMPARE(n[19], QString());
    QCOMPARE(n[20], QStringLiteral("Who didn't belong to this party? "));
    QCOMPARE(n[21], QStringLiteral("Name Me"));
    QCOMPARE(n[22], QStringLiteral("Sort Supreme Court appointments"));
    QCOMPARE(n[23], QStringLiteral("Match Supreme Court appointments"));
    QCOMPARE(n[24], QStringLiteral("Match End of terms"));
    QCOMPARE(n[25], QStringLiteral("Who didn't finish this term this way? "));
    QCOMPARE(n[26], QStringLiteral("Match Political opponents "));
    QCOMPARE(n[27], QStringLiteral("Match Homes"));
    QCOMPARE(n[28], QString());
    QCOMPARE(n[29], QStringLiteral("Who said it?"));
    const std::array<QString, 6> kinds{QStringLiteral("Served term"),
                                       QStringLiteral("Died in office"),
                                       QStringLiteral("Assassinated"),
                                       QStringLiteral("Lost try at re-election"),
                                       QString(),
                                       QStringLiteral("In office")};
    for (int i = 0; i < 6; ++i)
        QCOMPARE(endKindText(i), kinds[size_t(i)]);
    QCOMPARE(endKindText(6), QString());
    QCOMPARE(categoryName(kCategories), QString());
}

void TstTexts::fieldTextOfEachCategory()
{
    Records& c = fx->program->records;
    const President& p = c.presidents[7];
    const std::map<int, QString> expected{{0, p.name},      {1, p.term},
                                          {2, p.vice},      {3, p.birth},
                                          {4, p.term},      {5, p.vice},
                                          {6, p.wife},      {7, p.birthplace},
                                          {8, p.secState},  {9, p.secWar},
                                          {10, p.attnGen},  {11, p.name},
                                          {12, p.name},     {13, p.wife},
                                          {14, p.vice},     {15, p.name},
                                          {16, p.secState}, {17, p.secWar},
                                          {18, p.attnGen},  {20, p.party},
                                          {21, p.name},     {22, p.court},
                                          {23, p.court},    {26, p.opponent},
                                          {27, p.home},     {kQuoteCategory, p.name}};
    for (const auto& [k, text] : expected)
        QCOMPARE(fieldText(c, 7, k), text);
    c.presidents.edit(7).endKind = 2;
    QCOMPARE(fieldText(c, 7, 24), QStringLiteral("Assassinated"));
    QCOMPARE(fieldText(c, 7, 25), QStringLiteral("Assassinated"));
    c.presidents.edit(7).endKind = 4;
    QCOMPARE(fieldText(c, 7, 24), QString());
    // Categories without a field have no text.
    QCOMPARE(fieldText(c, 7, 19), QString());
    QCOMPARE(fieldText(c, 7, 28), QString());
}

void TstTexts::questionTextOfEveryKind()
{
    Records& c = fx->program->records;
    int k = 0;
    k = 15;
    QCOMPARE(questionText(c, k, TextKind::SortTitle, 3, 0),
             QStringLiteral("Sort by term served, in order of Presidency"));
    k = 12;
    QCOMPARE(questionText(c, k, TextKind::SortTitle, 3, 0), QStringLiteral("Sort by birthdate"));
    c.presidents.edit(1).name = QStringLiteral("A");
    c.presidents.edit(1).birthKey = 1767;
    c.presidents.edit(2).name = QStringLiteral("B");
    c.presidents.edit(2).birthKey = 1732;
    QCOMPARE(questionText(c, k, TextKind::SortedPair, 1, 2), QStringLiteral("A 1767 > B 1732"));

    k = 7;
    QCOMPARE(questionText(c, k, TextKind::Item, 4, 0), c.presidents[4].name);
    QCOMPARE(questionText(c, k, TextKind::Item, 4, 7), c.presidents[4].birthplace);
    QCOMPARE(questionText(c, k, TextKind::Answer, 4, 0), c.presidents[4].birthplace);

    k = 13;
    QCOMPARE(questionText(c, k, TextKind::Answer, 4, 0),
             QStringLiteral(" *** need L_PARAM for 13Sort First Ladies by term"));
    k = 21;
    QCOMPARE(questionText(c, k, TextKind::Answer, 4, 0), QStringLiteral(" *** need L_PARAM for 21Name Me"));
    k = 11;
    QCOMPARE(questionText(c, k, TextKind::Answer, 4, 0), c.presidents[4].name);

    c.presidents.edit(5).name = QStringLiteral("John Adams");
    k = 1;
    QCOMPARE(questionText(c, k, TextKind::Question, 5, 0), QStringLiteral("When did John Adams serve?"));
    k = 2;
    QCOMPARE(questionText(c, k, TextKind::Question, 5, 0),
             QStringLiteral("Who served as Vice President under John Adams?"));
    k = 3;
    QCOMPARE(questionText(c, k, TextKind::Question, 5, 0), QStringLiteral("When was John Adams born?"));
    k = 4;
    QCOMPARE(questionText(c, k, TextKind::Question, 5, 0), QStringLiteral("Match Presidents and terms"));
    k = 26;
    QCOMPARE(questionText(c, k, TextKind::Question, 0, 0), QStringLiteral("Match Political opponents "));
    c.presidents.edit(5).quotation = QStringLiteral("Facts are stubborn things.");
    k = kQuoteCategory;
    QCOMPARE(questionText(c, k, TextKind::Question, 5, 0), QStringLiteral("Who said this?"));
    QCOMPARE(questionText(c, k, TextKind::Answer, 5, 0), QStringLiteral("Facts are stubborn things."));
    QCOMPARE(questionText(c, k, TextKind(6), 5, 0), QString());
}

void TstTexts::sortKeys()
{
    Records& c = fx->program->records;
    c.presidents.edit(9).birthKey = 1773;
    c.presidents.edit(9).termKey = 1841;
    QCOMPARE(sortKey(c, 9, 12), 1773);
    for (int k : {13, 14, 15, 16, 17, 18, 22})
        QCOMPARE(sortKey(c, 9, k), 1841);
    c.presidents.edit(9).termKey = 0;
    QCOMPARE(sortKey(c, 9, 15), 0);
    QCOMPARE(sortKey(c, 9, 7), 0); // a category that sorts nothing
}

// What each category is: its screen, how it comes into a game, and which
// record it refuses to draw (one field spoiled at a time).
void TstTexts::categoryTable_data()
{
    QTest::addColumn<int>("k");
    QTest::addColumn<Screen>("screen");
    QTest::addColumn<char>("listing"); // L setup list, B bonus, - never drawn
    QTest::addColumn<QString>("refuses");
    using S = Screen;
    const struct {
        int k;
        Screen s;
        char l;
        const char* refuses;
    } rows[] = {{1, S::MultipleChoice, 'L', ""},
                {2, S::MultipleChoice, 'L', "vice"},
                {3, S::MultipleChoice, 'L', ""},
                {4, S::Matching, 'L', "termKey"},
                {5, S::Matching, 'L', "vice"},
                {6, S::Matching, 'L', "wife"},
                {7, S::Matching, 'L', ""},
                {8, S::Matching, 'L', ""},
                {9, S::Matching, 'L', ""},
                {10, S::Matching, 'L', ""},
                {11, S::Portraits, 'L', "image"},
                {12, S::Sorting, 'L', "birthKey"},
                {13, S::Sorting, 'L', "wife"},
                {14, S::Sorting, 'L', "vice"},
                {15, S::Sorting, 'L', ""},
                {16, S::Sorting, 'L', ""},
                {17, S::Sorting, 'L', ""},
                {18, S::Sorting, 'L', ""},
                {20, S::OddOneOut, 'B', ""},
                {21, S::NameMe, 'B', "image"},
                {22, S::Sorting, 'B', ""},
                {23, S::Matching, 'B', ""},
                {24, S::Matching, '-', ""},
                {25, S::OddOneOut, 'B', ""},
                {26, S::Matching, 'B', ""},
                {27, S::Matching, 'B', ""},
                {29, S::Quotation, 'B', "quotation"},
                {0, S::None, '-', "?"},
                {19, S::None, '-', "?"},
                {28, S::None, '-', "?"}};
    for (const auto& r : rows)
        QTest::addRow("%d", r.k) << r.k << r.s << r.l << QString::fromLatin1(r.refuses);
}

void TstTexts::categoryTable()
{
    QFETCH(int, k);
    QFETCH(Screen, screen);
    QFETCH(char, listing);
    QFETCH(QString, refuses);
    QVERIFY(screenFor(k) == screen);
    QCOMPARE(isListedCategory(k), listing == 'L');
    QCOMPARE(std::count(kBonusCategories.begin(), kBonusCategories.end(), k), listing == 'B' ? 1 : 0);
    Program& p = *fx->program;
    Records& c = p.records;
    c.presidents.edit(7).quotation = QStringLiteral("Facts are stubborn things.");
    const President sound = c.presidents[7];
    const std::map<QString, std::function<void(President&)>> spoil{{"termKey", [](President& p) { p.termKey = 0; }},
                                                                   {"birthKey", [](President& p) { p.birthKey = 0; }},
                                                                   {"vice", [](President& p) { p.vice = "Abc"; }},
                                                                   {"wife", [](President& p) { p.wife = "Ann"; }},
                                                                   {"image", [](President& p) { p.image.clear(); }},
                                                                   {"quotation", [](President& p) { p.quotation.clear(); }}};
    for (const auto& [field, change] : spoil) {
        c.presidents.edit(7) = sound;
        change(c.presidents.edit(7));
        if (refuses != QLatin1String("?"))
            QVERIFY2(p.draw.suitsCategory(7, k) == (field != refuses), qPrintable(field));
    }
    if (refuses == QLatin1String("?")) // never drawn: a field to ask about only in category 0
        QCOMPARE(p.draw.suitsCategory(7, k), k == 0);
}

QTEST_GUILESS_MAIN(TstTexts)
#include "tst_texts.moc"
