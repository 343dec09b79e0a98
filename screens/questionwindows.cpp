#include "screens/questionwindows.h"

#include "game/questionkinds.h"
#include "screens/matchwindow.h"
#include "screens/multiplechoicewindow.h"
#include "screens/namemewindow.h"
#include "screens/oddoneoutwindow.h"
#include "screens/portraitmatchwindow.h"
#include "screens/quotationwindow.h"
#include "screens/sortwindow.h"

#include <type_traits>

namespace brev {

namespace {

// The window of a kind on its model; a model of another type gets none.
template <class Model, class Window>
std::unique_ptr<QuestionWindow> windowOf(QuestionModel& question, const WindowParts& parts,
                                         const QString& dir, QWidget* parent)
{
    auto* model = dynamic_cast<Model*>(&question);
    if (!model)
        return nullptr;
    if constexpr (std::is_constructible_v<Window, Model&, const WindowParts&, const QString&, QWidget*>)
        return std::make_unique<Window>(*model, parts, dir, parent);
    else
        return std::make_unique<Window>(*model, parts, parent);
}

// Pairs the model a kind makes with its window, once.
template <class Model, class Window>
void registerWindow(Screen screen)
{
    setWindowMaker(screen, &windowOf<Model, Window>);
}

} // namespace

void registerQuestionWindows()
{
    registerWindow<MultipleChoiceModel, MultipleChoiceWindow>(Screen::MultipleChoice);
    registerWindow<QuotationModel, QuotationWindow>(Screen::Quotation);
    registerWindow<OddOneOutModel, OddOneOutWindow>(Screen::OddOneOut);
    registerWindow<SortModel, SortWindow>(Screen::Sorting);
    registerWindow<MatchModel, MatchWindow>(Screen::Matching);
    registerWindow<PortraitMatchModel, PortraitMatchWindow>(Screen::Portraits);
    registerWindow<NameMeModel, NameMeWindow>(Screen::NameMe);
}

std::unique_ptr<QuestionWindow> makeWindow(QuestionModel& question, const WindowParts& parts,
                                           const QString& dir, QWidget* parent)
{
    static const bool registered = (registerQuestionWindows(), true);
    (void)registered;
    const QuestionKind* kind = questionKind(question.screen());
    return kind && kind->makeWindow ? kind->makeWindow(question, parts, dir, parent) : nullptr;
}

} // namespace brev
