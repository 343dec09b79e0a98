// The settings file: exact bytes, round trips, missing and damaged files.
#include "filelimit.h"
#include "testsupport.h"

#include <QtTest>

using namespace brev;

class TstSettings : public QObject {
    Q_OBJECT
private slots:
    void writesExactBytes();
    void roundTripsEveryStoredField();
    void startsFromDefaultsWithoutFile();
    void keepsWhatWasReadFromDamagedFile_data();
    void keepsWhatWasReadFromDamagedFile();
    void backgroundNameWithComma();
    void textsReadBackAsWritten();
    void bringsHandEditedValuesIntoRange_data();
    void bringsHandEditedValuesIntoRange();
    void keepsDamagedFileBesideNewOne();
    void failedSaveIsReported();
    void fullDiskKeepsOldFile();
    void unchangedSaveRepairsFileChangedOutside_data();
    void unchangedSaveRepairsFileChangedOutside();
};

void TstSettings::writesExactBytes()
{
    Settings s; // a new player's defaults
    s.soundon = -1;
    s.bgpicture = QStringLiteral("brevbg.jpg");
    s.playername = QStringLiteral("Ann Lee");
    s.windowplaces[3] = {1, 255, 300, 400};
    s.windowplaces[2] = {2, -1, 500, 600};
    s.catenabled[1] = -1;
    QByteArray expected = " 1  1  5  0 \r\n"
                          " 0 -1  8  8 \r\n"
                          "\"Ann Lee\"\r\n"
                          "\"\"\r\n"
                          "brevbg.jpg\r\n"
                          " 0  0  1  2  0 \r\n"
                          " 0  0  255 -1  0 \r\n"
                          " 0  0  300  500  0 \r\n"
                          " 0  0  400  600  0 \r\n"
                          " 0  0  0  0  0 \r\n"
                          " 0  0  0  0  0 \r\n"
                          " 0  0  0  0  0 \r\n"
                          " 0  0  0  0  0 \r\n"
                          " 0 \r\n"
                          "-1 \r\n";
    for (int k = 2; k <= 18; ++k)
        expected += " 0 \r\n";
    QCOMPARE(settingsText(s), expected);

    // Once the setup screen has stored its box's text, the minimum is written bare.
    s.mindifIsText = true;
    s.maxdif = 3;
    QVERIFY(settingsText(s).startsWith("1 3  5  0 \r\n"));
}

void TstSettings::roundTripsEveryStoredField()
{
    test::Fixture fx;
    Settings& s = fx.program->settings.settings;
    s.mindif = 2;
    s.maxdif = 3;
    s.nquestions = 9;
    s.loglevel = 2;
    s.reserved1 = -7;
    s.soundon = -1;
    s.playername = QStringLiteral("Mary Ann Smith");
    s.playeremail = QStringLiteral("mary@example.org");
    s.bgpicture = QStringLiteral("my picture.jpg");
    for (int slot = 0; slot < 10; ++slot)
        s.windowplaces[slot] = {slot % 3, 0x10000 * slot - 5, 1000 + slot, 2000 + slot};
    for (int k = 0; k < kCategories; ++k)
        s.catenabled[k] = k % 2 ? -1 : k;
    s.windowplaces[10] = {2, 9, 9, 9};
    const Settings saved = s;
    QCOMPARE(fx.program->settings.save(), std::nullopt);

    test::Fixture again(1, fx.program->dir);
    again.program->settings.load();
    const Settings& r = again.program->settings.settings;
    QVERIFY(again.messages->texts.isEmpty());
    QCOMPARE(r.mindif, 2);
    QCOMPARE(r.maxdif, 3);
    QCOMPARE(r.nquestions, 9);
    QCOMPARE(r.loglevel, 2);
    QCOMPARE(r.reserved1, -7);
    QCOMPARE(r.soundon, -1);
    QCOMPARE(r.playername, saved.playername);
    QCOMPARE(r.playeremail, saved.playeremail);
    QCOMPARE(r.bgpicture, saved.bgpicture);
    for (int slot = 0; slot < 10; ++slot) {
        QCOMPARE(r.windowplaces[slot].state, saved.windowplaces[slot].state);
        QCOMPARE(r.windowplaces[slot].backcolor, saved.windowplaces[slot].backcolor);
        QCOMPARE(r.windowplaces[slot].height, saved.windowplaces[slot].height);
        QCOMPARE(r.windowplaces[slot].width, saved.windowplaces[slot].width);
    }
    QCOMPARE(r.windowplaces[10].width, 0); // slot 10 is never stored
    for (int k = 0; k <= 18; ++k)
        QCOMPARE(r.catenabled[k], saved.catenabled[k]);
    for (int k = 19; k < kCategories; ++k)
        QCOMPARE(r.catenabled[k], 0);
    // Saving what was read gives the same bytes.
    QCOMPARE(settingsText(r), fx.read(QStringLiteral("brev.INI")));
}

