#include "store/Hyperlnk.h"

#include "store/context.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QUrl>

namespace brev {

Problem openlink(AppContext& ctx, const QString& address)
{
    // A name without a scheme that names a file of the program directory is
    // that file, not a web host.
    QString target = address;
    if (QUrl(address).scheme().isEmpty()) {
        const QFileInfo local(ctx.path(address));
        if (local.isFile())
            target = QUrl::fromLocalFile(local.absoluteFilePath()).toString();
    }
    if (ctx.shell->openUrl(target))
        return std::nullopt;
    return QCoreApplication::translate("brev::openlink",
                                       "No web browser opened this address. Copy it into your browser:\n\n%1")
        .arg(target);
}

} // namespace brev
