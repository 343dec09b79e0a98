#include "app/mainwindow.h"

#include "ui_mainwindow.h"

#include "store/gamelog.h"
#include "store/settingsfile.h"
#include "app/gameui.h"
#include "store/cmnfunc.h"
#include "store/context.h"
#include "widgets/lazyicon.h"
#include "widgets/windowhelpers.h"
#include "setup/setupdialog.h"

#include <QApplication>
#include <QCloseEvent>
#include <QImageReader>
#include <QFile>
#include <QPainter>
#include <QTimer>

#include <future>

namespace brev {

namespace {
// The buttons are wider than drawn so their captions fit in any font.
constexpr int kButtonLeft = 2640;
constexpr int kButtonWidth = 735 + 300;
constexpr TwipsPlace kLayout[] = {
    {"Label1", 240, 120, 2295 + 600, 735},
    {"Label2", 240, 960, 2175, 375},
    {"Label3", 240, 3840, 2280, 855},
    {"Label4", 240, 4800, 2280, 855},
    {"Command1", kButtonLeft, 3240, kButtonWidth, 375},
    {"cmdsetup", kButtonLeft, 3720, kButtonWidth, 375},
    {"Command3", kButtonLeft, 4680, kButtonWidth, 375},
    {"cmdquit", kButtonLeft, 5160, kButtonWidth, 375},
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
}

void setApplicationIcon()
{
    // Decoded when the window system first asks for it; the offscreen platform never does.
    QApplication::setWindowIcon(lazyPngIcon(QStringLiteral(":/brevallo.png")));
    if (!QFile::exists(QStringLiteral(":/brevallo.png")))
        qWarning("brevallo: the application icon is missing");
}

MainWindow::MainWindow(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::MainWindow>()), ctx_(ctx)
{
    setObjectName(QStringLiteral("main"));
    setFixedSize(twips(this, 5400), twips(this, 6300));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildControls()
{
    // The form holds the controls and their texts; the twips table places them.
    ui->setupUi(this);
    placeControls(this, kLayout);
    connect(ui->Command1, &QPushButton::clicked, this, &MainWindow::play);
    connect(ui->cmdsetup, &QPushButton::clicked, this, &MainWindow::openSetup);
    connect(ui->Command3, &QPushButton::clicked, this, &MainWindow::about);
    connect(ui->cmdquit, &QPushButton::clicked, this, &QWidget::close);
}

bool MainWindow::load()
{
    setupform(this);
    setWindowTitle(QStringLiteral("Brevallo Game"));
    for (const QString& problem : startup(ctx_))
        ctx_.messages->ok(problem);
    // The picture is decoded on another thread while the controls are built
    // and the records, the sound list and the fonts are read (the fonts last:
    // their configuration may still be loading).
    const QString& picture = ctx_.settings.bgpicture;
    const QSize shown = size() * devicePixelRatio();
    std::future<QImage> decoded;
    if (!picture.isEmpty())
        decoded = std::async(std::launch::async, decodeScaled, ctx_.path(picture), shown);
    buildControls();
    newlog(ctx_);
    ctx_.messages->show(takeLogProblem(ctx_));
    if (const auto error = initdata(ctx_)) {
        ctx_.messages->ok(*error + ctx_.lb + ctx_.lb + QStringLiteral("Brevallo Game cannot start without it."));
        return false;
    }
    ctx_.messages->show(readAddOn(ctx_, QString::fromLatin1(kAddOnFile), ctx_.laterPresidents));
    ctx_.messages->show(getMedia(ctx_));
    setDesignFonts();
    ui->Label1->setText(QStringLiteral("Brevallo Game"));
    ui->Label2->setText(QStringLiteral("Version ") + QString::fromLatin1(kVersion));
    ui->Label3->hide();
    ui->Label4->hide();
    if (decoded.valid() && !showBackground(decoded.get()))
        ctx_.messages->ok(QStringLiteral("The background picture %1 is missing or cannot be read; "
                                         "the game goes on without it.").arg(picture));
    return true;
}

void MainWindow::play()
{
    WindowGameUi gameUi(ctx_, this);
    playgame(ctx_, gameUi);
}

void MainWindow::openSetup()
{
    SetupDialog screen(ctx_, this);
    screen.exec();
}

void MainWindow::about()
{
    ui->Label3->show();
    ui->Label4->show();
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    ctx_.messages->show(savesettings(ctx_));
    event->accept();
}

void MainWindow::setDesignFonts()
{
    QFont title = designFont(true, 15.75);
    title.setBold(true);
    title.setItalic(true);
    ui->Label1->setFont(title);
    ui->Label2->setFont(designFont(true, 12));
    QFont credits = designFont(false, 9.75);
    credits.setBold(true);
    ui->Label3->setFont(credits);
    ui->Label4->setFont(credits);
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
