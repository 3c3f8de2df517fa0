<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="pl">
<context>
    <name>furlox</name>
    <message>
        <source>Player 1 Bet</source>
        <translation>Zakład gracza 1</translation>
    </message>
    <message>
        <source>(NOT PLAYING)</source>
        <translation>(NIE GRA)</translation>
    </message>
    <message>
        <source>--Computer Not Playing--</source>
        <translation>--Komputer nie gra--</translation>
    </message>
    <message>
        <source>QX Player One</source>
        <translation>QX Gracz Pierwszy</translation>
    </message>
    <message>
        <source>QX Player Two</source>
        <translation>QX Gracz Drugi</translation>
    </message>
    <message>
        <source>QX Player Three</source>
        <translation>QX Gracz Trzeci</translation>
    </message>
    <message>
        <source>QX Player Four</source>
        <translation>QX Gracz Czwarty</translation>
    </message>
    <message>
        <source>Status:- Getting Ready For Start</source>
        <translation>Status:- Przygotowania do startu</translation>
    </message>
    <message>
        <source>PAUSE GAME</source>
        <translation>WSTRZYMAJ GRĘ</translation>
    </message>
    <message>
        <source>Computer will bet on Horse number:</source>
        <translation>Komputer stawia na konia numer:</translation>
    </message>
    <message>
        <source>Calculating Horse Number......</source>
        <translation>Obliczam numer konia......</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>CZERWONY</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>ŻÓŁTY</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <translation>ORANŻOWY</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>ZIELONY</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>NIEBIESKI</translation>
    </message>
    <message>
        <source>PURPLE</source>
        <translation>FIOLETOWY</translation>
    </message>
    <message>
        <source>Horse %1 (%2)</source>
        <translation>Koń %1 %2</translation>
    </message>
    <message>
        <source>%1 - 1</source>
        <translation>%1 do 1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Gracz %1</translation>
    </message>
    <message>
        <source>%1 won %2, now %3.</source>
        <translation>%1 wygrywa %2, ma teraz %3.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3 and has run out of money.</source>
        <translation>%1 przegrywa %2, ma teraz %3 i zostaje bez grosza.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3.</source>
        <translation>%1 przegrywa %2, ma teraz %3.</translation>
    </message>
    <message>
        <source>%1 bet nothing, still %2.</source>
        <translation>%1 nic nie stawia, nadal ma %2.</translation>
    </message>
    <message>
        <source>Letters beyond A to Z</source>
        <extracomment>Not shown. Every letter your translation uses beyond plain A to Z, small and capital, for example &quot;äöüßÄÖÜ&quot;. The game checks that its small pixel font has them all, and uses another font for the whole game where it does not.</extracomment>
        <translation>ąćęłńóśźżĘŁÓŚŹŻ</translation>
    </message>
    <message>
        <source>Status:- Racing</source>
        <translation>Status:- Wyścig trwa</translation>
    </message>
    <message>
        <source>UNPAUSE GAME</source>
        <translation>WZNÓW GRĘ</translation>
    </message>
    <message>
        <source>Status:- Game Paused</source>
        <translation>Status:- Gra wstrzymana</translation>
    </message>
    <message>
        <source>Calculating amount to bet.......</source>
        <translation>Obliczam stawkę.......</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>Gotowe!</translation>
    </message>
