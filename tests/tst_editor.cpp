// The data editor: the difficulty box's clamping, paging at the ends, saving
// to brev.dat, the link, the portrait and maxdif after closing.
#include "editor/dataeditorwindow.h"
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
    QCOMPARE(initdata(*f.ctx), std::nullopt);
}

bool rewritten(const Fixture& f)
{
    return QFileInfo(f.path(kData)).lastModified().date().year() != 2000;
}
} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void difficultyClampsAtOnce_data();
    void difficultyClampsAtOnce();
    void pagingStopsAtTheEnds();
    void savingAndMaxdif();
    void linkAndPortrait();
    void pagesToTheAddOnAndSavesItThere();
};

void TestEditor::difficultyClampsAtOnce_data()
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
void TestEditor::difficultyClampsAtOnce()
{
    QFETCH(QString, typed);
    QFETCH(QString, shown);
    QFETCH(int, stored);
    Fixture f;
    shipRecords(f);
    DataEditorWindow w(*f.ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Edit"));
    w.dif->setFocus();
    w.dif->selectAll();
    QTest::keyClicks(w.dif, typed);
    QCOMPARE(w.dif->text(), shown);
    QCOMPARE(f.ctx->presidents[1].dif, stored);
    QCOMPARE(w.browser().changed(), typed != QLatin1String("x"));
    QTest::keyClick(w.dif, Qt::Key_Return);   // Enter in the box closes nothing
    QVERIFY(w.isVisible());
}

void TestEditor::pagingStopsAtTheEnds()
{
    Fixture f;
    shipRecords(f);
    DataEditorWindow w(*f.ctx);
    QCOMPARE(w.cmbitem->count(), 41);
    QCOMPARE(w.lBirth->text(), QStringLiteral("Birth: February 22, 1732"));
    QCOMPARE(w.lSecST->text(),
             QStringLiteral("Sec'y State: Thomas Jefferson, Edmund Randolph, Timothy Pickering"));
    QTest::mouseClick(w.cmdPrev, Qt::LeftButton);
    QCOMPARE(w.browser().record(), 1);
    emit w.cmbitem->activated(39);
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QCOMPARE(w.browser().record(), 41);
    QCOMPARE(w.cmbitem->currentText(), QStringLiteral("Bill Clinton"));
    QCOMPARE(w.lterm->text(), QStringLiteral("Term: 1993-2001"));
    QTest::mouseClick(w.cmdPrev, Qt::LeftButton);
    QCOMPARE(w.browser().record(), 40);
}

// The close box skips the save and "ok" saves; neither touches the player's
// maxdif. Paging from difficulty 1 to 2 writes the difficulty into the record,
// so "ok" rewrites the file, with the same bytes.
void TestEditor::savingAndMaxdif()
{
    Fixture f;
    shipRecords(f);
    const QByteArray before = f.read(kData);
    f.ctx->settings.maxdif = 2;
    for (const bool ok : {false, true}) {
        DataEditorWindow w(*f.ctx);
        w.show();
        QTest::mouseClick(w.cmdNext, Qt::LeftButton);
        QCOMPARE(w.dif->text(), QStringLiteral("2"));
        QVERIFY(w.browser().changed());
        if (ok)
            QTest::mouseClick(w.Command1, Qt::LeftButton);
        else
            w.close();   // the close box
        QVERIFY(!w.isVisible());
        QCOMPARE(f.ctx->settings.maxdif, 2);
        QCOMPARE(rewritten(f), ok);
    }
    QCOMPARE(f.read(kData), before);
}

void TestEditor::linkAndPortrait()
{
    Fixture f;
    shipRecords(f);
    QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev2.gif"), f.path(QStringLiteral("brev2.gif")));
    f.ctx->presidents.edit(3).link.clear();
    DataEditorWindow w(*f.ctx);
    w.show();
    QCOMPARE(w.cmdURL->text(), QStringLiteral("George_Washington"));
    QCOMPARE(w.txtImage->text(), QStringLiteral("brev1.gif"));
    QVERIFY(w.txtImage->isReadOnly());   // an edit would be kept nowhere
    QVERIFY(w.Image1->isHidden());   // brev1.gif is not in the directory
    QTest::mouseClick(w.cmdURL, Qt::LeftButton);
    QCOMPARE(f.shell->urls, QStringList{f.ctx->linkbase + QStringLiteral("George_Washington")});
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QVERIFY(w.Image1->isVisible());
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QTest::mouseClick(w.cmdURL, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"No internet link available"});
    QCOMPARE(f.shell->urls.size(), 1);
}

// The editor shows the add-on's records even while they are out of play, and
// "ok" writes a changed difficulty to the file the record came from.
void TestEditor::pagesToTheAddOnAndSavesItThere()
{
    Fixture f;
    shipRecords(f);
    const QString addOn = f.path(QStringLiteral("brevplus.dat"));
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brevplus.dat"), addOn));
    QFile(addOn).setPermissions(QFile::ReadOwner | QFile::WriteOwner);
    QVERIFY(QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev46.gif"), f.path(QStringLiteral("brev46.gif"))));
    QCOMPARE(readAddOn(*f.ctx, QStringLiteral("brevplus.dat"), false), std::nullopt);
    const QByteArray before = f.read(kData);
    DataEditorWindow w(*f.ctx);
    w.show();
    QCOMPARE(w.cmbitem->count(), 45);
    emit w.cmbitem->activated(44);
    QCOMPARE(w.browser().record(), 45);
    QCOMPARE(w.lterm->text(), QStringLiteral("Term: 2021-2025"));
    QVERIFY(w.Image1->isVisible());   // brev46.gif
    QTest::mouseClick(w.cmdURL, Qt::LeftButton);
    QCOMPARE(f.shell->urls, QStringList{"https://en.wikipedia.org/wiki/Joe_Biden"});
    w.dif->selectAll();
    QTest::keyClicks(w.dif, QStringLiteral("3"));
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QVERIFY(!rewritten(f));
    QCOMPARE(f.read(kData), before);
    Fixture back;
    back.ctx->dir = f.ctx->dir;
    QCOMPARE(initdata(*back.ctx), std::nullopt);
    QCOMPARE(readAddOn(*back.ctx, QStringLiteral("brevplus.dat"), true), std::nullopt);
    QCOMPARE(back.ctx->presidents[45].dif, 3);
    QCOMPARE(back.ctx->presidents[44].dif, f.ctx->presidents[44].dif);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
