// Category names, end-of-term texts, and the texts and sort keys of records.
#include "testsupport.h"

#include <QtTest>

using namespace brev;

class TstTexts : public QObject {
    Q_OBJECT
private slots:
    void init() { fx = std::make_unique<test::Fixture>(); fx->loadSampleRecords(); }
    void namesTheCategories();
    void getpstrReturnsEachCategoryField();
    void getquestionBuildsEveryKind();
    void getsortvalKeys();

private:
    std::unique_ptr<test::Fixture> fx;
};

void TstTexts::namesTheCategories()
{
    const auto& n = fx->ctx->catnames;
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
    const std::array<QString, 5> kinds{QStringLiteral("Served term"), QStringLiteral("Died in office"),
                                       QStringLiteral("Assassinated"),
                                       QStringLiteral("Lost try at re-election"), QString()};
    QCOMPARE(fx->ctx->endkinds, kinds);
    setcategories(*fx->ctx);   // again: the same tables
    QCOMPARE(fx->ctx->catnames, n);
}

void TstTexts::getpstrReturnsEachCategoryField()
{
    AppContext& c = *fx->ctx;
    const President& p = c.presidents[7];
    const std::map<int, QString> expected{
        {0, p.name}, {1, p.term}, {2, p.vice}, {3, p.birth}, {4, p.term}, {5, p.vice},
        {6, p.wife}, {7, p.birthplace}, {8, p.secState}, {9, p.secWar}, {10, p.attnGen},
        {11, p.name}, {12, p.name}, {13, p.wife}, {14, p.vice}, {15, p.name}, {16, p.secState},
        {17, p.secWar}, {18, p.attnGen}, {20, p.party}, {21, p.name}, {22, p.court},
        {23, p.court}, {26, p.opponent}, {27, p.home}, {kQuoteCategory, p.name}};
    for (const auto& [k, text] : expected)
        QCOMPARE(getpstr(c, 7, k), text);
    c.presidents[7].endKind = 2;
    QCOMPARE(getpstr(c, 7, 24), QStringLiteral("Assassinated"));
    QCOMPARE(getpstr(c, 7, 25), QStringLiteral("Assassinated"));
    c.presidents[7].endKind = 4;
    QCOMPARE(getpstr(c, 7, 24), QString());
    QVERIFY(fx->messages->texts.isEmpty());

    QCOMPARE(getpstr(c, 7, 19), QString());
    QCOMPARE(getpstr(c, 7, 28), QString());
    QCOMPARE(fx->messages->texts, QStringList({QStringLiteral("No getpstr for 19"), QStringLiteral("No getpstr for 28")}));
}

void TstTexts::getquestionBuildsEveryKind()
{
    AppContext& c = *fx->ctx;
    c.game.category = 15;
    QCOMPARE(getquestion(c, TextKind::SortTitle, 3, 0), QStringLiteral("Sort by term served, in order of Presidency"));
    c.game.category = 12;
    QCOMPARE(getquestion(c, TextKind::SortTitle, 3, 0), QStringLiteral("Sort by birthdate"));
    c.presidents[1].name = QStringLiteral("A");
    c.presidents[1].birthKey = 1767;
    c.presidents[2].name = QStringLiteral("B");
    c.presidents[2].birthKey = 1732;
    QCOMPARE(getquestion(c, TextKind::SortedPair, 1, 2), QStringLiteral("A 1767 > B 1732"));

    c.game.category = 7;
    QCOMPARE(getquestion(c, TextKind::Item, 4, 0), c.presidents[4].name);
    QCOMPARE(getquestion(c, TextKind::Item, 4, 7), c.presidents[4].birthplace);
    QCOMPARE(getquestion(c, TextKind::Answer, 4, 0), c.presidents[4].birthplace);

    c.game.category = 13;
    QCOMPARE(getquestion(c, TextKind::Answer, 4, 0), QStringLiteral(" *** need L_PARAM for 13Sort First Ladies by term"));
    c.game.category = 21;
    QCOMPARE(getquestion(c, TextKind::Answer, 4, 0), QStringLiteral(" *** need L_PARAM for 21Name Me"));
    c.game.category = 11;
    QCOMPARE(getquestion(c, TextKind::Answer, 4, 0), c.presidents[4].name);

    c.presidents[5].name = QStringLiteral("John Adams");
    c.game.category = 1;
    QCOMPARE(getquestion(c, TextKind::Question, 5, 0), QStringLiteral("When did John Adams serve?"));
    c.game.category = 2;
    QCOMPARE(getquestion(c, TextKind::Question, 5, 0), QStringLiteral("Who served as Vice President under John Adams?"));
    c.game.category = 3;
    QCOMPARE(getquestion(c, TextKind::Question, 5, 0), QStringLiteral("When was John Adams born?"));
    c.game.category = 4;
    QCOMPARE(getquestion(c, TextKind::Question, 5, 0), QStringLiteral("Match Presidents and terms"));
    c.game.category = 26;
    QCOMPARE(getquestion(c, TextKind::Question, 0, 0), QStringLiteral("Match Political opponents "));
    c.presidents[5].spare3 = QStringLiteral("Facts are stubborn things.");
    c.game.category = kQuoteCategory;
    QCOMPARE(getquestion(c, TextKind::Question, 5, 0), QStringLiteral("Who said this?"));
    QCOMPARE(getquestion(c, TextKind::Answer, 5, 0), QStringLiteral("Facts are stubborn things."));
    QCOMPARE(getquestion(c, TextKind(6), 5, 0), QString());
    QVERIFY(fx->messages->texts.isEmpty());
}

void TstTexts::getsortvalKeys()
{
    AppContext& c = *fx->ctx;
    c.presidents[9].birthKey = 1773;
    c.presidents[9].termKey = 1841;
    QCOMPARE(getsortval(c, 9, 12), 1773);
    for (int k : {13, 14, 15, 16, 17, 18, 22})
        QCOMPARE(getsortval(c, 9, k), 1841);
    c.presidents[9].termKey = 0;
    QCOMPARE(getsortval(c, 9, 15), 0);
    QVERIFY(fx->messages->texts.isEmpty());
    QCOMPARE(getsortval(c, 9, 7), 0);
    QCOMPARE(fx->messages->texts, QStringList(QStringLiteral("getsortval not defined7")));
}

QTEST_GUILESS_MAIN(TstTexts)
#include "tst_texts.moc"
