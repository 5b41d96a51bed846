<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="de_DE">
<context>
    <name>BoardState</name>
    <message>
        <source>No score</source>
        <translation>Keine Punkte</translation>
    </message>
    <message>
        <source>1 mark: </source>
        <translation>1 Mark: </translation>
    </message>
    <message>
        <source>%1 marks: </source>
        <translation>%1 Marks: </translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Zuletzt %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board: ready</source>
        <translation>Scheibe: bereit</translation>
    </message>
    <message>
        <source>Board: connecting to %1</source>
        <translation>Scheibe: Verbindung mit %1 wird aufgebaut</translation>
    </message>
    <message>
        <source>Board: not reachable at %1</source>
        <translation>Scheibe: unter %1 nicht erreichbar</translation>
    </message>
    <message>
        <source>Board: not reachable at %1 (%2)</source>
        <translation>Scheibe: unter %1 nicht erreichbar (%2)</translation>
    </message>
</context>
<context>
    <name>CMatchStore</name>
    <message>
        <source>its %1 players were read as %2</source>
        <translation>seine %1 Spieler wurden als %2 gelesen</translation>
    </message>
    <message>
        <source>its game "%1" is not one this version plays; it goes on as X01 from %2</source>
        <translation>das Spiel „%1“ kennt diese Version nicht; es geht als X01 ab %2 weiter</translation>
    </message>
    <message>
        <source>a row for side %1, which the match does not have, was ignored</source>
        <translation>eine Zeile für Seite %1, die das Match nicht hat, wurde übergangen</translation>
    </message>
    <message>
        <source>side %1 had no row and plays as it was started</source>
        <translation>Seite %1 hatte keine Zeile und spielt wie zu Beginn</translation>
    </message>
    <message>
        <source>a computer for side %1, which the match does not have, was ignored</source>
        <translation>ein Computer für Seite %1, die das Match nicht hat, wurde übergangen</translation>
    </message>
    <message>
        <source>the computer's average %1 of side %2 was read as %3</source>
        <translation>der Schnitt %1 des Computers von Seite %2 wurde als %3 gelesen</translation>
    </message>
    <message>
        <source>the computer's seed "%1" is no number; 0 is used</source>
        <translation>der Startwert „%1“ des Computers ist keine Zahl; 0 wird verwendet</translation>
    </message>
    <message>
        <source>the store is locked by another program</source>
        <translation>der Speicher ist von einem anderen Programm gesperrt</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>die Festplatte ist voll</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kann nicht geschrieben werden (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 ist nicht nutzbar (%2)</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new one was made</source>
        <translation>%1 war beschädigt; sie bleibt als %2 erhalten, eine neue wurde angelegt</translation>
    </message>
    <message>
        <source>%1 is another program's database (application %2, version %3); it is left alone</source>
        <translation>%1 ist die Datenbank eines anderen Programms (Anwendung %2, Version %3); sie bleibt unberührt</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vantorix; matches are not saved until it is updated</source>
        <translation>%1 stammt von einem neueren Vantorix; Matches werden erst nach einem Update gespeichert</translation>
    </message>
    <message>
        <source>%1 holds no matches yet</source>
        <translation>%1 enthält noch keine Matches</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>der SQLite-Treiber von Qt ist nicht installiert</translation>
    </message>
    <message>
        <source>cannot make the folder %1%2</source>
        <translation>der Ordner %1 kann nicht angelegt werden%2</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1</source>
        <translation>ein anderes Vantorix zeichnet in %1 auf</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <translation>%1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 ist beschädigt</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be set aside</source>
        <translation>%1 ist beschädigt und kann nicht beiseitegelegt werden</translation>
    </message>
    <message>
        <source>, with %1 of the %2 matches that could be read carried over</source>
        <translation>, mit %1 der %2 lesbaren Matches übernommen</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1; this one records nothing (History can be read)</source>
        <translation>ein anderes Vantorix zeichnet in %1 auf; dieses zeichnet nichts auf (der Verlauf ist lesbar)</translation>
    </message>
    <message>
        <source>%1; nothing is recorded until it can be written (History can be read)</source>
        <translation>%1; nichts wird aufgezeichnet, bis geschrieben werden kann (der Verlauf ist lesbar)</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 kann nicht gesperrt werden</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use and the store could not be opened again</source>
        <translation>das Journal %1-wal wurde im Betrieb gelöscht und der Speicher ließ sich nicht wieder öffnen</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use; what it held is saved in %1 and recording goes on</source>
        <translation>das Journal %1-wal wurde im Betrieb gelöscht; sein Inhalt ist in %1 gesichert, die Aufzeichnung geht weiter</translation>
    </message>
    <message>
        <source>%1; what is played is kept in memory and saved once the store takes writes again</source>
        <translation>%1; das Gespielte bleibt im Speicher und wird gesichert, sobald der Speicher wieder schreibbar ist</translation>
    </message>
    <message>
        <source>recording goes on</source>
        <translation>die Aufzeichnung geht weiter</translation>
    </message>
    <message>
        <source>recording goes on; the operation kept in memory is saved</source>
        <translation>die Aufzeichnung geht weiter; der Schritt im Speicher ist gesichert</translation>
    </message>
    <message>
        <source>This is the match in play</source>
        <translation>Das ist das laufende Match</translation>
    </message>
    <message>
        <source>%1 is a link to %2; nothing is written through a link</source>
        <translation>%1 ist ein Verweis auf %2; durch einen Verweis wird nichts geschrieben</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>the disk of %1 is read-only</source>
        <translation>das Laufwerk von %1 ist schreibgeschützt</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>keine Schreibrechte in %1</translation>
    </message>
    <message>
        <source>no permission to write %1</source>
        <translation>keine Schreibrechte für %1</translation>
    </message>
</context>
<context>
    <name>CheckoutFile</name>
    <message>
        <source>was not found</source>
        <translation>wurde nicht gefunden</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>ist keine gewöhnliche Datei</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kann nicht gelesen werden</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> v </source>
        <translation> gegen </translation>
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
        <translation>, Legs </translation>
    </message>
</context>
<context>
    <name>GameNames</name>
    <message>
        <source>Standard 301</source>
        <translation>Standard 301</translation>
    </message>
    <message>
        <source>Standard 501</source>
        <translation>Standard 501</translation>
    </message>
    <message>
        <source>Standard 701</source>
        <translation>Standard 701</translation>
    </message>
    <message>
        <source>Standard 1001</source>
        <translation>Standard 1001</translation>
    </message>
    <message>
        <source>Continous Points</source>
        <translation>Fortlaufende Punkte</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Cricket</translation>
    </message>
    <message>
        <source>Cut-Throat Cricket</source>
        <translation>Cut-Throat-Cricket</translation>
    </message>
    <message>
        <source>Around the Clock</source>
        <translation>Rund um die Uhr</translation>
    </message>
    <message>
        <source>Around the Clock (fast)</source>
        <translation>Rund um die Uhr (schnell)</translation>
    </message>
    <message>
        <source>Bob's 27</source>
        <translation>Bob's 27</translation>
    </message>
    <message>
        <source>121 Checkout Practice</source>
        <translation>121 Finish-Training</translation>
    </message>
    <message>
        <source>Shanghai</source>
        <translation>Shanghai</translation>
    </message>
    <message>
        <source>Shanghai (1-20)</source>
        <translation>Shanghai (1-20)</translation>
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
        <translation>Darts</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fertig</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Bull</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Auf</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffer</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Raus</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Ziel</translation>
    </message>
    <message>
        <source>Darts left</source>
        <translation>Darts übrig</translation>
    </message>
    <message>
        <source>Checkouts</source>
        <translation>Finishes</translation>
    </message>
    <message>
        <source>Checkout %</source>
        <translation>Finish-%</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Bestes</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>Marks Per Round (MPR)</source>
        <translation>Marks pro Runde (MPR)</translation>
    </message>
    <message>
        <source>Points Given</source>
        <translation>Gegebene Punkte</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Erzielte Punkte</translation>
    </message>
    <message>
        <source>Most Marks in a Turn</source>
        <translation>Meiste Marks in einer Aufnahme</translation>
    </message>
    <message>
        <source>Turns of 5+ Marks</source>
        <translation>Aufnahmen mit 5+ Marks</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Gewonnene Legs</translation>
    </message>
    <message>
        <source>Sets Won</source>
        <translation>Gewonnene Sets</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Geworfene Darts</translation>
    </message>
    <message>
        <source>Targets Reached</source>
        <translation>Erreichte Ziele</translation>
    </message>
    <message>
        <source>Darts Per Target</source>
        <translation>Darts pro Ziel</translation>
    </message>
    <message>
        <source>Doubles Hit</source>
        <translation>Getroffene Doppel</translation>
    </message>
    <message>
        <source>Doubles Hit %</source>
        <translation>Getroffene Doppel %</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Bester Punktestand</translation>
    </message>
    <message>
        <source>Targets Played</source>
        <translation>Gespielte Ziele</translation>
    </message>
    <message>
        <source>Checkout Rate</source>
        <translation>Finish-Quote</translation>
    </message>
    <message>
        <source>Best Target</source>
        <translation>Bestes Ziel</translation>
    </message>
    <message>
        <source>Shanghais</source>
        <translation>Shanghais</translation>
    </message>
    <message>
        <source>Turns Halved</source>
        <translation>Halbierte Aufnahmen</translation>
    </message>
    <message>
        <source>Lives Taken</source>
        <translation>Genommene Leben</translation>
    </message>
    <message>
        <source>Any double</source>
        <translation>Ein Doppel</translation>
    </message>
    <message>
        <source>Any treble</source>
        <translation>Ein Triple</translation>
    </message>
    <message>
        <source>Halved</source>
        <translation>Halbiert</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Zahl</translation>
    </message>
    <message>
        <source>Lives</source>
        <translation>Leben</translation>
    </message>
    <message>
        <source>Killer</source>
        <translation>Killer</translation>
    </message>
    <message>
        <source>Shanghai</source>
        <translation>Shanghai</translation>
    </message>
</context>
<context>
    <name>MatchFormat</name>
    <message>
        <source>1 leg</source>
        <translation>1 Leg</translation>
    </message>
    <message>
        <source>1 set</source>
        <translation>1 Set</translation>
    </message>
    <message>
        <source>%1 legs</source>
        <translation>%1 Legs</translation>
    </message>
    <message>
        <source>%1 sets</source>
        <translation>%1 Sets</translation>
    </message>
    <message>
        <source>first to %1 of %2</source>
        <translation>wer zuerst %1 zu je %2 gewinnt</translation>
    </message>
    <message>
        <source>first to %1</source>
        <translation>wer zuerst %1 gewinnt</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gewinnt das Match</translation>
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
        <translation>%1: Spiel vorbei</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Spiel vorbei: unentschieden</translation>
    </message>
    <message>
        <source>%1 wins the leg</source>
        <translation>%1 gewinnt das Leg</translation>
    </message>
    <message>
        <source>To close %1</source>
        <translation>Noch zu schließen: %1</translation>
    </message>
    <message>
        <source>Sets %1</source>
        <translation>Sets %1</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 gewinnt das Set</translation>
    </message>
</context>
<context>
    <name>MatchStats</name>
    <message>
        <source>Outshot Value Average</source>
        <translation>Durchschnittlicher Finish-Wert</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Gewonnene Legs</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Geworfene Darts</translation>
    </message>
    <message>
        <source>Darts Per Leg Average</source>
        <translation>Darts pro Leg im Schnitt</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Erzielte Punkte</translation>
    </message>
    <message>
        <source>1-Dart Average</source>
        <translation>1-Dart-Schnitt</translation>
    </message>
    <message>
        <source>3-Dart Average</source>
        <translation>3-Dart-Schnitt</translation>
    </message>
    <message>
        <source>Lowest Throw (3-Darts)</source>
        <translation>Niedrigste Aufnahme (3 Darts)</translation>
    </message>
    <message>
        <source>Highest Throw (3-Darts)</source>
        <translation>Höchste Aufnahme (3 Darts)</translation>
    </message>
    <message>
        <source>Throws of 60+</source>
        <translation>Aufnahmen 60+</translation>
    </message>
    <message>
        <source>Throws of 100+</source>
        <translation>Aufnahmen 100+</translation>
    </message>
    <message>
        <source>Throws of 140+</source>
        <translation>Aufnahmen 140+</translation>
    </message>
    <message>
        <source>Throws of 180</source>
        <translation>Aufnahmen 180</translation>
    </message>
    <message>
        <source>Possible Outshots</source>
        <translation>Finish-Chancen</translation>
    </message>
    <message>
        <source>Effective Outshots</source>
        <translation>Genutzte Finishes</translation>
    </message>
    <message>
        <source>Highest Outshot</source>
        <translation>Höchstes Finish</translation>
    </message>
    <message>
        <source>Points Scored On Outshots</source>
        <translation>Punkte aus Finishes</translation>
    </message>
    <message>
        <source>First 9 Average</source>
        <translation>Schnitt der ersten 9</translation>
    </message>
    <message>
        <source>Best Leg (Darts)</source>
        <translation>Bestes Leg (Darts)</translation>
    </message>
    <message>
        <source>Worst Leg (Darts)</source>
        <translation>Schlechtestes Leg (Darts)</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Settings file %1: %2</source>
        <translation>Einstellungsdatei %1: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and nothing is written through a link</source>
        <translation>sie ist ein Verweis auf %1, und durch einen Verweis wird nichts geschrieben</translation>
    </message>
    <message>
        <source>something other than a file stands there</source>
        <translation>dort steht etwas anderes als eine Datei</translation>
    </message>
    <message>
        <source>it is not writable</source>
        <translation>sie ist nicht beschreibbar</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2.</source>
        <translation>Die Einstellungen können nicht in %1 gespeichert werden: %2.</translation>
    </message>
    <message>
        <source>the settings file that could not be used is kept as %1</source>
        <translation>die Einstellungsdatei, die nicht verwendet werden konnte, ist als %1 aufbewahrt</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2</source>
        <translation>die Einstellungen konnten nicht in %1 gespeichert werden: %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Die Einstellungen konnten nicht in %1 gespeichert werden.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The leg is over: Next Leg (Ctrl+Enter) starts the next</source>
        <translation>Das Leg ist vorbei: Nächstes Leg (Strg+Eingabe) beginnt das nächste</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Höchstens drei Darts pro Aufnahme</translation>
    </message>
    <message>
        <source>No board has that dart</source>
        <translation>Diesen Dart gibt es auf keiner Scheibe</translation>
    </message>
    <message>
        <source>No dart can follow the one that ended the turn</source>
        <translation>Nach dem Dart, der die Aufnahme beendet hat, kommt keiner mehr</translation>
    </message>
    <message>
        <source>The leg is over</source>
        <translation>Das Leg ist vorbei</translation>
    </message>
    <message>
        <source>There is no total to finish</source>
        <translation>Es gibt keinen Rest zum Auschecken</translation>
    </message>
    <message>
        <source>%1 cannot be scored with three darts</source>
        <translation>%1 ist mit drei Darts nicht zu werfen</translation>
    </message>
    <message>
        <source>%1 needs at least %2 darts</source>
        <translation>%1 braucht mindestens %2 Darts</translation>
    </message>
    <message>
        <source>Bust: %1 is more than the %2 left</source>
        <translation>Überworfen: %1 ist mehr als der Rest von %2</translation>
    </message>
    <message>
        <source>That would leave 1</source>
        <translation>Das ließe 1 übrig</translation>
    </message>
    <message>
        <source>%1 cannot be finished on a double</source>
        <translation>%1 ist nicht mit einem Doppel zu beenden</translation>
    </message>
    <message>
        <source>That total is too large to count</source>
        <translation>Diese Summe ist zu groß zum Zählen</translation>
    </message>
    <message>
        <source>Only a turn can be corrected</source>
        <translation>Nur eine Aufnahme kann korrigiert werden</translation>
    </message>
    <message>
        <source>That would finish the leg before the turns after it</source>
        <translation>Das würde das Leg vor den folgenden Aufnahmen beenden</translation>
    </message>
    <message>
        <source>That would change how the leg was won</source>
        <translation>Das würde ändern, wie das Leg gewonnen wurde</translation>
    </message>
    <message>
        <source>No dart can follow the one that finished or bust the turn</source>
        <translation>Nach dem Dart, der gecheckt oder überworfen hat, kommt keiner mehr</translation>
    </message>
    <message>
        <source>It is another side's turn</source>
        <translation>Eine andere Seite ist an der Reihe</translation>
    </message>
    <message>
        <source>There is no turn to take back</source>
        <translation>Es gibt keine Aufnahme zum Zurücknehmen</translation>
    </message>
    <message>
        <source>The match is over</source>
        <translation>Das Match ist vorbei</translation>
    </message>
    <message>
        <source>Undo the turn and enter it again</source>
        <translation>Die Aufnahme zurücknehmen und neu eingeben</translation>
    </message>
    <message>
        <source>This game counts up: enter the score, not what is left</source>
        <translation>Dieses Spiel zählt aufwärts: die Punkte eingeben, nicht den Rest</translation>
    </message>
    <message>
        <source>From %1, %2 cannot be left</source>
        <translation>Von %1 können nicht %2 übrig bleiben</translation>
    </message>
    <message>
        <source>From %1, %2 left means %3: %4</source>
        <translation>Von %1 bleiben %2, das sind %3: %4</translation>
    </message>
</context>
<context>
    <name>RoomMessage</name>
    <message>
        <source>Message too long (at most %1 bytes)</source>
        <translation>Nachricht zu lang (höchstens %1 Bytes)</translation>
    </message>
    <message>
        <source>Not a JSON object</source>
        <translation>Kein JSON-Objekt</translation>
    </message>
    <message>
        <source>"id" must be a whole number from 0</source>
        <translation>„id“ muss eine ganze Zahl ab 0 sein</translation>
    </message>
    <message>
        <source>"for" must be a whole number from 0</source>
        <translation>„for“ muss eine ganze Zahl ab 0 sein</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Höchstens drei Darts pro Aufnahme</translation>
    </message>
    <message>
        <source>“%1” is not a dart</source>
        <translation>„%1“ ist kein Dart</translation>
    </message>
    <message>
        <source>"score" must be a whole number from 0 to 999</source>
        <translation>„score“ muss eine ganze Zahl von 0 bis 999 sein</translation>
    </message>
    <message>
        <source>"darts" of a checkout must be 1, 2 or 3</source>
        <translation>„darts“ eines Finishs muss 1, 2 oder 3 sein</translation>
    </message>
    <message>
        <source>"left" must be a whole number from 0 to 999</source>
        <translation>„left“ muss eine ganze Zahl von 0 bis 999 sein</translation>
    </message>
    <message>
        <source>Unknown "op": turn, checkout, left, darts, undo or next</source>
        <translation>Unbekanntes „op“: turn, checkout, left, darts, undo oder next</translation>
    </message>
</context>
<context>
    <name>RoomPages</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Vantorix Anzeige</translation>
    </message>
    <message>
        <source>Vantorix Keypad</source>
        <translation>Vantorix Tastenfeld</translation>
    </message>
    <message>
        <source>Not connected to Vantorix</source>
        <translation>Nicht mit Vantorix verbunden</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
    <message>
        <source>Out 1</source>
        <translation>Finish 1</translation>
    </message>
    <message>
        <source>Out 2</source>
        <translation>Finish 2</translation>
    </message>
    <message>
        <source>Out 3</source>
        <translation>Finish 3</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Next leg</source>
        <translation>Nächstes Leg</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Doppel</translation>
    </message>
    <message>
        <source>Treble</source>
        <translation>Triple</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Bull</translation>
    </message>
    <message>
        <source>Miss</source>
        <translation>Daneben</translation>
    </message>
    <message>
        <source>Delete the last digit</source>
        <translation>Letzte Ziffer löschen</translation>
    </message>
    <message>
        <source>Delete the last dart</source>
        <translation>Letzten Dart löschen</translation>
    </message>
    <message>
        <source>Vantorix Standings</source>
        <translation>Vantorix Tabelle</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Als Nächstes</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>P</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>W</source>
        <translation>S</translation>
    </message>
    <message>
        <source>D</source>
        <translation>U</translation>
    </message>
    <message>
        <source>L</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pkt</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Rest</translation>
    </message>
</context>
<context>
    <name>RoomServer</name>
    <message>
        <source>Too many messages: at most %1 a second; this one was dropped</source>
        <translation>Zu viele Nachrichten: höchstens %1 pro Sekunde; diese wurde verworfen</translation>
    </message>
    <message>
        <source>The board takes no turns</source>
        <translation>Die Anzeige nimmt keine Aufnahmen an</translation>
    </message>
    <message>
        <source>A message may be at most %1 bytes</source>
        <translation>Eine Nachricht darf höchstens %1 Bytes lang sein</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>not a settings file (no VTXSettings element); using the defaults</source>
        <translation>keine Einstellungsdatei (kein VTXSettings-Element); die Standardwerte gelten</translation>
    </message>
    <message>
        <source>%1 (line %2); the values before it are used</source>
        <translation>%1 (Zeile %2); die Werte davor gelten</translation>
    </message>
    <message>
        <source>%1: "%2" is not a usable value</source>
        <translation>%1: „%2“ ist kein nutzbarer Wert</translation>
    </message>
    <message>
        <source>%1: "%2" is not true or false</source>
        <translation>%1: „%2“ ist weder true noch false</translation>
    </message>
    <message>
        <source>not a regular file; using the defaults</source>
        <translation>keine gewöhnliche Datei; die Standardwerte gelten</translation>
    </message>
    <message>
        <source>cannot be read (%1); using the defaults</source>
        <translation>nicht lesbar (%1); die Standardwerte gelten</translation>
    </message>
    <message>
        <source>larger than %1 MB; using the defaults</source>
        <translation>größer als %1 MB; die Standardwerte gelten</translation>
    </message>
    <message>
        <source>it is a link; nothing is written through a link</source>
        <translation>es ist ein Verweis; durch einen Verweis wird nichts geschrieben</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>keine gewöhnliche Datei</translation>
    </message>
</context>
<context>
    <name>TBluetoothTransport</name>
    <message>
        <source>it offers no dartboard service</source>
        <translation>es bietet keinen Dartscheiben-Dienst</translation>
    </message>
</context>
<context>
    <name>TBoardLink</name>
    <message>
        <source>The scoring boards cannot be started: %1</source>
        <translation>Die Zählscheiben können nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>Read: %1</source>
        <translation>Gelesen: %1</translation>
    </message>
    <message>
        <source>the boards module cannot be loaded</source>
        <translation>das Modul für die Scheiben kann nicht geladen werden</translation>
    </message>
    <message>
        <source>Set a camera service or a soft-tip board first</source>
        <translation>Zuerst einen Kameradienst oder eine Soft-Tip-Scheibe angeben</translation>
    </message>
</context>
<context>
    <name>TBoardServer</name>
    <message>
        <source>"%1" is no address of a camera service (host:port)</source>
        <translation>„%1“ ist keine Adresse eines Kameradienstes (Host:Port)</translation>
    </message>
    <message>
        <source>"%1" is no Bluetooth address (like 00:11:22:33:44:55)</source>
        <translation>„%1“ ist keine Bluetooth-Adresse (wie 00:11:22:33:44:55)</translation>
    </message>
</context>
<context>
    <name>TBoardVisit</name>
    <message>
        <source>Board: no match is in play; the darts are not recorded</source>
        <translation>Scheibe: kein Match läuft; die Darts werden nicht eingetragen</translation>
    </message>
    <message>
        <source>Board: the winner is being shown; the darts are not recorded</source>
        <translation>Scheibe: der Sieger wird gezeigt; die Darts werden nicht eingetragen</translation>
    </message>
    <message>
        <source>Board: the leg is over; the darts are not recorded</source>
        <translation>Scheibe: das Leg ist vorbei; die Darts werden nicht eingetragen</translation>
    </message>
    <message>
        <source>Board: the computer throws for %1; the darts are not recorded</source>
        <translation>Scheibe: der Computer wirft für %1; die Darts werden nicht eingetragen</translation>
    </message>
    <message>
        <source>Board: this turn is entered; take the darts out</source>
        <translation>Scheibe: diese Aufnahme ist eingetragen; Darts herausziehen</translation>
    </message>
</context>
<context>
    <name>TBoardsDialog</name>
    <message>
        <source>Scoring Boards</source>
        <translation>Zählscheiben</translation>
    </message>
    <message>
        <source>host:port, e.g. 192.168.1.20:3180; empty: none</source>
        <translation>Host:Port, z. B. 192.168.1.20:3180; leer: keiner</translation>
    </message>
    <message>
        <source>&amp;Camera system (Autodarts board service):</source>
        <translation>&amp;Kamerasystem (Autodarts-Board-Dienst):</translation>
    </message>
    <message>
        <source>Bluetooth address; empty: none</source>
        <translation>Bluetooth-Adresse; leer: keine</translation>
    </message>
    <message>
        <source>&amp;Soft-tip board (Granboard):</source>
        <translation>&amp;Soft-Tip-Scheibe (Granboard):</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>S&amp;uchen</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Searching for soft-tip boards nearby…</source>
        <translation>Soft-Tip-Scheiben in der Nähe werden gesucht…</translation>
    </message>
    <message>
        <source>Throw a dart…</source>
        <translation>Einen Dart werfen…</translation>
    </message>
    <message>
        <source>The search could not run: %1</source>
        <translation>Die Suche konnte nicht laufen: %1</translation>
    </message>
    <message>
        <source>No soft-tip board was found nearby</source>
        <translation>In der Nähe wurde keine Soft-Tip-Scheibe gefunden</translation>
    </message>
    <message>
        <source>Choose the board from the list</source>
        <translation>Die Scheibe aus der Liste wählen</translation>
    </message>
</context>
<context>
    <name>TCaller</name>
    <message>
        <source>The caller is silent: %1.</source>
        <translation>Der Caller schweigt: %1.</translation>
    </message>
</context>
<context>
    <name>TCameraSource</name>
    <message>
        <source>Board: a message from %1 could not be read (%2)</source>
        <translation>Scheibe: eine Nachricht von %1 war nicht lesbar (%2)</translation>
    </message>
    <message>
        <source>Board: take the darts out</source>
        <translation>Scheibe: Darts herausziehen</translation>
    </message>
    <message>
        <source>Board: detection is stopped at %1</source>
        <translation>Scheibe: die Erkennung ist bei %1 angehalten</translation>
    </message>
</context>
<context>
    <name>TCompetitionLink</name>
    <message>
        <source>not reachable (%1)</source>
        <translation>nicht erreichbar (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n result waiting</source>
        <translation><numerusform>Vereinsserver: %n Ergebnis wartet</numerusform><numerusform>Vereinsserver: %n Ergebnisse warten</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n results waiting</source>
        <translation><numerusform>Vereinsserver: %n Ergebnis wartet</numerusform><numerusform>Vereinsserver: %n Ergebnisse warten</numerusform></translation>
    </message>
    <message>
        <source>Club server: connected</source>
        <translation>Vereinsserver: verbunden</translation>
    </message>
    <message>
        <source>Club server: %1</source>
        <translation>Vereinsserver: %1</translation>
    </message>
    <message>
        <source>The competition could not be made: %1</source>
        <translation>Der Wettbewerb konnte nicht angelegt werden: %1</translation>
    </message>
    <message>
        <source>The fixture cannot be taken now: %1</source>
        <translation>Die Partie kann jetzt nicht übernommen werden: %1</translation>
    </message>
    <message>
        <source>The fixture is playing on %1.</source>
        <translation>Die Partie läuft auf %1.</translation>
    </message>
    <message>
        <source>The match is not %1 v %2: it does not count for %3.</source>
        <translation>Das Match ist nicht %1 gegen %2: es zählt nicht für %3.</translation>
    </message>
    <message>
        <source>The result went into %1.</source>
        <translation>Das Ergebnis ist in %1 eingetragen.</translation>
    </message>
    <message>
        <source>The result could not be kept: %1</source>
        <translation>Das Ergebnis konnte nicht gespeichert werden: %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionsDialog</name>
    <message>
        <source>Competitions</source>
        <translation>Wettbewerbe</translation>
    </message>
    <message>
        <source>&amp;Competition:</source>
        <translation>&amp;Wettbewerb:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Neu…</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Runde</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Heim</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Gast</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Folge</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Scheibe</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Gruppe</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Platz</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>P</source>
        <translation>Sp</translation>
    </message>
    <message>
        <source>W</source>
        <translation>S</translation>
    </message>
    <message>
        <source>D</source>
        <translation>U</translation>
    </message>
    <message>
        <source>L</source>
        <translation>N</translation>
    </message>
    <message>
        <source>Legs for</source>
        <translation>Legs für</translation>
    </message>
    <message>
        <source>Legs against</source>
        <translation>Legs gegen</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source>180s</source>
        <translation>180er</translation>
    </message>
    <message>
        <source>High out</source>
        <translation>Höchstes Finish</translation>
    </message>
    <message>
        <source>&amp;Fixtures</source>
        <translation>&amp;Partien</translation>
    </message>
    <message>
        <source>S&amp;tandings</source>
        <translation>&amp;Tabelle</translation>
    </message>
    <message>
        <source>&amp;Bracket</source>
        <translation>&amp;Turnierbaum</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Spielen</translation>
    </message>
    <message>
        <source>&amp;Result by Hand…</source>
        <translation>&amp;Ergebnis von Hand…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Group %1, round %2</source>
        <translation>Gruppe %1, Runde %2</translation>
    </message>
    <message>
        <source>Losers' round %1</source>
        <translation>Verliererrunde %1</translation>
    </message>
    <message>
        <source>Knockout round %1</source>
        <translation>K.-o.-Runde %1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Runde %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>playing on %1</source>
        <translation>läuft auf %1</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Neu spielen</translation>
    </message>
    <message>
        <source>The fixture has a result. Why is it played again?</source>
        <translation>Die Partie hat ein Ergebnis. Warum wird sie neu gespielt?</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Übernehmen</translation>
    </message>
    <message>
        <source>The fixture is playing on %1. Take it over for this board? Only when %1 is not playing it any more.</source>
        <translation>Die Partie läuft auf %1. Für diese Scheibe übernehmen? Nur wenn %1 sie nicht mehr spielt.</translation>
    </message>
</context>
<context>
    <name>TDartPad</name>
    <message>
        <source>Miss</source>
        <translation>Daneben</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Zurück</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Eingabe</translation>
    </message>
</context>
<context>
    <name>TFixtureResultDialog</name>
    <message>
        <source>Result by Hand</source>
        <translation>Ergebnis von Hand</translation>
    </message>
    <message>
        <source>Legs of %1:</source>
        <translation>Legs von %1:</translation>
    </message>
    <message>
        <source>Walkover: Ben did not come</source>
        <translation>Kampflos: Ben ist nicht gekommen</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Grund:</translation>
    </message>
    <message>
        <source>Say why the result is given by hand.</source>
        <translation>Bitte angeben, warum das Ergebnis von Hand eingetragen wird.</translation>
    </message>
    <message>
        <source>A knockout match needs a winner.</source>
        <translation>Ein K.-o.-Match braucht einen Sieger.</translation>
    </message>
</context>
<context>
    <name>TFormBoard</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Vantorix Anzeige</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Vollbild</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Vollbild verlassen</translation>
    </message>
</context>
<context>
    <name>TFormHint</name>
    <message>
        <source>No Outshot</source>
        <translation>Kein Finish</translation>
    </message>
    <message>
        <source>1-Dart Outshot</source>
        <translation>Finish mit 1 Dart</translation>
    </message>
    <message>
        <source>2-Dart Outshot</source>
        <translation>Finish mit 2 Darts</translation>
    </message>
    <message>
        <source>3-Dart Outshot</source>
        <translation>Finish mit 3 Darts</translation>
    </message>
    <message>
        <source>Invalid Score</source>
        <translation>Ungültige Punktzahl</translation>
    </message>
    <message>
        <source>Quick Shot Hint</source>
        <translation>Finish-Hilfe</translation>
    </message>
    <message>
        <source>Shot:</source>
        <translation>Rest:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Finish-Weg:</translation>
    </message>
</context>
<context>
    <name>TFormVTX</name>
    <message>
        <source>No checkout routes: %1 %2.</source>
        <translation>Keine Finish-Wege: %1 %2.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über</translation>
    </message>
    <message>
        <source>Vantorix
Version 1.06

Darts scoreboard</source>
        <translation>Vantorix
Version 1.06

Darts-Anzeigetafel</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gewinnt das Match</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 gewinnt das Set</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
</context>
<context>
    <name>TGamePanel</name>
    <message>
        <source>1 mark</source>
        <translation>1 Mark</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 Marks</translation>
    </message>
    <message>
        <source>Darts: T20 S19 miss, then Enter (none: three misses)</source>
        <translation>Darts: T20 S19 miss, dann Eingabe (keine: drei daneben)</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Spiel vorbei: unentschieden</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 gewinnt das Match</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gewinnt</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 wirft</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>keine Punkte</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Höchstens drei Darts pro Aufnahme</translation>
    </message>
    <message>
        <source>“%1” is not a dart: type S20, D20, T20, 25, bull or miss</source>
        <translation>„%1“ ist kein Dart: S20, D20, T20, 25, bull oder miss tippen</translation>
    </message>
    <message>
        <source>%1 throws: %2</source>
        <translation>%1 wirft: %2</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>Export match as CSV</source>
        <translation>Match als CSV exportieren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-Dateien (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 konnte nicht geschrieben werden: %2</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Verlauf</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>Ö&amp;ffnen</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>Als CSV &amp;exportieren…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Löschen…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>Fortset&amp;zen</translation>
    </message>
    <message>
        <source>Go on with the selected match where it stopped</source>
        <translation>Das gewählte Match dort fortsetzen, wo es aufhörte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Schließen</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>Delete match</source>
        <translation>Match löschen</translation>
    </message>
    <message>
        <source>This is the match in play.</source>
        <translation>Das ist das laufende Match.</translation>
    </message>
    <message>
        <source>Delete %1 for good?</source>
        <translation>%1 endgültig löschen?</translation>
    </message>
    <message>
        <source>3-Dart Average per Match</source>
        <translation>3-Dart-Schnitt je Match</translation>
    </message>
    <message>
        <source>Match started</source>
        <translation>Matchbeginn</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Schnitt</translation>
    </message>
    <message>
        <source> v </source>
        <translation> gegen </translation>
    </message>
    <message>
        <source> · first to </source>
        <translation> · auf </translation>
    </message>
    <message>
        <source> set of </source>
        <translation> Set mit </translation>
    </message>
    <message>
        <source> sets of </source>
        <translation> Sets mit </translation>
    </message>
    <message>
        <source> leg</source>
        <translation> Leg</translation>
    </message>
    <message>
        <source> legs</source>
        <translation> Legs</translation>
    </message>
    <message>
        <source> won, </source>
        <translation> gewann, </translation>
    </message>
    <message>
        <source>in play, </source>
        <translation>läuft, </translation>
    </message>
    <message>
        <source>abandoned, </source>
        <translation>abgebrochen, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spieler</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Ergebnis</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won · 3-dart average %5 · Highest turn %6 · 180s %7 · Highest checkout %8</source>
        <translation>Matches %1 gespielt, %2 gewonnen · Legs %3 gespielt, %4 gewonnen · 3-Dart-Schnitt %5 · Höchste Aufnahme %6 · 180er %7 · Höchstes Finish %8</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Schnitt %1</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won</source>
        <translation>Matches %1 gespielt, %2 gewonnen · Legs %3 gespielt, %4 gewonnen</translation>
    </message>
</context>
<context>
    <name>TLegCorrectionDialog</name>
    <message>
        <source>Correct Leg %1</source>
        <translation>Leg %1 korrigieren</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Aufnahme</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Punkte</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Choose a turn to correct</source>
        <translation>Eine Aufnahme zum Korrigieren wählen</translation>
    </message>
    <message>
        <source>%1, turn %2:</source>
        <translation>%1, Aufnahme %2:</translation>
    </message>
</context>
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
        <source>Thr&amp;ow</source>
        <translation>&amp;Wurf</translation>
    </message>
    <message>
        <source>Add New Throw</source>
        <translation>Eine Aufnahme eintragen</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Rückgängig</translation>
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
        <translation>Dart-&amp;Tastenfeld</translation>
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
    <message>
        <source>Outshot</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Room C&amp;odes…</source>
        <translation>Raum-C&amp;odes…</translation>
    </message>
    <message numerus="yes">
        <source>%n-Dart Outshot</source>
        <translation><numerusform>Finish mit %n Dart</numerusform><numerusform>Finish mit %n Darts</numerusform></translation>
    </message>
    <message>
        <source>&amp;Scoring Boards…</source>
        <translation>&amp;Zählscheiben…</translation>
    </message>
    <message>
        <source>Take the darts from a camera system or a soft-tip board</source>
        <translation>Die Darts von einem Kamerasystem oder einer Soft-Tip-Scheibe übernehmen</translation>
    </message>
    <message>
        <source>&amp;Competitions…</source>
        <translation>&amp;Wettbewerbe…</translation>
    </message>
    <message>
        <source>Leagues and knockouts over one or several boards (F9)</source>
        <translation>Ligen und K.-o.-Turniere auf einer oder mehreren Scheiben (F9)</translation>
    </message>
</context>
<context>
    <name>TMainPages</name>
    <message>
        <source>Paused: Ctrl+P lets it throw</source>
        <translation>Angehalten: Strg+P lässt ihn werfen</translation>
    </message>
    <message>
        <source>Waits after the undo: Ctrl+P twice lets it throw</source>
        <translation>Wartet nach dem Zurücknehmen: zweimal Strg+P lässt ihn werfen</translation>
    </message>
</context>
<context>
    <name>TMatchKeeper</name>
    <message>
        <source>Match store: %1.</source>
        <translation>Match-Speicher: %1.</translation>
    </message>
    <message>
        <source>Matches are not being saved: %1.</source>
        <translation>Matches werden nicht gespeichert: %1.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operation %1 of %2 could not be applied and was skipped. It is kept in the store, and the match's stored figures are left as they were.</source>
        <translation>Das gespeicherte Match ließ sich nicht ganz nachspielen: sein Schritt %1 von %2 passte nicht und wurde übersprungen. Er bleibt gespeichert, und die gespeicherten Zahlen des Matches bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operations %1 of %2 could not be applied and were skipped. They are kept in the store, and the match's stored figures are left as they were.</source>
        <translation>Das gespeicherte Match ließ sich nicht ganz nachspielen: seine Schritte %1 von %2 passten nicht und wurden übersprungen. Sie bleiben gespeichert, und die gespeicherten Zahlen des Matches bleiben, wie sie waren.</translation>
    </message>
    <message>
        <source>The stored match was read with care: %1.</source>
        <translation>Das gespeicherte Match wurde mit Vorsicht gelesen: %1.</translation>
    </message>
    <message>
        <source>Match store: %1 is damaged; it is set aside, with what still reads carried over, when the next match starts.</source>
        <translation>Match-Speicher: %1 ist beschädigt; er wird beim Start des nächsten Matches beiseitegelegt, und was noch lesbar ist, wird übernommen.</translation>
    </message>
</context>
<context>
    <name>TNewCompetitionDialog</name>
    <message>
        <source>New Competition</source>
        <translation>Neuer Wettbewerb</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Name:</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Liga</translation>
    </message>
    <message>
        <source>League, home and away</source>
        <translation>Liga, Hin- und Rückspiel</translation>
    </message>
    <message>
        <source>Knockout</source>
        <translation>K.-o.-System</translation>
    </message>
    <message>
        <source>Knockout, double elimination</source>
        <translation>K.-o.-System, doppeltes</translation>
    </message>
    <message>
        <source>Groups, then knockout</source>
        <translation>Gruppen, dann K.-o.-System</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Art:</translation>
    </message>
    <message>
        <source>groups; going on from each:</source>
        <translation>Gruppen; weiter kommen aus jeder:</translation>
    </message>
    <message>
        <source>&amp;Groups:</source>
        <translation>&amp;Gruppen:</translation>
    </message>
    <message>
        <source>One name a line, the best first</source>
        <translation>Ein Name je Zeile, der Beste zuerst</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Spieler:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Hinzufügen</translation>
    </message>
    <message>
        <source>From History:</source>
        <translation>Aus dem Verlauf:</translation>
    </message>
    <message>
        <source>Ga&amp;me:</source>
        <translation>Sp&amp;iel:</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>ohne Sets</translation>
    </message>
    <message>
        <source>legs to win, sets to win:</source>
        <translation>Legs zum Sieg, Sets zum Sieg:</translation>
    </message>
    <message>
        <source>&amp;Legs:</source>
        <translation>&amp;Legs:</translation>
    </message>
    <message>
        <source>Give the competition a name.</source>
        <translation>Bitte dem Wettbewerb einen Namen geben.</translation>
    </message>
    <message>
        <source>A competition has 2 to 64 players.</source>
        <translation>Ein Wettbewerb hat 2 bis 64 Spieler.</translation>
    </message>
    <message>
        <source>Each player can be named once only.</source>
        <translation>Jeder Spieler kann nur einmal genannt werden.</translation>
    </message>
    <message>
        <source>Each group needs at least two players, and no more can go on from a group than it has.</source>
        <translation>Jede Gruppe braucht mindestens zwei Spieler, und aus einer Gruppe können nicht mehr weiterkommen, als sie hat.</translation>
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
        <translation>P&amp;aare</translation>
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
        <translation>Der 3-Dart-Schnitt, mit dem der Computer wirft</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Computer (%1)</translation>
    </message>
    <message>
        <source>Thrower 1</source>
        <translation>Werfer 1</translation>
    </message>
    <message>
        <source>Thrower 2</source>
        <translation>Werfer 2</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>start score</comment>
        <translation>Start</translation>
    </message>
</context>
<context>
    <name>TNoticeBar</name>
    <message>
        <source>Dismiss</source>
        <translation>Ausblenden</translation>
    </message>
</context>
<context>
    <name>TPlayerPanel</name>
    <message>
        <source>Turns:</source>
        <translation>Aufnahmen:</translation>
    </message>
    <message>
        <source>Darts:</source>
        <translation>Darts:</translation>
    </message>
    <message>
        <source>Scored:</source>
        <translation>Punkte:</translation>
    </message>
    <message>
        <source>Turn Avg:</source>
        <translation>Ø Aufnahme:</translation>
    </message>
    <message>
        <source>Dart Avg:</source>
        <translation>Ø Dart:</translation>
    </message>
    <message>
        <source>Legs:</source>
        <translation>Legs:</translation>
    </message>
    <message>
        <source>G.Turn Avg:</source>
        <translation>Ges. Ø Aufn.:</translation>
    </message>
    <message>
        <source>G.Dart Avg:</source>
        <translation>Ges. Ø Dart:</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Finish-Weg:</translation>
    </message>
    <message>
        <source>&lt;&amp;Thrown</source>
        <translation>&lt;&amp;Geworfen</translation>
    </message>
    <message>
        <source>&amp;Thrown&gt;</source>
        <translation>&amp;Geworfen&gt;</translation>
    </message>
    <message>
        <source>A turn has at most three darts</source>
        <translation>Eine Aufnahme hat höchstens drei Darts</translation>
    </message>
    <message>
        <source>"%1" is not a dart</source>
        <translation>„%1“ ist kein Dart</translation>
    </message>
    <message>
        <source> · checkout</source>
        <translation> · Finish</translation>
    </message>
    <message>
        <source> · bust</source>
        <translation> · überworfen</translation>
    </message>
</context>
<context>
    <name>TRoomKeypad</name>
    <message>
        <source>The computer throws for %1</source>
        <translation>Der Computer wirft für %1</translation>
    </message>
    <message>
        <source>No match is in play</source>
        <translation>Es läuft kein Match</translation>
    </message>
    <message>
        <source>This keypad page is out of date: load it again</source>
        <translation>Diese Eingabeseite ist veraltet: bitte neu laden</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed</source>
        <translation>Das Match ist seit der Eingabe weitergegangen</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed: %1 is to throw now</source>
        <translation>Das Match ist seit der Eingabe weitergegangen: jetzt wirft %1</translation>
    </message>
    <message>
        <source>The leg is not over</source>
        <translation>Das Leg ist nicht vorbei</translation>
    </message>
    <message>
        <source>This game is entered dart by dart</source>
        <translation>Dieses Spiel wird Dart für Dart eingegeben</translation>
    </message>
    <message>
        <source>The computer throws this turn</source>
        <translation>Diese Aufnahme wirft der Computer</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 beendet die verbleibenden %2 nicht</translation>
    </message>
</context>
<context>
    <name>TRoomLink</name>
    <message>
        <source>The room on the network cannot be started: %1</source>
        <translation>Der Raum im Netzwerk kann nicht gestartet werden: %1</translation>
    </message>
    <message>
        <source>The room cannot be served on port %1: %2</source>
        <translation>Der Raum kann nicht auf Port %1 angeboten werden: %2</translation>
    </message>
    <message>
        <source>The room's port "%1" in the settings cannot be used (it must be 1 to 65535); the room is served on port %2</source>
        <translation>Der Port „%1“ des Raums in den Einstellungen ist nicht nutzbar (1 bis 65535); der Raum läuft auf Port %2</translation>
    </message>
    <message>
        <source>Room on the network: %1 · %2</source>
        <translation>Raum im Netzwerk: %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n Anzeige</numerusform><numerusform>%n Anzeigen</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n Anzeige</numerusform><numerusform>%n Anzeigen</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n Eingabe</numerusform><numerusform>%n Eingaben</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n Eingabe</numerusform><numerusform>%n Eingaben</numerusform></translation>
    </message>
</context>
<context>
    <name>TRoomWindow</name>
    <message>
        <source>Room on the Network</source>
        <translation>Raum im Netzwerk</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board&lt;/b&gt; (shows the match)</source>
        <translation>&lt;b&gt;Anzeigetafel&lt;/b&gt; (zeigt das Match)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keypad&lt;/b&gt; (takes turns)</source>
        <translation>&lt;b&gt;Eingabe&lt;/b&gt; (nimmt Aufnahmen an)</translation>
    </message>
    <message>
        <source>Scan a code with a phone or a television on this network. Whoever has the keypad's address can enter turns: New codes shuts out every page opened before.</source>
        <translation>Einen Code mit einem Handy oder Fernseher in diesem Netzwerk scannen. Wer die Adresse der Eingabe hat, kann Aufnahmen eintragen: Neue Codes sperrt jede zuvor geöffnete Seite aus.</translation>
    </message>
    <message>
        <source>New codes</source>
        <translation>Neue Codes</translation>
    </message>
    <message>
        <source>Connected: %1 · %2</source>
        <translation>Verbunden: %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n Anzeige</numerusform><numerusform>%n Anzeigen</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n Anzeige</numerusform><numerusform>%n Anzeigen</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n Eingabe</numerusform><numerusform>%n Eingaben</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n Eingabe</numerusform><numerusform>%n Eingaben</numerusform></translation>
    </message>
    <message>
        <source>Stream overlay: %1</source>
        <translation>Overlay für den Stream: %1</translation>
    </message>
    <message>
        <source>Events for lights and stream tools: %1</source>
        <translation>Ereignisse für Licht und Stream-Werkzeuge: %1</translation>
    </message>
</context>
<context>
    <name>TScoreListModel</name>
    <message>
        <source>Score</source>
        <translation>Rest</translation>
    </message>
</context>
<context>
    <name>TSideCards</name>
    <message>
        <source>to throw</source>
        <translation>wirft</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 wirft</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Zuletzt %1</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Schnitt %1</translation>
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
        <translation>Spielstatistik</translation>
    </message>
</context>
<context>
    <name>TTypedEntry</name>
    <message>
        <source>Dart Pad</source>
        <translation>Dart-Tastenfeld</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 beendet die verbleibenden %2 nicht</translation>
    </message>
    <message>
        <source> (turn %1)</source>
        <translation> (Aufnahme %1)</translation>
    </message>
    <message>
        <source>%1 throws its own turns: Ctrl+P pauses it so you can type one</source>
        <translation>%1 wirft seine Aufnahmen selbst: Strg+P hält ihn an, dann können Sie eine eintippen</translation>
    </message>
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>Die gewählte Sprache gilt ab dem nächsten Start.</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>no speech engine is installed</source>
        <translation>keine Sprachausgabe ist installiert</translation>
    </message>
    <message>
        <source>the speech engine "%1" is not installed</source>
        <translation>die Sprachausgabe „%1“ ist nicht installiert</translation>
    </message>
    <message>
        <source>the speech engine cannot be used</source>
        <translation>die Sprachausgabe ist nicht nutzbar</translation>
    </message>
    <message>
        <source>the speech engine has no voice</source>
        <translation>die Sprachausgabe hat keine Stimme</translation>
    </message>
    <message>
        <source>no sound device can be reached</source>
        <translation>kein Audiogerät erreichbar</translation>
    </message>
</context>
</TS>