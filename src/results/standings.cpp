#include "results/standings.h"

#include "results/flights.h"
#include "results/night.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <map>

namespace greenfold {

namespace {

struct Season {
    std::vector<double> points;
    int netsum = 0;
    int netnights = 0;
    std::string flight;
};

bool samepoints(double a, double b) {
    return std::fabs(a - b) < 1e-9; // split points are thirds and the like
}

StandingRow row(const std::string& name, const Season& s, int best) {
    StandingRow r{name, 0, int(s.points.size()), bestof(s.points, best), std::nullopt};
    if (s.netnights > 0) r.averagenet = double(s.netsum) / s.netnights;
    return r;
}

void placerows(std::vector<StandingRow>& rows) {
    std::stable_sort(rows.begin(), rows.end(), [](const StandingRow& a, const StandingRow& b) {
        if (!samepoints(a.points, b.points)) return a.points > b.points;
        return a.name < b.name;
    });
    for (std::size_t k = 0; k < rows.size(); ++k)
        rows[k].place = k > 0 && samepoints(rows[k].points, rows[k - 1].points) ? rows[k - 1].place
                                                                                : int(k) + 1;
}

} // namespace

double bestof(std::vector<double> points, int n) {
    std::sort(points.begin(), points.end(), std::greater<>());
    if (n > 0 && std::size_t(n) < points.size()) points.resize(std::size_t(n));
    double total = 0;
    for (double p : points) total += p;
    return total;
}

std::vector<FlightStandings> standings(const ResultsFile& f) {
    const Flights season = drawflights(f, {});
    std::map<std::string, Season> players;
    // Night by night, oldest first, each night from its own lines.
    for (const NightLines& lines : linesbynight(f)) {
        const NightDate date = lines.front()->date;
        const NightResults night =
            nightresults(f.settings, date, lines, nightflights(f.settings, lines, season));
        for (const FlightNight& fn : night.flights)
            for (const NightRow& r : fn.rows) {
                Season& s = players[r.name];
                s.points.push_back(r.points);
                if (r.net) s.netsum += *r.net, ++s.netnights;
                s.flight = fn.flight;
            }
    }
    std::vector<FlightStandings> out;
    for (const std::string& name : season.names) out.push_back({name, {}});
    for (const auto& [name, s] : players) {
        const std::string& flight = s.flight;
        auto it = std::find_if(out.begin(), out.end(),
                               [&](const FlightStandings& fs) { return fs.flight == flight; });
        if (it == out.end()) it = out.insert(out.end(), {flight, {}});
        it->rows.push_back(row(name, s, f.settings.bestnights));
    }
    std::erase_if(out, [](const FlightStandings& fs) { return fs.rows.empty(); });
    for (FlightStandings& fs : out) placerows(fs.rows);
    return out;
}

} // namespace greenfold
