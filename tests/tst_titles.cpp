// Window captions as the X server receives them: exactly the window's own
// caption, with nothing the platform might append. Runs under Xvfb.
#include "app/mainwindow.h"
#include "screens/scorewindow.h"
#include "screens/multiplechoicewindow.h"
#include "hof/halloffamewindow.h"
#include "hof/nameentrydialog.h"
#include "setup/setupdialog.h"
#include "testsupport.h"
#include "widgets/windownames.h"

#include <QApplication>
#include <QtTest>

#include <xcb/xcb.h>

#include <memory>

using namespace brev;
using namespace brev::test;

namespace {

xcb_atom_t atom(xcb_connection_t* c, const char* name)
{
    const auto cookie = xcb_intern_atom(c, 0, static_cast<uint16_t>(qstrlen(name)), name);
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(c, cookie, nullptr);
    const xcb_atom_t a = reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    free(reply);
    return a;
}

// The window's _NET_WM_NAME property on the X server.
QString serverTitle(QWidget* w)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return QStringLiteral("(not an X11 platform)");
    xcb_connection_t* c = x11->connection();
    const auto cookie = xcb_get_property(c, 0, static_cast<xcb_window_t>(w->winId()), atom(c, "_NET_WM_NAME"),
                                         atom(c, "UTF8_STRING"), 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QString title;
    if (reply)
        title = QString::fromUtf8(static_cast<const char*>(xcb_get_property_value(reply)),
                                  xcb_get_property_value_length(reply));
    free(reply);
    return title;
}

// The bytes of the window's WM_NAME property, as a window manager that reads
// only that property (twm) gets them.
QByteArray serverName(QWidget* w)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t* c = x11->connection();
    const auto cookie = xcb_get_property(c, 0, static_cast<xcb_window_t>(w->winId()), XCB_ATOM_WM_NAME,
                                         XCB_ATOM_STRING, 0, 1024);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QByteArray name;
    if (reply)
        name = QByteArray(static_cast<const char*>(xcb_get_property_value(reply)),
                          xcb_get_property_value_length(reply));
    free(reply);
    return name;
}

// The size of the first picture in the window's _NET_WM_ICON property; an
// invalid size when the window has no icon on the server.
QSize serverIconSize(QWidget* w)
{
    auto* x11 = qApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11)
        return {};
    xcb_connection_t* c = x11->connection();
    const auto cookie = xcb_get_property(c, 0, static_cast<xcb_window_t>(w->winId()), atom(c, "_NET_WM_ICON"),
                                         XCB_ATOM_CARDINAL, 0, 2);
    xcb_get_property_reply_t* reply = xcb_get_property_reply(c, cookie, nullptr);
    QSize size;
    if (reply && xcb_get_property_value_length(reply) == 8) {
        const auto* value = static_cast<const quint32*>(xcb_get_property_value(reply));
        size = QSize(int(value[0]), int(value[1]));
    }
    free(reply);
    return size;
}

} // namespace

class TstTitles : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void captionReachesServerUnchanged_data();
    void captionReachesServerUnchanged();
    void mainWindowTakesIconOncePainted();
    void captionInLatin1ForOldWindowManagers();
};

void TstTitles::initTestCase()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        QSKIP("needs an X server (run through run_with_xvfb.sh)");
    Q_INIT_RESOURCE(brevallo);
    setupApplication();
}

void TstTitles::captionReachesServerUnchanged_data()
{
    QTest::addColumn<QString>("window");
    QTest::addColumn<QString>("caption");
    QTest::newRow("main menu") << "main"
                               << "Brevallo Game";
    QTest::newRow("setup screen") << "setup"
                                  << "Brevallo Game Setup";
    QTest::newRow("multiple-choice screen") << "mchoice"
                                            << "Multiple Choice";
    QTest::newRow("score screen") << "showscor"
                                  << "Score";
    QTest::newRow("hall of fame") << "HOF"
                                  << "Hall of Fame";
    QTest::newRow("name entry") << "NameEntry"
                                << "Enter Your Name";
}

void TstTitles::captionReachesServerUnchanged()
{
    QFETCH(QString, window);
    QFETCH(QString, caption);
    Fixture f;
    f.loadSampleRecords();
    Program& p = *f.program;
    const auto question = f.question<MultipleChoiceModel>(1);
    QVERIFY(question);
    std::unique_ptr<QWidget> w;
    if (window == QLatin1String("main")) {
        auto m = std::make_unique<brev::MainWindow>(p);
        m->load(); // no data file here: it says so and stops after the caption
        w = std::move(m);
    } else if (window == QLatin1String("setup")) {
        w = std::make_unique<TestSetup>(p);
    } else if (window == QLatin1String("mchoice")) {
        w = std::make_unique<MultipleChoiceWindow>(*question, f.parts());
    } else if (window == QLatin1String("HOF")) {
        p.hof.count = 1; // no "recently cleared" box
        w = std::make_unique<TestHallOfFame>(p);
    } else if (window == QLatin1String("NameEntry")) {
        w = std::make_unique<TestNameEntry>(p, 1);
    } else {
        w = std::make_unique<ScoreWindow>(p.session);
    }
    w->show();
    QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    QCOMPARE(w->windowTitle(), caption);
    QCOMPARE(serverTitle(w.get()), caption);
    w->close();
}

// The main window shows without waiting for the icon to be decoded, then
// every window of the game carries it.
void TstTitles::mainWindowTakesIconOncePainted()
{
    Fixture f;
    brev::MainWindow m(*f.program);
    m.load();
    m.show();
    QVERIFY(QTest::qWaitForWindowExposed(&m));
    QTRY_COMPARE(serverIconSize(&m), QSize(256, 256));
    TestSetup later(*f.program);
    later.show();
    QVERIFY(QTest::qWaitForWindowExposed(&later));
    QCOMPARE(serverIconSize(&later), QSize(256, 256));
}

// A caption beyond ASCII (Spanish, German) reaches a window manager that
// reads only WM_NAME in Latin-1, as that property's type says, while
// _NET_WM_NAME keeps it whole.
void TstTitles::captionInLatin1ForOldWindowManagers()
{
    installLatin1WindowNames();
    QWidget w;
    w.setWindowTitle(QStringLiteral("Brevallo Game \u2013 Einstellungen"));
    w.show();
    QVERIFY(QTest::qWaitForWindowExposed(&w));
    QCOMPARE(serverName(&w), QByteArray("Brevallo Game - Einstellungen"));
    w.setWindowTitle(QStringLiteral("Opci\u00F3n m\u00FAltiple"));
    QTRY_COMPARE(serverName(&w), QByteArray("Opci\xF3n m\xFAltiple"));
    QCOMPARE(serverTitle(&w), QStringLiteral("Opci\u00F3n m\u00FAltiple"));
}

QTEST_MAIN(TstTitles)
#include "tst_titles.moc"
