#pragma once
// The score screen: the result of one question and the running score of the
// game in progress, shown over the question window until "ok".
#include <QDialog>

class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;

namespace brev {

struct GameSession;

class ScoreWindow : public QDialog {
    Q_OBJECT
public:
    // session: the running figures it shows (read when shown).
    explicit ScoreWindow(const GameSession& session, QWidget* parent = nullptr);

    // The heading ("Results for ...") and the result text. A last line that
    // starts with "***" ("*** Scored 4 of 10") is the points line: it stands
    // under the results box, always in sight, and the box holds the lines
    // above it, shown from the first.
    void setResults(const QString& heading, const QString& results);
    // The result text as the screen shows it: the box's lines, then the points line.
    QString resultsText() const;
    // The score line: "Current score: " score " of " possible "  (" percent
    // "%)", drawn smaller when a translation makes it longer than its place.
    void showRunningScore();
    // In a game: a row under the ok row saying how many questions are left,
    // with "End game" while any are; the window grows to hold it.
    void showQuestionsLeft(int left);
    // The player chose "End game".
    bool endGameChosen() const { return endGame_; }

    QFrame* frame;              // Frame1
    QLabel* headingLabel;       // Label1
    QPlainTextEdit* resultsBox; // Text1
    QPushButton* okButton;      // Command1, "ok"
    QLabel* scoreLabel;         // Label2
    QLabel* pointsLabel;        // the result's points line, under the box; hidden without one
    QLabel* questionsLeftLabel = nullptr;
    QPushButton* endGameButton = nullptr;

protected:
    void resizeEvent(QResizeEvent* event) override;
    // Speaks the judgement and the running score as the window opens.
    void showEvent(QShowEvent* event) override;

private:
    void layoutControls();

    const GameSession& session_;
    bool laidOut_ = false;
    bool endGame_ = false;
    int leftRow_ = 0; // twips the questions-left row takes
};

} // namespace brev
