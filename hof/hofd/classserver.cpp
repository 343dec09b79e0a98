#include "hof/hofd/classserver.h"

#include "hof/hofd/classhtml.h"
#include "hof/hofd/classpages.h"
#include "hof/hofd/classreport.h"
#include "hof/hofd/classtexts.h"
#include "hof/hofd/hoflog.h"
#include "hof/hofd/hofpage.h"
#include "hof/hofd/hofrequest.h"
#include "hof/hofd/hofserver.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QPointer>
#include <QUrl>

namespace hofd {

namespace {

constexpr int kMaxBatch = 500; // reports stored in one transaction
// While fewer reports wait than the last batch and those waiting beside it,
// the first waits this long for the others (the games answered together report
// together), so that one commit stores them all rather than a few and then the
// rest.
constexpr int kGatherMs = 3;
constexpr int kRetentionCheckMs = 24 * 60 * 60 * 1000;

QByteArray json(const QJsonObject& object)
{
    return QJsonDocument(object).toJson(QJsonDocument::Compact);
}

QJsonArray jsonList(const QList<int>& numbers)
{
    QJsonArray list;
    for (const int n : numbers)
        list.append(n);
    return list;
}

ClassServer::Answer jsonAnswer(int status, const QJsonObject& object)
{
    return {status, json(object), "application/json", {}, {}};
}

ClassServer::Answer unknownClass(const QString& code)
{
    return jsonAnswer(
        404, {{QStringLiteral("error"), QStringLiteral("unknown class")}, {QStringLiteral("code"), code}});
}

} // namespace

// A report waiting for the writer.
struct ClassServer::Queued {
    PendingPtr pending;
    ClassReport report;
};

ClassServer::ClassServer(ClassDatabase& database, const ClassServerOptions& options, QObject* parent)
    : QObject(parent), database_(database), options_(options),
      reports_(options.reportsPerMinute, options.reportsPerMinute), classes_(1, kClassesAtOnce),
      lookups_(kUnknownLookupsPerMinute, kUnknownLookupsPerMinute)
{
    clock_.start();
    giveUpTimer_.setSingleShot(true);
    connect(&giveUpTimer_, &QTimer::timeout, this, &ClassServer::giveUp);
    gatherTimer_.setSingleShot(true);
    gatherTimer_.setTimerType(Qt::PreciseTimer);
    connect(&gatherTimer_, &QTimer::timeout, this, &ClassServer::storeQueued);
    retentionTimer_.setInterval(kRetentionCheckMs);
    connect(&retentionTimer_, &QTimer::timeout, this, &ClassServer::startRetention);
}

ClassServer::~ClassServer() = default;

void ClassServer::addRoutes(HttpServer& http)
{
    const HttpServer* server = &http;
    http.routePrefix("/classes/", {"GET", "POST"}, kMaxReportBytes,
                     [this, server](const HttpRequest& request, const HttpReply& reply) {
                         handle(request, reply, server);
                     });
}

void ClassServer::startRetention()
{
    if (!retentionTimer_.isActive())
        retentionTimer_.start();
    const int days = options_.retentionDays;
    database_.write([days](ClassStore& store) -> ClassDatabase::Done {
        const brev::Result<int> deleted = store.purgeExpired(QDateTime::currentDateTimeUtc(), days);
        if (!deleted)
            logText(escapedForLog(*deleted.problem()));
        else if (*deleted > 0)
            logText(QStringLiteral("brevallo-hofd: deleted %1 classes without a game for %2 days")
                        .arg(*deleted)
                        .arg(days));
        return {};
    });
}

ClassServer::PendingPtr ClassServer::pending(const HttpReply& reply, const HttpRequest& request,
                                             const QString& what)
{
    auto p = std::make_shared<Pending>();
    p->since.start();
    p->reply = reply;
    p->client = request.peer;
    p->peer = request.peer.toString();
    p->what = what;
    p->language = pageLanguage(request.acceptLanguage);
    p->giveUpAt = clock_.elapsed() + options_.databaseTimeoutMs;
    waiting_.push_back(p);
    if (!giveUpTimer_.isActive())
        giveUpTimer_.start(options_.databaseTimeoutMs);
    return p;
}

void ClassServer::handle(const HttpRequest& request, const HttpReply& reply, const HttpServer* http)
{
    const QList<QByteArray> parts = request.path.mid(int(qstrlen("/classes/"))).split('/');
    const std::optional<QString> code = classCode(QString::fromLatin1(parts.first()));
    const QString where = parts.first() == "new" ? QStringLiteral("new")
                          : code                 ? *code
                                                 : QStringLiteral("(no class code)");
    // The log names what was asked, a player's page without his name.
    QString what = QStringLiteral("class ") + where;
    if (parts.size() > 2 && parts.at(1) == "players")
        what += QStringLiteral("/players/(name)") +
                (parts.size() > 3 ? QStringLiteral("/") + QString::fromLatin1(parts.mid(3).join('/')).left(20)
                                  : QString());
    else if (parts.size() > 1)
        what += u'/' + QString::fromLatin1(parts.mid(1).join('/')).left(20);
    const PendingPtr p = pending(reply, request, what);
    const bool post = request.method == "POST";
    auto allow = [&](const char* method) {
        if (request.method == method || (qstrcmp(method, "GET") == 0 && request.method == "HEAD"))
            return true;
        Answer a{405,
                 errorPage(QStringLiteral("Method not allowed"),
                           QStringLiteral("This address does not take that method.")),
                 "text/html; charset=utf-8",
                 {{"Allow", qstrcmp(method, "GET") == 0 ? "GET, HEAD" : method}},
                 {}};
        answer(p, a);
        return false;
    };
    if (parts.size() == 1 && parts.first() == "new") {
        if (post || allow("GET"))
            newClass(p, request, http);
        return;
    }
    if (parts.size() == 2 && parts.at(1) == "reports") {
        if (allow("POST"))
            report(p, code.value_or(QString::fromLatin1(parts.first()).toUpper().left(20)), request.body);
        return;
    }
    if (parts.size() == 2 && parts.at(1) == "assignment" && !post) {
        if (allow("GET"))
            assignment(p, code.value_or(QString::fromLatin1(parts.first()).toUpper().left(20)));
        return;
    }
    QStringList rest;
    for (const QByteArray& part : parts.mid(1))
        rest.append(QString::fromUtf8(QByteArray::fromPercentEncoding(part)));
    teacher(p, code.value_or(QString()), rest, request);
}

void ClassServer::report(const PendingPtr& p, const QString& code, const QByteArray& body)
{
    p->json = true;
    if (const int retryAfter = reports_.take(p->client, clock_.elapsed())) {
        Answer a = jsonAnswer(429, {{QStringLiteral("error"), QStringLiteral("too many reports")}});
        a.headers.append({"Retry-After", QByteArray::number(retryAfter)});
        answer(p, a);
        return;
    }
    p->counted = &reports_;
    if (!classCode(code)) {
        answer(p, unknownClass(code));
        return;
    }
    brev::Result<Report> parsed = parseReport(body);
    if (!parsed) {
        answer(p, jsonAnswer(400, {{QStringLiteral("error"), *parsed.problem()}}));
        return;
    }
    auto q = std::make_shared<Queued>();
    q->pending = p;
    q->report = {code, std::move(*parsed)};
    queued_.push_back(q);
    gatherOrStore();
}

void ClassServer::gatherOrStore()
{
    if (storing_ || queued_.empty())
        return;
    if (queued_.size() >= gatherFor_)
        storeQueued();
    else if (!gatherTimer_.isActive())
        gatherTimer_.start(kGatherMs);
}

void ClassServer::storeQueued()
{
    if (storing_ || queued_.empty())
        return;
    const auto end = queued_.begin() + qMin<qsizetype>(kMaxBatch, qsizetype(queued_.size()));
    std::vector<std::shared_ptr<Queued>> batch(queued_.begin(), end);
    queued_.erase(queued_.begin(), end);
    gatherTimer_.stop();
    QList<ClassReport> reports;
    for (const auto& q : batch)
        reports.append(q->report);
    storing_ = true;
    QPointer<ClassServer> self(this);
    database_.write([self, batch, reports](ClassStore& store) -> ClassDatabase::Done {
        const brev::Result<QList<ReportOutcome>> stored =
            store.storeReports(reports, QDateTime::currentDateTimeUtc());
        const brev::Problem problem = stored.problem();
        // A problem for the whole batch leaves every outcome Failed.
        const QList<ReportOutcome> outcomes = stored.value_or(QList<ReportOutcome>(reports.size()));
        return [self, batch, outcomes, problem] {
            if (!self)
                return;
            self->storing_ = false;
            if (problem)
                logText(escapedForLog(*problem));
            for (std::size_t i = 0; i < batch.size(); ++i) {
                const PendingPtr& p = batch[i]->pending;
                const ReportOutcome& o = outcomes.at(qsizetype(i));
                const QJsonObject stored{{QStringLiteral("stored"), true},
                                         {QStringLiteral("assignment"), jsonList(o.assignment)}};
                if (o.kind == ReportOutcome::Stored)
                    self->answer(p, jsonAnswer(201, stored));
                else if (o.kind == ReportOutcome::AlreadyStored)
                    self->answer(p, jsonAnswer(200, stored));
                else if (o.kind == ReportOutcome::UnknownClass)
                    self->answer(p, unknownClass(batch[i]->report.code));
                else if (!o.problem.isEmpty())
                    logText(escapedForLog(o.problem));
                if (o.kind == ReportOutcome::Failed)
                    self->answer(p, self->tryAgain(p));
            }
            // The clients just answered are likely to report again soon,
            // beside the ones waiting: the next batch waits for them all.
            self->gatherFor_ = qMax<std::size_t>(1, batch.size() + self->queued_.size());
            self->gatherOrStore();
        };
    });
}

void ClassServer::assignment(const PendingPtr& p, const QString& code)
{
    p->json = true;
    if (const int retryAfter = lookups_.take(p->client, clock_.elapsed())) {
        Answer a = jsonAnswer(429, {{QStringLiteral("error"), QStringLiteral("too many unknown classes")}});
        a.headers.append({"Retry-After", QByteArray::number(retryAfter)});
        answer(p, a);
        return;
    }
    if (!classCode(code)) {
        answer(p, unknownClass(code));
        return;
    }
    QPointer<ClassServer> self(this);
    database_.read([self, p, code](ClassStore& store) -> ClassDatabase::Done {
        const brev::Result<std::optional<ClassInfo>> found = store.findClass(code);
        const brev::Problem problem = found.problem();
        const std::optional<ClassInfo> info = found.value_or(std::nullopt);
        return [self, p, code, info, problem] {
            if (!self)
                return;
            if (problem) {
                logText(escapedForLog(*problem));
                self->answer(p, self->tryAgain(p));
            } else if (!info) {
                self->answer(p, unknownClass(code));
            } else {
                self->lookups_.giveBack(p->client); // only codes that are no class count
                self->answer(p,
                             jsonAnswer(200, {{QStringLiteral("format"), 1},
                                              {QStringLiteral("presidents"), jsonList(info->assignment)}}));
            }
        };
    });
}

void ClassServer::newClass(const PendingPtr& p, const HttpRequest& request, const HttpServer* http)
{
    const Language l = p->language;
    if (request.method != "POST") {
        answer(p, {200, newClassPage(l, options_.retentionDays), "text/html; charset=utf-8", {}, {}});
        return;
    }
    const std::optional<QString> name = playerName(formValues(request.body, "name").value(0));
    if (!name) {
        answer(p, {400,
                   messagePage(l, text(Text::NewClassTitle, l), text(Text::BadClassName, l)),
                   "text/html; charset=utf-8",
                   {},
                   {}});
        return;
    }
    if (const int retryAfter = classes_.take(p->client, clock_.elapsed())) {
        answer(p, {429,
                   messagePage(l, text(Text::TooManyClassesTitle, l),
                               text(Text::TooManyClasses, l).arg(retryAfter)),
                   "text/html; charset=utf-8",
                   {{"Retry-After", QByteArray::number(retryAfter)}},
                   {}});
        return;
    }
    p->counted = &classes_;
    const bool https = (http && http->secure()) || request.forwardedProto.trimmed().toLower() == "https";
    const QString origin = (https ? QStringLiteral("https://") : QStringLiteral("http://")) +
                           QString::fromUtf8(request.host.isEmpty() ? QByteArray("localhost") : request.host);
    QPointer<ClassServer> self(this);
    database_.write([self, p, l, name = *name, origin](ClassStore& store) -> ClassDatabase::Done {
        const brev::Result<ClassStore::NewClass> made =
            store.makeClass(name, QDateTime::currentDateTimeUtc());
        Answer a;
        if (!made) {
            a = {503, {}, "text/html; charset=utf-8", {}, *made.problem()};
        } else {
            const QString path = classPath(made->code, made->key);
            a.body = classMadePage(l, name, made->code, path, origin + path);
        }
        return [self, p, a] {
            if (self)
                self->answer(p, a.status == 503 ? self->tryAgain(p) : a);
        };
    });
}

ClassServer::Answer ClassServer::tryAgain(const PendingPtr& p) const
{
    if (p->counted)
        p->counted->giveBack(p->client); // not stored: not counted
    Answer a;
    a.status = 503;
    if (p->json) {
        a = jsonAnswer(503, {{QStringLiteral("error"), QStringLiteral("the database is not reachable")}});
    } else {
        a.body = messagePage(p->language, text(Text::TryAgainTitle, p->language),
                             text(Text::TryAgain, p->language));
    }
    a.headers.append({"Retry-After", QByteArray::number(qMax(1, options_.databaseTimeoutMs / 1000))});
    return a;
}

// Requests the database kept too long get 503; what it does with them later is
// answered to nobody (a report stored then is found stored when sent again).
void ClassServer::giveUp()
{
    const qint64 now = clock_.elapsed();
    while (!waiting_.empty() && (waiting_.front()->answered || waiting_.front()->giveUpAt <= now)) {
        const PendingPtr p = waiting_.front();
        waiting_.pop_front();
        if (!p->answered)
            answer(p, tryAgain(p));
    }
    if (!waiting_.empty())
        giveUpTimer_.start(int(qMax<qint64>(0, waiting_.front()->giveUpAt - now)));
}

void ClassServer::answer(const PendingPtr& p, const Answer& a)
{
    if (p->answered)
        return;
    p->answered = true;
    if (!a.problem.isEmpty())
        logText(escapedForLog(a.problem));
    HttpResponse response;
    response.status = a.status;
    response.body = a.body;
    response.headers = {{"Content-Type", a.type},
                        {"Cache-Control", "no-store"},
                        {"X-Content-Type-Options", "nosniff"},
                        {"Referrer-Policy", "no-referrer"}};
    if (a.type.startsWith("text/html"))
        response.headers.append(
            {QByteArray("Content-Security-Policy"),
             QByteArray("default-src 'none'; style-src 'unsafe-inline'; form-action 'self'; "
                        "frame-ancestors 'none'; base-uri 'none'")});
    response.headers.append(a.headers);
    const bool sent = p->reply.send(response);
    logRequest(p->peer, sent ? p->what : p->what + QStringLiteral(" (client gone)"), a.status, p->since);
}

} // namespace hofd
