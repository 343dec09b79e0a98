#include "hof/hofd/hofrequest.h"

#include <QByteArrayList>
#include <QStringDecoder>

namespace hofd
{

QString decodeValue(const QByteArray& encoded)
{
    const QByteArray bytes = QByteArray::fromPercentEncoding(encoded);
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (utf8.hasError())
        return QString::fromLatin1(bytes);
    return text;
}

namespace
{

// Cuts at maxLength UTF-16 units without splitting a surrogate pair.
QString capped(QString text, int maxLength)
{
    if (text.size() > maxLength) {
        int end = maxLength;
        if (text.at(end - 1).isHighSurrogate())
            --end;
        text.truncate(end);
    }
    return text;
}

} // namespace

QString cleanText(const QString& text, int maxLength)
{
    QString kept;
    kept.reserve(text.size());
    for (const QChar c : text) {
        if (c.unicode() >= 0x20 && c.unicode() != 0x7f && !(c.unicode() >= 0x80 && c.unicode() < 0xa0))
            kept.append(c);
    }
    return capped(kept.trimmed(), maxLength);
}

HofRequest parseHofQuery(const QByteArray& rawQuery)
{
    // First occurrence of each key wins; a value runs to the next '&', so an
    // unencoded "=" inside b's value stays part of it.
    QByteArray game, score, name, email;
    bool haveGame = false, haveScore = false, haveName = false, haveEmail = false;
    for (const QByteArray& pair : rawQuery.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        const QByteArray key = eq < 0 ? pair : pair.left(eq);
        const QByteArray value = eq < 0 ? QByteArray() : pair.mid(eq + 1);
        auto take = [&](const char* name_, QByteArray& into, bool& have) {
            if (key == name_ && !have) {
                into = value;
                have = true;
            }
        };
        take("game", game, haveGame);
        take("a", score, haveScore);
        take("b", name, haveName);
        take("c", email, haveEmail);
    }

    HofRequest r;
    r.entry.game = cleanText(decodeValue(game), kMaxGame);
    r.submit = haveScore || haveName || haveEmail;
    if (r.entry.game.isEmpty()) {
        r.error = QStringLiteral("The game code is missing.");
        return r;
    }
    if (!r.submit)
        return r;

    const QString scoreText = cleanText(decodeValue(score), 16);
    bool digitsOnly = !scoreText.isEmpty() && scoreText.size() <= 5;
    for (const QChar c : scoreText)
        digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
    const int value = digitsOnly ? scoreText.toInt() : -1;
    if (value < 0 || value > kMaxScore) {
        r.error = QStringLiteral("The score must be a whole number from 0 to 32767.");
        return r;
    }
    r.entry.score = value;

    // b is the name, " dif=" and the difficulty; the last " dif=" counts, so a
    // name may itself contain that text.
    const QString nameAndDif = decodeValue(name);
    const qsizetype at = nameAndDif.lastIndexOf(QLatin1String(" dif="));
    const QString dif = at < 0 ? QString() : nameAndDif.mid(at + 5).trimmed();
    if (dif.size() != 1 || dif.at(0) < u'1' || dif.at(0) > u'3') {
        r.error = QStringLiteral("The difficulty must be 1, 2 or 3.");
        return r;
    }
    r.entry.difficulty = dif.at(0).unicode() - u'0';
    r.entry.name = cleanText(nameAndDif.left(at), kMaxName);
    r.entry.email = cleanText(decodeValue(email), kMaxEmail);
    return r;
}

} // namespace hofd
