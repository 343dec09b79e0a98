// brev.dat: a file that reads writes back to a file that reads to the same
// records; a file that does not read leaves the table as it was.
#include "fuzz/fuzzsupport.h"
#include "store/brevmain.h"

using namespace brev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = QString::fromLatin1(kDataFile);
    auto ctx = fuzz::freshContext();
    ctx->presidents.edit(3).name = QStringLiteral("Kept");
    ctx->linkbase = QStringLiteral("kept/");
    const auto before = ctx->presidents;

    fuzz::writeFile(file, fuzz::bytesOf(data, size));
    if (const auto error = readdata(*ctx, file)) {
        FUZZ_CHECK(error->contains(file));
        FUZZ_CHECK(error->size() < 400);
        FUZZ_CHECK(ctx->presidents == before);
        FUZZ_CHECK(ctx->linkbase == QStringLiteral("kept/"));
        FUZZ_CHECK(ctx->nrecords == 0);
        return 0;
    }
    FUZZ_CHECK(ctx->nrecords == kRecords);
    FUZZ_CHECK(ctx->presidents[0] == President{});
    FUZZ_CHECK(ctx->presidents[42] == President{});

    const QByteArray written = dataText(*ctx);
    fuzz::writeFile(file, written);
    auto again = fuzz::freshContext();
    FUZZ_CHECK(!readdata(*again, file).has_value());
    FUZZ_CHECK(again->presidents == ctx->presidents);
    FUZZ_CHECK(again->linkbase == ctx->linkbase);
    FUZZ_CHECK(dataText(*again) == written);
    return 0;
}
