#include "hof/hofd/classstore.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace hofd {

namespace {

constexpr int kCodeAttempts = 20; // a new code that is taken is drawn again

QList<int> numbersOf(const QString& text)
{
    QList<int> out;
    for (const QString& part : text.split(u',', Qt::SkipEmptyParts))
        out.append(part.toInt());
    return out;
}

QString textOf(const QList<int>& numbers)
{
    QStringList parts;
    for (const int n : numbers)
        parts.append(QString::number(n));
    return parts.isEmpty() ? QStringLiteral("") : parts.join(u','); // empty, never NULL
}

QDateTime timeOf(const QVariant& v)
{
    return QDateTime::fromString(v.toString(), Qt::ISODate).toUTC();
}

} // namespace

QString ClassStore::fail(const QString& what) const
{
    return link_.describe() + QStringLiteral(": ") + what;
}

brev::Problem ClassStore::open(const QString& where, bool prepare, int busyTimeoutMs)
{
    if (const brev::Problem problem = link_.open(where, false, busyTimeoutMs))
        return problem;
    db_ = link_.database();
    sqlite_ = link_.isSqlite();
    if (sqlite_) // the tallies and the latest games of a school's classes stay in memory
        QSqlQuery(db_).exec(QStringLiteral("PRAGMA cache_size = -32768"));
    return prepare ? prepareSchema() : brev::Problem();
}

brev::Problem ClassStore::reconnectIfBroken()
{
    if (sqlite_ || link_.connected())
        return {};
    forgetStatements(); // prepared on the old connection
    return link_.reconnect();
}

brev::Problem ClassStore::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db_);
    // PostgreSQL prepares no CREATE, BEGIN or SAVEPOINT: those go as they are.
    bool done = false;
    if (values.isEmpty()) {
        done = q.exec(sql);
    } else {
        q.prepare(sql);
        for (const QVariant& v : values)
            q.addBindValue(v);
        done = q.exec();
    }
    return done ? brev::Problem() : fail(q.lastError().text());
}

brev::Problem ClassStore::prepareSchema()
{
    const QString id = sqlite_ ? QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")
                               : QStringLiteral("id BIGSERIAL PRIMARY KEY");
    // SQLite: the rows of the two largest tables kept in their key's order,
    // one tree to write rather than a table and its key's index.
    const QString clustered = sqlite_ ? QStringLiteral(" WITHOUT ROWID") : QString();
    const QStringList statements{
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS classes (%1, code TEXT NOT NULL UNIQUE, name TEXT NOT NULL,"
            " key_hash TEXT NOT NULL, created TEXT NOT NULL, last_game TEXT,"
            " assignment TEXT NOT NULL DEFAULT '')")
            .arg(id),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS class_games (%1, class_id BIGINT NOT NULL, game TEXT NOT NULL,"
            " player TEXT NOT NULL, started TEXT NOT NULL, ended TEXT NOT NULL, score INTEGER NOT NULL,"
            " possible INTEGER NOT NULL, practice INTEGER NOT NULL, UNIQUE (class_id, game))")
            .arg(id),
        QStringLiteral(
            "CREATE INDEX IF NOT EXISTS class_games_player ON class_games (class_id, player, ended)"),
        QStringLiteral("CREATE TABLE IF NOT EXISTS class_answers (game_id BIGINT NOT NULL,"
                       " question INTEGER NOT NULL, item INTEGER NOT NULL, category INTEGER NOT NULL,"
                       " president INTEGER NOT NULL, correct INTEGER NOT NULL,"
                       " PRIMARY KEY (game_id, question, item))%1")
            .arg(clustered),
        // A player's tallies, one row: what a report changes is read and
        // written once, however many presidents it asked about.
        QStringLiteral("CREATE TABLE IF NOT EXISTS class_tallies (class_id BIGINT NOT NULL,"
                       " player TEXT NOT NULL, tallies TEXT NOT NULL, PRIMARY KEY (class_id, player))%1")
            .arg(clustered),
    };
    for (const QString& sql : statements) {
        if (const brev::Problem problem = exec(sql))
            return fail(QStringLiteral("cannot make the class tables: ") + *problem);
    }
    // Tables of the same names made by something else are not taken for ours.
    QSqlQuery q(db_);
    if (!q.exec(
            QStringLiteral("SELECT c.id, c.code, c.name, c.key_hash, c.created, c.last_game, c.assignment,"
                           " g.game, g.player, g.started, g.ended, g.score, g.possible, g.practice,"
                           " a.question, a.item, a.category, a.president, a.correct,"
                           " t.player, t.tallies FROM classes c, class_games g, class_answers a,"
                           " class_tallies t LIMIT 0")))
        return fail(QStringLiteral("its class tables are not this service's: ") +
                    q.lastError().databaseText());
    return {};
}

