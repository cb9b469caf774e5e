#include "teams/teamrules.h"

namespace greenfold {

namespace {

// The later player of this name among those on `team` (0: without a team), or 0.
int lastonteam(const ProgramState& g, const std::string& name, int team) {
    int found = 0;
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playerteam[p] == team && g.playername[p] == name) found = p;
    return found;
}

void moveplayers(ProgramState& g, const std::vector<std::string>& names, int from, int to) {
    for (const auto& name : names)
        if (int p = lastonteam(g, name, from); p != 0) g.playerteam[p] = static_cast<int16_t>(to);
}

Teamstep refused(std::optional<Message> message = std::nullopt) {
    return {false, true, std::move(message)};
}

} // namespace

Teamview teamview(const ProgramState& g, const Teamdata& t) {
    Teamview v;
    for (int p = 1; p <= g.playercount; ++p) {
        if (g.playerteam[p] == 0)
            v.unassigned.push_back(g.playername[p]);
        else if (g.playerteam[p] == t.currentteam)
            v.members.push_back(g.playername[p]);
    }
    v.name = t.teamname[t.currentteam];
    v.caption = teamcaption(t);
    return v;
}

std::string teamcaption(const Teamdata& t) {
    return "Team # " + std::to_string(t.currentteam) + " of " + std::to_string(t.teamcount);
}

void nameteam(Teamdata& t, std::string_view text) {
    t.teamname[t.currentteam] = std::string(text);
    if (!text.empty() && t.teamcount == 0) t.teamcount = 1;
}

Teamstep assignplayers(ProgramState& g, const Teamdata& t, const std::vector<std::string>& names) {
    // Until a team exists there is nothing to join; a number past the team count would
    // hide the player from both lists.
    if (t.teamcount == 0 || t.currentteam < 1 || t.currentteam > t.teamcount) return refused();
    moveplayers(g, names, 0, t.currentteam);
    return Teamstep::ok();
}

void releaseplayers(ProgramState& g, const Teamdata& t, const std::vector<std::string>& names) {
    if (t.currentteam >= 1) moveplayers(g, names, t.currentteam, 0);
}

Teamstep createteam(Teamdata& t, std::string_view nametext) {
    if (nametext.empty()) return refused();
    if (t.teamcount >= maxteams) return refused(teamsfull());
    if (t.teamcount == 0) nameteam(t, nametext);
    ++t.teamcount;
    t.currentteam = t.teamcount;
    t.teamname[t.currentteam].clear();
    clearevents(t, t.currentteam);
    return Teamstep::ok();
}

Teamstep removeteam(ProgramState& g, Teamdata& t) {
    if (t.teamcount == 0) return refused();
    const int current = t.currentteam;
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playerteam[p] == current) return refused(rosternotempty());

    t.teamname[current].clear();
    for (int team = current; team < t.teamcount; ++team) copyteam(t, team + 1, team);
    for (int p = 1; p <= g.playercount; ++p)
        if (g.playerteam[p] > current) --g.playerteam[p];
    if (t.teamcount >= 2) {
        // The slot left behind past the last team holds nothing any more.
        t.teamname[t.teamcount].clear();
        clearevents(t, t.teamcount);
        --t.teamcount;
    }
    if (t.currentteam > t.teamcount) --t.currentteam;
    return Teamstep::ok();
}

bool nextteam(Teamdata& t) {
    if (t.currentteam >= t.teamcount) return false;
    ++t.currentteam;
    return true;
}

bool prevteam(Teamdata& t) {
    if (t.currentteam <= 1) return false;
    --t.currentteam;
    return true;
}

Message teamsfull() {
    return {"A league keeps at most 100 teams. Remove a team before creating another one.",
            "Greenfold", Icon::exclamation};
}

Message rosternotempty() {
    return {"Roster for this team must be empty\r\nbefore the team can be removed.", "Greenfold",
            Icon::exclamation};
}

} // namespace greenfold
