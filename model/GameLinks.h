#pragma once

class GameRandom;
class GameField;
class GamePlayer;
class GameEnemy;
struct StatusOption;

// How the game objects reach each other. The owner fills in each pointer as soon as
// its object exists (player, enemy set, field, in that order) and clears it when the
// object is deleted; the objects keep a reference to this record, never a copy.
struct GameLinks {
    GameRandom& random;
    const StatusOption& status;
    GamePlayer* player = nullptr;
    GameEnemy* enemy = nullptr;
    GameField* field = nullptr;
};
