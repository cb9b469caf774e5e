// Rebuilding each view of the round list for a full league (100 players x 20 rounds,
// every round on its own date: 2000 dates), and showing a view in the main window.
#include "lists/views.h"
#include "model/leaguefile.h"

#include <benchmark/benchmark.h>

#ifdef GREENFOLD_BENCH_GUI
#include "shell/ui/mainwindow.h"
#include "support/fakeservices.h"
#include "support/testfiles.h"

#include <QAction>
#include <QApplication>
#endif

#include <memory>
#include <string>

using namespace greenfold;

namespace {

std::unique_ptr<ProgramState> fullleague() {
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "Full.LGE";
    g->playercount = maxplayers;
    g->coursecount = 1;
    g->coursedata[1][courseline_initials] = "FC";
    for (int p = 1; p <= maxplayers; ++p) {
        g->playername[p] = "Player number " + std::to_string(p);
        g->playertee[p] = tee_mens;
        g->roundcount[p] = maxrounds;
        for (int r = 1; r <= maxrounds; ++r) {
            const int day = (p - 1) * maxrounds + r; // 2000 different days
            g->ryear[p][r] = int16_t(day / 372);
            g->rmonth[p][r] = int16_t(1 + day / 31 % 12);
            g->rday[p][r] = int16_t(1 + day % 31);
            g->roundcourse[p][r] = 1;
            g->differential[p][r] = float(p % 30) + 0.4f;
            g->hcpindex[p][r] = float(r % 25) + 0.8f;
            g->coursehcp[p][r] = float(r % 25);
            for (int k = 1; k <= 18; ++k) g->holescore[p][r][k] = int16_t(3 + (p + k) % 5);
            g->holescore[p][r][19] = 45;
            g->holescore[p][r][20] = 44;
        }
    }
    return g;
}

void recentview(benchmark::State& state) {
    auto g = fullleague();
    RoundView v;
    v.view = view_recent;
    for (auto _ : state) benchmark::DoNotOptimize(refreshview(*g, v));
}

void dateview(benchmark::State& state) {
    auto g = fullleague();
    RoundView v;
    v.view = view_date;
    for (auto _ : state) benchmark::DoNotOptimize(showdates(*g, v));
}

void playerview(benchmark::State& state) {
    auto g = fullleague();
    for (auto _ : state) benchmark::DoNotOptimize(showplayer(*g, 50));
}

#ifdef GREENFOLD_BENCH_GUI
// The main window redrawing its lists for the view chosen in the VIEW menu.
void windowview(benchmark::State& state) {
    testing::TempDir dir;
    auto g = fullleague();
    (void)saveleague(*g, dir.path());
    testing::FakeServices fake;
    MainWindow form(*g, fake.services);
    form.load(dir.path(), dir.path().string() + "/");
    g->leaguefile = "Full.LGE";
    const int view = int(state.range(0));
    for (auto _ : state) form.viewcommand(view);
}
BENCHMARK(windowview)->Arg(1)->Arg(2)->Unit(benchmark::kMillisecond);
#endif

} // namespace

BENCHMARK(recentview)->Unit(benchmark::kMicrosecond);
BENCHMARK(dateview)->Unit(benchmark::kMicrosecond);
BENCHMARK(playerview)->Unit(benchmark::kMicrosecond);

int main(int argc, char** argv) {
#ifdef GREENFOLD_BENCH_GUI
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
#endif
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
