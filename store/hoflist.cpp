#include "store/hoflist.h"

#include "base/state.h"
#include "base/textfile.h"
#include "store/language.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <optional>

namespace brev {

namespace {

// The messages, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::HallOfFame)
};

constexpr int kLo16 = -32768;
constexpr int kHi16 = 32767;
constexpr int kGameWidth = 8;
constexpr int kNameColumn = 20;
constexpr int kOnlinePlaces = 5;
constexpr char kGameCode[] = "brev";
constexpr char kOnlinePath[] = "/games/triv/triviahf.asp";

QString gameField(const QString& game)
{
    return game.left(kGameWidth).leftJustified(kGameWidth, u' ');
}

// Walks the file line by line: the numbers, the game line, the quoted name
// and the date each take a line of their own.
class HofReader {
public:
    explicit HofReader(const QString& text) : lines_(text.split(u'\n'))
    {
        if (text.isEmpty() || text.endsWith(u'\n'))
            lines_.removeLast();
        for (QString& line : lines_)
            if (line.endsWith(u'\r'))
                line.chop(1);
    }

    // A number ends at a space, a comma or the line's end.
    std::optional<int> number()
    {
        const auto line = take();
        if (!line)
            return std::nullopt;
        const QString rest = line->trimmed();
        qsizetype end = 0;
        while (end < rest.size() && rest[end] != u' ' && rest[end] != u',')
            ++end;
        const QString token = rest.left(end);
        bool ok = false;
        const int v = token.toInt(&ok);
        if (!ok || v < kLo16 || v > kHi16) {
            problem_ = Texts::tr("line %1 holds \"%2\" where a whole number belongs").arg(at_).arg(*line);
            return std::nullopt;
        }
        return v;
    }
    std::optional<QString> whole() { return take(); }
    std::optional<QString> quotedText()
    {
        auto line = take();
        if (!line)
            return std::nullopt;
        const QString t = line->trimmed();
        if (!t.startsWith(u'"'))
            return t;
        const qsizetype end = t.indexOf(u'"', 1);
        return t.mid(1, end < 0 ? -1 : end - 1);
    }
    const QString& problem() const { return problem_; }

private:
    std::optional<QString> take()
    {
        if (at_ >= lines_.size()) {
            problem_ = Texts::tr("it ends early (line %1)").arg(at_ + 1);
            return std::nullopt;
        }
        return lines_[at_++];
    }

    QStringList lines_;
    qsizetype at_ = 0;
    QString problem_;
};

// Reads one entry; nothing when the file ends or a number is damaged.
std::optional<HofEntry> readEntry(HofReader& in)
{
    HofEntry e;
    const auto score = in.number();
    const auto pct = score ? in.number() : std::nullopt;
    const auto extra = pct ? in.number() : std::nullopt;
    const auto game = extra ? in.whole() : std::nullopt;
    const auto name = game ? in.quotedText() : std::nullopt;
    const auto date = name ? in.whole() : std::nullopt;
    if (!date)
        return std::nullopt;
    // What the file cannot hold is changed as it is read, so that the list in
    // memory is what a save writes back.
    return HofEntry{*score, gameField(fileSafeText(*game)), *pct, fileSafeText(*name), fileSafeText(*date),
                    *extra};
}

QUrl onlineBase(const QUrl& baseUrl)
{
    QUrl url = baseUrl;
    QString path = url.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + QString::fromLatin1(kOnlinePath));
    return url;
}

QString encoded(const QString& value)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(value));
}

} // namespace

QString HallOfFame::name() const
{
    return QFileInfo(path_).fileName();
}

Problem HallOfFame::load()
{
    const QString name = this->name();
    const QString file = path_;
    if (!QFile::exists(file))
        return std::nullopt; // no game has entered the list yet
    const Result<QString> text = readTextFile(file);
    if (const Problem why = text.problem())
        return Texts::tr("%1 cannot be read: %2").arg(name, *why);

    HofReader in(*text);
    HofTable table{};
    int read = 0;
    QString problem;
    const auto stored = in.number();
    if (!stored) {
        problem = in.problem();
    } else if (*stored < 0) {
        problem = Texts::tr("it counts %1 entries").arg(*stored);
    } else {
        for (; read < std::min(*stored, kHofPlaces); ++read) {
            const auto entry = readEntry(in);
            if (!entry) {
                problem = in.problem();
                break;
            }
            table[size_t(read + 1)] = *entry;
        }
        if (problem.isEmpty() && *stored > kHofPlaces)
            problem = Texts::tr("it counts %1 entries where the list holds %2").arg(*stored).arg(kHofPlaces);
    }
    entries = table;
    count = read;
    if (!problem.isEmpty())
        return Texts::tr("%1 is damaged: %2.").arg(name, problem) + QStringLiteral("\r\n") +
               Texts::tr("The hall of fame keeps the entries read before that point (%1).").arg(read);
    return std::nullopt;
}

