#include "results/competition.h"

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

} // namespace greenfold
