#include "Application.h"

#include "Program.h"

#include <QMessageBox>

#include <exception>

bool Application::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception& error) {
        QMessageBox::critical(activeWindow(), TitleText, QString::fromLocal8Bit(error.what()));
    }
    return false;
}
