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

// A tick box's key: "true" or "1" ticks it, "false" or "0" clears it, and
// anything else (no key included) gives the default.
bool plusTick(const AppContext& ctx, const QString& key, bool byDefault)
{
    const QString text = plusValue(ctx, key).toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return byDefault;
}

// Stores a tick box; `what` names it in the message when the file cannot be written.
Problem savePlusTick(AppContext& ctx, const QString& key, bool on, const QString& what)
{
    const QString file = ctx.path(QString::fromLatin1(kPlusSettingsFile));
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(key, on);
    ini.sync();
    if (ini.status() == QSettings::NoError)
        return std::nullopt;
    return QStringLiteral("%1 could not be saved; %2 %3 for this game only.")
        .arg(QString::fromLatin1(kPlusSettingsFile), what, on ? QStringLiteral("on") : QStringLiteral("off"));
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
    return plusTick(ctx, QStringLiteral("game/bonusQuestions"), false);
}

Problem saveBonusQuestions(AppContext& ctx, bool on)
{
    return savePlusTick(ctx, QStringLiteral("game/bonusQuestions"), on, QStringLiteral("bonus questions are"));
}

bool loadLaterPresidents(const AppContext& ctx)
{
    return plusTick(ctx, QStringLiteral("game/laterPresidents"), true);
}

Problem saveLaterPresidents(AppContext& ctx, bool on)
{
    return savePlusTick(ctx, QStringLiteral("game/laterPresidents"), on,
                        QStringLiteral("the presidents after 1993 are"));
}

void setBonusQuestions(AppContext& ctx, bool on)
{
    ctx.bonusQuestions = on;
    if (on)
        for (const int k : kBonusCategories)
            ctx.settings.catenabled[size_t(k)] = ctx.game.bonusLeftOut[size_t(k)] ? 0 : -1;
}

} // namespace brev
