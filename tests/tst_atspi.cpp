// The matching screen as a screen reader meets it: the window opens on a
// private X server with the accessibility bus, and tests/atspi_match.py reads
// its tree over AT-SPI, finds the bars by name and picks one up by its action.
#include "screens/matchwidgets.h"
#include "screens/matchwindow.h"
#include "testsupport.h"

#include <QProcess>
#include <QtTest>

using namespace brev;
using test::Fixture;

class TstAtspi : public QObject {
    Q_OBJECT
private slots:
    void barsReadAndPressedOverTheBus();
};

void TstAtspi::barsReadAndPressedOverTheBus()
{
    Fixture f;
    f.loadSampleRecords();
    f.program->settings.settings.soundon = 0;
    const auto question = f.question<MatchModel>(7);
    QVERIFY(question);
    MatchWindow w(*question, f.parts());
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QProcess client;
    client.setProcessChannelMode(QProcess::ForwardedChannels);
    client.start(qEnvironmentVariable("ATSPI_PYTHON", QStringLiteral("python3")),
                 {QStringLiteral(ATSPI_SCRIPT), w.bars[0]->text()});
    QTRY_VERIFY_WITH_TIMEOUT(client.state() == QProcess::NotRunning, 30000);
    QCOMPARE(client.exitCode(), 0);
    QVERIFY(w.bars[0]->held());
}

QTEST_MAIN(TstAtspi)
#include "tst_atspi.moc"
