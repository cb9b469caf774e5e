#include "results/flights.h"

#include <algorithm>
#include <set>

namespace greenfold {

namespace {

struct Drawn {
    std::string player;
    std::optional<int> index;
};

// Every player of the night, or of the season with the index of his first night.
std::vector<Drawn> drawpool(const ResultsFile& f, const NightDate& night) {
    std::vector<Drawn> pool;
    std::set<std::string> seen;
    const bool season = f.settings.draw == FlightDraw::firstnight;
    for (const ResultLine& l : f.lines) {
        if (!season && l.date != night) continue;
        if (seen.insert(l.name).second) pool.push_back({l.name, l.hcp ? l.index : std::nullopt});
    }
    return pool;
}

Flights byhandicap(const ResultsFile& f, const NightDate& night) {
    Flights fl;
    const int k = std::clamp(f.settings.flightcount, 1, maxflights);
    for (int n = 0; n < k; ++n) fl.names.push_back(flightname(n));
    std::vector<Drawn> pool = drawpool(f, night);
    std::stable_sort(pool.begin(), pool.end(), [](const Drawn& a, const Drawn& b) {
        if (a.index.has_value() != b.index.has_value()) return a.index.has_value();
        if (a.index != b.index) return *a.index < *b.index;
        return a.player < b.player;
    });
    const int handicapped =
        int(std::count_if(pool.begin(), pool.end(), [](const Drawn& d) { return d.index; }));
    const std::vector<int> sizes = flightsizes(handicapped, k);
    std::size_t next = 0;
    for (int n = 0; n < k; ++n)
        for (int c = 0; c < sizes[std::size_t(n)]; ++c) fl.of[pool[next++].player] = n;
    for (; next < pool.size(); ++next) fl.of[pool[next].player] = k - 1;
    return fl;
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

Flights drawflights(const ResultsFile& f, const NightDate& night) {
    switch (f.settings.flights) {
    case FlightMode::byhand:
        return byhand(f);
    case FlightMode::byhandicap:
        return byhandicap(f, night);
    case FlightMode::none:
        break;
    }
    return Flights{{""}, {}};
}

} // namespace greenfold
