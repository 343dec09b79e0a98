#include "base/systemclock.h"

namespace brev {

QDate SystemClock::today()
{
    return QDate::currentDate();
}

QDateTime SystemClock::now()
{
    return QDateTime::currentDateTime();
}

} // namespace brev
