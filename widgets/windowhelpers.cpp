#include "widgets/windowhelpers.h"

#include "base/numbers.h"
#include "base/seams.h"
#include "store/language.h"
#include "store/windowsizes.h"
#include "widgets/fontwarmup.h"

#include <QAccessible>
#include <QDialog>
#include <QEvent>
#include <QVariant>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetrics>
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyleOptionButton>
#include <QTimer>
#include <QVBoxLayout>
#include <QWindow>
#include <QWidget>

#include <algorithm>
#include <optional>

namespace brev {

namespace {

constexpr char kHelpViewerName[] = "textviewer";

double dpiOf(const QWidget* w)
{
    const QScreen* screen = w && w->screen() ? w->screen() : QGuiApplication::primaryScreen();
    const double dpi = screen ? screen->logicalDotsPerInchY() : 96.0;
    return dpi > 0 ? dpi : 96.0;
}

// The frame that the last window able to report one had: windows that cannot
// report theirs yet (not shown, or shown but not yet framed by the window
// manager) are measured with it, so that a size is stored and restored in
// one measure whatever the moment.
QSize lastFrame{0, 0};
// A window's own frame, kept for the moments (during a resize) when the
// platform briefly cannot report it.
constexpr char kFrameProperty[] = "brevFrame";

QSize reportedFrame(const QWidget* window)
{
    const QRect frame = window->frameGeometry();
    const QRect client = window->geometry();
    return {std::max(0, frame.width() - client.width()), std::max(0, frame.height() - client.height())};
}

// Extra width and height that the window frame adds around the client area:
// the window's own once the platform reports it, otherwise the frame of
// another window of this run (the main window's, normally), otherwise none.
QSize frameExtra(const QWidget* window)
{
    const QSize own = reportedFrame(window);
    if (!own.isNull()) {
        lastFrame = own;
        const_cast<QWidget*>(window)->setProperty(kFrameProperty, own);
        return own;
    }
    const QVariant kept = window->property(kFrameProperty);
    if (kept.isValid())
        return kept.toSize();
    if (lastFrame.isNull()) {
        for (const QWidget* other : QApplication::topLevelWidgets()) {
            if (other != window && other->isVisible() && !reportedFrame(other).isNull()) {
                lastFrame = reportedFrame(other);
                break;
            }
        }
    }
    return lastFrame;
}

// Follows a window whose size was restored before its frame was known. Once
// the window manager has framed it, a frame other than the one assumed is
// made up for by the client size, so that the outer size is the restored one.
class FrameWatch : public QObject {
public:
    FrameWatch(QWidget* window, QSize assumed) : QObject(window), window_(window), assumed_(assumed)
    {
        window->installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // The frame becomes known some time after the window is mapped: look
        // again at each of the events that follow.
        switch (event->type()) {
        case QEvent::Move:
        case QEvent::Resize:
        case QEvent::Show:
        case QEvent::Paint:
        case QEvent::WindowActivate:
        case QEvent::ActivationChange: break;
        default: return false;
        }
        if (watched != window_)
            return false;
        const QSize own = reportedFrame(window_);
        if (own.isNull() || !window_->isVisible())
            return false;
        window_->removeEventFilter(this);
        deleteLater();
        frameExtra(window_); // remembers the frame for this window and the next
        const QSize change = assumed_ - own;
        if (!change.isNull()) {
            // Outside the event at hand, which may be a paint.
            QWidget* w = window_;
            QTimer::singleShot(0, w, [w, change] {
                if (w->windowState() == Qt::WindowNoState)
                    w->resize(std::max(1, w->width() + change.width()),
                              std::max(1, w->height() + change.height()));
            });
        }
        return false;
    }

private:
    QWidget* window_;
    QSize assumed_;
};

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
    int heightTwips() const override { return outerHeightTwips(w_) - toTwips(w_, extra()); }
    void setWidthTwips(int width) override
    {
        w_->resize(std::max(1, twips(w_, width) - frameExtra(w_).width()), w_->height());
    }
    void setHeightTwips(int height) override
    {
        w_->resize(w_->width(), std::max(1, twips(w_, height) - frameExtra(w_).height()) + extra());
    }
    int extra() const { return w_->property(kExtraHeightProperty).toInt(); }
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

QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption, const QString& tip)
{
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    if (!tip.isEmpty())
        b->setToolTip(tip);
    return b;
}

void announce(QWidget* w)
{
    QAccessibleEvent event(w, QAccessible::Alert);
    QAccessible::updateAccessibility(&event);
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
    awaitFontWarmUp(); // the database reads the font configuration
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

QFont fittedFont(QFont font, const QString& text, const QSize& room, bool wrap, double smallest)
{
    if (text.isEmpty())
        return font; // nothing to fit, however small the room (an arrow button's)
    const int flags = wrap ? int(Qt::TextWordWrap) : 0;
    for (double size = font.pointSizeF(); size > smallest; size -= 0.5) {
        font.setPointSizeF(size);
        const QRect need = QFontMetrics(font).boundingRect(QRect(QPoint(0, 0), room), flags, text);
        if (need.width() <= room.width() && need.height() <= room.height())
            return font;
    }
    font.setPointSizeF(std::min(font.pointSizeF(), smallest));
    return font;
}

namespace {
// Where a button draws its caption, and the caption as drawn (no accelerator marks).
QRect captionRoom(const QAbstractButton* button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const auto part =
        qobject_cast<const QCheckBox*>(button) ? QStyle::SE_CheckBoxContents : QStyle::SE_PushButtonContents;
    return button->style()->subElementRect(part, &option, button);
}

QString drawnCaption(const QAbstractButton* button)
{
    QString caption = button->text();
    return caption.replace(QStringLiteral("&&"), QStringLiteral("\x01")).remove(u'&').replace(u'\x01', u'&');
}
} // namespace

void fitCaption(QAbstractButton* button, double smallest)
{
    button->setFont(
        fittedFont(button->font(), drawnCaption(button), captionRoom(button).size(), false, smallest));
}

void fitCaption(QLabel* label, double smallest)
{
    const int margin = label->margin() + std::max(0, label->indent());
    const QRect room = label->contentsRect().adjusted(margin, margin, -margin, -margin);
    label->setFont(fittedFont(label->font(), label->text(), room.size(), label->wordWrap(), smallest));
}

int captionWidth(const QAbstractButton* button)
{
    const int margins = button->width() - captionRoom(button).width();
    const QFontMetrics metrics(button->font());
    const QString caption = drawnCaption(button);
    // The ink may reach a pixel past the advance; a pixel more on each side.
    return std::max(metrics.horizontalAdvance(caption), metrics.boundingRect(caption).width()) + 2 + margins;
}

void widenToCaption(QAbstractButton* button)
{
    button->resize(std::max(button->width(), captionWidth(button)), button->height());
}

void widenButtonRow(std::initializer_list<QAbstractButton*> row)
{
    QList<int> gaps; // the design's, before any button grows
    const QAbstractButton* left = nullptr;
    for (const QAbstractButton* button : row) {
        gaps << (left ? button->x() - (left->x() + left->width()) : 0);
        left = button;
    }
    left = nullptr;
    qsizetype i = 0;
    for (QAbstractButton* button : row) {
        widenToCaption(button);
        if (left && button->x() < left->x() + left->width() + gaps[i])
            button->move(left->x() + left->width() + gaps[i], button->y());
        left = button;
        ++i;
    }
}

void centreOnScreen(QWidget* window)
{
    const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    const QRect area = screen->availableGeometry();
    const QSize outer = window->frameGeometry().size();
    window->move(area.left() + (area.width() - outer.width()) / 2,
                 area.top() + (area.height() - outer.height()) / 2);
}

void applyWindowSize(WindowSizes& sizes, Messages& messages, QWidget* window, int slot, SizeMode mode)
{
    // A window that is not created yet has no frame to measure; creating its
    // native window lets a platform that knows the frame up front report it.
    // (setupApplication() keeps Qt from making its siblings native with it.)
    if (slot != SlotScore && window->isWindow() && !window->testAttribute(Qt::WA_WState_Created))
        (void)window->winId();
    const bool framed = !reportedFrame(window).isNull();
    const QSize assumed = frameExtra(window);
    const int width = window->width();
    const int height = window->height();
    WidgetWindow w(window);
    messages.show(sizes.apply(w, slot, mode));
    if (mode == SizeMode::Restore && !framed && (window->width() != width || window->height() != height))
        new FrameWatch(window, assumed);
}

void centreFrame(QWidget* frame, QWidget* window, int keepFree)
{
    // Measured against the window's outer size, frame included.
    const QSize extra = frameExtra(window);
    const int height = window->height() - keepFree;
    // Centred on the outer size, the frame sits lower than the middle of the
    // client area by half the title bar: never so low that its edge is cut.
    const int left = (window->width() + extra.width() - frame->width()) / 2;
    const int top = (height + extra.height() - frame->height()) / 2;
    frame->hide();
    frame->move(std::clamp(left, 0, std::max(0, window->width() - frame->width())),
                std::clamp(top, 0, std::max(0, height - frame->height())));
    frame->show();
}

void keepFrameInside(QWidget* frame, QWidget* window, int margin)
{
    frame->resize(std::max(1, std::min(frame->width(), window->width() - 2 * margin)),
                  std::max(1, std::min(frame->height(), window->height() - 2 * margin)));
}

namespace {

// A help file's text as the reader shows it, or the player's message naming
// the file and the system's reason.
Result<QString> readHelpText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return failure(QCoreApplication::translate("brev::HelpViewer", "The help text %1 cannot be read: %2.")
                           .arg(QFileInfo(path).fileName(), f.errorString()));
    return QString::fromLatin1(f.readAll()).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
}

// The game's own reader of the help text. A window of its own beside the
// dialog that opened it: it takes input even while that dialog blocks the
// rest of the program. A language chosen while it is open shows at once, in
// its own texts and in the help of that language (the text shown stays when
// that file cannot be read).
class HelpViewer : public QDialog {
public:
    explicit HelpViewer(const QString& englishPath) : englishPath_(englishPath)
    {
        setAttribute(Qt::WA_DeleteOnClose);
        setAttribute(Qt::WA_QuitOnClose, false); // quitting the game closes it too
        setObjectName(QString::fromLatin1(kHelpViewerName));
        reader = new QPlainTextEdit(this);
        reader->setObjectName(QStringLiteral("helpText"));
        reader->setReadOnly(true);
        // The caret walks the text, so that the keyboard and a screen reader read it line by line.
        reader->setTextInteractionFlags(Qt::TextSelectableByKeyboard | Qt::TextSelectableByMouse);
        reader->setTabChangesFocus(true);
        // The text lines up its columns with spaces.
        reader->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
        reader->setLineWrapMode(QPlainTextEdit::NoWrap);
        closeButton_ = new QPushButton(this);
        closeButton_->setObjectName(QStringLiteral("closeHelp"));
        closeButton_->setAutoDefault(false);
        connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
        connect(this, &QDialog::finished, this, &QWidget::close); // Escape closes it
        auto* layout = new QVBoxLayout(this);
        layout->addWidget(reader);
        layout->addWidget(closeButton_, 0, Qt::AlignRight);
        retranslate();
        const QFontMetrics fm(reader->font());
        resize(fm.horizontalAdvance(QString(80, u'M')) + 60, fm.lineSpacing() * 36);
        reader->setFocus();
    }

    QPlainTextEdit* reader;

protected:
    void changeEvent(QEvent* event) override
    {
        QDialog::changeEvent(event);
        if (event->type() != QEvent::LanguageChange)
            return;
        retranslate();
        if (const Result<QString> text = readHelpText(fileInLanguage(englishPath_)))
            reader->setPlainText(*text);
    }

private:
    void retranslate()
    {
        setWindowTitle(QCoreApplication::translate("brev::HelpViewer", "Brevallo Game Help"));
        reader->setAccessibleName(QCoreApplication::translate("brev::HelpViewer", "Help text"));
        closeButton_->setText(QCoreApplication::translate("brev::HelpViewer", "Close"));
    }

    QString englishPath_;
    QPushButton* closeButton_;
};

} // namespace

void showHelpText(Messages& messages, const QString& englishPath, int style)
{
    // The help in the player's language, when the program directory holds it.
    const QString path = fileInLanguage(englishPath);
    const Result<QString> text = readHelpText(path);
    if (!text) {
        messages.show(text.problem());
        return;
    }
    // One reader at a time: asked again, the open one comes to the front.
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(kHelpViewerName) && w->isVisible()) {
            w->findChild<QPlainTextEdit*>()->setPlainText(*text);
            w->raise();
            w->activateWindow();
            return;
        }
    }
    auto* viewer = new HelpViewer(englishPath);
    if (QWidget* opener = QApplication::activeWindow()) {
        (void)viewer->winId();
        viewer->windowHandle()->setTransientParent(opener->windowHandle());
    }
    viewer->reader->setPlainText(*text);
    if (style == 3)
        viewer->showMaximized();
    else
        viewer->show();
}

} // namespace brev
