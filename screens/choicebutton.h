#pragma once
// The option button of the question screens: a coloured background, a caption
// that wraps onto several lines, and a focus mark when the keyboard is on it.
#include <QAbstractButton>
#include <QColor>

namespace brev {

// Checkable and exclusive among its siblings, like a radio button. A mouse
// press with any button raises picked, and so does Space on the focused
// button (Enter never does: no question screen acts on Enter). clicked follows
// the ordinary button rules (left button released over it, Space, or the arrow
// keys moving the selection on from a checked button). With carrySelection the arrow keys check the button they
// move to, so the keyboard player sees which choice Space would pick.
class ChoiceButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit ChoiceButton(const QColor& background, QWidget* parent = nullptr);
    void setBackground(const QColor& colour);
    QSize sizeHint() const override;
    void setCarrySelection(bool carry) { carrySelection_ = carry; }
    // Shows text as choice `index` (0-based) of `count`; assistive tools
    // read "Choice 3 of 5: text".
    void setChoice(int index, int count, const QString& text);

signals:
    void picked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QColor background_;
    bool carrySelection_ = false;
};

} // namespace brev
