#include "store/settingsstore.h"
#include "base/classlink.h"

#include "base/textfile.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <algorithm>
#include <cmath>
#include <limits>

namespace brev {

namespace {

// The messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::SettingsStore)
};

constexpr int kLo16 = -32768;
constexpr int kHi16 = 32767;
constexpr std::array<int, 5> kFirstSlots{0, 1, 3, 2, 4};
constexpr std::array<int, 5> kSecondSlots{5, 6, 7, 8, 9};
constexpr int kMaxQuestions = 10; // what the setup screen allows
constexpr int kMaxDifficulty = 3;

QByteArray slotLine(const Settings& s, const std::array<int, 5>& order, int WindowPlace::*field)
{
    QByteArray line;
    for (int slot : order)
        line += freeNumber(s.windowplaces[slot].*field);
    return line + "\r\n";
}

// The background name is written bare as the reader takes it; a name the bare
// form would cut or trim goes in double quotes so that it reads back whole.
QByteArray backgroundLine(const QString& name)
{
    QString bare = name;
    bare.replace(u'\r', u' ').replace(u'\n', u' ');
    const auto edgeSpace = [](QChar c) { return c == u' ' || c == u'\t'; };
    if (bare.contains(u',') || bare.startsWith(u'"') ||
        (!bare.isEmpty() && (edgeSpace(bare.front()) || edgeSpace(bare.back()))))
        return quoted(bare) + "\r\n";
    return bare.toLatin1() + "\r\n";
}

QByteArray colourLine(const Settings& s, const std::array<int, 5>& order)
{
    QByteArray line;
    for (int slot : order)
        line += freeNumber(s.windowplaces[slot].backcolor);
    return line + "\r\n";
}

// Reads the file's values in order; stops at the first value that is missing
// or malformed and says which.
class SettingsReader {
public:
    explicit SettingsReader(const QString& text) : in_(text) {}

    bool number(int& field, qint64 lo = kLo16, qint64 hi = kHi16)
    {
        if (failed_)
            return false;
        const auto v = in_.nextNumber(static_cast<int>(lo), static_cast<int>(hi));
        if (!v) {
            fail(in_.lastValue(), lo, hi);
            return false;
        }
        field = *v;
        return true;
    }
    bool text(QString& field)
    {
        if (failed_)
            return false;
        const auto v = in_.next();
        if (!v) {
            fail({});
            return false;
        }
        field = storableText(*v);
        return true;
    }
    // The background line: its one value, the rest of the line skipped.
    bool line(QString& field)
    {
        if (failed_)
            return false;
        const auto v = in_.restOfLine();
        if (!v) {
            fail({});
            return false;
        }
        field = *v;
        return true;
    }
    bool failed() const { return failed_; }
    const QString& problem() const { return problem_; }

private:
    void fail(const QString& bad, qint64 lo = 0, qint64 hi = 0)
    {
        failed_ = true;
        const int line = in_.itemLine();
        switch (in_.fault()) {
        case ItemReader::Fault::OpenQuote:
            problem_ = Texts::tr("line %1 opens a double quote that is never closed").arg(line);
            break;
        case ItemReader::Fault::OutOfRange:
            problem_ = Texts::tr("line %1 holds \"%4\", which is out of range (%2 to %3)")
                           .arg(line)
                           .arg(lo)
                           .arg(hi)
                           .arg(shownValue(bad));
            break;
        case ItemReader::Fault::NotANumber:
            problem_ =
                Texts::tr("line %1 holds \"%2\" where a whole number belongs").arg(line).arg(shownValue(bad));
            break;
        default: problem_ = Texts::tr("it ends early (line %1)").arg(in_.line());
        }
    }

    ItemReader in_;
    bool failed_ = false;
    QString problem_;
};

} // namespace

QByteArray settingsText(const Settings& s)
{
    QByteArray out;
    out += s.mindifIsText ? QByteArray::number(s.mindif) : freeNumber(s.mindif);
    out += freeNumber(s.maxdif) + freeNumber(s.nquestions) + freeNumber(s.loglevel) + "\r\n";
    out += freeNumber(s.reserved1) + freeNumber(s.soundon) + freeNumber(8) + freeNumber(8) + "\r\n";
    out += quoted(s.playername) + "\r\n";
    out += quoted(s.playeremail) + "\r\n";
    out += backgroundLine(s.bgpicture);
    for (const auto* order : {&kFirstSlots, &kSecondSlots}) {
        out += slotLine(s, *order, &WindowPlace::state);
        out += colourLine(s, *order);
        out += slotLine(s, *order, &WindowPlace::height);
        out += slotLine(s, *order, &WindowPlace::width);
    }
    for (int k = 0; k < kStoredCategories; ++k)
        out += freeNumber(s.catenabled[k]) + "\r\n";
    return out;
}

