// brev.hof: the entries read from a hall of fame file (all of them, or those
// before the damage), written and read again, come back the same, and never
// more than 30 of them.
#include "fuzz/fuzzsupport.h"
#include "base/state.h"
#include "store/hoflist.h"

using namespace brev;

namespace {

bool sameEntry(const HofEntry& a, const HofEntry& b)
{
    return a.score == b.score && a.game == b.game && a.pct == b.pct && a.name == b.name && a.date == b.date &&
           a.extra == b.extra;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = QString::fromLatin1(kHofFile);
    fuzz::writeFile(file, fuzz::bytesOf(data, size));
    HallOfFame hof(fuzz::path(file));
    hof.load();
    FUZZ_CHECK(hof.count >= 0 && hof.count <= kHofPlaces);

    fuzz::writeFile(file, hof.text());
    HallOfFame again(fuzz::path(file));
    const Problem problem = again.load();
    FUZZ_CHECK(!problem || hof.count == 0);
    FUZZ_CHECK(again.count == hof.count);
    for (int i = 1; i <= hof.count; ++i)
        FUZZ_CHECK(sameEntry(again.entries[size_t(i)], hof.entries[size_t(i)]));
    return 0;
}
