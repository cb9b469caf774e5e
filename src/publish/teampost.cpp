#include "publish/teampost.h"

#include "results/night.h"
#include "results/resultstext.h"
#include "results/standings.h"
#include "teams/teamfile.h"

#include <algorithm>
#include <map>
#include <memory>

namespace greenfold {

namespace {

std::map<std::string, int> teamsbyname(const ProgramState& g) {
    std::map<std::string, int> teams;
    for (int p = 1; p <= g.playercount; ++p) teams[g.playername[p]] = g.playerteam[p];
    return teams;
}

// The records of that night in team's list, 1-based.
std::vector<int> postedrecords(const Teamdata& t, int team, const std::string& text) {
    std::vector<int> found;
    for (int e = 1; e <= t.eventcount[team]; ++e)
        if (t.eventtext[team][e] == text) found.push_back(e);
    return found;
}

void dropevent(Teamdata& t, int team, int e) {
    const int last = t.eventcount[team];
    for (int k = e; k < last; ++k) {
        t.eventtext[team][k] = std::move(t.eventtext[team][k + 1]);
        t.eventmanual[team][k] = t.eventmanual[team][k + 1];
        t.eventpoints[team][k] = t.eventpoints[team][k + 1];
    }
    t.eventtext[team][last].clear();
    t.eventmanual[team][last] = t.eventpoints[team][last] = 0;
    t.eventcount[team] = int16_t(last - 1);
}

Message teamsfull(const std::string& team) {
    return {"Team " + team + " has " + std::to_string(maxevents) +
                " point records, as many as it can keep. Remove some in Enter Team Results "
                "before posting this night. Nothing was posted.",
            "Post to Teams", Icon::exclamation};
}

} // namespace

std::vector<TeamNight> teamnight(const ProgramState& g, const Teamdata& t, const ResultsFile& f,
                                 const NightDate& night) {
    const std::map<std::string, int> teams = teamsbyname(g);
    std::vector<std::vector<double>> points(std::size_t(t.teamcount) + 1);
    for (const FlightNight& fn : nightresults(f, night).flights)
        for (const NightRow& r : fn.rows)
            if (auto at = teams.find(r.name);
                at != teams.end() && at->second > 0 && at->second <= t.teamcount)
                points[std::size_t(at->second)].push_back(r.points);
    const int best = f.settings.teambest;
    std::vector<TeamNight> nights;
    for (int team = 1; team <= t.teamcount; ++team) {
        const auto& p = points[std::size_t(team)];
        const int played = int(p.size());
        nights.push_back({team, best > 0 ? std::min(best, played) : played, bestof(p, best)});
    }
    return nights;
}

std::string postedtext(const NightDate& night) {
    return "Night results " + nighttext(night);
}

Outcome postnight(Teamdata& t, const std::vector<TeamNight>& nights, const NightDate& night) {
    const std::string text = postedtext(night);
    for (const TeamNight& n : nights)
        if (postedrecords(t, n.team, text).empty() && t.eventcount[n.team] >= maxevents)
            return Outcome::failure(teamsfull(t.teamname[n.team]));
    for (const TeamNight& n : nights) {
        std::vector<int> found = postedrecords(t, n.team, text);
        for (std::size_t k = found.size(); k-- > 1;) dropevent(t, n.team, found[k]);
        const int e = found.empty() ? t.eventcount[n.team] + 1 : found.front();
        t.eventcount[n.team] = int16_t(std::max<int>(e, t.eventcount[n.team]));
        t.eventtext[n.team][e] = text;
        t.eventmanual[n.team][e] = float(n.counted);
        t.eventpoints[n.team][e] = float(n.points);
    }
    return {};
}

namespace {

bool weekrecord(const std::string& text, int week) {
    const std::string head = "Week " + std::to_string(week);
    return text.starts_with(head + " v ") || text == head + " bye";
}

int teamnamed(const Teamdata& t, const std::string& name) {
    for (int team = 1; team <= t.teamcount && team <= maxteams; ++team)
        if (t.teamname[team] == name) return team;
    return 0;
}

// Puts a team's week record over its old record of the week, or after its last one.
bool putweek(Teamdata& t, int team, int week, const WeekRecord& r) {
    std::vector<int> found;
    for (int e = 1; e <= t.eventcount[team]; ++e)
        if (weekrecord(t.eventtext[team][e], week)) found.push_back(e);
    if (found.empty() && t.eventcount[team] >= maxevents) return false;
    for (std::size_t k = found.size(); k-- > 1;) dropevent(t, team, found[k]);
    const int e = found.empty() ? t.eventcount[team] + 1 : found.front();
    t.eventcount[team] = int16_t(std::max<int>(e, t.eventcount[team]));
    t.eventtext[team][e] = r.text;
    t.eventmanual[team][e] = r.text.ends_with(" bye") ? 0.0f : 1.0f;
    t.eventpoints[team][e] = float(r.points);
    return true;
}

} // namespace

Outcome postweek(ProgramState& g, int week, const std::vector<WeekRecord>& records,
                 const fs::path& dir, const CommitExtra& extra) {
    auto t = std::make_unique<Teamdata>();
    loadteams(g, *t, dir);
    if (!g.teamsdefined) return Outcome::failure(noteams());
    std::string text = "Week " + std::to_string(week) + " is posted to the teams:";
    for (const WeekRecord& r : records) {
        const int team = teamnamed(*t, r.team);
        if (team == 0) continue;
        if (!putweek(*t, team, week, r)) return Outcome::failure(teamsfull(r.team));
        text += "\r\n" + r.team + ": " + pointstext(r.points) + " points, " + r.text;
    }
    LeagueCommit commit(dir, g.leaguefile);
    stageteams(g, *t, commit);
    Outcome saved = extra ? extra(commit) : Outcome{};
    saved.merge(commit.run(g.damagedfiles));
    if (!saved) return saved;
    return saved.add({text, "Post to Teams", Icon::information});
}

Outcome postmatchweek(ProgramState& g, const matchplay::MatchSeason& s, const matchplay::Week& w,
                      const fs::path& dir) {
    std::vector<WeekRecord> records;
    for (const matchplay::WeekPost& p : matchplay::weekposts(matchplay::weekresult(s, w)))
        records.push_back({p.side, p.text, double(p.points.halves) / 2.0});
    return postweek(g, w.number, records, dir, [&](LeagueCommit& commit) {
        matchplay::stagematches(g, s.file, commit);
        return Outcome{};
    });
}

Message postweekquestion(int week) {
    return {"Post the matches of week " + std::to_string(week) +
                " to the teams' point records?\r\n\r\nEach team gets one record, \"Week " +
                std::to_string(week) +
                " v\" and the team it met, with its match points; a record of this week posted "
                "before is replaced, and records typed by hand stay as they are.",
            "Post to Teams", Icon::question};
}

bool hasteams(ProgramState& g, const fs::path& dir) {
    auto t = std::make_unique<Teamdata>();
    loadteams(g, *t, dir);
    return g.teamsdefined != 0;
}

Outcome postteams(ProgramState& g, const ResultsFile& f, const NightDate& night,
                  const fs::path& dir) {
    auto t = std::make_unique<Teamdata>();
    loadteams(g, *t, dir);
    if (!g.teamsdefined) return Outcome::failure(noteams());
    const std::vector<TeamNight> nights = teamnight(g, *t, f, night);
    Outcome posted = postnight(*t, nights, night);
    if (!posted) return posted;
    Outcome saved = writeteamfile(g, *t, dir);
    if (!saved) return saved;
    return saved.add(postedmessage(*t, nights, night));
}

Message postquestion(const NightDate& night) {
    return {"Post the results of the night of " + nighttext(night) +
                " to the teams' point records?\r\n\r\nEach team gets one record \"" +
                postedtext(night) +
                "\" with its players' points; a record of this night posted before is "
                "replaced, and records typed by hand stay as they are.",
            "Post to Teams", Icon::question};
}

Message postedmessage(const Teamdata& t, const std::vector<TeamNight>& nights,
                      const NightDate& night) {
    std::string text = "The night of " + nighttext(night) + " is posted to the teams:";
    for (const TeamNight& n : nights)
        text += "\r\n" + t.teamname[n.team] + ": " + pointstext(n.points) + " points from " +
                std::to_string(n.counted) + (n.counted == 1 ? " player" : " players");
    return {text, "Post to Teams", Icon::information};
}

Message noteams() {
    return {"This league has no teams: no player is on a team. Define the teams first.",
            "Post to Teams", Icon::exclamation};
}

} // namespace greenfold
