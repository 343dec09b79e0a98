// The data editor: the difficulty box's clamping, paging at the ends, saving
// to brev.dat, the link, the portrait and maxdif after closing.
#include "editor/dataeditorwindow.h"
#include "store/records.h"
#include "testsupport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {
const QString kData = QStringLiteral("brev.dat");

// The shipped records in the fixture's program directory, the file's time set back.
void shipRecords(Fixture& f)
{
    QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev.dat"), f.path(kData));
    QFile file(f.path(kData));
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(file.open(QIODevice::ReadWrite));
    file.setFileTime(QDateTime(QDate(2000, 1, 1), QTime()), QFileDevice::FileModificationTime);
    QCOMPARE(f.program->readRecords(), std::nullopt);
}

bool rewritten(const Fixture& f)
{
    return QFileInfo(f.path(kData)).lastModified().date().year() != 2000;
}
} // namespace

class TstEditor : public QObject {
    Q_OBJECT
private slots:
    void difficultyClampsAtOnce_data();
    void difficultyClampsAtOnce();
    void pagingStopsAtTheEnds();
    void savingAndMaxdif();
    void linkAndPortrait();
    void pagesToTheAddOnAndSavesItThere();
    void savesEachDifficultyToItsOwnFile_data();
    void savesEachDifficultyToItsOwnFile();
};

void TstEditor::difficultyClampsAtOnce_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<int>("stored");
    QTest::addRow("above_three") << "5"
                                 << "3" << 3;
    QTest::addRow("zero") << "0"
                          << "1" << 1;
    QTest::addRow("negative") << "-4"
                              << "1" << 1;
    QTest::addRow("fraction_rounds") << "2.6"
                                     << "2.6" << 3;
    QTest::addRow("letters_keep_previous") << "x"
                                           << "1" << 1;
}

// Typed into the real box: the box and the record follow at every key.
void TstEditor::difficultyClampsAtOnce()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    Fixture f;
    shipRecords(f);
    TestEditor w(*f.program);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Edit"));
    w.difficultyBox->setFocus();
    w.difficultyBox->selectAll();
    QTest::keyClicks(w.difficultyBox, typed);
    QCOMPARE(w.difficultyBox->text(), shown);
    QCOMPARE(f.program->records.presidents[1].dif, stored);
    QCOMPARE(w.browser().changed(), typed != QLatin1String("x"));
    QTest::keyClick(w.difficultyBox, Qt::Key_Return); // Enter in the box closes nothing
    QVERIFY(w.isVisible());
}

void TstEditor::pagingStopsAtTheEnds()
{
    Fixture f;
    shipRecords(f);
    TestEditor w(*f.program);
    QCOMPARE(w.recordList->count(), 41);
    QCOMPARE(w.facts[DataEditorWindow::Birth]->text(), QStringLiteral("Birth: February 22, 1732"));
    QCOMPARE(w.facts[DataEditorWindow::SecretariesOfState]->text(),
             QStringLiteral("Sec'y State: Thomas Jefferson, Edmund Randolph, Timothy Pickering"));
    QTest::mouseClick(w.previousButton, Qt::LeftButton);
    QCOMPARE(w.browser().record(), 1);
    emit w.recordList->activated(39);
    QTest::mouseClick(w.nextButton, Qt::LeftButton);
    QTest::mouseClick(w.nextButton, Qt::LeftButton);
    QCOMPARE(w.browser().record(), 41);
    QCOMPARE(w.recordList->currentText(), QStringLiteral("Bill Clinton"));
    QCOMPARE(w.facts[DataEditorWindow::Term]->text(), QStringLiteral("Term: 1993-2001"));
    QTest::mouseClick(w.previousButton, Qt::LeftButton);
    QCOMPARE(w.browser().record(), 40);
}

// The close box skips the save and "ok" saves; neither touches the player's
// maxdif. Paging from difficulty 1 to 2 writes the difficulty into the record,
// so "ok" rewrites the file, with the same bytes.
void TstEditor::savingAndMaxdif()
{
    Fixture f;
    shipRecords(f);
    const QByteArray before = f.read(kData);
    f.program->settings.settings.maxdif = 2;
    for (const bool ok : {false, true}) {
        TestEditor w(*f.program);
        w.show();
        QTest::mouseClick(w.nextButton, Qt::LeftButton);
        QCOMPARE(w.difficultyBox->text(), QStringLiteral("2"));
        QVERIFY(w.browser().changed());
        if (ok)
            QTest::mouseClick(w.okButton, Qt::LeftButton);
        else
            w.close(); // the close box
        QVERIFY(!w.isVisible());
        QCOMPARE(f.program->settings.settings.maxdif, 2);
        QCOMPARE(rewritten(f), ok);
    }
    QCOMPARE(f.read(kData), before);
}

