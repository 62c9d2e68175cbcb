#pragma once

#include "GameLinks.h"
#include "GamePattern.h"
#include "GameState.h"
#include "SettingTable.h"

#include <cstdint>
#include <memory>
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

// The 18 x 13 board cut into rectangular cells: the cell records, the pattern they make
// and the list of cells written since the last redraw.
class GameField {
public:
    static constexpr int32_t Columns = GamePattern::Columns;
    static constexpr int32_t Rows = GamePattern::Rows;

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
    bool HasUnvisited() const;

    // The pattern the records make now, made afresh on the first read after its
    // rectangles, obstacles or traps change. The shared one outlives the field's next deal.
    const GamePattern& pattern() const;
    std::shared_ptr<const GamePattern> sharedPattern() const;

    // The pattern's answers, for those who hold the field.
    bool IsNeighbour(int32_t cell, int32_t other) const { return pattern().IsNeighbour(cell, other); }
    int32_t Grid(int32_t x, int32_t y) const { return pattern().Grid(x, y); }
    std::span<const int32_t> Neighbours(int32_t cell) const { return pattern().Neighbours(cell); }

    using CellRect = ::CellRect;

    // A board laid out by hand instead of by a random partition: gives the cells these
    // rectangles, one per cell, covering the board without overlap.
    void InstallRectangles(std::span<const CellRect> rects);
    // Whether a walk from the first cell to visit, over the steps a player could take,
    // reaches every other cell to visit.
    bool CheckReachable() const;

private:
    void Partition();
    void PlaceObstaclesAndTraps();
    void MarkObstaclesAndTraps(std::span<const int32_t> order);
    void PlaceConnected(const GamePattern& shape);
    bool Reachable(const GamePattern& shape) const;
    void ReachWalk(const GamePattern& shape, int32_t cell, int32_t steps, std::vector<bool>& reached) const;

    const GameLinks& links;
    FieldOption m_option;
    std::vector<FieldCell> m_cells;
    mutable std::shared_ptr<const GamePattern> m_pattern;
    int32_t m_changedCount = 0;
    std::vector<int32_t> m_changed;
    std::vector<uint8_t> m_changedFlags;
};
