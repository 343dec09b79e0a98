#pragma once
// Window helpers shared by every window: twips geometry, centring, size
// memory, the help reader.
#include "base/state.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <initializer_list>
#include <span>

class QAbstractButton;
class QLabel;
class QPushButton;
class QWidget;

namespace brev {

class Messages;
class WindowSizes;

// Pixels for a length in twips at the widget's screen's logical DPI.
int twips(const QWidget* w, int twipsValue);
int toTwips(const QWidget* w, int pixels);
// Places a child at a design position given in twips (left, top, width, height).
void placeTwips(QWidget* child, int left, int top, int width, int height);
// One control's design place in twips, found by its object name.
struct TwipsPlace {
    const char* name;
    int left;
    int top;
    int width;
    int height;
};
// Places every named control of a window at its design place.
void placeControls(QWidget* window, std::span<const TwipsPlace> places);
// A push button with its object name and tooltip that never acts as the
// dialog's default button.
QPushButton* makeButton(QWidget* parent, const char* name, const QString& caption,
                        const QString& tip = QString());
// Asks assistive tools to speak w's name now: the player's last move changed it.
void announce(QWidget* w);
// A plain background colour for a window or control.
void fillBackground(QWidget* w, const QColor& colour);
// Outer (frame) size of a top-level window, in twips.
int outerWidthTwips(const QWidget* window);
int outerHeightTwips(const QWidget* window);
// The pixels a window keeps below its design area (a question window's
// position line) are held in this property; its remembered size leaves them out.
inline constexpr char kExtraHeightProperty[] = "brevExtraHeight";
// Sets the client size so that the outer size becomes the given twips.
void setOuterSizeTwips(QWidget* window, int width, int height);

// The faces the windows were drawn with: MS Serif, MS Sans Serif and Arial.
enum class DesignFace { Serif = 0, SansSerif = 1, Arial = 2 };
// A font of the given face and point size: the classic Windows face when it is
// installed, else the first installed similar family, resolved once per run.
QFont designFont(DesignFace face, double pointSize);
QFont designFont(bool serif, double pointSize);

// The font at the largest size, from its own down to `smallest` in steps of
// half a point, at which the text fits the room: on one line, or wrapped
// when `wrap` is set. At `smallest` when no size fits.
QFont fittedFont(QFont font, const QString& text, const QSize& room, bool wrap, double smallest = 7);

// A caption or label that does not fit its control in the designed type (a
// longer translation) is drawn smaller, half a point at a time down to
// `smallest` points; one that fits keeps the designed type. A label is
// measured wrapped when it wraps. Call after the control has its text and
// its place.
void fitCaption(QAbstractButton* button, double smallest = 7);
void fitCaption(QLabel* label, double smallest = 7);
// The width a button needs to draw its whole caption, and a button narrower
// than that growing to the right to hold it.
int captionWidth(const QAbstractButton* button);
void widenToCaption(QAbstractButton* button);
// A row of buttons, left to right: each grows to its caption, and a button
// that would then reach its right neighbour pushes it right, keeping the
// gap (pixels) between them that the design had.
void widenButtonRow(std::initializer_list<QAbstractButton*> row);

// Centres a window on its screen.
void centreOnScreen(QWidget* window);
// Remembers or restores a question window's size in its slot; a
// settings file that cannot be saved is told through `messages`.
void applyWindowSize(WindowSizes& sizes, Messages& messages, QWidget* window, int slot, SizeMode mode);
// Frames narrower than this (twips) keep the layout of the last wider one.
inline bool isNarrow(int widthTwips)
{
    return widthTwips < 3000;
}
// Centres a frame inside its window (outer window size), moved no further
// than the frame still fits inside the window's client area;
// the lowest `keepFree` pixels of the client area stay clear of it.
void centreFrame(QWidget* frame, QWidget* window, int keepFree = 0);
// Shrinks a frame that would reach past its window's client area, leaving
// `margin` pixels clear on each side.
void keepFrameInside(QWidget* frame, QWidget* window, int margin = 0);
// Shows a text file of the program directory (the help text) in the game's
// own reader: a window of its own, read-only and scrollable, closed with
// Escape or its Close button, maximised for style 3. It stays usable beside
// the modal dialog that opened it; asked again, the open reader comes to the
// front. A file that cannot be read is told in a message naming it. The
// file is the English one's translation ("brevhelp_de.txt" beside
// "brevhelp.txt") when the program directory holds one for the language shown;
// a language chosen while the reader is open shows in it at once.
void showHelpText(Messages& messages, const QString& englishPath, int style);

} // namespace brev