</context>
<context>
    <name>furlox::AboutScreen</name>
    <message>
        <source>Version Number: 3.1 (Includes computer player names!!)</source>
        <translation>Wersja 3.1 (komputer ma teraz imię!!)</translation>
    </message>
    <message>
        <source>Game design and programming: the Furlox team</source>
        <translation>Pomysł i programowanie: zespół Furlox</translation>
    </message>
    <message>
        <source>Horses drawn and painted by the Furlox team</source>
        <translation>Konie narysował i pomalował zespół Furlox</translation>
    </message>
    <message>
        <source>Tested by the Furlox stable hands</source>
        <translation>Testowali stajenni z Furlox</translation>
    </message>
    <message>
        <source>Questions, ideas or a bug to report? Write to us at:</source>
        <translation>Pytania, pomysły, błąd do zgłoszenia? Napisz do nas:</translation>
    </message>
    <message>
        <source>E-mail address: %1</source>
        <translation>Adres e-mail: %1</translation>
    </message>
    <message>
        <source>Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox - look in now and then!</source>
        <translation>Nowe wersje i nowinki znajdziesz na stronach Furlox pod adresem www.example.org/furlox - zaglądaj tam czasem!</translation>
    </message>
    <message>
        <source>New in this version: the computer player races under a name of its own. Good luck, and a big hello to Horace the Plumber!</source>
        <translation>Nowość w tej wersji: komputer gra pod własnym imieniem. Powodzenia! Horace the Plumber, serdecznie pozdrawiamy!</translation>
    </message>
    <message>
        <source>Thanks for downloading</source>
        <translation>Dzięki za pobranie</translation>
    </message>
    <message>
        <source>The Furlox team</source>
        <translation>Zespół Furlox</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Strona internetowa: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze Furlox</translation>
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
        <translation>Gra</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opcje</translation>
    </message>
    <message>
        <source>About</source>
        <translation>O grze</translation>
    </message>
    <message>
        <source>Player %1: You don&apos;t have enough money - please enter a lower number</source>
        <translation>Gracz %1: nie masz tyle pieniędzy – wpisz mniejszą kwotę</translation>
    </message>
    <message>
        <source>Player %1: That is not a number - please enter the amount to bet</source>
        <translation>Gracz %1: to nie jest liczba – wpisz, ile stawiasz</translation>
    </message>
    <message>
        <source>Player %1: You can&apos;t bet a negative amount - please enter 0 or more</source>
        <translation>Gracz %1: stawka nie może być ujemna – wpisz 0 lub więcej</translation>
    </message>
    <message>
        <source>New Game / Restart</source>
        <translation>Nowa gra / Zacznij od nowa</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Zakończ</translation>
    </message>
    <message>
        <source>Furlox History</source>
        <translation>Historia Furlox</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Tempo gry</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Waluta</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Zmień imiona graczy</translation>
    </message>
    <message>
        <source>About Furlox</source>
        <translation>O grze Furlox</translation>
    </message>
    <message>
        <source>Place Your Bets</source>
        <translation>Obstawiajcie!</translation>
    </message>
    <message>
        <source>The computer has run out of money</source>
        <translation>Komputer jest spłukany</translation>
    </message>
    <message>
        <source>RACE!</source>
        <translation>WYŚCIG!</translation>
    </message>
    <message>
        <source>Amount to Bet:</source>
        <translation>Stawka:</translation>
    </message>
    <message>
        <source>Money Available:</source>
        <translation>Do dyspozycji:</translation>
    </message>
    <message>
        <source>Player %1 amount to bet</source>
        <translation>Stawka gracza %1</translation>
    </message>
    <message>
        <source>Player %1 odds of %2: %3</source>
        <translation>Gracz %1, %2, kurs %3</translation>
    </message>
    <message>
        <source>Odds %1 to 1</source>
        <translation>Kurs %1 do 1</translation>
    </message>
    <message>
        <source>Player %1 money available: %2%3</source>
        <translation>Gracz %1, do dyspozycji: %2%3</translation>
    </message>
    <message>
        <source>Money available: %1%2</source>
        <translation>Do dyspozycji: %1%2</translation>
    </message>
    <message>
        <source>%1&apos;s money:</source>
        <translation>%1 ma:</translation>
    </message>
    <message>
        <source>Computer&apos;s money: %1%2</source>
        <translation>Komputer ma: %1%2</translation>
    </message>
