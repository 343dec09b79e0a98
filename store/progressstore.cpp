#include "store/progressstore.h"
#include "base/numbers.h"

#include <QDir>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QStorageInfo>
#include <QUrl>
#include <QVariant>
#include <atomic>

namespace brev {

namespace {

constexpr char kDriver[] = "QSQLITE";
constexpr qint64 kApplicationId = 0x42524556; // "BREV"

// SQLite's primary result codes, as Qt SQL passes them on.
enum SqliteCode {
    SqliteBusy = 5,
    SqliteLocked = 6,
    SqliteReadOnly = 8,
    SqliteCorrupt = 11,
    SqliteFull = 13,
    SqliteCantOpen = 14,
    SqliteNotADb = 26,
};

// The file systems on which SQLite's write-ahead log is not safe: its shared
// memory index works between the programs of one computer only.
bool onNetworkFileSystem(const QString& file)
{
    const QByteArray type = QStorageInfo(QFileInfo(file).absolutePath()).fileSystemType();
    static const QByteArrayList network{"nfs", "nfs4", "cifs",      "smb3",       "smbfs", "9p",
                                        "afs", "ceph", "glusterfs", "fuse.sshfs", "lustre"};
    return network.contains(type);
}

QString timeText(const QDateTime& when)
{
    return when.toUTC().toString(Qt::ISODate);
}

QDateTime timeOf(const QVariant& text)
{
    QDateTime t = QDateTime::fromString(text.toString(), Qt::ISODate);
    return t.isValid() ? t.toUTC() : t;
}

// Fails on the statement's own error, or on one met while stepping through rows.
bool succeeded(const QSqlQuery& q)
{
    return !q.lastError().isValid();
}

} // namespace

ProgressStore::ProgressStore(const QString& file, Access access) : file_(file), access_(access)
{
    static std::atomic<int> stores{0};
    connection_ = QStringLiteral("brevprogress-%1").arg(++stores);
}

ProgressStore::~ProgressStore()
{
    closeConnection();
}

QString ProgressStore::playerName(const QString& name)
{
    const QString trimmed = name.trimmed();
    return trimmed.isEmpty() ? QString::fromLatin1(kDefaultPlayer) : trimmed;
}

QString ProgressStore::shownName(const QString& player)
{
    return player == QLatin1String(kDefaultPlayer) ? tr(kDefaultPlayer) : player;
}

void ProgressStore::closeConnection()
{
    insertQuestion_.reset();
    insertItem_.reset();
    if (db_.isValid()) {
        db_.close();
        db_ = QSqlDatabase();
        QSqlDatabase::removeDatabase(connection_);
    }
    open_ = false;
    noFile_ = false;
}

Failure ProgressStore::switchOff(const QString& what, bool fileThere)
{
    closeConnection();
    game_ = 0;
    if (access_ == Access::ReadOnly)
        off_ = what; // a report, with no game to go on
    else
        off_ = what + u' ' +
               (fileThere ? tr("The game goes on without recording progress, and leaves the file as it is.")
                          : tr("The game goes on without recording progress."));
    return failure(*off_);
}

Failure ProgressStore::failed(const char* doing, const QSqlError& error)
{
    const QString shown = QDir::toNativeSeparators(file_);
    QString what;
    switch (error.nativeErrorCode().toInt() & 0xff) {
    case SqliteBusy:
    case SqliteLocked:
        what = tr("The progress file %1 is in use by another program: it stayed locked for %2 ms.")
                   .arg(shown)
                   .arg(kProgressLockWaitMs);
        break;
    case SqliteReadOnly:
        what = tr("The progress file %1 cannot be written: it or its folder is read-only.").arg(shown);
        break;
    case SqliteCorrupt:
    case SqliteNotADb:
        what =
            tr("The progress file %1 is damaged or is not a database (%2).").arg(shown, error.databaseText());
        break;
    case SqliteFull: what = tr("The progress file %1 cannot grow: the disk is full.").arg(shown); break;
    case SqliteCantOpen:
        what = tr("The progress file %1 cannot be opened (%2).").arg(shown, error.databaseText());
        break;
    default:
        what = tr("The progress file %1 cannot be used while %2 (%3).")
                   .arg(shown, tr(doing), error.text().trimmed());
        break;
    }
    return switchOff(what, QFileInfo::exists(file_));
}

Problem ProgressStore::open()
{
    if (off_)
        return off_;
    if (open_ || noFile_)
        return std::nullopt;
    const QString shown = QDir::toNativeSeparators(file_);
    const QFileInfo info(file_);
    if (!QSqlDatabase::isDriverAvailable(QString::fromLatin1(kDriver)))
        return switchOff(tr("The progress file %1 cannot be opened: the Qt SQLite driver is not installed "
                            "(Debian package libqt6sql6-sqlite).")
                             .arg(shown),
                         info.exists());
    if (!info.absoluteDir().exists())
        return switchOff(tr("The progress file %1 cannot be made: its folder does not exist.").arg(shown),
                         false);
    if (info.exists() && !info.isFile())
        return switchOff(tr("The progress file %1 cannot be opened: it is not a file.").arg(shown), true);
    if (!info.exists() && access_ == Access::ReadOnly) {
        noFile_ = true; // nothing recorded yet; a report never makes the file
        return std::nullopt;
    }

    db_ = QSqlDatabase::addDatabase(QString::fromLatin1(kDriver), connection_);
    db_.setDatabaseName(file_);
    QString options = QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(kProgressLockWaitMs);
    if (access_ == Access::ReadOnly)
        options += QStringLiteral(";QSQLITE_OPEN_READONLY");
    db_.setConnectOptions(options);
    if (!db_.open())
        return failed(QT_TR_NOOP("opening it"), db_.lastError());
    if (access_ == Access::ReadOnly && !readableAsIs() &&
        !QFileInfo::exists(file_ + QStringLiteral("-wal"))) {
        // A write-ahead-log file in a folder the reader cannot write: SQLite
        // cannot make the log's index beside it. With no log left to merge
        // into it, the file alone holds the whole history.
        db_.close();
        const QUrl uri = QUrl::fromLocalFile(info.absoluteFilePath());
        db_.setDatabaseName(uri.toString(QUrl::FullyEncoded) + QStringLiteral("?mode=ro&immutable=1"));
        db_.setConnectOptions(options + QStringLiteral(";QSQLITE_OPEN_URI"));
        if (!db_.open())
            return failed(QT_TR_NOOP("opening it"), db_.lastError());
    }

    const Result<bool> fresh = checkSchema();
    if (!fresh)
        return fresh.problem();
    if (access_ == Access::ReadOnly) {
        if (*fresh) {
            closeConnection();
            noFile_ = true;
        }
        open_ = !*fresh;
        return std::nullopt;
    }
    if (*fresh) {
        if (auto problem = createSchema())
            return problem;
    }
    if (version_ < kProgressSchemaVersion) {
        if (auto problem = upgradeSchema())
            return problem;
    }
    if (auto problem = prepareWriting())
        return problem;
    open_ = true;
    return std::nullopt;
}

// False when reading the file fails because it, or its folder, cannot be
// written; any other failure is left to checkSchema to report.
bool ProgressStore::readableAsIs()
{
    QSqlQuery q(db_);
    if (q.exec(QStringLiteral("SELECT COUNT(*) FROM sqlite_master")))
        return true;
    const int code = q.lastError().nativeErrorCode().toInt() & 0xff;
    return code != SqliteReadOnly && code != SqliteCantOpen;
}

// Reads, and writes nothing: a file that is not ours, or not of a version
// this program knows, is left exactly as it is. True when the file holds no
// history yet.
Result<bool> ProgressStore::checkSchema()
{
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("PRAGMA application_id")) || !q.next())
        return failed(QT_TR_NOOP("reading it"), q.lastError());
    const qint64 application = q.value(0).toLongLong();
    if (!q.exec(QStringLiteral("PRAGMA user_version")) || !q.next())
        return failed(QT_TR_NOOP("reading it"), q.lastError());
    const int version = q.value(0).toInt();
    if (!q.exec(QStringLiteral("SELECT name FROM sqlite_master WHERE type = 'table'"
                               " AND name NOT LIKE 'sqlite!_%' ESCAPE '!' ORDER BY name")))
        return failed(QT_TR_NOOP("reading it"), q.lastError());
    QStringList tables;
    while (q.next())
        tables << q.value(0).toString();
    if (!succeeded(q))
        return failed(QT_TR_NOOP("reading it"), q.lastError());

    const QString shown = QDir::toNativeSeparators(file_);
    const bool fresh = tables.isEmpty() && application == 0 && version == 0;
    version_ = version;
    if (fresh)
        return true;
    if (application != kApplicationId)
        return switchOff(tr("The file %1 is not this game's progress file: it is another program's database "
                            "(tables: %2).")
                             .arg(shown, tables.isEmpty() ? tr("none") : tables.join(QStringLiteral(", "))),
                         true);
    if (version > kProgressSchemaVersion)
        return switchOff(tr("The progress file %1 was written by a newer version of the game (history "
                            "version %2; this one knows version %3 and older).")
                             .arg(shown)
                             .arg(version)
                             .arg(kProgressSchemaVersion),
                         true);
    if (version < 1)
        return switchOff(tr("The progress file %1 is damaged: it holds no history version.").arg(shown),
                         true);
    const bool tablesRead =
        q.exec(QStringLiteral("SELECT id, player, started, practice, finished, score, possible, ended_early"
                              " FROM games LIMIT 0")) &&
        q.exec(QStringLiteral("SELECT id, game, question, asked, player, category, record, president,"
                              " correct, points FROM items LIMIT 0")) &&
        (version < 2 ||
         q.exec(QStringLiteral("SELECT id, game, question, asked, player, category, points, possible"
                               " FROM questions LIMIT 0"))) &&
        (version < 3 || (q.exec(QStringLiteral("SELECT id, code, game, made, report FROM outbox LIMIT 0")) &&
                         q.exec(QStringLiteral("SELECT code, presidents, unknown FROM classes LIMIT 0"))));
    if (!tablesRead) {
        const int code = q.lastError().nativeErrorCode().toInt() & 0xff;
        if (code == SqliteBusy || code == SqliteLocked || code == SqliteCorrupt || code == SqliteNotADb)
            return failed(QT_TR_NOOP("reading it"), q.lastError());
        return switchOff(tr("The progress file %1 is damaged: a table of games or answers is missing or "
                            "changed (%2).")
                             .arg(shown, q.lastError().databaseText()),
                         true);
    }
    return false;
}

