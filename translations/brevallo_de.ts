<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de_DE">
<context>
    <name>GameWindows</name>
    <message>
        <source>Question %1 of %2</source>
        <translation>Frage %1 von %2</translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3%)</source>
        <translation>Punkte: %1 von %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation>Punkte: %1 von %2</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>Brevallo Game</source>
        <translation>Brevallo Game</translation>
    </message>
    <message>
        <source>Written, drawn and scored by the Brevallo Game team</source>
        <translation>Texte, Bilder und Klänge: das Team von Brevallo Game</translation>
    </message>
    <message>
        <source>Free to play and to share. Facts as of 1 March 2025.</source>
        <translation>Frei zum Spielen und Weitergeben. Stand der Fakten: 1.&#xa0;März 2025.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Freie Software unter der GNU General Public License, Version 3 oder später.</translation>
    </message>
    <message>
        <source>Play the game</source>
        <translation>Ein Spiel starten</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Spielen</translation>
    </message>
    <message>
        <source>Conditions for the game</source>
        <translation>Einstellungen für das Spiel</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Einstellungen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Which presidents you know, your scores over time, and a practice game</source>
        <translation>Welche Präsidenten du kennst, deine Ergebnisse im Lauf der Zeit und ein Übungsspiel</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
</context>
<context>
    <name>Review</name>
    <message>
        <source>%1: %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>(nothing)</source>
        <translation>(nichts)</translation>
    </message>
    <message>
        <source>%1 (wrong letters:%2)</source>
        <translation>%1 (falsche Buchstaben:%2)</translation>
    </message>
    <message>
        <source>Name the president in the portrait</source>
        <translation>Nenne den Präsidenten auf dem Porträt</translation>
    </message>
    <message>
        <source>Which does not fit: %1?</source>
        <translation>Wer passt nicht dazu: %1?</translation>
    </message>
    <message>
        <source>Portrait of %1</source>
        <translation>Porträt von %1</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>übersprungen</translation>
    </message>
    <message>
        <source>right</source>
        <translation>richtig</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>falsch</translation>
    </message>
    <message>
        <source>Question %1 (%2): %3</source>
        <translation>Frage %1 (%2): %3</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Deine Antwort:</translation>
    </message>
    <message>
        <source>Right answer:</source>
        <translation>Richtige Antwort:</translation>
    </message>
    <message>
        <source>Points: %1 of %2</source>
        <translation>Punkte: %1 von %2</translation>
    </message>
    <message>
        <source>partly right</source>
        <translation>teilweise richtig</translation>
    </message>
    <message>
        <source>Right: %1, partly right: %2, wrong: %3, skipped: %4</source>
        <translation>Richtig: %1, teilweise richtig: %2, falsch: %3, übersprungen: %4</translation>
    </message>
</context>
<context>
    <name>brev::BarDrag</name>
    <message>
        <source>Drop the picked-up bar here</source>
        <translation>Den aufgenommenen Balken hier ablegen</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Leer</translation>
    </message>
    <message>
        <source>Holds %1</source>
        <translation>Enthält %1</translation>
    </message>
</context>
<context>
    <name>brev::Categories</name>
    <message>
        <source>When did this president serve?</source>
        <translation>Wann war dieser Präsident im Amt?</translation>
    </message>
    <message>
        <source>When did %1 serve?</source>
        <translation>Wann war %1 im Amt?</translation>
    </message>
    <message>
        <source>Who was this president&apos;s Vice President?</source>
        <translation>Wer war Vizepräsident unter diesem Präsidenten?</translation>
    </message>
    <message>
        <source>Who served as Vice President under %1?</source>
        <translation>Wer war Vizepräsident unter %1?</translation>
    </message>
    <message>
        <source>When was this president born?</source>
        <translation>Wann wurde dieser Präsident geboren?</translation>
    </message>
    <message>
        <source>When was %1 born?</source>
        <translation>Wann wurde %1 geboren?</translation>
    </message>
    <message>
        <source>Match Presidents and terms</source>
        <translation>Präsidenten und Amtszeiten zuordnen</translation>
    </message>
    <message>
        <source>Match Vice Presidents</source>
        <translation>Vizepräsidenten zuordnen</translation>
    </message>
    <message>
        <source>Match First Ladies and Presidents</source>
        <translation>First Ladys und Präsidenten zuordnen</translation>
    </message>
    <message>
        <source>Match Birthplaces</source>
        <translation>Geburtsorte zuordnen</translation>
    </message>
    <message>
        <source>Match Sec&apos;ys of State</source>
        <translation>Außenminister zuordnen</translation>
    </message>
    <message>
        <source>Match Sec&apos;ys of War/Defense</source>
        <translation>Kriegs-/Verteidigungsminister zuordnen</translation>
    </message>
    <message>
        <source>Match Att&apos;ys General</source>
        <translation>Justizminister zuordnen</translation>
    </message>
    <message>
        <source>Portraits </source>
        <translation>Porträts</translation>
    </message>
    <message>
        <source>Sort by birthdate</source>
        <translation>Nach Geburtsdatum ordnen</translation>
    </message>
    <message>
        <source>Sort First Ladies by term</source>
        <translation>First Ladys nach Amtszeit ordnen</translation>
    </message>
    <message>
        <source>Sort Vice Presidents</source>
        <translation>Vizepräsidenten ordnen</translation>
    </message>
    <message>
        <source>Sort by term served</source>
        <translation>Nach Amtszeit ordnen</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of State</source>
        <translation>Außenminister ordnen</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of War/Defense</source>
        <translation>Kriegs-/Verteidigungsminister ordnen</translation>
    </message>
    <message>
        <source>Sort Att&apos;ys General</source>
        <translation>Justizminister ordnen</translation>
    </message>
    <message>
        <source>Who didn&apos;t belong to this party? </source>
        <translation>Wer gehörte nicht zu dieser Partei?</translation>
    </message>
    <message>
        <source>Name Me</source>
        <translation>Wie heiße ich?</translation>
    </message>
    <message>
        <source>Sort Supreme Court appointments</source>
        <translation>Richter am Obersten Gerichtshof ordnen</translation>
    </message>
    <message>
        <source>Match Supreme Court appointments</source>
        <translation>Richter am Obersten Gerichtshof zuordnen</translation>
    </message>
    <message>
        <source>Match End of terms</source>
        <translation>Enden der Amtszeiten zuordnen</translation>
    </message>
    <message>
        <source>Who didn&apos;t finish this term this way? </source>
        <translation>Wessen Amtszeit endete nicht so?</translation>
    </message>
    <message>
        <source>Match Political opponents </source>
        <translation>Gegenkandidaten zuordnen</translation>
    </message>
    <message>
        <source>Match Homes</source>
        <translation>Heimatstaaten zuordnen</translation>
    </message>
    <message>
        <source>Who said it?</source>
        <translation>Wer hat es gesagt?</translation>
    </message>
    <message>
        <source>Who said this?</source>
        <translation>Wer hat das gesagt?</translation>
    </message>
