#pragma once
// The second settings file, "brevplus.ini" in the program directory: settings
// that "brev.INI" has no line for. It is an INI file the player may edit by
// hand; the program only reads it. A missing or damaged file, or a value that
// cannot be used, gives the default.
#include <QString>
#include <QUrl>

namespace brev {

struct AppContext;

inline constexpr char kPlusSettingsFile[] = "brevplus.ini";

// Base address of the online hall of fame, key hof/baseUrl: an http or https
// address. By default the hall of fame service on this computer.
inline constexpr char kDefaultHofBaseUrl[] = "http://localhost:8642";
QUrl hofBaseUrl(const AppContext& ctx);

} // namespace brev
