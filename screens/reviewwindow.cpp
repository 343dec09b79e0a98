#include "screens/reviewwindow.h"

#include "widgets/windowhelpers.h"

#include <QApplication>
#include <QClipboard>
#include <QCoreApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QTextBrowser>
#include <QVBoxLayout>

namespace brev {

namespace {
QString escapedLines(const QString& text)
{
    QString html = text.toHtmlEscaped();
    html.replace(QStringLiteral("\r\n"), QStringLiteral("<br>"));
    html.replace(QLatin1Char('\n'), QStringLiteral("<br>"));
    return html;
}
} // namespace

ReviewWindow::ReviewWindow(const QList<ReviewEntry>& entries, QWidget* parent)
    : QDialog(parent), entries_(entries)
{
    setObjectName(QStringLiteral("review"));
    setWindowTitle(tr("Review of the Game"));
    setModal(true);

    list = new QTextBrowser(this);
    list->setObjectName(QStringLiteral("reviewList"));
    list->setAccessibleName(tr("Questions of the game"));
    list->setAccessibleDescription(reviewSummary(entries_));
    list->setOpenLinks(false);
    list->setHtml(html(entries_));

    copyButton = new QPushButton(tr("Copy"), this);
    copyButton->setObjectName(QStringLiteral("copyButton"));
    copyButton->setToolTip(tr("Copy the review as plain text, to paste or print elsewhere"));
    copyButton->setAutoDefault(false);
    connect(copyButton, &QPushButton::clicked, this,
            [this] { QApplication::clipboard()->setText(reviewText(entries_)); });
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::accept);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(copyButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list);
    layout->addLayout(buttons);

    resize(twips(this, 9000), twips(this, 7500));
    centreOnScreen(this);
    closeButton->setFocus();
}

QString ReviewWindow::html(const QList<ReviewEntry>& entries)
{
    QString out;
    for (const ReviewEntry& e : entries) {
        const QuestionRecord& r = e.record;
        const Mark mark = r.mark();
        const QString colour = mark == Mark::Right         ? QStringLiteral("#1a6b1a")
                               : mark == Mark::PartlyRight ? QStringLiteral("#8a5a00")
                                                           : QStringLiteral("#a01010");
        out += QStringLiteral("<h3>") +
               tr("Question %1: %2")
                   .arg(e.number)
                   .arg(categoryName(r.category, Wording::Shown).toHtmlEscaped()) +
               QStringLiteral(" &mdash; <span style=\"color:%1\">%2</span></h3>").arg(colour, markText(mark));
        out += QStringLiteral("<p>") + escapedLines(r.question) + QStringLiteral("</p>");
        if (!r.skipped)
            out += QStringLiteral("<p><b>") + QCoreApplication::translate("Review", "Your answer:") +
                   QStringLiteral("</b><br>") + escapedLines(r.given) + QStringLiteral("</p>");
        out += QStringLiteral("<p><b>") + QCoreApplication::translate("Review", "Right answer:") +
               QStringLiteral("</b><br>") + escapedLines(r.right) + QStringLiteral("</p>");
        out += QStringLiteral("<p>") +
               QCoreApplication::translate("Review", "Points: %1 of %2").arg(r.points).arg(r.possible) +
               QStringLiteral("</p>");
    }
    return out;
}

} // namespace brev
