// The record each question leaves: the presidents it asked about, the
// player's answer and the right one for each, the points and the mark, on
// every kind of question played through its model; and the review that
// reads it.
#include "models/matchmodel.h"
#include "models/multiplechoicemodel.h"
#include "models/namememodel.h"
#include "models/portraitmatchmodel.h"
#include "models/sortmodel.h"
#include "screens/reviewwindow.h"
#include "testsupport.h"

#include <QTextBrowser>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

// "President 1\r\nPresident 3..." : a sorting question's lines.
QString presidents(const QList<int>& records)
{
    QStringList lines;
    for (const int r : records)
        lines << QStringLiteral("President %1").arg(r);
    return lines.join(QStringLiteral("\r\n"));
}

// Plays a question of a kind on chosen records: a choice's number, bars
// dropped ("bar>target ..."), letters typed; no moves on a choice is a skip.
QuestionRecord played(Fixture& f, const QString& kind, const QString& moves)
{
    Program& p = *f.program;
    if (kind == QLatin1String("choice")) { // the answer in slot 1, record 3
        ChosenDraw draw(p, {7, 3, 12, 5, 9}, {0.3});
        MultipleChoiceModel m(draw, 1);
        return !m.load() ? QuestionRecord{} : moves.isEmpty() ? m.skipped() : m.choose(moves.toInt()).record;
    }
    if (kind.startsWith(QLatin1String("sort"))) {
        if (kind == QLatin1String("sort, 3 and 5 born alike"))
            p.records.presidents.edit(5).birthKey = p.records.presidents[3].birthKey;
        QList<int> lines;
        for (const QString& n : moves.split(u' '))
            lines << n.toInt();
        ChosenDraw draw(p, lines);
        SortModel m(draw, 12);
        return m.load() ? m.judge().record : QuestionRecord{};
    }
    if (kind == QLatin1String("name me")) {
        ChosenDraw draw(p, {4});
        p.records.presidents.edit(4).name = QStringLiteral("Ab");
        NameMeModel m(draw, 21, 1);
        QuestionRecord record;
        if (m.load())
            for (const QChar c : moves)
                record = m.press(c).verdict.record;
        return record;
    }
    // Matching: the descriptions show bars 1, 3, 0, 2, 4; the portraits bars 1, 2, 0, 3.
    const bool portraits = kind == QLatin1String("portraits");
    ChosenDraw draw(p, {3, 14, 25, 36, 7},
                    portraits ? QList<double>{0.5, 0.9} : QList<double>{0.3, 0.8, 0.6});
    std::unique_ptr<MatchingModel> m;
    if (portraits)
        m = std::make_unique<PortraitMatchModel>(draw, 11);
    else
        m = std::make_unique<MatchModel>(draw, 7);
    if (!m->load())
        return {};
    for (const QString& drop : moves.split(u' ', Qt::SkipEmptyParts)) {
        m->pickUp(drop.section(u'>', 0, 0).toInt());
        m->dropOn(drop.section(u'>', 1, 1).toInt());
    }
    return m->judge().record;
}

} // namespace

class TestRecord : public QObject {
    Q_OBJECT
private slots:
    void recordOfEachKind_data();
    void recordOfEachKind();
    void reviewWindowMarks();
};

