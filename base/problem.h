#pragma once
// The one way the program's readers and writers report: nothing when all went
// well, otherwise the message for the player, naming the file and what is
// wrong. They never show it themselves: the code that talks to the player (a
// window, the game through its windows, the command line) does.
#include <QString>
#include <optional>

namespace brev {

using Problem = std::optional<QString>;

} // namespace brev
