#pragma once
// The program's own implementations of the seams.
#include "services/seams.h"

#include <memory>

namespace brev {

std::unique_ptr<RandomSource> makeRandom(quint64 seed);
std::unique_ptr<Messages> makeMessageBoxes();
std::unique_ptr<SoundPlayer> makeSoundEffects();
std::unique_ptr<Shell> makeDesktopShell();
std::unique_ptr<Clock> makeSystemClock();

// True when the file is a RIFF/WAVE file with 16-bit PCM samples.
bool isPcm16Wave(const QString& path);

} // namespace brev
