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

QString MatchingModel::pairLine(int p, const QString& name) const
{
    return QCoreApplication::translate("Review", "%1: %2").arg(targetText(p), name);
}

int MatchingModel::ownTarget(int bar) const
{
    for (int p = 0; p < bars(); ++p)
        if (order(p) == bar)
            return p;
    return -1;
}

QString MatchingModel::rightAnswer() const
{
    QStringList right;
    for (int p = 0; p < bars(); ++p)
        right << pairLine(p, names_[order(p)]);
    return right.join(kLineBreak);
}

QuestionRecord MatchingModel::unanswered() const
{
    QuestionRecord r = QuestionModel::unanswered();
    for (int p = 0; p < bars(); ++p)
        r.shown << targetText(p);
    for (int k = 0; k < bars(); ++k)
        r.items << AskedItem{chosen_[size_t(k)], names_[k], {}, targetText(ownTarget(k)), false};
    r.written.names = names_;
    for (int p = 0; p < bars(); ++p)
        r.written.barAt << order(p);
    return r;
}

Verdict MatchingModel::judge() const
{
    Verdict v;
    QuestionRecord& r = v.record;
    r = unanswered();
    QStringList given;
    for (int p = 0; p < bars(); ++p) {
        const int placed = board_.placedBar(p);
        given << pairLine(p,
                          placed >= 0 ? names_[placed] : QCoreApplication::translate("Review", "(nothing)"));
    }
    r.given = given.join(kLineBreak);
    v.heading = resultsHeading();
    int correct = 0;
    for (int k = 0; k < bars(); ++k) {
        AskedItem& item = r.items[k];
        const int target = board_.targetOf(k);
        if (target >= 0)
            item.given = targetText(target);
        item.correct = target >= 0 && board_.rightAt(target);
        if (item.correct) {
            v.credits << Credit{item.record, kRightCredit};
            ++correct;
        } else if (target >= 0) {
            v.credits << Credit{item.record, kWrongCredit};
            v.results += kLineBreak + wrongPairLine(k, target, Wording::Shown);
            v.log << LogLine{wrongPairLine(k, target, Wording::Written), kExplainLevel,
                             LineKind::Explanation};
        } else {
            v.results += kLineBreak + unplacedLine(k);
        }
    }
    r.points = correct * kPointsPerPair;
    r.possible = possible();
    finish(v, correct);
    return v;
}

} // namespace brev
