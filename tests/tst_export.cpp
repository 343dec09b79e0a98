// The question-file export: the setup screen's two buttons and the tabbed
// refusal, the tabbed count in a game with sorting questions, and the command
// line, which must write what a game in the same mode writes.
#include "store/gamelog.h"
#include "app/gameui.h"
#include "game/questionexport.h"
#include "base/systemclock.h"
#include "setup/setupdialog.h"
#include "testsupport.h"

#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

// The shipped records in the fixture's directory, and settings enabling categories first..last.
void shipFiles(Fixture& f, int last, int first = 1)
{
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev.dat"), f.path(QStringLiteral("brev.dat"))));
    QFile::setPermissions(f.path(QStringLiteral("brev.dat")), QFile::ReadOwner | QFile::WriteOwner);
    Settings settings;
    for (int k = first; k <= last; ++k)
        settings.catenabled[size_t(k)] = -1;
    f.write(QString::fromLatin1(kSettingsFile), settingsText(settings));
}

struct Run {
    int status = -1;
    QByteArray out;
    QByteArray err;
};

// ">FILE" as the last argument sends standard output to FILE, as a shell would.
// lang: the system's language setting of the run (LANG), C by default.
Run brevallo(QStringList args, const QString& lang = QStringLiteral("C"))
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"LANGUAGE", "LC_ALL", "LC_MESSAGES"})
        env.remove(QString::fromLatin1(name));
    env.insert(QStringLiteral("LANG"), lang);
    p.setProcessEnvironment(env);
    if (!args.isEmpty() && args.last().startsWith(u'>'))
        p.setStandardOutputFile(args.takeLast().mid(1));
    p.start(QStringLiteral(BREV_EXE), args);
    Run r;
    if (p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit)
        r = {p.exitCode(), p.readAllStandardOutput(), p.readAllStandardError()};
    return r;
}

// Counts the questions the game loop asks.
class CountingUi : public ExportGameUi {
public:
    using ExportGameUi::ExportGameUi;
    Answered ask(QuestionModel& question, const QuestionPosition&, const ApplyTurn& turn) override
    {
        ++asked;
        return ExportGameUi::ask(question, {}, turn);
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
    void onlineWithBonusWritesEveryBlockAsked();
    void exportIsTheSameInEveryLanguage_data();
    void exportIsTheSameInEveryLanguage();
};

void TestExport::onlineThenTabbedKeepsOnlyTheSecondDate()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[1] = -1;
    f.write(QString::fromLatin1(kLogFile), "earlier game\r\n");
    TestSetup s(ctx);
    s.show();
    QTest::mouseClick(s.onlineButton, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"Will create 12 question file for online games"});
    QCOMPARE(s.questionsBox->text(), QStringLiteral("12"));
    QCOMPARE(f.logLines(), QStringList{exportDateLine(f.clock->date)});
    QCOMPARE(ctx.settings.settings.loglevel, 2);

    f.clock->date = QDate(2027, 3, 4);
    QTest::mouseClick(s.tabbedButton, Qt::LeftButton);
    QCOMPARE(f.messages->texts.last(), QStringLiteral("Will create 50 questions in tabbed format"));
    QCOMPARE(s.questionsBox->text(), QStringLiteral("50"));
    QCOMPARE(f.logLines(), QStringList{exportDateLine(QDate(2027, 3, 4))});
    QCOMPARE(ctx.session.mode == RunMode::OnlineExport, false);
    QCOMPARE(ctx.session.mode == RunMode::TabbedExport, true);
    QTest::mouseClick(s.okButton, Qt::LeftButton);
    QCOMPARE(ctx.settings.settings.nquestions, 50);
}

void TestExport::tabbedRefusedWithoutTabbedCategories()
{
    Fixture f;
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[11] = -1; // portraits
    ctx.settings.settings.catenabled[12] = -1; // sorting
    f.write(QString::fromLatin1(kLogFile), "earlier game\r\n");
    TestSetup s(ctx);
    s.show();
    QTest::mouseClick(s.tabbedButton, Qt::LeftButton);
    QCOMPARE(f.messages->texts.size(), 1);
    QVERIFY(f.messages->texts[0].startsWith(QStringLiteral("Tabbed questions come from multiple-choice")));
    QCOMPARE(ctx.session.mode == RunMode::TabbedExport, false);
    QCOMPARE(s.questionsBox->text(), QStringLiteral("5"));
    QCOMPARE(f.logLines(), QStringList{"earlier game"});
    s.categoryList->item(6)->setSelected(true); // a matching category is enough
    QTest::mouseClick(s.tabbedButton, Qt::LeftButton);
    QCOMPARE(ctx.session.mode == RunMode::TabbedExport, true);
}

