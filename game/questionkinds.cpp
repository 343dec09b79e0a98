#include "game/questionkinds.h"

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
QuestionKind kind(Screen screen)
{
    return {kindFacts(screen), &modelOf<Model>};
}

std::array<QuestionKind, kKindFacts.size()> table{{
    kind<MultipleChoiceModel>(Screen::MultipleChoice),
    kind<QuotationModel>(Screen::Quotation),
    kind<OddOneOutModel>(Screen::OddOneOut),
    kind<SortModel>(Screen::Sorting),
    kind<MatchModel>(Screen::Matching),
    kind<PortraitMatchModel>(Screen::Portraits),
    kind<NameMeModel>(Screen::NameMe),
}};

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

std::unique_ptr<QuestionModel> makeQuestion(Screen screen, ItemDraw& draw, int category, int maxdif)
{
    const QuestionKind* k = entry(screen);
    return k ? k->makeModel(draw, category, maxdif) : nullptr;
}

} // namespace brev
