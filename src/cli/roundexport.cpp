#include "cli/roundexport.h"

#include "cli/clidates.h"
#include "cli/csvfile.h"
#include "model/textline.h"

#include <algorithm>
#include <utility>

namespace greenfold {

namespace {

std::string teename(int tee) {
    static constexpr const char* names[] = {"", "Ladies", "Mens", "Pro"};
    return tee >= tee_ladies && tee <= tee_pro ? names[tee] : "";
}

std::string flagwords(uint8_t flags) {
    static constexpr std::pair<uint8_t, const char*> words[] = {{roundflag_estimated, "estimated"},
                                                                {roundflag_totals, "totals"},
                                                                {roundflag_reduced, "reduced"},
                                                                {roundflag_waiting, "waiting"}};
    std::string text;
    for (auto [flag, word] : words)
        if (flags & flag) text += (text.empty() ? "" : " ") + std::string(word);
    return text;
}

} // namespace

std::vector<std::string> exportheading(HandicapMethod method) {
    std::vector<std::string> cells{"player", "date", "course", "initials"};
    for (int h = 1; h <= 18; ++h) cells.push_back(std::to_string(h));
    for (const char* c : {"out", "in", "total", "differential", "index", "course handicap"})
        cells.emplace_back(c);
    if (method == HandicapMethod::whs) cells.insert(cells.end(), {"tee", "flags"});
    return cells;
}

std::vector<std::string> roundcells(const ProgramState& g, int p, int r) {
    const auto& score = g.holescore[p][r];
    const CalendarDate date{fullyear(g.ryear[p][r]), g.rmonth[p][r], g.rday[p][r]};
    std::vector<std::string> cells{g.playername[p], isodate(date),
                                   coursefield(g, g.roundcourse[p][r], courseline_name),
                                   coursefield(g, g.roundcourse[p][r], courseline_initials)};
    for (int h = 1; h <= 18; ++h) cells.push_back(std::to_string(score[h]));
    cells.push_back(std::to_string(score[19]));
    cells.push_back(std::to_string(score[20]));
    cells.push_back(std::to_string(score[19] + score[20]));
    cells.push_back(formatpattern(g.differential[p][r], "0.0"));
    cells.push_back(formatpattern(g.hcpindex[p][r], "0.0"));
    cells.push_back(generalformat(g.coursehcp[p][r]));
    if (g.method == HandicapMethod::whs) {
        cells.push_back(teename(g.history[p].rounds[r].tee));
        cells.push_back(flagwords(g.history[p].rounds[r].flags));
    }
    return cells;
}

std::string exportbytes(const ProgramState& g) {
    std::string out = csvline(exportheading(g.method));
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= players; ++p) {
        if (g.playername[p].empty()) continue;
        const int rounds = std::clamp<int>(g.roundcount[p], 0, maxrounds);
        for (int r = 1; r <= rounds; ++r) out += csvline(roundcells(g, p, r));
    }
    return out;
}

} // namespace greenfold