QString SettingsStore::path(const QString& name) const
{
    if (dir_.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir(dir_).filePath(name);
}

Problem SettingsStore::load()
{
    const Problem problem = loadIni();
    laterPresidents = plusTick(QStringLiteral("game/laterPresidents"), true);
    setBonusQuestions(plusTick(QStringLiteral("game/bonusQuestions"), false), {});
    return problem;
}

Problem SettingsStore::loadIni()
{
    Settings& s = settings;
    const QString name = QString::fromLatin1(kSettingsFile);
    const QString file = path(name);
    const QString keptName = name + QStringLiteral(".bad");
    const QString kept = path(keptName);
    if (!QFile::exists(file))
        return std::nullopt; // a new player starts from the defaults
    QFile f(file);
    if (!f.open(QIODevice::ReadOnly)) {
        // The next save would replace a file nobody could read: move it aside first.
        QFile::remove(kept);
        const QString keptNote =
            QFile::rename(file, kept)
                ? Texts::tr("The file is kept as %1.").arg(keptName)
                : Texts::tr("It could not be kept as %1 and will be replaced at the next save.")
                      .arg(keptName);
        return Texts::tr("%1 cannot be read: %2%3The game starts with the default settings.%3%4")
            .arg(name, f.errorString(), QStringLiteral("\r\n"), keptNote);
    }
    const QByteArray bytes = f.readAll();
    f.close();

    SettingsReader in(latin1Text(bytes));
    Settings r = s; // values read so far replace the defaults one by one
    int reservedA = 0;
    int reservedB = 0;
    if (in.number(r.mindif))
        r.mindifIsText = false;
    in.number(r.maxdif);
    in.number(r.nquestions);
    in.number(r.loglevel);
    in.number(r.reserved1);
    in.number(r.soundon);
    in.number(reservedA);
    in.number(reservedB);
    in.text(r.playername);
    in.text(r.playeremail);
    in.line(r.bgpicture);
    for (const auto* order : {&kFirstSlots, &kSecondSlots}) {
        for (int slot : *order)
            in.number(r.windowplaces[slot].state);
        for (int slot : *order)
            in.number(r.windowplaces[slot].backcolor, std::numeric_limits<qint32>::min(),
                      std::numeric_limits<qint32>::max());
        for (int slot : *order)
            in.number(r.windowplaces[slot].height);
        for (int slot : *order)
            in.number(r.windowplaces[slot].width);
    }
    for (int k = 0; k < kStoredCategories; ++k)
        in.number(r.catenabled[k]);
    for (int k = kStoredCategories; k < kCategories; ++k)
        r.catenabled[k] = 0;
    // A hand-edited file may hold a game the setup screen would never allow.
    r.nquestions = std::clamp(r.nquestions, 1, kMaxQuestions);
    r.mindif = std::clamp(r.mindif, 1, kMaxDifficulty);
    r.maxdif = std::clamp(r.maxdif, r.mindif, kMaxDifficulty);
    s = r;
    if (in.failed()) {
        // The first save would overwrite what followed the damage: keep the file.
        const auto why = saveFileAtomically(kept, bytes);
        const QString keptNote =
            !why ? Texts::tr("The damaged file is kept as %1.").arg(keptName)
                 : Texts::tr("The damaged file could not be kept as %1: %2").arg(keptName, *why);
        return Texts::tr("%1 is damaged: %2.%3Settings after that point take their default values.%3%4")
            .arg(name, in.problem(), QStringLiteral("\r\n"), keptNote);
    }
    return std::nullopt;
}

Problem SettingsStore::save() const
{
    // Settings that would leave the file as it is are not written again.
    const QString file = path(QString::fromLatin1(kSettingsFile));
    // The file on disk is compared, not a copy of what was last written: the
    // file may have been deleted or changed behind the program's back.
    const QByteArray bytes = settingsText(settings);
    QFile current(file);
    if (current.size() == bytes.size() && current.open(QIODevice::ReadOnly) && current.readAll() == bytes)
        return std::nullopt;
    current.close();
    if (const auto why = saveFileAtomically(file, bytes))
        return Texts::tr("%1 could not be saved: %2").arg(QString::fromLatin1(kSettingsFile), *why);
    return std::nullopt;
}

// ---- brevplus.ini

// The value of a key, or nothing when the file is missing or unreadable.
QString SettingsStore::plusValue(const QString& key) const
{
    const QString file = path(QString::fromLatin1(kPlusSettingsFile));
    if (!QFileInfo(file).isFile())
        return {};
    const QSettings ini(file, QSettings::IniFormat);
    if (ini.status() != QSettings::NoError)
        return {};
    return ini.value(key).toString().trimmed();
}

// A tick box's key: "true" or "1" ticks it, "false" or "0" clears it, and
// anything else (no key included) gives the default.
bool SettingsStore::plusTick(const QString& key, bool byDefault) const
{
    const QString text = plusValue(key).toLower();
    if (text == QLatin1String("true") || text == QLatin1String("1"))
        return true;
    if (text == QLatin1String("false") || text == QLatin1String("0"))
        return false;
    return byDefault;
}

// Stores a value; `unsaved` is the message when the file cannot be written
// (%1 the file's name).
Problem SettingsStore::savePlusValue(const QString& key, const QVariant& value, const QString& unsaved)
{
    const QString file = path(QString::fromLatin1(kPlusSettingsFile));
    QSettings ini(file, QSettings::IniFormat);
    ini.setValue(key, value);
    ini.sync();
    if (ini.status() == QSettings::NoError)
        return std::nullopt;
    return unsaved.arg(QString::fromLatin1(kPlusSettingsFile));
}

Problem SettingsStore::saveBonusQuestions(bool on)
{
    return savePlusValue(
        QStringLiteral("game/bonusQuestions"), on,
        on ? Texts::tr("%1 could not be saved; bonus questions are on for this game only.")
           : Texts::tr("%1 could not be saved; bonus questions are off for this game only."));
}

Problem SettingsStore::saveLaterPresidents(bool on)
{
    laterPresidents = on;
    return savePlusValue(
        QStringLiteral("game/laterPresidents"), on,
        on ? Texts::tr("%1 could not be saved; the presidents after 1993 are on for this game only.")
           : Texts::tr("%1 could not be saved; the presidents after 1993 are off for this game only."));
}

QString SettingsStore::language() const
{
    return languageSetting(plusValue(QStringLiteral("game/language")));
}

Problem SettingsStore::saveLanguage(const QString& language)
{
    return savePlusValue(QStringLiteral("game/language"), languageSetting(language),
                         Texts::tr("%1 could not be saved; the language is kept for this game only."));
}

QString SettingsStore::classCode() const
{
    if (classCode_)
        return *classCode_;
    const QString code = plusValue(QStringLiteral("class/code")).toUpper();
    return isClassCode(code) ? code : QString();
}

Problem SettingsStore::saveClassCode(const QString& code)
{
    classCode_ = isClassCode(code) ? code : QString();
    return savePlusValue(QStringLiteral("class/code"), *classCode_,
                         Texts::tr("%1 could not be saved; the class code is kept for this game only."));
}

QUrl SettingsStore::hofBaseUrl() const
{
    const QUrl fallback(QString::fromLatin1(kDefaultHofBaseUrl));
    const QString text = plusValue(QStringLiteral("hof/baseUrl"));
    if (text.isEmpty())
        return fallback;
    // Only a plain web address: the submission carries the player's e-mail
    // address, so nothing else (a file, a script, a typo) is ever opened.
    const QUrl url(text, QUrl::StrictMode);
    const QString scheme = url.scheme().toLower();
    if (!url.isValid() || (scheme != QLatin1String("http") && scheme != QLatin1String("https")) ||
        url.host().isEmpty() || url.hasQuery() || url.hasFragment() || !url.userInfo().isEmpty())
        return fallback;
    return url;
}

void SettingsStore::setBonusQuestions(bool on, const std::array<bool, kCategories>& leftOut)
{
    bonusQuestions = on;
    if (on)
        for (const int k : kBonusCategories)
            settings.catenabled[size_t(k)] = leftOut[size_t(k)] ? 0 : -1;
}

} // namespace brev
