#include "hof/hofd/classstore.h"

#include <QHash>
#include <algorithm>
#include <cmath>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <map>

namespace hofd
{

namespace
{

constexpr int kCodeAttempts = 20; // a new code that is taken is drawn again
constexpr int kRecent = 5;

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

QString recentText(const QList<bool>& newestFirst)
{
    QString text;
    for (const bool right : newestFirst)
        text += right ? u'1' : u'0';
    return text;
}

QList<bool> recentOf(const QString& text)
{
    QList<bool> out;
    for (const QChar c : text)
        out.append(c == u'1');
    return out;
}

QDateTime timeOf(const QVariant& v)
{
    return QDateTime::fromString(v.toString(), Qt::ISODate).toUTC();
}

} // namespace

ClassStore::ClassStore(const QString& connectionName) : link_(connectionName) {}

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
    return prepare ? prepareSchema() : brev::Problem();
}

brev::Problem ClassStore::reconnectIfBroken()
{
    return sqlite_ || link_.connected() ? brev::Problem() : link_.reconnect();
}

brev::Problem ClassStore::exec(const QString& sql, const QVariantList& values)
{
    QSqlQuery q(db_);
    q.prepare(sql);
    for (const QVariant& v : values)
        q.addBindValue(v);
    if (!q.exec())
        return fail(q.lastError().text());
    return {};
}

brev::Problem ClassStore::prepareSchema()
{
    const QString id = sqlite_ ? QStringLiteral("id INTEGER PRIMARY KEY AUTOINCREMENT")
                               : QStringLiteral("id BIGSERIAL PRIMARY KEY");
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
                       " PRIMARY KEY (game_id, question, item))"),
        QStringLiteral(
            "CREATE TABLE IF NOT EXISTS class_marks (class_id BIGINT NOT NULL, player TEXT NOT NULL,"
            " president INTEGER NOT NULL, answered INTEGER NOT NULL, correct INTEGER NOT NULL,"
            " recent TEXT NOT NULL, PRIMARY KEY (class_id, player, president))"),
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
                           " m.answered, m.recent FROM classes c, class_games g, class_answers a,"
                           " class_marks m LIMIT 0")))
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

brev::Problem ClassStore::makeClass(const QString& name, const QDateTime& now, QString* code, QString* key)
{
    *key = newClassKey();
    for (int attempt = 0; attempt < kCodeAttempts; ++attempt) {
        *code = newClassCode();
        std::optional<ClassInfo> taken;
        if (const brev::Problem problem = findClass(*code, &taken))
            return problem;
        if (taken)
            continue;
        return exec(QStringLiteral("INSERT INTO classes (code, name, key_hash, created) VALUES (?, ?, ?, ?)"),
                    {*code, name, QString::fromLatin1(keyHash(*key)), utcText(now)});
    }
    return fail(QStringLiteral("no free class code was found"));
}

brev::Problem ClassStore::findClass(const QString& code, std::optional<ClassInfo>* out)
{
    out->reset();
    QSqlQuery q(db_);
    q.prepare(
        QStringLiteral("SELECT id, code, name, key_hash, created, assignment FROM classes WHERE code = ?"));
    q.addBindValue(code);
    if (!q.exec())
        return fail(QStringLiteral("cannot read the class: ") + q.lastError().text());
    if (q.next())
        *out = ClassInfo{q.value(0).toLongLong(), q.value(1).toString(),
                         q.value(2).toString(),   q.value(3).toString().toLatin1(),
                         timeOf(q.value(4)),      numbersOf(q.value(5).toString())};
    return {};
}

brev::Problem ClassStore::storeReports(const QList<ClassReport>& reports, const QDateTime& now,
                                       QList<ReportOutcome>* outcomes)
{
    *outcomes = QList<ReportOutcome>(reports.size());
    if (const brev::Problem problem = begin())
        return problem;
    QHash<QString, std::optional<ClassInfo>> classes;
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const ClassReport& r = reports.at(i);
        auto known = classes.find(r.code);
        if (known == classes.end()) {
            std::optional<ClassInfo> info;
            if (const brev::Problem problem = findClass(r.code, &info)) {
                rollback();
                *outcomes = QList<ReportOutcome>(reports.size());
                return problem;
            }
            known = classes.insert(r.code, info);
        }
        ReportOutcome& outcome = (*outcomes)[i];
        if (!*known) {
            outcome.kind = ReportOutcome::UnknownClass;
            continue;
        }
        bool stored = false;
        if (storeOne(r.report, (*known)->id, now, &stored))
            continue; // Failed: this one alone
        outcome.kind = stored ? ReportOutcome::Stored : ReportOutcome::AlreadyStored;
        outcome.assignment = (*known)->assignment;
    }
    if (const brev::Problem problem = commit()) {
        rollback();
        *outcomes = QList<ReportOutcome>(reports.size());
        return problem;
    }
    return {};
}

