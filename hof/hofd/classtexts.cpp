#include "hof/hofd/classtexts.h"

#include "rules/mastery.h"

#include <array>

namespace hofd {

namespace {

struct Row {
    Text id;
    const char* english;
    const char* spanish;
    const char* german;
};

// clang-format off
constexpr Row kRows[] = {
    {Text::NoAccessTitle, "No access", "Sin acceso", "Kein Zugang"},
    {Text::NoAccess,
     "This page opens only with the class's teacher's address, which holds the class's key. Use the whole "
     "address you were given when the class was made.",
     "Esta página solo se abre con la dirección de docente de la clase, que contiene su clave. Usa la "
     "dirección completa que recibiste al crear la clase.",
     "Diese Seite öffnet sich nur mit der Adresse für die Lehrkraft, die den Schlüssel der Klasse enthält. "
     "Nimm die vollständige Adresse, die du beim Anlegen der Klasse bekommen hast."},
    {Text::NewClassTitle, "Make a class", "Crear una clase", "Klasse anlegen"},
    {Text::NewClassIntro,
     "A class gathers its pupils' games for their teacher. The pupils type the class's code into the game; "
     "on the class's page the teacher sees which presidents the class knows and which it misses, and sets "
     "what it practices.",
     "Una clase reúne las partidas de sus alumnos para su docente. Los alumnos escriben el código de la "
     "clase en el juego; en la página de la clase, el docente ve qué presidentes conoce la clase y cuáles "
     "falla, y elige qué practica.",
     "Eine Klasse sammelt die Spiele ihrer Schülerinnen und Schüler für die Lehrkraft. Sie geben den Code "
     "der Klasse im Spiel ein; auf der Seite der Klasse sieht die Lehrkraft, welche Präsidenten die Klasse "
     "kennt und welche nicht, und legt fest, was sie übt."},
    {Text::ClassNameLabel, "Name of the class", "Nombre de la clase", "Name der Klasse"},
    {Text::ClassNameHint, "For example: 8B History", "Por ejemplo: 2.º B Historia",
     "Zum Beispiel: 8b Geschichte"},
    {Text::MakeClass, "Make the class", "Crear la clase", "Klasse anlegen"},
    {Text::Privacy,
     "The service keeps of each player only the name the game knows, the answers and the times of the games. "
     "A class and all its data are deleted %1 days after its last game.",
     "El servicio guarda de cada jugador solo el nombre que conoce el juego, las respuestas y las horas de "
     "las partidas. Una clase y todos sus datos se borran %1 días después de su última partida.",
     "Der Dienst speichert von jedem Spieler nur den Namen, den das Spiel kennt, die Antworten und die "
     "Zeiten der Spiele. Eine Klasse und alle ihre Daten werden %1 Tage nach ihrem letzten Spiel gelöscht."},
    {Text::ClassMadeTitle, "Class made", "Clase creada", "Klasse angelegt"},
    {Text::CodeForPupils, "Code for the pupils: %1", "Código para los alumnos: %1",
     "Code für die Schülerinnen und Schüler: %1"},
    {Text::GiveCode,
     "Give your pupils this code: they type it into the class code box of the game's setup screen. Every "
     "game they finish is then reported to this class.",
     "Da este código a tus alumnos: lo escriben en la casilla del código de clase de la pantalla de "
     "configuración del juego. Desde entonces, cada partida que terminen se envía a esta clase.",
     "Gib diesen Code an deine Schülerinnen und Schüler weiter: Sie tragen ihn im Einstellungsfenster des "
     "Spiels in das Feld für den Klassencode ein. Danach wird jedes Spiel, das sie beenden, an diese Klasse "
     "gemeldet."},
    {Text::TeachersAddress, "Your address as the class's teacher:", "Tu dirección como docente de la clase:",
     "Deine Adresse als Lehrkraft der Klasse:"},
    {Text::KeepAddress,
     "Save this address (as a bookmark, say) and keep it to yourself: it holds the class's key and is the "
     "only way into the class's page. It is shown only now; the service keeps no copy of the key that it "
     "could show again.",
     "Guarda esta dirección (por ejemplo, como marcador) y no la compartas: contiene la clave de la clase y "
     "es la única forma de entrar en su página. Solo se muestra ahora; el servicio no guarda ninguna copia "
     "de la clave que pueda volver a mostrar.",
     "Speichere diese Adresse (etwa als Lesezeichen) und gib sie nicht weiter: Sie enthält den Schlüssel der "
     "Klasse und ist der einzige Weg zu ihrer Seite. Sie wird nur jetzt angezeigt; der Dienst behält keine "
     "Kopie des Schlüssels, die er noch einmal zeigen könnte."},
    {Text::BadClassName,
     "The class needs a name of 1 to 80 characters, with at least one visible character and no control "
     "characters.",
     "La clase necesita un nombre de 1 a 80 caracteres, con al menos un carácter visible y sin caracteres de "
     "control.",
     "Die Klasse braucht einen Namen mit 1 bis 80 Zeichen, mindestens einem sichtbaren Zeichen und ohne "
     "Steuerzeichen."},
    {Text::TooManyClassesTitle, "Too many classes", "Demasiadas clases", "Zu viele Klassen"},
    {Text::TooManyClasses, "Too many classes were made from this computer; please try again in %1 s.",
     "Se crearon demasiadas clases desde esta computadora; vuelve a intentarlo dentro de %1 s.",
     "Von diesem Computer aus wurden zu viele Klassen angelegt; versuch es in %1 s noch einmal."},
    {Text::TryAgainTitle, "Please try again", "Vuelve a intentarlo", "Bitte noch einmal versuchen"},
    {Text::TryAgain, "The database cannot be reached just now; please try again in a moment.",
     "Ahora mismo no se puede acceder a la base de datos; vuelve a intentarlo en un momento.",
     "Die Datenbank ist gerade nicht erreichbar; versuch es gleich noch einmal."},
    {Text::ClassTitle, "Class %1", "Clase %1", "Klasse %1"},
    {Text::Downloads, "Download:", "Descargar:", "Herunterladen:"},
    {Text::GamesCsv, "games (CSV)", "partidas (CSV)", "Spiele (CSV)"},
    {Text::AnswersCsv, "answers (CSV)", "respuestas (CSV)", "Antworten (CSV)"},
    {Text::Players, "Players", "Jugadores", "Spieler"},
    {Text::PlayersCaption, "The class's players", "Jugadores de la clase", "Spieler der Klasse"},
    {Text::Player, "Player", "Jugador", "Spieler"},
    {Text::Games, "Games", "Partidas", "Spiele"},
    {Text::LastPlayed, "Last played", "Última partida", "Zuletzt gespielt"},
    {Text::AverageScore, "Average score", "Puntuación media", "Durchschnittliches Ergebnis"},
    {Text::PresidentsMastered, "Presidents mastered", "Presidentes dominados", "Gemeisterte Präsidenten"},
    {Text::NoGames, "No games have been reported to this class yet.",
     "Todavía no se ha enviado ninguna partida a esta clase.",
     "Für diese Klasse ist noch kein Spiel gemeldet."},
    {Text::AverageNote,
     "Average score: the mean of the games' percentages, practice games included. Presidents mastered: as "
     "the game's Progress window counts them, from the player's latest five answers about each president, "
     "the newest weighing most.",
     "Puntuación media: la media de los porcentajes de las partidas, incluidas las de práctica. Presidentes "
     "dominados: como los cuenta la ventana Progreso del juego, a partir de las últimas cinco respuestas "
     "del jugador sobre cada presidente, con más peso para las más recientes.",
     "Durchschnittliches Ergebnis: der Mittelwert der Prozentwerte der Spiele, Übungsspiele eingeschlossen. "
     "Gemeisterte Präsidenten: so gezählt wie im Fenster „Fortschritt“ des Spiels, aus den letzten fünf "
     "Antworten des Spielers zu jedem Präsidenten; die neueste zählt am meisten."},
    {Text::Presidents, "Presidents", "Presidentes", "Präsidenten"},
    {Text::PresidentsCaption, "Right answers per president", "Respuestas correctas por presidente",
     "Richtige Antworten pro Präsident"},
    {Text::Number, "No.", "N.º", "Nr."},
    {Text::President, "President", "Presidente", "Präsident"},
    {Text::RightAnswers, "Right answers", "Respuestas correctas", "Richtige Antworten"},
    {Text::Mark, "Mark", "Nivel", "Stand"},
    {Text::MasteredBy, "Mastered by", "Dominado por", "Gemeistert von"},
    {Text::PracticeColumn, "Practice", "Práctica", "Übung"},
    {Text::PracticeName, "Practice %1", "Practicar %1", "%1 üben"},
    {Text::InTermOrder, "In term order", "Por orden de mandato", "In der Reihenfolge der Amtszeiten"},
    {Text::WeakestFirst, "Weakest first", "Los más flojos primero", "Die schwächsten zuerst"},
    {Text::MarkNote,
     "Right answers: the share of all the class's answers about a president that were right. Mark: Mastered "
     "from 80%, Familiar from 50%, Learning below 50% or with fewer than five answers, Unseen while nobody "
     "has been asked about him. Mastered by: the players for whom the game counts him as mastered. Weakest "
     "first puts the lowest share first and the presidents nobody has been asked about last.",
     "Respuestas correctas: la parte de todas las respuestas de la clase sobre un presidente que fueron "
     "correctas. Nivel: Dominado desde el 80\u00a0%, Conocido desde el 50\u00a0%, Aprendiendo por debajo "
     "del 50\u00a0% o con menos de cinco respuestas, Sin ver mientras no haya salido a nadie. Dominado por: "
     "los jugadores para los que el juego lo cuenta como dominado. «Los más flojos primero» pone primero la "
     "parte más baja y al final los presidentes que aún no han salido.",
     "Richtige Antworten: der Anteil richtiger Antworten an allen Antworten der Klasse zu einem Präsidenten. "
     "Stand: Gemeistert ab 80\u00a0%, Vertraut ab 50\u00a0%, In Arbeit unter 50\u00a0% oder bei weniger als "
     "fünf Antworten, Neu, solange niemand nach ihm gefragt wurde. Gemeistert von: die Spieler, für die das "
     "Spiel ihn als gemeistert zählt. „Die schwächsten zuerst“ stellt den niedrigsten Anteil an den Anfang "
     "und die Präsidenten, nach denen noch niemand gefragt wurde, ans Ende."},
    {Text::SharePart, "%1 (%2 of %3)", "%1 (%2 de %3)", "%1 (%2 von %3)"},
    {Text::OfCount, "%1 of %2", "%1 de %2", "%1 von %2"},
    {Text::ClassPractice, "Class practice", "Práctica de la clase", "Übung der Klasse"},
    {Text::PracticeIntro,
     "Practice games with this class's code ask first about the presidents set here; the ordinary game is "
     "not changed.",
     "Las partidas de práctica con el código de esta clase preguntan primero por los presidentes elegidos "
     "aquí; la partida normal no cambia.",
     "Übungsspiele mit dem Code dieser Klasse fragen zuerst nach den hier gewählten Präsidenten; das normale "
     "Spiel bleibt, wie es ist."},
    {Text::PracticeNone, "Now: none set; practice games ask about what each player knows least.",
     "Ahora: ninguno; las partidas de práctica preguntan por lo que cada jugador conoce menos.",
     "Jetzt: keine gewählt; Übungsspiele fragen nach dem, was jeder Spieler am wenigsten kennt."},
    {Text::PracticeRange, "Now: %1 to %2 (%3 presidents).", "Ahora: de %1 a %2 (%3 presidentes).",
     "Jetzt: %1 bis %2 (%3 Präsidenten)."},
    {Text::PracticeList, "Now: %1.", "Ahora: %1.", "Jetzt: %1."},
    {Text::PresidentsByNumber, "Presidents by number", "Presidentes por número", "Präsidenten nach Nummer"},
    {Text::PresidentsByNumberHint, "Such as 1-4, or 1-4, 16, 32; empty for none.",
     "Por ejemplo, 1-4, o 1-4, 16, 32; vacío para ninguno.",
     "Zum Beispiel 1-4 oder 1-4, 16, 32; leer für keine."},
    {Text::SetPractice, "Set the practice", "Fijar la práctica", "Übung festlegen"},
    {Text::SetTicked, "Practice the ticked presidents", "Practicar los presidentes marcados",
     "Die angehakten Präsidenten üben"},
    {Text::ClearPractice, "Clear the practice", "Quitar la práctica", "Übung aufheben"},
    {Text::BadPracticeTitle, "Practice not changed", "La práctica no cambió", "Übung nicht geändert"},
    {Text::BadPractice, "“%1” is not a president's number (1 to 45) or a range of them such as 1-4.",
     "«%1» no es un número de presidente (del 1 al 45) ni un intervalo como 1-4.",
     "„%1“ ist keine Präsidentennummer (1 bis 45) und kein Bereich wie 1-4."},
    {Text::Deleting, "Deleting", "Borrar datos", "Daten löschen"},
    {Text::DeleteClassIntro,
     "Deleting the class deletes its players, games and answers for good, and its code stops working. One "
     "player's data is deleted on the player's own page.",
     "Al borrar la clase se borran para siempre sus jugadores, partidas y respuestas, y su código deja de "
     "funcionar. Los datos de un solo jugador se borran en la página de ese jugador.",
     "Wenn du die Klasse löschst, werden ihre Spieler, Spiele und Antworten endgültig gelöscht, und ihr Code "
     "funktioniert nicht mehr. Die Daten eines einzelnen Spielers löschst du auf seiner eigenen Seite."},
    {Text::DeleteClassButton, "Delete the class…", "Borrar la clase…", "Klasse löschen …"},
    {Text::PlayerTitle, "%1 in %2", "%1 en %2", "%1 in %2"},
    {Text::BackToClass, "Back to the class", "Volver a la clase", "Zurück zur Klasse"},
    {Text::MasteryCaption, "Mastery of each president", "Dominio de cada presidente",
     "Stand bei jedem Präsidenten"},
    {Text::Mastery, "Mastery", "Dominio", "Stand"},
    {Text::LatestAnswers, "Latest answers", "Últimas respuestas", "Letzte Antworten"},
    {Text::KindsOfQuestion, "Kinds of question", "Tipos de pregunta", "Fragearten"},
    {Text::CategoriesCaption, "Right answers per kind of question", "Aciertos por tipo de pregunta",
     "Trefferquote pro Frageart"},
    {Text::Category, "Kind of question", "Tipo de pregunta", "Frageart"},
    {Text::Answers, "Answers", "Respuestas", "Antworten"},
    {Text::GamesCaption, "Games, newest first", "Partidas, de la más reciente a la más antigua",
     "Spiele, das neueste zuerst"},
    {Text::Ended, "Ended", "Terminada", "Beendet"},
    {Text::Score, "Score", "Puntuación", "Punktzahl"},
    {Text::Possible, "Possible", "Posible", "Möglich"},
    {Text::Percent, "Percent", "Porcentaje", "Prozent"},
    {Text::PracticeGame, "Practice", "Práctica", "Übung"},
    {Text::Yes, "Yes", "Sí", "Ja"},
    {Text::No, "No", "No", "Nein"},
    {Text::DeletePlayerIntro,
     "Deleting the player's data deletes their games and answers in this class for good.",
     "Al borrar los datos del jugador se borran para siempre sus partidas y respuestas en esta clase.",
     "Wenn du die Daten des Spielers löschst, werden seine Spiele und Antworten in dieser Klasse endgültig "
     "gelöscht."},
    {Text::DeletePlayerButton, "Delete all data of %1…", "Borrar todos los datos de %1…",
     "Alle Daten von %1 löschen …"},
    {Text::NoSuchPlayerTitle, "No such player", "Jugador desconocido", "Unbekannter Spieler"},
    {Text::NoSuchPlayer, "This class has no games of %1.", "Esta clase no tiene partidas de %1.",
     "Diese Klasse hat keine Spiele von %1."},
    {Text::ConfirmClassTitle, "Delete the class?", "¿Borrar la clase?", "Klasse löschen?"},
    {Text::ConfirmClass,
     "Delete all data of the class %1? Its players, games and answers are deleted for good, and its code "
     "stops working.",
     "¿Borrar todos los datos de la clase %1? Sus jugadores, partidas y respuestas se borran para siempre y "
     "su código deja de funcionar.",
     "Alle Daten der Klasse %1 löschen? Ihre Spieler, Spiele und Antworten werden endgültig gelöscht, und "
     "ihr Code funktioniert nicht mehr."},
    {Text::ConfirmPlayerTitle, "Delete the player's data?", "¿Borrar los datos del jugador?",
     "Daten des Spielers löschen?"},
    {Text::ConfirmPlayer, "Delete all data of %1?", "¿Borrar todos los datos de %1?",
     "Alle Daten von %1 löschen?"},
    {Text::ConfirmPlayerNote, "Their games and answers in this class are deleted for good.",
     "Sus partidas y respuestas en esta clase se borran para siempre.",
     "Die Spiele und Antworten in dieser Klasse werden endgültig gelöscht."},
    {Text::DeleteButton, "Delete", "Borrar", "Löschen"},
    {Text::Cancel, "Cancel", "Cancelar", "Abbrechen"},
    {Text::DeletedTitle, "Deleted", "Borrado", "Gelöscht"},
    {Text::DeletedClass, "The class %1 and all its data are deleted.",
     "La clase %1 y todos sus datos están borrados.",
     "Die Klasse %1 und alle ihre Daten sind gelöscht."},
    {Text::DeletedPlayer, "All data of %1 in this class is deleted.",
     "Todos los datos de %1 en esta clase están borrados.",
     "Alle Daten von %1 in dieser Klasse sind gelöscht."},
    {Text::Unseen, "Unseen", "Sin ver", "Neu"},
    {Text::Learning, "Learning", "Aprendiendo", "In Arbeit"},
    {Text::Familiar, "Familiar", "Conocido", "Vertraut"},
    {Text::Mastered, "Mastered", "Dominado", "Gemeistert"},
    {Text::NotAskedYet, "Not asked yet", "Todavía no ha salido", "Noch nicht gefragt"},
    {Text::RightOnce, "Right the one time asked", "Correcta la única vez que salió",
     "Beim einzigen Mal richtig"},
    {Text::WrongOnce, "Wrong the one time asked", "Incorrecta la única vez que salió",
     "Beim einzigen Mal falsch"},
    {Text::LastAnswersRight, "%1 of the last %2 answers right", "%1 de las últimas %2 respuestas correctas",
     "%1 der letzten %2 Antworten richtig"},
    {Text::LatestRight, "%1, the latest right", "%1; la última, correcta", "%1, die letzte richtig"},
    {Text::LatestWrong, "%1, the latest wrong", "%1; la última, incorrecta", "%1, die letzte falsch"},
};
// clang-format on

constexpr bool complete()
{
    if (std::size(kRows) != std::size_t(Text::Count_))
        return false;
    for (std::size_t i = 0; i < std::size(kRows); ++i) {
        const Row& r = kRows[i];
        if (std::size_t(r.id) != i || !r.english || !*r.english || !r.spanish || !*r.spanish || !r.german ||
            !*r.german)
            return false;
    }
    return true;
}
static_assert(complete(), "every text in its place, in every language");

} // namespace

QString text(Text id, Language language)
{
    const Row& r = kRows[std::size_t(id)];
    return QString::fromUtf8(language == Language::Spanish  ? r.spanish
                             : language == Language::German ? r.german
                                                            : r.english);
}

QString percentText(int percent, Language language)
{
    return QString::number(percent) +
           (language == Language::English ? QStringLiteral("%") : QStringLiteral("\u00a0%"));
}

QString dateText(const QDate& date, Language language)
{
    switch (language) {
    case Language::Spanish: return date.toString(QStringLiteral("d/M/yyyy"));
    case Language::German: return date.toString(QStringLiteral("dd.MM.yyyy"));
    case Language::English: break;
    }
    return date.toString(QStringLiteral("M/d/yyyy"));
}

QString timeText(const QDateTime& time, Language language)
{
    const QDateTime utc = time.toUTC();
    return dateText(utc.date(), language) + u' ' + utc.time().toString(QStringLiteral("HH:mm")) +
           QStringLiteral(" UTC");
}

QString masteryWord(int level, Language language)
{
    return text(Text(int(Text::Unseen) + qBound(0, level, 3)), language);
}

QString masteryHint(const QList<bool>& newestFirst, Language language)
{
    const brev::Mastery m = brev::masteryOf(newestFirst);
    if (m.counted == 0)
        return text(Text::NotAskedYet, language);
    if (m.counted == 1)
        return text(m.newestRight ? Text::RightOnce : Text::WrongOnce, language);
    const QString counts = text(Text::LastAnswersRight, language).arg(m.right).arg(m.counted);
    return text(m.newestRight ? Text::LatestRight : Text::LatestWrong, language).arg(counts);
}

} // namespace hofd
