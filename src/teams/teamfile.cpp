#include "teams/teamfile.h"

#include "model/textline.h"

#include <fstream>

namespace greenfold {

namespace {

bool inrange(const std::optional<int16_t>& v, int lo, int hi) {
    return v && *v >= lo && *v <= hi;
}

bool readnames(LineReader& in, Teamdata& t) {
    for (int team = 1; team <= t.teamcount; ++team) {
        auto name = in.next();
        if (!name) return false;
        t.teamname[team] = std::string(*name);
    }
    return true;
}

bool readmembers(LineReader& in, ProgramState& g, const Teamdata& t) {
    for (int p = 1; p <= g.playercount; ++p) {
        auto team = in.nextinteger();
        if (!inrange(team, 0, maxteams)) return false;
        // A number past the last team points nowhere: the player is free again rather
        // than lost from every list.
        g.playerteam[p] = *team <= t.teamcount ? *team : int16_t(0);
    }
    return true;
}

bool readevents(LineReader& in, Teamdata& t, int team) {
    auto count = in.nextinteger();
    if (!inrange(count, 0, maxevents)) return false;
    t.eventcount[team] = 0;
    for (int e = 1; e <= *count; ++e) {
        auto text = in.next();
        if (!text) return false;
        std::string kept(*text);
        auto manual = in.nextsingle();
        auto points = in.nextsingle();
        if (!manual || !points) return false;
        t.eventtext[team][e] = std::move(kept);
        t.eventmanual[team][e] = *manual;
        t.eventpoints[team][e] = *points;
        t.eventcount[team] = static_cast<int16_t>(e);
    }
    return true;
}

fs::path teampath(const ProgramState& g, const fs::path& dir) {
    return findfile(dir, teamfilename(g));
}

} // namespace

std::string teamfilename(const ProgramState& g) {
    const std::string& file = g.leaguefile;
    if (file.size() < 4) return {};
    return file.substr(0, file.size() - 4) + ".tea";
}

bool readteamfile(std::istream& in, ProgramState& g, Teamdata& t) {
    LineReader lines(in);
    auto count = lines.nextinteger();
    if (!inrange(count, 0, maxteams)) return false;
    t.teamcount = *count;
    if (!readnames(lines, t) || !readmembers(lines, g, t)) return false;
    for (int team = 1; team <= t.teamcount; ++team)
        if (!readevents(lines, t, team)) return false;
    return true;
}

std::string teambytes(const ProgramState& g, const Teamdata& t) {
    LineWriter out;
    out.integer(t.teamcount);
    for (int team = 1; team <= t.teamcount; ++team) out.text(t.teamname[team]);
    for (int p = 1; p <= g.playercount; ++p) out.integer(g.playerteam[p]);
    for (int team = 1; team <= t.teamcount; ++team) {
        out.integer(t.eventcount[team]);
        for (int e = 1; e <= t.eventcount[team]; ++e)
            out.text(t.eventtext[team][e])
                .single(t.eventmanual[team][e])
                .single(t.eventpoints[team][e]);
    }
    return out.str();
}

bool readteamfile(ProgramState& g, Teamdata& t, const fs::path& dir) {
    if (teamfilename(g).empty()) return false;
    const fs::path file = teampath(g, dir);
    std::ifstream in(file, std::ios::binary);
    if (!in) return false; // no file: a league without teams
    if (readteamfile(in, g, t)) return true;
    markdamaged(g.damagedfiles, file);
    return false;
}

bool teamfileexists(const ProgramState& g, const fs::path& dir) {
    std::error_code ec;
    return !teamfilename(g).empty() && fs::exists(teampath(g, dir), ec);
}

int16_t teamsin(const ProgramState& g) {
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playerteam[p] > 0) return 1;
    return 0;
}

void loadteams(ProgramState& g, Teamdata& t, const fs::path& dir) {
    g.teamsdefined = 0;
    for (int p = 1; p <= maxplayers; ++p) g.playerteam[p] = 0;
    clearteams(t);
    readteamfile(g, t, dir);
    g.teamsdefined = teamsin(g);
}

bool stageteams(const ProgramState& g, const Teamdata& t, LeagueCommit& commit) {
    const std::string name = teamfilename(g);
    if (name.empty()) return false;
    commit.write(name, teambytes(g, t), teamsavefailure(name));
    return true;
}

Outcome writeteamfile(ProgramState& g, const Teamdata& t, const fs::path& dir,
                      const StreamWrap& wrap) {
    LeagueCommit commit(dir, g.leaguefile);
    if (!stageteams(g, t, commit)) return Outcome::failure(teamsavefailure(""));
    return commit.run(g.damagedfiles, wrap);
}

Message teamsavefailure(const std::string& file) {
    return {"Error writing the team data file " + file +
                ". The teams were not saved; the file keeps its earlier contents.",
            "Greenfold", Icon::exclamation};
}

} // namespace greenfold
