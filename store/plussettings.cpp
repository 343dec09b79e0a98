#include "store/plussettings.h"

#include "store/context.h"

#include <QFileInfo>
#include <QSettings>

namespace brev {

namespace {

// The value of a key, or nothing when the file is missing or unreadable.
QString plusValue(const AppContext& ctx, const QString& key)
{
    const QString file = ctx.path(QString::fromLatin1(kPlusSettingsFile));
    if (!QFileInfo(file).isFile())
        return {};
    const QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return {};
    return ini.value(key).toString().trimmed();
}

} // namespace

QUrl hofBaseUrl(const AppContext& ctx)
{
    const QUrl fallback(QString::fromLatin1(kDefaultHofBaseUrl));
    const QString text = plusValue(ctx, QStringLiteral("hof/baseUrl"));
    if (text.isEmpty())
        return fallback;
    // Only a plain web address: the submission carries the player's e-mail
    // address, so nothing else (a file, a script, a typo) is ever opened.
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https"))
        || url.host().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return fallback;
    return url;
}

bool loadBonusQuestions(const AppContext& ctx)
{
    const QString text = plusValue(ctx, QStringLiteral("game/bonusQuestions")).toLower();
    return text == QLatin1String("true") || text == QLatin1String("1");
}

bool saveBonusQuestions(AppContext& ctx, bool on)
{
    const QString file = ctx.path(QString::fromLatin1(kPlusSettingsFile));
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(QStringLiteral("game/bonusQuestions"), on);
    ini.sync();
    if (ini.status() == QSettings::NoError)
        return true;
    ctx.messages->ok(QStringLiteral("%1 could not be saved; bonus questions are %2 for this game only.")
                         .arg(QString::fromLatin1(kPlusSettingsFile),
                              on ? QStringLiteral("on") : QStringLiteral("off")));
    return false;
}

void setBonusQuestions(AppContext& ctx, bool on)
{
    ctx.bonusQuestions = on;
    if (on)
        for (const int k : kBonusCategories)
            ctx.settings.catenabled[size_t(k)] = ctx.game.bonusLeftOut[size_t(k)] ? 0 : -1;
}

} // namespace brev
