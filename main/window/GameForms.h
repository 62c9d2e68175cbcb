#pragma once

#include "AboutDialog.h"
#include "OptionDialog.h"
#include "StatusDialog.h"
#include "Tsys.h"

class GameRandom;

// The four forms of the game in their fixed order: the main window first (its creation
// runs the whole start-up, before any dialog exists), then the dialogs it shows. They
// go in the reverse order, so the main window saves the settings last of all.
struct GameForms {
    explicit GameForms(GameRandom& random)
        : sys(random)
    {
        sys.AttachDialogs(&optionDialog, &aboutDialog, &statusDialog);
    }

    TSys sys;
    TOptionDialog optionDialog;
    TAboutDialog aboutDialog;
    TStatusDialog statusDialog;
};
