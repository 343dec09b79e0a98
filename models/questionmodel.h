#pragma once
// The display-free half of a question screen: it draws the question, holds
// the screen's state, writes the log and export lines and judges answers
// into a Verdict. Its window only shows what it holds and forwards input;
// the command-line export loads models with no window at all.
#include <QString>
#include <QStringList>

namespace brev {

struct AppContext;

class QuestionModel {
public:
    explicit QuestionModel(AppContext& ctx) : ctx_(ctx) {}
    virtual ~QuestionModel() = default;
    QuestionModel(const QuestionModel&) = delete;
    QuestionModel& operator=(const QuestionModel&) = delete;

    // Draws the records and builds every text of the question. False when the
    // records ran out for the category; nothing is written then.
    virtual bool load() = 0;

    // The screen's line in the play log, written when no export runs.
    virtual QString logHeader() const = 0;
    // What the active export mode writes for the loaded question: the online
    // block, or the one tab-separated line; empty when the mode has no form
    // on this screen.
    virtual QStringList exportLines() const = 0;
    // Writes the header or the export lines of the loaded question, and counts
    // a written tab-separated line.
    virtual void writeLoadLines();

    int category() const;
    QString categoryName() const;

protected:
    AppContext& ctx_;
};

// What became of a question whose category ran out of records.
enum class GivenUp {
    Told,     // one of the player's categories: the player was told; offer setup
    LeftOut,  // a bonus category: left out of the draw quietly for the rest of the run
};
// The category ran out of records: switches it off and forgets the question's
// held header. A category of the setup list is reported to the player; a
// bonus category is left out without a word, and the game draws another.
GivenUp giveUpQuestion(AppContext& ctx);

} // namespace brev
