#include "models/matchrules.h"

#include <QtGlobal>

#include <utility>

namespace brev {

namespace {
constexpr int kShuffleDraws = 20;
constexpr std::array<int, 3> kStepSizes{14, 12, 10};
} // namespace

int barFontSize(const QStringList& names, const FontSteps& steps)
{
    int size = 18;
    for (const QString& name : names) {
        for (size_t i = 0; i < steps.size(); ++i) {
            if (name.size() > steps[i] && size > kStepSizes[i])
                size = kStepSizes[i];
        }
    }
    return size;
}

void shuffleKeepingLast(const std::function<double()>& uniform, std::span<int> order)
{
    const int movable = int(order.size()) - 1;
    if (movable < 1)
        return;
    for (int i = 0; i < kShuffleDraws; ++i) {
        const int j = qBound(0, int(uniform() * movable), movable - 1);
        if (j > 0)
            std::swap(order[size_t(j - 1)], order[size_t(j)]);
    }
}

} // namespace brev
