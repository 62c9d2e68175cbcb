#include "Gamefield.h"

#include "GameRandom.h"
#include "GameRules.h"
#include "GameState.h"
#include "StatusOption.h"

#include <algorithm>
#include <utility>

namespace {

constexpr int32_t Squares = GameField::Columns * GameField::Rows;

// Within the option dialog's ranges a placement passes after 18 attempts at most (in a
// million patterns). Far outside them (say 234 cells, 200 obstacles) it practically never
// passes, so after this many attempts the placement is built instead of drawn.
constexpr int32_t MaxPlacements = 10000;

int32_t Area(int32_t width, int32_t height)
{
    return width * height;
}

} // namespace

GameField::GameField(const GameLinks& links)
    : links(links)
{
    SetOption(m_option);
}

GameField::~GameField() = default;

// Values outside the model's limits are clamped rather than refused: cell to 1..234,
// obstacle and trap to 0 and up, then obstacle to cell - 1 and trap to what is left,
// so that one ordinary cell always remains for the player.
void GameField::SetOption(const FieldOption& value)
{
    m_option.cell = std::clamp(value.cell, 1, Squares);
    m_option.obstacle = std::clamp(value.obstacle, 0, m_option.cell - 1);
    m_option.trap = std::clamp(value.trap, 0, m_option.cell - 1 - m_option.obstacle);

    const auto n = static_cast<size_t>(m_option.cell);
    m_cells.assign(n, FieldCell{});
    m_pattern.reset();
    m_changedCount = 0;
    m_changed.assign(n, 0);
    m_changedFlags.assign(n, 0);
}

void GameField::ChangeState(GameState state)
{
    if (state == GameState::Started) {
        Generate();
        ResetCells();
    } else if (state == GameState::Retrying) {
        ResetCells();
    }
}

void GameField::Generate()
{
    ClearChanged();
    Partition();
    // The attempts move only the obstacles and traps, so they all walk the one shape.
    const std::shared_ptr<const GamePattern> shape = sharedPattern();
    for (int32_t attempt = 0;; ++attempt) {
        if (attempt == MaxPlacements) {
            PlaceConnected(*shape);
            return;
        }
        PlaceObstaclesAndTraps();
        if (Reachable(*shape))
            return;
    }
}

void GameField::ResetCells()
{
    ClearChanged();
    const bool hattrick = Rules::HatTrick(links.status.succeeding + 1);
    for (int32_t i = 0; i < m_option.cell; ++i) {
        FieldCell record = m_cells[i];
        record.player = -1;
        record.enemy = -1;
        if (record.obstacle == -1 && record.trap == -1)
            record.unvisited = hattrick ? 1 : 0;
        SetCell(i, record);
    }
}

void GameField::SetCell(int32_t cell, const FieldCell& record)
{
    if (!m_changedFlags[cell]) {
        m_changedFlags[cell] = 1;
        m_changed[m_changedCount++] = cell;
    }
    // The pieces never touch these words; a board marked by hand does.
    FieldCell& old = m_cells[cell];
    if (record.obstacle != old.obstacle || record.trap != old.trap || record.left != old.left
        || record.top != old.top || record.right != old.right || record.bottom != old.bottom)
        m_pattern.reset();
    old = record;
}

std::span<const int32_t> GameField::Changed() const
{
    return {m_changed.data(), static_cast<size_t>(m_changedCount)};
}

void GameField::ClearChanged()
{
    for (int32_t i = 0; i < m_changedCount; ++i)
        m_changedFlags[m_changed[i]] = 0;
    m_changedCount = 0;
}

int32_t GameField::RandomCell()
{
    return links.random.Below(m_option.cell);
}

bool GameField::HasUnvisited() const
{
    return std::any_of(m_cells.begin(), m_cells.end(),
                       [](const FieldCell& c) { return c.unvisited >= 0; });
}

const GamePattern& GameField::pattern() const
{
    if (!m_pattern) {
        std::vector<GamePattern::Cell> cells;
        cells.reserve(m_cells.size());
        for (const FieldCell& c : m_cells)
            cells.push_back({{c.left, c.top, c.right, c.bottom}, c.obstacle >= 0, c.trap >= 0});
        m_pattern = std::make_shared<const GamePattern>(std::move(cells));
    }
    return *m_pattern;
}

std::shared_ptr<const GamePattern> GameField::sharedPattern() const
{
    pattern();
    return m_pattern;
}

