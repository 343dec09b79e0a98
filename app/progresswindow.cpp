#include "app/progresswindow.h"

#include "base/categories.h"
#include "store/language.h"
#include "rules/mastery.h"
#include "store/progressstore.h"
#include "widgets/windowhelpers.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <future>

namespace brev {

namespace {
constexpr int kPortraitSide = 64;

// Colour and symbol of a mastery level: never colour alone.
QColor levelColour(MasteryLevel level)
{
    switch (level) {
    case MasteryLevel::Unseen: return QColor(150, 150, 150);
    case MasteryLevel::Learning: return QColor(190, 40, 40);
    case MasteryLevel::Familiar: return QColor(200, 140, 0);
    case MasteryLevel::Mastered: return QColor(30, 130, 50);
    }
    return Qt::gray;
}
QString levelSymbol(MasteryLevel level)
{
    switch (level) {
    case MasteryLevel::Unseen: return QStringLiteral("?");
    case MasteryLevel::Learning: return QStringLiteral("1");
    case MasteryLevel::Familiar: return QStringLiteral("2");
    case MasteryLevel::Mastered: return QStringLiteral("3");
    }
    return {};
}

// The portrait with its mark: a coloured frame and a badge with the level's
// number. Safe on any thread (an image, not a pixmap).
QImage markedPortrait(const QString& file, MasteryLevel level, qreal ratio)
{
    const int side = int(kPortraitSide * ratio);
    QImage picture(side, side, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::white);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QImage portrait = file.isEmpty() ? QImage() : QImage(file);
    if (!portrait.isNull()) {
        const QImage scaled = portrait.scaled(side, side, Qt::KeepAspectRatio, Qt::SmoothTransformation);
        painter.drawImage((side - scaled.width()) / 2, (side - scaled.height()) / 2, scaled);
    }
    const QColor colour = levelColour(level);
    painter.setPen(QPen(colour, 4 * ratio));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(2 * ratio, 2 * ratio, side - 4 * ratio, side - 4 * ratio));
    const QRectF badge(side - 22 * ratio, side - 22 * ratio, 20 * ratio, 20 * ratio);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    painter.drawEllipse(badge);
    QFont font = painter.font();
    font.setBold(true);
    font.setPixelSize(int(13 * ratio));
    painter.setFont(font);
    painter.setPen(Qt::white);
    painter.drawText(badge, Qt::AlignCenter, levelSymbol(level));
    painter.end();
    picture.setDevicePixelRatio(ratio);
    return picture;
}

// The marked portraits of a whole set, decoded on two threads at once.
QList<QImage> markedPortraits(const QStringList& files, const QList<MasteryLevel>& levels, qreal ratio)
{
    QList<QImage> pictures(levels.size());
    const auto some = [&](qsizetype from, qsizetype to) {
        for (qsizetype i = from; i < to; ++i)
            pictures[i] = markedPortrait(files.value(i), levels[i], ratio);
    };
    const qsizetype half = levels.size() / 2;
    auto first = std::async(std::launch::async, some, 0, half);
    some(half, levels.size());
    first.get();
    return pictures;
}
} // namespace

// A percentage on the chart's axis, as the language writes one.
QString ScoreChart::axisLabel(int percent)
{
    //: A percentage on the score chart's axis: 0, 50 or 100.
    return tr("%1%").arg(percent);
}

ScoreChart::ScoreChart(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("scoreChart"));
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(tr("Scores over time"));
}

void ScoreChart::setResults(const QList<GameResult>& results)
{
    results_ = results;
    setAccessibleDescription(summary());
    setToolTip(summary());
    update();
}

QString ScoreChart::summary() const
{
    if (results_.isEmpty())
        return tr("No finished games yet.");
    int best = 0;
    for (const GameResult& r : results_)
        best = std::max(best, r.percent);
    return tr("%n game(s); the latest %1%, the best %2%.", "", int(results_.size()))
        .arg(results_.last().percent)
        .arg(best);
}

QRect ScoreChart::plotArea() const
{
    const QFontMetrics metrics(font());
    const int left = metrics.horizontalAdvance(axisLabel(100)) + 8;
    return rect().adjusted(left, 8, -8, -metrics.height() - 8);
}

