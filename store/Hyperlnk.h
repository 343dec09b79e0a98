#pragma once
#include <QString>

namespace brev {
struct AppContext;
// Opens a web address or local page in the desktop's default handler; a
// failure is ignored.
void openlink(AppContext& ctx, const QString& address);
} // namespace brev