QByteArray HallOfFame::text() const
{
    const QByteArray lb = "\r\n";
    const int stored = std::clamp(count, 0, kHofPlaces);
    QByteArray out = freeNumber(stored) + lb;
    for (int i = 1; i <= stored; ++i) {
        const HofEntry& e = entries[size_t(i)];
        out += freeNumber(e.score) + lb + freeNumber(e.pct) + lb + freeNumber(e.extra) + lb;
        out += gameField(fileSafeText(e.game)).toLatin1() + lb;
        out += quoted(fileSafeText(e.name)) + lb;
        out += fileSafeText(e.date).toLatin1() + lb;
    }
    return out;
}

Problem HallOfFame::save() const
{
    if (const auto why = saveFileAtomically(path_, text()))
        return Texts::tr("%1 could not be saved: %2").arg(name(), *why);
    return std::nullopt;
}

Problem HallOfFame::clear()
{
    Problem problem;
    QFile file(path_);
    if (file.exists() && !file.remove())
        problem = Texts::tr("%1 could not be deleted: %2").arg(name(), file.errorString());
    count = 0;
    for (int i = 1; i <= kHofPlaces; ++i)
        entries[size_t(i)].score = 0;
    return problem;
}

QStringList HallOfFame::lines() const
{
    QStringList lines{Texts::tr(kHofHeader)};
    for (int i = 1; i <= std::clamp(count, 0, kHofPlaces); ++i) {
        const HofEntry& e = entries[size_t(i)];
        lines << QString::number(i).rightJustified(3) + QString::number(e.score).rightJustified(8) +
                     QString::number(e.pct).rightJustified(4) + QStringLiteral("  ") +
                     e.name.left(kNameColumn).leftJustified(kNameColumn) + u' ' + shownHofDate(e.date);
    }
    return lines;
}

int HallOfFame::placeFor(int score) const
{
    for (int i = 1; i <= kHofPlaces; ++i)
        if (entries[size_t(i)].score < score)
            return i;
    return 0;
}

int enterHof(HallOfFame& hof, HofWindows& ui, const NewEntry& entry, const QUrl& baseUrl)
{
    const int place = hof.placeFor(entry.score);
    if (place == 0)
        return 0;
    for (int i = kHofPlaces; i > place; --i)
        hof.entries[size_t(i)] = hof.entries[size_t(i - 1)];
    const NameChoice player = ui.nameEntry(place);
    hof.entries[size_t(place)] = HofEntry{
        entry.score,   gameField(entry.game.trimmed()),
        entry.percent, QString::number(entry.maxdif) + QStringLiteral("  ") + fileSafeText(player.name),
        entry.date,    entry.extra};
    if (hof.count < kHofPlaces)
        hof.count = std::max(hof.count, 0) + 1;
    if (player.online) {
        // A place below the online list's is the player's problem to hear about.
        if (place > kOnlinePlaces)
            ui.tell(Texts::tr("Must be in top 5 of local HOF to be entered online"));
        else if (const Problem problem =
                     ui.open(hofSubmissionUrl(baseUrl, entry.score, player.name, entry.maxdif, player.email)))
            ui.tell(*problem);
    }
    ui.showList();
    if (const auto problem = hof.save())
        ui.tell(*problem);
    return place;
}

QString shownHofDate(const QString& date)
{
    const QDate day = QDate::fromString(date.trimmed(), QStringLiteral("M/d/yyyy"));
    return day.isValid() ? shownDate(day) : date;
}

QString fileSafeText(const QString& text)
{
    QString out = text;
    for (QChar& c : out) {
        if (c == u'"')
            c = u'\'';
        else if (c.unicode() < 0x20 || c.unicode() == 0x7f)
            c = u' ';
    }
    return out;
}

QUrl onlineHofUrl(const QUrl& baseUrl)
{
    QUrl url = onlineBase(baseUrl);
    url.setQuery(QStringLiteral("game=") + QString::fromLatin1(kGameCode));
    return url;
}

QUrl hofSubmissionUrl(const QUrl& baseUrl, int score, const QString& name, int maxdif, const QString& email)
{
    QUrl url = onlineBase(baseUrl);
    url.setQuery(QStringLiteral("game=") + QString::fromLatin1(kGameCode) + QStringLiteral("&a=") +
                 QString::number(score) + QStringLiteral("&b=") +
                 encoded(name + QStringLiteral(" dif=") + QString::number(maxdif)) + QStringLiteral("&c=") +
                 encoded(email));
    return url;
}

} // namespace brev
