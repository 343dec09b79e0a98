#include "models/portraitmatchmodel.h"

#include "store/records.h"
#include "store/sounds.h"

#include <QCoreApplication>

namespace brev {

QString PortraitMatchModel::pictureFile(int p) const
{
    return records().imageFile(chosen_[size_t(order(p))]);
}

QStringList PortraitMatchModel::exportLines() const
{
    if (mode() != RunMode::OnlineExport)
        return {};
    QStringList block{QStringLiteral("IMATCH"), categoryName()};
    for (int k = 0; k < kBars; ++k)
        block << name(k);
    for (int p = 0; p < kBars; ++p)
        block << QString::number(order(p) + 1) << pictureFile(p);
    return block;
}

QString PortraitMatchModel::wrongPairLine(int placed, int p) const
{
    return name(placed) + QStringLiteral(" placed on image of ") + name(order(p));
}

QString PortraitMatchModel::targetText(int p) const
{
    return QCoreApplication::translate("Review", "Portrait of %1").arg(name(order(p)));
}

void PortraitMatchModel::finish(Verdict& v, int correct) const
{
    // The score line counts pairs, not points.
    v.results += kLineBreak + kLineBreak + QStringLiteral("*** Scored ") + QString::number(correct)
                 + QStringLiteral(" of ") + QString::number(kBars);
    if (correct == kBars) {
        if (mode() != RunMode::OnlineExport) {
            v.results = QStringLiteral("*** All correct!");
            v.log << LogLine{QStringLiteral(" *** All correct!"), kExplainLevel};
        }
        v.sound = SfxCorrect;
    } else {
        v.sound = SfxWrong;
    }
}

QString PortraitMatchModel::helpText()
{
    return QStringLiteral("Click on one of the colored bars") + kLineBreak + QStringLiteral("Then drag it to its picture")
           + kLineBreak + kLineBreak + QStringLiteral("When all items are matched, click on 'done'") + kLineBreak
           + kLineBreak + QStringLiteral("Resize window to change image size");
}

} // namespace brev
