#include "Gameparts.h"

#include "GameRandom.h"
#include "GameState.h"
#include "Gamefield.h"

namespace {

// The blink comes on average once in this many ticks.
constexpr int32_t BlinkOdds = 32;
constexpr int32_t BlinkFrame = 4;
constexpr int32_t LastSpinFrame = 3;
// The move of a cycle after which the enemies move.
constexpr int32_t ChaseMove = 3;

} // namespace

GamePlayer::GamePlayer(const GameLinks& links)
    : links(links)
{
}

GamePlayer::~GamePlayer() = default;

void GamePlayer::ChangeState(GameState state)
{
    GameField& field = links.field;
    if (state == GameState::Started || state == GameState::Retrying) {
        // The field has just been reset, and its limits leave at least one ordinary cell.
        int32_t c = 0;
        FieldCell record;
        do {
            c = field.RandomCell();
            record = field.Cell(c);
        } while (record.enemy != -1 || record.obstacle != -1 || record.trap != -1);
        record.player = 0;
        record.unvisited = -1;
        field.SetCell(c, record);
        m_cellIndex = c;
        m_aim = Aim::Centre(record);
        m_cycleMoves = 0;
        m_totalMoves = 0;
    } else if (state == GameState::Cleared || state == GameState::Gameover) {
        FieldCell record = field.Cell(m_cellIndex);
        record.player = 0;
        field.SetCell(m_cellIndex, record);
    }
}

void GamePlayer::Tick(GameState state)
{
    GameField& field = links.field;
    if (state == GameState::Started || state == GameState::Retrying || state == GameState::Cleared) {
        FieldCell record = field.Cell(m_cellIndex);
        if (record.player == 0) {
            if (links.random.Below(BlinkOdds) == 0) {
                record.player = BlinkFrame;
                field.SetCell(m_cellIndex, record);
            }
        } else if (record.player == BlinkFrame) {
            record.player = 0;
            field.SetCell(m_cellIndex, record);
        }
    } else if (state == GameState::Gameover) {
        FieldCell record = field.Cell(m_cellIndex);
        record.player = record.player >= LastSpinFrame ? 0 : record.player + 1;
        field.SetCell(m_cellIndex, record);
    }
}

GameState GamePlayer::Move(int32_t cell)
{
    GameField& field = links.field;
    const FieldCell& target = field.Cell(cell);
    if (target.enemy >= 0 || target.obstacle >= 0)
        return GameState::None;
    if (m_cycleMoves + 1 == ChaseMove && target.trap >= 0)
        return GameState::None;
    if (cell != m_cellIndex && !field.IsNeighbour(cell, m_cellIndex))
        return GameState::None;

    FieldCell record = field.Cell(m_cellIndex);
    record.player = -1;
    field.SetCell(m_cellIndex, record);
    record = field.Cell(cell);
    record.player = 0;
    record.unvisited = -1;
    field.SetCell(cell, record);

    m_cellIndex = cell;
    ++m_cycleMoves;
    ++m_totalMoves;

    // Clearing wins even when the same move ends next to an enemy.
    if (!field.HasUnvisited())
        return GameState::Cleared;
    if (m_cycleMoves != ChaseMove)
        return GameState::None;
    m_cycleMoves = 0;
    for (const int32_t enemyCell : links.enemy.cells()) {
        if (field.IsNeighbour(m_cellIndex, enemyCell))
            return GameState::Gameover;
    }
    links.enemy.Chase();
    return GameState::None;
}

GameState GamePlayer::MoveTo(BoardSquare square)
{
    // Every move made counts, and a refused one changes nothing, the count included.
    const int32_t before = m_totalMoves;
    const GameState result = Move(links.field.Grid(square.column, square.row));
    if (m_totalMoves != before)
        m_aim = square;
    return result;
}

BoardSquare GamePlayer::aim() const
{
    return Aim::ClampInto(links.field.Cell(m_cellIndex), m_aim);
}

std::optional<BoardSquare> GamePlayer::LookAt(Heading heading) const
{
    return Aim::LookedAt(links.field.Cell(m_cellIndex), aim(), heading);
}
