#pragma once

#include "Game.h"
#include "GameRandom.h"
#include "StatusOption.h"

#include <deque>
#include <initializer_list>
#include <vector>

// Hands out the given draws in order; once they run out it counts the extra draws
// and answers 0, so a test can tell that an operation drew more than it should.
class ScriptedRandom : public GameRandom {
public:
    void Script(std::initializer_list<int32_t> draws) { queue.insert(queue.end(), draws); }
    void Script(const std::vector<int32_t>& draws) { queue.insert(queue.end(), draws.begin(), draws.end()); }
    size_t left() const { return queue.size(); }
    int overruns = 0;

protected:
    int32_t Next() override
    {
        if (queue.empty()) {
            ++overruns;
            return 0;
        }
        const int32_t value = queue.front();
        queue.pop_front();
        return value;
    }

private:
    std::deque<int32_t> queue;
};

// Lays the field out by hand instead of by a random partition.
inline void Build(GameField& field, std::initializer_list<GameField::CellRect> rects)
{
    field.SetOption({static_cast<int32_t>(rects.size()), 0, 0});
    field.InstallRectangles(std::vector<GameField::CellRect>(rects));
}

// Marks a cell as the placement would: obstacle or trap, nothing to visit there.
inline void Mark(GameField& field, int32_t cell, int32_t FieldCell::*word)
{
    FieldCell record = field.Cell(cell);
    record.*word = 0;
    record.unvisited = -1;
    field.SetCell(cell, record);
}
inline void MarkObstacle(GameField& field, int32_t cell) { Mark(field, cell, &FieldCell::obstacle); }
inline void MarkTrap(GameField& field, int32_t cell) { Mark(field, cell, &FieldCell::trap); }

// A game on the given random source, with statistics of its own.
template <typename Random>
struct TestGame {
    Random random;
    StatusOption status;
    Game game{random, status};
    GamePlayer& player = game.player();
    GameEnemy& enemy = game.enemy();
    GameField& field = game.field();

    template <typename... Args>
    explicit TestGame(Args... seed)
        : random(seed...)
    {
    }

    void SetState(GameState state) { game.ChangeState(state); }
};

// Four columns of widths 5, 4, 4, 5 and three rows of heights 4, 4, 5; cell = 4 * row + column.
//    0  1  2  3
//    4  5  6  7
//    8  9 10 11
inline void BuildBlocks(GameField& field)
{
    const int32_t xs[] = {0, 5, 9, 13, 18};
    const int32_t ys[] = {0, 4, 8, 13};
    Build(field, {
        {xs[0], ys[0], xs[1], ys[1]}, {xs[1], ys[0], xs[2], ys[1]}, {xs[2], ys[0], xs[3], ys[1]}, {xs[3], ys[0], xs[4], ys[1]},
        {xs[0], ys[1], xs[1], ys[2]}, {xs[1], ys[1], xs[2], ys[2]}, {xs[2], ys[1], xs[3], ys[2]}, {xs[3], ys[1], xs[4], ys[2]},
        {xs[0], ys[2], xs[1], ys[3]}, {xs[1], ys[2], xs[2], ys[3]}, {xs[2], ys[2], xs[3], ys[3]}, {xs[3], ys[2], xs[4], ys[3]},
    });
}
