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
        QString row =
            QStringLiteral("%1. %2").arg(i).arg(m.hasMatch() ? m.captured(2).trimmed() : e.name.trimmed());
        if (m.hasMatch())
            row += QStringLiteral(", difficulty ") + m.captured(1);
        row += QStringLiteral(", score %1, %2 percent").arg(e.score).arg(e.pct);
        if (!e.date.trimmed().isEmpty())
            row += QStringLiteral(", ") + e.date.trimmed();
        spoken << row;
    }
    return spoken.isEmpty() ? QStringLiteral("No entries") : spoken.join(u'\n');
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
    list->setAccessibleName(QStringLiteral("Hall of fame"));
    list->setTabChangesFocus(true);
    list->setLineWrapMode(QPlainTextEdit::NoWrap);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeTwips(list, 360, 360, 6615, 4455);

    clearButton = placedButton(this, "cmdClear", QStringLiteral("Clear"), 360);
    onlineButton = placedButton(this, "cmdOnline", QStringLiteral("Online HOF"), 2880);
    onlineButton->setToolTip(QStringLiteral("Check Velmora Website HOFs"));
    okButton = placedButton(this, "cmdOK", QStringLiteral("OK"), 5760);

    connect(clearButton, &QPushButton::clicked, this, &HallOfFameWindow::clearClicked);
    connect(onlineButton, &QPushButton::clicked, this, [this] {
        messages_.show(openLink(shell_, QString(), onlineHofUrl(baseUrl_).toString(QUrl::FullyEncoded)));
    });
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

void HallOfFameWindow::load()
{
    centreOnScreen(this);
    const QStringList lines = hof_.lines();
    list->setPlainText(lines.join(u'\n'));
    if (lines.size() == 1)   // the header alone
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
        messages_.ok(QStringLiteral("Hof was recently cleared"));
}

void HallOfFameWindow::clearClicked()
{
    if (!messages_.question(QStringLiteral("Clear HOF"), QStringLiteral("Really clear Hall of Frame?"), true))
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
