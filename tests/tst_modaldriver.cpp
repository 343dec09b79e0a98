// A failed check inside a ModalDriver step must end the test at once, closing
// the modal windows it was driving. This program is expected to report its
// two cases as failed, quickly; CTest checks its output.
#include "testsupport.h"

#include <QDialog>
#include <QtTest>

using namespace brev::test;

class TstModalDriver : public QObject {
    Q_OBJECT
private slots:
    void failingStepClosesItsWindow();
    void failingInnerStepClosesTheChain();
};

void TstModalDriver::failingStepClosesItsWindow()
{
    QDialog dialog;
    ModalDriver driver;
    driver.then([](QWidget*) { QVERIFY2(false, "deliberate failure in a step"); });
    dialog.exec();
    QVERIFY(!dialog.isVisible());
}

void TstModalDriver::failingInnerStepClosesTheChain()
{
    QDialog outer;
    ModalDriver driver;
    driver.then([](QWidget* w) {
        QDialog inner(w);
        inner.exec();
    });
    driver.then([](QWidget*) { QVERIFY2(false, "deliberate failure in an inner step"); });
    outer.exec();
    QVERIFY(!outer.isVisible());
}

QTEST_MAIN(TstModalDriver)
#include "tst_modaldriver.moc"
