#pragma once
// The windows' side of the table of question kinds (game/questionkinds): the
// window of each kind, registered once in the table's window column, and the
// window for a loaded question. Nothing here fails: a question whose kind has
// no window gets none.
#include <memory>

class QString;
class QWidget;

namespace brev {

class QuestionModel;
class QuestionWindow;
struct WindowParts;

// Fills the table's window column with the window of every kind; makeWindow
// calls it before the first window, and calling it again changes nothing.
void registerQuestionWindows();

// The window for a loaded question; null for a screen without one. dir:
// where the pictures are.
std::unique_ptr<QuestionWindow> makeWindow(QuestionModel& question, const WindowParts& parts,
                                           const QString& dir, QWidget* parent);

} // namespace brev
