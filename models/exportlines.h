#pragma once
// The export lines of a multiple-choice question (online and tabbed forms),
// built without any window so that they can be checked on their own.
#include <QString>

namespace brev {

// Longest choice and question text the tabbed form takes without a marker.
inline constexpr int kTabbedChoiceLimit = 60;
inline constexpr int kTabbedQuestionLimit = 130;

// The answer line of the online form: the right choice's number 1..4 with a
// leading space, " 3".
QString onlineAnswerLine(int answerSlot);

// Collects the tabbed line while the screen fills its choices.
class TabbedQuestionLine {
public:
    // Choice i (0..4) got its caption; the fifth choice never joins the line.
    void addChoice(int i, const QString& caption);
    // question TAB choice 1..4 (each followed by TAB) answer number 1..4,
    // with "* ANS n TOO LONG * " (n = the first over-long choice, 1..4) and
    // "* Question TOO LONG * " in front when they apply, in that order.
    QString line(const QString& question, int answerSlot) const;
    bool tooLong() const { return tooLongChoice_ != 0; }

private:
    QString choices_;
    int tooLongChoice_ = 0;
};

} // namespace brev
