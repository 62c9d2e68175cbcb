#pragma once

#include "GameAim.h"
#include "GameLinks.h"
#include "GamePosition.h"
#include "GameState.h"
#include "MoveReport.h"

#include <cstdint>
#include <vector>

// The player's piece: the rules of a move, and its blink and spin.
class GamePlayer {
public:
    explicit GamePlayer(const GameLinks& links);
    virtual ~GamePlayer();

    void ChangeState(GameState state);
    void Tick(GameState state);
    MoveReport Move(int32_t cell);
    // The move to the cell covering the square, as a click there asks; a move made aims
    // from that square.
    MoveReport MoveTo(BoardSquare square);

    // The square keys steer by, kept inside the player's cell whatever moved the player.
    BoardSquare aim() const;
    // The square a key in that direction clicks; none off the board.
    std::optional<BoardSquare> LookAt(Heading heading) const;

    // Where a position taken back or made again puts the player; the field's records are
    // the game's to restore.
    void Restore(const GamePosition& position);

    int32_t cellIndex() const { return m_cellIndex; }
    int32_t cycleMoves() const { return m_cycleMoves; }
    int32_t totalMoves() const { return m_totalMoves; }

private:
    class Board;

    const GameLinks& links;
    int32_t m_cellIndex = 0;
    int32_t m_cycleMoves = 0;
    int32_t m_totalMoves = 0;
    BoardSquare m_aim;
};

// The enemy pieces: placement, warning flashes, the chase and the dances.
class GameEnemy {
public:
    explicit GameEnemy(const GameLinks& links);
    virtual ~GameEnemy();

    // Clamped to 0..233; a start places only as many enemies as there are free cells.
    void SetCount(int32_t n);
    int32_t count() const { return m_count; }
    // Each enemy's cell, in the current order of movement.
    const std::vector<int32_t>& cells() const { return m_cells; }

    void ChangeState(GameState state);
    void Tick(GameState state);
    int32_t Chase();
    // The enemies' cells, in order, of a position taken back or made again.
    void Restore(const std::vector<int32_t>& cells) { m_cells = cells; }

private:
    class Board;

    const GameLinks& links;
    int32_t m_count = 0;
    std::vector<int32_t> m_cells;
};
