#include "screens/questionwindows.h"

#include "screens/matchwindow.h"
#include "screens/multiplechoicewindow.h"
#include "screens/namemewindow.h"
#include "screens/oddoneoutwindow.h"
#include "screens/portraitmatchwindow.h"
#include "screens/quotationwindow.h"
#include "screens/sortwindow.h"

namespace brev {

std::unique_ptr<QuestionWindow> makeWindow(QuestionModel& question, const WindowParts& parts, const QString& dir,
                                           QWidget* parent)
{
    // Each screen's model is the one the table of question kinds makes for it.
    switch (question.screen()) {
    case Screen::MultipleChoice:
        return std::make_unique<MultipleChoiceWindow>(static_cast<MultipleChoiceModel&>(question), parts, parent);
    case Screen::Quotation:
        return std::make_unique<QuotationWindow>(static_cast<QuotationModel&>(question), parts, parent);
    case Screen::OddOneOut:
        return std::make_unique<OddOneOutWindow>(static_cast<OddOneOutModel&>(question), parts, parent);
    case Screen::Sorting:
        return std::make_unique<SortWindow>(static_cast<SortModel&>(question), parts, parent);
    case Screen::Matching:
        return std::make_unique<MatchWindow>(static_cast<MatchModel&>(question), parts, parent);
    case Screen::Portraits:
        return std::make_unique<PortraitMatchWindow>(static_cast<PortraitMatchModel&>(question), parts, dir, parent);
    case Screen::NameMe:
        return std::make_unique<NameMeWindow>(static_cast<NameMeModel&>(question), parts, dir, parent);
    case Screen::None:
        break;
    }
    return nullptr;
}

} // namespace brev
