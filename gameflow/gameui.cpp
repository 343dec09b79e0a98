#include "gameflow/gameui.h"

#include "screens/NameMe.h"
#include "screens/mchoice.h"
#include "screens/qsort.h"
#include "screens/qoddout.h"
#include "screens/quote.h"
#include "services/context.h"
#include "setup/setup.h"

namespace brev {

WindowGameUi::WindowGameUi(AppContext& ctx, QWidget* parent) : ctx_(ctx), parent_(parent) {}

Asked WindowGameUi::openScreen(Screen screen)
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
