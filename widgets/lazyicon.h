#pragma once
// An icon whose picture is decoded only when something first draws it or asks
// for its sizes, so that setting the application icon costs a start nothing.
#include <QIcon>
#include <QString>

namespace brev {

// The icon of a PNG file (a resource path or a file name); an icon without
// sizes when the file is missing or cannot be read.
QIcon lazyPngIcon(const QString& file);

} // namespace brev
