#include "gameflow/gameui.h"

#include "screens/imatch.h"
#include "screens/mchoice.h"
#include "screens/qmatch.h"
#include "services/context.h"
#include "setup/setup.h"

namespace brev {

WindowGameUi::WindowGameUi(AppContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}

Asked WindowGameUi::openScreen(Screen screen)
{
    switch (screen) {
    case Screen::MultipleChoice:
        return mchoice(ctx_, parent_).ask();
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

void WindowGameUi::enterHof(int, const QString&, int, const QString&, int)
{
    // The hall of fame takes final scores once its window exists.
}

} // namespace brev
