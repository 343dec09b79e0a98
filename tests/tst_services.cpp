// Log, sound effects, number clamp, size memory, links and the help viewer.
#include "base/numbers.h"
#include "store/gamelog.h"
#include "game/gameloop.h"
#include "store/settingsstore.h"
#include "store/language.h"
#include "store/links.h"
#include "store/sounds.h"
#include "widgets/lazyicon.h"
#include "widgets/realseams.h"
#include "widgets/windowhelpers.h"
#include "testsupport.h"

#include <QApplication>
#include <QDialog>
#include <QPointer>
#include <QTextBlock>
#include <QPlainTextEdit>
#include <QtTest>

using namespace brev;

namespace {

// A window whose size change raises its size event at once, as a real one does.
class FakeWindow : public SizedWindow {
public:
    explicit FakeWindow(WindowSizes& sizes, int slot) : sizes_(sizes), slot_(slot) {}
    int state() const override { return state_; }
    void setState(int s) override { state_ = s; }
    int widthTwips() const override { return w_; }
    int heightTwips() const override { return h_; }
    void setWidthTwips(int w) override { setSizeTwips(w, h_); }
    void setHeightTwips(int h) override { setSizeTwips(w_, h); }
    void setSizeTwips(int w, int h)
    {
        const bool changed = w != w_ || h != h_;
        w_ = w;
        h_ = h;
        if (changed)
            sizes_.apply(*this, slot_, SizeMode::Save); // the window's own size handling
    }
    qint32 backcolor() const override { return 0xC0FFC0; }
    int w_ = 8625;
    int h_ = 6975;
    int state_ = 0;

private:
    WindowSizes& sizes_;
    int slot_;
};

// The settings as a fresh start of the program would read them from the file.
Settings reread(const test::Fixture& f)
{
    test::Fixture other(1, f.program->dir);
    other.program->settings.load();
    return other.program->settings.settings;
}

} // namespace

class TstServices : public QObject {
    Q_OBJECT
private slots:
    void logHonoursThreshold();
    void logIsEmptiedByNewlog();
    void unwritableLogSaysSoOnce_data();
    void unwritableLogSaysSoOnce();
    void clampsNumbers();
    void sizeMemorySwallowsItsOwnEvent_data();
    void sizeMemorySwallowsItsOwnEvent();
    void sizeMemoryKeepsDesignSizeForEmptySlot();
    void scoreScreenSizeIsNeverStored();
    void centerframePlacesFrameInOuterWindow();
    void readsSoundList();
    void shortSoundListPlaysCorrectOnce();
    void missingSoundListTurnsSoundOff();
    void failedSoundTurnsSoundOff();
    void soundLibraryLoadsAtTheFirstEffect();
    void newSoundEffectStopsThePlayingOne();
    void missingSoundLibraryPlaysNothing();
    void lazyIconDecodesWhenAsked();
    void opensLinksAndHelpThroughShell();
    void openlinkTellsLocalFilesFromAddresses_data();
    void openlinkTellsLocalFilesFromAddresses();
    void showsHelpItselfWithoutViewer();
    void helpOutlivesTheDialogThatOpenedIt();
};

void TstServices::logHonoursThreshold()
{
    test::Fixture fx;
    fx.program->settings.settings.loglevel = 2;
    fx.program->log.write(QStringLiteral("play"), 1);
    QCOMPARE(fx.read(QStringLiteral("brevquiz.log")), QByteArray());
    fx.program->log.write(QStringLiteral("---- Question 1"), 2);
    fx.program->log.write(QStringLiteral("shown"), 4);
    QVERIFY(fx.messages->texts.isEmpty());
    fx.program->settings.settings.loglevel = 0;
    fx.program->log.write(QString(), 1);
    fx.program->log.write(QStringLiteral("two\r\nlines"), 1);
    QCOMPARE(fx.read(QStringLiteral("brevquiz.log")),
             QByteArray("---- Question 1\r\nshown\r\n\r\ntwo\r\nlines\r\n"));
}

void TstServices::logIsEmptiedByNewlog()
{
    test::Fixture fx;
    fx.program->log.write(QStringLiteral("old run"), 1);
    fx.program->log.clear();
    QVERIFY(QFile::exists(fx.path(QStringLiteral("brevquiz.log"))));
    QCOMPARE(fx.read(QStringLiteral("brevquiz.log")), QByteArray());
}

