#include "models/multiplechoicemodel.h"

#include "store/pickitems.h"
#include "store/texts.h"
#include "models/exportlines.h"
#include "store/cmnfunc.h"
#include "store/context.h"

#include <QtGlobal>

namespace brev {

namespace {
constexpr int kPoints = 5;
constexpr int kRightCredit = 4;
constexpr int kWrongCredit = -1;
} // namespace

bool MultipleChoiceModel::load()
{
    answerSlot_ = qBound(0, static_cast<int>(ctx_.random->uniform() * 4.0), 3);
    for (int i = 0; i < 5; ++i) {
        const int record = pickitems(ctx_, i);
        if (record <= 0)
            return false;
        choices_[size_t(i)] = choiceFor(record);
    }
    question_ = getquestion(ctx_, TextKind::Question, ctx_.game.chosen[size_t(answerSlot_)], category());
    return true;
}

QString MultipleChoiceModel::choiceFor(int record) const
{
    return getquestion(ctx_, TextKind::Answer, record, category());
}

QString MultipleChoiceModel::logHeader() const
{
    return QStringLiteral("Multiple Choice");
}

QStringList MultipleChoiceModel::exportLines() const
{
    const GameState& g = ctx_.game;
    if (g.onlineQuestionMode != 0) {
        QStringList block{QStringLiteral("MULT"), categoryName()};
        for (const QString& choice : choices_)
            block << choice;
        block << question_ << onlineAnswerLine(answerSlot_);
        return block;
    }
    if (g.tabbedQuestionMode != 0) {
        TabbedQuestionLine tabbed;
        for (int i = 0; i < 5; ++i)
            tabbed.addChoice(i, choices_[size_t(i)]);
        return {tabbed.line(question_, answerSlot_)};
    }
    return {};
}

Verdict MultipleChoiceModel::choose(int i) const
{
    const auto& chosen = ctx_.game.chosen;
    Verdict v;
    v.possible = kPoints;
    v.heading = QStringLiteral("Results for ") + categoryName();
    if (i == answerSlot_) {
        v.points = kPoints;
        v.results = QStringLiteral(" Correct, +5 pts");
        v.credits = {{chosen[size_t(i)], kRightCredit}};
        v.sound = SfxCorrect;
    } else {
        const QString& right = choices_[size_t(answerSlot_)];
        v.results = QStringLiteral("Sorry, the answer was ") + right;
        v.log = {{question_ + QLatin1Char(' ') + right, 1}};
        v.credits = {{chosen[size_t(i)], kWrongCredit}, {chosen[size_t(answerSlot_)], kWrongCredit}};
        v.sound = SfxWrong;
    }
    return v;
}

QString MultipleChoiceModel::helpText(const QString& lineBreak)
{
    return QStringLiteral("Click on the best description.") + lineBreak
           + QStringLiteral("Click on skip to move to the next question");
}

} // namespace brev