void GameField::Partition()
{
    auto& random = links.random;
    const int32_t n = m_option.cell;
    // Open rectangles (2 squares or more in one direction) fill the pool from the
    // front, finished 1 x 1 squares from the back.
    std::vector<CellRect> pool(static_cast<size_t>(n));
    pool[0] = {0, 0, Columns, Rows};
    int32_t open = 1;
    int32_t finished = 0;
    const auto area = [&pool](int32_t i) {
        return Area(pool[i].right - pool[i].left, pool[i].bottom - pool[i].top);
    };
    const auto place = [&](const CellRect& part) {
        if (part.right - part.left >= 2 || part.bottom - part.top >= 2)
            pool[open++] = part;
        else
            pool[n - 1 - finished++] = part;
    };

    while (open + finished < n) {
        const int32_t c0 = random.Below(open);
        const int32_t c1 = random.Below(open);
        const int32_t c2 = random.Below(open);
        const int32_t c3 = random.Below(open);
        // Ties go to the later candidate.
        const int32_t a = area(c0) > area(c1) ? c0 : c1;
        const int32_t b = area(c2) > area(c3) ? c2 : c3;
        const int32_t chosen = area(a) > area(b) ? a : b;

        const CellRect r = pool[chosen];
        const int32_t w = r.right - r.left;
        const int32_t h = r.bottom - r.top;
        CellRect first = r;
        CellRect second = r;
        if (h >= w) {
            const int32_t y = r.top + 1 + random.Below(h - 1);
            first.bottom = y;
            second.top = y;
        } else {
            const int32_t x = r.left + 1 + random.Below(w - 1);
            first.right = x;
            second.left = x;
        }
        pool[chosen] = pool[--open];
        place(first);
        place(second);
    }

    for (int32_t i = 0; i < n; ++i) {
        const int32_t j = random.Below(n);
        std::swap(pool[i], pool[j]);
    }
    InstallRectangles(pool);
}

void GameField::InstallRectangles(std::span<const CellRect> rects)
{
    for (int32_t i = 0; i < m_option.cell; ++i) {
        FieldCell& c = m_cells[i];
        c.left = rects[i].left;
        c.top = rects[i].top;
        c.right = rects[i].right;
        c.bottom = rects[i].bottom;
    }
    m_pattern.reset();
}

void GameField::PlaceObstaclesAndTraps()
{
    const int32_t n = m_option.cell;
    std::vector<int32_t> order(static_cast<size_t>(n));
    for (int32_t i = 0; i < n; ++i)
        order[i] = i;
    for (int32_t i = 0; i < m_option.obstacle + m_option.trap; ++i) {
        const int32_t j = links.random.Below(n);
        std::swap(order[i], order[j]);
    }
    MarkObstaclesAndTraps(order);
}

// The first `obstacle` cells of the order become obstacles, the next `trap` ones traps.
void GameField::MarkObstaclesAndTraps(std::span<const int32_t> order)
{
    for (FieldCell& c : m_cells) {
        c.player = -1;
        c.enemy = -1;
        c.obstacle = -1;
        c.trap = -1;
        c.unvisited = 0;
    }
    const int32_t obstacles = m_option.obstacle;
    const int32_t blocked = obstacles + m_option.trap;
    for (int32_t i = 0; i < blocked; ++i) {
        FieldCell& c = m_cells[order[i]];
        (i < obstacles ? c.obstacle : c.trap) = 0;
        c.unvisited = -1;
    }
    m_pattern.reset();
}

// The fallback when drawn placements keep failing: the ordinary cells become one
// patch grown breadth first from a random cell, so the player can clear the pattern
// over ordinary cells alone; the cells found last become the obstacles and traps.
void GameField::PlaceConnected(const GamePattern& shape)
{
    const int32_t n = m_option.cell;
    std::vector<int32_t> order;
    order.reserve(static_cast<size_t>(n));
    std::vector<bool> seen(static_cast<size_t>(n), false);
    const int32_t start = RandomCell();
    seen[start] = true;
    order.push_back(start);
    for (size_t i = 0; i < order.size(); ++i) {
        for (const int32_t next : shape.Neighbours(order[i])) {
            if (!seen[next]) {
                seen[next] = true;
                order.push_back(next);
            }
        }
    }
    std::reverse(order.begin(), order.end());
    MarkObstaclesAndTraps(order);
}

bool GameField::CheckReachable() const
{
    return Reachable(pattern());
}

// The walk reads the obstacles and traps from the records, so a shape made before the
// latest placement serves.
bool GameField::Reachable(const GamePattern& shape) const
{
    const int32_t n = m_option.cell;
    std::vector<bool> reached(static_cast<size_t>(n), false);
    for (int32_t i = 0; i < n; ++i) {
        if (m_cells[i].unvisited >= 0) {
            ReachWalk(shape, i, 0, reached);
            break;
        }
    }
    for (int32_t i = 0; i < n; ++i) {
        if (m_cells[i].unvisited >= 0 && !reached[i])
            return false;
    }
    return true;
}

// A walk counts its steps since the last cell to visit as the moves of a cycle: the one
// the enemies follow must not end on a trap, and the walk goes no further. It marks a cell
// when it is entered and never enters it again, so a cell first met at the chase move
// after an ordinary cell stays unexpanded even if a shorter way exists.
void GameField::ReachWalk(const GamePattern& shape, int32_t cell, int32_t steps, std::vector<bool>& reached) const
{
    reached[cell] = true;
    int32_t s = steps + 1;
    if (s == Rules::ChaseMove)
        return;
    if (m_cells[cell].unvisited >= 0)
        s = 0;
    for (const int32_t next : shape.Neighbours(cell)) {
        if (reached[next] || m_cells[next].obstacle >= 0)
            continue;
        if (s + 1 == Rules::ChaseMove && m_cells[next].trap >= 0)
            continue;
        ReachWalk(shape, next, s, reached);
    }
}
