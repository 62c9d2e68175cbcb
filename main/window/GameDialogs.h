#pragma once

#include "AboutDialog.h"
#include "OptionDialog.h"
#include "PatternDialog.h"
#include "StatusDialog.h"

#include <QPointer>

// The dialogs the main window shows. Each is built on its first showing: nothing of a
// dialog is seen before that, and a start that builds none shows its window sooner.
// They belong to the main window: the desktop keeps them above it, out of the taskbar and
// untiled, and they go when it goes.
class GameDialogs {
public:
    // The main window calls this as it is made, before it shows any dialog.
    void BelongTo(QWidget* window) { owner = window; }

    TOptionDialog& OptionDialog() { return Built(option); }
    TAboutDialog& AboutDialog() { return Built(about); }
    TStatusDialog& StatusDialog() { return Built(status); }
    TPatternDialog& PatternDialog() { return Built(pattern); }

private:
    template <typename Form>
    Form& Built(QPointer<Form>& form)
    {
        if (!form)
            form = new Form(owner);
        return *form;
    }

    QPointer<QWidget> owner;
    QPointer<TOptionDialog> option;
    QPointer<TAboutDialog> about;
    QPointer<TStatusDialog> status;
    QPointer<TPatternDialog> pattern;
};
