#include "Application.h"
#include "GameForms.h"
#include "GameRandom.h"
#include "GameState.h"

#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include <fstream>
#include <string>

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

// The whole field drawn anew, as after a start or a retry.
void WholeField(benchmark::State& state, TSys& sys)
{
    GameField& field = sys.field();
    const int32_t cells = field.option().cell;
    for (auto _ : state) {
        for (int32_t i = 0; i < cells; ++i)
            field.SetCell(i, field.Cell(i));
        sys.DrawChangedCells(false);
    }
    state.counters["peak_kib"] = PeakKib();
}

// One animation tick while the enemies dance, so every enemy's tile changes each time.
void Tick(benchmark::State& state, TSys& sys)
{
    if (sys.state() != GameState::Cleared)
        sys.SetState(GameState::Cleared, true);
    for (auto _ : state) {
        sys.TimerTimer();
        sys.DrawChangedCells(true);
    }
    state.counters["peak_kib"] = PeakKib();
}

void Message(benchmark::State& state, TSys& sys)
{
    for (auto _ : state)
        sys.DrawMessage(QStringLiteral("H a t  T r i c k !!!"), QColor(255, 255, 128));
    state.counters["peak_kib"] = PeakKib();
}

}

// Times the drawing of the main window into its off-screen bitmap, headless.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("SDL_AUDIODRIVER", "dummy");
    int qtArgc = 1;
    Application app(qtArgc, argv);
    GameRandom random(2024);
    // Whatever it saves at the end goes to a folder of its own.
    const QTemporaryDir folder;
    GameForms forms(random, GamePaths::InFolder(folder.path()));
    TSys& sys = *forms.sys;
    sys.field().SetOption({40, 5, 5});
    sys.enemy().SetCount(5);
    sys.SetState(GameState::Started, true);

    benchmark::RegisterBenchmark("DrawWholeField/40cells", WholeField, std::ref(sys));
    benchmark::RegisterBenchmark("DrawTick/5enemies", Tick, std::ref(sys));
    benchmark::RegisterBenchmark("DrawMessage", Message, std::ref(sys));
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
