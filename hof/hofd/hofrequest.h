// Reading a hall-of-fame request's query: a listing (game only) or a submission
// (game, score, name with " dif=" and difficulty, e-mail). Values are decoded as
// web forms encode them ('+' is a space, %XX a byte, UTF-8 text), and also as
// older clients sent them, with the space before "dif=" and the "=" inside the
// name's value left as typed. Bytes that are not UTF-8 become U+FFFD in their
// own value. A request that cannot be stored comes back with an error text for a
// 400 page naming the field at fault; so does a name with nothing visible in it. Caps count whole characters as a reader
// sees them (grapheme clusters: a letter with its accents, an emoji sequence)
// and never cut one.
#pragma once

#include "base/problem.h"

#include <QString>
#include <QStringList>

namespace hofd {

constexpr int kMaxGame = 8;
constexpr int kMaxName = 20;           // characters
constexpr int kMaxNameCodePoints = 80; // what the name column holds
constexpr int kMaxEmail = 30;
constexpr int kMaxScore = 32767;
// Combining marks kept on one character: enough for Vietnamese, Thai or a
// Tibetan stack, too few for a tower that covers the rows around it.
constexpr int kMaxMarks = 3;

struct Submission {
    QString game;
    int score = 0;
    QString name;
    int difficulty = 0;
    QString email;
};

struct HofRequest {
    bool submit = false; // true when the query carries a score, name or e-mail
    Submission entry;    // game filled for listings too
};

// rawQuery: the part after '?', still percent-encoded. A problem: refuse with
// 400, store nothing.
brev::Result<HofRequest> parseHofQuery(const QByteArray& rawQuery);

// The request as the log names it, read or not: "submit game=" or "list
// game=" and the game code as parseHofQuery reads it (empty when it cannot).
QString describeHofQuery(const QByteArray& rawQuery);

// Decodes one query value: '+' is a space, %XX a byte, the bytes UTF-8 (an
// invalid sequence becomes U+FFFD). Nothing when a '%' is not followed by two
// hexadecimal digits.
std::optional<QString> decodeValue(const QByteArray& encoded);

// The values of one field of a query or a form body (a=1&b=2&a=3), decoded
// as decodeValue does, in their order; a value that cannot be decoded is left
// out.
QStringList formValues(const QByteArray& encoded, const char* field);

// True when text holds a character that shows: not a space, a format character
// (zero-width, direction marks), a lone combining mark or a blank filler.
bool hasVisible(const QString& text);

// True when text holds a C0 or C1 control character or DEL.
bool hasControl(const QString& text);

// Trims, keeps the first kMaxMarks combining marks of each character, and
// keeps the characters that fit in maxCharacters characters and maxCodePoints
// code points (what a database column counts), cutting only between characters.
QString capped(const QString& text, int maxCharacters, int maxCodePoints);

} // namespace hofd
