#include "gameflow/gameui.h"

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

void WindowGameUi::enterHof(int, const QString&, int, const QString&, int)
{
    // The hall of fame takes final scores once its window exists.
}

} // namespace brev
