#include "scoring/replay.h"

#include "model/historyfile.h"
#include "scoring/roundslots.h"
#include "whs/leaguerecord.h"
#include "whs/leaguereplay.h"

#include <algorithm>
#include <utility>

namespace greenfold {

namespace {

whs::Tenths newestindex(const ProgramState& g, int p) {
    const int count = g.roundcount[p];
    return count >= 1 && count <= maxrounds ? whs::tenthsnear(g.hcpindex[p][count]) : whs::Tenths{};
}

whs::ReplayCount replayclassic(ProgramState& g, int p) {
    whs::ReplayCount count;
    const int rounds = std::clamp<int>(g.roundcount[p], 0, maxrounds);
    for (int r = 1; r <= rounds; ++r) {
        const whs::KeptTee tee = whs::keptroundtee(g, p, r);
        ++count.rounds;
        if (!tee.known) ++count.defaulttee;
        if (!recalcround(g, p, r, tee.tee, tee.tee)) ++count.unrated;
    }
    return count;
}

} // namespace

std::vector<ReplayLine> replayleague(ProgramState& g, HandicapMethod method) {
    std::vector<ReplayLine> lines;
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= players; ++p) {
        ReplayLine line;
        line.name = g.playername[p];
        line.now = newestindex(g, p);
        line.count = method == HandicapMethod::whs ? whs::replayplayer(g, p) : replayclassic(g, p);
        line.after = newestindex(g, p);
        lines.push_back(std::move(line));
    }
    return lines;
}

namespace {

constexpr const char* beforereplay = ".before-replay";

struct KeptFiles {
    fs::path league, history; // as they are now
    std::string suffix;       // ".before-replay", or with the first free number
};

KeptFiles keptfiles(const ProgramState& g, const fs::path& dir) {
    KeptFiles k{findfile(dir, g.leaguefile), findfile(dir, historyfilename(g.leaguefile)),
                beforereplay};
    std::error_code ec;
    auto taken = [&](const fs::path& file) {
        return fs::exists(findfile(dir, file.filename().string() + k.suffix), ec);
    };
    for (int n = 2; taken(k.league) || taken(k.history); ++n)
        k.suffix = std::string(beforereplay) + "-" + std::to_string(n);
    return k;
}

} // namespace

std::string beforereplayname(const ProgramState& g, const fs::path& dir) {
    const KeptFiles k = keptfiles(g, dir);
    return k.league.filename().string() + k.suffix;
}

std::string stagebeforereplay(const ProgramState& g, const fs::path& dir, LeagueCommit& commit) {
    const KeptFiles k = keptfiles(g, dir);
    const Message failure{"A copy of " + g.leaguefile + " could not be kept.", "Greenfold",
                          Icon::exclamation};
    std::string league, history;
    if (!readwhole(k.league, league)) return "";
    std::error_code ec;
    const bool hashistory = fs::is_regular_file(k.history, ec);
    if (hashistory && !readwhole(k.history, history)) return "";
    const std::string copy = k.league.filename().string() + k.suffix;
    commit.write(copy, std::move(league), failure);
    if (hashistory)
        commit.write(k.history.filename().string() + k.suffix, std::move(history), failure);
    return copy;
}

} // namespace greenfold