void TestExport::tabbedGameWithSortingAsksMore()
{
    Fixture f;
    f.loadSampleRecords();
    Program& ctx = *f.program;
    ctx.settings.settings.catenabled[1] = -1;
    for (int k = 12; k <= 18; ++k)
        ctx.settings.settings.catenabled[size_t(k)] = -1;
    QByteArray file;
    QuestionFile questions(&file);
    startExport(ExportMode::Tabbed, ctx.settings, ctx.session, questions, f.clock->date);
    ctx.settings.settings.nquestions = 50;
    CountingUi ui;
    Game(ctx.settings, ctx.session, ctx.log, questions, ctx.draw).askQuestions(ui);
    QCOMPARE(ctx.session.questionsWritten, 50);
    QVERIFY2(ui.asked > 50, qPrintable(QString::number(ui.asked)));
    QCOMPARE(file.count("\r\n"), 51); // the date and 50 questions
    QCOMPARE(file.count('\t'), 50 * 5);
    QVERIFY(!QFile::exists(f.path(QString::fromLatin1(kLogFile))));
}

void TestExport::commandLineWritesWhatAGameWrites_data()
{
    QTest::addColumn<bool>("online");
    QTest::addColumn<bool>("bonus");
    QTest::addRow("online") << true << false;
    QTest::addRow("tabbed") << false << false;
    QTest::addRow("online, bonus questions") << true << true;
    QTest::addRow("tabbed, bonus questions") << false << true;
}

// The same seed, records and settings: the command line's file and the log
// of a game in that mode whose questions are all skipped match line for line.
// Sorting questions cannot be skipped, and their answer moves the usage
// counters, so the game draws from categories 1..11; with bonus questions the
// records hold no court appointments, so the bonus sorting category (and its
// matching one) leave the draw quietly, on both sides alike.
void TestExport::commandLineWritesWhatAGameWrites()
{
    QFETCH(bool, online);
    QFETCH(bool, bonus);
    const QString seed = QStringLiteral("20261207");
    Fixture f;
    shipFiles(f, 11);
    if (bonus) {
        Program& c = *f.program;
        QCOMPARE(c.readRecords(), std::nullopt);
        for (int r = 1; r <= c.records.inPlay(); ++r)
            c.records.presidents.edit(size_t(r)).court.clear();
        f.write(QStringLiteral("brev.dat"), dataText(c.records));
        f.write(QString::fromLatin1(kPlusSettingsFile), "[game]\r\nbonusQuestions=true\r\n");
    }
    const QStringList args{"--dir", f.program->dir, "--export", online ? "online" : "tabbed", "--seed", seed};
    const Run run = brevallo(args + QStringList{"--out", f.path(QStringLiteral("out.txt"))});
    QCOMPARE(run.status, 0);
    QVERIFY(!QFile::exists(f.path(QString::fromLatin1(kLogFile)))); // the program's log is left alone
    const QByteArray exported = f.read(QStringLiteral("out.txt"));
    if (online)
        QCOMPARE(brevallo(args).out, exported); // standard output by default
    const bool bonusDrawn = exported.contains("\nODDOUT\r") || exported.contains("\nMULTQ\r") ||
                            exported.contains("\nWho said this? -- ");
    QCOMPARE(bonusDrawn, bonus);

    // The game runs with the program's own random source and clock.
    Seams seams{std::make_unique<SeededRandom>(seed.toULongLong()),
                std::make_unique<TestMessages>(),
                std::make_unique<TestSound>(),
                std::make_unique<TestShell>(),
                std::make_unique<SystemClock>(),
                nullptr};
    Program ctx(f.program->dir, std::move(seams));
    (void)ctx.loadSettings();
    (void)ctx.hof.load();
    QCOMPARE(ctx.readRecords(), std::nullopt);
    fillHallOfFame(ctx.hof);
    {
        TestSetup s(ctx);
        s.show();
        QTest::mouseClick(online ? s.onlineButton : s.tabbedButton, Qt::LeftButton);
        QTest::mouseClick(s.okButton, Qt::LeftButton);
    }
    ModalDriver driver;
    int windows = 0;
    for (int i = 0; i < 400; ++i)
        driver.then([&](QWidget* w) {
            ++windows;
            w->close(); // the close box skips the question
        });
    WindowGameUi ui(ctx);
    Game(ctx.settings, ctx.session, ctx.log, ctx.questionFile, ctx.draw).play(ui);
    QVERIFY(windows >= (online ? 12 : 50));
    const QByteArray played = f.read(QString::fromLatin1(kLogFile));
    QCOMPARE(exported.split('\n'), played.split('\n'));
    const qsizetype blocks = played.count("\nMULT\r") + played.count("\nMATCH\r") +
                             played.count("\nIMATCH\r") + played.count("\nODDOUT\r") +
                             played.count("\nMULTQ\r");
    QCOMPARE(online ? blocks : played.count("\r\n"), online ? 12 : 51); // the date comes first
}

