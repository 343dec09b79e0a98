#pragma once
// The one table of question kinds: one entry per kind of question (a screen)
// with what the kind is (its row of base/kindfacts.h: its report name, the
// export forms it writes, its window slot), how to make its model, and how to
// make its window. The models are made here; the windows' floor fills the
// window column (screens/questionwindows) before it asks for its first
// window, since this floor cannot see the windows. Nothing here fails: a
// screen without an entry (Screen::None) gets no model, and an entry whose
// window is not registered gets no window.
#include "base/kindfacts.h"
#include "base/state.h"

#include <memory>
#include <span>

class QString;
class QWidget;

namespace brev {

class ItemDraw;
class QuestionModel;
class QuestionWindow;
struct WindowParts;

// A model of the kind for `category`, not loaded yet. maxdif: the game's
// maximum difficulty (Name Me).
using ModelMaker = std::unique_ptr<QuestionModel> (*)(ItemDraw& draw, int category, int maxdif);
// The kind's window on a loaded model of the kind; null for a model of
// another kind. dir: where the pictures are.
using WindowMaker = std::unique_ptr<QuestionWindow> (*)(QuestionModel& question, const WindowParts& parts,
                                                         const QString& dir, QWidget* parent);

struct QuestionKind {
    const KindFacts& facts;
    ModelMaker makeModel;
    WindowMaker makeWindow = nullptr;   // registered by the windows' floor
};

// The entries, one for each row of kKindFacts, in its order.
std::span<const QuestionKind> questionKinds();
// The entry of a screen; nullptr for Screen::None.
const QuestionKind* questionKind(Screen screen);
// Registers the window of a screen's kind (the windows' floor does, once).
void setWindowMaker(Screen screen, WindowMaker make);

// The model of a question of `category` on `screen`, not loaded yet; null
// for a screen without one. maxdif: the game's maximum difficulty (Name Me).
std::unique_ptr<QuestionModel> makeQuestion(Screen screen, ItemDraw& draw, int category, int maxdif);

} // namespace brev
