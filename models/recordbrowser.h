#pragma once
// The data editor's logic, without the window: the list of records, paging
// with Next and Previous, the texts shown for a record, the difficulty box
// and its clamping, the link, and saving changed difficulties to "brev.dat".
#include "base/problem.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

namespace brev {

class Records;
class Shell;
struct President;

class RecordBrowser {
    Q_DECLARE_TR_FUNCTIONS(brev::RecordBrowser)
public:
    // The editor's load: the list, position 1 and record 1 shown. records:
    // the table whose difficulties the editor changes; dir: the program
    // directory, where the portraits and the data files are.
    RecordBrowser(Records& records, QString dir);
    RecordBrowser(const RecordBrowser&) = delete;
    RecordBrowser& operator=(const RecordBrowser&) = delete;

    // The records' names in list order (position p at index p - 1).
    const QStringList& names() const { return names_; }
    int positions() const { return positions_; }
    int position() const { return position_; }
    int record() const { return record_; }

    // Next and Previous stay on the last and first record.
    void next();
    void previous();
    // The list's entry at index i (0-based) was chosen.
    void choose(int index);

    // The nine fact lines, "Birth: " and the rest, in this order: lBirth,
    // lBirthplace, lhome, lterm, lwife, lSecST, lSecWar, lAttnGen, lVice.
    std::array<QString, 9> facts() const;
    // The same lines for any record (1..positions()).
    std::array<QString, 9> factsOf(int record) const;
    QString name() const;
    QString link() const;
    QString image() const;
    // The portrait's path in the program directory; empty when the record
    // names none (a named file may still be missing: the window hides it then).
    QString portraitPath() const;

    // What the difficulty box shows.
    const QString& difText() const { return difText_; }
    // The box's text became `text`: above 3 it becomes "3", below 1 "1", and
    // the (rounded) number is the record's difficulty at once. Text that is
    // not a number brings back the previous value; an empty box (or a lone
    // sign) waits for the player to finish typing. Returns the text the box
    // must show.
    const QString& difChanged(const QString& text);
    // The box was left: an unfinished box shows the record's difficulty again.
    const QString& difLeft();
    // A difficulty was written into a record since the editor opened.
    bool changed() const { return changedBase_ || changedAddOn_; }

    // "Problem? no name for " and the record's number when the shown record
    // has no name.
    Problem nameProblem() const;
    // The link button: "No internet link available" when the record has no
    // link, otherwise linkbase and the link open in the browser.
    Problem openLink(Shell& shell);
    // "ok": writes the records of "brev.dat" when one of their difficulties
    // changed, and those of the add-on "brevplus.dat" when one of theirs did.
    Problem save();

private:
    void fillform();
    const President& shown() const;

    QString path(const QString& name) const;

    Records& records_;
    QString dir_;
    QStringList names_;
    std::vector<int> itemmap_;
    int positions_ = 0;
    int position_ = 1;
    int record_ = 0;
    bool changedBase_ = false;
    bool changedAddOn_ = false;
    QString difText_ = QStringLiteral("1");
};

} // namespace brev
