<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="es">
<context>
    <name>furlox</name>
    <message>
        <source>Player 1 Bet</source>
        <translation>Apuesta del jugador 1</translation>
    </message>
    <message>
        <source>(NOT PLAYING)</source>
        <translation>(NO JUEGA)</translation>
    </message>
    <message>
        <source>--Computer Not Playing--</source>
        <translation>--El ordenador no juega--</translation>
    </message>
    <message>
        <source>QX Player One</source>
        <translation>QX Jugador Uno</translation>
    </message>
    <message>
        <source>QX Player Two</source>
        <translation>QX Jugador Dos</translation>
    </message>
    <message>
        <source>QX Player Three</source>
        <translation>QX Jugador Tres</translation>
    </message>
    <message>
        <source>QX Player Four</source>
        <translation>QX Jugador Cuatro</translation>
    </message>
    <message>
        <source>Status:- Getting Ready For Start</source>
        <translation>Estado:- Preparados para la salida</translation>
    </message>
    <message>
        <source>PAUSE GAME</source>
        <translation>PAUSAR EL JUEGO</translation>
    </message>
    <message>
        <source>Computer will bet on Horse number:</source>
        <translation>El ordenador apuesta al caballo:</translation>
    </message>
    <message>
        <source>Calculating Horse Number......</source>
        <translation>Calculando el número de caballo......</translation>
    </message>
    <message>
        <source>RED</source>
        <translation>ROJO</translation>
    </message>
    <message>
        <source>YELLOW</source>
        <translation>AMARILLO</translation>
    </message>
    <message>
        <source>ORANGE</source>
        <translation>NARANJA</translation>
    </message>
    <message>
        <source>GREEN</source>
        <translation>VERDE</translation>
    </message>
    <message>
        <source>BLUE</source>
        <translation>AZUL</translation>
    </message>
    <message>
        <source>PURPLE</source>
        <translation>LILA</translation>
    </message>
    <message>
        <source>Horse %1 (%2)</source>
        <translation>Furlox %1 (%2)</translation>
    </message>
    <message>
        <source>%1 - 1</source>
        <translation>%1/1</translation>
    </message>
    <message>
        <source>Player %1</source>
        <translation>Jugador %1</translation>
    </message>
    <message>
        <source>%1 won %2, now %3.</source>
        <translation>%1 gana %2 y ahora tiene %3.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3 and has run out of money.</source>
        <translation>%1 pierde %2, ahora tiene %3 y se ha quedado sin blanca.</translation>
    </message>
    <message>
        <source>%1 lost %2, now %3.</source>
        <translation>%1 pierde %2 y ahora tiene %3.</translation>
    </message>
    <message>
        <source>%1 bet nothing, still %2.</source>
        <translation>%1 no ha apostado nada y sigue con %2.</translation>
    </message>
    <message>
        <source>Letters beyond A to Z</source>
        <extracomment>Not shown. Every letter your translation uses beyond plain A to Z, small and capital, for example &quot;äöüßÄÖÜ&quot;. The game checks that its small pixel font has them all, and uses another font for the whole game where it does not.</extracomment>
        <translation>áíñóú</translation>
    </message>
    <message>
        <source>Status:- Racing</source>
        <translation>Estado:- Carrera en marcha</translation>
    </message>
    <message>
        <source>UNPAUSE GAME</source>
        <translation>REANUDAR EL JUEGO</translation>
    </message>
    <message>
        <source>Status:- Game Paused</source>
        <translation>Estado:- Juego en pausa</translation>
    </message>
    <message>
        <source>Calculating amount to bet.......</source>
        <translation>Calculando la apuesta.......</translation>
    </message>
    <message>
        <source>Finished!</source>
        <translation>¡Listo!</translation>
    </message>
