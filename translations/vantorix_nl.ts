<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="nl_NL">
<context>
    <name>BoardState</name>
    <message>
        <source>No score</source>
        <translation>Geen score</translation>
    </message>
    <message>
        <source>1 mark: </source>
        <translation>1 mark: </translation>
    </message>
    <message>
        <source>%1 marks: </source>
        <translation>%1 marks: </translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Legs %1</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Laatste %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board: ready</source>
        <translation>Bord: gereed</translation>
    </message>
    <message>
        <source>Board: connecting to %1</source>
        <translation>Bord: verbinden met %1</translation>
    </message>
    <message>
        <source>Board: not reachable at %1</source>
        <translation>Bord: niet bereikbaar op %1</translation>
    </message>
    <message>
        <source>Board: not reachable at %1 (%2)</source>
        <translation>Bord: niet bereikbaar op %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CMatchStore</name>
    <message>
        <source>its %1 players were read as %2</source>
        <translation>de %1 spelers zijn gelezen als %2</translation>
    </message>
    <message>
        <source>its game "%1" is not one this version plays; it goes on as X01 from %2</source>
        <translation>het spel "%1" kent deze versie niet; het gaat verder als X01 vanaf %2</translation>
    </message>
    <message>
        <source>a row for side %1, which the match does not have, was ignored</source>
        <translation>een rij voor kant %1, die de wedstrijd niet heeft, is overgeslagen</translation>
    </message>
    <message>
        <source>side %1 had no row and plays as it was started</source>
        <translation>kant %1 had geen rij en speelt zoals bij het begin</translation>
    </message>
    <message>
        <source>a computer for side %1, which the match does not have, was ignored</source>
        <translation>een computer voor kant %1, die de wedstrijd niet heeft, is overgeslagen</translation>
    </message>
    <message>
        <source>the computer's average %1 of side %2 was read as %3</source>
        <translation>het gemiddelde %1 van de computer van kant %2 is gelezen als %3</translation>
    </message>
    <message>
        <source>the computer's seed "%1" is no number; 0 is used</source>
        <translation>de startwaarde "%1" van de computer is geen getal; 0 wordt gebruikt</translation>
    </message>
    <message>
        <source>the store is locked by another program</source>
        <translation>de opslag is door een ander programma vergrendeld</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>de schijf is vol</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 kan niet worden geschreven (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 is onbruikbaar (%2)</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new one was made</source>
        <translation>%1 was beschadigd; het blijft bewaard als %2 en er is een nieuw gemaakt</translation>
    </message>
    <message>
        <source>%1 is another program's database (application %2, version %3); it is left alone</source>
        <translation>%1 is de database van een ander programma (toepassing %2, versie %3); die blijft onaangeroerd</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vantorix; matches are not saved until it is updated</source>
        <translation>%1 is geschreven door een nieuwere Vantorix; wedstrijden worden pas na een update opgeslagen</translation>
    </message>
    <message>
        <source>%1 holds no matches yet</source>
        <translation>%1 bevat nog geen wedstrijden</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>het SQLite-stuurprogramma van Qt is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>cannot make the folder %1%2</source>
        <translation>de map %1 kan niet worden gemaakt%2</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1</source>
        <translation>een andere Vantorix legt vast in %1</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <translation>%1 kan niet worden vergrendeld</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 is beschadigd</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be set aside</source>
        <translation>%1 is beschadigd en kan niet opzij worden gezet</translation>
    </message>
    <message>
        <source>, with %1 of the %2 matches that could be read carried over</source>
        <translation>, met %1 van de %2 leesbare wedstrijden overgenomen</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1; this one records nothing (History can be read)</source>
        <translation>een andere Vantorix legt vast in %1; deze legt niets vast (de geschiedenis is leesbaar)</translation>
    </message>
    <message>
        <source>%1; nothing is recorded until it can be written (History can be read)</source>
        <translation>%1; er wordt niets vastgelegd tot er geschreven kan worden (de geschiedenis is leesbaar)</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 kan niet worden vergrendeld</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use and the store could not be opened again</source>
        <translation>het journaal %1-wal is tijdens gebruik gewist en de opslag kon niet opnieuw worden geopend</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use; what it held is saved in %1 and recording goes on</source>
        <translation>het journaal %1-wal is tijdens gebruik gewist; wat erin stond is bewaard in %1 en het vastleggen gaat door</translation>
    </message>
    <message>
        <source>%1; what is played is kept in memory and saved once the store takes writes again</source>
        <translation>%1; wat gespeeld wordt blijft in het geheugen en wordt opgeslagen zodra de opslag weer schrijfbaar is</translation>
    </message>
    <message>
        <source>recording goes on</source>
        <translation>het vastleggen gaat door</translation>
    </message>
    <message>
        <source>recording goes on; the operation kept in memory is saved</source>
        <translation>het vastleggen gaat door; de stap in het geheugen is opgeslagen</translation>
    </message>
    <message>
        <source>This is the match in play</source>
        <translation>Dit is de lopende wedstrijd</translation>
    </message>
    <message>
        <source>%1 is a link to %2; nothing is written through a link</source>
        <translation>%1 is een koppeling naar %2; via een koppeling wordt niets geschreven</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 is geen gewoon bestand</translation>
    </message>
    <message>
        <source>the disk of %1 is read-only</source>
        <translation>de schijf van %1 is alleen-lezen</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>geen schrijfrechten in %1</translation>
    </message>
    <message>
        <source>no permission to write %1</source>
        <translation>geen schrijfrechten voor %1</translation>
    </message>
</context>
<context>
    <name>CheckoutFile</name>
    <message>
        <source>was not found</source>
        <translation>is niet gevonden</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>is geen gewoon bestand</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>kan niet worden gelezen</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> v </source>
        <translation> tegen </translation>
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
        <translation>Standaard 301</translation>
    </message>
    <message>
        <source>Standard 501</source>
        <translation>Standaard 501</translation>
    </message>
    <message>
        <source>Standard 701</source>
        <translation>Standaard 701</translation>
    </message>
    <message>
        <source>Standard 1001</source>
        <translation>Standaard 1001</translation>
    </message>
    <message>
        <source>Continous Points</source>
        <translation>Doorlopende punten</translation>
    </message>
    <message>
        <source>Cricket</source>
        <translation>Cricket</translation>
    </message>
    <message>
        <source>Cut-Throat Cricket</source>
        <translation>Cut-throat cricket</translation>
    </message>
    <message>
        <source>Around the Clock</source>
        <translation>Rond de klok</translation>
    </message>
    <message>
        <source>Around the Clock (fast)</source>
        <translation>Rond de klok (snel)</translation>
    </message>
    <message>
        <source>Bob's 27</source>
        <translation>Bob's 27</translation>
    </message>
    <message>
        <source>121 Checkout Practice</source>
        <translation>121 uitgooitraining</translation>
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
        <translation>Klaar</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Bull</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Op</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Treffers</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Doel</translation>
    </message>
    <message>
        <source>Darts left</source>
        <translation>Darts over</translation>
    </message>
    <message>
        <source>Checkouts</source>
        <translation>Uitgooien</translation>
    </message>
    <message>
        <source>Checkout %</source>
        <translation>Uitgooi-%</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Beste</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marks</translation>
    </message>
    <message>
        <source>Marks Per Round (MPR)</source>
        <translation>Marks per ronde (MPR)</translation>
    </message>
    <message>
        <source>Points Given</source>
        <translation>Gegeven punten</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Gescoorde punten</translation>
    </message>
    <message>
        <source>Most Marks in a Turn</source>
        <translation>Meeste marks in een beurt</translation>
    </message>
    <message>
        <source>Turns of 5+ Marks</source>
        <translation>Beurten van 5+ marks</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Gewonnen legs</translation>
    </message>
    <message>
        <source>Sets Won</source>
        <translation>Gewonnen sets</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Gegooide darts</translation>
    </message>
    <message>
        <source>Targets Reached</source>
        <translation>Bereikte doelen</translation>
    </message>
    <message>
        <source>Darts Per Target</source>
        <translation>Darts per doel</translation>
    </message>
    <message>
        <source>Doubles Hit</source>
        <translation>Geraakte dubbels</translation>
    </message>
    <message>
        <source>Doubles Hit %</source>
        <translation>Geraakte dubbels %</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Beste score</translation>
    </message>
    <message>
        <source>Targets Played</source>
        <translation>Gespeelde doelen</translation>
    </message>
    <message>
        <source>Checkout Rate</source>
        <translation>Uitgooipercentage</translation>
    </message>
    <message>
        <source>Best Target</source>
        <translation>Beste doel</translation>
    </message>
    <message>
        <source>Shanghais</source>
        <translation>Shanghais</translation>
    </message>
    <message>
        <source>Turns Halved</source>
        <translation>Gehalveerde beurten</translation>
    </message>
    <message>
        <source>Lives Taken</source>
        <translation>Genomen levens</translation>
    </message>
    <message>
        <source>Any double</source>
        <translation>Een dubbel</translation>
    </message>
    <message>
        <source>Any treble</source>
        <translation>Een triple</translation>
    </message>
    <message>
        <source>Halved</source>
        <translation>Gehalveerd</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Getal</translation>
    </message>
    <message>
        <source>Lives</source>
        <translation>Levens</translation>
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
        <translation>wie het eerst %1 van %2 wint</translation>
    </message>
    <message>
        <source>first to %1</source>
        <translation>wie het eerst %1 wint</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 wint de wedstrijd</translation>
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
        <translation>%1: spel voorbij</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Spel voorbij: gelijkspel</translation>
    </message>
    <message>
        <source>%1 wins the leg</source>
        <translation>%1 wint de leg</translation>
    </message>
    <message>
        <source>To close %1</source>
        <translation>Nog te sluiten: %1</translation>
    </message>
    <message>
        <source>Sets %1</source>
        <translation>Sets %1</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 wint de set</translation>
    </message>
</context>
<context>
    <name>MatchStats</name>
    <message>
        <source>Outshot Value Average</source>
        <translation>Gemiddelde uitgooiwaarde</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Gewonnen legs</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Gegooide darts</translation>
    </message>
    <message>
        <source>Darts Per Leg Average</source>
        <translation>Gemiddeld darts per leg</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Gescoorde punten</translation>
    </message>
    <message>
        <source>1-Dart Average</source>
        <translation>1-dart-gemiddelde</translation>
    </message>
    <message>
        <source>3-Dart Average</source>
        <translation>3-dartsgemiddelde</translation>
    </message>
    <message>
        <source>Lowest Throw (3-Darts)</source>
        <translation>Laagste beurt (3 darts)</translation>
    </message>
    <message>
        <source>Highest Throw (3-Darts)</source>
        <translation>Hoogste beurt (3 darts)</translation>
    </message>
    <message>
        <source>Throws of 60+</source>
        <translation>Beurten van 60+</translation>
    </message>
    <message>
        <source>Throws of 100+</source>
        <translation>Beurten van 100+</translation>
    </message>
    <message>
        <source>Throws of 140+</source>
        <translation>Beurten van 140+</translation>
    </message>
    <message>
        <source>Throws of 180</source>
        <translation>Beurten van 180</translation>
    </message>
    <message>
        <source>Possible Outshots</source>
        <translation>Mogelijke uitgooien</translation>
    </message>
    <message>
        <source>Effective Outshots</source>
        <translation>Benutte uitgooien</translation>
    </message>
    <message>
        <source>Highest Outshot</source>
        <translation>Hoogste uitgooi</translation>
    </message>
    <message>
        <source>Points Scored On Outshots</source>
        <translation>Punten uit uitgooien</translation>
    </message>
    <message>
        <source>First 9 Average</source>
        <translation>Gemiddelde eerste 9</translation>
    </message>
    <message>
        <source>Best Leg (Darts)</source>
        <translation>Beste leg (darts)</translation>
    </message>
    <message>
        <source>Worst Leg (Darts)</source>
        <translation>Slechtste leg (darts)</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Settings file %1: %2</source>
        <translation>Instellingenbestand %1: %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and nothing is written through a link</source>
        <translation>het is een koppeling naar %1, en via een koppeling wordt niets geschreven</translation>
    </message>
    <message>
        <source>something other than a file stands there</source>
        <translation>daar staat iets anders dan een bestand</translation>
    </message>
    <message>
        <source>it is not writable</source>
        <translation>het is niet schrijfbaar</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2.</source>
        <translation>De instellingen kunnen niet worden opgeslagen in %1: %2.</translation>
    </message>
    <message>
        <source>the settings file that could not be used is kept as %1</source>
        <translation>het instellingenbestand dat niet gebruikt kon worden, is bewaard als %1</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2</source>
        <translation>de instellingen konden niet worden opgeslagen in %1: %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>De instellingen konden niet worden opgeslagen in %1.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The leg is over: Next Leg (Ctrl+Enter) starts the next</source>
        <translation>De leg is voorbij: Volgende leg (Ctrl+Enter) begint de volgende</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Hoogstens drie darts per beurt</translation>
    </message>
    <message>
        <source>No board has that dart</source>
        <translation>Die dart bestaat op geen enkel bord</translation>
    </message>
    <message>
        <source>No dart can follow the one that ended the turn</source>
        <translation>Na de dart die de beurt beëindigde, kan er geen meer volgen</translation>
    </message>
    <message>
        <source>The leg is over</source>
        <translation>De leg is voorbij</translation>
    </message>
    <message>
        <source>There is no total to finish</source>
        <translation>Er is geen rest om uit te gooien</translation>
    </message>
    <message>
        <source>%1 cannot be scored with three darts</source>
        <translation>%1 is niet met drie darts te gooien</translation>
    </message>
    <message>
        <source>%1 needs at least %2 darts</source>
        <translation>%1 vraagt minstens %2 darts</translation>
    </message>
    <message>
        <source>Bust: %1 is more than the %2 left</source>
        <translation>Bust: %1 is meer dan de %2 die over is</translation>
    </message>
    <message>
        <source>That would leave 1</source>
        <translation>Dan bleef er 1 over</translation>
    </message>
    <message>
        <source>%1 cannot be finished on a double</source>
        <translation>%1 is niet op een dubbel uit te gooien</translation>
    </message>
    <message>
        <source>That total is too large to count</source>
        <translation>Dat totaal is te groot om te tellen</translation>
    </message>
    <message>
        <source>Only a turn can be corrected</source>
        <translation>Alleen een beurt kan worden verbeterd</translation>
    </message>
    <message>
        <source>That would finish the leg before the turns after it</source>
        <translation>Dan zou de leg eindigen vóór de beurten erna</translation>
    </message>
    <message>
        <source>That would change how the leg was won</source>
        <translation>Dan zou veranderen hoe de leg gewonnen werd</translation>
    </message>
    <message>
        <source>No dart can follow the one that finished or bust the turn</source>
        <translation>Na de dart die uitgooide of bust ging, kan er geen meer volgen</translation>
    </message>
    <message>
        <source>It is another side's turn</source>
        <translation>Een andere kant is aan de beurt</translation>
    </message>
    <message>
        <source>There is no turn to take back</source>
        <translation>Er is geen beurt om terug te nemen</translation>
    </message>
    <message>
        <source>The match is over</source>
        <translation>De wedstrijd is voorbij</translation>
    </message>
    <message>
        <source>Undo the turn and enter it again</source>
        <translation>Neem de beurt terug en voer haar opnieuw in</translation>
    </message>
    <message>
        <source>This game counts up: enter the score, not what is left</source>
        <translation>Dit spel telt op: voer de score in, niet wat overblijft</translation>
    </message>
    <message>
        <source>From %1, %2 cannot be left</source>
        <translation>Van %1 kan geen %2 overblijven</translation>
    </message>
    <message>
        <source>From %1, %2 left means %3: %4</source>
        <translation>Van %1 blijft %2 over, dat is %3: %4</translation>
    </message>
</context>
<context>
    <name>RoomMessage</name>
    <message>
        <source>Message too long (at most %1 bytes)</source>
        <translation>Bericht te lang (hoogstens %1 bytes)</translation>
    </message>
    <message>
        <source>Not a JSON object</source>
        <translation>Geen JSON-object</translation>
    </message>
    <message>
        <source>"id" must be a whole number from 0</source>
        <translation>"id" moet een geheel getal vanaf 0 zijn</translation>
    </message>
    <message>
        <source>"for" must be a whole number from 0</source>
        <translation>"for" moet een geheel getal vanaf 0 zijn</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Hoogstens drie darts per beurt</translation>
    </message>
    <message>
        <source>“%1” is not a dart</source>
        <translation>"%1" is geen pijl</translation>
    </message>
    <message>
        <source>"score" must be a whole number from 0 to 999</source>
        <translation>"score" moet een geheel getal van 0 tot 999 zijn</translation>
    </message>
    <message>
        <source>"darts" of a checkout must be 1, 2 or 3</source>
        <translation>"darts" van een uitgooi moet 1, 2 of 3 zijn</translation>
    </message>
    <message>
        <source>"left" must be a whole number from 0 to 999</source>
        <translation>"left" moet een geheel getal van 0 tot 999 zijn</translation>
    </message>
    <message>
        <source>Unknown "op": turn, checkout, left, darts, undo or next</source>
        <translation>Onbekende "op": turn, checkout, left, darts, undo of next</translation>
    </message>
</context>
<context>
    <name>RoomPages</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Vantorix scorebord</translation>
    </message>
    <message>
        <source>Vantorix Keypad</source>
        <translation>Vantorix toetsenbord</translation>
    </message>
    <message>
        <source>Not connected to Vantorix</source>
        <translation>Niet verbonden met Vantorix</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invoeren</translation>
    </message>
    <message>
        <source>Out 1</source>
        <translation>Uit 1</translation>
    </message>
    <message>
        <source>Out 2</source>
        <translation>Uit 2</translation>
    </message>
    <message>
        <source>Out 3</source>
        <translation>Uit 3</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Next leg</source>
        <translation>Volgende leg</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Dubbel</translation>
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
        <translation>Mis</translation>
    </message>
    <message>
        <source>Delete the last digit</source>
        <translation>Laatste cijfer wissen</translation>
    </message>
    <message>
        <source>Delete the last dart</source>
        <translation>Laatste pijl wissen</translation>
    </message>
    <message>
        <source>Vantorix Standings</source>
        <translation>Vantorix Stand</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>Hierna</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>P</source>
        <translation>G</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>D</source>
        <translation>GL</translation>
    </message>
    <message>
        <source>L</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Ptn</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Gem.</translation>
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
        <translation>Te veel berichten: hoogstens %1 per seconde; dit bericht is genegeerd</translation>
    </message>
    <message>
        <source>The board takes no turns</source>
        <translation>Het scorebord neemt geen beurten aan</translation>
    </message>
    <message>
        <source>A message may be at most %1 bytes</source>
        <translation>Een bericht mag hoogstens %1 bytes lang zijn</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>not a settings file (no VTXSettings element); using the defaults</source>
        <translation>geen instellingenbestand (geen VTXSettings-element); de standaardwaarden gelden</translation>
    </message>
    <message>
        <source>%1 (line %2); the values before it are used</source>
        <translation>%1 (regel %2); de waarden ervoor gelden</translation>
    </message>
    <message>
        <source>%1: "%2" is not a usable value</source>
        <translation>%1: "%2" is geen bruikbare waarde</translation>
    </message>
    <message>
        <source>%1: "%2" is not true or false</source>
        <translation>%1: "%2" is geen true of false</translation>
    </message>
    <message>
        <source>not a regular file; using the defaults</source>
        <translation>geen gewoon bestand; de standaardwaarden gelden</translation>
    </message>
    <message>
        <source>cannot be read (%1); using the defaults</source>
        <translation>niet leesbaar (%1); de standaardwaarden gelden</translation>
    </message>
    <message>
        <source>larger than %1 MB; using the defaults</source>
        <translation>groter dan %1 MB; de standaardwaarden gelden</translation>
    </message>
    <message>
        <source>it is a link; nothing is written through a link</source>
        <translation>het is een koppeling; via een koppeling wordt niets geschreven</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>geen gewoon bestand</translation>
    </message>
</context>
<context>
    <name>TBluetoothTransport</name>
    <message>
        <source>it offers no dartboard service</source>
        <translation>het biedt geen dartborddienst</translation>
    </message>
</context>
<context>
    <name>TBoardLink</name>
    <message>
        <source>The scoring boards cannot be started: %1</source>
        <translation>De scoreborden kunnen niet worden gestart: %1</translation>
    </message>
    <message>
        <source>Read: %1</source>
        <translation>Gelezen: %1</translation>
    </message>
    <message>
        <source>the boards module cannot be loaded</source>
        <translation>de module voor de borden kan niet worden geladen</translation>
    </message>
    <message>
        <source>Set a camera service or a soft-tip board first</source>
        <translation>Geef eerst een cameradienst of een soft-tip-bord op</translation>
    </message>
</context>
<context>
    <name>TBoardServer</name>
    <message>
        <source>"%1" is no address of a camera service (host:port)</source>
        <translation>"%1" is geen adres van een cameradienst (host:poort)</translation>
    </message>
    <message>
        <source>"%1" is no Bluetooth address (like 00:11:22:33:44:55)</source>
        <translation>"%1" is geen Bluetooth-adres (zoals 00:11:22:33:44:55)</translation>
    </message>
</context>
<context>
    <name>TBoardVisit</name>
    <message>
        <source>Board: no match is in play; the darts are not recorded</source>
        <translation>Bord: er loopt geen wedstrijd; de darts worden niet ingevoerd</translation>
    </message>
    <message>
        <source>Board: the winner is being shown; the darts are not recorded</source>
        <translation>Bord: de winnaar wordt getoond; de darts worden niet ingevoerd</translation>
    </message>
    <message>
        <source>Board: the leg is over; the darts are not recorded</source>
        <translation>Bord: de leg is voorbij; de darts worden niet ingevoerd</translation>
    </message>
    <message>
        <source>Board: the computer throws for %1; the darts are not recorded</source>
        <translation>Bord: de computer gooit voor %1; de darts worden niet ingevoerd</translation>
    </message>
    <message>
        <source>Board: this turn is entered; take the darts out</source>
        <translation>Bord: deze beurt is ingevoerd; haal de darts eruit</translation>
    </message>
</context>
<context>
    <name>TBoardsDialog</name>
    <message>
        <source>Scoring Boards</source>
        <translation>Scoreborden</translation>
    </message>
    <message>
        <source>host:port, e.g. 192.168.1.20:3180; empty: none</source>
        <translation>host:poort, bijv. 192.168.1.20:3180; leeg: geen</translation>
    </message>
    <message>
        <source>&amp;Camera system (Autodarts board service):</source>
        <translation>&amp;Camerasysteem (Autodarts-borddienst):</translation>
    </message>
    <message>
        <source>Bluetooth address; empty: none</source>
        <translation>Bluetooth-adres; leeg: geen</translation>
    </message>
    <message>
        <source>&amp;Soft-tip board (Granboard):</source>
        <translation>&amp;Soft-tip-bord (Granboard):</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Zoeken</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Testen</translation>
    </message>
    <message>
        <source>Searching for soft-tip boards nearby…</source>
        <translation>Soft-tip-borden in de buurt worden gezocht…</translation>
    </message>
    <message>
        <source>Throw a dart…</source>
        <translation>Gooi een dart…</translation>
    </message>
    <message>
        <source>The search could not run: %1</source>
        <translation>Het zoeken kon niet worden uitgevoerd: %1</translation>
    </message>
    <message>
        <source>No soft-tip board was found nearby</source>
        <translation>Er is geen soft-tip-bord in de buurt gevonden</translation>
    </message>
    <message>
        <source>Choose the board from the list</source>
        <translation>Kies het bord uit de lijst</translation>
    </message>
</context>
<context>
    <name>TCaller</name>
    <message>
        <source>The caller is silent: %1.</source>
        <translation>De caller zwijgt: %1.</translation>
    </message>
</context>
<context>
    <name>TCameraSource</name>
    <message>
        <source>Board: a message from %1 could not be read (%2)</source>
        <translation>Bord: een bericht van %1 kon niet worden gelezen (%2)</translation>
    </message>
    <message>
        <source>Board: take the darts out</source>
        <translation>Bord: haal de darts eruit</translation>
    </message>
    <message>
        <source>Board: detection is stopped at %1</source>
        <translation>Bord: de herkenning is gestopt op %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionLink</name>
    <message>
        <source>not reachable (%1)</source>
        <translation>niet bereikbaar (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n result waiting</source>
        <translation><numerusform>Clubserver: %n uitslag wacht</numerusform><numerusform>Clubserver: %n uitslagen wachten</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n results waiting</source>
        <translation><numerusform>Clubserver: %n uitslag wacht</numerusform><numerusform>Clubserver: %n uitslagen wachten</numerusform></translation>
    </message>
    <message>
        <source>Club server: connected</source>
        <translation>Clubserver: verbonden</translation>
    </message>
    <message>
        <source>Club server: %1</source>
        <translation>Clubserver: %1</translation>
    </message>
    <message>
        <source>The competition could not be made: %1</source>
        <translation>De competitie kon niet worden aangemaakt: %1</translation>
    </message>
    <message>
        <source>The fixture cannot be taken now: %1</source>
        <translation>De wedstrijd kan nu niet worden genomen: %1</translation>
    </message>
    <message>
        <source>The fixture is playing on %1.</source>
        <translation>De wedstrijd wordt gespeeld op %1.</translation>
    </message>
    <message>
        <source>The match is not %1 v %2: it does not count for %3.</source>
        <translation>De wedstrijd is niet %1 tegen %2: hij telt niet voor %3.</translation>
    </message>
    <message>
        <source>The result went into %1.</source>
        <translation>De uitslag is opgenomen in %1.</translation>
    </message>
    <message>
        <source>The result could not be kept: %1</source>
        <translation>De uitslag kon niet worden bewaard: %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionsDialog</name>
    <message>
        <source>Competitions</source>
        <translation>Competities</translation>
    </message>
    <message>
        <source>&amp;Competition:</source>
        <translation>&amp;Competitie:</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nieuw…</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>Nr.</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Ronde</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Thuis</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Uit</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Volgorde</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Bord</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groep</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Plaats</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Speler</translation>
    </message>
    <message>
        <source>P</source>
        <translation>G</translation>
    </message>
    <message>
        <source>W</source>
        <translation>W</translation>
    </message>
    <message>
        <source>D</source>
        <translation>GL</translation>
    </message>
    <message>
        <source>L</source>
        <translation>V</translation>
    </message>
    <message>
        <source>Legs for</source>
        <translation>Legs voor</translation>
    </message>
    <message>
        <source>Legs against</source>
        <translation>Legs tegen</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Punten</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source>180s</source>
        <translation>180's</translation>
    </message>
    <message>
        <source>High out</source>
        <translation>Hoogste uitgooi</translation>
    </message>
    <message>
        <source>&amp;Fixtures</source>
        <translation>&amp;Wedstrijden</translation>
    </message>
    <message>
        <source>S&amp;tandings</source>
        <translation>S&amp;tand</translation>
    </message>
    <message>
        <source>&amp;Bracket</source>
        <translation>&amp;Schema</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>S&amp;pelen</translation>
    </message>
    <message>
        <source>&amp;Result by Hand…</source>
        <translation>&amp;Uitslag met de hand…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Group %1, round %2</source>
        <translation>Groep %1, ronde %2</translation>
    </message>
    <message>
        <source>Losers' round %1</source>
        <translation>Verliezersronde %1</translation>
    </message>
    <message>
        <source>Knockout round %1</source>
        <translation>Knock-outronde %1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Ronde %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>playing on %1</source>
        <translation>speelt op %1</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Opnieuw spelen</translation>
    </message>
    <message>
        <source>The fixture has a result. Why is it played again?</source>
        <translation>De wedstrijd heeft een uitslag. Waarom wordt hij opnieuw gespeeld?</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Overnemen</translation>
    </message>
    <message>
        <source>The fixture is playing on %1. Take it over for this board? Only when %1 is not playing it any more.</source>
        <translation>De wedstrijd wordt gespeeld op %1. Overnemen voor dit bord? Alleen als %1 hem niet meer speelt.</translation>
    </message>
</context>
<context>
    <name>TDartPad</name>
    <message>
        <source>Miss</source>
        <translation>Mis</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Terug</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Invoeren</translation>
    </message>
</context>
<context>
    <name>TFixtureResultDialog</name>
    <message>
        <source>Result by Hand</source>
        <translation>Uitslag met de hand</translation>
    </message>
    <message>
        <source>Legs of %1:</source>
        <translation>Legs van %1:</translation>
    </message>
    <message>
        <source>Walkover: Ben did not come</source>
        <translation>Walk-over: Ben kwam niet</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Reden:</translation>
    </message>
    <message>
        <source>Say why the result is given by hand.</source>
        <translation>Geef aan waarom de uitslag met de hand wordt ingevoerd.</translation>
    </message>
    <message>
        <source>A knockout match needs a winner.</source>
        <translation>Een knock-outwedstrijd heeft een winnaar nodig.</translation>
    </message>
</context>
<context>
    <name>TFormBoard</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Vantorix scorebord</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Volledig scherm</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Volledig scherm verlaten</translation>
    </message>
</context>
<context>
    <name>TFormHint</name>
    <message>
        <source>No Outshot</source>
        <translation>Geen uitgooi</translation>
    </message>
    <message>
        <source>1-Dart Outshot</source>
        <translation>Uitgooi met 1 dart</translation>
    </message>
    <message>
        <source>2-Dart Outshot</source>
        <translation>Uitgooi met 2 darts</translation>
    </message>
    <message>
        <source>3-Dart Outshot</source>
        <translation>Uitgooi met 3 darts</translation>
    </message>
    <message>
        <source>Invalid Score</source>
        <translation>Ongeldige score</translation>
    </message>
    <message>
        <source>Quick Shot Hint</source>
        <translation>Uitgooihulp</translation>
    </message>
    <message>
        <source>Shot:</source>
        <translation>Rest:</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Uitgooiroute:</translation>
    </message>
</context>
<context>
    <name>TFormVTX</name>
    <message>
        <source>No checkout routes: %1 %2.</source>
        <translation>Geen uitgooiroutes: %1 %2.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Over</translation>
    </message>
    <message>
        <source>Vantorix
Version 1.06

Darts scoreboard</source>
        <translation>Vantorix
Versie 1.06

Dartsscorebord</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 wint de wedstrijd</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 wint de set</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 wint</translation>
    </message>
</context>
<context>
    <name>TGamePanel</name>
    <message>
        <source>1 mark</source>
        <translation>1 mark</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 marks</translation>
    </message>
    <message>
        <source>Darts: T20 S19 miss, then Enter (none: three misses)</source>
        <translation>Darts: T20 S19 miss, dan Enter (geen: drie missers)</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Spel voorbij: gelijkspel</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 wint de wedstrijd</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 wint</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 gooit</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>geen score</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Hoogstens drie darts per beurt</translation>
    </message>
    <message>
        <source>“%1” is not a dart: type S20, D20, T20, 25, bull or miss</source>
        <translation>‘%1’ is geen dart: typ S20, D20, T20, 25, bull of miss</translation>
    </message>
    <message>
        <source>%1 throws: %2</source>
        <translation>%1 gooit: %2</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>Export match as CSV</source>
        <translation>Wedstrijd als CSV exporteren</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV-bestanden (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 kon niet worden geschreven: %2</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Geschiedenis</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Openen</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>Als CSV &amp;exporteren…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Verwijderen…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Hervatten</translation>
    </message>
    <message>
        <source>Go on with the selected match where it stopped</source>
        <translation>De gekozen wedstrijd hervatten waar hij stopte</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Sluiten</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Speler:</translation>
    </message>
    <message>
        <source>Delete match</source>
        <translation>Wedstrijd verwijderen</translation>
    </message>
    <message>
        <source>This is the match in play.</source>
        <translation>Dit is de lopende wedstrijd.</translation>
    </message>
    <message>
        <source>Delete %1 for good?</source>
        <translation>%1 voorgoed verwijderen?</translation>
    </message>
    <message>
        <source>3-Dart Average per Match</source>
        <translation>3-dartsgemiddelde per wedstrijd</translation>
    </message>
    <message>
        <source>Match started</source>
        <translation>Begin van de wedstrijd</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Gemiddelde</translation>
    </message>
    <message>
        <source> v </source>
        <translation> tegen </translation>
    </message>
    <message>
        <source> · first to </source>
        <translation> · eerst tot </translation>
    </message>
    <message>
        <source> set of </source>
        <translation> set van </translation>
    </message>
    <message>
        <source> sets of </source>
        <translation> sets van </translation>
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
        <translation> won, </translation>
    </message>
    <message>
        <source>in play, </source>
        <translation>bezig, </translation>
    </message>
    <message>
        <source>abandoned, </source>
        <translation>afgebroken, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Datum</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Spelers</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Spel</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Uitslag</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won · 3-dart average %5 · Highest turn %6 · 180s %7 · Highest checkout %8</source>
        <translation>Wedstrijden %1 gespeeld, %2 gewonnen · Legs %3 gespeeld, %4 gewonnen · 3-dartsgemiddelde %5 · Hoogste beurt %6 · 180's %7 · Hoogste uitgooi %8</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Gem. %1</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won</source>
        <translation>Wedstrijden %1 gespeeld, %2 gewonnen · Legs %3 gespeeld, %4 gewonnen</translation>
    </message>
</context>
<context>
    <name>TLegCorrectionDialog</name>
    <message>
        <source>Correct Leg %1</source>
        <translation>Leg %1 verbeteren</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Beurt</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Rest</translation>
    </message>
    <message>
        <source>Choose a turn to correct</source>
        <translation>Kies een beurt om te verbeteren</translation>
    </message>
    <message>
        <source>%1, turn %2:</source>
        <translation>%1, beurt %2:</translation>
    </message>
</context>
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
        <source>Thr&amp;ow</source>
        <translation>&amp;Worp</translation>
    </message>
    <message>
        <source>Add New Throw</source>
        <translation>Een beurt invoeren</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>Ongedaan &amp;maken</translation>
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
        <translation>&amp;Dartpad</translation>
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
    <message>
        <source>Outshot</source>
        <translation>Uitgooi</translation>
    </message>
    <message>
        <source>Room C&amp;odes…</source>
        <translation>Zaalc&amp;odes…</translation>
    </message>
    <message numerus="yes">
        <source>%n-Dart Outshot</source>
        <translation><numerusform>Uitgooi met %n dart</numerusform><numerusform>Uitgooi met %n darts</numerusform></translation>
    </message>
    <message>
        <source>&amp;Scoring Boards…</source>
        <translation>Score&amp;borden…</translation>
    </message>
    <message>
        <source>Take the darts from a camera system or a soft-tip board</source>
        <translation>De darts overnemen van een camerasysteem of een soft-tip-bord</translation>
    </message>
    <message>
        <source>&amp;Competitions…</source>
        <translation>&amp;Competities…</translation>
    </message>
    <message>
        <source>Leagues and knockouts over one or several boards (F9)</source>
        <translation>Competities en knock-outtoernooien op een of meer borden (F9)</translation>
    </message>
</context>
<context>
    <name>TMainPages</name>
    <message>
        <source>Paused: Ctrl+P lets it throw</source>
        <translation>Gepauzeerd: Ctrl+P laat hem gooien</translation>
    </message>
    <message>
        <source>Waits after the undo: Ctrl+P twice lets it throw</source>
        <translation>Wacht na het ongedaan maken: twee keer Ctrl+P laat hem gooien</translation>
    </message>
</context>
<context>
    <name>TMatchKeeper</name>
    <message>
        <source>Match store: %1.</source>
        <translation>Wedstrijdopslag: %1.</translation>
    </message>
    <message>
        <source>Matches are not being saved: %1.</source>
        <translation>Wedstrijden worden niet opgeslagen: %1.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operation %1 of %2 could not be applied and was skipped. It is kept in the store, and the match's stored figures are left as they were.</source>
        <translation>De opgeslagen wedstrijd kon niet helemaal worden nagespeeld: stap %1 van %2 paste niet en is overgeslagen. Hij blijft bewaard, en de opgeslagen cijfers van de wedstrijd blijven zoals ze waren.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operations %1 of %2 could not be applied and were skipped. They are kept in the store, and the match's stored figures are left as they were.</source>
        <translation>De opgeslagen wedstrijd kon niet helemaal worden nagespeeld: stappen %1 van %2 pasten niet en zijn overgeslagen. Ze blijven bewaard, en de opgeslagen cijfers van de wedstrijd blijven zoals ze waren.</translation>
    </message>
    <message>
        <source>The stored match was read with care: %1.</source>
        <translation>De opgeslagen wedstrijd is voorzichtig gelezen: %1.</translation>
    </message>
    <message>
        <source>Match store: %1 is damaged; it is set aside, with what still reads carried over, when the next match starts.</source>
        <translation>Wedstrijdopslag: %1 is beschadigd; hij wordt bij het begin van de volgende wedstrijd opzijgezet, en wat nog leesbaar is wordt overgenomen.</translation>
    </message>
</context>
<context>
    <name>TNewCompetitionDialog</name>
    <message>
        <source>New Competition</source>
        <translation>Nieuwe competitie</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Naam:</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Competitie</translation>
    </message>
    <message>
        <source>League, home and away</source>
        <translation>Competitie, thuis en uit</translation>
    </message>
    <message>
        <source>Knockout</source>
        <translation>Knock-out</translation>
    </message>
    <message>
        <source>Knockout, double elimination</source>
        <translation>Knock-out, dubbele eliminatie</translation>
    </message>
    <message>
        <source>Groups, then knockout</source>
        <translation>Groepen, dan knock-out</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Soort:</translation>
    </message>
    <message>
        <source>groups; going on from each:</source>
        <translation>groepen; door uit elke:</translation>
    </message>
    <message>
        <source>&amp;Groups:</source>
        <translation>&amp;Groepen:</translation>
    </message>
    <message>
        <source>One name a line, the best first</source>
        <translation>Eén naam per regel, de beste eerst</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>S&amp;pelers:</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Toevoegen</translation>
    </message>
    <message>
        <source>From History:</source>
        <translation>Uit de geschiedenis:</translation>
    </message>
    <message>
        <source>Ga&amp;me:</source>
        <translation>Spe&amp;l:</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>geen sets</translation>
    </message>
    <message>
        <source>legs to win, sets to win:</source>
        <translation>legs om te winnen, sets om te winnen:</translation>
    </message>
    <message>
        <source>&amp;Legs:</source>
        <translation>&amp;Legs:</translation>
    </message>
    <message>
        <source>Give the competition a name.</source>
        <translation>Geef de competitie een naam.</translation>
    </message>
    <message>
        <source>A competition has 2 to 64 players.</source>
        <translation>Een competitie heeft 2 tot 64 spelers.</translation>
    </message>
    <message>
        <source>Each player can be named once only.</source>
        <translation>Elke speler kan maar één keer worden genoemd.</translation>
    </message>
    <message>
        <source>Each group needs at least two players, and no more can go on from a group than it has.</source>
        <translation>Elke groep heeft minstens twee spelers nodig, en er kunnen niet meer spelers uit een groep door dan hij heeft.</translation>
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
        <translation>Sets: wie het ee&amp;rst:</translation>
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
        <translation>Her&amp;vatten: </translation>
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
    <message>
        <source>Thrower 1</source>
        <translation>Werper 1</translation>
    </message>
    <message>
        <source>Thrower 2</source>
        <translation>Werper 2</translation>
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
        <translation>Sluiten</translation>
    </message>
</context>
<context>
    <name>TPlayerPanel</name>
    <message>
        <source>Turns:</source>
        <translation>Beurten:</translation>
    </message>
    <message>
        <source>Darts:</source>
        <translation>Darts:</translation>
    </message>
    <message>
        <source>Scored:</source>
        <translation>Gescoord:</translation>
    </message>
    <message>
        <source>Turn Avg:</source>
        <translation>Gem. beurt:</translation>
    </message>
    <message>
        <source>Dart Avg:</source>
        <translation>Gem. dart:</translation>
    </message>
    <message>
        <source>Legs:</source>
        <translation>Legs:</translation>
    </message>
    <message>
        <source>G.Turn Avg:</source>
        <translation>Tot. gem. beurt:</translation>
    </message>
    <message>
        <source>G.Dart Avg:</source>
        <translation>Tot. gem. dart:</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Uitgooiroute:</translation>
    </message>
    <message>
        <source>&lt;&amp;Thrown</source>
        <translation>&lt;&amp;Gegooid</translation>
    </message>
    <message>
        <source>&amp;Thrown&gt;</source>
        <translation>&amp;Gegooid&gt;</translation>
    </message>
    <message>
        <source>A turn has at most three darts</source>
        <translation>Een beurt heeft hoogstens drie darts</translation>
    </message>
    <message>
        <source>"%1" is not a dart</source>
        <translation>‘%1’ is geen dart</translation>
    </message>
    <message>
        <source> · checkout</source>
        <translation> · uitgooi</translation>
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
        <translation>De computer gooit voor %1</translation>
    </message>
    <message>
        <source>No match is in play</source>
        <translation>Er is geen wedstrijd bezig</translation>
    </message>
    <message>
        <source>This keypad page is out of date: load it again</source>
        <translation>Deze toetsenbloksite is verouderd: laad hem opnieuw</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed</source>
        <translation>De wedstrijd is sinds het intypen verdergegaan</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed: %1 is to throw now</source>
        <translation>De wedstrijd is sinds het intypen verdergegaan: nu gooit %1</translation>
    </message>
    <message>
        <source>The leg is not over</source>
        <translation>De leg is niet voorbij</translation>
    </message>
    <message>
        <source>This game is entered dart by dart</source>
        <translation>Dit spel wordt dart voor dart ingevoerd</translation>
    </message>
    <message>
        <source>The computer throws this turn</source>
        <translation>Deze beurt gooit de computer</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 gooit de resterende %2 niet uit</translation>
    </message>
</context>
<context>
    <name>TRoomLink</name>
    <message>
        <source>The room on the network cannot be started: %1</source>
        <translation>De zaal op het netwerk kan niet starten: %1</translation>
    </message>
    <message>
        <source>The room cannot be served on port %1: %2</source>
        <translation>De zaal kan niet op poort %1 worden aangeboden: %2</translation>
    </message>
    <message>
        <source>The room's port "%1" in the settings cannot be used (it must be 1 to 65535); the room is served on port %2</source>
        <translation>De poort "%1" van de zaal in de instellingen is onbruikbaar (1 tot 65535); de zaal draait op poort %2</translation>
    </message>
    <message>
        <source>Room on the network: %1 · %2</source>
        <translation>Zaal op het netwerk: %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n scorebord</numerusform><numerusform>%n scoreborden</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n scorebord</numerusform><numerusform>%n scoreborden</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n toetsenblok</numerusform><numerusform>%n toetsenblokken</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n toetsenblok</numerusform><numerusform>%n toetsenblokken</numerusform></translation>
    </message>
</context>
<context>
    <name>TRoomWindow</name>
    <message>
        <source>Room on the Network</source>
        <translation>Zaal op het netwerk</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board&lt;/b&gt; (shows the match)</source>
        <translation>&lt;b&gt;Scorebord&lt;/b&gt; (toont de wedstrijd)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keypad&lt;/b&gt; (takes turns)</source>
        <translation>&lt;b&gt;Toetsenblok&lt;/b&gt; (neemt beurten aan)</translation>
    </message>
    <message>
        <source>Scan a code with a phone or a television on this network. Whoever has the keypad's address can enter turns: New codes shuts out every page opened before.</source>
        <translation>Scan een code met een telefoon of televisie op dit netwerk. Wie het adres van het toetsenblok heeft, kan beurten invoeren: Nieuwe codes sluit elke eerder geopende pagina buiten.</translation>
    </message>
    <message>
        <source>New codes</source>
        <translation>Nieuwe codes</translation>
    </message>
    <message>
        <source>Connected: %1 · %2</source>
        <translation>Verbonden: %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n scorebord</numerusform><numerusform>%n scoreborden</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n scorebord</numerusform><numerusform>%n scoreborden</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n toetsenblok</numerusform><numerusform>%n toetsenblokken</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n toetsenblok</numerusform><numerusform>%n toetsenblokken</numerusform></translation>
    </message>
    <message>
        <source>Stream overlay: %1</source>
        <translation>Overlay voor de stream: %1</translation>
    </message>
    <message>
        <source>Events for lights and stream tools: %1</source>
        <translation>Gebeurtenissen voor verlichting en streamtools: %1</translation>
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
        <translation>gooit</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 gooit</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Laatste %1</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Gem. %1</translation>
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
        <translation>Spelstatistieken</translation>
    </message>
</context>
<context>
    <name>TTypedEntry</name>
    <message>
        <source>Dart Pad</source>
        <translation>Dartpad</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 gooit de resterende %2 niet uit</translation>
    </message>
    <message>
        <source> (turn %1)</source>
        <translation> (beurt %1)</translation>
    </message>
    <message>
        <source>%1 throws its own turns: Ctrl+P pauses it so you can type one</source>
        <translation>%1 gooit zijn eigen beurten: Ctrl+P pauzeert hem zodat u er een kunt typen</translation>
    </message>
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>De gekozen taal geldt vanaf de volgende start.</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>no speech engine is installed</source>
        <translation>er is geen spraakengine geïnstalleerd</translation>
    </message>
    <message>
        <source>the speech engine "%1" is not installed</source>
        <translation>de spraakengine "%1" is niet geïnstalleerd</translation>
    </message>
    <message>
        <source>the speech engine cannot be used</source>
        <translation>de spraakengine is onbruikbaar</translation>
    </message>
    <message>
        <source>the speech engine has no voice</source>
        <translation>de spraakengine heeft geen stem</translation>
    </message>
    <message>
        <source>no sound device can be reached</source>
        <translation>geen geluidsapparaat bereikbaar</translation>
    </message>
</context>
</TS>