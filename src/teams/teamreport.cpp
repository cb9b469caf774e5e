#include "teams/teamreport.h"

#include "model/textline.h"
#include "reports/printsteps.h"

#include <algorithm>

namespace greenfold {

namespace {

constexpr float reportsize = 10;
// A heading starting below this line goes to the next page, so a team's name never
// stands alone at the foot of one.
constexpr int headinglimit = 45;
// The last line a page holds before the record lines carry on over the page.
constexpr int pagelimit = 52;
// The name lines that always stay with the team's heading: a heading starts at line 45
// at the latest, and eleven name lines after it still fit the page. Only a team longer
// than that breaks its names over the page.
constexpr std::size_t heldnamelines = 11;
constexpr std::size_t namelinewidth = 70;

// One space for each of the thresholds the value lies below, so that "###0.0" of a
// value from 0 to 9999.9 is always 6 characters wide.
std::string lead(float value) {
    std::string s;
    for (float limit : {1000.0f, 100.0f, 10.0f})
        if (value < limit) s += ' ';
    return s;
}

std::string rightaligned(float value) {
    return lead(value) + formatpattern(value, "###0.0");
}

} // namespace

std::string teamreportheader(const std::string& date) {
    return std::string(49, ' ') + "Greenfold   " + date;
}

std::string teamentryline(std::string_view text, float manual, float points) {
    std::string line = "    " + std::string(text);
    line += filler(line, 60);
    return line + rightaligned(manual) + "   " + rightaligned(points);
}

std::string teamtotalline(float manual, float sum) {
    return std::string(53, ' ') + "Total: " + rightaligned(manual) + " " + lead(sum) + "  " +
           formatpattern(sum, "###0.0");
}

std::vector<std::string> teamnamelines(const ProgramState& g, int team) {
    std::vector<std::string> lines{"    "};
    const int players = std::clamp<int>(g.playercount, 0, maxplayers);
    for (int p = 1; p <= players; ++p) {
        if (g.playerteam[p] != team) continue;
        const std::string& name = g.playername[p];
        if (textwidth(lines.back()) + textwidth(name) < namelinewidth)
            lines.back() += name + " , ";
        else
            lines.push_back("    " + name + " , ");
    }
    // The separator after the last name goes, all but the space before its comma.
    std::string& last = lines.back();
    last.resize(last.size() - 2);
    return lines;
}

Teamreport::Teamreport(PrintSurface& s, const ProgramState& g, const Teamdata& teams,
                       Teamreportoptions options)
    : s_(s), g_(g), teams_(teams), options_(options) {}

void Teamreport::start(const std::string& date) {
    s_.setorientation(orientation_portrait);
    startpage(s_, g_, reportsize);
    for (int i = 0; i < 4; ++i) s_.printline(" ");
    s_.printline(teamreportheader(date));
    s_.printline("");
    counter_ = 6;
}

void Teamreport::newpage() {
    s_.newpage();
    counter_ = 2;
    startpage(s_, g_, reportsize);
    s_.printline(" ");
    s_.printline(" ");
}

void Teamreport::counted() {
    if (++counter_ > pagelimit) newpage();
}

// The records of a team as far as the tables hold them, whatever a file claimed.
int Teamreport::records(int team) const {
    return std::clamp<int>(teams_.eventcount[team], 0, maxevents);
}

void Teamreport::Teamheading(int team) {
    if (counter_ > headinglimit) newpage();
    s_.printline(" ");
    s_.printline("    " + std::string(80, '-'));
    s_.printline("    Team: " + teams_.teamname[team]);
    s_.printline(" ");
    counter_ += 4;
}

// A team of more players than eleven lines hold is listed whole: its further lines
// follow the page breaks of the record lines instead of running off the page.
void Teamreport::PrintTeamName(int team) {
    if (!options_.names) return;
    const std::vector<std::string> lines = teamnamelines(g_, team);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        s_.printline(lines[i]);
        if (i < heldnamelines)
            ++counter_;
        else
            counted();
    }
    s_.printline(" ");
    ++counter_;
}

void Teamreport::TeamEntries(int team) {
    const int n = records(team);
    for (int e = options_.lastonly ? std::max(n, 1) : 1; e <= n; ++e) {
        s_.printline(teamentryline(teams_.eventtext[team][e], teams_.eventmanual[team][e],
                                   teams_.eventpoints[team][e]));
        counted();
    }
}

// The kept number is a total the user keeps himself, so the newest one stands for the
// team; the points are added up here. A team without records shows 0 for both.
void Teamreport::TeamFooter(int team) {
    const int n = records(team);
    float sum = 0;
    for (int e = 1; e <= n; ++e) sum += teams_.eventpoints[team][e];
    s_.printline(std::string(60, ' ') + std::string(14, '-'));
    s_.printline(teamtotalline(teams_.eventmanual[team][n], sum));
    s_.printline(" ");
    counter_ += 3;
}

bool printteamreport(PrintSurface& s, const ProgramState& g, const Teamdata& teams,
                     Teamreportoptions options, const std::string& date) {
    Teamreport report(s, g, teams, options);
    report.start(date);
    const int count = std::clamp<int>(teams.teamcount, 0, maxteams);
    for (int t = 1; t <= count; ++t) {
        report.Teamheading(t);
        report.PrintTeamName(t);
        report.TeamEntries(t);
        report.TeamFooter(t);
    }
    return s.enddocument();
}

} // namespace greenfold
