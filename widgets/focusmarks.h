#pragma once
// Focus marks that show in every colour scheme the windows use: a ring
// around whichever control has the keyboard focus, for the whole program,
// and the mark on a list's current line; and Enter on a focused button.
// Nothing here fails.
#include <QStyledItemDelegate>

class QWidget;

namespace brev {

// From now on the control with the keyboard focus, in any window, is ringed:
// a dark band with a light inner edge just outside it, drawn above its
// neighbours. Call once the application object exists; later calls do nothing.
void installFocusRing();
// The control draws its own focus mark: the ring leaves it alone.
void drawsOwnFocusMark(QWidget* w);
// Whether the ring leaves w alone.
bool hasOwnFocusMark(const QWidget* w);
// From now on Enter presses the push button (or choice) that has the
// keyboard focus, as Space does, in every window; elsewhere (a text box, a
// list) Enter keeps its own meaning, and no window closes on Enter by itself.
// Call once the application object exists; later calls do nothing.
void installEnterPressesButtons();

// Draws the current line's mark (the style's own is faint, and some styles
// draw it only after a keyboard focus change) whenever the list has the focus.
class FocusMarkDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

} // namespace brev
