#include "models/matchmodel.h"

#include "store/sounds.h"

namespace brev {

void MatchModel::showTargets()
{
    question_ = text(TextKind::Question, 0, category());
    for (int k = 0; k < kBars; ++k)
        answers_[size_t(k)] = text(TextKind::Answer, chosen_[size_t(k)], category());
    for (int p = 0; p < kBars; ++p)
        descriptions_[size_t(p)] = answers_[size_t(order(p))];
}

QString MatchModel::shownDescription(int p) const
{
    return text(TextKind::Answer, chosen_[size_t(order(p))], category(), Wording::Shown);
}

QuestionRecord MatchModel::unanswered() const
{
    QuestionRecord r = MatchingModel::unanswered();
    r.written.question = question_;
    r.written.choices = QStringList(descriptions_.begin(), descriptions_.end());
    return r;
}

QString MatchModel::pressBar(int bar)
{
    if (bar < 0 || bar >= kBars)
        return {};
    pickUp(bar);
    return QString::number(bar) + QStringLiteral(" mousedown");
}

QString MatchModel::clickBar(int bar)
{
    if (bar < 0 || bar >= kBars)
        return {};
    pickUp(bar);
    return QString::number(bar) + QStringLiteral(" click");
}

QString MatchModel::wrongPairLine(int placed, int, Wording wording) const
{
    const QString answer = wording == Wording::Shown
                               ? text(TextKind::Answer, chosen_[size_t(placed)], category(), Wording::Shown)
                               : answers_[size_t(placed)];
    return name(placed) + QStringLiteral(" = ") + answer;
}

void MatchModel::finish(Verdict& v, int correct) const
{
    v.results += kLineBreak + tr("*** Scored %1 of %2").arg(v.record.points).arg(possible());
    if (correct == kBars) {
        v.results = tr("*** All correct!");
        v.sound = SfxCorrect;
        v.log << LogLine{QStringLiteral(" *** All correct!"), kExplainLevel, LineKind::AllCorrect};
    } else {
        v.sound = SfxWrong;
    }
}

QString MatchModel::helpText()
{
    return tr("Click on one of the colored bars at the top") + kLineBreak +
           tr("Then drag it down to the best match in the descriptions below") + kLineBreak + kLineBreak +
           tr("Or, click on a colored bar, then click on the proper definition") + kLineBreak + kLineBreak +
           tr("When all items are matched, click on 'done'");
}

} // namespace brev
