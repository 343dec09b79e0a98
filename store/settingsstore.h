#pragma once
// The player's settings and their two files in the program directory:
// "brev.INI" (the game's conditions, names, window sizes, categories; read at
// start, written whole when they change) and "brevplus.ini" (an INI file the
// player may edit by hand, with the settings brev.INI has no line for; the
// program writes only the setup screen's two ticks, its language and the
// class code into it).
//
// Failures: a missing brev.INI leaves the defaults; an unreadable or damaged one
// keeps what was read, is kept aside as brev.INI.bad and returns what is wrong.
// A save replaces the file only once the new contents are complete, and names
// the file and the system's reason when it cannot. A missing or damaged
// brevplus.ini, or a value in it that cannot be used, gives the default.
#include "base/categories.h"
#include "base/problem.h"
#include "base/state.h"
#include "store/language.h"

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <QVariant>
#include <array>
#include <optional>

namespace brev {

inline constexpr char kPlusSettingsFile[] = "brevplus.ini";
// Base address of the online hall of fame, key hof/baseUrl: by default the
// hall of fame service on this computer.
inline constexpr char kDefaultHofBaseUrl[] = "http://localhost:8642";

// brev.INI's text for the given settings, byte for byte.
QByteArray settingsText(const Settings& s);

class SettingsStore {
public:
    // dir: the program directory, where both files live.
    explicit SettingsStore(QString dir) : dir_(std::move(dir)) {}

    Settings settings;
    // The run's choices of brevplus.ini: bonus questions join the draw, the
    // presidents after 1993 take part in games.
    bool bonusQuestions = false;
    bool laterPresidents = true;

    const QString& dir() const { return dir_; }
    // A bare file name resolved in the program directory.
    QString path(const QString& name) const;

    // Reads brev.INI, then brevplus.ini's ticks.
    Problem load();
    // Writes brev.INI when its text would change.
    Problem save() const;

    // Stores the setup screen's ticks; a file that cannot be written is a
    // problem (the tick holds for this run only).
    Problem saveBonusQuestions(bool on);
    Problem saveLaterPresidents(bool on);
    // The language the player chose (key game/language): "en", "es" or "de",
    // or empty for the system's, as are an unknown value and no key at all.
    QString language() const;
    // Stores the setup screen's choice of language ("en", "es", "de", or
    // empty for the system's); a file that cannot be written is a problem.
    Problem saveLanguage(const QString& language);
    // The player's class code (key class/code): six characters of the class
    // code alphabet, upper case, or empty for no class, as is a value that is
    // not such a code.
    QString classCode() const;
    // Stores the setup screen's class code (empty for none); a file that
    // cannot be written is a problem.
    Problem saveClassCode(const QString& code);
    // The online hall of fame's base address (key hof/baseUrl): an http or
    // https address, by default kDefaultHofBaseUrl.
    QUrl hofBaseUrl() const;
    // Turns bonus questions on or off for this run; turning them on enables
    // every bonus category again but those left out of the run's draw.
    void setBonusQuestions(bool on, const std::array<bool, kCategories>& leftOut);

private:
    Problem loadIni();
    QString plusValue(const QString& key) const;
    bool plusTick(const QString& key, bool byDefault) const;
    Problem savePlusValue(const QString& key, const QVariant& value, const QString& unsaved);

    QString dir_;
    std::optional<QString> classCode_; // chosen on the setup screen this run
};

} // namespace brev
