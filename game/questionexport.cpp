#include "game/questionexport.h"

#include "store/gamelog.h"
#include "models/portraitmatchmodel.h"
#include "models/multiplechoicemodel.h"
#include "models/namememodel.h"
#include "models/oddoneoutmodel.h"
#include "models/matchmodel.h"
#include "models/sortmodel.h"
#include "models/quotationmodel.h"
#include "store/context.h"

#include <QList>
#include <QLocale>

namespace brev {

namespace {

constexpr int kExportLogLevel = 2;
constexpr int kDateLevel = 4;

// A question whose category ran out of records, given up as its window does.
Asked givenUp(AppContext& ctx)
{
    const auto told = giveUpQuestion(ctx);
    ctx.messages->show(told);
    return told ? Asked::Abandoned : Asked::LeftOut;
}

// Loads one question the way its window does and writes its lines.
template <class Model> Asked loadAndWrite(AppContext& ctx)
{
    Model model(ctx);
    if (!model.load())
        return givenUp(ctx);
    model.writeLoadLines();
    return Asked::Yes;
}

} // namespace

int exportQuestionLimit(ExportMode mode)
{
    return mode == ExportMode::Online ? 12 : 50;
}

QString exportStartMessage(ExportMode mode)
{
    return mode == ExportMode::Online ? QStringLiteral("Will create 12 question file for online games")
                                      : QStringLiteral("Will create 50 questions in tabbed format");
}

QString exportDateLine(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

void startExport(AppContext& ctx, ExportMode mode)
{
    ctx.game.onlineQuestionMode = mode == ExportMode::Online ? -1 : 0;
    ctx.game.tabbedQuestionMode = mode == ExportMode::Tabbed ? -1 : 0;
    ctx.settings.loglevel = kExportLogLevel;
    newlog(ctx);
    writelog(ctx, exportDateLine(ctx.clock->today()), kDateLevel);
}

std::optional<QString> tabbedRefusal(const std::array<int, kCategories>& catenabled, bool bonusQuestions)
{
    for (const int k : drawnCategories(catenabled, bonusQuestions)) {
        if (hasTabbedForm(k))
            return std::nullopt;
    }
    return QStringLiteral("Tabbed questions come from multiple-choice and matching questions only: "
                          "sorting and portrait questions have no tabbed form.\r\n"
                          "Select at least one of the first ten question types in the list, "
                          "then make the tabbed questions again.");
}

void ExportGameUi::tell(const QString& text)
{
    ctx_.messages->ok(text);
}

Asked ExportGameUi::openScreen(Screen screen)
{
    switch (screen) {
    case Screen::MultipleChoice:
        return loadAndWrite<MultipleChoiceModel>(ctx_);
    case Screen::Quotation:
        return loadAndWrite<QuotationModel>(ctx_);
    case Screen::OddOneOut:
        return loadAndWrite<OddOneOutModel>(ctx_);
    case Screen::Sorting:
        return loadAndWrite<SortModel>(ctx_);
    case Screen::Matching:
        return loadAndWrite<MatchModel>(ctx_);
    case Screen::Portraits:
        return loadAndWrite<PortraitMatchModel>(ctx_);
    case Screen::NameMe: {
        // Name Me writes nothing; without a record it leaves the draw as its window does.
        NameMeModel model(ctx_);
        if (!model.load())
            return givenUp(ctx_);
        return Asked::Yes;
    }
    default:
        return Asked::NoScreen;
    }
}

// Every category ran out of records: a game would offer the setup screen;
// an export has no one to ask, so it ends the loop here.
void ExportGameUi::showSetup()
{
    ranOut_ = true;
    ctx_.settings.nquestions = 0;
}

ExportResult exportQuestions(AppContext& ctx, ExportMode mode, int questions)
{
    ExportResult result;
    if (drawnCategories(ctx.settings.catenabled, ctx.bonusQuestions).isEmpty()) {
        result.error = QStringLiteral("No question category is enabled in %1: choose some on the "
                                      "setup screen first.")
                           .arg(QString::fromLatin1(kSettingsFile));
        return result;
    }
    if (mode == ExportMode::Tabbed && tabbedRefusal(ctx.settings.catenabled, ctx.bonusQuestions)) {
        result.error = QStringLiteral("No question category enabled in %1 writes tabbed questions "
                                      "(sorting and portrait questions have no tabbed form): enable "
                                      "one of categories 1 to 10 on the setup screen first.")
                           .arg(QString::fromLatin1(kSettingsFile));
        return result;
    }
    QByteArray* const previousSink = ctx.logSink;
    ctx.logSink = &result.file;
    startExport(ctx, mode);
    ctx.settings.nquestions = questions;
    ctx.game.score = 0;
    ctx.game.possible = 0;
    ExportGameUi ui(ctx);
    nextquestion(ctx, ui);
    ctx.logSink = previousSink;

    const bool shortOfLines = mode == ExportMode::Tabbed && ctx.game.questionsWritten < questions;
    if (ui.ranOut() || shortOfLines) {
        result.error = QStringLiteral("The enabled categories ran out of records before %1 "
                                      "questions were written; enable more categories and try again.")
                           .arg(questions);
        result.file.clear();
    }
    return result;
}

} // namespace brev
