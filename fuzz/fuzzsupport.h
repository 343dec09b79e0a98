#pragma once
// What every fuzz harness shares: one temporary program directory, a sound
// player that plays nothing, and a check that stops the run.
#include "base/seams.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace brev::fuzz {

// The harness's own temporary directory, and a file in it.
const QString& directory();
QString path(const QString& name);

// A sound player that plays nothing.
class SilentSound : public SoundPlayer {
public:
    bool play(const QString&) override { return true; }
};

// Files in that directory.
void writeFile(const QString& name, const QByteArray& bytes);
QByteArray readFile(const QString& name);
void removeFile(const QString& name);

QByteArray bytesOf(const uint8_t* data, size_t size);

// Stops the run with the reason when a harness finds a broken rule; libFuzzer
// keeps the input that led here.
[[noreturn]] void broken(const char* rule);

} // namespace brev::fuzz

#define FUZZ_CHECK(condition)                                                                                \
    do {                                                                                                     \
        if (!(condition))                                                                                    \
            ::brev::fuzz::broken(#condition);                                                                \
    } while (false)
