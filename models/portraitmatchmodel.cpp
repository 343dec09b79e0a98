#include "models/portraitmatchmodel.h"

#include "store/gamelog.h"
#include "store/brevmain.h"
#include "store/pickitems.h"
#include "store/texts.h"
#include "models/matchrules.h"
#include "store/cmnfunc.h"
#include "store/context.h"

namespace brev {

namespace {
constexpr int kPointsPerPair = 2;
constexpr int kPossible = 8;
constexpr int kRightCredit = 4;
constexpr int kWrongCredit = -1;
constexpr int kPlayLevel = 1;
constexpr int kExplainLevel = 2;
constexpr int kExportLevel = 4;
} // namespace

bool PortraitMatchModel::load()
{
    QStringList names;
    board_.clear();
    for (int k = 0; k < kBars; ++k) {
        const int record = pickitems(ctx_, k);
        if (record <= 0)
            return false;
        names_[size_t(k)] = getquestion(ctx_, TextKind::Item, record, 0);
        names << names_[size_t(k)];
    }
    barFontSize_ = brev::barFontSize(names, kPortraitFontSteps);
    shuffleKeepingLast(*ctx_.random, board_.order());
    return true;
}

QString PortraitMatchModel::logHeader() const
{
    return QStringLiteral("Match ") + categoryName();
}

QString PortraitMatchModel::pictureFile(int p) const
{
    return imagefile(ctx_, ctx_.game.chosen[size_t(board_.order(p))]);
}

QStringList PortraitMatchModel::exportLines() const
{
    if (ctx_.game.onlineQuestionMode == 0)
        return {};
    QStringList block{QStringLiteral("IMATCH"), categoryName()};
    for (const QString& name : names_)
        block << name;
    for (int p = 0; p < kBars; ++p)
        block << QString::number(board_.order(p) + 1) << pictureFile(p);
    return block;
}

void PortraitMatchModel::writeLoadLines()
{
    if (ctx_.game.onlineQuestionMode != 0) {
        for (const QString& line : exportLines())
            writelog(ctx_, line, kExportLevel);
        return;
    }
    // Play log, also while the tabbed export runs: this screen has no tabbed form.
    writelog(ctx_, logHeader(), kPlayLevel);
    for (const QString& name : names_)
        writelog(ctx_, name, kPlayLevel);
}

void PortraitMatchModel::pressBar(int k)
{
    board_.pickUp(k);
}

Verdict PortraitMatchModel::judge() const
{
    const GameState& g = ctx_.game;
    const bool online = g.onlineQuestionMode != 0;
    Verdict v;
    v.possible = kPossible;
    v.heading = QStringLiteral("Results for ") + categoryName();
    int correct = 0;
    for (int p = 0; p < kBars; ++p) {
        const int placed = board_.placedBar(p);
        const int shown = board_.order(p);
        if (board_.rightAt(p)) {
            v.credits << Credit{g.chosen[size_t(shown)], kRightCredit};
            ++correct;
        } else if (placed >= 0) {
            v.credits << Credit{g.chosen[size_t(placed)], kWrongCredit};
            const QString line =
                names_[size_t(placed)] + QStringLiteral(" placed on image of ") + names_[size_t(shown)];
            v.results += ctx_.lb + line;
            if (!online)
                v.log << LogLine{line, kExplainLevel};
        }
    }
    v.points = correct * kPointsPerPair;
    v.results += ctx_.lb + ctx_.lb + QStringLiteral("*** Scored ") + QString::number(correct) +
                 QStringLiteral(" of ") + QString::number(kBars);
    if (correct == kBars) {
        if (!online) {
            v.results = QStringLiteral("*** All correct!");
            v.log << LogLine{QStringLiteral(" *** All correct!"), kExplainLevel};
        }
        v.sound = SfxCorrect;
    } else {
        v.sound = SfxWrong;
    }
    return v;
}

QString PortraitMatchModel::helpText(const QString& lb)
{
    return QStringLiteral("Click on one of the colored bars") + lb +
           QStringLiteral("Then drag it to its picture") + lb + lb +
           QStringLiteral("When all items are matched, click on 'done'") + lb + lb +
           QStringLiteral("Resize window to change image size");
}

} // namespace brev
