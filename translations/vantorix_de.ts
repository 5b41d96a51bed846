<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>TMainActions</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Ein neues Spiel beginnen</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Neues Spiel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>Ü&amp;ber</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Vantorix beenden</translation>
    </message>
    <message>
        <source>Next Leg</source>
        <translation>Nächstes Leg</translation>
    </message>
    <message>
        <source>Start Next Leg</source>
        <translation>Das nächste Leg beginnen</translation>
    </message>
    <message>
        <source>Next &amp;Leg</source>
        <translation>Nächstes &amp;Leg</translation>
    </message>
    <message>
        <source>Player Shot Hints</source>
        <translation>Finish-Wege der Spieler</translation>
    </message>
    <message>
        <source>Toggle Hints</source>
        <translation>Finish-Wege zeigen oder verbergen</translation>
    </message>
    <message>
        <source>Add Score</source>
        <translation>Punkte eintragen</translation>
    </message>
    <message>
        <source>Quick Shot Hint Window</source>
        <translation>Finish-Fenster</translation>
    </message>
    <message>
        <source>%1-Dart Outshot</source>
        <translation>Finish mit %1 Darts</translation>
    </message>
    <message>
        <source>Thr&amp;ow</source>
        <translation>&amp;Wurf</translation>
    </message>
    <message>
        <source>Add New Throw</source>
        <translation>Eine Aufnahme eintragen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Zurück</translation>
    </message>
    <message>
        <source>Undo Last Throw</source>
        <translation>Die letzte Aufnahme zurücknehmen</translation>
    </message>
    <message>
        <source>Toggle Focus</source>
        <translation>Fokus wechseln</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Statistik</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spielstatistik</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Verlauf</translation>
    </message>
    <message>
        <source>Stored Matches</source>
        <translation>Gespeicherte Matches</translation>
    </message>
    <message>
        <source>Export match as CSV…</source>
        <translation>Match als CSV exportieren…</translation>
    </message>
    <message>
        <source>Export the match in play as CSV</source>
        <translation>Das laufende Match als CSV exportieren</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Anzeigetafel</translation>
    </message>
    <message>
        <source>Board for the room (Ctrl+B)</source>
        <translation>Anzeigetafel für den Raum (Strg+B)</translation>
    </message>
    <message>
        <source>&amp;Caller</source>
        <translation>&amp;Caller</translation>
    </message>
    <message>
        <source>Call the scores aloud (Ctrl+Shift+C)</source>
        <translation>Die Punkte laut ansagen (Strg+Umschalt+C)</translation>
    </message>
    <message>
        <source>Room on the &amp;Network</source>
        <translation>Raum im &amp;Netzwerk</translation>
    </message>
    <message>
        <source>Serve the board and a keypad to the room's screens and phones</source>
        <translation>Anzeigetafel und Eingabe für die Bildschirme und Handys im Raum</translation>
    </message>
    <message>
        <source>Room &amp;Codes…</source>
        <translation>Raum-&amp;Codes…</translation>
    </message>
    <message>
        <source>The QR codes of the board and the keypad</source>
        <translation>Die QR-Codes der Anzeigetafel und der Eingabe</translation>
    </message>
    <message>
        <source>The desktop's language</source>
        <translation>Sprache des Desktops</translation>
    </message>
    <message>
        <source>&amp;Pause Computer</source>
        <translation>Computer &amp;anhalten</translation>
    </message>
    <message>
        <source>Pause the computer's throwing (Ctrl+P)</source>
        <translation>Die Würfe des Computers anhalten (Strg+P)</translation>
    </message>
    <message>
        <source>Dart Pa&amp;d</source>
        <translation>Dart-&amp;Tafel</translation>
    </message>
    <message>
        <source>A dartboard to tap each dart on (F7)</source>
        <translation>Eine Dartscheibe zum Antippen jedes Darts (F7)</translation>
    </message>
    <message>
        <source>Next Side's Scores</source>
        <translation>Punkte der nächsten Seite</translation>
    </message>
    <message>
        <source>Show the next side's score list (Ctrl+PgDown)</source>
        <translation>Die Punkteliste der nächsten Seite zeigen (Strg+Bild ab)</translation>
    </message>
    <message>
        <source>Previous Side's Scores</source>
        <translation>Punkte der vorigen Seite</translation>
    </message>
    <message>
        <source>Show the previous side's score list (Ctrl+PgUp)</source>
        <translation>Die Punkteliste der vorigen Seite zeigen (Strg+Bild auf)</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Werkzeugleiste</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Finish</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Sprache</translation>
    </message>
</context>
<context>
    <name>TNewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Neues Spiel</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spiel:</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>Player 1 - Starts:</source>
        <translation>Spieler 1 - beginnt:</translation>
    </message>
    <message>
        <source>Player 2 - Starts:</source>
        <translation>Spieler 2 - beginnt:</translation>
    </message>
    <message>
        <source>P&amp;layers:</source>
        <translation>S&amp;pieler:</translation>
    </message>
    <message>
        <source>P&amp;airs</source>
        <translation>&amp;Paare</translation>
    </message>
    <message>
        <source>&amp;Handicap</source>
        <translation>&amp;Handicap</translation>
    </message>
    <message>
        <source>Enter &amp;darts</source>
        <translation>&amp;Darts einzeln eingeben</translation>
    </message>
    <message>
        <source>Type each turn's darts as called: T20 T20 20, D16, 25, bull, m</source>
        <translation>Die Darts jeder Aufnahme wie angesagt tippen: T20 T20 20, D16, 25, bull, m</translation>
    </message>
    <message>
        <source>open</source>
        <translation>offen</translation>
    </message>
    <message>
        <source>First &amp;to:</source>
        <translation>Wer &amp;zuerst:</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>ohne Sets</translation>
    </message>
    <message>
        <source>Sets: first t&amp;o:</source>
        <translation>Sets: wer z&amp;uerst:</translation>
    </message>
    <message>
        <source>legs</source>
        <translation>Legs</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Abbrechen</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>&amp;Resume: </source>
        <translation>&amp;Fortsetzen: </translation>
    </message>
    <message>
        <source>Player %1 - Starts:</source>
        <translation>Spieler %1 - beginnt:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Computer</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>The 3-dart average the computer throws at</source>
        <translation>Der 3-Dart-Average, mit dem der Computer wirft</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Computer (%1)</translation>
    </message>
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start.</translation>
    </message>
</context>
</TS>