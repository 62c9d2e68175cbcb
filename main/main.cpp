#include "Application.h"
#include "GameForms.h"
#include "GameLanguage.h"
#include "GameRandom.h"
#include "GameState.h"

#include <QIcon>

int main(int, char** argv)
{
    Application::HoldTerminationSignals();
    // The game takes no command line: Qt sees only the program name.
    int argc = 1;
    Application app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));
    // Lets the desktop match the window to its launcher entry and icon.
    QGuiApplication::setDesktopFileName(QStringLiteral("org.tarvik.Tarvik"));

    // Chosen once: every text is built in this language, and the game offers no other.
    const GameLanguage language(GameLanguage::OfDesktop());
    GameRandom random;
    GameForms forms(random, GamePaths::OfProgram(language.code()));
    TSys& sys = *forms.sys;
    // Nobody is there to answer a question: an abandoned pattern counts as lost, as on
    // any close, and the settings are saved on the way out.
    app.QuitOnTerminationSignals([&sys] { sys.SetState(GameState::Quitting, true); });

    sys.show();
    app.exec();
    return 0;
}