// Each run's status and message on standard error; standard output holds the
// file only on success. A named file of the program directory is replaced by
// the row's content, or removed when that is empty; categories first..18 are on.
void TestExport::commandLineFaults_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::addColumn<int>("first");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("status");
    QTest::addColumn<QString>("message");
    const QStringList online{"--export", "online"};
    const QStringList tabbed{"--export", "tabbed"};
    QTest::addRow("questions_zero") << QStringList{"--export", "tabbed", "--questions", "0"} << 1 << ""
                                    << QByteArray() << 2
                                    << "--questions takes a whole number from 1 to 32767, not \"0\"";
    QTest::addRow("unwritable_out") << QStringList{"--export", "online", "--out", "DIR/no/dir/q.txt"} << 1
                                    << "" << QByteArray() << 1 << "no/dir/q.txt cannot be written";
    QTest::addRow("unknown_option") << QStringList{"--frob"} << 1 << "" << QByteArray() << 2
                                    << "brevallo: unknown option '--frob'\nUsage: brevallo [--dir DIR]";
    QTest::addRow("bad_seed") << QStringList{"--seed", "x1"} << 1 << "" << QByteArray() << 2
                              << "brevallo: --seed takes a whole number, not \"x1\"\n";
    QTest::addRow("value_missing") << QStringList{"--export"} << 1 << "" << QByteArray() << 2
                                   << "brevallo: --export needs a value\n";
    QTest::addRow("flag_given_a_value") << QStringList{"--version=1", "--seed", "3"} << 1 << ""
                                        << QByteArray() << 2 << "brevallo: --version takes no value\n";
    QTest::addRow("sorting_only_tabbed")
        << tabbed << 18 << "" << QByteArray() << 1
        << "No question category enabled in brev.INI writes tabbed questions";
    QTest::addRow("sorting_only_online") << online << 18 << "" << QByteArray() << 0 << "";
    QTest::addRow("no_settings") << online << 1 << "brev.INI" << QByteArray() << 1
                                 << "/brev.INI is missing: the export takes its question categories from it.";
    QTest::addRow("damaged_settings")
        << online << 1 << "brev.INI" << QByteArray(" 1  x ") << 1 << "brevallo: brev.INI is damaged: ";
    QTest::addRow("no_records") << online << 1 << "brev.dat" << QByteArray() << 1
                                << "brevallo: The data file brev.dat cannot be read: ";
    QTest::addRow("damaged_records") << online << 1 << "brev.dat" << QByteArray("\"George Washington\",\"\",")
                                     << 1 << "brevallo: The data file brev.dat ends early: record 1 of 41";
    QTest::addRow("full_output") << online + QStringList{">/dev/full"} << 1 << "" << QByteArray() << 1
                                 << "brevallo: the questions could not be written to standard output.";
    // The export's own options without the export: refused, not a game started.
    QTest::addRow("questions_without_export")
        << QStringList{"--questions", "5", "--quit-after-start"} << 1 << "" << QByteArray() << 2
        << "brevallo: --questions and --out go with --export";
    QTest::addRow("out_without_export")
        << QStringList{"--out", "DIR/q.txt", "--quit-after-start"} << 1 << "" << QByteArray() << 2
        << "brevallo: --questions and --out go with --export";
}

void TestExport::commandLineFaults()
{
    QFETCH(QStringList, args);
    QFETCH(int, first);
    QFETCH(QString, file);
    QFETCH(QByteArray, content);
    QFETCH(int, status);
    QFETCH(QString, message);
    Fixture f;
    shipFiles(f, 18, first);
    if (!file.isEmpty() && content.isEmpty())
        QVERIFY(QFile::remove(f.path(file)));
    else if (!file.isEmpty())
        f.write(file, content);
    args.replaceInStrings(QStringLiteral("DIR/"), f.program->dir + QLatin1Char('/'));
    const Run run = brevallo(QStringList{"--dir", f.program->dir} + args);
    QCOMPARE(run.status, status);
    QVERIFY2(run.err.contains(message.toLocal8Bit()), run.err.constData());
    QCOMPARE(run.err.isEmpty(), message.isEmpty());
    QCOMPARE(run.out.isEmpty(), status != 0);
}

