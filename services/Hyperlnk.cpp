#include "services/Hyperlnk.h"

#include "services/context.h"

namespace brev {

void openlink(AppContext& ctx, const QString& address)
{
    ctx.shell->openUrl(address);
}

} // namespace brev
