#pragma once
// Plain types every floor shares: the settings, the window places, the run
// mode, and the names of the program's files.
#include "base/categories.h"

#include <QString>
#include <array>

namespace brev {

// Remembered state and outer size (twips) of one question window.
struct WindowPlace {
    int state = 0;        // 0 normal, 1 minimised, 2 maximised
    qint32 backcolor = 0; // kept, never applied
    int height = 0;
    int width = 0;
};

inline constexpr int kWindowSlots = 11; // slots 0..10; 0..9 are stored

// The window slots of the stored window places; which kind of question keeps
// its size in which is in base/kindfacts.h (slot 0 is shared by the
// multiple-choice and quotation screens; the score screen's slot 3 is never
// stored).
enum WindowSlot {
    SlotMultipleChoice = 0,
    SlotSort = 1,
    SlotMatch = 2,
    SlotScore = 3,
    SlotOddOut = 7,
    SlotPortraits = 8
};

// What a question is asked for: a game, or one of the two question-file
// exports, which write each question as it loads and take no answers.
enum class RunMode { Play, OnlineExport, TabbedExport };

// What a size-memory call does with a window's slot.
enum class SizeMode { Save = 0, Restore = 1 };

struct Settings {
    int mindif = 1;
    bool mindifIsText = false; // the setup screen stores its box's text, written without spaces
    int maxdif = 1;
    int nquestions = 5;
    int loglevel = 0;
    int reserved1 = 0;
    int soundon = 0;
    QString playername;
    QString playeremail;
    QString bgpicture;
    std::array<WindowPlace, kWindowSlots> windowplaces{};
    std::array<int, kCategories> catenabled{};
};

// The line break of every message, result text and file line.
inline const QString kLineBreak = QStringLiteral("\r\n");

// Settings file "brev.INI" in the program directory.
inline constexpr char kSettingsFile[] = "brev.INI";
inline constexpr char kSoundListFile[] = "brevsnd.dat";
inline constexpr char kHofFile[] = "brev.hof";
inline constexpr char kHelpFile[] = "brevhelp.txt"; // in English; brevhelp_es.txt and so on beside it
inline constexpr char kVersion[] = "2.11";
inline constexpr char kTitle[] = "Brevallo Game";

} // namespace brev