namespace {

// The tables and indexes of version 1.
const char* const kFirstTables[] = {
    "CREATE TABLE games (id INTEGER PRIMARY KEY, player TEXT NOT NULL, started TEXT NOT NULL,"
    " practice INTEGER NOT NULL, finished TEXT, score INTEGER, possible INTEGER, ended_early INTEGER)",
    "CREATE INDEX games_player ON games (player)",
    "CREATE TABLE items (id INTEGER PRIMARY KEY, game INTEGER NOT NULL REFERENCES games (id),"
    " question INTEGER NOT NULL, asked TEXT NOT NULL, player TEXT NOT NULL, category INTEGER NOT NULL,"
    " record INTEGER NOT NULL, president TEXT NOT NULL, correct INTEGER NOT NULL,"
    " points INTEGER NOT NULL)",
    // A president's answers newest first and his counts, read from the index alone.
    "CREATE INDEX items_president ON items (player, record, id, correct)",
    "CREATE INDEX items_category ON items (player, category, correct, points)",
};
// What version 2 adds: one row per question, and a game's rows found by the game.
const char* const kQuestionTables[] = {
    "CREATE TABLE questions (id INTEGER PRIMARY KEY, game INTEGER NOT NULL REFERENCES games (id),"
    " question INTEGER NOT NULL, asked TEXT NOT NULL, player TEXT NOT NULL, category INTEGER NOT NULL,"
    " points INTEGER NOT NULL, possible INTEGER NOT NULL)",
    // A category's counts, read from the index alone.
    "CREATE INDEX questions_category ON questions (player, category, points, possible)",
    "CREATE INDEX questions_game ON questions (game)",
    "CREATE INDEX items_game ON items (game)",
};
// What version 3 adds: the class reports waiting to go, and what is known of each class.
const char* const kClassTables[] = {
    "CREATE TABLE outbox (id INTEGER PRIMARY KEY, code TEXT NOT NULL, game TEXT NOT NULL,"
    " made TEXT NOT NULL, report TEXT NOT NULL)",
    "CREATE TABLE classes (code TEXT PRIMARY KEY, presidents TEXT, unknown INTEGER NOT NULL DEFAULT 0)",
};
// A version-1 question from its items: the right items are its points, all of them its possible.
constexpr char kQuestionsFromItems[] =
    "SELECT game, question, MIN(asked) AS asked, MIN(player) AS player, MIN(category) AS category,"
    " SUM(correct) AS points, COUNT(*) AS possible FROM items GROUP BY game, question";

} // namespace