void TstServices::unwritableLogSaysSoOnce_data()
{
    QTest::addColumn<bool>("atStart");
    QTest::addColumn<bool>("fullDisk");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a folder in its place from the start") << true << false << "Is a directory";
    QTest::newRow("a folder in its place later") << false << false << "Is a directory";
    QTest::newRow("a full disk") << true << true << "No space left on device";
}

void TstServices::unwritableLogSaysSoOnce()
{
    QFETCH(bool, atStart);
    QFETCH(bool, fullDisk);
    QFETCH(QString, reason);
    test::Fixture fx;
    const QString log = fx.path(QStringLiteral("brevquiz.log"));
    auto breakLog = [&] {
        QFile::remove(log);
        QVERIFY(fullDisk ? QFile::link(QStringLiteral("/dev/full"), log) : QDir().mkdir(log));
    };
    GameLog& writer = fx.program->log;
    QStringList said;
    const auto note = [&said](const Problem& problem) { said << test::told(problem); };
    if (atStart)
        breakLog();
    note(writer.clear());
    note(writer.write(QStringLiteral("first"), 1));
    if (!atStart)
        breakLog();
    note(writer.write(QStringLiteral("second"), 1));
    note(writer.write(QStringLiteral("third"), 4));
    QCOMPARE(said,
             QStringList({QStringLiteral("The log file ") + log + QStringLiteral(" cannot be written: ") +
                          reason + QStringLiteral("\r\nThe game goes on without it.")}));
    QCOMPARE(writer.write(QStringLiteral("fourth"), 4), std::nullopt); // said once a run
}

void TstServices::clampsNumbers()
{
    QCOMPARE(clampNumber(15, 1, 10), 10);
    QCOMPARE(clampNumber(0, 1, 10), 1);
    QCOMPARE(clampNumber(2, 3, 1), 1);
    QCOMPARE(clampNumber(7, 1, 10), 7);
}

void TstServices::sizeMemorySwallowsItsOwnEvent_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("height");
    QTest::addColumn<int>("writes");
    QTest::newRow("both differ: the height's event saves") << 9000 << 7000 << 1;
    QTest::newRow("only the width differs: swallowed") << 9000 << 6975 << 0;
    QTest::newRow("only the height differs: swallowed") << 8625 << 7000 << 0;
    QTest::newRow("design size: no event") << 8625 << 6975 << 0;
}

void TstServices::sizeMemorySwallowsItsOwnEvent()
{
    QFETCH(int, width);
    QFETCH(int, height);
    QFETCH(int, writes);
    test::Fixture fx;
    fx.program->settings.settings.windowplaces[0] = {0, 0, height, width};
    FakeWindow w(fx.program->sizes, 0);
    test::FileWrites ini(fx.program->dir, QStringLiteral("brev.INI"));
    fx.program->sizes.apply(w, 0, SizeMode::Restore);
    QCOMPARE(w.w_, width);
    QCOMPARE(w.h_, height);
    QCOMPARE(ini.count(), writes);
    if (writes) {
        const Settings saved = reread(fx);
        QCOMPARE(saved.windowplaces[0].width, 9000);
        QCOMPARE(saved.windowplaces[0].height, 7000);
    }

    // A size change by the player is remembered and written at once.
    w.setSizeTwips(6000, 5000);
    QCOMPARE(ini.count(), writes + 1);
    QCOMPARE(fx.program->settings.settings.windowplaces[0].width, 6000);
    QCOMPARE(fx.program->settings.settings.windowplaces[0].height, 5000);
    QCOMPARE(fx.program->settings.settings.windowplaces[0].backcolor, 0xC0FFC0);
    // Laid out again at the same size: the file is left alone.
    QVERIFY(QFile::remove(fx.path(QStringLiteral("brev.INI"))));
    fx.program->sizes.apply(w, 0, SizeMode::Save);
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("brev.INI"))));
}

void TstServices::sizeMemoryKeepsDesignSizeForEmptySlot()
{
    test::Fixture fx;
    fx.program->settings.settings.windowplaces[1] = {1, 0, 0, 0};
    FakeWindow w(fx.program->sizes, 1);
    fx.program->sizes.apply(w, 1, SizeMode::Restore);
    QCOMPARE(w.w_, 8625);
    QCOMPARE(w.h_, 6975);
    QCOMPARE(w.state_, 0); // never opened minimised
    fx.program->settings.settings.windowplaces[1] = {2, 0, 5000, 5000};
    fx.program->sizes.apply(w, 1, SizeMode::Restore);
    QCOMPARE(w.state_, 2);
}

