#pragma once
// Texts that list people ("George Clinton, Elbridge Gerry", "Jay, Rutledge,
// Cushing"): whether two of them name one person, so that no question offers
// the same vice president, first lady, cabinet member or justice twice, and
// whether one names all the people of another, so that a sorting question
// knows which items could belong to another president.
// Names are compared by surname and, where both texts give them, first name
// and middle initials; a name given by its surname alone ("Stone") may be
// anyone of that surname ("Harlan F. Stone"). In doubt, two names are one
// person: a question loses a combination rather than get two right answers.
// Nothing here fails.
#include <QString>

namespace brev {

// Whether two names (one person each) may name the same person.
bool samePerson(const QString& a, const QString& b);
// Whether two comma-separated lists of names share a person.
bool sharePerson(const QString& listA, const QString& listB);
// Whether the list names every person of `names` (a list too), so that both
// may be one president's people; false when `names` names nobody.
bool namesEvery(const QString& list, const QString& names);

} // namespace brev
