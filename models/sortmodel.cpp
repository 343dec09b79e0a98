#include "models/sortmodel.h"

#include "store/gamelog.h"
#include "store/pickitems.h"
#include "store/texts.h"
#include "store/context.h"

#include <utility>

namespace brev {

namespace {
constexpr int kInOrderCredit = 4;
constexpr int kOutOfOrderCredit = -1;
constexpr int kPlayLevel = 1;
constexpr int kExportLevel = 4;
} // namespace

bool SortModel::load()
{
    for (int k = 0; k < kItems; ++k) {
        if (pickitems(ctx_, k) <= 0)
            return false;
    }
    heading_ = getquestion(ctx_, TextKind::SortTitle, 0, category());
    return true;
}

QString SortModel::logHeader() const
{
    return QStringLiteral("Sorting: ") + categoryName();
}

QStringList SortModel::exportLines() const
{
    if (ctx_.game.onlineQuestionMode == 0)
        return {};
    QStringList block{QStringLiteral("SORT"), categoryName()};
    block << lines();
    for (int k = 0; k < kItems; ++k)
        block << QString::number(sortKey(k));
    return block;
}

void SortModel::writeLoadLines()
{
    if (ctx_.game.onlineQuestionMode != 0) {
        for (const QString& line : exportLines())
            writelog(ctx_, line, kExportLevel);
        return;
    }
    writelog(ctx_, logHeader(), kPlayLevel);
    for (int k = 0; k < kItems; ++k)
        writelog(ctx_, getquestion(ctx_, TextKind::Item, ctx_.game.chosen[size_t(k)], 0), kPlayLevel);
}

QStringList SortModel::lines() const
{
    QStringList out;
    for (int k = 0; k < kItems; ++k)
        out << itemText(k);
    return out;
}

bool SortModel::pushUp(int line)
{
    if (line < 1 || line >= kItems)
        return false;
    auto& chosen = ctx_.game.chosen;
    std::swap(chosen[size_t(line - 1)], chosen[size_t(line)]);
    return true;
}

Verdict SortModel::judge() const
{
    const auto& chosen = ctx_.game.chosen;
    const QString& lb = ctx_.lb;
    Verdict v;
    v.heading = QStringLiteral("Results for ") + categoryName();
    v.results = QStringLiteral(" ");
    int correct = 0;
    int pairs = 0;
    for (int i = 0; i < kItems; ++i) {
        for (int j = i + 1; j < kItems; ++j) {
            const int upper = chosen[size_t(i)];
            const int lower = chosen[size_t(j)];
            if (sortKey(i) > sortKey(j)) {
                const QString text = getquestion(ctx_, TextKind::SortedPair, upper, lower);
                v.log << LogLine{text, kPlayLevel};
                v.results += lb + text;
                v.credits << Credit{upper, kOutOfOrderCredit} << Credit{lower, kOutOfOrderCredit};
            } else {
                ++correct;
                v.credits << Credit{upper, kInOrderCredit};
            }
            ++pairs;
        }
    }
    if (correct == pairs) {
        if (ctx_.game.onlineQuestionMode == 0)
            v.log << LogLine{QStringLiteral(" *** All Correct!"), kPlayLevel};
        v.results = QStringLiteral("*** All correct!");
    }
    v.points = correct;
    v.possible = pairs;
    v.results += lb + QStringLiteral("*** ") + QString::number(correct) + QStringLiteral(" of ")
                 + QString::number(pairs) + QStringLiteral(" correct ");
    return v;
}

QString SortModel::helpText()
{
    return QStringLiteral("Sort the items listed.  Click on a line to move that item up one level.  "
                          "When all are in position, click 'Done'");
}

int SortModel::sortKey(int line) const
{
    return getsortval(ctx_, ctx_.game.chosen[size_t(line)], category());
}

QString SortModel::itemText(int line) const
{
    return getquestion(ctx_, TextKind::Item, ctx_.game.chosen[size_t(line)], category());
}

} // namespace brev
