#include "models/questionmodel.h"

#include "store/gamelog.h"
#include "store/context.h"

namespace brev {

namespace {
constexpr int kExportLevel = 4;
constexpr int kPlayLevel = 1;
} // namespace

int QuestionModel::category() const
{
    return ctx_.game.category;
}

QString QuestionModel::categoryName() const
{
    const int c = ctx_.game.category;
    return (c >= 0 && c < int(ctx_.catnames.size())) ? ctx_.catnames[size_t(c)] : QString();
}

void QuestionModel::writeLoadLines()
{
    GameState& g = ctx_.game;
    if (g.onlineQuestionMode == 0 && g.tabbedQuestionMode == 0) {
        writelog(ctx_, logHeader(), kPlayLevel);
        return;
    }
    const QStringList lines = exportLines();
    for (const QString& line : lines)
        writelog(ctx_, line, kExportLevel);
    if (g.onlineQuestionMode == 0 && !lines.isEmpty())
        ++g.questionsWritten;
}

std::optional<QString> giveUpQuestion(AppContext& ctx)
{
    droplog(ctx);
    ctx.game.chosen[0] = 0;
    const int c = ctx.game.category;
    const bool known = c >= 0 && c < kCategories;
    if (known)
        ctx.settings.catenabled[size_t(c)] = 0;
    if (known && !isListedCategory(c)) {
        ctx.game.bonusLeftOut[size_t(c)] = true;
        return std::nullopt;
    }
    const QString name = known ? ctx.catnames[size_t(c)] : QString();
    return QStringLiteral("Current set doesn't provide enough items for ") + name
           + QStringLiteral(". Use another question type or change difficulty level to include more.");
}

} // namespace brev
