// Choosing the program directory, and a folder the game cannot use.
// (Filling the per-user folder is checked on an installed copy: install_test.cmake.)
#include "base/progdir.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace brev;

class TstProgdir : public QObject {
    Q_OBJECT
private slots:
    void choice_data();
    void choice();
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
    QFile data(root.filePath(QStringLiteral("exe/brev.dat")));
    if (exeHoldsData)
        QVERIFY(data.open(QIODevice::WriteOnly));
    const QString chosenPath = chosen.isEmpty() ? QString() : root.filePath(chosen);
    const QString got = chooseProgramDir(
        {chosenPath, root.filePath(QStringLiteral("exe")), root.filePath(QStringLiteral("user"))});
    QCOMPARE(got, root.filePath(expected));
}

void TstProgdir::unusableFolder_data()
{
    QTest::addColumn<QString>("dir");
    QTest::addRow("under_a_file") << "afile/brevallo";
    QTest::addRow("is_a_file") << "afile";
}

void TstProgdir::unusableFolder()
{
    QFETCH(QString, dir);
    QTemporaryDir tmp;
    QFile file(tmp.filePath(QStringLiteral("afile")));
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(prepareProgramDir(tmp.filePath(dir), QString()),
             QStringLiteral("The folder %1/%2 for the game's files cannot be created.").arg(tmp.path(), dir));
}

QTEST_GUILESS_MAIN(TstProgdir)
#include "tst_progdir.moc"