// With bonus questions Name Me is drawn too, and it has no online form: the
// file still holds exactly the blocks asked for.
void TestExport::onlineWithBonusWritesEveryBlockAsked()
{
    Fixture f(5);
    Program& ctx = *f.program;
    QCOMPARE(readRecords(ctx.records, QStringLiteral(BREV_DATA_DIR "/brev.dat")), std::nullopt);
    ctx.session.resetUsage(ctx.records.inPlay());
    ctx.settings.settings.catenabled[1] = -1; // one type of the list, then the bonus ones
    ctx.settings.setBonusQuestions(true, ctx.session.bonusLeftOut);
    QByteArray file;
    QuestionFile questions(&file);
    startExport(ExportMode::Online, ctx.settings, ctx.session, questions, f.clock->date);
    ctx.settings.settings.nquestions = 100;
    struct NameMeCounter : ExportGameUi {
        using ExportGameUi::ExportGameUi;
        Answered ask(QuestionModel& q, const QuestionPosition&, const ApplyTurn& turn) override
        {
            nameMe += q.screen() == Screen::NameMe ? 1 : 0;
            return ExportGameUi::ask(q, {}, turn);
        }
        int nameMe = 0;
    } ui;
    Game(ctx.settings, ctx.session, ctx.log, questions, ctx.draw).askQuestions(ui);
    QVERIFY(ui.nameMe > 0);
    qsizetype blocks = 0;
    for (const char* kind : {"MULT", "MULTQ", "MATCH", "IMATCH", "SORT", "ODDOUT"})
        blocks += file.count(QByteArray("\n") + kind + "\r\n");
    QCOMPARE(blocks, 100);
}

void TestExport::exportIsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QString>("mode");
    QTest::addColumn<QString>("seed");
    QTest::addRow("online 1") << "online"
                              << "1";
    QTest::addRow("online 42") << "online"
                               << "42";
    QTest::addRow("tabbed 7") << "tabbed"
                              << "7";
}

// A German or Spanish system, or language=de in brevplus.ini, changes the
// messages but not a byte of the file after its date line, with every
// category and the bonus questions (end-of-term kinds, odd ones out) drawn.
void TestExport::exportIsTheSameInEveryLanguage()
{
    QFETCH(QString, mode);
    QFETCH(QString, seed);
    Fixture f;
    shipFiles(f, 18);
    f.write(QString::fromLatin1(kPlusSettingsFile), "[game]\nbonusQuestions=true\n");
    Fixture german;
    shipFiles(german, 18);
    german.write(QString::fromLatin1(kPlusSettingsFile), "[game]\nbonusQuestions=true\nlanguage=de\n");
    const auto exported = [&](const Fixture& at, const QString& lang) {
        const QString out = at.path(QStringLiteral("out-%1.txt").arg(lang));
        const QStringList args{"--dir", at.program->dir, "--export", mode, "--seed",
                               seed,    "--questions",   "40"};
        const Run run = brevallo(args + QStringList{"--out", out}, lang);
        QFile file(out);
        return run.status == 0 && file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    };
    const QByteArray english = exported(f, QStringLiteral("C"));
    QVERIFY(english.count("\r\n") > 40);
    QVERIFY(english.contains("When did ") || english.contains("Who served as Vice President under "));
    const auto afterDate = [](const QByteArray& file) { return file.mid(file.indexOf("\r\n")); };
    QCOMPARE(afterDate(exported(f, QStringLiteral("de_DE.UTF-8"))), afterDate(english));
    QCOMPARE(afterDate(exported(f, QStringLiteral("es_ES.UTF-8"))), afterDate(english));
    QCOMPARE(afterDate(exported(german, QStringLiteral("C"))), afterDate(english));

    // Each of those runs did speak its language: its messages are translated.
    QVERIFY(QFile::remove(f.path(QString::fromLatin1(kSettingsFile))));
    QVERIFY(QFile::remove(german.path(QString::fromLatin1(kSettingsFile))));
    const QStringList args{"--export", mode};
    QVERIFY(brevallo(QStringList{"--dir", f.program->dir} + args, QStringLiteral("de_DE.UTF-8"))
                .err.contains("brev.INI fehlt"));
    QVERIFY(brevallo(QStringList{"--dir", f.program->dir} + args, QStringLiteral("es_ES.UTF-8"))
                .err.contains("Falta "));
    QVERIFY(brevallo(QStringList{"--dir", german.program->dir} + args).err.contains("brev.INI fehlt"));
    QVERIFY(brevallo(QStringList{"--dir", f.program->dir} + args).err.contains("brev.INI is missing"));
}

QTEST_MAIN(TestExport)
#include "tst_export.moc"
