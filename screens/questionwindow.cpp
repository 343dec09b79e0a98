#include "screens/questionwindow.h"

#include "base/seams.h"
#include "models/verdict.h"
#include "store/sounds.h"

#include <QAbstractButton>
#include <QLabel>
#include <QPushButton>
#include <algorithm>

namespace brev {

QuestionWindow::QuestionWindow(const WindowParts& parts, int slot, const QString& caption, int clientWidth,
                               int clientHeight, const QColor& background, QWidget* parent)
    : QDialog(parent), parts_(parts), slot_(slot)
{
    setWindowTitle(caption);
    setModal(true);
    if (background.isValid())
        fillBackground(this, background);
    resize(twips(this, clientWidth), twips(this, clientHeight));
}

void QuestionWindow::keepButtonsReachable()
{
    QRect reach;
    for (const QAbstractButton* button : findChildren<QAbstractButton*>())
        reach |= QRect(button->mapTo(this, QPoint(0, 0)), button->size());
    const int margin = twips(this, 120);
    setMinimumHeight(std::min(reach.bottom() + margin, height()));
}

void QuestionWindow::restoreSize()
{
    applyWindowSize(parts_.sizes, parts_.messages, this, slot_, SizeMode::Restore);
    centreOnScreen(this);
    laidOut_ = true;
    layoutControls();
}

void QuestionWindow::rememberSize()
{
    applyWindowSize(parts_.sizes, parts_.messages, this, slot_, SizeMode::Save);
}

void QuestionWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (laidOut_)
        layoutControls();
    placePosition();
}

int QuestionWindow::layoutHeightTwips() const
{
    return outerHeightTwips(this) - toTwips(this, positionHeight_);
}

void QuestionWindow::showPosition(const QString& text)
{
    if (!positionLabel) {
        positionLabel = new QLabel(this);
        positionLabel->setObjectName(QStringLiteral("positionLabel"));
        positionLabel->setWordWrap(true);
        positionLabel->setContentsMargins(twips(this, 120), 0, twips(this, 120), 0);
        positionLabel->setAutoFillBackground(true);
        QPalette palette = positionLabel->palette();
        palette.setColor(QPalette::Window, QColor(255, 255, 238));
        palette.setColor(QPalette::WindowText, Qt::black);
        positionLabel->setPalette(palette);
    }
    positionLabel->setText(text);
    describe();
    const int needed = positionLabel->heightForWidth(width()) + twips(this, 90);
    if (needed > positionHeight_) {
        const int grow = needed - positionHeight_;
        positionHeight_ = needed;
        setProperty(kExtraHeightProperty, positionHeight_);
        setMinimumHeight(minimumHeight() + grow);
        resize(width(), height() + grow);
    }
    placePosition();
    positionLabel->show();
}

void QuestionWindow::describeState(const QString& state)
{
    state_ = state;
    describe();
}

void QuestionWindow::describe()
{
    QStringList parts;
    for (const QString& part : {state_, positionLabel ? positionLabel->text() : QString()})
        if (!part.isEmpty())
            parts << part;
    setAccessibleDescription(parts.join(QStringLiteral(". ")));
}

void QuestionWindow::placePosition()
{
    if (positionLabel)
        positionLabel->setGeometry(0, height() - positionHeight_, width(), positionHeight_);
}

void QuestionWindow::wireHelp(QPushButton* button, const QString& text)
{
    connect(button, &QPushButton::clicked, this, [this, text] { parts_.messages.ok(text); });
}

void QuestionWindow::wireSkip(QPushButton* button)
{
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
}

bool QuestionWindow::takeAnswer()
{
    if (answered_)
        return false;
    answered_ = true;
    return true;
}

void QuestionWindow::finish(const Verdict& verdict)
{
    if (judged_)
        judged_(verdict, true);
    accept();
}

void QuestionWindow::applyOnly(const Verdict& verdict)
{
    if (judged_)
        judged_(verdict, false);
}

void QuestionWindow::playSound(int n)
{
    parts_.sounds.play(n);
}

} // namespace brev
