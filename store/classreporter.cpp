#include "store/classreporter.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <utility>

namespace brev {

QUrl classUrl(const QUrl& base, const QString& code, const QString& rest)
{
    QUrl url = base;
    QString path = base.path();
    while (path.endsWith(u'/'))
        path.chop(1);
    url.setPath(path + QStringLiteral("/classes/") + code + rest);
    return url;
}

ClassReporter::ClassReporter(ProgressStore& store, ClassLink* link) : store_(store), link_(link)
{}

ClassLink::Done ClassReporter::later(std::function<void(const LinkReply&)> step)
{
    return [alive = std::weak_ptr<bool>(alive_), step = std::move(step)](const LinkReply& reply) {
        if (alive.lock())
            step(reply);
    };
}

void ClassReporter::told(const Problem& problem)
{
    if (problem && tell)
        tell(*problem);
}

void ClassReporter::sendWaiting(const QUrl& base)
{
    base_ = base;
    if (busy_) {
        again_ = true;
        return;
    }
    startRound();
}

void ClassReporter::fetchPracticeSet(const QUrl& base, const QString& code)
{
    if (!isClassCode(code))
        return;
    fetchBase_ = base;
    fetchCode_ = code;
    if (!busy_)
        fetchNow();
}

void ClassReporter::startRound()
{
    again_ = false;
    skipped_.clear();
    round_.clear();
    if (!link_)
        return endRound();
    busy_ = true;
    const Result<QList<QueuedReport>> waiting = store_.waitingReports();
    told(waiting.problem());
    round_ = waiting.value_or({});
    sendNext();
}

void ClassReporter::sendNext()
{
    while (!round_.isEmpty()) {
        const QueuedReport report = round_.takeFirst();
        if (skipped_.contains(report.code))
            continue;
        if (!isClassCode(report.code) || report.json.size() > kReportBytes) {
            if (log)
                log(QStringLiteral("Class report of game %1 for class %2 dropped: it is not a report the "
                                   "service takes (%3 bytes).")
                        .arg(report.game, report.code)
                        .arg(report.json.size()));
            told(store_.removeReport(report.id));
            continue;
        }
        link_->post(classUrl(base_, report.code, QStringLiteral("/reports")), report.json,
                    later([this, report](const LinkReply& reply) { delivered(report, reply); }));
        return;
    }
    endRound();
}

void ClassReporter::delivered(const QueuedReport& report, const LinkReply& reply)
{
    switch (reply.status) {
    case 200:
    case 201:
        told(store_.removeReport(report.id));
        keepSet(report.code,
                QJsonDocument::fromJson(reply.body).object().value(QStringLiteral("assignment")));
        break;
    case 400:
    case 413: {
        QString why = QJsonDocument::fromJson(reply.body).object().value(QStringLiteral("error")).toString();
        if (why.isEmpty())
            why = reply.status == 413 ? QStringLiteral("too large") : QStringLiteral("malformed");
        if (log)
            log(QStringLiteral("Class report of game %1 for class %2 dropped: the service at %3 answered %4"
                               " (%5).")
                    .arg(report.game, report.code, base_.toDisplayString())
                    .arg(reply.status)
                    .arg(why));
        told(store_.removeReport(report.id));
        break;
    }
    case 404:
        skipped_.insert(report.code);
        unknownClass(base_, report.code);
        break;
    default:
        unreachable(base_, reply, true);
        round_.clear(); // the rest wait for the next round
        break;
    }
    sendNext();
}

void ClassReporter::endRound()
{
    busy_ = false;
    if (again_)
        return startRound();
    if (!fetchCode_.isEmpty())
        fetchNow();
}

void ClassReporter::fetchNow()
{
    const QString code = std::exchange(fetchCode_, QString());
    if (!link_)
        return;
    busy_ = true;
    const QUrl base = fetchBase_;
    const auto fetched = [this, base, code](const LinkReply& r) {
        busy_ = false;
        if (r.status == 200)
            keepSet(code, QJsonDocument::fromJson(r.body).object().value(QStringLiteral("presidents")));
        else if (r.status == 404)
            unknownClass(base, code);
        else
            unreachable(base, r, false);
        if (again_)
            startRound();
    };
    link_->get(classUrl(base, code, QStringLiteral("/assignment")), later(fetched));
}

void ClassReporter::keepSet(const QString& code, const QJsonValue& presidents)
{
    if (!presidents.isArray())
        return;
    QList<int> records;
    for (const QJsonValue& v : presidents.toArray()) {
        const int record = v.toInt();
        if (record >= 1 && record <= kReportRecords && !records.contains(record))
            records.append(record);
    }
    std::sort(records.begin(), records.end());
    told(store_.saveClassSet(code, records));
}

void ClassReporter::unknownClass(const QUrl& base, const QString& code)
{
    const Result<bool> firstTime = store_.markUnknownClass(code);
    told(firstTime.problem());
    if (firstTime.value_or(false) && tell)
        tell(tr("The class code %1 is not known to the hall-of-fame service at %2: check it with your "
                "teacher. Reports for that code wait on this computer until it is known.")
                 .arg(code, base.toDisplayString()));
}

// The service did not answer, or not now: written to the play log, and
// told once per run when reports wait for it.
void ClassReporter::unreachable(const QUrl& base, const LinkReply& reply, bool reportsWait)
{
    const QString why = reply.status == 0 ? reply.error : QStringLiteral("status %1").arg(reply.status);
    if (log)
        log(QStringLiteral("The hall-of-fame service at %1 cannot be reached for the class now (%2).")
                .arg(base.toDisplayString(), why));
    if (!reportsWait || toldUnreachable_ || !tell)
        return;
    toldUnreachable_ = true;
    tell(tr("The class reports cannot reach the hall-of-fame service at %1 now (%2). They wait on this "
            "computer and go after the next game.")
             .arg(base.toDisplayString(), why));
}

} // namespace brev
