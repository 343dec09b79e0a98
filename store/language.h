#pragma once
// The language the player sees the game in: English (the texts as the code
// writes them), Spanish or German (the catalogues built into the program).
// The choice is brevplus.ini's game/language when it names one, otherwise
// the first of the system's languages (LANGUAGE, LANG) that has a catalogue,
// otherwise English. Files are always written in English, whatever is shown.
#include <QDate>
#include <QString>
#include <QStringList>

#include <array>

namespace brev {

// The languages the game speaks, English first: code and own name (UTF-8).
struct GameLanguage {
    const char* code;
    const char* name;
};
inline constexpr std::array<GameLanguage, 3> kLanguages{
    {{"en", "English"}, {"es", "Espa\u00F1ol"}, {"de", "Deutsch"}}};

// A game/language value as a language: "en", "es" or "de" (in any case, with
// spaces around), or empty (the system's) for anything else.
QString languageSetting(const QString& value);

// The language shown for a setting (languageSetting's form) and the system's
// languages, most preferred first (QLocale::uiLanguages: "de-DE", "es", "C").
QString chooseLanguage(const QString& setting, const QStringList& systemLanguages);

// Shows every text translated from now on in `language` ("en", "es" or
// "de"): installs the game's catalogue and Qt's own for the standard dialogs
// and buttons (from qtCatalogues, Qt's translations folder) in place of the
// ones installed before; "en" removes them. False when the game's catalogue
// for the language cannot be loaded: the texts stay English then.
bool useLanguage(const QString& language, const QString& qtCatalogues);
// useLanguage for a game/language setting on this system: the language that
// chooseLanguage picks from it and the system's languages, with Qt's own
// catalogues from Qt's translations folder. Returns the language shown.
QString useLanguageSetting(const QString& setting);
// The language useLanguage installed last; "en" before.
QString currentLanguage();

// A date as the language shown writes it in short, with the whole year:
// 12/8/2026 in English, 8/12/2026 in Spanish, 08.12.2026 in German (Qt's
// short date form of the language). Files keep their own form.
QString shownDate(const QDate& date);

// A file of the program directory in the current language: "brevhelp.txt"
// becomes "brevhelp_es.txt" when that file exists beside it, otherwise it
// stays as it is.
QString fileInLanguage(const QString& path);

} // namespace brev
