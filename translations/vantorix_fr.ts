<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
<context>
    <name>BoardState</name>
    <message>
        <source>No score</source>
        <translation>Aucun point</translation>
    </message>
    <message>
        <source>1 mark: </source>
        <translation>1 marque : </translation>
    </message>
    <message>
        <source>%1 marks: </source>
        <translation>%1 marques : </translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Manches %1</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Dernière %1</translation>
    </message>
</context>
<context>
    <name>BoardWords</name>
    <message>
        <source>Board: ready</source>
        <translation>Cible : prête</translation>
    </message>
    <message>
        <source>Board: connecting to %1</source>
        <translation>Cible : connexion à %1</translation>
    </message>
    <message>
        <source>Board: not reachable at %1</source>
        <translation>Cible : injoignable à %1</translation>
    </message>
    <message>
        <source>Board: not reachable at %1 (%2)</source>
        <translation>Cible : injoignable à %1 (%2)</translation>
    </message>
</context>
<context>
    <name>CMatchStore</name>
    <message>
        <source>its %1 players were read as %2</source>
        <translation>ses %1 joueurs ont été lus comme %2</translation>
    </message>
    <message>
        <source>its game "%1" is not one this version plays; it goes on as X01 from %2</source>
        <translation>le jeu « %1 » n'est pas connu de cette version ; il continue en X01 à partir de %2</translation>
    </message>
    <message>
        <source>a row for side %1, which the match does not have, was ignored</source>
        <translation>une ligne pour le camp %1, que le match n'a pas, a été ignorée</translation>
    </message>
    <message>
        <source>side %1 had no row and plays as it was started</source>
        <translation>le camp %1 n'avait pas de ligne et joue comme au départ</translation>
    </message>
    <message>
        <source>a computer for side %1, which the match does not have, was ignored</source>
        <translation>un ordinateur pour le camp %1, que le match n'a pas, a été ignoré</translation>
    </message>
    <message>
        <source>the computer's average %1 of side %2 was read as %3</source>
        <translation>la moyenne %1 de l'ordinateur du camp %2 a été lue comme %3</translation>
    </message>
    <message>
        <source>the computer's seed "%1" is no number; 0 is used</source>
        <translation>la graine « %1 » de l'ordinateur n'est pas un nombre ; 0 est utilisé</translation>
    </message>
    <message>
        <source>the store is locked by another program</source>
        <translation>le stockage est verrouillé par un autre programme</translation>
    </message>
    <message>
        <source>the disk is full</source>
        <translation>le disque est plein</translation>
    </message>
    <message>
        <source>%1 cannot be written (%2)</source>
        <translation>%1 ne peut pas être écrit (%2)</translation>
    </message>
    <message>
        <source>%1 cannot be used (%2)</source>
        <translation>%1 est inutilisable (%2)</translation>
    </message>
    <message>
        <source>%1 was damaged; it is kept as %2 and a new one was made</source>
        <translation>%1 était endommagé ; il est gardé sous %2 et un nouveau a été créé</translation>
    </message>
    <message>
        <source>%1 is another program's database (application %2, version %3); it is left alone</source>
        <translation>%1 est la base d'un autre programme (application %2, version %3) ; elle est laissée telle quelle</translation>
    </message>
    <message>
        <source>%1 was written by a newer Vantorix; matches are not saved until it is updated</source>
        <translation>%1 a été écrit par un Vantorix plus récent ; les matchs ne sont pas enregistrés avant la mise à jour</translation>
    </message>
    <message>
        <source>%1 holds no matches yet</source>
        <translation>%1 ne contient encore aucun match</translation>
    </message>
    <message>
        <source>the SQLite driver of Qt is not installed</source>
        <translation>le pilote SQLite de Qt n'est pas installé</translation>
    </message>
    <message>
        <source>cannot make the folder %1%2</source>
        <translation>impossible de créer le dossier %1%2</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1</source>
        <translation>un autre Vantorix enregistre dans %1</translation>
    </message>
    <message>
        <source>cannot lock %1</source>
        <translation>impossible de verrouiller %1</translation>
    </message>
    <message>
        <source>%1 is damaged</source>
        <translation>%1 est endommagé</translation>
    </message>
    <message>
        <source>%1 is damaged and cannot be set aside</source>
        <translation>%1 est endommagé et ne peut pas être mis de côté</translation>
    </message>
    <message>
        <source>, with %1 of the %2 matches that could be read carried over</source>
        <translation>, avec %1 des %2 matchs lisibles repris</translation>
    </message>
    <message>
        <source>another Vantorix is recording into %1; this one records nothing (History can be read)</source>
        <translation>un autre Vantorix enregistre dans %1 ; celui-ci n'enregistre rien (l'historique reste lisible)</translation>
    </message>
    <message>
        <source>%1; nothing is recorded until it can be written (History can be read)</source>
        <translation>%1 ; rien n'est enregistré tant que l'écriture est impossible (l'historique reste lisible)</translation>
    </message>
    <message>
        <source>%1 cannot be locked</source>
        <translation>%1 ne peut pas être verrouillé</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use and the store could not be opened again</source>
        <translation>le journal %1-wal a été supprimé en cours d'usage et le stockage n'a pas pu être rouvert</translation>
    </message>
    <message>
        <source>the journal %1-wal was deleted while in use; what it held is saved in %1 and recording goes on</source>
        <translation>le journal %1-wal a été supprimé en cours d'usage ; son contenu est gardé dans %1 et l'enregistrement continue</translation>
    </message>
    <message>
        <source>%1; what is played is kept in memory and saved once the store takes writes again</source>
        <translation>%1 ; ce qui est joué reste en mémoire et sera enregistré dès que le stockage accepte l'écriture</translation>
    </message>
    <message>
        <source>recording goes on</source>
        <translation>l'enregistrement continue</translation>
    </message>
    <message>
        <source>recording goes on; the operation kept in memory is saved</source>
        <translation>l'enregistrement continue ; l'opération gardée en mémoire est enregistrée</translation>
    </message>
    <message>
        <source>This is the match in play</source>
        <translation>C'est le match en cours</translation>
    </message>
    <message>
        <source>%1 is a link to %2; nothing is written through a link</source>
        <translation>%1 est un lien vers %2 ; rien n'est écrit à travers un lien</translation>
    </message>
    <message>
        <source>%1 is not a regular file</source>
        <translation>%1 n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>the disk of %1 is read-only</source>
        <translation>le disque de %1 est en lecture seule</translation>
    </message>
    <message>
        <source>no permission to write in %1</source>
        <translation>pas le droit d'écrire dans %1</translation>
    </message>
    <message>
        <source>no permission to write %1</source>
        <translation>pas le droit d'écrire %1</translation>
    </message>
</context>
<context>
    <name>CheckoutFile</name>
    <message>
        <source>was not found</source>
        <translation>est introuvable</translation>
    </message>
    <message>
        <source>is not a regular file</source>
        <translation>n'est pas un fichier ordinaire</translation>
    </message>
    <message>
        <source>cannot be read</source>
        <translation>ne peut pas être lu</translation>
    </message>
</context>
<context>
    <name>Describe</name>
    <message>
        <source> v </source>
        <translation> contre </translation>
    </message>
    <message>
        <source>Leg %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Sets </source>
        <translation>Sets </translation>
    </message>
    <message>
        <source>, Legs </source>
        <translation>, manches </translation>
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
        <translation>Points continus</translation>
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
        <translation>Tour de l'horloge</translation>
    </message>
    <message>
        <source>Around the Clock (fast)</source>
        <translation>Tour de l'horloge (rapide)</translation>
    </message>
    <message>
        <source>Bob's 27</source>
        <translation>Bob's 27</translation>
    </message>
    <message>
        <source>121 Checkout Practice</source>
        <translation>Entraînement au finish 121</translation>
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
        <translation>Fléchettes</translation>
    </message>
    <message>
        <source>Done</source>
        <translation>Fini</translation>
    </message>
    <message>
        <source>Bull</source>
        <translation>Bull</translation>
    </message>
    <message>
        <source>At</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Hits</source>
        <translation>Touchés</translation>
    </message>
    <message>
        <source>Out</source>
        <translation>Éliminé</translation>
    </message>
    <message>
        <source>Target</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Darts left</source>
        <translation>Fléchettes restantes</translation>
    </message>
    <message>
        <source>Checkouts</source>
        <translation>Finishs</translation>
    </message>
    <message>
        <source>Checkout %</source>
        <translation>Finish %</translation>
    </message>
    <message>
        <source>Best</source>
        <translation>Meilleur</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>Marques</translation>
    </message>
    <message>
        <source>Marks Per Round (MPR)</source>
        <translation>Marques par tour (MPR)</translation>
    </message>
    <message>
        <source>Points Given</source>
        <translation>Points donnés</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Points marqués</translation>
    </message>
    <message>
        <source>Most Marks in a Turn</source>
        <translation>Plus de marques en une volée</translation>
    </message>
    <message>
        <source>Turns of 5+ Marks</source>
        <translation>Volées de 5+ marques</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Manches gagnées</translation>
    </message>
    <message>
        <source>Sets Won</source>
        <translation>Sets gagnés</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Fléchettes lancées</translation>
    </message>
    <message>
        <source>Targets Reached</source>
        <translation>Cibles atteintes</translation>
    </message>
    <message>
        <source>Darts Per Target</source>
        <translation>Fléchettes par cible</translation>
    </message>
    <message>
        <source>Doubles Hit</source>
        <translation>Doubles touchés</translation>
    </message>
    <message>
        <source>Doubles Hit %</source>
        <translation>Doubles touchés %</translation>
    </message>
    <message>
        <source>Best Score</source>
        <translation>Meilleur score</translation>
    </message>
    <message>
        <source>Targets Played</source>
        <translation>Cibles jouées</translation>
    </message>
    <message>
        <source>Checkout Rate</source>
        <translation>Taux de finish</translation>
    </message>
    <message>
        <source>Best Target</source>
        <translation>Meilleure cible</translation>
    </message>
    <message>
        <source>Shanghais</source>
        <translation>Shanghais</translation>
    </message>
    <message>
        <source>Turns Halved</source>
        <translation>Volées divisées</translation>
    </message>
    <message>
        <source>Lives Taken</source>
        <translation>Vies prises</translation>
    </message>
    <message>
        <source>Any double</source>
        <translation>Un double</translation>
    </message>
    <message>
        <source>Any treble</source>
        <translation>Un triple</translation>
    </message>
    <message>
        <source>Halved</source>
        <translation>Divisé</translation>
    </message>
    <message>
        <source>Number</source>
        <translation>Numéro</translation>
    </message>
    <message>
        <source>Lives</source>
        <translation>Vies</translation>
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
        <translation>1 manche</translation>
    </message>
    <message>
        <source>1 set</source>
        <translation>1 set</translation>
    </message>
    <message>
        <source>%1 legs</source>
        <translation>%1 manches</translation>
    </message>
    <message>
        <source>%1 sets</source>
        <translation>%1 sets</translation>
    </message>
    <message>
        <source>first to %1 of %2</source>
        <translation>le premier à %1 de %2</translation>
    </message>
    <message>
        <source>first to %1</source>
        <translation>le premier à %1</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 remporte le match</translation>
    </message>
    <message>
        <source>Set %1</source>
        <translation>Set %1</translation>
    </message>
    <message>
        <source>Leg %1</source>
        <translation>Manche %1</translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Manches %1</translation>
    </message>
    <message>
        <source>%1: game over</source>
        <translation>%1 : partie terminée</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Partie terminée : égalité</translation>
    </message>
    <message>
        <source>%1 wins the leg</source>
        <translation>%1 remporte la manche</translation>
    </message>
    <message>
        <source>To close %1</source>
        <translation>À fermer : %1</translation>
    </message>
    <message>
        <source>Sets %1</source>
        <translation>Sets %1</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 remporte le set</translation>
    </message>
</context>
<context>
    <name>MatchStats</name>
    <message>
        <source>Outshot Value Average</source>
        <translation>Valeur moyenne des finishs</translation>
    </message>
    <message>
        <source>Legs Won</source>
        <translation>Manches gagnées</translation>
    </message>
    <message>
        <source>Darts Thrown</source>
        <translation>Fléchettes lancées</translation>
    </message>
    <message>
        <source>Darts Per Leg Average</source>
        <translation>Moyenne de fléchettes par manche</translation>
    </message>
    <message>
        <source>Points Scored</source>
        <translation>Points marqués</translation>
    </message>
    <message>
        <source>1-Dart Average</source>
        <translation>Moyenne par fléchette</translation>
    </message>
    <message>
        <source>3-Dart Average</source>
        <translation>Moyenne sur 3 fléchettes</translation>
    </message>
    <message>
        <source>Lowest Throw (3-Darts)</source>
        <translation>Volée la plus basse (3 fléchettes)</translation>
    </message>
    <message>
        <source>Highest Throw (3-Darts)</source>
        <translation>Volée la plus haute (3 fléchettes)</translation>
    </message>
    <message>
        <source>Throws of 60+</source>
        <translation>Volées de 60+</translation>
    </message>
    <message>
        <source>Throws of 100+</source>
        <translation>Volées de 100+</translation>
    </message>
    <message>
        <source>Throws of 140+</source>
        <translation>Volées de 140+</translation>
    </message>
    <message>
        <source>Throws of 180</source>
        <translation>Volées de 180</translation>
    </message>
    <message>
        <source>Possible Outshots</source>
        <translation>Finishs possibles</translation>
    </message>
    <message>
        <source>Effective Outshots</source>
        <translation>Finishs réussis</translation>
    </message>
    <message>
        <source>Highest Outshot</source>
        <translation>Plus haut finish</translation>
    </message>
    <message>
        <source>Points Scored On Outshots</source>
        <translation>Points marqués en finish</translation>
    </message>
    <message>
        <source>First 9 Average</source>
        <translation>Moyenne des 9 premières</translation>
    </message>
    <message>
        <source>Best Leg (Darts)</source>
        <translation>Meilleure manche (fléchettes)</translation>
    </message>
    <message>
        <source>Worst Leg (Darts)</source>
        <translation>Pire manche (fléchettes)</translation>
    </message>
</context>
<context>
    <name>ProgramStart</name>
    <message>
        <source>Settings file %1: %2</source>
        <translation>Fichier de réglages %1 : %2</translation>
    </message>
    <message>
        <source>it is a link to %1, and nothing is written through a link</source>
        <translation>c'est un lien vers %1, et rien n'est écrit à travers un lien</translation>
    </message>
    <message>
        <source>something other than a file stands there</source>
        <translation>autre chose qu'un fichier se trouve là</translation>
    </message>
    <message>
        <source>it is not writable</source>
        <translation>il n'est pas modifiable</translation>
    </message>
    <message>
        <source>Settings cannot be saved to %1: %2.</source>
        <translation>Les réglages ne peuvent pas être enregistrés dans %1 : %2.</translation>
    </message>
    <message>
        <source>the settings file that could not be used is kept as %1</source>
        <translation>le fichier de réglages inutilisable est conservé sous %1</translation>
    </message>
    <message>
        <source>could not save the settings to %1: %2</source>
        <translation>impossible d'enregistrer les réglages dans %1 : %2</translation>
    </message>
    <message>
        <source>The settings could not be saved to %1.</source>
        <translation>Les réglages n'ont pas pu être enregistrés dans %1.</translation>
    </message>
</context>
<context>
    <name>Refusal</name>
    <message>
        <source>The leg is over: Next Leg (Ctrl+Enter) starts the next</source>
        <translation>La manche est terminée : Manche suivante (Ctrl+Entrée) commence la suivante</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Au plus trois fléchettes par volée</translation>
    </message>
    <message>
        <source>No board has that dart</source>
        <translation>Aucune cible n'a cette fléchette</translation>
    </message>
    <message>
        <source>No dart can follow the one that ended the turn</source>
        <translation>Aucune fléchette ne peut suivre celle qui a terminé la volée</translation>
    </message>
    <message>
        <source>The leg is over</source>
        <translation>La manche est terminée</translation>
    </message>
    <message>
        <source>There is no total to finish</source>
        <translation>Il n'y a pas de reste à finir</translation>
    </message>
    <message>
        <source>%1 cannot be scored with three darts</source>
        <translation>%1 ne peut pas se marquer en trois fléchettes</translation>
    </message>
    <message>
        <source>%1 needs at least %2 darts</source>
        <translation>%1 demande au moins %2 fléchettes</translation>
    </message>
    <message>
        <source>Bust: %1 is more than the %2 left</source>
        <translation>Bust : %1 dépasse les %2 restants</translation>
    </message>
    <message>
        <source>That would leave 1</source>
        <translation>Il resterait 1</translation>
    </message>
    <message>
        <source>%1 cannot be finished on a double</source>
        <translation>%1 ne peut pas se finir sur un double</translation>
    </message>
    <message>
        <source>That total is too large to count</source>
        <translation>Ce total est trop grand pour être compté</translation>
    </message>
    <message>
        <source>Only a turn can be corrected</source>
        <translation>Seule une volée peut être corrigée</translation>
    </message>
    <message>
        <source>That would finish the leg before the turns after it</source>
        <translation>Cela finirait la manche avant les volées suivantes</translation>
    </message>
    <message>
        <source>That would change how the leg was won</source>
        <translation>Cela changerait la façon dont la manche a été gagnée</translation>
    </message>
    <message>
        <source>No dart can follow the one that finished or bust the turn</source>
        <translation>Aucune fléchette ne peut suivre celle qui a fini ou dépassé</translation>
    </message>
    <message>
        <source>It is another side's turn</source>
        <translation>C'est au tour d'un autre camp</translation>
    </message>
    <message>
        <source>There is no turn to take back</source>
        <translation>Il n'y a pas de volée à annuler</translation>
    </message>
    <message>
        <source>The match is over</source>
        <translation>Le match est terminé</translation>
    </message>
    <message>
        <source>Undo the turn and enter it again</source>
        <translation>Annulez la volée et saisissez-la à nouveau</translation>
    </message>
    <message>
        <source>This game counts up: enter the score, not what is left</source>
        <translation>Ce jeu compte en montant : entrez le score, pas le reste</translation>
    </message>
    <message>
        <source>From %1, %2 cannot be left</source>
        <translation>De %1, il ne peut rester %2</translation>
    </message>
    <message>
        <source>From %1, %2 left means %3: %4</source>
        <translation>De %1, il reste %2, soit %3 : %4</translation>
    </message>
</context>
<context>
    <name>RoomMessage</name>
    <message>
        <source>Message too long (at most %1 bytes)</source>
        <translation>Message trop long (%1 octets au plus)</translation>
    </message>
    <message>
        <source>Not a JSON object</source>
        <translation>Pas un objet JSON</translation>
    </message>
    <message>
        <source>"id" must be a whole number from 0</source>
        <translation>« id » doit être un nombre entier à partir de 0</translation>
    </message>
    <message>
        <source>"for" must be a whole number from 0</source>
        <translation>« for » doit être un nombre entier à partir de 0</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Au plus trois fléchettes par volée</translation>
    </message>
    <message>
        <source>“%1” is not a dart</source>
        <translation>« %1 » n'est pas une fléchette</translation>
    </message>
    <message>
        <source>"score" must be a whole number from 0 to 999</source>
        <translation>« score » doit être un nombre entier de 0 à 999</translation>
    </message>
    <message>
        <source>"darts" of a checkout must be 1, 2 or 3</source>
        <translation>« darts » d'un finish doit valoir 1, 2 ou 3</translation>
    </message>
    <message>
        <source>"left" must be a whole number from 0 to 999</source>
        <translation>« left » doit être un nombre entier de 0 à 999</translation>
    </message>
    <message>
        <source>Unknown "op": turn, checkout, left, darts, undo or next</source>
        <translation>« op » inconnu : turn, checkout, left, darts, undo ou next</translation>
    </message>
</context>
<context>
    <name>RoomPages</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Tableau Vantorix</translation>
    </message>
    <message>
        <source>Vantorix Keypad</source>
        <translation>Pavé Vantorix</translation>
    </message>
    <message>
        <source>Not connected to Vantorix</source>
        <translation>Pas connecté à Vantorix</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
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
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Next leg</source>
        <translation>Manche suivante</translation>
    </message>
    <message>
        <source>Double</source>
        <translation>Double</translation>
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
        <translation>Raté</translation>
    </message>
    <message>
        <source>Delete the last digit</source>
        <translation>Effacer le dernier chiffre</translation>
    </message>
    <message>
        <source>Delete the last dart</source>
        <translation>Effacer la dernière fléchette</translation>
    </message>
    <message>
        <source>Vantorix Standings</source>
        <translation>Vantorix Classement</translation>
    </message>
    <message>
        <source>Next</source>
        <translation>À suivre</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>P</source>
        <translation>J</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>D</source>
        <translation>N</translation>
    </message>
    <message>
        <source>L</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Pts</source>
        <translation>Pts</translation>
    </message>
    <message>
        <source>Avg</source>
        <translation>Moy.</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Reste</translation>
    </message>
</context>
<context>
    <name>RoomServer</name>
    <message>
        <source>Too many messages: at most %1 a second; this one was dropped</source>
        <translation>Trop de messages : au plus %1 par seconde ; celui-ci a été ignoré</translation>
    </message>
    <message>
        <source>The board takes no turns</source>
        <translation>Le tableau ne prend pas de volées</translation>
    </message>
    <message>
        <source>A message may be at most %1 bytes</source>
        <translation>Un message fait au plus %1 octets</translation>
    </message>
</context>
<context>
    <name>SettingsFile</name>
    <message>
        <source>not a settings file (no VTXSettings element); using the defaults</source>
        <translation>pas un fichier de réglages (pas d'élément VTXSettings) ; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>%1 (line %2); the values before it are used</source>
        <translation>%1 (ligne %2) ; les valeurs d'avant sont utilisées</translation>
    </message>
    <message>
        <source>%1: "%2" is not a usable value</source>
        <translation>%1 : « %2 » n'est pas une valeur utilisable</translation>
    </message>
    <message>
        <source>%1: "%2" is not true or false</source>
        <translation>%1 : « %2 » n'est ni true ni false</translation>
    </message>
    <message>
        <source>not a regular file; using the defaults</source>
        <translation>pas un fichier ordinaire ; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>cannot be read (%1); using the defaults</source>
        <translation>illisible (%1) ; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>larger than %1 MB; using the defaults</source>
        <translation>plus de %1 Mo ; les valeurs par défaut sont utilisées</translation>
    </message>
    <message>
        <source>it is a link; nothing is written through a link</source>
        <translation>c'est un lien ; rien n'est écrit à travers un lien</translation>
    </message>
    <message>
        <source>not a regular file</source>
        <translation>pas un fichier ordinaire</translation>
    </message>
</context>
<context>
    <name>TBluetoothTransport</name>
    <message>
        <source>it offers no dartboard service</source>
        <translation>il n'offre aucun service de cible</translation>
    </message>
</context>
<context>
    <name>TBoardLink</name>
    <message>
        <source>The scoring boards cannot be started: %1</source>
        <translation>Les cibles de comptage ne peuvent pas démarrer : %1</translation>
    </message>
    <message>
        <source>Read: %1</source>
        <translation>Lu : %1</translation>
    </message>
    <message>
        <source>the boards module cannot be loaded</source>
        <translation>le module des cibles ne peut pas être chargé</translation>
    </message>
    <message>
        <source>Set a camera service or a soft-tip board first</source>
        <translation>Indiquez d'abord un service caméra ou une cible soft-tip</translation>
    </message>
</context>
<context>
    <name>TBoardServer</name>
    <message>
        <source>"%1" is no address of a camera service (host:port)</source>
        <translation>« %1 » n'est pas l'adresse d'un service caméra (hôte:port)</translation>
    </message>
    <message>
        <source>"%1" is no Bluetooth address (like 00:11:22:33:44:55)</source>
        <translation>« %1 » n'est pas une adresse Bluetooth (comme 00:11:22:33:44:55)</translation>
    </message>
</context>
<context>
    <name>TBoardVisit</name>
    <message>
        <source>Board: no match is in play; the darts are not recorded</source>
        <translation>Cible : aucun match en cours ; les fléchettes ne sont pas saisies</translation>
    </message>
    <message>
        <source>Board: the winner is being shown; the darts are not recorded</source>
        <translation>Cible : le vainqueur est affiché ; les fléchettes ne sont pas saisies</translation>
    </message>
    <message>
        <source>Board: the leg is over; the darts are not recorded</source>
        <translation>Cible : la manche est finie ; les fléchettes ne sont pas saisies</translation>
    </message>
    <message>
        <source>Board: the computer throws for %1; the darts are not recorded</source>
        <translation>Cible : l'ordinateur lance pour %1 ; les fléchettes ne sont pas saisies</translation>
    </message>
    <message>
        <source>Board: this turn is entered; take the darts out</source>
        <translation>Cible : cette volée est saisie ; retirez les fléchettes</translation>
    </message>
</context>
<context>
    <name>TBoardsDialog</name>
    <message>
        <source>Scoring Boards</source>
        <translation>Cibles de comptage</translation>
    </message>
    <message>
        <source>host:port, e.g. 192.168.1.20:3180; empty: none</source>
        <translation>hôte:port, p. ex. 192.168.1.20:3180 ; vide : aucun</translation>
    </message>
    <message>
        <source>&amp;Camera system (Autodarts board service):</source>
        <translation>Système &amp;caméra (service de cible Autodarts) :</translation>
    </message>
    <message>
        <source>Bluetooth address; empty: none</source>
        <translation>Adresse Bluetooth ; vide : aucune</translation>
    </message>
    <message>
        <source>&amp;Soft-tip board (Granboard):</source>
        <translation>Cible &amp;soft-tip (Granboard) :</translation>
    </message>
    <message>
        <source>Searc&amp;h</source>
        <translation>&amp;Rechercher</translation>
    </message>
    <message>
        <source>&amp;Test</source>
        <translation>&amp;Tester</translation>
    </message>
    <message>
        <source>Searching for soft-tip boards nearby…</source>
        <translation>Recherche de cibles soft-tip à proximité…</translation>
    </message>
    <message>
        <source>Throw a dart…</source>
        <translation>Lancez une fléchette…</translation>
    </message>
    <message>
        <source>The search could not run: %1</source>
        <translation>La recherche n'a pas pu se faire : %1</translation>
    </message>
    <message>
        <source>No soft-tip board was found nearby</source>
        <translation>Aucune cible soft-tip n'a été trouvée à proximité</translation>
    </message>
    <message>
        <source>Choose the board from the list</source>
        <translation>Choisissez la cible dans la liste</translation>
    </message>
</context>
<context>
    <name>TCaller</name>
    <message>
        <source>The caller is silent: %1.</source>
        <translation>L'annonceur se tait : %1.</translation>
    </message>
</context>
<context>
    <name>TCameraSource</name>
    <message>
        <source>Board: a message from %1 could not be read (%2)</source>
        <translation>Cible : un message de %1 n'a pas pu être lu (%2)</translation>
    </message>
    <message>
        <source>Board: take the darts out</source>
        <translation>Cible : retirez les fléchettes</translation>
    </message>
    <message>
        <source>Board: detection is stopped at %1</source>
        <translation>Cible : la détection est arrêtée à %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionLink</name>
    <message>
        <source>not reachable (%1)</source>
        <translation>injoignable (%1)</translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n result waiting</source>
        <translation><numerusform>Serveur du club : %n résultat en attente</numerusform><numerusform>Serveur du club : %n résultats en attente</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>Club server: %n results waiting</source>
        <translation><numerusform>Serveur du club : %n résultat en attente</numerusform><numerusform>Serveur du club : %n résultats en attente</numerusform></translation>
    </message>
    <message>
        <source>Club server: connected</source>
        <translation>Serveur du club : connecté</translation>
    </message>
    <message>
        <source>Club server: %1</source>
        <translation>Serveur du club : %1</translation>
    </message>
    <message>
        <source>The competition could not be made: %1</source>
        <translation>La compétition n'a pas pu être créée : %1</translation>
    </message>
    <message>
        <source>The fixture cannot be taken now: %1</source>
        <translation>La rencontre ne peut pas être prise maintenant : %1</translation>
    </message>
    <message>
        <source>The fixture is playing on %1.</source>
        <translation>La rencontre se joue sur %1.</translation>
    </message>
    <message>
        <source>The match is not %1 v %2: it does not count for %3.</source>
        <translation>Le match n'est pas %1 contre %2 : il ne compte pas pour %3.</translation>
    </message>
    <message>
        <source>The result went into %1.</source>
        <translation>Le résultat est inscrit dans %1.</translation>
    </message>
    <message>
        <source>The result could not be kept: %1</source>
        <translation>Le résultat n'a pas pu être conservé : %1</translation>
    </message>
</context>
<context>
    <name>TCompetitionsDialog</name>
    <message>
        <source>Competitions</source>
        <translation>Compétitions</translation>
    </message>
    <message>
        <source>&amp;Competition:</source>
        <translation>&amp;Compétition :</translation>
    </message>
    <message>
        <source>&amp;New…</source>
        <translation>&amp;Nouvelle…</translation>
    </message>
    <message>
        <source>No.</source>
        <translation>N°</translation>
    </message>
    <message>
        <source>Round</source>
        <translation>Tour</translation>
    </message>
    <message>
        <source>Home</source>
        <translation>Domicile</translation>
    </message>
    <message>
        <source>Away</source>
        <translation>Extérieur</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Order</source>
        <translation>Ordre</translation>
    </message>
    <message>
        <source>Board</source>
        <translation>Cible</translation>
    </message>
    <message>
        <source>Group</source>
        <translation>Groupe</translation>
    </message>
    <message>
        <source>Rank</source>
        <translation>Rang</translation>
    </message>
    <message>
        <source>Player</source>
        <translation>Joueur</translation>
    </message>
    <message>
        <source>P</source>
        <translation>J</translation>
    </message>
    <message>
        <source>W</source>
        <translation>V</translation>
    </message>
    <message>
        <source>D</source>
        <translation>N</translation>
    </message>
    <message>
        <source>L</source>
        <translation>D</translation>
    </message>
    <message>
        <source>Legs for</source>
        <translation>Manches pour</translation>
    </message>
    <message>
        <source>Legs against</source>
        <translation>Manches contre</translation>
    </message>
    <message>
        <source>+/-</source>
        <translation>+/-</translation>
    </message>
    <message>
        <source>Points</source>
        <translation>Points</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source>180s</source>
        <translation>180</translation>
    </message>
    <message>
        <source>High out</source>
        <translation>Meilleur finish</translation>
    </message>
    <message>
        <source>&amp;Fixtures</source>
        <translation>&amp;Rencontres</translation>
    </message>
    <message>
        <source>S&amp;tandings</source>
        <translation>C&amp;lassement</translation>
    </message>
    <message>
        <source>&amp;Bracket</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>&amp;Play</source>
        <translation>&amp;Jouer</translation>
    </message>
    <message>
        <source>&amp;Result by Hand…</source>
        <translation>Résultat à la &amp;main…</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Group %1, round %2</source>
        <translation>Groupe %1, tour %2</translation>
    </message>
    <message>
        <source>Losers' round %1</source>
        <translation>Tour des perdants %1</translation>
    </message>
    <message>
        <source>Knockout round %1</source>
        <translation>Tour à élimination %1</translation>
    </message>
    <message>
        <source>Round %1</source>
        <translation>Tour %1</translation>
    </message>
    <message>
        <source>%1 (%2)</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>playing on %1</source>
        <translation>en jeu sur %1</translation>
    </message>
    <message>
        <source>Play Again</source>
        <translation>Rejouer</translation>
    </message>
    <message>
        <source>The fixture has a result. Why is it played again?</source>
        <translation>La rencontre a un résultat. Pourquoi la rejouer ?</translation>
    </message>
    <message>
        <source>Take Over</source>
        <translation>Reprendre</translation>
    </message>
    <message>
        <source>The fixture is playing on %1. Take it over for this board? Only when %1 is not playing it any more.</source>
        <translation>La rencontre se joue sur %1. La reprendre pour cette cible ? Seulement si %1 ne la joue plus.</translation>
    </message>
</context>
<context>
    <name>TDartPad</name>
    <message>
        <source>Miss</source>
        <translation>Raté</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>Retour</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Valider</translation>
    </message>
</context>
<context>
    <name>TFixtureResultDialog</name>
    <message>
        <source>Result by Hand</source>
        <translation>Résultat à la main</translation>
    </message>
    <message>
        <source>Legs of %1:</source>
        <translation>Manches de %1 :</translation>
    </message>
    <message>
        <source>Walkover: Ben did not come</source>
        <translation>Forfait : Ben n'est pas venu</translation>
    </message>
    <message>
        <source>&amp;Reason:</source>
        <translation>&amp;Motif :</translation>
    </message>
    <message>
        <source>Say why the result is given by hand.</source>
        <translation>Indiquez pourquoi le résultat est saisi à la main.</translation>
    </message>
    <message>
        <source>A knockout match needs a winner.</source>
        <translation>Un match à élimination doit avoir un vainqueur.</translation>
    </message>
</context>
<context>
    <name>TFormBoard</name>
    <message>
        <source>Vantorix Board</source>
        <translation>Tableau Vantorix</translation>
    </message>
    <message>
        <source>Full Screen</source>
        <translation>Plein écran</translation>
    </message>
    <message>
        <source>Leave Full Screen</source>
        <translation>Quitter le plein écran</translation>
    </message>
</context>
<context>
    <name>TFormHint</name>
    <message>
        <source>No Outshot</source>
        <translation>Pas de finish</translation>
    </message>
    <message>
        <source>1-Dart Outshot</source>
        <translation>Finish en 1 fléchette</translation>
    </message>
    <message>
        <source>2-Dart Outshot</source>
        <translation>Finish en 2 fléchettes</translation>
    </message>
    <message>
        <source>3-Dart Outshot</source>
        <translation>Finish en 3 fléchettes</translation>
    </message>
    <message>
        <source>Invalid Score</source>
        <translation>Score impossible</translation>
    </message>
    <message>
        <source>Quick Shot Hint</source>
        <translation>Aide aux finishs</translation>
    </message>
    <message>
        <source>Shot:</source>
        <translation>Reste :</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Finish :</translation>
    </message>
</context>
<context>
    <name>TFormVTX</name>
    <message>
        <source>No checkout routes: %1 %2.</source>
        <translation>Pas de finishs : %1 %2.</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Vantorix
Version 1.06

Darts scoreboard</source>
        <translation>Vantorix
Version 1.06

Tableau de score de fléchettes</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 remporte le match</translation>
    </message>
    <message>
        <source>%1 wins the set</source>
        <translation>%1 remporte le set</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
</context>
<context>
    <name>TGamePanel</name>
    <message>
        <source>1 mark</source>
        <translation>1 marque</translation>
    </message>
    <message>
        <source>%1 marks</source>
        <translation>%1 marques</translation>
    </message>
    <message>
        <source>Darts: T20 S19 miss, then Enter (none: three misses)</source>
        <translation>Fléchettes : T20 S19 miss, puis Entrée (aucune : trois ratés)</translation>
    </message>
    <message>
        <source>Game over: a tie</source>
        <translation>Partie terminée : égalité</translation>
    </message>
    <message>
        <source>%1 wins the match</source>
        <translation>%1 remporte le match</translation>
    </message>
    <message>
        <source>%1 wins</source>
        <translation>%1 gagne</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 au lancer</translation>
    </message>
    <message>
        <source>no score</source>
        <translation>aucun point</translation>
    </message>
    <message>
        <source>At most three darts a turn</source>
        <translation>Au plus trois fléchettes par volée</translation>
    </message>
    <message>
        <source>“%1” is not a dart: type S20, D20, T20, 25, bull or miss</source>
        <translation>« %1 » n'est pas une fléchette : tapez S20, D20, T20, 25, bull ou miss</translation>
    </message>
    <message>
        <source>%1 throws: %2</source>
        <translation>%1 lance : %2</translation>
    </message>
</context>
<context>
    <name>THistoryDialog</name>
    <message>
        <source>Export match as CSV</source>
        <translation>Exporter le match en CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>Fichiers CSV (*.csv)</translation>
    </message>
    <message>
        <source>%1 could not be written: %2</source>
        <translation>%1 n'a pas pu être écrit : %2</translation>
    </message>
    <message>
        <source>History</source>
        <translation>Historique</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;Ouvrir</translation>
    </message>
    <message>
        <source>&amp;Export as CSV…</source>
        <translation>&amp;Exporter en CSV…</translation>
    </message>
    <message>
        <source>&amp;Delete…</source>
        <translation>&amp;Supprimer…</translation>
    </message>
    <message>
        <source>&amp;Resume</source>
        <translation>&amp;Reprendre</translation>
    </message>
    <message>
        <source>Go on with the selected match where it stopped</source>
        <translation>Reprendre le match choisi là où il s'est arrêté</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>Fermer</translation>
    </message>
    <message>
        <source>&amp;Player:</source>
        <translation>&amp;Joueur :</translation>
    </message>
    <message>
        <source>Delete match</source>
        <translation>Supprimer le match</translation>
    </message>
    <message>
        <source>This is the match in play.</source>
        <translation>C'est le match en cours.</translation>
    </message>
    <message>
        <source>Delete %1 for good?</source>
        <translation>Supprimer %1 définitivement ?</translation>
    </message>
    <message>
        <source>3-Dart Average per Match</source>
        <translation>Moyenne sur 3 fléchettes par match</translation>
    </message>
    <message>
        <source>Match started</source>
        <translation>Début du match</translation>
    </message>
    <message>
        <source>Average</source>
        <translation>Moyenne</translation>
    </message>
    <message>
        <source> v </source>
        <translation> contre </translation>
    </message>
    <message>
        <source> · first to </source>
        <translation> · premier à </translation>
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
        <translation> manche</translation>
    </message>
    <message>
        <source> legs</source>
        <translation> manches</translation>
    </message>
    <message>
        <source> won, </source>
        <translation> a gagné, </translation>
    </message>
    <message>
        <source>in play, </source>
        <translation>en cours, </translation>
    </message>
    <message>
        <source>abandoned, </source>
        <translation>abandonné, </translation>
    </message>
    <message>
        <source>Date</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>Players</source>
        <translation>Joueurs</translation>
    </message>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>Résultat</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won · 3-dart average %5 · Highest turn %6 · 180s %7 · Highest checkout %8</source>
        <translation>Matchs %1 joués, %2 gagnés · Manches %3 jouées, %4 gagnées · Moyenne sur 3 fléchettes %5 · Volée la plus haute %6 · 180 %7 · Plus haut finish %8</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Moy. %1</translation>
    </message>
    <message>
        <source>Matches %1 played, %2 won · Legs %3 played, %4 won</source>
        <translation>Matchs %1 joués, %2 gagnés · Manches %3 jouées, %4 gagnées</translation>
    </message>
</context>
<context>
    <name>TLegCorrectionDialog</name>
    <message>
        <source>Correct Leg %1</source>
        <translation>Corriger la manche %1</translation>
    </message>
    <message>
        <source>Turn</source>
        <translation>Volée</translation>
    </message>
    <message>
        <source>Score</source>
        <translation>Score</translation>
    </message>
    <message>
        <source>Left</source>
        <translation>Reste</translation>
    </message>
    <message>
        <source>Choose a turn to correct</source>
        <translation>Choisir une volée à corriger</translation>
    </message>
    <message>
        <source>%1, turn %2:</source>
        <translation>%1, volée %2 :</translation>
    </message>
</context>
<context>
    <name>TMainActions</name>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>Start New Game</source>
        <translation>Commencer une nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;New Game</source>
        <translation>&amp;Nouvelle partie</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>&amp;About</source>
        <translation>À &amp;propos</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Exit Application</source>
        <translation>Quitter Vantorix</translation>
    </message>
    <message>
        <source>Next Leg</source>
        <translation>Manche suivante</translation>
    </message>
    <message>
        <source>Start Next Leg</source>
        <translation>Commencer la manche suivante</translation>
    </message>
    <message>
        <source>Next &amp;Leg</source>
        <translation>&amp;Manche suivante</translation>
    </message>
    <message>
        <source>Player Shot Hints</source>
        <translation>Finishs des joueurs</translation>
    </message>
    <message>
        <source>Toggle Hints</source>
        <translation>Afficher ou masquer les finishs</translation>
    </message>
    <message>
        <source>Add Score</source>
        <translation>Saisir le score</translation>
    </message>
    <message>
        <source>Quick Shot Hint Window</source>
        <translation>Fenêtre des finishs</translation>
    </message>
    <message>
        <source>Thr&amp;ow</source>
        <translation>Lan&amp;cer</translation>
    </message>
    <message>
        <source>Add New Throw</source>
        <translation>Saisir une volée</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>&amp;Annuler</translation>
    </message>
    <message>
        <source>Undo Last Throw</source>
        <translation>Annuler la dernière volée</translation>
    </message>
    <message>
        <source>Toggle Focus</source>
        <translation>Changer le focus</translation>
    </message>
    <message>
        <source>&amp;Stats</source>
        <translation>&amp;Stats</translation>
    </message>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiques de la partie</translation>
    </message>
    <message>
        <source>H&amp;istory</source>
        <translation>&amp;Historique</translation>
    </message>
    <message>
        <source>Stored Matches</source>
        <translation>Matchs enregistrés</translation>
    </message>
    <message>
        <source>Export match as CSV…</source>
        <translation>Exporter le match en CSV…</translation>
    </message>
    <message>
        <source>Export the match in play as CSV</source>
        <translation>Exporter le match en cours en CSV</translation>
    </message>
    <message>
        <source>&amp;Board</source>
        <translation>&amp;Tableau</translation>
    </message>
    <message>
        <source>Board for the room (Ctrl+B)</source>
        <translation>Tableau pour la salle (Ctrl+B)</translation>
    </message>
    <message>
        <source>&amp;Caller</source>
        <translation>&amp;Annonceur</translation>
    </message>
    <message>
        <source>Call the scores aloud (Ctrl+Shift+C)</source>
        <translation>Annoncer les scores à voix haute (Ctrl+Maj+C)</translation>
    </message>
    <message>
        <source>Room on the &amp;Network</source>
        <translation>Salle sur le &amp;réseau</translation>
    </message>
    <message>
        <source>Serve the board and a keypad to the room's screens and phones</source>
        <translation>Le tableau et un pavé de saisie pour les écrans et téléphones de la salle</translation>
    </message>
    <message>
        <source>The QR codes of the board and the keypad</source>
        <translation>Les codes QR du tableau et du pavé de saisie</translation>
    </message>
    <message>
        <source>The desktop's language</source>
        <translation>Langue du bureau</translation>
    </message>
    <message>
        <source>&amp;Pause Computer</source>
        <translation>&amp;Pause de l'ordinateur</translation>
    </message>
    <message>
        <source>Pause the computer's throwing (Ctrl+P)</source>
        <translation>Mettre en pause les lancers de l'ordinateur (Ctrl+P)</translation>
    </message>
    <message>
        <source>Dart Pa&amp;d</source>
        <translation>Pavé &amp;de fléchettes</translation>
    </message>
    <message>
        <source>A dartboard to tap each dart on (F7)</source>
        <translation>Une cible pour toucher chaque fléchette (F7)</translation>
    </message>
    <message>
        <source>Next Side's Scores</source>
        <translation>Scores du camp suivant</translation>
    </message>
    <message>
        <source>Show the next side's score list (Ctrl+PgDown)</source>
        <translation>Afficher la liste des scores du camp suivant (Ctrl+Pg suiv)</translation>
    </message>
    <message>
        <source>Previous Side's Scores</source>
        <translation>Scores du camp précédent</translation>
    </message>
    <message>
        <source>Show the previous side's score list (Ctrl+PgUp)</source>
        <translation>Afficher la liste des scores du camp précédent (Ctrl+Pg préc)</translation>
    </message>
    <message>
        <source>ToolBar</source>
        <translation>Barre d'outils</translation>
    </message>
    <message>
        <source>&amp;Hints</source>
        <translation>&amp;Finishs</translation>
    </message>
    <message>
        <source>&amp;Language</source>
        <translation>&amp;Langue</translation>
    </message>
    <message>
        <source>Outshot</source>
        <translation>Finish</translation>
    </message>
    <message>
        <source>Room C&amp;odes…</source>
        <translation>&amp;Codes de la salle…</translation>
    </message>
    <message numerus="yes">
        <source>%n-Dart Outshot</source>
        <translation><numerusform>Finish en %n fléchette</numerusform><numerusform>Finish en %n fléchettes</numerusform></translation>
    </message>
    <message>
        <source>&amp;Scoring Boards…</source>
        <translation>C&amp;ibles de comptage…</translation>
    </message>
    <message>
        <source>Take the darts from a camera system or a soft-tip board</source>
        <translation>Prendre les fléchettes d'un système caméra ou d'une cible soft-tip</translation>
    </message>
    <message>
        <source>&amp;Competitions…</source>
        <translation>&amp;Compétitions…</translation>
    </message>
    <message>
        <source>Leagues and knockouts over one or several boards (F9)</source>
        <translation>Ligues et tournois à élimination sur une ou plusieurs cibles (F9)</translation>
    </message>
</context>
<context>
    <name>TMainPages</name>
    <message>
        <source>Paused: Ctrl+P lets it throw</source>
        <translation>En pause : Ctrl+P le laisse lancer</translation>
    </message>
    <message>
        <source>Waits after the undo: Ctrl+P twice lets it throw</source>
        <translation>Attend après l'annulation : deux fois Ctrl+P le laisse lancer</translation>
    </message>
</context>
<context>
    <name>TMatchKeeper</name>
    <message>
        <source>Match store: %1.</source>
        <translation>Stockage des matchs : %1.</translation>
    </message>
    <message>
        <source>Matches are not being saved: %1.</source>
        <translation>Les matchs ne sont pas enregistrés : %1.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operation %1 of %2 could not be applied and was skipped. It is kept in the store, and the match's stored figures are left as they were.</source>
        <translation>Le match enregistré n'a pas pu être rejoué en entier : son opération %1 sur %2 n'a pas pu s'appliquer et a été sautée. Elle reste enregistrée, et les chiffres enregistrés du match restent tels quels.</translation>
    </message>
    <message>
        <source>The stored match could not be replayed whole: its operations %1 of %2 could not be applied and were skipped. They are kept in the store, and the match's stored figures are left as they were.</source>
        <translation>Le match enregistré n'a pas pu être rejoué en entier : ses opérations %1 sur %2 n'ont pas pu s'appliquer et ont été sautées. Elles restent enregistrées, et les chiffres enregistrés du match restent tels quels.</translation>
    </message>
    <message>
        <source>The stored match was read with care: %1.</source>
        <translation>Le match enregistré a été lu avec précaution : %1.</translation>
    </message>
    <message>
        <source>Match store: %1 is damaged; it is set aside, with what still reads carried over, when the next match starts.</source>
        <translation>Stockage des matchs : %1 est endommagé ; il sera mis de côté au début du prochain match, et ce qui se lit encore sera repris.</translation>
    </message>
</context>
<context>
    <name>TNewCompetitionDialog</name>
    <message>
        <source>New Competition</source>
        <translation>Nouvelle compétition</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;Nom :</translation>
    </message>
    <message>
        <source>League</source>
        <translation>Ligue</translation>
    </message>
    <message>
        <source>League, home and away</source>
        <translation>Ligue, aller et retour</translation>
    </message>
    <message>
        <source>Knockout</source>
        <translation>Élimination directe</translation>
    </message>
    <message>
        <source>Knockout, double elimination</source>
        <translation>Double élimination</translation>
    </message>
    <message>
        <source>Groups, then knockout</source>
        <translation>Groupes, puis élimination</translation>
    </message>
    <message>
        <source>&amp;Kind:</source>
        <translation>&amp;Type :</translation>
    </message>
    <message>
        <source>groups; going on from each:</source>
        <translation>groupes ; qualifiés par groupe :</translation>
    </message>
    <message>
        <source>&amp;Groups:</source>
        <translation>&amp;Groupes :</translation>
    </message>
    <message>
        <source>One name a line, the best first</source>
        <translation>Un nom par ligne, le meilleur d'abord</translation>
    </message>
    <message>
        <source>&amp;Players:</source>
        <translation>&amp;Joueurs :</translation>
    </message>
    <message>
        <source>&amp;Add</source>
        <translation>&amp;Ajouter</translation>
    </message>
    <message>
        <source>From History:</source>
        <translation>De l'historique :</translation>
    </message>
    <message>
        <source>Ga&amp;me:</source>
        <translation>Je&amp;u :</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>sans sets</translation>
    </message>
    <message>
        <source>legs to win, sets to win:</source>
        <translation>manches pour gagner, sets pour gagner :</translation>
    </message>
    <message>
        <source>&amp;Legs:</source>
        <translation>&amp;Manches :</translation>
    </message>
    <message>
        <source>Give the competition a name.</source>
        <translation>Donnez un nom à la compétition.</translation>
    </message>
    <message>
        <source>A competition has 2 to 64 players.</source>
        <translation>Une compétition a de 2 à 64 joueurs.</translation>
    </message>
    <message>
        <source>Each player can be named once only.</source>
        <translation>Chaque joueur ne peut être nommé qu'une fois.</translation>
    </message>
    <message>
        <source>Each group needs at least two players, and no more can go on from a group than it has.</source>
        <translation>Chaque groupe doit avoir au moins deux joueurs, et il ne peut s'en qualifier plus qu'il n'en a.</translation>
    </message>
</context>
<context>
    <name>TNewGameDialog</name>
    <message>
        <source>New Game</source>
        <translation>Nouvelle partie</translation>
    </message>
    <message>
        <source>&amp;Game:</source>
        <translation>&amp;Jeu :</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <source>Player 1 - Starts:</source>
        <translation>Joueur 1 - commence :</translation>
    </message>
    <message>
        <source>Player 2 - Starts:</source>
        <translation>Joueur 2 - commence :</translation>
    </message>
    <message>
        <source>P&amp;layers:</source>
        <translation>Jo&amp;ueurs :</translation>
    </message>
    <message>
        <source>P&amp;airs</source>
        <translation>É&amp;quipes de deux</translation>
    </message>
    <message>
        <source>&amp;Handicap</source>
        <translation>&amp;Handicap</translation>
    </message>
    <message>
        <source>Enter &amp;darts</source>
        <translation>Saisir les &amp;fléchettes</translation>
    </message>
    <message>
        <source>Type each turn's darts as called: T20 T20 20, D16, 25, bull, m</source>
        <translation>Taper les fléchettes de chaque volée comme annoncées : T20 T20 20, D16, 25, bull, m</translation>
    </message>
    <message>
        <source>open</source>
        <translation>libre</translation>
    </message>
    <message>
        <source>First &amp;to:</source>
        <translation>&amp;Premier à :</translation>
    </message>
    <message>
        <source>no sets</source>
        <translation>sans sets</translation>
    </message>
    <message>
        <source>Sets: first t&amp;o:</source>
        <translation>Sets : pre&amp;mier à :</translation>
    </message>
    <message>
        <source>legs</source>
        <translation>manches</translation>
    </message>
    <message>
        <source>Start</source>
        <translation>Commencer</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>Annuler</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>&amp;Resume: </source>
        <translation>&amp;Reprendre : </translation>
    </message>
    <message>
        <source>Player %1 - Starts:</source>
        <translation>Joueur %1 - commence :</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>&amp;Computer</source>
        <translation>&amp;Ordinateur</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>Ordinateur</translation>
    </message>
    <message>
        <source>The 3-dart average the computer throws at</source>
        <translation>La moyenne sur 3 fléchettes de l'ordinateur</translation>
    </message>
    <message>
        <source>Computer (%1)</source>
        <translation>Ordinateur (%1)</translation>
    </message>
    <message>
        <source>Thrower 1</source>
        <translation>Lanceur 1</translation>
    </message>
    <message>
        <source>Thrower 2</source>
        <translation>Lanceur 2</translation>
    </message>
    <message>
        <source>Start</source>
        <comment>start score</comment>
        <translation>Départ</translation>
    </message>
</context>
<context>
    <name>TNoticeBar</name>
    <message>
        <source>Dismiss</source>
        <translation>Fermer</translation>
    </message>
</context>
<context>
    <name>TPlayerPanel</name>
    <message>
        <source>Turns:</source>
        <translation>Volées :</translation>
    </message>
    <message>
        <source>Darts:</source>
        <translation>Fléchettes :</translation>
    </message>
    <message>
        <source>Scored:</source>
        <translation>Marqués :</translation>
    </message>
    <message>
        <source>Turn Avg:</source>
        <translation>Moy. volée :</translation>
    </message>
    <message>
        <source>Dart Avg:</source>
        <translation>Moy. fléchette :</translation>
    </message>
    <message>
        <source>Legs:</source>
        <translation>Manches :</translation>
    </message>
    <message>
        <source>G.Turn Avg:</source>
        <translation>Moy. volée tot. :</translation>
    </message>
    <message>
        <source>G.Dart Avg:</source>
        <translation>Moy. fl. tot. :</translation>
    </message>
    <message>
        <source>Shot Hint:</source>
        <translation>Finish :</translation>
    </message>
    <message>
        <source>&lt;&amp;Thrown</source>
        <translation>&lt;&amp;Lancé</translation>
    </message>
    <message>
        <source>&amp;Thrown&gt;</source>
        <translation>&amp;Lancé&gt;</translation>
    </message>
    <message>
        <source>A turn has at most three darts</source>
        <translation>Une volée a au plus trois fléchettes</translation>
    </message>
    <message>
        <source>"%1" is not a dart</source>
        <translation>« %1 » n'est pas une fléchette</translation>
    </message>
    <message>
        <source> · checkout</source>
        <translation> · finish</translation>
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
        <translation>L'ordinateur lance pour %1</translation>
    </message>
    <message>
        <source>No match is in play</source>
        <translation>Aucun match en cours</translation>
    </message>
    <message>
        <source>This keypad page is out of date: load it again</source>
        <translation>Cette page de saisie est périmée : rechargez-la</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed</source>
        <translation>Le match a avancé depuis cette saisie</translation>
    </message>
    <message>
        <source>The match has moved on since this was typed: %1 is to throw now</source>
        <translation>Le match a avancé depuis cette saisie : c'est à %1 de lancer</translation>
    </message>
    <message>
        <source>The leg is not over</source>
        <translation>La manche n'est pas terminée</translation>
    </message>
    <message>
        <source>This game is entered dart by dart</source>
        <translation>Ce jeu se saisit fléchette par fléchette</translation>
    </message>
    <message>
        <source>The computer throws this turn</source>
        <translation>Cette volée, c'est l'ordinateur qui la lance</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 ne termine pas les %2 restants</translation>
    </message>
</context>
<context>
    <name>TRoomLink</name>
    <message>
        <source>The room on the network cannot be started: %1</source>
        <translation>La salle sur le réseau ne peut pas démarrer : %1</translation>
    </message>
    <message>
        <source>The room cannot be served on port %1: %2</source>
        <translation>La salle ne peut pas être servie sur le port %1 : %2</translation>
    </message>
    <message>
        <source>The room's port "%1" in the settings cannot be used (it must be 1 to 65535); the room is served on port %2</source>
        <translation>Le port « %1 » de la salle dans les réglages est inutilisable (1 à 65535) ; la salle est servie sur le port %2</translation>
    </message>
    <message>
        <source>Room on the network: %1 · %2</source>
        <translation>Salle sur le réseau : %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n tableau</numerusform><numerusform>%n tableaux</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n tableau</numerusform><numerusform>%n tableaux</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n pavé</numerusform><numerusform>%n pavés</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n pavé</numerusform><numerusform>%n pavés</numerusform></translation>
    </message>
</context>
<context>
    <name>TRoomWindow</name>
    <message>
        <source>Room on the Network</source>
        <translation>Salle sur le réseau</translation>
    </message>
    <message>
        <source>&lt;b&gt;Board&lt;/b&gt; (shows the match)</source>
        <translation>&lt;b&gt;Tableau&lt;/b&gt; (montre le match)</translation>
    </message>
    <message>
        <source>&lt;b&gt;Keypad&lt;/b&gt; (takes turns)</source>
        <translation>&lt;b&gt;Pavé&lt;/b&gt; (saisit les volées)</translation>
    </message>
    <message>
        <source>Scan a code with a phone or a television on this network. Whoever has the keypad's address can enter turns: New codes shuts out every page opened before.</source>
        <translation>Scannez un code avec un téléphone ou une télévision de ce réseau. Qui a l'adresse du pavé peut saisir des volées : Nouveaux codes exclut toute page ouverte avant.</translation>
    </message>
    <message>
        <source>New codes</source>
        <translation>Nouveaux codes</translation>
    </message>
    <message>
        <source>Connected: %1 · %2</source>
        <translation>Connectés : %1 · %2</translation>
    </message>
    <message numerus="yes">
        <source>%n board</source>
        <translation><numerusform>%n tableau</numerusform><numerusform>%n tableaux</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n boards</source>
        <translation><numerusform>%n tableau</numerusform><numerusform>%n tableaux</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypad</source>
        <translation><numerusform>%n pavé</numerusform><numerusform>%n pavés</numerusform></translation>
    </message>
    <message numerus="yes">
        <source>%n keypads</source>
        <translation><numerusform>%n pavé</numerusform><numerusform>%n pavés</numerusform></translation>
    </message>
    <message>
        <source>Stream overlay: %1</source>
        <translation>Incrustation pour le direct : %1</translation>
    </message>
    <message>
        <source>Events for lights and stream tools: %1</source>
        <translation>Événements pour l'éclairage et les outils de diffusion : %1</translation>
    </message>
</context>
<context>
    <name>TScoreListModel</name>
    <message>
        <source>Score</source>
        <translation>Reste</translation>
    </message>
</context>
<context>
    <name>TSideCards</name>
    <message>
        <source>to throw</source>
        <translation>au lancer</translation>
    </message>
    <message>
        <source>%1 to throw</source>
        <translation>%1 au lancer</translation>
    </message>
    <message>
        <source>Last %1</source>
        <translation>Dernière %1</translation>
    </message>
    <message>
        <source>Avg %1</source>
        <translation>Moy. %1</translation>
    </message>
    <message>
        <source>Legs %1</source>
        <translation>Manches %1</translation>
    </message>
</context>
<context>
    <name>TStatsPage</name>
    <message>
        <source>Game Statistics</source>
        <translation>Statistiques de la partie</translation>
    </message>
</context>
<context>
    <name>TTypedEntry</name>
    <message>
        <source>Dart Pad</source>
        <translation>Pavé de fléchettes</translation>
    </message>
    <message>
        <source>%1 does not finish the %2 left</source>
        <translation>%1 ne termine pas les %2 restants</translation>
    </message>
    <message>
        <source> (turn %1)</source>
        <translation> (volée %1)</translation>
    </message>
    <message>
        <source>%1 throws its own turns: Ctrl+P pauses it so you can type one</source>
        <translation>%1 lance ses propres volées : Ctrl+P le met en pause pour que vous en saisissiez une</translation>
    </message>
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>La langue choisie s'applique au prochain démarrage.</translation>
    </message>
</context>
<context>
    <name>Voice</name>
    <message>
        <source>no speech engine is installed</source>
        <translation>aucun moteur de synthèse vocale n'est installé</translation>
    </message>
    <message>
        <source>the speech engine "%1" is not installed</source>
        <translation>le moteur de synthèse vocale « %1 » n'est pas installé</translation>
    </message>
    <message>
        <source>the speech engine cannot be used</source>
        <translation>le moteur de synthèse vocale est inutilisable</translation>
    </message>
    <message>
        <source>the speech engine has no voice</source>
        <translation>le moteur de synthèse vocale n'a aucune voix</translation>
    </message>
    <message>
        <source>no sound device can be reached</source>
        <translation>aucun périphérique audio n'est joignable</translation>
    </message>
</context>
</TS>