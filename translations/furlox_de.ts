<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="de">
<context>
    <name>furlox</name>
    <message>
        <source>Player 1 Bet</source>
        <translation>Einsatz Spieler 1</translation>
    </message>
    <message>
        <source>(NOT PLAYING)</source>
        <translation>(SPIELT NICHT)</translation>
    </message>
    <message>
        <source>--Computer Not Playing--</source>
        <translation>--Computer spielt nicht--</translation>
    </message>
    <message>
        <source>QX Player One</source>
        <translation>QX Spieler Eins</translation>
    </message>
    <message>
        <source>QX Player Two</source>
        <translation>QX Spieler Zwei</translation>
    </message>
    <message>
        <source>QX Player Three</source>
        <translation>QX Spieler Drei</translation>
    </message>
    <message>
        <source>QX Player Four</source>
        <translation>QX Spieler Vier</translation>
    </message>
    <message>
        <source>Status:- Getting Ready For Start</source>
        <translation>Status:- Gleich geht&apos;s los</translation>
    </message>
    <message>
        <source>PAUSE GAME</source>
        <translation>SPIEL ANHALTEN</translation>
    </message>
    <message>
        <source>Computer will bet on Horse number:</source>
        <translation>Computer setzt auf Pferd Nummer:</translation>
    </message>
    <message>
        <source>Calculating Horse Number......</source>
        <translation>Berechne Pferdenummer......</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROT</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>GELB</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <translation>ORANGE</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>GRÜN</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>BLAU</translation>
    </message>
    <message>
        <source>PURPLE</source>
        <translation>LILA</translation>
    </message>
    <message>
        <source>Horse %1 (%2)</source>
        <translation>Pferd %1 (%2)</translation>
    </message>
    <message>
        <source>%1 - 1</source>
        <translation>%1:1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Spieler %1</translation>
    </message>
    <message>
        <source>%1 won %2, now %3.</source>
        <translation>%1 gewinnt %2, hat jetzt %3.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3 and has run out of money.</source>
        <translation>%1 verliert %2, hat jetzt %3 und ist pleite.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3.</source>
        <translation>%1 verliert %2, hat jetzt %3.</translation>
    </message>
    <message>
        <source>%1 bet nothing, still %2.</source>
        <translation>%1 hat nichts gesetzt, hat weiter %2.</translation>
    </message>
    <message>
        <source>Letters beyond A to Z</source>
        <extracomment>Not shown. Every letter your translation uses beyond plain A to Z, small and capital, for example &quot;äöüßÄÖÜ&quot;. The game checks that its small pixel font has them all, and uses another font for the whole game where it does not.</extracomment>
        <translation>äöüßÄÖÜ</translation>
    </message>
    <message>
        <source>Status:- Racing</source>
        <translation>Status:- Das Rennen läuft</translation>
    </message>
    <message>
        <source>UNPAUSE GAME</source>
        <translation>WEITERSPIELEN</translation>
    </message>
    <message>
        <source>Status:- Game Paused</source>
        <translation>Status:- Spiel angehalten</translation>
    </message>
    <message>
        <source>Calculating amount to bet.......</source>
        <translation>Berechne den Einsatz.......</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Fertig!</translation>
    </message>