brev::Problem ClassStore::storeOne(const Report& r, qint64 classId, const QDateTime& now, bool* stored)
{
    *stored = false;
    if (const brev::Problem problem = exec(QStringLiteral("SAVEPOINT report")))
        return problem;
    auto undo = [&](const brev::Problem& problem) {
        exec(QStringLiteral("ROLLBACK TO SAVEPOINT report"));
        exec(QStringLiteral("RELEASE SAVEPOINT report"));
        return problem;
    };
    const QString ended = utcText(r.ended);
    // Answers of a game older than one already stored for the player do not
    // go before the newer ones: the player's latest five are read again.
    QSqlQuery q(db_);
    q.prepare(
        QStringLiteral("SELECT 1 FROM class_games WHERE class_id = ? AND player = ? AND ended > ? LIMIT 1"));
    for (const QVariant& v : {QVariant(classId), QVariant(r.player), QVariant(ended)})
        q.addBindValue(v);
    if (!q.exec())
        return undo(fail(q.lastError().text()));
    const bool late = q.next();
    q.finish();
    q.prepare(
        QStringLiteral("INSERT INTO class_games (class_id, game, player, started, ended, score, possible,"
                       " practice) VALUES (?, ?, ?, ?, ?, ?, ?, ?) ON CONFLICT (class_id, game) DO NOTHING"
                       " RETURNING id"));
    for (const QVariant& v :
         {QVariant(classId), QVariant(r.game), QVariant(r.player), QVariant(utcText(r.started)),
          QVariant(ended), QVariant(r.score), QVariant(r.possible), QVariant(int(r.practice))})
        q.addBindValue(v);
    if (!q.exec())
        return undo(fail(q.lastError().text()));
    if (!q.next()) // stored before
        return exec(QStringLiteral("RELEASE SAVEPOINT report"));
    const qint64 gameId = q.value(0).toLongLong();
    q.finish();

    std::map<int, QList<bool>> asked; // per president, oldest first
    QSqlQuery answer(db_);
    answer.prepare(
        QStringLiteral("INSERT INTO class_answers (game_id, question, item, category, president, correct)"
                       " VALUES (?, ?, ?, ?, ?, ?)"));
    for (qsizetype n = 0; n < r.questions.size(); ++n) {
        const ReportQuestion& question = r.questions.at(n);
        if (question.skipped)
            continue;
        for (qsizetype i = 0; i < question.items.size(); ++i) {
            const ReportItem& item = question.items.at(i);
            for (const QVariant& v :
                 {QVariant(gameId), QVariant(int(n + 1)), QVariant(int(i + 1)), QVariant(question.category),
                  QVariant(item.president), QVariant(int(item.right))})
                answer.addBindValue(v);
            if (!answer.exec())
                return undo(fail(answer.lastError().text()));
            asked[item.president].append(item.right);
        }
    }
    QSqlQuery mark(db_);
    mark.prepare(
        QStringLiteral("INSERT INTO class_marks (class_id, player, president, answered, correct, recent)"
                       " VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT (class_id, player, president) DO UPDATE SET"
                       " answered = class_marks.answered + excluded.answered,"
                       " correct = class_marks.correct + excluded.correct,"
                       " recent = CASE WHEN ? = 1 THEN class_marks.recent"
                       " ELSE substr(excluded.recent || class_marks.recent, 1, %1) END")
            .arg(kRecent));
    for (const auto& [president, oldestFirst] : asked) {
        QList<bool> newestFirst(oldestFirst.crbegin(), oldestFirst.crend());
        const int right = int(std::count(oldestFirst.cbegin(), oldestFirst.cend(), true));
        for (const QVariant& v :
             {QVariant(classId), QVariant(r.player), QVariant(president), QVariant(int(oldestFirst.size())),
              QVariant(right), QVariant(recentText(newestFirst.mid(0, kRecent))), QVariant(int(late))})
            mark.addBindValue(v);
        if (!mark.exec())
            return undo(fail(mark.lastError().text()));
        if (late) {
            QSqlQuery latest(db_);
            latest.prepare(
                QStringLiteral("SELECT a.correct FROM class_answers a JOIN class_games g ON g.id = a.game_id"
                               " WHERE g.class_id = ? AND g.player = ? AND a.president = ?"
                               " ORDER BY g.ended DESC, g.id DESC, a.question DESC LIMIT %1")
                    .arg(kRecent));
            for (const QVariant& v : {QVariant(classId), QVariant(r.player), QVariant(president)})
                latest.addBindValue(v);
            if (!latest.exec())
                return undo(fail(latest.lastError().text()));
            QList<bool> recent;
            while (latest.next())
                recent.append(latest.value(0).toInt() != 0);
            if (const brev::Problem problem =
                    exec(QStringLiteral("UPDATE class_marks SET recent = ? WHERE class_id = ? AND player = ?"
                                        " AND president = ?"),
                         {recentText(recent), classId, r.player, president}))
                return undo(problem);
        }
    }
    if (const brev::Problem problem =
            exec(QStringLiteral("UPDATE classes SET last_game = ? WHERE id = ?"), {utcText(now), classId}))
        return undo(problem);
    *stored = true;
    return exec(QStringLiteral("RELEASE SAVEPOINT report"));
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
          QStringLiteral("DELETE FROM class_marks WHERE %1")}) {
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

brev::Problem ClassStore::purgeExpired(const QDateTime& now, int days, int* deleted)
{
    *deleted = 0;
    if (const brev::Problem problem = begin())
        return problem;
    QSqlQuery q(db_);
    q.prepare(QStringLiteral("SELECT id FROM classes WHERE COALESCE(last_game, created) < ?"));
    q.addBindValue(utcText(now.addDays(-days)));
    if (!q.exec()) {
        const QString why = q.lastError().text();
        rollback();
        return fail(why);
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
        return problem;
    }
    *deleted = int(expired.size());
    return {};
}

brev::Problem ClassStore::players(qint64 classId, QList<PlayerSummary>* out)
{
    out->clear();
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT player, COUNT(*), MAX(ended),"
                             " AVG(CASE WHEN possible > 0 THEN (score * 100) / possible ELSE 0 END)"
                             " FROM class_games WHERE class_id = ? GROUP BY player"));
    q.addBindValue(classId);
    if (!q.exec())
        return fail(QStringLiteral("cannot read the players: ") + q.lastError().text());
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toInt(), timeOf(q.value(2)),
                     int(std::lround(q.value(3).toDouble()))});
    return {};
}

