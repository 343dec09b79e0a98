// The hall of fame without windows: placing a score, the file written and
// read back, a damaged file, the list lines and the online addresses.
#include "hof/hoflist.h"
#include "services/plussettings.h"
#include "testsupport.h"

#include <QtTest>
#include <functional>

using namespace brev;
using namespace brev::test;

namespace {

// Stands in for the name entry and the list window.
struct FakeWindows : HofWindows {
    QStringList calls;
    std::function<void()> onNameEntry;
    void nameEntry() override
    {
        calls << QStringLiteral("name");
        if (onNameEntry)
            onNameEntry();
    }
    void showList() override { calls << QStringLiteral("list"); }
};

void setScores(AppContext& ctx, const QList<int>& scores)
{
    for (int i = 0; i < scores.size(); ++i)
        ctx.hof[size_t(i + 1)] =
            HofEntry{scores[i], "brev    ", 50, "1  P" + QString::number(i + 1), "1/2/2026", 0};
    ctx.hofcount = int(scores.size());
}

QList<int> scores(const AppContext& ctx)
{
    QList<int> out;
    for (int i = 1; i <= ctx.hofcount; ++i)
        out << ctx.hof[size_t(i)].score;
    return out;
}

QList<int> descending(int from, int count)
{
    QList<int> out;
    for (int i = 0; i < count; ++i)
        out << from - 10 * i;
    return out;
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
    void baseAddressFromPlusSettings_data();
    void baseAddressFromPlusSettings();
};

void TestHof::firstEntryWritesSevenLines()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.settings.maxdif = 3;
    FakeWindows ui;
    int rankSeen = 0;
    ui.onNameEntry = [&] {
        rankSeen = ctx.hofrank;
        ctx.settings.playername = QStringLiteral("Ann");
    };
    QCOMPARE(enterHof(ctx, ui, 120, QStringLiteral(" brev "), 80, 0), 1);
    QCOMPARE(rankSeen, 1);
    QCOMPARE(ui.calls, (QStringList{"name", "list"}));
    QCOMPARE(f.read("brev.hof"),
             QByteArray(" 1 \r\n 120 \r\n 80 \r\n 0 \r\nbrev    \r\n\"3  Ann\"\r\n12/7/2026\r\n"));
    QVERIFY(f.shell->urls.isEmpty());
}

void TestHof::placing_data()
{
    QTest::addColumn<QList<int>>("before");
    QTest::addColumn<int>("score");
    QTest::addColumn<int>("place");
    QTest::addColumn<QList<int>>("after");
    QTest::addRow("zero_never_enters_empty_list") << QList<int>{} << 0 << 0 << QList<int>{};
    QTest::addRow("tie_goes_below") << QList<int>{50, 40, 30} << 40 << 3 << QList<int>{50, 40, 40, 30};
    QTest::addRow("full_list_loses_place_30")
        << descending(300, 30) << 500 << 1 << (QList<int>{500} + descending(300, 29));
    QTest::addRow("full_list_places_nowhere") << descending(300, 30) << 10 << 0 << descending(300, 30);
}

void TestHof::placing()
{
    QFETCH(QList<int>, before);
    QFETCH(int, score);
    QFETCH(int, place);
    QFETCH(QList<int>, after);
    Fixture f;
    setScores(*f.ctx, before);
    FakeWindows ui;
    QCOMPARE(enterHof(*f.ctx, ui, score, QStringLiteral("brev"), 60, 0), place);
    QCOMPARE(scores(*f.ctx), after);
    QCOMPARE(ui.calls.size(), place ? 2 : 0);
    QCOMPARE(QFile::exists(f.path("brev.hof")), place != 0);
}

void TestHof::roundTripKeepsEveryField()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.hof[1] = HofEntry{75, "brev    ", 100, "3  Abcdefghijklmnopqrstuvw, x", "12/31/2026", -7};
    ctx.hof[2] = HofEntry{2, "ab      ", 50, "1  ", "1/1/2027", 0};
    ctx.hofcount = 2;
    QVERIFY(putHOF(ctx));

    Fixture g;
    g.ctx->dir = ctx.dir;
    getHOF(*g.ctx);
    QCOMPARE(g.ctx->hofcount, 2);
    for (size_t i : {1, 2}) {
        const HofEntry &a = ctx.hof[i], &b = g.ctx->hof[i];
        QCOMPARE(b.score, a.score);
        QCOMPARE(b.game, a.game);
        QCOMPARE(b.pct, a.pct);
        QCOMPARE(b.name, a.name);
        QCOMPARE(b.date, a.date);
        QCOMPARE(b.extra, a.extra);
    }
    // On screen the name column holds 20 characters; the file keeps it whole.
    QCOMPARE(hofLines(*g.ctx), (QStringList{"Rank   Score  % Dif Name           Date ",
                                            "  1      75 100  3  Abcdefghijklmnopq12/31/2026",
                                            "  2       2  50  1                   1/1/2027"}));
    QVERIFY(g.messages->texts.isEmpty());
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
    QTest::addRow("number_does_not_parse")
        << " 2 \r\n" + one + " 80 \r\n x7 \r\n" << 1 << "line 9 holds \" x7 \" where a whole number belongs";
    QTest::addRow("count_does_not_parse") << QByteArray("many\r\n") + one << 0
                                          << "line 1 holds \"many\" where a whole number belongs";
}

