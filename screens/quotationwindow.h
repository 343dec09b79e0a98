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
    // Builds the window and loads the question.
    explicit QuotationWindow(AppContext& ctx, QWidget* parent = nullptr);

    QPlainTextEdit* Text1;   // the quotation

protected:
    void layoutControls() override;
};

} // namespace brev