void TstEditor::linkAndPortrait()
{
    Fixture f;
    shipRecords(f);
    QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev2.gif"), f.path(QStringLiteral("brev2.gif")));
    f.program->records.presidents.edit(3).link.clear();
    TestEditor w(*f.program);
    w.show();
    QCOMPARE(w.linkButton->text(), QStringLiteral("George_Washington"));
    QCOMPARE(w.imageBox->text(), QStringLiteral("brev1.gif"));
    QVERIFY(w.imageBox->isReadOnly()); // an edit would be kept nowhere
    QVERIFY(w.portrait->isHidden());   // brev1.gif is not in the directory
    QTest::mouseClick(w.linkButton, Qt::LeftButton);
    QCOMPARE(f.shell->urls, QStringList{f.program->records.linkbase + QStringLiteral("George_Washington")});
    QTest::mouseClick(w.nextButton, Qt::LeftButton);
    QVERIFY(w.portrait->isVisible());
    QTest::mouseClick(w.nextButton, Qt::LeftButton);
    QTest::mouseClick(w.linkButton, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"No internet link available"});
    QCOMPARE(f.shell->urls.size(), 1);
}

// The editor shows the add-on's records even while they are out of play, and
// "ok" writes a changed difficulty to the file the record came from.
void TstEditor::pagesToTheAddOnAndSavesItThere()
{
    Fixture f;
    shipRecords(f);
    const QString addOn = f.path(QStringLiteral("brevplus.dat"));
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), addOn));
    QFile(addOn).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev46.gif"), f.path(QStringLiteral("brev46.gif"))));
    QCOMPARE(readAddOn(f.program->records, addOn, false), std::nullopt);
    const QByteArray before = f.read(kData);
    TestEditor w(*f.program);
    w.show();
    QCOMPARE(w.recordList->count(), 45);
    emit w.recordList->activated(44);
    QCOMPARE(w.browser().record(), 45);
    QCOMPARE(w.facts[DataEditorWindow::Term]->text(), QStringLiteral("Term: 2021-2025"));
    QVERIFY(w.portrait->isVisible()); // brev46.gif
    QTest::mouseClick(w.linkButton, Qt::LeftButton);
    QCOMPARE(f.shell->urls, QStringList{"https://en.wikipedia.org/wiki/Joe_Biden"});
    w.difficultyBox->selectAll();
    QTest::keyClicks(w.difficultyBox, QStringLiteral("3"));
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    QVERIFY(!rewritten(f));
    QCOMPARE(f.read(kData), before);
    Records back;
    QCOMPARE(readRecords(back, f.path(kData)), std::nullopt);
    QCOMPARE(readAddOn(back, addOn, true), std::nullopt);
    QCOMPARE(back.presidents[45].dif, 3);
    QCOMPARE(back.presidents[44].dif, f.program->records.presidents[44].dif);
}

void TstEditor::savesEachDifficultyToItsOwnFile_data()
{
    QTest::addColumn<int>("record");
    QTest::addColumn<QString>("kept");
    QTest::addRow("41, the last of brev.dat") << 41 << "brevplus.dat";
    QTest::addRow("42, the first of the add-on") << 42 << "brev.dat";
}

// Both shipped files, both records at difficulty 1: "ok" writes the new one
// into the record's own file and leaves the other file as it was.
void TstEditor::savesEachDifficultyToItsOwnFile()
{
    QFETCH(int, record);
    QFETCH(QString, kept);
    Fixture f;
    shipRecords(f);
    const QString addOn = f.path(QStringLiteral("brevplus.dat"));
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), addOn));
    QFile(addOn).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(readAddOn(f.program->records, addOn, true), std::nullopt);
    const QByteArray keptBytes = f.read(kept);
    TestEditor w(*f.program);
    w.show();
    emit w.recordList->activated(record - 1);
    w.difficultyBox->selectAll();
    QTest::keyClicks(w.difficultyBox, QStringLiteral("3"));
    QTest::mouseClick(w.okButton, Qt::LeftButton);
    QCOMPARE(f.read(kept), keptBytes);
    Records back;
    QCOMPARE(readRecords(back, f.path(kData)), std::nullopt);
    QCOMPARE(readAddOn(back, addOn, true), std::nullopt);
    QCOMPARE(back.presidents[size_t(record)].dif, 3);
}

QTEST_MAIN(TstEditor)
#include "tst_editor.moc"
