#include "results/flights.h"

#include <algorithm>
#include <set>

namespace greenfold {

namespace {

std::optional<int> drawindex(const ResultLine& l) {
    return l.hcp ? l.index : std::nullopt;
}

int flightcount(const CompetitionSettings& s) {
    return std::clamp(s.flightcount, 1, maxflights);
}

Flights named(int k) {
    Flights fl;
    for (int n = 0; n < k; ++n) fl.names.push_back(flightname(n));
    return fl;
}

Flights fromdraw(int k, const std::vector<DrawnPlayer>& drawn) {
    Flights fl = named(k);
    for (const DrawnPlayer& d : drawn) fl.of[d.player] = std::clamp(d.flight, 0, k - 1);
    return fl;
}

// The highest index drawn into each flight; none for a flight without one.
std::vector<std::optional<int>> highest(int k, const std::vector<DrawnPlayer>& drawn) {
    std::vector<std::optional<int>> top(static_cast<std::size_t>(k));
    for (const DrawnPlayer& d : drawn) {
        auto& t = top[std::size_t(std::clamp(d.flight, 0, k - 1))];
        if (d.index && (!t || *d.index > *t)) t = d.index;
    }
    return top;
}

// The season's draw: the one the file keeps, or the first night's players'.
std::vector<DrawnPlayer> seasondraw(const ResultsFile& f, int k) {
    if (!f.drawn.empty() || f.lines.empty()) return f.drawn;
    const NightDate first =
        std::min_element(f.lines.begin(), f.lines.end(), [](const auto& a, const auto& b) {
            return a.date < b.date;
        })->date;
    std::vector<Drawn> pool;
    for (const ResultLine& l : f.lines)
        if (l.date == first) pool.push_back({l.name, drawindex(l)});
    return drawplayers(std::move(pool), k);
}

// Drawn at the first night: the draw, and each player not in it by his first night's index.
Flights season(const ResultsFile& f) {
    const int k = flightcount(f.settings);
    const std::vector<DrawnPlayer> drawn = seasondraw(f, k);
    Flights fl = fromdraw(k, drawn);
    const std::vector<std::optional<int>> top = highest(k, drawn);
    std::map<std::string, const ResultLine*> firstline;
    for (const ResultLine& l : f.lines) {
        if (fl.of.contains(l.name)) continue;
        const ResultLine*& first = firstline[l.name];
        if (!first || l.date < first->date) first = &l;
    }
    for (const auto& [name, line] : firstline) {
        const std::optional<int> index = drawindex(*line);
        int flight = k - 1;
        for (int n = 0; index && n < k; ++n)
            if (top[std::size_t(n)] && *index <= *top[std::size_t(n)]) {
                flight = n;
                break;
            }
        fl.of[name] = flight;
    }
    return fl;
}

Flights everynight(int k, const NightLines& night) {
    std::vector<Drawn> pool;
    std::set<std::string> seen;
    for (const ResultLine* l : night)
        if (seen.insert(l->name).second) pool.push_back({l->name, drawindex(*l)});
    return fromdraw(k, drawplayers(std::move(pool), k));
}

Flights byhand(const ResultsFile& f) {
    Flights fl;
    std::set<std::string> names;
    for (const FlightAssignment& a : f.settings.assigned) names.insert(a.flight);
    fl.names.assign(names.begin(), names.end());
    if (fl.names.empty()) fl.names.push_back("");
    for (const FlightAssignment& a : f.settings.assigned)
        fl.of[a.player] =
            int(std::find(fl.names.begin(), fl.names.end(), a.flight) - fl.names.begin());
    return fl;
}

} // namespace

int Flights::flightof(const std::string& player) const {
    auto it = of.find(player);
    return it == of.end() ? int(names.size()) - 1 : it->second;
}

std::string flightname(int k) {
    return std::string(1, char('A' + k));
}

std::vector<int> flightsizes(int n, int k) {
    std::vector<int> sizes(std::size_t(std::max(k, 1)), n / std::max(k, 1));
    for (int extra = 0; extra < n % std::max(k, 1); ++extra) ++sizes[std::size_t(extra)];
    return sizes;
}

std::vector<DrawnPlayer> drawplayers(std::vector<Drawn> pool, int k) {
    std::stable_sort(pool.begin(), pool.end(), [](const Drawn& a, const Drawn& b) {
        if (a.index.has_value() != b.index.has_value()) return a.index.has_value();
        if (a.index != b.index) return *a.index < *b.index;
        return a.player < b.player;
    });
    const int handicapped =
        int(std::count_if(pool.begin(), pool.end(), [](const Drawn& d) { return d.index; }));
    const std::vector<int> sizes = flightsizes(handicapped, k);
    std::vector<DrawnPlayer> out;
    for (int n = 0; n < k; ++n)
        for (int c = 0; c < sizes[std::size_t(n)]; ++c) {
            const Drawn& d = pool[out.size()];
            out.push_back({d.player, n, d.index});
        }
    while (out.size() < pool.size()) {
        const Drawn& d = pool[out.size()];
        out.push_back({d.player, k - 1, std::nullopt});
    }
    return out;
}

Flights drawflights(const ResultsFile& f, const NightDate& night) {
    switch (f.settings.flights) {
    case FlightMode::byhand:
        return byhand(f);
    case FlightMode::byhandicap: {
        if (f.settings.draw == FlightDraw::firstnight) return season(f);
        NightLines lines;
        for (const ResultLine& l : f.lines)
            if (l.date == night) lines.push_back(&l);
        return everynight(flightcount(f.settings), lines);
    }
    case FlightMode::none:
        break;
    }
    return Flights{{""}, {}};
}

Flights nightflights(const CompetitionSettings& s, const NightLines& night, const Flights& season) {
    if (s.flights == FlightMode::byhandicap && s.draw == FlightDraw::everynight)
        return everynight(flightcount(s), night);
    return season;
}

} // namespace greenfold
