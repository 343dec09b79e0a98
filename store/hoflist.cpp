#include "store/hoflist.h"

#include "store/Hyperlnk.h"
#include "store/context.h"
#include "store/plussettings.h"
#include "base/textfile.h"

#include <QFile>
#include <algorithm>
#include <optional>

namespace brev {

namespace {

constexpr int kLo16 = -32768;
constexpr int kHi16 = 32767;
constexpr int kGameWidth = 8;
constexpr int kNameColumn = 20;
constexpr int kOnlinePlaces = 5;
constexpr char kGameCode[] = "brev";
constexpr char kOnlinePath[] = "/games/triv/triviahf.asp";

QString hofName(const AppContext& ctx)
{
    return ctx.hoffile.isEmpty() ? QString::fromLatin1(kHofFile) : ctx.hoffile;
}

int storedCount(const AppContext& ctx)
{
    return std::clamp(ctx.hofcount, 0, kHofPlaces);
}

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
            problem_ =
                QStringLiteral("line %1 holds \"%2\" where a whole number belongs").arg(at_).arg(*line);
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
            problem_ = QStringLiteral("it ends early (line %1)").arg(at_ + 1);
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
    return HofEntry{*score,        gameField(fileSafeText(*game)), *pct, fileSafeText(*name),
                    fileSafeText(*date), *extra};
}

// Opens the submission address; a place below the online list's is the
// player's problem to hear about.
Problem submitOnline(AppContext& ctx, int score, int place)
{
    if (place > kOnlinePlaces)
        return QStringLiteral("Must be in top 5 of local HOF to be entered online");
    return openlink(ctx, hofSubmissionUrl(ctx, score).toString(QUrl::FullyEncoded));
}

QUrl onlineBase(const AppContext& ctx)
{
    QUrl url = hofBaseUrl(ctx);
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

Problem getHOF(AppContext& ctx)
{
    const QString name = hofName(ctx);
    const QString file = ctx.path(name);
    if (!QFile::exists(file))
        return std::nullopt;   // no game has entered the list yet
    QString why;
    const auto text = readTextFile(file, &why);
    if (!text)
        return QStringLiteral("%1 cannot be read: %2").arg(name, why);

    HofReader in(*text);
    HofTable table{};
    int read = 0;
    QString problem;
    const auto count = in.number();
    if (!count) {
        problem = in.problem();
    } else if (*count < 0) {
        problem = QStringLiteral("it counts %1 entries").arg(*count);
    } else {
        for (; read < std::min(*count, kHofPlaces); ++read) {
            const auto entry = readEntry(in);
            if (!entry) {
                problem = in.problem();
                break;
            }
            table[size_t(read + 1)] = *entry;
        }
        if (problem.isEmpty() && *count > kHofPlaces)
            problem =
                QStringLiteral("it counts %1 entries where the list holds %2").arg(*count).arg(kHofPlaces);
    }
    ctx.hof = table;
    ctx.hofcount = read;
    if (!problem.isEmpty())
        return QStringLiteral("%1 is damaged: %2.%3The hall of fame keeps the entries read before that point (%4).")
            .arg(name, problem, ctx.lb)
            .arg(read);
    return std::nullopt;
}

QByteArray hofText(const AppContext& ctx)
{
    const QByteArray lb = "\r\n";
    const int count = storedCount(ctx);
    QByteArray out = freeNumber(count) + lb;
    for (int i = 1; i <= count; ++i) {
        const HofEntry& e = ctx.hof[size_t(i)];
        out += freeNumber(e.score) + lb + freeNumber(e.pct) + lb + freeNumber(e.extra) + lb;
        out += gameField(fileSafeText(e.game)).toLatin1() + lb;
        out += quoted(fileSafeText(e.name)) + lb;
        out += fileSafeText(e.date).toLatin1() + lb;
    }
    return out;
}

Problem putHOF(AppContext& ctx)
{
    const QString name = hofName(ctx);
    if (const auto why = saveFileAtomically(ctx.path(name), hofText(ctx)))
        return QStringLiteral("%1 could not be saved: %2").arg(name, *why);
    return std::nullopt;
}

Problem clearHof(AppContext& ctx)
{
    Problem problem;
    const QString name = hofName(ctx);
    QFile file(ctx.path(name));
    if (file.exists() && !file.remove())
        problem = QStringLiteral("%1 could not be deleted: %2").arg(name, file.errorString());
    ctx.hofcount = 0;
    for (int i = 1; i <= kHofPlaces; ++i)
        ctx.hof[size_t(i)].score = 0;
    return problem;
}

QStringList hofLines(const AppContext& ctx)
{
    QStringList lines{QString::fromLatin1(kHofHeader)};
    for (int i = 1; i <= storedCount(ctx); ++i) {
        const HofEntry& e = ctx.hof[size_t(i)];
        lines << QString::number(i).rightJustified(3) + QString::number(e.score).rightJustified(8)
                     + QString::number(e.pct).rightJustified(4) + QStringLiteral("  ")
                     + e.name.left(kNameColumn).leftJustified(kNameColumn) + u' ' + e.date;
    }
    return lines;
}

int enterHof(AppContext& ctx, HofWindows& ui, int score, const QString& game, int percent, int extra)
{
    HofTable& hof = ctx.hof;
    int place = 0;
    for (int i = 1; i <= kHofPlaces && place == 0; ++i)
        if (hof[size_t(i)].score < score)
            place = i;
    if (place == 0)
        return 0;
    for (int i = kHofPlaces; i > place; --i)
        hof[size_t(i)] = hof[size_t(i - 1)];
    const bool online = ui.nameEntry(place);

    const Settings& s = ctx.settings;
    hof[size_t(place)] =
        HofEntry{score,
                 gameField(game.trimmed()),
                 percent,
                 QString::number(s.maxdif) + QStringLiteral("  ") + fileSafeText(s.playername),
                 ctx.clock->today().toString(QStringLiteral("M/d/yyyy")),
                 extra};
    if (ctx.hofcount < kHofPlaces)
        ctx.hofcount = std::max(ctx.hofcount, 0) + 1;
    if (online)
        if (const auto problem = submitOnline(ctx, score, place))
            ui.tell(*problem);
    ui.showList();
    if (const auto problem = putHOF(ctx))
        ui.tell(*problem);
    return place;
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

QUrl onlineHofUrl(const AppContext& ctx)
{
    QUrl url = onlineBase(ctx);
    url.setQuery(QStringLiteral("game=") + QString::fromLatin1(kGameCode));
    return url;
}

QUrl hofSubmissionUrl(const AppContext& ctx, int score)
{
    const Settings& s = ctx.settings;
    QUrl url = onlineBase(ctx);
    url.setQuery(QStringLiteral("game=") + QString::fromLatin1(kGameCode) + QStringLiteral("&a=")
                 + QString::number(score) + QStringLiteral("&b=")
                 + encoded(s.playername + QStringLiteral(" dif=") + QString::number(s.maxdif))
                 + QStringLiteral("&c=") + encoded(s.playeremail));
    return url;
}

} // namespace brev