</context>
<context>
    <name>brev::ChoiceButton</name>
    <message>
        <source>Choice %1 of %2: %3</source>
        <translation>Antwort %1 von %2: %3</translation>
    </message>
</context>
<context>
    <name>brev::ChoiceWindow</name>
    <message>
        <source>Multiple Choice</source>
        <translation>Multiple Choice</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>Überspringen</translation>
    </message>
</context>
<context>
    <name>brev::ClassReporter</name>
    <message>
        <source>The class reports cannot reach the hall-of-fame service at %1 now (%2). They wait on this computer and go after the next game.</source>
        <translation>Die Klassenberichte erreichen den Dienst für die Online-Bestenliste unter %1 gerade nicht (%2). Sie warten auf diesem Computer und gehen nach dem nächsten Spiel hinaus.</translation>
    </message>
    <message>
        <source>The class code %1 is not known to the hall-of-fame service at %2: check it with your teacher. Reports for that code wait on this computer until it is known.</source>
        <translation>Der Dienst für die Online-Bestenliste unter %2 kennt den Klassencode %1 nicht: Prüfe ihn mit deiner Lehrkraft. Berichte für diesen Code warten auf diesem Computer, bis er bekannt ist.</translation>
    </message>
</context>
<context>
    <name>brev::CommandLineExport</name>
    <message>
        <source>%1 is missing: the export takes its question categories from it.</source>
        <translation>%1 fehlt: Der Export nimmt die Fragearten aus dieser Datei.</translation>
    </message>
    <message>
        <source>No questions were exported.</source>
        <translation>Es wurden keine Fragen exportiert.</translation>
    </message>
    <message>
        <source>the questions could not be written to standard output.</source>
        <translation>die Fragen konnten nicht in die Standardausgabe geschrieben werden.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>%1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>the table could not be written to standard output.</source>
        <translation>die Tabelle konnte nicht in die Standardausgabe geschrieben werden.</translation>
    </message>
</context>
<context>
    <name>brev::DataEditorWindow</name>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Choose an item to display</source>
        <translation>Wähl einen Präsidenten</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Mehr Infos</translation>
    </message>
    <message>
        <source>image </source>
        <translation>Bild </translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Change the difficulty</source>
        <translation>Schwierigkeit ändern</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Save changes, &amp; return to setup screen</source>
        <translation>Speichert die Änderungen und kehrt zu den Einstellungen zurück</translation>
    </message>
</context>
<context>
    <name>brev::EndKinds</name>
    <message>
        <source>Served term</source>
        <translation>Amtszeit zu Ende geführt</translation>
    </message>
    <message>
        <source>Died in office</source>
        <translation>Im Amt gestorben</translation>
    </message>
    <message>
        <source>Assassinated</source>
        <translation>Ermordet</translation>
    </message>
    <message>
        <source>Lost try at re-election</source>
        <translation>Bei der Wiederwahl gescheitert</translation>
    </message>
    <message>
        <source>In office</source>
        <translation>Im Amt</translation>
    </message>
