#pragma once
// The program's class link: it loads libbrevnet (Qt Network) from the first
// of the given folders that has it, when the first request goes out, and
// hands every request to it. When the library cannot be loaded, every
// request comes back unanswered (status 0) with the reason, later, as a
// network failure would; the game keeps its reports for another run.
#include "base/classlink.h"

#include <QStringList>
#include <memory>

namespace brev {

std::unique_ptr<ClassLink> makeNetworkLink(const QStringList& libraryDirs);

} // namespace brev
