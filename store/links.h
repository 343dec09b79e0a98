#pragma once
// Opening web addresses and pages of the program directory in the desktop's
// browser. When nothing opens one, the message says
// so and shows the address for the player to copy.
#include "base/problem.h"

#include <QString>

namespace brev {

class Shell;

// address: a web address, or a file of the program directory `dir` named
// without a scheme.
Problem openLink(Shell& shell, const QString& dir, const QString& address);

} // namespace brev
