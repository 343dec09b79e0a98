#include "store/context.h"

#include <QDir>

namespace brev {

QString AppContext::path(const QString& name) const
{
    if (dir.isEmpty() || QDir::isAbsolutePath(name))
        return name;
    return QDir(dir).filePath(name);
}

} // namespace brev
