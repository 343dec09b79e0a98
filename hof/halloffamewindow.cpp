#include "hof/halloffamewindow.h"

#include "base/seams.h"
#include "hof/nameentrydialog.h"
#include "store/links.h"
#include "widgets/windowhelpers.h"

#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QPushButton>
#include <utility>

namespace brev {

namespace {
constexpr int kClientWidth = 7335;
constexpr int kClientHeight = 5895;
constexpr int kButtonTop = 5040;

QPushButton* placedButton(QWidget* parent, const char* name, const QString& caption, int left)
{
    QPushButton* b = makeButton(parent, name, caption);
    placeTwips(b, left, kButtonTop, 1215, 495);
    return b;
}

// Courier bold 9.75 pt, or the nearest fixed-pitch face installed.
QFont listFont()
{
    QFont f;
    f.setFamilies({QStringLiteral("Courier New"), QStringLiteral("Courier"),
                   QStringLiteral("Liberation Mono"), QStringLiteral("DejaVu Sans Mono")});
    f.setStyleHint(QFont::TypeWriter);
    f.setFixedPitch(true);
    f.setBold(true);
    f.setPointSizeF(9.75);
    return f;
}

// The list's rows as a screen reader speaks them, one a line:
// "1. Ada Lovelace, difficulty 3, score 850, 95 percent, 12/7/2026".
QString spokenRows(const HallOfFame& hof, int rows)
{
    // The name column holds the difficulty, two spaces and the name.
    static const QRegularExpression difficultyAndName(QStringLiteral("^\\s*(\\d+)\\s+(.*)$"));
    QStringList spoken;
    for (int i = 1; i <= rows && i < int(hof.entries.size()); ++i) {
        const HofEntry& e = hof.entries[size_t(i)];
        const QRegularExpressionMatch m = difficultyAndName.match(e.name);
        const QString name = m.hasMatch() ? m.captured(2).trimmed() : e.name.trimmed();
        const QString place = QString::number(i);
        const QString score = QString::number(e.score);
        const QString pct = QString::number(e.pct);
        QString row = m.hasMatch()
                          ? HallOfFameWindow::tr("%1. %2, difficulty %3, score %4, %5 percent")
                                .arg(place, name, m.captured(1), score, pct)
                          : HallOfFameWindow::tr("%1. %2, score %3, %4 percent").arg(place, name, score, pct);
        if (!e.date.trimmed().isEmpty())
            row += QStringLiteral(", ") + shownHofDate(e.date).trimmed();
        spoken << row;
    }
    return spoken.isEmpty() ? HallOfFameWindow::tr("No entries") : spoken.join(u'\n');
}
} // namespace

HallOfFameWindow::HallOfFameWindow(HallOfFame& hof, Messages& messages, Shell& shell, const QUrl& baseUrl,
                                   QWidget* parent)
    : QDialog(parent), hof_(hof), messages_(messages), shell_(shell), baseUrl_(baseUrl)
{
    build();
    load();
}

void HallOfFameWindow::build()
{
    setObjectName(QStringLiteral("HOF"));
    setWindowTitle(tr("Hall of Fame"));
    setModal(true);
    setFont(designFont(false, 10));
    resize(twips(this, kClientWidth), twips(this, kClientHeight));

    list = new QPlainTextEdit(this);
    list->setObjectName(QStringLiteral("Text1"));
    list->setFont(listFont());
    list->setReadOnly(true);
    list->setAccessibleName(tr("Hall of fame"));
    list->setTabChangesFocus(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeTwips(list, 360, 360, 6615, 4455);

    clearButton = placedButton(this, "cmdClear", tr("Clear"), 360);
    onlineButton = placedButton(this, "cmdOnline", tr("Online HOF"), 2880);
    onlineButton->setToolTip(tr("Check the Brevallo Game online HOF"));
    okButton = placedButton(this, "cmdOK", tr("OK"), 5760);

    fitButtons();

    connect(clearButton, &QPushButton::clicked, this, &HallOfFameWindow::clearClicked);
    connect(onlineButton, &QPushButton::clicked, this, [this] {
        messages_.show(openLink(shell_, QString(), onlineHofUrl(baseUrl_).toString(QUrl::FullyEncoded)));
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

// The row of buttons holds every caption of the language shown: a button
// grows to its caption, Clear keeping its left edge and OK its right one;
// Online HOF keeps its place while it fits between them, else it stands in
// the middle of the room between them, and a caption still too long is drawn
// smaller.
void HallOfFameWindow::fitButtons()
{
    const int gap = twips(this, 120);
    const int okRight = okButton->x() + okButton->width();
    for (QPushButton* b : {clearButton, onlineButton, okButton})
        widenToCaption(b);
    okButton->move(okRight - okButton->width(), okButton->y());
    const int from = clearButton->x() + clearButton->width() + gap;
    const int to = okButton->x() - gap;
    if (onlineButton->x() + onlineButton->width() > to) {
        onlineButton->resize(std::min(onlineButton->width(), to - from), onlineButton->height());
        onlineButton->move(from + (to - from - onlineButton->width()) / 2, onlineButton->y());
    }
    for (QPushButton* b : {clearButton, onlineButton, okButton})
        fitCaption(b);
}

void HallOfFameWindow::load()
{
    centreOnScreen(this);
    const QStringList lines = hof_.lines();
    list->setPlainText(lines.join(u'\n'));
    if (lines.size() == 1) // the header alone
        list->appendPlainText(QStringLiteral("\n") + tr("No games are recorded yet."));
    // The columns read aloud make no sense: each row is told in words.
    list->setAccessibleDescription(spokenRows(hof_, int(lines.size()) - 1));
    okButton->setFocus();
}

void HallOfFameWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (std::exchange(shown_, true))
        return;
    if (hof_.count <= 0)
        messages_.ok(tr("Hof was recently cleared"));
}

void HallOfFameWindow::clearClicked()
{
    if (!messages_.question(tr("Clear HOF"), tr("Really clear Hall of Frame?"), true))
        return;
    messages_.show(hof_.clear());
    accept();
}

NameChoice HofDialogs::nameEntry(int place)
{
    NameEntryDialog window(settings_, sounds_, place, parent_);
    window.exec();
    return {settings_.playername, settings_.playeremail, window.online()};
}

void HofDialogs::tell(const QString& text)
{
    messages_.ok(text);
}

Problem HofDialogs::open(const QUrl& address)
{
    return openLink(shell_, QString(), address.toString(QUrl::FullyEncoded));
}

void HofDialogs::showList()
{
    HallOfFameWindow window(hof_, messages_, shell_, baseUrl_, parent_);
    window.exec();
}

} // namespace brev
