#include "gameflow/main.h"

#include "ui_main.h"

#include "gameflow/gamelog.h"
#include "gameflow/gameui.h"
#include "services/cmnfunc.h"
#include "services/context.h"
#include "services/windowhelpers.h"
#include "setup/setup.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFile>
#include <QIcon>
#include <QPainter>

namespace brev {

void setupApplication()
{
    QApplication::setApplicationName(QStringLiteral("brevallo"));
    QApplication::setApplicationVersion(QString::fromLatin1(kVersion));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/brevallo.png")));
    if (!QFile::exists(QStringLiteral(":/brevallo.png")))
        qWarning("brevallo: the application icon is missing");
}

main::main(AppContext& ctx, QWidget* parent)
    : QWidget(parent), ui(std::make_unique<Ui::main>()), ctx_(ctx)
{
    ui->setupUi(this);
    setObjectName(QStringLiteral("main"));
    // Design layout in twips.
    setFixedSize(twips(this, 5400), twips(this, 6300));
    placeTwips(ui->Label1, 240, 120, 2295 + 600, 735);
    placeTwips(ui->Label2, 240, 960, 2175, 375);
    placeTwips(ui->Label3, 240, 3840, 2280, 855);
    placeTwips(ui->Label4, 240, 4800, 2280, 855);
    const int left = 2640;
    const int width = 735 + 300;   // room for the captions in any font
    placeTwips(ui->Command1, left, 3240, width, 375);
    placeTwips(ui->cmdsetup, left, 3720, width, 375);
    placeTwips(ui->Command3, left, 4680, width, 375);
    placeTwips(ui->cmdquit, left, 5160, width, 375);
    QFont title = designFont(true, 15.75);
    title.setBold(true);
    title.setItalic(true);
    ui->Label1->setFont(title);
    ui->Label2->setFont(designFont(true, 12));
    QFont credits = designFont(false, 9.75);
    credits.setBold(true);
    ui->Label3->setFont(credits);
    ui->Label4->setFont(credits);

    connect(ui->Command1, &QPushButton::clicked, this, &main::play);
    connect(ui->cmdsetup, &QPushButton::clicked, this, &main::openSetup);
    connect(ui->Command3, &QPushButton::clicked, this, &main::about);
    connect(ui->cmdquit, &QPushButton::clicked, this, &QWidget::close);
}

main::~main() = default;

bool main::load()
{
    setupform(this);
    setWindowTitle(QStringLiteral("Brevallo Game"));
    startup(ctx_);
    const QString& picture = ctx_.settings.bgpicture;
    if (!picture.isEmpty() && !background_.load(ctx_.path(picture)))
        ctx_.messages->ok(QStringLiteral("The background picture %1 is missing or cannot be read; "
                                         "the game goes on without it.").arg(picture));
    ui->Label1->setText(QStringLiteral("Brevallo Game"));
    ui->Label2->setText(QStringLiteral("Version ") + QString::fromLatin1(kVersion));
    ui->Label3->hide();
    ui->Label4->hide();
    newlog(ctx_);
    if (const auto error = initdata(ctx_)) {
        ctx_.messages->ok(*error + ctx_.lb + ctx_.lb + QStringLiteral("Brevallo Game cannot start without it."));
        return false;
    }
    getMedia(ctx_);
    return true;
}

void main::play()
{
    WindowGameUi gameUi(ctx_, this);
    playgame(ctx_, gameUi);
}

void main::openSetup()
{
    setup screen(ctx_, this);
    screen.exec();
}

void main::about()
{
    ui->Label3->show();
    ui->Label4->show();
}

void main::closeEvent(QCloseEvent* event)
{
    savesettings(ctx_);
    event->accept();
}

void main::paintEvent(QPaintEvent*)
{
    if (background_.isNull())
        return;
    QPainter painter(this);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawPixmap(rect(), background_);
}

} // namespace brev
