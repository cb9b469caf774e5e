#include "results/nightrecord.h"

#include "model/leaguefile.h"
#include "model/textline.h"
#include "results/flights.h"
#include "scoring/handicap.h"
#include "scoring/replay.h"
#include "teams/teamfile.h"
#include "whs/coursehandicap.h"
#include "whs/leaguerecord.h"
#include "whs/roundfigures.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace greenfold {

namespace {

whs::LeagueScores leaguescores(const ResultLine& l) {
    whs::LeagueScores s{};
    for (int h = 1; h <= 18; ++h) s[std::size_t(h)] = l.holes[std::size_t(h - 1)];
    s[19] = l.out;
    s[20] = l.in;
    return s;
}

InEffect classicbase(const ProgramState& g, const ResultLine& l, int index, int allowance) {
    const TeeRating t = teerating(g, l.course, l.tee);
    if (!usablerating(t)) return {};
    const int ch = int(coursehandicap(float(index) / 10.0f, t.slope));
    // A nine is half a round: the nine's handicap is half the course handicap, rounded
    // once with the allowance (a base shown alone has its half going up).
    const int halves = l.nine() ? 2 : 1;
    return {index, whs::roundwhole(whs::Fraction(ch, halves)),
            whs::roundwhole(whs::Fraction(int64_t(ch) * allowance, 100 * halves))};
}

InEffect whsbase(const ProgramState& g, const ResultLine& l, int index, int allowance) {
    const whs::Round r = whs::leagueround(g, leaguescores(l), l.course, l.tee,
                                          whs::leaguedate(l.date.month, l.date.day, l.date.year));
    if (r.tee.slope <= 0) return {};
    const whs::Fraction course = whs::roundhandicap(whs::Tenths{index}, r, 100).course;
    return {index, whs::playinghandicap(course, g.allowance),
            whs::playinghandicap(course, allowance)};
}

void sethandicap(ResultLine& l, const ProgramState& g, std::optional<int> index, int allowance) {
    const InEffect e = handicapfor(g, l, index, allowance);
    l.index = e.index;
    l.base = e.base;
    l.hcp = e.hcp;
}

ResultLine fromslot(const ProgramState& g, int p, int r, int tee) {
    ResultLine l;
    l.date = slotdate(g, p, r);
    l.name = g.playername[p];
    l.course = g.roundcourse[p][r];
    l.tee = int16_t(std::clamp(tee, 0, tee_pro));
    for (int h = 1; h <= 18; ++h) l.holes[std::size_t(h - 1)] = g.holescore[p][r][h];
    l.out = g.holescore[p][r][19];
    l.in = g.holescore[p][r][20];
    return l;
}

// Where the night's lines end, so a new night's round goes after the nights before it.
std::vector<ResultLine>::iterator placefor(ResultsFile& f, const NightDate& d) {
    return std::upper_bound(f.lines.begin(), f.lines.end(), d,
                            [](const NightDate& a, const ResultLine& b) { return a < b.date; });
}

ResultLine* findline(ResultsFile& f, std::string_view name, const NightDate& d) {
    for (ResultLine& l : f.lines)
        if (l.date == d && l.name == name) return &l;
    return nullptr;
}

// The index player p held on the night from his kept rounds: the one stored with his newest
// round before it.
std::optional<int> keptindexon(const ProgramState& g, int p, const NightDate& night) {
    int newest = 0;
    for (int r = 1; r <= std::clamp<int>(g.roundcount[p], 0, maxrounds); ++r)
        if (slotdate(g, p, r) < night &&
            (newest == 0 || !(slotdate(g, p, r) < slotdate(g, p, newest))))
            newest = r;
    if (newest == 0) return std::nullopt;
    if (g.method == HandicapMethod::whs && whs::noindexyet(g, p, newest)) return std::nullopt;
    return whs::tenthsnear(g.hcpindex[p][newest]).v;
}

int newestyear(const ProgramState& g) {
    int year = 0;
    for (int p = 1; p <= std::clamp<int>(g.playercount, 0, maxplayers); ++p)
        for (int r = 1; r <= std::clamp<int>(g.roundcount[p], 0, maxrounds); ++r)
            year = std::max(year, fullyear(g.ryear[p][r]));
    return year;
}

} // namespace