brev::Problem ClassStore::begin()
{
    // SQLite: the write lock at once, so that no other writer's commit between
    // a read and the first write makes the transaction fail.
    return exec(sqlite_ ? QStringLiteral("BEGIN IMMEDIATE") : QStringLiteral("BEGIN"));
}

brev::Problem ClassStore::commit()
{
    return exec(QStringLiteral("COMMIT"));
}

void ClassStore::rollback()
{
    QSqlQuery(db_).exec(QStringLiteral("ROLLBACK"));
}

brev::Result<ClassStore::NewClass> ClassStore::makeClass(const QString& name, const QDateTime& now)
{
    NewClass made;
    made.key = newClassKey();
    for (int attempt = 0; attempt < kCodeAttempts; ++attempt) {
        made.code = newClassCode();
        const brev::Result<std::optional<ClassInfo>> taken = findClass(made.code);
        if (!taken)
            return brev::failure(*taken.problem());
        if (*taken)
            continue;
        if (const brev::Problem problem = exec(
                QStringLiteral("INSERT INTO classes (code, name, key_hash, created) VALUES (?, ?, ?, ?)"),
                {made.code, name, QString::fromLatin1(keyHash(made.key)), utcText(now)}))
            return brev::failure(*problem);
        return made;
    }
    return brev::failure(fail(QStringLiteral("no free class code was found")));
}

brev::Result<std::optional<ClassInfo>> ClassStore::findClass(const QString& code)
{
    QSqlQuery q(db_);
    q.prepare(
        QStringLiteral("SELECT id, code, name, key_hash, created, assignment FROM classes WHERE code = ?"));
    q.addBindValue(code);
    if (!q.exec())
        return brev::failure(fail(QStringLiteral("cannot read the class: ") + q.lastError().text()));
    if (!q.next())
        return std::optional<ClassInfo>();
    return std::optional<ClassInfo>(ClassInfo{q.value(0).toLongLong(), q.value(1).toString(),
                                              q.value(2).toString(), q.value(3).toString().toLatin1(),
                                              timeOf(q.value(4)), numbersOf(q.value(5).toString())});
}

brev::Problem ClassStore::setAssignment(qint64 classId, const QList<int>& presidents)
{
    return exec(QStringLiteral("UPDATE classes SET assignment = ? WHERE id = ?"),
                {textOf(presidents), classId});
}

brev::Problem ClassStore::deleteData(qint64 classId, const QString* player)
{
    const QString which =
        player ? QStringLiteral("class_id = ? AND player = ?") : QStringLiteral("class_id = ?");
    QVariantList values{classId};
    if (player)
        values.append(*player);
    for (const QString& sql :
         {QStringLiteral("DELETE FROM class_answers WHERE game_id IN (SELECT id FROM class_games WHERE %1)"),
          QStringLiteral("DELETE FROM class_games WHERE %1"),
          QStringLiteral("DELETE FROM class_tallies WHERE %1")}) {
        if (const brev::Problem problem = exec(sql.arg(which), values))
            return problem;
    }
    return player ? brev::Problem() : exec(QStringLiteral("DELETE FROM classes WHERE id = ?"), {classId});
}

brev::Problem ClassStore::deletePlayer(qint64 classId, const QString& player)
{
    if (const brev::Problem problem = begin())
        return problem;
    brev::Problem problem = deleteData(classId, &player);
    if (!problem)
        problem = commit();
    if (problem)
        rollback();
    return problem;
}

