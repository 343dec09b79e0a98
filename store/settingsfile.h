#pragma once
// The settings file brev.INI, and start-up's first steps.
#include "base/state.h"

#include <QString>

namespace brev {

struct AppContext;
struct RefData;

// The file's text for the given settings, byte for byte.
QByteArray settingsText(const Settings& s);

// Reads "brev.INI". A missing file leaves the defaults; a file that ends early
// or holds a value that is not a number keeps what was read before that point,
// leaves the rest at their defaults and says so through the message seam.
void loadsettings(AppContext& ctx);
// Replaces "brev.INI" only once the new contents are complete on disk; on failure
// the old file stays and the system's error text is shown. Returns success.
bool savesettings(AppContext& ctx);
// The first steps of start-up: line break, export mode off, Name Me base,
// settings, file names, the hall of fame, category table.
void startup(AppContext& ctx);


} // namespace brev
