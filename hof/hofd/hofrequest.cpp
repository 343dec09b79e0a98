#include "hof/hofd/hofrequest.h"

#include <QByteArrayList>
#include <QStringDecoder>
#include <QTextBoundaryFinder>
#include <algorithm>

namespace hofd {

namespace {

int hexDigit(char d)
{
    if (d >= '0' && d <= '9')
        return d - '0';
    if (d >= 'a' && d <= 'f')
        return d - 'a' + 10;
    if (d >= 'A' && d <= 'F')
        return d - 'A' + 10;
    return -1;
}

} // namespace

std::optional<QString> decodeValue(const QByteArray& encoded)
{
    QByteArray bytes;
    bytes.reserve(encoded.size());
    for (qsizetype i = 0; i < encoded.size(); ++i) {
        const char c = encoded.at(i);
        if (c == '+') {
            bytes.append(' ');
        } else if (c != '%') {
            bytes.append(c);
        } else {
            const int high = i + 2 < encoded.size() ? hexDigit(encoded.at(i + 1)) : -1;
            const int low = high < 0 ? -1 : hexDigit(encoded.at(i + 2));
            if (low < 0)
                return std::nullopt;
            bytes.append(char(high * 16 + low));
            i += 2;
        }
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    return QString(utf8(bytes));
}

QStringList formValues(const QByteArray& encoded, const char* field)
{
    QStringList values;
    for (const QByteArray& pair : encoded.split('&')) {
        const qsizetype eq = pair.indexOf('=');
        if (eq < 0 || pair.left(eq) != field)
            continue;
        if (const std::optional<QString> value = decodeValue(pair.mid(eq + 1)))
            values.append(*value);
    }
    return values;
}

bool hasVisible(const QString& text)
{
    for (const char32_t c : text.toUcs4()) {
        const auto category = QChar::category(c);
        // Fillers that are letters or symbols by their category and show nothing.
        const bool blank = c == 0x115f || c == 0x1160 || c == 0x3164 || c == 0xffa0 || c == 0x2800;
        if (!QChar::isSpace(c) && category != QChar::Other_Format && category != QChar::Mark_NonSpacing &&
            category != QChar::Mark_Enclosing && category != QChar::Other_NotAssigned && !blank)
            return true;
    }
    return false;
}

bool hasControl(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u < 0x20 || (u >= 0x7f && u < 0xa0))
            return true;
    }
    return false;
}

QString capped(const QString& text, int maxCharacters, int maxCodePoints)
{
    const QString trimmed = text.trimmed();
    // Below U+0300 every code point is a character of its own, and no mark.
    if (trimmed.size() <= qMin(maxCharacters, maxCodePoints) &&
        std::all_of(trimmed.cbegin(), trimmed.cend(), [](QChar c) { return c.unicode() < 0x300; }))
        return trimmed;
    QString kept;
    int characters = 0, codePoints = 0;
    QTextBoundaryFinder clusters(QTextBoundaryFinder::Grapheme, trimmed);
    for (qsizetype start = 0, end = clusters.toNextBoundary(); end > start && characters < maxCharacters;
         start = end, end = clusters.toNextBoundary()) {
        QString cluster;
        int marks = 0;
        for (const char32_t c : QStringView(trimmed).mid(start, end - start).toUcs4()) {
            const auto category = QChar::category(c);
            const bool mark = category == QChar::Mark_NonSpacing ||
                              category == QChar::Mark_SpacingCombining || category == QChar::Mark_Enclosing;
            if (!mark || ++marks <= kMaxMarks)
                cluster += QStringView(QChar::fromUcs4(c));
        }
        const int size = int(cluster.toUcs4().size());
        if (codePoints + size > maxCodePoints)
            break;
        kept += cluster;
        codePoints += size;
        ++characters;
    }
    return kept.trimmed();
}