void TestHof::damagedFileKeepsWhatWasRead()
{
    QFETCH(QByteArray, file);
    QFETCH(int, kept);
    QFETCH(QString, problem);
    Fixture f;
    f.write("brev.hof", file);
    getHOF(*f.ctx);
    QCOMPARE(f.ctx->hofcount, kept);
    if (kept > 0)
        QCOMPARE(f.ctx->hof[1].name, QStringLiteral("2  Bo"));
    QCOMPARE(f.messages->texts,
             QStringList{"brev.hof is damaged: " + problem
                         + ".\r\nThe hall of fame keeps the " + QString::number(kept)
                         + " entries read before that point."});
}

void TestHof::failedWriteKeepsListAndSays()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    setScores(ctx, {40});
    ctx.hoffile = QStringLiteral("no-such-folder/brev.hof");
    FakeWindows ui;
    QCOMPARE(enterHof(ctx, ui, 50, QStringLiteral("brev"), 60, 0), 1);
    QCOMPARE(scores(ctx), (QList<int>{50, 40}));
    QCOMPARE(f.messages->texts.size(), 1);
    QVERIFY2(f.messages->texts[0].startsWith("no-such-folder/brev.hof could not be saved: "),
             qPrintable(f.messages->texts[0]));
}

void TestHof::onlineSubmission_data()
{
    QTest::addColumn<int>("filled");   // entries better than the new one
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
    QTest::addRow("ampersand_in_name") << 0 << true << "A & B"
                                       << kBase + "?game=brev&a=20&b=A%20%26%20B%20dif%3D3&c=a%40b.c"
                                       << QStringList{};
    QTest::addRow("delimiters_in_name") << 0 << true << "a=b#c+d?"
                                        << kBase + "?game=brev&a=20&b=a%3Db%23c%2Bd%3F%20dif%3D3&c=a%40b.c"
                                        << QStringList{};
}

void TestHof::onlineSubmission()
{
    QFETCH(int, filled);
    QFETCH(bool, online);
    QFETCH(QString, name);
    QFETCH(QString, url);
    QFETCH(QStringList, messages);
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.settings.maxdif = 3;
    ctx.settings.playeremail = QStringLiteral("a@b.c");
    setScores(ctx, descending(100, filled));
    FakeWindows ui;
    ui.onNameEntry = [&] {
        ctx.settings.playername = name;
        ctx.hofonline = online;
    };
    QCOMPARE(enterHof(ctx, ui, 20, QStringLiteral("brev"), 40, 0), filled + 1);
    QCOMPARE(f.shell->urls, url.isEmpty() ? QStringList{} : QStringList{url});
    QCOMPARE(f.messages->texts, messages);
}

void TestHof::baseAddressFromPlusSettings_data()
{
    QTest::addColumn<QByteArray>("ini");
    QTest::addColumn<QString>("list");
    QTest::addRow("no_file") << QByteArray() << kBase + "?game=brev";
    QTest::addRow("own_host_and_folder") << QByteArray("[hof]\r\nbaseUrl=https://hof.example.test/brev/\r\n")
                                         << "https://hof.example.test/brev/games/triv/triviahf.asp?game=brev";
    QTest::addRow("not_a_web_address") << QByteArray("[hof]\r\nbaseUrl=file:///etc/passwd\r\n")
                                       << kBase + "?game=brev";
    QTest::addRow("address_without_host")
        << QByteArray("[hof]\r\nbaseUrl=http://\r\n") << kBase + "?game=brev";
    QTest::addRow("damaged_file") << QByteArray("\xff\xfe[hof\r\n=\r\n") << kBase + "?game=brev";
}

void TestHof::baseAddressFromPlusSettings()
{
    QFETCH(QByteArray, ini);
    QFETCH(QString, list);
    Fixture f;
    if (!ini.isEmpty())
        f.write(QString::fromLatin1(kPlusSettingsFile), ini);
    QCOMPARE(onlineHofUrl(*f.ctx).toString(QUrl::FullyEncoded), list);
}

QTEST_GUILESS_MAIN(TestHof)
#include "tst_hof.moc"
