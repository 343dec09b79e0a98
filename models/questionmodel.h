#pragma once
// The display-free half of a question screen: it draws the question through
// the item draw it is given, for its category, holds the screen's state and
// the records it placed, gives the record of the loaded question (what the
// log and the question file write of it) and judges answers into a Verdict.
// It never knows which file will be written. Its window only shows what it
// holds and forwards input; the command-line export loads models with no
// window at all. Nothing here fails: a category that runs out of records
// makes load() return false, with nothing to write.
#include "base/categories.h"
#include "base/state.h"
#include "models/verdict.h"
#include "rules/itemdraw.h"
#include "rules/texts.h"

#include <QStringList>

namespace brev {

class QuestionModel {
    Q_DECLARE_TR_FUNCTIONS(brev::QuestionModel)
public:
    QuestionModel(ItemDraw& draw, int category) : draw_(draw), category_(category) {}
    virtual ~QuestionModel() = default;
    QuestionModel(const QuestionModel&) = delete;
    QuestionModel& operator=(const QuestionModel&) = delete;

    // Draws the records and builds every text of the question. False when the
    // records ran out for the category.
    virtual bool load() = 0;

    int category() const { return category_; }
    // The category's name as the files write it, or as the player sees it.
    QString categoryName(Wording wording = Wording::Written) const
    {
        return brev::categoryName(category_, wording);
    }
    Screen screen() const { return screenFor(category_); }
    // The records placed in the question, slot 0 the one it is about.
    const Chosen& chosen() const { return chosen_; }
    // For the review after the game: the question as the screen asked it,
    // and its right answer (one line per pair or place where there are several).
    virtual QString reviewQuestion() const { return categoryName(Wording::Shown); }
    virtual QString rightAnswer() const { return {}; }
    // The loaded question as a record before any answer: what it asked and
    // showed, as the player sees it and as the files write it, and each
    // president it asks about with his right answer. A judgement fills in the
    // answer and the points.
    virtual QuestionRecord unanswered() const
    {
        QuestionRecord r;
        r.screen = screen();
        r.category = category_;
        r.question = reviewQuestion();
        r.right = rightAnswer();
        return r;
    }
    // The record of the question left without an answer.
    QuestionRecord skipped() const
    {
        QuestionRecord r = unanswered();
        r.skipped = true;
        return r;
    }

protected:
    const Records& records() const { return draw_.records(); }
    // Fills one slot of chosen() with a record of the category that suits.
    int pick(int slot, PickRule rule = PickRule::NewText, const std::function<bool(int)>& suits = {})
    {
        return draw_.pick(category_, chosen_, slot, rule, suits);
    }
    // The next number of the draw's random source, for a shuffle.
    double uniform() { return draw_.uniform(); }
    // A text of this question and a record's field for the category, as the
    // files write them or as the player sees them.
    QString text(TextKind kind, int b, int c, Wording wording = Wording::Written) const
    {
        return questionText(records(), category_, kind, b, c, wording);
    }
    QString field(int record, Wording wording = Wording::Written) const
    {
        return fieldText(records(), record, category_, wording);
    }
    // "Results for " and the category's name: every score screen's heading.
    QString resultsHeading() const { return tr("Results for %1").arg(categoryName(Wording::Shown)); }

    ItemDraw& draw_;
    Chosen chosen_{};

private:
    int category_;
};

} // namespace brev
