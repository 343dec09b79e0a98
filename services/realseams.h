#pragma once
// The program's own implementations of the seams.
#include "services/seams.h"

#include <QHash>
#include <memory>

class QSoundEffect;

namespace brev {

// Plays wave files through QSoundEffect, one at a time: an effect started
// while another is still playing stops that one. Each file is loaded once and
// kept ready.
class SoundEffects : public SoundPlayer {
public:
    SoundEffects() = default;
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;
    ~SoundEffects() override;
    bool play(const QString& file) override;
    // Whether the effect of this file is playing now.
    bool isPlaying(const QString& file) const;

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

std::unique_ptr<RandomSource> makeRandom(quint64 seed);
std::unique_ptr<Messages> makeMessageBoxes();
std::unique_ptr<SoundPlayer> makeSoundEffects();
std::unique_ptr<Shell> makeDesktopShell();
std::unique_ptr<Clock> makeSystemClock();

// True when the file is a RIFF/WAVE file with 16-bit PCM samples.
bool isPcm16Wave(const QString& path);

} // namespace brev