</context>
<context>
    <name>furlox::AboutScreen</name>
    <message>
        <source>Version Number: 3.1 (Includes computer player names!!)</source>
        <translation>Versión 3.1 (¡¡ahora el ordenador tiene nombre!!)</translation>
    </message>
    <message>
        <source>Game design and programming: the Furlox team</source>
        <translation>Diseño y programación: el equipo Furlox</translation>
    </message>
    <message>
        <source>Horses drawn and painted by the Furlox team</source>
        <translation>Caballos dibujados y pintados por el equipo Furlox</translation>
    </message>
    <message>
        <source>Tested by the Furlox stable hands</source>
        <translation>Probado por los mozos de cuadra de Furlox</translation>
    </message>
    <message>
        <source>Questions, ideas or a bug to report? Write to us at:</source>
        <translation>¿Preguntas, ideas o algún fallo? Escríbenos a:</translation>
    </message>
    <message>
        <source>E-mail address: %1</source>
        <translation>Correo electrónico: %1</translation>
    </message>
    <message>
        <source>Updates and news of new releases are posted on the Furlox pages at www.example.org/furlox - look in now and then!</source>
        <translation>Las novedades y las nuevas versiones se publican en las páginas de Furlox, www.example.org/furlox - ¡pásate de vez en cuando!</translation>
    </message>
    <message>
        <source>New in this version: the computer player races under a name of its own. Good luck, and a big hello to Horace the Plumber!</source>
        <translation>Novedad de esta versión: el ordenador juega con su propio nombre. ¡Buena suerte, y un saludo muy grande a Horace the Plumber!</translation>
    </message>
    <message>
        <source>Thanks for downloading</source>
        <translation>Gracias por descargar el juego</translation>
    </message>
    <message>
        <source>The Furlox team</source>
        <translation>El equipo Furlox</translation>
    </message>
    <message>
        <source>Web site: %1</source>
        <translation>Sitio web: %1</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de Furlox</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
</context>
<context>
    <name>furlox::BettingScreen</name>
    <message>
        <source>Game</source>
        <translation>Juego</translation>
    </message>
    <message>
        <source>Options</source>
        <translation>Opciones</translation>
    </message>
    <message>
        <source>About</source>
        <translation>Acerca de</translation>
    </message>
    <message>
        <source>Player %1: You don&apos;t have enough money - please enter a lower number</source>
        <translation>Jugador %1: no tienes tanto dinero – escribe una cantidad menor</translation>
    </message>
    <message>
        <source>Player %1: That is not a number - please enter the amount to bet</source>
        <translation>Jugador %1: eso no es un número – escribe cuánto quieres apostar</translation>
    </message>
    <message>
        <source>Player %1: You can&apos;t bet a negative amount - please enter 0 or more</source>
        <translation>Jugador %1: no puedes apostar una cantidad negativa – escribe 0 o más</translation>
    </message>
    <message>
        <source>New Game / Restart</source>
        <translation>Nueva partida / Reiniciar</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>Salir</translation>
    </message>
    <message>
        <source>Furlox History</source>
        <translation>Historial de los Furlox</translation>
    </message>
    <message>
        <source>Game Speed</source>
        <translation>Velocidad del juego</translation>
    </message>
    <message>
        <source>Currency</source>
        <translation>Moneda</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Cambiar los nombres</translation>
    </message>
    <message>
        <source>About Furlox</source>
        <translation>Acerca de Furlox</translation>
    </message>
    <message>
        <source>Place Your Bets</source>
        <translation>Hagan sus apuestas</translation>
    </message>
    <message>
        <source>The computer has run out of money</source>
        <translation>El ordenador se ha quedado sin blanca</translation>
    </message>
    <message>
        <source>RACE!</source>
        <translation>¡A CORRER!</translation>
    </message>
    <message>
        <source>Amount to Bet:</source>
        <translation>Apuesta:</translation>
    </message>
    <message>
        <source>Money Available:</source>
        <translation>Dinero disponible:</translation>
    </message>
    <message>
        <source>Player %1 amount to bet</source>
        <translation>Apuesta del jugador %1</translation>
    </message>
    <message>
        <source>Player %1 odds of %2: %3</source>
        <translation>Jugador %1, %2, cuota %3</translation>
    </message>
    <message>
        <source>Odds %1 to 1</source>
        <translation>Cuota %1 a 1</translation>
    </message>
    <message>
        <source>Player %1 money available: %2%3</source>
        <translation>Dinero disponible del jugador %1: %2%3</translation>
    </message>
    <message>
        <source>Money available: %1%2</source>
        <translation>Dinero disponible: %1%2</translation>
    </message>
    <message>
        <source>%1&apos;s money:</source>
        <translation>Dinero de %1:</translation>
    </message>
    <message>
        <source>Computer&apos;s money: %1%2</source>
        <translation>Dinero del ordenador: %1%2</translation>
    </message>