void TstServices::scoreScreenSizeIsNeverStored()
{
    test::Fixture fx;
    fx.program->settings.settings.windowplaces[3] = {0, 0, 7000, 7000};
    FakeWindow w(fx.program->sizes, 3);
    fx.program->sizes.apply(w, 3, SizeMode::Restore);
    QCOMPARE(w.w_, 8625);
    for (int i = 0; i < 3; ++i)
        w.setSizeTwips(5000 + i, 5000);
    QCOMPARE(fx.program->settings.settings.windowplaces[3].width, 7000);
    QVERIFY(!QFile::exists(fx.path(QStringLiteral("brev.INI"))));
    // The next question window still restores and saves normally.
    fx.program->settings.settings.windowplaces[0] = {0, 0, 7500, 7600};
    FakeWindow q(fx.program->sizes, 0);
    fx.program->sizes.apply(q, 0, SizeMode::Restore);
    QCOMPARE(q.w_, 7600);
}

void TstServices::centerframePlacesFrameInOuterWindow()
{
    QWidget window;
    window.resize(600, 400);
    auto* frame = new QWidget(&window);
    frame->resize(200, 100);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QCOMPARE(window.frameGeometry().size(), QSize(604, 404)); // the offscreen frame: 2 px a side
    centreFrame(frame, &window);
    QCOMPARE(frame->pos(), QPoint(202, 152));
    QVERIFY(frame->isVisible());
}

void TstServices::readsSoundList()
{
    test::Fixture fx;
    QByteArray list = "\"pick, up.wav\"\r\n";
    for (int n = 1; n < 16; ++n)
        list += "s" + QByteArray::number(n) + ".wav\r\n";
    fx.write(QStringLiteral("brevsnd.dat"), list);
    fx.program->settings.settings.soundon = -1;
    fx.program->sounds.loadList(QStringLiteral("brevsnd.dat"));
    QCOMPARE(fx.program->sounds.files()[0], QStringLiteral("pick, up.wav"));
    QCOMPARE(fx.program->sounds.files()[15], QStringLiteral("s15.wav"));
    QCOMPARE(fx.program->sounds.files()[16], QString());
    QVERIFY(fx.sound->played.isEmpty());
    fx.program->sounds.play(8);
    QCOMPARE(fx.sound->played, QStringList(fx.path(QStringLiteral("s8.wav"))));
    fx.program->settings.settings.soundon = 0;
    for (int n = 0; n <= 16; ++n)
        fx.program->sounds.play(n);
    QCOMPARE(fx.sound->played.size(), 1);
}

void TstServices::shortSoundListPlaysCorrectOnce()
{
    test::Fixture fx;
    QByteArray list;
    for (int n = 0; n < 10; ++n)
        list += "\"s" + QByteArray::number(n) + ".wav\"\r\n";
    fx.write(QStringLiteral("brevsnd.dat"), list);
    fx.program->settings.settings.soundon = -1;
    fx.program->sounds.loadList(QStringLiteral("brevsnd.dat"));
    QCOMPARE(fx.sound->played, QStringList(fx.path(QStringLiteral("s5.wav"))));
    for (int n = 10; n <= 16; ++n)
        QCOMPARE(fx.program->sounds.files()[n], QString());
    QVERIFY(fx.messages->texts.isEmpty());
    QCOMPARE(fx.program->settings.settings.soundon, -1);
}

void TstServices::missingSoundListTurnsSoundOff()
{
    test::Fixture fx;
    fx.program->settings.settings.soundon = -1;
    const QStringList said = test::told(fx.program->sounds.loadList(QStringLiteral("brevsnd.dat")));
    QCOMPARE(fx.program->settings.settings.soundon, 0);
    QCOMPARE(said.size(), 1);
    QVERIFY(said[0].endsWith(QStringLiteral("\r\ngetMedia brevsnd.dat")));
}

void TstServices::failedSoundTurnsSoundOff()
{
    test::Fixture fx;
    for (int n = 0; n < 16; ++n)
        fx.program->sounds.setFile(n, QStringLiteral("s%1.wav").arg(n));
    fx.program->settings.settings.soundon = -1;
    fx.sound->result = false;
    fx.program->sounds.play(3);
    QCOMPARE(fx.program->settings.settings.soundon, 0);
    fx.sound->result = true;
    fx.program->sounds.play(5);
    QCOMPARE(fx.sound->played.size(), 1); // silent for the rest of the run
    QVERIFY(fx.messages->texts.isEmpty());
}

