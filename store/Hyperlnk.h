#pragma once
#include "base/problem.h"

#include <QString>

namespace brev {
struct AppContext;
// Opens a web address, or a file of the program directory named without a
// scheme, in the desktop's browser. When nothing opens it, returns the
// message that says so and shows the address for the player to copy.
Problem openlink(AppContext& ctx, const QString& address);
} // namespace brev
