#include "Gameparts.h"

#include "GameRandom.h"
#include "GameRules.h"
#include "GameState.h"
#include "Gamefield.h"

namespace {

// The blink comes on average once in this many ticks.
constexpr int32_t BlinkOdds = 32;
constexpr int32_t BlinkFrame = 4;
constexpr int32_t LastSpinFrame = 3;

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
        m_aim = Aim::Centre(field.pattern().Rect(c));
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

// The rules' view of the live game: the pieces as the field's records show them. Every
// change goes through SetCell, so the field's changed list names what to redraw.
class GamePlayer::Board {
public:
    explicit Board(GamePlayer& player)
        : player(player)
        , links(player.links)
    {
    }

    const GamePattern& pattern() const { return links.field.pattern(); }
    int32_t playerCell() const { return player.m_cellIndex; }
    int32_t cycleMoves() const { return player.m_cycleMoves; }
    bool EnemyOn(int32_t cell) const { return links.field.Cell(cell).enemy >= 0; }
    bool HasUnvisited() const { return links.field.HasUnvisited(); }
    std::span<const int32_t> enemyCells() const { return links.enemy.cells(); }

    void PlacePlayer(int32_t cell)
    {
        GameField& field = links.field;
        FieldCell record = field.Cell(player.m_cellIndex);
        record.player = -1;
        field.SetCell(player.m_cellIndex, record);
        // Read afresh, so that staying in place works.
        record = field.Cell(cell);
        record.player = 0;
        record.unvisited = -1;
        field.SetCell(cell, record);
        player.m_cellIndex = cell;
        ++player.m_cycleMoves;
        ++player.m_totalMoves;
    }
    void EndCycle() { player.m_cycleMoves = 0; }
    void Chase() { links.enemy.Chase(); }

private:
    GamePlayer& player;
    const GameLinks& links;
};

MoveReport GamePlayer::Move(int32_t cell)
{
    Board board(*this);
    return {Rules::Move(board, cell)};
}

MoveReport GamePlayer::MoveTo(BoardSquare square)
{
    // A refused move changes nothing, the aim included.
    const MoveReport report = Move(links.field.Grid(square.column, square.row));
    if (report.made())
        m_aim = square;
    return report;
}

void GamePlayer::Restore(const GamePosition& position)
{
    m_cellIndex = position.player;
    m_cycleMoves = position.cycleMoves;
    m_totalMoves = position.totalMoves;
    m_aim = position.aim;
}

BoardSquare GamePlayer::aim() const
{
    return Aim::ClampInto(links.field.pattern().Rect(m_cellIndex), m_aim);
}

std::optional<BoardSquare> GamePlayer::LookAt(Heading heading) const
{
    return Aim::LookedAt(links.field.pattern().Rect(m_cellIndex), aim(), heading);
}
