#include "app/playerprogress.h"

#include "app/program.h"
#include "game/classreport.h"
#include "models/questionrecord.h"
#include "rules/progresstable.h"
#include "store/records.h"

#include <QDateTime>
#include <QUuid>

namespace brev {

QList<PresidentEntry> presidentSet(const Records& records)
{
    QList<PresidentEntry> set;
    for (int r = 1; r <= records.inPlay(); ++r)
        set << PresidentEntry{r, records.presidents[size_t(r)].name};
    return set;
}

JudgedQuestion judgedQuestion(const QuestionRecord& record, const Records& records)
{
    JudgedQuestion question{record.category, record.points, record.possible, {}};
    for (const AskedItem& asked : record.items)
        if (asked.record >= 1 && asked.record <= records.inPlay())
            question.items << JudgedItem{asked.record, records.presidents[size_t(asked.record)].name,
                                         asked.correct, 0};
    // The question's points go to its right items, shared out evenly.
    int rightItems = 0;
    for (const JudgedItem& item : question.items)
        rightItems += item.right ? 1 : 0;
    int left = record.points;
    for (JudgedItem& item : question.items)
        if (item.right && rightItems > 0) {
            item.points = left / rightItems;
            left -= item.points;
            --rightItems;
        }
    return question;
}

int PracticeDraw::pick(int category, Chosen& chosen, int slot, PickRule rule,
                       const std::function<bool(int record)>& suits)
{
    const auto focused = [&](int record) { return focus_.contains(record) && (!suits || suits(record)); };
    const int record = ItemDraw::pick(category, chosen, slot, rule, focused);
    return record > 0 ? record : ItemDraw::pick(category, chosen, slot, rule, suits);
}

QList<int> classPracticeOrder(const QList<int>& order, const QList<int>& classSet)
{
    QList<int> first;
    QList<int> rest;
    for (const int record : order)
        (classSet.contains(record) ? first : rest).append(record);
    return first + rest;
}

QList<int> classPracticeSet(Program& program)
{
    const QString code = program.settings.classCode();
    if (code.isEmpty())
        return {};
    // A problem with the file is told by the game.
    QList<int> set = program.progress.classSet(code).value_or({});
    set.removeIf([&program](int record) { return record > program.records.inPlay(); });
    return set;
}

void playRecordedGame(Program& program, GameUi& ui, GameKind kind)
{
    Program& p = program;
    ProgressStore& store = p.progress;
    const QString player = ProgressStore::playerName(p.settings.settings.playername);
    const auto tell = [&ui](const Problem& problem) {
        if (problem)
            ui.tell(*problem);
    };
    // A game that writes a question file (the setup screen's export) is the
    // teacher's, not the player's: the progress file leaves it out.
    const bool recording = !p.session.exporting();
    const QDateTime started = p.clock.now();
    const QString gameId = QUuid::createUuid().toString(QUuid::WithoutBraces); // the class report's
    if (recording)
        tell(store.beginGame(player, started, kind == GameKind::Practice));

    std::unique_ptr<PracticeDraw> practice;
    if (kind == GameKind::Practice) {
        // A problem with the file was told as the game began.
        const QList<int> order =
            practiceOrder(presidentSet(p.records), store.presidentHistories(player).value_or({}));
        const QList<int> classSet = classPracticeSet(p);
        practice = std::make_unique<PracticeDraw>(
            p.records, p.session.itemUse, p.random,
            classSet.isEmpty() ? PracticeFocus(order)
                               : PracticeFocus(classPracticeOrder(order, classSet), int(classSet.size())));
    }
    ItemDraw& draw = practice ? static_cast<ItemDraw&>(*practice) : p.draw;
    Game game(p.settings, p.session, p.log, p.questionFile, draw, &p.sounds);
    game.recordAnswers([&](const QuestionRecord& record) {
        tell(store.recordQuestion(judgedQuestion(record, p.records), p.clock.now()));
    });
    game.play(ui, kind);
    if (!recording)
        return;
    // The hall-of-fame entry at the end of the game may have given the player's name.
    const QString code = p.settings.classCode();
    std::optional<QueuedReport> report;
    const QDateTime ended = p.clock.now();
    if (!code.isEmpty()) {
        ClassReport r{gameId,
                      ProgressStore::playerName(p.settings.settings.playername),
                      started,
                      ended,
                      p.session.score,
                      p.session.possible,
                      kind == GameKind::Practice,
                      {}};
        for (const ReviewEntry& entry : game.reviewed())
            r.questions << entry.record;
        report = QueuedReport{0, code, r.game, classReportJson(r)};
    }
    tell(store.finishGame(p.settings.settings.playername, p.session.score, p.session.possible,
                          game.endedEarly(), ended, report ? &*report : nullptr));
    p.sendClassReports();
}

Result<QString> readProgressTable(Program& program)
{
    ProgressStore store(program.path(QString::fromLatin1(kProgressFile)), ProgressStore::Access::ReadOnly);
    const QString player = ProgressStore::playerName(program.settings.settings.playername);
    const Result<QList<PresidentHistory>> histories = store.presidentHistories(player);
    if (!histories)
        return failure(*histories.problem());
    return progressTable(presidentSet(program.records), *histories);
}

} // namespace brev
