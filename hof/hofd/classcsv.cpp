#include "hof/hofd/classcsv.h"

#include "hof/hofd/classfacts.h"
#include "hof/hofd/classreport.h"

namespace hofd {

namespace {

QByteArray textField(const QString& text)
{
    QString value = text;
    if (!value.isEmpty() && QStringLiteral("=+-@").contains(value.front()))
        value.prepend(u'\'');
    QByteArray bytes = value.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

QByteArray yesNo(bool value)
{
    return value ? "yes" : "no";
}

} // namespace

QByteArray gamesCsv(const QList<GameRow>& games)
{
    QByteArray out = "player,ended,score,possible,practice\r\n";
    for (const GameRow& g : games) {
        out += textField(g.player) + ',' + utcText(g.ended).toLatin1() + ',' + QByteArray::number(g.score) +
               ',' + QByteArray::number(g.possible) + ',' + yesNo(g.practice) + "\r\n";
    }
    return out;
}

QByteArray answersCsv(const QList<AnswerRow>& answers)
{
    QByteArray out =
        "player,game ended,question,kind,category,category name,president number,president,right\r\n";
    out.reserve(answers.size() * 90);
    for (const AnswerRow& a : answers) {
        out += textField(a.player) + ',' + utcText(a.ended).toLatin1() + ',' +
               QByteArray::number(a.question) + ',' + categoryKind(a.category).toLatin1() + ',' +
               QByteArray::number(a.category) + ',' + textField(categoryName(a.category, Language::English)) +
               ',' + QByteArray::number(a.president) + ',' + textField(presidentName(a.president)) + ',' +
               yesNo(a.right) + "\r\n";
    }
    return out;
}

} // namespace hofd
