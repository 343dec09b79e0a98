#pragma once
// A player's progress as a plain text table, for the command line, teachers
// and scripts.
#include "store/progress.h"

#include <QList>
#include <QString>

namespace brev {

enum class TableForm {
    Aligned, // columns padded with spaces, two between columns
    Tabbed,  // columns separated by one tab
};

// A header line, then one line per president of the set in its order: his
// record number, name, answers, right answers and mastery, the mastery as its
// untranslated word (Unseen, Learning, Familiar, Mastered) so that scripts can
// rely on it. Every line ends with a line feed.
QString progressTable(const QList<PresidentEntry>& set, const QList<PresidentHistory>& histories,
                      TableForm form = TableForm::Aligned);

} // namespace brev
