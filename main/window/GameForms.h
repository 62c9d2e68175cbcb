#pragma once

#include "GameDialogs.h"
#include "GamePaths.h"
#include "Tsys.h"

#include <memory>

class GameRandom;

// The forms of the game: the main window, whose creation runs the whole start-up, and the
// dialogs it shows. The main window goes first: its end saves the settings, runs pending
// events and may show a box, all while it can still reach the dialogs.
struct GameForms {
    GameForms(GameRandom& random, const GamePaths& paths)
        : sys(std::make_unique<TSys>(random, paths, dialogs))
    {
    }

    GameForms(const GameForms&) = delete;
    GameForms& operator=(const GameForms&) = delete;

    // Declared first, so destroyed last.
    GameDialogs dialogs;
    std::unique_ptr<TSys> sys;
};
