// Furlox: a horse-racing betting game for one to four players.
#include <QApplication>
#include <QIcon>
#include <chrono>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/look.h"
#include "screens/screens.h"
#include "screens/title_screen.h"

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Furlox"));
    QApplication::setApplicationVersion(QStringLiteral("3.1"));
    QApplication::setDesktopFileName(QStringLiteral("furlox"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/furlox.png")));
    furlox::installGameFonts();

    furlox::GameState state;
    furlox::SeededRandom random(
        static_cast<std::uint64_t>(std::chrono::system_clock::now().time_since_epoch().count()));
    furlox::Screens screens(state, random);

    // The start-up benchmark times the process from its start to the first
    // frame of the splash: with this set, the game leaves right after it.
    if (qEnvironmentVariableIsSet("FURLOX_EXIT_AFTER_FIRST_FRAME"))
        furlox::exitAfterFirstFrame(screens.get(furlox::ScreenId::title));
    screens.start();
    return QApplication::exec();
}
