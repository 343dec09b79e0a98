#include "store/sounds.h"

#include "base/seams.h"
#include "base/textfile.h"

#include <QDir>
#include <QFile>

namespace brev {

namespace {
constexpr int kListedSounds = 16;
} // namespace

Problem Sounds::loadList(const QString& name)
{
    QFile f(QDir(dir_).filePath(name));
    if (!f.open(QIODevice::ReadOnly)) {
        soundOn_ = 0;
        return QStringLiteral("%1 %2\r\ngetMedia %3")
            .arg(static_cast<int>(f.error()))
            .arg(f.errorString(), name);
    }
    ItemReader in(latin1Text(f.readAll()));
    f.close();
    for (int n = 0; n < kListedSounds; ++n) {
        const auto file = in.next();
        if (!file) {
            // A short list keeps the names it has.
            play(SfxCorrect);
            return std::nullopt;
        }
        files_[size_t(n)] = *file;
    }
    return std::nullopt;
}

void Sounds::play(int n)
{
    if (!soundOn_ || n < 0 || n >= static_cast<int>(files_.size()))
        return;
    const QString& file = files_[size_t(n)];
    if (file.isEmpty() || !player_.play(QDir(dir_).filePath(file)))
        soundOn_ = 0;
}

} // namespace brev
