#pragma once
// The two question-file exports: switching a mode on (the setup screen's
// export buttons), and running a whole export without any window (the
// command line). The file's first line is the date, then each question's
// model gives its block or line as it loads; in a game the file is the log.
#include "base/problem.h"
#include "base/state.h"
#include "game/gameloop.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>

namespace brev {

enum class ExportMode { Online, Tabbed };

// The question count a mode asks for: 12 online, 50 tabbed.
int exportQuestionLimit(ExportMode mode);
// The message shown once a mode is switched on.
QString exportStartMessage(ExportMode mode);
// The file's first line: the date in the system's short form.
QString exportDateLine(const QDate& date);

class QuestionFile;
class RandomSource;
class Records;
class SettingsStore;
struct GameSession;

// Switches the mode on and the other off, sets the log level to 2, empties
// the question file and writes its date line. Returns the problem of a file
// that cannot be written; the mode is on all the same.
Problem startExport(ExportMode mode, SettingsStore& settings, GameSession& session, QuestionFile& file,
                    const QDate& today);

// Why a tabbed export cannot be made with these categories enabled (the
// setup list's, and the bonus ones when bonus questions are on), or nothing
// when at least one of them writes tab-separated lines.
Problem tabbedRefusal(const std::array<int, kCategories>& catenabled, bool bonusQuestions);

// The game loop's windows for an export that has none: each question is
// loaded (and its lines written) by the game loop and counts as asked,
// unjudged, as a skipped question does, so no turn is applied. A
// category that runs out of records is switched off as in a game; when none
// is left the export stops. What the game would tell the player goes to
// `tell`, in order (nowhere without one).
class ExportGameUi : public GameUi {
public:
    explicit ExportGameUi(std::function<void(const QString&)> tell = {}) : tell_(std::move(tell)) {}
    Answered ask(QuestionModel&, const QuestionPosition&, const ApplyTurn&) override { return Asked::Yes; }
    void givenUp(const QString& message) override { tell(message); }
    // Every category ran out of records: a game would offer the setup screen;
    // an export has no one to ask, so it ends the loop here.
    bool showSetup() override
    {
        ranOut_ = true;
        return false;
    }
    void enterHof(int, int) override {}
    void tell(const QString& text) override
    {
        if (tell_)
            tell_(text);
    }
    bool ranOut() const { return ranOut_; }

private:
    bool ranOut_ = false;
    std::function<void(const QString&)> tell_;
};

// Runs an export of `questions` questions with the records, the settings'
// categories and the random source given, writing nothing to disk. The file
// is what the log of a game in that mode holds when every question is
// skipped. settings: read for the categories (one that runs out is switched
// off), its log level set to 2; session: the usage counters move as in a game;
// tell: what the game tells on the way (a category that ran out), in order.
// Returns the whole export (CR LF lines, 8-bit text), or why there is none.
Result<QByteArray> exportQuestions(ExportMode mode, int questions, const Records& records,
                                   SettingsStore& settings, GameSession& session, RandomSource& random,
                                   const QDate& today, const std::function<void(const QString&)>& tell);

} // namespace brev
