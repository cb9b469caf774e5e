#include "results/night.h"

#include "results/ranking.h"

#include <algorithm>

namespace greenfold {

namespace {

// Places on gross (everyone) or net (only players with a handicap) among the rows.
template <typename Set>
void placeby(std::vector<NightRow>& rows, const std::vector<const ResultLine*>& lines, bool net,
             const CompetitionSettings& s, Set set) {
    std::vector<Contender> field;
    std::vector<std::size_t> who;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        if (net && !lines[k]->hcp) continue;
        field.push_back(contender(*lines[k], net));
        who.push_back(k);
    }
    const std::vector<Placing> placed = rank(field, s.ties, s.points);
    for (std::size_t k = 0; k < who.size(); ++k) set(rows[who[k]], placed[k]);
}

FlightNight flightnight(const std::string& name, const std::vector<const ResultLine*>& lines,
                        const CompetitionSettings& s) {
    FlightNight fn{name, {}};
    for (const ResultLine* l : lines)
        fn.rows.push_back(
            {l->name, l->gross(), l->hcp, l->net(), 0, 0, 0, double(s.participation)});
    const bool bynet = s.scoring == Scoring::net;
    placeby(fn.rows, lines, false, s, [&](NightRow& r, const Placing& p) {
        r.grossplace = p.place;
        if (!bynet) r.place = p.place, r.points += p.points;
    });
    placeby(fn.rows, lines, true, s, [&](NightRow& r, const Placing& p) {
        r.netplace = p.place;
        if (bynet) r.place = p.place, r.points += p.points;
    });
    std::stable_sort(fn.rows.begin(), fn.rows.end(), [](const NightRow& a, const NightRow& b) {
        if ((a.place == 0) != (b.place == 0)) return b.place == 0;
        if (a.place != b.place) return a.place < b.place;
        if (a.place == 0 && a.gross != b.gross) return a.gross < b.gross;
        return a.name < b.name;
    });
    return fn;
}

} // namespace

std::vector<NightDate> seasonnights(const ResultsFile& f) {
    std::vector<NightDate> nights;
    nights.reserve(f.lines.size());
    for (const ResultLine& l : f.lines) nights.push_back(l.date);
    std::sort(nights.begin(), nights.end(), std::greater<>());
    nights.erase(std::unique(nights.begin(), nights.end()), nights.end());
    return nights;
}

std::vector<NightLines> linesbynight(const ResultsFile& f) {
    NightLines all;
    all.reserve(f.lines.size());
    for (const ResultLine& l : f.lines) all.push_back(&l);
    std::stable_sort(all.begin(), all.end(),
                     [](const ResultLine* a, const ResultLine* b) { return a->date < b->date; });
    std::vector<NightLines> nights;
    for (std::size_t k = 0; k < all.size(); ++k) {
        if (k == 0 || all[k]->date != all[k - 1]->date) nights.emplace_back();
        nights.back().push_back(all[k]);
    }
    return nights;
}

NightResults nightresults(const ResultsFile& f, const NightDate& night) {
    return nightresults(f, night, drawflights(f, night));
}

NightResults nightresults(const ResultsFile& f, const NightDate& night, const Flights& flights) {
    NightLines lines;
    for (const ResultLine& l : f.lines)
        if (l.date == night) lines.push_back(&l);
    return nightresults(f.settings, night, lines, flights);
}

NightResults nightresults(const CompetitionSettings& s, const NightDate& night,
                          const NightLines& lines, const Flights& flights) {
    NightResults r{night, s.scoring, {}};
    std::vector<NightLines> byflight(flights.names.size());
    for (const ResultLine* l : lines) byflight[std::size_t(flights.flightof(l->name))].push_back(l);
    for (std::size_t k = 0; k < byflight.size(); ++k)
        if (!byflight[k].empty())
            r.flights.push_back(flightnight(flights.names[k], byflight[k], s));
    return r;
}

} // namespace greenfold
