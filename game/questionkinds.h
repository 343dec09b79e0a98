#pragma once
// The one table of question kinds: one entry per kind of question (a screen)
// with what the kind is (its row of base/kindfacts.h: its report name and
// window slot), how to make its model, its help text, how it is written (the
// play log's lines, and the export forms it has), and how to make its window.
// The models are made here; the windows' floor fills the window column
// (screens/questionwindows) before it asks for its first window, since this
// floor cannot see the windows. Nothing here fails: a screen without an
// entry (Screen::None) gets no model, and an entry whose window is not
// registered gets no window.
#include "base/kindfacts.h"
#include "base/state.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <span>

class QWidget;

namespace brev {

class ItemDraw;
class QuestionModel;
struct QuestionRecord;
class QuestionWindow;
struct WindowParts;

// A model of the kind for `category`, not loaded yet. maxdif: the game's
// maximum difficulty (Name Me).
using ModelMaker = std::unique_ptr<QuestionModel> (*)(ItemDraw& draw, int category, int maxdif);
// The kind's window on a loaded model of the kind; null for a model of
// another kind. dir: where the pictures are.
using WindowMaker = std::unique_ptr<QuestionWindow> (*)(QuestionModel& question, const WindowParts& parts,
                                                        const QString& dir, QWidget* parent);

// What a loaded or judged question of the kind writes, from its record
// (game/questionlines).
using LineWriter = QStringList (*)(const QuestionRecord& record);
// The text of the kind's Help button.
using HelpText = QString (*)();

struct QuestionKind {
    const KindFacts& facts;
    ModelMaker makeModel;
    HelpText helpText;                // null: the kind's window has no Help button
    LineWriter playLines;             // the play log's lines as it loads; null: none
    LineWriter onlineLines;           // its block in an online question file; null: no online form
    LineWriter tabbedLines;           // its line in a tabbed export; null: no tabbed form
    WindowMaker makeWindow = nullptr; // registered by the windows' floor
};

// The entries, one for each row of kKindFacts, in its order.
std::span<const QuestionKind> questionKinds();
// The entry of a screen; nullptr for Screen::None.
const QuestionKind* questionKind(Screen screen);
// Registers the window of a screen's kind (the windows' floor does, once).
void setWindowMaker(Screen screen, WindowMaker make);

// The text of the Help button of the screen's window; empty for a kind
// without one.
QString kindHelp(Screen screen);
// Whether the export in `mode` writes questions of `category` (a game, never).
bool writtenIn(int category, RunMode mode);

// The model of a question of `category` on `screen`, not loaded yet; null
// for a screen without one. maxdif: the game's maximum difficulty (Name Me).
std::unique_ptr<QuestionModel> makeQuestion(Screen screen, ItemDraw& draw, int category, int maxdif);

} // namespace brev
