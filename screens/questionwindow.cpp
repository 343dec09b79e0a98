#include "screens/questionwindow.h"

#include "store/gamelog.h"
#include "models/questionmodel.h"
#include "models/verdict.h"
#include "screens/scorewindow.h"
#include "store/context.h"

#include <QAbstractButton>
#include <algorithm>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>

namespace brev {

QuestionWindow::QuestionWindow(AppContext& ctx, int slot, const QString& caption, int clientWidth,
                               int clientHeight, const QColor& background, QWidget* parent)
    : QDialog(parent), ctx_(ctx), slot_(slot)
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
    sizeform(ctx_, this, slot_, SizeMode::Restore);
    setupform(this);
    laidOut_ = true;
    layoutControls();
}

void QuestionWindow::rememberSize()
{
    sizeform(ctx_, this, slot_, SizeMode::Save);
}

void QuestionWindow::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    if (laidOut_)
        layoutControls();
}

Asked QuestionWindow::ask()
{
    if (abandoned_) {
        const auto told = giveUpQuestion(ctx_);
        ctx_.messages->show(told);
        return told ? Asked::Abandoned : Asked::LeftOut;
    }
    exec();
    return Asked::Yes;
}

void QuestionWindow::abandon()
{
    abandoned_ = true;
}

void QuestionWindow::wireHelp(QPushButton* button, const QString& text)
{
    connect(button, &QPushButton::clicked, this, [this, text] { ctx_.messages->ok(text); });
}

void QuestionWindow::wireSkip(QPushButton* button)
{
    connect(button, &QPushButton::clicked, this, &QDialog::reject);
}

bool QuestionWindow::takeAnswer()
{
    if (abandoned_ || answered_)
        return false;
    answered_ = true;
    return true;
}

void QuestionWindow::showResults(const Verdict& verdict)
{
    ScoreWindow score(ctx_, this);
    score.Text1->setPlainText(verdict.results);
    applyVerdict(ctx_, verdict);
    score.scoreCaption();
    score.Label1->setText(verdict.heading);
    score.exec();
    accept();
}

} // namespace brev
