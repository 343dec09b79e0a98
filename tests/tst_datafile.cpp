// The data file: round trip, derived portrait names, item syntax, damaged files.
#include "filelimit.h"
#include "testsupport.h"

#include <QtTest>

using namespace brev;

namespace {

// A data file with the sample records, as the program writes it.
QByteArray sampleFile()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    return dataText(fx.program->records);
}

QList<QByteArray> lines(const QByteArray& file)
{
    QList<QByteArray> out = file.split('\n');
    for (QByteArray& l : out)
        l.chop(l.endsWith('\r') ? 1 : 0);
    if (!out.isEmpty() && out.last().isEmpty())
        out.removeLast();
    return out;
}

QByteArray joined(const QList<QByteArray>& ls)
{
    QByteArray out;
    for (const QByteArray& l : ls)
        out += l + "\r\n";
    return out;
}

} // namespace

class TstDatafile : public QObject {
    Q_OBJECT
private slots:
    void roundTripsThroughWriteAndRead();
    void derivesPortraitNamesFromRecordNumber();
    void readsItemSyntax();
    void rejectsDamagedFiles_data();
    void rejectsDamagedFiles();
    void readsAddOnOrGoesOnWithout_data();
    void readsAddOnOrGoesOnWithout();
    void initdataLeavesEmptySlotsAndZeroCounters();
    void failedWriteKeepsOldFile();
    void fullDiskKeepsOldFile();
};

void TstDatafile::roundTripsThroughWriteAndRead()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    fx.program->records.presidents.edit(5).court.clear();
    fx.program->records.presidents.edit(6).vice = QStringLiteral("Adams, Jr., John");
    fx.program->records.presidents.edit(7).dif = -32768;
    fx.program->records.presidents.edit(8).name = QStringLiteral("George \"Big\" Washington");
    QCOMPARE(writeRecords(fx.program->records, fx.program->path(QStringLiteral("brev.dat"))), std::nullopt);
    // The file cannot hold a double quote in a text: it is stored as an apostrophe.
    fx.program->records.presidents.edit(8).name = QStringLiteral("George 'Big' Washington");

    test::Fixture back(1, fx.program->dir);
    QCOMPARE(readRecords(back.program->records, back.program->path(QStringLiteral("brev.dat"))),
             std::nullopt);
    QCOMPARE(back.program->records.inPlay(), 41);
    QCOMPARE(back.program->records.linkbase, fx.program->records.linkbase);
    QCOMPARE(back.program->records.presidents.size(), fx.program->records.presidents.size());
    for (size_t i = 0; i < back.program->records.presidents.size(); ++i)
        QVERIFY2(back.program->records.presidents[i] == fx.program->records.presidents[i],
                 qPrintable(QString::number(i)));

    // The file has one line per record, the base address, then one link per line.
    const QList<QByteArray> ls = lines(fx.read(QStringLiteral("brev.dat")));
    QCOMPARE(ls.size(), 41 + 1 + 41);
    QCOMPARE(ls[41], QByteArray("\"https://example.org/wiki/\""));
    QCOMPARE(ls[42], QByteArray("\"President_1\""));
    QVERIFY(ls[0].startsWith("\"President 1\",\"\",\"brev1.gif\",1792,\"1792-1796\",1733,"));
    QVERIFY(fx.read(QStringLiteral("brev.dat")).endsWith("\"President_41\"\r\n"));
}

void TstDatafile::derivesPortraitNamesFromRecordNumber()
{
    test::Fixture fx;
    QByteArray file = sampleFile().replace("brev", "photo");
    fx.write(QStringLiteral("brev.dat"), file);
    QCOMPARE(readRecords(fx.program->records, fx.program->path(QStringLiteral("brev.dat"))), std::nullopt);
    QCOMPARE(fx.program->records.imageFile(1), QStringLiteral("brev1.gif"));
    QCOMPARE(fx.program->records.imageFile(23), QStringLiteral("brev23.gif"));
    QCOMPARE(fx.program->records.imageFile(24), QStringLiteral("brev25.gif"));
    QCOMPARE(fx.program->records.imageFile(41), QStringLiteral("brev42.gif"));
    QCOMPARE(fx.program->records.imageFile(0), QString());
    QCOMPARE(fx.program->records.imageFile(42), QString());
}

