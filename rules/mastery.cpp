#include "rules/mastery.h"

#include <QCoreApplication>
#include <algorithm>

namespace brev {

namespace {

// The context of the words and hints, so lupdate finds them.
struct MasteryTexts {
    Q_DECLARE_TR_FUNCTIONS(brev::Mastery)
};

// clang-format off
constexpr const char* kWords[] = {
    QT_TRANSLATE_NOOP("brev::Mastery", "Unseen"),
    QT_TRANSLATE_NOOP("brev::Mastery", "Learning"),
    QT_TRANSLATE_NOOP("brev::Mastery", "Familiar"),
    QT_TRANSLATE_NOOP("brev::Mastery", "Mastered"),
};
// clang-format on

} // namespace

const PresidentHistory* historyOf(const QList<PresidentHistory>& histories, int record)
{
    const auto it = std::find_if(histories.begin(), histories.end(),
                                 [record](const PresidentHistory& h) { return h.record == record; });
    return it == histories.end() ? nullptr : &*it;
}

Mastery masteryOf(const QList<bool>& newestFirst)
{
    Mastery m;
    m.counted = int(std::min<qsizetype>(newestFirst.size(), kMasteryWindow));
    for (int i = 0; i < m.counted; ++i) {
        if (newestFirst[i]) {
            m.points += kMasteryWindow - i;
            ++m.right;
        }
    }
    m.newestRight = m.counted > 0 && newestFirst.first();
    if (m.counted == 0)
        m.level = MasteryLevel::Unseen;
    else if (m.points >= kMasteredPoints)
        m.level = MasteryLevel::Mastered;
    else if (m.points >= kFamiliarPoints)
        m.level = MasteryLevel::Familiar;
    else
        m.level = MasteryLevel::Learning;
    return m;
}

Mastery masteryOf(const PresidentHistory* history)
{
    return history ? masteryOf(history->recent) : Mastery{};
}

QString masteryWord(MasteryLevel level)
{
    return MasteryTexts::tr(kWords[int(level)]);
}

QString masteryKey(MasteryLevel level)
{
    return QString::fromLatin1(kWords[int(level)]);
}

QString masteryHint(const Mastery& m)
{
    if (m.counted == 0)
        return MasteryTexts::tr("Not asked yet");
    if (m.counted == 1)
        return m.newestRight ? MasteryTexts::tr("Right the one time asked")
                             : MasteryTexts::tr("Wrong the one time asked");
    const QString counts = MasteryTexts::tr("%1 of the last %2 answers right").arg(m.right).arg(m.counted);
    // Says why two players with the same count stand apart: the newest weighs most.
    return m.newestRight ? //: %1 is "3 of the last 5 answers right"; the newest answer was right
               MasteryTexts::tr("%1, the latest right").arg(counts)
                         : //: %1 is "3 of the last 5 answers right"; the newest answer was wrong
               MasteryTexts::tr("%1, the latest wrong").arg(counts);
}

} // namespace brev
