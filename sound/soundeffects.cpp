// libbrevsound: wave files played through QSoundEffect, one at a time.
#include "sound/soundbackend.h"

#include <QFileInfo>
#include <QHash>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Each file is loaded once and kept ready; an effect started while another
// is still playing stops that one.
class QtSoundEffects : public brev::SoundBackend {
public:
    QtSoundEffects() = default;
    QtSoundEffects(const QtSoundEffects&) = delete;
    QtSoundEffects& operator=(const QtSoundEffects&) = delete;
    ~QtSoundEffects() override { qDeleteAll(effects_); }

    bool play(const QString& file) override
    {
        QSoundEffect* effect = effects_.value(file);
        if (!effect) {
            effect = new QSoundEffect;
            effect->setSource(QUrl::fromLocalFile(QFileInfo(file).absoluteFilePath()));
            effects_.insert(file, effect);
        }
        if (effect->status() == QSoundEffect::Error)
            return false;
        // A new effect replaces the one still playing, itself included.
        if (current_ && current_->isPlaying())
            current_->stop();
        current_ = effect;
        effect->play();
        return true;
    }

    bool isPlaying(const QString& file) const override
    {
        const QSoundEffect* effect = effects_.value(file);
        return effect && effect->isPlaying();
    }

private:
    QHash<QString, QSoundEffect*> effects_;
    QSoundEffect* current_ = nullptr;
};

} // namespace

extern "C" Q_DECL_EXPORT brev::SoundBackend* brev_make_sound_backend()
{
    return new QtSoundEffects;
}
