#pragma once

#include "GameHistory.h"
#include "GameLinks.h"
#include "GameState.h"
#include "Gamefield.h"
#include "GamePosition.h"
#include "Gameparts.h"
#include "MoveReport.h"
#include "PatternNumber.h"

#include <cstdint>

// The player, the enemy set and the field, wired together. They are made in this order
// and go in the reverse one; each reaches the others through the links, which exist for
// as long as the game does.
class Game {
public:
    // random and status must outlive the game.
    Game(GameRandom& random, const StatusOption& status);

    Game(const Game&) = delete;
    Game& operator=(const Game&) = delete;

    GamePlayer& player() { return m_player; }
    GameEnemy& enemy() { return m_enemy; }
    GameField& field() { return m_field; }
    const GamePlayer& player() const { return m_player; }
    const GameEnemy& enemy() const { return m_enemy; }
    const GameField& field() const { return m_field; }

    // The field learns of a new state first: a start makes the pattern the pieces are
    // then placed on, the player before the enemies.
    void ChangeState(GameState state);
    // Deals the pattern a number names, as a start does: its options, then the draws from
    // its seed. The options are the pattern's; the next start may name others.
    void Deal(const PatternNumber& number);
    // The number of the pattern dealt last.
    const PatternNumber& number() const { return m_number; }
    // One animation step of the pieces; the field's changed list names what to redraw.
    void Tick(GameState state);
    // Whether a tick in this state can change a cell or take a draw. In the other states
    // the window's timer sleeps, so a game waiting to be started costs nothing.
    static bool Animates(GameState state);
    // A click on a board square. A move made can be taken back.
    MoveReport MoveTo(BoardSquare square);
    // Back to the position before the last move, or forward to the one after the last move
    // taken back; refused when there is none. No draw is taken, and the field's changed
    // list names the cells that look different.
    MoveReport Undo();
    MoveReport Redo();
    bool CanUndo() const { return m_history.CanUndo(); }
    bool CanRedo() const { return m_history.CanRedo(); }
    // Moves made since the start or retry, those taken back too.
    int32_t movesMade() const { return m_history.movesMade(); }
    // Where the pieces stand, what is left to visit and the move counters.
    GamePosition Position() const;
    // New pattern options; they take effect at the next start.
    void SetOptions(const FieldOption& field, int32_t enemyCount);

private:
    void Restore(const GamePosition& position);

    GameLinks links;
    GamePlayer m_player;
    GameEnemy m_enemy;
    GameField m_field;
    GameHistory m_history;
    PatternNumber m_number;
};
