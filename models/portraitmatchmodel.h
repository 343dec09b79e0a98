#pragma once
// The portrait matching question: four names on coloured bars, four
// portraits, the last one always in place. A bar rests on at most one
// portrait, and a portrait holds the bar dropped on it last.
#include "models/matchingmodel.h"

namespace brev {

class PortraitMatchModel : public MatchingModel {
    Q_DECLARE_TR_FUNCTIONS(brev::PortraitMatchModel)
public:
    static constexpr int kBars = 4;

    PortraitMatchModel(ItemDraw& draw, int category, RunMode mode)
        : MatchingModel(draw, category, mode, kBars, kPortraitFontSteps)
    {
    }

    // "Match " and the category's name.
    QString logHeader() const override { return QStringLiteral("Match ") + categoryName(); }
    // The online block: "IMATCH", the category, the names, then per portrait
    // position its answer digit and picture file. No tabbed form.
    QStringList exportLines() const override;

    // Picture file name (in the program directory) of portrait position p.
    QString pictureFile(int p) const;
    int imageOrder(int p) const { return order(p); }
    // The portrait bar k rests on, or -1.
    int portraitOf(int k) const { return targetOf(k); }

    static QString helpText();

protected:
    QString wrongPairLine(int placed, int p, Wording wording) const override;
    // Where the unplaced bar's portrait is in the grid.
    QString unplacedLine(int k) const override;
    QString targetText(int p) const override;
    void finish(Verdict& v, int correct) const override;
    int possible() const override { return 8; }
};

} // namespace brev
