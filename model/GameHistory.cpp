#include "GameHistory.h"

#include <utility>

void GameHistory::Clear()
{
    made.clear();
    undone.clear();
    m_movesMade = 0;
}

void GameHistory::Made(GamePosition before, Rules::MoveResult result)
{
    made.push_back({std::move(before), result});
    undone.clear();
    ++m_movesMade;
}

GamePosition GameHistory::Undo(GamePosition current)
{
    Step back = std::move(made.back());
    made.pop_back();
    undone.push_back({std::move(current), back.result});
    return std::move(back.position);
}

GameHistory::Step GameHistory::Redo(GamePosition current)
{
    Step again = std::move(undone.back());
    undone.pop_back();
    made.push_back({std::move(current), again.result});
    return again;
}
