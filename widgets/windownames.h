#pragma once
// Window captions for window managers that read only a window's ICCCM name
// (WM_NAME), such as twm. Qt writes that name's bytes in UTF-8 while its type
// says Latin-1, so such a window manager shows "Opción múltiple" as
// "OpciÃ³n mÃºltiple"; window managers that read _NET_WM_NAME show the
// caption right either way.
#include <QByteArray>
#include <QString>

namespace brev {

// From now on every window's WM_NAME on an X server holds its caption in
// Latin-1. Call once the application object exists; later calls, and calls on
// other platforms, do nothing.
void installLatin1WindowNames();
// A caption as Latin-1 bytes: dashes and quotation marks that Latin-1 lacks
// in their plain forms, any other such character as "?".
QByteArray latin1Caption(const QString& caption);

} // namespace brev
