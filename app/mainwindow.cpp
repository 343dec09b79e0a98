#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include "app/gameui.h"
#include "app/playerprogress.h"
#include "app/progresswindow.h"
#include "app/program.h"
#include "widgets/lazyicon.h"
#include "widgets/windowhelpers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QFile>
#include <QPainter>
#include <QTimer>

#include <algorithm>
#include <utility>
#include <future>

namespace brev {

namespace {
// The buttons are wider than drawn so their captions fit in any font.
constexpr int kButtonLeft = 2640;
constexpr int kButtonWidth = 735 + 300;
constexpr TwipsPlace kLayout[] = {
    {"titleLabel", 240, 120, 2295 + 600, 735},
    {"versionLabel", 240, 960, 2175, 375},
    {"creditsLabel", 240, 3840, 2280, 855},
    {"termsLabel", 240, 4800, 2280, 855},
    {"licenceLabel", 240, 2880, 2280, 855},
    {"playButton", kButtonLeft, 3240, kButtonWidth, 375},
    {"setupButton", kButtonLeft, 3720, kButtonWidth, 375},
    {"progressButton", kButtonLeft, 4200, kButtonWidth, 375},
    {"aboutButton", kButtonLeft, 4680, kButtonWidth, 375},
    {"quitButton", kButtonLeft, 5160, kButtonWidth, 375},
};

// The picture decoded at the size it is shown; a null image when it cannot be
// read. Safe on any thread.
QImage decodeScaled(const QString& path, const QSize& target)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    if (reader.size().isValid())
        reader.setScaledSize(reader.size().scaled(target, Qt::IgnoreAspectRatio));
    const QImage image = reader.read();
    if (image.isNull() || image.size() == target)
        return image;
    return image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

} // namespace

void setupApplication()
{
    QApplication::setApplicationName(QStringLiteral("brevallo"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    // A question window gets its native window before it is shown, so that its
    // frame can be measured; without this Qt would make every sibling of it
    // native too, the main window's buttons among them, in the middle of the
    // click on Play.
    QApplication::setAttribute(Qt::AA_DontCreateNativeWidgetSiblings);
}

void setApplicationIcon()
{
    // Decoded when the window system first asks for it; the offscreen platform never does.
    QApplication::setWindowIcon(lazyPngIcon(QStringLiteral(":/brevallo.png")));
    if (!QFile::exists(QStringLiteral(":/brevallo.png")))
        qWarning("brevallo: the application icon is missing");
}

MainWindow::MainWindow(Program& program, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::MainWindow>()), program_(program)
{
    setObjectName(QStringLiteral("main"));
    setFixedSize(twips(this, 5400), twips(this, 6300));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    // The form holds the controls and their texts; the twips table places them.
    ui->setupUi(this);
    layoutControls();
    connect(ui->playButton, &QPushButton::clicked, this, &MainWindow::play);
    connect(ui->setupButton, &QPushButton::clicked, this, &MainWindow::openSetup);
    connect(ui->progressButton, &QPushButton::clicked, this, &MainWindow::openProgress);
    connect(ui->aboutButton, &QPushButton::clicked, this, &MainWindow::about);
    connect(ui->quitButton, &QPushButton::clicked, this, &QWidget::close);
}

bool MainWindow::load()
{
    Program& p = program_;
    centreOnScreen(this);
    setWindowTitle(QStringLiteral("Brevallo Game"));
    p.messages.show(p.loadSettings());
    p.messages.show(p.hof.load());
    // The picture is decoded on another thread while the controls are built
    // and the records, the sound list and the fonts are read (the fonts last:
    // their configuration may still be loading).
    const QString& picture = p.settings.settings.bgpicture;
    const QSize shown = size() * devicePixelRatio();
    std::future<QImage> decoded;
    if (!picture.isEmpty())
        decoded = std::async(std::launch::async, decodeScaled, p.path(picture), shown);
    buildControls();
    p.messages.show(p.log.clear());
    if (const auto error = p.readRecords()) {
        p.messages.ok(*error + kLineBreak + kLineBreak +
                      tr("Brevallo Game cannot start without it.", "it: the data file"));
        return false;
    }
    p.messages.show(p.readAddOn());
    p.messages.show(p.sounds.loadList(QString::fromLatin1(kSoundListFile)));
    setDesignFonts();
    ui->titleLabel->setText(QStringLiteral("Brevallo Game"));
    ui->versionLabel->setText(tr("Version %1").arg(QString::fromLatin1(kVersion)));
    ui->creditsLabel->hide();
    ui->termsLabel->hide();
    ui->licenceLabel->hide();
    if (decoded.valid() && !showBackground(decoded.get()))
        p.messages.ok(tr("The background picture %1 is missing or cannot be read; "
                         "the game goes on without it.")
                          .arg(picture));
    return true;
}

// Marks the main window busy while it runs, then shows the notices that came meanwhile.
template <class Run>
static void whileBusy(bool& busy, Run run)
{
    const bool was = std::exchange(busy, true);
    run();
    busy = was;
}

void MainWindow::play()
{
    Program& p = program_;
    whileBusy(busy_, [&] {
        WindowGameUi gameUi(p, this);
        playRecordedGame(p, gameUi, GameKind::Ordinary);
    });
    showNotices();
}

void MainWindow::notice(const QString& text)
{
    if (!notices_.contains(text))
        notices_ << text;
    showNotices();
}

void MainWindow::showNotices()
{
    if (busy_ || QApplication::activeModalWidget()) {
        // A box of the desktop's or a window opened elsewhere: shown once it is gone.
        if (!notices_.isEmpty() && !busy_)
            QTimer::singleShot(1000, this, &MainWindow::showNotices);
        return;
    }
    while (!notices_.isEmpty()) {
        const QString text = notices_.takeFirst();
        whileBusy(busy_, [&] { program_.messages.ok(text); });
    }
}

void MainWindow::openProgress()
{
    Program& p = program_;
    const QString player = ProgressStore::playerName(p.settings.settings.playername);
    const QList<PresidentEntry> set = presidentSet(p.records);
    QStringList portraits;
    for (const PresidentEntry& president : set)
        portraits << p.path(p.records.imageFile(president.record));
    whileBusy(busy_, [&] {
        ProgressWindow window(p.progress, player, set, portraits, this,
                              classPracticeText(classPracticeSet(p), set));
        if (window.exec() == ProgressWindow::PracticeChosen) {
            WindowGameUi gameUi(p, this);
            playRecordedGame(p, gameUi, GameKind::Practice);
        }
    });
    showNotices();
}

void MainWindow::openSetup()
{
    const QString code = program_.settings.classCode();
    whileBusy(busy_, [&] { showSetupScreen(program_, this); });
    showNotices();
    // A class code entered there: its practice set, and the reports waiting.
    if (program_.settings.classCode() != code)
        program_.contactClass();
}

void MainWindow::about()
{
    stackAboutTexts();
    ui->creditsLabel->show();
    ui->termsLabel->show();
    ui->licenceLabel->show();
}

// Places the controls at their design places and fits the captions of the
// language shown; a language change on the setup screen runs it again.
void MainWindow::layoutControls()
{
    placeControls(this, kLayout);
    fitButtons();
    if (ui->creditsLabel->isVisibleTo(this))
        stackAboutTexts();
}

// The buttons are as wide as designed, or all as wide as the longest caption
// of the language shown, from the same left edge. Only the window's own: the
// dialogs it opens are its children too.
void MainWindow::fitButtons()
{
    const auto buttons = findChildren<QPushButton*>(Qt::FindDirectChildrenOnly);
    int width = twips(this, kButtonWidth);
    for (const QPushButton* b : buttons)
        width = std::max(width, captionWidth(b));
    for (QPushButton* b : buttons)
        b->resize(width, b->height());
}

// The About texts stand in the left column at their design places, bottom to
// top: a text taller than its place grows upwards and moves the ones above
// it up, keeping the design's gap.
void MainWindow::stackAboutTexts()
{
    constexpr int kGap = 105;
    int limit = height();
    for (const char* name : {"termsLabel", "creditsLabel", "licenceLabel"}) {
        const auto named = [name](const TwipsPlace& p) { return qstrcmp(p.name, name) == 0; };
        const TwipsPlace& place = *std::find_if(std::begin(kLayout), std::end(kLayout), named);
        auto* label = findChild<QLabel*>(QLatin1String(name));
        const QRect design(twips(this, place.left), twips(this, place.top), twips(this, place.width),
                           twips(this, place.height));
        const int bottom = std::min(design.y() + design.height(), limit);
        const int needed = std::max(design.height(), label->heightForWidth(design.width()));
        label->setGeometry(design.x(), bottom - needed, design.width(), needed);
        limit = label->y() - twips(this, kGap);
    }
}

// A language chosen on the setup screen reaches the main window at once.
void MainWindow::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    if (event->type() != QEvent::LanguageChange || !findChild<QPushButton*>(QStringLiteral("playButton")))
        return; // the form is built by load()
    ui->retranslateUi(this);
    ui->versionLabel->setText(tr("Version %1").arg(QString::fromLatin1(kVersion)));
    layoutControls();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    program_.messages.show(program_.settings.save());
    event->accept();
}

void MainWindow::setDesignFonts()
{
    QFont title = designFont(true, 15.75);
    title.setBold(true);
    title.setItalic(true);
    ui->titleLabel->setFont(title);
    ui->versionLabel->setFont(designFont(true, 12));
    QFont credits = designFont(false, 9.75);
    credits.setBold(true);
    ui->creditsLabel->setFont(credits);
    ui->termsLabel->setFont(credits);
    ui->licenceLabel->setFont(credits);
}

// The picture is kept at the size the window shows it, so a repaint only
// copies it.
bool MainWindow::showBackground(const QImage& image)
{
    if (image.isNull())
        return false;
    background_ = QPixmap::fromImage(image);
    background_.setDevicePixelRatio(devicePixelRatio());
    return true;
}

void MainWindow::paintEvent(QPaintEvent*)
{
    // The window system decodes the icon as soon as a window has one; the
    // main window shows first and takes it right after.
    if (!painted_) {
        painted_ = true;
        QTimer::singleShot(0, this, &setApplicationIcon);
        // The class reports wait for the first paint: the progress file is
        // read then, and the network library loaded only when one goes out.
        QTimer::singleShot(0, this, [this] {
            program_.classes.tell = [this](const QString& text) { notice(text); };
            program_.contactClass();
        });
    }
    if (background_.isNull())
        return;
    QPainter painter(this);
    if (background_.deviceIndependentSize().toSize() == size()) {
        painter.drawPixmap(0, 0, background_);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawPixmap(rect(), background_);
    }
}

} // namespace brev
