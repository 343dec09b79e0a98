#pragma once
// The report of one finished game for the player's class on the hall-of-fame
// service: who played (the name the progress file keeps), when, the score,
// practice or not, and per question its kind, category, points and the
// presidents it asked about, right or wrong each. JSON, format 1. Nothing
// else goes into it: no e-mail address, no file, no computer's name.
// Nothing here fails; a question that names no president is left out.
#include "base/classlink.h"
#include "models/questionrecord.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

namespace brev {

inline constexpr int kClassReportFormat = 1;
// What one report holds at most: the service refuses more.
inline constexpr int kReportQuestions = 100;
inline constexpr int kReportItems = 5;
inline constexpr int kReportNameLength = 80;

struct ClassReport {
    QString game;   // the game's identifier, a UUID without braces
    QString player; // the name the progress file keeps the game under
    QDateTime started;
    QDateTime ended;
    int score = 0;
    int possible = 0;
    bool practice = false;
    QList<QuestionRecord> questions; // in the order asked
};

// The report as the service takes it: compact JSON, UTF-8.
QByteArray classReportJson(const ClassReport& report);

} // namespace brev
