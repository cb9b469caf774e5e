// Opening and saving a full league (100 players x 20 rounds) and a full course table,
// each beside the floor the machine sets for the same bytes.
#include "model/coursefile.h"
#include "model/leaguefile.h"
#include "model/safefile.h"

#include <benchmark/benchmark.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>

using namespace greenfold;
namespace fs = std::filesystem;

namespace {

fs::path benchdir() {
    static const fs::path dir = [] {
        auto d = fs::temp_directory_path() / "greenfold-bench";
        fs::create_directories(d);
        return d;
    }();
    return dir;
}

std::unique_ptr<ProgramState> fullmodel() {
    auto g = std::make_unique<ProgramState>();
    g->leaguefile = "Full.LGE";
    g->playercount = maxplayers;
    for (int p = 1; p <= maxplayers; ++p) {
        g->playername[p] = "Player number " + std::to_string(p);
        g->playertee[p] = 2;
        g->roundcount[p] = maxrounds;
        for (int r = 1; r <= maxrounds; ++r) {
            g->differential[p][r] = float((p * 7 + r * 13) % 300) / 10.0f;
            g->hcpindex[p][r] = float((p * 3 + r * 11) % 250) / 10.0f;
            g->coursehcp[p][r] = float((p + r) % 30);
            g->rmonth[p][r] = int16_t(1 + r % 12);
            g->rday[p][r] = int16_t(1 + p % 28);
            g->ryear[p][r] = 26;
            g->roundcourse[p][r] = int16_t(1 + p % 200);
            for (int k = 1; k <= 18; ++k) g->holescore[p][r][k] = int16_t(3 + (p + r + k) % 5);
            g->holescore[p][r][19] = 45;
            g->holescore[p][r][20] = 46;
        }
    }
    g->coursecount = maxcourses;
    for (int c = 1; c <= maxcourses; ++c) {
        g->coursedata[c][1] = "Course " + std::to_string(c);
        for (int n = 2; n <= 29; ++n) g->coursedata[c][n] = " " + std::to_string(n % 9 + 3);
    }
    return g;
}

void loadleague_full(benchmark::State& state) {
    auto g = fullmodel();
    (void)saveleague(*g, benchdir());
    for (auto _ : state) benchmark::DoNotOptimize(loadleague(*g, benchdir()).ok);
}

void getlineloop_floor(benchmark::State& state) {
    auto g = fullmodel();
    (void)saveleague(*g, benchdir());
    for (auto _ : state) {
        std::ifstream in(benchdir() / "Full.LGE", std::ios::binary);
        std::string line;
        std::size_t n = 0;
        while (std::getline(in, line)) ++n;
        benchmark::DoNotOptimize(n);
    }
}

void saveleague_full(benchmark::State& state) {
    auto g = fullmodel();
    for (auto _ : state) benchmark::DoNotOptimize(saveleague(*g, benchdir()).ok);
}

void leaguebytes_only(benchmark::State& state) {
    auto g = fullmodel();
    for (auto _ : state) benchmark::DoNotOptimize(leaguebytes(*g));
}

void writebytes_floor(benchmark::State& state) {
    auto g = fullmodel();
    const std::string bytes = leaguebytes(*g);
    const fs::path tmp = benchdir() / "floor.tmp", target = benchdir() / "floor.LGE";
    for (auto _ : state) {
        {
            std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
            out.write(bytes.data(), std::streamsize(bytes.size()));
        }
        fs::rename(tmp, target);
    }
}

void loadcourses_full(benchmark::State& state) {
    auto g = fullmodel();
    (void)savecourses(*g, benchdir());
    for (auto _ : state) benchmark::DoNotOptimize(loadcourses(*g, benchdir()).ok);
}

void savecourses_full(benchmark::State& state) {
    auto g = fullmodel();
    for (auto _ : state) benchmark::DoNotOptimize(savecourses(*g, benchdir()).ok);
}

} // namespace

BENCHMARK(loadleague_full)->Unit(benchmark::kMicrosecond);
BENCHMARK(getlineloop_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(saveleague_full)->Unit(benchmark::kMicrosecond);
BENCHMARK(leaguebytes_only)->Unit(benchmark::kMicrosecond);
BENCHMARK(writebytes_floor)->Unit(benchmark::kMicrosecond);
BENCHMARK(loadcourses_full)->Unit(benchmark::kMicrosecond);
BENCHMARK(savecourses_full)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
