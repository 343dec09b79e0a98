// The game loop: a game of nquestions questions, the category draw and the
// dispatch of each category to the screen that asks it.
#include "gameflow/gamelog.h"
#include "gameflow/trivia.h"
#include "services/context.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace brev {

namespace {

// In the tabbed export a game ends when the screens have written nquestions
// lines; questions on screens without a tabbed form write nothing. When this
// many questions in a row add no line, the selection cannot finish the
// export and the game stops instead of asking forever.
constexpr int kTabbedQuestionsWithoutProgress = 200;

QString categoryName(const AppContext& ctx, int category)
{
    if (category < 0 || category >= int(ctx.catnames.size()))
        return QString();
    return ctx.catnames[size_t(category)];
}

int enabledCount(const AppContext& ctx)
{
    int count = 0;
    for (int k = 1; k <= 18; ++k)
        if (ctx.settings.catenabled[size_t(k)] != 0)
            ++count;
    return count;
}

} // namespace

int adjustedScore(int score, int maxdif, int percent)
{
    // The product is a 16-bit value (computed wide, then held at the 16-bit
    // bounds, so no score can overflow it); the rest runs in double precision,
    // divide first, then multiply, and rounds half to even.
    const auto product = std::clamp<qint64>(qint64(score) * maxdif, -32768, 32767);
    const double adjusted = double(product) / 100.0 * double(percent);
    return static_cast<int>(std::nearbyint(adjusted));
}

Screen screenFor(int category)
{
    switch (category) {
    case 1: case 2: case 3:
        return Screen::MultipleChoice;
    case 4: case 5: case 6: case 7: case 8: case 9: case 10:
    case 23: case 24: case 26: case 27:
        return Screen::Matching;
    case 11:
        return Screen::Portraits;
    case 12: case 13: case 14: case 15: case 16: case 17: case 18: case 22:
        return Screen::Sorting;
    case 20: case 25:
        return Screen::OddOneOut;
    case 21:
        return Screen::NameMe;
    default:
        return Screen::None;
    }
}

void askquestion(AppContext& ctx, GameUi& ui, int category)
{
    ctx.game.category = category;
    const Screen screen = screenFor(category);
    if (screen == Screen::None || !ui.openScreen(screen))
        ctx.messages->ok(QStringLiteral("No question set for ") + categoryName(ctx, category));
}

void nextquestion(AppContext& ctx, GameUi& ui)
{
    int asked = 0;
    ctx.game.questionsWritten = 0;
    int withoutProgress = 0;
    while (asked < ctx.settings.nquestions) {
        // 0..18, with 0 raised to 1: category 1 has twice the weight of the others.
        int k = static_cast<int>(ctx.random->uniform() * 19.0);
        k = qBound(0, k, 18);
        if (k == 0)
            k = 1;

        if (ctx.settings.catenabled[size_t(k)] != 0) {
            const bool exporting = ctx.game.onlineQuestionMode != 0
                                   || ctx.game.tabbedQuestionMode != 0;
            if (!exporting)
                writelog(ctx, QStringLiteral("---- Question ") + QString::number(asked + 1), 2, 0);
            askquestion(ctx, ui, k);
            if (ctx.game.tabbedQuestionMode != 0) {
                if (ctx.game.questionsWritten > asked)
                    withoutProgress = 0;
                else if (++withoutProgress >= kTabbedQuestionsWithoutProgress)
                    return;
                asked = ctx.game.questionsWritten;
            } else {
                ++asked;
            }
        } else if (enabledCount(ctx) == 0) {
            ctx.messages->ok(QString::number(0)
                             + QStringLiteral("No questions possible with current selections.  "
                                              "Change difficulty levels or question types"));
            ui.showSetup();
        }
    }
}

void playgame(AppContext& ctx, GameUi& ui)
{
    GameState& g = ctx.game;
    g.score = 0;
    g.possible = 0;
    nextquestion(ctx, ui);

    const int adjusted = adjustedScore(g.score, ctx.settings.maxdif, g.percent);
    ctx.messages->ok(QStringLiteral("You scored ") + QString::number(g.score)
                     + QStringLiteral(" out of ") + QString::number(g.possible)
                     + QStringLiteral(" (") + QString::number(g.percent) + QStringLiteral("%)")
                     + ctx.lb + QStringLiteral("Score adjusted for difficulty: ")
                     + QString::number(adjusted));
    ui.enterHof(adjusted, QStringLiteral("brev"), g.percent, ctx.settings.playername, 0);
}

} // namespace brev
