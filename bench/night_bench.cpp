// A league night of 100 rounds recorded into a full league under the WHS method (100
// players, 19 rounds each, their index history and a season of results): through
// greenfold-cli's import, and through the score window's one save at the end of the night.
// Both write the league, its index history and its results file in one commit.
#include "cli/commands.h"
#include "model/coursefile.h"
#include "model/latestfile.h"
#include "model/leaguefile.h"
#include "results/nightbook.h"
#include "whs/strokeindex.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>

using namespace greenfold;
namespace fs = std::filesystem;

namespace {

const fs::path folder = fs::temp_directory_path() / "greenfold-night-bench";
const std::string systemdir = (folder / "settings").string() + "/";

DisplayedRound roundfor(int p, int r) {
    DisplayedRound d;
    d.tee = tee_mens;
    int out = 0, in = 0;
    for (int h = 1; h <= 18; ++h) {
        const int s = 3 + (p * 7 + r * 3 + h) % 5;
        d.holes[h] = std::to_string(s);
        (h <= 9 ? out : in) += s;
    }
    d.out = std::to_string(out);
    d.in = std::to_string(in);
    return d;
}

// The folder's files as they are before the night, written once.
const std::map<std::string, std::string>& startingfiles() {
    static const std::map<std::string, std::string> files = [] {
        fs::remove_all(folder);
        fs::create_directories(folder / "settings");
        std::ofstream(systemdir + "greenfold.ini") << "method=whs\r\n";
        auto g = std::make_unique<ProgramState>();
        g->method = HandicapMethod::whs;
        g->coursecount = 1;
        g->coursedata[1][1] = "Cedar Ridge";
        for (int h = 1; h <= 18; ++h)
            g->coursedata[1][courseline_par0 + h] = std::to_string(3 + h % 3);
        g->coursedata[1][courseline_rating0 + tee_mens] = "70.1";
        g->coursedata[1][courseline_slope0 + tee_mens] = "125";
        g->coursedata[1][courseline_strokeindex] =
            whs::strokeindexline({7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10});
        g->leaguefile = "Full.LGE";
        g->leaguelist[1] = "Full";
        g->leaguecount = 1;
        (void)savecourses(*g, folder);
        (void)savelatest(*g, folder);
        g->playercount = maxplayers;
        for (int p = 1; p <= maxplayers; ++p) {
            g->playername[p] = "Player number " + std::to_string(p);
            g->playertee[p] = tee_mens;
        }
        NightBook book(*g, folder);
        for (int r = 1; r < maxrounds; ++r)
            for (int p = 1; p <= maxplayers; ++p)
                (void)book.record({p, 0, 1, 4 + r / 4, 1 + (r % 4) * 7, 26, roundfor(p, r)});
        (void)book.save();
        std::map<std::string, std::string> out;
        for (const auto& f : fs::directory_iterator(folder))
            if (f.is_regular_file()) {
                std::ostringstream bytes;
                bytes << std::ifstream(f.path(), std::ios::binary).rdbuf();
                out[f.path().filename().string()] = bytes.str();
            }
        return out;
    }();
    return files;
}

void putback() {
    for (const auto& [name, bytes] : startingfiles())
        std::ofstream(folder / name, std::ios::binary | std::ios::trunc) << bytes;
}

std::unique_ptr<ProgramState> openfull() {
    auto g = std::make_unique<ProgramState>();
    g->method = HandicapMethod::whs;
    g->leaguefile = "Full.LGE";
    (void)loadcourses(*g, folder);
    (void)loadleague(*g, folder);
    return g;
}

void import_night(benchmark::State& state) {
    startingfiles();
    std::string csv = "Date,Player,Course,Tee,1,2,3,4,5,6,7,8,9,10,11,12,13,14,15,16,17,18\r\n";
    for (int p = 1; p <= maxplayers; ++p) {
        const DisplayedRound d = roundfor(p, maxrounds);
        csv += "09/01/26,Player number " + std::to_string(p) + ",Cedar Ridge,mens";
        for (int h = 1; h <= 18; ++h) csv += "," + d.holes[h];
        csv += "\r\n";
    }
    const fs::path file = folder / "settings" / "night.csv";
    std::ofstream(file, std::ios::binary) << csv;
    for (auto _ : state) {
        state.PauseTiming();
        putback();
        state.ResumeTiming();
        std::ostringstream out, err;
        CliContext ctx{out, err, systemdir, {2026, 9, 2}};
        benchmark::DoNotOptimize(
            runcli({"--dir", folder.string(), "import", "Full", file.string()}, ctx));
    }
}

void scorewindow_save(benchmark::State& state) {
    startingfiles();
    for (auto _ : state) {
        state.PauseTiming();
        putback();
        auto g = openfull();
        NightBook book(*g, folder);
        for (int p = 1; p <= maxplayers; ++p)
            (void)book.record({p, 0, 1, 9, 1, 26, roundfor(p, maxrounds)});
        state.ResumeTiming();
        benchmark::DoNotOptimize(book.save().ok);
    }
}

} // namespace

BENCHMARK(import_night)->Unit(benchmark::kMillisecond);
BENCHMARK(scorewindow_save)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