void TstSettings::startsFromDefaultsWithoutFile()
{
    test::Fixture fx;
    fx.program->settings.load();
    const Settings& s = fx.program->settings.settings;
    QCOMPARE(s.nquestions, 5);
    QCOMPARE(s.mindif, 1);
    QCOMPARE(s.maxdif, 1);
    QCOMPARE(s.soundon, 0);
    QCOMPARE(s.loglevel, 0);
    QCOMPARE(std::count(s.catenabled.begin(), s.catenabled.end(), 0), qsizetype(kCategories));
    QVERIFY(fx.messages->texts.isEmpty());
}

void TstSettings::keepsWhatWasReadFromDamagedFile_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("problem");
    QTest::newRow("ends in line 2") << QByteArray(" 1  3  7  0 \r\n 0 -1 ") << "ends early (line 2)";
    QTest::newRow("letters for a number") << QByteArray(" 1  3  7  0 \r\n 0 -1  x  8 \r\n") << "\"x\"";
    QTest::newRow("number beyond 16 bits")
        << QByteArray(" 1  3  7  0 \r\n 0 -1  99999 ")
        << "line 2 holds \"99999\", which is out of range (-32768 to 32767)";
    QTest::newRow("bad value at a line's end") << QByteArray(" 1  3  7  0 \r\n 0 -1  8  x\r\n\"Ann\"\r\n")
                                               << "line 2 holds \"x\" where a whole number belongs";
    QTest::newRow("a megabyte of letters")
        << QByteArray(" 1  3  7  0 \r\n 0 -1 ") + QByteArray(1 << 20, 'y')
        << "line 2 holds \"yyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyyy...\" where";
    QTest::newRow("open quote") << QByteArray(" 1  3  7  0 \r\n 0 -1  8  8 \r\n\"Ann\r\n")
                                << "line 3 opens a double quote that is never closed";
}

void TstSettings::keepsWhatWasReadFromDamagedFile()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, problem);
    test::Fixture fx;
    fx.write(QStringLiteral("brev.INI"), content);
    const QStringList said = test::told(fx.program->settings.load());
    const Settings& s = fx.program->settings.settings;
    QCOMPARE(s.maxdif, 3);
    QCOMPARE(s.nquestions, 7);
    QCOMPARE(s.soundon, -1);
    QCOMPARE(s.playername, QString());
    QCOMPARE(s.catenabled[1], 0);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].startsWith(QStringLiteral("brev.INI is damaged")), qPrintable(said[0]));
    QVERIFY2(said[0].contains(problem), qPrintable(said[0]));
    QVERIFY(said[0].size() < 300);
}

