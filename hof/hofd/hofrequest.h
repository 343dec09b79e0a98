// Reading a hall-of-fame request's query: a listing (game only) or a submission
// (game, score, name with " dif=" and difficulty, e-mail). Accepts the query as the
// game percent-encodes it and as older clients sent it, with the space before
// "dif=" and the "=" inside the name's value left as typed.
// A request that cannot be stored comes back with an error text for a 400 page.
#pragma once

#include <QString>

namespace hofd
{

constexpr int kMaxGame = 8;
constexpr int kMaxName = 20;
constexpr int kMaxEmail = 30;
constexpr int kMaxScore = 32767;

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
    QString error;       // non-empty: refuse with 400, store nothing
};

// rawQuery: the part after '?', still percent-encoded.
HofRequest parseHofQuery(const QByteArray& rawQuery);

// Percent-decodes a value: UTF-8, or Latin-1 when the bytes are not UTF-8.
QString decodeValue(const QByteArray& encoded);

// Drops control characters, trims, and cuts to at most maxLength characters.
QString cleanText(const QString& text, int maxLength);

} // namespace hofd