</context>
<context>
    <name>furlox::CalcScreen</name>
    <message>
        <source>Computer Betting Calculation</source>
        <translation>Komputer obstawia</translation>
    </message>
    <message>
        <source>Calculating computer player bet.......</source>
        <translation>Komputer się zastanawia.......</translation>
    </message>
    <message>
        <source>Computer will bet:   </source>
        <translation>Komputer stawia:   </translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Dalej...</translation>
    </message>
    <message>
        <source>Computer will bet: %1</source>
        <translation>Komputer stawia: %1</translation>
    </message>
    <message>
        <source>not decided yet</source>
        <translation>jeszcze nie wiadomo</translation>
    </message>
    <message>
        <source>%1, stake %2</source>
        <translation>%1, stawka %2</translation>
    </message>
</context>
<context>
    <name>furlox::CourseScreen</name>
    <message>
        <source>Today&apos;s Race.....</source>
        <translation>Dzisiejszy wyścig.....</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at:</source>
        <translation>Dziś ścigamy się na torze:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at: %1</source>
        <translation>Dziś ścigamy się na torze: %1</translation>
    </message>
</context>
<context>
    <name>furlox::CurrencyScreen</name>
    <message>
        <source>£ (Pounds)</source>
        <translation>£ (funty)</translation>
    </message>
    <message>
        <source>$ (Dollars)</source>
        <translation>$ (dolary)</translation>
    </message>
    <message>
        <source>€ (Euros)</source>
        <translation>€ (euro)</translation>
    </message>
    <message>
        <source>Change the Currency</source>
        <translation>Zmień walutę</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Zastosuj</translation>
    </message>
</context>
<context>
    <name>furlox::DifficultyScreen</name>
    <message>
        <source>Easy</source>
        <translation>Łatwy</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Średni</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Trudny</translation>
    </message>
    <message>
        <source>Please Select the Computer Difficulty</source>
        <translation>Wybierz poziom komputera</translation>
    </message>
    <message>
        <source>Please select the computer difficulty:</source>
        <translation>Jak silny ma być komputer?</translation>
    </message>
    <message>
        <source>You will be playing:</source>
        <translation>Twój przeciwnik:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Dalej</translation>
    </message>
    <message>
        <source>You will be playing: %1</source>
        <translation>Twój przeciwnik: %1</translation>
    </message>
</context>
<context>
    <name>furlox::GameOverScreen</name>
    <message>
        <source>Game Over</source>
        <translation>Koniec gry</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Wyjdź z gry</translation>
    </message>
</context>
<context>
    <name>furlox::HistoryScreen</name>
    <message>
        <source>Furlox History</source>
        <translation>Historia Furlox</translation>
    </message>
    <message>
        <source>Below are the number of times a Furlox has won a race in this particular game</source>
        <translation>Tyle razy każdy Furlox wygrał wyścig w tej grze:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message numerus="yes">
        <source>Furlox %1 wins: %n</source>
        <translation>
            <numerusform>Furlox %1: %n zwycięstwo</numerusform>
            <numerusform>Furlox %1: %n zwycięstwa</numerusform>
            <numerusform>Furlox %1: %n zwycięstw</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>furlox::NamesScreen</name>
    <message>
        <source>Player One Name:</source>
        <translation>Imię gracza 1:</translation>
    </message>
    <message>
        <source>Player Two Name:</source>
        <translation>Imię gracza 2:</translation>
    </message>
    <message>
        <source>Player Three Name:</source>
        <translation>Imię gracza 3:</translation>
    </message>
    <message>
        <source>Player Four Name:</source>
        <translation>Imię gracza 4:</translation>
    </message>
    <message>
        <source>Player Names</source>
        <translation>Imiona graczy</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Imię gracza %1</translation>
    </message>
    <message>
        <source>Lets Race!</source>
        <translation>Ścigajmy się!</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Zmień imiona graczy</translation>
    </message>
    <message>
        <source>Change It!</source>
        <translation>Zmień!</translation>
    </message>
