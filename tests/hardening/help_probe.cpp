// The main window as the game builds it, started from wherever the test copied this
// program. It answers the help question with OK, lets the window hand its help page
// to the desktop, prints every message box it saw and exits.
#include "GameForms.h"
#include "GameRandom.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QMessageBox>
#include <QTimer>

#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    GameRandom random;
    GameForms forms(random, GamePaths::OfProgram());
    TSys& sys = *forms.sys;
    sys.show();

    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            std::printf("box: %s\n", qPrintable(box->text().replace('\n', ' ')));
            std::fflush(stdout);
            box->button(QMessageBox::Ok)->click();
        }
    });
    answerer.start(20);

    QTimer::singleShot(100, [&] {
        sys.findChild<QAction*>(QStringLiteral("MainMenu_Help_Help"))->trigger();
        app.quit();
    });
    QTimer::singleShot(20000, [] { std::_Exit(3); });
    return app.exec();
}
