#include "widgets/realseams.h"

#include "sound/soundbackend.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QPointer>
#include <QUrl>
#include <QtEndian>

namespace brev {

namespace {

QString boxTitle()
{
    return QStringLiteral("Brevallo Game");
}

// The box, then the keys back to the window it stood over: a window manager
// whose focus follows the pointer gives them to no window when the pointer
// rests where the box was.
int runBox(QMessageBox& box)
{
    const QPointer<QWidget> owner = box.parentWidget();
    const int answer = box.exec();
    if (owner && owner->isVisible())
        owner->activateWindow();
    return answer;
}

class MessageBoxes : public Messages {
public:
    void ok(const QString& text) override
    {
        QMessageBox box(QMessageBox::Information, boxTitle(), text, QMessageBox::Ok,
                        QApplication::activeWindow());
        box.setTextInteractionFlags(Qt::TextSelectableByMouse); // an address in it can be copied
        runBox(box);
    }
    bool yesNo(const QString& text) override
    {
        QMessageBox box(QMessageBox::Warning, boxTitle(), text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        return runBox(box) == QMessageBox::Yes;
    }
    bool question(const QString& title, const QString& text, bool defaultNo) override
    {
        QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Yes | QMessageBox::No,
                        QApplication::activeWindow());
        box.setDefaultButton(defaultNo ? QMessageBox::No : QMessageBox::Yes);
        return runBox(box) == QMessageBox::Yes;
    }
};

class DesktopShell : public Shell {
public:
    bool openUrl(const QString& address) override
    {
        const QUrl url = QUrl::fromUserInput(address, QString(), QUrl::AssumeLocalFile);
        return url.isValid() && QDesktopServices::openUrl(url);
    }
};

} // namespace

SoundEffects::SoundEffects(QStringList libraryDirs) : libraryDirs_(std::move(libraryDirs))
{}

// The effects go before the library that made them; the library itself stays
// loaded until the program ends.
SoundEffects::~SoundEffects() = default;

bool SoundEffects::loadBackend()
{
    if (tried_)
        return backend_ != nullptr;
    tried_ = true;
    QString why = QStringLiteral("it is not in %1").arg(libraryDirs_.join(QStringLiteral(", ")));
    for (const QString& dir : std::as_const(libraryDirs_)) {
        const QString file = QDir(dir).filePath(QString::fromLatin1(kSoundLibrary));
        if (!QFileInfo::exists(file))
            continue;
        library_.setFileName(file);
        const auto make = reinterpret_cast<MakeSoundBackend>(library_.resolve(kMakeSoundBackend));
        if (make) {
            backend_.reset(make());
            return true;
        }
        why = library_.errorString();
    }
    qWarning("brevallo: the sound library cannot be loaded, sound is off: %s", qPrintable(why));
    return false;
}

bool SoundEffects::play(const QString& file)
{
    if (!waves_.contains(file)) {
        if (!isPcm16Wave(file))
            return false;
        waves_.insert(file);
    }
    return loadBackend() && backend_->play(file);
}

bool SoundEffects::isPlaying(const QString& file) const
{
    return backend_ && backend_->isPlaying(file);
}

std::unique_ptr<Messages> makeMessageBoxes()
{
    return std::make_unique<MessageBoxes>();
}
std::unique_ptr<SoundPlayer> makeSoundEffects(const QStringList& libraryDirs)
{
    return std::make_unique<SoundEffects>(libraryDirs);
}
std::unique_ptr<Shell> makeDesktopShell()
{
    return std::make_unique<DesktopShell>();
}

bool isPcm16Wave(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return false;
    const QByteArray head = f.read(12);
    if (head.size() < 12 || !head.startsWith("RIFF") || head.mid(8, 4) != "WAVE")
        return false;
    // Walk the chunks until the format chunk.
    while (!f.atEnd()) {
        const QByteArray chunk = f.read(8);
        if (chunk.size() < 8)
            return false;
        const quint32 size = qFromLittleEndian<quint32>(chunk.constData() + 4);
        if (chunk.startsWith("fmt ")) {
            const QByteArray fmt = f.read(16);
            if (fmt.size() < 16)
                return false;
            const quint16 format = qFromLittleEndian<quint16>(fmt.constData());
            const quint16 bits = qFromLittleEndian<quint16>(fmt.constData() + 14);
            return format == 1 && bits == 16;
        }
        if (!f.seek(f.pos() + size + (size & 1)))
            return false;
    }
    return false;
}

} // namespace brev
