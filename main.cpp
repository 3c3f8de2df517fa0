// Furlox: a horse-racing betting game for one to four players.
#include <QApplication>
#include <QIcon>
#include <chrono>

#include "core/game_state.h"
#include "core/random.h"
#include "screens/look.h"
#include "screens/screens.h"

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
    screens.start();
    return QApplication::exec();
}
