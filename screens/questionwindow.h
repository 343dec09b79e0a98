#pragma once
// What every question window shares: the modal frame with its caption and
// colour, size memory in its slot, centring, the narrow-window rule, help and
// skip buttons, and handing a judgement on. A question window is built on a
// loaded model, lays out its controls from a twips table, shows what its
// model holds and forwards input to it.
#include "base/kindfacts.h"
#include "widgets/windowhelpers.h"

#include <QDialog>
#include <functional>

class QLabel;
class QPushButton;

namespace brev {

class Messages;
class Sounds;
class WindowSizes;
struct Verdict;

// What a question window uses besides its model: message boxes (help, a
// settings file that cannot be saved), sound effects for the moves, and the
// size memory.
struct WindowParts {
    Messages& messages;
    Sounds& sounds;
    WindowSizes& sizes;
};

class QuestionWindow : public QDialog {
    Q_OBJECT
public:
    // Called with a judgement while this window is still open: to apply it,
    // and, when the question is over, to show the score screen over this
    // window (which closes after).
    using Judged = std::function<void(const Verdict& verdict, bool scoreScreen)>;
    void onJudged(Judged judged) { judged_ = std::move(judged); }
    // A line along the window's bottom edge saying where the game stands
    // ("Question 3 of 10" and the running score); the window grows to hold
    // it, and its accessible description says the same.
    void showPosition(const QString& text);
    QLabel* positionLabel = nullptr;

protected:
    // caption exactly as the player sees it; client size in twips; an invalid
    // colour keeps the platform's background.
    QuestionWindow(const WindowParts& parts, int slot, const QString& caption, int clientWidth,
                   int clientHeight, const QColor& background, QWidget* parent);

    // The window cannot be made lower than its buttons need at their design
    // places (call after placing the controls): a size remembered for a
    // lower screen of the same slot, or a drag of the frame, cuts none off.
    // (Narrow windows stay allowed: they keep their last wide layout.)
    void keepButtonsReachable();
    // Restores the remembered size, centres the window and lays it out once;
    // call at the end of the subclass's constructor.
    void restoreSize();
    // Stores the window's size in its slot.
    void rememberSize();
    // The window's outer height in twips without the position line: the
    // height the design's layout fills.
    int layoutHeightTwips() const;
    // Centres the design's frame in the part of the window above the position line.
    void centreDesignFrame(QWidget* frame) { centreFrame(frame, this, positionHeight_); }
    // The size-change layout: runs on every size change and once on load.
    virtual void layoutControls() = 0;

    // A button that shows a help text, and the "skip" button.
    void wireHelp(QPushButton* button, const QString& text);
    void wireSkip(QPushButton* button);
    // Claims the one answer a question takes: false when it has been answered already.
    bool takeAnswer();
    bool answered() const { return answered_; }
    // Hands the judgement on (the score screen) and closes this window.
    void finish(const Verdict& verdict);
    // Hands on a judgement that needs no score screen; the window stays open.
    void applyOnly(const Verdict& verdict);
    void playSound(int n);
    // What the window tells a screen reader besides the position line (a
    // question whose state changes as it is played); the accessible
    // description says both.
    void describeState(const QString& state);

    void resizeEvent(QResizeEvent* event) override;

    WindowParts parts_;

private:
    void placePosition();
    void describe();

    int slot_;
    int positionHeight_ = 0; // pixels below the design area
    QString state_;
    bool answered_ = false;
    bool laidOut_ = false;
    Judged judged_;
};

} // namespace brev
