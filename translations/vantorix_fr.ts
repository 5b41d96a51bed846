<?xml version='1.0' encoding='utf-8'?>
<TS version="2.1" language="fr_FR">
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
        <source>%1-Dart Outshot</source>
        <translation>Finish en %1 fléchettes</translation>
    </message>
    <message>
        <source>Thr&amp;ow</source>
        <translation>&amp;Lancer</translation>
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
        <translation>&amp;Arbitre</translation>
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
        <source>Room &amp;Codes…</source>
        <translation>&amp;Codes de la salle…</translation>
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
        <translation>C&amp;ible</translation>
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
        <translation>&amp;Joueurs :</translation>
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
        <translation>Premier &amp;à :</translation>
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
</context>
<context>
    <name>Vantorix</name>
    <message>
        <source>The language you chose is spoken from the next start.</source>
        <translation>La langue choisie s'applique au prochain démarrage.</translation>
    </message>
</context>
</TS>