// Whether a file whose name holds this text is mapped into the process.
bool mapped(const char* name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    if (!maps.open(QIODevice::ReadOnly))
        qFatal("/proc/self/maps cannot be read");
    return maps.readAll().contains(name);
}

// Runs before any other case plays a sound in this process.
void TstServices::soundLibraryLoadsAtTheFirstEffect()
{
    SoundEffects sounds({QStringLiteral(BREV_SOUND_DIR)});
    QVERIFY(!sounds.play(QStringLiteral(BREV_DATA_DIR "/brevbg.jpg"))); // not a wave file
    QVERIFY(!mapped("libbrevsound.so"));
    QVERIFY(!mapped("libQt6Multimedia"));
    QVERIFY(sounds.play(QStringLiteral(BREV_DATA_DIR "/correct.wav")));
    QVERIFY(mapped("libbrevsound.so"));
    QVERIFY(mapped("libQt6Multimedia"));
}

void TstServices::newSoundEffectStopsThePlayingOne()
{
    SoundEffects sounds({QStringLiteral(BREV_SOUND_DIR)});
    const QString fame = QStringLiteral(BREV_DATA_DIR "/fame.wav");
    const QString right = QStringLiteral(BREV_DATA_DIR "/correct.wav");
    QVERIFY(sounds.play(fame));
    QTRY_VERIFY(sounds.isPlaying(fame));
    QVERIFY(sounds.play(right));
    QVERIFY(!sounds.isPlaying(fame));
    QVERIFY(sounds.isPlaying(right));
    QVERIFY(sounds.play(fame));
    QVERIFY(!sounds.isPlaying(right));
    QVERIFY(sounds.isPlaying(fame));
}

void TstServices::missingSoundLibraryPlaysNothing()
{
    QTemporaryDir empty;
    test::Fixture fx;
    const auto player = makeSoundEffects({empty.path()});
    int soundOn = -1;
    Sounds sounds(*player, soundOn, fx.program->dir);
    sounds.setFile(SfxCorrect, QStringLiteral(BREV_DATA_DIR "/correct.wav"));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("sound library cannot be loaded"));
    sounds.play(SfxCorrect);
    QCOMPARE(soundOn, 0);
    QVERIFY(fx.messages->texts.isEmpty());
}

void TstServices::lazyIconDecodesWhenAsked()
{
    const QIcon icon = lazyPngIcon(QStringLiteral(BREV_DATA_DIR "/brevallo.png"));
    QVERIFY(!icon.isNull());
    QCOMPARE(icon.availableSizes(), QList<QSize>({QSize(256, 256)}));
    QCOMPARE(icon.pixmap(32).size(), QSize(32, 32));
    const QIcon missing = lazyPngIcon(QStringLiteral("no such icon.png"));
    QVERIFY(missing.availableSizes().isEmpty());
    QVERIFY(missing.pixmap(32).isNull());
}

void TstServices::opensLinksAndHelpThroughShell()
{
    test::Fixture fx;
    QCOMPARE(openLink(*fx.shell, fx.program->dir, QStringLiteral("https://example.org/wiki/X")),
             std::nullopt);
    QCOMPARE(fx.shell->urls, QStringList(QStringLiteral("https://example.org/wiki/X")));
    // No browser: the player is told, with the address to copy.
    fx.shell->result = false;
    const Problem told = openLink(*fx.shell, fx.program->dir, QStringLiteral("https://example.org/wiki/Y"));
    QVERIFY(told && told->contains(QLatin1String("No web browser")));
    QVERIFY(told->endsWith(QLatin1String("https://example.org/wiki/Y")));
    // The help text is never handed to an outside program; a missing one is told.
    showHelpText(*fx.messages, fx.path(QStringLiteral("missing.txt")), 3);
    QCOMPARE(fx.messages->texts.size(), 1);
    QVERIFY(fx.messages->texts[0].contains(QLatin1String("missing.txt")));
    QCOMPARE(fx.shell->urls.size(), 2);
}

