#include "models/oddoneoutmodel.h"

#include "store/records.h"
#include "store/sounds.h"

#include <QCoreApplication>
#include <QHash>
#include <QSet>
#include <QtGlobal>
#include <algorithm>
#include <utility>

namespace brev {

namespace {
constexpr int kItems = 4;
constexpr int kPoints = 5;
constexpr int kSwaps = 20;
constexpr int kOddSlot = 1;
// Slot 0 and two more share the pattern; the odd slot does not.
constexpr int kSharing = 3;

// Whether record `odd` is the one answer beside records sharing the pattern
// of record `pattern`: parties differ by their texts alone, but some ends of a
// term also count as another (see isOddEnd).
bool isOddOne(const Records& records, int pattern, int odd, int category)
{
    return categoryRow(category).field != Field::EndKind ||
           isOddEnd(records.presidents[size_t(pattern)].endKind, records.presidents[size_t(odd)].endKind);
}

// The patterns a question can be about: shared by three records of the
// category at least, beside a record of another pattern that is the odd one.
QSet<QString> leadingPatterns(const ItemDraw& draw, int category)
{
    QHash<QString, QList<int>> byPattern;
    for (int r = 1; r <= draw.records().inPlay(); ++r)
        if (draw.suitsCategory(r, category))
            byPattern[fieldText(draw.records(), r, category)] << r;
    QSet<QString> leading;
    for (auto shared = byPattern.cbegin(); shared != byPattern.cend(); ++shared) {
        if (shared->size() < kSharing)
            continue;
        for (auto other = byPattern.cbegin(); other != byPattern.cend(); ++other)
            if (other != shared && isOddOne(draw.records(), shared->first(), other->first(), category))
                leading << shared.key();
    }
    return leading;
}
} // namespace

bool OddOneOutModel::load()
{
    // Nothing is drawn when no pattern can lead a question: the category has
    // run out.
    const QSet<QString> leading = leadingPatterns(draw_, category());
    if (leading.isEmpty())
        return false;
    const auto leads = [this, &leading](int record) { return leading.contains(field(record)); };
    const auto isOdd = [this](int record) { return isOddOne(records(), chosen_[0], record, category()); };
    for (int i = 0; i < kItems; ++i) {
        int record = 0;
        if (i == 0)
            record = pick(i, PickRule::NewText, leads);
        else if (i == kOddSlot)
            record = pick(i, PickRule::NewText, isOdd);
        else
            record = pick(i, PickRule::SameTextAsFirst);
        if (record <= 0)
            return false;
        slotOrder_[size_t(i)] = i;
        items_[size_t(i)] = text(TextKind::Item, record, 0);
    }
    question_ = field(chosen_[0]);
    // Adjacent swaps among positions 0..2 only: position 3 keeps slot 3.
    for (int n = 0; n < kSwaps; ++n) {
        const int j = qBound(0, static_cast<int>(uniform() * 3.0), 2);
        if (j > 0) {
            std::swap(items_[size_t(j - 1)], items_[size_t(j)]);
            std::swap(slotOrder_[size_t(j - 1)], slotOrder_[size_t(j)]);
        }
    }
    return true;
}

int OddOneOutModel::oddPosition() const
{
    return int(std::find(slotOrder_.begin(), slotOrder_.end(), kOddSlot) - slotOrder_.begin());
}

QuestionRecord OddOneOutModel::unanswered() const
{
    QuestionRecord r = QuestionModel::unanswered();
    r.shown = QStringList(items_.begin(), items_.end());
    r.items = {AskedItem{chosen_[kOddSlot], r.right, {}, r.right, false}};
    r.written.question = question_;
    r.written.choices = r.shown;
    r.written.answer = oddPosition();
    return r;
}

Verdict OddOneOutModel::choose(int position) const
{
    const int picked = std::clamp(position, 0, 3);
    const int slot = slotAt(picked);
    Verdict v;
    QuestionRecord& r = v.record;
    r = unanswered();
    r.given = r.items[0].given = items_[size_t(picked)];
    r.items[0].correct = slot == kOddSlot;
    r.possible = kPoints;
    v.heading = resultsHeading();
    if (r.items[0].correct) {
        r.points = kPoints;
        v.results = tr("Correct -- %1").arg(patternSentence(Wording::Shown));
        v.credits = {{chosen_[kOddSlot], kRightCredit}};
        v.sound = SfxOddOneRight;
    } else {
        v.results = tr("No, %1").arg(patternSentence(Wording::Shown));
        v.log = {{QStringLiteral("No, ") + patternSentence(Wording::Written), kExplainLevel,
                  LineKind::Explanation}};
        v.credits = {{chosen_[size_t(slot)], kWrongCredit}};
        v.sound = SfxWrongPick;
    }
    return v;
}

QString OddOneOutModel::reviewQuestion() const
{
    return QCoreApplication::translate("Review", "Which does not fit: %1?").arg(shownQuestion());
}

QString OddOneOutModel::patternSentence(Wording wording) const
{
    const bool endOfTerm = categoryRow(category()).field == Field::EndKind;
    const char* sentence =
        endOfTerm ? QT_TR_NOOP("%1's end of term: %2, not %3") : QT_TR_NOOP("%1's party: %2, not %3");
    return (wording == Wording::Shown ? tr(sentence) : QString::fromLatin1(sentence))
        .arg(text(TextKind::Item, chosen_[kOddSlot], 0), field(chosen_[kOddSlot], wording),
             field(chosen_[0], wording));
}

QString OddOneOutModel::helpText()
{
    return tr("Click on the item that does NOT fit the pattern");
}

} // namespace brev