</context>
<context>
    <name>furlox::RaceScreen</name>
    <message>
        <source>Trackside</source>
        <translation>Przy torze</translation>
    </message>
    <message>
        <source>Race track</source>
        <translation>Tor wyścigowy</translation>
    </message>
    <message>
        <source>Furlox banner</source>
        <translation>Baner Furlox</translation>
    </message>
    <message>
        <source>__==--GO TO THE NEXT WEEK--==__</source>
        <translation>__==--PRZEJDŹ DO NASTĘPNEGO TYGODNIA--==__</translation>
    </message>
    <message>
        <source>//\\__==--GO!--==__//\\</source>
        <translation>//\\__==--START!--==__//\\</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>Start!</translation>
    </message>
    <message>
        <source>Go to the next week</source>
        <translation>Przejdź do następnego tygodnia</translation>
    </message>
    <message>
        <source>%1 Has Won!</source>
        <translation>Wygrywa %1!</translation>
    </message>
    <message>
        <source>Horse %1 leads.</source>
        <translation>Prowadzi koń %1.</translation>
    </message>
    <message>
        <source>They&apos;re off at %1!</source>
        <translation>Start! Ścigamy się w %1!</translation>
    </message>
    <message>
        <source>Horse %1 takes the lead.</source>
        <translation>Koń %1 obejmuje prowadzenie.</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>Where someone&apos;s horse stands at halfway: &quot;Ann third&quot;, &quot;Pompadoodle last&quot;.</extracomment>
        <translation>pierwszy</translation>
    </message>
    <message>
        <source>second</source>
        <translation>drugi</translation>
    </message>
    <message>
        <source>third</source>
        <translation>trzeci</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>czwarty</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>piąty</translation>
    </message>
    <message>
        <source>last</source>
        <translation>ostatni</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A backer and where the horse they bet on stands: &quot;Ann third&quot;.</extracomment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>Halfway: Horse %1 leads.</source>
        <translation>Półmetek: prowadzi koń %1.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2 and %3.</source>
        <translation>Ostatnia prosta: koń %1 przed %2 i %3.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2.</source>
        <translation>Ostatnia prosta: koń %1 przed %2.</translation>
    </message>
    <message>
        <source>Race paused.</source>
        <translation>Wyścig wstrzymany.</translation>
    </message>
    <message>
        <source>Racing again.</source>
        <translation>Wyścig trwa dalej.</translation>
    </message>
</context>
<context>
    <name>furlox::SelectPlayersScreen</name>
    <message>
        <source>1 Player</source>
        <translation>Jeden gracz</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>Dwóch graczy</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>Trzech graczy</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>Czterech graczy</translation>
    </message>
    <message>
        <source>Select Amount of Players</source>
        <translation>Liczba graczy</translation>
    </message>
    <message>
        <source>How many players would you like to play?</source>
        <translation>Ile osób chce zagrać?</translation>
    </message>
    <message>
        <source>Include a computer player?</source>
        <translation>Komputer też gra?</translation>
    </message>
</context>
<context>
    <name>furlox::SpeedScreen</name>
    <message>
        <source>Change Game Speed</source>
        <translation>Zmień tempo gry</translation>
    </message>
    <message>
        <source>To change the in-game Furlox speed then please enter a number between 30 &amp; 1000 on the keypad below. The number already in the field is the current speed.</source>
        <translation>Aby zmienić tempo koni Furlox, wpisz na klawiaturze poniżej liczbę od 30 do 1000. Liczba w polu to obecne tempo.</translation>
    </message>
    <message>
        <source>Enter a number where 1 is the fastest upwards</source>
        <translation>Im mniejsza liczba, tym szybciej</translation>
    </message>
    <message>
        <source>Game speed in milliseconds</source>
        <translation>Tempo gry w milisekundach</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Wyczyść</translation>
    </message>
    <message>
        <source>Apply Speed Change</source>
        <translation>Ustaw tempo</translation>
    </message>
    <message>
        <source>Please Enter A Number Between 30-1000</source>
        <translation>Wpisz liczbę od 30 do 1000</translation>
    </message>
</context>
</TS>
