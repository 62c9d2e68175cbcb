#pragma once

class GameRandom;
class GameField;
class GamePlayer;
class GameEnemy;
struct StatusOption;

// How the game objects reach each other: the one random source, the statistics they read
// the current run of clears from, and each other. Game holds the one record and hands
// every object a reference to it.
struct GameLinks {
    GameRandom& random;
    const StatusOption& status;
    GamePlayer& player;
    GameEnemy& enemy;
    GameField& field;
};
