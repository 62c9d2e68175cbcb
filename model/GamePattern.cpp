#include "GamePattern.h"

#include <algorithm>
#include <utility>

GamePattern::GamePattern(std::vector<Cell> cells)
    : m_cells(std::move(cells))
    , m_firstNeighbour(m_cells.size() + 1)
{
    const int32_t n = cellCount();
    for (int32_t i = 0; i < n; ++i) {
        const CellRect& c = m_cells[i].rect;
        for (int32_t x = c.left; x < c.right; ++x)
            for (int32_t y = c.top; y < c.bottom; ++y)
                m_grid[x][y] = i;
    }
    for (int32_t j = 0; j < n; ++j) {
        const CellRect& c = m_cells[j].rect;
        if (c.top > 0)
            AppendRow(c.top - 1, c.left, c.right);
        if (c.bottom < Rows)
            AppendRow(c.bottom, c.left, c.right);
        if (c.left > 0)
            AppendColumn(c.left - 1, c.top, c.bottom);
        if (c.right < Columns)
            AppendColumn(c.right, c.top, c.bottom);
        m_firstNeighbour[j + 1] = m_neighbours.size();
    }
}

bool GamePattern::IsNeighbour(int32_t cell, int32_t other) const
{
    const auto list = Neighbours(cell);
    return std::find(list.begin(), list.end(), other) != list.end();
}

void GamePattern::AppendRow(int32_t y, int32_t left, int32_t right)
{
    for (int32_t x = left; x < right;) {
        const int32_t other = m_grid[x][y];
        m_neighbours.push_back(other);
        x = m_cells[other].rect.right;
    }
}

void GamePattern::AppendColumn(int32_t x, int32_t top, int32_t bottom)
{
    for (int32_t y = top; y < bottom;) {
        const int32_t other = m_grid[x][y];
        m_neighbours.push_back(other);
        y = m_cells[other].rect.bottom;
    }
}
