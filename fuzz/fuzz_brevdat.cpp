// brev.dat: a file that reads writes back to a file that reads to the same
// records; a file that does not read leaves the table as it was.
#include "fuzz/fuzzsupport.h"
#include "store/records.h"

using namespace brev;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = QString::fromLatin1(kDataFile);
    Records records;
    records.presidents.edit(3).name = QStringLiteral("Kept");
    records.linkbase = QStringLiteral("kept/");
    const auto before = records.presidents;

    fuzz::writeFile(file, fuzz::bytesOf(data, size));
    if (const auto error = readRecords(records, fuzz::path(file))) {
        FUZZ_CHECK(error->contains(file));
        FUZZ_CHECK(error->size() < 400);
        FUZZ_CHECK(records.presidents == before);
        FUZZ_CHECK(records.linkbase == QStringLiteral("kept/"));
        FUZZ_CHECK(records.inPlay() == 0);
        return 0;
    }
    FUZZ_CHECK(records.inPlay() == kRecords && records.loadedRecords() == kRecords);
    FUZZ_CHECK(records.presidents[0] == President{});
    FUZZ_CHECK(records.presidents[42] == President{});

    const QByteArray written = dataText(records);
    fuzz::writeFile(file, written);
    Records again;
    FUZZ_CHECK(!readRecords(again, fuzz::path(file)).has_value());
    FUZZ_CHECK(again.presidents == records.presidents);
    FUZZ_CHECK(again.linkbase == records.linkbase);
    FUZZ_CHECK(dataText(again) == written);
    return 0;
}