brev::Problem ClassStore::tallies(qint64 classId, const QString& player, QList<Tally>* out)
{
    out->clear();
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT player, president, answered, correct, recent FROM class_marks"
                             " WHERE class_id = ?") +
              (player.isEmpty() ? QString() : QStringLiteral(" AND player = ?")));
    q.addBindValue(classId);
    if (!player.isEmpty())
        q.addBindValue(player);
    if (!q.exec())
        return fail(QStringLiteral("cannot read the answers: ") + q.lastError().text());
    while (q.next())
        out->append({q.value(0).toString(), q.value(1).toInt(), q.value(2).toInt(), q.value(3).toInt(),
                     recentOf(q.value(4).toString())});
    return {};
}

brev::Problem ClassStore::games(qint64 classId, const QString& player, QList<GameRow>* out)
{
    out->clear();
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
        return fail(QStringLiteral("cannot read the games: ") + q.lastError().text());
    while (q.next())
        out->append({q.value(0).toString(), timeOf(q.value(1)), q.value(2).toInt(), q.value(3).toInt(),
                     q.value(4).toInt() != 0});
    return {};
}

brev::Problem ClassStore::answers(qint64 classId, QList<AnswerRow>* out)
{
    out->clear();
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(
        QStringLiteral("SELECT g.player, g.ended, a.question, a.category, a.president, a.correct"
                       " FROM class_answers a JOIN class_games g ON g.id = a.game_id WHERE g.class_id = ?"
                       " ORDER BY g.player, g.ended, g.id, a.question, a.item"));
    q.addBindValue(classId);
    if (!q.exec())
        return fail(QStringLiteral("cannot read the answers: ") + q.lastError().text());
    while (q.next())
        out->append({q.value(0).toString(), timeOf(q.value(1)), q.value(2).toInt(), q.value(3).toInt(),
                     q.value(4).toInt(), q.value(5).toInt() != 0});
    return {};
}

brev::Problem ClassStore::categories(qint64 classId, const QString& player, QList<CategoryTally>* out)
{
    out->clear();
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT a.category, COUNT(*), SUM(a.correct) FROM class_answers a"
                             " JOIN class_games g ON g.id = a.game_id WHERE g.class_id = ? AND g.player = ?"
                             " GROUP BY a.category ORDER BY a.category"));
    q.addBindValue(classId);
    q.addBindValue(player);
    if (!q.exec())
        return fail(QStringLiteral("cannot read the categories: ") + q.lastError().text());
    while (q.next())
        out->append({q.value(0).toInt(), q.value(1).toInt(), q.value(2).toInt()});
    return {};
}

} // namespace hofd
