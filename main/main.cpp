#include "AboutDialog.h"
#include "GameRandom.h"
#include "OptionDialog.h"
#include "Program.h"
#include "StatusDialog.h"
#include "Tsys.h"

#include <QApplication>
#include <QMessageBox>

#include <exception>

namespace {

// Qt lets an exception thrown in an event handler tear down the program; show it
// instead and carry on, as a desktop program should.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override
    {
        try {
            return QApplication::notify(receiver, event);
        } catch (const std::exception& error) {
            QMessageBox::critical(activeWindow(), TitleText, QString::fromLocal8Bit(error.what()));
        }
        return false;
    }
};

}

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
