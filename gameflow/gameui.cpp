#include "gameflow/gameui.h"

#include "hof/HOF.h"
#include "screens/mchoice.h"
#include "services/context.h"
#include "setup/setup.h"

namespace brev {

WindowGameUi::WindowGameUi(AppContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}

bool WindowGameUi::openScreen(Screen screen)
{
    switch (screen) {
    case Screen::MultipleChoice: {
        mchoice window(ctx_, parent_);
        window.ask();
        return true;
    }
    default:
        return false;
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
