<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es_ES">
<context>
    <name>GameWindows</name>
    <message>
        <source>Question %1 of %2</source>
        <translation>Pregunta %1 de %2</translation>
    </message>
    <message>
        <source>Score: %1 of %2 (%3%)</source>
        <translation>Puntos: %1 de %2 (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Score: %1 of %2</source>
        <translation>Puntos: %1 de %2</translation>
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
        <translation>Textos, dibujos y sonidos del equipo de Brevallo Game</translation>
    </message>
    <message>
        <source>Free to play and to share. Facts as of 1 March 2025.</source>
        <translation>Libre para jugar y compartir. Datos al 1 de marzo de 2025.</translation>
    </message>
    <message>
        <source>Free software under the GNU General Public License, version 3 or later.</source>
        <translation>Software libre bajo la Licencia Pública General de GNU, versión 3 o posterior.</translation>
    </message>
    <message>
        <source>Play the game</source>
        <translation>Empezar una partida</translation>
    </message>
    <message>
        <source>Play</source>
        <translation>Jugar</translation>
    </message>
    <message>
        <source>Conditions for the game</source>
        <translation>Opciones de la partida</translation>
    </message>
    <message>
        <source>Setup</source>
        <translation>Configuración</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Which presidents you know, your scores over time, and a practice game</source>
        <translation>Qué presidentes conoces, tus puntuaciones a lo largo del tiempo y una partida de práctica</translation>
    </message>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
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
        <translation>(nada)</translation>
    </message>
    <message>
        <source>%1 (wrong letters:%2)</source>
        <translation>%1 (letras incorrectas:%2)</translation>
    </message>
    <message>
        <source>Name the president in the portrait</source>
        <translation>Di el nombre del presidente del retrato</translation>
    </message>
    <message>
        <source>Which does not fit: %1?</source>
        <translation>¿Quién no encaja: %1?</translation>
    </message>
    <message>
        <source>Portrait of %1</source>
        <translation>Retrato de %1</translation>
    </message>
    <message>
        <source>skipped</source>
        <translation>saltada</translation>
    </message>
    <message>
        <source>right</source>
        <translation>correcta</translation>
    </message>
    <message>
        <source>wrong</source>
        <translation>incorrecta</translation>
    </message>
    <message>
        <source>Question %1 (%2): %3</source>
        <translation>Pregunta %1 (%2): %3</translation>
    </message>
    <message>
        <source>Your answer:</source>
        <translation>Tu respuesta:</translation>
    </message>
    <message>
        <source>Right answer:</source>
        <translation>Respuesta correcta:</translation>
    </message>
    <message>
        <source>Points: %1 of %2</source>
        <translation>Puntos: %1 de %2</translation>
    </message>
    <message>
        <source>partly right</source>
        <translation>correcta en parte</translation>
    </message>
    <message>
        <source>Right: %1, partly right: %2, wrong: %3, skipped: %4</source>
        <translation>Correctas: %1, correctas en parte: %2, incorrectas: %3, saltadas: %4</translation>
    </message>
</context>
<context>
    <name>brev::BarDrag</name>
    <message>
        <source>Drop the picked-up bar here</source>
        <translation>Coloca aquí la barra levantada</translation>
    </message>
    <message>
        <source>Empty</source>
        <translation>Vacío</translation>
    </message>
    <message>
        <source>Holds %1</source>
        <translation>Contiene %1</translation>
    </message>
</context>
<context>
    <name>brev::Categories</name>
    <message>
        <source>When did this president serve?</source>
        <translation>¿Cuándo gobernó este presidente?</translation>
    </message>
    <message>
        <source>When did %1 serve?</source>
        <translation>¿Cuándo gobernó %1?</translation>
    </message>
    <message>
        <source>Who was this president&apos;s Vice President?</source>
        <translation>¿Quién fue el vicepresidente de este presidente?</translation>
    </message>
    <message>
        <source>Who served as Vice President under %1?</source>
        <translation>¿Quién fue vicepresidente durante el mandato de %1?</translation>
    </message>
    <message>
        <source>When was this president born?</source>
        <translation>¿Cuándo nació este presidente?</translation>
    </message>
    <message>
        <source>When was %1 born?</source>
        <translation>¿Cuándo nació %1?</translation>
    </message>
    <message>
        <source>Match Presidents and terms</source>
        <translation>Relacionar presidentes y mandatos</translation>
    </message>
    <message>
        <source>Match Vice Presidents</source>
        <translation>Relacionar vicepresidentes</translation>
    </message>
    <message>
        <source>Match First Ladies and Presidents</source>
        <translation>Relacionar primeras damas y presidentes</translation>
    </message>
    <message>
        <source>Match Birthplaces</source>
        <translation>Relacionar lugares de nacimiento</translation>
    </message>
    <message>
        <source>Match Sec&apos;ys of State</source>
        <translation>Relacionar secretarios de Estado</translation>
    </message>
    <message>
        <source>Match Sec&apos;ys of War/Defense</source>
        <translation>Relacionar secretarios de Guerra/Defensa</translation>
    </message>
    <message>
        <source>Match Att&apos;ys General</source>
        <translation>Relacionar fiscales generales</translation>
    </message>
    <message>
        <source>Portraits </source>
        <translation>Retratos</translation>
    </message>
    <message>
        <source>Sort by birthdate</source>
        <translation>Ordenar por fecha de nacimiento</translation>
    </message>
    <message>
        <source>Sort First Ladies by term</source>
        <translation>Ordenar primeras damas por mandato</translation>
    </message>
    <message>
        <source>Sort Vice Presidents</source>
        <translation>Ordenar vicepresidentes</translation>
    </message>
    <message>
        <source>Sort by term served</source>
        <translation>Ordenar por mandato</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of State</source>
        <translation>Ordenar secretarios de Estado</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of War/Defense</source>
        <translation>Ordenar secretarios de Guerra/Defensa</translation>
    </message>
    <message>
        <source>Sort Att&apos;ys General</source>
        <translation>Ordenar fiscales generales</translation>
    </message>
    <message>
        <source>Who didn&apos;t belong to this party? </source>
        <translation>¿Quién no era de este partido?</translation>
    </message>
    <message>
        <source>Name Me</source>
        <translation>¿Cómo me llamo?</translation>
    </message>
    <message>
        <source>Sort Supreme Court appointments</source>
        <translation>Ordenar nombramientos para la Corte Suprema</translation>
    </message>
    <message>
        <source>Match Supreme Court appointments</source>
        <translation>Relacionar nombramientos para la Corte Suprema</translation>
    </message>
    <message>
        <source>Match End of terms</source>
        <translation>Relacionar finales de mandato</translation>
    </message>
    <message>
        <source>Who didn&apos;t finish this term this way? </source>
        <translation>¿Quién no terminó su mandato así?</translation>
    </message>
    <message>
        <source>Match Political opponents </source>
        <translation>Relacionar rivales electorales</translation>
    </message>
    <message>
        <source>Match Homes</source>
        <translation>Relacionar estados de residencia</translation>
    </message>
    <message>
        <source>Who said it?</source>
        <translation>¿Quién lo dijo?</translation>
    </message>
    <message>
        <source>Who said this?</source>
        <translation>¿Quién dijo esto?</translation>
    </message>
</context>
<context>
    <name>brev::ChoiceButton</name>
    <message>
        <source>Choice %1 of %2: %3</source>
        <translation>Opción %1 de %2: %3</translation>
    </message>
</context>
<context>
    <name>brev::ChoiceWindow</name>
    <message>
        <source>Multiple Choice</source>
        <translation>Opción múltiple</translation>
    </message>
    <message>
        <source>help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>skip</source>
        <translation>Saltar</translation>
    </message>
</context>
<context>
    <name>brev::ClassReporter</name>
    <message>
        <source>The class reports cannot reach the hall-of-fame service at %1 now (%2). They wait on this computer and go after the next game.</source>
        <translation>Los informes de la clase no llegan ahora al servicio del Salón de la Fama en %1 (%2). Esperan en este ordenador y se envían después de la próxima partida.</translation>
    </message>
    <message>
        <source>The class code %1 is not known to the hall-of-fame service at %2: check it with your teacher. Reports for that code wait on this computer until it is known.</source>
        <translation>El servicio del Salón de la Fama en %2 no conoce el código de clase %1: compruébalo con tu profesor. Los informes para ese código esperan en este ordenador hasta que se conozca.</translation>
    </message>
</context>
<context>
    <name>brev::CommandLineExport</name>
    <message>
        <source>%1 is missing: the export takes its question categories from it.</source>
        <translation>Falta %1: la exportación toma de ahí los tipos de preguntas.</translation>
    </message>
    <message>
        <source>No questions were exported.</source>
        <translation>No se exportó ninguna pregunta.</translation>
    </message>
    <message>
        <source>the questions could not be written to standard output.</source>
        <translation>no se pudieron escribir las preguntas en la salida estándar.</translation>
    </message>
    <message>
        <source>%1 cannot be written: %2</source>
        <translation>No se puede escribir %1: %2</translation>
    </message>
    <message>
        <source>the table could not be written to standard output.</source>
        <translation>no se pudo escribir la tabla en la salida estándar.</translation>
    </message>
</context>
<context>
    <name>brev::DataEditorWindow</name>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Choose an item to display</source>
        <translation>Elige un presidente</translation>
    </message>
    <message>
        <source>Previous</source>
        <translation>Anterior</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Siguiente</translation>
    </message>
    <message>
        <source>More info</source>
        <translation>Más información</translation>
    </message>
    <message>
        <source>image </source>
        <translation>Imagen </translation>
    </message>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Change the difficulty</source>
        <translation>Cambia la dificultad</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Save changes, &amp; return to setup screen</source>
        <translation>Guarda los cambios y vuelve a la configuración</translation>
    </message>
</context>
<context>
    <name>brev::EndKinds</name>
    <message>
        <source>Served term</source>
        <translation>Cumplió su mandato</translation>
    </message>
    <message>
        <source>Died in office</source>
        <translation>Murió en el cargo</translation>
    </message>
    <message>
        <source>Assassinated</source>
        <translation>Asesinado</translation>
    </message>
    <message>
        <source>Lost try at re-election</source>
        <translation>Perdió la reelección</translation>
    </message>
    <message>
        <source>In office</source>
        <translation>En el cargo</translation>
    </message>
</context>
<context>
    <name>brev::Game</name>
    <message>
        <source>Current set doesn&apos;t provide enough items for %1. Use another question type or change difficulty level to include more.</source>
        <translation>No hay suficientes datos para «%1». Elige otro tipo de pregunta o cambia la dificultad para incluir más.</translation>
    </message>
    <message>
        <source>No question set for %1</source>
        <translation>No hay preguntas para «%1»</translation>
    </message>
    <message>
        <source>%1No questions possible with current selections.  Change difficulty levels or question types</source>
        <extracomment>%1 is always 0, shown in front of the sentence.</extracomment>
        <translation>%1Con lo que has elegido no se puede hacer ninguna pregunta. Cambia la dificultad o los tipos de preguntas</translation>
    </message>
    <message>
        <source>You scored %1 out of %2 (%3%)</source>
        <translation>Obtuviste %1 de %2 puntos (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>Score adjusted for difficulty: %1</source>
        <translation>Puntuación ajustada a la dificultad: %1</translation>
    </message>
    <message>
        <source>This was a practice game: it does not enter the hall of fame.</source>
        <translation>Era una partida de práctica: no entra en el Salón de la Fama.</translation>
    </message>
</context>
<context>
    <name>brev::GameLog</name>
    <message>
        <source>The log file %1 cannot be written: %2</source>
        <translation>No se puede escribir el archivo de registro %1: %2</translation>
    </message>
    <message>
        <source>The game goes on without it.</source>
        <translation>El juego sigue sin él.</translation>
    </message>
</context>
<context>
    <name>brev::HallOfFame</name>
    <message>
        <source>line %1 holds &quot;%2&quot; where a whole number belongs</source>
        <translation>la línea %1 contiene «%2» donde va un número entero</translation>
    </message>
    <message>
        <source>it ends early (line %1)</source>
        <translation>el archivo termina antes de tiempo (línea %1)</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>No se puede leer %1: %2</translation>
    </message>
    <message>
        <source>it counts %1 entries</source>
        <translation>el archivo indica %1 entradas</translation>
    </message>
    <message>
        <source>it counts %1 entries where the list holds %2</source>
        <translation>el archivo indica %1 entradas, pero la lista solo tiene %2 puestos</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.</source>
        <translation>%1 está dañado: %2.</translation>
    </message>
    <message>
        <source>The hall of fame keeps the entries read before that point (%1).</source>
        <translation>El Salón de la Fama conserva las entradas leídas hasta ese punto (%1).</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be deleted: %2</source>
        <translation>No se pudo borrar %1: %2</translation>
    </message>
    <message>
        <source>Must be in top 5 of local HOF to be entered online</source>
        <translation>Solo los puestos 1 a 5 del Salón de la Fama local pueden enviarse en línea</translation>
    </message>
    <message>
        <source>Rank   Score  % Dif Name           Date </source>
        <extracomment>The columns&apos; heading of the hall-of-fame list, in a fixed-pitch font: each word stands over its column (place, score, per cent, difficulty, name, date); keep every word within its column&apos;s width.</extracomment>
        <translation>Pos.  Puntos  % Dif Nombre         Fecha </translation>
    </message>
</context>
<context>
    <name>brev::HallOfFameWindow</name>
    <message>
        <source>%1. %2, difficulty %3, score %4, %5 percent</source>
        <translation>%1. %2, dificultad %3, puntuación %4, %5 por ciento</translation>
    </message>
    <message>
        <source>%1. %2, score %3, %4 percent</source>
        <translation>%1. %2, puntuación %3, %4 por ciento</translation>
    </message>
    <message>
        <source>No entries</source>
        <translation>Sin entradas</translation>
    </message>
    <message>
        <source>Hall of Fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Hall of fame</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Vaciar</translation>
    </message>
    <message>
        <source>Online HOF</source>
        <translation>Salón de la Fama en línea</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>No games are recorded yet.</source>
        <translation>Todavía no hay partidas registradas.</translation>
    </message>
    <message>
        <source>Hof was recently cleared</source>
        <translation>El Salón de la Fama acaba de vaciarse</translation>
    </message>
    <message>
        <source>Clear HOF</source>
        <translation>Vaciar el Salón de la Fama</translation>
    </message>
    <message>
        <source>Really clear Hall of Frame?</source>
        <translation>¿Seguro que quieres vaciar el Salón de la Fama?</translation>
    </message>
    <message>
        <source>Check the Brevallo Game online HOF</source>
        <translation>Ver el Salón de la Fama en línea de Brevallo Game</translation>
    </message>
</context>
<context>
    <name>brev::HelpViewer</name>
    <message>
        <source>The help text %1 cannot be read: %2.</source>
        <translation>No se puede leer el texto de ayuda %1: %2.</translation>
    </message>
    <message>
        <source>Brevallo Game Help</source>
        <translation>Ayuda de Brevallo Game</translation>
    </message>
    <message>
        <source>Help text</source>
        <translation>Texto de ayuda</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
</context>
<context>
    <name>brev::MainWindow</name>
    <message>
        <source>Brevallo Game cannot start without it.</source>
        <comment>it: the data file</comment>
        <translation>Brevallo Game no puede empezar sin él.</translation>
    </message>
    <message>
        <source>Version %1</source>
        <translation>Versión %1</translation>
    </message>
    <message>
        <source>The background picture %1 is missing or cannot be read; the game goes on without it.</source>
        <translation>Falta la imagen de fondo %1 o no se puede leer; el juego sigue sin ella.</translation>
    </message>
</context>
<context>
    <name>brev::Mastery</name>
    <message>
        <source>Unseen</source>
        <translation>Sin ver</translation>
    </message>
    <message>
        <source>Learning</source>
        <translation>Aprendiendo</translation>
    </message>
    <message>
        <source>Familiar</source>
        <translation>Conocido</translation>
    </message>
    <message>
        <source>Mastered</source>
        <translation>Dominado</translation>
    </message>
    <message>
        <source>Not asked yet</source>
        <translation>Todavía no ha salido</translation>
    </message>
    <message>
        <source>Right the one time asked</source>
        <translation>Acertaste la única vez que salió</translation>
    </message>
    <message>
        <source>Wrong the one time asked</source>
        <translation>Fallaste la única vez que salió</translation>
    </message>
    <message>
        <source>%1 of the last %2 answers right</source>
        <translation>%1 de las últimas %2 respuestas correctas</translation>
    </message>
    <message>
        <source>%1, the latest right</source>
        <extracomment>%1 is &quot;3 of the last 5 answers right&quot;; the newest answer was right</extracomment>
        <translation>%1; la última, correcta</translation>
    </message>
    <message>
        <source>%1, the latest wrong</source>
        <extracomment>%1 is &quot;3 of the last 5 answers right&quot;; the newest answer was wrong</extracomment>
        <translation>%1; la última, incorrecta</translation>
    </message>
</context>
<context>
    <name>brev::MatchModel</name>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** Resultado: %1 de %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** ¡Todo correcto!</translation>
    </message>
    <message>
        <source>Click on one of the colored bars at the top</source>
        <translation>Haz clic en una de las barras de color de arriba</translation>
    </message>
    <message>
        <source>Then drag it down to the best match in the descriptions below</source>
        <translation>Luego arrástrala hasta la descripción que le corresponde, más abajo</translation>
    </message>
    <message>
        <source>Or, click on a colored bar, then click on the proper definition</source>
        <translation>O haz clic en una barra de color y luego en su descripción</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Cuando todas estén colocadas, haz clic en «Listo»</translation>
    </message>
</context>
<context>
    <name>brev::MatchWindow</name>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Arrastra esta barra hasta su descripción, más abajo</translation>
    </message>
    <message>
        <source>Drag one of the colored bars to this description</source>
        <translation>Arrastra aquí una de las barras de color</translation>
    </message>
</context>
<context>
    <name>brev::MatchingWindow</name>
    <message>
        <source>Match &apos;em</source>
        <translation>¡A relacionar!</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Haz clic aquí cuando quieras seguir</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
</context>
<context>
    <name>brev::MultipleChoiceModel</name>
    <message>
        <source> Correct, +5 pts</source>
        <translation>¡Correcto! +5 puntos</translation>
    </message>
    <message>
        <source>Sorry, the answer was %1</source>
        <translation>Lo siento, la respuesta era %1</translation>
    </message>
    <message>
        <source>Click on the best description.</source>
        <translation>Haz clic en la mejor opción.</translation>
    </message>
    <message>
        <source>Click on skip to move to the next question</source>
        <translation>Haz clic en Saltar para pasar a la siguiente pregunta</translation>
    </message>
</context>
<context>
    <name>brev::NameBar</name>
    <message>
        <source>Picked up</source>
        <translation>Levantada</translation>
    </message>
    <message>
        <source>Placed on &quot;%1&quot;</source>
        <translation>Colocada en «%1»</translation>
    </message>
    <message>
        <source>Not placed</source>
        <translation>Sin colocar</translation>
    </message>
    <message>
        <source>Pick up</source>
        <translation>Levantar</translation>
    </message>
</context>
<context>
    <name>brev::NameEntryDialog</name>
    <message>
        <source>Enter Your Name</source>
        <translation>Escribe tu nombre</translation>
    </message>
    <message>
        <source>You have made the Hall of Fame. Please enter your name:</source>
        <translation>¡Entraste en el Salón de la Fama! Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Your name</source>
        <translation>Tu nombre</translation>
    </message>
    <message>
        <source>Local HOF only</source>
        <translation>Solo Salón de la Fama local</translation>
    </message>
    <message>
        <source>  Please enter email address:</source>
        <translation>  Escribe tu correo electrónico:</translation>
    </message>
    <message>
        <source>Need email for online entry</source>
        <translation>Hace falta un correo electrónico para el Salón de la Fama en línea</translation>
    </message>
    <message>
        <source>Website HOF entry</source>
        <translation>Enviar al Salón de la Fama en línea</translation>
    </message>
    <message>
        <source>You have made number %1 on the Hall of Fame list. Please enter your name:</source>
        <translation>¡Llegaste al puesto %1 del Salón de la Fama! Escribe tu nombre:</translation>
    </message>
    <message>
        <source>Enters your name in the Brevallo Game online HOF</source>
        <translation>Inscribe tu nombre en el Salón de la Fama en línea de Brevallo Game</translation>
    </message>
</context>
<context>
    <name>brev::NameMeModel</name>
    <message>
        <source>Name Me -- Press the letter keys to enter my name... </source>
        <translation>¿Cómo me llamo? -- Pulsa las teclas de las letras para escribir mi nombre... </translation>
    </message>
    <message>
        <source>Too many tries!</source>
        <translation>¡Demasiados intentos!</translation>
    </message>
    <message>
        <source>Guess the word before the eagle can appear!</source>
        <extracomment>The stage picture that grows with every wrong letter is an eagle.</extracomment>
        <translation>¡Adivina el nombre antes de que aparezca el águila!</translation>
    </message>
    <message>
        <source>Better luck next time!</source>
        <translation>¡Más suerte la próxima vez!</translation>
    </message>
    <message>
        <source>You got it!</source>
        <translation>¡Lo lograste!</translation>
    </message>
    <message>
        <source>Press the letter keys to enter my name...</source>
        <extracomment>Shown inside the window: the instruction of its caption, in the same words.</extracomment>
        <translation>Pulsa las teclas de las letras para escribir mi nombre...</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** Resultado: %1 de %2</translation>
    </message>
    <message>
        <source>No tries left. Press any key to see your score.</source>
        <translation>No quedan intentos. Pulsa cualquier tecla para ver tu resultado.</translation>
    </message>
    <message>
        <source>One try left</source>
        <translation>Queda un intento</translation>
    </message>
    <message numerus="yes">
        <source>%n tries left</source>
        <translation>
            <numerusform>Queda %n intento</numerusform>
            <numerusform>Quedan %n intentos</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brev::NameMeWindow</name>
    <message>
        <source>Portrait of the president to name</source>
        <translation>Retrato del presidente que hay que nombrar</translation>
    </message>
    <message>
        <source>quit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Press a letter, only</source>
        <translation>Pulsa solo letras</translation>
    </message>
    <message>
        <source>blank</source>
        <translation>hueco</translation>
    </message>
    <message>
        <source>space</source>
        <translation>espacio</translation>
    </message>
    <message>
        <source>Hidden name: %1</source>
        <translation>Nombre oculto: %1</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>Stage picture: %1 of %2 wrong letters</source>
        <translation>Dibujo: %1 de %2 letras incorrectas</translation>
    </message>
    <message>
        <source>Wrong letters: %1. %2</source>
        <translation>Letras incorrectas: %1. %2</translation>
    </message>
</context>
<context>
    <name>brev::OddOneOutModel</name>
    <message>
        <source>Correct -- %1</source>
        <translation>Correcto: %1</translation>
    </message>
    <message>
        <source>No, %1</source>
        <translation>No: %1</translation>
    </message>
    <message>
        <source>%1&apos;s end of term: %2, not %3</source>
        <translation>Fin del mandato de %1: %2, no %3</translation>
    </message>
    <message>
        <source>%1&apos;s party: %2, not %3</source>
        <translation>Partido de %1: %2, no %3</translation>
    </message>
    <message>
        <source>Click on the item that does NOT fit the pattern</source>
        <translation>Haz clic en el que NO encaja con los demás</translation>
    </message>
</context>
<context>
    <name>brev::OddOneOutWindow</name>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Skip</source>
        <translation>Saltar</translation>
    </message>
    <message>
        <source>Click here when you are ready to proceed</source>
        <translation>Haz clic aquí cuando quieras seguir</translation>
    </message>
</context>
<context>
    <name>brev::PortraitMatchModel</name>
    <message>
        <source>%1 placed on image of %2</source>
        <translation>%1 colocado en el retrato de %2</translation>
    </message>
    <message>
        <source>*** Scored %1 of %2</source>
        <translation>*** Resultado: %1 de %2</translation>
    </message>
    <message>
        <source>*** All correct!</source>
        <translation>*** ¡Todo correcto!</translation>
    </message>
    <message>
        <source>Click on one of the colored bars</source>
        <translation>Haz clic en una de las barras de color</translation>
    </message>
    <message>
        <source>Then drag it to its picture</source>
        <translation>Luego arrástrala hasta su retrato</translation>
    </message>
    <message>
        <source>When all items are matched, click on &apos;done&apos;</source>
        <translation>Cuando todas estén colocadas, haz clic en «Listo»</translation>
    </message>
    <message>
        <source>Resize window to change image size</source>
        <translation>Cambia el tamaño de la ventana para cambiar el de los retratos</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the top left one</source>
        <translation>%1 no se colocó: su retrato es el de arriba a la izquierda</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the top right one</source>
        <translation>%1 no se colocó: su retrato es el de arriba a la derecha</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the bottom left one</source>
        <translation>%1 no se colocó: su retrato es el de abajo a la izquierda</translation>
    </message>
    <message>
        <source>%1 was not placed: his image is the bottom right one</source>
        <translation>%1 no se colocó: su retrato es el de abajo a la derecha</translation>
    </message>
</context>
<context>
    <name>brev::PortraitMatchWindow</name>
    <message>
        <source>Portrait %1 of 4</source>
        <translation>Retrato %1 de 4</translation>
    </message>
    <message>
        <source>Click and drag this item to its description, below</source>
        <translation>Arrastra esta barra hasta su retrato</translation>
    </message>
</context>
<context>
    <name>brev::ProgramDir</name>
    <message>
        <source>The folder %1 for the game&apos;s files cannot be created.</source>
        <translation>No se puede crear la carpeta %1 para los archivos del juego.</translation>
    </message>
    <message>
        <source>The folder %1 for the game&apos;s files cannot be written to.</source>
        <translation>No se puede escribir en la carpeta %1 de los archivos del juego.</translation>
    </message>
    <message>
        <source>The file %1 cannot be copied into the folder %2.</source>
        <translation>No se puede copiar el archivo %1 en la carpeta %2.</translation>
    </message>
</context>
<context>
    <name>brev::ProgressStore</name>
    <message>
        <source>The game goes on without recording progress, and leaves the file as it is.</source>
        <translation>El juego sigue sin guardar tu progreso y deja el archivo como está.</translation>
    </message>
    <message>
        <source>The game goes on without recording progress.</source>
        <translation>El juego sigue sin guardar tu progreso.</translation>
    </message>
    <message>
        <source>The progress file %1 is in use by another program: it stayed locked for %2 ms.</source>
        <translation>Otro programa está usando el archivo de progreso %1: siguió bloqueado durante %2 ms.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be written: it or its folder is read-only.</source>
        <translation>No se puede escribir en el archivo de progreso %1: el archivo o su carpeta es de solo lectura.</translation>
    </message>
    <message>
        <source>The progress file %1 is damaged or is not a database (%2).</source>
        <translation>El archivo de progreso %1 está dañado o no es una base de datos (%2).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot grow: the disk is full.</source>
        <translation>El archivo de progreso %1 no puede crecer: el disco está lleno.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be opened (%2).</source>
        <translation>No se puede abrir el archivo de progreso %1 (%2).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be used while %2 (%3).</source>
        <translation>No se puede usar el archivo de progreso %1 al %2 (%3).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be opened: the Qt SQLite driver is not installed (Debian package libqt6sql6-sqlite).</source>
        <translation>No se puede abrir el archivo de progreso %1: falta el controlador SQLite de Qt (paquete de Debian libqt6sql6-sqlite).</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be made: its folder does not exist.</source>
        <translation>No se puede crear el archivo de progreso %1: su carpeta no existe.</translation>
    </message>
    <message>
        <source>The progress file %1 cannot be opened: it is not a file.</source>
        <translation>No se puede abrir el archivo de progreso %1: no es un archivo.</translation>
    </message>
    <message>
        <source>opening it</source>
        <translation>abrirlo</translation>
    </message>
    <message>
        <source>reading it</source>
        <translation>leerlo</translation>
    </message>
    <message>
        <source>The file %1 is not this game&apos;s progress file: it is another program&apos;s database (tables: %2).</source>
        <translation>El archivo %1 no es el archivo de progreso de este juego: es la base de datos de otro programa (tablas: %2).</translation>
    </message>
    <message>
        <source>none</source>
        <translation>ninguna</translation>
    </message>
    <message>
        <source>The progress file %1 was written by a newer version of the game (history version %2; this one knows version %3 and older).</source>
        <translation>El archivo de progreso %1 lo escribió una versión más reciente del juego (versión del historial %2; esta conoce la versión %3 y anteriores).</translation>
    </message>
    <message>
        <source>The progress file %1 is damaged: it holds no history version.</source>
        <translation>El archivo de progreso %1 está dañado: no tiene versión del historial.</translation>
    </message>
    <message>
        <source>The progress file %1 is damaged: a table of games or answers is missing or changed (%2).</source>
        <translation>El archivo de progreso %1 está dañado: falta o cambió una tabla de partidas o respuestas (%2).</translation>
    </message>
    <message>
        <source>starting a new history in it</source>
        <translation>empezar en él un historial nuevo</translation>
    </message>
    <message>
        <source>checking that it can be written</source>
        <translation>comprobar que se puede escribir</translation>
    </message>
    <message>
        <source>preparing to record</source>
        <translation>prepararlo para guardar</translation>
    </message>
    <message>
        <source>recording a new game</source>
        <translation>guardar una partida nueva</translation>
    </message>
    <message>
        <source>recording a question</source>
        <translation>guardar una pregunta</translation>
    </message>
    <message>
        <source>recording the end of a game</source>
        <translation>guardar el final de una partida</translation>
    </message>
    <message>
        <source>reading its players</source>
        <translation>leer sus jugadores</translation>
    </message>
    <message>
        <source>reading the answers about each president</source>
        <translation>leer las respuestas sobre cada presidente</translation>
    </message>
    <message>
        <source>reading the answers in each category</source>
        <translation>leer las respuestas de cada tipo de pregunta</translation>
    </message>
    <message>
        <source>reading its games</source>
        <translation>leer sus partidas</translation>
    </message>
    <message>
        <source>Player</source>
        <extracomment>The name of a player who has not given one, as the Progress window shows it.</extracomment>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>bringing it up to date</source>
        <translation>actualizarlo</translation>
    </message>
    <message>
        <source>reading its class reports</source>
        <translation>leer sus informes de la clase</translation>
    </message>
    <message>
        <source>removing a class report sent</source>
        <translation>quitar un informe de la clase ya enviado</translation>
    </message>
    <message>
        <source>reading its class&apos;s practice set</source>
        <translation>leer la selección de práctica de la clase</translation>
    </message>
    <message>
        <source>keeping its class&apos;s practice set</source>
        <translation>guardar la selección de práctica de la clase</translation>
    </message>
    <message>
        <source>noting an unknown class code</source>
        <translation>anotar un código de clase desconocido</translation>
    </message>
</context>
<context>
    <name>brev::ProgressWindow</name>
    <message>
        <source>Progress</source>
        <translation>Progreso</translation>
    </message>
    <message>
        <source>Progress of %1</source>
        <translation>Progreso: %1</translation>
    </message>
    <message>
        <source>Presidents and how well you know them</source>
        <translation>Los presidentes y lo bien que los conoces</translation>
    </message>
    <message>
        <source>Accuracy per kind of question</source>
        <translation>Aciertos por tipo de pregunta</translation>
    </message>
    <message>
        <source>Right</source>
        <translation>Correctas</translation>
    </message>
    <message>
        <source>%1 (%2%)</source>
        <translation>%1 (%2&#xa0;%)</translation>
    </message>
    <message>
        <source>Practice</source>
        <translation>Practicar</translation>
    </message>
    <message>
        <source>A game about the presidents you know least; it does not enter the hall of fame</source>
        <translation>Una partida sobre los presidentes que menos conoces; no entra en el Salón de la Fama</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Marks: ? unseen, 1 learning, 2 familiar, 3 mastered (from your last five answers about each president).</source>
        <translation>Marcas: ? sin ver, 1 aprendiendo, 2 conocido, 3 dominado (según tus cinco últimas respuestas sobre cada presidente).</translation>
    </message>
    <message>
        <source>Final scores, in percent</source>
        <translation>Puntuaciones finales, en porcentaje</translation>
    </message>
    <message>
        <source>Kind of question</source>
        <translation>Tipo de pregunta</translation>
    </message>
    <message>
        <source>Questions answered</source>
        <translation>Preguntas respondidas</translation>
    </message>
    <message>
        <source>Partly right</source>
        <translation>Correctas en parte</translation>
    </message>
    <message>
        <source>Class practice: %1 to %2</source>
        <translation>Práctica de la clase: de %1 a %2</translation>
    </message>
    <message>
        <source>%1 to %2</source>
        <translation>de %1 a %2</translation>
    </message>
    <message numerus="yes">
        <source>and %n more</source>
        <comment>presidents</comment>
        <translation>
            <numerusform>y %n más</numerusform>
            <numerusform>y %n más</numerusform>
        </translation>
    </message>
    <message>
        <source>Class practice: %1</source>
        <translation>Práctica de la clase: %1</translation>
    </message>
    <message>
        <source>The presidents your teacher set for practice: a practice game asks about them first</source>
        <translation>Los presidentes que tu profesor eligió para practicar: una partida de práctica pregunta primero por ellos</translation>
    </message>
</context>
<context>
    <name>brev::QuestionExport</name>
    <message>
        <source>Will create 12 question file for online games</source>
        <translation>Se creará un archivo de 12 preguntas para juegos en línea</translation>
    </message>
    <message>
        <source>Will create 50 questions in tabbed format</source>
        <translation>Se crearán 50 preguntas separadas por tabuladores</translation>
    </message>
    <message>
        <source>Tabbed questions come from multiple-choice and matching questions only: sorting and portrait questions have no tabbed form.</source>
        <translation>Las preguntas tabuladas solo salen de las preguntas de opción múltiple y de relacionar: las de ordenar y las de retratos no tienen forma tabulada.</translation>
    </message>
    <message>
        <source>Select at least one of the first ten question types in the list, then make the tabbed questions again.</source>
        <translation>Elige al menos uno de los diez primeros tipos de preguntas de la lista y vuelve a crear las preguntas tabuladas.</translation>
    </message>
    <message>
        <source>No question category is enabled in %1: choose some on the setup screen first.</source>
        <translation>No hay ningún tipo de pregunta activado en %1: elige algunos primero en la pantalla de configuración.</translation>
    </message>
    <message>
        <source>No question category enabled in %1 writes tabbed questions (sorting and portrait questions have no tabbed form): enable one of categories 1 to 10 on the setup screen first.</source>
        <translation>Ninguno de los tipos de preguntas activados en %1 produce preguntas tabuladas (las de ordenar y las de retratos no tienen forma tabulada): activa primero uno de los tipos 1 a 10 en la pantalla de configuración.</translation>
    </message>
    <message numerus="yes">
        <source>The enabled categories ran out of records before %n questions were written; enable more categories and try again.</source>
        <translation>
            <numerusform>Los tipos de preguntas activados se quedaron sin fichas antes de escribir %n pregunta; activa más tipos y vuelve a intentarlo.</numerusform>
            <numerusform>Los tipos de preguntas activados se quedaron sin fichas antes de escribir %n preguntas; activa más tipos y vuelve a intentarlo.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>brev::QuestionModel</name>
    <message>
        <source>Results for %1</source>
        <translation>Resultados: %1</translation>
    </message>
</context>
<context>
    <name>brev::QuotationModel</name>
    <message>
        <source>Source: %1</source>
        <translation>Fuente: %1</translation>
    </message>
</context>
<context>
    <name>brev::QuotationWindow</name>
    <message>
        <source>Quotation</source>
        <translation>Cita</translation>
    </message>
</context>
<context>
    <name>brev::RecordBrowser</name>
    <message>
        <source>Birth: %1</source>
        <translation>Nacimiento: %1</translation>
    </message>
    <message>
        <source>Birthplace: %1</source>
        <translation>Lugar de nacimiento: %1</translation>
    </message>
    <message>
        <source>Home: %1</source>
        <translation>Estado de residencia: %1</translation>
    </message>
    <message>
        <source>Term: %1</source>
        <translation>Mandato: %1</translation>
    </message>
    <message>
        <source>First Lady: %1</source>
        <translation>Primera dama: %1</translation>
    </message>
    <message>
        <source>Sec&apos;y State: %1</source>
        <translation>Secretario de Estado: %1</translation>
    </message>
    <message>
        <source>Sec&apos;y War: %1</source>
        <translation>Secretario de Guerra: %1</translation>
    </message>
    <message>
        <source>Attn Gen: %1</source>
        <translation>Fiscal general: %1</translation>
    </message>
    <message>
        <source>Vice Pres: %1</source>
        <translation>Vicepresidente: %1</translation>
    </message>
    <message>
        <source>Problem? no name for %1</source>
        <translation>¿Problema? La ficha %1 no tiene nombre</translation>
    </message>
    <message>
        <source>No internet link available</source>
        <translation>No hay ningún enlace disponible</translation>
    </message>
</context>
<context>
    <name>brev::Records</name>
    <message>
        <source>The data file %1 ends inside a quoted text: %2 opens a double quote on line %3 that is never closed.</source>
        <extracomment>%2 names the value: &quot;record 3, item 5 (term),&quot; or &quot;the link of record 3&quot;</extracomment>
        <translation>El archivo de datos %1 termina dentro de un texto entre comillas: %2 abre unas comillas en la línea %3 que nunca se cierran.</translation>
    </message>
    <message>
        <source>record %1, item %2 (%3),</source>
        <translation>la ficha %1, elemento %2 (%3),</translation>
    </message>
    <message>
        <source>The data file %1 ends early: record %2 stops before item %3 (%4).</source>
        <translation>El archivo de datos %1 termina antes de tiempo: la ficha %2 se corta antes del elemento %3 (%4).</translation>
    </message>
    <message>
        <source>The data file %1 ends early: record %2 of %3 stops before item %4 (%5).</source>
        <translation>El archivo de datos %1 termina antes de tiempo: la ficha %2 de %3 se corta antes del elemento %4 (%5).</translation>
    </message>
    <message>
        <source>The data file %1 ends early: the link section is missing.</source>
        <translation>El archivo de datos %1 termina antes de tiempo: falta la sección de enlaces.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2, item %3 (%4) holds &quot;%6&quot;, which is out of range (-32768 to 32767) (line %5).</source>
        <translation>El archivo de datos %1 está dañado: la ficha %2, elemento %3 (%4), contiene «%6», que está fuera del rango permitido (-32768 a 32767) (línea %5).</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2, item %3 (%4) holds &quot;%6&quot;, which is not a whole number (line %5).</source>
        <translation>El archivo de datos %1 está dañado: la ficha %2, elemento %3 (%4), contiene «%6», que no es un número entero (línea %5).</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2 (line %3) has no name.</source>
        <translation>El archivo de datos %1 está dañado: la ficha %2 (línea %3) no tiene nombre.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: record %2 (line %3) holds more than %4 items.</source>
        <translation>El archivo de datos %1 está dañado: la ficha %2 (línea %3) tiene más de %4 elementos.</translation>
    </message>
    <message>
        <source>the base address of the link section</source>
        <translation>la dirección base de la sección de enlaces</translation>
    </message>
    <message>
        <source>the link of record %1</source>
        <translation>el enlace de la ficha %1</translation>
    </message>
    <message>
        <source>The data file %1 ends early: the link section stops before the link of record %2.</source>
        <translation>El archivo de datos %1 termina antes de tiempo: la sección de enlaces se corta antes del enlace de la ficha %2.</translation>
    </message>
    <message>
        <source>The data file %1 ends early: the link section stops before the link of record %2 of %3.</source>
        <translation>El archivo de datos %1 termina antes de tiempo: la sección de enlaces se corta antes del enlace de la ficha %2 de %3.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: line %2 holds more after the link of record %3; the file holds its records, one per line, then the base address and one link per record.</source>
        <translation>El archivo de datos %1 está dañado: la línea %2 tiene algo más después del enlace de la ficha %3; el archivo contiene sus fichas, una por línea, luego la dirección base y un enlace por ficha.</translation>
    </message>
    <message>
        <source>The data file %1 is damaged: line %2 holds more after the link of record %3; the file holds %3 records, one per line, then the base address and %3 links.</source>
        <translation>El archivo de datos %1 está dañado: la línea %2 tiene algo más después del enlace de la ficha %3; el archivo contiene %3 fichas, una por línea, luego la dirección base y %3 enlaces.</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>The data file %1 cannot be read: %2.</source>
        <translation>No se puede leer el archivo de datos %1: %2.</translation>
    </message>
    <message>
        <source>The game goes on with the %1 presidents of %2.</source>
        <translation>El juego sigue con los %1 presidentes de %2.</translation>
    </message>
</context>
<context>
    <name>brev::ReviewWindow</name>
    <message>
        <source>Review of the Game</source>
        <translation>Repaso de la partida</translation>
    </message>
    <message>
        <source>Questions of the game</source>
        <translation>Preguntas de la partida</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>Copiar</translation>
    </message>
    <message>
        <source>Copy the review as plain text, to paste or print elsewhere</source>
        <translation>Copia el repaso como texto, para pegarlo o imprimirlo en otro lugar</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Question %1: %2</source>
        <translation>Pregunta %1: %2</translation>
    </message>
</context>
<context>
    <name>brev::ScoreChart</name>
    <message>
        <source>Scores over time</source>
        <translation>Puntuaciones a lo largo del tiempo</translation>
    </message>
    <message>
        <source>No finished games yet.</source>
        <translation>Todavía no hay partidas terminadas.</translation>
    </message>
    <message numerus="yes">
        <source>%n game(s); the latest %1%, the best %2%.</source>
        <translation>
            <numerusform>%n partida: la última con el %1&#xa0;%, la mejor con el %2&#xa0;%.</numerusform>
            <numerusform>%n partidas: la última con el %1&#xa0;%, la mejor con el %2&#xa0;%.</numerusform>
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
        <translation>Puntuación</translation>
    </message>
    <message>
        <source>Results</source>
        <translation>Resultados</translation>
    </message>
    <message>
        <source>ok</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here when  ready to proceed</source>
        <translation>Haz clic aquí cuando quieras seguir</translation>
    </message>
    <message>
        <source>Current score: %1 of %2  (%3%)</source>
        <translation>Puntuación actual: %1 de %2  (%3&#xa0;%)</translation>
    </message>
    <message>
        <source>End game</source>
        <translation>Terminar partida</translation>
    </message>
    <message>
        <source>End the game here: the final score counts the questions asked so far</source>
        <translation>Termina la partida aquí: la puntuación final cuenta las preguntas hechas hasta ahora</translation>
    </message>
    <message numerus="yes">
        <source>%n questions left</source>
        <translation>
            <numerusform>Queda %n pregunta</numerusform>
            <numerusform>Quedan %n preguntas</numerusform>
        </translation>
    </message>
    <message>
        <source>One question left</source>
        <translation>Queda una pregunta</translation>
    </message>
    <message>
        <source>That was the last question.</source>
        <translation>Esa fue la última pregunta.</translation>
    </message>
</context>
<context>
    <name>brev::SettingsStore</name>
    <message>
        <source>line %1 opens a double quote that is never closed</source>
        <translation>la línea %1 abre unas comillas que nunca se cierran</translation>
    </message>
    <message>
        <source>line %1 holds &quot;%4&quot;, which is out of range (%2 to %3)</source>
        <translation>la línea %1 contiene «%4», que está fuera del rango permitido (%2 a %3)</translation>
    </message>
    <message>
        <source>line %1 holds &quot;%2&quot; where a whole number belongs</source>
        <translation>la línea %1 contiene «%2» donde va un número entero</translation>
    </message>
    <message>
        <source>it ends early (line %1)</source>
        <translation>el archivo termina antes de tiempo (línea %1)</translation>
    </message>
    <message>
        <source>The file is kept as %1.</source>
        <translation>El archivo se conserva como %1.</translation>
    </message>
    <message>
        <source>It could not be kept as %1 and will be replaced at the next save.</source>
        <translation>No se pudo conservar el archivo como %1; se reemplazará la próxima vez que se guarde.</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2%3The game starts with the default settings.%3%4</source>
        <translation>No se puede leer %1: %2%3El juego empieza con la configuración predeterminada.%3%4</translation>
    </message>
    <message>
        <source>The damaged file is kept as %1.</source>
        <translation>El archivo dañado se conserva como %1.</translation>
    </message>
    <message>
        <source>The damaged file could not be kept as %1: %2</source>
        <translation>No se pudo conservar el archivo dañado como %1: %2</translation>
    </message>
    <message>
        <source>%1 is damaged: %2.%3Settings after that point take their default values.%3%4</source>
        <translation>%1 está dañado: %2.%3Las opciones posteriores a ese punto toman sus valores predeterminados.%3%4</translation>
    </message>
    <message>
        <source>%1 could not be saved: %2</source>
        <translation>No se pudo guardar %1: %2</translation>
    </message>
    <message>
        <source>%1 could not be saved; bonus questions are on for this game only.</source>
        <translation>No se pudo guardar %1; las preguntas extra quedan activadas solo hasta que cierres el juego.</translation>
    </message>
    <message>
        <source>%1 could not be saved; bonus questions are off for this game only.</source>
        <translation>No se pudo guardar %1; las preguntas extra quedan desactivadas solo hasta que cierres el juego.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the presidents after 1993 are on for this game only.</source>
        <translation>No se pudo guardar %1; los presidentes después de 1993 quedan incluidos solo hasta que cierres el juego.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the presidents after 1993 are off for this game only.</source>
        <translation>No se pudo guardar %1; los presidentes después de 1993 quedan excluidos solo hasta que cierres el juego.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the language is kept for this game only.</source>
        <translation>No se pudo guardar %1; el idioma se mantiene solo hasta que cierres el juego.</translation>
    </message>
    <message>
        <source>%1 could not be saved; the class code is kept for this game only.</source>
        <translation>No se pudo guardar %1; el código de clase se mantiene solo hasta que cierres el juego.</translation>
    </message>
</context>
<context>
    <name>brev::SetupDialog</name>
    <message>
        <source>Difficulty</source>
        <translation>Dificultad</translation>
    </message>
    <message>
        <source>Maximum</source>
        <translation>Máxima</translation>
    </message>
    <message>
        <source>Questions per game</source>
        <translation>Preguntas por partida</translation>
    </message>
    <message>
        <source>Sound effects</source>
        <translation>Efectos de sonido</translation>
    </message>
    <message>
        <source>Language</source>
        <translation>Idioma</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>Idioma del sistema</translation>
    </message>
    <message>
        <source>Make online questions</source>
        <translation>Crear preguntas en línea</translation>
    </message>
    <message>
        <source>Make 50 tabbed questions</source>
        <translation>Crear 50 preguntas tabuladas</translation>
    </message>
    <message>
        <source>Colored items are selected</source>
        <translation>Los tipos en color están activados</translation>
    </message>
    <message>
        <source>Categories</source>
        <translation>Tipos de preguntas</translation>
    </message>
    <message>
        <source>Edit</source>
        <translation>Editar</translation>
    </message>
    <message>
        <source>Change item data</source>
        <translation>Cambiar los datos</translation>
    </message>
    <message>
        <source>HOF</source>
        <translation>Salón de la Fama</translation>
    </message>
    <message>
        <source>Show Hall of Fame</source>
        <translation>Mostrar el Salón de la Fama</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message>
        <source>Click here to continue</source>
        <translation>Haz clic aquí para continuar</translation>
    </message>
    <message>
        <source>Bonus questions</source>
        <translation>Preguntas extra</translation>
    </message>
    <message>
        <source>Also ask odd one out, Name Me, quotations and more</source>
        <translation>Añade «¿Quién es el intruso?», «¿Cómo me llamo?», citas y más</translation>
    </message>
    <message>
        <source>Presidents after 1993</source>
        <translation>Presidentes después de 1993</translation>
    </message>
    <message>
        <source>Also ask about the presidents from George W. Bush on</source>
        <translation>Incluye también preguntas sobre los presidentes desde George W. Bush</translation>
    </message>
    <message>
        <source>Brevallo Game Setup</source>
        <translation>Configuración de Brevallo Game</translation>
    </message>
    <message>
        <source>Class code</source>
        <translation>Código de clase</translation>
    </message>
    <message>
        <source>The code your teacher gave you, six letters and digits: every finished game is reported to the class. Empty for no class.</source>
        <translation>El código que te dio tu profesor, seis letras y cifras: cada partida terminada se informa a la clase. Vacío si no hay clase.</translation>
    </message>
    <message>
        <source>The class code %1 is not whole: a class code has six letters and digits. It was not saved.</source>
        <translation>El código de clase %1 está incompleto: un código de clase tiene seis letras y cifras. No se ha guardado.</translation>
    </message>
</context>
<context>
    <name>brev::SortModel</name>
    <message>
        <source>*** All correct!</source>
        <translation>*** ¡Todo correcto!</translation>
    </message>
    <message>
        <source>*** %1 of %2 correct </source>
        <translation>*** %1 de %2 correctos </translation>
    </message>
    <message>
        <source>Sort the items listed.  Click on a line to move that item up one level.  When all are in position, click &apos;Done&apos;</source>
        <translation>Ordena la lista. Haz clic en una línea para subir ese elemento un puesto. Cuando todo esté en su lugar, haz clic en «Listo»</translation>
    </message>
    <message>
        <source>place %1</source>
        <translation>puesto %1</translation>
    </message>
    <message>
        <source>places %1 to %2</source>
        <translation>puestos %1 a %2</translation>
    </message>
</context>
<context>
    <name>brev::SortTitles</name>
    <message>
        <source>Sort First Ladies by term, in order of Presidency</source>
        <translation>Ordenar primeras damas por mandato, en el orden de las presidencias</translation>
    </message>
    <message>
        <source>Sort Vice Presidents, in order of Presidency</source>
        <translation>Ordenar vicepresidentes, en el orden de las presidencias</translation>
    </message>
    <message>
        <source>Sort by term served, in order of Presidency</source>
        <translation>Ordenar por mandato, en el orden de las presidencias</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of State, in order of Presidency</source>
        <translation>Ordenar secretarios de Estado, en el orden de las presidencias</translation>
    </message>
    <message>
        <source>Sort Sec&apos;ys of War/Defense, in order of Presidency</source>
        <translation>Ordenar secretarios de Guerra/Defensa, en el orden de las presidencias</translation>
    </message>
    <message>
        <source>Sort Att&apos;ys General, in order of Presidency</source>
        <translation>Ordenar fiscales generales, en el orden de las presidencias</translation>
    </message>
    <message>
        <source>Sort Supreme Court appointments, in order of Presidency</source>
        <translation>Ordenar nombramientos para la Corte Suprema, en el orden de las presidencias</translation>
    </message>
</context>
<context>
    <name>brev::SortWindow</name>
    <message>
        <source> Sort </source>
        <translation> Ordenar </translation>
    </message>
    <message>
        <source>Items to sort</source>
        <translation>Elementos para ordenar</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>Ayuda</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Listo</translation>
    </message>
    <message>
        <source>Click to push an item up one slot</source>
        <translation>Haz clic en una línea para subirla un puesto</translation>
    </message>
    <message>
        <source>Space pushes the current item up one slot</source>
        <translation>La tecla Espacio sube un puesto el elemento actual</translation>
    </message>
</context>
<context>
    <name>brev::TextFile</name>
    <message>
        <source>the file could not be written in full</source>
        <translation>el archivo no se pudo escribir completo</translation>
    </message>
</context>
<context>
    <name>brev::openlink</name>
    <message>
        <source>No web browser opened this address. Copy it into your browser:

%1</source>
        <translation>Ningún navegador abrió esta dirección. Cópiala en tu navegador:

%1</translation>
    </message>
</context>
<context>
    <name>brevallo</name>
    <message>
        <source>The folder %1 for the game&apos;s files cannot be opened.</source>
        <translation>No se puede abrir la carpeta %1 de los archivos del juego.</translation>
    </message>
    <message>
        <source>Brevallo Game cannot start without it.</source>
        <comment>it: the folder</comment>
        <translation>Brevallo Game no puede empezar sin ella.</translation>
    </message>
</context>
</TS>