</context>
<context>
    <name>furlox::AboutScreen</name>
    <message>
        <source>Version Number: 3.1 (Includes computer player names!!)</source>
        <translation>Version 3.1 (jetzt mit Namen für den Computer!!)</translation>
    </message>
    <message>
        <source>Game design and programming: the Furlox team</source>
        <translation>Idee und Programmierung: das Furlox-Team</translation>
    </message>
    <message>
        <source>Horses drawn and painted by the Furlox team</source>
        <translation>Pferde gezeichnet und gemalt vom Furlox-Team</translation>
    </message>
    <message>
        <source>Tested by the Furlox stable hands</source>
        <translation>Getestet von den Furlox-Stallburschen</translation>
    </message>
    <message>
        <source>Questions, ideas or a bug to report? Write to us at:</source>
        <translation>Fragen, Ideen oder einen Fehler gefunden? Schreib uns an:</translation>
    </message>
    <message>
        <source>E-mail address: %1</source>
        <translation>E-Mail-Adresse: %1</translation>
    </message>
    <message>
        <source>Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox - look in now and then!</source>
        <translation>Neue Versionen und Neuigkeiten gibt es auf den Furlox-Seiten unter www.example.org/furlox - schau ab und zu vorbei!</translation>
    </message>
    <message>
        <source>New in this version: the computer player races under a name of its own. Good luck, and a big hello to Horace the Plumber!</source>
        <translation>Neu in dieser Version: Der Computer spielt unter eigenem Namen. Viel Glück, und einen schönen Gruß an Horace the Plumber!</translation>
    </message>
    <message>
        <source>Thanks for downloading</source>
        <translation>Danke fürs Herunterladen</translation>
    </message>
    <message>
        <source>The Furlox team</source>
        <translation>Das Furlox-Team</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Webseite: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Über Furlox</translation>
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
        <translation>Spiel</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Optionen</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Info</translation>
    </message>
    <message>
        <source>Player %1: You don&apos;t have enough money - please enter a lower number</source>
        <translation>Spieler %1: So viel Geld hast du nicht – bitte einen kleineren Betrag eingeben</translation>
    </message>
    <message>
        <source>Player %1: That is not a number - please enter the amount to bet</source>
        <translation>Spieler %1: Das ist keine Zahl – bitte den Einsatz eingeben</translation>
    </message>
    <message>
        <source>Player %1: You can&apos;t bet a negative amount - please enter 0 or more</source>
        <translation>Spieler %1: Negative Einsätze gehen nicht – bitte 0 oder mehr eingeben</translation>
    </message>
    <message>
        <source>New Game / Restart</source>
        <translation>Neues Spiel / Neustart</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Beenden</translation>
    </message>
    <message>
        <source>Furlox History</source>
        <translation>Furlox-Statistik</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Spieltempo</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Währung</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Spielernamen ändern</translation>
    </message>
    <message>
        <source>About Furlox</source>
        <translation>Über Furlox</translation>
    </message>
    <message>
        <source>Place Your Bets</source>
        <translation>Macht eure Einsätze</translation>
    </message>
    <message>
        <source>The computer has run out of money</source>
        <translation>Der Computer ist pleite</translation>
    </message>
    <message>
        <source>RACE!</source>
        <translation>RENNEN!</translation>
    </message>
    <message>
        <source>Amount to Bet:</source>
        <translation>Einsatz:</translation>
    </message>
    <message>
        <source>Money Available:</source>
        <translation>Guthaben:</translation>
    </message>
    <message>
        <source>Player %1 amount to bet</source>
        <translation>Einsatz von Spieler %1</translation>
    </message>
    <message>
        <source>Player %1 odds of %2: %3</source>
        <translation>Spieler %1, Quote für %2: %3</translation>
    </message>
    <message>
        <source>Odds %1 to 1</source>
        <translation>Quote %1 zu 1</translation>
    </message>
    <message>
        <source>Player %1 money available: %2%3</source>
        <translation>Guthaben von Spieler %1: %2%3</translation>
    </message>
    <message>
        <source>Money available: %1%2</source>
        <translation>Guthaben: %1%2</translation>
    </message>
    <message>
        <source>%1&apos;s money:</source>
        <translation>Geld von %1:</translation>
    </message>
    <message>
        <source>Computer&apos;s money: %1%2</source>
        <translation>Geld des Computers: %1%2</translation>
    </message>