InEffect handicapfor(const ProgramState& g, const ResultLine& line, std::optional<int> index,
                     int allowance) {
    if (!index) return {};
    return g.method == HandicapMethod::whs ? whsbase(g, line, *index, allowance)
                                           : classicbase(g, line, *index, allowance);
}

int withallowance(int base, int allowance) {
    return whs::roundwhole(whs::Fraction(int64_t(base) * allowance, 100));
}

std::optional<int> indexbefore(const ProgramState& g, int p, int r) {
    if (p < 1 || p > maxplayers || r < 2 || r > maxrounds) return std::nullopt;
    const whs::Tenths index = whs::tenthsnear(g.hcpindex[p][r - 1]);
    if (g.method == HandicapMethod::classic) return index.v;
    const NightDate before = slotdate(g, p, r - 1);
    for (const IssuedIndex& i : g.history[p].issued)
        if (whs::Date{i.year, i.month, i.day} <=
            whs::Date{fullyear(before.year), before.month, before.day})
            return index.v;
    return std::nullopt;
}

NightDate slotdate(const ProgramState& g, int p, int r) {
    return {g.rmonth[p][r], g.rday[p][r], g.ryear[p][r]};
}

void keepround(ResultsFile& f, const ProgramState& g, int p, int r, int tee) {
    if (p < 1 || p > maxplayers || r < 1 || r > maxrounds) return;
    ResultLine l = fromslot(g, p, r, tee);
    ResultLine* old = findline(f, l.name, l.date);
    // A player's first kept round may follow rounds the league has dropped: the line
    // already there remembers the index he held then.
    const auto index = r == 1 && old ? old->index : indexbefore(g, p, r);
    sethandicap(l, g, index, f.settings.allowance);
    if (old)
        *old = std::move(l);
    else
        f.lines.insert(placefor(f, l.date), std::move(l));
    keepdraw(f, g);
}

void keepdraw(ResultsFile& f, const ProgramState& g) {
    const CompetitionSettings& s = f.settings;
    if (s.flights != FlightMode::byhandicap || s.draw != FlightDraw::firstnight ||
        f.lines.empty()) {
        f.drawn.clear();
        return;
    }
    if (!f.drawn.empty()) return;
    const NightDate first =
        std::min_element(f.lines.begin(), f.lines.end(), [](const auto& a, const auto& b) {
            return a.date < b.date;
        })->date;
    std::map<std::string_view, const ResultLine*> played;
    for (const ResultLine& l : f.lines)
        if (l.date == first) played[l.name] = &l;
    std::vector<Drawn> pool;
    for (int p = 1; p <= std::clamp<int>(g.playercount, 0, maxplayers); ++p) {
        if (g.playername[p].empty()) continue;
        const auto line = played.find(g.playername[p]);
        if (line != played.end())
            pool.push_back(
                {g.playername[p], line->second->hcp ? line->second->index : std::nullopt});
        else
            pool.push_back({g.playername[p], keptindexon(g, p, first)});
    }
    f.drawn = drawplayers(std::move(pool), std::clamp(s.flightcount, 1, maxflights));
}

ResultsFile firstresults(const ProgramState& g, const CompetitionSettings& s) {
    ResultsFile f;
    f.settings = s;
    const int year = newestyear(g);
    for (int p = 1; p <= std::clamp<int>(g.playercount, 0, maxplayers); ++p)
        for (int r = 1; r <= std::clamp<int>(g.roundcount[p], 0, maxrounds); ++r)
            if (fullyear(g.ryear[p][r]) == year)
                keepround(f, g, p, r, whs::keptroundtee(g, p, r).tee);
    return f;
}

void keepnewestyear(ResultsFile& f, const ProgramState& g) {
    const int year = newestyear(g);
    std::erase_if(f.lines, [&](const ResultLine& l) { return fullyear(l.date.year) < year; });
    keepdraw(f, g);
}

void dropnight(ResultsFile& f, std::string_view name, const NightDate& date) {
    std::erase_if(f.lines, [&](const ResultLine& l) { return l.date == date && l.name == name; });
}

