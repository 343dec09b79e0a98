#include "game/questionkinds.h"

#include "game/questionlines.h"

#include "models/matchmodel.h"
#include "models/multiplechoicemodel.h"
#include "models/namememodel.h"
#include "models/oddoneoutmodel.h"
#include "models/portraitmatchmodel.h"
#include "models/quotationmodel.h"
#include "models/sortmodel.h"

#include <array>
#include <type_traits>

namespace brev {

namespace {

template <class Model>
std::unique_ptr<QuestionModel> modelOf(ItemDraw& draw, int category, int maxdif)
{
    if constexpr (std::is_constructible_v<Model, ItemDraw&, int, int>)
        return std::make_unique<Model>(draw, category, maxdif);
    else
        return std::make_unique<Model>(draw, category);
}

template <class Model>
constexpr HelpText helpOf()
{
    if constexpr (requires { Model::helpText(); })
        return &Model::helpText;
    else
        return nullptr;
}

template <class Model>
QuestionKind kind(Screen screen, LineWriter play, LineWriter online, LineWriter tabbed)
{
    return {kindFacts(screen), &modelOf<Model>, helpOf<Model>(), play, online, tabbed};
}

using namespace writers;

// clang-format off
std::array<QuestionKind, kKindFacts.size()> table{{
    //   model, screen                                 play log        online block           tabbed line
    kind<MultipleChoiceModel>(Screen::MultipleChoice, &choicePlay,    &multipleChoiceOnline, &multipleChoiceTabbed),
    kind<QuotationModel>(Screen::Quotation,           &choicePlay,    &quotationOnline,      &quotationTabbed),
    kind<OddOneOutModel>(Screen::OddOneOut,           &oddOneOutPlay, &oddOneOutOnline,      &oddOneOutTabbed),
    kind<SortModel>(Screen::Sorting,                  &sortPlay,      &sortOnline,           nullptr),
    kind<MatchModel>(Screen::Matching,                &matchPlay,     &matchOnline,          &matchTabbed),
    kind<PortraitMatchModel>(Screen::Portraits,       &portraitPlay,  &portraitOnline,       nullptr),
    // Name Me writes no line when it loads and has no form in a question file.
    kind<NameMeModel>(Screen::NameMe,                 nullptr,        nullptr,               nullptr),
}};
// clang-format on

QuestionKind* entry(Screen screen)
{
    for (QuestionKind& k : table)
        if (k.facts.screen == screen && screen != Screen::None)
            return &k;
    return nullptr;
}

} // namespace

std::span<const QuestionKind> questionKinds()
{
    return table;
}

const QuestionKind* questionKind(Screen screen)
{
    return entry(screen);
}

void setWindowMaker(Screen screen, WindowMaker make)
{
    if (QuestionKind* k = entry(screen))
        k->makeWindow = make;
}

QString kindHelp(Screen screen)
{
    const QuestionKind* k = entry(screen);
    return k && k->helpText ? k->helpText() : QString();
}

bool writtenIn(int category, RunMode mode)
{
    const QuestionKind* k = entry(screenFor(category));
    switch (mode) {
    case RunMode::Play: break;
    case RunMode::OnlineExport: return k && k->onlineLines;
    case RunMode::TabbedExport: return k && k->tabbedLines;
    }
    return false;
}

std::unique_ptr<QuestionModel> makeQuestion(Screen screen, ItemDraw& draw, int category, int maxdif)
{
    const QuestionKind* k = entry(screen);
    return k ? k->makeModel(draw, category, maxdif) : nullptr;
}

} // namespace brev
