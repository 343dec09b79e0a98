#pragma once
// The window of each screen, built on the question's loaded model: the
// windows' side of the table of question kinds.
#include <memory>

class QString;
class QWidget;

namespace brev {

class QuestionModel;
class QuestionWindow;
struct WindowParts;

// The window for a loaded question; null for a screen without one. dir:
// where the pictures are.
std::unique_ptr<QuestionWindow> makeWindow(QuestionModel& question, const WindowParts& parts, const QString& dir,
                                           QWidget* parent);

} // namespace brev
