#include "store/windowsizes.h"

#include "store/settingsstore.h"

#include <algorithm>

namespace brev {

Problem WindowSizes::apply(SizedWindow& window, int slot, SizeMode mode)
{
    if (busy_) {
        busy_ = false; // the size event that our own change raised
        return std::nullopt;
    }
    if (slot == SlotScore || slot < 0 || slot >= kWindowSlots)
        return std::nullopt;
    Problem problem;
    busy_ = true;
    WindowPlace& place = store_.settings.windowplaces[size_t(slot)];
    if (mode == SizeMode::Restore) {
        // The size events of the restore may save into the slot: apply the
        // values it held when the restore began.
        const WindowPlace stored = place;
        // The width, then the height, then the state; a slot that never stored
        // a usable size keeps the design size, and no window opens minimised.
        // Of the size events the two changes raise, the first is swallowed and
        // the second saves the restored size.
        if (stored.width >= kMinRestoreTwips && stored.height >= kMinRestoreTwips) {
            window.setWidthTwips(stored.width);
            window.setHeightTwips(stored.height);
        }
        if (stored.state == 2)
            window.setState(2);
    } else {
        const WindowPlace before = place;
        place.state = window.state();
        place.backcolor = window.backcolor();
        place.width = std::clamp(window.widthTwips(), -32768, 32767);
        place.height = std::clamp(window.heightTwips(), -32768, 32767);
        // A window laid out again at the size it already had leaves the file
        // as it is: rewriting identical settings only costs the opening window
        // a synchronous disk write.
        if (place.state != before.state || place.backcolor != before.backcolor ||
            place.width != before.width || place.height != before.height)
            problem = store_.save();
    }
    busy_ = false;
    return problem;
}

} // namespace brev
