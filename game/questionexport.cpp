#include "game/questionexport.h"

#include "base/seams.h"
#include "game/questionkinds.h"
#include "store/gamelog.h"
#include "rules/gamesession.h"
#include "rules/itemdraw.h"
#include "store/questionfile.h"
#include "store/records.h"
#include "store/settingsstore.h"

#include <QCoreApplication>
#include <QLocale>

namespace brev {

namespace {
constexpr int kExportLogLevel = 2;

// The messages of the export, in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brev::QuestionExport)
};
} // namespace

int exportQuestionLimit(ExportMode mode)
{
    return mode == ExportMode::Online ? 12 : 50;
}

QString exportStartMessage(ExportMode mode)
{
    return mode == ExportMode::Online ? Texts::tr("Will create 12 question file for online games")
                                      : Texts::tr("Will create 50 questions in tabbed format");
}

QString exportDateLine(const QDate& date)
{
    return QLocale::system().toString(date, QLocale::ShortFormat);
}

Problem startExport(ExportMode mode, SettingsStore& settings, GameSession& session, QuestionFile& file,
                    const QDate& today)
{
    session.mode = mode == ExportMode::Online ? RunMode::OnlineExport : RunMode::TabbedExport;
    settings.settings.loglevel = kExportLogLevel;
    return file.start(exportDateLine(today));
}

Problem tabbedRefusal(const std::array<int, kCategories>& catenabled, bool bonusQuestions)
{
    for (const int k : drawnCategories(catenabled, bonusQuestions)) {
        if (writtenIn(k, RunMode::TabbedExport))
            return std::nullopt;
    }
    return Texts::tr("Tabbed questions come from multiple-choice and matching questions only: "
                     "sorting and portrait questions have no tabbed form.") +
           kLineBreak +
           Texts::tr("Select at least one of the first ten question types in the list, "
                     "then make the tabbed questions again.");
}

Result<QByteArray> exportQuestions(ExportMode mode, int questions, const Records& records,
                                   SettingsStore& settings, GameSession& session, RandomSource& random,
                                   const QDate& today, const std::function<void(const QString&)>& tell)
{
    if (drawnCategories(settings.settings.catenabled, settings.bonusQuestions).isEmpty())
        return failure(Texts::tr("No question category is enabled in %1: choose some on the setup screen "
                                 "first.")
                           .arg(QString::fromLatin1(kSettingsFile)));
    if (mode == ExportMode::Tabbed && tabbedRefusal(settings.settings.catenabled, settings.bonusQuestions))
        return failure(Texts::tr("No question category enabled in %1 writes tabbed questions "
                                 "(sorting and portrait questions have no tabbed form): enable "
                                 "one of categories 1 to 10 on the setup screen first.")
                           .arg(QString::fromLatin1(kSettingsFile)));
    QByteArray written;
    QuestionFile file(&written); // in memory: nothing to fail
    (void)startExport(mode, settings, session, file, today);
    settings.settings.nquestions = questions;
    session.startGame();
    GameLog nowhere(QString(), settings.settings.loglevel); // the program's log stays as it is
    ItemDraw draw(records, session.itemUse, random);
    ExportGameUi ui(tell);
    Game(settings, session, nowhere, file, draw).askQuestions(ui);

    const bool shortOfLines = mode == ExportMode::Tabbed && session.questionsWritten < questions;
    if (ui.ranOut() || shortOfLines)
        return failure(Texts::tr("The enabled categories ran out of records before %n "
                                 "questions were written; enable more categories and try again.",
                                 nullptr, questions));
    return written;
}

} // namespace brev
