#include "models/portraitmatchmodel.h"

#include "store/records.h"
#include "store/sounds.h"

#include <QCoreApplication>

namespace brev {

QString PortraitMatchModel::pictureFile(int p) const
{
    return records().imageFile(chosen_[size_t(order(p))]);
}

QuestionRecord PortraitMatchModel::unanswered() const
{
    QuestionRecord r = MatchingModel::unanswered();
    for (int p = 0; p < kBars; ++p)
        r.written.pictures << pictureFile(p);
    return r;
}

QString PortraitMatchModel::wrongPairLine(int placed, int p, Wording wording) const
{
    const char* line = QT_TR_NOOP("%1 placed on image of %2");
    return (wording == Wording::Shown ? tr(line) : QString::fromLatin1(line))
        .arg(name(placed), name(order(p)));
}

QString PortraitMatchModel::unplacedLine(int bar) const
{
    // The portraits stand two by two: positions 0 and 1 on top, 2 and 3 below.
    static const char* const lines[kBars] = {
        QT_TR_NOOP("%1 was not placed: his image is the top left one"),
        QT_TR_NOOP("%1 was not placed: his image is the top right one"),
        QT_TR_NOOP("%1 was not placed: his image is the bottom left one"),
        QT_TR_NOOP("%1 was not placed: his image is the bottom right one"),
    };
    const int p = ownTarget(bar);
    return p >= 0 && p < kBars ? tr(lines[p]).arg(name(bar)) : QString();
}

QString PortraitMatchModel::targetText(int p) const
{
    return QCoreApplication::translate("Review", "Portrait of %1").arg(name(order(p)));
}

void PortraitMatchModel::finish(Verdict& v, int correct) const
{
    // The score line counts pairs, not points.
    v.results += kLineBreak + kLineBreak + tr("*** Scored %1 of %2").arg(correct).arg(kBars);
    if (correct == kBars) {
        v.results = tr("*** All correct!");
        v.log << LogLine{QStringLiteral(" *** All correct!"), kExplainLevel, LineKind::AllCorrect};
        v.sound = SfxCorrect;
    } else {
        v.sound = SfxWrong;
    }
}

QString PortraitMatchModel::helpText()
{
    return tr("Click on one of the colored bars") + kLineBreak + tr("Then drag it to its picture") +
           kLineBreak + kLineBreak + tr("When all items are matched, click on 'done'") + kLineBreak +
           kLineBreak + tr("Resize window to change image size");
}

} // namespace brev
