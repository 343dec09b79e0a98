// The main window's start-up, buttons and close, and the command line.
#include "app/mainwindow.h"
#include "testsupport.h"

#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QtTest>

using namespace brev;

namespace {

template <class T>
T* child(QWidget& w, const char* name)
{
    T* c = w.findChild<T*>(QLatin1String(name));
    if (!c)
        qFatal("no control %s", name);
    return c;
}

void shipSampleFiles(test::Fixture& fx)
{
    fx.loadSampleRecords();
    fx.write(QStringLiteral("brev.dat"), dataText(fx.program->records));
    fx.program->records = Records();
    QByteArray sounds;
    for (int n = 0; n < 16; ++n)
        sounds += "\"s" + QByteArray::number(n) + ".wav\"\r\n";
    fx.write(QStringLiteral("brevsnd.dat"), sounds);
}

} // namespace

class TstMainwindow : public QObject {
    Q_OBJECT
private slots:
    void startsUpInOrder();
    void aboutShowsCreditsAndCloseSaves();
    void quitSavesToo();
    void refusesToStartWithoutData();
    void goesOnWithoutBackground();
    void answersCommandLine();
    void laterPresidentsSettingRead_data();
    void laterPresidentsSettingRead();
};

void TstMainwindow::startsUpInOrder()
{
    test::Fixture fx;
    shipSampleFiles(fx);
    fx.write(QStringLiteral("brevquiz.log"), "---- Question 1\r\n");
    Settings s;
    s.nquestions = 7;
    s.catenabled[3] = -1;
    fx.write(QStringLiteral("brev.INI"), settingsText(s));

    brev::MainWindow w(*fx.program);
    QVERIFY(w.load());
    QCOMPARE(w.windowTitle(), QStringLiteral("Brevallo Game"));
    QCOMPARE(child<QLabel>(w, "titleLabel")->text(), QStringLiteral("Brevallo Game"));
    QCOMPARE(child<QLabel>(w, "versionLabel")->text(), QStringLiteral("Version 2.11"));
    QVERIFY(child<QLabel>(w, "creditsLabel")->isHidden());
    QVERIFY(child<QLabel>(w, "termsLabel")->isHidden());
    QVERIFY(child<QLabel>(w, "licenceLabel")->isHidden());
    QCOMPARE(child<QPushButton>(w, "playButton")->text(), QStringLiteral("Play"));
    QCOMPARE(child<QPushButton>(w, "playButton")->toolTip(), QStringLiteral("Play the game"));
    QCOMPARE(child<QPushButton>(w, "setupButton")->text(), QStringLiteral("Setup"));
    QCOMPARE(child<QPushButton>(w, "setupButton")->toolTip(), QStringLiteral("Conditions for the game"));
    QCOMPARE(child<QPushButton>(w, "aboutButton")->text(), QStringLiteral("About"));
    QCOMPARE(child<QPushButton>(w, "quitButton")->text(), QStringLiteral("Quit"));

    // Settings, categories, records, counters and sounds are in place; the log is empty.
    QCOMPARE(fx.program->settings.settings.nquestions, 7);
    QCOMPARE(fx.program->records.inPlay(), 41);
    QCOMPARE(fx.program->session.itemUse.size(), size_t(42));
    QCOMPARE(fx.program->sounds.files()[15], QStringLiteral("s15.wav"));
    QCOMPARE(fx.read(QStringLiteral("brevquiz.log")), QByteArray());
    QVERIFY(fx.messages->texts.isEmpty());
}

void TstMainwindow::aboutShowsCreditsAndCloseSaves()
{
    test::Fixture fx;
    shipSampleFiles(fx);
    brev::MainWindow w(*fx.program);
    QVERIFY(w.load());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    for (int i = 0; i < 2; ++i) {
        QTest::mouseClick(child<QPushButton>(w, "aboutButton"), Qt::LeftButton);
        QVERIFY(child<QLabel>(w, "creditsLabel")->isVisible());
        QVERIFY(child<QLabel>(w, "termsLabel")->isVisible());
        QVERIFY(child<QLabel>(w, "licenceLabel")->isVisible());
    }
    // The credits stand where they always stood; the licence above them.
    const auto at = [&w](int twipsValue) { return brev::twips(&w, twipsValue); };
    const QRect credits(at(240), at(3840), at(2280), at(855));
    QCOMPARE(child<QLabel>(w, "creditsLabel")->geometry(), credits);
    QCOMPARE(child<QLabel>(w, "termsLabel")->y(), brev::twips(&w, 4800));
    QVERIFY(child<QLabel>(w, "licenceLabel")->geometry().bottom() < child<QLabel>(w, "creditsLabel")->y());
    QCOMPARE(child<QLabel>(w, "licenceLabel")->text(),
             QStringLiteral("Free software under the GNU General Public License, version 3 or later."));
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("brev.INI"))));
    fx.program->settings.settings.playername = QStringLiteral("Kept Name");
    w.close(); // the close box
    QCOMPARE(fx.read(QStringLiteral("brev.INI")), settingsText(fx.program->settings.settings));
    QVERIFY(fx.read(QStringLiteral("brev.INI")).contains("\"Kept Name\""));
}

