// brevsnd.dat: the names read from a sound list, written one per line, read
// back the same; entry 16 is never filled.
#include "fuzz/fuzzsupport.h"
#include "base/state.h"
#include "store/sounds.h"

using namespace brev;

namespace {

// One name as the list can hold it: quoted, or bare when it holds a quote
// (a bare name the reader returned has no comma, line end or edge space).
// A bare name starts after a space, so that one beginning with the bytes of a
// byte-order mark is not taken for one at the start of the file.
QByteArray listLine(const QString& name)
{
    const QByteArray bytes = name.toLatin1();
    return (name.contains(u'"') ? ' ' + bytes : '"' + bytes + '"') + "\r\n";
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = QString::fromLatin1(kSoundListFile);
    fuzz::writeFile(file, fuzz::bytesOf(data, size));
    fuzz::SilentSound player;
    int soundOn = -1;
    Sounds sounds(player, soundOn, fuzz::directory());
    FUZZ_CHECK(!sounds.loadList(file));
    FUZZ_CHECK(sounds.files()[16].isEmpty());

    QByteArray list;
    for (int n = 0; n < 16; ++n)
        list += listLine(sounds.files()[size_t(n)]);
    fuzz::writeFile(file, list);
    int againOn = -1;
    Sounds again(player, againOn, fuzz::directory());
    FUZZ_CHECK(!again.loadList(file));
    FUZZ_CHECK(again.files() == sounds.files());
    return 0;
}
