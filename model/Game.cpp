#include "Game.h"

#include "GameRandom.h"

#include <algorithm>
#include <utility>

Game::Game(GameRandom& random, const StatusOption& status)
    : links{random, status, m_player, m_enemy, m_field}
    , m_player(links)
    , m_enemy(links)
    , m_field(links)
{
}

void Game::ChangeState(GameState state)
{
    m_field.ChangeState(state);
    m_player.ChangeState(state);
    m_enemy.ChangeState(state);
    m_history.Clear();
}

void Game::Deal(const PatternNumber& number)
{
    SetOptions(number.field, number.enemies);
    m_number = {m_field.option(), m_enemy.count(), number.seed};
    links.random.Reseed(number.seed);
    ChangeState(GameState::Started);
}

void Game::Tick(GameState state)
{
    m_player.Tick(state);
    m_enemy.Tick(state);
}

bool Game::Animates(GameState state)
{
    // The player blinks in play and after a clear and spins when caught; the enemies
    // flash and dance in a subset of those states.
    return InPattern(state) || state == GameState::Cleared || state == GameState::Gameover;
}

MoveReport Game::MoveTo(BoardSquare square)
{
    GamePosition before = Position();
    const MoveReport report = m_player.MoveTo(square);
    if (report.made())
        m_history.Made(std::move(before), report.result);
    return report;
}

MoveReport Game::Undo()
{
    if (!m_history.CanUndo())
        return {};
    Restore(m_history.Undo(Position()));
    return {Rules::MoveResult::Made};
}

MoveReport Game::Redo()
{
    if (!m_history.CanRedo())
        return {};
    const GameHistory::Step again = m_history.Redo(Position());
    Restore(again.position);
    return {again.result};
}

// The pieces stand still in their first frames, as after a move; a cell is written only
// where it looks different, so only those are drawn again.
void Game::Restore(const GamePosition& position)
{
    const auto& enemies = position.enemies;
    for (int32_t c = 0; c < m_field.option().cell; ++c) {
        FieldCell record = m_field.Cell(c);
        const FieldCell before = record;
        record.player = c == position.player ? 0 : -1;
        record.enemy = std::find(enemies.begin(), enemies.end(), c) != enemies.end() ? 0 : -1;
        record.unvisited = position.unvisited[c];
        if (record != before)
            m_field.SetCell(c, record);
    }
    m_player.Restore(position);
    m_enemy.Restore(enemies);
}

void Game::SetOptions(const FieldOption& field, int32_t enemyCount)
{
    m_field.SetOption(field);
    m_enemy.SetCount(enemyCount);
}

GamePosition Game::Position() const
{
    GamePosition position;
    position.player = m_player.cellIndex();
    position.enemies = m_enemy.cells();
    position.cycleMoves = m_player.cycleMoves();
    position.totalMoves = m_player.totalMoves();
    position.aim = m_player.aim();
    for (int32_t c = 0; c < m_field.option().cell; ++c)
        position.unvisited.push_back(m_field.Cell(c).unvisited);
    return position;
}