brev::Problem ClassStore::deleteClass(qint64 classId)
{
    if (const brev::Problem problem = begin())
        return problem;
    brev::Problem problem = deleteData(classId, nullptr);
    if (!problem)
        problem = commit();
    if (problem)
        rollback();
    return problem;
}

brev::Result<int> ClassStore::purgeExpired(const QDateTime& now, int days)
{
    if (const brev::Problem problem = begin())
        return brev::failure(*problem);
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT id FROM classes WHERE COALESCE(last_game, created) < ?"));
    q.addBindValue(utcText(now.addDays(-days)));
    if (!q.exec()) {
        const QString why = q.lastError().text();
        rollback();
        return brev::failure(fail(why));
    }
    QList<qint64> expired;
    while (q.next())
        expired.append(q.value(0).toLongLong());
    q.finish();
    brev::Problem problem;
    for (const qint64 id : expired) {
        if (!problem)
            problem = deleteData(id, nullptr);
    }
    if (!problem)
        problem = commit();
    if (problem) {
        rollback();
        return brev::failure(*problem);
    }
    return int(expired.size());
}

brev::Result<QList<PlayerSummary>> ClassStore::players(qint64 classId)
{
    QList<PlayerSummary> out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT player, COUNT(*), MAX(ended),"
                             " AVG(CASE WHEN possible > 0 THEN (score * 100) / possible ELSE 0 END)"
                             " FROM class_games WHERE class_id = ? GROUP BY player"));
    q.addBindValue(classId);
    if (!q.exec())
        return brev::failure(fail(QStringLiteral("cannot read the players: ") + q.lastError().text()));
    while (q.next())
        out.append({q.value(0).toString(), q.value(1).toInt(), timeOf(q.value(2)),
                    int(std::lround(q.value(3).toDouble()))});
    return out;
}

brev::Result<QList<GameRow>> ClassStore::games(qint64 classId, const QString& player)
{
    QList<GameRow> out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(player.isEmpty()
                  ? QStringLiteral("SELECT player, ended, score, possible, practice FROM class_games"
                                   " WHERE class_id = ? ORDER BY player, ended, id")
                  : QStringLiteral("SELECT player, ended, score, possible, practice FROM class_games"
                                   " WHERE class_id = ? AND player = ? ORDER BY ended DESC, id DESC"));
    q.addBindValue(classId);
    if (!player.isEmpty())
        q.addBindValue(player);
    if (!q.exec())
        return brev::failure(fail(QStringLiteral("cannot read the games: ") + q.lastError().text()));
    while (q.next())
        out.append({q.value(0).toString(), timeOf(q.value(1)), q.value(2).toInt(), q.value(3).toInt(),
                    q.value(4).toInt() != 0});
    return out;
}

brev::Result<QList<AnswerRow>> ClassStore::answers(qint64 classId)
{
    QList<AnswerRow> out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT g.player, g.ended, a.question, a.category, a.president, a.correct"
                       " FROM class_answers a JOIN class_games g ON g.id = a.game_id WHERE g.class_id = ?"
                       " ORDER BY g.player, g.ended, g.id, a.question, a.item"));
    q.addBindValue(classId);
    if (!q.exec())
        return brev::failure(fail(QStringLiteral("cannot read the answers: ") + q.lastError().text()));
    while (q.next())
        out.append({q.value(0).toString(), timeOf(q.value(1)), q.value(2).toInt(), q.value(3).toInt(),
                    q.value(4).toInt(), q.value(5).toInt() != 0});
    return out;
}

brev::Result<QList<CategoryTally>> ClassStore::categories(qint64 classId, const QString& player)
{
    QList<CategoryTally> out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT a.category, COUNT(*), SUM(a.correct) FROM class_answers a"
                             " JOIN class_games g ON g.id = a.game_id WHERE g.class_id = ? AND g.player = ?"
                             " GROUP BY a.category ORDER BY a.category"));
    q.addBindValue(classId);
    q.addBindValue(player);
    if (!q.exec())
        return brev::failure(fail(QStringLiteral("cannot read the categories: ") + q.lastError().text()));
    while (q.next())
        out.append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()});
    return out;
}

} // namespace hofd
