#pragma once
// The pieces both matching screens are built from: coloured name bars, the
// descriptions and portraits they are dropped on, and the one drag
// mechanism that moves a bar with the mouse (plain mouse events, so a drag
// is a press, moves and a release) or from the keyboard (Space or Enter on a bar
// picks it up, Space or Enter on a target drops it, Escape puts it down).
#include <QColor>
#include <QLabel>
#include <QList>
#include <QPixmap>
#include <QPoint>
#include <QWidget>

class QPainter;

namespace brev {

// A coloured bar showing one name, drawn as a raised button; sunken while it
// is picked up and waits for its target.
class NameBar : public QWidget {
    Q_OBJECT
public:
    NameBar(const QColor& colour, QWidget* parent = nullptr);
    void setText(const QString& text);
    // The name in the given type size.
    void setName(const QString& name, int pointSize);
    QString text() const { return text_; }
    QColor colour() const { return colour_; }
    void setHeld(bool held);
    bool held() const { return held_; }
    // What the bar rests on, for assistive tools; empty while it is at home.
    void setPlacedOn(const QString& where);
    QString placedOn() const { return placedOn_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    // Draws the name inside r; returns the rectangle the name takes.
    QRect drawName(QPainter& p, const QRect& r) const;

    QColor colour_;
    QString text_;
    QString placedOn_;
    bool held_ = false;
};

// A description label that takes keyboard focus and shows where it is. Its
// right end is the slot a bar rests in (marked while empty), so that a placed
// bar never covers the text; the text takes the rest, in the label's font or
// smaller until it fits whole.
class DescriptionLabel : public QLabel {
    Q_OBJECT
public:
    explicit DescriptionLabel(QWidget* parent = nullptr);
    // The slot's width in pixels, and the rectangle a bar takes in it.
    void setSlotWidth(int width);
    QRect slotRect(const QSize& bar) const;
    void setDescription(const QString& text);
    void setHolding(bool holding);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void fitText();

    QFont designed_;
    int slotWidth_ = 0;
    bool holding_ = false;
};

// A portrait stretched to the box's size; a picture that cannot be read
// leaves a framed empty placeholder.
class PortraitBox : public QWidget {
    Q_OBJECT
public:
    explicit PortraitBox(QWidget* parent = nullptr);
    // False when the file is missing or not a picture.
    bool setPicture(const QString& path);
    bool hasPicture() const { return !picture_.isNull(); }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture_;
};

// Tells assistive tools what a drop target holds: "Holds " and the name of
// the bar on it, or "Empty" when the name is empty.
void showHeldName(QWidget* target, const QString& name);

// Moves bars onto targets; every bar and target is a child of one area.
class BarDrag : public QObject {
    Q_OBJECT
public:
    // clickPlacing: a click on a bar (press and release without moving) keeps
    // it picked up, and a click on a target then drops it there.
    BarDrag(QWidget* area, bool clickPlacing);
    void addBar(NameBar* bar);
    void addTarget(QWidget* target);
    // The bar waiting for a target after a click or Space, or -1.
    int heldBar() const { return held_; }
    // What Space does on a bar, and on a target while a bar is picked up;
    // the accessible actions call these.
    void pickUp(int bar);
    bool dropOnTarget(int target);
    // Escape: the picked-up bar stays where it is and waits no more.
    void putDown() { hold(-1); }
    // The drag that moves bar or target w, or null.
    static BarDrag* of(const QWidget* w);
    int barIndex(const QWidget* w) const;
    int targetIndex(const QWidget* w) const;

signals:
    void barPressed(int bar);  // mouse button pressed on a bar
    void barClicked(int bar);  // released again without moving it
    void barPickedUp(int bar); // Space on a bar
    void dropped(int target);  // the bar being moved arrived on a target; released
                               // anywhere else, it goes back where it was

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool barEvent(int bar, QEvent* event);
    bool targetEvent(int target, QEvent* event);
    int targetAt(const QPoint& globalPos) const;
    void hold(int bar);

    QWidget* area_;
    bool clickPlacing_;
    QList<NameBar*> bars_;
    QList<QWidget*> targets_;
    int dragging_ = -1; // bar under the mouse button
    bool moved_ = false;
    QPoint pressGlobal_;
    QPoint startPos_;
    int held_ = -1; // bar waiting for a target
};

} // namespace brev