void TstSettings::backgroundNameWithComma()
{
    // A hand-written bare name is cut at the comma; the rest of its line is skipped
    // and every later value is still read.
    test::Fixture fx;
    QByteArray file = " 1  2  7  0 \r\n 0 -1  8  8 \r\n\"Ann\"\r\n\"\"\r\nsky,blue.jpg, 5\r\n"
                      " 0  0  0  0  0 \r\n 0  0  0  0  0 \r\n 0  0  0  0  0 \r\n 900  0  0  0  0 \r\n"
                      " 0  0  0  0  0 \r\n 0  0  0  0  0 \r\n 0  0  0  0  0 \r\n 0  0  0  0  0 \r\n";
    for (int k = 0; k <= 18; ++k)
        file += "-1 \r\n";
    fx.write(QStringLiteral("brev.INI"), file);
    fx.program->settings.load();
    QCOMPARE(fx.messages->texts, QStringList());
    QCOMPARE(fx.program->settings.settings.bgpicture, QStringLiteral("sky"));
    QCOMPARE(fx.program->settings.settings.windowplaces[0].width, 900);
    QCOMPARE(fx.program->settings.settings.catenabled[18], -1);

    // A name the program saves itself reads back whole.
    fx.program->settings.settings.bgpicture = QStringLiteral("sky,blue.jpg");
    QCOMPARE(fx.program->settings.save(), std::nullopt);
    fx.program->settings.settings = Settings{};
    fx.program->settings.load();
    QCOMPARE(fx.program->settings.settings.bgpicture, QStringLiteral("sky,blue.jpg"));
    QCOMPARE(fx.program->settings.settings.catenabled[18], -1);
}

void TstSettings::textsReadBackAsWritten()
{
    test::Fixture fx;
    fx.program->settings.settings.playername = QStringLiteral("J \"J\" S");
    fx.program->settings.settings.playeremail = QStringLiteral("two\r\nlines");
    QCOMPARE(fx.program->settings.save(), std::nullopt);
    fx.program->settings.settings = Settings{};
    fx.program->settings.load();
    QCOMPARE(fx.messages->texts, QStringList());
    QCOMPARE(fx.program->settings.settings.playername,
             QStringLiteral("J 'J' S")); // the file cannot hold a quote
    QCOMPARE(fx.program->settings.settings.playeremail, QStringLiteral("two\r\nlines"));
    QCOMPARE(fx.program->settings.settings.soundon, 0);
}

void TstSettings::bringsHandEditedValuesIntoRange_data()
{
    QTest::addColumn<QByteArray>("line1");
    QTest::addColumn<int>("mindif");
    QTest::addColumn<int>("maxdif");
    QTest::addColumn<int>("nquestions");
    QTest::newRow("as the setup screen stores them") << QByteArray("1 3  10  0 ") << 1 << 3 << 10;
    QTest::newRow("too many questions") << QByteArray(" 1  3  32767  0 ") << 1 << 3 << 10;
    QTest::newRow("no questions") << QByteArray(" 1  2  0  0 ") << 1 << 2 << 1;
    QTest::newRow("difficulties too high") << QByteArray(" 9  32767  5  0 ") << 3 << 3 << 5;
    QTest::newRow("difficulties too low") << QByteArray("-4 -9  5  0 ") << 1 << 1 << 5;
    QTest::newRow("after a byte-order mark") << QByteArray("\xEF\xBB\xBF 2  3  4  0 ") << 2 << 3 << 4;
}

void TstSettings::bringsHandEditedValuesIntoRange()
{
    QFETCH(QByteArray, line1);
    test::Fixture fx;
    Settings full;
    full.soundon = -1;
    fx.write(QStringLiteral("brev.INI"),
             line1 + "\r\n" + settingsText(full).mid(settingsText(full).indexOf('\n') + 1));
    fx.program->settings.load();
    QCOMPARE(fx.messages->texts, QStringList());
    QTEST(fx.program->settings.settings.mindif, "mindif");
    QTEST(fx.program->settings.settings.maxdif, "maxdif");
    QTEST(fx.program->settings.settings.nquestions, "nquestions");
    QCOMPARE(fx.program->settings.settings.soundon, -1);
}

