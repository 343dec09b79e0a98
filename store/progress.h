#pragma once
// What the game remembers of a player's answers from one game to the next:
// the plain values the progress file "brevprogress.sqlite" holds and its
// readers hand out. QtCore only; the file itself is ProgressStore's.
#include <QDateTime>
#include <QList>
#include <QString>

namespace brev {

// The progress file in the program directory. Deleting it starts a new history.
inline constexpr char kProgressFile[] = "brevprogress.sqlite";
// The name answers are kept under until the player has given one; the
// windows show it translated (ProgressStore::shownName), the file keeps it.
//: The name of a player who has not given one, as the Progress window shows it.
inline constexpr char kDefaultPlayer[] = QT_TRANSLATE_NOOP("brev::ProgressStore", "Player");
// How many of a president's latest answers his mastery looks at.
inline constexpr int kMasteryWindow = 5;

// One judged item of a question: an answer about one president.
struct JudgedItem {
    int record = 0;    // the president's record number (1..45)
    QString president; // his name as the records hold it
    bool right = false;
    int points = 0; // the points the item earned
};

// One judged question: its category, the points won of those possible, and
// the presidents it asked about, each once.
struct JudgedQuestion {
    int category = 0;
    int points = 0;
    int possible = 0;
    QList<JudgedItem> items;
};

// A president as the current game knows him: his record and name. The
// current set (41 or 45 presidents, in term order) is a list of these.
struct PresidentEntry {
    int record = 0;
    QString name;
};

// A player's answers about one president.
struct PresidentHistory {
    int record = 0;
    QString name;     // as the latest answer recorded it
    int answered = 0; // every answer ever recorded
    int right = 0;
    QList<bool> recent; // the latest answers, newest first, at most kMasteryWindow
};

// A player's questions in one category, counted by how they went.
struct CategoryAccuracy {
    int category = 0;
    int answered = 0;    // questions judged
    int right = 0;       // every point possible won
    int partlyRight = 0; // some of them
};

// A finished game of a player.
struct GameResult {
    qint64 game = 0;
    QDateTime started;  // UTC
    QDateTime finished; // UTC
    int score = 0;
    int possible = 0;
    int percent = 0; // score of possible, rounded down as the game does; 0 when nothing was possible
    bool practice = false;
    bool endedEarly = false;
};

// The history of one record in a reader's list; nullptr when he has none.
const PresidentHistory* historyOf(const QList<PresidentHistory>& histories, int record);

} // namespace brev
