#include "models/sortmodel.h"

#include <algorithm>
#include <utility>

namespace brev {

namespace {
constexpr int kInOrderCredit = 4;
constexpr int kOutOfOrderCredit = -1;
} // namespace

bool SortModel::load()
{
    for (int k = 0; k < kItems; ++k) {
        if (pick(k) <= 0)
            return false;
    }
    heading_ = text(TextKind::SortTitle, 0, category(), Wording::Shown);
    return true;
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
    std::swap(chosen_[size_t(line - 1)], chosen_[size_t(line)]);
    return true;
}

std::pair<int, int> SortModel::rightLines(int key) const
{
    int below = 0;
    int equal = 0;
    for (int k = 0; k < kItems; ++k) {
        below += keyOf(k) < key ? 1 : 0;
        equal += keyOf(k) == key ? 1 : 0;
    }
    return {below, below + equal - 1};
}

QuestionRecord SortModel::unanswered() const
{
    QuestionRecord r = QuestionModel::unanswered();
    r.shown = lines();
    for (int k = 0; k < kItems; ++k) {
        const auto [first, last] = rightLines(keyOf(k));
        const QString right = first == last ? tr("place %1").arg(first + 1)
                                            : tr("places %1 to %2").arg(first + 1).arg(last + 1);
        r.items << AskedItem{chosen_[size_t(k)], r.shown[k], {}, right, false};
        r.written.names << text(TextKind::Item, chosen_[size_t(k)], 0);
        r.written.sortKeys << keyOf(k);
    }
    r.written.choices = r.shown;
    return r;
}

Verdict SortModel::judge() const
{
    const Chosen& chosen = chosen_;
    const QString& lb = kLineBreak;
    Verdict v;
    QuestionRecord& r = v.record;
    r = unanswered();
    r.given = r.shown.join(kLineBreak);
    for (int k = 0; k < kItems; ++k) {
        const auto [first, last] = rightLines(keyOf(k));
        r.items[k].given = tr("place %1").arg(k + 1);
        r.items[k].correct = first <= k && k <= last;
    }
    v.heading = resultsHeading();
    v.results = QStringLiteral(" ");
    int correct = 0;
    int pairs = 0;
    for (int i = 0; i < kItems; ++i) {
        for (int j = i + 1; j < kItems; ++j) {
            const int upper = chosen[size_t(i)];
            const int lower = chosen[size_t(j)];
            if (keyOf(i) > keyOf(j)) {
                v.log << LogLine{text(TextKind::SortedPair, upper, lower), kPlayLevel};
                v.results += lb + text(TextKind::SortedPair, upper, lower, Wording::Shown);
                v.credits << Credit{upper, kOutOfOrderCredit} << Credit{lower, kOutOfOrderCredit};
            } else {
                ++correct;
                v.credits << Credit{upper, kInOrderCredit};
            }
            ++pairs;
        }
    }
    if (correct == pairs) {
        v.log << LogLine{QStringLiteral(" *** All Correct!"), kPlayLevel, LineKind::AllCorrect};
        v.results = tr("*** All correct!");
    }
    r.points = correct;
    r.possible = pairs;
    v.results += lb + tr("*** %1 of %2 correct ").arg(correct).arg(pairs);
    return v;
}

QString SortModel::helpText()
{
    return tr("Sort the items listed.  Click on a line to move that item up one level.  "
              "When all are in position, click 'Done'");
}

int SortModel::keyOf(int line) const
{
    return sortKey(records(), chosen_[size_t(line)], category());
}

QString SortModel::itemText(int line) const
{
    return text(TextKind::Item, chosen_[size_t(line)], category());
}

QString SortModel::rightAnswer() const
{
    std::array<int, kItems> lines{0, 1, 2, 3, 4};
    std::stable_sort(lines.begin(), lines.end(), [this](int a, int b) { return keyOf(a) < keyOf(b); });
    QStringList right;
    for (int line : lines)
        right << itemText(line);
    return right.join(kLineBreak);
}

} // namespace brev
