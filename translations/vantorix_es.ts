<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="es_ES">
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
        <source>%1-Dart Outshot</source>
        <translation>Cierre con %1 dardos</translation>
    </message>
    <message>
        <source>Thr&amp;ow</source>
        <translation>&amp;Tirada</translation>
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
        <translation>&amp;Árbitro</translation>
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
        <source>Room &amp;Codes…</source>
        <translation>&amp;Códigos de la sala…</translation>
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
        <translation>&amp;Diana</translation>
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
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>El idioma elegido se aplica en el próximo inicio.</translation>
    </message>
</context>
</TS>