void TstServices::openlinkTellsLocalFilesFromAddresses_data()
{
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("opened"); // "@" stands for the program directory
    QTest::newRow("web address") << "https://example.org/wiki/X"
                                 << "https://example.org/wiki/X";
    QTest::newRow("file of the program directory") << "page.html"
                                                   << "file://@/page.html";
    QTest::newRow("no such file: left to the shell") << "other.html"
                                                     << "other.html";
    QTest::newRow("host name without a scheme") << "www.example.org"
                                                << "www.example.org";
}

void TstServices::openlinkTellsLocalFilesFromAddresses()
{
    QFETCH(QString, address);
    QFETCH(QString, opened);
    test::Fixture fx;
    fx.write(QStringLiteral("page.html"), "<html></html>\r\n");
    openLink(*fx.shell, fx.program->dir, address);
    QCOMPARE(fx.shell->urls, QStringList(opened.replace(QLatin1Char('@'), fx.program->dir)));
}

void TstServices::showsHelpItselfWithoutViewer()
{
    test::Fixture fx;
    fx.write(QStringLiteral("brevhelp.txt"), "How to play\r\nClick.\r\n");
    showHelpText(*fx.messages, fx.path(QStringLiteral("brevhelp.txt")), 3);
    QWidget* viewer = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("textviewer"))
            viewer = w;
    QVERIFY(viewer);
    QVERIFY(viewer->isVisible());
    auto* text = viewer->findChild<QPlainTextEdit*>();
    QVERIFY(text && text->isReadOnly());
    QCOMPARE(text->toPlainText(), QStringLiteral("How to play\nClick.\n"));
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Brevallo Game Help"));
    // A language chosen while it is open shows at once, its help file as well.
    fx.write(QStringLiteral("brevhelp_de.txt"), "Wie man spielt\r\n");
    QVERIFY(useLanguage(QStringLiteral("de"), QString()));
    QApplication::processEvents();
    QCOMPARE(viewer->windowTitle(), QStringLiteral("Hilfe zu Brevallo Game"));
    QCOMPARE(text->toPlainText(), QStringLiteral("Wie man spielt\n"));
    useLanguage(QStringLiteral("en"), QString());
    QApplication::processEvents();
    QCOMPARE(text->toPlainText(), QStringLiteral("How to play\nClick.\n"));
    // Asked again, the open reader comes forward; Escape closes it.
    showHelpText(*fx.messages, fx.path(QStringLiteral("brevhelp.txt")), 3);
    int viewers = 0;
    for (QWidget* w : QApplication::topLevelWidgets())
        viewers += w->objectName() == QLatin1String("textviewer") && w->isVisible() ? 1 : 0;
    QCOMPARE(viewers, 1);
    QPointer<QWidget> gone(viewer);
    QTest::keyClick(text, Qt::Key_Escape);
    QTRY_VERIFY(!gone);
}

void TstServices::helpOutlivesTheDialogThatOpenedIt()
{
    test::Fixture fx;
    fx.write(QStringLiteral("brevhelp.txt"), "How to play\r\nClick.\r\nDrag.\r\n");
    QPointer<QPlainTextEdit> text;
    {
        QDialog opener; // modal, as the setup screen is
        opener.setWindowModality(Qt::ApplicationModal);
        opener.show();
        QVERIFY(QTest::qWaitForWindowExposed(&opener));
        QApplication::setActiveWindow(&opener);
        showHelpText(*fx.messages, fx.path(QStringLiteral("brevhelp.txt")), 1);
        for (QWidget* w : QApplication::topLevelWidgets())
            if (w->objectName() == QLatin1String("textviewer"))
                text = w->findChild<QPlainTextEdit*>();
        QVERIFY(text);
        QVERIFY(QTest::qWaitForWindowExposed(text->window()));
        // The open dialog does not block it: a click on the third line, sent
        // to its window as the window system would, puts the cursor there.
        QCOMPARE(text->textCursor().blockNumber(), 0);
        const QRect third = text->cursorRect(QTextCursor(text->document()->findBlockByNumber(2)));
        QTest::mouseClick(text->window()->windowHandle(), Qt::LeftButton, {},
                          text->viewport()->mapTo(text->window(), third.center()));
        QTRY_COMPARE(text->textCursor().blockNumber(), 2);
    }
    QApplication::processEvents();
    QVERIFY(text);
    QVERIFY(text->window()->isVisible());
    text->window()->close();
}

QTEST_MAIN(TstServices)
#include "tst_services.moc"
