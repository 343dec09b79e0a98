#pragma once
// How well a player knows a president, from his latest answers about him.
//
// The latest five answers count, the newest most: 5, 4, 3, 2 and 1 points for
// a right answer, newest first, so 15 at most; an answer not yet given counts
// as not right. The points make the level:
//   Unseen    no answer yet
//   Learning  answered, under 8 points
//   Familiar  8 to 11 points
//   Mastered  12 points or more
// So three right answers in a row always make Mastered, whatever came before;
// two in a row make at least Familiar; one miss drops Mastered to Familiar,
// and a miss among the newest two never leaves a president Mastered (the
// other four right make 10 at most). Two misses in a row make Learning (6 at
// most remain).
#include "store/progress.h"

#include <QList>
#include <QString>

namespace brev {

enum class MasteryLevel { Unseen, Learning, Familiar, Mastered };

inline constexpr int kMasteryTopPoints = 15; // 5 + 4 + 3 + 2 + 1
inline constexpr int kFamiliarPoints = 8;
inline constexpr int kMasteredPoints = 12;

struct Mastery {
    MasteryLevel level = MasteryLevel::Unseen;
    int points = 0;  // 0..15
    int counted = 0; // answers looked at: 0..5
    int right = 0;   // right ones among them
    bool newestRight = false;
};

// The mastery of the latest answers, newest first; only the first five count.
Mastery masteryOf(const QList<bool>& newestFirst);
// The same for a reader's history; Unseen for nullptr.
Mastery masteryOf(const PresidentHistory* history);

// The level as a word for the player ("Mastered"), translated.
QString masteryWord(MasteryLevel level);
// The same word untranslated, for files and scripts ("Mastered").
QString masteryKey(MasteryLevel level);
// One line for tooltips and screen readers: "Not asked yet", "Right the one
// time asked", "3 of the last 5 answers right", translated.
QString masteryHint(const Mastery& mastery);

} // namespace brev
