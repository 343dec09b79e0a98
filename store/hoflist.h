#pragma once
// The hall of fame: the 30 best difficulty-adjusted scores of this computer,
// their file "brev.hof", the list lines the HOF window shows, entering a new
// score and the addresses of the online hall of fame.
//
// Failures: a missing file is an empty list. A damaged file keeps the entries
// read before the damage and says so once; a file that cannot be written or
// deleted leaves the old file and the list in memory as they were and names
// the file and the system's reason. Each returns its problem for the windows
// to show.
#include "base/problem.h"

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <array>

namespace brev {

struct AppContext;

// One entry of the list.
struct HofEntry {
    int score = 0;     // difficulty-adjusted score
    QString game;      // project code, exactly 8 characters, space-padded
    int pct = 0;       // percentage of correct answers
    QString name;      // maxdif, two spaces, the player's name: "3  Ann"
    QString date;      // month/day/year
    int extra = 0;     // spare; the game passes 0
};

inline constexpr int kHofPlaces = 30;
// Entries 1..30 in rank order; entry 0 is never used.
using HofTable = std::array<HofEntry, kHofPlaces + 1>;

// Reads the hall of fame file into hof and hofcount.
Problem getHOF(AppContext& ctx);
// Writes hof and hofcount to the file through a temporary file.
Problem putHOF(AppContext& ctx);
// The file's bytes for the list in memory.
QByteArray hofText(const AppContext& ctx);
// Deletes the file and empties the list. A file that is there but could not
// be deleted is a problem; the list is emptied all the same.
Problem clearHof(AppContext& ctx);

// The window's text: the header, then one line per entry.
QStringList hofLines(const AppContext& ctx);
inline constexpr char kHofHeader[] = "Rank   Score  % Dif Name           Date ";

// What entering a score asks of the windows.
class HofWindows {
public:
    virtual ~HofWindows() = default;
    // The name entry for the place the score took, modal; it leaves
    // playername and playeremail set and returns true when the player asked
    // to submit the entry online.
    virtual bool nameEntry(int place) = 0;
    // The HOF window, modal.
    virtual void showList() = 0;
    // A message for the player, with OK only.
    virtual void tell(const QString& text) = 0;
};

// Offers a finished game's score to the list: places it (a tie goes below the
// earlier entry, place 30 falls off), lets the player name it, submits it
// online when asked and allowed, shows the list and saves the file. Returns
// the place taken, or 0 when the score places nowhere (then nothing opens).
int enterHof(AppContext& ctx, HofWindows& ui, int score, const QString& game, int percent, int extra);

// A name as the files can hold it: a double quote becomes an apostrophe and
// line breaks or other control characters become spaces.
QString fileSafeText(const QString& text);

// The online hall of fame list, and the address that submits the latest entry
// (every value percent-encoded).
QUrl onlineHofUrl(const AppContext& ctx);
QUrl hofSubmissionUrl(const AppContext& ctx, int score);

} // namespace brev