void TstMainwindow::quitSavesToo()
{
    test::Fixture fx;
    shipSampleFiles(fx);
    brev::MainWindow w(*fx.program);
    QVERIFY(w.load());
    w.show();
    fx.program->settings.settings.maxdif = 3;
    QTest::mouseClick(child<QPushButton>(w, "quitButton"), Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QCOMPARE(fx.read(QStringLiteral("brev.INI")), settingsText(fx.program->settings.settings));
}

void TstMainwindow::refusesToStartWithoutData()
{
    test::Fixture fx;
    shipSampleFiles(fx);
    QByteArray data = fx.read(QStringLiteral("brev.dat"));
    data.truncate(data.indexOf("\"https://")); // the link section is lost
    fx.write(QStringLiteral("brev.dat"), data);
    brev::MainWindow w(*fx.program);
    QVERIFY(!w.load());
    QCOMPARE(fx.messages->texts.size(), 1);
    QVERIFY2(
        fx.messages->texts[0].contains(QStringLiteral("brev.dat ends early: the link section is missing")),
        qPrintable(fx.messages->texts[0]));
}

void TstMainwindow::goesOnWithoutBackground()
{
    test::Fixture fx;
    shipSampleFiles(fx);
    Settings s;
    s.bgpicture = QStringLiteral("nothere.jpg");
    fx.write(QStringLiteral("brev.INI"), settingsText(s));
    brev::MainWindow w(*fx.program);
    QVERIFY(w.load());
    QCOMPARE(fx.messages->texts.size(), 1);
    QVERIFY(fx.messages->texts[0].contains(QStringLiteral("nothere.jpg")));
}

void TstMainwindow::answersCommandLine()
{
    QProcess p;
    p.start(QStringLiteral(BREV_EXE), {QStringLiteral("--version")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    QCOMPARE(p.readAllStandardOutput(), QByteArray("Brevallo Game 2.11\n"));

    p.start(QStringLiteral(BREV_EXE), {QStringLiteral("--bogus")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 2);
    QVERIFY(p.readAllStandardError().contains(
        "Usage: brevallo [--dir DIR] [--seed N] [--quit-after-start] [--version] [--help]"));

    p.start(QStringLiteral(BREV_EXE), {QStringLiteral("--seed"), QStringLiteral("abc")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 2);

    // With no display at all, --help still answers: a usage line and one line per option.
    QProcessEnvironment bare = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "DISPLAY", "WAYLAND_DISPLAY"})
        bare.remove(QLatin1String(name));
    p.setProcessEnvironment(bare);
    p.start(QStringLiteral(BREV_EXE), {QStringLiteral("--help")});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QList<QByteArray> lines = p.readAllStandardOutput().split('\n');
    QCOMPARE(lines.size(), 14);
    QVERIFY(lines[1].startsWith("       brevallo --export online|tabbed "));
    QVERIFY(lines[2].startsWith("       brevallo --progress "));
    QVERIFY(lines[5].startsWith("  --quit-after-start   "));
}

// brevplus.ini's "Presidents after 1993", written by hand: "0" and "false"
// leave the add-on's records out of a game and of the export; anything else
// that is not a tick ("junk", no key at all) keeps the default, in play.
void TstMainwindow::laterPresidentsSettingRead_data()
{
    QTest::addColumn<QByteArray>("line");
    QTest::addColumn<bool>("inPlay");
    QTest::addRow("0") << QByteArray("laterPresidents=0") << false;
    QTest::addRow("false") << QByteArray("laterPresidents=false") << false;
    QTest::addRow("1") << QByteArray("laterPresidents=1") << true;
    QTest::addRow("junk") << QByteArray("laterPresidents=junk") << true;
    QTest::addRow("no key") << QByteArray("bonusQuestions=false") << true;
}

void TstMainwindow::laterPresidentsSettingRead()
{
    QFETCH(QByteArray, line);
    QFETCH(bool, inPlay);
    test::Fixture fx;
    for (const char* name : {"brev.dat", "brevplus.dat"}) {
        QFile shipped(QStringLiteral(BREV_DATA_DIR "/") + QLatin1String(name));
        QVERIFY(shipped.open(QIODevice::ReadOnly));
        fx.write(QLatin1String(name), shipped.readAll());
    }
    Settings s;
    for (int k = 1; k <= 18; ++k)
        s.catenabled[size_t(k)] = -1;
    fx.write(QStringLiteral("brev.INI"), settingsText(s));
    fx.write(QStringLiteral("brevplus.ini"), "[game]\r\n" + line + "\r\n");

    brev::MainWindow w(*fx.program);
    QVERIFY(w.load());
    QCOMPARE(fx.program->records.inPlay(), inPlay ? 45 : 41);

    QProcess p;
    p.start(QStringLiteral(BREV_EXE),
            {"--dir", fx.program->dir, "--export", "online", "--questions", "120", "--seed", "3"});
    QVERIFY(p.waitForFinished(30000));
    QCOMPARE(p.exitCode(), 0);
    const QByteArray exported = p.readAllStandardOutput();
    QCOMPARE(exported.contains("Barack Obama"), inPlay);
}

QTEST_MAIN(TstMainwindow)
#include "tst_mainwindow.moc"