</context>
<context>
    <name>brev::Game</name>
    <message>
        <source>Current set doesn&apos;t provide enough items for %1. Use another question type or change difficulty level to include more.</source>
        <translation>Für „%1“ gibt es nicht genug Einträge. Wähl eine andere Frageart oder ändere die Schwierigkeit, um mehr einzubeziehen.</translation>
    </message>
    <message>
        <source>No question set for %1</source>
        <translation>Für „%1“ gibt es keine Fragen</translation>
    </message>
    <message>
        <source>%1No questions possible with current selections.  Change difficulty levels or question types</source>
        <extracomment>%1 is always 0, shown in front of the sentence.</extracomment>
        <translation>%1Mit dieser Auswahl ist keine Frage möglich. Ändere die Schwierigkeit oder die Fragearten</translation>
    </message>
    <message>
        <source>You scored %1 out of %2 (%3%)</source>
        <translation>Du hast %1 von %2 Punkten erreicht (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Score adjusted for difficulty: %1</source>
        <translation>Nach Schwierigkeit gewichtete Punktzahl: %1</translation>
    </message>
    <message>
        <source>This was a practice game: it does not enter the hall of fame.</source>
        <translation>Das war ein Übungsspiel: Es kommt nicht in die Bestenliste.</translation>
    </message>
</context>
<context>
    <name>brev::GameLog</name>
    <message>
        <source>The log file %1 cannot be written: %2</source>
        <translation>Die Protokolldatei %1 kann nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>The game goes on without it.</source>
        <translation>Das Spiel geht ohne sie weiter.</translation>
    </message>
</context>
<context>
    <name>brev::HallOfFame</name>
    <message>
        <source>line %1 holds &quot;%2&quot; where a whole number belongs</source>
        <translation>Zeile %1 enthält „%2“, wo eine ganze Zahl stehen muss</translation>
    </message>
    <message>
        <source>it ends early (line %1)</source>
        <translation>Die Datei endet zu früh (Zeile %1)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>%1 kann nicht gelesen werden: %2</translation>
    </message>
    <message>
        <source>it counts %1 entries</source>
        <translation>Die Datei gibt %1 Einträge an</translation>
    </message>
    <message>
        <source>it counts %1 entries where the list holds %2</source>
        <translation>Die Datei gibt %1 Einträge an, die Liste hat aber nur %2 Plätze</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 ist beschädigt: %2.</translation>
    </message>
    <message>
        <source>The hall of fame keeps the entries read before that point (%1).</source>
        <translation>Die Bestenliste behält die Einträge, die bis dahin gelesen wurden (%1).</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2</source>
        <translation>%1 konnte nicht gelöscht werden: %2</translation>
    </message>
    <message>
        <source>Must be in top 5 of local HOF to be entered online</source>
        <translation>Nur die Plätze 1 bis 5 der lokalen Bestenliste können online eingetragen werden</translation>
    </message>
    <message>
        <source>Rank   Score  % Dif Name           Date </source>
        <extracomment>The columns&apos; heading of the hall-of-fame list, in a fixed-pitch font: each word stands over its column (place, score, per cent, difficulty, name, date); keep every word within its column&apos;s width.</extracomment>
        <translation>Rang  Punkte  % St. Name           Datum </translation>
    </message>
</context>
<context>
    <name>brev::HallOfFameWindow</name>
    <message>
        <source>%1. %2, difficulty %3, score %4, %5 percent</source>
        <translation>%1. %2, Schwierigkeit %3, Punktzahl %4, %5 Prozent</translation>
    </message>
    <message>
        <source>%1. %2, score %3, %4 percent</source>
        <translation>%1. %2, Punktzahl %3, %4 Prozent</translation>
    </message>
    <message>
        <source>No entries</source>
        <translation>Keine Einträge</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Leeren</translation>
    </message>
    <message>
        <source>Online HOF</source>
        <translation>Online-Bestenliste</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>No games are recorded yet.</source>
        <translation>Noch sind keine Spiele eingetragen.</translation>
    </message>
    <message>
        <source>Hof was recently cleared</source>
        <translation>Die Bestenliste wurde gerade geleert</translation>
    </message>
    <message>
        <source>Clear HOF</source>
        <translation>Bestenliste leeren</translation>
    </message>
    <message>
        <source>Really clear Hall of Frame?</source>
        <translation>Bestenliste wirklich leeren?</translation>
    </message>
    <message>
        <source>Check the Brevallo Game online HOF</source>
        <translation>Online-Bestenliste von Brevallo Game ansehen</translation>
    </message>
</context>
<context>
    <name>brev::HelpViewer</name>
    <message>
        <source>The help text %1 cannot be read: %2.</source>
        <translation>Der Hilfetext %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>Brevallo Game Help</source>
        <translation>Hilfe zu Brevallo Game</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Hilfetext</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
</context>
<context>
    <name>brev::MainWindow</name>
    <message>
        <source>Brevallo Game cannot start without it.</source>
        <comment>it: the data file</comment>
        <translation>Ohne sie kann Brevallo Game nicht starten.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Version %1</translation>
    </message>
    <message>
        <source>The background picture %1 is missing or cannot be read; the game goes on without it.</source>
        <translation>Das Hintergrundbild %1 fehlt oder kann nicht gelesen werden; das Spiel läuft ohne Hintergrundbild weiter.</translation>
    </message>
</context>
<context>
    <name>brev::Mastery</name>
    <message>
        <source>Unseen</source>
        <translation>Neu</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>In Arbeit</translation>
    </message>
    <message>
        <source>Familiar</source>
        <translation>Vertraut</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Gemeistert</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Noch nicht gefragt</translation>
    </message>
    <message>
        <source>Right the one time asked</source>
        <translation>Beim einzigen Mal richtig</translation>
    </message>
    <message>
        <source>Wrong the one time asked</source>
        <translation>Beim einzigen Mal falsch</translation>
    </message>
    <message>
        <source>%1 of the last %2 answers right</source>
        <translation>%1 der letzten %2 Antworten richtig</translation>
    </message>
    <message>
        <source>%1, the latest right</source>
        <extracomment>%1 is &quot;3 of the last 5 answers right&quot;; the newest answer was right</extracomment>
        <translation>%1, die letzte richtig</translation>
    </message>
    <message>
        <source>%1, the latest wrong</source>
        <extracomment>%1 is &quot;3 of the last 5 answers right&quot;; the newest answer was wrong</extracomment>
        <translation>%1, die letzte falsch</translation>
    </message>
</context>
<context>
    <name>brev::MatchModel</name>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** Ergebnis: %1 von %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** Alles richtig!</translation>
    </message>
    <message>
        <source>Click on one of the colored bars at the top</source>
        <translation>Klick oben auf einen der farbigen Balken</translation>
    </message>
    <message>
        <source>Then drag it down to the best match in the descriptions below</source>
        <translation>Zieh ihn dann nach unten auf die passende Beschreibung</translation>
    </message>
    <message>
        <source>Or, click on a colored bar, then click on the proper definition</source>
        <translation>Oder klick auf einen farbigen Balken und dann auf die passende Beschreibung</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Wenn alle Balken liegen, klick auf „Fertig“</translation>
    </message>
</context>
<context>
    <name>brev::MatchWindow</name>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Zieh diesen Balken auf seine Beschreibung weiter unten</translation>
    </message>
    <message>
        <source>Drag one of the colored bars to this description</source>
        <translation>Zieh einen der farbigen Balken auf diese Beschreibung</translation>
    </message>
</context>
<context>
    <name>brev::MatchingWindow</name>
    <message>
        <source>Match &apos;em</source>
        <translation>Zuordnen</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Klick hier, wenn du weitermachen willst</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
</context>
<context>
    <name>brev::MultipleChoiceModel</name>
    <message>
        <source> Correct, +5 pts</source>
        <translation>Richtig, +5 Punkte</translation>
    </message>
    <message>
        <source>Sorry, the answer was %1</source>
        <translation>Leider falsch. Die Antwort war: %1</translation>
    </message>
    <message>
        <source>Click on the best description.</source>
        <translation>Klick auf die beste Antwort.</translation>
    </message>
    <message>
        <source>Click on skip to move to the next question</source>
        <translation>Klick auf Überspringen, um zur nächsten Frage zu gehen</translation>
    </message>
</context>
<context>
    <name>brev::NameBar</name>
    <message>
        <source>Picked up</source>
        <translation>Aufgenommen</translation>
    </message>
    <message>
        <source>Placed on &quot;%1&quot;</source>
        <translation>Abgelegt auf „%1“</translation>
    </message>
    <message>
        <source>Not placed</source>
        <translation>Nicht abgelegt</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Aufnehmen</translation>
    </message>
</context>
<context>
    <name>brev::NameEntryDialog</name>
    <message>
        <source>Enter Your Name</source>
        <translation>Gib deinen Namen ein</translation>
    </message>
    <message>
        <source>You have made the Hall of Fame. Please enter your name:</source>
        <translation>Du bist in der Bestenliste! Gib bitte deinen Namen ein:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Dein Name</translation>
    </message>
    <message>
        <source>Local HOF only</source>
        <translation>Nur lokale Bestenliste</translation>
    </message>
    <message>
        <source>  Please enter email address:</source>
        <translation>  Gib deine E-Mail-Adresse ein:</translation>
    </message>
    <message>
        <source>Need email for online entry</source>
        <translation>Für die Online-Bestenliste wird eine E-Mail-Adresse gebraucht</translation>
    </message>
    <message>
        <source>Website HOF entry</source>
        <translation>In Online-Bestenliste eintragen</translation>
    </message>
    <message>
        <source>You have made number %1 on the Hall of Fame list. Please enter your name:</source>
        <translation>Du hast Platz %1 der Bestenliste erreicht! Gib bitte deinen Namen ein:</translation>
    </message>
    <message>
        <source>Enters your name in the Brevallo Game online HOF</source>
        <translation>Trägt deinen Namen in die Online-Bestenliste von Brevallo Game ein</translation>
    </message>
</context>
<context>
    <name>brev::NameMeModel</name>
    <message>
        <source>Name Me -- Press the letter keys to enter my name... </source>
        <translation>Wie heiße ich? -- Tipp Buchstaben, um meinen Namen zu schreiben ... </translation>
    </message>
    <message>
        <source>Too many tries!</source>
        <translation>Zu viele Versuche!</translation>
    </message>
    <message>
        <source>Guess the word before the eagle can appear!</source>
        <extracomment>The stage picture that grows with every wrong letter is an eagle.</extracomment>
        <translation>Errate den Namen, bevor der Adler erscheint!</translation>
    </message>
    <message>
        <source>Better luck next time!</source>
        <translation>Beim nächsten Mal klappt es bestimmt!</translation>
    </message>
    <message>
        <source>You got it!</source>
        <translation>Geschafft!</translation>
    </message>
    <message>
        <source>Press the letter keys to enter my name...</source>
        <extracomment>Shown inside the window: the instruction of its caption, in the same words.</extracomment>
        <translation>Tipp Buchstaben, um meinen Namen zu schreiben ...</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** Ergebnis: %1 von %2</translation>
    </message>
    <message>
        <source>No tries left. Press any key to see your score.</source>
        <translation>Keine Versuche mehr. Drück eine beliebige Taste, um dein Ergebnis zu sehen.</translation>
    </message>
    <message>
        <source>One try left</source>
        <translation>Noch ein Versuch</translation>
    </message>
    <message numerus="yes">
        <source>%n tries left</source>
        <translation>
            <numerusform>Noch %n Versuch</numerusform>
            <numerusform>Noch %n Versuche</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brev::NameMeWindow</name>
    <message>
        <source>Portrait of the president to name</source>
        <translation>Porträt des gesuchten Präsidenten</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Press a letter, only</source>
        <translation>Drück nur Buchstabentasten</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>Lücke</translation>
    </message>
    <message>
        <source>space</source>
        <translation>Leerzeichen</translation>
    </message>
    <message>
        <source>Hidden name: %1</source>
        <translation>Verborgener Name: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>Stage picture: %1 of %2 wrong letters</source>
        <translation>Bild: %1 von %2 falschen Buchstaben</translation>
    </message>
    <message>
        <source>Wrong letters: %1. %2</source>
        <translation>Falsche Buchstaben: %1. %2</translation>
    </message>
</context>
<context>
    <name>brev::OddOneOutModel</name>
    <message>
        <source>Correct -- %1</source>
        <translation>Richtig: %1</translation>
    </message>
    <message>
        <source>No, %1</source>
        <translation>Nein: %1</translation>
    </message>
    <message>
        <source>%1&apos;s end of term: %2, not %3</source>
        <translation>Ende der Amtszeit von %1: %2, nicht %3</translation>
    </message>
    <message>
        <source>%1&apos;s party: %2, not %3</source>
        <translation>Partei von %1: %2, nicht %3</translation>
    </message>
    <message>
        <source>Click on the item that does NOT fit the pattern</source>
        <translation>Klick auf den, der NICHT zu den anderen passt</translation>
    </message>
</context>
<context>
    <name>brev::OddOneOutWindow</name>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Überspringen</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Klick hier, wenn du weitermachen willst</translation>
    </message>
</context>
<context>
    <name>brev::PortraitMatchModel</name>
    <message>
        <source>%1 placed on image of %2</source>
        <translation>%1 auf das Porträt von %2 gelegt</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** Ergebnis: %1 von %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** Alles richtig!</translation>
    </message>
    <message>
        <source>Click on one of the colored bars</source>
        <translation>Klick auf einen der farbigen Balken</translation>
    </message>
    <message>
        <source>Then drag it to its picture</source>
        <translation>Zieh ihn dann auf sein Porträt</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Wenn alle Balken liegen, klick auf „Fertig“</translation>
    </message>
    <message>
        <source>Resize window to change image size</source>
        <translation>Ändere die Fenstergröße, um die Bilder zu vergrößern oder zu verkleinern</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the top left one</source>
        <translation>%1 wurde nicht gelegt: sein Porträt ist das obere linke</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the top right one</source>
        <translation>%1 wurde nicht gelegt: sein Porträt ist das obere rechte</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the bottom left one</source>
        <translation>%1 wurde nicht gelegt: sein Porträt ist das untere linke</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the bottom right one</source>
        <translation>%1 wurde nicht gelegt: sein Porträt ist das untere rechte</translation>
    </message>
</context>
<context>
    <name>brev::PortraitMatchWindow</name>
    <message>
        <source>Portrait %1 of 4</source>
        <translation>Porträt %1 von 4</translation>
    </message>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Zieh diesen Balken auf sein Porträt</translation>
    </message>
</context>
<context>
    <name>brev::ProgramDir</name>
    <message>
        <source>The folder %1 for the game&apos;s files cannot be created.</source>
        <translation>Der Ordner %1 für die Dateien des Spiels kann nicht angelegt werden.</translation>
    </message>
    <message>
        <source>The folder %1 for the game&apos;s files cannot be written to.</source>
        <translation>In den Ordner %1 für die Dateien des Spiels kann nicht geschrieben werden.</translation>
    </message>
    <message>
        <source>The file %1 cannot be copied into the folder %2.</source>
        <translation>Die Datei %1 kann nicht in den Ordner %2 kopiert werden.</translation>
    </message>
</context>
<context>
    <name>brev::ProgressStore</name>
    <message>
        <source>The game goes on without recording progress, and leaves the file as it is.</source>
        <translation>Das Spiel geht weiter, ohne den Fortschritt zu speichern, und lässt die Datei, wie sie ist.</translation>
    </message>
    <message>
        <source>The game goes on without recording progress.</source>
        <translation>Das Spiel geht weiter, ohne den Fortschritt zu speichern.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program: it stayed locked for %2 ms.</source>
        <translation>Die Fortschrittsdatei %1 wird von einem anderen Programm benutzt; sie blieb %2 ms lang gesperrt.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be written: it or its folder is read-only.</source>
        <translation>Die Fortschrittsdatei %1 kann nicht geschrieben werden, weil sie oder ihr Ordner schreibgeschützt ist.</translation>
    </message>
    <message>
        <source>The progress file %1 is damaged or is not a database (%2).</source>
        <translation>Die Fortschrittsdatei %1 ist beschädigt oder keine Datenbank (%2).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot grow: the disk is full.</source>
        <translation>Die Fortschrittsdatei %1 kann nicht wachsen: Der Datenträger ist voll.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be opened (%2).</source>
        <translation>Die Fortschrittsdatei %1 kann nicht geöffnet werden (%2).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be used while %2 (%3).</source>
        <translation>Die Fortschrittsdatei %1 kann beim %2 nicht benutzt werden (%3).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be opened: the Qt SQLite driver is not installed (Debian package libqt6sql6-sqlite).</source>
        <translation>Die Fortschrittsdatei %1 kann nicht geöffnet werden: Der SQLite-Treiber von Qt ist nicht installiert (Debian-Paket libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be made: its folder does not exist.</source>
        <translation>Die Fortschrittsdatei %1 kann nicht angelegt werden, weil ihr Ordner nicht existiert.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be opened: it is not a file.</source>
        <translation>Die Fortschrittsdatei %1 kann nicht geöffnet werden, weil sie keine Datei ist.</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>Öffnen</translation>
    </message>
    <message>
        <source>reading it</source>
        <translation>Lesen</translation>
    </message>
    <message>
        <source>The file %1 is not this game&apos;s progress file: it is another program&apos;s database (tables: %2).</source>
        <translation>Die Datei %1 ist nicht die Fortschrittsdatei dieses Spiels, sondern die Datenbank eines anderen Programms (Tabellen: %2).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>keine</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the game (history version %2; this one knows version %3 and older).</source>
        <translation>Die Fortschrittsdatei %1 wurde von einer neueren Version des Spiels geschrieben (Verlaufsversion %2; diese kennt Version %3 und ältere).</translation>
    </message>
    <message>
        <source>The progress file %1 is damaged: it holds no history version.</source>
        <translation>Die Fortschrittsdatei %1 ist beschädigt: Die Verlaufsversion fehlt.</translation>
    </message>
    <message>
        <source>The progress file %1 is damaged: a table of games or answers is missing or changed (%2).</source>
        <translation>Die Fortschrittsdatei %1 ist beschädigt: Eine Tabelle mit Spielen oder Antworten fehlt oder wurde verändert (%2).</translation>
    </message>
    <message>
        <source>starting a new history in it</source>
        <translation>Anlegen eines neuen Verlaufs</translation>
    </message>
    <message>
        <source>checking that it can be written</source>
        <translation>Prüfen des Schreibzugriffs</translation>
    </message>
    <message>
        <source>preparing to record</source>
        <translation>Vorbereiten der Aufzeichnung</translation>
    </message>
    <message>
        <source>recording a new game</source>
        <translation>Aufzeichnen eines neuen Spiels</translation>
    </message>
    <message>
        <source>recording a question</source>
        <translation>Aufzeichnen einer Frage</translation>
    </message>
    <message>
        <source>recording the end of a game</source>
        <translation>Aufzeichnen eines Spielendes</translation>
    </message>
    <message>
        <source>reading its players</source>
        <translation>Lesen der Spieler</translation>
    </message>
    <message>
        <source>reading the answers about each president</source>
        <translation>Lesen der Antworten zu jedem Präsidenten</translation>
    </message>
    <message>
        <source>reading the answers in each category</source>
        <translation>Lesen der Antworten zu jeder Frageart</translation>
    </message>
    <message>
        <source>reading its games</source>
        <translation>Lesen der Spiele</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>The name of a player who has not given one, as the Progress window shows it.</extracomment>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>bringing it up to date</source>
        <translation>Aktualisieren</translation>
    </message>
    <message>
        <source>reading its class reports</source>
        <translation>Lesen der Klassenberichte</translation>
    </message>
    <message>
        <source>removing a class report sent</source>
        <translation>Entfernen eines gesendeten Klassenberichts</translation>
    </message>
    <message>
        <source>reading its class&apos;s practice set</source>
        <translation>Lesen der Übungsauswahl der Klasse</translation>
    </message>
    <message>
        <source>keeping its class&apos;s practice set</source>
        <translation>Speichern der Übungsauswahl der Klasse</translation>
    </message>
    <message>
        <source>noting an unknown class code</source>
        <translation>Vermerken eines unbekannten Klassencodes</translation>
    </message>
</context>
<context>
    <name>brev::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Fortschritt</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Fortschritt: %1</translation>
    </message>
    <message>
        <source>Presidents and how well you know them</source>
        <translation>Die Präsidenten und wie gut du sie kennst</translation>
    </message>
    <message>
        <source>Accuracy per kind of question</source>
        <translation>Trefferquote pro Frageart</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Richtig</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Üben</translation>
    </message>
    <message>
        <source>A game about the presidents you know least; it does not enter the hall of fame</source>
        <translation>Ein Spiel zu den Präsidenten, die du am wenigsten kennst; es kommt nicht in die Bestenliste</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Marks: ? unseen, 1 learning, 2 familiar, 3 mastered (from your last five answers about each president).</source>
        <translation>Markierungen: ? neu, 1 in Arbeit, 2 vertraut, 3 gemeistert (nach deinen letzten fünf Antworten zu jedem Präsidenten).</translation>
    </message>
    <message>
        <source>Final scores, in percent</source>
        <translation>Endergebnisse in Prozent</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>Frageart</translation>
    </message>
    <message>
        <source>Questions answered</source>
        <translation>Beantwortete Fragen</translation>
    </message>
    <message>
        <source>Partly right</source>
        <translation>Teilweise richtig</translation>
    </message>
    <message>
        <source>Class practice: %1 to %2</source>
        <translation>Klassenübung: %1 bis %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>%1 bis %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>presidents</comment>
        <translation>
            <numerusform>und %n weiterer</numerusform>
            <numerusform>und %n weitere</numerusform>
        </translation>
    </message>
    <message>
        <source>Class practice: %1</source>
        <translation>Klassenübung: %1</translation>
    </message>
    <message>
        <source>The presidents your teacher set for practice: a practice game asks about them first</source>
        <translation>Die Präsidenten, die deine Lehrkraft zum Üben gewählt hat: Ein Übungsspiel fragt zuerst nach ihnen</translation>
    </message>
</context>
<context>
    <name>brev::QuestionExport</name>
    <message>
        <source>Will create 12 question file for online games</source>
        <translation>Es wird eine Datei mit 12 Fragen für Online-Spiele erstellt</translation>
    </message>
    <message>
        <source>Will create 50 questions in tabbed format</source>
        <translation>Es werden 50 Fragen mit Tabulatoren erstellt</translation>
    </message>
    <message>
        <source>Tabbed questions come from multiple-choice and matching questions only: sorting and portrait questions have no tabbed form.</source>
        <translation>Fragen mit Tabulatoren entstehen nur aus Multiple-Choice- und Zuordnen-Fragen: Ordnen- und Porträtfragen haben keine Tabulatorform.</translation>
    </message>
    <message>
        <source>Select at least one of the first ten question types in the list, then make the tabbed questions again.</source>
        <translation>Wähl mindestens eine der ersten zehn Fragearten in der Liste und erstell die Fragen mit Tabulatoren dann noch einmal.</translation>
    </message>
    <message>
        <source>No question category is enabled in %1: choose some on the setup screen first.</source>
        <translation>In %1 ist keine Frageart eingeschaltet: Wähl zuerst im Einstellungsfenster welche aus.</translation>
    </message>
    <message>
        <source>No question category enabled in %1 writes tabbed questions (sorting and portrait questions have no tabbed form): enable one of categories 1 to 10 on the setup screen first.</source>
        <translation>Keine der in %1 eingeschalteten Fragearten ergibt Fragen mit Tabulatoren (Ordnen- und Porträtfragen haben keine Tabulatorform): Schalt zuerst im Einstellungsfenster eine der Fragearten 1 bis 10 ein.</translation>
    </message>
    <message numerus="yes">
        <source>The enabled categories ran out of records before %n questions were written; enable more categories and try again.</source>
        <translation>
            <numerusform>Den eingeschalteten Fragearten sind die Datensätze ausgegangen, bevor %n Frage geschrieben war; schalt mehr Fragearten ein und versuch es noch einmal.</numerusform>
            <numerusform>Den eingeschalteten Fragearten sind die Datensätze ausgegangen, bevor %n Fragen geschrieben waren; schalt mehr Fragearten ein und versuch es noch einmal.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brev::QuestionModel</name>
    <message>
        <source>Results for %1</source>
        <translation>Ergebnisse: %1</translation>
    </message>
</context>
<context>
    <name>brev::QuotationModel</name>
    <message>
        <source>Source: %1</source>
        <translation>Quelle: %1</translation>
    </message>
</context>
<context>
    <name>brev::QuotationWindow</name>
    <message>
        <source>Quotation</source>
        <translation>Zitat</translation>
    </message>
</context>
<context>
    <name>brev::RecordBrowser</name>
    <message>
        <source>Birth: %1</source>
        <translation>Geboren: %1</translation>
    </message>
    <message>
        <source>Birthplace: %1</source>
        <translation>Geburtsort: %1</translation>
    </message>
    <message>
        <source>Home: %1</source>
        <translation>Heimatstaat: %1</translation>
    </message>
    <message>
        <source>Term: %1</source>
        <translation>Amtszeit: %1</translation>
    </message>
    <message>
        <source>First Lady: %1</source>
        <translation>First Lady: %1</translation>
    </message>
    <message>
        <source>Sec&apos;y State: %1</source>
        <translation>Außenminister: %1</translation>
    </message>
    <message>
        <source>Sec&apos;y War: %1</source>
        <translation>Kriegsminister: %1</translation>
    </message>
    <message>
        <source>Attn Gen: %1</source>
        <translation>Justizminister: %1</translation>
    </message>
    <message>
        <source>Vice Pres: %1</source>
        <translation>Vizepräsident: %1</translation>
    </message>
    <message>
        <source>Problem? no name for %1</source>
        <translation>Problem? Datensatz %1 hat keinen Namen</translation>
    </message>
    <message>
        <source>No internet link available</source>
        <translation>Kein Link vorhanden</translation>
    </message>
</context>
<context>
    <name>brev::Records</name>
    <message>
        <source>The data file %1 ends inside a quoted text: %2 opens a double quote on line %3 that is never closed.</source>
        <extracomment>%2 names the value: &quot;record 3, item 5 (term),&quot; or &quot;the link of record 3&quot;</extracomment>
        <translation>Die Datendatei %1 endet mitten in einem Text in Anführungszeichen: %2 öffnet in Zeile %3 ein Anführungszeichen, das nie geschlossen wird.</translation>
    </message>
    <message>
        <source>record %1, item %2 (%3),</source>
        <translation>Datensatz %1, Eintrag %2 (%3),</translation>
    </message>
    <message>
        <source>The data file %1 ends early: record %2 stops before item %3 (%4).</source>
        <translation>Die Datendatei %1 endet zu früh: Datensatz %2 hört vor Eintrag %3 (%4) auf.</translation>
    </message>
    <message>
        <source>The data file %1 ends early: record %2 of %3 stops before item %4 (%5).</source>
        <translation>Die Datendatei %1 endet zu früh: Datensatz %2 von %3 hört vor Eintrag %4 (%5) auf.</translation>
    </message>
    <message>
        <source>The data file %1 ends early: the link section is missing.</source>
        <translation>Die Datendatei %1 endet zu früh: Der Abschnitt mit den Links fehlt.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2, item %3 (%4) holds &quot;%6&quot;, which is out of range (-32768 to 32767) (line %5).</source>
        <translation>Die Datendatei %1 ist beschädigt: Datensatz %2, Eintrag %3 (%4) enthält „%6“, was außerhalb des Bereichs liegt (-32768 bis 32767) (Zeile %5).</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2, item %3 (%4) holds &quot;%6&quot;, which is not a whole number (line %5).</source>
        <translation>Die Datendatei %1 ist beschädigt: Datensatz %2, Eintrag %3 (%4) enthält „%6“, was keine ganze Zahl ist (Zeile %5).</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2 (line %3) has no name.</source>
        <translation>Die Datendatei %1 ist beschädigt: Datensatz %2 (Zeile %3) hat keinen Namen.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2 (line %3) holds more than %4 items.</source>
        <translation>Die Datendatei %1 ist beschädigt: Datensatz %2 (Zeile %3) enthält mehr als %4 Einträge.</translation>
    </message>
    <message>
        <source>the base address of the link section</source>
        <translation>die Basisadresse des Abschnitts mit den Links</translation>
    </message>
    <message>
        <source>the link of record %1</source>
        <translation>der Link von Datensatz %1</translation>
    </message>
    <message>
        <source>The data file %1 ends early: the link section stops before the link of record %2.</source>
        <translation>Die Datendatei %1 endet zu früh: Der Abschnitt mit den Links hört vor dem Link von Datensatz %2 auf.</translation>
    </message>
    <message>
        <source>The data file %1 ends early: the link section stops before the link of record %2 of %3.</source>
        <translation>Die Datendatei %1 endet zu früh: Der Abschnitt mit den Links hört vor dem Link von Datensatz %2 von %3 auf.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: line %2 holds more after the link of record %3; the file holds its records, one per line, then the base address and one link per record.</source>
        <translation>Die Datendatei %1 ist beschädigt: Zeile %2 enthält noch etwas nach dem Link von Datensatz %3; die Datei enthält ihre Datensätze, einen pro Zeile, dann die Basisadresse und einen Link pro Datensatz.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: line %2 holds more after the link of record %3; the file holds %3 records, one per line, then the base address and %3 links.</source>
        <translation>Die Datendatei %1 ist beschädigt: Zeile %2 enthält noch etwas nach dem Link von Datensatz %3; die Datei enthält %3 Datensätze, einen pro Zeile, dann die Basisadresse und %3 Links.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The data file %1 cannot be read: %2.</source>
        <translation>Die Datendatei %1 kann nicht gelesen werden: %2.</translation>
    </message>
    <message>
        <source>The game goes on with the %1 presidents of %2.</source>
        <translation>Das Spiel geht mit den %1 Präsidenten aus %2 weiter.</translation>
    </message>
</context>
<context>
    <name>brev::ReviewWindow</name>
    <message>
        <source>Review of the Game</source>
        <translation>Rückblick auf das Spiel</translation>
    </message>
    <message>
        <source>Questions of the game</source>
        <translation>Fragen des Spiels</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Kopieren</translation>
    </message>
    <message>
        <source>Copy the review as plain text, to paste or print elsewhere</source>
        <translation>Kopiert den Rückblick als Text, um ihn anderswo einzufügen oder zu drucken</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Frage %1: %2</translation>
    </message>
</context>
<context>
    <name>brev::ScoreChart</name>
    <message>
        <source>Scores over time</source>
        <translation>Ergebnisse im Lauf der Zeit</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Noch keine beendeten Spiele.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s); the latest %1%, the best %2%.</source>
        <translation>
            <numerusform>%n Spiel; das letzte mit %1&#xa0;%, das beste mit %2&#xa0;%.</numerusform>
            <numerusform>%n Spiele; das letzte mit %1&#xa0;%, das beste mit %2&#xa0;%.</numerusform>
        </translation>
    </message>
    <message>
        <source>%1%</source>
        <extracomment>A percentage on the score chart&apos;s axis: 0, 50 or 100.</extracomment>
        <translation>%1&#xa0;%</translation>
    </message>
</context>
<context>
    <name>brev::ScoreWindow</name>
    <message>
        <source>Score</source>
        <translation>Punktestand</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Ergebnisse</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here when  ready to proceed</source>
        <translation>Klick hier, wenn du weitermachen willst</translation>
    </message>
    <message>
        <source>Current score: %1 of %2  (%3%)</source>
        <translation>Aktueller Punktestand: %1 von %2  (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Spiel beenden</translation>
    </message>
    <message>
        <source>End the game here: the final score counts the questions asked so far</source>
        <translation>Beendet das Spiel hier: Das Endergebnis zählt die bisher gestellten Fragen</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>Noch %n Frage</numerusform>
            <numerusform>Noch %n Fragen</numerusform>
        </translation>
    </message>
    <message>
        <source>One question left</source>
        <translation>Noch eine Frage</translation>
    </message>
    <message>
        <source>That was the last question.</source>
        <translation>Das war die letzte Frage.</translation>
    </message>
</context>
<context>
    <name>brev::SettingsStore</name>
    <message>
        <source>line %1 opens a double quote that is never closed</source>
        <translation>Zeile %1 öffnet ein Anführungszeichen, das nie geschlossen wird</translation>
    </message>
    <message>
        <source>line %1 holds &quot;%4&quot;, which is out of range (%2 to %3)</source>
        <translation>Zeile %1 enthält „%4“, was außerhalb des Bereichs liegt (%2 bis %3)</translation>
    </message>
    <message>
        <source>line %1 holds &quot;%2&quot; where a whole number belongs</source>
        <translation>Zeile %1 enthält „%2“, wo eine ganze Zahl stehen muss</translation>
    </message>
    <message>
        <source>it ends early (line %1)</source>
        <translation>Die Datei endet zu früh (Zeile %1)</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>Die Datei wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>It could not be kept as %1 and will be replaced at the next save.</source>
        <translation>Die Datei konnte nicht als %1 aufbewahrt werden und wird beim nächsten Speichern ersetzt.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2%3The game starts with the default settings.%3%4</source>
        <translation>%1 kann nicht gelesen werden: %2%3Das Spiel startet mit den Standardeinstellungen.%3%4</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>Die beschädigte Datei wird als %1 aufbewahrt.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept as %1: %2</source>
        <translation>Die beschädigte Datei konnte nicht als %1 aufbewahrt werden: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.%3Settings after that point take their default values.%3%4</source>
        <translation>%1 ist beschädigt: %2.%3Die Einstellungen nach dieser Stelle bekommen ihre Standardwerte.%3%4</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>%1 konnte nicht gespeichert werden: %2</translation>
    </message>
    <message>
        <source>%1 could not be saved; bonus questions are on for this game only.</source>
        <translation>%1 konnte nicht gespeichert werden; die Bonusfragen sind nur eingeschaltet, bis du das Spiel beendest.</translation>
    </message>
    <message>
        <source>%1 could not be saved; bonus questions are off for this game only.</source>
        <translation>%1 konnte nicht gespeichert werden; die Bonusfragen sind nur ausgeschaltet, bis du das Spiel beendest.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the presidents after 1993 are on for this game only.</source>
        <translation>%1 konnte nicht gespeichert werden; die Präsidenten nach 1993 sind nur dabei, bis du das Spiel beendest.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the presidents after 1993 are off for this game only.</source>
        <translation>%1 konnte nicht gespeichert werden; die Präsidenten nach 1993 sind nur ausgeschlossen, bis du das Spiel beendest.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the language is kept for this game only.</source>
        <translation>%1 konnte nicht gespeichert werden; die Sprache gilt nur, bis du das Spiel beendest.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the class code is kept for this game only.</source>
        <translation>%1 konnte nicht gespeichert werden; der Klassencode gilt nur, bis du das Spiel beendest.</translation>
    </message>
</context>
<context>
    <name>brev::SetupDialog</name>
    <message>
        <source>Difficulty</source>
        <translation>Schwierigkeit</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Maximal</translation>
    </message>
    <message>
        <source>Questions per game</source>
        <translation>Fragen pro Spiel</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Soundeffekte</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Sprache</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Systemsprache</translation>
    </message>
    <message>
        <source>Make online questions</source>
        <translation>Online-Fragen erstellen</translation>
    </message>
    <message>
        <source>Make 50 tabbed questions</source>
        <translation>50 Fragen mit Tabulatoren erstellen</translation>
    </message>
    <message>
        <source>Colored items are selected</source>
        <translation>Farbige Fragearten sind eingeschaltet</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Fragearten</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Bearbeiten</translation>
    </message>
    <message>
        <source>Change item data</source>
        <translation>Daten ändern</translation>
    </message>
    <message>
        <source>HOF</source>
        <translation>Bestenliste</translation>
    </message>
    <message>
        <source>Show Hall of Fame</source>
        <translation>Bestenliste anzeigen</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Klick hier, um weiterzumachen</translation>
    </message>
    <message>
        <source>Bonus questions</source>
        <translation>Bonusfragen</translation>
    </message>
    <message>
        <source>Also ask odd one out, Name Me, quotations and more</source>
        <translation>Auch „Wer passt nicht dazu?“, „Wie heiße ich?“, Zitate und mehr</translation>
    </message>
    <message>
        <source>Presidents after 1993</source>
        <translation>Präsidenten nach 1993</translation>
    </message>
    <message>
        <source>Also ask about the presidents from George W. Bush on</source>
        <translation>Auch nach den Präsidenten ab George W. Bush fragen</translation>
    </message>
    <message>
        <source>Brevallo Game Setup</source>
        <translation>Brevallo Game – Einstellungen</translation>
    </message>
    <message>
        <source>Class code</source>
        <translation>Klassencode</translation>
    </message>
    <message>
        <source>The code your teacher gave you, six letters and digits: every finished game is reported to the class. Empty for no class.</source>
        <translation>Der Code von deiner Lehrkraft, sechs Buchstaben und Ziffern: Jedes beendete Spiel wird der Klasse gemeldet. Leer für keine Klasse.</translation>
    </message>
    <message>
        <source>The class code %1 is not whole: a class code has six letters and digits. It was not saved.</source>
        <translation>Der Klassencode %1 ist unvollständig: Ein Klassencode hat sechs Buchstaben und Ziffern. Er wurde nicht gespeichert.</translation>
    </message>
</context>
<context>
    <name>brev::SortModel</name>
    <message>
        <source>*** All correct!</source>
        <translation>*** Alles richtig!</translation>
    </message>
    <message>
        <source>*** %1 of %2 correct </source>
        <translation>*** %1 von %2 richtig </translation>
    </message>
    <message>
        <source>Sort the items listed.  Click on a line to move that item up one level.  When all are in position, click &apos;Done&apos;</source>
        <translation>Ordne die Liste. Klick auf eine Zeile, um den Eintrag eine Stelle nach oben zu schieben. Wenn alles stimmt, klick auf „Fertig“</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>Stelle %1</translation>
    </message>
    <message>
        <source>places %1 to %2</source>
        <translation>Stellen %1 bis %2</translation>
    </message>
</context>
<context>
    <name>brev::SortTitles</name>
    <message>
        <source>Sort First Ladies by term, in order of Presidency</source>
        <translation>First Ladys nach Amtszeit ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
    <message>
        <source>Sort Vice Presidents, in order of Presidency</source>
        <translation>Vizepräsidenten ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
    <message>
        <source>Sort by term served, in order of Presidency</source>
        <translation>Nach Amtszeit ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of State, in order of Presidency</source>
        <translation>Außenminister ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of War/Defense, in order of Presidency</source>
        <translation>Kriegs-/Verteidigungsminister ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
    <message>
        <source>Sort Att&apos;ys General, in order of Presidency</source>
        <translation>Justizminister ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
    <message>
        <source>Sort Supreme Court appointments, in order of Presidency</source>
        <translation>Richter am Obersten Gerichtshof ordnen, in der Reihenfolge der Präsidentschaften</translation>
    </message>
</context>
<context>
    <name>brev::SortWindow</name>
    <message>
        <source> Sort </source>
        <translation> Ordnen </translation>
    </message>
    <message>
        <source>Items to sort</source>
        <translation>Zu ordnende Einträge</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Hilfe</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Click to push an item up one slot</source>
        <translation>Klick auf eine Zeile, um sie eine Stelle nach oben zu schieben</translation>
    </message>
    <message>
        <source>Space pushes the current item up one slot</source>
        <translation>Die Leertaste schiebt den aktuellen Eintrag eine Stelle nach oben</translation>
    </message>
</context>
<context>
    <name>brev::TextFile</name>
    <message>
        <source>the file could not be written in full</source>
        <translation>Die Datei konnte nicht vollständig geschrieben werden</translation>
    </message>
</context>
<context>
    <name>brev::openlink</name>
    <message>
        <source>No web browser opened this address. Copy it into your browser:

%1</source>
        <translation>Kein Webbrowser hat diese Adresse geöffnet. Kopier sie in deinen Browser:

%1</translation>
    </message>
</context>
<context>
    <name>brevallo</name>
    <message>
        <source>The folder %1 for the game&apos;s files cannot be opened.</source>
        <translation>Der Ordner %1 für die Dateien des Spiels kann nicht geöffnet werden.</translation>
    </message>
    <message>
        <source>Brevallo Game cannot start without it.</source>
        <comment>it: the folder</comment>
        <translation>Ohne ihn kann Brevallo Game nicht starten.</translation>
    </message>
</context>
</TS>
