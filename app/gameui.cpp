#include "app/gameui.h"

#include "app/program.h"
#include "editor/dataeditorwindow.h"
#include "hof/halloffamewindow.h"
#include "models/verdict.h"
#include "screens/questionwindows.h"
#include "screens/reviewwindow.h"
#include "screens/scorewindow.h"
#include "setup/setupdialog.h"

#include <QCoreApplication>

namespace brev {

SetupOpeners setupOpeners(Program& program)
{
    Program& p = program;
    SetupOpeners openers;
    openers.editor = [&p](QWidget* over) {
        DataEditorWindow window(p.records, p.dir, p.messages, p.shell, over);
        window.exec();
    };
    openers.hallOfFame = [&p](QWidget* over) {
        HallOfFameWindow window(p.hof, p.messages, p.shell, p.settings.hofBaseUrl(), over);
        window.exec();
    };
    return openers;
}

void showSetupScreen(Program& program, QWidget* parent)
{
    Program& p = program;
    SetupDialog screen(p.settings, p.records, p.session, p.questionFile, p.messages, p.clock,
                       p.path(QString::fromLatin1(kHelpFile)), setupOpeners(p), parent);
    screen.exec();
}

// Where the game stands, for a question window's bottom line: "Question 3 of
// 10" and the running score, with its percentage once anything was possible.
static QString positionText(const QuestionPosition& at, const GameSession& session)
{
    const QString question =
        QCoreApplication::translate("GameWindows", "Question %1 of %2").arg(at.number).arg(at.count);
    const QString score = session.possible > 0
                              ? QCoreApplication::translate("GameWindows", "Score: %1 of %2 (%3%)")
                                    .arg(session.score)
                                    .arg(session.possible)
                                    .arg(session.percent)
                              : QCoreApplication::translate("GameWindows", "Score: %1 of %2")
                                    .arg(session.score)
                                    .arg(session.possible);
    return question + QStringLiteral("     ") + score;
}

Answered WindowGameUi::ask(QuestionModel& question, const QuestionPosition& at, const ApplyTurn& applyTurn)
{
    Program& p = program_;
    const std::unique_ptr<QuestionWindow> window = makeWindow(question, p.windowParts(), p.dir, parent_);
    if (!window)
        return Asked::NoScreen;
    window->showPosition(positionText(at, p.session));
    Answered answered;
    window->onJudged(
        [&p, &answered, &applyTurn, at, w = window.get()](const Verdict& verdict, bool scoreScreen) {
            if (!scoreScreen) {
                applyTurn(verdict);
                return;
            }
            // The score screen shows the running score after this turn.
            ScoreWindow score(p.session, w);
            score.setResults(verdict.heading, verdict.results);
            applyTurn(verdict);
            score.showRunningScore();
            score.showQuestionsLeft(at.count - at.number);
            score.exec();
            answered.endGame = score.endGameChosen();
        });
    window->exec();
    return answered;
}

void WindowGameUi::review(const QList<ReviewEntry>& entries)
{
    ReviewWindow window(entries, parent_);
    window.exec();
}

void WindowGameUi::givenUp(const QString& message)
{
    // One of the player's categories ran out of records; the player is told,
    // and the setup screen lets them choose others.
    program_.messages.ok(message);
    showSetup();
}

bool WindowGameUi::showSetup()
{
    showSetupScreen(program_, parent_);
    return true;
}

void WindowGameUi::tell(const QString& text)
{
    program_.messages.ok(text);
}

void WindowGameUi::enterHof(int adjusted, int percent)
{
    Program& p = program_;
    const QUrl baseUrl = p.settings.hofBaseUrl();
    HofDialogs windows(p.hof, p.settings.settings, p.sounds, p.messages, p.shell, baseUrl, parent_);
    // The game's entries carry its project code and leave the spare number 0.
    const NewEntry entry{
        adjusted, QStringLiteral("brev"),     percent,
        0,        p.settings.settings.maxdif, p.clock.today().toString(QStringLiteral("M/d/yyyy"))};
    brev::enterHof(p.hof, windows, entry, baseUrl);
}

} // namespace brev
