#pragma once
// Size memory of the question windows: each window slot remembers the
// window's state and outer size (twips) in the settings, and a window opens
// at the size it last had. Saving writes the settings
// file when the size changed, and returns that file's problem.
#include "base/problem.h"
#include "base/state.h"

namespace brev {

class SettingsStore;

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

class WindowSizes {
public:
    explicit WindowSizes(SettingsStore& store) : store_(store) {}
    // Restore sets the window from its slot; Save stores it (and writes the
    // settings file). The score screen's slot is never restored or saved. A
    // call made while another is changing the window is swallowed.
    Problem apply(SizedWindow& window, int slot, SizeMode mode);

private:
    SettingsStore& store_;
    bool busy_ = false;
};

} // namespace brev
