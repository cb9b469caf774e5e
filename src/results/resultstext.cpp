#include "results/resultstext.h"

#include "model/textline.h"
#include "whs/decimal.h"

namespace greenfold {

namespace {

std::string placetext(int place) {
    return place > 0 ? std::to_string(place) : "";
}
std::string flightheading(const std::string& flight) {
    return flight.empty() ? "" : "Flight " + flight;
}

std::string nightrowline(const NightRow& r) {
    const std::string hcp = r.hcp ? whs::handicaptext(*r.hcp) : "no hcp";
    return alignright(placetext(r.place), 5) + "  " + alignleft(r.name, 22) +
           alignright(std::to_string(r.gross), 5) + alignright(placetext(r.grossplace), 6) +
           alignright(hcp, 8) + alignright(r.net ? std::to_string(*r.net) : "", 6) +
           alignright(placetext(r.netplace), 6) + alignright(pointstext(r.points), 8);
}

std::string standingline(const StandingRow& r) {
    return alignright(std::to_string(r.place), 5) + "  " + alignleft(r.name, 22) +
           alignright(std::to_string(r.nights), 7) + alignright(pointstext(r.points), 9) +
           alignright(r.averagenet ? averagetext(*r.averagenet) : "", 9);
}

} // namespace

std::string pointstext(double points) {
    std::string s = formatpattern(points, "#0.00");
    while (s.back() == '0') s.pop_back();
    if (s.back() == '.') s.pop_back();
    return s == "-0" ? "0" : s;
}

std::string averagetext(double average) {
    return formatpattern(average, "0.0");
}

std::vector<std::string> nightlines(const std::string& league, const NightResults& night) {
    std::vector<std::string> out;
    out.push_back(league + " Night Results " + nighttext(night.date));
    out.push_back(night.scoring == Scoring::net ? "Points on net scores"
                                                : "Points on gross scores");
    for (const FlightNight& fn : night.flights) {
        out.push_back("");
        if (!fn.flight.empty()) out.push_back(flightheading(fn.flight));
        out.push_back(nightcolumns);
        for (const NightRow& r : fn.rows) out.push_back(nightrowline(r));
    }
    return out;
}

std::vector<std::string> standingslines(const std::string& league, const ResultsFile& f,
                                        const std::vector<FlightStandings>& table) {
    std::vector<std::string> out;
    out.push_back(league + " Season Standings");
    const int nights = int(seasonnights(f).size());
    const int best = f.settings.bestnights;
    out.push_back(std::to_string(nights) + (nights == 1 ? " night" : " nights") +
                  (best > 0 ? ", best " + std::to_string(best) + " count" : ", all count"));
    for (const FlightStandings& fs : table) {
        out.push_back("");
        if (!fs.flight.empty()) out.push_back(flightheading(fs.flight));
        out.push_back(standingscolumns);
        for (const StandingRow& r : fs.rows) out.push_back(standingline(r));
    }
    return out;
}

std::vector<std::string> nightheading() {
    return {"date", "flight", "place", "player", "gross", "handicap", "net", "points"};
}

std::vector<std::vector<std::string>> nightcells(const NightResults& night) {
    std::vector<std::vector<std::string>> rows;
    for (const FlightNight& fn : night.flights)
        for (const NightRow& r : fn.rows)
            rows.push_back({nighttext(night.date), fn.flight, placetext(r.place), r.name,
                            std::to_string(r.gross), r.hcp ? std::to_string(*r.hcp) : "",
                            r.net ? std::to_string(*r.net) : "", pointstext(r.points)});
    return rows;
}

std::vector<std::string> standingsheading() {
    return {"place", "player", "flight", "nights", "points", "average net"};
}

std::vector<std::vector<std::string>> standingscells(const std::vector<FlightStandings>& table) {
    std::vector<std::vector<std::string>> rows;
    for (const FlightStandings& fs : table)
        for (const StandingRow& r : fs.rows)
            rows.push_back({std::to_string(r.place), r.name, fs.flight, std::to_string(r.nights),
                            pointstext(r.points), r.averagenet ? averagetext(*r.averagenet) : ""});
    return rows;
}

} // namespace greenfold
