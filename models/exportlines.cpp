#include "models/exportlines.h"

namespace brev {

QString onlineAnswerLine(int answerSlot)
{
    return QLatin1Char(' ') + QString::number(answerSlot + 1);
}

void TabbedQuestionLine::addChoice(int i, const QString& caption)
{
    if (i < 0 || i >= 4)
        return;
    choices_ += caption + QLatin1Char('\t');
    if (caption.size() > kTabbedChoiceLimit && tooLongChoice_ == 0)
        tooLongChoice_ = i + 1;
}

QString TabbedQuestionLine::line(const QString& question, int answerSlot) const
{
    QString out = question + QLatin1Char('\t') + choices_ + QString::number(answerSlot + 1);
    if (question.size() > kTabbedQuestionLimit)
        out = QStringLiteral("* Question TOO LONG * ") + out;
    if (tooLongChoice_ != 0)
        out =
            QStringLiteral("* ANS ") + QString::number(tooLongChoice_) + QStringLiteral(" TOO LONG * ") + out;
    return out;
}

} // namespace brev