</context>
<context>
    <name>furlox::CalcScreen</name>
    <message>
        <source>Computer Betting Calculation</source>
        <translation>Der Computer wettet</translation>
    </message>
    <message>
        <source>Calculating computer player bet.......</source>
        <translation>Der Computer überlegt.......</translation>
    </message>
    <message>
        <source>Computer will bet:   </source>
        <translation>Computer setzt:   </translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Weiter...</translation>
    </message>
    <message>
        <source>Computer will bet: %1</source>
        <translation>Computer setzt: %1</translation>
    </message>
    <message>
        <source>not decided yet</source>
        <translation>noch offen</translation>
    </message>
    <message>
        <source>%1, stake %2</source>
        <translation>%1, Einsatz %2</translation>
    </message>
</context>
<context>
    <name>furlox::CourseScreen</name>
    <message>
        <source>Today&apos;s Race.....</source>
        <translation>Heutiges Rennen.....</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at:</source>
        <translation>Heute wird gelaufen in:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at: %1</source>
        <translation>Heute wird gelaufen in: %1</translation>
    </message>
</context>
<context>
    <name>furlox::CurrencyScreen</name>
    <message>
        <source>£ (Pounds)</source>
        <translation>£ (Pfund)</translation>
    </message>
    <message>
        <source>$ (Dollars)</source>
        <translation>$ (Dollar)</translation>
    </message>
    <message>
        <source>€ (Euros)</source>
        <translation>€ (Euro)</translation>
    </message>
    <message>
        <source>Change the Currency</source>
        <translation>Währung ändern</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Übernehmen</translation>
    </message>
</context>
<context>
    <name>furlox::DifficultyScreen</name>
    <message>
        <source>Easy</source>
        <translation>Leicht</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Mittel</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Schwer</translation>
    </message>
    <message>
        <source>Please Select the Computer Difficulty</source>
        <translation>Stärke des Computers wählen</translation>
    </message>
    <message>
        <source>Please select the computer difficulty:</source>
        <translation>Wie stark soll der Computer sein?</translation>
    </message>
    <message>
        <source>You will be playing:</source>
        <translation>Dein Gegner:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Weiter</translation>
    </message>
    <message>
        <source>You will be playing: %1</source>
        <translation>Dein Gegner: %1</translation>
    </message>
</context>
<context>
    <name>furlox::GameOverScreen</name>
    <message>
        <source>Game Over</source>
        <translation>Spiel aus</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Spiel beenden</translation>
    </message>
</context>
<context>
    <name>furlox::HistoryScreen</name>
    <message>
        <source>Furlox History</source>
        <translation>Furlox-Statistik</translation>
    </message>
    <message>
        <source>Below are the number of times a Furlox has won a race in this particular game</source>
        <translation>So oft hat jedes Furlox in diesem Spiel ein Rennen gewonnen:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>Furlox %1 wins: %n</source>
        <translation>
            <numerusform>Furlox %1: %n Sieg</numerusform>
            <numerusform>Furlox %1: %n Siege</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>furlox::NamesScreen</name>
    <message>
        <source>Player One Name:</source>
        <translation>Name Spieler 1:</translation>
    </message>
    <message>
        <source>Player Two Name:</source>
        <translation>Name Spieler 2:</translation>
    </message>
    <message>
        <source>Player Three Name:</source>
        <translation>Name Spieler 3:</translation>
    </message>
    <message>
        <source>Player Four Name:</source>
        <translation>Name Spieler 4:</translation>
    </message>
    <message>
        <source>Player Names</source>
        <translation>Spielernamen</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Name von Spieler %1</translation>
    </message>
    <message>
        <source>Lets Race!</source>
        <translation>Auf geht&apos;s!</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Spielernamen ändern</translation>
    </message>
    <message>
        <source>Change It!</source>
        <translation>Ändern!</translation>
    </message>
