#pragma once
// The portrait matching question: four names on bars, four portraits (see
// MatchingModel for what both matching screens share).
#include "models/matchingmodel.h"

namespace brev {

class PortraitMatchModel : public MatchingModel {
    Q_DECLARE_TR_FUNCTIONS(brev::PortraitMatchModel)
public:
    static constexpr int kBars = 4;

    PortraitMatchModel(ItemDraw& draw, int category)
        : MatchingModel(draw, category, kBars, kPortraitFontSteps)
    {}

    // Picture file name (in the program directory) of portrait position p.
    QString pictureFile(int p) const;
    // Written as well: the picture files.
    QuestionRecord unanswered() const override;

    static QString helpText();

protected:
    // "name placed on image of name".
    QString wrongPairLine(int placed, int p, Wording wording) const override;
    // Where the unplaced bar's portrait is in the grid.
    QString unplacedLine(int bar) const override;
    QString targetText(int p) const override;
    void finish(Verdict& v, int correct) const override;
    int possible() const override { return 8; }
};

} // namespace brev
