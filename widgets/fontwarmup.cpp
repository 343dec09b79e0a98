#include "widgets/fontwarmup.h"

#include <fontconfig/fontconfig.h>

namespace brev {

namespace {
FontWarmUp* running = nullptr;
} // namespace

// Qt's font database calls FcInit() too; it then finds the configuration
// loaded here. fontconfig makes concurrent first calls safe.
FontWarmUp::FontWarmUp() : worker_([] { FcInit(); })
{
    running = this;
}

FontWarmUp::~FontWarmUp()
{
    awaitFontWarmUp();
    running = nullptr;
}

void awaitFontWarmUp()
{
    if (running && running->worker_.joinable())
        running->worker_.join();
}

} // namespace brev
