#include "store/Hyperlnk.h"

#include "store/context.h"

#include <QFileInfo>
#include <QUrl>

namespace brev {

void openlink(AppContext& ctx, const QString& address)
{
    // A name without a scheme that names a file of the program directory is
    // that file, not a web host.
    if (QUrl(address).scheme().isEmpty()) {
        const QFileInfo local(ctx.path(address));
        if (local.isFile()) {
            ctx.shell->openUrl(QUrl::fromLocalFile(local.absoluteFilePath()).toString());
            return;
        }
    }
    ctx.shell->openUrl(address);
}

} // namespace brev
