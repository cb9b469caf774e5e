// A season of 30 nights for 100 players in the results file: reading the file, then the
// newest night's results and the season's standings worked out from it, with the points
// split among ties, countback, and flights drawn by handicap every night.
#include "results/night.h"
#include "results/resultsfile.h"
#include "results/standings.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace greenfold;

namespace {

ResultsFile season() {
    ResultsFile f;
    f.settings.ties = TieRule::countback;
    f.settings.flights = FlightMode::byhandicap;
    f.settings.flightcount = 4;
    f.settings.draw = FlightDraw::everynight;
    f.settings.bestnights = 20;
    f.settings.points = {20, 18, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int night = 0; night < 30; ++night)
        for (int p = 1; p <= 100; ++p) {
            ResultLine l;
            l.date = {int16_t(4 + night / 10), int16_t(1 + night % 10 * 3), 26};
            l.name = "Player number " + std::to_string(p);
            l.course = 1;
            l.tee = tee_mens;
            for (int h = 0; h < 18; ++h)
                l.holes[std::size_t(h)] = int16_t(3 + (p * 7 + night * 3 + h) % 5);
            for (int h = 0; h < 9; ++h) l.out = int16_t(l.out + l.holes[std::size_t(h)]);
            for (int h = 9; h < 18; ++h) l.in = int16_t(l.in + l.holes[std::size_t(h)]);
            if (night > 0 || p % 10 != 0) {
                l.index = 10 * (p % 30) + night % 7;
                l.base = p % 30;
                l.hcp = p % 30;
            }
            f.lines.push_back(std::move(l));
        }
    return f;
}

const std::string& seasonbytes() {
    static const std::string bytes = resultsbytes(season());
    return bytes;
}

void readseason(benchmark::State& state) {
    for (auto _ : state) {
        std::istringstream in(seasonbytes());
        benchmark::DoNotOptimize(readresults(in));
    }
}

void newestnight(benchmark::State& state) {
    std::istringstream in(seasonbytes());
    const ResultsFile f = *readresults(in);
    for (auto _ : state) benchmark::DoNotOptimize(nightresults(f, seasonnights(f).front()));
}

void seasonstandings(benchmark::State& state) {
    std::istringstream in(seasonbytes());
    const ResultsFile f = *readresults(in);
    for (auto _ : state) benchmark::DoNotOptimize(standings(f));
}

} // namespace

BENCHMARK(readseason)->Unit(benchmark::kMillisecond);
BENCHMARK(newestnight)->Unit(benchmark::kMillisecond);
BENCHMARK(seasonstandings)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
