// The texts of the class pages in English, Spanish and German, in the game's
// terms (the mastery words, "practice", "president" as the game's windows say
// them), and the forms of numbers, dates and marks each language writes.
// Every text exists in every language (checked when compiled).
#pragma once

#include "hof/hofd/classfacts.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace hofd {

enum class Text {
    NoAccessTitle,
    NoAccess,
    NewClassTitle,
    NewClassIntro,
    ClassNameLabel,
    ClassNameHint,
    MakeClass,
    Privacy,
    ClassMadeTitle,
    CodeForPupils,
    GiveCode,
    TeachersAddress,
    KeepAddress,
    BadClassName,
    TooManyClassesTitle,
    TooManyClasses,
    TryAgainTitle,
    TryAgain,
    ClassTitle,
    Downloads,
    GamesCsv,
    AnswersCsv,
    Players,
    PlayersCaption,
    Player,
    Games,
    LastPlayed,
    AverageScore,
    PresidentsMastered,
    NoGames,
    AverageNote,
    Presidents,
    PresidentsCaption,
    Number,
    President,
    RightAnswers,
    Mark,
    MasteredBy,
    PracticeColumn,
    PracticeName,
    InTermOrder,
    WeakestFirst,
    MarkNote,
    SharePart,
    OfCount,
    ClassPractice,
    PracticeIntro,
    PracticeNone,
    PracticeRange,
    PracticeList,
    PresidentsByNumber,
    PresidentsByNumberHint,
    SetPractice,
    SetTicked,
    ClearPractice,
    BadPracticeTitle,
    BadPractice,
    Deleting,
    DeleteClassIntro,
    DeleteClassButton,
    PlayerTitle,
    BackToClass,
    MasteryCaption,
    Mastery,
    LatestAnswers,
    KindsOfQuestion,
    CategoriesCaption,
    Category,
    Answers,
    GamesCaption,
    Ended,
    Score,
    Possible,
    Percent,
    PracticeGame,
    Yes,
    No,
    DeletePlayerIntro,
    DeletePlayerButton,
    NoSuchPlayerTitle,
    NoSuchPlayer,
    ConfirmClassTitle,
    ConfirmClass,
    ConfirmPlayerTitle,
    ConfirmPlayer,
    ConfirmPlayerNote,
    DeleteButton,
    Cancel,
    DeletedTitle,
    DeletedClass,
    DeletedPlayer,
    Unseen,
    Learning,
    Familiar,
    Mastered,
    NotAskedYet,
    RightOnce,
    WrongOnce,
    LastAnswersRight,
    LatestRight,
    LatestWrong,
    Count_
};

// The text in that language; %1, %2 stand for what the page puts in.
QString text(Text id, Language language);

// 72%, or 72 % with a no-break space in Spanish and German.
QString percentText(int percent, Language language);
// 12/8/2026, 8/12/2026, 08.12.2026.
QString dateText(const QDate& date, Language language);
// The date and the time of day in UTC: 12/8/2026 20:09 UTC.
QString timeText(const QDateTime& time, Language language);

// The game's mastery level (0 Unseen .. 3 Mastered) as a word, and the line
// the Progress window gives with it ("3 of the last 5 answers right, the
// latest right").
QString masteryWord(int level, Language language);
QString masteryHint(const QList<bool>& newestFirst, Language language);

} // namespace hofd
