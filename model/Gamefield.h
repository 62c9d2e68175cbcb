#pragma once

#include "GameLinks.h"
#include "GameState.h"
#include "SettingTable.h"

#include <array>
#include <cstdint>
#include <span>
#include <vector>

// One cell of the field. -1 in a state word means absent; 0 and up is a frame or a mark.
// The rectangle is in grid squares, right and bottom exclusive.
struct FieldCell {
    int32_t player = -1;
    int32_t enemy = -1;
    int32_t obstacle = -1;
    int32_t trap = -1;
    int32_t unvisited = -1;
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const FieldCell&) const = default;
};

struct FieldOption {
    int32_t cell = Settings::Cell.initial;
    int32_t obstacle = Settings::Obstacle.initial;
    int32_t trap = Settings::Trap.initial;

    bool operator==(const FieldOption&) const = default;
};

// The 18 x 13 board cut into rectangular cells, with the cell records, the
// neighbour lists and the list of cells written since the last redraw.
class GameField {
public:
    static constexpr int32_t Columns = 18;
    static constexpr int32_t Rows = 13;

    explicit GameField(const GameLinks& links);
    virtual ~GameField();

    GameField(const GameField&) = delete;
    GameField& operator=(const GameField&) = delete;

    // Drops the pattern; values beyond what a board can hold are clamped.
    void SetOption(const FieldOption& value);
    const FieldOption& option() const { return m_option; }

    void ChangeState(GameState state);
    void Generate();
    void ResetCells();

    const FieldCell& Cell(int32_t cell) const { return m_cells[cell]; }
    void SetCell(int32_t cell, const FieldCell& record);

    std::span<const int32_t> Changed() const;
    void ClearChanged();

    int32_t RandomCell();
    bool IsNeighbour(int32_t cell, int32_t other) const;
    bool HasUnvisited() const;

    int32_t Grid(int32_t x, int32_t y) const { return m_grid[x][y]; }
    std::span<const int32_t> Neighbours(int32_t cell) const;

    struct CellRect {
        int32_t left = 0;
        int32_t top = 0;
        int32_t right = 0;
        int32_t bottom = 0;
    };

    // A board laid out by hand instead of by a random partition: gives the cells these
    // rectangles (one per cell, covering the board without overlap), then fills the grid
    // and builds the neighbour lists from them.
    void InstallRectangles(std::span<const CellRect> rects);
    // Takes another field's pattern whole: cells with their marks, grid and neighbours. For
    // a solver that searches a copy while the game goes on.
    void CopyPattern(const GameField& other);
    // Whether a walk from the first cell to visit, over the steps a player could take,
    // reaches every other cell to visit.
    bool CheckReachable() const;

private:
    void Partition();
    void PlaceObstaclesAndTraps();
    void MarkObstaclesAndTraps(std::span<const int32_t> order);
    void PlaceConnected();
    void ReachWalk(int32_t cell, int32_t steps, std::vector<bool>& reached) const;
    void AppendRow(int32_t cell, int32_t y, int32_t left, int32_t right);
    void AppendColumn(int32_t cell, int32_t x, int32_t top, int32_t bottom);

    const GameLinks& links;
    FieldOption m_option;
    std::vector<FieldCell> m_cells;
    std::array<std::array<int32_t, Rows>, Columns> m_grid{};
    std::vector<int32_t> m_neighbourCounts;
    std::vector<std::vector<int32_t>> m_neighbours;
    int32_t m_changedCount = 0;
    std::vector<int32_t> m_changed;
    std::vector<uint8_t> m_changedFlags;
};
