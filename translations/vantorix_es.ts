<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
<context>
    <name>BoardState</name>
    <message>
        <source>No score</source>
        <translation>Sin puntos</translation>
    </message>
    <message>
        <source>1 mark: </source>
        <translation>1 marca: </translation>
    </message>
    <message>
        <source>%1 marks: </source>
        <translation>%1 marcas: </translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Última %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board: ready</source>
        <translation>Diana: lista</translation>
    </message>
    <message>
        <source>Board: connecting to %1</source>
        <translation>Diana: conectando con %1</translation>
    </message>
    <message>
        <source>Board: not reachable at %1</source>
        <translation>Diana: no accesible en %1</translation>
    </message>
    <message>
        <source>Board: not reachable at %1 (%2)</source>
        <translation>Diana: no accesible en %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CMatchStore</name>
    <message>
        <source>its %1 players were read as %2</source>
        <translation>sus %1 jugadores se han leído como %2</translation>
    </message>
    <message>
        <source>its game "%1" is not one this version plays; it goes on as X01 from %2</source>
        <translation>el juego «%1» no lo conoce esta versión; sigue como X01 desde %2</translation>
    </message>
    <message>
        <source>a row for side %1, which the match does not have, was ignored</source>
        <translation>se ha ignorado una fila del bando %1, que el partido no tiene</translation>
    </message>
    <message>
        <source>side %1 had no row and plays as it was started</source>
        <translation>el bando %1 no tenía fila y juega como al empezar</translation>
    </message>
    <message>
        <source>a computer for side %1, which the match does not have, was ignored</source>
        <translation>se ha ignorado un ordenador del bando %1, que el partido no tiene</translation>
    </message>
    <message>
        <source>the computer's average %1 of side %2 was read as %3</source>
        <translation>el promedio %1 del ordenador del bando %2 se ha leído como %3</translation>
    </message>
    <message>
        <source>the computer's seed "%1" is no number; 0 is used</source>
        <translation>la semilla «%1» del ordenador no es un número; se usa 0</translation>
    </message>
    <message>
        <source>the store is locked by another program</source>
        <translation>otro programa tiene bloqueado el almacén</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>el disco está lleno</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 no se puede escribir (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 no se puede usar (%2)</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new one was made</source>
        <translation>%1 estaba dañado; se conserva como %2 y se ha creado uno nuevo</translation>
    </message>
    <message>
        <source>%1 is another program's database (application %2, version %3); it is left alone</source>
        <translation>%1 es la base de datos de otro programa (aplicación %2, versión %3); no se toca</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vantorix; matches are not saved until it is updated</source>
        <translation>%1 lo escribió un Vantorix más reciente; los partidos no se guardan hasta actualizarlo</translation>
    </message>
    <message>
        <source>%1 holds no matches yet</source>
        <translation>%1 aún no contiene partidos</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>el controlador SQLite de Qt no está instalado</translation>
    </message>
    <message>
        <source>cannot make the folder %1%2</source>
        <translation>no se puede crear la carpeta %1%2</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1</source>
        <translation>otro Vantorix está grabando en %1</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <translation>no se puede bloquear %1</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 está dañado</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be set aside</source>
        <translation>%1 está dañado y no se puede apartar</translation>
    </message>
    <message>
        <source>, with %1 of the %2 matches that could be read carried over</source>
        <translation>, con %1 de los %2 partidos legibles trasladados</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1; this one records nothing (History can be read)</source>
        <translation>otro Vantorix está grabando en %1; este no graba nada (el historial se puede leer)</translation>
    </message>
    <message>
        <source>%1; nothing is recorded until it can be written (History can be read)</source>
        <translation>%1; no se graba nada hasta que se pueda escribir (el historial se puede leer)</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 no se puede bloquear</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use and the store could not be opened again</source>
        <translation>el diario %1-wal se borró en uso y el almacén no se pudo volver a abrir</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use; what it held is saved in %1 and recording goes on</source>
        <translation>el diario %1-wal se borró en uso; lo que contenía está guardado en %1 y la grabación continúa</translation>
    </message>
    <message>
        <source>%1; what is played is kept in memory and saved once the store takes writes again</source>
        <translation>%1; lo jugado se guarda en memoria hasta que el almacén admita escritura</translation>
    </message>
    <message>
        <source>recording goes on</source>
        <translation>la grabación continúa</translation>
    </message>
    <message>
        <source>recording goes on; the operation kept in memory is saved</source>
        <translation>la grabación continúa; la operación guardada en memoria está guardada</translation>
    </message>
    <message>
        <source>This is the match in play</source>
        <translation>Es el partido en juego</translation>
    </message>
    <message>
        <source>%1 is a link to %2; nothing is written through a link</source>
        <translation>%1 es un enlace a %2; no se escribe nada a través de un enlace</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 no es un archivo normal</translation>
    </message>
    <message>
        <source>the disk of %1 is read-only</source>
        <translation>el disco de %1 es de solo lectura</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>sin permiso para escribir en %1</translation>
    </message>
    <message>
        <source>no permission to write %1</source>
        <translation>sin permiso para escribir %1</translation>
    </message>
</context>
<context>
    <name>CheckoutFile</name>
    <message>
        <source>was not found</source>
        <translation>no se ha encontrado</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>no se puede leer</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> v </source>
        <translation> contra </translation>
    </message>
    <message>
        <source>Leg %1</source>
        <translation>Leg %1</translation>
    </message>
    <message>
        <source>Sets </source>
        <translation>Sets </translation>
    </message>
    <message>
        <source>, Legs </source>
        <translation>, legs </translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>Standard 301</source>
        <translation>Estándar 301</translation>
    </message>
    <message>
        <source>Standard 501</source>
        <translation>Estándar 501</translation>
    </message>
    <message>
        <source>Standard 701</source>
        <translation>Estándar 701</translation>
    </message>
    <message>
        <source>Standard 1001</source>
        <translation>Estándar 1001</translation>
    </message>
    <message>
        <source>Continous Points</source>
        <translation>Puntos continuos</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Cricket</translation>
    </message>
    <message>
        <source>Cut-Throat Cricket</source>
        <translation>Cricket cut-throat</translation>
    </message>
    <message>
        <source>Around the Clock</source>
        <translation>Vuelta al reloj</translation>
    </message>
    <message>
        <source>Around the Clock (fast)</source>
        <translation>Vuelta al reloj (rápida)</translation>
    </message>
    <message>
        <source>Bob's 27</source>
        <translation>Bob's 27</translation>
    </message>
    <message>
        <source>121 Checkout Practice</source>
        <translation>Práctica de cierre 121</translation>
    </message>
    <message>
        <source>Shanghai</source>
        <translation>Shanghái</translation>
    </message>
    <message>
        <source>Shanghai (1-20)</source>
        <translation>Shanghái (1-20)</translation>
    </message>
    <message>
        <source>Halve-It</source>
        <translation>Halve-It</translation>
    </message>
    <message>
        <source>Killer</source>
        <translation>Killer</translation>
    </message>
</context>
<context>
    <name>Games</name>
    <message>
        <source>Darts</source>
        <translation>Dardos</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Terminado</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Aciertos</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Fuera</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Objetivo</translation>
    </message>
    <message>
        <source>Darts left</source>
        <translation>Dardos restantes</translation>
    </message>
    <message>
        <source>Checkouts</source>
        <translation>Cierres</translation>
    </message>
    <message>
        <source>Checkout %</source>
        <translation>% de cierre</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Mejor</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marcas</translation>
    </message>
    <message>
        <source>Marks Per Round (MPR)</source>
        <translation>Marcas por ronda (MPR)</translation>
    </message>
    <message>
        <source>Points Given</source>
        <translation>Puntos dados</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Puntos anotados</translation>
    </message>
    <message>
        <source>Most Marks in a Turn</source>
        <translation>Más marcas en una tirada</translation>
    </message>
    <message>
        <source>Turns of 5+ Marks</source>
        <translation>Tiradas de 5+ marcas</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Legs ganados</translation>
    </message>
    <message>
        <source>Sets Won</source>
        <translation>Sets ganados</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Dardos lanzados</translation>
    </message>
    <message>
        <source>Targets Reached</source>
        <translation>Objetivos alcanzados</translation>
    </message>
    <message>
        <source>Darts Per Target</source>
        <translation>Dardos por objetivo</translation>
    </message>
    <message>
        <source>Doubles Hit</source>
        <translation>Dobles acertados</translation>
    </message>
    <message>
        <source>Doubles Hit %</source>
        <translation>% de dobles acertados</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Mejor puntuación</translation>
    </message>
    <message>
        <source>Targets Played</source>
        <translation>Objetivos jugados</translation>
    </message>
    <message>
        <source>Checkout Rate</source>
        <translation>Porcentaje de cierre</translation>
    </message>
    <message>
        <source>Best Target</source>
        <translation>Mejor objetivo</translation>
    </message>
    <message>
        <source>Shanghais</source>
        <translation>Shangháis</translation>
    </message>
    <message>
        <source>Turns Halved</source>
        <translation>Turnos a la mitad</translation>
    </message>
    <message>
        <source>Lives Taken</source>
        <translation>Vidas quitadas</translation>
    </message>
    <message>
        <source>Any double</source>
        <translation>Un doble</translation>
    </message>
    <message>
        <source>Any treble</source>
        <translation>Un triple</translation>
    </message>
    <message>
        <source>Halved</source>
        <translation>Mitad</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Número</translation>
    </message>
    <message>
        <source>Lives</source>
        <translation>Vidas</translation>
    </message>
    <message>
        <source>Killer</source>
        <translation>Killer</translation>
    </message>
    <message>
        <source>Shanghai</source>
        <translation>Shanghái</translation>
    </message>
</context>
<context>
    <name>MatchFormat</name>
    <message>
        <source>1 leg</source>
        <translation>1 leg</translation>
    </message>
    <message>
        <source>1 set</source>
        <translation>1 set</translation>
    </message>
    <message>
        <source>%1 legs</source>
        <translation>%1 legs</translation>
    </message>
    <message>
        <source>%1 sets</source>
        <translation>%1 sets</translation>
    </message>
    <message>
        <source>first to %1 of %2</source>
        <translation>el primero en ganar %1 de %2</translation>
    </message>
    <message>
        <source>first to %1</source>
        <translation>el primero en ganar %1</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gana el partido</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Leg %1</source>
        <translation>Leg %1</translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
    <message>
        <source>%1: game over</source>
        <translation>%1: fin de la partida</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Fin de la partida: empate</translation>
    </message>
    <message>
        <source>%1 wins the leg</source>
        <translation>%1 gana el leg</translation>
    </message>
    <message>
        <source>To close %1</source>
        <translation>Por cerrar: %1</translation>
    </message>
    <message>
        <source>Sets %1</source>
        <translation>Sets %1</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 gana el set</translation>
    </message>
</context>
<context>
    <name>MatchStats</name>
    <message>
        <source>Outshot Value Average</source>
        <translation>Valor medio de cierre</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Legs ganados</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Dardos lanzados</translation>
    </message>
    <message>
        <source>Darts Per Leg Average</source>
        <translation>Promedio de dardos por leg</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Puntos anotados</translation>
    </message>
    <message>
        <source>1-Dart Average</source>
        <translation>Promedio por dardo</translation>
    </message>
    <message>
        <source>3-Dart Average</source>
        <translation>Promedio de 3 dardos</translation>
    </message>
    <message>
        <source>Lowest Throw (3-Darts)</source>
        <translation>Tirada más baja (3 dardos)</translation>
    </message>
    <message>
        <source>Highest Throw (3-Darts)</source>
        <translation>Tirada más alta (3 dardos)</translation>
    </message>
    <message>
        <source>Throws of 60+</source>
        <translation>Tiradas de 60+</translation>
    </message>
    <message>
        <source>Throws of 100+</source>
        <translation>Tiradas de 100+</translation>
    </message>
    <message>
        <source>Throws of 140+</source>
        <translation>Tiradas de 140+</translation>
    </message>
    <message>
        <source>Throws of 180</source>
        <translation>Tiradas de 180</translation>
    </message>
    <message>
        <source>Possible Outshots</source>
        <translation>Cierres posibles</translation>
    </message>
    <message>
        <source>Effective Outshots</source>
        <translation>Cierres logrados</translation>
    </message>
    <message>
        <source>Highest Outshot</source>
        <translation>Cierre más alto</translation>
    </message>
    <message>
        <source>Points Scored On Outshots</source>
        <translation>Puntos de cierres</translation>
    </message>
    <message>
        <source>First 9 Average</source>
        <translation>Promedio de los 9 primeros</translation>
    </message>
    <message>
        <source>Best Leg (Darts)</source>
        <translation>Mejor leg (dardos)</translation>
    </message>
    <message>
        <source>Worst Leg (Darts)</source>
        <translation>Peor leg (dardos)</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Settings file %1: %2</source>
        <translation>Archivo de ajustes %1: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and nothing is written through a link</source>
        <translation>es un enlace a %1, y nada se escribe a través de un enlace</translation>
    </message>
    <message>
        <source>something other than a file stands there</source>
        <translation>ahí hay algo que no es un archivo</translation>
    </message>
    <message>
        <source>it is not writable</source>
        <translation>no se puede escribir</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2.</source>
        <translation>Los ajustes no se pueden guardar en %1: %2.</translation>
    </message>
    <message>
        <source>the settings file that could not be used is kept as %1</source>
        <translation>el archivo de ajustes que no se pudo usar se guarda como %1</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2</source>
        <translation>no se pudieron guardar los ajustes en %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Los ajustes no se pudieron guardar en %1.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The leg is over: Next Leg (Ctrl+Enter) starts the next</source>
        <translation>El leg ha terminado: Siguiente leg (Ctrl+Intro) empieza el siguiente</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Como mucho tres dardos por tirada</translation>
    </message>
    <message>
        <source>No board has that dart</source>
        <translation>Ninguna diana tiene ese dardo</translation>
    </message>
    <message>
        <source>No dart can follow the one that ended the turn</source>
        <translation>Ningún dardo puede seguir al que terminó la tirada</translation>
    </message>
    <message>
        <source>The leg is over</source>
        <translation>El leg ha terminado</translation>
    </message>
    <message>
        <source>There is no total to finish</source>
        <translation>No hay resto que cerrar</translation>
    </message>
    <message>
        <source>%1 cannot be scored with three darts</source>
        <translation>%1 no se puede anotar con tres dardos</translation>
    </message>
    <message>
        <source>%1 needs at least %2 darts</source>
        <translation>%1 necesita al menos %2 dardos</translation>
    </message>
    <message>
        <source>Bust: %1 is more than the %2 left</source>
        <translation>Bust: %1 es más que los %2 que quedan</translation>
    </message>
    <message>
        <source>That would leave 1</source>
        <translation>Quedaría 1</translation>
    </message>
    <message>
        <source>%1 cannot be finished on a double</source>
        <translation>%1 no se puede cerrar con un doble</translation>
    </message>
    <message>
        <source>That total is too large to count</source>
        <translation>Ese total es demasiado grande para contarlo</translation>
    </message>
    <message>
        <source>Only a turn can be corrected</source>
        <translation>Solo se puede corregir una tirada</translation>
    </message>
    <message>
        <source>That would finish the leg before the turns after it</source>
        <translation>Eso cerraría el leg antes de las tiradas siguientes</translation>
    </message>
    <message>
        <source>That would change how the leg was won</source>
        <translation>Eso cambiaría cómo se ganó el leg</translation>
    </message>
    <message>
        <source>No dart can follow the one that finished or bust the turn</source>
        <translation>Ningún dardo puede seguir al que cerró o se pasó</translation>
    </message>
    <message>
        <source>It is another side's turn</source>
        <translation>Le toca a otro lado</translation>
    </message>
    <message>
        <source>There is no turn to take back</source>
        <translation>No hay ninguna tirada que deshacer</translation>
    </message>
    <message>
        <source>The match is over</source>
        <translation>El partido ha terminado</translation>
    </message>
    <message>
        <source>Undo the turn and enter it again</source>
        <translation>Deshaga la tirada e introdúzcala de nuevo</translation>
    </message>
    <message>
        <source>This game counts up: enter the score, not what is left</source>
        <translation>Este juego suma: introduzca la puntuación, no lo que queda</translation>
    </message>
    <message>
        <source>From %1, %2 cannot be left</source>
        <translation>De %1 no pueden quedar %2</translation>
    </message>
    <message>
        <source>From %1, %2 left means %3: %4</source>
        <translation>De %1 quedan %2, es decir %3: %4</translation>
    </message>
</context>
<context>
    <name>RoomMessage</name>
    <message>
        <source>Message too long (at most %1 bytes)</source>
        <translation>Mensaje demasiado largo (como mucho %1 bytes)</translation>
    </message>
    <message>
        <source>Not a JSON object</source>
        <translation>No es un objeto JSON</translation>
    </message>
    <message>
        <source>"id" must be a whole number from 0</source>
        <translation>«id» debe ser un número entero desde 0</translation>
    </message>
    <message>
        <source>"for" must be a whole number from 0</source>
        <translation>«for» debe ser un número entero desde 0</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Como mucho tres dardos por tirada</translation>
    </message>
    <message>
        <source>“%1” is not a dart</source>
        <translation>«%1» no es un dardo</translation>
    </message>
    <message>
        <source>"score" must be a whole number from 0 to 999</source>
        <translation>«score» debe ser un número entero de 0 a 999</translation>
    </message>
    <message>
        <source>"darts" of a checkout must be 1, 2 or 3</source>
        <translation>«darts» de un cierre debe ser 1, 2 o 3</translation>
    </message>
    <message>
        <source>"left" must be a whole number from 0 to 999</source>
        <translation>«left» debe ser un número entero de 0 a 999</translation>
    </message>
    <message>
        <source>Unknown "op": turn, checkout, left, darts, undo or next</source>
        <translation>«op» desconocido: turn, checkout, left, darts, undo o next</translation>
    </message>
</context>
<context>
    <name>RoomPages</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Marcador Vantorix</translation>
    </message>
    <message>
        <source>Vantorix Keypad</source>
        <translation>Teclado Vantorix</translation>
    </message>
    <message>
        <source>Not connected to Vantorix</source>
        <translation>Sin conexión con Vantorix</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Anotar</translation>
    </message>
    <message>
        <source>Out 1</source>
        <translation>Cierre 1</translation>
    </message>
    <message>
        <source>Out 2</source>
        <translation>Cierre 2</translation>
    </message>
    <message>
        <source>Out 3</source>
        <translation>Cierre 3</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Deshacer</translation>
    </message>
    <message>
        <source>Next leg</source>
        <translation>Siguiente leg</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doble</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Delete the last digit</source>
        <translation>Borrar la última cifra</translation>
    </message>
    <message>
        <source>Delete the last dart</source>
        <translation>Borrar el último dardo</translation>
    </message>
    <message>
        <source>Vantorix Standings</source>
        <translation>Vantorix Clasificación</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>A continuación</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>P</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>G</translation>
    </message>
    <message>
        <source>D</source>
        <translation>E</translation>
    </message>
    <message>
        <source>L</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Media</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Resta</translation>
    </message>
</context>
<context>
    <name>RoomServer</name>
    <message>
        <source>Too many messages: at most %1 a second; this one was dropped</source>
        <translation>Demasiados mensajes: como mucho %1 por segundo; este se ha descartado</translation>
    </message>
    <message>
        <source>The board takes no turns</source>
        <translation>El marcador no acepta tiradas</translation>
    </message>
    <message>
        <source>A message may be at most %1 bytes</source>
        <translation>Un mensaje puede tener como mucho %1 bytes</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>not a settings file (no VTXSettings element); using the defaults</source>
        <translation>no es un archivo de configuración (sin elemento VTXSettings); se usan los valores por defecto</translation>
    </message>
    <message>
        <source>%1 (line %2); the values before it are used</source>
        <translation>%1 (línea %2); se usan los valores anteriores</translation>
    </message>
    <message>
        <source>%1: "%2" is not a usable value</source>
        <translation>%1: «%2» no es un valor utilizable</translation>
    </message>
    <message>
        <source>%1: "%2" is not true or false</source>
        <translation>%1: «%2» no es true ni false</translation>
    </message>
    <message>
        <source>not a regular file; using the defaults</source>
        <translation>no es un archivo normal; se usan los valores por defecto</translation>
    </message>
    <message>
        <source>cannot be read (%1); using the defaults</source>
        <translation>no se puede leer (%1); se usan los valores por defecto</translation>
    </message>
    <message>
        <source>larger than %1 MB; using the defaults</source>
        <translation>más de %1 MB; se usan los valores por defecto</translation>
    </message>
    <message>
        <source>it is a link; nothing is written through a link</source>
        <translation>es un enlace; no se escribe nada a través de un enlace</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>no es un archivo normal</translation>
    </message>
</context>
<context>
    <name>TBluetoothTransport</name>
    <message>
        <source>it offers no dartboard service</source>
        <translation>no ofrece ningún servicio de diana</translation>
    </message>
</context>
<context>
    <name>TBoardLink</name>
    <message>
        <source>The scoring boards cannot be started: %1</source>
        <translation>Las dianas de puntuación no pueden iniciarse: %1</translation>
    </message>
    <message>
        <source>Read: %1</source>
        <translation>Leído: %1</translation>
    </message>
    <message>
        <source>the boards module cannot be loaded</source>
        <translation>el módulo de las dianas no puede cargarse</translation>
    </message>
    <message>
        <source>Set a camera service or a soft-tip board first</source>
        <translation>Indique primero un servicio de cámara o una diana soft-tip</translation>
    </message>
</context>
<context>
    <name>TBoardServer</name>
    <message>
        <source>"%1" is no address of a camera service (host:port)</source>
        <translation>«%1» no es la dirección de un servicio de cámara (host:puerto)</translation>
    </message>
    <message>
        <source>"%1" is no Bluetooth address (like 00:11:22:33:44:55)</source>
        <translation>«%1» no es una dirección Bluetooth (como 00:11:22:33:44:55)</translation>
    </message>
</context>
<context>
    <name>TBoardVisit</name>
    <message>
        <source>Board: no match is in play; the darts are not recorded</source>
        <translation>Diana: no hay ningún partido en juego; los dardos no se anotan</translation>
    </message>
    <message>
        <source>Board: the winner is being shown; the darts are not recorded</source>
        <translation>Diana: se muestra el ganador; los dardos no se anotan</translation>
    </message>
    <message>
        <source>Board: the leg is over; the darts are not recorded</source>
        <translation>Diana: el leg ha terminado; los dardos no se anotan</translation>
    </message>
    <message>
        <source>Board: the computer throws for %1; the darts are not recorded</source>
        <translation>Diana: el ordenador lanza por %1; los dardos no se anotan</translation>
    </message>
    <message>
        <source>Board: this turn is entered; take the darts out</source>
        <translation>Diana: esta tirada está anotada; retire los dardos</translation>
    </message>
</context>
<context>
    <name>TBoardsDialog</name>
    <message>
        <source>Scoring Boards</source>
        <translation>Dianas de puntuación</translation>
    </message>
    <message>
        <source>host:port, e.g. 192.168.1.20:3180; empty: none</source>
        <translation>host:puerto, p. ej. 192.168.1.20:3180; vacío: ninguno</translation>
    </message>
    <message>
        <source>&amp;Camera system (Autodarts board service):</source>
        <translation>Sistema de &amp;cámara (servicio de diana Autodarts):</translation>
    </message>
    <message>
        <source>Bluetooth address; empty: none</source>
        <translation>Dirección Bluetooth; vacío: ninguna</translation>
    </message>
    <message>
        <source>&amp;Soft-tip board (Granboard):</source>
        <translation>Diana &amp;soft-tip (Granboard):</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Buscar</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Probar</translation>
    </message>
    <message>
        <source>Searching for soft-tip boards nearby…</source>
        <translation>Buscando dianas soft-tip cercanas…</translation>
    </message>
    <message>
        <source>Throw a dart…</source>
        <translation>Lance un dardo…</translation>
    </message>
    <message>
        <source>The search could not run: %1</source>
        <translation>La búsqueda no pudo hacerse: %1</translation>
    </message>
    <message>
        <source>No soft-tip board was found nearby</source>
        <translation>No se encontró ninguna diana soft-tip cercana</translation>
    </message>
    <message>
        <source>Choose the board from the list</source>
        <translation>Elija la diana de la lista</translation>
    </message>
</context>
<context>
    <name>TCaller</name>
    <message>
        <source>The caller is silent: %1.</source>
        <translation>El locutor está en silencio: %1.</translation>
    </message>
</context>
<context>
    <name>TCameraSource</name>
    <message>
        <source>Board: a message from %1 could not be read (%2)</source>
        <translation>Diana: un mensaje de %1 no pudo leerse (%2)</translation>
    </message>
    <message>
        <source>Board: take the darts out</source>
        <translation>Diana: retire los dardos</translation>
    </message>
    <message>
        <source>Board: detection is stopped at %1</source>
        <translation>Diana: la detección está detenida en %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionLink</name>
    <message>
        <source>not reachable (%1)</source>
        <translation>no accesible (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n result waiting</source>
        <translation><numerusform>Servidor del club: %n resultado en espera</numerusform><numerusform>Servidor del club: %n resultados en espera</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n results waiting</source>
        <translation><numerusform>Servidor del club: %n resultado en espera</numerusform><numerusform>Servidor del club: %n resultados en espera</numerusform></translation>
    </message>
    <message>
        <source>Club server: connected</source>
        <translation>Servidor del club: conectado</translation>
    </message>
    <message>
        <source>Club server: %1</source>
        <translation>Servidor del club: %1</translation>
    </message>
    <message>
        <source>The competition could not be made: %1</source>
        <translation>La competición no pudo crearse: %1</translation>
    </message>
    <message>
        <source>The fixture cannot be taken now: %1</source>
        <translation>El encuentro no puede tomarse ahora: %1</translation>
    </message>
    <message>
        <source>The fixture is playing on %1.</source>
        <translation>El encuentro se juega en %1.</translation>
    </message>
    <message>
        <source>The match is not %1 v %2: it does not count for %3.</source>
        <translation>El partido no es %1 contra %2: no cuenta para %3.</translation>
    </message>
    <message>
        <source>The result went into %1.</source>
        <translation>El resultado se anotó en %1.</translation>
    </message>
    <message>
        <source>The result could not be kept: %1</source>
        <translation>El resultado no pudo guardarse: %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionsDialog</name>
    <message>
        <source>Competitions</source>
        <translation>Competiciones</translation>
    </message>
    <message>
        <source>&amp;Competition:</source>
        <translation>&amp;Competición:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nueva…</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N.º</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronda</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Local</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Visitante</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Orden</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Diana</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Grupo</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Puesto</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Jugador</translation>
    </message>
    <message>
        <source>P</source>
        <translation>PJ</translation>
    </message>
    <message>
        <source>W</source>
        <translation>G</translation>
    </message>
    <message>
        <source>D</source>
        <translation>E</translation>
    </message>
    <message>
        <source>L</source>
        <translation>P</translation>
    </message>
    <message>
        <source>Legs for</source>
        <translation>Legs a favor</translation>
    </message>
    <message>
        <source>Legs against</source>
        <translation>Legs en contra</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source>180s</source>
        <translation>180s</translation>
    </message>
    <message>
        <source>High out</source>
        <translation>Mejor cierre</translation>
    </message>
    <message>
        <source>&amp;Fixtures</source>
        <translation>&amp;Encuentros</translation>
    </message>
    <message>
        <source>S&amp;tandings</source>
        <translation>C&amp;lasificación</translation>
    </message>
    <message>
        <source>&amp;Bracket</source>
        <translation>&amp;Cuadro</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jugar</translation>
    </message>
    <message>
        <source>&amp;Result by Hand…</source>
        <translation>&amp;Resultado a mano…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Group %1, round %2</source>
        <translation>Grupo %1, ronda %2</translation>
    </message>
    <message>
        <source>Losers' round %1</source>
        <translation>Ronda de perdedores %1</translation>
    </message>
    <message>
        <source>Knockout round %1</source>
        <translation>Ronda eliminatoria %1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronda %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>playing on %1</source>
        <translation>en juego en %1</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Volver a jugar</translation>
    </message>
    <message>
        <source>The fixture has a result. Why is it played again?</source>
        <translation>El encuentro tiene resultado. ¿Por qué se vuelve a jugar?</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Tomar el relevo</translation>
    </message>
    <message>
        <source>The fixture is playing on %1. Take it over for this board? Only when %1 is not playing it any more.</source>
        <translation>El encuentro se juega en %1. ¿Tomarlo para esta diana? Solo si %1 ya no lo juega.</translation>
    </message>
</context>
<context>
    <name>TDartPad</name>
    <message>
        <source>Miss</source>
        <translation>Fallo</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Atrás</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Anotar</translation>
    </message>
</context>
<context>
    <name>TFixtureResultDialog</name>
    <message>
        <source>Result by Hand</source>
        <translation>Resultado a mano</translation>
    </message>
    <message>
        <source>Legs of %1:</source>
        <translation>Legs de %1:</translation>
    </message>
    <message>
        <source>Walkover: Ben did not come</source>
        <translation>Incomparecencia: Ben no vino</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motivo:</translation>
    </message>
    <message>
        <source>Say why the result is given by hand.</source>
        <translation>Indique por qué el resultado se da a mano.</translation>
    </message>
    <message>
        <source>A knockout match needs a winner.</source>
        <translation>Un partido eliminatorio necesita un ganador.</translation>
    </message>
</context>
<context>
    <name>TFormBoard</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Marcador Vantorix</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Pantalla completa</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Salir de pantalla completa</translation>
    </message>
</context>
<context>
    <name>TFormHint</name>
    <message>
        <source>No Outshot</source>
        <translation>Sin cierre</translation>
    </message>
    <message>
        <source>1-Dart Outshot</source>
        <translation>Cierre con 1 dardo</translation>
    </message>
    <message>
        <source>2-Dart Outshot</source>
        <translation>Cierre con 2 dardos</translation>
    </message>
    <message>
        <source>3-Dart Outshot</source>
        <translation>Cierre con 3 dardos</translation>
    </message>
    <message>
        <source>Invalid Score</source>
        <translation>Puntuación no válida</translation>
    </message>
    <message>
        <source>Quick Shot Hint</source>
        <translation>Ayuda de cierres</translation>
    </message>
    <message>
        <source>Shot:</source>
        <translation>Resto:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Cierre:</translation>
    </message>
</context>
<context>
    <name>TFormVTX</name>
    <message>
        <source>No checkout routes: %1 %2.</source>
        <translation>Sin cierres: %1 %2.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Vantorix
Version 1.06

Darts scoreboard</source>
        <translation>Vantorix
Versión 1.06

Marcador de dardos</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gana el partido</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 gana el set</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gana</translation>
    </message>
</context>
<context>
    <name>TGamePanel</name>
    <message>
        <source>1 mark</source>
        <translation>1 marca</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 marcas</translation>
    </message>
    <message>
        <source>Darts: T20 S19 miss, then Enter (none: three misses)</source>
        <translation>Dardos: T20 S19 miss, luego Intro (ninguno: tres fallos)</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Fin de la partida: empate</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gana el partido</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gana</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>tira %1</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>sin puntos</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Como mucho tres dardos por tirada</translation>
    </message>
    <message>
        <source>“%1” is not a dart: type S20, D20, T20, 25, bull or miss</source>
        <translation>«%1» no es un dardo: escriba S20, D20, T20, 25, bull o miss</translation>
    </message>
    <message>
        <source>%1 throws: %2</source>
        <translation>%1 lanza: %2</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>Export match as CSV</source>
        <translation>Exportar el partido como CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Archivos CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>No se pudo escribir %1: %2</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historial</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Abrir</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>&amp;Exportar como CSV…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Borrar…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reanudar</translation>
    </message>
    <message>
        <source>Go on with the selected match where it stopped</source>
        <translation>Seguir el partido elegido donde se quedó</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Cerrar</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Jugador:</translation>
    </message>
    <message>
        <source>Delete match</source>
        <translation>Borrar el partido</translation>
    </message>
    <message>
        <source>This is the match in play.</source>
        <translation>Es el partido en juego.</translation>
    </message>
    <message>
        <source>Delete %1 for good?</source>
        <translation>¿Borrar %1 para siempre?</translation>
    </message>
    <message>
        <source>3-Dart Average per Match</source>
        <translation>Promedio de 3 dardos por partido</translation>
    </message>
    <message>
        <source>Match started</source>
        <translation>Inicio del partido</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Promedio</translation>
    </message>
    <message>
        <source> v </source>
        <translation> contra </translation>
    </message>
    <message>
        <source> · first to </source>
        <translation> · primero a </translation>
    </message>
    <message>
        <source> set of </source>
        <translation> set de </translation>
    </message>
    <message>
        <source> sets of </source>
        <translation> sets de </translation>
    </message>
    <message>
        <source> leg</source>
        <translation> leg</translation>
    </message>
    <message>
        <source> legs</source>
        <translation> legs</translation>
    </message>
    <message>
        <source> won, </source>
        <translation> ganó, </translation>
    </message>
    <message>
        <source>in play, </source>
        <translation>en juego, </translation>
    </message>
    <message>
        <source>abandoned, </source>
        <translation>abandonado, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Fecha</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Jugadores</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Resultado</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won · 3-dart average %5 · Highest turn %6 · 180s %7 · Highest checkout %8</source>
        <translation>Partidos %1 jugados, %2 ganados · Legs %3 jugados, %4 ganados · Promedio de 3 dardos %5 · Tirada más alta %6 · 180 %7 · Cierre más alto %8</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Prom. %1</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won</source>
        <translation>Partidos %1 jugados, %2 ganados · Legs %3 jugados, %4 ganados</translation>
    </message>
</context>
<context>
    <name>TLegCorrectionDialog</name>
    <message>
        <source>Correct Leg %1</source>
        <translation>Corregir el leg %1</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Tirada</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Puntos</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Resta</translation>
    </message>
    <message>
        <source>Choose a turn to correct</source>
        <translation>Elija una tirada para corregir</translation>
    </message>
    <message>
        <source>%1, turn %2:</source>
        <translation>%1, tirada %2:</translation>
    </message>
</context>
<context>
    <name>TMainActions</name>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Empezar una nueva partida</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nueva partida</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Acerca de</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Salir de Vantorix</translation>
    </message>
    <message>
        <source>Next Leg</source>
        <translation>Siguiente leg</translation>
    </message>
    <message>
        <source>Start Next Leg</source>
        <translation>Empezar el siguiente leg</translation>
    </message>
    <message>
        <source>Next &amp;Leg</source>
        <translation>Siguiente &amp;leg</translation>
    </message>
    <message>
        <source>Player Shot Hints</source>
        <translation>Cierres de los jugadores</translation>
    </message>
    <message>
        <source>Toggle Hints</source>
        <translation>Mostrar u ocultar los cierres</translation>
    </message>
    <message>
        <source>Add Score</source>
        <translation>Anotar la puntuación</translation>
    </message>
    <message>
        <source>Quick Shot Hint Window</source>
        <translation>Ventana de cierres</translation>
    </message>
    <message>
        <source>Thr&amp;ow</source>
        <translation>Ti&amp;rada</translation>
    </message>
    <message>
        <source>Add New Throw</source>
        <translation>Anotar una tirada</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Deshacer</translation>
    </message>
    <message>
        <source>Undo Last Throw</source>
        <translation>Deshacer la última tirada</translation>
    </message>
    <message>
        <source>Toggle Focus</source>
        <translation>Cambiar el foco</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Estadísticas</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas de la partida</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historial</translation>
    </message>
    <message>
        <source>Stored Matches</source>
        <translation>Partidos guardados</translation>
    </message>
    <message>
        <source>Export match as CSV…</source>
        <translation>Exportar el partido como CSV…</translation>
    </message>
    <message>
        <source>Export the match in play as CSV</source>
        <translation>Exportar el partido en juego como CSV</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Marcador</translation>
    </message>
    <message>
        <source>Board for the room (Ctrl+B)</source>
        <translation>Marcador para la sala (Ctrl+B)</translation>
    </message>
    <message>
        <source>&amp;Caller</source>
        <translation>&amp;Locutor</translation>
    </message>
    <message>
        <source>Call the scores aloud (Ctrl+Shift+C)</source>
        <translation>Cantar las puntuaciones en voz alta (Ctrl+Mayús+C)</translation>
    </message>
    <message>
        <source>Room on the &amp;Network</source>
        <translation>Sala en la &amp;red</translation>
    </message>
    <message>
        <source>Serve the board and a keypad to the room's screens and phones</source>
        <translation>El marcador y un teclado para las pantallas y teléfonos de la sala</translation>
    </message>
    <message>
        <source>The QR codes of the board and the keypad</source>
        <translation>Los códigos QR del marcador y del teclado</translation>
    </message>
    <message>
        <source>The desktop's language</source>
        <translation>Idioma del escritorio</translation>
    </message>
    <message>
        <source>&amp;Pause Computer</source>
        <translation>&amp;Pausar el ordenador</translation>
    </message>
    <message>
        <source>Pause the computer's throwing (Ctrl+P)</source>
        <translation>Pausar los lanzamientos del ordenador (Ctrl+P)</translation>
    </message>
    <message>
        <source>Dart Pa&amp;d</source>
        <translation>&amp;Teclado de dardos</translation>
    </message>
    <message>
        <source>A dartboard to tap each dart on (F7)</source>
        <translation>Una diana para tocar cada dardo (F7)</translation>
    </message>
    <message>
        <source>Next Side's Scores</source>
        <translation>Puntuaciones del siguiente bando</translation>
    </message>
    <message>
        <source>Show the next side's score list (Ctrl+PgDown)</source>
        <translation>Mostrar la lista del siguiente bando (Ctrl+Av Pág)</translation>
    </message>
    <message>
        <source>Previous Side's Scores</source>
        <translation>Puntuaciones del bando anterior</translation>
    </message>
    <message>
        <source>Show the previous side's score list (Ctrl+PgUp)</source>
        <translation>Mostrar la lista del bando anterior (Ctrl+Re Pág)</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Barra de herramientas</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Cierres</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Idioma</translation>
    </message>
    <message>
        <source>Outshot</source>
        <translation>Cierre</translation>
    </message>
    <message>
        <source>Room C&amp;odes…</source>
        <translation>&amp;Códigos de la sala…</translation>
    </message>
    <message numerus="yes">
        <source>%n-Dart Outshot</source>
        <translation><numerusform>Cierre con %n dardo</numerusform><numerusform>Cierre con %n dardos</numerusform></translation>
    </message>
    <message>
        <source>&amp;Scoring Boards…</source>
        <translation>Dianas de &amp;puntuación…</translation>
    </message>
    <message>
        <source>Take the darts from a camera system or a soft-tip board</source>
        <translation>Tomar los dardos de un sistema de cámara o de una diana soft-tip</translation>
    </message>
    <message>
        <source>&amp;Competitions…</source>
        <translation>&amp;Competiciones…</translation>
    </message>
    <message>
        <source>Leagues and knockouts over one or several boards (F9)</source>
        <translation>Ligas y torneos eliminatorios en una o varias dianas (F9)</translation>
    </message>
</context>
<context>
    <name>TMainPages</name>
    <message>
        <source>Paused: Ctrl+P lets it throw</source>
        <translation>En pausa: Ctrl+P le deja tirar</translation>
    </message>
    <message>
        <source>Waits after the undo: Ctrl+P twice lets it throw</source>
        <translation>Espera tras deshacer: Ctrl+P dos veces le deja tirar</translation>
    </message>
</context>
<context>
    <name>TMatchKeeper</name>
    <message>
        <source>Match store: %1.</source>
        <translation>Almacén de partidos: %1.</translation>
    </message>
    <message>
        <source>Matches are not being saved: %1.</source>
        <translation>Los partidos no se están guardando: %1.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operation %1 of %2 could not be applied and was skipped. It is kept in the store, and the match's stored figures are left as they were.</source>
        <translation>El partido guardado no se pudo reproducir entero: su operación %1 de %2 no se pudo aplicar y se ha saltado. Se conserva guardada, y las cifras guardadas del partido quedan como estaban.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operations %1 of %2 could not be applied and were skipped. They are kept in the store, and the match's stored figures are left as they were.</source>
        <translation>El partido guardado no se pudo reproducir entero: sus operaciones %1 de %2 no se pudieron aplicar y se han saltado. Se conservan guardadas, y las cifras guardadas del partido quedan como estaban.</translation>
    </message>
    <message>
        <source>The stored match was read with care: %1.</source>
        <translation>El partido guardado se ha leído con cuidado: %1.</translation>
    </message>
    <message>
        <source>Match store: %1 is damaged; it is set aside, with what still reads carried over, when the next match starts.</source>
        <translation>Almacén de partidos: %1 está dañado; se apartará al empezar el próximo partido, y lo que aún se lee se conservará.</translation>
    </message>
</context>
<context>
    <name>TNewCompetitionDialog</name>
    <message>
        <source>New Competition</source>
        <translation>Nueva competición</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nombre:</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source>League, home and away</source>
        <translation>Liga, ida y vuelta</translation>
    </message>
    <message>
        <source>Knockout</source>
        <translation>Eliminatoria</translation>
    </message>
    <message>
        <source>Knockout, double elimination</source>
        <translation>Eliminatoria doble</translation>
    </message>
    <message>
        <source>Groups, then knockout</source>
        <translation>Grupos, luego eliminatoria</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Tipo:</translation>
    </message>
    <message>
        <source>groups; going on from each:</source>
        <translation>grupos; pasan de cada uno:</translation>
    </message>
    <message>
        <source>&amp;Groups:</source>
        <translation>&amp;Grupos:</translation>
    </message>
    <message>
        <source>One name a line, the best first</source>
        <translation>Un nombre por línea, el mejor primero</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Jugadores:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Añadir</translation>
    </message>
    <message>
        <source>From History:</source>
        <translation>Del historial:</translation>
    </message>
    <message>
        <source>Ga&amp;me:</source>
        <translation>Jueg&amp;o:</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>sin sets</translation>
    </message>
    <message>
        <source>legs to win, sets to win:</source>
        <translation>legs para ganar, sets para ganar:</translation>
    </message>
    <message>
        <source>&amp;Legs:</source>
        <translation>&amp;Legs:</translation>
    </message>
    <message>
        <source>Give the competition a name.</source>
        <translation>Dé un nombre a la competición.</translation>
    </message>
    <message>
        <source>A competition has 2 to 64 players.</source>
        <translation>Una competición tiene de 2 a 64 jugadores.</translation>
    </message>
    <message>
        <source>Each player can be named once only.</source>
        <translation>Cada jugador solo puede nombrarse una vez.</translation>
    </message>
    <message>
        <source>Each group needs at least two players, and no more can go on from a group than it has.</source>
        <translation>Cada grupo necesita al menos dos jugadores, y de un grupo no pueden pasar más de los que tiene.</translation>
    </message>
</context>
<context>
    <name>TNewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Nueva partida</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Juego:</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jugadores</translation>
    </message>
    <message>
        <source>Player 1 - Starts:</source>
        <translation>Jugador 1 - empieza:</translation>
    </message>
    <message>
        <source>Player 2 - Starts:</source>
        <translation>Jugador 2 - empieza:</translation>
    </message>
    <message>
        <source>P&amp;layers:</source>
        <translation>J&amp;ugadores:</translation>
    </message>
    <message>
        <source>P&amp;airs</source>
        <translation>&amp;Parejas</translation>
    </message>
    <message>
        <source>&amp;Handicap</source>
        <translation>&amp;Hándicap</translation>
    </message>
    <message>
        <source>Enter &amp;darts</source>
        <translation>Anotar los &amp;dardos</translation>
    </message>
    <message>
        <source>Type each turn's darts as called: T20 T20 20, D16, 25, bull, m</source>
        <translation>Escribir los dardos de cada tirada como se cantan: T20 T20 20, D16, 25, bull, m</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>First &amp;to:</source>
        <translation>El primero &amp;en:</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>sin sets</translation>
    </message>
    <message>
        <source>Sets: first t&amp;o:</source>
        <translation>Sets: el primero e&amp;n:</translation>
    </message>
    <message>
        <source>legs</source>
        <translation>legs</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Empezar</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Cancelar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>&amp;Resume: </source>
        <translation>&amp;Reanudar: </translation>
    </message>
    <message>
        <source>Player %1 - Starts:</source>
        <translation>Jugador %1 - empieza:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordenador</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordenador</translation>
    </message>
    <message>
        <source>The 3-dart average the computer throws at</source>
        <translation>El promedio de 3 dardos con el que tira el ordenador</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Ordenador (%1)</translation>
    </message>
    <message>
        <source>Thrower 1</source>
        <translation>Lanzador 1</translation>
    </message>
    <message>
        <source>Thrower 2</source>
        <translation>Lanzador 2</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>start score</comment>
        <translation>Inicio</translation>
    </message>
</context>
<context>
    <name>TNoticeBar</name>
    <message>
        <source>Dismiss</source>
        <translation>Descartar</translation>
    </message>
</context>
<context>
    <name>TPlayerPanel</name>
    <message>
        <source>Turns:</source>
        <translation>Tiradas:</translation>
    </message>
    <message>
        <source>Darts:</source>
        <translation>Dardos:</translation>
    </message>
    <message>
        <source>Scored:</source>
        <translation>Anotados:</translation>
    </message>
    <message>
        <source>Turn Avg:</source>
        <translation>Prom. tirada:</translation>
    </message>
    <message>
        <source>Dart Avg:</source>
        <translation>Prom. dardo:</translation>
    </message>
    <message>
        <source>Legs:</source>
        <translation>Legs:</translation>
    </message>
    <message>
        <source>G.Turn Avg:</source>
        <translation>Prom. tirada tot.:</translation>
    </message>
    <message>
        <source>G.Dart Avg:</source>
        <translation>Prom. dardo tot.:</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Cierre:</translation>
    </message>
    <message>
        <source>&lt;&amp;Thrown</source>
        <translation>&lt;&amp;Tirado</translation>
    </message>
    <message>
        <source>&amp;Thrown&gt;</source>
        <translation>&amp;Tirado&gt;</translation>
    </message>
    <message>
        <source>A turn has at most three darts</source>
        <translation>Una tirada tiene como mucho tres dardos</translation>
    </message>
    <message>
        <source>"%1" is not a dart</source>
        <translation>«%1» no es un dardo</translation>
    </message>
    <message>
        <source> · checkout</source>
        <translation> · cierre</translation>
    </message>
    <message>
        <source> · bust</source>
        <translation> · bust</translation>
    </message>
</context>
<context>
    <name>TRoomKeypad</name>
    <message>
        <source>The computer throws for %1</source>
        <translation>El ordenador tira por %1</translation>
    </message>
    <message>
        <source>No match is in play</source>
        <translation>No hay ningún partido en juego</translation>
    </message>
    <message>
        <source>This keypad page is out of date: load it again</source>
        <translation>Esta página de teclado está desfasada: vuelva a cargarla</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed</source>
        <translation>El partido ha avanzado desde que se escribió esto</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed: %1 is to throw now</source>
        <translation>El partido ha avanzado desde que se escribió esto: ahora lanza %1</translation>
    </message>
    <message>
        <source>The leg is not over</source>
        <translation>El leg no ha terminado</translation>
    </message>
    <message>
        <source>This game is entered dart by dart</source>
        <translation>Este juego se anota dardo a dardo</translation>
    </message>
    <message>
        <source>The computer throws this turn</source>
        <translation>Esta tirada la hace el ordenador</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 no cierra los %2 que quedan</translation>
    </message>
</context>
<context>
    <name>TRoomLink</name>
    <message>
        <source>The room on the network cannot be started: %1</source>
        <translation>La sala en la red no puede iniciarse: %1</translation>
    </message>
    <message>
        <source>The room cannot be served on port %1: %2</source>
        <translation>La sala no puede servirse en el puerto %1: %2</translation>
    </message>
    <message>
        <source>The room's port "%1" in the settings cannot be used (it must be 1 to 65535); the room is served on port %2</source>
        <translation>El puerto «%1» de la sala en la configuración no se puede usar (de 1 a 65535); la sala se sirve en el puerto %2</translation>
    </message>
    <message>
        <source>Room on the network: %1 · %2</source>
        <translation>Sala en la red: %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n marcador</numerusform><numerusform>%n marcadores</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n marcador</numerusform><numerusform>%n marcadores</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n teclado</numerusform><numerusform>%n teclados</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n teclado</numerusform><numerusform>%n teclados</numerusform></translation>
    </message>
</context>
<context>
    <name>TRoomWindow</name>
    <message>
        <source>Room on the Network</source>
        <translation>Sala en la red</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board&lt;/b&gt; (shows the match)</source>
        <translation>&lt;b&gt;Marcador&lt;/b&gt; (muestra el partido)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keypad&lt;/b&gt; (takes turns)</source>
        <translation>&lt;b&gt;Teclado&lt;/b&gt; (anota las tiradas)</translation>
    </message>
    <message>
        <source>Scan a code with a phone or a television on this network. Whoever has the keypad's address can enter turns: New codes shuts out every page opened before.</source>
        <translation>Escanee un código con un teléfono o un televisor de esta red. Quien tenga la dirección del teclado puede anotar tiradas: Códigos nuevos deja fuera toda página abierta antes.</translation>
    </message>
    <message>
        <source>New codes</source>
        <translation>Códigos nuevos</translation>
    </message>
    <message>
        <source>Connected: %1 · %2</source>
        <translation>Conectados: %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n marcador</numerusform><numerusform>%n marcadores</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n marcador</numerusform><numerusform>%n marcadores</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n teclado</numerusform><numerusform>%n teclados</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n teclado</numerusform><numerusform>%n teclados</numerusform></translation>
    </message>
    <message>
        <source>Stream overlay: %1</source>
        <translation>Superposición para la emisión: %1</translation>
    </message>
    <message>
        <source>Events for lights and stream tools: %1</source>
        <translation>Eventos para luces y herramientas de emisión: %1</translation>
    </message>
</context>
<context>
    <name>TScoreListModel</name>
    <message>
        <source>Score</source>
        <translation>Resto</translation>
    </message>
</context>
<context>
    <name>TSideCards</name>
    <message>
        <source>to throw</source>
        <translation>tira</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>tira %1</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Última %1</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Prom. %1</translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
</context>
<context>
    <name>TStatsPage</name>
    <message>
        <source>Game Statistics</source>
        <translation>Estadísticas de la partida</translation>
    </message>
</context>
<context>
    <name>TTypedEntry</name>
    <message>
        <source>Dart Pad</source>
        <translation>Teclado de dardos</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 no cierra los %2 que quedan</translation>
    </message>
    <message>
        <source> (turn %1)</source>
        <translation> (tirada %1)</translation>
    </message>
    <message>
        <source>%1 throws its own turns: Ctrl+P pauses it so you can type one</source>
        <translation>%1 lanza sus propias tiradas: Ctrl+P lo pausa para que pueda escribir una</translation>
    </message>
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>El idioma elegido se aplica en el próximo inicio.</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>no speech engine is installed</source>
        <translation>no hay ningún motor de voz instalado</translation>
    </message>
    <message>
        <source>the speech engine "%1" is not installed</source>
        <translation>el motor de voz «%1» no está instalado</translation>
    </message>
    <message>
        <source>the speech engine cannot be used</source>
        <translation>el motor de voz no se puede usar</translation>
    </message>
    <message>
        <source>the speech engine has no voice</source>
        <translation>el motor de voz no tiene ninguna voz</translation>
    </message>
    <message>
        <source>no sound device can be reached</source>
        <translation>no se puede llegar a ningún dispositivo de sonido</translation>
    </message>
</context>
</TS>