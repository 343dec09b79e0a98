#include "game/classreport.h"

#include "base/kindfacts.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>

#include <algorithm>

namespace brev {

namespace {

constexpr int kMostPoints = 32767;

QString utcText(const QDateTime& when)
{
    return when.toUTC().toString(QStringLiteral("yyyy-MM-ddTHH:mm:ss")) + u'Z';
}

int points(int n)
{
    return std::clamp(n, 0, kMostPoints);
}

// One question, or an empty object when it asked about no president.
QJsonObject questionJson(const QuestionRecord& record)
{
    QJsonArray items;
    QSet<int> seen;
    for (const AskedItem& item : record.items) {
        if (item.record < 1 || item.record > kReportRecords || seen.contains(item.record) ||
            items.size() >= kReportItems)
            continue;
        seen.insert(item.record);
        items.append(QJsonObject{{QStringLiteral("president"), item.record},
                                 {QStringLiteral("right"), item.correct && !record.skipped}});
    }
    const QString kind = QString::fromLatin1(kindFacts(record.screen).reportName);
    if (items.isEmpty() || kind.isEmpty())
        return {};
    const int possible = points(record.possible);
    return QJsonObject{
        {QStringLiteral("kind"), kind},
        {QStringLiteral("category"), record.category},
        {QStringLiteral("points"), record.skipped ? 0 : std::min(points(record.points), possible)},
        {QStringLiteral("possible"), possible},
        {QStringLiteral("skipped"), record.skipped},
        {QStringLiteral("items"), items},
    };
}

} // namespace

QByteArray classReportJson(const ClassReport& report)
{
    QJsonArray questions;
    for (const QuestionRecord& record : report.questions) {
        if (questions.size() >= kReportQuestions)
            break;
        const QJsonObject question = questionJson(record);
        if (!question.isEmpty())
            questions.append(question);
    }
    const int possible = points(report.possible);
    const QDateTime ended = std::max(report.ended, report.started);
    const QJsonObject json{
        {QStringLiteral("format"), kClassReportFormat},
        {QStringLiteral("game"), report.game},
        {QStringLiteral("player"), report.player.trimmed().left(kReportNameLength).trimmed()},
        {QStringLiteral("started"), utcText(report.started)},
        {QStringLiteral("ended"), utcText(ended)},
        {QStringLiteral("score"), std::min(points(report.score), possible)},
        {QStringLiteral("possible"), possible},
        {QStringLiteral("practice"), report.practice},
        {QStringLiteral("questions"), questions},
    };
    return QJsonDocument(json).toJson(QJsonDocument::Compact);
}

} // namespace brev
