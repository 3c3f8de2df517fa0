<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>furlox</name>
    <message>
        <source>Player 1 Bet</source>
        <translation>Mise du joueur 1</translation>
    </message>
    <message>
        <source>(NOT PLAYING)</source>
        <translation>(NE JOUE PAS)</translation>
    </message>
    <message>
        <source>--Computer Not Playing--</source>
        <translation>--L&apos;ordinateur ne joue pas--</translation>
    </message>
    <message>
        <source>QX Player One</source>
        <translation>QX Joueur Un</translation>
    </message>
    <message>
        <source>QX Player Two</source>
        <translation>QX Joueur Deux</translation>
    </message>
    <message>
        <source>QX Player Three</source>
        <translation>QX Joueur Trois</translation>
    </message>
    <message>
        <source>QX Player Four</source>
        <translation>QX Joueur Quatre</translation>
    </message>
    <message>
        <source>Status:- Getting Ready For Start</source>
        <translation>Statut:- En place pour le départ</translation>
    </message>
    <message>
        <source>PAUSE GAME</source>
        <translation>METTRE EN PAUSE</translation>
    </message>
    <message>
        <source>Computer will bet on Horse number:</source>
        <translation>Cheval choisi par l&apos;ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>Calculating Horse Number......</source>
        <translation>Calcul du numéro de cheval......</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROUGE</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>JAUNE</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <translation>ORANGE</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERT</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLEU</translation>
    </message>
    <message>
        <source>PURPLE</source>
        <translation>VIOLET</translation>
    </message>
    <message>
        <source>Horse %1 (%2)</source>
        <translation>Cheval %1 (%2)</translation>
    </message>
    <message>
        <source>%1 - 1</source>
        <translation>%1/1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Joueur %1</translation>
    </message>
    <message>
        <source>%1 won %2, now %3.</source>
        <translation>%1 gagne %2 et a maintenant %3.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3 and has run out of money.</source>
        <translation>%1 perd %2, a maintenant %3 et est à sec.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3.</source>
        <translation>%1 perd %2 et a maintenant %3.</translation>
    </message>
    <message>
        <source>%1 bet nothing, still %2.</source>
        <translation>%1 n&apos;a rien misé et a toujours %2.</translation>
    </message>
    <message>
        <source>Letters beyond A to Z</source>
        <extracomment>Not shown. Every letter your translation uses beyond plain A to Z, small and capital, for example &quot;äöüßÄÖÜ&quot;. The game checks that its small pixel font has them all, and uses another font for the whole game where it does not.</extracomment>
        <translation>àçèéÀÉ</translation>
    </message>
    <message>
        <source>Status:- Racing</source>
        <translation>Statut:- La course est lancée</translation>
    </message>
    <message>
        <source>UNPAUSE GAME</source>
        <translation>REPRENDRE LA PARTIE</translation>
    </message>
    <message>
        <source>Status:- Game Paused</source>
        <translation>Statut:- Partie en pause</translation>
    </message>
    <message>
        <source>Calculating amount to bet.......</source>
        <translation>Calcul de la mise.......</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Terminé&#xa0;!</translation>
    </message>
