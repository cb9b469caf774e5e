// Match play for a season of 16 two-player teams over 30 weeks (two cycles of the circle
// method, a position week after each cycle): every match of every week worked out and the
// table made, from the weeks' nights as match play takes them and from the league itself
// (the nights read out of the results file); and one week's matches.
#include "matchplay/league.h"
#include "matchplay/season.h"

#include <benchmark/benchmark.h>

#include <memory>

using namespace greenfold;
using namespace greenfold::matchplay;

namespace {

constexpr int teams = 16;
constexpr int weeks = 30;
const whs::StrokeIndexes si = {7, 15, 1, 11, 3, 17, 5, 13, 9, 8, 16, 2, 12, 4, 18, 6, 14, 10};

std::string playername(int p) {
    return "Player number " + std::to_string(p);
}

// Three players a team: the first two its regulars, the third its substitute.
struct Season {
    std::unique_ptr<ProgramState> league = std::make_unique<ProgramState>();
    std::unique_ptr<Teamdata> teamdata = std::make_unique<Teamdata>();
    ResultsFile results;
    MatchFile file;
    std::vector<Side> sides;
    SeasonNights nights;
};

void makeleague(Season& s) {
    ProgramState& g = *s.league;
    g.coursecount = 1;
    g.coursedata[1][courseline_name] = "Hillcrest";
    for (int h = 1; h <= 18; ++h) g.coursedata[1][courseline_par0 + h] = "4";
    g.coursedata[1][courseline_rating0 + tee_mens] = "71.2";
    g.coursedata[1][courseline_slope0 + tee_mens] = "128";
    g.coursedata[1][courseline_strokeindex] = whs::strokeindexline(si);
    s.teamdata->teamcount = teams;
    for (int t = 1; t <= teams; ++t) s.teamdata->teamname[t] = "Team " + std::to_string(t);
    g.playercount = 3 * teams;
    for (int p = 1; p <= g.playercount; ++p) {
        g.playername[p] = playername(p);
        g.playertee[p] = tee_mens;
        g.playerteam[p] = int16_t((p - 1) % teams + 1);
        g.roundcount[p] = 1;
        g.rmonth[p][1] = 3;
        g.rday[p][1] = 1;
        g.ryear[p][1] = 26;
        g.hcpindex[p][1] = float(p % 25);
    }
}

// Every regular has a round each night but one in nine, who is absent; one substitute
// a night stands in.
void makerounds(Season& s) {
    for (const Week& w : s.file.schedule.weeks)
        for (int p = 1; p <= s.league->playercount; ++p) {
            if ((p * 7 + w.number) % 9 == 0) continue;
            ResultLine l;
            l.date = w.date;
            l.name = playername(p);
            l.course = 1;
            l.tee = tee_mens;
            for (std::size_t h = 0; h < 18; ++h)
                l.holes[h] = int16_t(3 + (p * 5 + w.number + int(h) * 3) % 5);
            for (std::size_t h = 0; h < 9; ++h) l.out = int16_t(l.out + l.holes[h]);
            for (std::size_t h = 9; h < 18; ++h) l.in = int16_t(l.in + l.holes[h]);
            l.index = 10 * (p % 25) + w.number % 7;
            l.base = p % 25;
            l.hcp = l.base;
            s.results.lines.push_back(std::move(l));
        }
}

const Season& season() {
    static const Season made = [] {
        Season s;
        makeleague(s);
        s.file.settings = defaultsettings(true);
        s.file.settings.on = true;
        s.file.settings.bestballpoints = 1;
        s.sides = makesides(leagueroster(*s.league, *s.teamdata), Format::teams, {}).sides;
        std::vector<std::string> names;
        for (const Side& side : s.sides) names.push_back(side.name);
        s.file.schedule = makeschedule(names, {weeks, {4, 7, 26}, {}, {16, 30}}, s.file.settings);
        makerounds(s);
        s.nights = leaguenights(*s.league, s.results, s.file.schedule);
        (void)fillsheets(s.file, s.sides, s.nights, [](int count) { return count / 2; });
        (void)pairpositionweeks(s.file, s.sides, s.nights);
        (void)fillsheets(s.file, s.sides, s.nights, [](int count) { return count / 2; });
        return s;
    }();
    return made;
}

void seasontable(benchmark::State& state) {
    const Season& s = season();
    for (auto _ : state) benchmark::DoNotOptimize(standings(s.file, s.sides, s.nights));
    // The matches worked out, so that a season that only waits shows.
    int played = 0;
    for (const WeekResult& w : workoutseason(s.file, s.sides, s.nights))
        for (const MatchResult& m : w.matches) played += m.counts();
    state.counters["played"] = played;
}

void seasonfromleague(benchmark::State& state) {
    const Season& s = season();
    for (auto _ : state) {
        const SeasonNights nights = leaguenights(*s.league, s.results, s.file.schedule);
        benchmark::DoNotOptimize(standings(s.file, s.sides, nights));
    }
}

void oneweek(benchmark::State& state) {
    const Season& s = season();
    const Week& w = s.file.schedule.weeks[9];
    for (auto _ : state)
        benchmark::DoNotOptimize(workoutweek(w, s.file.sheet(w.number), s.sides,
                                             nightof(s.nights, w.number), s.file.settings));
}

} // namespace

BENCHMARK(seasontable)->Unit(benchmark::kMillisecond);
BENCHMARK(seasonfromleague)->Unit(benchmark::kMillisecond);
BENCHMARK(oneweek)->Unit(benchmark::kMicrosecond);
BENCHMARK_MAIN();
