// The game loop: a game of nquestions questions, the category draw and the
// dispatch of each category to the screen that asks it.
#include "store/gamelog.h"
#include "game/gameloop.h"
#include "store/settingsfile.h"
#include "store/context.h"

#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace brev {

namespace {

// An export ends when the screens have written nquestions questions;
// questions on screens without a form for the mode write nothing. When this
// many questions in a row add none, the selection cannot finish the export
// and the game stops instead of asking forever.
constexpr int kQuestionsWithoutProgress = 200;

QString categoryName(const AppContext& ctx, int category)
{
    if (category < 0 || category >= int(ctx.catnames.size()))
        return QString();
    return ctx.catnames[size_t(category)];
}

// Draws a category: 0..18 (the stored ones) with 0 raised to 1, so category 1 has twice the
// weight of the others; with bonus questions each bonus category joins with
// the weight of one ordinary category. Without them the draw is the same
// number for number as it always was.
int drawCategory(AppContext& ctx)
{
    constexpr int kOrdinary = kStoredCategories;
    const int choices = kOrdinary + (ctx.bonusQuestions ? int(kBonusCategories.size()) : 0);
    const int d = qBound(0, static_cast<int>(ctx.random->uniform() * double(choices)), choices - 1);
    if (d >= kOrdinary)
        return kBonusCategories[size_t(d - kOrdinary)];
    return d == 0 ? 1 : d;
}

} // namespace

QList<int> drawnCategories(const std::array<int, kCategories>& catenabled, bool bonusQuestions)
{
    QList<int> drawn;
    for (int k = 1; k <= kLastListedCategory; ++k)
        if (catenabled[size_t(k)] != 0)
            drawn << k;
    if (bonusQuestions)
        for (const int k : kBonusCategories)
            if (catenabled[size_t(k)] != 0)
                drawn << k;
    return drawn;
}

int adjustedScore(int score, int maxdif, int percent)
{
    // The product is a 16-bit value (computed wide, then held at the 16-bit
    // bounds, so no score can overflow it); the rest runs in double precision,
    // divide first, then multiply, and rounds half to even.
    const auto product = std::clamp<qint64>(qint64(score) * maxdif, -32768, 32767);
    const double adjusted = double(product) / 100.0 * double(percent);
    return static_cast<int>(std::nearbyint(adjusted));
}

Asked askquestion(AppContext& ctx, GameUi& ui, int category)
{
    ctx.game.category = category;
    const Screen screen = screenFor(category);
    const Asked asked = screen == Screen::None ? Asked::NoScreen : ui.openScreen(screen);
    // The question's header reaches the log only when the question was asked.
    if (asked == Asked::Yes)
        flushlog(ctx);
    else
        droplog(ctx);
    if (const auto problem = takeLogProblem(ctx))
        ui.tell(*problem);
    if (asked == Asked::NoScreen)
        ui.tell(QStringLiteral("No question set for ") + categoryName(ctx, category));
    return asked;
}

void nextquestion(AppContext& ctx, GameUi& ui)
{
    int asked = 0;
    ctx.game.questionsWritten = 0;
    int withoutProgress = 0;
    while (asked < ctx.settings.nquestions) {
        const int k = drawCategory(ctx);

        if (ctx.settings.catenabled[size_t(k)] != 0) {
            const bool exporting = ctx.game.onlineQuestionMode != 0
                                   || ctx.game.tabbedQuestionMode != 0;
            if (!exporting)
                holdlog(ctx, QStringLiteral("---- Question ") + QString::number(asked + 1), 2);
            const Asked outcome = askquestion(ctx, ui, k);
            const int before = asked;
            if (ctx.game.tabbedQuestionMode != 0) {
                asked = ctx.game.questionsWritten;
            } else if (outcome == Asked::LeftOut) {
                // A bonus category that cannot be filled: the game draws another.
            } else if (ctx.game.onlineQuestionMode == 0) {
                ++asked;
            } else if (outcome != Asked::Abandoned && hasOnlineForm(k)) {
                // An online question file holds only questions that were written:
                // not those given up, nor Name Me, which has no online form.
                ++asked;
            }
            if (exporting) {
                if (asked > before)
                    withoutProgress = 0;
                else if (++withoutProgress >= kQuestionsWithoutProgress)
                    return;
            }
        } else if (drawnCategories(ctx.settings.catenabled, ctx.bonusQuestions).isEmpty()) {
            ui.tell(QString::number(0)
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
    ui.tell(QStringLiteral("You scored ") + QString::number(g.score) + QStringLiteral(" out of ")
            + QString::number(g.possible) + QStringLiteral(" (") + QString::number(g.percent)
            + QStringLiteral("%)") + ctx.lb + QStringLiteral("Score adjusted for difficulty: ")
            + QString::number(adjusted));
    ui.enterHof(adjusted, QStringLiteral("brev"), g.percent, 0);
}

} // namespace brev
