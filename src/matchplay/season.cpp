#include "matchplay/season.h"

#include <utility>

namespace greenfold::matchplay {

namespace {

std::vector<std::string> names(const std::vector<Side>& sides) {
    std::vector<std::string> out;
    for (const Side& s : sides) out.push_back(s.name);
    return out;
}

bool due(const Schedule& s, const Week& w, const SeasonNights& nights) {
    if (!w.position || w.paired || w.cancelled) return false;
    if (&w == &s.weeks.front()) return true;
    const Week* before = findweek(s, w.number - 1);
    return before && (before->cancelled || nightof(nights, before->number).rounds());
}

} // namespace

const NightInput& nightof(const SeasonNights& nights, int week) {
    static const NightInput none;
    const auto n = nights.find(week);
    return n == nights.end() ? none : n->second;
}

std::vector<WeekResult> workoutseason(const MatchFile& f, const std::vector<Side>& sides,
                                      const SeasonNights& nights, int before) {
    std::vector<WeekResult> out;
    for (const Week& w : f.schedule.weeks)
        if (w.number < before)
            out.push_back(
                workoutweek(w, f.sheet(w.number), sides, nightof(nights, w.number), f.settings));
    return out;
}

Outcome newschedule(MatchFile& f, const Sides& sides, const SchedulePlan& plan,
                    const Nights& nights, bool force) {
    if (!sides.ok()) return Outcome::failure(sidesproblem(sides));
    return replaceschedule(f.schedule, makeschedule(names(sides.sides), plan, f.settings), nights,
                           force);
}

std::vector<TableRow> standings(const MatchFile& f, const std::vector<Side>& sides,
                                const SeasonNights& nights) {
    return seasontable(names(sides), workoutseason(f, sides, nights), f.settings);
}

bool pairpositionweeks(MatchFile& f, const std::vector<Side>& sides, const SeasonNights& nights) {
    bool paired = false;
    for (Week& w : f.schedule.weeks) {
        if (!due(f.schedule, w, nights) || sides.size() < 2) continue;
        const auto table =
            seasontable(names(sides), workoutseason(f, sides, nights, w.number), f.settings);
        std::vector<std::pair<std::string, int>> order;
        for (const TableRow& r : table)
            if (findside(sides, r.side)) order.emplace_back(r.side, r.byes);
        w.pairs = positionpairs(order);
        w.paired = true;
        paired = true;
    }
    return paired;
}

bool fillsheets(MatchFile& f, const std::vector<Side>& sides, const SeasonNights& nights,
                const Draw& draw) {
    bool changed = false;
    for (const Week& w : f.schedule.weeks) {
        const NightInput& night = nightof(nights, w.number);
        if (!night.rounds() || w.cancelled || !w.paired) continue;
        const WeekSheet* old = f.sheet(w.number);
        WeekSheet sheet = old ? *old : WeekSheet{w.number, {}, {}};
        fillsheet(sheet, w, sides, namesof(night), f.settings, draw);
        if (old && *old == sheet) continue;
        f.sheetfor(w.number) = std::move(sheet);
        changed = true;
    }
    return changed;
}

int newestweek(const Schedule& s, const SeasonNights& nights) {
    int newest = 0;
    for (const Week& w : s.weeks)
        if (nightof(nights, w.number).rounds()) newest = w.number;
    return newest;
}

Nights playednights(const Schedule& s, const SeasonNights& nights) {
    Nights out;
    for (const Week& w : s.weeks)
        if (nightof(nights, w.number).rounds()) out.insert(w.date);
    return out;
}

} // namespace greenfold::matchplay
