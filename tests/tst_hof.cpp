// The hall of fame without windows: placing a score, the file written and
// read back, a damaged file, the list lines and the online addresses.
#include "store/hoflist.h"
#include "store/links.h"
#include "testsupport.h"

#include <QtTest>
#include <functional>

using namespace brev;
using namespace brev::test;

namespace {

// Stands in for the name entry and the list window; addresses go to the shell.
struct FakeWindows : HofWindows {
    explicit FakeWindows(Shell& shell) : shell(shell) {}
    QStringList calls;
    std::function<NameChoice(int)> onNameEntry = [](int) { return NameChoice{}; };
    NameChoice nameEntry(int place) override
    {
        calls << "name";
        return onNameEntry(place);
    }
    void showList() override { calls << "list"; }
    void tell(const QString& text) override { told << text; }
    Problem open(const QUrl& address) override
    {
        return openLink(shell, QString(), address.toString(QUrl::FullyEncoded));
    }
    Shell& shell;
    QStringList told;
};

// Entries with scores from, from - 10, ...
void fill(HallOfFame& hof, int from, int count)
{
    for (int i = 1; i <= count; ++i)
        hof.entries[size_t(i)] = HofEntry{from - 10 * (i - 1), "brev    ", 50, "1  P", "1/2/2026", 0};
    hof.count = count;
}

QList<int> scores(const HallOfFame& hof)
{
    QList<int> out;
    for (int i = 1; i <= hof.count; ++i)
        out << hof.entries[size_t(i)].score;
    return out;
}

// A finished game's score offered as the game offers it, at difficulty 3 on the test clock's day.
int enter(Fixture& f, HofWindows& ui, int score, const QString& game, int percent)
{
    const NewEntry entry{score, game, percent, 0, 3, f.clock->date.toString(QStringLiteral("M/d/yyyy"))};
    return enterHof(f.program->hof, ui, entry, f.program->settings.hofBaseUrl());
}

const QString kBase = QStringLiteral("http://localhost:8642/games/triv/triviahf.asp");

} // namespace

class TestHof : public QObject {
    Q_OBJECT
private slots:
    void firstEntryWritesSevenLines();
    void placing_data();
    void placing();
    void roundTripKeepsEveryField();
    void damagedFileKeepsWhatWasRead_data();
    void damagedFileKeepsWhatWasRead();
    void failedWriteKeepsListAndSays();
    void onlineSubmission_data();
    void onlineSubmission();
    void baseAddressFromPlusSettings();
    void nameKeepsItsLatinLetters();
};

void TestHof::firstEntryWritesSevenLines()
{
    Fixture f;
    FakeWindows ui(*f.shell);
    // The place is known when the name entry opens: the name records it.
    ui.onNameEntry = [&](int place) {
        return NameChoice{QStringLiteral("Ann") + QString::number(place), {}, false};
    };
    QCOMPARE(enter(f, ui, 120, QStringLiteral(" brev "), 80), 1);
    QCOMPARE(ui.calls, (QStringList{"name", "list"}));
    QCOMPARE(f.read("brev.hof"),
             QByteArray(" 1 \r\n 120 \r\n 80 \r\n 0 \r\nbrev    \r\n\"3  Ann1\"\r\n12/7/2026\r\n"));
}

void TestHof::placing_data()
{
    QTest::addColumn<int>("filled"); // 300, 290, ... for the first entries
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("place");
    QTest::addColumn<QList<int>>("head"); // the first scores afterwards
    QTest::addColumn<int>("count");
    QTest::addRow("zero_never_enters") << 0 << 0 << 0 << QList<int>{} << 0;
    QTest::addRow("tie_goes_below") << 3 << 290 << 3 << QList<int>{300, 290, 290, 280} << 4;
    QTest::addRow("full_list_loses_place_30") << 30 << 500 << 1 << QList<int>{500, 300} << 30;
    QTest::addRow("full_list_places_nowhere") << 30 << 10 << 0 << QList<int>{300, 290} << 30;
}

