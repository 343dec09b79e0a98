#include "app/gameui.h"

#include "hof/HOF.h"
#include "screens/NameMe.h"
#include "screens/mchoice.h"
#include "screens/qsort.h"
#include "screens/qoddout.h"
#include "screens/quote.h"
#include "screens/imatch.h"
#include "screens/qmatch.h"
#include "store/context.h"
#include "setup/setup.h"

namespace brev {

WindowGameUi::WindowGameUi(AppContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}

Asked WindowGameUi::openScreen(Screen screen)
{
    const Asked asked = openWindow(screen);
    // One of the player's categories ran out of records; the player was told:
    // the setup screen lets them choose others.
    if (asked == Asked::Abandoned)
        showSetup();
    return asked;
}

Asked WindowGameUi::openWindow(Screen screen)
{
    switch (screen) {
    case Screen::MultipleChoice:
        return mchoice(ctx_, parent_).ask();
    case Screen::NameMe:
        return NameMe(ctx_, parent_).ask();
    case Screen::Sorting:
        return qsort(ctx_, parent_).ask();
    case Screen::OddOneOut:
        return qoddout(ctx_, parent_).ask();
    case Screen::Quotation:
        return quote(ctx_, parent_).ask();
    case Screen::Matching:
        return qmatch(ctx_, parent_).ask();
    case Screen::Portraits:
        return imatch(ctx_, parent_).ask();
    default:
        return Asked::NoScreen;
    }
}

void WindowGameUi::showSetup()
{
    setup window(ctx_, parent_);
    window.exec();
}

// The player's name is read from playername after the name entry has set it.
void WindowGameUi::enterHof(int adjusted, const QString& game, int percent, const QString&, int flag)
{
    HofDialogs windows(ctx_, parent_);
    brev::enterHof(ctx_, windows, adjusted, game, percent, flag);
}

} // namespace brev
