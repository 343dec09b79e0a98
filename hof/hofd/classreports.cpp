// ClassStore's storing of reports: a batch in one transaction, a report in a
// few statements prepared once per connection (its game, its judged items in
// one statement, the player's tallies read and written back as one row).
#include "hof/hofd/classstore.h"

#include <QHash>
#include <QMap>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>
#include <algorithm>
#include <map>

namespace hofd {

namespace {

constexpr int kRecent = 5; // answers a tally keeps, newest first

// A player's tallies as their row holds them: "4:3:2:101;19:1:0:0", each
// president asked about with his answers, the right ones and the latest
// ones, newest first (1 right, 0 wrong).
QString tallyText(const QMap<int, Tally>& tallies)
{
    QString text;
    for (const Tally& t : tallies) {
        if (!text.isEmpty())
            text += u';';
        text += QString::number(t.president) + u':' + QString::number(t.answered) + u':' +
                QString::number(t.right) + u':';
        for (const bool right : t.recent)
            text += right ? u'1' : u'0';
    }
    return text;
}

QMap<int, Tally> talliesOf(const QString& text)
{
    QMap<int, Tally> tallies;
    for (const QString& entry : text.split(u';', Qt::SkipEmptyParts)) {
        const QStringList parts = entry.split(u':');
        if (parts.size() != 4)
            continue;
        Tally t;
        t.president = parts.at(0).toInt();
        t.answered = parts.at(1).toInt();
        t.right = parts.at(2).toInt();
        for (const QChar c : parts.at(3))
            t.recent.append(c == u'1');
        tallies.insert(t.president, t);
    }
    return tallies;
}

} // namespace

brev::Result<QList<Tally>> ClassStore::tallies(qint64 classId, const QString& player)
{
    QList<Tally> out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    q.prepare(QStringLiteral("SELECT player, tallies FROM class_tallies WHERE class_id = ?") +
              (player.isEmpty() ? QString() : QStringLiteral(" AND player = ?")));
    q.addBindValue(classId);
    if (!player.isEmpty())
        q.addBindValue(player);
    if (!q.exec())
        return brev::failure(fail(QStringLiteral("cannot read the answers: ") + q.lastError().text()));
    while (q.next()) {
        for (Tally t : talliesOf(q.value(1).toString())) {
            t.player = q.value(0).toString();
            out.append(t);
        }
    }
    return out;
}

struct ClassStore::Statements {
    QSqlQuery late, game, lastGame, answers, tallies, latest, updateTallies, insertTallies;
};

ClassStore::ClassStore(const QString& connectionName) : link_(connectionName)
{}

ClassStore::~ClassStore() = default;

void ClassStore::forgetStatements()
{
    statements_.reset();
}

void ClassStore::prepareStatements()
{
    statements_ = std::make_unique<Statements>();
    Statements& s = *statements_;
    for (QSqlQuery* q : {&s.late, &s.game, &s.lastGame, &s.answers, &s.tallies, &s.latest, &s.updateTallies,
                         &s.insertTallies})
        *q = QSqlQuery(db_);
    s.late.prepare(
        QStringLiteral("SELECT 1 FROM class_games WHERE class_id = ? AND player = ? AND ended > ? LIMIT 1"));
    s.game.prepare(QStringLiteral("INSERT INTO class_games (class_id, game, player, started, ended, score,"
                                  " possible, practice) VALUES (?, ?, ?, ?, ?, ?, ?, ?)"
                                  " ON CONFLICT (class_id, game) DO NOTHING RETURNING id"));
    s.lastGame.prepare(QStringLiteral("UPDATE classes SET last_game = ? WHERE id = ?"));
    // The items go in as one JSON array of arrays, two values to bind however
    // many rows they make: SQLite's json_each and ->> (3.38), PostgreSQL's
    // json_array_elements.
    const QString columns = sqlite_ ? QStringLiteral("value ->> 0, value ->> 1, value ->> 2, value ->> 3,"
                                                     " value ->> 4 FROM json_each(?)")
                                    : QStringLiteral("(e ->> 0)::integer, (e ->> 1)::integer,"
                                                     " (e ->> 2)::integer,"
                                                     " (e ->> 3)::integer, (e ->> 4)::integer"
                                                     " FROM json_array_elements(?::json) AS e");
    s.answers.prepare(QStringLiteral("INSERT INTO class_answers (game_id, question, item, category,"
                                     " president,"
                                     " correct) SELECT CAST(? AS BIGINT), ") +
                      columns);
    s.tallies.prepare(QStringLiteral("SELECT tallies FROM class_tallies WHERE class_id = ? AND player = ?") +
                      (sqlite_ ? QString() : QStringLiteral(" FOR UPDATE")));
    s.latest.prepare(QStringLiteral("SELECT a.correct FROM class_answers a"
                                    " JOIN class_games g ON g.id = a.game_id"
                                    " WHERE g.class_id = ? AND g.player = ? AND a.president = ?"
                                    " ORDER BY g.ended DESC, g.id DESC, a.question DESC LIMIT %1")
                         .arg(kRecent));
    // A row another service made meanwhile fails the insert: the report is
    // not stored, and sent again.
    s.updateTallies.prepare(
        QStringLiteral("UPDATE class_tallies SET tallies = ? WHERE class_id = ? AND player = ?"));
    s.insertTallies.prepare(
        QStringLiteral("INSERT INTO class_tallies (tallies, class_id, player) VALUES (?, ?, ?)"));
}

brev::Result<QList<ReportOutcome>> ClassStore::storeReports(const QList<ClassReport>& reports,
                                                            const QDateTime& now)
{
    return storeBatch(reports, now, false);
}

brev::Result<QList<ReportOutcome>> ClassStore::storeBatch(const QList<ClassReport>& reports,
                                                          const QDateTime& now, bool careful)
{
    QList<ReportOutcome> outcomes(reports.size());
    auto abandon = [&](const QString& problem) -> brev::Result<QList<ReportOutcome>> {
        rollback();
        return brev::failure(problem);
    };
    if (!statements_)
        prepareStatements();
    if (const brev::Problem problem = begin())
        return brev::failure(*problem);
    QHash<QString, std::optional<ClassInfo>> classes;
    QSet<qint64> played;
    for (qsizetype i = 0; i < reports.size(); ++i) {
        const ClassReport& r = reports.at(i);
        auto known = classes.find(r.code);
        if (known == classes.end()) {
            const brev::Result<std::optional<ClassInfo>> info = findClass(r.code);
            if (!info)
                return abandon(*info.problem());
            known = classes.insert(r.code, *info);
        }
        ReportOutcome& outcome = outcomes[i];
        if (!*known) {
            outcome.kind = ReportOutcome::UnknownClass;
            continue;
        }
        if (careful)
            exec(QStringLiteral("SAVEPOINT report"));
        const brev::Result<bool> one = storeOne(r.report, (*known)->id);
        if (!one) {
            if (!careful) { // again, each report alone
                rollback();
                return storeBatch(reports, now, true);
            }
            exec(QStringLiteral("ROLLBACK TO SAVEPOINT report"));
            exec(QStringLiteral("RELEASE SAVEPOINT report"));
            outcome.problem = *one.problem();
            continue;
        }
        const bool stored = *one;
        if (careful)
            exec(QStringLiteral("RELEASE SAVEPOINT report"));
        outcome.kind = stored ? ReportOutcome::Stored : ReportOutcome::AlreadyStored;
        outcome.assignment = (*known)->assignment;
        if (stored)
            played.insert((*known)->id);
    }
    for (const qint64 id : std::as_const(played)) {
        QSqlQuery& q = statements_->lastGame;
        q.bindValue(0, utcText(now));
        q.bindValue(1, id);
        if (!q.exec())
            return abandon(fail(q.lastError().text()));
    }
    if (const brev::Problem problem = commit())
        return abandon(*problem);
    return outcomes;
}

brev::Result<bool> ClassStore::storeOne(const Report& r, qint64 classId)
{
    Statements& s = *statements_;
    const QString ended = utcText(r.ended);
    // Answers of a game older than one already stored for the player do not
    // go before the newer ones: the player's latest five are read again.
    s.late.bindValue(0, classId);
    s.late.bindValue(1, r.player);
    s.late.bindValue(2, ended);
    if (!s.late.exec())
        return brev::failure(fail(s.late.lastError().text()));
    const bool late = s.late.next();
    s.late.finish();
    const QVariantList game{classId, r.game,  r.player,   utcText(r.started),
                            ended,   r.score, r.possible, int(r.practice)};
    for (int i = 0; i < game.size(); ++i)
        s.game.bindValue(i, game.at(i));
    if (!s.game.exec())
        return brev::failure(fail(s.game.lastError().text()));
    const bool fresh = s.game.next();
    const qint64 gameId = fresh ? s.game.value(0).toLongLong() : 0;
    s.game.finish();
    if (!fresh) // stored before
        return false;

    // The items and the tallies go in as one JSON array each: two values to
    // bind however many rows they make.
    QByteArray answers = "[";
    answers.reserve(1024);
    std::map<int, QList<bool>> asked; // per president, oldest first
    for (qsizetype n = 0; n < r.questions.size(); ++n) {
        const ReportQuestion& question = r.questions.at(n);
        if (question.skipped)
            continue;
        for (qsizetype i = 0; i < question.items.size(); ++i) {
            const ReportItem& item = question.items.at(i);
            answers.append(answers.size() > 1 ? ",[" : "[");
            for (const qsizetype value :
                 {n + 1, i + 1, qsizetype(question.category), qsizetype(item.president)})
                answers.append(QByteArray::number(value)).append(',');
            answers.append(item.right ? "1]" : "0]");
            asked[item.president].append(item.right);
        }
    }
    if (asked.empty())
        return true;
    s.answers.bindValue(0, gameId);
    s.answers.bindValue(1, QString::fromLatin1(answers + ']'));
    if (!s.answers.exec())
        return brev::failure(fail(s.answers.lastError().text()));
    if (const brev::Problem problem = addToTallies(classId, r.player, asked, late))
        return brev::failure(*problem);
    return true;
}

// The player's tallies are one row: read (locked, with PostgreSQL), added to,
// written back. A game that ended before one stored already leaves the latest
// answers as they are, and those of the presidents it asked about are read
// again from the games.
brev::Problem ClassStore::addToTallies(qint64 classId, const QString& player,
                                       const std::map<int, QList<bool>>& asked, bool late)
{
    Statements& s = *statements_;
    s.tallies.bindValue(0, classId);
    s.tallies.bindValue(1, player);
    if (!s.tallies.exec())
        return fail(s.tallies.lastError().text());
    const bool known = s.tallies.next();
    QMap<int, Tally> tallies = known ? talliesOf(s.tallies.value(0).toString()) : QMap<int, Tally>();
    s.tallies.finish();
    for (const auto& [president, oldestFirst] : asked) {
        Tally& t = tallies[president];
        t.president = president;
        t.answered += int(oldestFirst.size());
        t.right += int(std::count(oldestFirst.cbegin(), oldestFirst.cend(), true));
        if (!late)
            t.recent = (QList<bool>(oldestFirst.crbegin(), oldestFirst.crend()) + t.recent).mid(0, kRecent);
    }
    for (const auto& [president, oldestFirst] : asked) {
        if (!late)
            break;
        s.latest.bindValue(0, classId);
        s.latest.bindValue(1, player);
        s.latest.bindValue(2, president);
        if (!s.latest.exec())
            return fail(s.latest.lastError().text());
        QList<bool> recent;
        while (s.latest.next())
            recent.append(s.latest.value(0).toInt() != 0);
        s.latest.finish();
        tallies[president].recent = recent;
    }
    QSqlQuery& write = known ? s.updateTallies : s.insertTallies;
    write.bindValue(0, tallyText(tallies));
    write.bindValue(1, classId);
    write.bindValue(2, player);
    if (!write.exec())
        return fail(write.lastError().text());
    return {};
}

} // namespace hofd