</context>
<context>
    <name>furlox::AboutScreen</name>
    <message>
        <source>Version Number: 3.1 (Includes computer player names!!)</source>
        <translation>Version 3.1 (l&apos;ordinateur a enfin un nom&#xa0;!!)</translation>
    </message>
    <message>
        <source>Game design and programming: the Furlox team</source>
        <translation>Conception et programmation&#xa0;: l&apos;équipe Furlox</translation>
    </message>
    <message>
        <source>Horses drawn and painted by the Furlox team</source>
        <translation>Chevaux dessinés et peints par l&apos;équipe Furlox</translation>
    </message>
    <message>
        <source>Tested by the Furlox stable hands</source>
        <translation>Testé par les palefreniers de Furlox</translation>
    </message>
    <message>
        <source>Questions, ideas or a bug to report? Write to us at:</source>
        <translation>Une question, une idée, un bug&#xa0;? Écris-nous à&#xa0;:</translation>
    </message>
    <message>
        <source>E-mail address: %1</source>
        <translation>Adresse e-mail&#xa0;: %1</translation>
    </message>
    <message>
        <source>Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox - look in now and then!</source>
        <translation>Les nouvelles versions et les actus sont publiées sur les pages Furlox, www.example.org/furlox - passe nous voir de temps en temps&#xa0;!</translation>
    </message>
    <message>
        <source>New in this version: the computer player races under a name of its own. Good luck, and a big hello to Horace the Plumber!</source>
        <translation>Nouveau dans cette version&#xa0;: l&apos;ordinateur joue sous son propre nom. Bonne chance, et un grand bonjour à Horace the Plumber&#xa0;!</translation>
    </message>
    <message>
        <source>Thanks for downloading</source>
        <translation>Merci d&apos;avoir téléchargé le jeu</translation>
    </message>
    <message>
        <source>The Furlox team</source>
        <translation>L&apos;équipe Furlox</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Site web&#xa0;: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos de Furlox</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
<context>
    <name>furlox::BettingScreen</name>
    <message>
        <source>Game</source>
        <translation>Jeu</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>About</source>
        <translation>À propos</translation>
    </message>
    <message>
        <source>Player %1: You don&apos;t have enough money - please enter a lower number</source>
        <translation>Joueur %1&#xa0;: tu n&apos;as pas assez d&apos;argent – entre un montant plus petit</translation>
    </message>
    <message>
        <source>Player %1: That is not a number - please enter the amount to bet</source>
        <translation>Joueur %1&#xa0;: ce n&apos;est pas un nombre – entre le montant de ta mise</translation>
    </message>
    <message>
        <source>Player %1: You can&apos;t bet a negative amount - please enter 0 or more</source>
        <translation>Joueur %1&#xa0;: tu ne peux pas miser un montant négatif – entre 0 ou plus</translation>
    </message>
    <message>
        <source>New Game / Restart</source>
        <translation>Nouvelle partie / Recommencer</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Quitter</translation>
    </message>
    <message>
        <source>Furlox History</source>
        <translation>Palmarès des Furlox</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Vitesse du jeu</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Devise</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Changer les noms des joueurs</translation>
    </message>
    <message>
        <source>About Furlox</source>
        <translation>À propos de Furlox</translation>
    </message>
    <message>
        <source>Place Your Bets</source>
        <translation>Faites vos paris</translation>
    </message>
    <message>
        <source>The computer has run out of money</source>
        <translation>L&apos;ordinateur n&apos;a plus un sou</translation>
    </message>
    <message>
        <source>RACE!</source>
        <translation>EN PISTE&#xa0;!</translation>
    </message>
    <message>
        <source>Amount to Bet:</source>
        <translation>Mise&#xa0;:</translation>
    </message>
    <message>
        <source>Money Available:</source>
        <translation>Argent disponible&#xa0;:</translation>
    </message>
    <message>
        <source>Player %1 amount to bet</source>
        <translation>Mise du joueur %1</translation>
    </message>
    <message>
        <source>Player %1 odds of %2: %3</source>
        <translation>Joueur %1, %2, cote %3</translation>
    </message>
    <message>
        <source>Odds %1 to 1</source>
        <translation>Cote de %1 contre 1</translation>
    </message>
    <message>
        <source>Player %1 money available: %2%3</source>
        <translation>Argent disponible du joueur %1&#xa0;: %2%3</translation>
    </message>
    <message>
        <source>Money available: %1%2</source>
        <translation>Argent disponible&#xa0;: %1%2</translation>
    </message>
    <message>
        <source>%1&apos;s money:</source>
        <translation>%1 a en poche&#xa0;:</translation>
    </message>
    <message>
        <source>Computer&apos;s money: %1%2</source>
        <translation>Argent de l&apos;ordinateur&#xa0;: %1%2</translation>
    </message>
</context>
<context>
    <name>furlox::CalcScreen</name>
    <message>
        <source>Computer Betting Calculation</source>
        <translation>Le pari de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Calculating computer player bet.......</source>
        <translation>L&apos;ordinateur réfléchit.......</translation>
    </message>
    <message>
        <source>Computer will bet:   </source>
        <translation>L&apos;ordinateur mise&#xa0;:   </translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Continuer...</translation>
    </message>
    <message>
        <source>Computer will bet: %1</source>
        <translation>L&apos;ordinateur mise&#xa0;: %1</translation>
    </message>
    <message>
        <source>not decided yet</source>
        <translation>pas encore décidé</translation>
    </message>
    <message>
        <source>%1, stake %2</source>
        <translation>%1, mise %2</translation>
    </message>
</context>
<context>
    <name>furlox::CourseScreen</name>
    <message>
        <source>Today&apos;s Race.....</source>
        <translation>La course du jour.....</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at:</source>
        <translation>Aujourd&apos;hui, on court à&#xa0;:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at: %1</source>
        <translation>Aujourd&apos;hui, on court à&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>furlox::CurrencyScreen</name>
    <message>
        <source>£ (Pounds)</source>
        <translation>£ (livres)</translation>
    </message>
    <message>
        <source>$ (Dollars)</source>
        <translation>$ (dollars)</translation>
    </message>
    <message>
        <source>€ (Euros)</source>
        <translation>€ (euros)</translation>
    </message>
    <message>
        <source>Change the Currency</source>
        <translation>Changer de devise</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Appliquer</translation>
    </message>
</context>
<context>
    <name>furlox::DifficultyScreen</name>
    <message>
        <source>Easy</source>
        <translation>Facile</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Moyen</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Please Select the Computer Difficulty</source>
        <translation>Niveau de l&apos;ordinateur</translation>
    </message>
    <message>
        <source>Please select the computer difficulty:</source>
        <translation>Choisis le niveau de l&apos;ordinateur&#xa0;:</translation>
    </message>
    <message>
        <source>You will be playing:</source>
        <translation>Ton adversaire&#xa0;:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuer</translation>
    </message>
    <message>
        <source>You will be playing: %1</source>
        <translation>Ton adversaire&#xa0;: %1</translation>
    </message>
</context>
<context>
    <name>furlox::GameOverScreen</name>
    <message>
        <source>Game Over</source>
        <translation>Fin du jeu</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Quitter le jeu</translation>
    </message>
</context>
<context>
    <name>furlox::HistoryScreen</name>
    <message>
        <source>Furlox History</source>
        <translation>Palmarès des Furlox</translation>
    </message>
    <message>
        <source>Below are the number of times a Furlox has won a race in this particular game</source>
        <translation>Voici combien de courses chaque Furlox a gagnées dans cette partie&#xa0;:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>Furlox %1 wins: %n</source>
        <translation>
            <numerusform>Furlox %1&#xa0;: %n victoire</numerusform>
            <numerusform>Furlox %1&#xa0;: %n victoires</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>furlox::NamesScreen</name>
    <message>
        <source>Player One Name:</source>
        <translation>Nom du joueur 1&#xa0;:</translation>
    </message>
    <message>
        <source>Player Two Name:</source>
        <translation>Nom du joueur 2&#xa0;:</translation>
    </message>
    <message>
        <source>Player Three Name:</source>
        <translation>Nom du joueur 3&#xa0;:</translation>
    </message>
    <message>
        <source>Player Four Name:</source>
        <translation>Nom du joueur 4&#xa0;:</translation>
    </message>
    <message>
        <source>Player Names</source>
        <translation>Noms des joueurs</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nom du joueur %1</translation>
    </message>
    <message>
        <source>Lets Race!</source>
        <translation>C&apos;est parti&#xa0;!</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Changer les noms des joueurs</translation>
    </message>
    <message>
        <source>Change It!</source>
        <translation>Changer&#xa0;!</translation>
    </message>
</context>
<context>
    <name>furlox::RaceScreen</name>
    <message>
        <source>Trackside</source>
        <translation>Au bord de la piste</translation>
    </message>
    <message>
        <source>Race track</source>
        <translation>Piste de course</translation>
    </message>
    <message>
        <source>Furlox banner</source>
        <translation>Bannière Furlox</translation>
    </message>
    <message>
        <source>__==--GO TO THE NEXT WEEK--==__</source>
        <translation>__==--PASSE À LA SEMAINE SUIVANTE--==__</translation>
    </message>
    <message>
        <source>//\\__==--GO!--==__//\\</source>
        <translation>//\\__==--PARTEZ&#xa0;!--==__//\\</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Partez&#xa0;!</translation>
    </message>
    <message>
        <source>Go to the next week</source>
        <translation>Passer à la semaine suivante</translation>
    </message>
    <message>
        <source>%1 Has Won!</source>
        <translation>%1 a gagné&#xa0;!</translation>
    </message>
    <message>
        <source>Horse %1 leads.</source>
        <translation>Le %1 mène.</translation>
    </message>
    <message>
        <source>They&apos;re off at %1!</source>
        <translation>Et c&apos;est parti à %1 !</translation>
    </message>
    <message>
        <source>Horse %1 takes the lead.</source>
        <translation>Le %1 prend la tête.</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>Where someone&apos;s horse stands at halfway: &quot;Ann third&quot;, &quot;Pompadoodle last&quot;.</extracomment>
        <translation>premier</translation>
    </message>
    <message>
        <source>second</source>
        <translation>deuxième</translation>
    </message>
    <message>
        <source>third</source>
        <translation>troisième</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quatrième</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>cinquième</translation>
    </message>
    <message>
        <source>last</source>
        <translation>dernier</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A backer and where the horse they bet on stands: &quot;Ann third&quot;.</extracomment>
        <translation>%1 : %2</translation>
    </message>
    <message>
        <source>Halfway: Horse %1 leads.</source>
        <translation>Mi-course : le %1 mène.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2 and %3.</source>
        <translation>Dernière ligne droite : le %1 devant le %2 et le %3.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2.</source>
        <translation>Dernière ligne droite : le %1 devant le %2.</translation>
    </message>
    <message>
        <source>Race paused.</source>
        <translation>Course en pause.</translation>
    </message>
    <message>
        <source>Racing again.</source>
        <translation>La course reprend.</translation>
    </message>
</context>
<context>
    <name>furlox::SelectPlayersScreen</name>
    <message>
        <source>1 Player</source>
        <translation>1 joueur</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 joueurs</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 joueurs</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 joueurs</translation>
    </message>
    <message>
        <source>Select Amount of Players</source>
        <translation>Nombre de joueurs</translation>
    </message>
    <message>
        <source>How many players would you like to play?</source>
        <translation>Combien de joueurs vont jouer&#xa0;?</translation>
    </message>
    <message>
        <source>Include a computer player?</source>
        <translation>L&apos;ordinateur joue aussi&#xa0;?</translation>
    </message>
</context>
<context>
    <name>furlox::SpeedScreen</name>
    <message>
        <source>Change Game Speed</source>
        <translation>Changer la vitesse du jeu</translation>
    </message>
    <message>
        <source>To change the in-game Furlox speed then please enter a number between 30 &amp; 1000 on the keypad below. The number already in the field is the current speed.</source>
        <translation>Pour changer la vitesse des Furlox, tape un nombre entre 30 &amp; 1000 sur le pavé ci-dessous. Le nombre déjà affiché est la vitesse actuelle.</translation>
    </message>
    <message>
        <source>Enter a number where 1 is the fastest upwards</source>
        <translation>Plus le nombre est petit, plus ça va vite</translation>
    </message>
    <message>
        <source>Game speed in milliseconds</source>
        <translation>Vitesse du jeu en millisecondes</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Effacer</translation>
    </message>
    <message>
        <source>Apply Speed Change</source>
        <translation>Appliquer la vitesse</translation>
    </message>
    <message>
        <source>Please Enter A Number Between 30-1000</source>
        <translation>Tape un nombre entre 30 et 1000</translation>
    </message>
</context>
</TS>
