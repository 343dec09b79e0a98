#include "hof/hofd/classpages.h"

#include "hof/hofd/classhtml.h"
#include "hof/hofd/classtexts.h"
#include "rules/mastery.h"

#include <QHash>
#include <QUrl>
#include <algorithm>
#include <array>

namespace hofd {

namespace {

// Fewer answers make no Familiar or Mastered: a lucky guess is no knowledge.
constexpr int kMarkAnswers = 5;

// The class's answers about one president.
struct PresidentRow {
    int record = 0;
    int answered = 0;
    int right = 0;
    int masteredBy = 0; // players
};

QString encoded(const QString& text)
{
    return QString::fromLatin1(QUrl::toPercentEncoding(text));
}

QString base(const QString& code)
{
    return QStringLiteral("/classes/") + code;
}

int share(int right, int answered)
{
    return answered > 0 ? right * 100 / answered : 0;
}

QString shareText(int right, int answered, Language l)
{
    return text(Text::SharePart, l).arg(percentText(share(right, answered), l)).arg(right).arg(answered);
}

void markCell(Html& h, int level, Language l)
{
    h.tag("<td><span class=\"mark m")
        .number(level)
        .tag("\">")
        .text(masteryWord(level, l))
        .tag("</span></td>");
}

// The hidden key every form sends back.
void keyField(Html& h, const QString& key)
{
    h.tag("<input type=\"hidden\" name=\"key\" value=\"").text(key).tag("\">\n");
}

void formStart(Html& h, const QString& action, const QString& key)
{
    h.tag("<form method=\"post\" action=\"").text(action).tag("\">\n");
    keyField(h, key);
}

void headerCells(Html& h, std::initializer_list<std::pair<Text, bool>> columns, Language l)
{
    h.tag("<thead><tr>");
    for (const auto& [column, numeric] : columns)
        h.tag(numeric ? "<th scope=\"col\" class=\"n\">" : "<th scope=\"col\">")
            .text(text(column, l))
            .tag("</th>");
    h.tag("</tr></thead>\n<tbody>\n");
}

QString presidentLabel(int record)
{
    return QString::number(record) + u' ' + presidentName(record);
}

void practiceNow(Html& h, const QList<int>& set, Language l)
{
    h.tag("<p>");
    const bool range = set.size() > 1 && set.last() - set.first() == set.size() - 1;
    if (set.isEmpty()) {
        h.text(text(Text::PracticeNone, l));
    } else if (range) {
        h.text(text(Text::PracticeRange, l)
                   .arg(presidentLabel(set.first()), presidentLabel(set.last()))
                   .arg(set.size()));
    } else {
        QStringList names;
        for (const int record : set)
            names.append(presidentLabel(record));
        h.text(text(Text::PracticeList, l).arg(names.join(QStringLiteral(", "))));
    }
    h.tag("</p>\n");
}

QList<PresidentRow> presidentRows(const QList<Tally>& tallies, bool weakestFirst)
{
    QList<PresidentRow> rows(kPresidents);
    for (int i = 0; i < kPresidents; ++i)
        rows[i].record = i + 1;
    for (const Tally& t : tallies) {
        if (t.president < 1 || t.president > kPresidents)
            continue;
        PresidentRow& r = rows[t.president - 1];
        r.answered += t.answered;
        r.right += t.right;
        r.masteredBy += brev::masteryOf(t.recent).level == brev::MasteryLevel::Mastered ? 1 : 0;
    }
    if (weakestFirst) {
        std::stable_sort(rows.begin(), rows.end(), [](const PresidentRow& a, const PresidentRow& b) {
            if ((a.answered == 0) != (b.answered == 0))
                return b.answered == 0; // nobody asked: last
            const qint64 left = qint64(a.right) * b.answered, right = qint64(b.right) * a.answered;
            return left != right ? left < right : a.answered > b.answered;
        });
    }
    return rows;
}

void playersTable(Html& h, const ClassPageData& d, Language l)
{
    h.tag("<h2 id=\"players\">").text(text(Text::Players, l)).tag("</h2>\n");
    if (d.players.isEmpty()) {
        h.tag("<p>").text(text(Text::NoGames, l)).tag("</p>\n");
        return;
    }
    QHash<QString, int> mastered;
    for (const Tally& t : d.tallies)
        mastered[t.player] += brev::masteryOf(t.recent).level == brev::MasteryLevel::Mastered ? 1 : 0;
    QList<PlayerSummary> players = d.players;
    std::sort(players.begin(), players.end(), [](const PlayerSummary& a, const PlayerSummary& b) {
        const int order = a.name.compare(b.name, Qt::CaseInsensitive);
        return order != 0 ? order < 0 : a.name < b.name;
    });
    h.tag("<div class=\"scroll\"><table>\n<caption>").text(text(Text::PlayersCaption, l)).tag("</caption>\n");
    headerCells(h,
                {{Text::Player, false},
                 {Text::Games, true},
                 {Text::LastPlayed, false},
                 {Text::AverageScore, true},
                 {Text::PresidentsMastered, true}},
                l);
    for (const PlayerSummary& p : std::as_const(players)) {
        h.tag("<tr><th scope=\"row\"><a href=\"").text(playerPath(d.info.code, p.name, d.key)).tag("\">");
        h.name(p.name).tag("</a></th><td class=\"n\">").number(p.games).tag("</td><td>");
        h.text(dateText(p.lastPlayed.date(), l)).tag("</td><td class=\"n\">");
        h.text(percentText(p.averagePercent, l)).tag("</td><td class=\"n\">").number(mastered.value(p.name));
        h.tag("</td></tr>\n");
    }
    h.tag("</tbody></table></div>\n<p>").text(text(Text::AverageNote, l)).tag("</p>\n");
}

void presidentsTable(Html& h, const ClassPageData& d, Language l)
{
    const QString page = classPath(d.info.code, d.key);
    h.tag("<h2 id=\"presidents\">").text(text(Text::Presidents, l)).tag("</h2>\n<p>");
    const std::array<std::pair<Text, bool>, 2> orders{
        {{Text::InTermOrder, false}, {Text::WeakestFirst, true}}};
    for (const auto& [label, weakest] : orders) {
        if (weakest)
            h.tag(" · ");
        if (weakest == d.weakestFirst) {
            h.tag("<strong aria-current=\"true\">").text(text(label, l)).tag("</strong>");
        } else {
            h.tag("<a href=\"").text(page + (weakest ? QStringLiteral("&order=weakest") : QString()));
            h.tag("#presidents\">").text(text(label, l)).tag("</a>");
        }
    }
    h.tag("</p>\n");
    formStart(h, base(d.info.code) + QStringLiteral("/assignment"), d.key);
    h.tag("<div class=\"scroll\"><table>\n<caption>")
        .text(text(Text::PresidentsCaption, l))
        .tag("</caption>\n");
    headerCells(h,
                {{Text::Number, true},
                 {Text::President, false},
                 {Text::RightAnswers, false},
                 {Text::Mark, false},
                 {Text::MasteredBy, false},
                 {Text::PracticeColumn, false}},
                l);
    for (const PresidentRow& r : presidentRows(d.tallies, d.weakestFirst)) {
        h.tag("<tr><td class=\"n\">")
            .number(r.record)
            .tag("</td><th scope=\"row\">")
            .text(presidentName(r.record));
        h.tag("</th><td>").text(r.answered > 0 ? shareText(r.right, r.answered, l) : QStringLiteral("–"));
        h.tag("</td>");
        markCell(h, classMark(r.answered, r.right), l);
        h.tag("<td>").text(text(Text::OfCount, l).arg(r.masteredBy).arg(d.players.size())).tag("</td>");
        h.tag("<td><input type=\"checkbox\" name=\"presidents\" id=\"p").number(r.record).tag("\" value=\"");
        h.number(r.record).tag(d.info.assignment.contains(r.record) ? "\" checked>" : "\">");
        h.tag("<label class=\"vh\" for=\"p").number(r.record).tag("\">");
        h.text(text(Text::PracticeName, l).arg(presidentName(r.record))).tag("</label></td></tr>\n");
    }
    h.tag("</tbody></table></div>\n<button type=\"submit\">").text(text(Text::SetTicked, l));
    h.tag("</button>\n</form>\n<p>").text(text(Text::MarkNote, l)).tag("</p>\n");
}

void practiceSection(Html& h, const ClassPageData& d, Language l)
{
    const QString action = base(d.info.code) + QStringLiteral("/assignment");
    h.tag("<h2 id=\"practice\">").text(text(Text::ClassPractice, l)).tag("</h2>\n<p>");
    h.text(text(Text::PracticeIntro, l)).tag("</p>\n");
    practiceNow(h, d.info.assignment, l);
    formStart(h, action, d.key);
    h.tag("<label for=\"range\">").text(text(Text::PresidentsByNumber, l)).tag("</label>\n");
    h.tag("<input type=\"text\" id=\"range\" name=\"presidents\" aria-describedby=\"range-hint\" value=\"");
    h.text(rangeText(d.info.assignment)).tag("\">\n<span id=\"range-hint\">");
    h.text(text(Text::PresidentsByNumberHint, l)).tag("</span>\n<button type=\"submit\">");
    h.text(text(Text::SetPractice, l)).tag("</button>\n</form>\n");
    formStart(h, action, d.key);
    h.tag("<input type=\"hidden\" name=\"presidents\" value=\"\">\n<button type=\"submit\">");
    h.text(text(Text::ClearPractice, l)).tag("</button>\n</form>\n");
}

} // namespace

int classMark(int answered, int right)
{
    if (answered <= 0)
        return 0;
    if (answered < kMarkAnswers)
        return 1;
    if (right * 100 >= 80 * answered)
        return 3;
    return right * 100 >= 50 * answered ? 2 : 1;
}

QString classPath(const QString& code, const QString& key)
{
    return base(code) + QStringLiteral("?key=") + encoded(key);
}

QString playerPath(const QString& code, const QString& player, const QString& key)
{
    return base(code) + QStringLiteral("/players/") + encoded(player) + QStringLiteral("?key=") +
           encoded(key);
}

QByteArray newClassPage(Language l, int retentionDays)
{
    Html h(l, text(Text::NewClassTitle, l));
    h.tag("<h1>").text(text(Text::NewClassTitle, l)).tag("</h1>\n<p>").text(text(Text::NewClassIntro, l));
    h.tag("</p>\n<form method=\"post\" action=\"/classes/new\">\n<label for=\"name\">");
    h.text(text(Text::ClassNameLabel, l)).tag("</label>\n");
    h.tag("<input type=\"text\" id=\"name\" name=\"name\" required maxlength=\"200\" "
          "aria-describedby=\"hint\">\n");
    h.tag("<span id=\"hint\">")
        .text(text(Text::ClassNameHint, l))
        .tag("</span>\n<p><button type=\"submit\">");
    h.text(text(Text::MakeClass, l)).tag("</button></p>\n</form>\n<p>");
    h.text(text(Text::Privacy, l).arg(retentionDays)).tag("</p>\n");
    return h.page();
}

QByteArray classMadePage(Language l, const QString& name, const QString& code, const QString& path,
                         const QString& address)
{
    Html h(l, text(Text::ClassMadeTitle, l));
    h.tag("<h1>")
        .text(text(Text::ClassMadeTitle, l))
        .tag("</h1>\n<p>")
        .sentence(text(Text::ClassTitle, l), name);
    h.tag("</p>\n<p>");
    const QString codeLine = text(Text::CodeForPupils, l);
    h.text(codeLine.left(codeLine.indexOf(QLatin1String("%1")))).tag("<span class=\"code\">").text(code);
    h.tag("</span></p>\n<p>")
        .text(text(Text::GiveCode, l))
        .tag("</p>\n<p>")
        .text(text(Text::TeachersAddress, l));
    h.tag("<br>\n<a class=\"address\" href=\"").text(path).tag("\">").text(address).tag("</a></p>\n<p>");
    h.text(text(Text::KeepAddress, l)).tag("</p>\n");
    return h.page();
}

QByteArray classPage(Language l, const ClassPageData& d)
{
    const QString title = text(Text::ClassTitle, l);
    Html h(l, title.arg(d.info.name));
    h.tag("<h1>").sentence(title, d.info.name).tag("</h1>\n<p>");
    const QString codeLine = text(Text::CodeForPupils, l);
    h.text(codeLine.left(codeLine.indexOf(QLatin1String("%1"))))
        .tag("<span class=\"code\">")
        .text(d.info.code);
    h.tag("</span></p>\n<p>").text(text(Text::Downloads, l)).tag(" <a href=\"");
    h.text(base(d.info.code) + QStringLiteral("/games.csv?key=") + encoded(d.key)).tag("\">");
    h.text(text(Text::GamesCsv, l)).tag("</a> · <a href=\"");
    h.text(base(d.info.code) + QStringLiteral("/answers.csv?key=") + encoded(d.key)).tag("\">");
    h.text(text(Text::AnswersCsv, l)).tag("</a></p>\n");
    playersTable(h, d, l);
    presidentsTable(h, d, l);
    practiceSection(h, d, l);
    h.tag("<h2 id=\"deleting\">").text(text(Text::Deleting, l)).tag("</h2>\n<p>");
    h.text(text(Text::DeleteClassIntro, l)).tag("</p>\n");
    formStart(h, base(d.info.code) + QStringLiteral("/delete"), d.key);
    h.tag("<button type=\"submit\" class=\"danger\">").text(text(Text::DeleteClassButton, l));
    h.tag("</button>\n</form>\n");
    return h.page();
}

QByteArray playerPage(Language l, const PlayerPageData& d)
{
    Html h(l, text(Text::PlayerTitle, l).arg(d.player, d.info.name));
    h.tag("<p><a href=\"").text(classPath(d.info.code, d.key)).tag("\">").text(text(Text::BackToClass, l));
    h.tag("</a></p>\n<h1>").name(d.player).tag("</h1>\n<p>").sentence(text(Text::ClassTitle, l), d.info.name);
    h.tag("</p>\n<h2>")
        .text(text(Text::Presidents, l))
        .tag("</h2>\n<div class=\"scroll\"><table>\n<caption>");
    h.text(text(Text::MasteryCaption, l)).tag("</caption>\n");
    headerCells(h,
                {{Text::Number, true},
                 {Text::President, false},
                 {Text::Mastery, false},
                 {Text::LatestAnswers, false},
                 {Text::RightAnswers, false}},
                l);
    QHash<int, Tally> byPresident;
    for (const Tally& t : d.tallies)
        byPresident.insert(t.president, t);
    for (int record = 1; record <= kPresidents; ++record) {
        const Tally t = byPresident.value(record);
        h.tag("<tr><td class=\"n\">")
            .number(record)
            .tag("</td><th scope=\"row\">")
            .text(presidentName(record));
        h.tag("</th>");
        markCell(h, int(brev::masteryOf(t.recent).level), l);
        h.tag("<td>").text(masteryHint(t.recent, l)).tag("</td><td>");
        h.text(t.answered > 0 ? shareText(t.right, t.answered, l) : QStringLiteral("–")).tag("</td></tr>\n");
    }
    h.tag("</tbody></table></div>\n<h2>").text(text(Text::KindsOfQuestion, l)).tag("</h2>\n");
    h.tag("<div class=\"scroll\"><table>\n<caption>")
        .text(text(Text::CategoriesCaption, l))
        .tag("</caption>\n");
    headerCells(h, {{Text::Category, false}, {Text::Answers, true}, {Text::RightAnswers, false}}, l);
    for (const CategoryTally& c : d.categories) {
        h.tag("<tr><th scope=\"row\">").text(categoryName(c.category, l)).tag("</th><td class=\"n\">");
        h.number(c.answered).tag("</td><td>").text(shareText(c.right, c.answered, l)).tag("</td></tr>\n");
    }
    h.tag("</tbody></table></div>\n<h2>").text(text(Text::Games, l)).tag("</h2>\n");
    h.tag("<div class=\"scroll\"><table>\n<caption>").text(text(Text::GamesCaption, l)).tag("</caption>\n");
    headerCells(h,
                {{Text::Ended, false},
                 {Text::Score, true},
                 {Text::Possible, true},
                 {Text::Percent, true},
                 {Text::PracticeGame, false}},
                l);
    for (const GameRow& g : d.games) {
        h.tag("<tr><th scope=\"row\">")
            .text(timeText(g.ended, l))
            .tag("</th><td class=\"n\">")
            .number(g.score);
        h.tag("</td><td class=\"n\">").number(g.possible).tag("</td><td class=\"n\">");
        h.text(percentText(share(g.score, g.possible), l)).tag("</td><td>");
        h.text(text(g.practice ? Text::Yes : Text::No, l)).tag("</td></tr>\n");
    }
    h.tag("</tbody></table></div>\n<h2>").text(text(Text::Deleting, l)).tag("</h2>\n<p>");
    h.text(text(Text::DeletePlayerIntro, l)).tag("</p>\n");
    formStart(h,
              base(d.info.code) + QStringLiteral("/players/") + encoded(d.player) + QStringLiteral("/delete"),
              d.key);
    h.tag("<button type=\"submit\" class=\"danger\">").sentence(text(Text::DeletePlayerButton, l), d.player);
    h.tag("</button>\n</form>\n");
    return h.page();
}

QByteArray confirmDeletePage(Language l, const ClassInfo& info, const QString& key, const QString* player)
{
    const QString title = text(player ? Text::ConfirmPlayerTitle : Text::ConfirmClassTitle, l);
    Html h(l, title);
    h.tag("<h1>").text(title).tag("</h1>\n<p>");
    h.sentence(text(player ? Text::ConfirmPlayer : Text::ConfirmClass, l), player ? *player : info.name);
    if (player)
        h.tag(" ").text(text(Text::ConfirmPlayerNote, l));
    h.tag("</p>\n");
    const QString action =
        player ? base(info.code) + QStringLiteral("/players/") + encoded(*player) : base(info.code);
    formStart(h, action + QStringLiteral("/delete"), key);
    h.tag(
        "<input type=\"hidden\" name=\"confirm\" value=\"yes\">\n<button type=\"submit\" class=\"danger\">");
    h.text(text(Text::DeleteButton, l)).tag("</button>\n</form>\n<p><a href=\"");
    h.text(player ? playerPath(info.code, *player, key) : classPath(info.code, key)).tag("\">");
    h.text(text(Text::Cancel, l)).tag("</a></p>\n");
    return h.page();
}

QByteArray deletedPage(Language l, const ClassInfo& info, const QString& key, const QString* player)
{
    Html h(l, text(Text::DeletedTitle, l));
    h.tag("<h1>").text(text(Text::DeletedTitle, l)).tag("</h1>\n<p>");
    h.sentence(text(player ? Text::DeletedPlayer : Text::DeletedClass, l), player ? *player : info.name);
    h.tag("</p>\n");
    if (player) {
        h.tag("<p><a href=\"").text(classPath(info.code, key)).tag("\">").text(text(Text::BackToClass, l));
        h.tag("</a></p>\n");
    }
    return h.page();
}

QString rangeText(const QList<int>& presidents)
{
    QStringList parts;
    for (qsizetype i = 0; i < presidents.size();) {
        qsizetype j = i;
        while (j + 1 < presidents.size() && presidents.at(j + 1) == presidents.at(j) + 1)
            ++j;
        parts.append(j > i ? QStringLiteral("%1-%2").arg(presidents.at(i)).arg(presidents.at(j))
                           : QString::number(presidents.at(i)));
        i = j + 1;
    }
    return parts.join(QStringLiteral(", "));
}

brev::Result<QList<int>> parsePresidents(const QStringList& values)
{
    std::array<bool, kPresidents + 1> chosen{};
    for (const QString& value : values) {
        for (QString part : value.split(u',')) {
            part = part.trimmed();
            if (part.isEmpty())
                continue;
            const QStringList ends = part.split(u'-');
            bool firstOk = false, lastOk = true;
            const int first = ends.first().trimmed().toInt(&firstOk);
            const int last = ends.size() == 2 ? ends.last().trimmed().toInt(&lastOk) : first;
            if (ends.size() > 2 || !firstOk || !lastOk || first < 1 || last > kPresidents || first > last) {
                return brev::failure(part.left(40));
            }
            for (int record = first; record <= last; ++record)
                chosen[std::size_t(record)] = true;
        }
    }
    QList<int> set;
    for (int record = 1; record <= kPresidents; ++record) {
        if (chosen[std::size_t(record)])
            set.append(record);
    }
    return set;
}

} // namespace hofd
