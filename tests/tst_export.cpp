// The question-file export: the setup screen's two buttons and the tabbed
// refusal, the tabbed count in a game with sorting questions, and the command
// line, which must write what a game in the same mode writes.
#include "gameflow/gamelog.h"
#include "gameflow/gameui.h"
#include "gameflow/questionexport.h"
#include "services/realseams.h"
#include "setup/setup.h"
#include "testsupport.h"

#include <QApplication>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

QStringList logLines(const Fixture& f)
{
    QStringList lines = QString::fromLatin1(f.read(QString::fromLatin1(kLogFile))).split("\r\n");
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The shipped records and settings (categories 1..18 on) in the fixture's directory.
void shipFiles(Fixture& f)
{
    for (const char* name : {"brev.dat", "brev.INI"}) {
        const QString file = QString::fromLatin1(name);
        QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/") + file, f.path(file)));
        QFile::setPermissions(f.path(file), QFile::ReadOwner | QFile::WriteOwner);
    }
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

Run brevallo(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(BREV_EXE), args);
    Run r;
    if (!p.waitForFinished(60000))
        return r;
    r.status = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

// Counts the questions the game loop asks.
class CountingUi : public ExportGameUi {
public:
    using ExportGameUi::ExportGameUi;
    Asked openScreen(Screen screen) override
    {
        ++asked;
        return ExportGameUi::openScreen(screen);
    }
    int asked = 0;
};

} // namespace

class TestExport : public QObject {
    Q_OBJECT
private slots:
    void onlineThenTabbedKeepsOnlyTheSecondDate();
    void tabbedRefusedWithoutTabbedCategories();
    void tabbedGameWithSortingAsksMore();
    void commandLineWritesWhatAGameWrites_data();
    void commandLineWritesWhatAGameWrites();
    void commandLineFaults_data();
    void commandLineFaults();
};

void TestExport::onlineThenTabbedKeepsOnlyTheSecondDate()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    for (int k = 1; k <= 18; ++k)
        ctx.settings.catenabled[size_t(k)] = -1;
    f.write(QString::fromLatin1(kLogFile), "earlier game\r\n");
    const QString date = exportDateLine(f.clock->date);
    setup s(ctx);
    s.show();
    QVERIFY(QTest::qWaitForWindowExposed(&s));
    QTest::mouseClick(s.cmdmakeq, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"Will create 12 question file for online games"});
    QCOMPARE(s.nquestion->text(), QStringLiteral("12"));
    QCOMPARE(logLines(f), QStringList{date});
    QCOMPARE(ctx.game.onlineQuestionMode, -1);
    QCOMPARE(ctx.settings.loglevel, 2);

    f.clock->date = QDate(2027, 3, 4);
    QTest::mouseClick(s.cmdTabbed, Qt::LeftButton);
    QCOMPARE(f.messages->texts.last(), QStringLiteral("Will create 50 questions in tabbed format"));
    QCOMPARE(s.nquestion->text(), QStringLiteral("50"));
    QCOMPARE(logLines(f), QStringList{exportDateLine(QDate(2027, 3, 4))});
    QCOMPARE(ctx.game.onlineQuestionMode, 0);
    QCOMPARE(ctx.game.tabbedQuestionMode, -1);
    s.nquestion->selectAll();
    QTest::keyClicks(s.nquestion, "7");
    QTest::mouseClick(s.cmdOK, Qt::LeftButton);
    QCOMPARE(ctx.settings.nquestions, 50);
}

void TestExport::tabbedRefusedWithoutTabbedCategories()
{
    Fixture f;
    AppContext& ctx = *f.ctx;
    ctx.settings.catenabled[11] = -1;   // portraits
    ctx.settings.catenabled[12] = -1;   // sorting
    f.write(QString::fromLatin1(kLogFile), "earlier game\r\n");
    setup s(ctx);
    s.show();
    QTest::mouseClick(s.cmdTabbed, Qt::LeftButton);
    QCOMPARE(f.messages->texts.size(), 1);
    QVERIFY(f.messages->texts[0].startsWith(QStringLiteral("Tabbed questions come from multiple-choice")));
    QCOMPARE(ctx.game.tabbedQuestionMode, 0);
    QCOMPARE(s.nquestion->text(), QStringLiteral("5"));
    QCOMPARE(logLines(f), QStringList{"earlier game"});

    // Selecting a matching category in the list is enough.
    s.List1->item(6)->setSelected(true);
    QTest::mouseClick(s.cmdTabbed, Qt::LeftButton);
    QCOMPARE(ctx.game.tabbedQuestionMode, -1);
    QCOMPARE(s.nquestion->text(), QStringLiteral("50"));
}

void TestExport::tabbedGameWithSortingAsksMore()
{
    Fixture f;
    f.loadSampleRecords();
    AppContext& ctx = *f.ctx;
    ctx.settings.catenabled[1] = -1;
    for (int k = 12; k <= 18; ++k)
        ctx.settings.catenabled[size_t(k)] = -1;
    QByteArray file;
    ctx.logSink = &file;
    startExport(ctx, ExportMode::Tabbed);
    ctx.settings.nquestions = 50;
    CountingUi ui(ctx);
    nextquestion(ctx, ui);
    QCOMPARE(ctx.game.questionsWritten, 50);
    QVERIFY2(ui.asked > 50, qPrintable(QString::number(ui.asked)));
    const QList<QByteArray> lines = file.split('\n');
    QCOMPARE(lines.size(), 52);   // the date, 50 questions, nothing after the last line end
    QCOMPARE(lines[1].count('\t'), 5);
    QVERIFY(!file.contains("---- Question "));
    QVERIFY(!QFile::exists(f.path(QString::fromLatin1(kLogFile))));
}

