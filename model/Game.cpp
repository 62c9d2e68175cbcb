#include "Game.h"

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

GameState Game::MoveTo(BoardSquare square)
{
    return m_player.MoveTo(square);
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
    for (int32_t c = 0; c < m_field.option().cell; ++c)
        position.unvisited.push_back(m_field.Cell(c).unvisited);
    return position;
}
