#pragma once
// The program's own implementations of the seams that need the window system
// or the sound library (the random source and the clock are in base/).
#include "base/seams.h"

#include <QLibrary>
#include <QSet>
#include <QStringList>
#include <memory>

namespace brev {

class SoundBackend;

// Plays wave files one at a time: an effect started while another is still
// playing stops that one. The playing is done by the sound library
// libbrevsound, loaded from the first of the folders that holds it when the
// first effect plays; without it no file can be played.
class SoundEffects : public SoundPlayer {
public:
    explicit SoundEffects(QStringList libraryDirs);
    SoundEffects(const SoundEffects&) = delete;
    SoundEffects& operator=(const SoundEffects&) = delete;
    ~SoundEffects() override;
    bool play(const QString& file) override;
    // Whether the effect of this file is playing now.
    bool isPlaying(const QString& file) const;

private:
    bool loadBackend();

    QStringList libraryDirs_;
    QLibrary library_;
    std::unique_ptr<SoundBackend> backend_;
    QSet<QString> waves_; // files found to be playable wave files
    bool tried_ = false;
};

std::unique_ptr<Messages> makeMessageBoxes();
std::unique_ptr<SoundPlayer> makeSoundEffects(const QStringList& libraryDirs);
std::unique_ptr<Shell> makeDesktopShell();

// True when the file is a RIFF/WAVE file with 16-bit PCM samples.
bool isPcm16Wave(const QString& path);

} // namespace brev