void refreshplayer(ResultsFile& f, const ProgramState& g, int p) {
    if (p < 1 || p > maxplayers) return;
    const int count = std::clamp<int>(g.roundcount[p], 0, maxrounds);
    for (int r = 1; r <= count; ++r)
        if (ResultLine* l = findline(f, g.playername[p], slotdate(g, p, r)))
            keepround(f, g, p, r, l->tee);
}

Outcome stagerefresh(ProgramState& g, LeagueCommit& commit, const fs::path& dir) {
    LoadedResults r = loadresults(g, dir);
    if (!r.exists || !r.outcome.messages.empty()) return r.outcome;
    for (int p = 1; p <= std::clamp<int>(g.playercount, 0, maxplayers); ++p)
        refreshplayer(r.file, g, p);
    stageresults(g, r.file, commit);
    return {};
}

ReplayWrite writereplayed(ProgramState& after, const fs::path& dir) {
    ReplayWrite w;
    LeagueCommit commit(dir, after.leaguefile);
    w.copy = stagebeforereplay(after, dir, commit);
    if (w.copy.empty()) {
        w.outcome = Outcome::failure({"A copy of " + after.leaguefile +
                                          " could not be kept, so the rounds were not worked out "
                                          "again. The league and its method are as they were.",
                                      "Handicap Method", Icon::exclamation});
        return w;
    }
    stageleague(after, commit);
    w.outcome = stagerefresh(after, commit, dir);
    w.outcome.merge(commit.run(after.damagedfiles));
    return w;
}

void applyallowance(ResultsFile& f, const ProgramState& g) {
    const int allowance = f.settings.allowance;
    for (ResultLine& l : f.lines) {
        if (!l.base) continue;
        if (const InEffect e = handicapfor(g, l, l.index, allowance); e.hcp)
            l.base = e.base, l.hcp = e.hcp;
        else
            l.hcp = withallowance(*l.base, allowance);
    }
}

void renameinresults(ResultsFile& f, std::string_view oldname, std::string_view newname) {
    for (ResultLine& l : f.lines)
        if (l.name == oldname) l.name = std::string(newname);
    for (FlightAssignment& a : f.settings.assigned)
        if (a.player == oldname) a.player = std::string(newname);
    for (DrawnPlayer& d : f.drawn)
        if (d.player == oldname) d.player = std::string(newname);
}

void removefromresults(ResultsFile& f, std::string_view name) {
    std::erase_if(f.lines, [&](const ResultLine& l) { return l.name == name; });
    std::erase_if(f.settings.assigned, [&](const FlightAssignment& a) { return a.player == name; });
    std::erase_if(f.drawn, [&](const DrawnPlayer& d) { return d.player == name; });
}

void RosterChanges::renamed(std::string oldname, std::string newname) {
    changes_.push_back({std::move(oldname), std::move(newname)});
}

void RosterChanges::removed(std::string name) {
    changes_.push_back({std::move(name), std::nullopt});
}

Outcome RosterChanges::stage(ProgramState& g, LeagueCommit& commit, const fs::path& dir) {
    if (changes_.empty()) return {};
    LoadedResults r = loadresults(g, dir);
    // A file that could not be read is left for the next save to keep beside itself.
    if (!r.exists || !r.outcome.messages.empty()) return r.outcome;
    for (const Change& c : changes_)
        if (c.newname)
            renameinresults(r.file, c.name, *c.newname);
        else
            removefromresults(r.file, c.name);
    stageresults(g, r.file, commit);
    return {};
}

std::vector<std::pair<std::string, std::string>> RosterChanges::renames() const {
    std::vector<std::pair<std::string, std::string>> out;
    for (const Change& c : changes_)
        if (c.newname) out.emplace_back(c.name, *c.newname);
    return out;
}

Outcome RosterChanges::save(ProgramState& g, const Teamdata* teams, const fs::path& dir,
                            const CommitExtra& extra) {
    LeagueCommit commit(dir, g.leaguefile);
    if (teams != nullptr) stageteams(g, *teams, commit);
    stageleague(g, commit);
    Outcome out = stage(g, commit, dir);
    if (extra) out.merge(extra(commit));
    out.merge(commit.run(g.damagedfiles));
    if (out) changes_.clear();
    return out;
}

} // namespace greenfold
