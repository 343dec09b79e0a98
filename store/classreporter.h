#pragma once
// Sends the class reports waiting in the progress file's outbox to the
// hall-of-fame service, and keeps the class's practice set the service
// gives back. In the background: every request goes through the class link
// and its answer comes back through the event loop; play never waits.
//
// What an answer does to a report: 200 or 201 delivered it (it leaves the
// outbox, and the practice set that came with it is kept); 400 or 413 the
// service will never take it (it leaves the outbox, and the play log says
// why); 404 the service does not know the class code (the report stays, and
// the player is told once per code, in words naming it); anything else (no
// answer, 429, 503, a timeout) means later: the report stays, the round
// stops, and the next finished game or start-up tries again.
//
// Failures: a problem with the progress file is told once (the store is then
// off and nothing is sent); a network problem is written to the play log and
// told once per run when reports wait. Nothing here throws or blocks.
#include "base/classlink.h"
#include "store/progressstore.h"

#include <QCoreApplication>
#include <QJsonValue>
#include <QList>
#include <QSet>
#include <QString>
#include <QUrl>

#include <functional>
#include <memory>

namespace brev {

// A service address below the base address: base + "/classes/CODE" + rest.
QUrl classUrl(const QUrl& base, const QString& code, const QString& rest);

class ClassReporter {
    Q_DECLARE_TR_FUNCTIONS(brev::ClassReporter)
public:
    // store: the progress file with the outbox; link: the way to the
    // service (none: nothing is ever sent).
    ClassReporter(ProgressStore& store, ClassLink* link);

    // log: a line for the play log (English, as the file keeps it); tell: a
    // message for the player, shown when it interrupts nothing.
    std::function<void(const QString& line)> log;
    std::function<void(const QString& text)> tell;

    // Sends every waiting report, oldest first, to the service at base.
    // Asked while a round runs, another round follows it.
    void sendWaiting(const QUrl& base);
    // Asks the service for the practice set of the class (after the round
    // running, if any) and keeps it.
    void fetchPracticeSet(const QUrl& base, const QString& code);
    // Whether no request is under way.
    bool idle() const { return !busy_; }

private:
    void startRound();
    void sendNext();
    void delivered(const QueuedReport& report, const LinkReply& reply);
    void endRound();
    void fetchNow();
    void unknownClass(const QUrl& base, const QString& code);
    void unreachable(const QUrl& base, const LinkReply& reply, bool reportsWait);
    void keepSet(const QString& code, const QJsonValue& presidents);
    void told(const Problem& problem);
    // Runs `step` when the reporter still exists once an answer comes.
    ClassLink::Done later(std::function<void(const LinkReply&)> step);

    ProgressStore& store_;
    ClassLink* link_;
    QUrl base_;
    QList<QueuedReport> round_;
    QSet<QString> skipped_; // codes the service does not know, this round
    bool busy_ = false;
    bool again_ = false;
    QString fetchCode_; // a practice set to fetch once the round is over
    QUrl fetchBase_;
    bool toldUnreachable_ = false;
    std::shared_ptr<bool> alive_ = std::make_shared<bool>(true);
};

} // namespace brev
