#include "players/roster.h"

#include "model/leaguefile.h"
#include "model/textline.h"
#include "teams/teamfile.h"

namespace greenfold {

namespace {

std::string upper(std::string_view s) {
    std::string out(s);
    for (char& c : out)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return out;
}

// The last slot holding exactly this name, or 0.
int lastnamed(const ProgramState& g, std::string_view name) {
    int found = 0;
    if (name.empty()) return 0; // an empty name stands for no selection, never a player
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playername[p] == name) found = p;
    return found;
}

const char* const continuetext = "     CONTINUE?          Select 'NO' to cancel";

} // namespace

std::string rostername(std::string_view typed) {
    std::string name = stripcontrols(typed);
    for (char& c : name)
        if (c == '"') c = '\'';
    return name;
}

AddResult addplayer(ProgramState& g, std::string_view typed, int tee) {
    const std::string name = rostername(typed);
    if (textwidth(name) < std::size_t(minaddname) || g.playercount >= maxplayers)
        return AddResult::rejected;
    const std::string wanted = upper(name);
    for (int p = 1; p <= g.playercount; ++p)
        if (upper(g.playername[p]) == wanted) return AddResult::duplicate;

    const int n = g.playercount + 1;
    // The slot may still hold a player removed earlier: every value is overwritten.
    clearplayer(g, n);
    g.playername[n] = name;
    g.playertee[n] = static_cast<int16_t>(tee >= tee_ladies && tee <= tee_pro ? tee : tee_mens);
    g.playercount = static_cast<int16_t>(n);
    return AddResult::added;
}

bool removeplayer(ProgramState& g, std::string_view name) {
    const int pos = lastnamed(g, name);
    if (pos == 0) return false;
    for (int j = pos; j < g.playercount; ++j) copyplayer(g, j + 1, j);
    clearplayer(g, g.playercount);
    --g.playercount;
    return true;
}

RenameResult checkrename(const ProgramState& g, std::string_view oldname, std::string_view typed) {
    const std::string name = rostername(typed);
    if (textwidth(name) < std::size_t(minrenamename) || lastnamed(g, oldname) == 0)
        return RenameResult::rejected;
    if (lastnamed(g, name) != 0) return RenameResult::duplicate;
    return RenameResult::changed;
}

RenameResult renameplayer(ProgramState& g, std::string_view oldname, std::string_view typed) {
    const RenameResult check = checkrename(g, oldname, typed);
    if (check == RenameResult::changed) g.playername[lastnamed(g, oldname)] = rostername(typed);
    return check;
}

void copyplayer(ProgramState& g, int from, int to) {
    g.playername[to] = g.playername[from];
    g.playertee[to] = g.playertee[from];
    g.roundcount[to] = g.roundcount[from];
    g.playerteam[to] = g.playerteam[from];
    g.differential[to] = g.differential[from];
    g.rmonth[to] = g.rmonth[from];
    g.rday[to] = g.rday[from];
    g.ryear[to] = g.ryear[from];
    g.hcpindex[to] = g.hcpindex[from];
    g.coursehcp[to] = g.coursehcp[from];
    g.roundcourse[to] = g.roundcourse[from];
    g.holescore[to] = g.holescore[from];
    g.history[to] = g.history[from];
}

void clearplayer(ProgramState& g, int p) {
    g.playername[p].clear();
    g.playertee[p] = 0;
    g.roundcount[p] = 0;
    g.playerteam[p] = 0;
    g.differential[p].fill(0);
    g.rmonth[p].fill(0);
    g.rday[p].fill(0);
    g.ryear[p].fill(0);
    g.hcpindex[p].fill(0);
    g.coursehcp[p].fill(0);
    g.roundcourse[p].fill(0);
    for (auto& round : g.holescore[p]) round.fill(0);
    g.history[p] = {};
}

Outcome saveroster(ProgramState& g, const Teamdata* teams, const fs::path& dir) {
    LeagueCommit commit(dir, g.leaguefile);
    if (teams != nullptr) stageteams(g, *teams, commit);
    stageleague(g, commit);
    return commit.run(g.damagedfiles);
}

bool addkeepsteams(const ProgramState& g, const fs::path& dir) {
    return g.teamsdefined == 1 || teamfileexists(g, dir);
}

std::string playerstitle(const ProgramState& g) {
    const std::string& file = g.leaguefile;
    return (file.size() >= 4 ? file.substr(0, file.size() - 4) : file) + " Players";
}

std::string membercount(const ProgramState& g) {
    return std::to_string(g.playercount) + " member(s)";
}

std::string leagueplayerlist(const ProgramState& g) {
    return g.leaguefile + " Player List";
}

Message nametaken() {
    return {"That name is already taken!", "Player entry error", Icon::exclamation};
}

Message nameinuse() {
    return {"This name is already in use\r\nand cannot be used again.", "G.F.D.", Icon::none};
}

Message removequestion(const std::string& name) {
    return {"Are you sure you want to remove the player\r\n" + name +
                "  from your League?\r\n\r\n" + continuetext,
            "Confirm Removal", Icon::stop};
}

Message renamequestion() {
    return {std::string("Are you sure you want to change\r\nthis players name?\r\n\r\n") +
                continuetext,
            "G.F.D.", Icon::question};
}

} // namespace greenfold
