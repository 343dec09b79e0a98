#include "rules/progresstable.h"

#include "rules/mastery.h"

#include <QStringList>
#include <algorithm>
#include <array>

namespace brev {

namespace {

constexpr int kColumns = 5;
using Row = std::array<QString, kColumns>;
// Which columns hold numbers: those are padded on the left.
constexpr std::array<bool, kColumns> kNumeric{true, false, true, true, false};

QString joined(const Row& row, const std::array<qsizetype, kColumns>& widths, TableForm form)
{
    QStringList cells;
    for (int c = 0; c < kColumns; ++c) {
        const QString& cell = row[size_t(c)];
        if (form == TableForm::Tabbed || c == kColumns - 1)
            cells << cell;
        else
            cells << (kNumeric[size_t(c)] ? cell.rightJustified(widths[size_t(c)])
                                          : cell.leftJustified(widths[size_t(c)]));
    }
    return cells.join(form == TableForm::Tabbed ? QStringLiteral("\t") : QStringLiteral("  ")) + u'\n';
}

} // namespace

QString progressTable(const QList<PresidentEntry>& set, const QList<PresidentHistory>& histories,
                      TableForm form)
{
    QList<Row> rows{{QStringLiteral("No"), QStringLiteral("President"), QStringLiteral("Answered"),
                     QStringLiteral("Right"), QStringLiteral("Mastery")}};
    for (const PresidentEntry& p : set) {
        const PresidentHistory* h = historyOf(histories, p.record);
        rows.append({QString::number(p.record), p.name, QString::number(h ? h->answered : 0),
                     QString::number(h ? h->right : 0), masteryKey(masteryOf(h).level)});
    }
    std::array<qsizetype, kColumns> widths{};
    for (const Row& row : rows)
        for (int c = 0; c < kColumns; ++c)
            widths[size_t(c)] = std::max(widths[size_t(c)], row[size_t(c)].size());
    QString out;
    for (const Row& row : rows)
        out += joined(row, widths, form);
    return out;
}

} // namespace brev
