<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nl_NL">
<context>
    <name>TMainActions</name>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Een nieuw spel beginnen</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nieuw spel</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>&amp;Over</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Vantorix afsluiten</translation>
    </message>
    <message>
        <source>Next Leg</source>
        <translation>Volgende leg</translation>
    </message>
    <message>
        <source>Start Next Leg</source>
        <translation>De volgende leg beginnen</translation>
    </message>
    <message>
        <source>Next &amp;Leg</source>
        <translation>Volgende &amp;leg</translation>
    </message>
    <message>
        <source>Player Shot Hints</source>
        <translation>Uitgooiroutes van de spelers</translation>
    </message>
    <message>
        <source>Toggle Hints</source>
        <translation>Uitgooiroutes tonen of verbergen</translation>
    </message>
    <message>
        <source>Add Score</source>
        <translation>Score invoeren</translation>
    </message>
    <message>
        <source>Quick Shot Hint Window</source>
        <translation>Uitgooivenster</translation>
    </message>
    <message>
        <source>%1-Dart Outshot</source>
        <translation>Uitgooi met %1 darts</translation>
    </message>
    <message>
        <source>Thr&amp;ow</source>
        <translation>&amp;Worp</translation>
    </message>
    <message>
        <source>Add New Throw</source>
        <translation>Een beurt invoeren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Terug</translation>
    </message>
    <message>
        <source>Undo Last Throw</source>
        <translation>De laatste beurt ongedaan maken</translation>
    </message>
    <message>
        <source>Toggle Focus</source>
        <translation>Focus wisselen</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Statistiek</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Spelstatistieken</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Geschiedenis</translation>
    </message>
    <message>
        <source>Stored Matches</source>
        <translation>Opgeslagen wedstrijden</translation>
    </message>
    <message>
        <source>Export match as CSV…</source>
        <translation>Wedstrijd als CSV exporteren…</translation>
    </message>
    <message>
        <source>Export the match in play as CSV</source>
        <translation>De lopende wedstrijd als CSV exporteren</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Scorebord</translation>
    </message>
    <message>
        <source>Board for the room (Ctrl+B)</source>
        <translation>Scorebord voor de zaal (Ctrl+B)</translation>
    </message>
    <message>
        <source>&amp;Caller</source>
        <translation>&amp;Caller</translation>
    </message>
    <message>
        <source>Call the scores aloud (Ctrl+Shift+C)</source>
        <translation>De scores hardop afroepen (Ctrl+Shift+C)</translation>
    </message>
    <message>
        <source>Room on the &amp;Network</source>
        <translation>Zaal op het &amp;netwerk</translation>
    </message>
    <message>
        <source>Serve the board and a keypad to the room's screens and phones</source>
        <translation>Scorebord en toetsenblok voor de schermen en telefoons in de zaal</translation>
    </message>
    <message>
        <source>Room &amp;Codes…</source>
        <translation>Zaal&amp;codes…</translation>
    </message>
    <message>
        <source>The QR codes of the board and the keypad</source>
        <translation>De QR-codes van het scorebord en het toetsenblok</translation>
    </message>
    <message>
        <source>The desktop's language</source>
        <translation>Taal van het bureaublad</translation>
    </message>
    <message>
        <source>&amp;Pause Computer</source>
        <translation>Computer &amp;pauzeren</translation>
    </message>
    <message>
        <source>Pause the computer's throwing (Ctrl+P)</source>
        <translation>Het gooien van de computer pauzeren (Ctrl+P)</translation>
    </message>
    <message>
        <source>Dart Pa&amp;d</source>
        <translation>Dart&amp;bord</translation>
    </message>
    <message>
        <source>A dartboard to tap each dart on (F7)</source>
        <translation>Een dartbord om elke dart op aan te tikken (F7)</translation>
    </message>
    <message>
        <source>Next Side's Scores</source>
        <translation>Scores van de volgende kant</translation>
    </message>
    <message>
        <source>Show the next side's score list (Ctrl+PgDown)</source>
        <translation>De scorelijst van de volgende kant tonen (Ctrl+PgDown)</translation>
    </message>
    <message>
        <source>Previous Side's Scores</source>
        <translation>Scores van de vorige kant</translation>
    </message>
    <message>
        <source>Show the previous side's score list (Ctrl+PgUp)</source>
        <translation>De scorelijst van de vorige kant tonen (Ctrl+PgUp)</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Werkbalk</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Routes</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Taal</translation>
    </message>
</context>
<context>
    <name>TNewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Nieuw spel</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Spel:</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 spelers</translation>
    </message>
    <message>
        <source>Player 1 - Starts:</source>
        <translation>Speler 1 - begint:</translation>
    </message>
    <message>
        <source>Player 2 - Starts:</source>
        <translation>Speler 2 - begint:</translation>
    </message>
    <message>
        <source>P&amp;layers:</source>
        <translation>S&amp;pelers:</translation>
    </message>
    <message>
        <source>P&amp;airs</source>
        <translation>&amp;Koppels</translation>
    </message>
    <message>
        <source>&amp;Handicap</source>
        <translation>&amp;Handicap</translation>
    </message>
    <message>
        <source>Enter &amp;darts</source>
        <translation>&amp;Darts apart invoeren</translation>
    </message>
    <message>
        <source>Type each turn's darts as called: T20 T20 20, D16, 25, bull, m</source>
        <translation>De darts van elke beurt typen zoals afgeroepen: T20 T20 20, D16, 25, bull, m</translation>
    </message>
    <message>
        <source>open</source>
        <translation>open</translation>
    </message>
    <message>
        <source>First &amp;to:</source>
        <translation>Wie het &amp;eerst:</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>geen sets</translation>
    </message>
    <message>
        <source>Sets: first t&amp;o:</source>
        <translation>Sets: wie het e&amp;erst:</translation>
    </message>
    <message>
        <source>legs</source>
        <translation>legs</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Beginnen</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuleren</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Afsluiten</translation>
    </message>
    <message>
        <source>&amp;Resume: </source>
        <translation>&amp;Hervatten: </translation>
    </message>
    <message>
        <source>Player %1 - Starts:</source>
        <translation>Speler %1 - begint:</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Speler %1</translation>
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
        <translation>Het 3-dartsgemiddelde waarmee de computer gooit</translation>
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
        <translation>De gekozen taal geldt vanaf de volgende start.</translation>
    </message>
</context>
</TS>