void TstDatafile::readsItemSyntax()
{
    test::Fixture fx;
    QList<QByteArray> ls = lines(sampleFile());
    // Quoted commas and line breaks stay, an unquoted text stops at its comma,
    // spaces around items go, "" is empty, and trailing junk after a closing
    // quote is dropped. Every field holds its own value, so a swap shows.
    ls[0] =
        "  \"Washington, George\" ,\"s1\",x,  1789 ,Term one, 1732,\"Feb\"junk,7,\"Adams\",\"Westmoreland\","
        "\"Virginia\",2,\"Martha\",\"s2\",\"Federalist\",\"none\",\"s3\",-5,\"s4\",\"Jefferson\",\"Knox\","
        "\"Randolph\",\"Jay,\r\nRutledge\",\"\",3";
    // The link section may hold several links on a line.
    const QByteArray l1 = ls[42], l2 = ls[43];
    ls[42] = l1 + "," + l2;
    ls.removeAt(43);
    fx.write(QStringLiteral("brev.dat"), "\xEF\xBB\xBF" + joined(ls)); // after a byte-order mark
    QCOMPARE(readRecords(fx.program->records, fx.program->path(QStringLiteral("brev.dat"))), std::nullopt);
    const President& p = fx.program->records.presidents[1];
    QCOMPARE(p.name, QStringLiteral("Washington, George"));
    QCOMPARE(p.spare1, QStringLiteral("s1"));
    QCOMPARE(p.termKey, 1789);
    QCOMPARE(p.term, QStringLiteral("Term one"));
    QCOMPARE(p.birthKey, 1732);
    QCOMPARE(p.birth, QStringLiteral("Feb"));
    QCOMPARE(p.spareNum1, 7);
    QCOMPARE(p.vice, QStringLiteral("Adams"));
    QCOMPARE(p.birthplace, QStringLiteral("Westmoreland"));
    QCOMPARE(p.home, QStringLiteral("Virginia"));
    QCOMPARE(p.endKind, 2);
    QCOMPARE(p.wife, QStringLiteral("Martha"));
    QCOMPARE(p.spare2, QStringLiteral("s2"));
    QCOMPARE(p.party, QStringLiteral("Federalist"));
    QCOMPARE(p.opponent, QStringLiteral("none"));
    QCOMPARE(p.quotation, QStringLiteral("s3"));
    QCOMPARE(p.spareNum2, -5);
    QCOMPARE(p.quotationSource, QStringLiteral("s4"));
    QCOMPARE(p.secState, QStringLiteral("Jefferson"));
    QCOMPARE(p.secWar, QStringLiteral("Knox"));
    QCOMPARE(p.attnGen, QStringLiteral("Randolph"));
    QCOMPARE(p.court, QStringLiteral("Jay,\r\nRutledge"));
    QCOMPARE(p.dif, 3);
    QCOMPARE(fx.program->records.presidents[2].name, QStringLiteral("President 2"));
    QCOMPARE(p.link, QStringLiteral("President_1"));
    QCOMPARE(fx.program->records.presidents[2].link, QStringLiteral("President_2"));
    QCOMPARE(fx.program->records.presidents[41].link, QStringLiteral("President_41"));
}

