#include "app/gameui.h"

#include "hof/halloffamewindow.h"
#include "screens/namemewindow.h"
#include "screens/multiplechoicewindow.h"
#include "screens/sortwindow.h"
#include "screens/oddoneoutwindow.h"
#include "screens/quotationwindow.h"
#include "screens/portraitmatchwindow.h"
#include "screens/matchwindow.h"
#include "store/context.h"
#include "setup/setupdialog.h"

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
        return MultipleChoiceWindow(ctx_, parent_).ask();
    case Screen::NameMe:
        return NameMeWindow(ctx_, parent_).ask();
    case Screen::Sorting:
        return SortWindow(ctx_, parent_).ask();
    case Screen::OddOneOut:
        return OddOneOutWindow(ctx_, parent_).ask();
    case Screen::Quotation:
        return QuotationWindow(ctx_, parent_).ask();
    case Screen::Matching:
        return MatchWindow(ctx_, parent_).ask();
    case Screen::Portraits:
        return PortraitMatchWindow(ctx_, parent_).ask();
    default:
        return Asked::NoScreen;
    }
}

void WindowGameUi::showSetup()
{
    SetupDialog window(ctx_, parent_);
    window.exec();
}

void WindowGameUi::tell(const QString& text)
{
    ctx_.messages->ok(text);
}

// The player's name is read from playername after the name entry has set it.
void WindowGameUi::enterHof(int adjusted, const QString& game, int percent, int extra)
{
    HofDialogs windows(ctx_, parent_);
    brev::enterHof(ctx_, windows, adjusted, game, percent, extra);
}

} // namespace brev
