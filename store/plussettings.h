#pragma once
// The second settings file, "brevplus.ini" in the program directory: settings
// that "brev.INI" has no line for. It is an INI file the player may edit by
// hand; the program writes only the setup screen's two tick boxes into it. A
// missing or damaged file, or a value that cannot be used, gives the default.
#include "base/problem.h"

#include <QString>
#include <QUrl>

namespace brev {

struct AppContext;

inline constexpr char kPlusSettingsFile[] = "brevplus.ini";

// Base address of the online hall of fame, key hof/baseUrl: an http or https
// address. By default the hall of fame service on this computer.
inline constexpr char kDefaultHofBaseUrl[] = "http://localhost:8642";
QUrl hofBaseUrl(const AppContext& ctx);

// Whether bonus questions are on, key game/bonusQuestions (off by default).
bool loadBonusQuestions(const AppContext& ctx);
// Stores the setup screen's tick; a file that cannot be written is a problem
// (the tick holds for this run only).
Problem saveBonusQuestions(AppContext& ctx, bool on);
// Whether the presidents after 1993 (the records of the add-on "brevplus.dat")
// take part in games, key game/laterPresidents (on by default), and the setup
// screen's tick for it.
bool loadLaterPresidents(const AppContext& ctx);
Problem saveLaterPresidents(AppContext& ctx, bool on);
// Turns bonus questions on or off for this run; turning them on enables every
// bonus category again.
void setBonusQuestions(AppContext& ctx, bool on);

} // namespace brev
