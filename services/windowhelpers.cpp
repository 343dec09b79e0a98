#include "services/windowhelpers.h"

#include "services/cmnfunc.h"
#include "services/context.h"

#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QApplication>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <QWidget>

#include <algorithm>

namespace brev {

namespace {

double dpiOf(const QWidget* w)
{
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

// Extra width and height that the window frame adds around the client area.
QSize frameExtra(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {std::max(0, frame.width() - client.width()), std::max(0, frame.height() - client.height())};
}

class WidgetWindow : public SizedWindow {
public:
    explicit WidgetWindow(QWidget* w) : w_(w) {}
    int state() const override
    {
        if (w_->isMinimized())
            return 1;
        return w_->isMaximized() ? 2 : 0;
    }
    void setState(int state) override
    {
        if (state == 2)
            w_->setWindowState(w_->windowState() | Qt::WindowMaximized);
        else if (state == 0)
            w_->setWindowState(w_->windowState() & ~(Qt::WindowMaximized | Qt::WindowMinimized));
    }
    int widthTwips() const override { return outerWidthTwips(w_); }
    int heightTwips() const override { return outerHeightTwips(w_); }
    void setSizeTwips(int width, int height) override { setOuterSizeTwips(w_, width, height); }
    qint32 backcolor() const override
    {
        // Red in the low byte, blue in the high one.
        const QColor c = w_->palette().color(w_->backgroundRole());
        return c.red() | (c.green() << 8) | (c.blue() << 16);
    }

private:
    QWidget* w_;
};

} // namespace

int twips(const QWidget* w, int twipsValue)
{
    return twipsToPixels(twipsValue, dpiOf(w));
}

int toTwips(const QWidget* w, int pixels)
{
    return pixelsToTwips(pixels, dpiOf(w));
}

void placeTwips(QWidget* child, int left, int top, int width, int height)
{
    child->setGeometry(twips(child, left), twips(child, top), twips(child, width), twips(child, height));
}

void placeControls(QWidget* window, std::span<const TwipsPlace> places)
{
    for (const TwipsPlace& p : places) {
        const QString name = QString::fromLatin1(p.name);
        QWidget* child = window->objectName() == name ? window : window->findChild<QWidget*>(name);
        Q_ASSERT_X(child, "placeControls", p.name);
        if (child && child != window)
            placeTwips(child, p.left, p.top, p.width, p.height);
    }
}

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

void fillBackground(QWidget* w, const QColor& colour)
{
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, colour);
    w->setPalette(pal);
    w->setAutoFillBackground(true);
}

int outerWidthTwips(const QWidget* window)
{
    return toTwips(window, window->width() + frameExtra(window).width());
}

int outerHeightTwips(const QWidget* window)
{
    return toTwips(window, window->height() + frameExtra(window).height());
}

void setOuterSizeTwips(QWidget* window, int width, int height)
{
    const QSize extra = frameExtra(window);
    window->resize(std::max(1, twips(window, width) - extra.width()),
                   std::max(1, twips(window, height) - extra.height()));
}

namespace {

// The first installed family of a face's list, looked up once per run: asking
// the font system for the classic Windows faces that Linux lacks costs a
// fresh match for every font made.
QString installedFamily(DesignFace face)
{
    static QString resolved[3];
    static bool done[3] = {};
    const int i = static_cast<int>(face);
    if (done[i])
        return resolved[i];
    static const QStringList lists[3] = {
        {QStringLiteral("MS Serif"), QStringLiteral("Times New Roman"), QStringLiteral("DejaVu Serif"),
         QStringLiteral("Nimbus Roman")},
        {QStringLiteral("MS Sans Serif"), QStringLiteral("Arial"), QStringLiteral("DejaVu Sans"),
         QStringLiteral("Nimbus Sans")},
        {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"),
         QStringLiteral("DejaVu Sans")},
    };
    const QStringList installed = QFontDatabase::families();
    for (const QString& family : lists[i]) {
        if (installed.contains(family, Qt::CaseInsensitive)) {
            resolved[i] = family;
            break;
        }
    }
    done[i] = true;
    return resolved[i];
}

} // namespace

QFont designFont(DesignFace face, double pointSize)
{
    QFont f;
    const QString family = installedFamily(face);
    if (!family.isEmpty())
        f.setFamily(family);
    f.setStyleHint(face == DesignFace::Serif ? QFont::Serif : QFont::SansSerif);
    f.setPointSizeF(pointSize);
    return f;
}

QFont designFont(bool serif, double pointSize)
{
    return designFont(serif ? DesignFace::Serif : DesignFace::SansSerif, pointSize);
}

void setupform(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

void sizeform(AppContext& ctx, QWidget* window, int slot, SizeMode mode)
{
    WidgetWindow w(window);
    sizeform(ctx, w, slot, mode);
}

void centerframe(QWidget* frame, QWidget* window)
{
    frame->hide();
    frame->move((window->width() - frame->width()) / 2, (window->height() - frame->height()) / 2);
    frame->show();
}

void viewtext(AppContext& ctx, const QString& file, int style)
{
    const QString path = ctx.path(file);
    if (!QFileInfo::exists(path))
        return;
    if (ctx.shell->openTextFile(path))
        return;
    // No text viewer on this desktop: show the text in a window of our own.
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return;
    auto* viewer = new QDialog(QApplication::activeWindow());
    viewer->setAttribute(Qt::WA_DeleteOnClose);
    viewer->setObjectName(QStringLiteral("textviewer"));
    viewer->setWindowTitle(QFileInfo(path).fileName());
    auto* text = new QPlainTextEdit(viewer);
    text->setReadOnly(true);
    text->setPlainText(QString::fromLatin1(f.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n")));
    auto* layout = new QVBoxLayout(viewer);
    layout->addWidget(text);
    viewer->resize(720, 560);
    if (style == 3)
        viewer->showMaximized();
    else
        viewer->show();
}

} // namespace brev
