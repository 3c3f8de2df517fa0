<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="it">
<context>
    <name>furlox</name>
    <message>
        <source>Player 1 Bet</source>
        <translation>Puntata giocatore 1</translation>
    </message>
    <message>
        <source>(NOT PLAYING)</source>
        <translation>(NON GIOCA)</translation>
    </message>
    <message>
        <source>--Computer Not Playing--</source>
        <translation>--Il computer non gioca--</translation>
    </message>
    <message>
        <source>QX Player One</source>
        <translation>QX Giocatore Uno</translation>
    </message>
    <message>
        <source>QX Player Two</source>
        <translation>QX Giocatore Due</translation>
    </message>
    <message>
        <source>QX Player Three</source>
        <translation>QX Giocatore Tre</translation>
    </message>
    <message>
        <source>QX Player Four</source>
        <translation>QX Giocatore Quattro</translation>
    </message>
    <message>
        <source>Status:- Getting Ready For Start</source>
        <translation>Stato:- Pronti per la partenza</translation>
    </message>
    <message>
        <source>PAUSE GAME</source>
        <translation>METTI IN PAUSA</translation>
    </message>
    <message>
        <source>Computer will bet on Horse number:</source>
        <translation>Il computer punta sul cavallo numero:</translation>
    </message>
    <message>
        <source>Calculating Horse Number......</source>
        <translation>Calcolo il numero del cavallo......</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROSSO</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>GIALLO</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <translation>ARANCIO</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLU</translation>
    </message>
    <message>
        <source>PURPLE</source>
        <translation>VIOLA</translation>
    </message>
    <message>
        <source>Horse %1 (%2)</source>
        <translation>Cavallo %1 %2</translation>
    </message>
    <message>
        <source>%1 - 1</source>
        <translation>%1 a 1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Giocatore %1</translation>
    </message>
    <message>
        <source>%1 won %2, now %3.</source>
        <translation>%1 vince %2, ora ha %3.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3 and has run out of money.</source>
        <translation>%1 perde %2, ora ha %3 ed è al verde.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3.</source>
        <translation>%1 perde %2, ora ha %3.</translation>
    </message>
    <message>
        <source>%1 bet nothing, still %2.</source>
        <translation>%1 non ha puntato nulla, ha ancora %2.</translation>
    </message>
    <message>
        <source>Letters beyond A to Z</source>
        <extracomment>Not shown. Every letter your translation uses beyond plain A to Z, small and capital, for example &quot;äöüßÄÖÜ&quot;. The game checks that its small pixel font has them all, and uses another font for the whole game where it does not.</extracomment>
        <translation>àèù</translation>
    </message>
    <message>
        <source>Status:- Racing</source>
        <translation>Stato:- Gara in corso</translation>
    </message>
    <message>
        <source>UNPAUSE GAME</source>
        <translation>RIPRENDI IL GIOCO</translation>
    </message>
    <message>
        <source>Status:- Game Paused</source>
        <translation>Stato:- Gioco in pausa</translation>
    </message>
    <message>
        <source>Calculating amount to bet.......</source>
        <translation>Calcolo la puntata.......</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Fatto!</translation>
    </message>