void TestHof::placing()
{
    QFETCH(int, filled);
    QFETCH(int, score);
    QFETCH(int, place);
    QFETCH(QList<int>, head);
    QFETCH(int, count);
    Fixture f;
    HallOfFame& hof = f.program->hof;
    fill(hof, 300, filled);
    FakeWindows ui(*f.shell);
    QCOMPARE(enter(f, ui, score, QStringLiteral("brev"), 60), place);
    QCOMPARE(scores(hof).mid(0, head.size()), head);
    QCOMPARE(hof.count, count);
    if (count == 30)
        QCOMPARE(hof.entries[30].score, place ? 20 : 10);
    QCOMPARE(ui.calls.size(), place ? 2 : 0);
}

void TestHof::roundTripKeepsEveryField()
{
    Fixture f;
    HallOfFame& hof = f.program->hof;
    hof.entries[1] = HofEntry{75, "brev    ", 100, "3  Abcdefghijklmnopqrstuvw, x", "12/31/2026", -7};
    hof.entries[2] = HofEntry{2, "ab      ", 50, "1  ", "1/1/2027", 0};
    hof.count = 2;
    QCOMPARE(hof.save(), std::nullopt);
    Fixture g(1, f.program->dir); // the next start of the program
    QCOMPARE(g.program->loadSettings(), Problem());
    QCOMPARE(g.program->hof.load(), Problem());
    QCOMPARE(g.program->hof.count, 2);
    for (size_t i : {1, 2}) {
        const HofEntry &a = hof.entries[i], &b = g.program->hof.entries[i];
        QCOMPARE(QVariantList({b.score, b.game, b.pct, b.name, b.date, b.extra}),
                 QVariantList({a.score, a.game, a.pct, a.name, a.date, a.extra}));
    }
    // On screen the name column holds 20 characters, then a space before the
    // date; the file keeps the name whole.
    QCOMPARE(g.program->hof.lines(), (QStringList{"Rank   Score  % Dif Name           Date ",
                                                  "  1      75 100  3  Abcdefghijklmnopq 12/31/2026",
                                                  "  2       2  50  1                    1/1/2027"}));
    QCOMPARE(g.program->hof.clear(), std::nullopt);
    QVERIFY(!QFile::exists(f.path("brev.hof")));
}

void TestHof::damagedFileKeepsWhatWasRead_data()
{
    const QByteArray one = " 90 \r\n 70 \r\n 0 \r\nbrev    \r\n\"2  Bo\"\r\n3/4/2026\r\n";
    QTest::addColumn<QByteArray>("file");
    QTest::addColumn<int>("kept");
    QTest::addColumn<QString>("problem");
    QTest::addRow("count_above_30") << " 31 \r\n" + one.repeated(31) << 30
                                    << "it counts 31 entries where the list holds 30";
    QTest::addRow("ends_early") << " 2 \r\n" + one + " 80 \r\n" << 1 << "it ends early (line 9)";
    QTest::addRow("number_does_not_parse") << " 2 \r\n" + one + " 80 \r\n x7 \r\n"
                                           << 1 << "line 9 holds \" x7 \" where a whole number belongs";
}

void TestHof::damagedFileKeepsWhatWasRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kept);
    QFETCH(QString, problem);
    Fixture f;
    f.write("brev.hof", file);
    QCOMPARE(f.program->hof.load(), "brev.hof is damaged: " + problem +
                                        ".\r\nThe hall of fame keeps the entries read before that point (" +
                                        QString::number(kept) + ").");
    QCOMPARE(f.program->hof.count, kept);
    QCOMPARE(f.program->hof.entries[1].name, QStringLiteral("2  Bo"));
}