void TstSettings::keepsDamagedFileBesideNewOne()
{
    test::Fixture fx;
    const QByteArray damaged = " 1  3  7  0 \r\n 0 -1  x  8 \r\n\"Ann Lee\"\r\n";
    fx.write(QStringLiteral("brev.INI"), damaged);
    const QStringList said = test::told(fx.program->settings.load());
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].endsWith(QStringLiteral("The damaged file is kept as brev.INI.bad.")),
             qPrintable(said[0]));
    QCOMPARE(fx.program->settings.save(), std::nullopt);
    QCOMPARE(fx.read(QStringLiteral("brev.INI.bad")), damaged);
    QVERIFY(fx.read(QStringLiteral("brev.INI")).startsWith(" 1  3  7  0 \r\n 0 -1  8  8 \r\n\"\"\r\n"));

    // A file that cannot be read at all is moved aside before a save could replace it.
    test::Fixture unreadable;
    QVERIFY(QDir(unreadable.tmp.path()).mkdir(QStringLiteral("brev.INI")));
    const QStringList unreadableSaid = test::told(unreadable.program->settings.load());
    QCOMPARE(unreadableSaid.size(), 1);
    QVERIFY2(unreadableSaid[0].endsWith(QStringLiteral("The file is kept as brev.INI.bad.")),
             qPrintable(unreadableSaid[0]));
    QVERIFY(QFileInfo(unreadable.path(QStringLiteral("brev.INI.bad"))).isDir());
    QCOMPARE(unreadable.program->settings.save(), std::nullopt);
}

void TstSettings::failedSaveIsReported()
{
    test::Fixture fx;
    fx.write(QStringLiteral("notadir"), "x");
    SettingsStore store(fx.path(QStringLiteral("notadir"))); // a file, so nothing can be created in it
    const QStringList said = test::told(store.save());
    QCOMPARE(said.size(), 1);
    QVERIFY(said[0].startsWith(QStringLiteral("brev.INI could not be saved: ")));
    QVERIFY(said[0].size() > QStringLiteral("brev.INI could not be saved: ").size());
}

void TstSettings::fullDiskKeepsOldFile()
{
    test::Fixture fx;
    QCOMPARE(fx.program->settings.save(), std::nullopt);
    QStringList said;
    const QByteArray before = fx.read(QStringLiteral("brev.INI"));
    fx.program->settings.settings.playername = QStringLiteral("Changed");
    {
        test::FileSizeLimit limit(64);
        said = test::told(fx.program->settings.save());
    }
    QCOMPARE(fx.read(QStringLiteral("brev.INI")), before);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].startsWith(QStringLiteral("brev.INI could not be saved: File too large")),
             qPrintable(said[0]));
}

// The file as saved, then deleted or changed by someone else: saving the same
// settings again writes it whole.
void TstSettings::unchangedSaveRepairsFileChangedOutside_data()
{
    QTest::addColumn<QByteArray>("head"); // the file's new start; empty: the file is deleted
    QTest::addColumn<bool>("keepRest");   // the rest of the file stays after it
    QTest::newRow("deleted") << QByteArray() << false;
    QTest::newRow("cut short") << QByteArray(" 1  1  5") << false;
    QTest::newRow("same size, other value") << QByteArray(" 1  3  5  0 \r\n") << true;
}

void TstSettings::unchangedSaveRepairsFileChangedOutside()
{
    QFETCH(QByteArray, head);
    QFETCH(bool, keepRest);
    test::Fixture fx;
    const QString name = QStringLiteral("brev.INI");
    QCOMPARE(fx.program->settings.save(), std::nullopt);
    const QByteArray saved = fx.read(name);
    QVERIFY(saved.startsWith(" 1  1  5  0 \r\n"));
    if (head.isEmpty())
        QVERIFY(QFile::remove(fx.path(name)));
    else
        fx.write(name, keepRest ? head + saved.mid(head.size()) : head);
    QCOMPARE(fx.program->settings.save(), std::nullopt);
    QCOMPARE(fx.read(name), saved);
}

QTEST_GUILESS_MAIN(TstSettings)
#include "tst_settings.moc"
