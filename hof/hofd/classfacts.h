// What the class pages and the report check know of the game without its data
// files: the 45 presidents by record number (their names as the records write
// them), the kind of question of each category (the game's own category
// table) and the categories' names in English, Spanish and German, the
// mastery words, and the page languages. Lookups outside the tables give
// empty texts, never a crash.
#pragma once

#include <QByteArray>
#include <QString>

namespace hofd {

constexpr int kPresidents = 45; // record numbers 1..45

// The name of record 1..45 ("George Washington"); empty outside.
QString presidentName(int record);

// The kind of question of a category as reports name it ("sorting", the
// game's table of question kinds); empty for a number that is no category a
// game can ask.
QString categoryKind(int category);
// Whether kind is one of the seven kinds a report may name.
bool isKind(const QString& kind);

enum class Language { English, Spanish, German };

// The category's name as the game shows it in that language; empty outside.
QString categoryName(int category, Language language);

// The page language the reader prefers by his Accept-Language: the highest
// q-value among English, Spanish and German (a region such as de-AT counts as
// its language; an earlier one wins a tie); English when none is asked for.
Language pageLanguage(const QByteArray& acceptLanguage);
// "en", "es" or "de".
const char* languageTag(Language language);

} // namespace hofd
