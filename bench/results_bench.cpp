// A season of 30 nights for 100 players in the results file: reading the file, then the
// newest night's results and the season's standings worked out from it, with the points
// split among ties, countback, and flights drawn by handicap every night. Then a file at
// its limit, 30,000 lines, whose standings must take well under 100 ms: 300 nights of 100
// players and 30,000 nights of one, with flights drawn every night and at the first night.
#include "results/night.h"
#include "results/resultsfile.h"
#include "results/standings.h"

#include <benchmark/benchmark.h>

#include <sstream>

using namespace greenfold;

namespace {

ResultsFile season(int nights = 30, int players = 100) {
    ResultsFile f;
    f.settings.ties = TieRule::countback;
    f.settings.flights = FlightMode::byhandicap;
    f.settings.flightcount = 4;
    f.settings.draw = FlightDraw::everynight;
    f.settings.bestnights = 20;
    f.settings.points = {20, 18, 16, 14, 12, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1};
    for (int night = 0; night < nights; ++night)
        for (int p = 1; p <= players; ++p) {
            ResultLine l;
            // From 1985 on, 28 nights a month.
            l.date = {int16_t(1 + night / 28 % 12), int16_t(1 + night % 28),
                      int16_t((85 + night / 336) % 100)};
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

void fullfilestandings(benchmark::State& state) {
    const int players = int(state.range(0));
    ResultsFile f = season(maxresultlines / players, players);
    if (state.range(1) == 1) f.settings.draw = FlightDraw::firstnight;
    for (auto _ : state) benchmark::DoNotOptimize(standings(f));
}

} // namespace

BENCHMARK(readseason)->Unit(benchmark::kMillisecond);
BENCHMARK(newestnight)->Unit(benchmark::kMillisecond);
BENCHMARK(seasonstandings)->Unit(benchmark::kMillisecond);
BENCHMARK(fullfilestandings)
    ->Args({100, 0})
    ->Args({100, 1})
    ->Args({1, 0})
    ->Args({1, 1})
    ->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