// Runs the statements, then COMMIT, in the transaction begun; all or none.
Problem ProgressStore::runInTransaction(const QStringList& statements, const char* doing)
{
    QSqlQuery q(db_);
    for (const QString& statement : statements + QStringList{QStringLiteral("COMMIT")}) {
        if (!q.exec(statement)) {
            const QSqlError error = q.lastError();
            q.exec(QStringLiteral("ROLLBACK"));
            return failed(doing, error);
        }
    }
    return std::nullopt;
}

Problem ProgressStore::createSchema()
{
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(QT_TR_NOOP("starting a new history in it"), q.lastError());
    // Another copy of the game may have started the history since the file
    // was found fresh, before this one had the lock: then it is read as any
    // existing file.
    const Result<bool> fresh = checkSchema();
    if (!fresh)
        return fresh.problem(); // closing the file ended the transaction
    if (!*fresh) {
        q.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    QStringList all;
    for (const char* statement : kFirstTables)
        all << QString::fromLatin1(statement);
    for (const char* statement : kQuestionTables)
        all << QString::fromLatin1(statement);
    for (const char* statement : kClassTables)
        all << QString::fromLatin1(statement);
    all << QStringLiteral("PRAGMA application_id = %1").arg(kApplicationId)
        << QStringLiteral("PRAGMA user_version = %1").arg(kProgressSchemaVersion);
    if (auto problem = runInTransaction(all, QT_TR_NOOP("starting a new history in it")))
        return problem;
    version_ = kProgressSchemaVersion;
    return std::nullopt;
}

Problem ProgressStore::upgradeSchema()
{
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(QT_TR_NOOP("bringing it up to date"), q.lastError());
    // Another copy of the game may have brought it up to date meanwhile.
    if (const Result<bool> fresh = checkSchema(); !fresh)
        return fresh.problem();
    if (version_ >= kProgressSchemaVersion) {
        q.exec(QStringLiteral("ROLLBACK"));
        return std::nullopt;
    }
    QStringList all;
    if (version_ < 2) {
        for (const char* statement : kQuestionTables)
            all << QString::fromLatin1(statement);
        all << QStringLiteral("INSERT INTO questions (game, question, asked, player, category, points,"
                              " possible) SELECT game, question, asked, player, category, points, possible"
                              " FROM (%1) ORDER BY game, question")
                   .arg(QString::fromLatin1(kQuestionsFromItems));
    }
    for (const char* statement : kClassTables)
        all << QString::fromLatin1(statement);
    all << QStringLiteral("PRAGMA user_version = %1").arg(kProgressSchemaVersion);
    if (auto problem = runInTransaction(all, QT_TR_NOOP("bringing it up to date")))
        return problem;
    version_ = kProgressSchemaVersion;
    return std::nullopt;
}

Problem ProgressStore::prepareWriting()
{
    QSqlQuery q(db_);
    // A file that cannot be written, or that another program holds locked,
    // is found before a game counts on it; the test transaction writes nothing.
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(QT_TR_NOOP("checking that it can be written"), q.lastError());
    q.exec(QStringLiteral("ROLLBACK"));
    // The write-ahead log: a question's transaction appends to it without
    // waiting for the disk, readers never wait for the writer, and a crash
    // loses at most the latest questions, never the file. Not on a network
    // file system, where SQLite's rollback journal stays.
    if (!onNetworkFileSystem(file_) && q.exec(QStringLiteral("PRAGMA journal_mode = WAL")) && q.next() &&
        q.value(0).toString().compare(QLatin1String("wal"), Qt::CaseInsensitive) == 0)
        q.exec(QStringLiteral("PRAGMA synchronous = NORMAL"));
    insertQuestion_ = std::make_unique<QSqlQuery>(db_);
    if (!insertQuestion_->prepare(
            QStringLiteral("INSERT INTO questions (game, question, asked, player,"
                           " category, points, possible) VALUES (?, ?, ?, ?, ?, ?, ?)")))
        return failed(QT_TR_NOOP("preparing to record"), insertQuestion_->lastError());
    insertItem_ = std::make_unique<QSqlQuery>(db_);
    if (!insertItem_->prepare(QStringLiteral("INSERT INTO items (game, question, asked, player, category,"
                                             " record, president, correct, points)"
                                             " VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?)")))
        return failed(QT_TR_NOOP("preparing to record"), insertItem_->lastError());
    return std::nullopt;
}

Problem ProgressStore::beginGame(const QString& player, const QDateTime& when, bool practice)
{
    game_ = 0;
    question_ = 0;
    if (off_ || access_ == Access::ReadOnly)
        return std::nullopt;
    if (open_ && !QFileInfo::exists(file_))
        closeConnection(); // deleted since: a new history
    if (auto problem = open())
        return problem;
    QSqlQuery q(db_);
    if (!q.prepare(QStringLiteral("INSERT INTO games (player, started, practice) VALUES (?, ?, ?)")))
        return failed(QT_TR_NOOP("recording a new game"), q.lastError());
    player_ = playerName(player);
    q.addBindValue(player_);
    q.addBindValue(timeText(when));
    q.addBindValue(practice ? 1 : 0);
    if (!q.exec())
        return failed(QT_TR_NOOP("recording a new game"), q.lastError());
    game_ = q.lastInsertId().toLongLong();
    return std::nullopt;
}

Problem ProgressStore::recordQuestion(const JudgedQuestion& question, const QDateTime& when)
{
    if (off_ || game_ == 0)
        return std::nullopt;
    ++question_;
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(QT_TR_NOOP("recording a question"), q.lastError());
    const QString asked = timeText(when);
    QSqlQuery& row = *insertQuestion_;
    row.bindValue(0, game_);
    row.bindValue(1, question_);
    row.bindValue(2, asked);
    row.bindValue(3, player_);
    row.bindValue(4, question.category);
    row.bindValue(5, question.points);
    row.bindValue(6, question.possible);
    bool stored = row.exec();
    QSqlError error = row.lastError();
    for (auto item = question.items.begin(); stored && item != question.items.end(); ++item) {
        QSqlQuery& insert = *insertItem_;
        insert.bindValue(0, game_);
        insert.bindValue(1, question_);
        insert.bindValue(2, asked);
        insert.bindValue(3, player_);
        insert.bindValue(4, question.category);
        insert.bindValue(5, item->record);
        insert.bindValue(6, item->president);
        insert.bindValue(7, item->right ? 1 : 0);
        insert.bindValue(8, item->points);
        stored = insert.exec();
        error = insert.lastError();
    }
    if (stored && !q.exec(QStringLiteral("COMMIT"))) {
        stored = false;
        error = q.lastError();
    }
    if (!stored) {
        q.exec(QStringLiteral("ROLLBACK"));
        return failed(QT_TR_NOOP("recording a question"), error);
    }
    return std::nullopt;
}

Problem ProgressStore::finishGame(const QString& player, int score, int possible, bool endedEarly,
                                  const QDateTime& when, const QueuedReport* report)
{
    const qint64 game = game_;
    game_ = 0;
    if (off_ || game == 0)
        return std::nullopt;
    const QString name = playerName(player);
    QSqlQuery q(db_);
    if (!q.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return failed(QT_TR_NOOP("recording the end of a game"), q.lastError());
    bool done =
        q.prepare(QStringLiteral("UPDATE games SET finished = ?, score = ?, possible = ?, ended_early = ?,"
                                 " player = ? WHERE id = ?"));
    if (done) {
        q.addBindValue(timeText(when));
        q.addBindValue(score);
        q.addBindValue(possible);
        q.addBindValue(endedEarly ? 1 : 0);
        q.addBindValue(name);
        q.addBindValue(game);
        done = q.exec();
    }
    // The game belongs to the name the player gave at its end.
    for (const char* table : {"questions", "items"}) {
        if (!done || name == player_)
            break;
        done = q.prepare(QStringLiteral("UPDATE %1 SET player = ? WHERE game = ?").arg(QLatin1String(table)));
        if (done) {
            q.addBindValue(name);
            q.addBindValue(game);
            done = q.exec();
        }
    }
    if (done && report)
        done = insertReport(q, *report, when);
    if (!done || !q.exec(QStringLiteral("COMMIT"))) {
        const QSqlError error = q.lastError();
        q.exec(QStringLiteral("ROLLBACK"));
        return failed(QT_TR_NOOP("recording the end of a game"), error);
    }
    player_ = name;
    // The game's answers go from the log into the file now, between games,
    // rather than inside a later question's transaction; it waits for no lock.
    q.exec(QStringLiteral("PRAGMA wal_checkpoint(PASSIVE)"));
    return std::nullopt;
}

// Opens the file for a reader; true when there is nothing to read.
Result<bool> ProgressStore::forReaders()
{
    if (auto problem = open())
        return failure(*problem);
    return noFile_;
}

Result<QStringList> ProgressStore::players()
{
    QStringList out;
    const Result<bool> empty = forReaders();
    if (!empty)
        return failure(*empty.problem());
    if (*empty)
        return out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT DISTINCT player FROM games ORDER BY player COLLATE NOCASE, player")))
        while (q.next())
            out.append(q.value(0).toString());
    if (!succeeded(q)) {
        return failed(QT_TR_NOOP("reading its players"), q.lastError());
    }
    return out;
}

Result<QList<PresidentHistory>> ProgressStore::presidentHistories(const QString& player)
{
    QList<PresidentHistory> out;
    const Result<bool> empty = forReaders();
    if (!empty)
        return failure(*empty.problem());
    if (*empty)
        return out;
    const QString name = playerName(player);
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT record, COUNT(*), SUM(correct) FROM items"
                                  " WHERE player = ? AND record > 0"
                                  " GROUP BY record ORDER BY record")))
        return failed(QT_TR_NOOP("reading the answers about each president"), q.lastError());
    q.addBindValue(name);
    if (q.exec())
        while (q.next())
            out.append({q.value(0).toInt(), QString(), q.value(1).toInt(), q.value(2).toInt(), {}});
    QSqlQuery recent(db_);
    recent.setForwardOnly(true);
    bool read =
        succeeded(q) && recent.prepare(QStringLiteral("SELECT correct, president FROM items WHERE player = ?"
                                                      " AND record = ? ORDER BY id DESC LIMIT %1")
                                           .arg(kMasteryWindow));
    for (auto it = out.begin(); read && it != out.end(); ++it) {
        recent.bindValue(0, name);
        recent.bindValue(1, it->record);
        if (recent.exec()) {
            while (recent.next()) {
                if (it->recent.isEmpty())
                    it->name = recent.value(1).toString();
                it->recent.append(recent.value(0).toInt() != 0);
            }
        }
        read = succeeded(recent);
    }
    if (!read) {
        const QSqlError error = succeeded(q) ? recent.lastError() : q.lastError();
        return failed(QT_TR_NOOP("reading the answers about each president"), error);
    }
    return out;
}

