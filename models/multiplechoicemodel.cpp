#include "models/multiplechoicemodel.h"

#include "models/exportlines.h"
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

QString MultipleChoiceModel::logHeader() const
{
    return QStringLiteral("Multiple Choice");
}

QStringList MultipleChoiceModel::exportLines() const
{
    if (mode() == RunMode::OnlineExport) {
        QStringList block{QStringLiteral("MULT"), categoryName()};
        for (const QString& choice : choices_)
            block << choice;
        block << question_ << onlineAnswerLine(answerSlot_);
        return block;
    }
    if (mode() == RunMode::TabbedExport) {
        TabbedQuestionLine tabbed;
        for (int i = 0; i < 5; ++i)
            tabbed.addChoice(i, choices_[size_t(i)]);
        return {tabbed.line(question_, answerSlot_)};
    }
    return {};
}

Verdict MultipleChoiceModel::choose(int i) const
{
    const Chosen& chosen = chosen_;
    Verdict v;
    v.possible = kPoints;
    v.heading = resultsHeading();
    v.given = choices_[size_t(std::clamp(i, 0, 4))];
    if (i == answerSlot_) {
        v.points = kPoints;
        v.results = tr(" Correct, +5 pts");
        v.credits = {{chosen[size_t(i)], kRightCredit}};
        v.sound = SfxCorrect;
    } else {
        const QString& right = choices_[size_t(answerSlot_)];
        v.results = tr("Sorry, the answer was %1").arg(right);
        v.log = {{question_ + QLatin1Char(' ') + right, kPlayLevel}};
        v.credits = {{chosen[size_t(i)], kWrongCredit}, {chosen[size_t(answerSlot_)], kWrongCredit}};
        v.sound = SfxWrong;
    }
    return v;
}

QString MultipleChoiceModel::helpText()
{
    return tr("Click on the best description.") + kLineBreak
           + tr("Click on skip to move to the next question");
}

} // namespace brev
