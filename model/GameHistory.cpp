#include "GameHistory.h"

#include <utility>

void GameHistory::Clear()
{
    made.clear();
    undone.clear();
    m_movesMade = 0;
}

void GameHistory::Made(GamePosition before)
{
    made.push_back(std::move(before));
    undone.clear();
    ++m_movesMade;
}

GamePosition GameHistory::Undo(GamePosition current)
{
    GamePosition back = std::move(made.back());
    made.pop_back();
    undone.push_back(std::move(current));
    return back;
}

GamePosition GameHistory::Redo(GamePosition current)
{
    GamePosition again = std::move(undone.back());
    undone.pop_back();
    made.push_back(std::move(current));
    return again;
}