</context>
<context>
    <name>furlox::RaceScreen</name>
    <message>
        <source>Trackside</source>
        <translation>An der Rennbahn</translation>
    </message>
    <message>
        <source>Race track</source>
        <translation>Rennbahn</translation>
    </message>
    <message>
        <source>Furlox banner</source>
        <translation>Furlox-Banner</translation>
    </message>
    <message>
        <source>__==--GO TO THE NEXT WEEK--==__</source>
        <translation>__==--AB IN DIE NÄCHSTE WOCHE--==__</translation>
    </message>
    <message>
        <source>//\\__==--GO!--==__//\\</source>
        <translation>//\\__==--LOS!--==__//\\</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Los!</translation>
    </message>
    <message>
        <source>Go to the next week</source>
        <translation>Weiter zur nächsten Woche</translation>
    </message>
    <message>
        <source>%1 Has Won!</source>
        <translation>%1 hat gewonnen!</translation>
    </message>
    <message>
        <source>Horse %1 leads.</source>
        <translation>Pferd %1 führt.</translation>
    </message>
    <message>
        <source>They&apos;re off at %1!</source>
        <translation>Und los geht&apos;s in %1!</translation>
    </message>
    <message>
        <source>Horse %1 takes the lead.</source>
        <translation>Pferd %1 übernimmt die Führung.</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>Where someone&apos;s horse stands at halfway: &quot;Ann third&quot;, &quot;Pompadoodle last&quot;.</extracomment>
        <translation>vorn</translation>
    </message>
    <message>
        <source>second</source>
        <translation>Zweiter</translation>
    </message>
    <message>
        <source>third</source>
        <translation>Dritter</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>Vierter</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>Fünfter</translation>
    </message>
    <message>
        <source>last</source>
        <translation>hinten</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A backer and where the horse they bet on stands: &quot;Ann third&quot;.</extracomment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>Halfway: Horse %1 leads.</source>
        <translation>Halbzeit: Pferd %1 führt.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2 and %3.</source>
        <translation>Zielgerade: Pferd %1 vor %2 und %3.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2.</source>
        <translation>Zielgerade: Pferd %1 vor %2.</translation>
    </message>
    <message>
        <source>Race paused.</source>
        <translation>Rennen angehalten.</translation>
    </message>
    <message>
        <source>Racing again.</source>
        <translation>Weiter geht&apos;s.</translation>
    </message>
</context>
<context>
    <name>furlox::SelectPlayersScreen</name>
    <message>
        <source>1 Player</source>
        <translation>1 Spieler</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 Spieler</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 Spieler</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 Spieler</translation>
    </message>
    <message>
        <source>Select Amount of Players</source>
        <translation>Spieleranzahl</translation>
    </message>
    <message>
        <source>How many players would you like to play?</source>
        <translation>Wie viele wollen mitspielen?</translation>
    </message>
    <message>
        <source>Include a computer player?</source>
        <translation>Spielt der Computer mit?</translation>
    </message>
</context>
<context>
    <name>furlox::SpeedScreen</name>
    <message>
        <source>Change Game Speed</source>
        <translation>Spieltempo ändern</translation>
    </message>
    <message>
        <source>To change the in-game Furlox speed then please enter a number between 30 &amp; 1000 on the keypad below. The number already in the field is the current speed.</source>
        <translation>Um das Tempo der Furlox zu ändern, gib auf dem Tastenfeld unten eine Zahl zwischen 30 &amp; 1000 ein. Die Zahl im Feld ist das aktuelle Tempo.</translation>
    </message>
    <message>
        <source>Enter a number where 1 is the fastest upwards</source>
        <translation>Je kleiner die Zahl, desto schneller</translation>
    </message>
    <message>
        <source>Game speed in milliseconds</source>
        <translation>Spieltempo in Millisekunden</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Löschen</translation>
    </message>
    <message>
        <source>Apply Speed Change</source>
        <translation>Tempo übernehmen</translation>
    </message>
    <message>
        <source>Please Enter A Number Between 30-1000</source>
        <translation>Bitte eine Zahl zwischen 30 und 1000 eingeben</translation>
    </message>
</context>
</TS>
