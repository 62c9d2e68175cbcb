#pragma once

#include "AboutDialog.h"
#include "GamePaths.h"
#include "OptionDialog.h"
#include "StatusDialog.h"
#include "Tsys.h"

#include <memory>

class GameRandom;

// The four forms of the game in their fixed order: the main window first (its creation
// runs the whole start-up, before any dialog exists), then the dialogs it shows. The main
// window also goes first: its end saves the settings, runs pending events and may show a
// box, all while it can still reach the dialogs.
struct GameForms {
    GameForms(GameRandom& random, const GamePaths& paths)
        : sys(std::make_unique<TSys>(random, paths))
    {
        sys->AttachDialogs(&optionDialog, &aboutDialog, &statusDialog);
    }

    ~GameForms() { sys.reset(); }

    GameForms(const GameForms&) = delete;
    GameForms& operator=(const GameForms&) = delete;

    std::unique_ptr<TSys> sys;
    TOptionDialog optionDialog;
    TAboutDialog aboutDialog;
    TStatusDialog statusDialog;
};
