#include "store/links.h"

#include "base/seams.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace brev {

Problem openLink(Shell& shell, const QString& dir, const QString& address)
{
    // A name without a scheme that names a file of the program directory is
    // that file, not a web host.
    QString target = address;
    if (QUrl(address).scheme().isEmpty()) {
        const QFileInfo local(QDir(dir).filePath(address));
        if (local.isFile())
            target = QUrl::fromLocalFile(local.absoluteFilePath()).toString();
    }
    if (shell.openUrl(target))
        return std::nullopt;
    return QCoreApplication::translate("brev::openlink",
                                       "No web browser opened this address. Copy it into your browser:\n\n%1")
        .arg(target);
}

} // namespace brev
