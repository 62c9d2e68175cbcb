#include "Application.h"
#include "GameForms.h"
#include "GameLanguage.h"
#include "GameRandom.h"

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
    // Before the forms: their start-up may already show a box.
    app.QuitOnTerminationSignals();

    // Chosen once: every text is built in this language, and the game offers no other.
    const GameLanguage language(GameLanguage::OfDesktop());
    GameRandom random;
    GameForms forms(random, GamePaths::OfProgram(language.code()));
    // A signal during start-up has ended the game already; the settings are still saved
    // on the way out.
    if (!Application::Terminating()) {
        forms.sys->show();
        app.exec();
    }
    return 0;
}
