#pragma once
// The interface between the game and its sound library, libbrevsound. The
// library holds everything that needs Qt Multimedia, so that the game loads
// Qt Multimedia only when the first effect plays.
#include <QString>

namespace brev {

class SoundBackend {
public:
    virtual ~SoundBackend() = default;
    // Starts playing a 16-bit PCM wave file, stopping the effect still playing;
    // false when the file cannot be played.
    virtual bool play(const QString& file) = 0;
    // Whether the effect of this file is playing now.
    virtual bool isPlaying(const QString& file) const = 0;
};

// The library's one exported function; the caller owns the result.
using MakeSoundBackend = SoundBackend* (*)();
inline constexpr char kMakeSoundBackend[] = "brev_make_sound_backend";
inline constexpr char kSoundLibrary[] = "libbrevsound.so";

} // namespace brev