void TestExport::commandLineWritesWhatAGameWrites_data()
{
    QTest::addColumn<bool>("online");
    QTest::addRow("online") << true;
    QTest::addRow("tabbed") << false;
}

// The same seed, the same records and settings: the command line's file and
// the log of a game in that mode whose questions are all skipped match byte
// for byte. Sorting questions cannot be skipped, and their answer moves the
// usage counters, so the game here draws from every other category.
void TestExport::commandLineWritesWhatAGameWrites()
{
    QFETCH(bool, online);
    constexpr quint64 kSeed = 20261207;
    Fixture f;
    shipFiles(f);
    Settings settings;
    for (int k = 1; k <= 11; ++k)
        settings.catenabled[size_t(k)] = -1;
    f.write(QString::fromLatin1(kSettingsFile), settingsText(settings));
    const QString mode = online ? QStringLiteral("online") : QStringLiteral("tabbed");
    const QString out = f.path(QStringLiteral("out.txt"));
    const Run run =
        brevallo({"--dir", f.ctx->dir, "--export", mode, "--seed", QString::number(kSeed), "--out", out});
    QCOMPARE(run.status, 0);
    QCOMPARE(run.err, QByteArray());
    QVERIFY(!QFile::exists(f.path(QString::fromLatin1(kLogFile))));   // the program's log is left alone
    const QByteArray exported = f.read(QStringLiteral("out.txt"));
    if (online) {
        const Run toStdout =
            brevallo({"--dir", f.ctx->dir, "--export", mode, "--seed", QString::number(kSeed)});
        QCOMPARE(toStdout.status, 0);
        QCOMPARE(toStdout.out, exported);
    }

    AppContext& ctx = *f.ctx;
    startup(ctx);
    QCOMPARE(initdata(ctx), std::nullopt);
    fillHallOfFame(ctx);
    ctx.random = makeRandom(kSeed);
    ctx.clock = makeSystemClock();
    {
        setup s(ctx);
        s.show();
        QVERIFY(QTest::qWaitForWindowExposed(&s));
        QTest::mouseClick(online ? s.cmdmakeq : s.cmdTabbed, Qt::LeftButton);
        QTest::mouseClick(s.cmdOK, Qt::LeftButton);
    }
    ModalDriver driver;
    int windows = 0;
    for (int i = 0; i < 400; ++i)
        driver.then([&](QWidget* w) {
            ++windows;
            w->close();   // the close box skips the question
        });
    WindowGameUi ui(ctx);
    playgame(ctx, ui);
    QVERIFY(windows >= (online ? 12 : 50));
    const QByteArray played = f.read(QString::fromLatin1(kLogFile));
    QCOMPARE(exported.count("\r\n"), played.count("\r\n"));
    const QList<QByteArray> a = exported.split('\n');
    const QList<QByteArray> b = played.split('\n');
    for (qsizetype i = 0; i < a.size() && i < b.size(); ++i)
        QCOMPARE(a[i], b[i]);
    QCOMPARE(exported, played);
    QVERIFY(played.count('\t') >= (online ? 0 : 250));
}

void TestExport::commandLineFaults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    QTest::addRow("questions_zero") << QStringList{"--export", "tabbed", "--questions", "0"} << 2
                                    << "--questions takes a whole number from 1 to 32767, not \"0\"";
    QTest::addRow("questions_word") << QStringList{"--export", "online", "--questions", "many"} << 2
                                    << "--questions takes a whole number from 1 to 32767, not \"many\"";
    QTest::addRow("bad_mode") << QStringList{"--export", "csv"} << 2
                              << "--export takes online or tabbed, not \"csv\"";
    QTest::addRow("out_without_export")
        << QStringList{"--out", "x.txt"} << 2 << "--questions and --out go with --export";
    QTest::addRow("unwritable_out") << QStringList{"--export", "online", "--out", "DIR/no/such/dir/q.txt"}
                                    << 1 << "no/such/dir/q.txt cannot be written";
    QTest::addRow("damaged_settings") << QStringList{"--export", "online", "DAMAGE"} << 1 << "brev.INI";
    QTest::addRow("no_data") << QStringList{"--export", "online", "NODATA"} << 1 << "brev.dat";
}

void TestExport::commandLineFaults()
{
    QFETCH(QStringList, args);
    QFETCH(int, status);
    QFETCH(QString, message);
    Fixture f;
    shipFiles(f);
    if (args.removeAll(QStringLiteral("DAMAGE")) > 0)
        f.write(QStringLiteral("brev.INI"), " 1  1  x  0 \r\n");
    if (args.removeAll(QStringLiteral("NODATA")) > 0)
        f.write(QStringLiteral("brev.dat"), "\"George Washington\",\r\n");
    args.replaceInStrings(QStringLiteral("DIR/"), f.ctx->dir + QLatin1Char('/'));
    args << QStringLiteral("--dir") << f.ctx->dir;
    const Run run = brevallo(args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message.toLocal8Bit()), run.err.constData());
    QCOMPARE(run.out, QByteArray());
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
