#pragma once
// Reading the system's font configuration is the slowest step of the first
// text a window draws. A FontWarmUp reads it on a worker thread while the
// window system is being connected; the game's first font waits for it
// (awaitFontWarmUp) instead of reading the configuration a second time.
// Create it before the application object; main thread only.
#include <thread>

namespace brev {

class FontWarmUp {
public:
    FontWarmUp();
    ~FontWarmUp();
    FontWarmUp(const FontWarmUp&) = delete;
    FontWarmUp& operator=(const FontWarmUp&) = delete;

private:
    friend void awaitFontWarmUp();
    std::thread worker_;
};

// Returns once the running warm-up, if any, has finished.
void awaitFontWarmUp();

} // namespace brev
