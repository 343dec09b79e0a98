#include "models/multiplechoicemodel.h"

#include "store/sounds.h"

#include <QtGlobal>
#include <algorithm>

namespace brev {

namespace {
constexpr int kPoints = 5;
} // namespace

bool MultipleChoiceModel::load()
{
    answerSlot_ = qBound(0, static_cast<int>(uniform() * 4.0), 3);
    for (int i = 0; i < 5; ++i) {
        const int record = pick(i);
        if (record <= 0)
            return false;
        choices_[size_t(i)] = choiceFor(record);
    }
    question_ = text(TextKind::Question, chosen_[size_t(answerSlot_)], category());
    return true;
}

QString MultipleChoiceModel::choiceFor(int record) const
{
    return text(TextKind::Answer, record, category());
}

QString MultipleChoiceModel::shownQuestion() const
{
    return text(TextKind::Question, chosen_[size_t(answerSlot_)], category(), Wording::Shown);
}

QuestionRecord MultipleChoiceModel::unanswered() const
{
    QuestionRecord r = QuestionModel::unanswered();
    r.shown = QStringList(choices_.begin(), choices_.end());
    r.items = {AskedItem{chosen_[size_t(answerSlot_)], r.question, {}, r.right, false}};
    r.written.question = question_;
    r.written.choices = r.shown;
    r.written.answer = answerSlot_;
    return r;
}

Verdict MultipleChoiceModel::choose(int i) const
{
    const int picked = std::clamp(i, 0, 4);
    Verdict v;
    QuestionRecord& r = v.record;
    r = unanswered();
    r.given = r.items[0].given = choices_[size_t(picked)];
    r.items[0].correct = picked == answerSlot_;
    r.possible = kPoints;
    v.heading = resultsHeading();
    if (r.items[0].correct) {
        r.points = kPoints;
        v.results = tr(" Correct, +5 pts");
        v.credits = {{chosen_[size_t(picked)], kRightCredit}};
        v.sound = SfxCorrect;
    } else {
        v.results = tr("Sorry, the answer was %1").arg(r.right);
        v.log = {{question_ + QLatin1Char(' ') + choices_[size_t(answerSlot_)], kPlayLevel}};
        v.credits = {{chosen_[size_t(picked)], kWrongCredit}, {chosen_[size_t(answerSlot_)], kWrongCredit}};
        v.sound = SfxWrong;
    }
    return v;
}

QString MultipleChoiceModel::helpText()
{
    return tr("Click on the best description.") + kLineBreak +
           tr("Click on skip to move to the next question");
}

} // namespace brev
