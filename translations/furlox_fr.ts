<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="fr">
<context>
    <name>furlox</name>
    <message>
        <source>Player 1 Bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>(NOT PLAYING)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>--Computer Not Playing--</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QX Player One</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QX Player Two</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QX Player Three</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>QX Player Four</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:- Getting Ready For Start</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PAUSE GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer will bet on Horse number:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating Horse Number......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RED</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>ORANGE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>PURPLE</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse %1 (%2)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 - 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 won %2, now %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lost %2, now %3 and has run out of money.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 lost %2, now %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 bet nothing, still %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Letters beyond A to Z</source>
        <extracomment>Not shown. Every letter your translation uses beyond plain A to Z, small and capital, for example &quot;äöüßÄÖÜ&quot;. The game checks that its small pixel font has them all, and uses another font for the whole game where it does not.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:- Racing</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>UNPAUSE GAME</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Status:- Game Paused</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating amount to bet.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::AboutScreen</name>
    <message>
        <source>Version Number: 3.1 (Includes computer player names!!)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game design and programming: the Furlox team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horses drawn and painted by the Furlox team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Tested by the Furlox stable hands</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Questions, ideas or a bug to report? Write to us at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>E-mail address: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox - look in now and then!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New in this version: the computer player races under a name of its own. Good luck, and a big hello to Horace the Plumber!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Thanks for downloading</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The Furlox team</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::BettingScreen</name>
    <message>
        <source>Game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Options</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1: You don&apos;t have enough money - please enter a lower number</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1: That is not a number - please enter the amount to bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1: You can&apos;t bet a negative amount - please enter 0 or more</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>New Game / Restart</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Exit</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Furlox History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>About Furlox</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Place Your Bets</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>The computer has run out of money</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>RACE!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Amount to Bet:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money Available:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 amount to bet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 odds of %2: %3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Odds %1 to 1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 money available: %2%3</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Money available: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1&apos;s money:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer&apos;s money: %1%2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::CalcScreen</name>
    <message>
        <source>Computer Betting Calculation</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Calculating computer player bet.......</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer will bet:   </source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Computer will bet: %1</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>not decided yet</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1, stake %2</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::CourseScreen</name>
    <message>
        <source>Today&apos;s Race.....</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::CurrencyScreen</name>
    <message>
        <source>£ (Pounds)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>$ (Dollars)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>€ (Euros)</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change the Currency</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::DifficultyScreen</name>
    <message>
        <source>Easy</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Medium</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Hard</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Select the Computer Difficulty</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please select the computer difficulty:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be playing:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Continue</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>You will be playing: %1</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::GameOverScreen</name>
    <message>
        <source>Game Over</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::HistoryScreen</name>
    <message>
        <source>Furlox History</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Below are the number of times a Furlox has won a race in this particular game</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>OK</source>
        <translation type="unfinished"></translation>
    </message>
    <message numerus="yes">
        <source>Furlox %1 wins: %n</source>
        <translation type="unfinished">
            <numerusform></numerusform>
            <numerusform></numerusform>
        </translation>
    </message>
</context>
<context>
    <name>furlox::NamesScreen</name>
    <message>
        <source>Player One Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Two Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Three Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Four Name:</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Lets Race!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Change It!</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::RaceScreen</name>
    <message>
        <source>Trackside</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race track</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Furlox banner</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>__==--GO TO THE NEXT WEEK--==__</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>//\\__==--GO!--==__//\\</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Go to the next week</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 Has Won!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse %1 leads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>They&apos;re off at %1!</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Horse %1 takes the lead.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>Where someone&apos;s horse stands at halfway: &quot;Ann third&quot;, &quot;Pompadoodle last&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>second</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>third</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fourth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>fifth</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>last</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A backer and where the horse they bet on stands: &quot;Ann third&quot;.</extracomment>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Halfway: Horse %1 leads.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2 and %3.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Race paused.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Racing again.</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::SelectPlayersScreen</name>
    <message>
        <source>1 Player</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Select Amount of Players</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>How many players would you like to play?</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Include a computer player?</source>
        <translation type="unfinished"></translation>
    </message>
</context>
<context>
    <name>furlox::SpeedScreen</name>
    <message>
        <source>Change Game Speed</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>To change the in-game Furlox speed then please enter a number between 30 &amp; 1000 on the keypad below. The number already in the field is the current speed.</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Enter a number where 1 is the fastest upwards</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Game speed in milliseconds</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Clear</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Apply Speed Change</source>
        <translation type="unfinished"></translation>
    </message>
    <message>
        <source>Please Enter A Number Between 30-1000</source>
        <translation type="unfinished"></translation>
    </message>
</context>
</TS>
