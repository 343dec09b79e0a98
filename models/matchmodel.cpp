#include "models/matchmodel.h"

#include "store/gamelog.h"
#include "store/pickitems.h"
#include "store/texts.h"
#include "models/exportlines.h"
#include "models/matchrules.h"
#include "store/cmnfunc.h"
#include "store/context.h"

namespace brev {

namespace {
constexpr int kPointsPerPair = 2;
constexpr int kPossible = 10;
constexpr int kRightCredit = 4;
constexpr int kWrongCredit = -1;
constexpr int kPlayLevel = 1;
constexpr int kExplainLevel = 2;
constexpr int kExportLevel = 4;
} // namespace

bool MatchModel::load()
{
    question_ = getquestion(ctx_, TextKind::Question, 0, category());
    QStringList names;
    board_.clear();
    for (int k = 0; k < kBars; ++k) {
        const int record = pickitems(ctx_, k);
        if (record <= 0)
            return false;
        names_[size_t(k)] = getquestion(ctx_, TextKind::Item, record, 0);
        names << names_[size_t(k)];
    }
    barFontSize_ = brev::barFontSize(names, kMatchFontSteps);
    for (int k = 0; k < kBars; ++k)
        answers_[size_t(k)] = getquestion(ctx_, TextKind::Answer, ctx_.game.chosen[size_t(k)], category());
    shuffleKeepingLast(*ctx_.random, board_.order());
    for (int p = 0; p < kBars; ++p)
        descriptions_[size_t(p)] = answers_[size_t(board_.order(p))];
    return true;
}

QString MatchModel::logHeader() const
{
    return categoryName();
}

QStringList MatchModel::exportLines() const
{
    const GameState& g = ctx_.game;
    if (g.onlineQuestionMode != 0) {
        QStringList block{QStringLiteral("MATCH"), categoryName()};
        for (const QString& name : names_)
            block << name;
        for (const QString& description : descriptions_)
            block << description;
        for (int p = 0; p < kBars; ++p)
            block << QString::number(board_.order(p) + 1);
        return block;
    }
    if (g.tabbedQuestionMode != 0) {
        QString line = question_ + QStringLiteral(" -- ") + answers_[0];
        if (line.size() > kTabbedQuestionLimit)
            line = QStringLiteral("* Question TOO LONG * ") + line;
        int answer = 0;
        for (int p = 0; p < kBars - 1; ++p) {
            const QString& name = names_[size_t(board_.order(p))];
            if (name.size() > kTabbedChoiceLimit)
                line = QStringLiteral("* TOO LONG * ") + line;
            line += QLatin1Char('\t') + name;
            if (board_.order(p) == 0)
                answer = p + 1;
        }
        return {line + QLatin1Char('\t') + QString::number(answer)};
    }
    return {};
}

void MatchModel::writeLoadLines()
{
    const GameState& g = ctx_.game;
    if (g.onlineQuestionMode == 0 && g.tabbedQuestionMode == 0) {
        writelog(ctx_, logHeader(), kPlayLevel);
        for (const QString& name : names_)
            writelog(ctx_, name, kPlayLevel);
        return;
    }
    if (g.tabbedQuestionMode != 0 && g.onlineQuestionMode == 0) {
        QuestionModel::writeLoadLines();
        return;
    }
    // The online block, with the names' play-log lines where the screen
    // writes them: after the names, before the descriptions.
    const QStringList block = exportLines();
    for (int i = 0; i < block.size(); ++i) {
        writelog(ctx_, block[i], kExportLevel);
        if (i == 1 + kBars && g.tabbedQuestionMode == 0) {
            for (const QString& name : names_)
                writelog(ctx_, name, kPlayLevel);
        }
    }
}

QString MatchModel::pressBar(int k)
{
    if (k < 0 || k >= kBars)
        return {};
    board_.pickUp(k);
    return QString::number(k) + QStringLiteral(" mousedown");
}

QString MatchModel::clickBar(int k)
{
    if (k < 0 || k >= kBars)
        return {};
    board_.pickUp(k);
    return QString::number(k) + QStringLiteral(" click");
}

Verdict MatchModel::judge() const
{
    const GameState& g = ctx_.game;
    const bool exporting = g.onlineQuestionMode != 0 || g.tabbedQuestionMode != 0;
    Verdict v;
    v.possible = kPossible;
    v.heading = QStringLiteral("Results for ") + categoryName();
    int correct = 0;
    for (int p = 0; p < kBars; ++p) {
        const int placed = board_.placedBar(p);
        if (board_.rightAt(p)) {
            v.credits << Credit{g.chosen[size_t(placed)], kRightCredit};
            ++correct;
        } else if (placed >= 0) {
            v.credits << Credit{g.chosen[size_t(placed)], kWrongCredit};
            const QString line = names_[size_t(placed)] + QStringLiteral(" = ") + answers_[size_t(placed)];
            v.results += ctx_.lb + line;
            if (!exporting)
                v.log << LogLine{line, kExplainLevel};
        }
    }
    v.points = correct * kPointsPerPair;
    v.results += ctx_.lb + QStringLiteral("*** Scored ") + QString::number(v.points) +
                 QStringLiteral(" of ") + QString::number(kPossible);
    if (correct == kBars) {
        v.results = QStringLiteral("*** All correct!");
        v.sound = SfxCorrect;
        if (!exporting)
            v.log << LogLine{QStringLiteral(" *** All correct!"), kExplainLevel};
    } else {
        v.sound = SfxWrong;
    }
    return v;
}

QString MatchModel::helpText(const QString& lb)
{
    return QStringLiteral("Click on one of the colored bars at the top") + lb +
           QStringLiteral("Then drag it down to the best match in the descriptions below") + lb + lb +
           QStringLiteral("Or, click on a colored bar, then click on the proper definition") + lb + lb +
           QStringLiteral("When all items are matched, click on 'done'");
}

} // namespace brev
