#include "matchplay/sides.h"

#include <algorithm>
#include <set>

namespace greenfold::matchplay {

namespace {

bool contains(const std::vector<std::string>& names, std::string_view name) {
    return std::find(names.begin(), names.end(), name) != names.end();
}

std::vector<Side> teamsides(const Roster& roster, std::vector<std::string>& problems) {
    std::vector<Side> sides;
    for (std::size_t t = 0; t < roster.teams.size(); ++t) {
        Side side{roster.teams[t], {}, {}};
        if (side.name.empty()) side.name = "Team " + std::to_string(t + 1);
        for (const RosterPlayer& p : roster.players) {
            if (p.team != int(t + 1)) continue;
            (side.regulars.size() < 2 ? side.regulars : side.substitutes).push_back(p.name);
        }
        if (side.regulars.size() < 2)
            problems.push_back("Team " + side.name + " has fewer than two players.");
        sides.push_back(std::move(side));
    }
    return sides;
}

std::vector<Side> playersides(const Roster& roster, const std::vector<std::string>& subsonly) {
    std::vector<Side> sides;
    for (const RosterPlayer& p : roster.players)
        if (!contains(subsonly, p.name)) sides.push_back({p.name, {p.name}, {}});
    return sides;
}

} // namespace

Sides makesides(const Roster& roster, Format format,
                const std::vector<std::string>& substituteonly) {
    Sides out;
    out.sides = format == Format::teams ? teamsides(roster, out.problems)
                                        : playersides(roster, substituteonly);
    std::set<std::string> seen;
    for (const Side& s : out.sides)
        if (!seen.insert(s.name).second)
            out.problems.push_back("Two sides are named " + s.name + ".");
    if (out.sides.size() < 2) out.problems.push_back("Match play needs at least two sides.");
    return out;
}

const Side* findside(const std::vector<Side>& sides, std::string_view name) {
    for (const Side& s : sides)
        if (s.name == name) return &s;
    return nullptr;
}

std::vector<std::string> substitutesoffered(const Roster& roster, const Side& side) {
    std::vector<std::string> out = side.substitutes;
    for (const RosterPlayer& p : roster.players)
        if (!contains(side.regulars, p.name) && !contains(out, p.name)) out.push_back(p.name);
    return out;
}

Message sidesproblem(const Sides& s) {
    std::string text = "No schedule can be made:";
    for (const std::string& p : s.problems) text += ' ' + p;
    return {text, "Greenfold", Icon::exclamation};
}

} // namespace greenfold::matchplay
