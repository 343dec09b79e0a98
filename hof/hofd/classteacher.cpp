// The teacher's addresses of ClassServer: every one checks the key first.
#include "hof/hofd/classcsv.h"
#include "hof/hofd/classhtml.h"
#include "hof/hofd/classpages.h"
#include "hof/hofd/classserver.h"
#include "hof/hofd/classtexts.h"
#include "hof/hofd/hofpage.h"
#include "hof/hofd/hofrequest.h"

#include <QPointer>

namespace hofd {

namespace {

using Answer = ClassServer::Answer;

Answer page(int status, const QByteArray& body)
{
    return {status, body, "text/html; charset=utf-8", {}, {}};
}

// The database failed: 503, the reason for the log.
Answer unavailable(Language l, const QString& problem)
{
    return {503,
            messagePage(l, text(Text::TryAgainTitle, l), text(Text::TryAgain, l)),
            "text/html; charset=utf-8",
            {{"Retry-After", "1"}},
            problem};
}

Answer csv(const QString& code, const char* name, const QByteArray& body)
{
    return {200,
            body,
            "text/csv; charset=utf-8; header=present",
            {{"Content-Disposition", "attachment; filename=\"" + code.toLatin1() + '-' + name + '"'}},
            {}};
}

} // namespace

void ClassServer::withClass(const PendingPtr& p, const QString& code, const QString& key, bool write,
                            std::function<Answer(ClassStore&, const ClassInfo&)> build)
{
    const Language l = p->language;
    QPointer<ClassServer> self(this);
    auto job = [self, p, l, code, hash = keyHash(key), build](ClassStore& store) -> ClassDatabase::Done {
        const brev::Result<std::optional<ClassInfo>> found =
            code.isEmpty() ? std::optional<ClassInfo>() : store.findClass(code);
        const std::optional<ClassInfo> info = found.value_or(std::nullopt);
        Answer a;
        if (const brev::Problem problem = found.problem())
            a = unavailable(l, *problem);
        else if (!info || !sameHash(hash, info->keyHash))
            a = page(403, messagePage(l, text(Text::NoAccessTitle, l), text(Text::NoAccess, l)));
        else
            a = build(store, *info);
        return [self, p, a] {
            if (self)
                self->answer(p, a);
        };
    };
    if (write)
        database_.write(job);
    else
        database_.read(job);
}

void ClassServer::teacher(const PendingPtr& p, const QString& code, const QStringList& rest,
                          const HttpRequest& request)
{
    const Language l = p->language;
    const bool post = request.method == "POST";
    const QByteArray form = post ? request.body : request.query;
    const QString key = formValues(form, "key").value(0);
    const bool confirmed = formValues(form, "confirm").value(0) == QLatin1String("yes");
    auto allow = [&](bool wantsPost) {
        if (post == wantsPost)
            return true;
        answer(p, {405,
                   errorPage(QStringLiteral("Method not allowed"),
                             QStringLiteral("This address does not take that method.")),
                   "text/html; charset=utf-8",
                   {{"Allow", wantsPost ? "POST" : "GET, HEAD"}},
                   {}});
        return false;
    };
    if (key.isEmpty()) { // nothing of the class without its key, whatever the address
        answer(p, page(403, messagePage(l, text(Text::NoAccessTitle, l), text(Text::NoAccess, l))));
        return;
    }
    if (rest.isEmpty()) {
        if (!allow(false))
            return;
        const bool weakest = formValues(form, "order").value(0) == QLatin1String("weakest");
        withClass(p, code, key, false, [l, key, weakest](ClassStore& store, const ClassInfo& info) {
            const brev::Result<QList<PlayerSummary>> players = store.players(info.id);
            if (!players)
                return unavailable(l, *players.problem());
            const brev::Result<QList<Tally>> tallies = store.tallies(info.id, QString());
            if (!tallies)
                return unavailable(l, *tallies.problem());
            return page(200, classPage(l, ClassPageData{info, key, *players, *tallies, weakest}));
        });
    } else if (rest.size() == 1 &&
               (rest.first() == QLatin1String("games.csv") || rest.first() == QLatin1String("answers.csv"))) {
        if (!allow(false))
            return;
        const bool games = rest.first() == QLatin1String("games.csv");
        withClass(p, code, key, false, [l, games](ClassStore& store, const ClassInfo& info) {
            if (games) {
                const brev::Result<QList<GameRow>> rows = store.games(info.id, QString());
                return !rows ? unavailable(l, *rows.problem()) : csv(info.code, "games.csv", gamesCsv(*rows));
            }
            const brev::Result<QList<AnswerRow>> rows = store.answers(info.id);
            return !rows ? unavailable(l, *rows.problem()) : csv(info.code, "answers.csv", answersCsv(*rows));
        });
    } else if (rest.size() == 1 && rest.first() == QLatin1String("assignment")) {
        const brev::Result<QList<int>> set = parsePresidents(formValues(form, "presidents"));
        if (!set) {
            answer(p, page(400, messagePage(l, text(Text::BadPracticeTitle, l),
                                            text(Text::BadPractice, l).arg(*set.problem()))));
            return;
        }
        withClass(p, code, key, true, [l, key, set = *set](ClassStore& store, const ClassInfo& info) {
            if (const brev::Problem problem = store.setAssignment(info.id, set))
                return unavailable(l, *problem);
            return Answer{303,
                          {},
                          "text/html; charset=utf-8",
                          {{"Location", (classPath(info.code, key) + QStringLiteral("#practice")).toUtf8()}},
                          {}};
        });
    } else if (rest.size() == 1 && rest.first() == QLatin1String("delete")) {
        if (!allow(true))
            return;
        withClass(p, code, key, confirmed, [l, key, confirmed](ClassStore& store, const ClassInfo& info) {
            if (!confirmed)
                return page(200, confirmDeletePage(l, info, key, nullptr));
            if (const brev::Problem problem = store.deleteClass(info.id))
                return unavailable(l, *problem);
            return page(200, deletedPage(l, info, key, nullptr));
        });
    } else if (rest.size() == 2 && rest.first() == QLatin1String("players")) {
        if (!allow(false))
            return;
        const QString player = rest.at(1);
        withClass(p, code, key, false, [l, key, player](ClassStore& store, const ClassInfo& info) {
            const brev::Result<QList<GameRow>> games = store.games(info.id, player);
            if (!games)
                return unavailable(l, *games.problem());
            const brev::Result<QList<Tally>> tallies = store.tallies(info.id, player);
            if (!tallies)
                return unavailable(l, *tallies.problem());
            const brev::Result<QList<CategoryTally>> categories = store.categories(info.id, player);
            if (!categories)
                return unavailable(l, *categories.problem());
            const PlayerPageData d{info, key, player, *tallies, *games, *categories};
            if (d.games.isEmpty())
                return page(404, messagePage(l, text(Text::NoSuchPlayerTitle, l),
                                             text(Text::NoSuchPlayer, l).arg(player)));
            return page(200, playerPage(l, d));
        });
    } else if (rest.size() == 3 && rest.first() == QLatin1String("players") &&
               rest.at(2) == QLatin1String("delete")) {
        if (!allow(true))
            return;
        const QString player = rest.at(1);
        withClass(p, code, key, confirmed,
                  [l, key, player, confirmed](ClassStore& store, const ClassInfo& info) {
                      if (!confirmed)
                          return page(200, confirmDeletePage(l, info, key, &player));
                      if (const brev::Problem problem = store.deletePlayer(info.id, player))
                          return unavailable(l, *problem);
                      return page(200, deletedPage(l, info, key, &player));
                  });
    } else {
        answer(p, page(404, errorPage(QStringLiteral("Not found"),
                                      QStringLiteral("There is no page at this address."))));
    }
}

} // namespace hofd
