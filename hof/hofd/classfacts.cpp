#include "hof/hofd/classfacts.h"

#include "base/kindfacts.h"

#include <QByteArrayList>
#include <array>

namespace hofd {

namespace {

// clang-format off
constexpr std::array<const char*, kPresidents> kNames{
    "George Washington", "John Adams", "Thomas Jefferson", "James Madison", "James Monroe",
    "John Quincy Adams", "Andrew Jackson", "Martin Van Buren", "William Henry Harrison", "John Tyler",
    "James K. Polk", "Zachary Taylor", "Millard Fillmore", "Franklin Pierce", "James Buchanan",
    "Abraham Lincoln", "Andrew Johnson", "Ulysses S. Grant", "Rutherford B. Hayes", "James A. Garfield",
    "Chester A. Arthur", "Grover Cleveland", "Benjamin Harrison", "William McKinley", "Theodore Roosevelt",
    "William Howard Taft", "Woodrow Wilson", "Warren G. Harding", "Calvin Coolidge", "Herbert Hoover",
    "Franklin D. Roosevelt", "Harry S. Truman", "Dwight D. Eisenhower", "John F. Kennedy",
    "Lyndon B. Johnson", "Richard Nixon", "Gerald Ford", "Jimmy Carter", "Ronald Reagan", "George H. W. Bush",
    "Bill Clinton", "George W. Bush", "Barack Obama", "Donald Trump", "Joe Biden",
};

// The categories' names as the game's Spanish and German windows show them;
// the English ones are the game's own table's.
struct Translated {
    int category;
    const char* spanish;
    const char* german;
};
constexpr std::array<Translated, 27> kCategoryNames{{
    {1, "¿Cuándo gobernó este presidente?", "Wann war dieser Präsident im Amt?"},
    {2, "¿Quién fue el vicepresidente de este presidente?",
     "Wer war Vizepräsident unter diesem Präsidenten?"},
    {3, "¿Cuándo nació este presidente?", "Wann wurde dieser Präsident geboren?"},
    {4, "Relacionar presidentes y mandatos", "Präsidenten und Amtszeiten zuordnen"},
    {5, "Relacionar vicepresidentes", "Vizepräsidenten zuordnen"},
    {6, "Relacionar primeras damas y presidentes", "First Ladys und Präsidenten zuordnen"},
    {7, "Relacionar lugares de nacimiento", "Geburtsorte zuordnen"},
    {8, "Relacionar secretarios de Estado", "Außenminister zuordnen"},
    {9, "Relacionar secretarios de Guerra/Defensa", "Kriegs-/Verteidigungsminister zuordnen"},
    {10, "Relacionar fiscales generales", "Justizminister zuordnen"},
    {11, "Retratos", "Porträts"},
    {12, "Ordenar por fecha de nacimiento", "Nach Geburtsdatum ordnen"},
    {13, "Ordenar primeras damas por mandato", "First Ladys nach Amtszeit ordnen"},
    {14, "Ordenar vicepresidentes", "Vizepräsidenten ordnen"},
    {15, "Ordenar por mandato", "Nach Amtszeit ordnen"},
    {16, "Ordenar secretarios de Estado", "Außenminister ordnen"},
    {17, "Ordenar secretarios de Guerra/Defensa", "Kriegs-/Verteidigungsminister ordnen"},
    {18, "Ordenar fiscales generales", "Justizminister ordnen"},
    {20, "¿Quién no era de este partido?", "Wer gehörte nicht zu dieser Partei?"},
    {21, "¿Cómo me llamo?", "Wie heiße ich?"},
    {22, "Ordenar nombramientos para la Corte Suprema", "Richter am Obersten Gerichtshof ordnen"},
    {23, "Relacionar nombramientos para la Corte Suprema", "Richter am Obersten Gerichtshof zuordnen"},
    {24, "Relacionar finales de mandato", "Enden der Amtszeiten zuordnen"},
    {25, "¿Quién no terminó su mandato así?", "Wessen Amtszeit endete nicht so?"},
    {26, "Relacionar rivales electorales", "Gegenkandidaten zuordnen"},
    {27, "Relacionar estados de residencia", "Heimatstaaten zuordnen"},
    {29, "¿Quién lo dijo?", "Wer hat es gesagt?"},
}};
// clang-format on

} // namespace

QString presidentName(int record)
{
    return record >= 1 && record <= kPresidents ? QString::fromLatin1(kNames[std::size_t(record - 1)])
                                                : QString();
}

QString categoryKind(int category)
{
    return QString::fromLatin1(brev::kindOf(category).reportName);
}

bool isKind(const QString& kind)
{
    for (const brev::KindFacts& facts : brev::kKindFacts) {
        if (kind == QLatin1String(facts.reportName))
            return true;
    }
    return false;
}

QString categoryName(int category, Language language)
{
    if (categoryKind(category).isEmpty())
        return QString();
    for (const Translated& t : kCategoryNames) {
        if (t.category == category && language != Language::English)
            return QString::fromUtf8(language == Language::Spanish ? t.spanish : t.german);
    }
    return brev::categoryName(category).trimmed();
}

Language pageLanguage(const QByteArray& acceptLanguage)
{
    Language best = Language::English;
    double bestQ = 0;
    for (const QByteArray& part : acceptLanguage.split(',')) {
        const QByteArrayList pieces = part.split(';');
        const QByteArray tag = pieces.first().trimmed().toLower();
        const QByteArray primary = tag.left(tag.indexOf('-') < 0 ? tag.size() : tag.indexOf('-'));
        double q = 1;
        for (qsizetype i = 1; i < pieces.size(); ++i) {
            const QByteArray parameter = pieces.at(i).trimmed();
            if (parameter.startsWith("q=")) {
                bool ok = false;
                q = parameter.mid(2).toDouble(&ok);
                if (!ok || q < 0 || q > 1)
                    q = 0;
            }
        }
        Language language;
        if (primary == "en" || primary == "*")
            language = Language::English;
        else if (primary == "es")
            language = Language::Spanish;
        else if (primary == "de")
            language = Language::German;
        else
            continue;
        if (q > bestQ) {
            best = language;
            bestQ = q;
        }
    }
    return best;
}

const char* languageTag(Language language)
{
    switch (language) {
    case Language::Spanish: return "es";
    case Language::German: return "de";
    case Language::English: break;
    }
    return "en";
}

} // namespace hofd
