#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

// A cell's place on the board in grid squares, right and bottom exclusive.
struct CellRect {
    int32_t left = 0;
    int32_t top = 0;
    int32_t right = 0;
    int32_t bottom = 0;

    bool operator==(const CellRect&) const = default;
};

// What a dealt pattern is, apart from the pieces on it and what is left to visit: the
// cells' rectangles, which square belongs to which cell, who borders whom, and where the
// trees and ponds are. It never changes once made, so whoever keeps it (a search on
// another thread, say) may go on reading it while the game deals the next one.
class GamePattern {
public:
    static constexpr int32_t Columns = 18;
    static constexpr int32_t Rows = 13;

    struct Cell {
        CellRect rect;
        bool obstacle = false;
        bool trap = false;
    };

    // The rectangles should cover the board without overlap; a square none covers
    // belongs to cell 0.
    explicit GamePattern(std::vector<Cell> cells);

    int32_t cellCount() const { return static_cast<int32_t>(m_cells.size()); }
    const CellRect& Rect(int32_t cell) const { return m_cells[cell].rect; }
    bool Obstacle(int32_t cell) const { return m_cells[cell].obstacle; }
    bool Trap(int32_t cell) const { return m_cells[cell].trap; }

    int32_t Grid(int32_t x, int32_t y) const { return m_grid[x][y]; }
    // The cells sharing an edge with this one: those above, below, to the left and to the
    // right, each side from its top or left end.
    std::span<const int32_t> Neighbours(int32_t cell) const
    {
        return std::span(m_neighbours).subspan(m_firstNeighbour[cell], m_firstNeighbour[cell + 1] - m_firstNeighbour[cell]);
    }
    bool IsNeighbour(int32_t cell, int32_t other) const;

private:
    void AppendRow(int32_t y, int32_t left, int32_t right);
    void AppendColumn(int32_t x, int32_t top, int32_t bottom);

    std::vector<Cell> m_cells;
    std::array<std::array<int32_t, Rows>, Columns> m_grid{};
    // Every cell's list, one after another; a cell's starts where the one before it ends.
    std::vector<int32_t> m_neighbours;
    std::vector<size_t> m_firstNeighbour;
};
