#pragma once
// The sorting question: five items drawn for a sorting category, put in
// ascending order of their sort keys by pushing items up one line at a time.
// The order lives in the question's chosen slots 0..4 (line k shows
// chosen()[k]); judging looks at all ten pairs of lines.
#include "models/questionmodel.h"
#include "models/verdict.h"

#include <utility>

namespace brev {

class SortModel : public QuestionModel {
    Q_DECLARE_TR_FUNCTIONS(brev::SortModel)
public:
    static constexpr int kItems = 5;

    using QuestionModel::QuestionModel;

    // Draws the five items in slots 0..4 and builds the heading.
    bool load() override;

    // The heading: what to sort by, as the player sees it.
    const QString& heading() const { return heading_; }
    // The five lines of the list in their current order.
    QStringList lines() const;
    // Line k (1..4) moves up one place; line 0 (or anything outside the list)
    // stays. True when the order changed.
    bool pushUp(int line);

    // All ten pairs judged; equal keys are in order either way round.
    Verdict judge() const;
    QString reviewQuestion() const override { return heading_; }
    // The five items in the right order.
    QString rightAnswer() const override;
    // The five lines in their current order, each president with his right
    // place (any of the places of items with his key). Written: the lines,
    // the presidents' names and the sort keys, in that order.
    QuestionRecord unanswered() const override;

    static QString helpText();

private:
    int keyOf(int line) const;
    // The lines (0..4) an item of the key may stand on in a right order.
    std::pair<int, int> rightLines(int key) const;
    QString itemText(int line) const;

    QString heading_;
};

} // namespace brev
