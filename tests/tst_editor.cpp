// The data editor: the difficulty box's clamping, paging at the ends, saving
// to brev.dat, the link, the portrait and maxdif after closing.
#include "editor/brevedit.h"
#include "testsupport.h"

#include <QComboBox>
#include <QDateTime>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>

using namespace brev;
using namespace brev::test;

namespace {

// The shipped records in the fixture's program directory.
void shipRecords(Fixture& f)
{
    QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev.dat"), f.path(QStringLiteral("brev.dat")));
    QFile::setPermissions(f.path(QStringLiteral("brev.dat")), QFile::ReadOwner | QFile::WriteOwner);
    QCOMPARE(initdata(*f.ctx), std::nullopt);
}

QDateTime modified(const Fixture& f)
{
    return QFileInfo(f.path(QStringLiteral("brev.dat"))).lastModified();
}

void ageDataFile(const Fixture& f)
{
    QFile file(f.path(QStringLiteral("brev.dat")));
    QVERIFY(file.open(QIODevice::ReadWrite));
    QVERIFY(file.setFileTime(QDateTime(QDate(2000, 1, 1), QTime(0, 0)), QFileDevice::FileModificationTime));
}

} // namespace

class TestEditor : public QObject {
    Q_OBJECT
private slots:
    void difficultyClampsAtOnce_data();
    void difficultyClampsAtOnce();
    void pagingStopsAtTheEnds();
    void okAfterPagingRewritesTheSameFile();
    void closeBoxSkipsSaveAndRestoresMaxdif();
    void linkAndPortrait();
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
    QTest::addRow("in_range") << "2"
                              << "2" << 2;
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
    QCOMPARE(f.ctx->presidents[1].dif, 1);
    brevedit w(*f.ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.windowTitle(), QStringLiteral("Edit"));
    w.dif->setFocus();
    w.dif->selectAll();
    QTest::keyClicks(w.dif, typed);
    QCOMPARE(w.dif->text(), shown);
    QCOMPARE(f.ctx->presidents[1].dif, stored);
    QCOMPARE(w.browser().changed(), typed != QLatin1String("x"));
    // Enter in the box closes nothing.
    QTest::keyClick(w.dif, Qt::Key_Return);
    QVERIFY(w.isVisible());
}

void TestEditor::pagingStopsAtTheEnds()
{
    Fixture f;
    shipRecords(f);
    brevedit w(*f.ctx);
    QCOMPARE(w.cmbitem->count(), 41);
    QCOMPARE(w.lBirth->text(), QStringLiteral("Birth: February 22, 1732"));
    QCOMPARE(w.lSecST->text(),
             QStringLiteral("Sec'y State: Thomas Jefferson, Edmund Randolph, Timothy Pickering"));
    QCOMPARE(w.lVice->text(), QStringLiteral("Vice Pres: John Adams"));
    QTest::mouseClick(w.cmdPrev, Qt::LeftButton);
    QCOMPARE(w.browser().position(), 1);
    QCOMPARE(f.ctx->currentRecord, 1);
    QCOMPARE(w.cmbitem->currentText(), QStringLiteral("George Washington"));

    w.cmbitem->setCurrentIndex(39);
    emit w.cmbitem->activated(39);
    QCOMPARE(f.ctx->currentRecord, 40);
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QCOMPARE(f.ctx->currentRecord, 41);
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QCOMPARE(f.ctx->currentRecord, 41);
    QCOMPARE(w.browser().position(), 41);
    QCOMPARE(w.cmbitem->currentText(), QStringLiteral("Bill Clinton"));
    QCOMPARE(w.lterm->text(), QStringLiteral("Term: 1993-2001"));
    QTest::mouseClick(w.cmdPrev, Qt::LeftButton);
    QCOMPARE(f.ctx->currentRecord, 40);
}

// Paging from difficulty 1 to 2 writes the difficulty into the record, so
// "ok" rewrites the file, with the same bytes.
void TestEditor::okAfterPagingRewritesTheSameFile()
{
    Fixture f;
    shipRecords(f);
    const QByteArray before = f.read(QStringLiteral("brev.dat"));
    ageDataFile(f);
    const QDateTime aged = modified(f);
    brevedit w(*f.ctx);
    w.show();
    QVERIFY(!w.browser().changed());
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QCOMPARE(w.dif->text(), QStringLiteral("2"));
    QVERIFY(w.browser().changed());
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QVERIFY(!w.isVisible());
    QVERIFY(modified(f) != aged);
    QCOMPARE(f.read(QStringLiteral("brev.dat")), before);
}

void TestEditor::closeBoxSkipsSaveAndRestoresMaxdif()
{
    Fixture f;
    shipRecords(f);
    f.ctx->settings.maxdif = 2;
    const QByteArray before = f.read(QStringLiteral("brev.dat"));
    {
        brevedit w(*f.ctx);
        w.show();
        QCOMPARE(f.ctx->settings.maxdif, 3);
        w.dif->selectAll();
        QTest::keyClicks(w.dif, "3");
        w.close();
        QCOMPARE(f.ctx->settings.maxdif, 2);
    }
    QCOMPARE(f.ctx->presidents[1].dif, 3);   // kept in memory
    QCOMPARE(f.read(QStringLiteral("brev.dat")), before);

    // "ok" with a change saves it, and restores maxdif too.
    brevedit w(*f.ctx);
    w.show();
    QTest::mouseClick(w.Command1, Qt::LeftButton);
    QCOMPARE(f.ctx->settings.maxdif, 2);
    Fixture other;
    other.ctx->dir = f.ctx->dir;
    QCOMPARE(initdata(*other.ctx), std::nullopt);
    QCOMPARE(other.ctx->presidents[1].dif, 3);
}

void TestEditor::linkAndPortrait()
{
    Fixture f;
    shipRecords(f);
    QFile::copy(QStringLiteral(BREV_DATA_DIR "/brev2.gif"), f.path(QStringLiteral("brev2.gif")));
    f.ctx->presidents[3].link.clear();
    brevedit w(*f.ctx);
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(w.cmdURL->text(), QStringLiteral("George_Washington"));
    QCOMPARE(w.txtImage->text(), QStringLiteral("brev1.gif"));
    QVERIFY(w.Image1->isHidden());   // brev1.gif is not in the directory
    QTest::mouseClick(w.cmdURL, Qt::LeftButton);
    QCOMPARE(f.shell->urls, QStringList{f.ctx->linkbase + QStringLiteral("George_Washington")});

    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QVERIFY(w.Image1->isVisible());
    QTest::mouseClick(w.cmdNext, Qt::LeftButton);
    QVERIFY(w.Image1->isHidden());
    QTest::mouseClick(w.cmdURL, Qt::LeftButton);
    QCOMPARE(f.messages->texts, QStringList{"No internet link available"});
    QCOMPARE(f.shell->urls.size(), 1);
}

QTEST_MAIN(TestEditor)
#include "tst_editor.moc"
