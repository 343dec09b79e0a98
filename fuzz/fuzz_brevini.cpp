// brev.INI: settings that load without complaint save to a file that loads to
// the same settings; a damaged file is kept whole as brev.INI.bad.
#include "fuzz/fuzzsupport.h"
#include "store/settingsstore.h"

using namespace brev;

namespace {

bool sameStored(const Settings& a, const Settings& b)
{
    return settingsText(a) == settingsText(b) && a.playername == b.playername &&
           a.playeremail == b.playeremail && a.bgpicture == b.bgpicture && a.nquestions == b.nquestions &&
           a.maxdif == b.maxdif && a.catenabled == b.catenabled;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString file = QString::fromLatin1(kSettingsFile);
    const QString kept = file + QStringLiteral(".bad");
    const QByteArray input = fuzz::bytesOf(data, size);
    fuzz::removeFile(kept);
    fuzz::writeFile(file, input);

    SettingsStore store(fuzz::directory());
    const Problem problem = store.load();
    const Settings& s = store.settings;
    // Whatever the file says, a game stays within what the setup screen allows.
    FUZZ_CHECK(s.nquestions >= 1 && s.nquestions <= 10);
    FUZZ_CHECK(s.mindif >= 1 && s.maxdif >= s.mindif && s.maxdif <= 3);
    if (problem) {
        FUZZ_CHECK(problem->contains(file));
        FUZZ_CHECK(fuzz::readFile(kept) == input);
        return 0;
    }

    FUZZ_CHECK(!store.save());
    SettingsStore again(fuzz::directory());
    FUZZ_CHECK(!again.load());
    FUZZ_CHECK(sameStored(again.settings, s));
    return 0;
}
