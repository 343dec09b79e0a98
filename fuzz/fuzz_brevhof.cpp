// brev.hof: the entries read from a hall of fame file (all of them, or those
// before the damage), written and read again, come back the same, and never
// more than 30 of them.
#include "fuzz/fuzzsupport.h"
#include "store/hoflist.h"

using namespace brev;

namespace {

bool sameEntry(const HofEntry& a, const HofEntry& b)
{
    return a.score == b.score && a.game == b.game && a.pct == b.pct && a.name == b.name
           && a.date == b.date && a.extra == b.extra;
}

std::unique_ptr<AppContext> readList()
{
    auto ctx = fuzz::freshContext();
    ctx->hoffile = QString::fromLatin1(kHofFile);
    getHOF(*ctx);
    return ctx;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = QString::fromLatin1(kHofFile);
    fuzz::writeFile(file, fuzz::bytesOf(data, size));
    const auto ctx = readList();
    FUZZ_CHECK(ctx->hofcount >= 0 && ctx->hofcount <= kHofPlaces);

    fuzz::writeFile(file, hofText(*ctx));
    const auto again = readList();
    FUZZ_CHECK(fuzz::messagesShown(*again) == 0 || ctx->hofcount == 0);
    FUZZ_CHECK(again->hofcount == ctx->hofcount);
    for (int i = 1; i <= ctx->hofcount; ++i)
        FUZZ_CHECK(sameEntry(again->hof[size_t(i)], ctx->hof[size_t(i)]));
    return 0;
}
