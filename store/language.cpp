#include "store/language.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <memory>

namespace brev {

namespace {

bool isLanguage(const QString& code)
{
    for (const GameLanguage& known : kLanguages)
        if (code == QLatin1String(known.code))
            return true;
    return false;
}

// The catalogues installed now; one of each kind at a time.
struct Installed {
    QString language = QStringLiteral("en");
    std::unique_ptr<QTranslator> game;
    std::unique_ptr<QTranslator> qt;
};

Installed& installed()
{
    static Installed now;
    return now;
}

void remove(std::unique_ptr<QTranslator>& translator)
{
    if (translator)
        QCoreApplication::removeTranslator(translator.get());
    translator.reset();
}

} // namespace

QString languageSetting(const QString& value)
{
    const QString code = value.trimmed().toLower();
    return isLanguage(code) ? code : QString();
}

QString chooseLanguage(const QString& setting, const QStringList& systemLanguages)
{
    if (const QString chosen = languageSetting(setting); !chosen.isEmpty())
        return chosen;
    for (const QString& name : systemLanguages) {
        // "de-DE", "de_DE.UTF-8", "de": the language is the part before the region.
        const QString code = name.section(u'-', 0, 0).section(u'_', 0, 0).section(u'.', 0, 0).toLower();
        if (isLanguage(code))
            return code;
    }
    return QString::fromLatin1(kLanguages[0].code);
}

bool useLanguage(const QString& language, const QString& qtCatalogues)
{
    Installed& now = installed();
    remove(now.game);
    remove(now.qt);
    now.language = QString::fromLatin1(kLanguages[0].code);
    if (language == now.language)
        return true; // the texts as the code writes them
    if (!isLanguage(language))
        return false;
    auto game = std::make_unique<QTranslator>();
    if (!game->load(QStringLiteral(":/i18n/brevallo_%1.qm").arg(language)))
        return false;
    QCoreApplication::installTranslator(game.get());
    now.game = std::move(game);
    now.language = language;
    // Qt's own texts (Yes, No, Cancel, the system's error messages) when
    // Debian's qt6-translations-l10n is installed; English otherwise.
    auto qt = std::make_unique<QTranslator>();
    if (qt->load(QStringLiteral("qtbase_%1").arg(language), qtCatalogues)) {
        QCoreApplication::installTranslator(qt.get());
        now.qt = std::move(qt);
    }
    return true;
}

QString useLanguageSetting(const QString& setting)
{
    useLanguage(chooseLanguage(setting, QLocale::system().uiLanguages()),
                QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    return currentLanguage();
}

QString currentLanguage()
{
    return installed().language;
}

QString shownDate(const QDate& date)
{
    const QLocale locale(currentLanguage());
    QString format = locale.dateFormat(QLocale::ShortFormat);
    if (!format.contains(QLatin1String("yyyy")))
        format.replace(QLatin1String("yy"), QLatin1String("yyyy"));
    return locale.toString(date, format);
}

QString fileInLanguage(const QString& path)
{
    const QString language = currentLanguage();
    if (language == QLatin1String(kLanguages[0].code))
        return path;
    const QFileInfo file(path);
    const QString translated =
        file.dir().filePath(file.completeBaseName() + u'_' + language + u'.' + file.suffix());
    return QFileInfo(translated).isFile() ? translated : path;
}

} // namespace brev
