#include "game/questionkinds.h"

#include "models/matchmodel.h"
#include "models/multiplechoicemodel.h"
#include "models/namememodel.h"
#include "models/oddoneoutmodel.h"
#include "models/portraitmatchmodel.h"
#include "models/quotationmodel.h"
#include "models/sortmodel.h"

namespace brev {

std::unique_ptr<QuestionModel> makeQuestion(Screen screen, ItemDraw& draw, int category, int maxdif)
{
    switch (screen) {
    case Screen::MultipleChoice: return std::make_unique<MultipleChoiceModel>(draw, category);
    case Screen::Quotation: return std::make_unique<QuotationModel>(draw, category);
    case Screen::OddOneOut: return std::make_unique<OddOneOutModel>(draw, category);
    case Screen::Sorting: return std::make_unique<SortModel>(draw, category);
    case Screen::Matching: return std::make_unique<MatchModel>(draw, category);
    case Screen::Portraits: return std::make_unique<PortraitMatchModel>(draw, category);
    case Screen::NameMe: return std::make_unique<NameMeModel>(draw, category, maxdif);
    case Screen::None: break;
    }
    return nullptr;
}

} // namespace brev
