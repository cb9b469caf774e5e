#include "model/leaguefile.h"

#include "model/historyfile.h"
#include "model/textline.h"

#include <fstream>
#include <memory>

namespace greenfold {

namespace {

// A value read from a line, checked against the range the rest of the program relies
// on, so a damaged or hostile file is refused instead of indexing past a table.
bool inrange(const std::optional<int16_t>& v, int lo, int hi) {
    return v && *v >= lo && *v <= hi;
}

bool readround(LineReader& in, League& g, int p, int r) {
    auto diff = in.nextsingle();
    auto month = in.nextinteger();
    auto day = in.nextinteger();
    auto year = in.nextinteger();
    auto index = in.nextsingle();
    auto chcp = in.nextsingle();
    auto course = in.nextinteger();
    if (!diff || !month || !day || !year || !index || !chcp || !inrange(course, 0, maxcourses))
        return false;
    g.differential[p][r] = *diff;
    g.rmonth[p][r] = *month;
    g.rday[p][r] = *day;
    g.ryear[p][r] = *year;
    g.hcpindex[p][r] = *index;
    g.coursehcp[p][r] = *chcp;
    g.roundcourse[p][r] = *course;
    for (int k = 1; k <= maxholes; ++k) {
        auto score = in.nextinteger();
        if (!score) return false;
        g.holescore[p][r][k] = *score;
    }
    return true;
}

bool readplayer(LineReader& in, League& g, int p) {
    auto name = in.next();
    if (!name) return false;
    g.playername[p] = std::string(*name);
    auto tee = in.nextinteger();
    auto count = in.nextinteger();
    if (!inrange(tee, 0, tee_pro) || !inrange(count, 0, maxrounds)) return false;
    g.playertee[p] = *tee;
    g.roundcount[p] = *count;
    for (int r = 1; r <= maxrounds; ++r)
        if (!readround(in, g, p, r)) return false;
    return true;
}

} // namespace

bool readleague(std::istream& in, League& g) {
    LineReader lines(in);
    auto count = lines.nextinteger();
    if (!inrange(count, 0, maxplayers)) return false;
    g.playercount = *count;
    for (int p = 1; p <= g.playercount; ++p)
        if (!readplayer(lines, g, p)) return false;
    return true;
}

std::string leaguebytes(const ProgramState& g) {
    LineWriter out;
    out.reserve(8 + std::size_t(g.playercount) * 543 * 7);
    out.integer(g.playercount);
    for (int p = 1; p <= g.playercount; ++p) {
        out.text(g.playername[p]).integer(g.playertee[p]).integer(g.roundcount[p]);
        for (int r = 1; r <= maxrounds; ++r) {
            out.single(g.differential[p][r])
                .integer(g.rmonth[p][r])
                .integer(g.rday[p][r])
                .integer(g.ryear[p][r])
                .single(g.hcpindex[p][r])
                .single(g.coursehcp[p][r])
                .integer(g.roundcourse[p][r]);
            for (int k = 1; k <= maxholes; ++k) out.integer(g.holescore[p][r][k]);
        }
    }
    return out.str();
}

Message leagueloadfailure() {
    return {"Unable to load league file, please check the\r\nworking directory specified by your "
            "launcher.",
            "Greenfold", Icon::exclamation};
}

Message leaguesavefailure() {
    return {"Error Creating League Record File", "Greenfold", Icon::exclamation};
}

Outcome loadleague(ProgramState& g, const fs::path& dir) {
    const fs::path file = findfile(dir, g.leaguefile);
    std::ifstream in(file, std::ios::binary);
    if (!in) return Outcome::failure(leagueloadfailure());
    auto fresh = std::make_unique<League>(static_cast<const League&>(g));
    fresh->history = {};
    if (!readleague(in, *fresh)) {
        markdamaged(g.damagedfiles, file);
        return Outcome::failure(leagueloadfailure());
    }
    static_cast<League&>(g) = std::move(*fresh);
    if (g.method == HandicapMethod::whs) return loadhistory(g, dir);
    return {};
}

void stageleague(const ProgramState& g, LeagueCommit& commit) {
    commit.write(g.leaguefile, leaguebytes(g), leaguesavefailure());
    if (g.method == HandicapMethod::whs) stagehistory(g, commit);
}

Outcome saveleague(ProgramState& g, const fs::path& dir, const StreamWrap& wrap) {
    LeagueCommit commit(dir, g.leaguefile);
    stageleague(g, commit);
    return commit.run(g.damagedfiles, wrap);
}

} // namespace greenfold
