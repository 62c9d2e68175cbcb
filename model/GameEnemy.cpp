#include "Gameparts.h"

#include "GameRandom.h"
#include "GameRules.h"
#include "GameState.h"
#include "SettingTable.h"
#include "Gamefield.h"
#include "StatusOption.h"

#include <algorithm>
#include <utility>

namespace {

// No board holds more pieces than it has squares.
constexpr int32_t MaxCount = GameField::Columns * GameField::Rows - 1;
constexpr int32_t FlashFrame = 4;
constexpr int32_t DanceFrames = 4;
constexpr int32_t HattrickBase = 5;

} // namespace

GameEnemy::GameEnemy(const GameLinks& links)
    : links(links)
{
    SetCount(Settings::EnemyCount.initial);
}

GameEnemy::~GameEnemy() = default;

// A count the settings file brings from outside is clamped to 0..233; a start then
// places only as many enemies as there are free cells (see ChangeState).
void GameEnemy::SetCount(int32_t n)
{
    m_count = std::clamp(n, 0, MaxCount);
    m_cells.assign(static_cast<size_t>(m_count), 0);
}

void GameEnemy::ChangeState(GameState state)
{
    GameField& field = links.field;
    if (state == GameState::Started || state == GameState::Retrying) {
        int32_t free = 0;
        for (int32_t c = 0; c < field.option().cell; ++c) {
            const FieldCell& record = field.Cell(c);
            free += record.player == -1 && record.enemy == -1;
        }
        m_cells.assign(static_cast<size_t>(std::min(m_count, free)), 0);
        for (int32_t& entry : m_cells) {
            int32_t c = 0;
            FieldCell record;
            do {
                c = field.RandomCell();
                record = field.Cell(c);
            } while (record.player != -1 || record.enemy != -1);
            record.enemy = 0;
            field.SetCell(c, record);
            entry = c;
        }
    } else if (state == GameState::Cleared) {
        const int32_t base = Rules::HatTrick(links.status.succeeding) ? HattrickBase : 0;
        for (const int32_t c : m_cells) {
            FieldCell record = field.Cell(c);
            record.enemy = links.random.Below(DanceFrames) + base;
            field.SetCell(c, record);
        }
    } else if (state == GameState::Gameover) {
        for (const int32_t c : m_cells) {
            FieldCell record = field.Cell(c);
            record.enemy = 0;
            field.SetCell(c, record);
        }
    }
}

void GameEnemy::Tick(GameState state)
{
    GameField& field = links.field;
    if (state == GameState::Started || state == GameState::Retrying) {
        const auto flashing = std::min(m_cells.size(), static_cast<size_t>(links.player.cycleMoves()));
        for (size_t i = 0; i < flashing; ++i) {
            FieldCell record = field.Cell(m_cells[i]);
            record.enemy = record.enemy == 0 ? FlashFrame : 0;
            field.SetCell(m_cells[i], record);
        }
    } else if (state == GameState::Cleared) {
        for (const int32_t c : m_cells) {
            FieldCell record = field.Cell(c);
            ++record.enemy;
            if (record.enemy == DanceFrames)
                record.enemy = 0;
            else if (record.enemy == HattrickBase + DanceFrames)
                record.enemy = HattrickBase;
            field.SetCell(c, record);
        }
    }
}

// The rules' view of the enemies on the field's records.
class GameEnemy::Board {
public:
    explicit Board(const GameLinks& links)
        : links(links)
    {
    }

    const GamePattern& pattern() const { return links.field.pattern(); }
    int32_t playerCell() const { return links.player.cellIndex(); }
    bool EnemyOn(int32_t cell) const { return links.field.Cell(cell).enemy >= 0; }
    void MoveEnemy(int32_t from, int32_t to)
    {
        GameField& field = links.field;
        FieldCell record = field.Cell(from);
        record.enemy = -1;
        field.SetCell(from, record);
        record = field.Cell(to);
        record.enemy = 0;
        field.SetCell(to, record);
    }

private:
    const GameLinks& links;
};

int32_t GameEnemy::Chase()
{
    Board board(links);
    Rules::ChaseInOrder(board, m_cells);

    // The next chase's order: drawn now, shown by the flashing until then.
    const auto count = static_cast<int32_t>(m_cells.size());
    for (int32_t i = 0; i < count; ++i) {
        const int32_t j = links.random.Below(count);
        std::swap(m_cells[i], m_cells[j]);
    }
    return count;
}