</context>
<context>
    <name>furlox::CalcScreen</name>
    <message>
        <source>Computer Betting Calculation</source>
        <translation>La apuesta del ordenador</translation>
    </message>
    <message>
        <source>Calculating computer player bet.......</source>
        <translation>El ordenador está pensando.......</translation>
    </message>
    <message>
        <source>Computer will bet:   </source>
        <translation>Su apuesta:   </translation>
    </message>
    <message>
        <source>Continue...</source>
        <translation>Continuar...</translation>
    </message>
    <message>
        <source>Computer will bet: %1</source>
        <translation>El ordenador apuesta: %1</translation>
    </message>
    <message>
        <source>not decided yet</source>
        <translation>aún sin decidir</translation>
    </message>
    <message>
        <source>%1, stake %2</source>
        <translation>%1, apuesta %2</translation>
    </message>
</context>
<context>
    <name>furlox::CourseScreen</name>
    <message>
        <source>Today&apos;s Race.....</source>
        <translation>La carrera de hoy.....</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at:</source>
        <translation>Hoy se corre en:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>Today&apos;s Race will be at: %1</source>
        <translation>Hoy se corre en: %1</translation>
    </message>
</context>
<context>
    <name>furlox::CurrencyScreen</name>
    <message>
        <source>£ (Pounds)</source>
        <translation>£ (libras)</translation>
    </message>
    <message>
        <source>$ (Dollars)</source>
        <translation>$ (dólares)</translation>
    </message>
    <message>
        <source>€ (Euros)</source>
        <translation>€ (euros)</translation>
    </message>
    <message>
        <source>Change the Currency</source>
        <translation>Cambiar de moneda</translation>
    </message>
    <message>
        <source>Apply</source>
        <translation>Aplicar</translation>
    </message>
</context>
<context>
    <name>furlox::DifficultyScreen</name>
    <message>
        <source>Easy</source>
        <translation>Fácil</translation>
    </message>
    <message>
        <source>Medium</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>Hard</source>
        <translation>Difícil</translation>
    </message>
    <message>
        <source>Please Select the Computer Difficulty</source>
        <translation>Nivel del ordenador</translation>
    </message>
    <message>
        <source>Please select the computer difficulty:</source>
        <translation>Elige el nivel del ordenador:</translation>
    </message>
    <message>
        <source>You will be playing:</source>
        <translation>Tu rival:</translation>
    </message>
    <message>
        <source>Continue</source>
        <translation>Continuar</translation>
    </message>
    <message>
        <source>You will be playing: %1</source>
        <translation>Tu rival: %1</translation>
    </message>
</context>
<context>
    <name>furlox::GameOverScreen</name>
    <message>
        <source>Game Over</source>
        <translation>¡Se acabó!</translation>
    </message>
    <message>
        <source>Quit Game</source>
        <translation>Salir del juego</translation>
    </message>
</context>
<context>
    <name>furlox::HistoryScreen</name>
    <message>
        <source>Furlox History</source>
        <translation>Historial de los Furlox</translation>
    </message>
    <message>
        <source>Below are the number of times a Furlox has won a race in this particular game</source>
        <translation>Estas son las carreras que ha ganado cada Furlox en esta partida:</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>Aceptar</translation>
    </message>
    <message numerus="yes">
        <source>Furlox %1 wins: %n</source>
        <translation>
            <numerusform>Furlox %1: %n victoria</numerusform>
            <numerusform>Furlox %1: %n victorias</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>furlox::NamesScreen</name>
    <message>
        <source>Player One Name:</source>
        <translation>Jugador 1:</translation>
    </message>
    <message>
        <source>Player Two Name:</source>
        <translation>Jugador 2:</translation>
    </message>
    <message>
        <source>Player Three Name:</source>
        <translation>Jugador 3:</translation>
    </message>
    <message>
        <source>Player Four Name:</source>
        <translation>Jugador 4:</translation>
    </message>
    <message>
        <source>Player Names</source>
        <translation>Nombres de los jugadores</translation>
    </message>
    <message>
        <source>Player %1 name</source>
        <translation>Nombre del jugador %1</translation>
    </message>
    <message>
        <source>Lets Race!</source>
        <translation>¡Vamos allá!</translation>
    </message>
    <message>
        <source>Change Player Names</source>
        <translation>Cambiar los nombres</translation>
    </message>
    <message>
        <source>Change It!</source>
        <translation>¡Cambiar!</translation>
    </message>
