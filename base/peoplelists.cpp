#include "base/peoplelists.h"

#include <QStringList>

#include <algorithm>

namespace brev {

namespace {

// A name taken apart: "Charles Evans Hughes" is first "Charles", middles
// {"Evans"}, surname "Hughes"; "Edward R. Stettinius Jr." loses its suffix.
struct PersonName {
    QString first;
    QStringList middles;
    QString surname;
};

bool isSuffix(const QString& word)
{
    static const QStringList suffixes{QStringLiteral("Jr."), QStringLiteral("Jr"), QStringLiteral("Sr."),
                                      QStringLiteral("Sr"),  QStringLiteral("II"), QStringLiteral("III"),
                                      QStringLiteral("IV")};
    return suffixes.contains(word);
}

PersonName parse(const QString& name)
{
    QStringList words = name.split(u' ', Qt::SkipEmptyParts);
    while (words.size() > 1 && isSuffix(words.last()))
        words.removeLast();
    PersonName p;
    if (words.isEmpty())
        return p;
    p.surname = words.takeLast();
    if (!words.isEmpty())
        p.first = words.takeFirst();
    p.middles = words;
    return p;
}

// "C." stands for any name starting with C.
bool isInitial(const QString& word)
{
    return word.size() == 2 && word[1] == u'.';
}

bool sameGiven(const QString& a, const QString& b)
{
    if (a == b)
        return true;
    if ((isInitial(a) || isInitial(b)) && !a.isEmpty() && !b.isEmpty())
        return a[0] == b[0];
    return false;
}

QString initials(const QStringList& words)
{
    QString out;
    for (const QString& w : words)
        out += w.isEmpty() ? QChar() : w[0];
    return out;
}

} // namespace

bool samePerson(const QString& a, const QString& b)
{
    const PersonName x = parse(a);
    const PersonName y = parse(b);
    if (x.surname.isEmpty() || x.surname != y.surname)
        return false;
    if (x.first.isEmpty() || y.first.isEmpty())
        return true;
    if (!sameGiven(x.first, y.first))
        return false;
    return x.middles.isEmpty() || y.middles.isEmpty() || initials(x.middles) == initials(y.middles);
}

bool sharePerson(const QString& listA, const QString& listB)
{
    const QStringList a = listA.split(u',', Qt::SkipEmptyParts);
    const QStringList b = listB.split(u',', Qt::SkipEmptyParts);
    for (const QString& x : a) {
        for (const QString& y : b) {
            if (samePerson(x.trimmed(), y.trimmed()))
                return true;
        }
    }
    return false;
}

bool namesEvery(const QString& list, const QString& names)
{
    const QStringList named = list.split(u',', Qt::SkipEmptyParts);
    const QStringList wanted = names.split(u',', Qt::SkipEmptyParts);
    const auto isNamed = [&named](const QString& person) {
        return std::any_of(named.begin(), named.end(),
                           [&person](const QString& n) { return samePerson(n.trimmed(), person.trimmed()); });
    };
    return !wanted.isEmpty() && std::all_of(wanted.begin(), wanted.end(), isNamed);
}

} // namespace brev
