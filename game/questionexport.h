#pragma once
// The two question-file exports: switching a mode on (the setup screen's
// export buttons), and running a whole export without any window (the
// command line). Either way the file is the log: its first line is the date,
// then each question screen writes its block or line while it loads.
#include "base/state.h"
#include "game/gameloop.h"

#include <QByteArray>
#include <QDate>
#include <QString>
#include <array>
#include <optional>

namespace brev {

enum class ExportMode { Online, Tabbed };

// The question count a mode asks for: 12 online, 50 tabbed.
int exportQuestionLimit(ExportMode mode);
// The message shown once a mode is switched on.
QString exportStartMessage(ExportMode mode);
// The file's first line: the date in the system's short form.
QString exportDateLine(const QDate& date);

// Switches the mode on and the other off, lets export lines into the log
// (level 2), empties the log and writes the date line.
void startExport(AppContext& ctx, ExportMode mode);

// Why a tabbed export cannot be made with these categories enabled (the
// setup list's, and the bonus ones when bonus questions are on), or nothing
// when at least one of them writes tab-separated lines.
std::optional<QString> tabbedRefusal(const std::array<int, kCategories>& catenabled, bool bonusQuestions);

// The game loop's screens without windows: each question's model loads and
// writes its lines, and no answer is given, so only the draws change the
// usage counters. A category that runs out of records is switched off as in
// a game; when none is left the export stops.
class ExportGameUi : public GameUi {
public:
    explicit ExportGameUi(AppContext& ctx) : ctx_(ctx) {}
    Asked openScreen(Screen screen) override;
    void showSetup() override;
    void enterHof(int, const QString&, int, int) override {}
    // Through the message seam (standard error on the command line).
    void tell(const QString& text) override;
    bool ranOut() const { return ranOut_; }

private:
    AppContext& ctx_;
    bool ranOut_ = false;
};

struct ExportResult {
    QByteArray file;   // the whole export, CR LF lines, 8-bit text
    QString error;     // empty on success
};

// Runs an export of `questions` questions with the records, categories and
// random source of ctx, writing nothing to disk. The file is what the log of
// a game in that mode holds when every question is skipped.
ExportResult exportQuestions(AppContext& ctx, ExportMode mode, int questions);

} // namespace brev
