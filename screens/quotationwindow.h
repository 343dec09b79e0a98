#pragma once
// The quotation screen: a quotation above the question, five names to the
// right; played and judged as the multiple-choice screen, whose size slot it
// shares.
#include "models/quotationmodel.h"
#include "screens/multiplechoicewindow.h"

class QPlainTextEdit;

namespace brev {

class QuotationWindow : public ChoiceWindow {
    Q_OBJECT
public:
    // Builds the window on a loaded question.
    QuotationWindow(QuotationModel& model, const WindowParts& parts, QWidget* parent = nullptr);

    QPlainTextEdit* quotationBox; // Text1

protected:
    void layoutControls() override;
};

} // namespace brev
