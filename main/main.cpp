#include "AboutDialog.h"
#include "Application.h"
#include "GameRandom.h"
#include "OptionDialog.h"
#include "StatusDialog.h"
#include "Tsys.h"

#include <QIcon>

int main(int, char** argv)
{
    // The game takes no command line: Qt sees only the program name.
    int argc = 1;
    Application app(argc, argv);
    app.setWindowIcon(QIcon(QStringLiteral(":/images/icon32.png")));

    GameRandom random;
    TSys sys(random);
    TOptionDialog optionDialog;
    TAboutDialog aboutDialog;
    TStatusDialog statusDialog;
    sys.AttachDialogs(&optionDialog, &aboutDialog, &statusDialog);

    sys.show();
    app.exec();
    return 0;
}
