#include "scoring/replay.h"

#include "model/historyfile.h"
#include "scoring/roundslots.h"
#include "whs/leaguerecord.h"
#include "whs/leaguereplay.h"

#include <algorithm>
#include <utility>

namespace greenfold {

namespace {

whs::Tenths newestindex(const GOLF1& g, int p) {
    const int count = g.roundcount[p];
    return count >= 1 && count <= maxrounds ? whs::tenthsnear(g.hcpindex[p][count]) : whs::Tenths{};
}

whs::ReplayCount replayclassic(GOLF1& g, int p) {
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

std::vector<ReplayLine> replayleague(GOLF1& g, HandicapMethod method) {
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

bool keepbeside(const fs::path& file) {
    fs::path before = file;
    before += ".before-replay";
    return copyfile(file, before);
}

} // namespace

std::string keepbeforereplay(const GOLF1& g, const fs::path& dir) {
    const fs::path league = findfile(dir, g.leaguefile);
    if (!keepbeside(league)) return "";
    const fs::path history = findfile(dir, historyfilename(g.leaguefile));
    std::error_code ec;
    if (fs::exists(history, ec) && !keepbeside(history)) return "";
    return league.filename().string() + ".before-replay";
}

} // namespace greenfold