void TstDatafile::rejectsDamagedFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected");
    const QList<QByteArray> ls = lines(sampleFile());
    QTest::newRow("no file") << QByteArray() << "The data file brev.dat cannot be read";
    QTest::newRow("empty") << QByteArray("") << "record 1 of 41 stops before item 1 (name)";
    QTest::newRow("too few records") << joined(ls.mid(0, 40))
                                     << "ends early: record 41 of 41 stops before item 1 (name)";
    QTest::newRow("record cut short") << joined(ls.mid(0, 11)) + ls[11].left(ls[11].indexOf("\"May"))
                                      << "record 12 of 41 stops before item 7 (birth)";
    QTest::newRow("no link section") << joined(ls.mid(0, 41)) << "the link section is missing";
    QTest::newRow("links cut short") << joined(ls.mid(0, 60)) << "before the link of record 19 of 41";
    QList<QByteArray> bad = ls;
    bad[2].replace(",1800,", ",18x0,");
    QTest::newRow("letters for a number")
        << joined(bad) << "record 3, item 4 (termKey) holds \"18x0\", which is not a whole number (line 3)";
    bad = ls;
    bad[40] = bad[40].left(bad[40].lastIndexOf(',')) + ",40000";
    QTest::newRow("beyond 16 bits")
        << joined(bad)
        << "record 41, item 25 (dif) holds \"40000\", which is out of range (-32768 to 32767) (line 41)";
    bad = ls;
    bad[2].replace(",1800,", "," + QByteArray(1 << 20, '7') + ",");
    QTest::newRow("a megabyte of digits")
        << joined(bad) << "holds \"7777777777777777777777777777777777777777...\"";
    QTest::newRow("only commas") << joined(QList<QByteArray>(83, QByteArray(24, ',')))
                                 << "is damaged: record 1 (line 1) has no name";
    bad = ls;
    bad.insert(41, ls[0]);
    QTest::newRow("a 42nd record") << joined(bad)
                                   << "is damaged: line 60 holds more after the link of record 41";
    bad = ls;
    bad[4] += ",\"extra\"";
    QTest::newRow("a record with 26 items")
        << joined(bad) << "is damaged: record 5 (line 5) holds more than 25 items";
    QTest::newRow("ends inside a quoted text")
        << joined(ls.mid(0, 11)) + ls[11].left(ls[11].indexOf("May"))
        << "ends inside a quoted text: record 12, item 7 (birth), opens a double quote on line 12";
    QTest::newRow("last link left open")
        << joined(ls).chopped(3) << "the link of record 41 opens a double quote on line 83";
}

void TstDatafile::rejectsDamagedFiles()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    test::Fixture fx;
    fx.loadSampleRecords();
    fx.program->records.presidents.edit(3).name = QStringLiteral("Kept");
    if (!QByteArray(QTest::currentDataTag()).startsWith("no file"))
        fx.write(QStringLiteral("brev.dat"), content);
    const auto error = readRecords(fx.program->records, fx.program->path(QStringLiteral("brev.dat")));
    QVERIFY(error.has_value());
    QVERIFY2(error->contains(QStringLiteral("brev.dat")), qPrintable(*error));
    QVERIFY2(error->contains(expected), qPrintable(*error));
    QCOMPARE(fx.program->records.presidents[3].name, QStringLiteral("Kept")); // the table stays as it was
    QVERIFY(error->size() < 300);
}

void TstDatafile::readsAddOnOrGoesOnWithout_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("expected"); // empty: the add-on reads
    const QList<QByteArray> ls = lines(sampleFile());
    const QByteArray base = ls[41];
    QTest::newRow("two records") << joined({ls[0], ls[1], base, ls[42], ls[43]}) << QString();
    QTest::newRow("no file") << QByteArray() << QString();
    QTest::newRow("empty") << QByteArray("") << "brevplus.dat ends early: the link section is missing";
    QTest::newRow("no link section") << joined({ls[0], ls[1]}) << "the link section is missing";
    QTest::newRow("links cut short") << joined({ls[0], ls[1], base, ls[42]})
                                     << "ends early: the link section stops before the link of record 43.";
    QByteArray bad = ls[1];
    bad.replace(",1796,", ",17x6,");
    QTest::newRow("letters for a number")
        << joined({ls[0], bad, base, ls[42], ls[43]})
        << "record 43, item 4 (termKey) holds \"17x6\", which is not a whole number (line 2)";
    QTest::newRow("a record with 26 items")
        << joined({ls[0] + ",\"extra\"", base, ls[42]}) << "record 42 (line 1) holds more than 25 items";
    QTest::newRow("more after the links")
        << joined({ls[0], base, ls[42], ls[43]}) << "line 4 holds more after the link of record 42";
    QTest::newRow("ends inside a quoted text")
        << ls[0].left(ls[0].indexOf("-1796")) << "record 42, item 5 (term), opens a double quote on line 1";
}

