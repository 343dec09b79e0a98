// The pages the service answers with: the list of a game's best entries (the
// player's new entry marked) and the short error pages. Every text taken from a
// request or the database is HTML-escaped; e-mail addresses never appear.
#pragma once

#include "hof/hofd/hofstore.h"

#include <QByteArray>

namespace hofd {

// A game's list page, its rows written once: the pages answering the entries
// of one batch differ only in the row marked and the line above the table.
class ListPage {
public:
    ListPage(const QString& game, const QList<ListedEntry>& entries);
    // newId and newScore describe a just-stored entry (newId 0: none): its row
    // is marked, and a line above the table gives its place or says it is not
    // listed.
    QByteArray page(qint64 newId = 0, int newScore = 0) const;

private:
    QByteArray head_;
    QList<qint64> ids_;
    QList<QByteArray> cells_; // each row's, without its <tr>
    qsizetype bytes_ = 0;     // about the page's length
};

inline QByteArray listPage(const QString& game, const QList<ListedEntry>& entries, qint64 newId = 0,
                           int newScore = 0)
{
    return ListPage(game, entries).page(newId, newScore);
}

QByteArray errorPage(const QString& title, const QString& text);

// month/day/year, as the game's own list shows dates.
QString shortDate(const QDate& d);

} // namespace hofd
