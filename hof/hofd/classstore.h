// The classes in the hall of fame's database (SQLite or PostgreSQL, through
// the connection a HofStore opens): each class with its code, its name, the
// SHA-256 of its teacher's key and its practice set; its games (one per class
// and game identifier, so a report sent twice is stored once), their judged
// items, and per player and president the tally the pages read (answers,
// right ones, the latest five newest first). The tables are made beside the
// hall of fame's when missing; its entries are never touched. Every value goes
// in as a bound parameter. Failures come back as problems naming the database
// and what went wrong. One ClassStore is one connection, used by one thread.
#pragma once

#include "base/problem.h"
#include "hof/hofd/classreport.h"
#include "hof/hofd/hofstore.h"

#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <map>
#include <memory>

namespace hofd {

struct ClassInfo {
    qint64 id = 0;
    QString code;
    QString name;
    QByteArray keyHash;
    QDateTime created;
    QList<int> assignment; // record numbers, ascending; empty: none set
};

// A report to store for the class with that code (upper case).
struct ClassReport {
    QString code;
    Report report;
};

struct ReportOutcome {
    enum Kind { Stored, AlreadyStored, UnknownClass, Failed } kind = Failed;
    QList<int> assignment; // the class's, when stored
    QString problem;       // Failed alone: why the database refused it
};

// What the players table of the teacher's page shows.
struct PlayerSummary {
    QString name;
    int games = 0;
    QDateTime lastPlayed;
    int averagePercent = 0; // of the games' percentages, each rounded down as the game does
};

// A player's tally about one president.
struct Tally {
    QString player;
    int president = 0;
    int answered = 0;
    int right = 0;
    QList<bool> recent; // newest first, at most five
};

struct GameRow {
    QString player;
    QDateTime ended;
    int score = 0;
    int possible = 0;
    bool practice = false;
};

struct AnswerRow {
    QString player;
    QDateTime ended;
    int question = 0; // 1 for the game's first question
    int category = 0;
    int president = 0;
    bool right = false;
};

struct CategoryTally {
    int category = 0;
    int answered = 0;
    int right = 0;
};

class ClassStore {
public:
    explicit ClassStore(const QString& connectionName);
    ~ClassStore();

    // Opens the database as HofStore does; prepare: make the class tables
    // when missing and check those there.
    brev::Problem open(const QString& where, bool prepare, int busyTimeoutMs);
    QString describe() const { return link_.describe(); }
    // PostgreSQL: opens the connection again once it is known to be broken.
    brev::Problem reconnectIfBroken();

    // A new class with a fresh code and key; the key is returned, never stored.
    struct NewClass {
        QString code;
        QString key;
    };
    brev::Result<NewClass> makeClass(const QString& name, const QDateTime& now);
    // The class with that code; nothing (and no problem) when there is none.
    brev::Result<std::optional<ClassInfo>> findClass(const QString& code);

    // Stores the reports in one transaction; one the database refuses fails
    // alone (the batch is then stored again, each report under a savepoint of
    // its own). Per report, its outcome.
    brev::Result<QList<ReportOutcome>> storeReports(const QList<ClassReport>& reports, const QDateTime& now);

    brev::Problem setAssignment(qint64 classId, const QList<int>& presidents);
    brev::Problem deletePlayer(qint64 classId, const QString& player);
    brev::Problem deleteClass(qint64 classId);
    // Deletes every class whose last game (or its making, without one) is
    // more than days before now; how many.
    brev::Result<int> purgeExpired(const QDateTime& now, int days);

    brev::Result<QList<PlayerSummary>> players(qint64 classId);
    // player empty: every player's.
    brev::Result<QList<Tally>> tallies(qint64 classId, const QString& player);
    // player empty: every player's; ordered by player, then game, oldest first
    // (a player's own: newest first).
    brev::Result<QList<GameRow>> games(qint64 classId, const QString& player);
    brev::Result<QList<AnswerRow>> answers(qint64 classId);
    brev::Result<QList<CategoryTally>> categories(qint64 classId, const QString& player);

private:
    QString fail(const QString& what) const;
    brev::Problem prepareSchema();
    brev::Problem exec(const QString& sql, const QVariantList& values = {});
    brev::Problem begin();
    brev::Problem commit();
    void rollback();
    brev::Problem deleteData(qint64 classId, const QString* player);
    // Not careful: a report the database refuses has the batch stored again,
    // carefully.
    brev::Result<QList<ReportOutcome>> storeBatch(const QList<ClassReport>& reports, const QDateTime& now,
                                                  bool careful);
    // One report inside the open transaction; false when it was there.
    brev::Result<bool> storeOne(const Report& report, qint64 classId);
    // asked: per president, his answers in this report, oldest first; late:
    // the player has a game that ended after this one.
    brev::Problem addToTallies(qint64 classId, const QString& player, const std::map<int, QList<bool>>& asked,
                               bool late);

    void prepareStatements();
    void forgetStatements();
    struct Statements; // the report's, prepared once per connection
    HofStore link_;
    QSqlDatabase db_;
    std::unique_ptr<Statements> statements_;
    bool sqlite_ = true;
};

} // namespace hofd
