#pragma once

#include "GameState.h"

#include <QString>

#include <cstdint>

class GameEnemy;
class GameField;
class GamePlayer;

// The board as it stands, read only: the pattern and its pieces, the state of the game's
// flow, the message line and the zoom it is shown at. What speaks or describes the board
// reads this, so it can be read and tested without a window.
class BoardReading {
public:
    virtual const GameField& field() const = 0;
    virtual const GamePlayer& player() const = 0;
    virtual const GameEnemy& enemy() const = 0;
    virtual GameState state() const = 0;
    // The text the message line shows now.
    virtual const QString& message() const = 0;
    virtual int32_t zoom() const = 0;

protected:
    ~BoardReading() = default;
};
