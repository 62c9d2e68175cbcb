#include "Application.h"
#include "BoardView.h"
#include "GameForms.h"
#include "GameRandom.h"
#include "GameState.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>
#include <vector>

namespace {

// The peak resident memory of this process so far, in KiB.
double PeakKib()
{
    std::ifstream status("/proc/self/status");
    for (std::string line; std::getline(status, line);) {
        if (line.rfind("VmHWM:", 0) == 0)
            return std::stod(line.substr(6));
    }
    return 0;
}

// Every case runs at a zoom step, with the window's repaint of what changed
// (processing events paints it), since that is where a step costs.
void AtZoom(TSys& sys, int zoom)
{
    sys.SetZoom(zoom);
    if (sys.board().zoom() != zoom)
        qFatal("the offscreen screen does not hold the board at %d00 %%", zoom);
    QCoreApplication::processEvents();
}

// Cells drawn anew: the player's old and new ones for a move without a chase, or every
// cell as after a start or a retry.
void Cells(benchmark::State& state, TSys& sys, int zoom, bool wholeField)
{
    AtZoom(sys, zoom);
    GameField& field = sys.field();
    std::vector<int32_t> cells;
    if (wholeField) {
        for (int32_t i = 0; i < field.option().cell; ++i)
            cells.push_back(i);
    } else {
        cells = {sys.player().cellIndex(), field.Neighbours(sys.player().cellIndex()).front()};
    }
    for (auto _ : state) {
        for (const int32_t i : cells)
            field.SetCell(i, field.Cell(i));
        sys.board().DrawChangedCells(false);
        QCoreApplication::processEvents();
    }
    state.counters["peak_kib"] = PeakKib();
}

// One animation tick while the enemies dance, so every enemy's tile changes each time.
// The tick processes the events itself.
void Tick(benchmark::State& state, TSys& sys, int zoom)
{
    AtZoom(sys, zoom);
    if (sys.state() != GameState::Cleared)
        sys.SetState(GameState::Cleared, true);
    for (auto _ : state)
        sys.TimerTimer();
    state.counters["peak_kib"] = PeakKib();
}

void Message(benchmark::State& state, TSys& sys, int zoom)
{
    AtZoom(sys, zoom);
    for (auto _ : state) {
        sys.board().DrawMessage(QStringLiteral("H a t  T r i c k !!!"), QColor(255, 255, 128));
        QCoreApplication::processEvents();
    }
    state.counters["peak_kib"] = PeakKib();
}

}

// Times the drawing of the main window into its off-screen bitmap and its copy to the
// window, headless, on a screen that holds the board at 300 %.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" TARVIK_TEST_SCREEN);
    qputenv("SDL_AUDIODRIVER", "dummy");
    int qtArgc = 1;
    Application app(qtArgc, argv);
    GameRandom random(2024);
    // Whatever it saves at the end goes to a folder of its own.
    const QTemporaryDir folder;
    GameForms forms(random, GamePaths::InFolder(folder.path()));
    TSys& sys = *forms.sys;
    sys.PlayPattern({{40, 5, 5}, 5, 2024}, true);
    sys.show();

    for (const int zoom : {1, 3}) {
        const std::string step = "/" + std::to_string(zoom * 100) + "%";
        benchmark::RegisterBenchmark(("DrawMove" + step).c_str(), Cells, std::ref(sys), zoom, false);
        benchmark::RegisterBenchmark(("DrawWholeField/40cells" + step).c_str(), Cells, std::ref(sys), zoom, true);
    }
    benchmark::RegisterBenchmark("DrawTick/5enemies/100%", Tick, std::ref(sys), 1);
    benchmark::RegisterBenchmark("DrawMessage/100%", Message, std::ref(sys), 1);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
