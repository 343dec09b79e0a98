#include "hof/hofd/hofpage.h"

#include "hof/hofd/hofrequest.h"

#include <algorithm>

namespace hofd
{

namespace
{

const char* const kStyle = "body{font-family:sans-serif;margin:2em;color:#222}"
                           "table{border-collapse:collapse}"
                           "th,td{padding:.25em .8em;border-bottom:1px solid #ccc}"
                           "td.n{text-align:right}"
                           "tr.new{background:#ffe9a8;font-weight:bold}";

QString head(const QString& title)
{
    return QStringLiteral("<!DOCTYPE html>\n<html lang=\"en\">\n<head>\n<meta charset=\"utf-8\">\n"
                          "<title>%1</title>\n<style>%2</style>\n</head>\n<body>\n<h1>%1</h1>\n")
        .arg(title.toHtmlEscaped(), QLatin1String(kStyle));
}

QString cell(const QString& text, bool number)
{
    return (number ? QStringLiteral("<td class=\"n\">") : QStringLiteral("<td>")) + text.toHtmlEscaped() +
           QStringLiteral("</td>");
}

// A name keeps its own direction (a right-to-left name, or one holding a
// direction override, leaves its neighbours alone) and its marks and length
// within the caps, however it came into the database.
QString nameCell(const QString& name)
{
    return QStringLiteral("<td><bdi>") + capped(name, kMaxName, kMaxNameCodePoints).toHtmlEscaped() +
           QStringLiteral("</bdi></td>");
}

} // namespace

QString shortDate(const QDate& d)
{
    return QStringLiteral("%1/%2/%3").arg(d.month()).arg(d.day()).arg(d.year());
}

QByteArray listPage(const QString& game, const QList<ListedEntry>& entries, qint64 newId, int newScore)
{
    QString html = head(QStringLiteral("Hall of Fame: ") + game);
    if (newId != 0) {
        const auto at =
            std::find_if(entries.begin(), entries.end(), [&](const ListedEntry& e) { return e.id == newId; });
        if (at != entries.end())
            html += QStringLiteral("<p>Your score of %1 is number %2.</p>\n")
                        .arg(newScore)
                        .arg(at - entries.begin() + 1);
        else
            html += QStringLiteral("<p>Your score of %1 is stored; it is not among the best %2.</p>\n")
                        .arg(newScore)
                        .arg(kListed);
    }
    if (entries.isEmpty()) {
        html += QStringLiteral("<p>No entries yet.</p>\n");
    } else {
        html += QStringLiteral("<table>\n<tr><th>Rank</th><th>Score</th><th>Dif</th><th>Name</th>"
                               "<th>Date</th></tr>\n");
        int rank = 0;
        for (const ListedEntry& e : entries) {
            ++rank;
            html +=
                e.id == newId && newId != 0 ? QStringLiteral("<tr class=\"new\">") : QStringLiteral("<tr>");
            html += cell(QString::number(rank), true) + cell(QString::number(e.score), true) +
                    cell(QString::number(e.difficulty), true) + nameCell(e.name) +
                    cell(shortDate(e.created), false) + QStringLiteral("</tr>\n");
        }
        html += QStringLiteral("</table>\n");
    }
    html += QStringLiteral("</body>\n</html>\n");
    return html.toUtf8();
}

QByteArray errorPage(const QString& title, const QString& text)
{
    return (head(title) + QStringLiteral("<p>") + text.toHtmlEscaped() +
            QStringLiteral("</p>\n</body>\n</html>\n"))
        .toUtf8();
}

} // namespace hofd
