#include "hof/halloffamewindow.h"

#include "hof/nameentrydialog.h"
#include "store/Hyperlnk.h"
#include "store/context.h"
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
QString spokenRows(const AppContext& ctx, int rows)
{
    // The name column holds the difficulty, two spaces and the name.
    static const QRegularExpression difficultyAndName(QStringLiteral("^\\s*(\\d+)\\s+(.*)$"));
    QStringList spoken;
    for (int i = 1; i <= rows && i < int(ctx.hof.size()); ++i) {
        const HofEntry& e = ctx.hof[size_t(i)];
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

HallOfFameWindow::HallOfFameWindow(AppContext& ctx, QWidget* parent) : QDialog(parent), ctx_(ctx)
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

    Text1 = new QPlainTextEdit(this);
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setFont(listFont());
    Text1->setReadOnly(true);
    Text1->setAccessibleName(QStringLiteral("Hall of fame"));
    Text1->setTabChangesFocus(true);
    Text1->setLineWrapMode(QPlainTextEdit::NoWrap);
    Text1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    placeTwips(Text1, 360, 360, 6615, 4455);

    cmdClear = placedButton(this, "cmdClear", QStringLiteral("Clear"), 360);
    cmdOnline = placedButton(this, "cmdOnline", QStringLiteral("Online HOF"), 2880);
    cmdOnline->setToolTip(QStringLiteral("Check Velmora Website HOFs"));
    cmdOK = placedButton(this, "cmdOK", QStringLiteral("OK"), 5760);

    connect(cmdClear, &QPushButton::clicked, this, &HallOfFameWindow::clearClicked);
    connect(cmdOnline, &QPushButton::clicked, this,
            [this] { ctx_.messages->show(openlink(ctx_, onlineHofUrl(ctx_).toString(QUrl::FullyEncoded))); });
    connect(cmdOK, &QPushButton::clicked, this, &QDialog::accept);
}

void HallOfFameWindow::load()
{
    setupform(this);
    const QStringList lines = hofLines(ctx_);
    Text1->setPlainText(lines.join(u'\n'));
    if (lines.size() == 1)   // the header alone
        Text1->appendPlainText(QStringLiteral("\n") + tr("No games are recorded yet."));
    // The columns read aloud make no sense: each row is told in words.
    Text1->setAccessibleDescription(spokenRows(ctx_, int(lines.size()) - 1));
    cmdOK->setFocus();
}

void HallOfFameWindow::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (std::exchange(shown_, true))
        return;
    if (ctx_.hofcount <= 0)
        ctx_.messages->ok(QStringLiteral("Hof was recently cleared"));
}

void HallOfFameWindow::clearClicked()
{
    if (!ctx_.messages->question(QStringLiteral("Clear HOF"), QStringLiteral("Really clear Hall of Frame?"),
                                 true))
        return;
    ctx_.messages->show(clearHof(ctx_));
    accept();
}

bool HofDialogs::nameEntry(int place)
{
    NameEntryDialog window(ctx_, place, parent_);
    window.exec();
    return window.online();
}

void HofDialogs::tell(const QString& text)
{
    ctx_.messages->ok(text);
}

void HofDialogs::showList()
{
    HallOfFameWindow window(ctx_, parent_);
    window.exec();
}

} // namespace brev
