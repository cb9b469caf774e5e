// Laying out the long handicap list of a full league (100 players x 20 rounds) on the
// recording surface, and rendering it into a PDF file through the Qt surface; the same
// for the short list and the handicap cards of every player.
#include "lists/views.h"
#include "reports/cardlayout.h"
#include "reports/handicaplists.h"
#include "reports/recordingsurface.h"

#include <benchmark/benchmark.h>

#ifdef GREENFOLD_BENCH_GUI
#include "platform/qtprintsurface.h"

#include <QApplication>
#include <QDir>
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
        g->roundcount[p] = maxrounds;
        for (int r = 1; r <= maxrounds; ++r) {
            g->rmonth[p][r] = int16_t(1 + r % 12);
            g->rday[p][r] = int16_t(1 + p % 28);
            g->ryear[p][r] = 4;
            g->roundcourse[p][r] = 1;
            g->hcpindex[p][r] = float(r % 25) + 0.8f;
            g->coursehcp[p][r] = float(r % 25);
            for (int k = 1; k <= 18; ++k) g->holescore[p][r][k] = int16_t(3 + (p + k) % 5);
            g->holescore[p][r][19] = 45;
            g->holescore[p][r][20] = 44;
        }
    }
    return g;
}

ListLines recent(const ProgramState& g) {
    RoundView v;
    return *refreshview(g, v);
}

void longlistlayout(benchmark::State& state) {
    auto g = fullleague();
    const ListLines lines = recent(*g);
    for (auto _ : state) {
        RecordingSurface s;
        printlongreport(s, *g, lines, "05-14-2004");
        benchmark::DoNotOptimize(s.printout().texts.size());
    }
}
BENCHMARK(longlistlayout)->Unit(benchmark::kMicrosecond);

#ifdef GREENFOLD_BENCH_GUI
std::string benchpdf(const char* name) {
    return (QDir::tempPath() + "/greenfold-bench-" + name + ".pdf").toStdString();
}

void longlistpdf(benchmark::State& state) {
    auto g = fullleague();
    const ListLines lines = recent(*g);
    const std::string file = benchpdf("longlist");
    for (auto _ : state) {
        QtPrintSurface s(file);
        printlongreport(s, *g, lines, "05-14-2004");
    }
    QFile::remove(QString::fromStdString(file));
}
BENCHMARK(longlistpdf)->Unit(benchmark::kMillisecond);

void shortlistpdf(benchmark::State& state) {
    auto g = fullleague();
    const ListLines lines = recent(*g);
    const std::string file = benchpdf("shortlist");
    for (auto _ : state) {
        QtPrintSurface s(file);
        printshortreport(s, *g, lines, "05-14-2004");
    }
    QFile::remove(QString::fromStdString(file));
}
BENCHMARK(shortlistpdf)->Unit(benchmark::kMillisecond);

void allcardspdf(benchmark::State& state) {
    auto g = fullleague();
    const std::string file = benchpdf("cards");
    for (auto _ : state) {
        std::vector<int> everyone(maxplayers);
        for (int i = 0; i < maxplayers; ++i) everyone[std::size_t(i)] = i;
        QtPrintSurface s(file);
        printcardjob(s, *g, selectcards(*g, everyone), "05-14-2004", PrintPicture{cardlogo, {}});
    }
    QFile::remove(QString::fromStdString(file));
}
BENCHMARK(allcardspdf)->Unit(benchmark::kMillisecond);
#endif

} // namespace

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
