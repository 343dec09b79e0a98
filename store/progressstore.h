#pragma once
// The progress file "brevprogress.sqlite": every judged question of every
// game and each president it asked about, per player, in an SQLite database
// reached through Qt SQL, and the readers the progress views need.
//
// Nothing is opened until the first call that needs the file, so start-up
// does not wait for it. A missing file is created (deleting it starts a new
// history, also between two games of one run). A file that cannot be used,
// because it is damaged, not a database, another program's database, written
// by a newer version of the game, read-only or locked by another program,
// switches the store off for the rest of the run: the call that found it
// returns one problem naming the file and what is wrong, later recording
// calls do nothing and return nothing (the game goes on), readers return the
// same problem, and the file is never written or replaced. A lock is waited
// for kProgressLockWaitMs at most. Writes go through SQLite's write-ahead log
// (except on network file systems), so a question's transaction does not wait
// for the disk and readers never wait for it.
//
// Schema, version 3 (PRAGMA user_version; PRAGMA application_id "BREV"):
//   games (id, player, started, practice, finished, score, possible, ended_early)
//   questions (id, game, question, asked, player, category, points, possible)
//   items (id, game, question, asked, player, category, record, president, correct, points)
//   outbox (id, code, game, made, report)
//   classes (code, presidents, unknown)
// one row of questions per judged question and one row of items per
// president it asked about; times are UTC, ISO 8601 text. The outbox holds
// the class reports not yet delivered (written in the transaction that
// finishes their game, at most kOutboxReports, the oldest going first), and
// classes the last practice set known for each class code (record numbers,
// comma-separated; NULL when none is known) and whether the service said it
// does not know the code. A file of version 1 (games and items only) or 2
// (without the outbox) is upgraded in place when the game opens it, in one
// transaction, losing nothing: a version-1 file's questions are derived from
// their items, its right items counted as the points of all of them (so a
// question with every item right counts right, none wrong, some partly
// right). A report reads an older file as it is, without writing.
#include "store/progress.h"
#include "base/problem.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <memory>

class QSqlError;
class QSqlQuery;

namespace brev {

// The longest a write waits for another program's lock before giving up.
inline constexpr int kProgressLockWaitMs = 200;
// The schema version this program writes and reads.
inline constexpr int kProgressSchemaVersion = 3;
// The most class reports the outbox keeps; a new one pushes out the oldest.
inline constexpr int kOutboxReports = 500;

// A class report waiting in the outbox: its row, the class code it goes to,
// the game's identifier and the report's JSON.
struct QueuedReport {
    qint64 id = 0;
    QString code;
    QString game;
    QByteArray json;
};

class ProgressStore {
    Q_DECLARE_TR_FUNCTIONS(brev::ProgressStore)

public:
    enum class Access {
        ReadWrite, // the game: records, creates a missing file
        ReadOnly,  // reports (the command line): never writes; a missing file is an empty history
    };

    // file: the database's path, normally kProgressFile in the program directory.
    explicit ProgressStore(const QString& file, Access access = Access::ReadWrite);
    ~ProgressStore();
    ProgressStore(const ProgressStore&) = delete;
    ProgressStore& operator=(const ProgressStore&) = delete;

    const QString& file() const { return file_; }
    // Opens the file when it is not open yet; the reason when the store is off.
    Problem open();
    bool isOff() const { return off_.has_value(); }

    // Starts a game of the player (kDefaultPlayer when the name is blank); a
    // game begun before and not finished stays unfinished. When the file has
    // been deleted since it was opened, a new one is started.
    Problem beginGame(const QString& player, const QDateTime& when, bool practice);
    // Records one judged question of the begun game and its items, all or
    // none, in one transaction. Does nothing without a begun game.
    Problem recordQuestion(const JudgedQuestion& question, const QDateTime& when);
    // Ends the begun game with its final score (the questions asked so far
    // when it ended early), under the player's name as it stands at its end
    // (the name entry's): the game and all its questions move to it.
    // With a report, the report goes into the outbox in the same transaction.
    Problem finishGame(const QString& player, int score, int possible, bool endedEarly, const QDateTime& when,
                       const QueuedReport* report = nullptr);

    // The outbox and the classes' practice sets (store/progressoutbox.cpp).
    // Like the recording calls, they do nothing once the store is off; the
    // call that finds the file unusable returns its problem.
    // The waiting reports, oldest first.
    Result<QList<QueuedReport>> waitingReports();
    Problem removeReport(qint64 id);
    // The last practice set known for a class code (empty when none is
    // known, or the set is empty).
    Result<QList<int>> classSet(const QString& code);
    // Keeps a class's practice set; the code is known again.
    Problem saveClassSet(const QString& code, const QList<int>& presidents);
    // The service does not know the code: true when that is news (false
    // also when the store is off).
    Result<bool> markUnknownClass(const QString& code);

    // The readers: what they read, or the problem that kept them from it.
    // The players with a game, by name (case does not matter).
    Result<QStringList> players();
    // One history per president the player answered about, by record number.
    Result<QList<PresidentHistory>> presidentHistories(const QString& player);
    // One line per category the player answered in, by category number: his
    // questions, counted by how they went.
    Result<QList<CategoryAccuracy>> categoryAccuracy(const QString& player);
    // The player's finished games, oldest first.
    Result<QList<GameResult>> gameResults(const QString& player);

    // The name answers are kept under: the name trimmed, or kDefaultPlayer.
    static QString playerName(const QString& name);
    // How the windows show a name answers are kept under: kDefaultPlayer in
    // the language shown ("Jugador", "Spieler"), any other name as it is.
    static QString shownName(const QString& player);

private:
    bool readableAsIs();
    Result<bool> checkSchema();
    Problem createSchema();
    Problem upgradeSchema();
    Problem runInTransaction(const QStringList& statements, const char* doing);
    Problem prepareWriting();
    Result<bool> forReaders();
    // Closes the file for the rest of the run; the message says what is
    // wrong, then, for the game, that it goes on (and leaves the file alone
    // when it is there).
    Failure switchOff(const QString& what, bool fileThere);
    Failure failed(const char* doing, const QSqlError& error);
    Result<bool> outboxReady();
    bool insertReport(QSqlQuery& q, const QueuedReport& report, const QDateTime& when);
    void closeConnection();

    QString file_;
    Access access_;
    QString connection_;
    QSqlDatabase db_;
    std::unique_ptr<QSqlQuery> insertQuestion_;
    std::unique_ptr<QSqlQuery> insertItem_;
    bool open_ = false;
    bool noFile_ = false; // read-only access to a file that is not there
    Problem off_;
    int version_ = 0; // the open file's schema version
    qint64 game_ = 0; // the begun game, 0 when none
    QString player_;
    int question_ = 0;
};

} // namespace brev
