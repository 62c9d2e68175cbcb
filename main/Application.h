#pragma once

#include <QApplication>

// Qt lets an exception thrown in an event handler tear the program down; this
// application object shows it in an error box instead and carries on.
class Application : public QApplication {
public:
    using QApplication::QApplication;

    bool notify(QObject* receiver, QEvent* event) override;
};
