#include "models/matchingmodel.h"

#include <QCoreApplication>

namespace brev {

namespace {
constexpr int kPointsPerPair = 2;
} // namespace

bool MatchingModel::load()
{
    board_.clear();
    for (int k = 0; k < bars(); ++k) {
        const int record = pick(k);
        if (record <= 0)
            return false;
        names_[k] = text(TextKind::Item, record, 0);
    }
    barFontSize_ = brev::barFontSize(names_, steps_);
    shuffleKeepingLast([this] { return uniform(); }, board_.order());
    showTargets();
    return true;
}

QList<LogLine> MatchingModel::playLines() const
{
    QList<LogLine> lines{{logHeader(), kPlayLevel}};
    for (const QString& name : names_)
        lines << LogLine{name, kPlayLevel};
    return lines;
}

QString MatchingModel::pairLine(int p, const QString& name) const
{
    return QCoreApplication::translate("Review", "%1: %2").arg(targetText(p), name);
}

QString MatchingModel::rightAnswer() const
{
    QStringList right;
    for (int p = 0; p < bars(); ++p)
        right << pairLine(p, names_[order(p)]);
    return right.join(kLineBreak);
}

Verdict MatchingModel::judge() const
{
    Verdict v;
    v.possible = possible();
    v.heading = resultsHeading();
    QStringList given;
    for (int p = 0; p < bars(); ++p) {
        const int placed = board_.placedBar(p);
        given << pairLine(p, placed >= 0 ? names_[placed] : QCoreApplication::translate("Review", "(nothing)"));
    }
    v.given = given.join(kLineBreak);
    int correct = 0;
    for (int p = 0; p < bars(); ++p) {
        const int placed = board_.placedBar(p);
        if (board_.rightAt(p)) {
            v.credits << Credit{chosen_[size_t(placed)], kRightCredit};
            ++correct;
        } else if (placed >= 0) {
            v.credits << Credit{chosen_[size_t(placed)], kWrongCredit};
            v.results += kLineBreak + wrongPairLine(placed, p, Wording::Shown);
            if (logsWrongPairs())
                v.log << LogLine{wrongPairLine(placed, p, Wording::Written), kExplainLevel};
        }
    }
    v.points = correct * kPointsPerPair;
    finish(v, correct);
    return v;
}

} // namespace brev
