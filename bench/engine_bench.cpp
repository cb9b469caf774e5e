// The handicap engine over a full league: every player records 20 rounds (differential,
// index and course handicap each time), then every player's latest index is recomputed.
#include "scoring/handicap.h"
#include "scoring/roundslots.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace greenfold;

namespace {

std::unique_ptr<GOLF1> fullcourses() {
    auto g = std::make_unique<GOLF1>();
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

} // namespace

BENCHMARK(recordround_fullleague)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