namespace {

// The value of one field decoded, or why it cannot be read.
brev::Result<QString> fieldText(const QByteArray& raw, const QString& field)
{
    const std::optional<QString> text = decodeValue(raw);
    if (!text)
        return brev::failure(
            QStringLiteral("The %1 holds a '%' that is not followed by two hexadecimal digits.").arg(field));
    if (hasControl(*text))
        return brev::failure(QStringLiteral("The %1 holds a control character.").arg(field));
    return *text;
}

// The raw values of a query's fields.
struct QueryFields {
    QByteArray game, score, name, email;
    bool submit = false; // a score, name or e-mail is there
};

QueryFields splitQuery(const QByteArray& rawQuery)
{
    // First occurrence of each key wins; a value runs to the next '&', so an
    // unencoded "=" inside b's value stays part of it. Other keys are ignored.
    QueryFields f;
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
        take("game", f.game, haveGame);
        take("a", f.score, haveScore);
        take("b", f.name, haveName);
        take("c", f.email, haveEmail);
    }
    f.submit = haveScore || haveName || haveEmail;
    return f;
}

brev::Result<QString> gameOf(const QueryFields& f)
{
    const brev::Result<QString> game = fieldText(f.game, QStringLiteral("game code"));
    if (!game)
        return game;
    return capped(*game, kMaxGame, kMaxGame);
}

} // namespace

QString describeHofQuery(const QByteArray& rawQuery)
{
    const QueryFields f = splitQuery(rawQuery);
    return (f.submit ? QStringLiteral("submit game=") : QStringLiteral("list game=")) +
           gameOf(f).value_or(QString());
}

brev::Result<HofRequest> parseHofQuery(const QByteArray& rawQuery)
{
    const QueryFields f = splitQuery(rawQuery);
    const brev::Result<QString> game = gameOf(f);
    if (!game)
        return brev::failure(*game.problem());
    HofRequest r;
    r.submit = f.submit;
    r.entry.game = *game;
    if (r.entry.game.isEmpty())
        return brev::failure(QStringLiteral("The game code is missing."));
    if (!r.submit)
        return r;

    const brev::Result<QString> scoreField = fieldText(f.score, QStringLiteral("score"));
    const brev::Result<QString> nameField = fieldText(f.name, QStringLiteral("name"));
    const brev::Result<QString> emailField = fieldText(f.email, QStringLiteral("e-mail address"));
    // Of the fields that cannot be read, the last is named.
    for (const brev::Result<QString>* field : {&emailField, &nameField, &scoreField}) {
        if (!*field)
            return brev::failure(*field->problem());
    }
    const QString scoreText = scoreField->trimmed();
    const QString& nameAndDif = *nameField;
    const QString& emailText = *emailField;

    bool digitsOnly = !scoreText.isEmpty() && scoreText.size() <= 5;
    for (const QChar c : scoreText)
        digitsOnly = digitsOnly && c >= u'0' && c <= u'9';
    const int value = digitsOnly ? scoreText.toInt() : -1;
    if (value < 0 || value > kMaxScore)
        return brev::failure(QStringLiteral("The score must be a whole number from 0 to 32767."));
    r.entry.score = value;

    // b is the name, " dif=" and the difficulty; the last " dif=" counts, so a
    // name may itself contain that text.
    const qsizetype at = nameAndDif.lastIndexOf(QLatin1String(" dif="));
    const QString dif = at < 0 ? QString() : nameAndDif.mid(at + 5).trimmed();
    if (dif.size() != 1 || dif.at(0) < u'1' || dif.at(0) > u'3')
        return brev::failure(QStringLiteral("The difficulty must be 1, 2 or 3."));
    r.entry.difficulty = dif.at(0).unicode() - u'0';
    // Composed, an accented letter is one code point wherever the player typed it.
    r.entry.name =
        capped(nameAndDif.left(at).normalized(QString::NormalizationForm_C), kMaxName, kMaxNameCodePoints);
    if (!hasVisible(r.entry.name))
        return brev::failure(QStringLiteral("The name is missing: it needs at least one visible character."));
    r.entry.email = capped(emailText, kMaxEmail, kMaxEmail);
    return r;
}

} // namespace hofd