</context>
<context>
    <name>furlox::AboutScreen</name>
    <message>
        <source>Version Number: 3.1 (Includes computer player names!!)</source>
        <translation>Versione 3.1 (ora il computer ha un nome!!)</translation>
    </message>
    <message>
        <source>Game design and programming: the Furlox team</source>
        <translation>Ideazione e programmazione: il team Furlox</translation>
    </message>
    <message>
        <source>Horses drawn and painted by the Furlox team</source>
        <translation>Cavalli disegnati e dipinti dal team Furlox</translation>
    </message>
    <message>
        <source>Tested by the Furlox stable hands</source>
        <translation>Collaudato dagli stallieri di Furlox</translation>
    </message>
    <message>
        <source>Questions, ideas or a bug to report? Write to us at:</source>
        <translation>Domande, idee o un bug da segnalare? Scrivici a:</translation>
    </message>
    <message>
        <source>E-mail address: %1</source>
        <translation>Indirizzo e-mail: %1</translation>
    </message>
    <message>
        <source>Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox - look in now and then!</source>
        <translation>Aggiornamenti e novità sulle nuove versioni sono sulle pagine di Furlox su www.example.org/furlox - dai un&apos;occhiata ogni tanto!</translation>
    </message>
    <message>
        <source>New in this version: the computer player races under a name of its own. Good luck, and a big hello to Horace the Plumber!</source>
        <translation>Novità di questa versione: il computer gareggia con un nome tutto suo. Buona fortuna, e un salutone a Horace the Plumber!</translation>
    </message>
    <message>
        <source>Thanks for downloading</source>
        <translation>Grazie per averlo scaricato</translation>
    </message>
    <message>
        <source>The Furlox team</source>
        <translation>Il team Furlox</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Sito web: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Informazioni su Furlox</translation>
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
        <translation>Partita</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opzioni</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Player %1: You don&apos;t have enough money - please enter a lower number</source>
        <translation>Giocatore %1: non hai abbastanza soldi – inserisci una cifra più bassa</translation>
    </message>
    <message>
        <source>Player %1: That is not a number - please enter the amount to bet</source>
        <translation>Giocatore %1: questo non è un numero – inserisci la cifra da puntare</translation>
    </message>
    <message>
        <source>Player %1: You can&apos;t bet a negative amount - please enter 0 or more</source>
        <translation>Giocatore %1: non puoi puntare una cifra negativa – inserisci 0 o più</translation>
    </message>
    <message>
        <source>New Game / Restart</source>
        <translation>Nuova partita / Ricomincia</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Esci</translation>
    </message>
    <message>
        <source>Furlox History</source>
        <translation>Albo d&apos;oro dei Furlox</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Velocità di gioco</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Valuta</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Cambia i nomi dei giocatori</translation>
    </message>
    <message>
        <source>About Furlox</source>
        <translation>Informazioni su Furlox</translation>
    </message>
    <message>
        <source>Place Your Bets</source>
        <translation>Fate il vostro gioco</translation>
    </message>
    <message>
        <source>The computer has run out of money</source>
        <translation>Il computer è al verde</translation>
    </message>
    <message>
        <source>RACE!</source>
        <translation>SI CORRE!</translation>
    </message>
    <message>
        <source>Amount to Bet:</source>
        <translation>Puntata:</translation>
    </message>
    <message>
        <source>Money Available:</source>
        <translation>Soldi disponibili:</translation>
    </message>
    <message>
        <source>Player %1 amount to bet</source>
        <translation>Puntata del giocatore %1</translation>
    </message>
    <message>
        <source>Player %1 odds of %2: %3</source>
        <translation>Giocatore %1, %2, quota %3</translation>
    </message>
    <message>
        <source>Odds %1 to 1</source>
        <translation>Quota %1 a 1</translation>
    </message>
    <message>
        <source>Player %1 money available: %2%3</source>
        <translation>Giocatore %1, soldi disponibili: %2%3</translation>
    </message>
    <message>
        <source>Money available: %1%2</source>
        <translation>Soldi disponibili: %1%2</translation>
    </message>
    <message>
        <source>%1&apos;s money:</source>
        <translation>Soldi di %1:</translation>
    </message>
    <message>
        <source>Computer&apos;s money: %1%2</source>
        <translation>Soldi del computer: %1%2</translation>
    </message>
</context>
<context>
    <name>furlox::CalcScreen</name>
    <message>
        <source>Computer Betting Calculation</source>
        <translation>Il computer scommette</translation>
    </message>
    <message>
        <source>Calculating computer player bet.......</source>
        <translation>Il computer ci pensa.......</translation>
    </message>
    <message>
        <source>Computer will bet:   </source>
        <translation>Il computer punta:   </translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Avanti...</translation>
    </message>
    <message>
        <source>Computer will bet: %1</source>
        <translation>Il computer punta: %1</translation>
    </message>
    <message>
        <source>not decided yet</source>
        <translation>ancora da decidere</translation>
    </message>
    <message>
        <source>%1, stake %2</source>
        <translation>%1, puntata %2</translation>
    </message>
</context>
<context>
    <name>furlox::CourseScreen</name>
    <message>
        <source>Today&apos;s Race.....</source>
        <translation>La corsa di oggi.....</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at:</source>
        <translation>Oggi si corre all&apos;ippodromo di:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at: %1</source>
        <translation>Oggi si corre all&apos;ippodromo di: %1</translation>
    </message>
</context>
<context>
    <name>furlox::CurrencyScreen</name>
    <message>
        <source>£ (Pounds)</source>
        <translation>£ (sterline)</translation>
    </message>
    <message>
        <source>$ (Dollars)</source>
        <translation>$ (dollari)</translation>
    </message>
    <message>
        <source>€ (Euros)</source>
        <translation>€ (euro)</translation>
    </message>
    <message>
        <source>Change the Currency</source>
        <translation>Cambia valuta</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Applica</translation>
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
        <translation>Medio</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difficile</translation>
    </message>
    <message>
        <source>Please Select the Computer Difficulty</source>
        <translation>Scegli il livello del computer</translation>
    </message>
    <message>
        <source>Please select the computer difficulty:</source>
        <translation>Quanto sarà bravo il computer?</translation>
    </message>
    <message>
        <source>You will be playing:</source>
        <translation>Il tuo avversario:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Avanti</translation>
    </message>
    <message>
        <source>You will be playing: %1</source>
        <translation>Il tuo avversario: %1</translation>
    </message>
</context>
<context>
    <name>furlox::GameOverScreen</name>
    <message>
        <source>Game Over</source>
        <translation>Fine partita</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Esci dal gioco</translation>
    </message>
