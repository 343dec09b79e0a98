#pragma once
// What every question window shares: the modal frame with its caption and
// colour, size memory in its slot, centring, the narrow-window rule, help and
// skip buttons, giving up a question whose category ran out, and the score
// screen after a judgement. A question window lays out its controls from a
// twips table, shows what its model holds and forwards input to it.
#include "game/gameloop.h"
#include "widgets/windowhelpers.h"

#include <QDialog>

class QPushButton;

namespace brev {

struct AppContext;
struct Verdict;

class QuestionWindow : public QDialog {
    Q_OBJECT
public:
    // Shows the question modally unless loading gave it up.
    Asked ask();
    // Loading found too few records for the category: nothing was asked.
    bool abandoned() const { return abandoned_; }

protected:
    // caption exactly as the player sees it; client size in twips; an invalid
    // colour keeps the platform's background.
    QuestionWindow(AppContext& ctx, int slot, const QString& caption, int clientWidth,
                   int clientHeight, const QColor& background, QWidget* parent);

    // The window cannot be made lower than its buttons need at their design
    // places (call after placing the controls): a size remembered for a
    // lower screen of the same slot, or a drag of the frame, cuts none off.
    // (Narrow windows stay allowed: they keep their last wide layout.)
    void keepButtonsReachable();
    // Restores the remembered size, centres the window and lays it out once;
    // call at the end of the subclass's constructor, before loading.
    void restoreSize();
    // Stores the window's size in its slot.
    void rememberSize();
    // Frames narrower than this keep the controls of the last wider layout.
    static bool isNarrow(int widthTwips) { return widthTwips < 3000; }
    // The size-change layout: runs on every size change and once on load.
    virtual void layoutControls() = 0;

    // Loading found too few records: ask() gives the question up instead of
    // showing it (see giveUpQuestion).
    void abandon();
    // A button that shows a help text, and the "skip" button.
    void wireHelp(QPushButton* button, const QString& text);
    void wireSkip(QPushButton* button);
    // Claims the one answer a question takes: false when the question was
    // given up or has been answered already.
    bool takeAnswer();
    bool answered() const { return answered_; }
    // Applies the judgement, shows the score screen and closes this window.
    void showResults(const Verdict& verdict);

    void resizeEvent(QResizeEvent* event) override;

    AppContext& ctx_;

private:
    int slot_;
    bool abandoned_ = false;
    bool answered_ = false;
    bool laidOut_ = false;
};

} // namespace brev
