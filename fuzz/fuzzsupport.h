#pragma once
// What every fuzz harness shares: a context whose program directory is one
// temporary directory, seams that do nothing, and a check that stops the run.
#include "store/context.h"

#include <QByteArray>
#include <QString>
#include <cstddef>
#include <cstdint>
#include <memory>

namespace brev::fuzz {

// A fresh context in the harness's own temporary directory; messages are
// counted, sounds never play, random numbers are fixed.
std::unique_ptr<AppContext> freshContext();
// Messages shown through the context's message seam so far.
int messagesShown(const AppContext& ctx);

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
