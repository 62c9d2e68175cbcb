#include "TestGame.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <set>

namespace {

struct Options {
    FieldOption field;
    int32_t enemies;
};

class Soak {
public:
    Soak(uint32_t seed, const Options& options)
        : game(seed)
        , clicks(seed * 7919u + 1u)
    {
        game.field.SetOption(options.field);
        game.enemy.SetCount(options.enemies);
    }

    // Plays until `moves` clicks have been made, starting and retrying as a player would.
    void Play(int64_t moves)
    {
        NewRound(GameState::Started);
        for (int64_t i = 0; i < moves && !testing::Test::HasFailure(); ++i) {
            if (Pick(4) == 0) {
                game.player.Tick(state);
                game.enemy.Tick(state);
                CheckBoard();
            }
            const GameState result = Click();
            if (result != GameState::None || game.player.totalMoves() > 400)
                EndRound(result);
        }
    }

    int64_t made = 0;
    int64_t refused = 0;
    int64_t clears = 0;
    int64_t catches = 0;

private:
    int32_t Pick(int32_t n) { return static_cast<int32_t>(clicks() % static_cast<uint32_t>(n)); }

    void NewRound(GameState next)
    {
        state = next;
        game.SetState(state);
        entered = {game.player.cellIndex()};
        CheckBoard();
    }

    void EndRound(GameState result)
    {
        if (result == GameState::Cleared)
            ++game.status.succeeding;
        else
            game.status.succeeding = 0;
        if (result != GameState::None) {
            state = result;
            game.SetState(state);
            for (int i = 0; i < 6; ++i) {
                game.player.Tick(state);
                game.enemy.Tick(state);
                CheckBoard();
            }
        }
        NewRound(Pick(2) ? GameState::Started : GameState::Retrying);
    }

    // A click on a neighbour still to be visited, any neighbour, the player's own
    // cell or anywhere on the board.
    GameState Click()
    {
        GameField& field = game.field;
        const int32_t from = game.player.cellIndex();
        const auto list = field.Neighbours(from);
        int32_t target = from;
        const int32_t kind = Pick(20);
        if (kind < 12 && !list.empty()) {
            target = list[static_cast<size_t>(Pick(static_cast<int32_t>(list.size())))];
            for (const int32_t c : list) {
                if (kind < 8 && field.Cell(c).unvisited >= 0 && field.Cell(c).enemy < 0)
                    target = c;
            }
        } else if (kind >= 14) {
            target = field.Grid(Pick(GameField::Columns), Pick(GameField::Rows));
        }

        const FieldCell& t = field.Cell(target);
        const bool third = game.player.cycleMoves() == 2;
        const bool legal = t.enemy < 0 && t.obstacle < 0 && !(third && t.trap >= 0) &&
                           (target == from || field.IsNeighbour(target, from));
        const std::vector<FieldCell> before = Records();
        const std::vector<int32_t> enemiesBefore = game.enemy.cells();
        const int32_t movesBefore = game.player.totalMoves();

        const MoveReport report = game.player.Move(target);
        const GameState result = report.state();
        ++made;
        field.ClearChanged();

        // The report tells a refusal and a chase as the board shows them.
        EXPECT_EQ(report.made(), legal);
        EXPECT_EQ(report.result == Rules::MoveResult::Chased, legal && third && result == GameState::None);

        EXPECT_TRUE(result == GameState::None || result == GameState::Cleared || result == GameState::Gameover);
        EXPECT_EQ(result == GameState::Cleared, !field.HasUnvisited());
        clears += result == GameState::Cleared;
        catches += result == GameState::Gameover;
        if (!legal) {
            ++refused;
            EXPECT_EQ(result, GameState::None);
            EXPECT_EQ(game.player.totalMoves(), movesBefore);
            EXPECT_EQ(Records(), before) << "a refused move changed the board";
            return result;
        }
        EXPECT_EQ(game.player.totalMoves(), movesBefore + 1);
        EXPECT_EQ(game.player.cellIndex(), target);
        entered.insert(target);
        bool adjacent = false;
        for (const int32_t e : enemiesBefore)
            adjacent = adjacent || field.IsNeighbour(target, e);
        if (third && result != GameState::Cleared) {
            EXPECT_EQ(result == GameState::Gameover, adjacent);
        }
        if (result == GameState::Gameover) {
            EXPECT_TRUE(third);
            EXPECT_EQ(game.enemy.cells(), enemiesBefore);
        }
        if (result != GameState::Cleared)
            CheckBoard();
        return result;
    }

