#include "app/playerprogress.h"

#include "app/program.h"
#include "models/questionmodel.h"
#include "models/verdict.h"
#include "store/progresstable.h"
#include "store/records.h"

#include <QDateTime>


namespace brev {

QList<PresidentEntry> presidentSet(const Records& records)
{
    QList<PresidentEntry> set;
    for (int r = 1; r <= records.inPlay(); ++r)
        set << PresidentEntry{r, records.presidents[size_t(r)].name};
    return set;
}

QList<JudgedItem> judgedItems(const QuestionModel& question, const Verdict& verdict, const Records& records)
{
    QList<JudgedItem> items;
    const auto add = [&](int record, bool right) {
        if (record < 1 || record > records.inPlay())
            return;
        for (JudgedItem& item : items)
            if (item.record == record) {
                item.right = item.right && right;   // wrong anywhere in the question: wrong
                return;
            }
        items << JudgedItem{record, records.presidents[size_t(record)].name, right, 0};
    };
    for (const Credit& credit : verdict.credits)
        add(credit.record, credit.change > 0);
    if (verdict.credits.isEmpty() && verdict.possible > 0)
        add(question.chosen()[0], verdict.points > 0);
    // The question's points go to its right items, shared out evenly.
    int rightItems = 0;
    for (const JudgedItem& item : items)
        rightItems += item.right ? 1 : 0;
    int left = verdict.points;
    for (JudgedItem& item : items)
        if (item.right && rightItems > 0) {
            item.points = left / rightItems;
            left -= item.points;
            --rightItems;
        }
    return items;
}

int PracticeDraw::pick(int category, Chosen& chosen, int slot, PickRule rule,
                       const std::function<bool(int record)>& suits)
{
    const auto focused = [&](int record) { return focus_.contains(record) && (!suits || suits(record)); };
    const int record = ItemDraw::pick(category, chosen, slot, rule, focused);
    return record > 0 ? record : ItemDraw::pick(category, chosen, slot, rule, suits);
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
    if (recording)
        tell(store.beginGame(player, p.clock.now(), kind == GameKind::Practice));

    std::unique_ptr<PracticeDraw> practice;
    if (kind == GameKind::Practice) {
        QList<PresidentHistory> histories;
        (void)store.presidentHistories(player, &histories);   // its problem was told as the game began
        practice = std::make_unique<PracticeDraw>(p.records, p.session.itemUse, p.random,
                                                  PracticeFocus(practiceOrder(presidentSet(p.records), histories)));
    }
    ItemDraw& draw = practice ? static_cast<ItemDraw&>(*practice) : p.draw;
    Game game(p.settings, p.session, p.log, p.questionFile, draw);
    game.recordAnswers([&](const QuestionModel& question, const Verdict& verdict) {
        const JudgedQuestion judged{question.category(), verdict.points, verdict.possible,
                                    judgedItems(question, verdict, p.records)};
        tell(store.recordQuestion(judged, p.clock.now()));
    });
    game.play(ui, kind);
    if (recording)
        tell(store.finishGame(player, p.session.score, p.session.possible, game.endedEarly(), p.clock.now()));
}

Problem readProgressTable(Program& program, QString* table)
{
    ProgressStore store(program.path(QString::fromLatin1(kProgressFile)), ProgressStore::Access::ReadOnly);
    const QString player = ProgressStore::playerName(program.settings.settings.playername);
    QList<PresidentHistory> histories;
    if (Problem problem = store.presidentHistories(player, &histories))
        return problem;
    *table = progressTable(presidentSet(program.records), histories);
    return std::nullopt;
}

} // namespace brev
