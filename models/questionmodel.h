#pragma once
// The display-free half of a question screen: it draws the question, holds
// the screen's state, writes the log and export lines and judges answers
// into a Verdict. Its window only shows what it holds and forwards input;
// the command-line export loads models with no window at all.
#include <QString>
#include <QStringList>
#include <optional>

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

// The category ran out of records: switches it off and forgets the question's
// held header. For a category of the setup list it returns the message the
// player must see (the game then offers setup); a bonus category is left out
// of the draw for the rest of the run without a word (no message), and the
// game draws another.
std::optional<QString> giveUpQuestion(AppContext& ctx);

} // namespace brev