void TestRecord::recordOfEachKind_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("moves");
    QTest::addColumn<QString>("mark");
    QTest::addColumn<QString>("items"); // "record [given] [right] right|wrong", in the question's order
    QTest::addColumn<QString>("given");
    QTest::addColumn<QString>("right");
    QTest::addColumn<int>("points");
    QTest::addColumn<int>("possible");
    const auto row = [](const char* name, const char* kind, const char* moves, const char* mark,
                        const char* items, const QString& given, const QString& right, int points,
                        int possible) {
        QTest::newRow(name) << QString(kind) << QString(moves) << QString(mark) << QString(items) << given
                            << right << points << possible;
    };
    const QString term = QStringLiteral("1800-1804");
    // Only the president asked about, not the one whose term was picked.
    row("choice wrong", "choice", "2", "wrong", "3 [1836-1840] [1800-1804] wrong", "1836-1840", term, 0, 5);
    row("choice skipped", "choice", "", "skipped", "3 [] [1800-1804] wrong", "", term, 0, 0);
    const QString inOrder = presidents({1, 3, 5, 7, 9});
    row("sort partly right", "sort", "3 1 5 7 9", "partly right",
        "3 [place 1] [place 2] wrong; 1 [place 2] [place 1] wrong; 5 [place 3] [place 3] right; "
        "7 [place 4] [place 4] right; 9 [place 5] [place 5] right",
        presidents({3, 1, 5, 7, 9}), inOrder, 9, 10);
    // No pair in order, yet the middle one stands in his place.
    row("sort wrong", "sort", "9 7 5 3 1", "wrong",
        "9 [place 1] [place 5] wrong; 7 [place 2] [place 4] wrong; 5 [place 3] [place 3] right; "
        "3 [place 4] [place 2] wrong; 1 [place 5] [place 1] wrong",
        presidents({9, 7, 5, 3, 1}), inOrder, 0, 10);
    row("sort, equal keys either way", "sort, 3 and 5 born alike", "1 5 3 7 9", "right",
        "1 [place 1] [place 1] right; 5 [place 2] [places 2 to 3] right; "
        "3 [place 3] [places 2 to 3] right; 7 [place 4] [place 4] right; 9 [place 5] [place 5] right",
        presidents({1, 5, 3, 7, 9}), presidents({1, 5, 3, 7, 9}), 10, 10);
    // Each target with its right name; a bar left unplaced gave no answer.
    const QString pairs = QStringLiteral("Town 14, State: President 14\r\nTown 36, State: President 36\r\n"
                                         "Town 3, State: President 3\r\nTown 25, State: President 25\r\n"
                                         "Town 7, State: President 7");
    row("match partly right", "match", "0>2 1>1", "partly right",
        "3 [Town 3, State] [Town 3, State] right; 14 [Town 36, State] [Town 14, State] wrong; "
        "25 [] [Town 25, State] wrong; 36 [] [Town 36, State] wrong; 7 [] [Town 7, State] wrong",
        "Town 14, State: (nothing)\r\nTown 36, State: President 14\r\nTown 3, State: President 3\r\n"
        "Town 25, State: (nothing)\r\nTown 7, State: (nothing)",
        pairs, 2, 10);
    row("portraits wrong", "portraits", "0>0", "wrong",
        "3 [Portrait of President 14] [Portrait of President 3] wrong; "
        "14 [] [Portrait of President 14] wrong; 25 [] [Portrait of President 25] wrong; "
        "36 [] [Portrait of President 36] wrong",
        "Portrait of President 14: President 3\r\nPortrait of President 25: (nothing)\r\n"
        "Portrait of President 3: (nothing)\r\nPortrait of President 36: (nothing)",
        "Portrait of President 14: President 14\r\nPortrait of President 25: President 25\r\n"
        "Portrait of President 3: President 3\r\nPortrait of President 36: President 36",
        0, 8);
    // A name found with a wrong letter is named right, for part of the points.
    row("name me partly right", "name me", "zab", "partly right", "4 [AB] [AB] right", "AB", "AB", 5, 6);
    row("name me lost", "name me", "uvwxyz", "wrong", "4 [**] [AB] wrong", "** (wrong letters: U V W X Y Z)",
        "AB", 0, 6);
}

void TestRecord::recordOfEachKind()
{
    QFETCH(QString, kind);
    QFETCH(QString, moves);
    QFETCH(QString, mark);
    QFETCH(QString, right);
    Fixture f;
    f.loadSampleRecords();
    const QuestionRecord record = played(f, kind, moves);
    QStringList items;
    for (const AskedItem& i : record.items)
        items << QStringLiteral("%1 [%2] [%3] %4")
                     .arg(i.record)
                     .arg(i.given, i.right, i.correct ? "right" : "wrong");
    QTEST(items.join(QStringLiteral("; ")), "items");
    QTEST(record.given, "given");
    QCOMPARE(record.right, right);
    QTEST(record.points, "points");
    QTEST(record.possible, "possible");
    // The review says the mark and reads the answers from the record.
    const QString review = reviewText({{3, record}});
    QCOMPARE(review.section(u'\n', 0, 0),
             QStringLiteral("Question 3 (%1): %2").arg(categoryName(record.category), mark));
    QVERIFY2(review.contains("Right answer:\n" + QString(right).replace("\r\n", "\n") + "\nPoints: "),
             qPrintable(review));
    QCOMPARE(review.contains(QStringLiteral("Your answer:")), mark != QLatin1String("skipped"));
}

void TestRecord::reviewWindowMarks()
{
    QuestionRecord partly{Screen::Sorting, 12, QStringLiteral("Sort by birthdate"), {}, {}, {}, {}, 4, 10,
                          false,           {}};
    QuestionRecord skipped{
        Screen::MultipleChoice, 1, QStringLiteral("When?"), {}, {}, {}, {}, 0, 0, true, {}};
    const ReviewWindow w({{1, partly}, {2, skipped}, {3, partly}});
    QCOMPARE(w.list->accessibleDescription(),
             QStringLiteral("Right: 0, partly right: 2, wrong: 0, skipped: 1"));
    const QString text = w.list->toPlainText();
    QVERIFY2(text.contains(QStringLiteral("Question 1: Sort by birthdate \u2014 partly right")) &&
                 text.contains(QStringLiteral("Question 2: When did this president serve? \u2014 skipped")),
             qPrintable(text));
}

QTEST_MAIN(TestRecord)
#include "tst_record.moc"
