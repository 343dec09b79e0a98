#pragma once
// The settings file brev.INI, and start-up's first steps.
#include "base/problem.h"
#include "base/state.h"

#include <QStringList>
#include <QString>

namespace brev {

struct AppContext;
struct RefData;

// The file's text for the given settings, byte for byte.
QByteArray settingsText(const Settings& s);

// Reads "brev.INI". A missing file leaves the defaults; a file that ends early
// or holds a value that is not a number keeps what was read before that point,
// leaves the rest at their defaults and returns what is wrong.
Problem loadsettings(AppContext& ctx);
// Replaces "brev.INI" only once the new contents are complete on disk; on
// failure the old file stays and the problem names the system's reason.
Problem savesettings(AppContext& ctx);
// The first steps of start-up: line break, export mode off, Name Me base,
// settings, file names, the hall of fame, category table. Returns the
// problems the settings and the hall of fame met, in that order.
QStringList startup(AppContext& ctx);


} // namespace brev