</context>
<context>
    <name>furlox::HistoryScreen</name>
    <message>
        <source>Furlox History</source>
        <translation>Albo d&apos;oro dei Furlox</translation>
    </message>
    <message>
        <source>Below are the number of times a Furlox has won a race in this particular game</source>
        <translation>Ecco quante volte ogni Furlox ha vinto una corsa in questa partita:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>Furlox %1 wins: %n</source>
        <translation>
            <numerusform>Furlox %1: %n vittoria</numerusform>
            <numerusform>Furlox %1: %n vittorie</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>furlox::NamesScreen</name>
    <message>
        <source>Player One Name:</source>
        <translation>Nome giocatore 1:</translation>
    </message>
    <message>
        <source>Player Two Name:</source>
        <translation>Nome giocatore 2:</translation>
    </message>
    <message>
        <source>Player Three Name:</source>
        <translation>Nome giocatore 3:</translation>
    </message>
    <message>
        <source>Player Four Name:</source>
        <translation>Nome giocatore 4:</translation>
    </message>
    <message>
        <source>Player Names</source>
        <translation>Nomi dei giocatori</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nome del giocatore %1</translation>
    </message>
    <message>
        <source>Lets Race!</source>
        <translation>Pronti, via!</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Cambia i nomi dei giocatori</translation>
    </message>
    <message>
        <source>Change It!</source>
        <translation>Cambia!</translation>
    </message>
</context>
<context>
    <name>furlox::RaceScreen</name>
    <message>
        <source>Trackside</source>
        <translation>A bordo pista</translation>
    </message>
    <message>
        <source>Race track</source>
        <translation>Pista</translation>
    </message>
    <message>
        <source>Furlox banner</source>
        <translation>Striscione Furlox</translation>
    </message>
    <message>
        <source>__==--GO TO THE NEXT WEEK--==__</source>
        <translation>__==--VAI ALLA PROSSIMA SETTIMANA--==__</translation>
    </message>
    <message>
        <source>//\\__==--GO!--==__//\\</source>
        <translation>//\\__==--VIA!--==__//\\</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Via!</translation>
    </message>
    <message>
        <source>Go to the next week</source>
        <translation>Vai alla prossima settimana</translation>
    </message>
    <message>
        <source>%1 Has Won!</source>
        <translation>Vince il %1!</translation>
    </message>
    <message>
        <source>Horse %1 leads.</source>
        <translation>In testa il %1.</translation>
    </message>
    <message>
        <source>They&apos;re off at %1!</source>
        <translation>Partiti a %1!</translation>
    </message>
    <message>
        <source>Horse %1 takes the lead.</source>
        <translation>Il %1 passa in testa.</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>Where someone&apos;s horse stands at halfway: &quot;Ann third&quot;, &quot;Pompadoodle last&quot;.</extracomment>
        <translation>primo</translation>
    </message>
    <message>
        <source>second</source>
        <translation>secondo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>terzo</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>quarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ultimo</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A backer and where the horse they bet on stands: &quot;Ann third&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Halfway: Horse %1 leads.</source>
        <translation>A metà corsa: in testa il %1.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2 and %3.</source>
        <translation>Dirittura d&apos;arrivo: il %1 davanti al %2 e al %3.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2.</source>
        <translation>Dirittura d&apos;arrivo: il %1 davanti al %2.</translation>
    </message>
    <message>
        <source>Race paused.</source>
        <translation>Corsa in pausa.</translation>
    </message>
    <message>
        <source>Racing again.</source>
        <translation>Si riparte.</translation>
    </message>
</context>
<context>
    <name>furlox::SelectPlayersScreen</name>
    <message>
        <source>1 Player</source>
        <translation>1 giocatore</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 giocatori</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 giocatori</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 giocatori</translation>
    </message>
    <message>
        <source>Select Amount of Players</source>
        <translation>Numero di giocatori</translation>
    </message>
    <message>
        <source>How many players would you like to play?</source>
        <translation>In quanti volete giocare?</translation>
    </message>
    <message>
        <source>Include a computer player?</source>
        <translation>Gioca anche il computer?</translation>
    </message>
</context>
<context>
    <name>furlox::SpeedScreen</name>
    <message>
        <source>Change Game Speed</source>
        <translation>Cambia la velocità</translation>
    </message>
    <message>
        <source>To change the in-game Furlox speed then please enter a number between 30 &amp; 1000 on the keypad below. The number already in the field is the current speed.</source>
        <translation>Per cambiare la velocità dei Furlox in gara, inserisci sul tastierino qui sotto un numero tra 30 e 1000. Il numero già nel campo è la velocità attuale.</translation>
    </message>
    <message>
        <source>Enter a number where 1 is the fastest upwards</source>
        <translation>Più basso è il numero, più corrono veloci</translation>
    </message>
    <message>
        <source>Game speed in milliseconds</source>
        <translation>Velocità di gioco in millisecondi</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Cancella</translation>
    </message>
    <message>
        <source>Apply Speed Change</source>
        <translation>Applica la velocità</translation>
    </message>
    <message>
        <source>Please Enter A Number Between 30-1000</source>
        <translation>Inserisci un numero tra 30 e 1000</translation>
    </message>
</context>
</TS>
