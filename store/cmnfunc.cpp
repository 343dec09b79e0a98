#include "store/cmnfunc.h"

#include "store/settingsfile.h"
#include "store/context.h"
#include "base/textfile.h"

#include <QFile>
#include <algorithm>
#include <cmath>

namespace brev {

namespace {
constexpr int kListedSounds = 16;
} // namespace

Problem getMedia(AppContext& ctx)
{
    const QString list = ctx.path(ctx.sndlistfile);
    QFile f(list);
    if (!f.open(QIODevice::ReadOnly)) {
        ctx.settings.soundon = 0;
        return QStringLiteral("%1 %2%3getMedia %4")
            .arg(static_cast<int>(f.error()))
            .arg(f.errorString(), ctx.lb, ctx.sndlistfile);
    }
    ItemReader in(latin1Text(f.readAll()));
    f.close();
    for (int n = 0; n < kListedSounds; ++n) {
        const auto name = in.next();
        if (!name) {
            // A short list keeps the names it has.
            playsfx(ctx, SfxCorrect);
            return std::nullopt;
        }
        ctx.sndfiles[n] = *name;
    }
    return std::nullopt;
}

void playsfx(AppContext& ctx, int n)
{
    if (!ctx.settings.soundon || n < 0 || n >= static_cast<int>(ctx.sndfiles.size()))
        return;
    const QString& file = ctx.sndfiles[n];
    if (file.isEmpty() || !ctx.sound->play(ctx.path(file)))
        ctx.settings.soundon = 0;
}

int checknumber(int value, int lower, int upper)
{
    if (value < lower)
        value = lower;
    if (value > upper)
        value = upper;
    return value;
}

int twipsToPixels(int twips, double dpi)
{
    return static_cast<int>(std::lround(twips * dpi / 1440.0));
}

int pixelsToTwips(int pixels, double dpi)
{
    return dpi > 0 ? static_cast<int>(std::lround(pixels * 1440.0 / dpi)) : 0;
}

Problem sizeform(AppContext& ctx, SizedWindow& window, int slot, SizeMode mode)
{
    if (ctx.sizebusy) {
        ctx.sizebusy = false;   // the size event that our own change raised
        return std::nullopt;
    }
    if (slot == SlotScore || slot < 0 || slot >= kWindowSlots)
        return std::nullopt;
    Problem problem;
    ctx.sizebusy = true;
    WindowPlace& place = ctx.settings.windowplaces[slot];
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
        if (place.state != before.state || place.backcolor != before.backcolor
            || place.width != before.width || place.height != before.height)
            problem = savesettings(ctx);
    }
    ctx.sizebusy = false;
    return problem;
}

} // namespace brev
