#include "hof/hofd/hofpage.h"

#include "hof/hofd/hofrequest.h"

namespace hofd {

namespace {

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

ListPage::ListPage(const QString& game, const QList<ListedEntry>& entries)
    : head_(head(QStringLiteral("Hall of Fame: ") + game).toUtf8())
{
    bytes_ = head_.size() + 300; // the line above the table, its head and the page's end
    ids_.reserve(entries.size());
    cells_.reserve(entries.size());
    int rank = 0;
    for (const ListedEntry& e : entries) {
        ++rank;
        ids_.append(e.id);
        cells_.append((cell(QString::number(rank), true) + cell(QString::number(e.score), true) +
                       cell(QString::number(e.difficulty), true) + nameCell(e.name) +
                       cell(shortDate(e.created), false))
                          .toUtf8());
        bytes_ += cells_.last().size() + 24;
    }
}

QByteArray ListPage::page(qint64 newId, int newScore) const
{
    QByteArray html;
    html.reserve(bytes_);
    html += head_;
    if (newId != 0) {
        const qsizetype at = ids_.indexOf(newId);
        if (at >= 0)
            html +=
                QStringLiteral("<p>Your score of %1 is number %2.</p>\n").arg(newScore).arg(at + 1).toUtf8();
        else
            html += QStringLiteral("<p>Your score of %1 is stored; it is not among the best %2.</p>\n")
                        .arg(newScore)
                        .arg(kListed)
                        .toUtf8();
    }
    if (cells_.isEmpty()) {
        html += "<p>No entries yet.</p>\n";
    } else {
        html += "<table>\n<tr><th>Rank</th><th>Score</th><th>Dif</th><th>Name</th><th>Date</th></tr>\n";
        for (qsizetype i = 0; i < cells_.size(); ++i) {
            html += ids_.at(i) == newId && newId != 0 ? "<tr class=\"new\">" : "<tr>";
            html += cells_.at(i);
            html += "</tr>\n";
        }
        html += "</table>\n";
    }
    html += "</body>\n</html>\n";
    return html;
}

QByteArray errorPage(const QString& title, const QString& text)
{
    return (head(title) + QStringLiteral("<p>") + text.toHtmlEscaped() +
            QStringLiteral("</p>\n</body>\n</html>\n"))
        .toUtf8();
}

} // namespace hofd
