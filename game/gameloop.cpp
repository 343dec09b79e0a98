// The game loop: a game of nquestions questions, the category draw and the
// dispatch of each category to the screen that asks it.
#include "game/gameloop.h"

#include "game/questionkinds.h"
#include "game/questionlines.h"
#include "models/questionmodel.h"
#include "store/gamelog.h"
#include "rules/gamesession.h"
#include "rules/itemdraw.h"
#include "store/questionfile.h"
#include "store/settingsstore.h"
#include "store/sounds.h"

#include <QCoreApplication>
#include <QtGlobal>
#include <algorithm>
#include <cmath>

namespace brev {

namespace {

// An export ends when the screens have written nquestions questions;
// questions on screens without a form for the mode write nothing. When this
// many questions in a row add none, the selection cannot finish the export
// and the game stops instead of asking forever.
constexpr int kQuestionsWithoutProgress = 200;

} // namespace

QList<int> drawnCategories(const std::array<int, kCategories>& catenabled, bool bonusQuestions)
{
    QList<int> drawn;
    for (int k = 1; k <= kLastListedCategory; ++k)
        if (catenabled[size_t(k)] != 0)
            drawn << k;
    if (bonusQuestions)
        for (const int k : kBonusCategories)
            if (catenabled[size_t(k)] != 0)
                drawn << k;
    return drawn;
}

int adjustedScore(int score, int maxdif, int percent)
{
    // The product is a 16-bit value (computed wide, then held at the 16-bit
    // bounds, so no score can overflow it); the rest runs in double precision,
    // divide first, then multiply, and rounds half to even.
    const auto product = std::clamp<qint64>(qint64(score) * maxdif, -32768, 32767);
    const double adjusted = double(product) / 100.0 * double(percent);
    return static_cast<int>(std::nearbyint(adjusted));
}

Game::Game(SettingsStore& settings, GameSession& session, GameLog& log, QuestionFile& questionFile,
           ItemDraw& draw, Sounds* sounds, QuestionMaker makeModel)
    : settings_(settings), session_(session), log_(log), questionFile_(questionFile), draw_(draw),
      sounds_(sounds), makeModel_(makeModel ? std::move(makeModel) : QuestionMaker(makeQuestion))
{}

Problem Game::applyTurn(const Verdict& verdict, int number)
{
    const QuestionRecord& record = verdict.record;
    session_.addPoints(record.points, record.possible);
    Problem problem;
    for (const LogLine& line : judgedLines(verdict, session_.mode))
        if (Problem failed = log_.write(line.text, line.level))
            problem = failed;
    for (const Credit& credit : verdict.credits)
        session_.credit(credit.record, credit.change);
    if (sounds_ && verdict.sound >= 0)
        sounds_->play(verdict.sound);
    // A game that writes a question file is the teacher's: no review, no progress.
    if (session_.exporting())
        return problem;
    if (record_)
        record_(record);
    review_ << ReviewEntry{number, record};
    return problem;
}

// Draws a category: 0..18 (the stored ones) with 0 raised to 1, so category 1 has twice the
// weight of the others; with bonus questions each bonus category joins with
// the weight of one ordinary category. Without them the draw is the same
// number for number as it always was.
int Game::drawCategory()
{
    constexpr int kOrdinary = kStoredCategories;
    const int choices = kOrdinary + (settings_.bonusQuestions ? int(kBonusCategories.size()) : 0);
    const int d = qBound(0, static_cast<int>(draw_.uniform() * double(choices)), choices - 1);
    if (d >= kOrdinary)
        return kBonusCategories[size_t(d - kOrdinary)];
    return d == 0 ? 1 : d;
}

Problem Game::giveUp(int category)
{
    const bool known = isCategory(category);
    if (known)
        settings_.settings.catenabled[size_t(category)] = 0;
    if (known && !isListedCategory(category)) {
        session_.bonusLeftOut[size_t(category)] = true;
        return std::nullopt;
    }
    return tr("Current set doesn't provide enough items for %1. Use another question type or change "
              "difficulty level to include more.")
        .arg(categoryName(category, Wording::Shown));
}

Problem writeLoadLines(const QuestionModel& question, GameSession& session, GameLog& log,
                       QuestionFile& questionFile)
{
    Problem problem;
    const QuestionRecord record = question.unanswered();
    if (!session.exporting()) {
        for (const QString& line : playLines(record))
            if (Problem failed = log.write(line, kPlayLevel))
                problem = failed;
        return problem;
    }
    const QStringList lines =
        session.mode == RunMode::OnlineExport ? onlineLines(record) : tabbedLines(record);
    problem = questionFile.add(lines);
    if (session.mode == RunMode::TabbedExport && !lines.isEmpty())
        ++session.questionsWritten;
    return problem;
}

Answered Game::ask(GameUi& ui, int category, int number)
{
    Answered answered(Asked::NoScreen);
    Asked& asked = answered.asked;
    std::unique_ptr<QuestionModel> question =
        makeModel_(screenFor(category), draw_, category, settings_.settings.maxdif);
    if (question && !question->load()) {
        const auto told = giveUp(category);
        if (told)
            ui.givenUp(*told);
        asked = told ? Asked::Abandoned : Asked::LeftOut;
    } else if (question) {
        answered = present(ui, *question, {number, settings_.settings.nquestions});
    }
    // The question's header reaches the log only when the question was asked.
    if (asked != Asked::Yes)
        log_.drop();
    else if (const Problem problem = log_.flush())
        ui.tell(*problem);
    if (asked == Asked::NoScreen)
        ui.tell(tr("No question set for %1").arg(categoryName(category, Wording::Shown)));
    return answered;
}

Answered Game::present(GameUi& ui, QuestionModel& question, const QuestionPosition& at)
{
    // A file that cannot be written is told once the window has closed.
    QStringList unsaid;
    if (const Problem problem = writeLoadLines(question, session_, log_, questionFile_))
        unsaid << *problem;
    std::optional<Verdict> judged;
    Answered answered = ui.ask(question, at, [&](const Verdict& verdict) {
        if (judged)
            return; // a question is judged once
        judged = verdict;
        if (const Problem problem = applyTurn(verdict, at.number))
            unsaid << *problem;
    });
    for (const QString& text : std::as_const(unsaid))
        ui.tell(text);
    if (answered.asked != Asked::Yes)
        return answered;
    answered.verdict = judged;
    if (!judged && !session_.exporting())
        review_ << ReviewEntry{at.number, question.skipped()};
    return answered;
}

void Game::askQuestions(GameUi& ui)
{
    Settings& s = settings_.settings;
    int asked = 0;
    session_.questionsWritten = 0;
    int withoutProgress = 0;
    while (asked < s.nquestions) {
        const int k = drawCategory();

        if (s.catenabled[size_t(k)] != 0) {
            const bool exporting = session_.exporting();
            const QString header = QStringLiteral("---- Question ") + QString::number(asked + 1);
            if (const Problem problem = exporting ? Problem() : log_.hold(header, 2))
                ui.tell(*problem);
            const Answered answered = ask(ui, k, asked + 1);
            const Asked outcome = answered.asked;
            const int before = asked;
            if (session_.mode == RunMode::TabbedExport) {
                asked = session_.questionsWritten;
            } else if (outcome == Asked::LeftOut) {
                // A bonus category that cannot be filled: the game draws another.
            } else if (!exporting) {
                ++asked;
            } else if (outcome != Asked::Abandoned && writtenIn(k, RunMode::OnlineExport)) {
                // An online question file holds only questions that were written:
                // not those given up, nor Name Me, which has no online form.
                ++asked;
            }
            if (answered.endGame) {
                endedEarly_ = asked < s.nquestions;
                return;
            }
            if (exporting) {
                if (asked > before)
                    withoutProgress = 0;
                else if (++withoutProgress >= kQuestionsWithoutProgress)
                    return;
            }
        } else if (drawnCategories(s.catenabled, settings_.bonusQuestions).isEmpty()) {
            //: %1 is always 0, shown in front of the sentence.
            ui.tell(tr("%1No questions possible with current selections.  "
                       "Change difficulty levels or question types")
                        .arg(0));
            if (!ui.showSetup())
                return;
        }
    }
}

void Game::play(GameUi& ui, GameKind kind)
{
    session_.startGame();
    review_.clear();
    endedEarly_ = false;
    askQuestions(ui);

    const int adjusted = adjustedScore(session_.score, settings_.settings.maxdif, session_.percent);
    QString final =
        tr("You scored %1 out of %2 (%3%)").arg(session_.score).arg(session_.possible).arg(session_.percent) +
        kLineBreak + tr("Score adjusted for difficulty: %1").arg(adjusted);
    if (kind == GameKind::Practice)
        final +=
            kLineBreak + kLineBreak + tr("This was a practice game: it does not enter the hall of fame.");
    ui.tell(final);
    if (!review_.isEmpty())
        ui.review(review_);
    if (kind == GameKind::Ordinary)
        ui.enterHof(adjusted, session_.percent);
}

QString markText(Mark mark)
{
    switch (mark) {
    case Mark::Right: return QCoreApplication::translate("Review", "right");
    case Mark::PartlyRight: return QCoreApplication::translate("Review", "partly right");
    case Mark::Wrong: return QCoreApplication::translate("Review", "wrong");
    case Mark::Skipped: return QCoreApplication::translate("Review", "skipped");
    }
    return {};
}

QString reviewSummary(const QList<ReviewEntry>& entries)
{
    std::array<int, 4> marks{};
    for (const ReviewEntry& e : entries)
        ++marks[size_t(e.record.mark())];
    return QCoreApplication::translate("Review", "Right: %1, partly right: %2, wrong: %3, skipped: %4")
        .arg(marks[size_t(Mark::Right)])
        .arg(marks[size_t(Mark::PartlyRight)])
        .arg(marks[size_t(Mark::Wrong)])
        .arg(marks[size_t(Mark::Skipped)]);
}

QString reviewText(const QList<ReviewEntry>& entries)
{
    QString out;
    for (const ReviewEntry& e : entries) {
        const QuestionRecord& r = e.record;
        out += QCoreApplication::translate("Review", "Question %1 (%2): %3")
                   .arg(e.number)
                   .arg(categoryName(r.category, Wording::Shown), markText(r.mark())) +
               QLatin1Char('\n') + r.question + QLatin1Char('\n');
        if (!r.skipped)
            out += QCoreApplication::translate("Review", "Your answer:") + QLatin1Char('\n') + r.given +
                   QLatin1Char('\n');
        out += QCoreApplication::translate("Review", "Right answer:") + QLatin1Char('\n') + r.right +
               QLatin1Char('\n');
        out += QCoreApplication::translate("Review", "Points: %1 of %2").arg(r.points).arg(r.possible) +
               QLatin1String("\n\n");
    }
    out.replace(kLineBreak, QStringLiteral("\n"));
    return out;
}

} // namespace brev
