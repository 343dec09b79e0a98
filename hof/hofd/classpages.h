// The teacher's pages of a class, in the reader's language: making a class,
// the class's page (its players, its presidents with the share of right
// answers and a mark, the practice set, deleting), a player's page (his
// mastery of each president, his kinds of question and games), and the pages
// that ask before deleting and say it is done. Links and forms carry the key;
// the pages never show it but in the answer that makes the class. Every name
// and text is escaped (Html). The marks: a player's mastery of a president is
// the game's own (his latest five answers, the newest weighing most); the
// class's mark of a president is the share of all its answers about him that
// were right (Mastered from 80 %, Familiar from 50 %, Learning below or with
// fewer than five answers), as the page says.
#pragma once

#include "base/problem.h"
#include "hof/hofd/classfacts.h"
#include "hof/hofd/classstore.h"

#include <QByteArray>
#include <QList>
#include <QString>

namespace hofd {

struct ClassPageData {
    ClassInfo info;
    QString key;
    QList<PlayerSummary> players;
    QList<Tally> tallies; // every player's
    bool weakestFirst = false;
};

struct PlayerPageData {
    ClassInfo info;
    QString key;
    QString player;
    QList<Tally> tallies; // his
    QList<GameRow> games; // newest first
    QList<CategoryTally> categories;
};

// The class's mark of a president: 0 Unseen (no answer), 1 Learning, 2
// Familiar, 3 Mastered, by the share of right answers (80 % and 50 %), and
// Learning while fewer than five answers were given.
int classMark(int answered, int right);

QByteArray newClassPage(Language language, int retentionDays);
// address: the teacher's whole address, as the page shows it; its link
// goes to the path alone, which holds wherever the page was reached.
QByteArray classMadePage(Language language, const QString& name, const QString& code, const QString& path,
                         const QString& address);
QByteArray classPage(Language language, const ClassPageData& data);
QByteArray playerPage(Language language, const PlayerPageData& data);
// player null: the whole class.
QByteArray confirmDeletePage(Language language, const ClassInfo& info, const QString& key,
                             const QString* player);
QByteArray deletedPage(Language language, const ClassInfo& info, const QString& key, const QString* player);

// The practice set as the range field shows it: "1-4, 16".
QString rangeText(const QList<int>& presidents);
// Reads the form's values of presidents (ticks, or a text of numbers and
// ranges each): the set, ascending, or the part at fault (its first 40
// characters) for the page to quote.
brev::Result<QList<int>> parsePresidents(const QStringList& values);

// The addresses of the pages, the key percent-encoded.
QString classPath(const QString& code, const QString& key);
QString playerPath(const QString& code, const QString& player, const QString& key);

} // namespace hofd