    std::vector<FieldCell> Records() const
    {
        std::vector<FieldCell> all;
        for (int32_t c = 0; c < game.field.option().cell; ++c)
            all.push_back(game.field.Cell(c));
        return all;
    }

    void CheckBoard() const
    {
        const GameField& field = game.field;
        const FieldOption& option = field.option();
        const int32_t at = game.player.cellIndex();
        int32_t players = 0, obstacles = 0, traps = 0;
        std::set<int32_t> enemyCells;
        for (int32_t c = 0; c < option.cell; ++c) {
            const FieldCell& r = field.Cell(c);
            players += r.player >= 0;
            obstacles += r.obstacle == 0;
            traps += r.trap == 0;
            if (r.enemy >= 0)
                enemyCells.insert(c);
            EXPECT_LE(r.player, 4);
            EXPECT_LE(r.enemy, 8);
            EXPECT_FALSE(r.obstacle == 0 && r.trap == 0);
        }
        EXPECT_EQ(players, 1);
        EXPECT_GE(field.Cell(at).player, 0);
        EXPECT_EQ(field.Cell(at).obstacle, -1);
        EXPECT_EQ(field.Cell(at).enemy, -1);
        EXPECT_EQ(obstacles, option.obstacle);
        EXPECT_EQ(traps, option.trap);
        const auto& enemies = game.enemy.cells();
        EXPECT_EQ(std::set<int32_t>(enemies.begin(), enemies.end()), enemyCells);
        EXPECT_EQ(enemyCells.size(), enemies.size()) << "two enemies on one cell";
        for (const int32_t c : entered)
            EXPECT_EQ(field.Cell(c).unvisited, -1) << "entered cell " << c;
        // A clearing third move leaves the count at 3 until the next round.
        if (state == GameState::Started || state == GameState::Retrying) {
            EXPECT_LT(game.player.cycleMoves(), 3);
        }
    }

    TestGame<GameRandom> game;
    std::mt19937 clicks;
    GameState state = GameState::Waiting;
    std::set<int32_t> entered;
};

} // namespace

TEST(Soak, ScriptedPlayerKeepsEveryRule)
{
    const Options options[] = {
        {{32, 3, 2}, 3}, {{24, 0, 0}, 1}, {{24, 5, 5}, 5}, {{40, 5, 5}, 5},
        {{40, 0, 5}, 2}, {{30, 5, 0}, 4}, {{24, 5, 5}, 0}, {{12, 5, 5}, 9},
    };
    const auto begin = std::chrono::steady_clock::now();
    int64_t total = 0, refused = 0, clears = 0, catches = 0;
    for (uint32_t seed = 1; seed <= 40; ++seed) {
        for (const Options& o : options) {
            Soak soak(seed, o);
            soak.Play(600);
            total += soak.made;
            refused += soak.refused;
            clears += soak.clears;
            catches += soak.catches;
            ASSERT_FALSE(HasFailure()) << "seed " << seed << ", options " << o.field.cell << "/" << o.field.obstacle
                                       << "/" << o.field.trap << "/" << o.enemies;
        }
    }
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - begin).count();
    EXPECT_GE(total, 100000);
    EXPECT_GT(refused, total / 10);
    EXPECT_GT(clears, 100);
    EXPECT_GT(catches, 100);
    std::printf("%lld clicks (%lld refused, %lld clears, %lld catches) in %.2f s\n", static_cast<long long>(total),
                static_cast<long long>(refused), static_cast<long long>(clears), static_cast<long long>(catches),
                seconds);
}
