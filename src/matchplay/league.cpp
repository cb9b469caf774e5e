#include "matchplay/league.h"

#include "model/textline.h"
#include "scoring/handicap.h"
#include "whs/coursehandicap.h"
#include "whs/differential.h"
#include "whs/leaguerecord.h"

#include <algorithm>
#include <cmath>
#include <map>

namespace greenfold::matchplay {

namespace {

int players(const ProgramState& g) {
    return std::clamp<int>(g.playercount, 0, maxplayers);
}

int playernumber(const ProgramState& g, std::string_view name) {
    for (int p = 1; p <= players(g); ++p)
        if (g.playername[p] == name) return p;
    return 0;
}

whs::Date fulldate(const NightDate& d) {
    return whs::leaguedate(d.month, d.day, d.year);
}

// The index issued after player p's last kept round before the night.
std::optional<int> keptindex(const ProgramState& g, int p, const NightDate& night) {
    const int count = std::clamp<int>(g.roundcount[p], 0, maxrounds);
    if (g.method == HandicapMethod::whs) {
        std::optional<int> index;
        for (const IssuedIndex& i : g.history[p].issued)
            if (whs::Date{i.year, i.month, i.day} < fulldate(night)) index = i.tenths;
        return index;
    }
    std::optional<int> index;
    for (int r = 1; r <= count; ++r)
        if (NightDate{g.rmonth[p][r], g.rday[p][r], g.ryear[p][r]} < night)
            index = whs::tenthsnear(g.hcpindex[p][r]).v;
    return index;
}

int nightcourse(const NightInput& n) {
    std::map<int, int> counts;
    for (const Card& c : n.cards) ++counts[c.course];
    int best = 0, most = 0;
    for (const auto& [course, k] : counts)
        if (k > most) {
            best = course;
            most = k;
        }
    return best;
}

Card cardof(const ProgramState& g, const ResultLine& l, Nine nine) {
    Card c;
    c.name = l.name;
    c.course = l.course;
    for (std::size_t h = 0; h < 18; ++h) c.holes[h] = l.holes[h];
    const int p = playernumber(g, l.name);
    const int tee = l.tee > 0 ? l.tee : p > 0 ? g.playertee[p] : tee_mens;
    if (l.index) c.coursehcp = matchcoursehcp(g, *l.index, l.course, tee, nine);
    return c;
}

} // namespace

Roster leagueroster(const ProgramState& g, const Teamdata& t) {
    Roster r;
    const int teams = std::clamp<int>(t.teamcount, 0, maxteams);
    for (int k = 1; k <= teams; ++k) r.teams.push_back(t.teamname[std::size_t(k)]);
    for (int p = 1; p <= players(g); ++p) {
        const int team = g.playerteam[p];
        r.players.push_back({g.playername[p], team >= 1 && team <= teams ? team : 0});
    }
    return r;
}

std::vector<std::string> leagueplayers(const ProgramState& g) {
    std::vector<std::string> out;
    for (int p = 1; p <= players(g); ++p) out.push_back(g.playername[p]);
    return out;
}

bool leaguehasteams(const ProgramState& g, const Teamdata& t) {
    const Roster r = leagueroster(g, t);
    return std::any_of(r.players.begin(), r.players.end(),
                       [](const RosterPlayer& p) { return p.team > 0; });
}

CourseHoles courseholes(const ProgramState& g, int course) {
    CourseHoles c;
    c.name = coursefield(g, course, courseline_name);
    if (c.name.empty()) c.name = "Course " + std::to_string(course);
    for (int h = 1; h <= 18; ++h)
        c.par[std::size_t(h - 1)] = int(std::lround(coursevalue(g, course, courseline_par0 + h)));
    c.strokeindex = whs::parsestrokeindexes(coursefield(g, course, courseline_strokeindex));
    return c;
}

std::optional<whs::Fraction> matchcoursehcp(const ProgramState& g, int index, int course, int tee,
                                            Nine nine) {
    if (g.method == HandicapMethod::classic) {
        const TeeRating t = teerating(g, course, tee);
        if (!usablerating(t)) return std::nullopt;
        const int ch = int(coursehandicap(float(index) / 10.0f, t.slope));
        return nine == Nine::all ? whs::Fraction(ch) : whs::Fraction(ch, 2);
    }
    // A round of the match's holes, so the method rates the nine it plays.
    whs::LeagueScores scores{};
    scores[19] = int16_t(nine == Nine::back ? 0 : 1);
    scores[20] = int16_t(nine == Nine::front ? 0 : 1);
    const whs::Round r = whs::leagueround(g, scores, course, tee, {});
    if (r.tee.slope <= 0) return std::nullopt;
    const whs::Tenths used = nine == Nine::all ? whs::Tenths{index} : whs::halfindex({index});
    return whs::coursehandicap(used, whs::ratingplayed(r));
}

std::optional<int> indexbeforenight(const ProgramState& g, const ResultsFile& f, int p,
                                    const NightDate& night) {
    if (p < 1 || p > players(g)) return std::nullopt;
    for (const ResultLine& l : f.lines) // by date, oldest first
        if (l.name == g.playername[p] && !(l.date < night)) return l.index;
    return keptindex(g, p, night);
}

namespace {

// Every player's course handicap for the week's holes on his default tee on the course.
void defaulthandicaps(NightInput& n, const ProgramState& g, const ResultsFile& f,
                      const Week& week) {
    if (n.nightcourse > 0) n.courses[n.nightcourse] = courseholes(g, n.nightcourse);
    for (int p = 1; p <= players(g) && n.nightcourse > 0; ++p) {
        const auto index = indexbeforenight(g, f, p, week.date);
        if (!index) continue;
        if (auto ch = matchcoursehcp(g, *index, n.nightcourse, g.playertee[p], week.nine))
            n.absenthcp[g.playername[p]] = *ch;
    }
}

} // namespace

NightInput nightinput(const ProgramState& g, const ResultsFile& f, const Week& week) {
    NightInput n;
    for (const ResultLine& l : f.lines)
        if (l.date == week.date) n.cards.push_back(cardof(g, l, week.nine));
    n.nightcourse = nightcourse(n);
    for (const Card& c : n.cards)
        if (!n.courses.count(c.course)) n.courses[c.course] = courseholes(g, c.course);
    defaulthandicaps(n, g, f, week);
    return n;
}

NightInput cardnight(const ProgramState& g, const ResultsFile& f, const Week& week, int course) {
    NightInput n = nightinput(g, f, week);
    n.nightcourse = course;
    n.absenthcp.clear();
    defaulthandicaps(n, g, f, week);
    return n;
}

SeasonNights leaguenights(const ProgramState& g, const ResultsFile& f, const Schedule& s) {
    SeasonNights out;
    for (const Week& w : s.weeks) {
        NightInput n = nightinput(g, f, w);
        if (n.rounds()) out[w.number] = std::move(n);
    }
    return out;
}

Nights nightswithrounds(const ResultsFile& f) {
    Nights out;
    for (const ResultLine& l : f.lines) out.insert(l.date);
    return out;
}

} // namespace greenfold::matchplay
