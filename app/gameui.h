#pragma once
// The game loop's windows: the question screens with their score screen, the
// setup screen and the hall of fame entry; and the setup screen as the main
// window opens it.
#include "game/gameloop.h"

class QWidget;

namespace brev {

class Program;
struct SetupOpeners;

// What the setup screen opens: the data editor and the hall of fame window.
SetupOpeners setupOpeners(Program& program);
// Shows the setup screen modally, with the data editor and the hall of fame
// window it can open.
void showSetupScreen(Program& program, QWidget* parent);

class WindowGameUi : public GameUi {
public:
    explicit WindowGameUi(Program& program, QWidget* parent = nullptr) : program_(program), parent_(parent) {}
    Answered ask(QuestionModel& question, const QuestionPosition& at, const ApplyTurn& applyTurn) override;
    void givenUp(const QString& message) override;
    bool showSetup() override;
    void enterHof(int adjusted, int percent) override;
    void tell(const QString& text) override;
    void review(const QList<ReviewEntry>& entries) override;

private:
    Program& program_;
    QWidget* parent_;
};

} // namespace brev
