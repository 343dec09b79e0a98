#pragma once
// Services every window leans on: sound effects, number clamp, size memory.
#include "base/problem.h"
#include "base/state.h"

#include <QString>

namespace brev {

struct AppContext;

// Sound effects by number: the sound list decides what each sounds like.
enum Sfx {
    SfxBarPickedUp = 0,    // a bar held down to be dragged
    SfxBarClicked = 1,     // a bar clicked, or dropped on a portrait
    SfxBarDropped = 2,     // a bar dropped on a description
    SfxLetterFound = 3,    // a typed letter is in the hidden name
    SfxOddOneRight = 4,    // the odd one out found
    SfxCorrect = 5,        // a right answer
    SfxWrongPick = 6,      // a wrong odd one out, a letter not in the name
    SfxWrong = 8,          // a wrong answer, answers with errors, too many tries
    SfxHallOfFame = 9,     // a place in the hall of fame
};

// Reads the sound list into sndfiles; a list that cannot be read turns sound
// off and is a problem.
Problem getMedia(AppContext& ctx);
// Plays effect n when sound is on; a sound that cannot be played turns sound off.
void playsfx(AppContext& ctx, int n);

// Clamps value to lower, then to upper (upper wins when the bounds cross).
int checknumber(int value, int lower, int upper);

// Twips (1/1440 inch) and pixels at a given logical DPI.
int twipsToPixels(int twips, double dpi);
int pixelsToTwips(int pixels, double dpi);

// A window as size memory sees it: outer sizes in twips.
class SizedWindow {
public:
    virtual ~SizedWindow() = default;
    virtual int state() const = 0;
    virtual void setState(int state) = 0;
    virtual int widthTwips() const = 0;
    virtual int heightTwips() const = 0;
    // Set the outer width or height; each may raise the window's size event
    // synchronously when it changes the size.
    virtual void setWidthTwips(int width) = 0;
    virtual void setHeightTwips(int height) = 0;
    virtual qint32 backcolor() const = 0;
};

// Smallest stored size that a restore applies; anything smaller keeps the design size.
inline constexpr int kMinRestoreTwips = 1440;

// Restore sets the window from its slot; Save stores it (and writes the settings
// file, whose problem it returns). The score screen's slot is never restored or
// saved. A call made while another is changing the window is swallowed.
Problem sizeform(AppContext& ctx, SizedWindow& window, int slot, SizeMode mode);

} // namespace brev