void TestHof::failedWriteKeepsListAndSays()
{
    Fixture f;
    HallOfFame hof(f.path(QStringLiteral("no-such-folder/brev.hof")));
    fill(hof, 40, 1);
    FakeWindows ui(*f.shell);
    QCOMPARE(
        enterHof(hof, ui, NewEntry{50, QStringLiteral("brev"), 60, 0, 1, QStringLiteral("1/2/2026")}, QUrl()),
        1);
    QCOMPARE(scores(hof), (QList<int>{50, 40}));
    QCOMPARE(ui.told.size(), 1);
    QVERIFY(ui.told[0].startsWith("brev.hof could not be saved: "));
}

void TestHof::onlineSubmission_data()
{
    QTest::addColumn<int>("filled"); // entries better than the new one
    QTest::addColumn<bool>("online");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("url");
    QTest::addColumn<QStringList>("messages");
    QTest::addRow("place_5_online") << 4 << true << "Ann"
                                    << kBase + "?game=brev&a=20&b=Ann%20dif%3D3&c=a%40b.c" << QStringList{};
    QTest::addRow("place_6_online_refused")
        << 5 << true << "Ann" << QString()
        << QStringList{"Must be in top 5 of local HOF to be entered online"};
    QTest::addRow("place_1_local_only") << 0 << false << "Ann" << QString() << QStringList{};
    QTest::addRow("delimiters_in_name")
        << 0 << true << "A & B=c#d+e?"
        << kBase + "?game=brev&a=20&b=A%20%26%20B%3Dc%23d%2Be%3F%20dif%3D3&c=a%40b.c" << QStringList{};
}

void TestHof::onlineSubmission()
{
    QFETCH(int, filled);
    QFETCH(bool, online);
    QFETCH(QString, name);
    QFETCH(QString, url);
    QFETCH(QStringList, messages);
    Fixture f;
    fill(f.program->hof, 100, filled);
    FakeWindows ui(*f.shell);
    ui.onNameEntry = [&](int) { return NameChoice{name, QStringLiteral("a@b.c"), online}; };
    QCOMPARE(enter(f, ui, 20, QStringLiteral("brev"), 40), filled + 1);
    QCOMPARE(f.shell->urls, url.isEmpty() ? QStringList{} : QStringList{url});
    QCOMPARE(ui.told, messages);
}

void TestHof::baseAddressFromPlusSettings()
{
    Fixture f;
    f.write(QString::fromLatin1(kPlusSettingsFile), "[hof]\r\nbaseUrl=https://hof.example.test/brev/\r\n");
    QCOMPARE(onlineHofUrl(f.program->settings.hofBaseUrl()).toString(),
             "https://hof.example.test/brev/games/triv/triviahf.asp?game=brev");
    // Nothing but a web address is ever opened.
    f.write(QString::fromLatin1(kPlusSettingsFile), "[hof]\r\nbaseUrl=file:///etc/passwd\r\n");
    QCOMPARE(onlineHofUrl(f.program->settings.hofBaseUrl()).toString(), kBase + "?game=brev");
}

// The player's name goes into both 8-bit files in Latin-1, up to its last
// letter: "ÿ" is stored as it is, a letter beyond it as "?" (a quote as an
// apostrophe).
void TestHof::nameKeepsItsLatinLetters()
{
    Fixture f;
    FakeWindows ui(*f.shell);
    const QString name = QStringLiteral("Zo\u00ff \"\u0100\"");
    ui.onNameEntry = [&](int) { return NameChoice{name, {}, false}; };
    QCOMPARE(enter(f, ui, 120, QStringLiteral("brev"), 80), 1);
    QVERIFY(f.read("brev.hof").contains("\r\n\"3  Zo\xFF '?'\"\r\n"));
    f.program->settings.settings.playername = name;
    QCOMPARE(f.program->settings.save(), std::nullopt);
    QVERIFY(f.read(QString::fromLatin1(kSettingsFile)).contains("\r\n\"Zo\xFF '?'\"\r\n"));
}

QTEST_GUILESS_MAIN(TestHof)
#include "tst_hof.moc"
