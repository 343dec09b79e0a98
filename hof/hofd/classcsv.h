// A class's games and judged answers as CSV files for a spreadsheet: RFC 4180
// (fields with a comma, a quote or a line break quoted, quotes doubled; CR LF
// after every row, the header row's too), UTF-8. A text field beginning with
// "=", "+", "-" or "@" is written after a "'", so that a spreadsheet shows it
// rather than running it as a formula. The column names and the categories'
// names are English, as files of the game are.
#pragma once

#include "hof/hofd/classstore.h"

#include <QByteArray>
#include <QList>

namespace hofd {

// player, ended, score, possible, practice (yes or no).
QByteArray gamesCsv(const QList<GameRow>& games);
// player, game ended, question, kind, category, category name, president
// number, president, right (yes or no): one row per judged item.
QByteArray answersCsv(const QList<AnswerRow>& answers);

} // namespace hofd
