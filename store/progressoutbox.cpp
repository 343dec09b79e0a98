// The progress file's outbox of class reports and its classes' practice
// sets: the part of ProgressStore the class reports use.
#include "store/progressstore.h"

#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>
#include <QVariant>

namespace brev {

// Opens the file for the outbox: true when it is open, false when the store
// is off or read-only; the problem when this call finds the file unusable.
Result<bool> ProgressStore::outboxReady()
{
    if (off_ || access_ == Access::ReadOnly)
        return false;
    if (open_ && !QFileInfo::exists(file_))
        closeConnection(); // deleted since: a new history
    if (const Problem problem = open())
        return failure(*problem);
    return true;
}

// Inserts the report in the transaction begun, and lets the oldest go when
// the outbox holds more than it may.
bool ProgressStore::insertReport(QSqlQuery& q, const QueuedReport& report, const QDateTime& when)
{
    if (!q.prepare(QStringLiteral("INSERT INTO outbox (code, game, made, report) VALUES (?, ?, ?, ?)")))
        return false;
    q.addBindValue(report.code);
    q.addBindValue(report.game);
    q.addBindValue(when.toUTC().toString(Qt::ISODate));
    q.addBindValue(QString::fromUtf8(report.json));
    return q.exec() && q.exec(QStringLiteral("DELETE FROM outbox WHERE id NOT IN"
                                             " (SELECT id FROM outbox ORDER BY id DESC LIMIT %1)")
                                  .arg(kOutboxReports));
}

Result<QList<QueuedReport>> ProgressStore::waitingReports()
{
    QList<QueuedReport> out;
    const Result<bool> ready = outboxReady();
    if (!ready)
        return failure(*ready.problem());
    if (!*ready)
        return out;
    QSqlQuery q(db_);
    q.setForwardOnly(true);
    if (q.exec(QStringLiteral("SELECT id, code, game, report FROM outbox ORDER BY id")))
        while (q.next())
            out.append({q.value(0).toLongLong(), q.value(1).toString(), q.value(2).toString(),
                        q.value(3).toString().toUtf8()});
    if (q.lastError().isValid())
        return failed(QT_TR_NOOP("reading its class reports"), q.lastError());
    return out;
}

Problem ProgressStore::removeReport(qint64 id)
{
    if (const Result<bool> ready = outboxReady(); !ready || !*ready)
        return ready.problem();
    QSqlQuery q(db_);
    if (!q.prepare(QStringLiteral("DELETE FROM outbox WHERE id = ?")))
        return failed(QT_TR_NOOP("removing a class report sent"), q.lastError());
    q.addBindValue(id);
    if (!q.exec())
        return failed(QT_TR_NOOP("removing a class report sent"), q.lastError());
    return std::nullopt;
}

Result<QList<int>> ProgressStore::classSet(const QString& code)
{
    QList<int> presidents;
    const Result<bool> ready = outboxReady();
    if (!ready)
        return failure(*ready.problem());
    if (!*ready)
        return presidents;
    QSqlQuery q(db_);
    if (!q.prepare(QStringLiteral("SELECT presidents FROM classes WHERE code = ?")))
        return failed(QT_TR_NOOP("reading its class's practice set"), q.lastError());
    q.addBindValue(code);
    if (!q.exec())
        return failed(QT_TR_NOOP("reading its class's practice set"), q.lastError());
    if (q.next())
        for (const QString& number : q.value(0).toString().split(u',', Qt::SkipEmptyParts))
            if (const int record = number.toInt(); record > 0)
                presidents.append(record);
    return presidents;
}

Problem ProgressStore::saveClassSet(const QString& code, const QList<int>& presidents)
{
    if (const Result<bool> ready = outboxReady(); !ready || !*ready)
        return ready.problem();
    QStringList numbers;
    for (const int record : presidents)
        numbers << QString::number(record);
    QSqlQuery q(db_);
    if (!q.prepare(QStringLiteral("INSERT INTO classes (code, presidents, unknown) VALUES (?, ?, 0)"
                                  " ON CONFLICT (code) DO UPDATE SET presidents = excluded.presidents,"
                                  " unknown = 0")))
        return failed(QT_TR_NOOP("keeping its class's practice set"), q.lastError());
    q.addBindValue(code);
    q.addBindValue(numbers.join(u','));
    if (!q.exec())
        return failed(QT_TR_NOOP("keeping its class's practice set"), q.lastError());
    return std::nullopt;
}

Result<bool> ProgressStore::markUnknownClass(const QString& code)
{
    const Result<bool> ready = outboxReady();
    if (!ready)
        return failure(*ready.problem());
    if (!*ready)
        return false;
    QSqlQuery q(db_);
    if (!q.prepare(QStringLiteral("INSERT INTO classes (code, presidents, unknown) VALUES (?, NULL, 1)"
                                  " ON CONFLICT (code) DO UPDATE SET unknown = 1 WHERE unknown = 0")))
        return failed(QT_TR_NOOP("noting an unknown class code"), q.lastError());
    q.addBindValue(code);
    if (!q.exec())
        return failed(QT_TR_NOOP("noting an unknown class code"), q.lastError());
    return q.numRowsAffected() > 0;
}

} // namespace brev