// The add-on's records follow the data file's and keep their numbers in
// portraits and messages; a damaged add-on is named with its line and item,
// and the table keeps the data file's records only.
void TstDatafile::readsAddOnOrGoesOnWithout()
{
    QFETCH(QByteArray, content);
    QFETCH(QString, expected);
    test::Fixture fx;
    fx.write(QStringLiteral("brev.dat"), sampleFile());
    QCOMPARE(fx.program->readRecords(), std::nullopt);
    if (!QByteArray(QTest::currentDataTag()).startsWith("no file"))
        fx.write(QStringLiteral("brevplus.dat"), content);
    const auto problem = fx.program->readAddOn();
    Program& c = *fx.program;
    QCOMPARE(c.records.presidents[41].name, QStringLiteral("President 41"));
    if (expected.isEmpty() && !content.isNull()) {
        QCOMPARE(problem, std::nullopt);
        QCOMPARE(c.records.inPlay(), 43);
        QCOMPARE(c.records.presidents[42].name, QStringLiteral("President 1"));
        QCOMPARE(c.records.presidents[43].image, QStringLiteral("brev44.gif"));
        QCOMPARE(c.records.linkOf(43), QStringLiteral("https://example.org/wiki/President_2"));
        QCOMPARE(c.session.itemUse.size(), size_t(44));
        // Written back the same, with the portrait names that follow the records' numbers.
        QCOMPARE(addOnText(c.records),
                 QByteArray(content).replace("brev1.gif", "brev43.gif").replace("brev2.gif", "brev44.gif"));
        QCOMPARE(dataText(c.records), sampleFile());
        c.records.setLaterPresidents(false);
        QCOMPARE(c.records.inPlay(), 41);
        return;
    }
    QCOMPARE(c.records.loadedRecords(), 41);
    QCOMPARE(c.records.inPlay(), 41);
    if (expected.isEmpty()) {
        QCOMPARE(problem, std::nullopt);
        return;
    }
    QVERIFY(problem.has_value());
    QVERIFY2(problem->contains(expected), qPrintable(*problem));
    QVERIFY2(problem->startsWith(QStringLiteral("The data file brevplus.dat ")), qPrintable(*problem));
    QVERIFY2(problem->endsWith(QStringLiteral("The game goes on with the 41 presidents of brev.dat.")),
             qPrintable(*problem));
}

void TstDatafile::initdataLeavesEmptySlotsAndZeroCounters()
{
    test::Fixture fx;
    fx.write(QStringLiteral("brev.dat"), sampleFile());
    QCOMPARE(fx.program->readRecords(), std::nullopt);
    QVERIFY(fx.program->records.presidents[0] == President{});
    QVERIFY(fx.program->records.presidents[42] == President{});
    QCOMPARE(fx.program->session.itemUse, std::vector<int>(42, 0));
}

void TstDatafile::failedWriteKeepsOldFile()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    fx.write(QStringLiteral("notadir"), "old");
    const QStringList said =
        test::told(writeRecords(fx.program->records, fx.program->path(QStringLiteral("notadir/brev.dat"))));
    QCOMPARE(said.size(), 1);
    QVERIFY(said[0].startsWith(QStringLiteral("brev.dat could not be saved: ")));
    QCOMPARE(fx.read(QStringLiteral("notadir")), QByteArray("old"));
    QCOMPARE(fx.program->records.presidents[1].name, QStringLiteral("President 1"));
}

void TstDatafile::fullDiskKeepsOldFile()
{
    test::Fixture fx;
    fx.loadSampleRecords();
    QCOMPARE(writeRecords(fx.program->records, fx.program->path(QStringLiteral("brev.dat"))), std::nullopt);
    QStringList said;
    const QByteArray before = fx.read(QStringLiteral("brev.dat"));
    fx.program->records.presidents.edit(41).court =
        QString(200, u'x'); // a little longer: held in the write buffer
    {
        test::FileSizeLimit limit(before.size());
        said = test::told(writeRecords(fx.program->records, fx.program->path(QStringLiteral("brev.dat"))));
    }
    QCOMPARE(fx.read(QStringLiteral("brev.dat")), before);
    QCOMPARE(said.size(), 1);
    QVERIFY2(said[0].startsWith(QStringLiteral("brev.dat could not be saved: File too large")),
             qPrintable(said[0]));
}

QTEST_GUILESS_MAIN(TstDatafile)
#include "tst_datafile.moc"