Result<QList<CategoryAccuracy>> ProgressStore::categoryAccuracy(const QString& player)
{
    QList<CategoryAccuracy> out;
    const Result<bool> empty = forReaders();
    if (!empty)
        return failure(*empty.problem());
    if (*empty)
        return out;
    // A report on a version-1 file derives the questions from their items, as the upgrade does.
    const QString questions = version_ >= 2
                                  ? QStringLiteral("questions")
                                  : QStringLiteral("(%1)").arg(QString::fromLatin1(kQuestionsFromItems));
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT category, COUNT(*),"
                                  " SUM(CASE WHEN possible > 0 AND points >= possible THEN 1 ELSE 0 END),"
                                  " SUM(CASE WHEN points > 0 AND NOT (possible > 0 AND points >= possible)"
                                  " THEN 1 ELSE 0 END)"
                                  " FROM %1 WHERE player = ? GROUP BY category ORDER BY category")
                       .arg(questions)))
        return failed(QT_TR_NOOP("reading the answers in each category"), q.lastError());
    q.addBindValue(playerName(player));
    if (q.exec())
        while (q.next())
            out.append(CategoryAccuracy{q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt(),
                                        q.value(3).toInt()});
    if (!succeeded(q)) {
        return failed(QT_TR_NOOP("reading the answers in each category"), q.lastError());
    }
    return out;
}

Result<QList<GameResult>> ProgressStore::gameResults(const QString& player)
{
    QList<GameResult> out;
    const Result<bool> empty = forReaders();
    if (!empty)
        return failure(*empty.problem());
    if (*empty)
        return out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (!q.prepare(QStringLiteral("SELECT id, started, finished, score, possible, practice, ended_early"
                                  " FROM games WHERE player = ? AND finished IS NOT NULL ORDER BY id")))
        return failed(QT_TR_NOOP("reading its games"), q.lastError());
    q.addBindValue(playerName(player));
    if (q.exec()) {
        while (q.next()) {
            GameResult r;
            r.game = q.value(0).toLongLong();
            r.started = timeOf(q.value(1));
            r.finished = timeOf(q.value(2));
            r.score = q.value(3).toInt();
            r.possible = q.value(4).toInt();
            r.percent = scorePercent(r.score, r.possible);
            r.practice = q.value(5).toInt() != 0;
            r.endedEarly = q.value(6).toInt() != 0;
            out.append(r);
        }
    }
    if (!succeeded(q)) {
        return failed(QT_TR_NOOP("reading its games"), q.lastError());
    }
    return out;
}

} // namespace brev
