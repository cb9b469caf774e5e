// The handicap engine over a full league: every player records 20 rounds (differential,
// index and course handicap each time), then every player's latest index is recomputed.
// Beside it, one round recorded for a player with 20 rounds under each method (under the
// WHS method with seventeen years of weekly indexes), and a full league worked out again.
#include "scoring/handicap.h"
#include "scoring/replay.h"
#include "scoring/roundslots.h"
#include "whs/strokeindex.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace greenfold;

namespace {

std::unique_ptr<ProgramState> fullcourses() {
    auto g = std::make_unique<ProgramState>();
    g->coursecount = maxcourses;
    for (int c = 1; c <= maxcourses; ++c) {
        g->coursedata[c][1] = "Course " + std::to_string(c);
        for (int h = 1; h <= 18; ++h)
            g->coursedata[c][courseline_par0 + h] = std::to_string(3 + h % 3);
        for (int t = 1; t <= 3; ++t) {
            g->coursedata[c][courseline_rating0 + t] =
                std::to_string(68 + t) + "." + std::to_string(c % 10);
            g->coursedata[c][courseline_slope0 + t] = std::to_string(110 + (c + t) % 40);
        }
        // Every other course has its stroke indexes; the classic method never reads them.
        if (c % 2 == 0)
            g->coursedata[c][courseline_strokeindex] = whs::strokeindexline(
                {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10});
    }
    g->playercount = maxplayers;
    for (int p = 1; p <= maxplayers; ++p) {
        g->playername[p] = "Player number " + std::to_string(p);
        g->playertee[p] = tee_mens;
    }
    return g;
}

DisplayedRound roundfor(int p, int r) {
    DisplayedRound d;
    d.tee = 1 + (p + r) % 3;
    int out = 0, in = 0;
    for (int h = 1; h <= 18; ++h) {
        const int s = 3 + (p * 7 + r * 3 + h) % 5;
        d.holes[h] = std::to_string(s);
        (h <= 9 ? out : in) += s;
    }
    d.out = "  " + std::to_string(out);
    d.in = "  " + std::to_string(in);
    return d;
}

void recordround_fullleague(benchmark::State& state) {
    auto g = fullcourses();
    for (auto _ : state) {
        clearleague(*g);
        g->playercount = maxplayers;
        for (int p = 1; p <= maxplayers; ++p) {
            for (int r = 1; r <= maxrounds; ++r) {
                const RoundEntry entry{p, 0, 1 + (p + r) % maxcourses, 6, 1, 26, roundfor(p, r)};
                benchmark::DoNotOptimize(recordround(*g, entry).stored);
            }
        }
        for (int p = 1; p <= maxplayers; ++p)
            benchmark::DoNotOptimize(calchcpindex(*g, p, maxrounds, tee_mens).size());
    }
}

// Every player with 20 rounds of 1..20 June 2026, recorded under the method.
std::unique_ptr<ProgramState> fullleague(HandicapMethod method) {
    auto g = fullcourses();
    g->method = method;
    for (int p = 1; p <= maxplayers; ++p)
        for (int r = 1; r <= maxrounds; ++r)
            recordround(*g, {p, 0, 1 + (p + r) % maxcourses, 6, r, 26, roundfor(p, r)});
    return g;
}

// Player 1's next round; under the WHS method he has had an index issued every week for
// seventeen years before these 20 rounds.
void recordround_twentyrounds(benchmark::State& state, HandicapMethod method) {
    auto g = fullleague(method);
    auto& issued = g->history[1].issued;
    std::vector<IssuedIndex> older;
    for (int week = 0; method == HandicapMethod::whs && week < 900; ++week)
        older.push_back(
            {int16_t(2006 + week / 52), int16_t(1 + week % 52 / 5), 1, int16_t(100 + week % 200)});
    issued.insert(issued.begin(), older.begin(), older.end());
    const std::size_t kept = issued.size();
    const RoundEntry entry{1, 0, 8, 6, 21, 26, roundfor(1, 21)};
    for (auto _ : state) {
        benchmark::DoNotOptimize(recordround(*g, entry).stored);
        issued.resize(kept);
    }
}

void replay_fullleague(benchmark::State& state, HandicapMethod method) {
    auto g = fullleague(method);
    for (auto _ : state) benchmark::DoNotOptimize(replayleague(*g, method).size());
}

} // namespace

BENCHMARK(recordround_fullleague)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(recordround_twentyrounds, classic, HandicapMethod::classic)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(recordround_twentyrounds, whs, HandicapMethod::whs)
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(replay_fullleague, classic, HandicapMethod::classic)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(replay_fullleague, whs, HandicapMethod::whs)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
