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

// One entry of the list.
struct HofEntry {
    int score = 0; // difficulty-adjusted score
    QString game;  // project code, exactly 8 characters, space-padded
    int pct = 0;   // percentage of correct answers
    QString name;  // maxdif, two spaces, the player's name: "3  Ann"
    QString date;  // month/day/year
    int extra = 0; // spare; the game passes 0
};

inline constexpr int kHofPlaces = 30;
// Entries 1..30 in rank order; entry 0 is never used.
using HofTable = std::array<HofEntry, kHofPlaces + 1>;
//: The columns' heading of the hall-of-fame list, in a fixed-pitch font: each
//: word stands over its column (place, score, per cent, difficulty, name, date);
//: keep every word within its column's width.
inline constexpr char kHofHeader[] =
    QT_TRANSLATE_NOOP("brev::HallOfFame", "Rank   Score  % Dif Name           Date ");

// The list and its file. One owner (the program); the hall-of-fame windows
// show and clear it, a finished game enters a score.
class HallOfFame {
public:
    // path: the hall of fame file.
    explicit HallOfFame(QString path) : path_(std::move(path)) {}

    HofTable entries{};
    int count = 0; // entries in use, 0..30

    // Reads the file; a missing file reads nothing (no game has entered the
    // list yet).
    Problem load();
    // Writes the list to the file through a temporary file.
    Problem save() const;
    // The file's bytes for the list in memory.
    QByteArray text() const;
    // Deletes the file and empties the list. A file that is there but could
    // not be deleted is a problem; the list is emptied all the same.
    Problem clear();
    // The window's text: the header, then one line per entry, its date
    // as the language shown writes it (shownHofDate).
    QStringList lines() const;
    // The place a score would take (a tie goes below the earlier entry), or 0.
    int placeFor(int score) const;

private:
    QString name() const;

    QString path_;
};

// What the player chose on the name entry.
struct NameChoice {
    QString name;
    QString email;
    bool online = false; // submit the entry to the online hall of fame
};

// What entering a score asks of the windows.
class HofWindows {
public:
    virtual ~HofWindows() = default;
    // The name entry for the place the score took, modal.
    virtual NameChoice nameEntry(int place) = 0;
    // The HOF window, modal.
    virtual void showList() = 0;
    // A message for the player, with OK only.
    virtual void tell(const QString& text) = 0;
    // Opens a web address in the browser; the problem when none opened it.
    virtual Problem open(const QUrl& address) = 0;
};

// A finished game's score as the list takes it.
struct NewEntry {
    int score = 0; // difficulty-adjusted
    QString game;  // the project code, "brev"
    int percent = 0;
    int extra = 0;
    int maxdif = 1;
    QString date; // today, month/day/year
};

// Offers a finished game's score to the list: places it (place 30 falls off),
// lets the player name it, submits it online when asked and allowed (places
// 1 to 5) under the online hall of fame's base address, shows the list and
// saves the file. Returns the place taken, or 0 when the score places nowhere
// (then nothing opens).
int enterHof(HallOfFame& hof, HofWindows& ui, const NewEntry& entry, const QUrl& baseUrl);

// A name as the files can hold it: a double quote becomes an apostrophe and
// line breaks or other control characters become spaces.
QString fileSafeText(const QString& text);

// An entry's date as the windows show it: the file's month/day/year in the
// language shown (shownDate); a date in any other form as it stands.
QString shownHofDate(const QString& date);

// The online hall of fame list under a base address, and the address that
// submits an entry (every value percent-encoded).
QUrl onlineHofUrl(const QUrl& baseUrl);
QUrl hofSubmissionUrl(const QUrl& baseUrl, int score, const QString& name, int maxdif, const QString& email);

} // namespace brev
