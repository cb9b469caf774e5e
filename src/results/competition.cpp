#include "results/competition.h"

#include "results/flights.h"
#include "results/night.h"
#include "results/nightrecord.h"

#include <algorithm>
#include <charconv>

namespace greenfold {

std::optional<std::vector<int>> readpointstable(std::string_view text) {
    std::vector<int> points;
    std::size_t pos = 0;
    while (pos < text.size()) {
        if (text[pos] == ' ' || text[pos] == ',' || text[pos] == '\t') {
            ++pos;
            continue;
        }
        int v = 0;
        auto [end, ec] = std::from_chars(text.data() + pos, text.data() + text.size(), v);
        if (ec != std::errc() || v < 0 || v > 9999) return std::nullopt;
        pos = std::size_t(end - text.data());
        if (pos < text.size() && text[pos] != ' ' && text[pos] != ',' && text[pos] != '\t')
            return std::nullopt;
        points.push_back(v);
    }
    if (points.size() > std::size_t(maxplaces)) return std::nullopt;
    return points;
}

std::string pointstableline(const std::vector<int>& points) {
    std::string s;
    for (int p : points) s += (s.empty() ? "" : " ") + std::to_string(p);
    return s;
}

Message pointstablerefused() {
    return {"Type the points of each place, first place first, as whole numbers from 0 to "
            "9999 with a space between them (at most 20 places).",
            "Competition Settings", Icon::exclamation};
}

void changesettings(ResultsFile& f, CompetitionSettings s, const ProgramState& g) {
    std::erase_if(s.assigned, [](const FlightAssignment& a) { return a.flight.empty(); });
    const bool allowance = s.allowance != f.settings.allowance;
    const bool flights = s.flights != f.settings.flights || s.draw != f.settings.draw ||
                         s.flightcount != f.settings.flightcount;
    f.settings = std::move(s);
    if (allowance) applyallowance(f, g);
    if (flights) f.drawn.clear();
    keepdraw(f, g);
}

std::string handflight(const CompetitionSettings& s, std::string_view player) {
    auto it = std::find_if(s.assigned.begin(), s.assigned.end(),
                           [&](const FlightAssignment& a) { return a.player == player; });
    return it == s.assigned.end() ? "" : it->flight;
}

FlightDrawView flightdraw(const ResultsFile& f, const CompetitionSettings& shown,
                          const std::vector<std::string>& roster) {
    FlightDrawView view;
    for (const std::string& player : roster) view.rows.push_back({player, ""});
    const std::vector<NightDate> nights = seasonnights(f);
    const bool everynight = shown.draw == FlightDraw::everynight;
    if (nights.empty()) {
        view.note = std::string("The flights are drawn by handicap ") +
                    (everynight ? "every night" : "at the season's first night") +
                    ". This season has no night yet.";
        return view;
    }
    ResultsFile drawn;
    drawn.settings = shown;
    drawn.settings.flights = FlightMode::byhandicap;
    drawn.lines = f.lines;
    const NightDate night = everynight ? nights.front() : nights.back();
    const Flights flights = drawflights(drawn, night);
    bool missing = false;
    for (FlightAssignment& row : view.rows) {
        if (auto it = flights.of.find(row.player); it != flights.of.end())
            row.flight = flights.names[std::size_t(it->second)];
        missing = missing || row.flight.empty();
    }
    view.note = std::string("Drawn by handicap ") +
                (everynight ? "for the newest night, " : "at the season's first night, ") +
                nighttext(night) + (everynight ? "; drawn again every night." : ".");
    if (missing)
        view.note += everynight ? " A player without a flight did not play that night."
                                : " A player without a flight has not played this season yet.";
    return view;
}

} // namespace greenfold