QList<GameResult> ScoreChart::drawnResults() const
{
    constexpr int kPixelsPerGame = 8;
    const qsizetype room = std::max(2, plotArea().width() / kPixelsPerGame);
    return results_.size() <= room ? results_ : results_.mid(results_.size() - room);
}

void ScoreChart::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.fillRect(rect(), palette().base());
    const QFontMetrics metrics(font());
    const QRect plot = plotArea();
    const int left = plot.left();
    const QList<GameResult> drawn = drawnResults();
    painter.setPen(palette().color(QPalette::Mid));
    for (int percent : {0, 50, 100}) {
        const int y = plot.bottom() - plot.height() * percent / 100;
        painter.drawLine(plot.left(), y, plot.right(), y);
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(QRect(0, y - metrics.height() / 2, left - 4, metrics.height()), Qt::AlignRight,
                         axisLabel(percent));
        painter.setPen(palette().color(QPalette::Mid));
    }
    if (drawn.isEmpty()) {
        painter.setPen(palette().color(QPalette::Text));
        painter.drawText(plot, Qt::AlignCenter | Qt::TextWordWrap, summary());
    } else {
        const int n = int(drawn.size());
        const auto at = [&](int i) {
            const double x = n == 1 ? plot.center().x() : plot.left() + double(plot.width()) * i / (n - 1);
            return QPointF(x, plot.bottom() - plot.height() * drawn[i].percent / 100.0);
        };
        QPainterPath line;
        for (int i = 0; i < n; ++i)
            i == 0 ? line.moveTo(at(i)) : line.lineTo(at(i));
        painter.setPen(QPen(QColor(30, 80, 160), 2));
        painter.drawPath(line);
        for (int i = 0; i < n; ++i) {
            painter.setBrush(drawn[i].practice ? palette().base() : QBrush(QColor(30, 80, 160)));
            painter.drawEllipse(at(i), 4, 4);
        }
        painter.setPen(palette().color(QPalette::Text));
        const QString first = shownDate(drawn.first().finished.toLocalTime().date());
        const QString last = shownDate(drawn.last().finished.toLocalTime().date());
        painter.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), metrics.height()), Qt::AlignLeft,
                         first);
        painter.drawText(QRect(plot.left(), plot.bottom() + 4, plot.width(), metrics.height()),
                         Qt::AlignRight, last);
    }
    if (hasFocus()) {
        painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
        painter.setBrush(Qt::NoBrush);
        painter.drawRect(rect().adjusted(1, 1, -1, -1));
    }
}

namespace {

// A president as the class practice line names him: his surname ("Van
// Buren"), or his name when another president in play has that surname.
QString practiceName(const PresidentEntry& president, const QList<PresidentEntry>& presidents)
{
    const auto surname = [](const QString& name) {
        const QStringList words = name.split(u' ', Qt::SkipEmptyParts);
        if (words.size() >= 3 && words[words.size() - 2] == QLatin1String("Van"))
            return words[words.size() - 2] + u' ' + words.last();
        return words.value(words.size() - 1);
    };
    const QString own = surname(president.name);
    const auto shared = std::count_if(presidents.begin(), presidents.end(),
                                      [&](const PresidentEntry& p) { return surname(p.name) == own; });
    return shared > 1 ? president.name : own;
}

} // namespace

QString classPracticeText(const QList<int>& classSet, const QList<PresidentEntry>& presidents)
{
    constexpr int kMostParts = 6;
    QList<QList<const PresidentEntry*>> runs; // consecutive records, in term order
    for (const PresidentEntry& president : presidents) {
        if (!classSet.contains(president.record))
            continue;
        if (runs.isEmpty() || runs.last().last()->record + 1 != president.record)
            runs.append(QList<const PresidentEntry*>());
        runs.last().append(&president);
    }
    if (runs.isEmpty())
        return {};
    const auto name = [&presidents](const PresidentEntry* p) { return practiceName(*p, presidents); };
    if (runs.size() == 1 && runs.first().size() > 1)
        return ProgressWindow::tr("Class practice: %1 to %2")
            .arg(name(runs.first().first()), name(runs.first().last()));
    QStringList parts;
    int left = 0;
    for (const auto& run : runs) {
        if (parts.size() >= kMostParts - 1 && runs.size() > kMostParts) {
            left += int(run.size());
            continue;
        }
        if (run.size() >= 3)
            parts << ProgressWindow::tr("%1 to %2").arg(name(run.first()), name(run.last()));
        else
            for (const PresidentEntry* p : run)
                parts << name(p);
    }
    if (left > 0)
        parts << ProgressWindow::tr("and %n more", "presidents", left);
    return ProgressWindow::tr("Class practice: %1").arg(parts.join(QStringLiteral(", ")));
}

