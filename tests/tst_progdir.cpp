// Choosing the program directory and filling it from the shipped files.
#include "services/progdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace brev;

namespace {

void put(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

QByteArray contents(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("(missing)");
}

} // namespace

class TstProgdir : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
    void seedsOnlyWhatIsMissing();
    void unusableFolder_data();
    void unusableFolder();
};

void TstProgdir::choice_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<bool>("exeHoldsData");
    QTest::addColumn<QString>("expected");
    QTest::addRow("build_folder_with_data") << QString() << true << "exe";
    QTest::addRow("installed_without_data") << QString() << false << "user";
    QTest::addRow("dir_option_wins") << "other" << true << "other";
}

void TstProgdir::choice()
{
    QFETCH(QString, chosen);
    QFETCH(bool, exeHoldsData);
    QFETCH(QString, expected);
    QTemporaryDir tmp;
    const QDir root(tmp.path());
    root.mkdir(QStringLiteral("exe"));
    if (exeHoldsData)
        put(root.filePath(QStringLiteral("exe/brev.dat")), "x");
    const QString chosenPath = chosen.isEmpty() ? QString() : root.filePath(chosen);
    const QString got = chooseProgramDir(
        {chosenPath, root.filePath(QStringLiteral("exe")), root.filePath(QStringLiteral("user"))});
    QCOMPARE(got, root.filePath(expected));
}

void TstProgdir::seedsOnlyWhatIsMissing()
{
    QTemporaryDir tmp;
    const QDir root(tmp.path());
    root.mkdir(QStringLiteral("share"));
    put(root.filePath(QStringLiteral("share/brev.dat")), "records");
    put(root.filePath(QStringLiteral("share/brev.INI")), "shipped settings");
    const QString mine = root.filePath(QStringLiteral("home/data/brevallo"));

    QCOMPARE(prepareProgramDir(mine, root.filePath(QStringLiteral("share"))), std::nullopt);
    QCOMPARE(contents(mine + QStringLiteral("/brev.dat")), QByteArray("records"));
    QCOMPARE(contents(mine + QStringLiteral("/brev.INI")), QByteArray("shipped settings"));

    put(mine + QStringLiteral("/brev.INI"), "my settings");
    QFile::remove(mine + QStringLiteral("/brev.dat"));
    QCOMPARE(prepareProgramDir(mine, root.filePath(QStringLiteral("share"))), std::nullopt);
    QCOMPARE(contents(mine + QStringLiteral("/brev.INI")), QByteArray("my settings"));
    QCOMPARE(contents(mine + QStringLiteral("/brev.dat")), QByteArray("records"));
    QCOMPARE(QDir(mine).entryList(QDir::Files | QDir::Hidden), QStringList({"brev.dat", "brev.INI"}));
}

void TstProgdir::unusableFolder_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addColumn<QString>("message");
    QTest::addRow("under_a_file") << "afile/brevallo"
                                  << "The folder %1/afile/brevallo for the game's files cannot be created.";
    QTest::addRow("is_a_file") << "afile"
                               << "The folder %1/afile for the game's files cannot be created.";
}

void TstProgdir::unusableFolder()
{
    QFETCH(QString, dir);
    QFETCH(QString, message);
    QTemporaryDir tmp;
    put(tmp.filePath(QStringLiteral("afile")), "x");
    QCOMPARE(prepareProgramDir(tmp.filePath(dir), QString()), message.arg(tmp.path()));
}

QTEST_GUILESS_MAIN(TstProgdir)
#include "tst_progdir.moc"
