#include "matchplay/matchstore.h"

#include "model/leaguelist.h"
#include "model/matchname.h"
#include "teams/teamfile.h"

#include <fstream>
#include <random>

namespace greenfold::matchplay {

namespace {

Message matchsavefailure() {
    return {"Error Creating Match File", "Greenfold", Icon::exclamation};
}

// FNV-1a: the same number from the same name on every machine.
uint32_t namehash(const std::string& name) {
    uint32_t h = 2166136261u;
    for (unsigned char c : name) h = (h ^ c) * 16777619u;
    return h;
}

std::unique_ptr<Teamdata> readteams(ProgramState& g, const fs::path& dir) {
    auto t = std::make_unique<Teamdata>();
    loadteams(g, *t, dir);
    return t;
}

} // namespace

Message matchloadfailure(const std::string& file) {
    return {"The match file " + file +
                " could not be read. Match play starts again from its defaults; the damaged "
                "file will be kept beside it when match play is saved.",
            "Greenfold", Icon::exclamation};
}

LoadedMatches loadmatches(ProgramState& g, bool hasteams, const fs::path& dir) {
    LoadedMatches r;
    r.file.settings = defaultsettings(hasteams);
    const fs::path file = findfile(dir, matchfilename(g.leaguefile));
    std::error_code ec;
    if (g.leaguefile.empty() || !fs::exists(file, ec)) return r;
    r.exists = true;
    std::ifstream in(file, std::ios::binary);
    auto read = readmatch(in);
    if (!read) {
        markdamaged(g.damagedfiles, file);
        r.outcome.add(matchloadfailure(file.filename().string()));
        return r;
    }
    r.file = std::move(*read);
    return r;
}

void stagematches(const ProgramState& g, const MatchFile& f, LeagueCommit& commit) {
    commit.write(matchfilename(g.leaguefile), matchbytes(f), matchsavefailure());
}

MatchSeason openseason(ProgramState& g, const fs::path& dir) {
    MatchSeason s;
    s.league = leaguename(g);
    s.teams = readteams(g, dir);
    LoadedMatches m = loadmatches(g, leaguehasteams(g, *s.teams), dir);
    s.file = std::move(m.file);
    s.exists = m.exists;
    s.read = std::move(m.outcome);
    LoadedResults r = loadresults(g, dir);
    s.results = std::move(r.file);
    s.read.merge(r.outcome);
    s.damaged = !s.read.messages.empty();
    refreshseason(s, g);
    return s;
}

void refreshseason(MatchSeason& s, const ProgramState& g) {
    s.roster = leagueroster(g, *s.teams);
    s.sides = makesides(s.roster, s.file.settings.format, s.file.substituteonly);
    s.nights = leaguenights(g, s.results, s.file.schedule);
}

std::vector<std::string> sidenames(const MatchSeason& s) {
    std::vector<std::string> names;
    for (const Side& side : s.sides.sides) names.push_back(side.name);
    return names;
}

Draw leaguedraw(const std::string& league) {
    auto engine = std::make_shared<std::mt19937>(namehash(league));
    return [engine](int count) { return count <= 1 ? 0 : int((*engine)() % uint32_t(count)); };
}

bool complete(MatchSeason& s) {
    if (!s.file.settings.on) return false;
    const Draw draw = leaguedraw(s.league);
    bool changed = fillsheets(s.file, s.sides.sides, s.nights, draw);
    // A position week paired from the weeks before it gets its sheet too.
    while (pairpositionweeks(s.file, s.sides.sides, s.nights)) {
        changed = true;
        fillsheets(s.file, s.sides.sides, s.nights, draw);
    }
    return changed;
}

WeekResult weekresult(const MatchSeason& s, const Week& w) {
    return workoutweek(w, s.file.sheet(w.number), s.sides.sides, nightof(s.nights, w.number),
                       s.file.settings);
}

Outcome editsheet(MatchSeason& s, const ProgramState& g, int week, const SheetEdit& edit,
                  const Draw& draw) {
    const Week* w = findweek(s.file.schedule, week);
    const std::string number = "Week " + std::to_string(week);
    auto refused = [](std::string text) {
        return Outcome::failure({std::move(text), "Greenfold", Icon::exclamation});
    };
    if (!w) return refused("The schedule has no week " + std::to_string(week) + ".");
    if (!w->paired) return refused(number + " is not paired yet.");
    if (w->cancelled) return refused(number + " is cancelled.");
    const Names withrounds = namesof(nightof(s.nights, week));
    const std::vector<std::string> players = leagueplayers(g);
    const SheetContext c{*w, s.file.settings, withrounds, players, draw};
    WeekSheet sheet = s.file.sheet(week) ? *s.file.sheet(week) : WeekSheet{week, {}, {}};
    fillsheet(sheet, *w, s.sides.sides, withrounds, s.file.settings, leaguedraw(s.league));
    const Outcome done = edit(sheet, c);
    if (done) s.file.sheetfor(week) = std::move(sheet);
    return done;
}

Outcome stagecompletion(ProgramState& g, const ResultsFile& results, LeagueCommit& commit,
                        const fs::path& dir) {
    MatchSeason s = openseason(g, dir);
    if (!s.exists || s.damaged || !s.file.settings.on) return {};
    s.results = results;
    s.nights = leaguenights(g, s.results, s.file.schedule);
    if (complete(s)) stagematches(g, s.file, commit);
    return {};
}

Outcome stagerenames(ProgramState& g,
                     const std::vector<std::pair<std::string, std::string>>& renames,
                     LeagueCommit& commit, const fs::path& dir) {
    if (renames.empty()) return {};
    auto teams = readteams(g, dir);
    LoadedMatches m = loadmatches(g, leaguehasteams(g, *teams), dir);
    // A file that could not be read is left for the next save to keep beside itself.
    if (!m.exists || !m.outcome.messages.empty()) return m.outcome;
    for (const auto& [oldname, newname] : renames) renameplayer(m.file, oldname, newname);
    stagematches(g, m.file, commit);
    return {};
}

Outcome stageteamrenames(ProgramState& g, const std::vector<std::string>& before,
                         const std::vector<std::string>& after, LeagueCommit& commit,
                         const fs::path& dir) {
    LoadedMatches m = loadmatches(g, true, dir);
    if (!m.exists || !m.outcome.messages.empty()) return m.outcome;
    const MatchFile was = m.file;
    for (std::size_t t = 0; t < before.size() && t < after.size(); ++t)
        if (before[t] != after[t] && !after[t].empty()) renameteam(m.file, before[t], after[t]);
    if (!(m.file == was)) stagematches(g, m.file, commit);
    return {};
}

Outcome stagenewseason(ProgramState& g, LeagueCommit& commit, const fs::path& dir) {
    LoadedMatches m = loadmatches(g, true, dir);
    if (!m.exists) return {};
    MatchFile fresh;
    fresh.settings = m.file.settings;
    fresh.substituteonly = m.file.substituteonly;
    stagematches(g, fresh, commit);
    return m.outcome;
}

} // namespace greenfold::matchplay