ProgressWindow::ProgressWindow(ProgressStore& store, const QString& player, const QList<PresidentEntry>& set,
                               const QStringList& portraits, QWidget* parent, const QString& classPractice)
    : QDialog(parent)
{
    setObjectName(QStringLiteral("progress"));
    setWindowTitle(tr("Progress"));
    setModal(true);

    // The first reader that fails says why; what it and the readers after it
    // would have read stays empty.
    const brev::Result<QList<PresidentHistory>> readHistories = store.presidentHistories(player);
    Problem problem = readHistories.problem();
    brev::Result<QList<CategoryAccuracy>> readCategories = QList<CategoryAccuracy>();
    if (!problem) {
        readCategories = store.categoryAccuracy(player);
        problem = readCategories.problem();
    }
    brev::Result<QList<GameResult>> readResults = QList<GameResult>();
    if (!problem) {
        readResults = store.gameResults(player);
        problem = readResults.problem();
    }
    const QList<PresidentHistory> histories = readHistories.value_or({});
    const QList<CategoryAccuracy> categories = readCategories.value_or({});
    const QList<GameResult> results = readResults.value_or({});

    playerLabel = new QLabel(tr("Progress of %1").arg(ProgressStore::shownName(player)), this);
    playerLabel->setObjectName(QStringLiteral("playerLabel"));
    QFont big = playerLabel->font();
    big.setPointSizeF(big.pointSizeF() * 1.3);
    big.setBold(true);
    playerLabel->setFont(big);

    classLabel = new QLabel(classPractice, this);
    classLabel->setObjectName(QStringLiteral("classLabel"));
    classLabel->setWordWrap(true);
    classLabel->setToolTip(tr("The presidents your teacher set for practice: a practice game asks about them "
                              "first"));
    classLabel->setVisible(!classPractice.isEmpty());

    problemLabel = new QLabel(problem.value_or(QString()), this);
    problemLabel->setObjectName(QStringLiteral("problemLabel"));
    problemLabel->setWordWrap(true);
    problemLabel->setVisible(problem.has_value());

    presidentGrid = new QListWidget(this);
    presidentGrid->setObjectName(QStringLiteral("presidentGrid"));
    presidentGrid->setAccessibleName(tr("Presidents and how well you know them"));
    presidentGrid->setViewMode(QListView::IconMode);
    presidentGrid->setResizeMode(QListView::Adjust);
    presidentGrid->setMovement(QListView::Static);
    presidentGrid->setWrapping(true);
    presidentGrid->setIconSize(QSize(kPortraitSide, kPortraitSide));
    // Every name whole on one line, the mastery word on the next.
    const QFontMetrics metrics(presidentGrid->font());
    int widest = kPortraitSide + 24;
    for (const PresidentEntry& president : set)
        widest = std::max(widest, metrics.horizontalAdvance(president.name) + 24);
    presidentGrid->setTextElideMode(Qt::ElideNone);
    presidentGrid->setUniformItemSizes(false);
    const QSize cell(widest, kPortraitSide + 3 * metrics.height() + 12);
    presidentGrid->setGridSize(cell);
    QList<Mastery> masteries;
    QList<MasteryLevel> levels;
    for (const PresidentEntry& president : set) {
        masteries << masteryOf(historyOf(histories, president.record));
        levels << masteries.last().level;
    }
    const QList<QImage> pictures = markedPortraits(portraits, levels, devicePixelRatioF());
    for (qsizetype i = 0; i < set.size(); ++i) {
        const PresidentEntry& president = set[i];
        const Mastery& mastery = masteries[i];
        auto* item = new QListWidgetItem(QIcon(QPixmap::fromImage(pictures[i])),
                                         president.name + QLatin1Char('\n') + masteryWord(mastery.level));
        const QString hint = masteryHint(mastery);
        item->setToolTip(president.name + QStringLiteral(": ") + masteryWord(mastery.level) +
                         QStringLiteral(". ") + hint);
        item->setData(Qt::AccessibleDescriptionRole, hint);
        item->setData(Qt::UserRole, president.record);
        item->setTextAlignment(Qt::AlignHCenter | Qt::AlignTop);
        item->setSizeHint(cell);
        presidentGrid->addItem(item);
    }
    if (presidentGrid->count() > 0)
        presidentGrid->setCurrentRow(0);

    categoryTable = new QTableWidget(int(categories.size()), 4, this);
    categoryTable->setObjectName(QStringLiteral("categoryTable"));
    categoryTable->setAccessibleName(tr("Accuracy per kind of question"));
    categoryTable->setHorizontalHeaderLabels(
        {tr("Kind of question"), tr("Questions answered"), tr("Right"), tr("Partly right")});
    categoryTable->verticalHeader()->hide();
    categoryTable->setEditTriggers(QAbstractItemView::NoEditTriggers);
    categoryTable->setSelectionBehavior(QAbstractItemView::SelectRows);
    categoryTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    categoryTable->setWordWrap(true);
    for (int row = 0; row < categories.size(); ++row) {
        const CategoryAccuracy& c = categories[row];
        const auto share = [&c](int n) {
            return tr("%1 (%2%)").arg(n).arg(c.answered > 0 ? n * 100 / c.answered : 0);
        };
        categoryTable->setItem(row, 0,
                               new QTableWidgetItem(categoryName(c.category, Wording::Shown).trimmed()));
        categoryTable->setItem(row, 1, new QTableWidgetItem(QString::number(c.answered)));
        categoryTable->setItem(row, 2, new QTableWidgetItem(share(c.right)));
        categoryTable->setItem(row, 3, new QTableWidgetItem(share(c.partlyRight)));
    }
    categoryTable->resizeColumnsToContents();
    categoryTable->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    categoryTable->resizeRowsToContents();
    // A long name wraps in the width the window leaves the first column: the
    // rows grow again once the view has taken a new width.
    connect(categoryTable->horizontalHeader(), &QHeaderView::sectionResized, categoryTable,
            &QTableView::resizeRowsToContents, Qt::QueuedConnection);

    chart = new ScoreChart(this);
    chart->setResults(results);

    practiceButton = new QPushButton(tr("Practice"), this);
    practiceButton->setObjectName(QStringLiteral("practiceButton"));
    practiceButton->setToolTip(
        tr("A game about the presidents you know least; it does not enter the hall of fame"));
    practiceButton->setAutoDefault(false);
    connect(practiceButton, &QPushButton::clicked, this, &QDialog::accept);
    closeButton = new QPushButton(tr("Close"), this);
    closeButton->setObjectName(QStringLiteral("closeButton"));
    closeButton->setAutoDefault(false);
    connect(closeButton, &QPushButton::clicked, this, &QDialog::reject);

    auto* legend =
        new QLabel(tr("Marks: ? unseen, 1 learning, 2 familiar, 3 mastered (from your last five answers "
                      "about each president)."),
                   this);
    legend->setObjectName(QStringLiteral("legendLabel"));
    legend->setWordWrap(true);

    auto* lower = new QHBoxLayout;
    auto* tableColumn = new QVBoxLayout;
    auto* tableTitle = new QLabel(tr("Accuracy per kind of question"), this);
    tableTitle->setBuddy(categoryTable);
    tableColumn->addWidget(tableTitle);
    tableColumn->addWidget(categoryTable);
    auto* chartColumn = new QVBoxLayout;
    auto* chartTitle = new QLabel(tr("Final scores, in percent"), this);
    chartTitle->setBuddy(chart);
    chartColumn->addWidget(chartTitle);
    chartColumn->addWidget(chart, 1);
    // The table has four columns whose headings are whole words; the chart
    // needs less.
    lower->addLayout(tableColumn, 3);
    lower->addLayout(chartColumn, 2);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(practiceButton);
    buttons->addStretch();
    buttons->addWidget(closeButton);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(playerLabel);
    layout->addWidget(classLabel);
    layout->addWidget(problemLabel);
    layout->addWidget(presidentGrid, 3);
    layout->addWidget(legend);
    layout->addLayout(lower, 2);
    layout->addLayout(buttons);

    resize(twips(this, 13500), twips(this, 10500));
    centreOnScreen(this);
    presidentGrid->setFocus();
}

} // namespace brev
