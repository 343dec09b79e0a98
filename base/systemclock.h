#pragma once
// The clock of the system behind the Clock seam: today's date and the moment,
// in local time. Nothing here can fail.
#include "base/seams.h"

namespace brev {

class SystemClock : public Clock {
public:
    QDate today() override;
    QDateTime now() override;
};

} // namespace brev
