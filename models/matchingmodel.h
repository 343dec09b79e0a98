#pragma once
// What both matching questions share: names on coloured bars, as many
// targets (descriptions or portraits), the last target always showing the
// last bar's record, and a board on which a bar counts where it is drawn
// (see MatchBoard). A screen adds what its targets show, its wrong-pair and
// score lines. Nothing here fails; a move that makes no sense changes nothing.
#include "models/matchboard.h"
#include "models/matchrules.h"
#include "models/questionmodel.h"

#include <QStringList>
#include <optional>

namespace brev {

class MatchingModel : public QuestionModel {
public:
    // bars: how many bars and targets; steps: the name lengths at which the
    // bars' type gets smaller.
    MatchingModel(ItemDraw& draw, int category, int bars, const FontSteps& steps)
        : QuestionModel(draw, category), board_(bars), steps_(steps), names_(bars)
    {}

    // Draws a record per bar, names the bars and shuffles the targets.
    bool load() override;

    int bars() const { return board_.size(); }
    // Bar k pressed, clicked or picked up: it becomes the bar being placed.
    void pickUp(int bar) { board_.pickUp(bar); }
    // The bar being placed is dropped on target p. Returns the bar that p
    // held and that goes back to its row (-1 for none); nothing when no bar
    // was picked up.
    std::optional<int> dropOn(int p) { return board_.drop(p); }
    // "Done": judges every target, nothing applied yet.
    Verdict judge() const;
    // Each target with the name that belongs to it.
    QString rightAnswer() const override;
    // The targets as displayed; each bar's president with his own target.
    // Written: the names by bar, and the bar each target shows.
    QuestionRecord unanswered() const override;

    const QString& name(int bar) const { return names_[bar]; }
    int barFontSize() const { return barFontSize_; }
    // Target p shows the record of bar order(p).
    int order(int p) const { return board_.order(p); }
    int placedBar(int p) const { return board_.placedBar(p); }
    // The target bar k rests on, or -1.
    int targetOf(int bar) const { return board_.targetOf(bar); }
    int selectedBar() const { return board_.pickedUp(); }

protected:
    // After the shuffle: build what the targets show, in display order.
    virtual void showTargets() {}
    // The result line for bar `placed` wrongly on target p, as the log writes
    // it or as the score screen shows it.
    virtual QString wrongPairLine(int placed, int p, Wording wording) const = 0;
    // What target p shows, in words, for the review.
    virtual QString targetText(int p) const = 0;
    // The target that shows bar k's record.
    int ownTarget(int bar) const;
    // The score screen's line for bar k left unplaced: where it belongs.
    virtual QString unplacedLine(int bar) const = 0;
    // The score line, and what a question with every pair right shows and plays.
    virtual void finish(Verdict& v, int correct) const = 0;
    virtual int possible() const = 0;

    MatchBoard board_;

private:
    QString pairLine(int p, const QString& name) const;
    FontSteps steps_;
    QStringList names_;
    int barFontSize_ = 18;
};

} // namespace brev
