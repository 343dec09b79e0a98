// A finished game's report to a class (format 1), as the game sends it in a
// POST body, read and checked whole: a report that is not the game's, or that
// names a president, category or kind that does not exist, comes back with one
// line naming the first field at fault ("questions[3].items[0].president: 46 is
// not a president"), for a 400 answer; nothing of it is to be stored then.
// Fields the reader does not know are ignored. Also the class codes, keys and
// player names the class pages share with it.
#pragma once

#include "base/problem.h"

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>
#include <optional>

namespace hofd {

constexpr int kMaxPlayerName = 80; // characters, after trimming
constexpr int kMaxQuestions = 100;
constexpr int kMaxItems = 5;
constexpr qint64 kMaxReportBytes = 64 * 1024;

struct ReportItem {
    int president = 0; // 1..45
    bool right = false;
};

struct ReportQuestion {
    int category = 0;
    int points = 0;
    int possible = 0;
    bool skipped = false; // no answer: its items are no answers either
    QList<ReportItem> items;
};

struct Report {
    QString game;             // the game's UUID, lower case, without braces
    QString player;           // trimmed, composed, at most kMaxPlayerName characters
    QDateTime started, ended; // UTC, whole seconds
    int score = 0;
    int possible = 0;
    bool practice = false;
    QList<ReportQuestion> questions;
};

// The report in body, or the line naming what is wrong (the first thing).
brev::Result<Report> parseReport(const QByteArray& body);

// A player's name as reports and the teacher's pages take it: trimmed and
// composed; nothing when it is empty, holds nothing visible or a control
// character, or is longer than kMaxPlayerName characters. Marks piled on one
// character beyond what the hall of fame keeps are dropped.
std::optional<QString> playerName(const QString& text);

// A class code as typed (any case): the code in capitals, or nothing when it
// is not six characters of the code alphabet (no 0, O, 1 or I).
std::optional<QString> classCode(const QString& text);
// A new random code, and a new random key (192 bits, URL-safe base64).
QString newClassCode();
QString newClassKey();
// The key as it is stored: its SHA-256, in hexadecimal.
QByteArray keyHash(const QString& key);
// Whether two hashes are equal, taking the same time whichever bytes differ.
bool sameHash(const QByteArray& a, const QByteArray& b);

// A UTC time as reports and the store write it: 2026-12-08T20:09:41Z.
QString utcText(const QDateTime& time);

} // namespace hofd