</context>
<context>
    <name>furlox::RaceScreen</name>
    <message>
        <source>Trackside</source>
        <translation>A pie de pista</translation>
    </message>
    <message>
        <source>Race track</source>
        <translation>Pista de carreras</translation>
    </message>
    <message>
        <source>Furlox banner</source>
        <translation>Pancarta de Furlox</translation>
    </message>
    <message>
        <source>__==--GO TO THE NEXT WEEK--==__</source>
        <translation>__==--PASA A LA SEMANA SIGUIENTE--==__</translation>
    </message>
    <message>
        <source>//\\__==--GO!--==__//\\</source>
        <translation>//\\__==--¡YA!--==__//\\</translation>
    </message>
    <message>
        <source>Go!</source>
        <translation>¡Ya!</translation>
    </message>
    <message>
        <source>Go to the next week</source>
        <translation>Pasar a la semana siguiente</translation>
    </message>
    <message>
        <source>%1 Has Won!</source>
        <translation>¡Gana el %1!</translation>
    </message>
    <message>
        <source>Horse %1 leads.</source>
        <translation>Va en cabeza el %1.</translation>
    </message>
    <message>
        <source>They&apos;re off at %1!</source>
        <translation>¡Arrancan en %1!</translation>
    </message>
    <message>
        <source>Horse %1 takes the lead.</source>
        <translation>El %1 se pone en cabeza.</translation>
    </message>
    <message>
        <source>first</source>
        <extracomment>Where someone&apos;s horse stands at halfway: &quot;Ann third&quot;, &quot;Pompadoodle last&quot;.</extracomment>
        <translation>primero</translation>
    </message>
    <message>
        <source>second</source>
        <translation>segundo</translation>
    </message>
    <message>
        <source>third</source>
        <translation>tercero</translation>
    </message>
    <message>
        <source>fourth</source>
        <translation>cuarto</translation>
    </message>
    <message>
        <source>fifth</source>
        <translation>quinto</translation>
    </message>
    <message>
        <source>last</source>
        <translation>último</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <extracomment>A backer and where the horse they bet on stands: &quot;Ann third&quot;.</extracomment>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>Halfway: Horse %1 leads.</source>
        <translation>Mitad de carrera: en cabeza el %1.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2 and %3.</source>
        <translation>Recta final: el %1 por delante del %2 y el %3.</translation>
    </message>
    <message>
        <source>Final stretch: Horse %1 leads from %2.</source>
        <translation>Recta final: el %1 por delante del %2.</translation>
    </message>
    <message>
        <source>Race paused.</source>
        <translation>Carrera en pausa.</translation>
    </message>
    <message>
        <source>Racing again.</source>
        <translation>Se reanuda la carrera.</translation>
    </message>
</context>
<context>
    <name>furlox::SelectPlayersScreen</name>
    <message>
        <source>1 Player</source>
        <translation>1 jugador</translation>
    </message>
    <message>
        <source>2 Players</source>
        <translation>2 jugadores</translation>
    </message>
    <message>
        <source>3 Players</source>
        <translation>3 jugadores</translation>
    </message>
    <message>
        <source>4 Players</source>
        <translation>4 jugadores</translation>
    </message>
    <message>
        <source>Select Amount of Players</source>
        <translation>Número de jugadores</translation>
    </message>
    <message>
        <source>How many players would you like to play?</source>
        <translation>¿Cuántos jugadores van a jugar?</translation>
    </message>
    <message>
        <source>Include a computer player?</source>
        <translation>¿Juega el ordenador?</translation>
    </message>
</context>
<context>
    <name>furlox::SpeedScreen</name>
    <message>
        <source>Change Game Speed</source>
        <translation>Cambiar la velocidad</translation>
    </message>
    <message>
        <source>To change the in-game Furlox speed then please enter a number between 30 &amp; 1000 on the keypad below. The number already in the field is the current speed.</source>
        <translation>Para cambiar la velocidad de los Furlox, escribe un número entre 30 &amp; 1000 en el teclado de abajo. El número del recuadro es la velocidad actual.</translation>
    </message>
    <message>
        <source>Enter a number where 1 is the fastest upwards</source>
        <translation>Cuanto más bajo el número, más rápido</translation>
    </message>
    <message>
        <source>Game speed in milliseconds</source>
        <translation>Velocidad del juego en milisegundos</translation>
    </message>
    <message>
        <source>Clear</source>
        <translation>Borrar</translation>
    </message>
    <message>
        <source>Apply Speed Change</source>
        <translation>Aplicar velocidad</translation>
    </message>
    <message>
        <source>Please Enter A Number Between 30-1000</source>
        <translation>Escribe un número entre 30 y 1000</translation>
    </message>
</context>
</TS>
