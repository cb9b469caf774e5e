#include "matchplay/schedule.h"

#include "model/textline.h"

#include <algorithm>
#include <chrono>

namespace greenfold::matchplay {

namespace {

Message refusal(std::string text) {
    return {std::move(text), "Greenfold", Icon::exclamation};
}

std::string weekname(int week) {
    return "Week " + std::to_string(week);
}

// The week, when it can still be changed.
Week* changeable(Schedule& s, int week, const Nights& nights, Outcome& out) {
    Week* w = findweek(s, week);
    if (!w)
        out = Outcome::failure(refusal("The schedule has no week " + std::to_string(week) + "."));
    else if (weekplayed(*w, nights))
        out = Outcome::failure(refusal(weekname(week) + " has been played."));
    else if (w->cancelled)
        out = Outcome::failure(refusal(weekname(week) + " is cancelled."));
    else
        return w;
    return nullptr;
}

Week regularweek(const std::vector<std::string>& sides, const Round& round) {
    Week w;
    for (const auto& [a, b] : round) {
        if (a == 0 || b == 0)
            w.pairs.push_back({sides[std::size_t(a + b - 1)], ""});
        else
            w.pairs.push_back({sides[std::size_t(a - 1)], sides[std::size_t(b - 1)]});
    }
    return w;
}

bool isposition(const SchedulePlan& plan, int week) {
    return std::find(plan.positions.begin(), plan.positions.end(), week) != plan.positions.end();
}

} // namespace

std::vector<Round> circlerounds(int n) {
    if (n < 2) return {};
    const int m = n % 2 ? n + 1 : n;
    std::vector<int> ring;
    for (int k = 2; k <= n; ++k) ring.push_back(k);
    if (m > n) ring.push_back(0); // the bye
    std::vector<Round> rounds;
    for (int r = 0; r < m - 1; ++r) {
        std::vector<int> o{1};
        // The ring turned right r places: its last r entries first.
        const std::size_t turn = ring.size() - std::size_t(r);
        o.insert(o.end(), ring.begin() + long(turn), ring.end());
        o.insert(o.end(), ring.begin(), ring.begin() + long(turn));
        Round round, bye;
        for (int i = 0; i < m / 2; ++i) {
            const std::pair<int, int> p{o[std::size_t(i)], o[std::size_t(m - 1 - i)]};
            (p.first == 0 || p.second == 0 ? bye : round).push_back(p);
        }
        round.insert(round.end(), bye.begin(), bye.end());
        rounds.push_back(std::move(round));
    }
    return rounds;
}

int defaultweeks(int sides) {
    return sides % 2 ? sides : std::max(sides - 1, 1);
}

Nine weeknine(const MatchSettings& s, int week) {
    if (s.holes == 18) return Nine::all;
    switch (s.nines) {
    case Nines::front:
        return Nine::front;
    case Nines::back:
        return Nine::back;
    case Nines::alternate:
        break;
    }
    return week % 2 ? Nine::front : Nine::back;
}

bool validdate(const NightDate& d) {
    using namespace std::chrono;
    return d.year >= 0 && d.year <= 99 && d.month >= 1 && d.day >= 1 &&
           year_month_day{year{fullyear(d.year)}, month{unsigned(d.month)}, day{unsigned(d.day)}}
               .ok();
}

NightDate adddays(const NightDate& d, int days) {
    using namespace std::chrono;
    if (!validdate(d)) return d;
    const year_month_day ymd{year{fullyear(d.year)}, month{unsigned(d.month)},
                             day{unsigned(d.day)}};
    const year_month_day later{sys_days{ymd} + std::chrono::days{days}};
    return {int16_t(unsigned(later.month())), int16_t(unsigned(later.day())),
            int16_t(int(later.year()) % 100)};
}

NightDate freedate(NightDate d, const std::vector<NightDate>& skip) {
    // A skip list holds at most a season's dates, so this ends.
    for (std::size_t k = 0;
         k <= skip.size() && std::find(skip.begin(), skip.end(), d) != skip.end(); ++k)
        d = adddays(d, 7);
    return d;
}

Schedule makeschedule(const std::vector<std::string>& sides, SchedulePlan plan,
                      const MatchSettings& s) {
    if (plan.weeks <= 0) plan.weeks = defaultweeks(int(sides.size()));
    plan.weeks = std::min(plan.weeks, maxweeks);
    std::erase_if(plan.positions, [&](int w) { return w < 1 || w > plan.weeks; });
    std::sort(plan.positions.begin(), plan.positions.end());
    plan.positions.erase(std::unique(plan.positions.begin(), plan.positions.end()),
                         plan.positions.end());
    Schedule out;
    out.plan = plan;
    const std::vector<Round> rounds = circlerounds(int(sides.size()));
    std::size_t next = 0;
    NightDate date = freedate(plan.first, plan.skip);
    for (int k = 1; k <= plan.weeks && validdate(plan.first); ++k) {
        Week w;
        if (isposition(plan, k)) {
            w.position = true;
            w.paired = false;
        } else if (!rounds.empty()) {
            w = regularweek(sides, rounds[next]);
            next = (next + 1) % rounds.size();
        }
        w.number = k;
        w.date = date;
        w.nine = weeknine(s, k);
        out.weeks.push_back(std::move(w));
        date = freedate(adddays(date, 7), plan.skip);
    }
    return out;
}

bool weekplayed(const Week& w, const Nights& nights) {
    return !w.cancelled && nights.count(w.date) > 0;
}

const Week* findweek(const Schedule& s, int number) {
    for (const Week& w : s.weeks)
        if (w.number == number) return &w;
    return nullptr;
}

Week* findweek(Schedule& s, int number) {
    return const_cast<Week*>(findweek(std::as_const(s), number));
}

Outcome replaceschedule(Schedule& current, Schedule made, const Nights& nights, bool force) {
    std::vector<Week> kept;
    for (const Week& w : current.weeks)
        if (weekplayed(w, nights) || w.cancelled) kept.push_back(w);
    const bool anyplayed = std::any_of(current.weeks.begin(), current.weeks.end(),
                                       [&](const Week& w) { return weekplayed(w, nights); });
    if (anyplayed && !force)
        return Outcome::failure(refusal("The schedule has played weeks; make it again with "
                                        "--force to keep them and replace the rest."));
    for (Week& k : kept) {
        Week* w = findweek(made, k.number);
        if (w)
            *w = std::move(k);
        else
            made.weeks.push_back(std::move(k));
    }
    std::sort(made.weeks.begin(), made.weeks.end(),
              [](const Week& a, const Week& b) { return a.number < b.number; });
    current = std::move(made);
    return {};
}

void clearunplayed(Schedule& s, const Nights& nights) {
    std::erase_if(s.weeks, [&](const Week& w) { return !weekplayed(w, nights) && !w.cancelled; });
}

Outcome postpone(Schedule& s, int week, const Nights& nights) {
    Outcome out;
    if (!changeable(s, week, nights, out)) return out;
    for (Week& w : s.weeks)
        if (w.number >= week) w.date = freedate(adddays(w.date, 7), s.plan.skip);
    return out;
}

Outcome cancel(Schedule& s, int week, const Nights& nights) {
    Outcome out;
    if (Week* w = changeable(s, week, nights, out)) w->cancelled = true;
    return out;
}

Outcome swapsides(Schedule& s, int week, const std::string& a, const std::string& b,
                  const Nights& nights) {
    Outcome out;
    Week* w = changeable(s, week, nights, out);
    if (!w) return out;
    if (!w->paired)
        return Outcome::failure(refusal(weekname(week) + " is a position week not yet paired."));
    std::string* first = nullptr;
    std::string* second = nullptr;
    for (Pair& p : w->pairs)
        for (std::string* side : {&p.side1, &p.side2}) {
            if (*side == a && !side->empty()) first = side;
            if (*side == b && !side->empty()) second = side;
        }
    if (!first || !second || a == b)
        return Outcome::failure(
            refusal(a + " and " + b + " are not two sides of " + weekname(week) + "."));
    std::swap(*first, *second);
    return out;
}

std::vector<Pair> positionpairs(const std::vector<std::pair<std::string, int>>& table) {
    std::vector<std::string> order;
    for (const auto& row : table) order.push_back(row.first);
    std::string bye;
    if (order.size() % 2) {
        int fewest = table.front().second;
        for (const auto& row : table) fewest = std::min(fewest, row.second);
        for (const auto& row : table)
            if (row.second == fewest) bye = row.first; // the last such is the lowest placed
        std::erase(order, bye);
    }
    std::vector<Pair> pairs;
    for (std::size_t k = 0; k + 1 < order.size(); k += 2) pairs.push_back({order[k], order[k + 1]});
    if (!bye.empty()) pairs.push_back({bye, ""});
    return pairs;
}

} // namespace greenfold::matchplay
